#include "click_timing.h"

#include <stdexcept>

#include "clock.h"
#include "keys/osk_messages.h"
#include "message_pump.h"
#include "statistics.h"

namespace {
// The hook runs on this thread while it pumps; these are its only inputs and output.
int expectedKey = 0;
double keyDownSeenMs = -1;

LRESULT CALLBACK KeyboardHook(int code, WPARAM message, LPARAM data) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) &&
        static_cast<int>(key->vkCode) == expectedKey && keyDownSeenMs < 0)
        keyDownSeenMs = NowMs();
    return CallNextHookEx(nullptr, code, message, data);
}

BOOL CALLBACK LargerChild(HWND child, LPARAM best) {
    auto& found = *reinterpret_cast<HWND*>(best);
    RECT a, b;
    GetWindowRect(child, &a);
    if (IsWindowVisible(child) &&
        (!found || (a.right - a.left) * (a.bottom - a.top) >
                       (GetWindowRect(found, &b), (b.right - b.left) * (b.bottom - b.top))))
        found = child;
    return TRUE;
}

// The keys' coordinates are those of the design panel's client area: the keyboard's largest child.
POINT PanelClientOrigin(HWND keyboard) {
    HWND panel = nullptr;
    EnumChildWindows(keyboard, LargerChild, reinterpret_cast<LPARAM>(&panel));
    if (!panel) throw std::runtime_error("the keyboard window has no design panel window");
    POINT origin{0, 0};
    ClientToScreen(panel, &origin);
    return origin;
}

void InjectMouse(POINT screen, DWORD button) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    if (SendInput(1, &input, sizeof input) != 1) throw std::runtime_error("SendInput failed");
}

class THook {
public:
    THook() : hook_(SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleW(nullptr), 0)) {
        if (!hook_) throw std::runtime_error("cannot install the low-level keyboard hook");
    }
    ~THook() { UnhookWindowsHookEx(hook_); }

private:
    HHOOK hook_;
};

// Milliseconds from trigger() to the key-down of keyCode, or -1 when none came.
template <typename Trigger>
double TimeToKeyDown(int keyCode, Trigger trigger) {
    expectedKey = keyCode;
    keyDownSeenMs = -1;
    const double start = NowMs();
    trigger();
    if (!PumpMessagesUntil([] { return keyDownSeenMs >= 0; }, 2000)) return -1;
    return keyDownSeenMs - start;
}

double ClickOnce(POINT screen, int keyCode) {
    InjectMouse(screen, MOUSEEVENTF_LEFTDOWN);
    PumpMessagesFor(30);
    return TimeToKeyDown(keyCode, [screen] { InjectMouse(screen, MOUSEEVENTF_LEFTUP); });
}

void Add(TClickFigures& figures, double ms) {
    if (ms < 0)
        ++figures.missed;
    else
        figures.runsMs.push_back(ms);
}

void Summarise(TClickFigures& figures) {
    if (figures.runsMs.empty()) throw std::runtime_error("no keystroke reached the hook");
    figures.medianMs = Median(figures.runsMs);
}
}  // namespace

TClickFigures MeasureClicks(HWND keyboard, const std::vector<TCharacterKeySpot>& keys, int clicks) {
    if (keys.size() < 2) throw std::runtime_error("the layout has fewer than two letter keys");
    const POINT origin = PanelClientOrigin(keyboard);
    THook hook;
    TClickFigures figures;
    for (int i = 0; i < clicks; ++i) {
        // Neighbouring clicks go to different keys, so that no two make a double click.
        const TCharacterKeySpot& key = keys[i % keys.size()];
        Add(figures, ClickOnce({origin.x + key.centre.x, origin.y + key.centre.y}, key.keyCode));
        PumpMessagesFor(100);
    }
    Summarise(figures);
    return figures;
}

TClickFigures MeasureOwnWindowClicks(POINT spot, double (*lastButtonUpMs)(), int clicks) {
    TClickFigures figures;
    for (int i = 0; i < clicks; ++i) {
        InjectMouse(spot, MOUSEEVENTF_LEFTDOWN);
        PumpMessagesFor(30);
        const double before = lastButtonUpMs();
        const double up = NowMs();
        InjectMouse(spot, MOUSEEVENTF_LEFTUP);
        const bool arrived = PumpMessagesUntil([&] { return lastButtonUpMs() != before; }, 2000);
        Add(figures, arrived ? lastButtonUpMs() - up : -1);
        // Slower than a double click, as every click lands on the same spot.
        PumpMessagesFor(GetDoubleClickTime() + 50);
    }
    Summarise(figures);
    return figures;
}

TClickFigures MeasureSendKeyMessages(HWND keyboard, int keyCode, int messages) {
    THook hook;
    TClickFigures figures;
    for (int i = 0; i < messages; ++i) {
        Add(figures, TimeToKeyDown(keyCode, [=] { PostMessageW(keyboard, WM_OSK_SENDKEY, keyCode, 0); }));
        PumpMessagesFor(100);
    }
    Summarise(figures);
    return figures;
}
