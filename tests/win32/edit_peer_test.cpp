#include <string>

#include "form_fixture.h"
#include "rendering.h"
#include "support/framework/exceptions.h"

namespace {

std::wstring WindowText(HWND wnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(wnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(wnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

LOGFONTW FontOf(HWND wnd) {
    LOGFONTW description{};
    const auto font = reinterpret_cast<HFONT>(SendMessageW(wnd, WM_GETFONT, 0, 0));
    EXPECT_NE(font, nullptr);
    if (font) GetObjectW(font, sizeof description, &description);
    return description;
}

class EditWindow : public FormFixture {
protected:
    EditWindow() {
        edit->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, edit);
            ++changes;
        };
    }
    int changes = 0;
};

TEST_F(EditWindow, IsASystemEditControl) {
    form.HandleNeeded();
    wchar_t className[32] = {};
    GetClassNameW(WndOf(*edit), className, 32);

    EXPECT_EQ(_wcsicmp(className, L"Edit"), 0) << className;
    EXPECT_TRUE(HasStyle(WndOf(*edit), WS_CHILD | ES_AUTOHSCROLL));
}

// The edit control takes WS_BORDER out of its style and draws the border itself, inside the text margins.
TEST_F(EditWindow, ASingleBorderInsetsTheText) {
    auto* borderless = new TEdit(&form);
    borderless->SetParent(box);
    borderless->SetBorderStyle(bsNone);
    form.HandleNeeded();
    RECT withBorder, without;
    SendMessageW(WndOf(*edit), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&withBorder));
    SendMessageW(WndOf(*borderless), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&without));

    EXPECT_GT(withBorder.left, without.left);
    EXPECT_GT(withBorder.top, without.top);
}

TEST_F(EditWindow, StartsWithTheControlsText) {
    edit->SetText("before");
    form.HandleNeeded();

    EXPECT_EQ(WindowText(WndOf(*edit)), L"before");
}

TEST_F(EditWindow, SetTextChangesTheWindowTextAndRunsOnChangeOnce) {
    form.HandleNeeded();
    edit->SetText("Grüße");

    EXPECT_EQ(WindowText(WndOf(*edit)), L"Gr\u00fc\u00dfe");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(edit->GetModified());
}

