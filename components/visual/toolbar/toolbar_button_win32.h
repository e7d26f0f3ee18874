// The flat toolbar button on Windows: painting by the parent window, mouse input routed from
// the parent window, and repeat timers from the message loop.
#pragma once
#include <windows.h>

#include <memory>

#include "repeat_timer.h"
#include "support/framework/win_control.h"
#include "toolbar_button.h"

// Programs and Windows tests call this once after InstallWin32WindowSystem(); again does nothing.
void InstallToolbarButtonWindowing();

// The parts it installs.
void PaintToolbarButton(TControl& control, HDC dc);
// Hands mouse messages of a container window to the flat button under the mouse, or to the
// one the mouse went down on while the button is held; false for messages no button takes.
bool RouteToolbarButtonMouse(TWinControl& container, HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
// A one-shot timer of the calling thread's message loop.
std::unique_ptr<TRepeatTimer> MakeWin32RepeatTimer();
