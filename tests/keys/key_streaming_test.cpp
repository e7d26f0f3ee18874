#include <algorithm>
// Keys in layouts: the published properties of each class, what a new key writes, and
// every property and a glyph surviving the binary and the text form.
#include <gtest/gtest.h>

#include <sstream>

#include "components/persistence/control_io.h"
#include "keys/osk_keys.h"
#include "keys/palette_table.h"
#include "support/framework/class_registry.h"
#include "support/framework/exceptions.h"
#include "support/framework/object_text.h"
#include "support/framework/scroll_box.h"
#include "support/framework/stream.h"
#include "support/framework/writer.h"
#include "test_keyboard.h"

namespace {
std::vector<std::string> PublishedNames(const TMetaClass& cls) {
    std::vector<std::string> names;
    for (const TPropInfo& prop : cls.Properties()) names.push_back(prop.Name);
    return names;
}

std::vector<std::string> Join(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const std::vector<std::string> kFramework = {"Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint"};
const std::vector<std::string> kCommon = {"Align",  "Anchors", "Color", "CoverColor", "Constraints", "Font",
                                          "Margin", "NoBorder", "Flat", "Opaque", "ShowBorderWhenInactive",
                                          "ShowHint", "Spacing"};
const std::vector<std::string> kRepeat = {"Repeating", "RepeatDelay", "RepeatInterval"};
const std::vector<std::string> kGlyph = {"DisplayMode", "Glyph", "GlyphMask", "Layout", "NumGlyphs"};

TEST(KeyProperties, EachClassPublishesItsPropertiesInLayoutOrder) {
    const auto common = Join(kFramework, kCommon);
    EXPECT_EQ(PublishedNames(OSKKey::StaticClass()), Join(Join(common, kRepeat), {"KeyLabel", "KeyCode"}));
    EXPECT_EQ(PublishedNames(OSKKeyFx::StaticClass()),
              Join(Join(Join(Join(common, {"WordWrap"}), kRepeat), kGlyph), {"KeyLabel", "KeyCode"}));
    EXPECT_EQ(PublishedNames(OSKKeySym::StaticClass()), Join(Join(Join(common, {"WordWrap"}), kGlyph), {"KeyLabel", "KeyCode"}));
    EXPECT_EQ(PublishedNames(OSKKeyCmd::StaticClass()),
              Join(Join(Join(Join(common, {"WordWrap"}), kRepeat), kGlyph),
                   {"KeyLabel", "Command", "FileOrCommand", "BufferEdit", "ShortCut"}));
}

TEST(KeyProperties, CommandsAreWrittenByName) {
    const TPropInfo* command = OSKKeyCmd::StaticClass().FindProperty("Command");
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(GetEnumName(*command->PropType, 2), "osSysMenu");
    EXPECT_EQ(GetEnumName(*command->PropType, 10), "ocLayoutChange");
}

// The property lines of one key written alone, in the order written.
std::vector<std::string> WrittenProperties(TComponent& key) {
    TMemoryStream binary, text;
    TWriter writer(binary);
    writer.WriteRootComponent(&key);
    binary.SetPosition(0);
    HObjectBinaryToText(0, &binary, &text);
    std::istringstream lines(std::string(text.Bytes().begin(), text.Bytes().end()));
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find(" = ");
        if (equals != std::string::npos) names.push_back(line.substr(line.find_first_not_of(' '), equals - line.find_first_not_of(' ')));
    }
    return names;
}

class StreamDefaults : public ::testing::Test {
protected:
    TTestKeyboard keyboard;
};

TEST_F(StreamDefaults, ANewCharacterKeyWritesItsSizeLabelAndCode) {
    OSKKey key(nullptr);
    EXPECT_EQ(WrittenProperties(key),
              (std::vector<std::string>{"Left", "Top", "Width", "Height", "KeyLabel", "KeyCode"}));
}

TEST_F(StreamDefaults, ANewFixedKeyWritesItsCode) {
    OSKKeyFx key(nullptr);
    EXPECT_EQ(WrittenProperties(key), (std::vector<std::string>{"Left", "Top", "Width", "Height", "KeyCode"}));
}

TEST_F(StreamDefaults, ANewModifierKeyWritesItsColourAndFont) {
    OSKKeySym key(nullptr);
    EXPECT_EQ(WrittenProperties(key), (std::vector<std::string>{"Left", "Top", "Width", "Height", "Color",
                                                                "Font.Color", "Font.Height", "Font.Name", "KeyCode"}));
}

TEST_F(StreamDefaults, ACommandIsAlwaysWritten) {
    OSKKeyCmd key(nullptr);
    EXPECT_EQ(WrittenProperties(key), (std::vector<std::string>{"Left", "Top", "Width", "Height", "Command"}));
    key.SetCommand(ocMinimize);
    EXPECT_EQ(WrittenProperties(key).back(), "Command");
}

// Left out, they would read back as the values a new key starts with.
TEST_F(StreamDefaults, AnEmptyLabelOrCodeZeroIsWrittenWhereANewKeyHasAnother) {
    OSKKeyFx fixed(nullptr);
    fixed.SetKeyCode(0);
    EXPECT_EQ(WrittenProperties(fixed).back(), "KeyCode");
    OSKKey character(nullptr);
    character.SetKeyCode(0);
    EXPECT_EQ(WrittenProperties(character).back(), "KeyCode");
    character.SetKeyLabel("");
    EXPECT_EQ(WrittenProperties(character).back(), "KeyLabel");
    OSKKeyCmd command(nullptr);
    EXPECT_EQ(WrittenProperties(command).back(), "Command");
}

TEST_F(StreamDefaults, ABlackCoverColourIsWrittenSoItReadsBackBlack) {
    OSKKeyFx key(nullptr);
    key.SetCoverColor(clBlack);
    const std::vector<std::string> written = WrittenProperties(key);
    EXPECT_NE(std::find(written.begin(), written.end(), "CoverColor"), written.end());
}

// A layout with one key of each class and an edit, every published property away from its default.
class KeyRoundTrip : public ::testing::Test {
protected:
    KeyRoundTrip() {
        RegisterOSKClasses();
        RegisterClass(TScrollBox::StaticClass());
        panel->SetName("design");
        io->SetControl(panel);
        io->SetCompressContents(false);
    }

