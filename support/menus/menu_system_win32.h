// Real menus for the framework's menus. Programs and Windows tests call InstallWin32MenuSystem()
// once at start, next to InstallWin32WindowSystem().
#pragma once
#include <windows.h>

// Installs the menu peers, the system's modifier keys and the shortcut filter of the message
// loop; calling it again does nothing.
void InstallWin32MenuSystem();
// A key message for a window of a form with a main menu: asks the menu whether it is a
// shortcut. True when an item was clicked; the key is then consumed.
bool DispatchMenuShortCut(const MSG& message);
