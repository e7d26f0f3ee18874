// A process the test starts and is responsible for ending.
#pragma once
#include <windows.h>

#include <string>

class TChildProcess {
public:
    TChildProcess() = default;
    ~TChildProcess();
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    // commandLine as CreateProcessW takes it; directory empty: the test's own.
    bool Start(const std::wstring& commandLine, const std::wstring& directory = L"");
    bool Running() const;
    // Waits up to timeoutMs for the end; true when it ended.
    bool WaitForEnd(int timeoutMs);
    // Ends the process by force when it still runs.
    void Kill();
    DWORD ExitCode() const;
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }

private:
    void Release();

    PROCESS_INFORMATION info_{};
};

// The first visible top-level window of class className owned by process id; null when none.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr);
