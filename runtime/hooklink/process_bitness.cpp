#include "runtime/hooklink/process_bitness.h"

namespace {
// Both are 32-bit processes on a 32-bit system, where there is no WOW64.
bool IsWow64(HANDLE process, bool& wow64) {
    BOOL value = FALSE;
    if (!IsWow64Process(process, &value)) return false;
    wow64 = value != FALSE;
    return true;
}
}  // namespace

bool SameBitnessAsThisProcess(HWND window) {
    DWORD processId = 0;
    if (!GetWindowThreadProcessId(window, &processId)) return false;
    if (processId == GetCurrentProcessId()) return true;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return false;
    bool theirs = false, ours = false;
    const bool known = IsWow64(process, theirs) && IsWow64(GetCurrentProcess(), ours);
    CloseHandle(process);
    return known && theirs == ours;
}