    static void FillGlyph(HBitmap& bitmap, int width, int height, uint32_t seed) {
        bitmap.SetSize(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, seed * 0x010101u + static_cast<uint32_t>(x * 7 + y * 131));
    }

    void SetCommon(OSKCustomKey& key, int index) {
        key.SetName("Key" + std::to_string(index));
        key.SetParent(panel);
        key.SetTag(7 + index);
        key.SetBounds(10 + index, 20 + index, 30 + index, 40 + index);
        key.SetCursor(crHandPoint);
        key.SetHint("hint " + std::to_string(index));
        key.SetAnchors({akRight, akBottom});
        key.SetColor(0x102030 + index);
        key.SetCoverColor(clRed);
        key.GetConstraints()->SetMinWidth(5);
        key.GetConstraints()->SetMinHeight(6);
        key.GetConstraints()->SetMaxWidth(200);
        key.GetConstraints()->SetMaxHeight(300);
        key.GetFont()->SetName("Arial");
        key.GetFont()->SetHeight(-17);
        key.GetFont()->SetStyle({fsBold, fsUnderline});
        key.GetFont()->SetColor(clYellow);
        key.GetFont()->SetCharset(kRussianCharset);
        key.SetMargin(3);
        key.SetNoBorder(true);
        key.SetFlat(false);
        key.SetOpaque(false);
        key.SetShowBorderWhenInactive(true);
        key.SetShowHint(true);
        key.SetSpacing(-1);
        key.SetWordWrap(true);
        key.SetRepeating(true);
        key.SetRepeatDelay(250);
        key.SetRepeatInterval(33);
        key.SetDisplayMode(dmGlyphOnly);
        FillGlyph(*key.GetGlyph(), 8, 5, index);
        FillGlyph(*key.GetGlyphMask(), 3, 2, 0);
        key.SetLayout(blGlyphBottom);
        key.SetNumGlyphs(2);
    }

