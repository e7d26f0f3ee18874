#include "window_peer.h"

#include <windowsx.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "input_events.h"
#include "module_instance.h"
#include "pending_exception.h"
#include "wide_text.h"
#include "win32_error.h"
#include "window_message_hook.h"

namespace {
// The peers of the windows that controls own, sorted by window: a handful in the keyboard, a few
// hundred in the designer, looked up for every message.
class TPeerTable {
    using Entry = std::pair<HWND, TWin32WindowPeer*>;
    std::vector<Entry> entries_;

    template <class Entries>
    static auto Position(Entries& entries, HWND wnd) {
        return std::lower_bound(entries.begin(), entries.end(), wnd,
                                [](const Entry& entry, HWND key) { return std::less<HWND>()(entry.first, key); });
    }

public:
    TWin32WindowPeer* Find(HWND wnd) const {
        const auto at = Position(entries_, wnd);
        return at != entries_.end() && at->first == wnd ? at->second : nullptr;
    }
    void Set(HWND wnd, TWin32WindowPeer* peer) {
        const auto at = Position(entries_, wnd);
        if (at != entries_.end() && at->first == wnd)
            at->second = peer;
        else
            entries_.insert(at, {wnd, peer});
    }
    void Remove(HWND wnd) {
        const auto at = Position(entries_, wnd);
        if (at != entries_.end() && at->first == wnd) entries_.erase(at);
    }
};

TPeerTable& Peers() {
    static TPeerTable peers;
    return peers;
}

RECT RectOf(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
}  // namespace

TWin32WindowPeer::~TWin32WindowPeer() {
    if (!wnd_) return;
    const HWND wnd = wnd_;
    // The control may be half destroyed already: no handler of ours sees the window's last messages.
    if (classProc_) SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc_));
    NotifyWindowDestroying(control_, wnd);  // hooks know the control by its address only
    Detach();
    DestroyWindow(wnd);
}

void TWin32WindowPeer::CreateHandle() {
    TCreateParams params;
    CreateParams(params);
    const HWND wnd = CreateWindowExW(params.ExStyle, params.ClassName.c_str(), params.Caption.c_str(), params.Style,
                                     params.X, params.Y, params.Width, params.Height, params.Parent, nullptr,
                                     ModuleInstance(), this);
    if (!wnd) {
        RaisePendingWindowException();
        RaiseLastWin32Error("Cannot create the window of " + Describe());
    }
    if (!wnd_) {
        // A window of a system class: its messages pass through our procedure first.
        Attach(wnd);
        classProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWin32WindowPeer::WindowProc)));
    }
    Refresh();
    RaisePendingWindowException();
}

void TWin32WindowPeer::CreateParams(TCreateParams& params) {
    params.Caption = Utf8ToWide(control_.GetText());
    params.X = control_.GetLeft();
    params.Y = control_.GetTop();
    params.Width = std::max(0, control_.GetWidth());
    params.Height = std::max(0, control_.GetHeight());
    if (IsTopLevel()) {
        params.Style = WS_OVERLAPPEDWINDOW;
    } else {
        params.Style = WS_CHILD | WS_CLIPSIBLINGS;
        params.Parent = static_cast<HWND>(control_.Parent()->Handle());
    }
    if (control_.GetVisible()) params.Style |= WS_VISIBLE;
    if (!control_.GetEnabled()) params.Style |= WS_DISABLED;
}

void TWin32WindowPeer::BoundsChanged() {
    if (!wnd_) return;
    SetWindowPos(wnd_, nullptr, control_.GetLeft(), control_.GetTop(), std::max(0, control_.GetWidth()),
                 std::max(0, control_.GetHeight()), SWP_NOZORDER | SWP_NOACTIVATE);
    RaisePendingWindowException();
}

void TWin32WindowPeer::VisibleChanged() { ShowWindow(control_.GetVisible()); }

void TWin32WindowPeer::EnabledChanged() {
    if (!wnd_) return;
    EnableWindow(wnd_, control_.GetEnabled());
    RaisePendingWindowException();
}

void TWin32WindowPeer::TextChanged() {
    if (!wnd_) return;
    SetWindowTextW(wnd_, Utf8ToWide(control_.GetText()).c_str());
    RaisePendingWindowException();
}

void TWin32WindowPeer::Invalidate(const TRect* area) {
    if (!wnd_) return;
    if (area) {
        const RECT rect = RectOf(*area);
        InvalidateRect(wnd_, &rect, TRUE);
        return;
    }
    Refresh();
    InvalidateRect(wnd_, nullptr, TRUE);
}

void TWin32WindowPeer::ShowWindow(bool show) {
    if (!wnd_) return;
    // Showing a child window must not take the activation from its form.
    ::ShowWindow(wnd_, !show ? SW_HIDE : IsTopLevel() ? SW_SHOW : SW_SHOWNA);
    RaisePendingWindowException();
}

