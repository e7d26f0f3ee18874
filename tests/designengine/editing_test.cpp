// Insertion, clipboard, alignment, stacking, undo and the design menu.
#include <memory>

#include "components/persistence/control_io.h"
#include "designer/engine/design_clipboard.h"
#include "designer/engine/designer_error.h"
#include "engine_fixture.h"
#include "support/framework/property_text.h"
#include "support/framework/stream.h"
#include "support/menus/popup_menu.h"

namespace {
TEST_F(EngineTest, APaletteClassIsInsertedAtTheClickOrDrawnAndSelected) {
    TClass offered = &OSKKeyFx::StaticClass();
    designer->OnControlInserting = [&](TObject*, TClass& cls) { cls = std::exchange(offered, nullptr); };
    std::vector<TControl*> inserted;
    designer->OnControlInserted = [&](TObject*, TControl* control) { inserted.push_back(control); };
    Click(30, 40);
    ASSERT_EQ(surface->ControlCount(), 1);
    TControl* first = surface->Controls(0);
    EXPECT_EQ(first->ClassName(), "OSKKeyFx");
    EXPECT_EQ(first->GetName(), "OSKKeyFx1");
    EXPECT_EQ(first->GetLeft(), 30);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{first}));
    EXPECT_EQ(inserted, (std::vector<TControl*>{first}));
    Click(200, 200);
    EXPECT_EQ(surface->ControlCount(), 1) << "without a class a click selects";
    offered = &OSKKeyFx::StaticClass();
    designer->SetSnapToGrid(true);
    Drag(101, 99, 141, 131);
    ASSERT_EQ(surface->ControlCount(), 2);
    EXPECT_EQ(Bounds(surface->Controls(1)), (TRect{104, 96, 144, 128}));
    EXPECT_EQ(surface->Controls(1)->GetName(), "OSKKeyFx2");
    EXPECT_EQ(changes, 2);
    designer->LockControl(surface, LockModeOf(lmNoInsertIn), 0);
    offered = &OSKKeyFx::StaticClass();
    Click(300, 250);
    EXPECT_EQ(surface->ControlCount(), 2) << "a surface locked against inserting takes nothing";
}

// A second surface in the same process, with a designer of its own.
class TwoSurfaces : public EngineTest {
protected:
    TwoSurfaces() {
        otherPanel = new TELDesignPanel(root);
        otherPanel->SetParent(root);
        otherPanel->SetBounds(0, 320, 300, 60);
        other = new HDesignPanel(root);
        other->SetName("Other");
        other->SetBounds(0, 0, 300, 60);
        otherDesigner = new TELDesigner(root);
        otherDesigner->SetDesignControl(other);
        otherDesigner->SetDesignPanel(otherPanel);
        otherDesigner->SetClipboardFormat("OSKComponents");
        otherDesigner->SetActive(true);
    }
    TELDesignPanel* otherPanel;
    HDesignPanel* other;
    TELDesigner* otherDesigner;
};

TEST_F(TwoSurfaces, PastingKeepsReferencesRenamesClashesAndStepsOffOriginals) {
    TEdit* edit = AddEdit("Buffer", 10, 40);
    auto* key = new OSKKeyCmd(surface);
    key->SetName("Paste");
    key->SetParent(surface);
    key->SetBounds(10, 10, 24, 24);
    key->SetBufferEdit(edit);
    designer->SelectAll();
    designer->CopyToClipboard();
    ASSERT_TRUE(otherDesigner->CanPasteFromClipboard());
    otherDesigner->PasteFromClipboard();
    ASSERT_EQ(other->ControlCount(), 2);
    auto* pastedKey = dynamic_cast<OSKKeyCmd*>(other->Controls(1));
    ASSERT_NE(pastedKey, nullptr);
    EXPECT_EQ(pastedKey->GetBufferEdit(), other->Controls(0)) << "the reference follows the pasted edit";
    EXPECT_EQ(otherDesigner->GetSelectedControls()->GetCount(), 2);

    const std::string before = Text();
    designer->PasteFromClipboard();  // onto the originals
    ASSERT_EQ(surface->ControlCount(), 4);
    auto* again = dynamic_cast<OSKKeyCmd*>(surface->Controls(3));
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again->GetName(), "Paste");
    EXPECT_EQ(again->GetBufferEdit(), surface->Controls(2));
    EXPECT_EQ(again->GetLeft(), 18) << "moved a grid step off its original";
    EXPECT_EQ(key->GetBufferEdit(), edit) << "the original keeps its own edit";
    designer->Undo();
    EXPECT_EQ(Text(), before);
}

