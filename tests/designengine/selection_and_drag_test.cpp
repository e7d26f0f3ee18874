// Activation, selection, moving and resizing with the mouse and the keys, guides and locks.
#include "engine_fixture.h"

namespace {
constexpr uint32_t kLeft = 0x25, kRight = 0x27, kDown = 0x28;

TEST_F(EngineTest, DeactivationGivesTheSurfaceBackAsItWas) {
    AddKey("K1", 10, 10);
    designer->SetActive(false);
    surface->SetParent(root);
    const std::string before = Text();
    EXPECT_FALSE(surface->Designing());
    designer->SetActive(true);
    EXPECT_EQ(surface->Parent(), panel);
    EXPECT_TRUE(surface->Designing());
    EXPECT_TRUE(surface->Controls(0)->Designing());
    EXPECT_EQ(surface->DesignInterceptor(), designer);
    Click(15, 15);
    designer->SetActive(false);
    EXPECT_EQ(surface->Parent(), root);
    EXPECT_EQ(Bounds(surface), (TRect{7, 9, 407, 309}));
    EXPECT_FALSE(surface->Designing());
    EXPECT_FALSE(surface->Controls(0)->Designing());
    EXPECT_EQ(surface->DesignInterceptor(), nullptr);
    EXPECT_EQ(panel->DesignInterceptor(), nullptr);
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(designer->GetSelectedControls()->GetCount(), 0);
}

TEST_F(EngineTest, ClicksShiftClicksAndRubberBandsSelect) {
    OSKKey* a = AddKey("A", 10, 10);
    OSKKey* b = AddKey("B", 50, 10);
    OSKKey* c = AddKey("C", 10, 80);
    Click(15, 15);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{a}));
    Click(55, 15, ssShift);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{a, b}));
    Click(15, 15, ssShift);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{b}));
    Drag(5, 5, 20, 90);  // touches A and C, not B
    EXPECT_EQ(Selected(), (std::vector<TControl*>{a, c}));
    Click(200, 200);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{surface}));
    designer->SelectAll();
    EXPECT_EQ(Selected(), (std::vector<TControl*>{a, b, c}));
    delete b;
    EXPECT_EQ(Selected(), (std::vector<TControl*>{a, c}));
    EXPECT_EQ(changes, 0) << "selecting is no change of the design";
}

TEST_F(EngineTest, DraggingMovesTheSelectionTogetherAndAClickInPlaceChangesNothing) {
    OSKKey* a = AddKey("A", 10, 10);
    OSKKey* b = AddKey("B", 50, 10);
    designer->GetSelectedControls()->Assign({a, b});
    Settle();
    const std::string before = Text();
    Drag(15, 15, 45, 115, ssAlt);
    EXPECT_EQ(Bounds(a), (TRect{40, 110, 64, 134}));
    EXPECT_EQ(Bounds(b), (TRect{80, 110, 104, 134}));
    EXPECT_EQ(changes, 1);
    Drag(45, 115, 60, 130, ssAlt);
    MoveTo(60, 130);
    Drag(60, 130, 45, 115, ssAlt);
    EXPECT_EQ(changes, 3);
    Drag(45, 115, 46, 116);  // within the drag threshold: a click
    EXPECT_EQ(changes, 3);
    designer->Undo();
    designer->Undo();
    designer->Undo();
    EXPECT_EQ(Text(), before);
}

TEST_F(EngineTest, DraggingSnapsToTheGridAndToTheEdgesOfNeighbours) {
    OSKKey* a = AddKey("A", 8, 8);
    AddKey("Far", 300, 200);
    designer->SetSnapToGrid(true);
    Drag(10, 10, 31, 45);
    EXPECT_EQ(Bounds(a), (TRect{32, 40, 56, 64})) << "the pressed key lands on the nearest grid point";
    designer->SetSnapToGrid(false);
    OSKKey* n = AddKey("N", 150, 150, 100, 30);
    // A's left edge comes within 2 pixels of N's left edge: it snaps there and a guide shows.
    Press(40, 50);
    MoveTo(100, 60);
    MoveTo(160, 60);
    TRecordingCanvas canvas;
    designer->PaintOverlay(*surface, canvas);
    Release(160, 60);
    EXPECT_EQ(a->GetLeft(), n->GetLeft());
    bool guide = false;
    for (const auto& shape : canvas.Shapes) guide |= shape.Kind == 'F' && shape.Area.Left == 150 && shape.Area.Right == 151;
    EXPECT_TRUE(guide) << "a guide line at the snapped edge";
    Drag(160, 60, 170, 60, ssAlt);
    Drag(170, 60, 162, 60, ssAlt);
    EXPECT_EQ(a->GetLeft(), 152) << "Alt turns snapping off";
}

