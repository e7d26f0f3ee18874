#include "main_form_osk.h"

#include "components/config/cfg_storage.h"
#include "components/persistence/control_io.h"
#include "components/surface/design_panel.h"
#include "components/visual/menus/h_menu_item.h"
#include "components/visual/menus/h_popup_menu.h"
#include "keys/palette_table.h"
#include "runtime/chars/char_window.h"
#include "runtime/delivery/keystrokes.h"
#include "runtime/delivery/target_tracker.h"
#include "runtime/delivery/input_platform.h"
#include "support/dialogs/open_dialog.h"
#include "support/framework/class_builder.h"
#include "support/framework/std_controls.h"
#include "support/shell/tray_icon.h"
#include "support/win32/timer.h"

PENDREL_IMPLEMENT_CLASS(TMainFormOSK)

void TMainFormOSK::DeclareProperties(TClassBuilder<TMainFormOSK>&) {}

namespace {
TMainFormOSK* mainForm = nullptr;

template <class C>
C* Make(TComponent* owner, const char* name) {
    auto* component = new C(owner);
    component->SetName(name);
    return component;
}

HMenuItem* MakeItem(TComponent* owner, const char* name, const char* caption, int tag, TEvent<TObject*>::Handler click) {
    HMenuItem* item = Make<HMenuItem>(owner, name);
    item->SetCaption(caption);
    item->SetTag(tag);
    item->OnClick = std::move(click);
    return item;
}
}  // namespace

TMainFormOSK* MainFormOSK() { return mainForm; }

TMainFormOSK::TMainFormOSK(TComponent* owner) : TForm(owner) {
    mainForm = this;
    SetName("MainFormOSK");
    SetAutoScroll(false);
    CreateComponents();
    CreateMenus();
    SetCaption("Pendrel");
    RegisterOSKClasses();
}

TMainFormOSK::~TMainFormOSK() {
    if (mainForm == this) mainForm = nullptr;
}

void TMainFormOSK::CreateComponents() {
    cfg = Make<HCfgStorage>(this, "cfg");
    cfg->SetFileName("osk.hcfg");
    Timer = Make<TTimer>(this, "Timer");
    Timer->SetInterval(200);
    Timer->OnTimer = [this](TObject* sender) { idMainTimer(sender); };
    NITrayIcon1 = Make<TNITrayIcon>(this, "NITrayIcon1");
    // Shown by FinishStartup, once the keyboard is on the screen.
    NITrayIcon1->SetVisible(false);
    NITrayIcon1->SetShowDesigning(false);
    NITrayIcon1->SetShowOnTaskbar(false);
    NITrayIcon1->SetHint("Pendrel");
    design = Make<HDesignPanel>(this, "design");
    design->SetVisible(false);
    design->SetParent(this);
    design->GetFont()->SetName("Verdana");
    design->GetFont()->SetHeight(-11);
    design->GetFont()->SetCharset(kRussianCharset);
    design->SetBorderStyle(HBOX_Border);
    cIO = Make<HControlIO>(this, "cIO");
    cIO->SetControl(design);
    cIO->SetTextOutput(true);
    cIO->OnReadError = [this](TReader* reader, const AnsiString error, bool& ignore) { cIOReadError(reader, error, ignore); };
    cIO->OnComponentCreate = [this](TObject* sender, TComponent* component) { cIOComponentCreate(sender, component); };
    tmChar = Make<TTimer>(this, "tmChar");
    tmChar->SetEnabled(false);
    tmChar->SetInterval(3000);
    txtChar = Make<TLabel>(this, "txtChar");
    txtChar->SetVisible(false);
    txtChar->SetParent(this);
    txtChar->SetAlignment(taCenter);
    txtChar->GetFont()->SetName("Verdana");
    txtChar->GetFont()->SetHeight(-48);
    txtChar->GetFont()->SetCharset(kRussianCharset);
    open = Make<TOpenDialog>(this, "open");
    open->SetDefaultExt("osk");
    open->SetFilter("OSK keyboard files (osk)|*.osk|All files|*.*");
    open->SetOptions(TOpenOptions{ofPathMustExist, ofFileMustExist, ofEnableSizing});
    open->SetTitle("Load OSK file...");
    charDisplay_ = std::make_unique<TCharDisplay>(*cfg, *txtChar, *tmChar, *this);
    tmChar->OnTimer = [this](TObject* sender) { charDisplay_->tmCharTimer(sender); };
    UseInputPlatform(Win32InputPlatform());
}

void TMainFormOSK::CreateMenus() {
    popupTry = Make<HPopupMenu>(this, "popupTry");
    popupTry->OnPopup = [this](TObject* sender) { popupTryPopup(sender); };
    nuActivate = MakeItem(this, "nuActivate", "Activate", 0, [this](TObject* s) { idActivateClick(s); });
    mnuShowHide = MakeItem(this, "mnuShowHide", "Hide", 101, [this](TObject* s) { idShowHide(s); });
    mnuCfg = MakeItem(this, "mnuCfg", "Configure...", 102, [this](TObject* s) { idConfig(s); });
    mnuCfg->SetShortCut(16454);
    mnuLoad = MakeItem(this, "mnuLoad", "Load OSK file...", 0, [this](TObject* s) { mnuLoadClick(s); });
    mnuExit = MakeItem(this, "mnuExit", "Exit", 103, [this](TObject* s) { mnuExitClick(s); });
    for (HMenuItem* item : {nuActivate, mnuShowHide, mnuCfg, mnuLoad, mnuExit}) popupTry->Items()->Add(item);
    popupFiles = Make<HPopupMenu>(this, "popupFiles");
    NITrayIcon1->SetPopupMenu(popupTry);
    NITrayIcon1->OnClick = [this](TObject* sender) { idShowHide(sender); };
}

HWND TMainFormOSK::Window() { return static_cast<HWND>(Handle()); }

void TMainFormOSK::UseInputPlatform(IInputPlatform& input) {
    input_ = &input;
    keystrokes_ = std::make_unique<TKeystrokes>(input);
}
