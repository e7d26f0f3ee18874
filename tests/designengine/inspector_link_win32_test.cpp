// The engine and the inspector wired as the designer's window wires them: an edit in the
// inspector is one change and one undo step, a drag on the surface shows in the inspector.
#include "engine_fixture.h"

#include <windows.h>

#include "support/inspector/inspector_grid.h"
#include "support/inspector/inspector_win32.h"
#include "support/inspector/object_inspector.h"

namespace {
class EngineWithInspector : public EngineTest {
protected:
    EngineWithInspector() {
        InstallInspectorControls();
        inspector = new TObjectInspector(root);
        inspector->SetParent(root);
        inspector->SetBounds(410, 0, 90, 300);
        inspector->SetDesigner(designer);
        designer->OnChangeSelection = [this](TObject*) { inspector->SetControls(Selected()); };
        designer->OnChange = [this](TObject*) {
            ++changes;
            inspector->UpdateValues();
        };
    }
    std::string Shown(const std::string& path) const {
        const TInspectorRow* row = inspector->Grid().Rows().Find(path);
        return row && row->ValueShown ? row->Value : "(none)";
    }
    void TypeAndEnter(const std::wstring& text) {
        const HWND edit = static_cast<HWND>(inspector->Grid().InPlaceEdit().Handle());
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, WM_CHAR, VK_BACK, 1);
        for (wchar_t ch : text) SendMessageW(edit, WM_CHAR, ch, 1);
        SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
        SendMessageW(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
    }
    TObjectInspector* inspector;
};

TEST_F(EngineWithInspector, AnEditIsOneUndoStepAndADragShowsInTheInspector) {
    AddKey("A", 10, 10);
    AddKey("B", 50, 10);
    Settle();
    Click(15, 15);
    ASSERT_TRUE(inspector->SetFocusToProperty("Left"));
    TypeAndEnter(L"120");
    EXPECT_EQ(surface->Controls(0)->GetLeft(), 120);
    EXPECT_EQ(changes, 1);
    Drag(125, 15, 145, 35, ssAlt);
    EXPECT_EQ(Shown("Left"), "140");
    designer->Undo();
    EXPECT_EQ(Shown("Left"), "120") << "the inspector shows the key the undo brought back";
    designer->Undo();
    EXPECT_EQ(surface->Controls(0)->GetLeft(), 10);
}
}  // namespace
