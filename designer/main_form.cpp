// The main window's members as the stored form names them, its start-up and its settings.
// The class registry before any system header, whose RegisterClass is a macro.
#include "support/framework/class_registry.h"

#include "components/config/cfg_storage.h"
#include "components/config/storage_link.h"
#include "components/persistence/control_io.h"
#include "components/surface/design_grid.h"
#include "components/surface/design_panel.h"
#include "components/visual/dock97/dock97.h"
#include "components/visual/dock97/h_tool_window97.h"
#include "components/visual/exceptions/exception_dialog.h"
#include "components/visual/logcombo/h_log_combo_box.h"
#include "components/visual/menus/h_main_menu.h"
#include "components/visual/menus/h_menu_item.h"
#include "components/visual/menus/h_popup_menu.h"
#include "components/visual/palette/bottons_tab.h"
#include "components/visual/toolwindow/h_window.h"
#include "components/visual/xpmenu/xp_menu.h"
#include "components/editors/multiline_property.h"
#include "designer/designer_settings.h"
#include "designer/editors/key_code_editors.h"
#include "designer/palette_images.h"
#include "designer/engine/designer.h"
#include "designer/engine/designer_grid.h"
#include "designer/engine/designer_panel.h"
#include "keys/osk_custom_key.h"
#include "keys/palette_table.h"
#include "support/controls/bevel.h"
#include "support/controls/form_resource.h"
#include "support/controls/splitter.h"
#include "support/controls/tab_control.h"
#include "support/controls/tab_set.h"
#include "support/dialogs/open_dialog.h"
#include "support/design/property_editor_registry.h"
#include "support/inspector/object_inspector.h"
#include "support/inspector/property_help.h"
#include "support/lib/command_line.h"
#include "support/lib/format.h"
#include "support/lib/paths.h"
#include "support/menus/image_list.h"
#include "support/lib/config/config_tree.h"
#include "support/win32/application.h"
#include "support/win32/file_exists.h"
#include "support/win32/timer.h"
#include "support/win32/wide_text.h"
#include "components/visual/messages/hi_info.h"
// Last: it brings the system headers.
#include "main_form.h"

PENDREL_IMPLEMENT_CLASS(TMainForm)

