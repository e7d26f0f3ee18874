// The commands of the menus, identified by their tags, and the checker that sets each item's
// state just before its menu shows or its shortcut fires.
#include "components/config/storage_link.h"
#include "designer/alignment_dialog.h"
#include "components/surface/design_panel.h"
#include "components/visual/dock97/h_tool_window97.h"
#include "designer/designer_settings.h"
#include "designer/engine/designer.h"
#include "designer/engine/designer_panel.h"
#include "designer/engine/selected_controls.h"
#include "components/visual/menus/h_menu_item.h"
#include "components/visual/menus/h_popup_menu.h"
#include "support/design/component_editor.h"
#include "main_form.h"
#include "support/framework/shortcut.h"
#include "support/lib/format.h"
#include "support/menus/menu_item.h"

namespace {
// Tags of the commands.
enum : int {
    kSave = 100, kSaveAs = 101,
    kDesign = 200, kCut = 201, kCopy = 202, kPaste = 203, kDelete = 204, kSelectAll = 205, kToFront = 206,
    kToBack = 207, kAlignMenu = 208, kAlignFirst = 209, kAlignLast = 214, kAlignDialog = 215, kSnapGrid = 216,
    kDuplicate = 217, kAlignElement = 218, kLockFirst = 220, kLockLast = 224,
    kUndo = 260, kRedo = 261,
    kPalette = 301, kObjectInspector = 303,
    kCloseForm = 400, kNextForm = 401, kPrevForm = 402, kCloseAll = 403, kWindowSeparator = 450, kWindowFirst = 451,
    kWindowLast = 459,
};
constexpr TShortCut kAltShortCut = 0x8000;
}  // namespace

bool TMainForm::HasDesignFocus() const {
    return IsDesignMode() && DesignPanel->Focused();
}

bool TMainForm::HasRealSelection() const {
    const TELDesignerSelectedControls* selection = designer->GetSelectedControls();
    return selection->GetCount() > 0 && selection->GetItems(0) != DesignPlace;
}

void TMainForm::idMenuChecker(TObject*, TMenuItem* item) {
    const int tag = item->GetTag();
    const TELDesignerSelectedControls* selection = designer->GetSelectedControls();
    const bool current = CurrentForm() != nullptr;
    const bool focus = HasDesignFocus(), real = HasRealSelection();
    if (tag == kSave) item->SetEnabled(current && (CurrentForm()->Modified || !CurrentForm()->HasFile));
    else if (tag == kSaveAs || (tag >= kCloseForm && tag <= kPrevForm)) item->SetEnabled(current);
    else if (tag == kCloseAll) item->SetEnabled(FormCount() > 0);
    else if (tag == kWindowSeparator) item->SetVisible(FormCount() > 0);
    else if (tag >= kWindowFirst && tag <= kWindowLast) {
        const int i = tag - kWindowFirst;
        item->SetVisible(i < FormCount());
        if (i < FormCount()) {
            item->SetCaption(Message("%d. %s", i + 1, FormCaption(Form(i)).c_str()));
            item->SetShortCut(static_cast<TShortCut>(kAltShortCut | ('1' + i)));
        }
    } else if (tag == kDesign) {
        item->SetEnabled(current);
        item->SetCaption(IsDesignMode() ? "Запустить" : "Редактировать");
    } else if (tag == kCut) item->SetEnabled(focus && designer->CanCutToClipboard());
    else if (tag == kCopy || tag == kDuplicate) item->SetEnabled(focus && designer->CanCopyToClipboard());
    else if (tag == kPaste) item->SetEnabled(focus && designer->CanPasteFromClipboard());
    else if (tag == kSelectAll) item->SetEnabled(focus);
    else if (tag == kDelete || tag == kToFront || tag == kToBack || tag == kAlignMenu || tag == kAlignDialog ||
             tag == kAlignElement)
        item->SetEnabled(focus && real);
    else if (tag >= kAlignFirst && tag <= kAlignLast) item->SetEnabled(focus && real && selection->GetCount() >= 2);
    else if (tag == kSnapGrid) item->SetChecked(designer->GetSnapToGrid());
    else if (tag >= kLockFirst && tag <= kLockLast) {
        item->SetEnabled(IsDesignMode() && selection->GetCount() > 0);
        TELDesignerLockMode all = 0;
        for (TControl* control : selection->Controls())
            if (control != DesignPlace) all |= designer->GetLockMode(control);
        item->SetChecked(item->GetEnabled() && (all & LockModeOf(static_cast<TELDesignerLockKind>(tag - kLockFirst))));
    } else if (tag == kUndo) item->SetEnabled(focus && designer->CanUndo());
    else if (tag == kRedo) item->SetEnabled(focus && designer->CanRedo());
    else if (tag == kPalette) item->SetChecked(tbPalette->GetVisible());
    else if (tag == kObjectInspector) {
        item->SetEnabled(IsDesignMode());
        item->SetChecked(tbInspector->GetVisible());
    }
}

void TMainForm::idECut(TObject*) {
    if (IsDesignMode()) designer->CutToClipboard();
}

void TMainForm::idECopy(TObject*) {
    if (IsDesignMode()) designer->CopyToClipboard();
}

void TMainForm::idEPaste(TObject*) {
    if (IsDesignMode()) designer->PasteFromClipboard();
}

