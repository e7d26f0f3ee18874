#include <windows.h>

#include <gtest/gtest.h>

#include "components/surface/design_panel.h"
#include "support/framework/std_controls.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"
#include "support/win32/window_system.h"

namespace {
HWND WndOf(TWinControl& control) { return static_cast<HWND>(control.Handle()); }

SIZE ClientSizeOf(HWND wnd) {
    RECT client;
    GetClientRect(wnd, &client);
    return {client.right, client.bottom};
}

// A shown form with a 200 × 100 panel holding an edit and a label.
class PanelWindow : public ::testing::Test {
protected:
    PanelWindow() {
        InstallWin32WindowSystem();
        form.SetBounds(50, 50, 400, 300);
        panel = new HDesignPanel(&form);
        panel->SetParent(&form);
        panel->SetBounds(20, 20, 200, 100);
        edit = new TEdit(&form);
        edit->SetParent(panel);
        edit->SetBounds(10, 10, 80, 21);
        edit->SetText("kept");
        label = new TLabel(&form);
        label->SetParent(panel);
        label->SetBounds(10, 50, 80, 20);
        form.Show();
        ProcessMessages();
    }

    LRESULT HitAt(int x, int y) {
        return SendMessageW(WndOf(*panel), WM_NCHITTEST, 0, MAKELPARAM(x, y));
    }

    TForm form{nullptr};
    HDesignPanel* panel;
    TEdit* edit;
    TLabel* label;
};

// A 4-pixel sizing frame; the points lie on its edges and corners in screen coordinates.
class FrameResize : public PanelWindow {
protected:
    FrameResize() {
        panel->SetBorderStyle(HBOX_Box);
        GetWindowRect(WndOf(*panel), &bounds);
        midX = (bounds.left + bounds.right) / 2;
        midY = (bounds.top + bounds.bottom) / 2;
    }
    RECT bounds{};
    int midX = 0, midY = 0;
};
}  // namespace

TEST_F(PanelWindow, TheWindowsClientAreaLeavesRoomForEachFrameStyle) {
    for (int type = HBOX_Raise; type <= HBOX_EdgeDown; ++type) {
        panel->SetBorderStyle(static_cast<HBOX_Types>(type));
        const int frame = TC_BoxWidth(static_cast<HBOX_Types>(type));
        const SIZE client = ClientSizeOf(WndOf(*panel));
        EXPECT_EQ(client.cx, 200 - 2 * frame) << type;
        EXPECT_EQ(client.cy, 100 - 2 * frame) << type;
        EXPECT_EQ(panel->ClientWidth(), client.cx) << type;
    }
}

TEST_F(PanelWindow, ABorderPanelHasAOnePixelFrame) {
    panel->SetBorderStyle(HBOX_Border);
    const SIZE client = ClientSizeOf(WndOf(*panel));
    EXPECT_EQ(client.cx, 198);
    EXPECT_EQ(client.cy, 98);
}

TEST_F(PanelWindow, ANonePanelIsAllClientArea) {
    panel->SetBorderStyle(HBOX_None);
    const SIZE client = ClientSizeOf(WndOf(*panel));
    EXPECT_EQ(client.cx, 200);
    EXPECT_EQ(client.cy, 100);
}

TEST_F(PanelWindow, ChangingTheFrameMakesANewWindowAndTheChildrenMoveOver) {
    const HWND before = WndOf(*panel);
    panel->SetBorderStyle(HBOX_HeavyBox);
    const HWND after = WndOf(*panel);
    EXPECT_FALSE(IsWindow(before) && before == after);
    EXPECT_EQ(panel->ControlCount(), 2);
    EXPECT_EQ(GetParent(WndOf(*edit)), after);
    EXPECT_EQ(GetParent(after), WndOf(form));
    EXPECT_TRUE(IsWindowVisible(WndOf(*edit)));
    wchar_t text[16] = {};
    GetWindowTextW(WndOf(*edit), text, 16);
    EXPECT_STREQ(text, L"kept");
    EXPECT_EQ(label->Parent(), panel);
    EXPECT_EQ(ClientSizeOf(after).cx, 190);
}