TEST_F(EngineTest, ClipboardTextThatIsNoLayoutPastesNothingAndSaysWhy) {
    AddKey("A", 10, 10);
    Settle();
    const std::string before = Text();
    SystemDesignClipboard().Put("OSKComponents", "object K: OSKKey\n  Left = oops\nend\n");
    try {
        designer->PasteFromClipboard();
        FAIL() << "pasted bad text";
    } catch (const EDesignerError& e) {
        EXPECT_NE(std::string(e.what()).find("can be pasted"), std::string::npos) << e.what();
    }
    SystemDesignClipboard().Put("OSKComponents", "hello world");
    EXPECT_FALSE(designer->CanPasteFromClipboard());
    EXPECT_THROW(designer->PasteFromClipboard(), EDesignerError);
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(changes, 0);
}

TEST_F(EngineTest, CutLeavesWhatIsLockedAgainstDeleting) {
    OSKKey* a = AddKey("A", 10, 10);
    AddKey("B", 50, 10);
    designer->LockControl(a, LockModeOf(lmNoDelete), 0);
    designer->SelectAll();
    designer->CutToClipboard();
    ASSERT_EQ(surface->ControlCount(), 1);
    EXPECT_EQ(surface->Controls(0), a);
    const std::string text = SystemDesignClipboard().Get("OSKComponents").value_or("");
    EXPECT_NE(text.find("object B"), std::string::npos);
    EXPECT_NE(text.find("object A"), std::string::npos) << "copied, though it stays";
}

struct TAlignCase {
    int Horizontal, Vertical;
    TRect A, B, C;
};

class Aligning : public EngineTest, public ::testing::WithParamInterface<TAlignCase> {};

// A is the reference (selected first); the surface is 400 by 300.
TEST_P(Aligning, PlacesTheSelectionAsTheKindsSay) {
    OSKKey* a = AddKey("A", 100, 50, 20, 20);
    OSKKey* b = AddKey("B", 10, 10, 40, 30);
    OSKKey* c = AddKey("C", 200, 150, 10, 10);
    designer->GetSelectedControls()->Assign({a, b, c});
    designer->GetSelectedControls()->Align(GetParam().Horizontal, GetParam().Vertical);
    EXPECT_EQ(Bounds(a), GetParam().A);
    EXPECT_EQ(Bounds(b), GetParam().B);
    EXPECT_EQ(Bounds(c), GetParam().C);
}

INSTANTIATE_TEST_SUITE_P(
    BothAxes, Aligning,
    ::testing::Values(
        TAlignCase{0, 0, {100, 50, 120, 70}, {10, 10, 50, 40}, {200, 150, 210, 160}},
        TAlignCase{1, 1, {100, 50, 120, 70}, {100, 50, 140, 80}, {100, 50, 110, 60}},
        TAlignCase{2, 2, {100, 50, 120, 70}, {80, 40, 120, 70}, {110, 60, 120, 70}},
        // Ordered by their starts B, A, C: B and C stay, A goes where the two gaps are equal.
        TAlignCase{3, 3, {115, 85, 135, 105}, {10, 10, 50, 40}, {200, 150, 210, 160}},
        TAlignCase{4, 4, {100, 50, 120, 70}, {90, 45, 130, 75}, {105, 55, 115, 65}},
        // The box 10..210 by 10..160 is centred in 400 by 300.
        TAlignCase{5, 5, {190, 115, 210, 135}, {100, 75, 140, 105}, {290, 215, 300, 225}},
        TAlignCase{1, 5, {100, 115, 120, 135}, {100, 75, 140, 105}, {100, 215, 110, 225}}));

