#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "support/win32/readable_memory.h"

namespace {
constexpr DWORD kReadableProtections =
    PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

// How many bytes from address on lie in the same region of committed, readable memory; 0 when
// the byte at address is not readable.
size_t ReadableBytesAt(uintptr_t address) {
    MEMORY_BASIC_INFORMATION info;
    if (VirtualQuery(reinterpret_cast<const void*>(address), &info, sizeof info) == 0) return 0;
    if (info.State != MEM_COMMIT) return 0;
    if ((info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) || !(info.Protect & kReadableProtections)) return 0;
    const uintptr_t regionEnd = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
    return regionEnd > address ? regionEnd - address : 0;
}
}  // namespace

bool ReadTextAt(const void* address, size_t maxLength, std::string& text) {
    if (!address) return false;
    const uintptr_t start = reinterpret_cast<uintptr_t>(address);
    const size_t limit = maxLength + 1;  // the text and its NUL
    for (size_t scanned = 0; scanned < limit;) {
        const uintptr_t at = start + scanned;
        if (at < start) return false;  // ran past the top of the address space
        const size_t readable = ReadableBytesAt(at);
        if (readable == 0) return false;
        const size_t chunk = std::min(readable, limit - scanned);
        if (const void* nul = std::memchr(reinterpret_cast<const void*>(at), 0, chunk)) {
            text.assign(static_cast<const char*>(address), static_cast<const char*>(nul));
            return true;
        }
        scanned += chunk;
    }
    return false;
}
