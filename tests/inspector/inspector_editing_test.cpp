// Values edited in place, from the value list and through dialogs, as the user does it: each
// commit reaches every shown key and the designer once; a refused value is shown in a message
// box and changes nothing.
#include "inspector_fixture.h"

#include "support/design/editor_dialogs.h"

namespace {
class InspectorEditing : public InspectorFixture {
protected:
    ~InspectorEditing() override { EditorDialogs() = saved_; }

private:
    TEditorDialogs saved_ = EditorDialogs();
};

TEST_F(InspectorEditing, ATypedValueCommittedWithEnterReachesEveryShownKeyAndTheDesignerOnce) {
    first->SetCount(1);
    second->SetCount(2);
    int refreshes = 0;
    designer.OnModified = [&] {
        ++refreshes;
        inspector->UpdateValues();  // what the designer's change handler does
    };
    inspector->SetControls({first, second});
    Activate("Count");
    EXPECT_EQ(ValueOf("Count"), "(blank)") << "different values show no value";
    Type(L"7");
    EXPECT_EQ(first->GetCount(), 1) << "nothing is applied before the commit";
    Press(VK_RETURN);
    EXPECT_EQ(first->GetCount(), 7);
    EXPECT_EQ(second->GetCount(), 7);
    EXPECT_EQ(designer.Modifications, 1);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(ValueOf("Count"), "7");
    Press(VK_RETURN);
    EXPECT_EQ(designer.Modifications, 1) << "Enter without typing changes nothing";
}

TEST_F(InspectorEditing, LeavingTheRowCommitsAndEscRevertsWhatWasTyped) {
    inspector->SetControls({first});
    Activate("Count");
    Type(L"12");
    Press(VK_ESCAPE);
    EXPECT_EQ(first->GetCount(), 0);
    EXPECT_EQ(WindowText(EditWnd()), "0");
    Type(L"13");
    Press(VK_DOWN);
    EXPECT_EQ(first->GetCount(), 13);
    EXPECT_EQ(inspector->GetActiveProperty(), "Font");
    EXPECT_EQ(designer.Modifications, 1);
}

TEST_F(InspectorEditing, ATypedValueThatIsNoValueIsShownAndKeepsTheOldValueOnEveryKey) {
    first->SetCount(5);
    second->SetCount(5);
    second->MaxCount = 10;
    inspector->SetControls({first, second});
    Activate("Count");
    Type(L"abc");
    EXPECT_NE(ErrorShownBy([&] { Press(VK_RETURN); }).find("abc"), std::string::npos);
    Type(L"50");
    EXPECT_NE(ErrorShownBy([&] { Press(VK_RETURN); }).find("above 10"), std::string::npos);
    EXPECT_EQ(first->GetCount(), 5) << "the key that took the value got its old one back";
    EXPECT_EQ(second->GetCount(), 5);
    EXPECT_EQ(WindowText(EditWnd()), "5");
    EXPECT_EQ(designer.Modifications, 0);
}

TEST_F(InspectorEditing, ReferencesAndNamesThatDoNotFitAreRefused) {
    inspector->SetControls({first});
    Activate("Buddy");
    Type(L"NoSuchKey");
    EXPECT_NE(ErrorShownBy([&] { Press(VK_RETURN); }).find("NoSuchKey"), std::string::npos);
    EXPECT_EQ(first->GetBuddy(), nullptr);
    Type(L"Second");
    Press(VK_RETURN);
    EXPECT_EQ(first->GetBuddy(), second);
    Activate("Name");
    Type(L"Second");
    EXPECT_NE(ErrorShownBy([&] { Press(VK_RETURN); }), "(no message box)");
    EXPECT_EQ(first->GetName(), "First");
    EXPECT_EQ(designer.Modifications, 1);
}

TEST_F(InspectorEditing, AValueListOpensWithF4AndTheChosenValueIsApplied) {
    inspector->SetControls({first, second});
    Activate("Side");
    Press(VK_F4);
    TInspectorList& list = Grid().ValueList();
    ASSERT_TRUE(list.GetVisible());
    EXPECT_EQ(list.Items().front(), "alNone");
    EXPECT_EQ(list.ItemIndex(), 0);
    Press(VK_DOWN);
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_FALSE(list.GetVisible());
    EXPECT_EQ(first->GetSide(), alBottom);
    EXPECT_EQ(second->GetSide(), alBottom);
    EXPECT_EQ(designer.Modifications, 1);
    const TRect value = Grid().ValueRect(Grid().Rows().IndexOf(Grid().ActiveRow()));
    Click(GridWnd(), {value.Left + 5, Middle(value).Y}, true);
    EXPECT_EQ(first->GetSide(), alLeft) << "a double click takes the next value";

    Press(VK_F4);
    const TRect item{0, 5 * list.ItemHeight(), list.GetWidth(), 6 * list.ItemHeight()};
    EXPECT_NE(ErrorShownBy([&] { Click(static_cast<HWND>(list.Handle()), Middle(item)); }).find("fill its parent"),
              std::string::npos);
    EXPECT_EQ(first->GetSide(), alLeft) << "alClient, refused";
    EXPECT_EQ(designer.Modifications, 2);
}

TEST_F(InspectorEditing, TheEllipsisButtonRunsTheColourDialogAndARefusedColourChangesNothing) {
    TColor offered = clNone;
    EditorDialogs().ChooseColor = [&](TColor& color) {
        color = offered;
        return true;
    };
    first->SetKeyColor(clLime);
    inspector->SetControls({first});
    Activate("Color");
    offered = clNavy;
    Click(GridWnd(), Middle(Grid().ButtonRect()));
    EXPECT_EQ(first->GetColor(), clNavy);
    EXPECT_EQ(ValueOf("Color"), "clNavy");
    EXPECT_EQ(designer.Modifications, 1);
    offered = clFuchsia;
    EXPECT_NE(ErrorShownBy([&] { Click(GridWnd(), Middle(Grid().ButtonRect())); }).find("fuchsia"), std::string::npos);
    EXPECT_EQ(first->GetColor(), clNavy);
    EXPECT_EQ(designer.Modifications, 1);
}

TEST_F(InspectorEditing, AFontFromItsDialogIsOneChangeAndASubPropertyIsEditedInPlace) {
    EditorDialogs().ChooseFont = [](TFont& font) {
        font.SetName("Courier New");
        return true;
    };
    inspector->SetControls({first, second});
    Activate("Font");
    Press(VK_RETURN, GridWnd());  // a row without an edit: Enter opens its dialog
    EXPECT_EQ(first->GetFont()->GetName(), "Courier New");
    EXPECT_EQ(second->GetFont()->GetName(), "Courier New");
    EXPECT_EQ(designer.Modifications, 1) << "the editor's own report is not passed on twice";

    Activate("Font.Color");
    Type(L"clRed");
    Press(VK_RETURN);
    EXPECT_EQ(first->GetFont()->GetColor(), clRed);
    EXPECT_EQ(second->GetFont()->GetColor(), clRed);
    Type(L"clNoSuchColour");
    EXPECT_NE(ErrorShownBy([&] { Press(VK_RETURN); }), "(no message box)");
    EXPECT_EQ(first->GetFont()->GetColor(), clRed);
    EXPECT_EQ(designer.Modifications, 2);
}

TEST_F(InspectorEditing, ACaptionFollowsTheTypingUntilEscTakesItBack) {
    first->SetCaption("Esc");
    inspector->SetControls({first});
    Activate("Caption");
    Type(L"Shift");
    EXPECT_EQ(first->GetCaption(), "Shift");
    Press(VK_ESCAPE);
    EXPECT_EQ(first->GetCaption(), "Esc");
    EXPECT_EQ(designer.Modifications, 0);
    Type(L"Tab");
    Press(VK_RETURN);
    EXPECT_EQ(first->GetCaption(), "Tab");
    EXPECT_EQ(designer.Modifications, 1);
}

TEST_F(InspectorEditing, AKeyDestroyedDuringAnEditLeavesAtOnceAndTheEditEnds) {
    first->SetCount(3);
    inspector->SetControls({first, second});
    Activate("Count");
    Type(L"44");
    delete second;
    EXPECT_EQ(inspector->GetControls(), std::vector<TComponent*>{first});
    EXPECT_NE(Grid().Rows().Find("Name"), nullptr) << "one key: its name shows again";
    Press(VK_RETURN);
    EXPECT_EQ(first->GetCount(), 3) << "the dropped edit is not applied to the key that stays";
    Activate("Side");
    Press(VK_F4);
    delete first;
    EXPECT_TRUE(Grid().Rows().Visible().empty());
    EXPECT_FALSE(Grid().ValueList().GetVisible());
    Press(VK_RETURN);
    EXPECT_EQ(designer.Modifications, 0);
}

TEST_F(InspectorEditing, UpdateValuesShowsChangesMadeElsewhereAndKeepsWhatTheUserTyped) {
    inspector->SetControls({first});
    first->SetLeft(40);
    EXPECT_EQ(ValueOf("Left"), "0");
    inspector->UpdateValues();
    EXPECT_EQ(ValueOf("Left"), "40");
    Activate("Top");
    Type(L"9");
    first->SetTop(30);
    inspector->UpdateValues();
    EXPECT_EQ(WindowText(EditWnd()), "9");
    Press(VK_RETURN);
    EXPECT_EQ(first->GetTop(), 9);
}
}  // namespace
