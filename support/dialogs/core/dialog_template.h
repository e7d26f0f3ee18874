// A dialog template in memory, in the layout DialogBoxIndirectParam reads: the dialog header
// with caption and font, then one item per control, each aligned to four bytes.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "support/dialogs/core/message_box_layout.h"

// The predefined control classes an item may name by number.
enum class TDialogItemClass : uint16_t { Button = 0x0080, Edit = 0x0081, Static = 0x0082, ComboBox = 0x0085 };

struct TDialogItem {
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    XMBRect Bounds;  // dialog units
    uint16_t Id = 0;
    TDialogItemClass Class = TDialogItemClass::Static;
    std::string_view Text;  // UTF-8
};

class TDialogTemplate {
public:
    // style must hold DS_SETFONT (0x40) for the font to be read.
    TDialogTemplate(uint32_t style, uint32_t exStyle, const XMBRect& bounds, std::string_view caption,
                    uint16_t fontPoints, std::string_view fontFace);

    void Add(const TDialogItem& item);
    int ItemCount() const { return itemCount_; }
    // The template; its item count is kept current. Heap memory, so aligned for DLGTEMPLATE.
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    void Put16(uint16_t value);
    void Put32(uint32_t value);
    void PutText(std::string_view utf8);
    void PutBounds(const XMBRect& bounds);
    void AlignTo(size_t boundary);

    std::vector<uint8_t> bytes_;
    int itemCount_ = 0;
};

// Offset of the item count in the header.
constexpr size_t kDialogTemplateCountOffset = 8;
