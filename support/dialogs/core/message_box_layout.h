// Where the parts of a message box go. Positions are computed in pixels from measured sizes
// and then converted to the dialog units of the box's font.
#pragma once

struct XMBRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const XMBRect&) const = default;
};

// Sizes a message box is laid out from.
struct XMBMeasures {
    int TextWidth = 0, TextHeight = 0;  // the message, word-wrapped within XMBTextWrapWidth
    int IconWidth = 0, IconHeight = 0;  // 0 without an icon
    int CheckBoxTextWidth = 0;          // single line; 0 without a check box
    int ButtonCount = 0;
};

struct XMBLayout {
    XMBRect Dialog;  // the client area
    XMBRect Text;
    XMBRect Icon;    // the icon's frame; empty without an icon
    XMBRect Buttons[8];
    int ButtonCount = 0;
    XMBRect CheckBox;  // empty without a check box
};

constexpr int kXMBButtonWidth = 82;
constexpr int kXMBButtonHeight = 23;
constexpr int kXMBButtonStep = 88;
constexpr int kXMBMaxButtons = 8;

// The width the message is wrapped within: half the screen plus 100, less the icon and its gap.
int XMBTextWrapWidth(int screenWidth, int iconWidth);

// The box in pixels. At most kXMBMaxButtons buttons are placed.
XMBLayout XMBLayoutPixels(const XMBMeasures& measures);

// Pixels to dialog units of a font with the given base units (x * 4 / baseX, y * 8 / baseY),
// limited to what a dialog template can hold.
XMBRect XMBToDialogUnits(const XMBRect& pixels, int baseUnitX, int baseUnitY);
