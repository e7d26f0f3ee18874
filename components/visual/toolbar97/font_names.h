// The names of the font families installed on this system, sorted and without duplicates;
// vertical variants ("@Name") are left out.
#pragma once
#include <string>
#include <vector>

std::vector<std::string> InstalledFontNames();
