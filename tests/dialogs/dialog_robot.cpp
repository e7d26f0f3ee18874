#include "dialog_robot.h"

#include <algorithm>

namespace {
constexpr UINT kTickMs = 20;
constexpr int kGiveUpTicks = 150;

TDialogRobot* gActiveRobot = nullptr;

bool IsDialogClass(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return wcscmp(name, L"#32770") == 0;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ClientBounds(HWND child, HWND dialog) {
    RECT bounds;
    GetWindowRect(child, &bounds);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

struct TFindArgs {
    const std::string* Caption;
    HWND Found;
};

BOOL CALLBACK FindShownDialog(HWND window, LPARAM lParam) {
    auto* args = reinterpret_cast<TFindArgs*>(lParam);
    if (!IsWindowVisible(window) || !IsDialogClass(window)) return TRUE;
    if (!args->Caption->empty() && WindowText(window) != *args->Caption) return TRUE;
    args->Found = window;
    return FALSE;
}

void AddControl(TShownDialog& shown, HWND child) {
    std::string cls = ClassOf(child);
    LONG style = GetWindowLongW(child, GWL_STYLE);
    if (cls == "Static") {
        if ((style & SS_TYPEMASK) == SS_ICON) {
            shown.HasIcon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
        } else {
            shown.Texts.push_back(WindowText(child));
            shown.TextBounds = ClientBounds(child, shown.Window);
        }
        return;
    }
    if (cls != "Button") return;
    LONG kind = style & BS_TYPEMASK;
    if (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX) {
        shown.HasCheckBox = true;
        shown.CheckBoxText = WindowText(child);
        shown.CheckBoxTicked = SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
        shown.CheckBoxBounds = ClientBounds(child, shown.Window);
        return;
    }
    shown.Buttons.push_back({WindowText(child), GetDlgCtrlID(child), kind == BS_DEFPUSHBUTTON,
                             IsWindowEnabled(child) != FALSE, ClientBounds(child, shown.Window)});
}

BOOL CALLBACK CollectChild(HWND child, LPARAM lParam) {
    AddControl(*reinterpret_cast<TShownDialog*>(lParam), child);
    return TRUE;
}

HWND ButtonWithText(HWND dialog, const std::string& text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == "Button" && WindowText(child) == text) return child;
    return nullptr;
}
}  // namespace

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    length = GetWindowTextW(window, wide.data(), length + 1);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, text.data(), bytes, nullptr, nullptr);
    return text;
}

std::vector<std::string> TShownDialog::ButtonTexts() const {
    std::vector<std::string> texts;
    for (const auto& button : Buttons) texts.push_back(button.Text);
    return texts;
}

const TShownButton* TShownDialog::DefaultButton() const {
    for (const auto& button : Buttons)
        if (button.Default) return &button;
    return nullptr;
}

TShownDialog InspectDialog(HWND dialog) {
    TShownDialog shown;
    shown.Window = dialog;
    shown.Owner = GetWindow(dialog, GW_OWNER);
    shown.Caption = WindowText(dialog);
    GetClientRect(dialog, &shown.Client);
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&shown));
    std::sort(shown.Buttons.begin(), shown.Buttons.end(),
              [](const TShownButton& a, const TShownButton& b) { return a.Bounds.left < b.Bounds.left; });
    UINT close = GetMenuState(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND);
    shown.CloseEnabled = close != static_cast<UINT>(-1) && !(close & (MF_GRAYED | MF_DISABLED));
    HWND focus = GetFocus();
    shown.FocusId = focus && IsChild(dialog, focus) ? GetDlgCtrlID(focus) : 0;
    return shown;
}

TDialogRobot::TDialogRobot(std::string caption) : caption_(std::move(caption)) {
    gActiveRobot = this;
    timer_ = SetTimer(nullptr, 0, kTickMs, OnTimer);
}

TDialogRobot::~TDialogRobot() {
    KillTimer(nullptr, timer_);
    if (gActiveRobot == this) gActiveRobot = nullptr;
}

TDialogRobot& TDialogRobot::Then(TStep step) {
    steps_.push_back(std::move(step));
    return *this;
}

TDialogRobot& TDialogRobot::Inspect(TShownDialog& into) {
    return Then([&into](HWND dialog) { into = InspectDialog(dialog); });
}

TDialogRobot& TDialogRobot::Click(const std::string& buttonText) {
    return Then([buttonText](HWND dialog) {
        if (HWND button = ButtonWithText(dialog, buttonText)) PostMessageW(button, BM_CLICK, 0, 0);
    });
}

TDialogRobot& TDialogRobot::TickCheckBox() {
    return Then([](HWND dialog) {
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (ClassOf(child) == "Button" && (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX)
                PostMessageW(child, BM_CLICK, 0, 0);
    });
}

TDialogRobot& TDialogRobot::PressKey(UINT virtualKey) {
    return Then([virtualKey](HWND dialog) {
        HWND focus = GetFocus();
        HWND target = focus && IsChild(dialog, focus) ? focus : dialog;
        PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
        PostMessageW(target, WM_KEYUP, virtualKey, 0xC0000001);
    });
}

TDialogRobot& TDialogRobot::CloseBox() {
    return Then([](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
}

void CALLBACK TDialogRobot::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (gActiveRobot) gActiveRobot->Tick();
}

HWND TDialogRobot::FindDialog() const {
    TFindArgs args{&caption_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindShownDialog, reinterpret_cast<LPARAM>(&args));
    return args.Found;
}

void TDialogRobot::Tick() {
    HWND dialog = FindDialog();
    if (!dialog) return;
    sawDialog_ = true;
    if (next_ < steps_.size()) {
        steps_[next_++](dialog);
        return;
    }
    if (++idleTicks_ >= kGiveUpTicks) EndDialog(dialog, kRobotGaveUp);
}