void TMainForm::DeclareProperties(TClassBuilder<TMainForm>& c) {
    using F = TMainForm;
    c.Component("mnuMain", &F::mnuMain);
    c.Component("pmDesign", &F::pmDesign);
    c.Component("XPMenu", &F::XPMenu);
    c.Component("pgForms", &F::pgForms);
    c.Component("pgState", &F::pgState);
    c.Component("DesPanel", &F::DesPanel);
    c.Component("DesignPlace", &F::DesignPlace);
    c.Component("DesignPanel", &F::DesignPanel);
    c.Component("designer", &F::designer);
    c.Component("cIO", &F::cIO);
    c.Component("cfg", &F::cfg);
    c.Component("open", &F::open);
    c.Component("save", &F::save);
    c.Component("tbInspector", &F::tbInspector);
    c.Component("bComp", &F::bComp);
    c.Component("inspector", &F::inspector);
    c.Component("Splitter1", &F::Splitter1);
    c.Component("PropertyHelp1", &F::PropertyHelp1);
    c.Component("DockTop", &F::DockTop);
    c.Component("DockBottom", &F::DockBottom);
    c.Component("tbPalette", &F::tbPalette);
    c.Component("buttons", &F::buttons);
    c.Component("CompImages", &F::CompImages);
    c.Component("keyTimer", &F::keyTimer);
    c.Component("HExceptionDialog1", &F::HExceptionDialog1);
    c.Method("New1Click", &F::New1Click);
    c.Method("Open1Click", &F::Open1Click);
    c.Method("idSaveClick", &F::idSaveClick);
    c.Method("idSaveAsClick", &F::idSaveAsClick);
    c.Method("Exit1Click", &F::Exit1Click);
    c.Method("Close1Click", &F::Close1Click);
    c.Method("Next1Click", &F::Next1Click);
    c.Method("Prev1Click", &F::Prev1Click);
    c.Method("idCloseAllClick", &F::idCloseAllClick);
    c.Method("idMRUClick", &F::idMRUClick);
    c.Method("Design1Click", &F::Design1Click);
    c.Method("BasePanelChange", &F::BasePanelChange);
    c.Method("pgFormsMouseMove", &F::pgFormsMouseMove);
    c.Method("pgStateChange", &F::pgStateChange);
    c.Method("DesignPlaceResize", &F::DesignPlaceResize);
    c.Method("keyTimerTimer", &F::keyTimerTimer);
    c.Method("cIOReadError", &F::cIOReadError);
    c.Method("cIOComponentCreate", &F::cIOComponentCreate);
    c.Method("cfgSave", &F::cfgSave);
    c.Method("designerChange", &F::designerChange);
    c.Method("designerChangeSelection", &F::designerChangeSelection);
    c.Method("designerControlInserting", &F::designerControlInserting);
    c.Method("designerControlInserted", &F::designerControlInserted);
    c.Method("idMenuChecker", &F::idMenuChecker);
    c.Method("tbInspectorClose", &F::tbInspectorClose);
    c.Method("bCompChange", &F::bCompChange);
    c.Method("inspectorGetCellParams", &F::inspectorGetCellParams);
    c.Method("idECut", &F::idECut);
    c.Method("idECopy", &F::idECopy);
    c.Method("idEPaste", &F::idEPaste);
    c.Method("idEDel", &F::idEDel);
    c.Method("idESelAll", &F::idESelAll);
    c.Method("idAToFront", &F::idAToFront);
    c.Method("idAToBack", &F::idAToBack);
    c.Method("idALeft", &F::idALeft);
    c.Method("idATop", &F::idATop);
    c.Method("idARight", &F::idARight);
    c.Method("idABottom", &F::idABottom);
    c.Method("idAVCenter", &F::idAVCenter);
    c.Method("idAHCenter", &F::idAHCenter);
    c.Method("idAlign", &F::idAlign);
    c.Method("pmDesignPopup", &F::pmDesignPopup);
    c.Method("idASnapGrid", &F::idASnapGrid);
    c.Method("mnuDupClick", &F::mnuDupClick);
    c.Method("idAGrid", &F::idAGrid);
    c.Method("idEUndo", &F::idEUndo);
    c.Method("idERedo", &F::idERedo);
    c.Method("mnuTextEditClick", &F::mnuTextEditClick);
    c.Method("Options1Click", &F::Options1Click);
    c.Method("idToolSwitch", &F::idToolSwitch);
    c.Method("Objectinspector1Click", &F::Objectinspector1Click);
    c.Method("N26Click", &F::N26Click);
    c.Method("N22Click", &F::N22Click);
    c.Method("mnuSaveCfgClick", &F::mnuSaveCfgClick);
    c.Method("N14Click", &F::N14Click);
    c.Method("N16Click", &F::N16Click);
    c.Method("N17Click", &F::N17Click);
    c.Method("N18Click", &F::N18Click);
    c.Method("N19Click", &F::N19Click);
}

