#include <windows.h>

#include "runtime/delivery/layout_files.h"
#include "support/lib/paths.h"
#include "support/win32/wide_text.h"

namespace {
class TFileSearch {
public:
    explicit TFileSearch(const std::wstring& pattern) : handle_(FindFirstFileW(pattern.c_str(), &found_)) {}
    ~TFileSearch() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    TFileSearch(const TFileSearch&) = delete;
    TFileSearch& operator=(const TFileSearch&) = delete;

    bool HasMatch() const { return handle_ != INVALID_HANDLE_VALUE; }
    const WIN32_FIND_DATAW& Match() const { return found_; }
    bool Next() { return FindNextFileW(handle_, &found_) != FALSE; }

private:
    WIN32_FIND_DATAW found_{};
    HANDLE handle_;
};

bool IsLayoutCandidate(const WIN32_FIND_DATAW& match) {
    const std::wstring name = match.cFileName;
    return !(match.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..";
}

// A longer path does not fit the system's path buffers, and a shortened one names another file.
bool FitsPathLimit(const std::wstring& path) { return path.size() < MAX_PATH; }
}  // namespace

std::optional<std::vector<std::string>> FindLayoutFiles(const std::string& fileOrCommand, const std::string& startupDir) {
    const std::string pattern = LayoutSearchPattern(fileOrCommand, startupDir);
    TFileSearch search(Utf8ToWide(pattern));
    if (!search.HasMatch()) return std::nullopt;
    const std::wstring folder = Utf8ToWide(FPath(pattern));
    std::vector<std::string> files;
    do {
        const std::wstring path = folder + search.Match().cFileName;
        if (IsLayoutCandidate(search.Match()) && FitsPathLimit(path)) files.push_back(WideToUtf8(path));
    } while (search.Next());
    return files;
}
