// Code outside the window layer that must see a control's window messages before the
// control does: a form's menu bar takes its menu messages this way.
#pragma once
#include <windows.h>

#include "support/framework/win_control.h"

class TWindowMessageHook {
public:
    virtual ~TWindowMessageHook() = default;
    // True when the hook handled the message; result is then the window's answer.
    virtual bool HandleMessage(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    // The window is about to be destroyed, by the control or by the system.
    virtual void WindowDestroying(HWND /*wnd*/) {}
};

// Hooks stay with the control across re-creations of its window, in the order they were added.
void AddWindowMessageHook(const TWinControl& control, TWindowMessageHook& hook);
void RemoveWindowMessageHook(const TWinControl& control, TWindowMessageHook& hook);

// Used by the window procedure.
bool RunWindowMessageHooks(const TWinControl& control, HWND wnd, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result);
void NotifyWindowDestroying(const TWinControl& control, HWND wnd);
