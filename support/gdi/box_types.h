// Frame styles and the strips of colour each one is drawn with.
#pragma once
#include <cstdint>
#include <vector>

#include "support/framework/control.h"

enum HBOX_Types : uint8_t {
    HBOX_Raise,
    HBOX_Lower,
    HBOX_Frame,
    HBOX_Rect,
    HBOX_Box,
    HBOX_HeavyBox,
    HBOX_Button,
    HBOX_Control,
    HBOX_None,
    HBOX_Null,
    HBOX_Solid,
    HBOX_Border,
    HBOX_EdgeUp,
    HBOX_EdgeDown,
};
PENDREL_ENUM_TYPEINFO(HBOX_Types, "HBOX_Raise", "HBOX_Lower", "HBOX_Frame", "HBOX_Rect", "HBOX_Box", "HBOX_HeavyBox",
                      "HBOX_Button", "HBOX_Control", "HBOX_None", "HBOX_Null", "HBOX_Solid", "HBOX_Border",
                      "HBOX_EdgeUp", "HBOX_EdgeDown");

// Pixels the frame of this style takes on each side; 0 for an unknown value.
int TC_BoxWidth(HBOX_Types type);

// One filled rectangle of a frame drawing.
struct HBoxStrip {
    TRect Area;
    TColor Color;
};

// The frame of type inside area, as filled strips in drawing order (later strips cover
// earlier ones). color is the colour of the one-colour styles (HBOX_Solid, HBOX_Border).
std::vector<HBoxStrip> BoxStrips(const TRect& area, TColor color, HBOX_Types type);
