#include <algorithm>

#include "runtime/chars/char_window.h"
#include "runtime/chars/char_window_model.h"
#include "runtime/chars/text_extent.h"
#include "runtime/settings/runtime_settings.h"

TCharDisplay::TCharDisplay(HCfgStorage& cfg, TLabel& txtChar, TTimer& tmChar, TWinControl& mainForm)
    : cfg_(cfg), txtChar_(txtChar), tmChar_(tmChar), mainForm_(mainForm) {
    SetCharWindowModel(&txtChar_);
}

TCharDisplay::~TCharDisplay() {
    if (CharWindowModel() == &txtChar_) SetCharWindowModel(nullptr);
}

void TCharDisplay::ShowPressedChar(TControl* control) {
    tmChar_.SetEnabled(false);
    if (control && cfg_.Read(kDispChar, kDefaultDispChar) && !control->GetCaption().empty()) {
        ShowCaption(control->GetCaption());
        return;
    }
    if (HWND wnd = CharWindow()) ShowWindow(wnd, SW_HIDE);
}

void TCharDisplay::ShowCaption(const std::string& caption) {
    txtChar_.SetCaption(caption);
    txtChar_.GetFont()->SetName(cfg_.Read(kCharFont, std::string(kDefaultCharFont)));
    txtChar_.GetFont()->SetSize(cfg_.Read(kCharFontSz, kDefaultCharFontSz));
    FitLabelToCaption(txtChar_);
    // An interval of 0 or less would keep the window up for good.
    const int interval = cfg_.Read(kAutohideInterval, kDefaultAutohideInterval);
    tmChar_.SetInterval(static_cast<uint32_t>(interval > 0 ? interval : kDefaultAutohideInterval));
    tmChar_.SetEnabled(true);
    PlaceCharWindow();
}

void TCharDisplay::PlaceCharWindow() {
    HWND wnd = CharWindow();
    if (!wnd) return;
    RECT main;
    GetWindowRect(static_cast<HWND>(mainForm_.Handle()), &main);
    const int height = txtChar_.GetHeight();
    const int width = std::max(txtChar_.GetWidth(), height);
    SetWindowPos(wnd, nullptr, main.left, main.top - height, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    const bool shown = tmChar_.GetEnabled();
    ShowWindow(wnd, shown ? SW_SHOWNA : SW_HIDE);
    if (shown) InvalidateRect(wnd, nullptr, TRUE);
}

void TCharDisplay::tmCharTimer(TObject*) {
    tmChar_.SetEnabled(false);
    if (HWND wnd = CharWindow()) ShowWindow(wnd, SW_HIDE);
}
