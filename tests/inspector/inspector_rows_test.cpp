// Which rows the inspector shows and how: the common properties of a selection, hidden names,
// aliases, sorting, expansion, the filter, the active row and its description.
#include "inspector_fixture.h"

#include "support/inspector/property_help.h"

namespace {
using InspectorRows = InspectorFixture;
using ::testing::ElementsAre;

void SetLines(TStrings& list, std::initializer_list<const char*> lines) {
    TStrings made;
    for (const char* line : lines) made.Add(line);
    list.Assign(&made);
}

TEST_F(InspectorRows, SeveralKeysShowTheSharedPropertiesWithoutTheirNames) {
    inspector->SetControls({first, other, first, nullptr});
    EXPECT_EQ(inspector->GetControls().size(), 2u) << "repeats and nulls are left out";
    EXPECT_THAT(VisiblePaths(), ElementsAre("Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "Caption", "Count"));
    inspector->SetControls({first});
    EXPECT_EQ(VisiblePaths().front(), "Name");
    EXPECT_NE(Grid().Rows().Find("Side"), nullptr);
}

TEST_F(InspectorRows, HiddenPropertiesAreLeftOutAndAliasesNameTheRows) {
    SetLines(*inspector->GetHiddenProperties(), {"Tag", "cursor", "Font.Pitch", "Buddy"});
    SetLines(*inspector->GetAliases(), {"Color=[Appearance]", "Font.Color=Text colour"});
    inspector->SetControls({first});
    inspector->SetFocusToProperty("Font.Color");
    EXPECT_EQ(Grid().Rows().Find("Tag"), nullptr);
    EXPECT_EQ(Grid().Rows().Find("Cursor"), nullptr) << "names match in any letter case";
    EXPECT_EQ(Grid().Rows().Find("Font.Pitch"), nullptr);
    EXPECT_NE(Grid().Rows().Find("Font.Name"), nullptr);
    EXPECT_EQ(Grid().Rows().Find("Color")->Caption, "[Appearance]");
    EXPECT_EQ(Grid().Rows().Find("Font.Color")->Caption, "Text colour");

    inspector->SetSorted(true);
    const auto paths = VisiblePaths();
    EXPECT_EQ(paths.front(), "Color") << "sorted by what the rows show: [Appearance] first";
    EXPECT_LT(std::find(paths.begin(), paths.end(), "Caption"), std::find(paths.begin(), paths.end(), "Count"));
}

TEST_F(InspectorRows, RowsExpandByTheirBoxAndAutoCollapseClosesTheOthers) {
    inspector->SetAutoCollapse(true);
    inspector->SetControls({first});
    const auto& visible = Grid().Rows().Visible();
    const int font = Grid().Rows().IndexOf(Grid().Rows().Find("Font"));
    Click(GridWnd(), Middle(Grid().ExpanderRect(font)), true);
    ASSERT_NE(Grid().Rows().Find("Font.Style"), nullptr) << "a double click on the box opens it once";
    Activate("Font.Style.fsBold");
    Press(VK_F4);
    Press(VK_END);
    Press(VK_RETURN);
    EXPECT_TRUE(first->GetFont()->GetStyle().Contains(fsBold));
    EXPECT_EQ(ValueOf("Font.Style"), "[fsBold]");

    inspector->SetFocusToProperty("Anchors.akLeft");
    EXPECT_EQ(Grid().Rows().Find("Font.Style"), nullptr) << "opening Anchors closed Font";
    const size_t shown = visible.size();
    inspector->CollapseAll();
    EXPECT_EQ(inspector->GetActiveProperty(), "Anchors");
    EXPECT_LT(visible.size(), shown);
}

TEST_F(InspectorRows, TheFilterShowsMatchingRowsWithTheRowsAboveThemAndEscClearsIt) {
    inspector->SetControls({first});
    inspector->SetFocusToProperty("Font.Color");
    const HWND filter = static_cast<HWND>(inspector->FilterBox().Handle());
    Type(L"COL", filter);
    EXPECT_THAT(VisiblePaths(), ElementsAre("Color", "Font", "Font.Color"));
    EXPECT_EQ(inspector->GetActiveProperty(), "Font.Color");
    Type(L"nothing like it", filter);
    EXPECT_TRUE(VisiblePaths().empty());
    EXPECT_EQ(inspector->GetActiveProperty(), "");
    Press(VK_ESCAPE, filter);
    EXPECT_EQ(inspector->GetFilter(), "");
    EXPECT_EQ(VisiblePaths().front(), "Name");
}

TEST_F(InspectorRows, TheHelpPaneDescribesTheActiveRowBySubPropertyPath) {
    auto* help = new TPropertyHelp(&form);
    help->SetParent(&form);
    SetLines(*help->GetDescriptions(), {"Color=Background of the key", "Font.Color=Colour of the label"});
    help->SetInspector(inspector);
    inspector->SetControls({first});
    Activate("Color");
    EXPECT_EQ(help->Title(), "Color");
    EXPECT_EQ(help->Description(), "Background of the key");
    Activate("Font.Color");
    EXPECT_EQ(help->Description(), "Colour of the label");
    Activate("Font.Name");
    EXPECT_EQ(help->Description(), "") << "no sentence of its own";
    delete inspector;
    EXPECT_EQ(help->GetInspector(), nullptr);
    inspector = new TObjectInspector(&form);
}

TEST_F(InspectorRows, TheDesignerColoursEveryPaintedRowAndSetsTheColumnWidth) {
    std::vector<std::string> painted;
    inspector->OnGetCellParams = [&](TObject* sender, TPropertyEditor* editor, TFont* font, TColor&) {
        EXPECT_EQ(sender, static_cast<TObject*>(inspector));
        painted.push_back(editor->GetName());
        if (editor->Prop().Kind() == TTypeKind::tkClass) font->SetStyle(TFontStyles{fsBold});
    };
    inspector->SetControls({first});
    inspector->SetFixedColWidth(-5);
    EXPECT_GT(inspector->GetFixedColWidth(), 0) << "a stored width out of range is brought back";
    inspector->SetFixedColWidth(119);
    RedrawWindow(GridWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_NE(std::find(painted.begin(), painted.end(), "Font"), painted.end());
    EXPECT_NE(std::find(painted.begin(), painted.end(), "Name"), painted.end());
    EXPECT_EQ(inspector->GetFixedColWidth(), 119);
    EXPECT_EQ(Grid().ValueRect(0).Left, 120);
}
}  // namespace
