// The designer from outside: started with layouts, driven by its shortcuts and the mouse,
// its questions answered; what it saves is loaded by the keyboard and types.
#include "designer_process.h"

#include "keyboard_fixture.h"
#include "mouse_input.h"
#include "waiting.h"

namespace {
constexpr SIZE kSurface{200, 80};
constexpr SIZE kNewForm{400, 200};

class DesignerE2E : public KeyboardTest {
protected:
    void TearDown() override {
        if (designer.Process().Running()) {
            designer.Close(3000);
            designer.Process().Kill();
        }
        KeyboardTest::TearDown();
    }
    void StartDesigner(const std::vector<std::wstring>& arguments) {
        ASSERT_TRUE(designer.Start(folder.File(L"Morvane.exe"), arguments)) << "no designer window appeared";
    }
    // A layout of the surface's size with the character key A in its first cell.
    std::wstring WriteKeyLayout(const std::wstring& name, const std::vector<std::string>& extra = {}) {
        TTestLayout written(kSurface.cx, kSurface.cy);
        TLayoutControl key = CharacterKey(keys::A, 0, "a", 'A');
        key.Properties.insert(key.Properties.end(), extra.begin(), extra.end());
        written.Add(key);
        return WriteLayout(written, name);
    }
    // Drags key A of the surface by offset in design mode.
    void DragKeyBy(POINT offset, POINT from = CentreOfA()) {
        const POINT start = designer.SurfacePoint(kSurface, from);
        DragFromTo(start, POINT{start.x + offset.x, start.y + offset.y});
        Pause(300);
    }
    static POINT CentreOfA() {
        TTestLayout one(kSurface.cx, kSurface.cy);
        one.Add(CharacterKey(keys::A, 0, "a", 'A'));
        return one.Centre(keys::A);
    }

    // Selects the control at the surface point and types the value of one of its properties
    // into the inspector, found through the inspector's filter box.
    void SetProperty(POINT onControl, const std::string& name, const std::string& value) {
        ClickAt(designer.SurfacePoint(kNewForm, onControl));
        Pause(300);
        ClickAt(designer.InspectorFilterPoint());
        designer.Press(VK_ESCAPE);
        designer.Type(name);
        designer.Press(VK_DOWN);
        designer.Press(VK_HOME);
        designer.Press(VK_END, {VK_SHIFT});
        designer.Type(value);
        designer.Press(VK_RETURN);
    }
    // Answers the designer's save dialog with the path.
    bool SaveAs(const std::wstring& path) {
        HWND dialog = designer.WaitForDialog(L"Save OSK file...");
        if (!dialog || !(SetDlgItemTextW(dialog, 0x47C, path.c_str()) || SetDlgItemTextW(dialog, 0x480, path.c_str())))
            return false;
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        return WaitUntil([&] { return !ReadWholeFile(path).empty(); }, 3000);
    }

