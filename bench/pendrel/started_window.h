// A program started for measuring: its process, its top-level window of a given class, and
// the moment that window first stands painted on the screen.
#pragma once
#include <windows.h>

#include <filesystem>
#include <string>

class TStartedWindow {
public:
    // Starts program in dir with the arguments; the clock runs from just before CreateProcess.
    TStartedWindow(const std::filesystem::path& program, const std::wstring& arguments,
                   const std::filesystem::path& dir);
    // Closes the window when it is still open, ends the process when it does not end.
    ~TStartedWindow();
    TStartedWindow(const TStartedWindow&) = delete;
    TStartedWindow& operator=(const TStartedWindow&) = delete;

    // Waits until the process shows a window of windowClass with nothing left to paint;
    // the milliseconds since the start. Throws when the process ends or the time runs out.
    double WaitUntilPainted(const wchar_t* windowClass, double timeoutMs = 15000);
    // Sends WM_CLOSE and waits for the process to end; false when it had to be ended.
    bool Close();

    HWND Window() const { return window_; }
    // Milliseconds from the start until the window was first found, and first seen visible.
    double FoundMs() const { return foundMs_; }
    double VisibleMs() const { return visibleMs_; }
    HANDLE Process() const { return process_.hProcess; }

private:
    HWND FindOwnWindow(const wchar_t* windowClass) const;
    bool ProcessEnded() const;

    PROCESS_INFORMATION process_{};
    double startMs_ = 0;
    HWND window_ = nullptr;
    double foundMs_ = -1;
    double visibleMs_ = -1;
    bool closed_ = false;
};

// What keeps the window from counting as painted: not found, not visible, parts left to
// paint, or one colour only on screen; null when it stands painted.
const char* PaintState(HWND window);
