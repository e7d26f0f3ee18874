// Answers the modal dialogs a test brings up: a thread timer fires inside the dialog's modal
// loop, finds the dialog this thread shows, and runs the test's steps against it one per tick.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct TShownButton {
    std::string Text;
    int Id = 0;
    bool Default = false;
    bool Enabled = false;
    RECT Bounds{};  // in the dialog's client coordinates
};

// What a dialog shows: push buttons left to right, the check box, the texts.
struct TShownDialog {
    HWND Window = nullptr;
    HWND Owner = nullptr;
    std::string Caption;
    std::vector<TShownButton> Buttons;
    std::vector<std::string> Texts;  // static texts
    bool HasIcon = false;
    RECT TextBounds{};
    bool HasCheckBox = false;
    bool CheckBoxTicked = false;
    std::string CheckBoxText;
    RECT CheckBoxBounds{};
    RECT Client{};
    bool CloseEnabled = true;  // the Close item of the system menu
    int FocusId = 0;

    std::vector<std::string> ButtonTexts() const;
    const TShownButton* DefaultButton() const;
};

TShownDialog InspectDialog(HWND dialog);

// The value a dialog ends with when the robot gives up on it: the steps are done and it is
// still open. Tests see this instead of hanging.
constexpr int kRobotGaveUp = 0x7777;

class TDialogRobot {
public:
    using TStep = std::function<void(HWND dialog)>;

    // Waits for a dialog with this caption (any caption when empty).
    explicit TDialogRobot(std::string caption = "");
    ~TDialogRobot();
    TDialogRobot(const TDialogRobot&) = delete;
    TDialogRobot& operator=(const TDialogRobot&) = delete;

    TDialogRobot& Then(TStep step);
    TDialogRobot& Inspect(TShownDialog& into);
    TDialogRobot& Click(const std::string& buttonText);
    TDialogRobot& TickCheckBox();
    TDialogRobot& PressKey(UINT virtualKey);
    TDialogRobot& PressEscape() { return PressKey(VK_ESCAPE); }
    TDialogRobot& CloseBox();

    // Whether a dialog came up at all.
    bool SawDialog() const { return sawDialog_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    HWND FindDialog() const;

    std::string caption_;
    std::vector<TStep> steps_;
    size_t next_ = 0;
    int idleTicks_ = 0;
    bool sawDialog_ = false;
    UINT_PTR timer_ = 0;
};

// UTF-8 text of a window.
std::string WindowText(HWND window);
