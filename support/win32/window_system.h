// Real windows for the framework's windowed controls. Programs and Windows tests call
// InstallWin32WindowSystem() once at start, before any control needs a window.
#pragma once
#include <memory>

#include "support/framework/win_control.h"

// Installs the peer factory below and the painters of the standard controls; calling it again does nothing.
void InstallWin32WindowSystem();
// Controls of cls and of its descendants get their windows from maker, unless a descendant
// class has a maker of its own: the way a control class brings its own window procedure.
void RegisterWindowPeerMaker(const TMetaClass& cls, TWindowPeerFactory maker);
// The window of a control: the registered maker's for the control's class or nearest ancestor;
// otherwise an EDIT for a TEdit, a container window of our class for any other.
std::unique_ptr<TWindowPeer> MakeWin32WindowPeer(TWinControl& control);
