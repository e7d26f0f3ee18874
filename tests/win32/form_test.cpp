#include "form_fixture.h"

namespace {

std::wstring WindowText(HWND wnd) {
    wchar_t text[256] = {};
    GetWindowTextW(wnd, text, 256);
    return text;
}

using Form = FormFixture;

TEST_F(Form, StartsHidden) {
    form.HandleNeeded();

    EXPECT_FALSE(form.GetVisible());
    EXPECT_FALSE(IsWindowVisible(WndOf(form)));
}

TEST_F(Form, ShowPutsItOnTheScreen) {
    form.Show();

    ASSERT_TRUE(form.HandleAllocated());
    ASSERT_TRUE(edit->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(WndOf(form)));
    EXPECT_TRUE(IsWindowVisible(WndOf(*edit)));
}

TEST_F(Form, TheCaptionIsTheWindowTitle) {
    form.HandleNeeded();
    EXPECT_EQ(WindowText(WndOf(form)), L"Fixture");

    form.SetCaption("Tastatur \xE2\x80\x93 \xC3\xBC");
    EXPECT_EQ(WindowText(WndOf(form)), L"Tastatur \u2013 \u00fc");
}

TEST_F(Form, ClientSizeIsTheWindowsClientArea) {
    form.HandleNeeded();
    RECT client;
    GetClientRect(WndOf(form), &client);

    EXPECT_EQ(form.ClientWidth(), client.right);
    EXPECT_EQ(form.ClientHeight(), client.bottom);
    EXPECT_LT(form.ClientWidth(), form.GetWidth());
    EXPECT_LT(form.ClientHeight(), form.GetHeight());
}

TEST_F(Form, SettingTheClientSizeSizesTheWindowAroundIt) {
    form.HandleNeeded();
    form.SetClientWidth(500);
    form.SetClientHeight(333);
    RECT client;
    GetClientRect(WndOf(form), &client);

    EXPECT_EQ(client.right, 500);
    EXPECT_EQ(client.bottom, 333);
}

TEST_F(Form, TheClientSizeIsKnownBeforeTheWindowExists) {
    form.SetClientWidth(350);
    form.SetClientHeight(250);
    form.HandleNeeded();
    RECT client;
    GetClientRect(WndOf(form), &client);

    EXPECT_EQ(client.right, 350);
    EXPECT_EQ(client.bottom, 250);
}

TEST_F(Form, AlignedChildrenFillTheClientArea) {
    form.HandleNeeded();
    box->SetAlign(alClient);
    RECT client;
    GetClientRect(WndOf(form), &client);
    const RECT bounds = BoundsOf(WndOf(*box));

    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right, client.right);
    EXPECT_EQ(bounds.bottom, client.bottom);
}

TEST_F(Form, ClosingHidesTheForm) {
    ShowForm();
    SendMessageW(WndOf(form), WM_CLOSE, 0, 0);

    EXPECT_FALSE(form.GetVisible());
    EXPECT_TRUE(IsWindow(WndOf(form)));
    EXPECT_FALSE(IsWindowVisible(WndOf(form)));
}

TEST_F(Form, IsPublishedWithItsClientSizeInsteadOfItsOuterSize) {
    const TPropInfo* width = TForm::StaticClass().FindProperty("Width");
    ASSERT_NE(width, nullptr);
    EXPECT_FALSE(IsStoredProp(form, *width));
    EXPECT_NE(TForm::StaticClass().FindProperty("ClientWidth"), nullptr);
    EXPECT_NE(TForm::StaticClass().FindProperty("Caption"), nullptr);
}

TEST(MessageLoop, ProcessMessagesLeavesTheQuitMessageForTheMainLoop) {
    PostQuitMessage(7);
    ProcessMessages();

    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
