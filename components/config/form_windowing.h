// What the form-position helpers need from the window system beyond a control's bounds.
#pragma once
#include "support/framework/control.h"

enum HWindowState { hwsNormal = 0, hwsMinimized = 1, hwsMaximized = 2 };

class HFormWindowing {
public:
    virtual ~HFormWindowing() = default;
    // Width and height of the primary display's full-screen client area (without the taskbar).
    virtual TPoint ScreenSize() const = 0;
    virtual HWindowState WindowState(const TControl& form) const = 0;
    virtual void SetWindowState(TControl& form, HWindowState state) const = 0;
    // True for sizeable frames, tool windows included.
    virtual bool IsSizeable(const TControl& form) const = 0;
};

// The window system this program runs on. Without one (native builds) every form is normal
// and sizeable, and the screen has no bounds.
const HFormWindowing& SystemFormWindowing();
