#include <memory>

#include "color_picker_button.h"
#include "color_picker_windowing_win32.h"
#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/module_instance.h"
#include "support/win32/wide_text.h"

namespace {
const wchar_t kPopupClass[] = L"TColorPalettePopup";

RECT RectOf(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

// The open grid. It follows its picker: when the picker goes, the grid closes.
class TColorPalettePopup : public TComponent {
public:
    explicit TColorPalettePopup(TColorPickerButton& picker)
        : TComponent(nullptr), picker_(&picker), layout_(picker.PaletteLayout()) {
        picker.FreeNotification(this);
    }
    ~TColorPalettePopup() override { Close(); }

    HWND Wnd() const { return wnd_; }
    void Open();
    void Close() {
        const HWND wnd = wnd_;
        wnd_ = nullptr;
        if (wnd) DestroyWindow(wnd);
    }
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == picker_) {
            picker_ = nullptr;
            Close();
        }
    }

private:
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    void PaintButton(HDC dc, const TRect& bounds, const std::string& text);
    void Choose(TPoint point);
    void Hover(TPoint point);

    TColorPickerButton* picker_;
    TColorPaletteLayout layout_;
    HWND wnd_ = nullptr;
    int hot_ = -1;
};

std::unique_ptr<TColorPalettePopup>& OpenPopup() {
    static std::unique_ptr<TColorPalettePopup> popup;
    return popup;
}

void RegisterPopupClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSW wc{};
    wc.style = CS_DROPSHADOW;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kPopupClass;
    RegisterClassW(&wc);
    registered = true;
}

void TColorPalettePopup::Open() {
    RegisterPopupClass();
    const TPoint below = picker_->ClientToScreen({0, picker_->GetHeight()});
    RECT frame{0, 0, layout_.Width(), layout_.Height()};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    wnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, L"", WS_POPUP | WS_BORDER, below.X, below.Y,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, ModuleInstance(), nullptr);
    if (!wnd_) return;
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TColorPalettePopup::WindowProc));
    ShowWindow(wnd_, SW_SHOW);
    SetForegroundWindow(wnd_);
    SetFocus(wnd_);
}

LRESULT CALLBACK TColorPalettePopup::WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TColorPalettePopup*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(wnd, message, wParam, lParam);
    return self->Handle(wnd, message, wParam, lParam);
}

// Messages may still come while the window is being destroyed, when wnd_ is null already.
LRESULT TColorPalettePopup::Handle(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const TPoint point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(wnd, &paint);
            Paint(dc);
            EndPaint(wnd, &paint);
            return 0;
        }
        case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_MOUSEMOVE: Hover(point); return 0;
        case WM_LBUTTONUP: Choose(point); return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) Close();
            return 0;
        case WM_ACTIVATE:
            // A click anywhere else ends the choice.
            if (LOWORD(wParam) == WA_INACTIVE) Close();
            return 0;
        case WM_NCDESTROY:
            if (wnd == wnd_) wnd_ = nullptr;
            SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
            break;
    }
    return DefWindowProcW(wnd, message, wParam, lParam);
}

void TColorPalettePopup::Paint(HDC dc) {
    RECT client{0, 0, layout_.Width(), layout_.Height()};
    FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
    const int selected = picker_ ? layout_.IndexOf(picker_->GetSelectedColor()) : -1;
    for (int i = 0; i < static_cast<int>(layout_.Colors().size()); ++i) {
        RECT cell = RectOf(layout_.CellRect(i));
        if (i == selected || i == hot_) DrawEdge(dc, &cell, i == selected ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        InflateRect(&cell, -3, -3);
        const TSolidBrush fill(ColorRefOf(layout_.Colors()[static_cast<size_t>(i)]));
        FillRect(dc, &cell, fill.Get());
        FrameRect(dc, &cell, GetSysColorBrush(COLOR_BTNSHADOW));
    }
    if (!picker_) return;
    PaintButton(dc, layout_.StandardButtonRect(), picker_->GetStandardColorsText());
    PaintButton(dc, layout_.CustomButtonRect(), picker_->GetCustomColorsText());
}

void TColorPalettePopup::PaintButton(HDC dc, const TRect& bounds, const std::string& text) {
    if (bounds.Right <= bounds.Left) return;
    RECT rect = RectOf(bounds);
    DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH);
    const TSavedDcState saved(dc);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::wstring caption = Utf8ToWide(text);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TColorPalettePopup::Hover(TPoint point) {
    const TPaletteHit hit = layout_.HitTest(point);
    const int hot = hit.Kind == TPaletteHit::Cell ? hit.Index : -1;
    if (hot == hot_) return;
    hot_ = hot;
    if (wnd_) InvalidateRect(wnd_, nullptr, FALSE);
}

void TColorPalettePopup::Choose(TPoint point) {
    const TPaletteHit hit = layout_.HitTest(point);
    if (hit.Kind == TPaletteHit::None || !picker_) return;
    TColorPickerButton* picker = picker_;
    // The grid goes before the dialog comes, and the picker may be gone after its handlers ran.
    Close();
    picker->PaletteChosen(hit);
}
}  // namespace

void OpenColorPalette(TColorPickerButton& picker) {
    OpenPopup().reset();
    OpenPopup() = std::make_unique<TColorPalettePopup>(picker);
    OpenPopup()->Open();
}

HWND OpenColorPaletteWindow() { return OpenPopup() ? OpenPopup()->Wnd() : nullptr; }
