// Real windows for the framework's windowed controls. Programs and Windows tests call
// InstallWin32WindowSystem() once at start, before any control needs a window.
#pragma once
#include <memory>

#include "support/framework/win_control.h"

// Installs the peer factory below and the painters of the standard controls; calling it again does nothing.
void InstallWin32WindowSystem();
// The window of a control: an EDIT for a TEdit, a container window of our class for any other.
std::unique_ptr<TWindowPeer> MakeWin32WindowPeer(TWinControl& control);