TEST_F(EditWindow, TextSetInTheWindowReachesTheControl) {
    form.HandleNeeded();
    SendMessageW(WndOf(*edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed \u00e9"));

    EXPECT_EQ(edit->GetText(), "typed \xC3\xA9");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(edit->GetModified());
}

TEST_F(EditWindow, TypedCharactersReachTheControl) {
    edit->SetText("ab");
    form.HandleNeeded();
    SendMessageW(WndOf(*edit), EM_SETSEL, 2, 2);
    SendMessageW(WndOf(*edit), WM_CHAR, L'c', 1);

    EXPECT_EQ(edit->GetText(), "abc");
}

TEST_F(EditWindow, AnExceptionInOnChangeComesOutOfTheMessageLoop) {
    ShowForm();
    edit->OnChange = [](TObject*) { throw EInvalidOperation("rejected"); };
    PostMessageW(WndOf(*edit), WM_CHAR, L'x', 1);

    EXPECT_THROW(ProcessMessages(), EInvalidOperation);
    EXPECT_NO_THROW(ProcessMessages());
}

TEST_F(EditWindow, FocusRunsOnEnterAndOnExit) {
    int entered = 0, left = 0;
    edit->OnEnter = [&entered](TObject*) { ++entered; };
    edit->OnExit = [&left](TObject*) { ++left; };
    ShowForm();

    SetFocus(WndOf(*edit));
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 0);
    SetFocus(WndOf(form));
    EXPECT_EQ(left, 1);
}

TEST_F(EditWindow, FocusSelectsTheWholeTextWithAutoSelect) {
    edit->SetText("select me");
    ShowForm();
    SendMessageW(WndOf(*edit), EM_SETSEL, 0, 0);

    SetFocus(WndOf(*edit));

    DWORD start = 1, end = 0;
    SendMessageW(WndOf(*edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 9u);
}

TEST_F(EditWindow, AnExceptionInAHandlerComesOutOfTheCallThatCausedIt) {
    ShowForm();
    SetFocus(WndOf(*edit));
    edit->OnExit = [](TObject*) { throw EInvalidOperation("stay here"); };

    EXPECT_THROW(edit->Hide(), EInvalidOperation);
    EXPECT_NO_THROW(ProcessMessages());
}

TEST_F(EditWindow, PropertiesBecomeWindowStyles) {
    edit->SetBorderStyle(bsNone);
    edit->SetPasswordChar('#');
    edit->SetReadOnly(true);
    edit->SetCharCase(ecUpperCase);
    form.HandleNeeded();
    const HWND wnd = WndOf(*edit);

    EXPECT_TRUE(HasStyle(wnd, ES_PASSWORD | ES_READONLY | ES_UPPERCASE));
    EXPECT_EQ(SendMessageW(wnd, EM_GETPASSWORDCHAR, 0, 0), L'#');
}

TEST_F(EditWindow, ChangingAStyleMakesTheWindowAgainWithTheText) {
    edit->SetText("kept");
    form.HandleNeeded();

    edit->SetCharCase(ecLowerCase);

    EXPECT_TRUE(HasStyle(WndOf(*edit), ES_LOWERCASE));
    EXPECT_EQ(WindowText(WndOf(*edit)), L"kept");
    EXPECT_EQ(GetParent(WndOf(*edit)), WndOf(*box));
}

TEST_F(EditWindow, MaxLengthLimitsTyping) {
    edit->SetMaxLength(3);
    form.HandleNeeded();

    EXPECT_EQ(SendMessageW(WndOf(*edit), EM_GETLIMITTEXT, 0, 0), 3);
    SendMessageW(WndOf(*edit), WM_CHAR, L'a', 1);
    SendMessageW(WndOf(*edit), WM_CHAR, L'b', 1);
    SendMessageW(WndOf(*edit), WM_CHAR, L'c', 1);
    SendMessageW(WndOf(*edit), WM_CHAR, L'd', 1);
    EXPECT_EQ(edit->GetText(), "abc");
}

TEST_F(EditWindow, UsesTheControlsFont) {
    edit->GetFont()->SetName("Tahoma");
    edit->GetFont()->SetHeight(-17);
    edit->GetFont()->SetStyle({fsBold, fsItalic});
    form.HandleNeeded();

    const LOGFONTW font = FontOf(WndOf(*edit));
    EXPECT_EQ(font.lfHeight, -17);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_TRUE(font.lfItalic);
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
}

TEST_F(EditWindow, AFontChangeReachesTheWindow) {
    form.HandleNeeded();
    edit->GetFont()->SetHeight(-23);

    EXPECT_EQ(FontOf(WndOf(*edit)).lfHeight, -23);
}

TEST_F(EditWindow, IsDrawnInTheControlsColours) {
    edit->SetColor(clYellow);
    edit->GetFont()->SetColor(clRed);
    edit->GetFont()->SetHeight(-16);
    edit->SetText("MMMM");
    ShowForm();
    UpdateWindow(WndOf(*edit));
    const TRendering rendering = TRendering::OnScreen(WndOf(*edit));

    const RECT all{0, 0, 100, 21};
    EXPECT_GT(rendering.Count(all, [](COLORREF c) { return c == RGB(255, 255, 0); }), 500);
    EXPECT_GT(rendering.Count(all, [](COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 80; }), 20);
}

TEST_F(EditWindow, TheParentsFontReachesTheWindow) {
    form.HandleNeeded();
    box->GetFont()->SetHeight(-19);

    EXPECT_EQ(FontOf(WndOf(*edit)).lfHeight, -19);
}

}  // namespace

namespace {
TEST_F(EditWindow, AClickInTheFieldRunsOnClick) {
    int clicks = 0;
    edit->OnClick = [&clicks](TObject*) { ++clicks; };
    ShowForm();
    const HWND wnd = WndOf(*edit);
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(clicks, 1);
}
}  // namespace