namespace {
TMainForm* mainForm = nullptr;

// The classes the stored form names. The system headers make RegisterClass a macro.
#pragma push_macro("RegisterClass")
#undef RegisterClass
void RegisterFormClasses() {
    for (const TMetaClass* cls :
         {&HMainMenu::StaticClass(), &HPopupMenu::StaticClass(), &HMenuItem::StaticClass(), &TXPMenu::StaticClass(),
          &TDock97::StaticClass(), &HToolWindow97::StaticClass(), &HBottonsTab::StaticClass(), &HWindow::StaticClass(),
          &HLogComboBox::StaticClass(), &TObjectInspector::StaticClass(), &TPropertyHelp::StaticClass(),
          &TELDesigner::StaticClass(), &TELDesignPanel::StaticClass(), &HControlIO::StaticClass(),
          &HCfgStorage::StaticClass(), &TOpenDialog::StaticClass(), &TSaveDialog::StaticClass(),
          &TTimer::StaticClass(), &TImageList::StaticClass(), &HExceptionDialog::StaticClass(), &HDesignPanel::StaticClass(), &TMainForm::StaticClass()})
        RegisterClass(*cls);
}
#pragma pop_macro("RegisterClass")
// Captions and hints edited as several lines, shortcuts and key codes by their names.
void RegisterDesignerPropertyEditors() {
    const TPropertyType text = PropertyTypeOf(&Dummy::StaticClass(), "Caption");
    RegisterPropertyEditor(text, nullptr, "Caption", PropertyEditorFactory<HMultilineProperty>());
    RegisterPropertyEditor(PropertyTypeOf(&TForm::StaticClass(), "Caption"), nullptr, "Caption",
                           PropertyEditorFactory<HMultilineProperty>());
    RegisterPropertyEditor(PropertyTypeOf(&TForm::StaticClass(), "Hint"), nullptr, "Hint",
                           PropertyEditorFactory<HMultilineProperty>());
    RegisterKeyCodeEditors();
}
}  // namespace

TMainForm* MainForm() { return mainForm; }

TMainForm::TMainForm(TComponent* owner) : TForm(owner) { mainForm = this; }

TMainForm::~TMainForm() {
    // The engine lets go of the surface before the surface and its parents go.
    if (designer) designer->SetActive(false);
    link_.reset();
    if (mainForm == this) mainForm = nullptr;
}

std::unique_ptr<TMainForm> ReadMainForm() {
    RegisterFormClasses();
    return CreateForm<TMainForm>(nullptr, nullptr);
}

std::unique_ptr<TMainForm> CreateMainForm() {
    std::unique_ptr<TMainForm> form = ReadMainForm();
    form->HandleNeeded();
    form->RunStartup();
    return form;
}

void TMainForm::RunStartup() {
    forms_.clear();
    current_ = -1;
    // The bar takes its height from the client area, which the stored form gave.
    const int clientHeight = ClientHeight();
    mnuMain->SetWindow(this);
    SetClientHeight(clientHeight);
    RegisterPalette();
    link_ = std::make_unique<HStorageLink>();
    link_->SetStorage(cfg);
    link_->SetKeyPath(kSettingsKeyPath);
    DesignPlace->SetBounds(0, 0, link_->Read(kOSKWidth, kDefaultOSKWidth), link_->Read(kOSKHeight, kDefaultOSKHeight));
    DesignPanel->Hide();
    ignoreAllReadErrors_ = false;
    const bool settingsExist = FileExists(cfg->FullPath());
    if (!cfg->Load() && settingsExist) ReportDamagedSettings();
    // The size of a new form may come from the file just read.
    DesignPlace->SetBounds(0, 0, link_->Read(kOSKWidth, kDefaultOSKWidth), link_->Read(kOSKHeight, kDefaultOSKHeight));
    tbInspector->Hide();
    ApplyConfig();
    RegisterDesignerPropertyEditors();
    ReopenForms();
    OpenCommandLineForms();
    if (forms_.empty() && link_->Read(kAutoNewForm, kDefaultAutoNewForm)) NewForm();
}

void TMainForm::ReportDamagedSettings() {
    HiMessage(Application().Handle(), hiiWarning,
              "The settings file %s cannot be read; the designer starts with its defaults. The file is kept as %s.",
              cfg->FullPath().c_str(), HDamagedConfigName(cfg->FullPath()).c_str());
}

void TMainForm::RegisterPalette() {
    DrawPaletteImages(*CompImages);
    const int count = RegisterOSKClasses();
    buttons->SetButtonsCount(count);
    firstPopupTag_ = pmDesign->Items()->Count() > 0 ? pmDesign->Items()->Items(0)->GetTag() : 0;
    for (int i = 0; i < count; ++i) {
        HTabButton* button = buttons->GetButton(i);
        button->SetShowHint(true);
        button->SetHint(PaletteTable(i).Description);
    }
}

