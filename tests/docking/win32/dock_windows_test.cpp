// The real windows of docks and dockable windows: floating ones are owned tool windows that
// never take the activation, docked ones are children of their dock, and the mouse drags them
// by the caption or grip between the two.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/config/cfg_storage.h"
#include "components/visual/dock97/dock97_install_win32.h"
#include "components/visual/dock97/h_tool_window97.h"
#include "components/visual/dock97/toolwindow_storage.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"

namespace {
// Every test of the program runs with real windows, so that none depends on the order of tests.
class Dock97Windowing : public ::testing::Environment {
public:
    void SetUp() override { InstallDock97Windowing(); }
};
const auto* const windowing = ::testing::AddGlobalTestEnvironment(new Dock97Windowing);

HWND WndOf(TWinControl& control) { return static_cast<HWND>(control.Handle()); }

RECT WorkArea() {
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

LPARAM ScreenParam(POINT p) { return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y)); }

LPARAM ClientParam(HWND wnd, POINT screen) {
    ScreenToClient(wnd, &screen);
    return ScreenParam(screen);
}
}  // namespace

class DockWindows : public ::testing::Test {
protected:
    DockWindows() {
        form.SetBounds(120, 100, 600, 420);
        form.SetCaption("Dock windows");
        top = new TDock97(&form);
        top->SetParent(&form);
        left = new TDock97(&form);
        left->SetPosition(dpLeft);
        left->SetParent(&form);
        form.Show();
        SetForegroundWindow(WndOf(form));
        SetActiveWindow(WndOf(form));
        window = new HToolWindow97(&form);
        window->SetCaption("Palette");
        window->SetTopDock(top);
        window->SetLeftDock(left);
        window->SetClientWidth(160);
        window->SetClientHeight(80);
        window->SetFloatingPosition({300, 300});
        ProcessMessages();
    }

    // Presses on the caption or grip at from, moves to to and releases there, as the mouse does.
    void DragWithMouse(POINT from, POINT to) {
        HWND wnd = WndOf(*window);
        const LRESULT hit = SendMessageW(wnd, WM_NCHITTEST, 0, ScreenParam(from));
        ASSERT_EQ(hit, HTCAPTION);
        SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, ScreenParam(from));
        const POINT middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
        SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, ClientParam(wnd, middle));
        SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, ClientParam(wnd, to));
        SendMessageW(wnd, WM_LBUTTONUP, 0, ClientParam(wnd, to));
        ProcessMessages();
    }

    POINT CaptionPoint() {
        RECT bounds;
        GetWindowRect(WndOf(*window), &bounds);
        return {bounds.left + 30, bounds.top + window->FrameInsets().Top / 2};
    }

    POINT GripPoint() {
        RECT bounds;
        GetWindowRect(WndOf(*window), &bounds);
        return {bounds.left + 4, bounds.top + 4};
    }

    POINT OnDock(TDock97& dock, int x, int y) {
        POINT p{x, y};
        ClientToScreen(WndOf(dock), &p);
        return p;
    }

    TForm form{nullptr};
    TDock97* top;
    TDock97* left;
    HToolWindow97* window;
};

TEST_F(DockWindows, AFloatingWindowIsAToolWindowOwnedByItsForm) {
    HWND wnd = WndOf(*window);
    const LONG_PTR exStyle = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_NOACTIVATE);
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_SYSMENU);
    EXPECT_EQ(GetWindow(wnd, GW_OWNER), WndOf(form));
    EXPECT_TRUE(IsWindowVisible(wnd));

    RECT client, bounds;
    GetClientRect(wnd, &client);
    GetWindowRect(wnd, &bounds);
    EXPECT_EQ(client.right, 160);
    EXPECT_EQ(client.bottom, 80);
    EXPECT_EQ(bounds.left, 300);
    EXPECT_EQ(bounds.top, 300);
}

TEST_F(DockWindows, AFloatingWindowNeverTakesTheActivation) {
    HWND wnd = WndOf(*window);
    ASSERT_EQ(GetActiveWindow(), WndOf(form));
    window->Hide();
    window->Show();
    ProcessMessages();
    EXPECT_EQ(GetActiveWindow(), WndOf(form));

    const LRESULT answer = SendMessageW(wnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(wnd),
                                        MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(answer, MA_NOACTIVATE);
    EXPECT_EQ(GetActiveWindow(), WndOf(form));
}

TEST_F(DockWindows, TheCloseButtonHidesTheWindowWithoutDestroyingIt) {
    HWND wnd = WndOf(*window);
    bool closed = false;
    window->OnClose = [&](TObject*) { closed = true; };
    SendMessageW(wnd, WM_CLOSE, 0, 0);
    ProcessMessages();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window->GetVisible());
    EXPECT_TRUE(IsWindow(wnd));
    EXPECT_FALSE(IsWindowVisible(wnd));
}

TEST_F(DockWindows, WithoutACloseButtonTheCaptionHasNone) {
    window->SetCloseButton(false);
    ProcessMessages();
    EXPECT_FALSE(GetWindowLongPtrW(WndOf(*window), GWL_STYLE) & WS_SYSMENU);
    EXPECT_TRUE(IsWindowVisible(WndOf(*window)));
}

