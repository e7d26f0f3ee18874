#include "child_process.h"

#include <vector>

#include "waiting.h"

TChildProcess::~TChildProcess() {
    Kill();
    Release();
}

bool TChildProcess::Start(const std::wstring& commandLine, const std::wstring& directory) {
    Kill();
    Release();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          directory.empty() ? nullptr : directory.c_str(), &startup, &info_) != 0;
}

bool TChildProcess::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool TChildProcess::WaitForEnd(int timeoutMs) {
    return WaitUntil([this] { return !Running(); }, timeoutMs);
}

void TChildProcess::Kill() {
    if (!Running()) return;
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
}

DWORD TChildProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void TChildProcess::Release() {
    if (info_.hThread) CloseHandle(info_.hThread);
    if (info_.hProcess) CloseHandle(info_.hProcess);
    info_ = PROCESS_INFORMATION{};
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className, title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) return window;
    }
    return nullptr;
}
