#include "support/framework/class_registry.h"

#include "configuration_dialog.h"

#include <memory>

#include "components/config/storage_link.h"
#include "components/visual/colorpicker/color_picker_button.h"
#include "designer/designer_settings.h"
#include "support/controls/button.h"
#include "support/controls/check_box.h"
#include "support/controls/form_resource.h"
#include "support/controls/page_control.h"
#include "support/controls/up_down.h"
#include "support/framework/std_controls.h"

PENDREL_IMPLEMENT_CLASS(TConfiguration)

void TConfiguration::DeclareProperties(TClassBuilder<TConfiguration>& c) {
    using F = TConfiguration;
    c.Component("pages", &F::pages);
    c.Component("tsApplication", &F::tsApplication);
    c.Component("tsDesigner", &F::tsDesigner);
    c.Component("tsKeyboard", &F::tsKeyboard);
    c.Component("chAutosave", &F::chAutosave);
    c.Component("chCompress", &F::chCompress);
    c.Component("chTextForm", &F::chTextForm);
    c.Component("chAutoNewForm", &F::chAutoNewForm);
    c.Component("chDoReopen", &F::chDoReopen);
    c.Component("chGridVisible", &F::chGridVisible);
    c.Component("chGridAlign", &F::chGridAlign);
    c.Component("udGridWidth", &F::udGridWidth);
    c.Component("udGridHeight", &F::udGridHeight);
    c.Component("cpGridBk", &F::cpGridBk);
    c.Component("cpGridColor", &F::cpGridColor);
    c.Component("udWidth", &F::udWidth);
    c.Component("udHeight", &F::udHeight);
    c.Component("chLRDiff", &F::chLRDiff);
    c.Component("chIgnoreCA", &F::chIgnoreCA);
    c.Component("btnOk", &F::btnOk);
    c.Component("btnCancel", &F::btnCancel);
}

namespace {
// The page shown last, for the next opening in this run.
int rememberedPage = 0;
}  // namespace

TConfiguration::TConfiguration(TComponent* owner) : TModalForm(owner) {}

void TConfiguration::LoadFrom(const HStorageLink& settings) {
    chAutosave->SetChecked(settings.Read(kAutosave, kDefaultAutosave));
    chCompress->SetChecked(settings.Read(kCompress, kDefaultCompress));
    chTextForm->SetChecked(settings.Read(kTextForm, kDefaultTextForm));
    chAutoNewForm->SetChecked(settings.Read(kAutoNewForm, kDefaultAutoNewForm));
    chDoReopen->SetChecked(settings.Read(kDoReopen, kDefaultDoReopenInDialog));
    chGridAlign->SetChecked(settings.Read(kGridAlign, kDefaultGridAlign));
    chGridVisible->SetChecked(settings.Read(kGridVisible, kDefaultGridVisible));
    udGridWidth->SetPosition(settings.Read(kGridWidth, kDefaultGridStep));
    udGridHeight->SetPosition(settings.Read(kGridHeight, kDefaultGridStep));
    cpGridBk->SetSelectedColor(settings.ReadColor(kGridBk, kDefaultGridBk));
    cpGridColor->SetSelectedColor(settings.ReadColor(kGridColor, kDefaultGridColor));
    udWidth->SetPosition(settings.Read(kOSKWidth, kDefaultOSKWidth));
    udHeight->SetPosition(settings.Read(kOSKHeight, kDefaultOSKHeight));
    chLRDiff->SetChecked(settings.Read(kLRDiff, kDefaultLRDiff));
    chIgnoreCA->SetChecked(settings.Read(kIgnoreCA, kDefaultIgnoreCA));
}

void TConfiguration::StoreTo(HStorageLink& settings) const {
    settings.Write(kAutosave, chAutosave->GetChecked());
    settings.Write(kCompress, chCompress->GetChecked());
    settings.Write(kTextForm, chTextForm->GetChecked());
    settings.Write(kAutoNewForm, chAutoNewForm->GetChecked());
    settings.Write(kDoReopen, chDoReopen->GetChecked());
    settings.Write(kGridAlign, chGridAlign->GetChecked());
    settings.Write(kGridVisible, chGridVisible->GetChecked());
    settings.Write(kGridWidth, udGridWidth->GetPosition());
    settings.Write(kGridHeight, udGridHeight->GetPosition());
    settings.WriteColor(kGridBk, cpGridBk->GetSelectedColor());
    settings.WriteColor(kGridColor, cpGridColor->GetSelectedColor());
    settings.Write(kOSKWidth, udWidth->GetPosition());
    settings.Write(kOSKHeight, udHeight->GetPosition());
    settings.Write(kLRDiff, chLRDiff->GetChecked());
    settings.Write(kIgnoreCA, chIgnoreCA->GetChecked());
}

bool RunConfiguration(TComponent* owner, HStorageLink& settings) {
#pragma push_macro("RegisterClass")
#undef RegisterClass
    RegisterClass(TConfiguration::StaticClass());
    RegisterClass(TColorPickerButton::StaticClass());
#pragma pop_macro("RegisterClass")
    const std::unique_ptr<TConfiguration> dialog = CreateForm<TConfiguration>(owner, nullptr);
    dialog->pages->SetActivePageIndex(rememberedPage);
    dialog->LoadFrom(settings);
    if (dialog->ShowModal() != mrOk) return false;
    dialog->StoreTo(settings);
    rememberedPage = dialog->pages->GetActivePageIndex();
    return true;
}