TEST_F(DockWindows, ADockedWindowIsAChildOfItsDockWithItsClientSize) {
    window->SetDockedTo(top);
    ProcessMessages();
    HWND wnd = WndOf(*window);
    EXPECT_EQ(GetAncestor(wnd, GA_PARENT), WndOf(*top));
    EXPECT_FALSE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT client;
    GetClientRect(wnd, &client);
    EXPECT_EQ(client.right, 160);
    EXPECT_EQ(client.bottom, 80);
    RECT dock;
    GetClientRect(WndOf(*top), &dock);
    EXPECT_EQ(dock.bottom, window->GetHeight());
    EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, ScreenParam(GripPoint())), HTCAPTION);
}

TEST_F(DockWindows, DraggedByItsCaptionOntoADockTheWindowDocks) {
    DragWithMouse(CaptionPoint(), OnDock(*top, 200, 1));
    EXPECT_EQ(window->GetDockedTo(), top);
    EXPECT_EQ(GetAncestor(WndOf(*window), GA_PARENT), WndOf(*top));
    EXPECT_EQ(window->ClientWidth(), 160);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DockWindows, DraggedByItsGripOffTheDockTheWindowFloatsUnderTheMouse) {
    window->SetDockedTo(left);
    ProcessMessages();
    const POINT grip = GripPoint();
    const POINT drop{grip.x + 260, grip.y + 40};
    DragWithMouse(grip, drop);
    ASSERT_TRUE(window->Floating());
    HWND wnd = WndOf(*window);
    EXPECT_EQ(GetAncestor(wnd, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindow(wnd, GW_OWNER), WndOf(form));
    RECT bounds;
    GetWindowRect(wnd, &bounds);
    EXPECT_EQ(bounds.left, drop.x - 4);
    EXPECT_EQ(bounds.top, drop.y - 4);
    EXPECT_EQ(left->GetWidth(), 0);
    EXPECT_EQ(GetActiveWindow(), WndOf(form));
}

TEST_F(DockWindows, WhileDraggedAFloatingWindowFollowsTheMouse) {
    HWND wnd = WndOf(*window);
    const POINT grab = CaptionPoint();
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, ScreenParam(grab));
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, ClientParam(wnd, {grab.x + 35, grab.y + 45}));
    RECT bounds;
    GetWindowRect(wnd, &bounds);
    EXPECT_EQ(bounds.left, 335);
    EXPECT_EQ(bounds.top, 345);
    SendMessageW(wnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(window->Dragging());
    SendMessageW(wnd, WM_LBUTTONUP, 0, ClientParam(wnd, {grab.x + 100, grab.y + 100}));
    GetWindowRect(wnd, &bounds);
    EXPECT_EQ(bounds.left, 335);
}

TEST_F(DockWindows, APlacementOnAMonitorThatIsGoneComesBackOnScreen) {
    HConfigItem key;
    key.Write("Float", true);
    key.Write("X", 40000);
    key.Write("Y", -30000);
    key.Write("W", 200);
    key.Write("H", 100);
    LoadToolwindow(window, &key);
    ProcessMessages();

    const RECT area = WorkArea();
    RECT bounds;
    GetWindowRect(WndOf(*window), &bounds);
    EXPECT_GE(bounds.left, area.left);
    EXPECT_GE(bounds.top, area.top);
    EXPECT_LE(bounds.right, area.right);
    EXPECT_LE(bounds.bottom, area.bottom);
    EXPECT_EQ(window->ClientWidth(), 200);
    EXPECT_TRUE(IsWindowVisible(WndOf(*window)));
}

TEST_F(DockWindows, AStoredSizeBeyondTheScreenIsCutToTheWorkArea) {
    HConfigItem key;
    key.Write("X", 10);
    key.Write("Y", 10);
    key.Write("W", 90000);
    key.Write("H", 70000);
    LoadToolwindow(window, &key);
    ProcessMessages();

    const RECT area = WorkArea();
    RECT bounds;
    GetWindowRect(WndOf(*window), &bounds);
    EXPECT_LE(bounds.right - bounds.left, area.right - area.left);
    EXPECT_LE(bounds.bottom - bounds.top, area.bottom - area.top);
    EXPECT_GE(bounds.left, area.left);
    EXPECT_LE(bounds.right, area.right);
}

TEST_F(DockWindows, AStoredPlacementFollowsTheWindowThroughItsDrags) {
    HCfgStorage cfg(nullptr);
    window->GetStorage()->SetStorage(&cfg);
    window->GetStorage()->SetKeyPath("Palette");
    DragWithMouse(CaptionPoint(), OnDock(*left, 1, 50));
    ASSERT_EQ(window->GetDockedTo(), left);
    HConfigItem* key = cfg.SubKey("Palette");
    EXPECT_FALSE(key->Read("Float", true));
    EXPECT_EQ(key->Read("Dock", -1), 2);
    EXPECT_EQ(key->Read("W", -1), 160);
    window->GetStorage()->SetStorage(nullptr);
}

TEST_F(DockWindows, ADockTurnedToAnotherEdgeMovesTheGripOfItsWindows) {
    window->SetDockedTo(top);
    ProcessMessages();
    top->SetPosition(dpRight);
    ProcessMessages();
    HWND wnd = WndOf(*window);
    RECT bounds, client;
    GetWindowRect(wnd, &bounds);
    GetClientRect(wnd, &client);
    EXPECT_EQ(client.right, 160);
    EXPECT_EQ(client.bottom, 80);
    POINT origin{0, 0};
    ClientToScreen(wnd, &origin);
    EXPECT_EQ(origin.y - bounds.top, window->FrameInsets().Top);
    EXPECT_GT(window->FrameInsets().Top, window->FrameInsets().Left);
    EXPECT_EQ(GetAncestor(wnd, GA_PARENT), WndOf(*top));
}
