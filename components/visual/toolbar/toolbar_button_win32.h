// The flat toolbar button on Windows: painting by the parent window and repeat timers from
// the message loop. Its mouse input comes from the parent window as any windowless control's.
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
// A one-shot timer of the calling thread's message loop.
std::unique_ptr<TRepeatTimer> MakeWin32RepeatTimer();
