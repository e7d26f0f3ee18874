// Design mode's wiring: the engine's changes and selection, the palette's insertions, the
// component list and the inspector.
#include "components/surface/design_panel.h"
#include "components/visual/logcombo/h_log_combo_box.h"
#include "components/visual/palette/bottons_tab.h"
#include "designer/engine/designer.h"
#include "designer/engine/designer_panel.h"
#include "designer/engine/selected_controls.h"
#include "keys/palette_table.h"
#include "main_form.h"
#include "support/design/property_editor.h"
#include "support/gdi/bitmap.h"
#include "support/inspector/object_inspector.h"

void TMainForm::designerChange(TObject*) {
    if (inDesignChange_) return;
    inDesignChange_ = true;
    try {
        DesignChanged();
    } catch (...) {
        inDesignChange_ = false;
        throw;
    }
    inDesignChange_ = false;
    inspector->UpdateValues();
}

void TMainForm::designerChangeSelection(TObject*) {
    const std::string active = inspector->GetActiveProperty();
    const std::vector<TControl*>& selected = designer->GetSelectedControls()->Controls();
    for (TControl* control : selected) SetKeyHost(control);
    inspector->SetControls(selected);
    inspector->CollapseAll();
    if (!active.empty()) inspector->SetFocusToProperty(active);
    if (bComp->GetItems()->Count() == 0 || bComp->GetItems()->Count() != DesignPlace->ControlCount() + 1)
        RebuildComponentList();
    bComp->SetItemIndex(selected.empty() ? -1 : bComp->IndexOfObject(selected.front()));
}

void TMainForm::designerControlInserting(TObject*, TClass& controlClass) {
    const int pressed = buttons->GetButtonIndex();
    controlClass = pressed >= 0 ? PaletteTable(pressed).Class : nullptr;
    buttons->SetButtonIndex(-1);
}

void TMainForm::designerControlInserted(TObject*, TControl* control) { SetKeyHost(control); }

void TMainForm::bCompChange(TObject*) {
    if (!IsDesignMode()) return;
    const int chosen = bComp->GetItemIndex();
    auto* control = chosen >= 0 ? dynamic_cast<TControl*>(bComp->Objects(chosen)) : nullptr;
    if (!control) return;
    designer->GetSelectedControls()->ClearExcept(control);
    DesignPanel->SetFocus();
}

void TMainForm::tbInspectorClose(TObject*, TCloseAction& action) { action = caHide; }

// The system headers make GetObject a macro.
#pragma push_macro("GetObject")
#undef GetObject
namespace {
// A TBitmap or HBitmap property that holds a picture: not empty, width and height non-zero.
bool HoldsPicture(TPropertyEditor& editor) {
    const TPropInfo& prop = editor.Prop();
    if (!prop.GetObject) return false;
    const auto* bitmap = dynamic_cast<const HBitmap*>(prop.GetObject(editor.Holder(0)));
    return bitmap && !bitmap->Empty();
}
}  // namespace
#pragma pop_macro("GetObject")

void TMainForm::inspectorGetCellParams(TObject*, TPropertyEditor* editor, TFont* font, TColor&) {
    if (!editor) return;
    const TTypeInfo& type = *editor->Prop().PropType;
    if (type.Kind == TTypeKind::tkSet) {
        font->SetColor(0x808000);
    } else if (type.Kind == TTypeKind::tkClass) {
        const std::string name = type.ClassType ? type.ClassType->ClassName() : "";
        if (name == "TBitmap" || name == "HBitmap") {
            const bool picture = HoldsPicture(*editor);
            font->SetColor(picture ? 0x800000 : 0xFF8080);
            if (!picture) font->SetStyle(font->GetStyle() + TFontStyles{fsBold});
        } else if (editor->GetAttributes().Contains(TPropertyAttribute::paSubProperties)) {
            font->SetStyle(font->GetStyle() + TFontStyles{fsBold});
        } else {
            font->SetColor(128);
        }
    }
}