TEST_F(EngineTest, StackingKeepsTheOrderOfTheSelectedAmongThemselves) {
    OSKKey* a = AddKey("A", 0, 0);
    OSKKey* b = AddKey("B", 0, 0);
    OSKKey* c = AddKey("C", 0, 0);
    OSKKey* d = AddKey("D", 0, 0);
    designer->GetSelectedControls()->Assign({c, a});
    designer->GetSelectedControls()->BringToFront();
    EXPECT_EQ(surface->Controls(2), a);
    EXPECT_EQ(surface->Controls(3), c);
    designer->GetSelectedControls()->SendToBack();
    EXPECT_EQ(surface->Controls(0), a);
    EXPECT_EQ(surface->Controls(1), c);
    EXPECT_EQ(surface->Controls(3), d);
    designer->Undo();
    EXPECT_EQ(surface->Controls(1)->GetName(), "D");
    (void)b;
}

TEST_F(EngineTest, UndoAndRedoWalkEveryKindOfChangeAndRestoreTheTextExactly) {
    std::vector<std::string> texts{Text()};
    OSKKey* a = AddKey("A", 10, 10);
    designer->Modified();  // a change made outside the engine
    texts.push_back(Text());
    designer->GetSelectedControls()->ClearExcept(surface->Controls(0));
    Key(0x27);
    texts.push_back(Text());
    SetPropText(*surface->Controls(0), "KeyLabel", "Q");
    designer->Modified();
    texts.push_back(Text());
    designer->LockControl(surface->Controls(0), LockModeOf(lmNoMove), 0);
    designer->CopyToClipboard();
    designer->PasteFromClipboard();
    texts.push_back(Text());
    designer->SelectAll();
    designer->GetSelectedControls()->Align(0, 1);
    texts.push_back(Text());
    designer->DeleteSelectedControls();
    texts.push_back(Text());
    ASSERT_EQ(texts.size(), 7u);
    (void)a;
    for (size_t i = texts.size() - 1; i-- > 0;) {
        ASSERT_TRUE(designer->CanUndo());
        designer->Undo();
        if (i == 3) {
            EXPECT_EQ(designer->GetLockMode(surface->Controls(0)), LockModeOf(lmNoMove)) << "the lock step";
            designer->Undo();  // past the lock, which changed no text
        }
        EXPECT_EQ(Text(), texts[i]) << "after undoing to step " << i;
    }
    EXPECT_FALSE(designer->CanUndo());
    for (size_t i = 1; i < texts.size(); ++i) {
        designer->Redo();
        if (i == 4) designer->Redo();
        EXPECT_EQ(Text(), texts[i]) << "after redoing step " << i;
    }
    EXPECT_FALSE(designer->CanRedo());
    EXPECT_EQ(designer->GetSelectedControls()->GetCount(), 1) << "after the delete: the surface";
}

TEST_F(EngineTest, AHundredAndFiftyStepsAllUndo) {
    AddKey("A", 10, 10);
    Settle();
    const std::string before = Text();
    designer->GetSelectedControls()->ClearExcept(surface->Controls(0));
    for (int i = 0; i < 150; ++i) Key(0x28, i % 2 ? static_cast<TShiftState>(ssCtrl) : TShiftState{0});  // alternating kinds: no step joins another
    int steps = 0;
    while (designer->CanUndo() && Text() != before) {
        designer->Undo();
        ++steps;
    }
    EXPECT_EQ(steps, 150);
    EXPECT_EQ(Text(), before);
}

