#include "support/dialogs/core/dialog_template.h"

#include <gtest/gtest.h>

#include <cstring>


namespace {
uint16_t Word(const std::vector<uint8_t>& bytes, size_t offset) {
    uint16_t value;
    std::memcpy(&value, &bytes[offset], sizeof value);
    return value;
}

uint32_t DWord(const std::vector<uint8_t>& bytes, size_t offset) {
    uint32_t value;
    std::memcpy(&value, &bytes[offset], sizeof value);
    return value;
}

// Reads a zero-terminated UTF-16 text at offset and moves offset past it.
std::u16string Text(const std::vector<uint8_t>& bytes, size_t& offset) {
    std::u16string text;
    for (uint16_t c; (c = Word(bytes, offset)) != 0; offset += 2) text.push_back(c);
    offset += 2;
    return text;
}

TEST(DialogTemplate, HeaderHoldsStyleBoundsCaptionAndFont) {
    TDialogTemplate dialog(0x80C800C0, 0, {1, 2, 300, 100}, "Вопрос", 9, "Tahoma");
    const auto& bytes = dialog.Bytes();
    EXPECT_EQ(DWord(bytes, 0), 0x80C800C0u);
    EXPECT_EQ(DWord(bytes, 4), 0u);
    EXPECT_EQ(Word(bytes, 8), 0);
    EXPECT_EQ(Word(bytes, 10), 1);
    EXPECT_EQ(Word(bytes, 12), 2);
    EXPECT_EQ(Word(bytes, 14), 300);
    EXPECT_EQ(Word(bytes, 16), 100);
    EXPECT_EQ(Word(bytes, 18), 0);  // menu
    EXPECT_EQ(Word(bytes, 20), 0);  // class
    size_t offset = 22;
    EXPECT_EQ(Text(bytes, offset), u"Вопрос");
    EXPECT_EQ(Word(bytes, offset), 9);
    offset += 2;
    EXPECT_EQ(Text(bytes, offset), u"Tahoma");
    EXPECT_EQ(offset, bytes.size());
}

TEST(DialogTemplate, ItemsAreDWordAlignedAndCounted) {
    TDialogTemplate dialog(0x40, 0, {0, 0, 10, 10}, "ab", 8, "X");
    dialog.Add({0x50010001, 0x4, {5, 6, 50, 14}, 7, TDialogItemClass::Button, "&Нет"});
    dialog.Add({0x50000000, 0, {-1, 0, 20, 8}, 0xFFFF, TDialogItemClass::Static, ""});
    const auto& bytes = dialog.Bytes();
    EXPECT_EQ(dialog.ItemCount(), 2);
    EXPECT_EQ(Word(bytes, kDialogTemplateCountOffset), 2);

    size_t offset = 22;
    Text(bytes, offset);
    offset += 2;
    Text(bytes, offset);
    offset = (offset + 3) & ~size_t{3};
    EXPECT_EQ(DWord(bytes, offset), 0x50010001u);
    EXPECT_EQ(DWord(bytes, offset + 4), 0x4u);
    EXPECT_EQ(Word(bytes, offset + 8), 5);
    EXPECT_EQ(Word(bytes, offset + 14), 14);
    EXPECT_EQ(Word(bytes, offset + 16), 7);
    EXPECT_EQ(Word(bytes, offset + 18), 0xFFFF);
    EXPECT_EQ(Word(bytes, offset + 20), 0x0080);
    offset += 22;
    EXPECT_EQ(Text(bytes, offset), u"&Нет");
    EXPECT_EQ(Word(bytes, offset), 0);  // creation data
    offset += 2;
    offset = (offset + 3) & ~size_t{3};
    EXPECT_EQ(static_cast<int16_t>(Word(bytes, offset + 8)), -1);
    EXPECT_EQ(Word(bytes, offset + 18), 0xFFFF);
    EXPECT_EQ(Word(bytes, offset + 20), 0x0082);
    offset += 22;
    EXPECT_EQ(Text(bytes, offset), u"");
    EXPECT_EQ(offset + 2, bytes.size());
}
}  // namespace
