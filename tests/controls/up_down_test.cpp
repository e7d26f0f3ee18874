#include <windows.h>

#include <commctrl.h>

#include "controls_fixture.h"
#include "support/controls/up_down.h"
#include "support/framework/std_controls.h"

namespace {
class UpDownTest : public ControlsFixture {
protected:
    UpDownTest() {
        edit = new TEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 80, 21);
        upDown = new TUpDown(&form);
        upDown->SetParent(&form);
        upDown->SetMin(300);
        upDown->SetMax(5000);
        upDown->SetIncrement(100);
        upDown->SetAssociate(edit);
        upDown->SetPosition(1000);
        ShowForm();
    }
    void Type(const wchar_t* text) { SetWindowTextW(WndOf(*edit), text); }

    TEdit* edit;
    TUpDown* upDown;
};

TEST_F(UpDownTest, PositionIsClampedToTheRange) {
    upDown->SetPosition(100);
    EXPECT_EQ(upDown->GetPosition(), 300);
    EXPECT_EQ(edit->GetText(), "300");
    upDown->SetPosition(99999);
    EXPECT_EQ(upDown->GetPosition(), 5000);
}

TEST_F(UpDownTest, TypedTextIsReadBackClamped) {
    Type(L"1200");
    EXPECT_EQ(upDown->GetPosition(), 1200);
    Type(L"70000");
    EXPECT_EQ(upDown->GetPosition(), 5000);
    Type(L"12");
    EXPECT_EQ(upDown->GetPosition(), 300);
}

TEST_F(UpDownTest, TextThatIsNoNumberGivesTheLastPositionSet) {
    Type(L"abc");
    EXPECT_EQ(upDown->GetPosition(), 1000);
}

TEST_F(UpDownTest, ArrowKeyInTheEditStepsByTheIncrement) {
    Type(L"1200");
    SendMessageW(WndOf(*edit), WM_KEYDOWN, VK_UP, 1);
    SendMessageW(WndOf(*edit), WM_KEYUP, VK_UP, 0xC0000001);
    EXPECT_EQ(upDown->GetPosition(), 1300);
    EXPECT_EQ(edit->GetText(), "1300");
}

TEST_F(UpDownTest, WindowHasTheRangeAndTheBuddy) {
    const HWND wnd = WndOf(*upDown);
    EXPECT_EQ(SendMessageW(wnd, UDM_GETRANGE, 0, 0), MAKELONG(5000, 300));
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(wnd, UDM_GETBUDDY, 0, 0)), WndOf(*edit));
    const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
    EXPECT_EQ(style & (UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS), UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS);
}

TEST(UpDownText, NumbersSaturateToSixteenBits) {
    int value = 0;
    ASSERT_TRUE(ParseUpDownText(" 42 ", value));
    EXPECT_EQ(value, 42);
    ASSERT_TRUE(ParseUpDownText("99999999999999999999", value));
    EXPECT_EQ(value, 32767);
    ASSERT_TRUE(ParseUpDownText("-99999", value));
    EXPECT_EQ(value, -32768);
}

TEST(UpDownText, TextThatIsNoIntegerIsRefused) {
    int value = 7;
    EXPECT_FALSE(ParseUpDownText("", value));
    EXPECT_FALSE(ParseUpDownText("-", value));
    EXPECT_FALSE(ParseUpDownText("4x", value));
    EXPECT_FALSE(ParseUpDownText("1 000", value));
    EXPECT_EQ(value, 7);
}

TEST(UpDownRange, LimitsAreSixteenBit) {
    TUpDown upDown(nullptr);
    upDown.SetMax(100000);
    upDown.SetMin(-100000);
    EXPECT_EQ(upDown.GetMax(), 32767);
    EXPECT_EQ(upDown.GetMin(), -32768);
}
}  // namespace
