// Mouse and keyboard input as controls see it, without a window system: the events the window
// layer hands to controls, and the interceptor through which a designer sees a container's
// input first and paints over it.
#pragma once
#include <cstdint>

#include "geometry.h"
#include "graphics.h"
#include "shortcut.h"

class TControl;
class TWinControl;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TInputKind { MouseDown, MouseMove, MouseUp, DoubleClick, MouseLeave, CaptureLost, Wheel, KeyDown, KeyUp, Char };

struct TInputEvent {
    TInputKind Kind = TInputKind::MouseMove;
    // The control the input is meant for: the container, or a child at any level, with or
    // without a window of its own.
    TControl* Target = nullptr;
    // Mouse events: in the client coordinates of the control that receives the event.
    TPoint Point;
    TMouseButton Button = mbLeft;
    TShiftState Shift = 0;
    // Key events: the virtual-key code; Char: the character's code point.
    uint32_t Key = 0;
    // Wheel: the turn, 120 per notch, positive away from the user.
    int WheelDelta = 0;

    bool IsMouse() const { return Kind != TInputKind::KeyDown && Kind != TInputKind::KeyUp && Kind != TInputKind::Char; }
};

// The drawing an overlay may do, in the container's client coordinates.
class IOverlayCanvas {
public:
    virtual ~IOverlayCanvas() = default;
    virtual void FillRect(const TRect& area, TColor color) = 0;
    virtual void FrameRect(const TRect& area, TColor color) = 0;
    // A dotted frame that inverts what lies below, as rubber bands are drawn.
    virtual void FocusRect(const TRect& area) = 0;
};

// Sees all mouse and keyboard input of a container and of its children, windowed or not,
// before they do; its overlay is painted over the container and its windowless children.
class IDesignInterceptor {
public:
    virtual ~IDesignInterceptor() = default;
    // Points are in the container's client coordinates. True swallows the input.
    virtual bool DesignInput(TWinControl& container, const TInputEvent& input) = 0;
    virtual void PaintOverlay(TWinControl& container, IOverlayCanvas& canvas) = 0;
    // The mouse pointer to show at a point; crDefault leaves it to the window.
    virtual TCursor DesignCursor(TWinControl& /*container*/, TPoint /*point*/) { return crDefault; }
};
