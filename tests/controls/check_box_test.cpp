#include "controls_fixture.h"
#include "support/controls/check_box.h"

namespace {
class CheckBoxTest : public ControlsFixture {
protected:
    CheckBoxTest() {
        box = new TCheckBox(&form);
        box->SetParent(&form);
        box->SetBounds(10, 10, 200, 17);
        box->SetCaption("Option");
        box->OnClick = [this](TObject*) { ++clicks; };
        ShowForm();
    }
    LRESULT WindowState() { return SendMessageW(WndOf(*box), BM_GETCHECK, 0, 0); }

    TCheckBox* box;
    int clicks = 0;
};

TEST_F(CheckBoxTest, CheckedSetByTheProgramShowsInTheWindow) {
    box->SetChecked(true);
    EXPECT_EQ(WindowState(), BST_CHECKED);
    box->SetChecked(false);
    EXPECT_EQ(WindowState(), BST_UNCHECKED);
    EXPECT_EQ(clicks, 2);
}

TEST_F(CheckBoxTest, ClicksInTheWindowToggleCheckedBothWays) {
    SendMessageW(WndOf(*box), BM_CLICK, 0, 0);
    EXPECT_TRUE(box->GetChecked());
    SendMessageW(WndOf(*box), BM_CLICK, 0, 0);
    EXPECT_FALSE(box->GetChecked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(CheckBoxTest, WindowShowsCaptionAndIsATabStop) {
    wchar_t text[32] = {};
    GetWindowTextW(WndOf(*box), text, 32);
    EXPECT_STREQ(text, L"Option");
    EXPECT_TRUE(GetWindowLongPtrW(WndOf(*box), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(CheckBoxTest, SettingTheSameStateRunsNoClick) {
    box->SetChecked(false);
    EXPECT_EQ(clicks, 0);
}
}  // namespace
