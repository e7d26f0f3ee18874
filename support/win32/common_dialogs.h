// The system's common dialogs (files, colours, fonts), from comdlg32.dll loaded on first use.
// Linked at load time, that library and the printing and COM libraries it brings would cost
// every start of the keyboard some 17 ms and 5 MB under Wine, for dialogs it seldom shows.
#pragma once
#include <windows.h>
#include <commdlg.h>

// Each answers as its system function does; a library that cannot be loaded raises EWin32Error.
BOOL ShowOpenFileDialog(OPENFILENAMEW* dialog);
BOOL ShowSaveFileDialog(OPENFILENAMEW* dialog);
BOOL ShowColorDialog(CHOOSECOLORW* dialog);
BOOL ShowFontDialog(CHOOSEFONTW* dialog);
