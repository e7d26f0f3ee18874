// Drives a modal form from a thread timer: the timer fires inside the form's modal loop,
// finds the form this thread shows by its caption, and runs the test's steps one per tick.
// A form still open when the steps are done ends with kRobotGaveUp instead of hanging the test.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/controls/modal_form.h"

constexpr int kRobotGaveUp = 0x7777;

class TModalRobot {
public:
    using TStep = std::function<void(TModalForm& form, HWND wnd)>;

    explicit TModalRobot(std::string caption);
    ~TModalRobot();
    TModalRobot(const TModalRobot&) = delete;
    TModalRobot& operator=(const TModalRobot&) = delete;

    TModalRobot& Then(TStep step);
    // A key pressed and released in the window that has the focus.
    TModalRobot& PressKey(UINT virtualKey);

    bool SawForm() const { return sawForm_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    HWND FindForm() const;

    std::string caption_;
    std::vector<TStep> steps_;
    size_t next_ = 0;
    int idleTicks_ = 0;
    bool sawForm_ = false;
    UINT_PTR timer_ = 0;
};

// Posts a left click at a point of the window's client area.
void ClickAt(HWND wnd, int x, int y);
// The window of a control as a handle.
inline HWND WndOf(TWinControl& control) { return static_cast<HWND>(control.Handle()); }
