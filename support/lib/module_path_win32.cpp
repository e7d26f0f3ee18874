#include <windows.h>

#include "support/lib/paths.h"

std::string GetModulePath(void* module) {
    // With the UTF-8 code page a path of MAX_PATH characters can take more bytes: grow until it fits.
    std::string buffer(MAX_PATH, '\0');
    while (buffer.size() <= 65536) {
        const DWORD length = GetModuleFileNameA(static_cast<HMODULE>(module), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
    return {};
}
