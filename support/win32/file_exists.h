// Whether a file (not a folder) exists at a path.
#pragma once
#include <string>

bool FileExists(const std::string& path);
