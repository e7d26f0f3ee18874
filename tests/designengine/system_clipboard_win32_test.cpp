// The system clipboard between the designer and other programs, and the focus the handles show.
#include "engine_fixture.h"

#include <windows.h>

#include <string>

namespace {
std::string ClipboardAnsiText() {
    if (!OpenClipboard(nullptr)) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void PutPlainText(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

TEST_F(EngineTest, CopiedControlsAreReadableTextAndTextFromAnEditorPastes) {
    OSKKey* key = AddKey("Enter", 10, 10);
    key->SetKeyLabel("E");
    designer->GetSelectedControls()->ClearExcept(key);
    designer->CopyToClipboard();
    const std::string plain = ClipboardAnsiText();
    EXPECT_NE(plain.find("object Enter: OSKKey\r\n"), std::string::npos) << plain;

    PutPlainText(L"object Typed: OSKKey\r\n  Left = 100\r\n  Top = 60\r\n  KeyLabel = '\u0416'\r\nend\r\n");
    ASSERT_TRUE(designer->CanPasteFromClipboard());
    designer->PasteFromClipboard();
    ASSERT_EQ(surface->ControlCount(), 2);
    auto* typed = dynamic_cast<OSKKey*>(surface->Controls(1));
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->GetName(), "Typed");
    EXPECT_EQ(typed->GetLeft(), 100);
    EXPECT_EQ(Selected(), (std::vector<TControl*>{typed}));
}

TEST_F(EngineTest, ThePointerOverAHandleShowsWhichWayItSizes) {
    AddKey("A", 10, 10, 40, 30);
    Click(20, 20);
    const HWND wnd = static_cast<HWND>(surface->Handle());
    POINT handle{30, 39};  // the middle of the bottom edge
    ClientToScreen(wnd, &handle);
    SetCursorPos(handle.x, handle.y);
    SendMessageW(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_SIZENS)));
}

TEST_F(EngineTest, HandlesTakeTheHandleColourWhileThePanelHasTheFocus) {
    designer->SetHandleColor(4227200);
    designer->SetInactiveHandleColor(16756912);
    AddKey("A", 10, 10);
    SetForegroundWindow(static_cast<HWND>(root->Handle()));
    SetFocus(static_cast<HWND>(root->Handle()));
    designer->SetActive(false);
    surface->SetParent(root);
    designer->SetActive(true);
    EXPECT_TRUE(panel->Focused()) << "the keys act on the design at once";
    SetFocus(static_cast<HWND>(root->Handle()));
    Click(15, 15);  // a press gives the panel the focus too
    ASSERT_TRUE(panel->Focused());
    TRecordingCanvas focused;
    designer->PaintOverlay(*surface, focused);
    EXPECT_EQ(focused.Count('F', 4227200), 8);
    SetFocus(static_cast<HWND>(root->Handle()));
    TRecordingCanvas unfocused;
    designer->PaintOverlay(*surface, unfocused);
    EXPECT_EQ(unfocused.Count('F', 16756912), 8);
}
}  // namespace
