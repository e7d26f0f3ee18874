#include "support/lib/paths.h"

namespace {
#ifdef _WIN32
constexpr bool kRootIsAbsolute = false;
constexpr bool kPathsIgnoreCase = true;
#else
constexpr bool kRootIsAbsolute = true;
constexpr bool kPathsIgnoreCase = false;
#endif

bool IsSeparator(char c, char sep) { return c == sep || c == '/'; }
bool IsAnySeparator(char c) { return c == '\\' || c == '/'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool HasDrive(const std::string& path) { return path.size() >= 2 && path[1] == ':' && IsAsciiLetter(path[0]); }

// Index of the first character of the file name.
size_t NameStart(const std::string& path, char sep) {
    for (size_t i = path.size(); i > 0; --i)
        if (IsSeparator(path[i - 1], sep)) return i;
    if (sep == '\\' && HasDrive(path)) return 2;
    return 0;
}

bool SamePathChar(char a, char b, bool ignoreCase) {
    if (IsAnySeparator(a) && IsAnySeparator(b)) return true;
    return ignoreCase ? AsciiLower(a) == AsciiLower(b) : a == b;
}
}  // namespace

std::string FPath(const std::string& path, char sep) { return path.substr(0, NameStart(path, sep)); }

std::string FName(const std::string& path, char sep) { return path.substr(NameStart(path, sep)); }

std::string FNameOnly(const std::string& path, char sep) {
    const std::string name = FName(path, sep);
    return name.substr(0, name.rfind('.'));
}

std::string FExtOnly(const std::string& path, char sep) {
    const std::string name = FName(path, sep);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string AddLastSlash(const std::string& s, char sep) {
    if (s.empty() || IsSeparator(s.back(), sep)) return s;
    return s + sep;
}

bool IsAbsolutePath(const std::string& path) {
    const bool drive = HasDrive(path) && path.size() >= 3 && IsAnySeparator(path[2]);
    const bool unc = path.size() >= 2 && IsAnySeparator(path[0]) && IsAnySeparator(path[1]);
    const bool root = kRootIsAbsolute && !path.empty() && path[0] == '/';
    return drive || unc || root;
}

std::string MakeRelativePath(const std::string& path, const std::string& baseDir, bool ignoreCase) {
    if (baseDir.empty() || !IsAnySeparator(baseDir.back()) || path.size() < baseDir.size()) return path;
    for (size_t i = 0; i < baseDir.size(); ++i)
        if (!SamePathChar(path[i], baseDir[i], ignoreCase)) return path;
    return path.substr(baseDir.size());
}

std::string GetStartupDir(void* module) { return FPath(GetModulePath(module)); }

std::string MakeStartLocalPath(const std::string& path) {
    if (IsAbsolutePath(path)) return path;
    return GetStartupDir() + path;
}

std::string MakeStartRelativePath(const std::string& path) {
    return MakeRelativePath(path, GetStartupDir(), kPathsIgnoreCase);
}