    void BuildLayout() {
        auto* edit = new TEdit(panel);
        edit->SetName("Buffer");
        edit->SetParent(panel);
        auto* key = new OSKKey(panel);
        SetCommon(*key, 1);
        key->SetKeyLabel("ж");
        key->SetKeyCode(0x4A);
        auto* function = new OSKKeyFx(panel);
        SetCommon(*function, 2);
        function->SetKeyLabel("Page Up");
        function->SetKeyCode(0x21);
        auto* modifier = new OSKKeySym(panel);
        SetCommon(*modifier, 3);
        modifier->SetKeyLabel("Ctrl");
        modifier->SetKeyCode(0xA3);
        auto* command = new OSKKeyCmd(panel);
        SetCommon(*command, 4);
        command->SetKeyLabel("Run it");
        command->SetCommand(osSysMenu);
        command->SetFileOrCommand("C:\\Program Files\\x.exe");
        command->SetBufferEdit(edit);
        command->SetShortCut(scCtrl | 0x43);
    }

    std::string Save(bool text) {
        TMemoryStream s;
        io->SetTextOutput(text);
        io->Save(&s);
        return std::string(s.Bytes().begin(), s.Bytes().end());
    }

    // A fresh panel loaded from the saved layout.
    void Reload(const std::string& saved) {
        TMemoryStream s;
        s.WriteBuffer(saved.data(), static_cast<int32_t>(saved.size()));
        s.SetPosition(0);
        io->Load(&s);
    }

    // Every published value of two objects, nested objects included, as text.
    static std::string Describe(TPersistent& object) {
        std::string out;
        for (const TPropInfo& prop : object.ClassType()->Properties()) {
            out += prop.Name + "=";
            if (prop.GetOrd) out += std::to_string(prop.GetOrd(object));
            if (prop.GetStr) out += prop.GetStr(object);
            if (prop.GetObject) {
                TObject* value = prop.GetObject(object);
                if (auto* component = dynamic_cast<TComponent*>(value)) out += "->" + component->GetName();
                else if (auto* bitmap = dynamic_cast<HBitmap*>(value)) out += DescribeBitmap(*bitmap);
                else if (auto* nested = dynamic_cast<TPersistent*>(value)) out += "{" + Describe(*nested) + "}";
            }
            out += ";";
        }
        return out;
    }
    static std::string DescribeBitmap(const HBitmap& bitmap) {
        std::string out = std::to_string(bitmap.Width()) + "x" + std::to_string(bitmap.Height()) + ":";
        for (uint32_t pixel : bitmap.Pixels()) out += std::to_string(pixel) + ",";
        return out;
    }
    std::vector<std::string> DescribePanel() {
        std::vector<std::string> controls;
        for (int i = 0; i < panel->ControlCount(); ++i)
            controls.push_back(panel->Controls(i)->ClassName() + ":" + Describe(*panel->Controls(i)));
        return controls;
    }

