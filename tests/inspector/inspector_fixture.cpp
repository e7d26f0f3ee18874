#include "inspector_fixture.h"

PENDREL_IMPLEMENT_CLASS(TSampleKey)

void TSampleKey::DeclareProperties(TClassBuilder<TSampleKey>& c) {
    c.Property("Caption", &TSampleKey::GetCaption, &TSampleKey::SetCaption);
    c.Property("Color", &TSampleKey::GetKeyColor, &TSampleKey::SetKeyColor).Type(ColorTypeInfo());
    c.Property("Count", &TSampleKey::GetCount, &TSampleKey::SetCount);
    c.Property("Font", &TSampleKey::GetFont, &TSampleKey::SetFont);
    c.Property("Side", &TSampleKey::GetSide, &TSampleKey::SetSide);
    c.Property("Buddy", &TSampleKey::GetBuddy, &TSampleKey::SetBuddy);
    c.Property("Anchors", &TSampleKey::GetAnchors, &TSampleKey::SetAnchors);
}

PENDREL_IMPLEMENT_CLASS(TOtherKey)

void TOtherKey::DeclareProperties(TClassBuilder<TOtherKey>& c) {
    c.Property("Caption", &TOtherKey::GetCaption, &TOtherKey::SetCaption);
    c.Property("Count", &TOtherKey::GetCount, &TOtherKey::SetCount);
}

InspectorFixture::InspectorFixture() {
    SetUserLanguage(TUserLanguage::English);
    InstallStandardControls();
    InstallInspectorControls();
    form.SetBounds(60, 60, 340, 520);
    form.SetCaption("Inspector");
    inspector = new TObjectInspector(&form);
    inspector->SetBounds(0, 0, 320, 480);
    inspector->SetParent(&form);
    inspector->SetDesigner(&designer);
    root.SetName("Root");
    first = new TSampleKey(&root);
    first->SetName("First");
    second = new TSampleKey(&root);
    second->SetName("Second");
    other = new TOtherKey(&root);
    other->SetName("Other");
    form.Show();
    ProcessMessages();
}

InspectorFixture::~InspectorFixture() { inspector->SetControls(std::vector<TComponent*>{}); }

void InspectorFixture::Activate(const std::string& path) {
    ASSERT_TRUE(inspector->SetFocusToProperty(path)) << path;
    ASSERT_EQ(inspector->GetActiveProperty(), path);
}

void InspectorFixture::Type(const std::wstring& text, HWND into) {
    const HWND wnd = into ? into : EditWnd();
    SendMessageW(wnd, EM_SETSEL, 0, -1);
    SendMessageW(wnd, WM_CHAR, VK_BACK, 1);
    for (wchar_t ch : text) SendMessageW(wnd, WM_CHAR, ch, 1);
}

void InspectorFixture::Press(UINT key, HWND into) {
    const HWND wnd = into ? into : EditWnd();
    SendMessageW(wnd, WM_KEYDOWN, key, 1);
    SendMessageW(wnd, WM_KEYUP, key, 0xC0000001);
}

void InspectorFixture::Click(HWND wnd, TPoint point, bool twice) {
    const LPARAM at = MAKELPARAM(point.X, point.Y);
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(wnd, WM_LBUTTONUP, 0, at);
    if (!twice) return;
    SendMessageW(wnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(wnd, WM_LBUTTONUP, 0, at);
}

std::string InspectorFixture::ErrorShownBy(const std::function<void()>& action) {
    TDialogRobot robot;
    TShownDialog shown;
    robot.Inspect(shown).Click("OK");
    action();
    std::string texts;
    for (const std::string& text : shown.Texts) texts += text;
    return robot.SawDialog() ? texts : "(no message box)";
}

std::string InspectorFixture::ValueOf(const std::string& path) const {
    const TInspectorRow* row = Grid().Rows().Find(path);
    if (!row) return "(no row)";
    return row->ValueShown ? row->Value : "(blank)";
}

std::vector<std::string> InspectorFixture::VisiblePaths() const {
    std::vector<std::string> paths;
    for (const TInspectorRow* row : Grid().Rows().Visible()) paths.push_back(row->Path);
    return paths;
}