TEST_F(PanelWindow, TheSameFrameStyleKeepsTheWindow) {
    const HWND before = WndOf(*panel);
    panel->SetBorderStyle(HBOX_Lower);
    EXPECT_EQ(WndOf(*panel), before);
}

TEST_F(PanelWindow, AnUnchangedGridValueAsksForNoRepaint) {
    ValidateRect(WndOf(*panel), nullptr);
    panel->GetGrid()->SetWidth(10);
    panel->GetGrid()->SetBkColor(clBtnFace);
    panel->SetColor(clBtnFace);
    EXPECT_FALSE(GetUpdateRect(WndOf(*panel), nullptr, FALSE));
    panel->GetGrid()->SetWidth(8);
    EXPECT_TRUE(GetUpdateRect(WndOf(*panel), nullptr, FALSE));
}

TEST_F(PanelWindow, ForceGridAndBackgroundModeRepaintOnlyWhenChanged) {
    ValidateRect(WndOf(*panel), nullptr);
    panel->SetForceGrid(false);
    panel->SetBkMode(HBT_Tile);
    EXPECT_FALSE(GetUpdateRect(WndOf(*panel), nullptr, FALSE));
    panel->SetBkMode(HBT_Center);
    EXPECT_TRUE(GetUpdateRect(WndOf(*panel), nullptr, FALSE));
}

TEST_F(PanelWindow, TheBackgroundIsNotErased) {
    const HDC dc = GetDC(WndOf(*panel));
    EXPECT_EQ(SendMessageW(WndOf(*panel), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    ReleaseDC(WndOf(*panel), dc);
}

TEST_F(FrameResize, OnlyTheAllowedEdgesAndCornersResize) {
    panel->SetAllowFrameResize({akRight, akBottom});
    EXPECT_EQ(HitAt(bounds.right - 2, midY), HTRIGHT);
    EXPECT_EQ(HitAt(midX, bounds.bottom - 2), HTBOTTOM);
    EXPECT_EQ(HitAt(bounds.right - 1, bounds.bottom - 1), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(bounds.left + 1, midY), HTCLIENT);
    EXPECT_EQ(HitAt(midX, bounds.top + 1), HTCLIENT);
    EXPECT_EQ(HitAt(bounds.left + 1, bounds.top + 1), HTCLIENT);
    EXPECT_EQ(HitAt(bounds.right - 1, bounds.top + 1), HTCLIENT);
    EXPECT_EQ(HitAt(bounds.left + 1, bounds.bottom - 1), HTCLIENT);
}

TEST_F(FrameResize, NoEdgeResizesByDefault) {
    EXPECT_EQ(HitAt(bounds.right - 2, midY), HTCLIENT);
    EXPECT_EQ(HitAt(bounds.left + 1, midY), HTCLIENT);
    EXPECT_EQ(HitAt(bounds.right - 1, bounds.bottom - 1), HTCLIENT);
}

TEST_F(FrameResize, EveryEdgeResizesWhenAllSidesAreAllowed) {
    panel->SetAllowFrameResize({akLeft, akTop, akRight, akBottom});
    EXPECT_EQ(HitAt(bounds.left + 1, midY), HTLEFT);
    EXPECT_EQ(HitAt(midX, bounds.top + 1), HTTOP);
    EXPECT_EQ(HitAt(bounds.left + 1, bounds.top + 1), HTTOPLEFT);
    EXPECT_EQ(HitAt(bounds.right - 1, bounds.top + 1), HTTOPRIGHT);
    EXPECT_EQ(HitAt(bounds.left + 1, bounds.bottom - 1), HTBOTTOMLEFT);
}

TEST_F(FrameResize, ACornerNeedsBothItsSides) {
    panel->SetAllowFrameResize({akRight});
    EXPECT_EQ(HitAt(bounds.right - 2, midY), HTRIGHT);
    EXPECT_EQ(HitAt(bounds.right - 1, bounds.bottom - 1), HTCLIENT);
}

TEST_F(FrameResize, TheInsideIsClientArea) { EXPECT_EQ(HitAt(midX, midY), HTCLIENT); }
