#include "form_fixture.h"

namespace {

SCROLLINFO ScrollInfo(HWND wnd, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(wnd, bar, &info);
    return info;
}

// The label reaches far below the box, so the box scrolls vertically.
class ScrollBoxWindow : public FormFixture {
protected:
    ScrollBoxWindow() {
        label->SetTop(400);
        box->UpdateAutoRange();
    }
};

TEST_F(ScrollBoxWindow, ShowsAVerticalBarWhenTheChildrenReachBelow) {
    ShowForm();

    const SCROLLINFO info = ScrollInfo(WndOf(*box), SB_VERT);
    EXPECT_EQ(info.nMax, box->GetVertScrollBar()->GetRange() - 1);
    EXPECT_EQ(static_cast<int>(info.nPage), box->ClientHeight());
    EXPECT_TRUE(HasStyle(WndOf(*box), WS_VSCROLL));
    EXPECT_FALSE(HasStyle(WndOf(*box), WS_HSCROLL));
}

TEST_F(ScrollBoxWindow, ShowsNoBarWhenTheChildrenFit) {
    label->SetTop(20);
    box->UpdateAutoRange();
    ShowForm();

    EXPECT_FALSE(HasStyle(WndOf(*box), WS_VSCROLL));
}

TEST_F(ScrollBoxWindow, TheBarScrollsTheChildren) {
    ShowForm();
    SendMessageW(WndOf(*box), WM_VSCROLL, SB_LINEDOWN, 0);

    const int increment = box->GetVertScrollBar()->GetIncrement();
    EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), increment);
    EXPECT_EQ(label->GetTop(), 400 - increment);
    EXPECT_EQ(BoundsOf(WndOf(*edit)).top, 6 - increment);
    EXPECT_EQ(ScrollInfo(WndOf(*box), SB_VERT).nPos, increment);
}

TEST_F(ScrollBoxWindow, ScrollingToTheBottomStopsAtTheLastPosition) {
    ShowForm();
    SendMessageW(WndOf(*box), WM_VSCROLL, SB_BOTTOM, 0);

    EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), box->GetVertScrollBar()->MaxPosition());
    EXPECT_EQ(ScrollInfo(WndOf(*box), SB_VERT).nPos, box->GetVertScrollBar()->MaxPosition());
}

TEST_F(ScrollBoxWindow, APositionSetInCodeMovesTheBar) {
    ShowForm();
    box->GetVertScrollBar()->SetPosition(20);

    EXPECT_EQ(ScrollInfo(WndOf(*box), SB_VERT).nPos, 20);
}

}  // namespace