TEST_F(EngineTest, AHandleResizesTheOneSelectedControl) {
    OSKKey* a = AddKey("A", 10, 10, 40, 30);
    Click(20, 20);
    EXPECT_EQ(designer->DesignCursor(*surface, {49, 39}), crSizeNWSE);
    EXPECT_EQ(designer->DesignCursor(*surface, {30, 10}), crSizeNS);
    Drag(49, 39, 79, 49, ssAlt);  // the bottom-right handle
    EXPECT_EQ(Bounds(a), (TRect{10, 10, 80, 50}));
    Drag(10, 10, 0, 30, ssAlt);  // the top-left handle, past nothing
    EXPECT_EQ(Bounds(a), (TRect{0, 30, 80, 50}));
    designer->LockControl(a, LockModeOf(lmNoResize), 0);
    Drag(79, 49, 120, 90, ssAlt);
    EXPECT_EQ(a->GetWidth(), 80) << "a size-locked control has no handles to drag";
}

TEST_F(EngineTest, ArrowKeysMoveByTheGridOrAPixelAndResizeWithShift) {
    OSKKey* a = AddKey("A", 10, 10);
    Settle();
    Click(15, 15);
    Key(kRight);
    EXPECT_EQ(a->GetLeft(), 18);
    Key(kLeft, ssCtrl);
    EXPECT_EQ(a->GetLeft(), 17);
    Key(kRight, ssShift);
    EXPECT_EQ(a->GetWidth(), 25);
    Key(kDown, ssShift | ssCtrl);
    EXPECT_EQ(a->GetHeight(), 32);
    designer->SetSnapToGrid(true);
    Key(kRight);
    EXPECT_EQ(a->GetLeft(), 24) << "with snapping on, to the next grid line";
    EXPECT_EQ(changes, 5);
    designer->Undo();
    EXPECT_EQ(surface->Controls(0)->GetLeft(), 17) << "each kind of nudge is a step of its own";
}

TEST_F(EngineTest, LocksKeepControlsFromMovingDeletingAndCopying) {
    OSKKey* a = AddKey("A", 10, 10);
    OSKKey* b = AddKey("B", 50, 10);
    designer->LockControl(a, LockModeOf(lmNoMove) | LockModeOf(lmNoDelete), 0);
    designer->LockControl(b, LockModeOf(lmNoCopy), 0);
    EXPECT_EQ(designer->GetLockMode(a), LockModeOf(lmNoMove) | LockModeOf(lmNoDelete));
    designer->GetSelectedControls()->Assign({a, b});
    Drag(55, 15, 75, 15, ssAlt);
    EXPECT_EQ(a->GetLeft(), 10);
    EXPECT_EQ(b->GetLeft(), 70);
    EXPECT_EQ(designer->SelectionText().find("object B"), std::string::npos);
    EXPECT_NE(designer->SelectionText().find("object A"), std::string::npos);
    designer->DeleteSelectedControls();
    ASSERT_EQ(surface->ControlCount(), 1);
    EXPECT_EQ(surface->Controls(0), a);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{a}));
    designer->LockControl(a, 0, LockModeOf(lmNoDelete));
    designer->DeleteSelectedControls();
    EXPECT_EQ(surface->ControlCount(), 0);
}

TEST_F(EngineTest, HandlesShowTheKindOfSelection) {
    // One colour whether the panel has the focus or not: only the kind of selection counts here.
    designer->SetHandleColor(16756912);
    designer->SetInactiveHandleColor(16756912);
    designer->SetMultySelectHandleColor(16756912);
    designer->SetLockedHandleColor(clSilver);
    OSKKey* a = AddKey("A", 10, 10);
    OSKKey* b = AddKey("B", 50, 10);
    designer->GetSelectedControls()->ClearExcept(a);
    TRecordingCanvas one;
    designer->PaintOverlay(*surface, one);
    EXPECT_EQ(one.Count('F', 16756912), 8) << "eight handles for one control";
    designer->GetSelectedControls()->Add(b);
    designer->LockControl(b, LockModeOf(lmNoMove), 0);
    TRecordingCanvas two;
    designer->PaintOverlay(*surface, two);
    EXPECT_EQ(two.Count('F', 16756912), 4) << "the corners of each of several";
    EXPECT_EQ(two.Count('F', clSilver), 4) << "a locked control's corners are grey";
}

TEST_F(EngineTest, TabWalksTheControlsAndEscapeSelectsTheSurface) {
    OSKKey* a = AddKey("A", 10, 10);
    OSKKey* b = AddKey("B", 50, 10);
    Key(0x09);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{a}));
    Key(0x09);
    Key(0x09);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{a}));
    Key(0x09, ssShift);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{b}));
    Key(0x1B);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{surface}));
}
}  // namespace
