// Writes one switch into the keyboard's settings file before it starts, for runs that
// compare a default with its alternative.
#pragma once
#include <filesystem>
#include <string>

void WriteKeyboardSwitch(const std::filesystem::path& settingsFile, const std::string& name, bool value);