void TMainForm::ReopenForms() {
    const int count = link_->Read(kReopenCount, 0);
    for (int i = 0; i < count; ++i) OpenFormFile(link_->Read(Message(kReopenForm, i), std::string()));
}

void TMainForm::OpenCommandLineForms() {
    for (int i = 0; const char* argument = CTArgGetArg(i); ++i)
        if (FExtOnly(argument) == "osk") OpenFormFile(argument);
}

void TMainForm::ApplyConfig() {
    if (!link_) return;
    applyingConfig_ = true;
    inspector->SetFixedColWidth(link_->Read(kInspectorFixedColWidth, kDefaultInspectorFixedColWidth));
    tbInspector->SetWidth(link_->Read(kInspectorWidth, kDefaultInspectorWidth));
    windowState_ = link_->Read(kWindowState, 0);
    if (!IsMaximized())
        SetBounds(link_->Read(kWindowX, GetLeft()), link_->Read(kWindowY, GetTop()), link_->Read(kWindowW, GetWidth()),
                  link_->Read(kWindowH, GetHeight()));
    ApplyWindowState();
    designer->SetSnapToGrid(link_->Read(kGridAlign, kDefaultGridAlign));
    designer->GetGrid()->SetSteps(link_->Read(kGridWidth, kDefaultGridStep), link_->Read(kGridHeight, kDefaultGridStep));
    HDesignGrid* grid = DesignPlace->GetGrid();
    grid->SetVisible(link_->Read(kGridVisible, kDefaultGridVisible));
    grid->SetBkColor(link_->ReadColor(kGridBk, kDefaultGridBk));
    grid->SetGridColor(link_->ReadColor(kGridColor, kDefaultGridColor));
    grid->SetWidth(designer->GetGrid()->GetXStep());
    grid->SetHeight(designer->GetGrid()->GetYStep());
    if (IsDesignMode())
        for (int i = 0; i < designer->GetSelectedControls()->GetCount(); ++i)
            SetKeyHost(designer->GetSelectedControls()->GetItems(i));
    applyingConfig_ = false;
}

void TMainForm::cfgSave(TObject*) {
    if (!link_ || applyingConfig_) return;
    link_->Write(kInspectorFixedColWidth, inspector->GetFixedColWidth());
    link_->Write(kInspectorWidth, tbInspector->GetWidth());
    link_->Write(kWindowState, CurrentWindowState());
    if (!IsMaximized()) {
        const TRect bounds = NormalBounds();
        link_->Write(kWindowX, bounds.Left);
        link_->Write(kWindowY, bounds.Top);
        link_->Write(kWindowW, bounds.Right - bounds.Left);
        link_->Write(kWindowH, bounds.Bottom - bounds.Top);
    }
    link_->Write(kGridAlign, designer->GetSnapToGrid());
    link_->Write(kGridWidth, static_cast<int>(designer->GetGrid()->GetXStep()));
    link_->Write(kGridHeight, static_cast<int>(designer->GetGrid()->GetYStep()));
    const HDesignGrid* grid = DesignPlace->GetGrid();
    link_->Write(kGridVisible, grid->GetVisible());
    link_->WriteColor(kGridBk, grid->GetBkColor());
    link_->WriteColor(kGridColor, grid->GetGridColor());
    int count = 0;
    if (link_->Read(kDoReopen, kDefaultDoReopenOnSave))
        for (const auto& form : forms_)
            if (form->HasFile && !form->Path.empty()) link_->Write(Message(kReopenForm, count++), form->Path);
    link_->Write(kReopenCount, count);
}

void TMainForm::SetKeyHost(TComponent* control) {
    if (auto* key = dynamic_cast<OSKCustomKey*>(control)) key->SetHostWindow(Window());
}
