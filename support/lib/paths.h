// Path text helpers and the running program's location.
// Paths use '\\' by default; '/' is always accepted as a separator when splitting.
#pragma once
#include <string>

// Directory part including its trailing separator; "" when there is none ("C:" counts as one).
std::string FPath(const std::string& path, char sep = '\\');
// File name with its extension.
std::string FName(const std::string& path, char sep = '\\');
// File name without its extension.
std::string FNameOnly(const std::string& path, char sep = '\\');
// Extension without its dot: the text after the last dot of the file name; "" when none.
std::string FExtOnly(const std::string& path, char sep = '\\');
// Appends sep unless s already ends in a separator; "" stays "" (the current folder).
std::string AddLastSlash(const std::string& s, char sep = '\\');
// "C:\\...", UNC "\\\\server..." and, outside Windows, "/...".
bool IsAbsolutePath(const std::string& path);
// path relative to baseDir (which ends in a separator) when it lies below it, else path unchanged.
// Purely textual: '/' and '\\' match each other, ".." is not resolved.
std::string MakeRelativePath(const std::string& path, const std::string& baseDir, bool ignoreCase);

// Full file name of the running program, or of the given module (a HMODULE; ignored outside Windows).
// "" when the system cannot tell.
std::string GetModulePath(void* module = nullptr);
// Directory of the running program (or module), ending in a separator.
std::string GetStartupDir(void* module = nullptr);
// Absolute paths unchanged; relative ones are taken relative to the program's directory.
std::string MakeStartLocalPath(const std::string& path);
// Relative to the program's directory when path lies below it (case-insensitive on Windows), else unchanged.
std::string MakeStartRelativePath(const std::string& path);
