// Test mode and design mode, and the messages keys send to their host window.
#include "designer_fixture.h"

#include <windows.h>

#include "components/config/storage_link.h"
#include "components/surface/design_panel.h"
#include "designer/engine/designer.h"
#include "designer/engine/designer_panel.h"
#include "keys/osk_custom_key.h"
#include "keys/osk_messages.h"
#include "components/visual/palette/bottons_tab.h"
#include "support/controls/bevel.h"
#include "support/controls/tab_set.h"

namespace {
LRESULT Send(TMainForm& form, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(form.Window(), message, wParam, lParam);
}

// Chooses a tab of the mode tab set as a click does: the change may be refused.
void ChooseModeTab(TMainForm& form, int tab) { form.pgState->SetTabIndex(tab); }

TEST_F(DesignerTest, TheDesignTabShowsTheInspectorAndGivesTheEngineTheKeyboard) {
    Start({WriteFile("a.osk", KeysLayout({"A1", "A2"}))});
    ChooseModeTab(*form, 1);
    Pump();
    EXPECT_TRUE(form->IsDesignMode());
    EXPECT_EQ(form->pgState->GetTabIndex(), 1);
    EXPECT_TRUE(form->tbInspector->GetVisible());
    EXPECT_TRUE(form->DesignPanel->Focused()) << "the design shortcuts act without a click first";
    EXPECT_EQ(form->DesignPlace->Parent(), static_cast<TWinControl*>(form->DesignPanel));
    ChooseModeTab(*form, 0);
    EXPECT_FALSE(form->IsDesignMode());
    EXPECT_FALSE(form->tbInspector->GetVisible());
    EXPECT_EQ(form->DesignPlace->Parent(), static_cast<TWinControl*>(form->DesPanel));
    EXPECT_TRUE(form->DesignPlace->GetVisible());
    EXPECT_EQ(SurfaceNames(), (std::vector<std::string>{"A1", "A2"}));
}

TEST_F(DesignerTest, WithoutAFormTheModeStaysTest) {
    Start();
    form->CloseForm(0, false);
    form->Design1Click(nullptr);
    ChooseModeTab(*form, 1);
    EXPECT_FALSE(form->IsDesignMode());
    EXPECT_EQ(form->pgState->GetTabIndex(), 0);
}

TEST_F(DesignerTest, OpeningAndSwitchingPassThroughTestModeAndComeBack) {
    Start({WriteFile("a.osk", KeysLayout({"A1"}))});
    form->Design1Click(nullptr);
    form->OpenFormFile(WriteFile("b.osk", KeysLayout({"B1"})));
    EXPECT_TRUE(form->IsDesignMode()) << "opening a file returns to design mode";
    form->NewForm();
    EXPECT_FALSE(form->IsDesignMode()) << "a new form has no keys to design";
    form->SwitchToForm(0);
    EXPECT_FALSE(form->IsDesignMode());
}

TEST_F(DesignerTest, APaletteButtonInsertsOneKeyOfItsClassAndTheNextClickSelects) {
    Start({WriteFile("a.osk", KeysLayout({"A1"}))});
    form->Design1Click(nullptr);
    form->buttons->SetButtonIndex(2);
    const HWND surface = static_cast<HWND>(form->DesignPlace->Handle());
    auto click = [&](int x, int y) {
        SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Pump();
    };
    click(200, 50);
    ASSERT_EQ(form->DesignPlace->ControlCount(), 2);
    TControl* inserted = form->DesignPlace->Controls(1);
    EXPECT_EQ(inserted->ClassName(), "OSKKey");
    EXPECT_EQ(dynamic_cast<OSKCustomKey*>(inserted)->GetHostWindow(), form->Window());
    EXPECT_EQ(form->buttons->GetButtonIndex(), -1);
    EXPECT_TRUE(form->CurrentForm()->Modified);
    click(250, 80);
    EXPECT_EQ(form->DesignPlace->ControlCount(), 2) << "the next click selects";
}

TEST_F(DesignerTest, SettingQueriesAreAnsweredSafely) {
    Start();
    static const char kName[] = "LRDiff";
    EXPECT_EQ(Send(*form, WM_OSK_GETSETTING, 0, 1), 0) << "a null name";
    EXPECT_EQ(Send(*form, WM_OSK_GETSETTING, reinterpret_cast<WPARAM>(kName), 7), 7) << "no stored value: the default";
    form->Settings()->Write("LRDiff", false);
    EXPECT_EQ(Send(*form, WM_OSK_GETSETTING, reinterpret_cast<WPARAM>(kName), 1), 0);
    void* reserved = VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_NOACCESS);
    EXPECT_EQ(Send(*form, WM_OSK_GETSETTING, reinterpret_cast<WPARAM>(reserved), 1), 0) << "unreadable memory";
    VirtualFree(reserved, 0, MEM_RELEASE);
    EXPECT_EQ(Send(*form, kDiscardedMessage, 1, 1), 0);
}
}  // namespace
