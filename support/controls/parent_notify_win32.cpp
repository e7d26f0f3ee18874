#include "parent_notify_win32.h"

TParentNotifyHook::TParentNotifyHook(const TWin32WindowPeer& peer, THandler handler)
    : peer_(peer), handler_(std::move(handler)), parent_(peer.Control().Parent()) {
    if (parent_) AddWindowMessageHook(*parent_, *this);
}

TParentNotifyHook::~TParentNotifyHook() {
    if (parent_) RemoveWindowMessageHook(*parent_, *this);
}

bool TParentNotifyHook::HandleMessage(HWND, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    HWND from = nullptr;
    if (message == WM_NOTIFY)
        from = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    else if (message == WM_DRAWITEM)
        from = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    return from && from == peer_.Wnd() && handler_(message, lParam, result);
}
