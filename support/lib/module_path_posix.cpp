#include <filesystem>
#include <system_error>

#include "support/lib/paths.h"

// Shared objects are not told apart: the module handle only means something on Windows.
std::string GetModulePath(void*) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.string();
}
