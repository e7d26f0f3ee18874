#include "support/dialogs/core/message_box_layout.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int kTextMargin = 16;
constexpr int kTextExtraWidth = 28;
constexpr int kTextExtraHeight = 21;
constexpr int kIconMargin = 8;
constexpr int kIconFrameExtra = 10;
constexpr int kIconTextGap = 8;
constexpr int kButtonGap = 8;
constexpr int kRowSideMargin = 16;
constexpr int kMinDialogHeight = 70;
constexpr int kCheckBoxLeft = 17;
constexpr int kCheckBoxBelowRow = 35;
constexpr int kCheckBoxHeight = 16;
constexpr int kBottomMargin = 8;
// Dialog templates hold 16-bit signed coordinates.
constexpr int kMaxDialogUnit = INT16_MAX;
// Texts absurdly large still give numbers that cannot overflow.
constexpr int kMaxPixels = 1 << 20;

int Clamp(int value) { return std::clamp(value, 0, kMaxPixels); }

int ToUnits(int pixels, int scale, int base) {
    if (base <= 0) return 0;
    int64_t units = static_cast<int64_t>(pixels) * scale / base;
    return static_cast<int>(std::clamp<int64_t>(units, -kMaxDialogUnit, kMaxDialogUnit));
}
}  // namespace

int XMBTextWrapWidth(int screenWidth, int iconWidth) {
    int width = screenWidth / 2 + 100;
    if (iconWidth > 0) width -= iconWidth + kTextMargin;
    return std::max(width, 1);
}

XMBLayout XMBLayoutPixels(const XMBMeasures& measures) {
    XMBLayout layout;
    bool hasIcon = measures.IconWidth > 0;
    int textLeft = kTextMargin + (hasIcon ? Clamp(measures.IconWidth) + kIconTextGap : 0);
    layout.Text = {textLeft, kTextMargin, Clamp(measures.TextWidth) + kTextExtraWidth,
                   Clamp(measures.TextHeight) + kTextExtraHeight};
    if (hasIcon)
        layout.Icon = {kIconMargin, kIconMargin, Clamp(measures.IconWidth) + kIconFrameExtra,
                       Clamp(measures.IconHeight) + kIconFrameExtra};

    layout.ButtonCount = std::clamp(measures.ButtonCount, 0, kXMBMaxButtons);
    int rowWidth = layout.ButtonCount > 0 ? (layout.ButtonCount - 1) * kXMBButtonStep + kXMBButtonWidth : 0;
    int rowTop = std::max(layout.Text.Bottom(), layout.Icon.Bottom()) + kButtonGap;

    int bottom = rowTop + kXMBButtonHeight;
    int width = std::max(layout.Text.Right(), rowWidth + 2 * kRowSideMargin);
    if (measures.CheckBoxTextWidth > 0) {
        int checkWidth = Clamp(measures.CheckBoxTextWidth) + Clamp(measures.CheckBoxTextWidth) / 3;
        layout.CheckBox = {kCheckBoxLeft, rowTop + kCheckBoxBelowRow, checkWidth, kCheckBoxHeight};
        bottom = layout.CheckBox.Bottom();
        // A short message must not cut the check box's text off.
        width = std::max(width, layout.CheckBox.Right() + kRowSideMargin);
    }
    layout.Dialog = {0, 0, width, std::max(bottom + kBottomMargin, kMinDialogHeight)};

    int rowLeft = (width - rowWidth) / 2;
    for (int i = 0; i < layout.ButtonCount; ++i)
        layout.Buttons[i] = {rowLeft + i * kXMBButtonStep, rowTop, kXMBButtonWidth, kXMBButtonHeight};
    return layout;
}

XMBRect XMBToDialogUnits(const XMBRect& pixels, int baseUnitX, int baseUnitY) {
    return {ToUnits(pixels.Left, 4, baseUnitX), ToUnits(pixels.Top, 8, baseUnitY),
            ToUnits(pixels.Width, 4, baseUnitX), ToUnits(pixels.Height, 8, baseUnitY)};
}
