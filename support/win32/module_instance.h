// The module (DLL or program) this code is linked into: window classes registered here
// belong to it, and windows of those classes are made with it.
#pragma once
#include <windows.h>

HINSTANCE ModuleInstance();
