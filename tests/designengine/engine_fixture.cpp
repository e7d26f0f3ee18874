#include "engine_fixture.h"

#include "components/persistence/control_io.h"
#include "keys/palette_table.h"
#include "support/framework/stream.h"

EngineTest::EngineTest() {
    RegisterLayoutClasses();
    root = MakeRootForm();
    root->SetBounds(50, 50, 500, 400);
    panel = new TELDesignPanel(root);
    panel->SetParent(root);
    panel->SetBounds(10, 10, 400, 300);
    surface = new HDesignPanel(root);
    surface->SetName("DesignPlace");
    surface->SetBounds(7, 9, 400, 300);
    surface->SetBorderStyle(HBOX_None);
    designer = new TELDesigner(root);
    designer->SetDesignControl(surface);
    designer->SetDesignPanel(panel);
    designer->SetClipboardFormat("OSKComponents");
    designer->OnChange = [this](TObject*) { ++changes; };
    designer->OnChangeSelection = [this](TObject*) { ++selectionChanges; };
    ShowRootForm(*root);
    designer->SetActive(true);
}

EngineTest::~EngineTest() { delete root; }

OSKKey* EngineTest::AddKey(const std::string& name, int left, int top, int width, int height) {
    auto* key = new OSKKey(surface);
    key->SetName(name);
    key->SetParent(surface);
    key->SetBounds(left, top, width, height);
    key->SetDesigning(true);
    return key;
}

TEdit* EngineTest::AddEdit(const std::string& name, int left, int top) {
    auto* edit = new TEdit(surface);
    edit->SetName(name);
    edit->SetParent(surface);
    edit->SetBounds(left, top, 80, 21);
    edit->SetDesigning(true);
    return edit;
}

void EngineTest::Settle() {
    designer->Modified();
    changes = selectionChanges = 0;
}

std::string EngineTest::Text() {
    HControlIO io(nullptr);
    io.SetControl(surface);
    io.SetTextOutput(true);
    TMemoryStream text;
    io.Save(&text);
    return {reinterpret_cast<const char*>(text.Memory()), static_cast<size_t>(text.GetSize())};
}

void EngineTest::Press(int x, int y, TShiftState shift, TMouseButton button) {
    SendMouse(*this, TInputKind::MouseDown, button, {x, y}, shift, *surface, *designer);
}
void EngineTest::MoveTo(int x, int y, TShiftState shift) {
    SendMouse(*this, TInputKind::MouseMove, mbLeft, {x, y}, shift, *surface, *designer);
}
void EngineTest::Release(int x, int y, TShiftState shift, TMouseButton button) {
    SendMouse(*this, TInputKind::MouseUp, button, {x, y}, shift, *surface, *designer);
}
void EngineTest::Click(int x, int y, TShiftState shift) {
    Press(x, y, shift);
    Release(x, y, shift);
}
void EngineTest::Drag(int fromX, int fromY, int toX, int toY, TShiftState shift) {
    Press(fromX, fromY, shift);
    MoveTo((fromX + toX) / 2, (fromY + toY) / 2, shift);
    MoveTo(toX, toY, shift);
    Release(toX, toY, shift);
}
void EngineTest::Key(uint32_t key, TShiftState shift) { SendKey(key, shift, *panel, *designer); }

int TRecordingCanvas::Count(char kind, TColor color) const {
    int count = 0;
    for (const TShape& shape : Shapes)
        if (shape.Kind == kind && shape.Color == color) ++count;
    return count;
}
