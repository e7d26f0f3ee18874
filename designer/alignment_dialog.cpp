#include "support/framework/class_registry.h"

#include "alignment_dialog.h"

#include "support/controls/button.h"
#include "support/controls/form_resource.h"
#include "support/controls/radio_group.h"

PENDREL_IMPLEMENT_CLASS(TRTDAlignment)

void TRTDAlignment::DeclareProperties(TClassBuilder<TRTDAlignment>& c) {
    c.Component("cbH", &TRTDAlignment::cbH);
    c.Component("cbV", &TRTDAlignment::cbV);
    c.Component("btnOk", &TRTDAlignment::btnOk);
    c.Component("btnCancel", &TRTDAlignment::btnCancel);
}

TRTDAlignment::TRTDAlignment(TComponent* owner) : TModalForm(owner) {}

TRTDAlignment* CreateAlignmentDialog(TComponent* owner) {
#pragma push_macro("RegisterClass")
#undef RegisterClass
    RegisterClass(TRTDAlignment::StaticClass());
#pragma pop_macro("RegisterClass")
    return CreateForm<TRTDAlignment>(owner, nullptr).release();
}

bool AskAlignment(TRTDAlignment& dialog, int& horizontal, int& vertical) {
    dialog.cbH->SetItemIndex(horizontal);
    dialog.cbV->SetItemIndex(vertical);
    if (dialog.ShowModal() != mrOk) return false;
    horizontal = dialog.cbH->GetItemIndex();
    vertical = dialog.cbV->GetItemIndex();
    return true;
}
