#include "runtime/hooklink/layout_hook.h"

#include "runtime/hooklink/null_message.h"
#include "runtime/hooklink/shared_data.h"
#include "runtime/hooklink/wnd_msg_proc.h"

namespace {

HHOOK gHook = nullptr;
HMODULE gLibrary = nullptr;
DWORD gLastError = ERROR_SUCCESS;

bool Fail() {
    gLastError = GetLastError();
    return false;
}

std::string SystemErrorText(DWORD error) {
    char* text = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length != 0 ? std::string(text, length) : "error " + std::to_string(error);
    if (text != nullptr) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message;
}

HMODULE LoadHookLibrary(const char* name) {
    return LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HHOOK SetLibraryHook() {
    auto procedure =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(gLibrary, "WndMsgProc")));
    if (procedure == nullptr) return nullptr;
    return SetWindowsHookExA(WH_CALLWNDPROC, procedure, gLibrary, 0);
}

HHOOK SetOwnThreadHook() {
    return SetWindowsHookExA(WH_CALLWNDPROC, WndMsgProc, nullptr, GetCurrentThreadId());
}

void FreeHookLibrary() {
    if (gLibrary != nullptr) FreeLibrary(gLibrary);
    gLibrary = nullptr;
}

}  // namespace

// A library that gave no hook is let go, so that the next attempt loads it afresh.
bool InstallLayoutHook(const char* libraryName) {
    if (gLibrary == nullptr && libraryName != nullptr) {
        gLibrary = LoadHookLibrary(libraryName);
        if (gLibrary == nullptr) return Fail();
    }
    if (gHook != nullptr) return true;
    gHook = libraryName != nullptr ? SetLibraryHook() : SetOwnThreadHook();
    if (gHook != nullptr) return true;
    Fail();
    if (libraryName != nullptr) FreeHookLibrary();
    return false;
}

void RemoveLayoutHook() {
    if (gHook == nullptr) return;
    UnhookWindowsHookEx(gHook);
    gHook = nullptr;
    FreeHookLibrary();
    PostMessageA(HWND_BROADCAST, WM_NULL, 0, 0);
}

bool IsLayoutHookSet() {
    return gHook != nullptr;
}

std::string LayoutHookError() {
    return SystemErrorText(gLastError);
}

void PostHookCommand(HWND window, uint32_t command, uint32_t p1, uint32_t p2) {
    // Without a hook nobody takes the command, which would then fire at some later message.
    if (!IsLayoutHookSet()) return;
    if (SharedBlock().IsOpen()) {
        TSharedAccess record(SharedBlock());
        record->Command = command;
        record->Param1 = p1;
        record->Param2 = p2;
    }
    if (window != nullptr) SendNullMessage(window);
}
