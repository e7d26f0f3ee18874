#include "runtime/delivery/layout_files.h"

#include "support/lib/paths.h"

std::string LayoutSearchPattern(const std::string& fileOrCommand, const std::string& startupDir) {
    const std::string& dir = fileOrCommand.empty() ? startupDir : fileOrCommand;
    if (dir.find_first_of("*?") != std::string::npos) return dir;
    return AddLastSlash(dir) + "*.osk";
}

std::string LayoutMenuCaption(const std::string& path) { return FNameOnly(path); }
