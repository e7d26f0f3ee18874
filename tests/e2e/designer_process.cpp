#include "designer_process.h"

#include <commctrl.h>
#include <climits>
#include <gtest/gtest.h>
#include <wchar.h>

#include "waiting.h"

namespace {
constexpr int kModeTabsHeight = 22;
// The palette's buttons are 26 pixels square, one apart, after the selection button and the
// left scroll arrow.
constexpr int kPaletteButtonSize = 26;
constexpr int kFirstPaletteButton = 39;

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

BOOL CALLBACK AddVisibleChild(HWND child, LPARAM list) {
    if (IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// Visible descendants of a window, depth first.
std::vector<HWND> VisibleChildren(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, &AddVisibleChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}
}  // namespace

bool TDesignerProcess::Start(const std::wstring& exe, const std::vector<std::wstring>& arguments) {
    return Launch(exe, arguments) && WaitForWindow();
}

bool TDesignerProcess::Launch(const std::wstring& exe, const std::vector<std::wstring>& arguments) {
    std::wstring line = L"\"" + exe + L"\"";
    for (const std::wstring& argument : arguments) line += L" \"" + argument + L"\"";
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
    return process_.Start(line, folder);
}

bool TDesignerProcess::WaitForWindow(int timeoutMs) {
    return WaitUntil(
        [&] {
            window_ = FindProcessWindow(process_.Id(), kDesignerClass, kDesignerTitle);
            return window_ != nullptr;
        },
        timeoutMs);
}

bool TDesignerProcess::Close(int timeoutMs) {
    if (!process_.Running()) return true;
    PostMessageW(window_, WM_CLOSE, 0, 0);
    if (process_.WaitForEnd(timeoutMs)) return true;
    process_.Kill();
    return false;
}

void TDesignerProcess::Type(const std::string& text) {
    SetForegroundWindow(window_);
    WaitUntil([&] { return GetForegroundWindow() == window_; }, 2000);
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        const BYTE key = LOBYTE(scan);
        const bool shifted = HIBYTE(scan) & 1;
        if (shifted) keybd_event(VK_SHIFT, 0, 0, 0);
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        if (shifted) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
        Pause(20);
    }
    Pause(200);
}

void TDesignerProcess::Press(WORD key, std::vector<WORD> modifiers) {
    SetForegroundWindow(window_);
    WaitUntil([&] { return GetForegroundWindow() == window_; }, 2000);
    for (WORD modifier : modifiers) keybd_event(static_cast<BYTE>(modifier), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        keybd_event(static_cast<BYTE>(*it), 0, KEYEVENTF_KEYUP, 0);
    Pause(300);
}

POINT TDesignerProcess::SurfacePoint(SIZE surface, POINT point) const {
    for (HWND child : VisibleChildren(window_)) {
        const SIZE size = ClientSize(child);
        if (size.cx == surface.cx && size.cy == surface.cy) {
            ClientToScreen(child, &point);
            return point;
        }
    }
    ADD_FAILURE() << "no design surface of " << surface.cx << " by " << surface.cy;
    return point;
}

POINT TDesignerProcess::ModeTabPoint(int tab) const {
    HWND tabs = FindTabControl();
    for (HWND child : VisibleChildren(tabs))
        if (ClientSize(child).cy == kModeTabsHeight) {
            // "Test" and "Design" are about 45 pixels wide from a margin of 5.
            POINT point{28 + 45 * tab, kModeTabsHeight / 2};
            ClientToScreen(child, &point);
            return point;
        }
    ADD_FAILURE() << "no mode tabs";
    return {};
}

POINT TDesignerProcess::PaletteButtonPoint(int button) const {
    HWND palette = FindChildWithText(L"Components palette");
    for (HWND child : palette ? VisibleChildren(palette) : std::vector<HWND>{})
        if (ClassOf(child) == WC_TABCONTROLW) {
            POINT point{kFirstPaletteButton + (kPaletteButtonSize + 1) * button + kPaletteButtonSize / 2,
                        kPaletteButtonSize / 2 + 3};
            ClientToScreen(child, &point);
            return point;
        }
    ADD_FAILURE() << "no component palette";
    return {};
}

POINT TDesignerProcess::InspectorFilterPoint() const {
    HWND inspector = FindChildWithText(L"Object inspector");
    HWND filter = nullptr;
    RECT top{0, LONG_MAX, 0, LONG_MAX};
    for (HWND child : inspector ? VisibleChildren(inspector) : std::vector<HWND>{}) {
        RECT bounds{};
        GetWindowRect(child, &bounds);
        if (_wcsicmp(ClassOf(child).c_str(), L"Edit") == 0 && bounds.top < top.top) filter = child, top = bounds;
    }
    if (!filter) ADD_FAILURE() << "no inspector filter box";
    return {(top.left + top.right) / 2, (top.top + top.bottom) / 2};
}

HWND TDesignerProcess::FindChildWithText(const std::wstring& text) const {
    for (HWND child : VisibleChildren(window_))
        if (TextOf(child) == text) return child;
    return nullptr;
}

HWND TDesignerProcess::FindTabControl() const {
    for (HWND child : VisibleChildren(window_))
        if (ClassOf(child) == WC_TABCONTROLW) return child;
    return nullptr;
}

int TDesignerProcess::TabCount() const {
    HWND tabs = FindTabControl();
    return tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) : -1;
}

int TDesignerProcess::SelectedTab() const {
    HWND tabs = FindTabControl();
    return tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) : -2;
}

bool TDesignerProcess::ShowsChildWithText(const std::wstring& text) const {
    return FindChildWithText(text) != nullptr;
}

HWND TDesignerProcess::WaitForDialog(const std::wstring& caption, int timeoutMs) const {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
            dialog = FindProcessWindow(process_.Id(), nullptr, caption.c_str());
            return dialog != nullptr;
        },
        timeoutMs);
    return dialog;
}

bool TDesignerProcess::ClickButton(HWND dialog, const std::wstring& text) {
    for (HWND child : VisibleChildren(dialog))
        if (_wcsicmp(ClassOf(child).c_str(), L"Button") == 0 && TextOf(child) == text) {
            PostMessageW(child, BM_CLICK, 0, 0);
            Pause(300);
            return true;
        }
    return false;
}

bool TDesignerProcess::Answer(const std::wstring& caption, const std::wstring& button) const {
    HWND dialog = WaitForDialog(caption);
    return dialog && ClickButton(dialog, button);
}
