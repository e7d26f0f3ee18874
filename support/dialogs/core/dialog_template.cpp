#include "support/dialogs/core/dialog_template.h"

#include <cassert>
#include <cstring>

#include "support/framework/utf_text.h"

TDialogTemplate::TDialogTemplate(uint32_t style, uint32_t exStyle, const XMBRect& bounds,
                                 std::string_view caption, uint16_t fontPoints, std::string_view fontFace) {
    Put32(style);
    Put32(exStyle);
    Put16(0);  // item count, kept current by Add
    PutBounds(bounds);
    Put16(0);  // no menu
    Put16(0);  // the standard dialog class
    PutText(caption);
    Put16(fontPoints);
    PutText(fontFace);
}

void TDialogTemplate::Add(const TDialogItem& item) {
    assert(itemCount_ < UINT16_MAX);
    AlignTo(4);
    Put32(item.Style);
    Put32(item.ExStyle);
    PutBounds(item.Bounds);
    Put16(item.Id);
    Put16(0xFFFF);
    Put16(static_cast<uint16_t>(item.Class));
    PutText(item.Text);
    Put16(0);  // no creation data
    ++itemCount_;
    auto count = static_cast<uint16_t>(itemCount_);
    std::memcpy(&bytes_[kDialogTemplateCountOffset], &count, sizeof count);
}

void TDialogTemplate::Put16(uint16_t value) {
    auto* p = reinterpret_cast<const uint8_t*>(&value);
    bytes_.insert(bytes_.end(), p, p + sizeof value);
}

void TDialogTemplate::Put32(uint32_t value) {
    auto* p = reinterpret_cast<const uint8_t*>(&value);
    bytes_.insert(bytes_.end(), p, p + sizeof value);
}

void TDialogTemplate::PutText(std::string_view utf8) {
    for (char16_t c : Utf8ToUtf16(utf8)) Put16(c);
    Put16(0);
}

void TDialogTemplate::PutBounds(const XMBRect& bounds) {
    Put16(static_cast<uint16_t>(static_cast<int16_t>(bounds.Left)));
    Put16(static_cast<uint16_t>(static_cast<int16_t>(bounds.Top)));
    Put16(static_cast<uint16_t>(static_cast<int16_t>(bounds.Width)));
    Put16(static_cast<uint16_t>(static_cast<int16_t>(bounds.Height)));
}

void TDialogTemplate::AlignTo(size_t boundary) {
    while (bytes_.size() % boundary != 0) bytes_.push_back(0);
}
