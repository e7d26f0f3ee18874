// The layout files a file-menu key offers: a folder (every "*.osk" in it) or a search pattern.
#pragma once
#include <optional>
#include <string>
#include <vector>

// fileOrCommand, or startupDir when it is empty; a folder gets "\*.osk" appended, a text with
// "*" or "?" is the pattern itself.
std::string LayoutSearchPattern(const std::string& fileOrCommand, const std::string& startupDir);
// Full paths of the files the pattern matches, folders left out, in the order the system lists
// them; nullopt when nothing matches, an empty list when only folders (or over-long paths) do.
// Paths longer than the system's path limit are left out.
std::optional<std::vector<std::string>> FindLayoutFiles(const std::string& fileOrCommand, const std::string& startupDir);
// The menu caption of a layout file: its name without folder and extension.
std::string LayoutMenuCaption(const std::string& path);
