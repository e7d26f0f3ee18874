// The designer program started from a private folder, driven as a user drives it: shortcuts
// typed into its window, the mouse on its design surface, answers clicked in its dialogs.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "child_process.h"

inline constexpr wchar_t kDesignerClass[] = L"TMainForm";
inline constexpr wchar_t kDesignerTitle[] = L"OSK: Editor";

class TDesignerProcess {
public:
    // Starts exe with the arguments and waits for its visible window; false when none appeared.
    bool Start(const std::wstring& exe, const std::vector<std::wstring>& arguments);
    // Starts exe without waiting: its start-up may ask questions first.
    bool Launch(const std::wstring& exe, const std::vector<std::wstring>& arguments);
    bool WaitForWindow(int timeoutMs = 15000);
    // Asks the window to close and waits for the end; false when it did not end.
    bool Close(int timeoutMs = 10000);
    HWND Window() const { return window_; }
    TChildProcess& Process() { return process_; }

    // Brings the window to the front and types a shortcut: virtual key with the modifiers down.
    void Press(WORD key, std::vector<WORD> modifiers = {});
    // The screen point of a point of the design surface, found as the window's child of the
    // surface's client size; asserts that there is one.
    POINT SurfacePoint(SIZE surface, POINT point) const;
    // The mode tab set at the bottom of the forms' tabs (a child of that height).
    POINT ModeTabPoint(int tab) const;
    // Tabs of the forms' tab control, and the chosen one.
    int TabCount() const;
    int SelectedTab() const;
    // The screen point of button i of the component palette.
    POINT PaletteButtonPoint(int button) const;
    // The screen point of the object inspector's filter box, the edit above its rows.
    POINT InspectorFilterPoint() const;
    // Types the text key by key into the designer's window, as a user types it.
    void Type(const std::string& text);
    // Whether a visible child window shows this text (the inspector's caption).
    bool ShowsChildWithText(const std::wstring& text) const;

    // A dialog of the designer with this caption, waited for; null when none came.
    HWND WaitForDialog(const std::wstring& caption, int timeoutMs = 5000) const;
    // Presses the dialog's button with this text; false when it has none.
    static bool ClickButton(HWND dialog, const std::wstring& text);
    // Waits for the dialog and presses its button.
    bool Answer(const std::wstring& caption, const std::wstring& button) const;

private:
    HWND FindTabControl() const;
    HWND FindChildWithText(const std::wstring& text) const;

    TChildProcess process_;
    HWND window_ = nullptr;
};
