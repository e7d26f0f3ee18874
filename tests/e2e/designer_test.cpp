// The designer from outside: started with layouts, driven by its shortcuts and the mouse,
// its questions answered; what it saves is loaded by the keyboard and types.
#include "designer_process.h"
#include "keyboard_fixture.h"
#include "mouse_input.h"
#include "waiting.h"

namespace {
constexpr SIZE kSurface{200, 80};

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
