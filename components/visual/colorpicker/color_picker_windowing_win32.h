// The windows of colour pickers: the button that shows the colour and the drop-down grid.
#pragma once
#include <windows.h>

class TColorPickerButton;

// Gives TColorPickerButtons their windows and their drop-down grid; calling it again does nothing.
void InstallColorPickerWindowing();
// The drop-down grid open now; null when none is.
HWND OpenColorPaletteWindow();
// Opens the grid of picker below it, closing any grid open before.
void OpenColorPalette(TColorPickerButton& picker);