TEST_F(EngineTest, TheSelectionComesBackWithItsStep) {
    OSKKey* a = AddKey("A", 10, 10);
    AddKey("B", 50, 10);
    designer->Modified();
    designer->GetSelectedControls()->ClearExcept(a);
    Key(0x28);
    designer->SelectAll();
    designer->Undo();
    ASSERT_EQ(designer->GetSelectedControls()->GetCount(), 1);
    EXPECT_EQ(designer->GetSelectedControls()->GetItems(0)->GetName(), "A");
    EXPECT_EQ(designer->GetSelectedControls()->GetItems(0)->GetTop(), 10);
}

TEST_F(EngineTest, TheRightButtonSelectsWhatIsUnderItAndOpensTheMenu) {
    OSKKey* a = AddKey("A", 10, 10);
    OSKKey* b = AddKey("B", 50, 10);
    auto* menu = new TPopupMenu(root);
    std::vector<TControl*> selectedWhenShown;
    menu->OnPopup = [&](TObject*) {
        selectedWhenShown = Selected();
        CloseMenuWhenShown();
    };
    designer->SetPopupMenu(menu);
    designer->GetSelectedControls()->Assign({a, b});
    Press(55, 15, 0, mbRight);
    Release(55, 15, 0, mbRight);
    EXPECT_EQ(selectedWhenShown, (std::vector<TControl*>{a, b})) << "a click inside the selection keeps it";
    Press(300, 200, 0, mbRight);
    Release(300, 200, 0, mbRight);
    EXPECT_EQ(selectedWhenShown, (std::vector<TControl*>{surface}));
}
}  // namespace

namespace {
// Whatever a user does, the selection only holds live controls of the surface and the design
// saves and loads back to the same text.
TEST_F(EngineTest, ARandomSessionLeavesASoundDesign) {
    for (int i = 0; i < 6; ++i) AddKey("K" + std::to_string(i), 10 + 40 * i, 10 + 20 * (i % 3));
    AddEdit("Edit", 20, 120);
    TClass offer = nullptr;
    designer->OnControlInserting = [&](TObject*, TClass& cls) { cls = std::exchange(offer, nullptr); };
    unsigned seed = 12345;
    auto next = [&](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    const uint32_t keys[] = {0x25, 0x26, 0x27, 0x28, 0x09, 0x1B, 0x2E};
    const TShiftState shifts[] = {0, ssShift, ssCtrl, ssAlt, ssShift | ssCtrl};
    for (int step = 0; step < 400; ++step) {
        const int x = static_cast<int>(next(420)) - 10, y = static_cast<int>(next(320)) - 10;
        const TShiftState shift = shifts[next(5)];
        switch (next(12)) {
            case 0: Press(x, y, shift); break;
            case 1: MoveTo(x, y, shift); break;
            case 2: Release(x, y, shift); break;
            case 3: Drag(x, y, static_cast<int>(next(400)), static_cast<int>(next(300)), shift); break;
            case 4: Key(keys[next(7)], shift); break;
            case 5: designer->CopyToClipboard(); break;
            case 6:
                if (designer->CanPasteFromClipboard()) designer->PasteFromClipboard();
                break;
            case 7: next(2) ? designer->Undo() : designer->Redo(); break;
            case 8: designer->GetSelectedControls()->Align(static_cast<int>(next(6)), static_cast<int>(next(6))); break;
            case 9:
                for (TControl* control : Selected()) designer->LockControl(control, 1u << next(5), 1u << next(5));
                break;
            case 10: offer = next(2) ? &OSKKey::StaticClass() : &TEdit::StaticClass(); break;
            case 11: designer->CutToClipboard(); break;
        }
        for (TControl* control : Selected())
            ASSERT_TRUE(control == surface || control->Parent() == surface) << "at step " << step;
    }
    Release(0, 0);
    designer->SetActive(false);
    const std::string text = Text();
    HControlIO io(nullptr);
    io.SetControl(surface);
    io.LoadFromText(text.c_str());
    EXPECT_EQ(Text(), text);
}
}  // namespace
