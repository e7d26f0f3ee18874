#include "box_types.h"

namespace {
constexpr TColor kWhite = 0xFFFFFF, kGrey = 0x808080, kSilver = 0xC0C0C0, kBlack = 0;

bool IsEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

TRect StepIn(const TRect& r) { return {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}; }

void Add(std::vector<HBoxStrip>& strips, const TRect& area, TColor color) {
    if (!IsEmpty(area)) strips.push_back({area, color});
}

// A 1-pixel rectangle: the top and left edges in topLeft, the right and bottom edges in
// bottomRight, which also takes the top-right and bottom-left corners.
void Line3D(std::vector<HBoxStrip>& strips, const TRect& r, TColor topLeft, TColor bottomRight) {
    if (IsEmpty(r)) return;
    Add(strips, {r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
    Add(strips, {r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
    Add(strips, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
    Add(strips, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
}

void Outline(std::vector<HBoxStrip>& strips, const TRect& r, TColor color) { Line3D(strips, r, color, color); }

// 3D lines and outlines from the outside in, one pixel apart.
struct TRing {
    TColor TopLeft, BottomRight;
};
void Rings(std::vector<HBoxStrip>& strips, TRect r, std::initializer_list<TRing> rings) {
    for (const TRing& ring : rings) {
        Line3D(strips, r, ring.TopLeft, ring.BottomRight);
        r = StepIn(r);
    }
}
}  // namespace

int TC_BoxWidth(HBOX_Types type) {
    switch (type) {
        case HBOX_Raise:
        case HBOX_Lower:
        case HBOX_Rect:
        case HBOX_Solid:
        case HBOX_Border: return 1;
        case HBOX_Frame:
        case HBOX_Button:
        case HBOX_Control: return 2;
        case HBOX_Box:
        case HBOX_EdgeUp:
        case HBOX_EdgeDown: return 4;
        case HBOX_HeavyBox: return 5;
        case HBOX_None:
        case HBOX_Null: return 0;
    }
    return 0;
}

std::vector<HBoxStrip> BoxStrips(const TRect& area, TColor color, HBOX_Types type) {
    std::vector<HBoxStrip> strips;
    const TRect& r = area;
    switch (type) {
        case HBOX_Raise: Rings(strips, r, {{kWhite, kGrey}}); break;
        case HBOX_Lower: Rings(strips, r, {{kGrey, kWhite}}); break;
        case HBOX_Frame:
            Outline(strips, {r.Left + 1, r.Top + 1, r.Right, r.Bottom}, kBlack);
            Outline(strips, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, kWhite);
            break;
        case HBOX_Rect: Outline(strips, r, kBlack); break;
        case HBOX_Box: Rings(strips, r, {{kWhite, kGrey}, {kSilver, kSilver}, {kSilver, kSilver}, {kGrey, kWhite}}); break;
        case HBOX_HeavyBox:
            Rings(strips, r,
                  {{kBlack, kBlack}, {kWhite, kGrey}, {kSilver, kSilver}, {kSilver, kSilver}, {kGrey, kWhite}});
            break;
        case HBOX_Button: Rings(strips, r, {{kBlack, kBlack}, {kWhite, kGrey}}); break;
        case HBOX_Control: Rings(strips, r, {{kBlack, kBlack}, {kGrey, kWhite}}); break;
        case HBOX_Solid:
        case HBOX_Border: Outline(strips, r, color); break;
        case HBOX_EdgeUp: Rings(strips, r, {{kGrey, kGrey}, {kWhite, kWhite}, {kGrey, kGrey}, {kWhite, kWhite}}); break;
        case HBOX_EdgeDown: Rings(strips, r, {{kWhite, kWhite}, {kGrey, kGrey}, {kWhite, kWhite}, {kGrey, kGrey}}); break;
        case HBOX_None:
        case HBOX_Null: break;
    }
    return strips;
}
