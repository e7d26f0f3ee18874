// What docks and floating tool windows need from the window system beyond their controls.
#pragma once
#include "support/framework/geometry.h"

class TDockWindowing {
public:
    virtual ~TDockWindowing() = default;
    // Widths of the caption and borders around the client area of a floating tool window,
    // as the Left, Top, Right and Bottom of the result.
    virtual TRect FloatingFrame() const = 0;
    // The work area (the screen without task bars) of the monitor nearest to a rectangle in
    // screen coordinates; an empty rectangle when the screen has no bounds.
    virtual TRect WorkAreaNearest(const TRect& bounds) const = 0;
};

// The window system this program runs on. Without one (native builds) the frame has fixed
// widths and the screen has no bounds.
const TDockWindowing& SystemDockWindowing();
