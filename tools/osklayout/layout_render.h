// Drawing a layout as it appears at run time.
#pragma once
#include <string>

// Loads the layout file into a hidden design panel and writes the panel, at its size, to
// outputFile as a 24-bit Windows bitmap. Needs the Windows build; elsewhere raises
// EInvalidOperation before anything is written.
void RenderLayout(const std::string& layoutFile, const std::string& outputFile);
