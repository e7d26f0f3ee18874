#include "program_copy.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {
bool IsLibrary(const fs::path& file) { return _stricmp(file.extension().string().c_str(), ".dll") == 0; }

// One folder per copy, as a run may compare two builds.
fs::path FreshTempDir() {
    static int copies = 0;
    const fs::path dir = fs::temp_directory_path() / ("pendrel_bench_" + std::to_string(GetCurrentProcessId()) + "_" +
                                                      std::to_string(++copies));
    fs::remove_all(dir);
    fs::create_directories(dir / "layouts");
    return dir;
}
}  // namespace

fs::path OwnProgramDir() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) throw std::runtime_error("cannot find the benchmark's own folder");
    return fs::path(path).parent_path();
}

TProgramCopy::TProgramCopy(const fs::path& sourceDir, const std::vector<std::string>& programs, const fs::path& layout)
    : dir_(FreshTempDir()) {
    for (const std::string& program : programs) fs::copy_file(sourceDir / program, dir_ / program);
    for (const fs::directory_entry& entry : fs::directory_iterator(sourceDir))
        if (entry.is_regular_file() && IsLibrary(entry.path())) fs::copy_file(entry.path(), dir_ / entry.path().filename());
    fs::copy_file(layout, dir_ / "layouts" / "startup.osk");
}

TProgramCopy::~TProgramCopy() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
}

void TProgramCopy::ForgetSettings() const {
    std::error_code ignored;
    fs::remove(dir_ / "osk.hcfg", ignored);
    fs::remove(dir_ / "designer.hcfg", ignored);
}
