#include <string>
#include <vector>

#include "form_fixture.h"
#include "support/win32/win32_error.h"

namespace {

using WindowHandles = FormFixture;

TEST_F(WindowHandles, HandleNeededMakesTheWindowsOfTheWholeTree) {
    edit->HandleNeeded();

    ASSERT_TRUE(form.HandleAllocated());
    ASSERT_TRUE(box->HandleAllocated());
    EXPECT_TRUE(IsWindow(WndOf(form)));
    EXPECT_TRUE(IsWindow(WndOf(*box)));
    EXPECT_TRUE(IsWindow(WndOf(*edit)));
}

TEST_F(WindowHandles, ChildWindowsFollowTheControlHierarchy) {
    form.HandleNeeded();

    EXPECT_EQ(GetParent(WndOf(*box)), WndOf(form));
    EXPECT_EQ(GetParent(WndOf(*edit)), WndOf(*box));
    EXPECT_EQ(GetAncestor(WndOf(form), GA_PARENT), GetDesktopWindow());
}

TEST_F(WindowHandles, ContainersAreChildWindowsThatClipTheirChildren) {
    form.HandleNeeded();

    EXPECT_TRUE(HasStyle(WndOf(*box), WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    EXPECT_FALSE(HasStyle(WndOf(form), WS_CHILD));
    EXPECT_TRUE(HasStyle(WndOf(form), WS_OVERLAPPEDWINDOW));
}

TEST_F(WindowHandles, AControlAddedLaterGetsItsWindowAtOnce) {
    form.HandleNeeded();
    auto* second = new TEdit(&form);
    second->SetParent(box);

    ASSERT_TRUE(second->HandleAllocated());
    EXPECT_EQ(GetParent(WndOf(*second)), WndOf(*box));
}

TEST_F(WindowHandles, TheControlsClientOriginIsTheWindowsOnTheScreen) {
    ShowForm();
    POINT origin{0, 0};
    ClientToScreen(WndOf(*edit), &origin);

    const TPoint controlOrigin = edit->ClientOrigin();
    EXPECT_EQ(controlOrigin.X, origin.x);
    EXPECT_EQ(controlOrigin.Y, origin.y);
}

using WindowBounds = FormFixture;

TEST_F(WindowBounds, WindowsAreMadeWithTheControlsBounds) {
    form.HandleNeeded();

    const RECT formBounds = BoundsOf(WndOf(form));
    EXPECT_EQ(formBounds.left, 100);
    EXPECT_EQ(formBounds.top, 80);
    EXPECT_EQ(formBounds.right, 520);
    EXPECT_EQ(formBounds.bottom, 400);
    const RECT boxBounds = BoundsOf(WndOf(*box));
    EXPECT_EQ(boxBounds.left, 10);
    EXPECT_EQ(boxBounds.top, 20);
    EXPECT_EQ(boxBounds.right, 310);
    EXPECT_EQ(boxBounds.bottom, 220);
    const RECT editBounds = BoundsOf(WndOf(*edit));
    EXPECT_EQ(editBounds.left, 5);
    EXPECT_EQ(editBounds.top, 6);
    EXPECT_EQ(editBounds.right, 105);
    EXPECT_EQ(editBounds.bottom, 27);
}

TEST_F(WindowBounds, SetBoundsMovesTheWindow) {
    form.HandleNeeded();
    edit->SetBounds(40, 50, 90, 30);

    const RECT bounds = BoundsOf(WndOf(*edit));
    EXPECT_EQ(bounds.left, 40);
    EXPECT_EQ(bounds.top, 50);
    EXPECT_EQ(bounds.right - bounds.left, 90);
    EXPECT_EQ(bounds.bottom - bounds.top, 30);
}

TEST_F(WindowBounds, TheControlFollowsAWindowMovedFromOutside) {
    form.HandleNeeded();
    SetWindowPos(WndOf(*edit), nullptr, 33, 44, 70, 25, SWP_NOZORDER | SWP_NOACTIVATE);

    EXPECT_EQ(edit->GetLeft(), 33);
    EXPECT_EQ(edit->GetTop(), 44);
    EXPECT_EQ(edit->GetWidth(), 70);
    EXPECT_EQ(edit->GetHeight(), 25);
}

TEST_F(WindowBounds, ABorderlessContainersClientAreaIsItsWholeSize) {
    box->SetBorderStyle(bsNone);
    form.HandleNeeded();
    RECT client;
    GetClientRect(WndOf(*box), &client);

    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
}

TEST_F(WindowBounds, AScrollBoxWithABorderHasASunkenEdge) {
    form.HandleNeeded();
    RECT client;
    GetClientRect(WndOf(*box), &client);

    EXPECT_TRUE(GetWindowLongPtrW(WndOf(*box), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_LT(client.right, 300);
    EXPECT_LT(client.bottom, 200);
}

TEST_F(WindowBounds, ChangingTheBorderStyleChangesTheFrame) {
    form.HandleNeeded();
    box->SetBorderStyle(bsNone);

    EXPECT_FALSE(GetWindowLongPtrW(WndOf(*box), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

using WindowVisibility = FormFixture;

TEST_F(WindowVisibility, HiddenControlsHaveHiddenWindows) {
    edit->Hide();
    form.HandleNeeded();

    EXPECT_FALSE(HasStyle(WndOf(*edit), WS_VISIBLE));
    EXPECT_TRUE(HasStyle(WndOf(*box), WS_VISIBLE));
}

TEST_F(WindowVisibility, VisibleShowsAndHidesTheWindow) {
    ShowForm();
    edit->Hide();
    EXPECT_FALSE(HasStyle(WndOf(*edit), WS_VISIBLE));
    edit->Show();
    EXPECT_TRUE(IsWindowVisible(WndOf(*edit)));
}

TEST_F(WindowVisibility, ShowWindowCommandLeavesVisibleAsItIs) {
    ShowForm();

    edit->ShowWindowCommand(false);
    EXPECT_FALSE(HasStyle(WndOf(*edit), WS_VISIBLE));
    EXPECT_TRUE(edit->GetVisible());

    edit->ShowWindowCommand(true);
    EXPECT_TRUE(IsWindowVisible(WndOf(*edit)));
    EXPECT_TRUE(edit->GetVisible());
}

TEST_F(WindowVisibility, EnabledFollowsTheControl) {
    form.HandleNeeded();
    box->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(WndOf(*box)));
    box->SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(WndOf(*box)));
}

TEST_F(WindowVisibility, ADisabledControlGetsADisabledWindow) {
    edit->SetEnabled(false);
    form.HandleNeeded();

    EXPECT_FALSE(IsWindowEnabled(WndOf(*edit)));
}

using WindowDestruction = FormFixture;

TEST_F(WindowDestruction, DestroyingAControlDestroysItsWindowAndItsChildren) {
    form.HandleNeeded();
    const HWND boxWnd = WndOf(*box);
    const HWND editWnd = WndOf(*edit);

    delete box;

    EXPECT_FALSE(IsWindow(boxWnd));
    EXPECT_FALSE(IsWindow(editWnd));
    EXPECT_TRUE(IsWindow(WndOf(form)));
}

TEST_F(WindowDestruction, DestroyHandleDestroysTheWindowsButKeepsTheControls) {
    form.HandleNeeded();
    const HWND formWnd = WndOf(form);
    const HWND editWnd = WndOf(*edit);

    form.DestroyHandle();

    EXPECT_FALSE(IsWindow(formWnd));
    EXPECT_FALSE(IsWindow(editWnd));
    EXPECT_FALSE(edit->HandleAllocated());
    form.HandleNeeded();
    EXPECT_TRUE(IsWindow(WndOf(*edit)));
}

TEST_F(WindowDestruction, RemovingAControlFromItsParentDestroysItsWindow) {
    form.HandleNeeded();
    const HWND editWnd = WndOf(*edit);

    edit->SetParent(nullptr);

    EXPECT_FALSE(IsWindow(editWnd));
    EXPECT_FALSE(edit->HandleAllocated());
}

TEST_F(WindowDestruction, AWindowTheSystemRefusesRaisesTheSystemsReason) {
    form.HandleNeeded();
    // Destroyed behind the control's back, the form can no longer parent a new window.
    DestroyWindow(WndOf(form));
    auto* late = new TEdit(&form);
    late->SetName("LateEdit");

    try {
        late->SetParent(box);
        FAIL() << "no exception";
    } catch (const EWin32Error& e) {
        EXPECT_NE(e.ErrorCode, 0u);
        EXPECT_NE(e.Message.find("TEdit 'LateEdit'"), std::string::npos) << e.Message;
        EXPECT_NE(e.Message.find(SystemErrorMessage(e.ErrorCode)), std::string::npos) << e.Message;
    }
}

}  // namespace

namespace {
// The windows of a container's children, topmost first.
std::vector<HWND> StackedWindows(HWND parent) {
    std::vector<HWND> windows;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) windows.push_back(child);
    return windows;
}

TEST_F(WindowHandles, WindowsStackAsTheChildOrderAndFollowItsChanges) {
    auto* second = new TEdit(&form);
    second->SetParent(box);
    auto* third = new TEdit(&form);
    third->SetParent(box);
    form.HandleNeeded();
    EXPECT_EQ(StackedWindows(WndOf(*box)), (std::vector<HWND>{WndOf(*third), WndOf(*second), WndOf(*edit)}));
    edit->BringToFront();
    EXPECT_EQ(StackedWindows(WndOf(*box)), (std::vector<HWND>{WndOf(*edit), WndOf(*third), WndOf(*second)}));
    third->SendToBack();
    EXPECT_EQ(StackedWindows(WndOf(*box)), (std::vector<HWND>{WndOf(*edit), WndOf(*second), WndOf(*third)}));
}
}  // namespace