    TDesignerProcess designer;
};

TEST_F(DesignerE2E, StartsWithOneNewFormAndCtrlEAndTheDesignTabSwitchModes) {
    StartDesigner({});
    EXPECT_EQ(designer.TabCount(), 1);
    EXPECT_FALSE(designer.ShowsChildWithText(L"Object inspector"));
    designer.Press('E', {VK_CONTROL});
    EXPECT_TRUE(WaitUntil([&] { return designer.ShowsChildWithText(L"Object inspector"); }, 2000));
    designer.Press('E', {VK_CONTROL});
    EXPECT_TRUE(WaitUntil([&] { return !designer.ShowsChildWithText(L"Object inspector"); }, 2000));
    ClickAt(designer.ModeTabPoint(1));
    EXPECT_TRUE(WaitUntil([&] { return designer.ShowsChildWithText(L"Object inspector"); }, 2000)) << "the Design tab";
}

// A new user's first keyboard: drawn from the palette on the grid, its keys named in the
// inspector, aligned, saved as a new file, and typing in the keyboard.
TEST_F(DesignerE2E, AKeyboardDrawnFromThePaletteAndNamedInTheInspectorTypesInTheKeyboard) {
    StartDesigner({});
    designer.Press('E', {VK_CONTROL});
    designer.Press('G', {VK_CONTROL});
    // A character key, a non-localizable key and a modifier, dropped off the 8-pixel grid.
    const POINT drops[] = {{27, 42}, {107, 29}, {187, 52}};
    for (int i = 0; i < 3; ++i) {
        ClickAt(designer.PaletteButtonPoint(2 + i));
        ClickAt(designer.SurfacePoint(kNewForm, drops[i]));
        Pause(300);
    }
    const auto inside = [](POINT drop) { return POINT{drop.x + 6, drop.y + 6}; };
    SetProperty(inside(drops[0]), "KeyLabel", "a");
    SetProperty(inside(drops[1]), "KeyCode", "VK_BACK");
    SetProperty(inside(drops[2]), "KeyCode", "VK_SHIFT");
    ClickAt(designer.SurfacePoint(kNewForm, {390, 190}));
    designer.Press('A', {VK_CONTROL});
    designer.Press('T', {VK_CONTROL});
    designer.Press(VK_F2);
    const std::wstring path = folder.File(L"first.osk");
    ASSERT_TRUE(SaveAs(path)) << "F2 on a new form asks for its file";
    ASSERT_TRUE(designer.Close()) << "a saved form closes without a question";

    // The keys snapped up or left to the grid, then the last one up to the first one's top: the
    // point just inside each key's top left corner lies outside where it was dropped.
    const auto snapped = [](int v) { return (v + 4) / 8 * 8; };
    const auto onKey = [&](int i) {
        return keyboard.ScreenPoint(POINT{snapped(drops[i].x) + 1, snapped(drops[0].y) + 1});
    };
    layoutPath = path;
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    ClickAt(onKey(0));
    ClickAt(onKey(2));
    ClickAt(onKey(0));
    EXPECT_TRUE(target.WaitForText("aA")) << "the drawn key types, and the Shift key latches";
    ClickAt(onKey(1));
    EXPECT_TRUE(target.WaitForText("a")) << "VK_BACK erases";
}

TEST_F(DesignerE2E, AlignmentFromTheDesignPopupMovesTheKeysWhereTheKeyboardHasThem) {
    TTestLayout written(kSurface.cx, kSurface.cy);
    written.Add(CharacterKey(keys::A, 0, "a", 'A'));
    TLayoutControl b = CharacterKey(keys::B, 2, "b", 'B');
    OffsetRect(&b.Bounds, 0, 30);
    written.Add(b);
    const std::wstring path = WriteLayout(written, L"two.osk");
    StartDesigner({path});
    designer.Press('E', {VK_CONTROL});
    ClickAt(designer.SurfacePoint(kSurface, {kSurface.cx - 5, kSurface.cy - 5}));
    designer.Press('A', {VK_CONTROL});
    RightClickAt(designer.SurfacePoint(kSurface, written.Centre(keys::A)));
    designer.Press(VK_DOWN);
    designer.Press(VK_RETURN);
    HWND dialog = designer.WaitForDialog(L"Alignment...");
    ASSERT_NE(dialog, nullptr) << "the popup's first item opens the alignment dialog";
    ASSERT_TRUE(TDesignerProcess::ClickButton(dialog, L"Left"));
    ASSERT_TRUE(TDesignerProcess::ClickButton(dialog, L"&Ok"));
    designer.Press(VK_F2);
    ASSERT_TRUE(designer.Close()) << "saved, the form closes without a question";
    layoutPath = path;
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    const POINT movedB{written.Centre(keys::A).x, written.Centre(keys::B).y};
    ClickAt(keyboard.ScreenPoint(movedB));
    EXPECT_TRUE(target.WaitForText("b")) << "B moved left under A";
}

TEST_F(DesignerE2E, LayoutArgumentsOpenInOrderAndAnOpenOneIsSwitchedTo) {
    const std::wstring a = WriteKeyLayout(L"a.osk"), b = WriteKeyLayout(L"b.osk");
    StartDesigner({a, folder.File(L"Pendrel.exe"), b, a});
    EXPECT_EQ(designer.TabCount(), 2);
    EXPECT_EQ(designer.SelectedTab(), 0) << "naming a again switches back to it";
}

TEST_F(DesignerE2E, AKeyDraggedAndSavedWithF2IsAtItsNewPlaceInTheKeyboardAndTypes) {
    const std::wstring path = WriteKeyLayout(L"drawn.osk");
    const std::string before = ReadWholeFile(path);
    StartDesigner({path});
    designer.Press('E', {VK_CONTROL});
    DragKeyBy({100, 30});
    designer.Press(VK_F2);
    ASSERT_TRUE(WaitUntil([&] { return ReadWholeFile(path) != before && !ReadWholeFile(path).empty(); }, 3000));
    ASSERT_TRUE(designer.Close()) << "a saved form closes without a question";
    layoutPath = path;
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    const POINT moved{CentreOfA().x + 100, CentreOfA().y + 30};
    ClickAt(keyboard.ScreenPoint(moved));
    EXPECT_TRUE(target.WaitForText("a")) << "the key types at its new place";
}

TEST_F(DesignerE2E, AltF3OnAChangedFormAsksAndEachAnswerDoesWhatItSays) {
    const std::wstring a = WriteKeyLayout(L"a.osk"), b = WriteKeyLayout(L"b.osk");
    const std::string bBefore = ReadWholeFile(b), aBefore = ReadWholeFile(a);
    StartDesigner({a, b});
    designer.Press('E', {VK_CONTROL});
    DragKeyBy({60, 20});
    designer.Press(VK_F3, {VK_MENU});
    ASSERT_TRUE(designer.Answer(L"Data is changed...", L"Cancel"));
    EXPECT_TRUE(WaitUntil([&] { return designer.TabCount() == 2; }, 1000));
    designer.Press(VK_F3, {VK_MENU});
    ASSERT_TRUE(designer.Answer(L"Data is changed...", L"&No"));
    EXPECT_TRUE(WaitUntil([&] { return designer.TabCount() == 1; }, 2000));
    EXPECT_EQ(ReadWholeFile(b), bBefore);
    // Closing the current form shows the next one in test mode.
    designer.Press('E', {VK_CONTROL});
    DragKeyBy({60, 20});
    designer.Press(VK_F3, {VK_MENU});
    ASSERT_TRUE(designer.Answer(L"Data is changed...", L"&Yes"));
    EXPECT_TRUE(WaitUntil([&] { return designer.TabCount() == 0; }, 2000));
    EXPECT_NE(ReadWholeFile(a), aBefore) << "Yes saved the change";
}

TEST_F(DesignerE2E, F6ShiftF6AndTheWindowListSwitchForms) {
    StartDesigner({WriteKeyLayout(L"a.osk"), WriteKeyLayout(L"b.osk"), WriteKeyLayout(L"c.osk")});
    EXPECT_EQ(designer.SelectedTab(), 2);
    designer.Press(VK_F6);
    EXPECT_EQ(designer.SelectedTab(), 0) << "Next wraps to the first";
    designer.Press(VK_F6, {VK_SHIFT});
    EXPECT_EQ(designer.SelectedTab(), 2) << "Prev wraps to the last";
    designer.Press('2', {VK_MENU});
    EXPECT_EQ(designer.SelectedTab(), 1);
}

TEST_F(DesignerE2E, ReadErrorsOfferYesToAllAndClosingAsksForEachChangedForm) {
    const std::vector<std::string> bad{"NoSuchProperty = 1"};
    const std::wstring first = WriteKeyLayout(L"first.osk", bad), second = WriteKeyLayout(L"second.osk", bad);
    ASSERT_TRUE(designer.Launch(folder.File(L"Morvane.exe"), {first, second}));
    for (int i = 0; i < 2; ++i) {
        HWND question = designer.WaitForDialog(L"Error loading form data...", 15000);
        ASSERT_NE(question, nullptr) << "load " << i;
        EXPECT_TRUE(TDesignerProcess::ClickButton(question, L"Yes to &All"));
    }
    ASSERT_TRUE(designer.WaitForWindow());
    EXPECT_EQ(designer.TabCount(), 2);
    PostMessageW(designer.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(designer.Answer(L"Data is changed...", L"&No")) << "the first changed form";
    EXPECT_TRUE(designer.Answer(L"Data is changed...", L"&No")) << "the second changed form";
    EXPECT_TRUE(designer.Process().WaitForEnd(5000));
}
}  // namespace
