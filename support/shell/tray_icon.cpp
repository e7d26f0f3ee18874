#include "support/shell/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>

#include "support/framework/class_builder.h"
#include "support/win32/module_instance.h"
#include "support/win32/pending_exception.h"
#include "support/win32/wide_text.h"
#include "support/win32/win32_error.h"

PENDREL_IMPLEMENT_CLASS(TNITrayIcon)

void TNITrayIcon::DeclareProperties(TClassBuilder<TNITrayIcon>& c) {
    c.Property("Hint", &TNITrayIcon::GetHint, &TNITrayIcon::SetHint);
    c.Property("PopUpMenu", &TNITrayIcon::GetPopupMenu, &TNITrayIcon::SetPopupMenu);
    c.Property("ShowDesigning", &TNITrayIcon::GetShowDesigning, &TNITrayIcon::SetShowDesigning).Default(false);
    c.Property("ShowOnTaskbar", &TNITrayIcon::GetShowOnTaskbar, &TNITrayIcon::SetShowOnTaskbar).Default(false);
    c.Property("Visible", &TNITrayIcon::GetVisible, &TNITrayIcon::SetVisible).Default(true);
    c.Event("OnClick", &TNITrayIcon::OnClick);
    c.Event("OnDblClick", &TNITrayIcon::OnDblClick);
}

namespace {
constexpr UINT kIconId = 1;

// Sent to every top-level window when the shell (re)starts: the icons it had are gone.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}
}  // namespace

TNITrayIcon::TNITrayIcon(TComponent* owner) : TComponent(owner) {}

TNITrayIcon::~TNITrayIcon() {
    if (added_) Notify(NIM_DELETE);
    if (wnd_) {
        SetWindowLongPtrW(wnd_, GWLP_USERDATA, 0);
        DestroyWindow(wnd_);
    }
    if (icon_) DestroyIcon(icon_);
}

// A hidden top-level window rather than a message-only one: only top-level windows hear the
// shell's "TaskbarCreated" broadcast.
HWND TNITrayIcon::Wnd() const {
    if (wnd_) return wnd_;
    wnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, WindowClassName(), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           ModuleInstance(), nullptr);
    if (!wnd_) RaiseLastWin32Error("Cannot create the window of a tray icon");
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(const_cast<TNITrayIcon*>(this)));
    return wnd_;
}

void TNITrayIcon::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    Update();
}

void TNITrayIcon::SetHint(const std::string& value) {
    if (value == hint_) return;
    hint_ = value;
    Update();
}

void TNITrayIcon::SetShowDesigning(bool value) {
    if (value == showDesigning_) return;
    showDesigning_ = value;
    Update();
}

void TNITrayIcon::SetPopupMenu(TPopupMenu* menu) {
    if (menu == popupMenu_) return;
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TNITrayIcon::SetIcon(HICON icon) {
    if (icon_) DestroyIcon(icon_);
    icon_ = icon ? CopyIcon(icon) : nullptr;
    Update();
}

void TNITrayIcon::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

bool TNITrayIcon::Wanted() const { return visible_ && icon_ && (showDesigning_ || !Designing()); }

void TNITrayIcon::Update() {
    if (!Wanted()) {
        if (added_) Notify(NIM_DELETE);
        added_ = false;
        return;
    }
    // A shell that lost the icon refuses the change: the icon is added again.
    if (added_ && Notify(NIM_MODIFY)) return;
    added_ = Notify(NIM_ADD);
}

bool TNITrayIcon::Notify(DWORD command) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = Wnd();
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayIconCallbackMessage;
    data.hIcon = icon_;
    const std::wstring tip = Utf8ToWide(hint_);
    const size_t length = std::min(tip.size(), std::size(data.szTip) - 1);
    std::wmemcpy(data.szTip, tip.data(), length);
    return Shell_NotifyIconW(command, &data) != FALSE;
}

void TNITrayIcon::HandleMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == kTrayIconCallbackMessage) {
        MouseEvent(static_cast<UINT>(lParam));
    } else if (message == TaskbarCreatedMessage()) {
        added_ = false;
        Update();
    }
}

void TNITrayIcon::MouseEvent(UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONUP: OnClick(this); break;
        case WM_LBUTTONDBLCLK: OnDblClick(this); break;
        case WM_RBUTTONUP: PopupAtCursor(); break;
        default: break;
    }
}

// The shell wants the program in the foreground before a tray menu opens and a WM_NULL after it
// closed, or the menu would not close on a click elsewhere; TPopupMenu's window does the same.
void TNITrayIcon::PopupAtCursor() {
    if (!popupMenu_) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(Wnd());
    popupMenu_->Popup(cursor.x, cursor.y);
    PostMessageW(Wnd(), WM_NULL, 0, 0);
}

const wchar_t* TNITrayIcon::WindowClassName() {
    static const wchar_t* const name = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &WindowProc;
        windowClass.hInstance = ModuleInstance();
        windowClass.lpszClassName = L"PendrelTrayIconWindow";
        if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            RaiseLastWin32Error("Cannot register the window class of tray icons");
        return windowClass.lpszClassName;
    }();
    return name;
}

LRESULT CALLBACK TNITrayIcon::WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* icon = reinterpret_cast<TNITrayIcon*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (!icon) return DefWindowProcW(wnd, message, wParam, lParam);
    try {
        icon->HandleMessage(message, wParam, lParam);
    } catch (...) {
        KeepWindowProcException();
        return 0;
    }
    return DefWindowProcW(wnd, message, wParam, lParam);
}
