// The help file of the running program: its path with the extension ".hlp".
#pragma once
#include <windows.h>

#include <string>

std::string ProgramHelpFile();
// Opens the help file at the topic, or at its index when topic is 0. A missing file is
// not opened, so no help viewer comes up with an error of its own.
void ShowProgramHelp(HWND owner, unsigned topic);
