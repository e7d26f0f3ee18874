#include "modal_robot.h"

#include "support/win32/wide_text.h"
#include "support/win32/window_peer.h"

namespace {
constexpr UINT kTickMs = 30;
constexpr int kGiveUpTicks = 20;
TModalRobot* gActiveRobot = nullptr;

struct TFindArgs {
    std::wstring Caption;
    HWND Found = nullptr;
};

BOOL CALLBACK FindShownForm(HWND wnd, LPARAM lParam) {
    auto* args = reinterpret_cast<TFindArgs*>(lParam);
    wchar_t text[256] = {};
    GetWindowTextW(wnd, text, 256);
    if (!IsWindowVisible(wnd) || !IsWindowEnabled(wnd) || args->Caption != text) return TRUE;
    args->Found = wnd;
    return FALSE;
}
}  // namespace

TModalRobot::TModalRobot(std::string caption) : caption_(std::move(caption)) {
    gActiveRobot = this;
    timer_ = SetTimer(nullptr, 0, kTickMs, OnTimer);
}

TModalRobot::~TModalRobot() {
    KillTimer(nullptr, timer_);
    if (gActiveRobot == this) gActiveRobot = nullptr;
}

TModalRobot& TModalRobot::Then(TStep step) {
    steps_.push_back(std::move(step));
    return *this;
}

TModalRobot& TModalRobot::PressKey(UINT virtualKey) {
    return Then([virtualKey](TModalForm&, HWND wnd) {
        HWND target = GetFocus();
        if (!target || (target != wnd && !IsChild(wnd, target))) target = wnd;
        PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
        PostMessageW(target, WM_KEYUP, virtualKey, 0xC0000001);
    });
}

void CALLBACK TModalRobot::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (gActiveRobot) gActiveRobot->Tick();
}

HWND TModalRobot::FindForm() const {
    TFindArgs args{Utf8ToWide(caption_)};
    EnumThreadWindows(GetCurrentThreadId(), FindShownForm, reinterpret_cast<LPARAM>(&args));
    return args.Found;
}

void TModalRobot::Tick() {
    const HWND wnd = FindForm();
    TWin32WindowPeer* peer = wnd ? TWin32WindowPeer::FromHandle(wnd) : nullptr;
    auto* form = peer ? dynamic_cast<TModalForm*>(&peer->Control()) : nullptr;
    if (!form || !form->IsModal()) return;
    sawForm_ = true;
    if (next_ < steps_.size()) {
        steps_[next_++](*form, wnd);
        return;
    }
    if (++idleTicks_ >= kGiveUpTicks) form->SetModalResult(kRobotGaveUp);
}

void ClickAt(HWND wnd, int x, int y) {
    PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
