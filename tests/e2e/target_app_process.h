// The target program (or another application) that receives the keystrokes, and its edit field.
#pragma once
#include <windows.h>

#include <string>

#include "child_process.h"

class TTargetApp {
public:
    // Starts commandLine and waits for a visible window of windowClass with an edit child.
    bool Start(const std::wstring& commandLine, const wchar_t* windowClass);
    // Starts the test's own target program.
    bool StartTestTarget();
    // Asks the window to close, then makes sure the process ends.
    void Close();

    HWND Window() const { return window_; }
    HWND Edit() const { return edit_; }
    std::string Text() const;
    // Waits until the edit field reads expected; true when it did.
    bool WaitForText(const std::string& expected, int timeoutMs = 3000) const;
    // The selection of the edit field as start and end.
    std::pair<int, int> Selection() const;
    bool BringToFront() const;
    TChildProcess& Process() { return process_; }

private:
    TChildProcess process_;
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};
