// The editing commands as the menus see them: the checker's states and the engine's actions.
#include "designer_fixture.h"

#include <windows.h>

#include "components/surface/design_panel.h"
#include "components/visual/menus/h_main_menu.h"
#include "components/visual/menus/h_popup_menu.h"
#include "designer/engine/designer.h"
#include "designer/engine/selected_controls.h"
#include "support/menus/menu_item.h"

namespace {
class CommandsTest : public DesignerTest {
protected:
    // The item's state as the checker sets it just before a menu shows.
    TMenuItem& Checked(int tag) {
        auto& item = items_.emplace_back(std::make_unique<TMenuItem>(nullptr));
        item->SetTag(tag);
        form->idMenuChecker(form->mnuMain, item.get());
        return *item;
    }
    TELDesignerSelectedControls& Selection() { return *form->designer->GetSelectedControls(); }
    void StartDesigning(const std::vector<std::string>& keys) {
        Start({WriteFile("a.osk", KeysLayout(keys))});
        form->Design1Click(nullptr);
        Pump();
    }

private:
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

TEST_F(CommandsTest, SelectAllLeavesTheSurfaceOutAndTheSurfaceAloneDisablesTheSelectionCommands) {
    StartDesigning({"A1", "A2"});
    form->idESelAll(nullptr);
    EXPECT_EQ(Selection().GetCount(), 2);
    EXPECT_FALSE(Selection().Contains(form->DesignPlace));
    EXPECT_TRUE(Checked(204).GetEnabled()) << "Delete";
    Selection().ClearExcept(form->DesignPlace);
    for (int tag : {204, 206, 207, 215, 218}) EXPECT_FALSE(Checked(tag).GetEnabled()) << tag;
}

TEST_F(CommandsTest, TheAlignCommandsNeedTwoControls) {
    StartDesigning({"A1", "A2"});
    Selection().ClearExcept(form->DesignPlace->Controls(0));
    for (int tag = 209; tag <= 214; ++tag) EXPECT_FALSE(Checked(tag).GetEnabled()) << tag;
    Selection().Add(form->DesignPlace->Controls(1));
    for (int tag = 209; tag <= 214; ++tag) EXPECT_TRUE(Checked(tag).GetEnabled()) << tag;
}

TEST_F(CommandsTest, ALockIsCheckedWhenOneSelectedHasItAndTogglesAllTogether) {
    StartDesigning({"A1", "A2"});
    TControl* first = form->DesignPlace->Controls(0);
    TControl* second = form->DesignPlace->Controls(1);
    form->designer->LockControl(first, LockModeOf(lmNoMove), 0);
    Selection().ClearExcept(first);
    Selection().Add(second);
    EXPECT_TRUE(Checked(220).GetChecked()) << "one of two move-locked";
    EXPECT_FALSE(Checked(221).GetChecked());
    form->N14Click(nullptr);
    EXPECT_EQ(form->designer->GetLockMode(first) & LockModeOf(lmNoMove), 0);
    EXPECT_EQ(form->designer->GetLockMode(second) & LockModeOf(lmNoMove), 0);
    form->N14Click(nullptr);
    EXPECT_NE(form->designer->GetLockMode(first) & LockModeOf(lmNoMove), 0);
    EXPECT_NE(form->designer->GetLockMode(second) & LockModeOf(lmNoMove), 0);
}

}  // namespace

#include "keys/osk_keys.h"
#include "support/design/component_editor.h"

namespace {
int executedVerb = -1;

// Two verbs and an empty one between them, which the popup leaves out.
class TKeyVerbs : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
    int GetVerbCount() const override { return 3; }
    std::string GetVerb(int index) const override { return index == 1 ? "" : index == 0 ? "Relabel" : "Reset"; }
    void ExecuteVerb(int index) override { executedVerb = index; }
};

TEST_F(CommandsTest, ThePopupShowsTheVerbsOfTheControlOnceHoweverOftenItOpens) {
    RegisterComponentEditor(&OSKKeySym::StaticClass(), ComponentEditorFactory<TKeyVerbs>());
    StartDesigning({"A1"});
    const int fixed = form->pmDesign->Items()->Count();
    Selection().ClearExcept(form->DesignPlace->Controls(0));
    form->pmDesignPopup(form->pmDesign);
    EXPECT_EQ(form->pmDesign->Items()->Count(), fixed) << "an OSKKey has no verbs";
    auto* key = new OSKKeySym(form->DesignPlace);
    key->SetParent(form->DesignPlace);
    Selection().ClearExcept(key);
    form->pmDesignPopup(form->pmDesign);
    form->pmDesignPopup(form->pmDesign);
    ASSERT_EQ(form->pmDesign->Items()->Count(), fixed + 2);
    TMenuItem* reset = form->pmDesign->Items()->Items(1);
    EXPECT_EQ(reset->GetCaption(), "Reset");
    EXPECT_EQ(reset->GetTag(), 502);
    EXPECT_EQ(form->pmDesign->Items()->Items(2)->GetTag(), 215) << "the fixed items follow";
    form->idVerbClick(reset);
    EXPECT_EQ(executedVerb, 2);
}
}  // namespace