void TMainForm::idEDel(TObject*) {
    if (IsDesignMode()) designer->DeleteSelectedControls();
}

void TMainForm::idESelAll(TObject*) {
    if (!IsDesignMode()) return;
    designer->SelectAll();
    designer->GetSelectedControls()->Remove(DesignPlace);
}

void TMainForm::idAToFront(TObject*) {
    if (IsDesignMode()) designer->GetSelectedControls()->BringToFront();
}

void TMainForm::idAToBack(TObject*) {
    if (IsDesignMode()) designer->GetSelectedControls()->SendToBack();
}

void TMainForm::Align(int horizontal, int vertical) {
    if (IsDesignMode()) designer->GetSelectedControls()->Align(horizontal, vertical);
}

void TMainForm::idALeft(TObject*) { Align(1, 0); }
void TMainForm::idATop(TObject*) { Align(0, 1); }
void TMainForm::idARight(TObject*) { Align(2, 0); }
void TMainForm::idABottom(TObject*) { Align(0, 2); }
void TMainForm::idAVCenter(TObject*) { Align(0, 4); }
void TMainForm::idAHCenter(TObject*) { Align(4, 0); }

void TMainForm::idAlign(TObject*) {
    if (!IsDesignMode()) return;
    // One dialog for the run, opened on "Do not change" each time.
    if (!alignment_) alignment_ = CreateAlignmentDialog(this);
    int horizontal = 0, vertical = 0;
    if (AskAlignment(*alignment_, horizontal, vertical)) designer->GetSelectedControls()->Align(horizontal, vertical);
}

void TMainForm::idASnapGrid(TObject*) {
    designer->SetSnapToGrid(!designer->GetSnapToGrid());
    if (link_) link_->Write(kGridAlign, designer->GetSnapToGrid());
}

void TMainForm::mnuDupClick(TObject*) {
    if (!HasDesignFocus() || !designer->CanCopyToClipboard()) return;
    designer->CopyToClipboard();
    designer->PasteFromClipboard();
}

void TMainForm::idAGrid(TObject*) {
    if (IsDesignMode()) designer->GetSelectedControls()->AlignToGrid();
}

void TMainForm::idEUndo(TObject*) {
    if (IsDesignMode() && designer->CanUndo()) designer->Undo();
}

void TMainForm::idERedo(TObject*) {
    if (IsDesignMode() && designer->CanRedo()) designer->Redo();
}

void TMainForm::ToggleLock(int kind) {
    if (!IsDesignMode()) return;
    const TELDesignerLockMode mode = LockModeOf(static_cast<TELDesignerLockKind>(kind));
    std::vector<TControl*> controls;
    for (TControl* control : designer->GetSelectedControls()->Controls())
        if (control != DesignPlace) controls.push_back(control);
    TELDesignerLockMode all = 0;
    for (TControl* control : controls) all |= designer->GetLockMode(control);
    for (TControl* control : controls)
        designer->LockControl(control, (all & mode) ? 0 : mode, (all & mode) ? mode : 0);
}

void TMainForm::N14Click(TObject*) { ToggleLock(lmNoMove); }
void TMainForm::N16Click(TObject*) { ToggleLock(lmNoResize); }
void TMainForm::N17Click(TObject*) { ToggleLock(lmNoDelete); }
void TMainForm::N18Click(TObject*) { ToggleLock(lmNoInsertIn); }
void TMainForm::N19Click(TObject*) { ToggleLock(lmNoCopy); }

namespace {
constexpr int kFirstVerbTag = 500;

// The component editor of the engine's default selected control; null outside design mode.
std::unique_ptr<TComponentEditor> DefaultControlEditor(TELDesigner& designer, TELDesignPanel& panel) {
    TControl* control = designer.GetActive() ? designer.GetSelectedControls()->GetDefaultControl() : nullptr;
    return control ? GetComponentEditor(*control, panel.GetFormDesigner()) : nullptr;
}
}  // namespace

void TMainForm::pmDesignPopup(TObject*) {
    TMenuItem* items = pmDesign->Items();
    // The verbs of the last popup go; the fixed items stay.
    while (items->Count() > 0 && items->Items(0)->GetTag() != firstPopupTag_) delete items->Items(0);
    const std::unique_ptr<TComponentEditor> editor = DefaultControlEditor(*designer, *DesignPanel);
    if (!editor || !IsDesignMode()) return;
    for (int i = 0, at = 0; i < editor->GetVerbCount(); ++i) {
        TVerbItem verb{editor->GetVerb(i)};
        if (verb.Caption.empty()) continue;
        editor->PrepareItem(i, verb);
        auto* item = new HMenuItem(pmDesign);
        item->SetCaption(verb.Caption);
        item->SetEnabled(verb.Enabled);
        item->SetChecked(verb.Checked);
        item->SetVisible(verb.Visible);
        item->SetTag(kFirstVerbTag + i);
        item->OnClick = [this](TObject* sender) { idVerbClick(sender); };
        items->Insert(at++, item);
    }
}

void TMainForm::idVerbClick(TObject* sender) {
    auto* item = dynamic_cast<TComponent*>(sender);
    if (!item || item->GetTag() < kFirstVerbTag || !IsDesignMode()) return;
    if (const std::unique_ptr<TComponentEditor> editor = DefaultControlEditor(*designer, *DesignPanel))
        editor->ExecuteVerb(item->GetTag() - kFirstVerbTag);
}
