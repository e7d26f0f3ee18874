// The program as a whole: its title and icon on the task bar, its message loop and the
// display of errors that reach the loop. The task-bar button belongs to a window of its own,
// so that the program's forms may stay off the task bar and out of the activation.
#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

class TApplication {
public:
    TApplication() = default;
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;
    ~TApplication();

    // Makes the task-bar window, hidden; calling it again does nothing.
    void Initialize();
    HWND Handle() const { return wnd_; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    void SetIcon(HICON icon);
    // Shows or hides the program's task-bar button.
    void ShowOnTaskbar(bool show);
    // Runs the message loop until WM_QUIT; an exception out of a message handler is shown
    // and the loop goes on. Returns the quit code.
    int Run();
    void Terminate() { PostQuitMessage(0); }
    // The display of an error no handler caught: OnException when assigned, else a message box.
    void ShowException(const std::exception& error);
    // Takes over the display of errors no handler caught (an exception dialog).
    std::function<void(const std::exception&)> OnException;
    // A click on the task-bar button, which cannot activate the program's window.
    std::function<void()> OnTaskbarClick;
    // Closing the task-bar button's window (its Close item, Alt+F4 on the button): the
    // program closes as its own Exit does. Without a handler the window alone goes.
    std::function<void()> OnClose;

private:
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND wnd_ = nullptr;
    std::string title_;
};

TApplication& Application();

// Runs the body of a program's entry: an exception that reaches it is shown and ends the
// program with exit code 1; otherwise the result is the body's.
int RunProgram(const std::function<int()>& body);
