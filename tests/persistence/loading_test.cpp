// Loading a layout into a container: what happens to the old children, to names already taken,
// to the container itself, and which children a save writes.
#include "layout_fixture.h"
#include "support/framework/scroll_box.h"

namespace {
class Loading : public LayoutTest {
protected:
    OSKKey* AddKey(TWinControl* parent, const std::string& name) {
        auto* key = new OSKKey(&panel);
        key->SetName(name);
        key->SetParent(parent);
        return key;
    }
};

TEST_F(Loading, OldChildrenAreRemovedFirst) {
    AddKey(&panel, "Old1");
    AddKey(&panel, "Old2");
    LoadText(TwoKeyLayout());
    ASSERT_EQ(panel.ControlCount(), 2);
    EXPECT_EQ(panel.FindComponent("Old1"), nullptr);
    EXPECT_EQ(panel.FindComponent("Old2"), nullptr);
    EXPECT_EQ(panel.ComponentCount(), 2);
}

TEST_F(Loading, LoadingTwiceLeavesOneSetWithTheStoredNames) {
    LoadText(TwoKeyLayout());
    LoadText(TwoKeyLayout());
    ASSERT_EQ(panel.ControlCount(), 2);
    EXPECT_EQ(Key(0)->GetName(), "KeyA");
    EXPECT_EQ(Key(1)->GetName(), "KeyB");
    EXPECT_EQ(SaveText(), TwoKeyLayout());
}

TEST_F(Loading, EveryLoadedKeyIsToldItWasLoaded) {
    LoadText(TwoKeyLayout());
    EXPECT_EQ(Key(0)->LoadedCalls, 1);
    EXPECT_EQ(Key(1)->LoadedCalls, 1);
}

const std::string kBuddyLayout = LayoutText(KeyText("Shift", 8, "S") +
                                                "  object Caps: OSKKey\r\n"
                                                "    Left = 36\r\n"
                                                "    Buddy = Shift\r\n"
                                                "  end\r\n",
                                            2);

TEST_F(Loading, NameTakenOnTheFormBecomesClassNameAndFirstFreeNumberAndReferencesFollow) {
    TComponent taken(&form);
    taken.SetName("Shift");
    TComponent alsoTaken(&form);
    alsoTaken.SetName("OSKKey1");
    LoadText(kBuddyLayout);
    ASSERT_EQ(panel.ControlCount(), 2);
    EXPECT_EQ(Key(0)->GetName(), "OSKKey2");
    EXPECT_EQ(Key(0)->GetKeyLabel(), "S");
    EXPECT_EQ(Key(1)->GetBuddy(), Key(0));
}

TEST_F(Loading, NameTakenOnThePanelIsRenamedToo) {
    TComponent taken(&panel);
    taken.SetName("shift");
    LoadText(kBuddyLayout);
    ASSERT_EQ(panel.ControlCount(), 2);
    EXPECT_EQ(Key(0)->GetName(), "OSKKey1");
    EXPECT_EQ(Key(1)->GetBuddy(), Key(0));
    EXPECT_EQ(panel.FindComponent("shift"), &taken);
}

TEST_F(Loading, RenamedClassLosesItsLeadingT) {
    TComponent taken(&form);
    taken.SetName("Title");
    LoadText(LayoutText("  object Title: TLabel\r\n    Caption = 'x'\r\n  end\r\n", 1));
    ASSERT_EQ(panel.ControlCount(), 1);
    EXPECT_EQ(panel.Controls(0)->GetName(), "Label1");
}

TEST_F(Loading, OnMakeUniqueNameChoosesTheNewName) {
    TComponent taken(&form);
    taken.SetName("Shift");
    std::string askedFor;
    io.OnMakeUniqueName = [&](const AnsiString& base, AnsiString& result) {
        askedFor = base;
        result = "ShiftCopy";
    };
    LoadText(kBuddyLayout);
    EXPECT_EQ(askedFor, "OSKKey");
    EXPECT_EQ(Key(0)->GetName(), "ShiftCopy");
    EXPECT_EQ(Key(1)->GetBuddy(), Key(0));
}

TEST_F(Loading, UniqueNamesAskTheFormAndThePanel) {
    TComponent onForm(&form);
    onForm.SetName("OnForm");
    AddKey(&panel, "OnPanel");
    EXPECT_FALSE(io.IsUniqueName("onform"));
    EXPECT_FALSE(io.IsUniqueName("ONPANEL"));
    EXPECT_TRUE(io.IsUniqueName("Free"));
    EXPECT_EQ(io.MakeUniqueName("TOnPanel"), "OnPanel1");
}

TEST_F(Loading, ContainerKeepsItsNameButTakesTheStoredValues) {
    LoadText(
        "object elsewhere: HDesignPanel\r\n"
        "  Left = 3\r\n"
        "  Top = 4\r\n"
        "  Width = 50\r\n"
        "  Height = 60\r\n"
        "  Font.Name = 'Arial'\r\n"
        "  Font.Style = [fsBold]\r\n"
        "  ParentFont = False\r\n"
        "end\r\n");
    EXPECT_EQ(panel.GetName(), "design");
    EXPECT_EQ(panel.GetLeft(), 3);
    EXPECT_EQ(panel.GetTop(), 4);
    EXPECT_EQ(panel.GetWidth(), 50);
    EXPECT_EQ(panel.GetHeight(), 60);
    EXPECT_EQ(panel.GetFont()->GetName(), "Arial");
    EXPECT_TRUE(panel.GetFont()->GetStyle().Contains(fsBold));
    EXPECT_FALSE(panel.GetParentFont());
}

TEST_F(Loading, WithoutChildrenTheSavedLayoutHasAChildCountOfZero) {
    LoadText(TwoKeyLayout());
    io.SetWriteChilds(false);
    EXPECT_EQ(io.OperationalCount(&panel), 0);
    const std::string binary = SaveBinary();
    EXPECT_EQ(binary.substr(binary.size() - 8), std::string(8, '\0'));
    EXPECT_EQ(SaveText(), kPanelHeader);
    panel.SetLeft(99);
    LoadText(binary);
    EXPECT_EQ(panel.ControlCount(), 0);
    EXPECT_EQ(panel.GetLeft(), 15);
}

TEST_F(Loading, ChildsListEmptySavesThePanelAlone) {
    LoadText(TwoKeyLayout());
    io.SetUseChildsList(true);
    EXPECT_EQ(io.OperationalCount(&panel), 0);
    EXPECT_EQ(SaveText(), kPanelHeader);
}

TEST_F(Loading, ChildsListSavesOnlyTheListedChildren) {
    LoadText(TwoKeyLayout());
    auto* box = new TScrollBox(&panel);
    box->SetName("Box");
    box->SetParent(&panel);
    OSKKey* inner = AddKey(box, "Inner");
    io.SetUseChildsList(true);
    io.ChildsList = {Key(1), inner};
    EXPECT_EQ(io.OperationalCount(&panel), 1);
    EXPECT_EQ(SaveText(), LayoutText(KeyText("KeyB", 36, "B"), 1));
}

TEST_F(Loading, ControlTextWithoutAControlIsEmpty) {
    HControlIO lone(nullptr);
    EXPECT_EQ(lone.GetControlText()->Count(), 0);
}

TEST_F(Loading, ControlTextIsTheTextFormWhateverTextOutputSays) {
    LoadText(TwoKeyLayout());
    for (bool textOutput : {false, true}) {
        io.SetTextOutput(textOutput);
        TStrings* lines = io.GetControlText();
        EXPECT_EQ(lines->GetText(), TwoKeyLayout());
        EXPECT_EQ(io.GetTextOutput(), textOutput);
    }
}

TEST_F(Loading, LoadFromStringsOfTheControlTextRebuildsTheLayout) {
    LoadText(TwoKeyLayout());
    TStrings copy;
    copy.Assign(io.GetControlText());
    LoadText(kPanelHeader);
    io.LoadFromStrings(&copy);
    EXPECT_EQ(SaveText(), TwoKeyLayout());
}
}  // namespace
