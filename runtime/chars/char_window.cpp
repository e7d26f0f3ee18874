#include "runtime/chars/char_window.h"

#include "runtime/chars/char_window_model.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"

namespace {
constexpr wchar_t kClassName[] = L"OSKCharClass";
constexpr wchar_t kTitle[] = L"OSKCharWindow";
constexpr int kInitialSize = 100;

HWND gCharWindow = nullptr;
TLabel* gModel = nullptr;

// The model's caption, centred on one line in the model's font. The whole client area is the
// text's box, so a partial repaint puts the text where a full one would.
void PaintModel(HWND wnd, HDC dc) {
    if (!gModel) return;
    RECT client;
    GetClientRect(wnd, &client);
    TFontHandle font(*gModel->GetFont());
    TDcSelection selection(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    std::wstring text = Utf8ToWide(gModel->GetCaption());
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &client,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CALLBACK CharWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(wnd, &paint);
            PaintModel(wnd, dc);
            EndPaint(wnd, &paint);
            return 0;
        }
        case WM_DESTROY:
            if (wnd == gCharWindow) gCharWindow = nullptr;
            PostQuitMessage(0);
            return 0;
        case WM_CREATE:
        case WM_SIZE:
        case WM_COMMAND:
        case WM_INITMENUPOPUP:
            return 0;
        default:
            return DefWindowProcW(wnd, message, wParam, lParam);
    }
}

// The program's own instance: the class belongs to the runtime, not to a library it uses.
HINSTANCE RuntimeInstance() { return GetModuleHandleW(nullptr); }

bool RegisterCharClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = &CharWindowProc;
    windowClass.hInstance = RuntimeInstance();
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
}  // namespace

void SetCharWindowModel(TLabel* label) { gModel = label; }

TLabel* CharWindowModel() { return gModel; }

HWND CharWindow() { return gCharWindow; }

HWND CreateCharWindow() {
    if (gCharWindow) return gCharWindow;
    if (!RegisterCharClass()) return nullptr;
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2 - kInitialSize / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2 - kInitialSize / 2;
    gCharWindow = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, kTitle, WS_POPUP | WS_BORDER, x, y,
                                  kInitialSize, kInitialSize, nullptr, nullptr, RuntimeInstance(), nullptr);
    if (!gCharWindow) return nullptr;
    ShowWindow(gCharWindow, SW_HIDE);
    UpdateWindow(gCharWindow);
    return gCharWindow;
}

void ParkCharWindow(HWND below) {
    if (!gCharWindow) return;
    SetWindowPos(gCharWindow, below, 850, 350, kInitialSize, kInitialSize, SWP_NOACTIVATE | SWP_HIDEWINDOW);
}