    TTestKeyboard keyboard;
    TComponent owner{nullptr};
    TScrollBox* panel = new TScrollBox(&owner);
    HControlIO* io = new HControlIO(&owner);
};

TEST_F(KeyRoundTrip, EveryOrdinalPropertyIsAwayFromItsDefault) {
    BuildLayout();
    for (int i = 1; i < panel->ControlCount(); ++i) {
        TControl& key = *panel->Controls(i);
        for (const TPropInfo& prop : key.ClassType()->Properties())
            if (prop.HasDefault && prop.Name != "Align") {
                EXPECT_NE(prop.GetOrd(key), prop.Default) << key.ClassName() << "." << prop.Name;
            }
    }
}

TEST_F(KeyRoundTrip, TheBinaryFormKeepsEveryProperty) {
    BuildLayout();
    const auto before = DescribePanel();
    Reload(Save(false));

    EXPECT_EQ(DescribePanel(), before);
    auto* command = dynamic_cast<OSKKeyCmd*>(panel->Controls(4));
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->GetBufferEdit(), panel->Controls(0));
}

TEST_F(KeyRoundTrip, TheTextFormKeepsEveryProperty) {
    BuildLayout();
    const auto before = DescribePanel();
    const std::string text = Save(true);
    Reload(text);

    EXPECT_EQ(DescribePanel(), before);
    EXPECT_NE(text.find("Command = osSysMenu"), std::string::npos);
    EXPECT_NE(text.find("Anchors = [akRight, akBottom]"), std::string::npos);
    EXPECT_NE(text.find("Layout = blGlyphBottom"), std::string::npos);
    EXPECT_NE(text.find("Glyph.Data = {"), std::string::npos);
    const std::string again = Save(true);
    EXPECT_EQ(again.substr(again.find("BEGIN")), text.substr(text.find("BEGIN")));
}

TEST_F(KeyRoundTrip, NewKeysAndTheValuesThatUsedToBeLostComeBackUnchanged) {
    for (int row = 2; PaletteTable(row).Class; ++row) {
        auto* fresh = dynamic_cast<OSKCustomKey*>(PaletteTable(row).Class->CreateInstance(panel));
        auto* emptied = dynamic_cast<OSKCustomKey*>(PaletteTable(row).Class->CreateInstance(panel));
        fresh->SetName("New" + std::to_string(row));
        emptied->SetName("Emptied" + std::to_string(row));
        fresh->SetParent(panel);
        emptied->SetParent(panel);
        emptied->SetKeyLabel("");
        emptied->SetKeyCode(0);
        auto* coded = dynamic_cast<OSKCustomKey*>(PaletteTable(row).Class->CreateInstance(panel));
        coded->SetName("Coded" + std::to_string(row));
        coded->SetParent(panel);
        coded->SetKeyCode(0);
    }
    const auto before = DescribePanel();
    for (bool text : {false, true}) {
        Reload(Save(text));
        EXPECT_EQ(DescribePanel(), before) << (text ? "text form" : "binary form");
    }
}

// Aligned keys move on the panel, so one key alone shows that Align is kept.
TEST_F(KeyRoundTrip, AlignmentIsKept) {
    auto* key = new OSKKeyFx(panel);
    key->SetName("Aligned");
    key->SetParent(panel);
    key->SetAlign(alRight);
    Reload(Save(false));

    ASSERT_EQ(panel->ControlCount(), 1);
    EXPECT_EQ(panel->Controls(0)->GetAlign(), alRight);
}

TEST_F(KeyRoundTrip, TheKeyCodeInAFileOverridesTheOneTheLabelGave) {
    BuildLayout();
    Reload(Save(false));

    auto* key = dynamic_cast<OSKKey*>(panel->Controls(1));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->GetKeyLabel(), "ж");
    EXPECT_EQ(key->GetKeyCode(), 0x4A);
}

TEST_F(KeyRoundTrip, ADamagedGlyphIsAReadErrorNotACrash) {
    BuildLayout();
    std::string text = Save(true);
    const size_t data = text.find("Glyph.Data = {");
    ASSERT_NE(data, std::string::npos);
    const size_t start = text.find_first_of("0123456789ABCDEF", data + 14);
    text.replace(start, 8, "FFFFFF7F");  // a size far beyond the data

    EXPECT_THROW(Reload(text), EReadError);
}
}  // namespace
