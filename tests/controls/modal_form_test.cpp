#include "controls_fixture.h"
#include "support/controls/button.h"
#include "support/controls/check_box.h"
#include "support/framework/exceptions.h"

namespace {
class ModalFormTest : public ControlsFixture {
protected:
    ModalFormTest() {
        ShowForm();
        dialog = new TModalForm(&form);
        dialog->SetCaption("Modal");
        dialog->SetClientWidth(300);
        dialog->SetClientHeight(120);
        box = new TCheckBox(dialog);
        box->SetParent(dialog);
        box->SetBounds(10, 10, 200, 17);
        ok = AddButton("OK", 40, mrOk);
        ok->SetDefault(true);
        cancel = AddButton("Cancel", 130, mrCancel);
        cancel->SetCancel(true);
    }
    ~ModalFormTest() override { delete dialog; }
    TButton* AddButton(const char* caption, int left, int result) {
        auto* button = new TButton(dialog);
        button->SetParent(dialog);
        button->SetBounds(left, 80, 75, 25);
        button->SetCaption(caption);
        button->SetModalResult(result);
        return button;
    }

    TModalForm* dialog;
    TCheckBox* box;
    TButton* ok;
    TButton* cancel;
};

TEST_F(ModalFormTest, EnterEndsWithTheDefaultButtonsResult) {
    TModalRobot robot("Modal");
    robot.PressKey(VK_RETURN);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(robot.SawForm());
    EXPECT_FALSE(dialog->GetVisible());
}

TEST_F(ModalFormTest, EscEndsWithTheCancelButtonsResult) {
    TModalRobot robot("Modal");
    robot.PressKey(VK_ESCAPE);
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(ModalFormTest, EnterOnAFocusedButtonPressesThatButton) {
    TModalRobot robot("Modal");
    robot.Then([this](TModalForm&, HWND) { SetFocus(WndOf(*cancel)); }).PressKey(VK_RETURN);
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(ModalFormTest, ClickedButtonEndsWithItsResult) {
    TModalRobot robot("Modal");
    robot.Then([this](TModalForm&, HWND) { SendMessageW(WndOf(*ok), BM_CLICK, 0, 0); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
}

TEST_F(ModalFormTest, CloseBoxEndsWithCancel) {
    TModalRobot robot("Modal");
    robot.Then([](TModalForm&, HWND wnd) { PostMessageW(wnd, WM_CLOSE, 0, 0); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(ModalFormTest, OwnerIsDisabledOnlyWhileModal) {
    bool ownerEnabled = true;
    TModalRobot robot("Modal");
    robot.Then([&](TModalForm& shown, HWND) {
        ownerEnabled = IsWindowEnabled(WndOf(form)) != FALSE;
        shown.SetModalResult(mrOk);
    });
    dialog->ShowModal();
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(WndOf(form)));
}

TEST_F(ModalFormTest, DialogFrameAboveOtherWindowsCentredAndOwned) {
    LONG_PTR style = 0, exStyle = 0;
    HWND owner = nullptr;
    RECT client{}, window{};
    TModalRobot robot("Modal");
    robot.Then([&](TModalForm& shown, HWND wnd) {
        style = GetWindowLongPtrW(wnd, GWL_STYLE);
        exStyle = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
        owner = GetWindow(wnd, GW_OWNER);
        GetClientRect(wnd, &client);
        GetWindowRect(wnd, &window);
        shown.SetModalResult(mrOk);
    });
    dialog->ShowModal();
    const LONG_PTR dialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(style & dialogStyle, dialogStyle);
    EXPECT_EQ(exStyle & (WS_EX_DLGMODALFRAME | WS_EX_TOPMOST), WS_EX_DLGMODALFRAME | WS_EX_TOPMOST);
    EXPECT_EQ(owner, WndOf(form));
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 120);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

TEST_F(ModalFormTest, TabMovesTheFocusInTabOrder) {
    HWND focusAfterTab = nullptr;
    TModalRobot robot("Modal");
    robot.Then([&](TModalForm&, HWND) { SetFocus(WndOf(*box)); })
        .PressKey(VK_TAB)
        .Then([&](TModalForm& shown, HWND) {
            focusAfterTab = GetFocus();
            shown.SetModalResult(mrOk);
        });
    dialog->ShowModal();
    EXPECT_EQ(focusAfterTab, WndOf(*ok));
}

TEST_F(ModalFormTest, ShowingAShownFormModallyRaises) {
    TModalRobot robot("Modal");
    robot.Then([](TModalForm& shown, HWND) {
        EXPECT_THROW(shown.ShowModal(), EInvalidOperation);
        shown.SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
}
}  // namespace
