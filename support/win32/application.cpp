#include "application.h"

#include "message_loop.h"
#include "module_instance.h"
#include "pending_exception.h"
#include "support/framework/exceptions.h"
#include "wide_text.h"

namespace {
const wchar_t kClassName[] = L"TApplication";

void RegisterApplicationClass(WNDPROC procedure) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);
}
}  // namespace

TApplication& Application() {
    static TApplication application;
    return application;
}

TApplication::~TApplication() {
    if (wnd_ && IsWindow(wnd_)) DestroyWindow(wnd_);
}

void TApplication::Initialize() {
    if (wnd_) return;
    RegisterApplicationClass(&TApplication::WindowProc);
    // Never activated: a click on its button must leave the user's window in the foreground.
    wnd_ = CreateWindowExW(WS_EX_APPWINDOW | WS_EX_NOACTIVATE, kClassName, Utf8ToWide(title_).c_str(),
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, -32000, -32000, 0, 0, nullptr,
                           nullptr, ModuleInstance(), nullptr);
    if (wnd_) SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (wnd_) SetWindowTextW(wnd_, Utf8ToWide(title).c_str());
}

void TApplication::SetIcon(HICON icon) {
    if (!wnd_) return;
    SendMessageW(wnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(wnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TApplication::ShowOnTaskbar(bool show) {
    if (wnd_) ShowWindow(wnd_, show ? SW_SHOWNOACTIVATE : SW_HIDE);
}

int TApplication::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        try {
            if (RunMessageFilters(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
            RaisePendingWindowException();
        } catch (const EAbort&) {
            // A silent abort ends the action that raised it and nothing else.
        } catch (const std::exception& error) {
            ShowException(error);
        }
    }
    return static_cast<int>(message.wParam);
}

void TApplication::ShowException(const std::exception& error) {
    if (OnException) return OnException(error);
    MessageBoxW(nullptr, Utf8ToWide(error.what()).c_str(), Utf8ToWide(title_).c_str(), MB_OK | MB_ICONERROR | MB_TOPMOST);
}

LRESULT CALLBACK TApplication::WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    const bool buttonClick = message == WM_SYSCOMMAND && ((wParam & 0xFFF0) == SC_RESTORE || (wParam & 0xFFF0) == SC_MINIMIZE);
    if (self && buttonClick && self->OnTaskbarClick) {
        self->OnTaskbarClick();
        return 0;
    }
    if (self && message == WM_CLOSE && self->OnClose) {
        self->OnClose();
        return 0;
    }
    return DefWindowProcW(wnd, message, wParam, lParam);
}

int RunProgram(const std::function<int()>& body) {
    try {
        return body();
    } catch (const std::exception& error) {
        Application().ShowException(error);
        return 1;
    }
}