void TWin32WindowPeer::ChildAdded(TControl& child) {
    auto* windowed = dynamic_cast<TWinControl*>(&child);
    if (!windowed) return;
    windowed->HandleNeeded();
    if (auto* peer = dynamic_cast<TWin32WindowPeer*>(windowed->Peer())) peer->StackingChanged();
}

// Windows stack their first window on top; the child order puts its last control on top. The
// window goes just below the window of the next windowed sibling in child order.
void TWin32WindowPeer::StackingChanged() {
    TWinControl* parent = control_.Parent();
    if (!wnd_ || !parent) return;
    HWND above = HWND_TOP;
    bool passed = false;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling == &control_) {
            passed = true;
            continue;
        }
        auto* windowed = passed ? dynamic_cast<TWinControl*>(sibling) : nullptr;
        if (windowed && windowed->HandleAllocated()) {
            above = static_cast<HWND>(windowed->Peer()->Handle());
            break;
        }
    }
    SetWindowPos(wnd_, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TWin32WindowPeer::SetMouseCapture(bool capture) {
    if (!wnd_) return;
    if (capture)
        SetCapture(wnd_);
    else if (GetCapture() == wnd_)
        ReleaseCapture();
}

void TWin32WindowPeer::SetFocus() {
    if (wnd_) ::SetFocus(wnd_);
}

bool TWin32WindowPeer::Focused() const { return wnd_ && GetFocus() == wnd_; }

bool TWin32WindowPeer::DispatchInput(UINT message, WPARAM wParam, LPARAM lParam, std::optional<TInputEvent>& own) {
    TInputEvent input;
    if (!ToInputEvent(message, wParam, lParam, input)) return false;
    input.Target = &control_;
    if (input.Kind == TInputKind::Wheel) {
        POINT point{input.Point.X, input.Point.Y};
        ScreenToClient(wnd_, &point);
        input.Point = {point.x, point.y};
    }
    if (input.IsMouse() && input.Kind != TInputKind::MouseLeave && input.Kind != TInputKind::CaptureLost) {
        TControl* under = control_.ControlAtPos(input.Point, TControlAtPosOptions{true});
        if (under && !dynamic_cast<TWinControl*>(under)) input.Target = under;
    }
    if (TWinControl* container = TWinControl::InterceptingContainer(control_)) {
        TInputEvent seen = input;
        if (container != &control_ && input.IsMouse()) {
            POINT point{input.Point.X, input.Point.Y};
            MapWindowPoints(wnd_, static_cast<HWND>(container->Handle()), &point, 1);
            seen.Point = {point.x, point.y};
        }
        if (container->DesignInterceptor()->DesignInput(*container, seen)) return true;
    }
    if (!input.IsMouse()) return false;
    if (input.Kind == TInputKind::Wheel) return control_.MouseWheel(input.Shift, input.WheelDelta, input.Point);
    const bool taken = control_.ControlCount() > 0 && control_.RouteChildMouse(input);
    if (control_.HoveredChild()) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, wnd_, 0};
        TrackMouseEvent(&track);
    }
    if (!taken) own = input;
    return taken;
}

// The window's own control hears the mouse input no child took.
void TWin32WindowPeer::OwnMouse(const TInputEvent& input) {
    switch (input.Kind) {
        case TInputKind::MouseDown: control_.MouseDown(input.Button, input.Shift, input.Point); break;
        case TInputKind::DoubleClick:
            control_.DblClick();
            control_.MouseDown(input.Button, input.Shift | ssDouble, input.Point);
            break;
        case TInputKind::MouseMove: control_.MouseMove(input.Shift, input.Point); break;
        case TInputKind::MouseUp: control_.MouseUp(input.Button, input.Shift, input.Point); break;
        case TInputKind::MouseLeave: control_.MouseLeave(); break;
        default: break;
    }
}

namespace {
LPCWSTR SystemCursorOf(TCursor cursor) {
    switch (cursor) {
        case crSizeNESW: return reinterpret_cast<LPCWSTR>(IDC_SIZENESW);
        case crSizeNS: return reinterpret_cast<LPCWSTR>(IDC_SIZENS);
        case crSizeNWSE: return reinterpret_cast<LPCWSTR>(IDC_SIZENWSE);
        case crSizeWE: return reinterpret_cast<LPCWSTR>(IDC_SIZEWE);
        case crSizeAll: return reinterpret_cast<LPCWSTR>(IDC_SIZEALL);
        case crHandPoint: return reinterpret_cast<LPCWSTR>(IDC_HAND);
        case crIBeam: return reinterpret_cast<LPCWSTR>(IDC_IBEAM);
        default: return reinterpret_cast<LPCWSTR>(IDC_ARROW);
    }
}
}  // namespace

// A designer decides the pointer over what it designs.
bool TWin32WindowPeer::ShowDesignCursor() {
    TWinControl* container = TWinControl::InterceptingContainer(control_);
    if (!container) return false;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(static_cast<HWND>(container->Handle()), &point);
    const TCursor cursor = container->DesignInterceptor()->DesignCursor(*container, {point.x, point.y});
    if (cursor == crDefault) return false;
    ::SetCursor(LoadCursorW(nullptr, SystemCursorOf(cursor)));
    return true;
}

TPoint TWin32WindowPeer::ClientOrigin() const {
    POINT origin{0, 0};
    if (wnd_) ClientToScreen(wnd_, &origin);
    return {origin.x, origin.y};
}

TWin32WindowPeer* TWin32WindowPeer::FromHandle(HWND wnd) {
    return Peers().Find(wnd);
}

LRESULT TWin32WindowPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = DefaultWndProc(message, wParam, lParam);
            control_.FocusChanged(message == WM_SETFOCUS);
            return result;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == wnd_ && ShowDesignCursor()) return TRUE;
            return DefaultWndProc(message, wParam, lParam);
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == wnd_ &&
                control_.ContextPopup({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
                return 0;
            return DefaultWndProc(message, wParam, lParam);
        case WM_COMMAND:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return ReflectToChild(message, wParam, lParam);
        case WM_WINDOWPOSCHANGED: {
            const LRESULT result = DefaultWndProc(message, wParam, lParam);
            const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
            if ((position->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) FollowWindowBounds();
            return result;
        }
        default:
            return DefaultWndProc(message, wParam, lParam);
    }
}

LRESULT TWin32WindowPeer::DefaultWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (classProc_) return CallWindowProcW(classProc_, wnd_, message, wParam, lParam);
    return DefWindowProcW(wnd_, message, wParam, lParam);
}

// Children tell their parent about themselves; the child's own peer answers.
LRESULT TWin32WindowPeer::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam) {
    TWin32WindowPeer* child = FromHandle(reinterpret_cast<HWND>(lParam));
    if (child && message == WM_COMMAND) {
        child->Notified(HIWORD(wParam));
        return 0;
    }
    if (child)
        if (HBRUSH brush = child->ControlColor(reinterpret_cast<HDC>(wParam))) return reinterpret_cast<LRESULT>(brush);
    return DefaultWndProc(message, wParam, lParam);
}

void TWin32WindowPeer::ApplyFont() {
    const TFont& font = *control_.GetFont();
    if (!wnd_ || (font_ && font_->MadeFrom(font))) return;
    auto made = std::make_unique<TFontHandle>(font);
    SendMessageW(wnd_, WM_SETFONT, reinterpret_cast<WPARAM>(made->Get()), TRUE);
    font_ = std::move(made);  // the window has let go of the previous font
}

LRESULT CALLBACK TWin32WindowPeer::WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (auto* creating = static_cast<TWin32WindowPeer*>(create->lpCreateParams)) creating->Attach(wnd);
    }
    TWin32WindowPeer* peer = FromHandle(wnd);
    if (!peer) return DefWindowProcW(wnd, message, wParam, lParam);
    LRESULT result = 0;
    try {
        if (message == WM_DESTROY) NotifyWindowDestroying(peer->Control(), wnd);
        std::optional<TInputEvent> own;
        if (!RunWindowMessageHooks(peer->Control(), wnd, message, wParam, lParam, result) &&
            !peer->DispatchInput(message, wParam, lParam, own)) {
            result = peer->WndProc(message, wParam, lParam);
            // After the window's own handling, so that a click that frees the control comes last.
            if (own && FromHandle(wnd) == peer) peer->OwnMouse(*own);
        }
    } catch (...) {
        KeepWindowProcException();
    }
    // A handler may have destroyed the peer: look it up again.
    if (message == WM_NCDESTROY)
        if (TWin32WindowPeer* destroyed = FromHandle(wnd)) destroyed->Detach();
    return result;
}

void TWin32WindowPeer::Attach(HWND wnd) {
    wnd_ = wnd;
    Peers().Set(wnd, this);
}

void TWin32WindowPeer::Detach() {
    Peers().Remove(wnd_);
    wnd_ = nullptr;
}

std::string TWin32WindowPeer::Describe() const {
    const std::string& name = control_.GetName();
    return name.empty() ? control_.ClassName() : control_.ClassName() + " '" + name + "'";
}

void TWin32WindowPeer::FollowWindowBounds() {
    if (IsIconic(wnd_)) return;
    RECT bounds;
    GetWindowRect(wnd_, &bounds);
    if (!IsTopLevel()) MapWindowPoints(HWND_DESKTOP, GetParent(wnd_), reinterpret_cast<POINT*>(&bounds), 2);
    control_.SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}
