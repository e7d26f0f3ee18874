#include "config_form.h"

#include <iterator>
#include <memory>

#include "components/visual/toolbar97/font_combo_box97.h"
#include "components/visual/toolbar97/toolbar97_controls.h"
#include "components/visual/toolbar97/toolbar_button97.h"
#include "runtime_settings.h"
#include "support/controls/button.h"
#include "support/controls/check_box.h"
#include "support/controls/page_control.h"
#include "support/controls/up_down.h"
#include "support/framework/std_controls.h"

PENDREL_IMPLEMENT_CLASS(TConfigForm)

namespace {
// The page shown last, for as long as the runtime runs.
int gRememberedPage = 0;

constexpr int kCheckBoxLeft = 24;
constexpr int kCheckBoxWidth = 380;
constexpr int kRowHeight = 28;
constexpr int kFieldLeft = 150;

void MakeRed(TLabel* label) {
    label->SetParentFont(false);
    label->GetFont()->SetColor(clRed);
}
}  // namespace

void TConfigForm::DeclareProperties(TClassBuilder<TConfigForm>& c) {
    c.Method("ToolbarButton971Click", &TConfigForm::ToolbarButton971Click);
}

TConfigForm::TConfigForm(TComponent* owner, HCfgStorage& cfg) : TModalForm(owner), cfg_(cfg) {
    InstallToolbar97Controls();
    SetName("ConfigForm");
    SetCaption("Configure...");
    SetClientWidth(438);
    SetClientHeight(372);
    pages = new TPageControl(this);
    pages->SetName("pages");
    pages->SetParent(this);
    pages->SetBounds(8, 8, 422, 320);
    BuildApplicationPage();
    BuildCharPage();
    BuildButtons();
    LoadSettings();
}

void TConfigForm::BuildButtons() {
    Label6 = AddLabel(this, "Label6", "* Option need restart to apply changes", 8, 344);
    MakeRed(Label6);
    ToolbarButton971 = new TToolbarButton97(this);
    ToolbarButton971->SetName("ToolbarButton971");
    ToolbarButton971->SetParent(this);
    ToolbarButton971->SetBounds(272, 338, 75, 25);
    ToolbarButton971->SetCaption("&Ok");
    ToolbarButton971->SetFlat(false);
    ToolbarButton971->SetDefault(true);
    ToolbarButton971->OnClick.Bind([this](TObject* sender) { ToolbarButton971Click(sender); }, "ToolbarButton971Click");
    Button7 = new TButton(this);
    Button7->SetName("Button7");
    Button7->SetParent(this);
    Button7->SetBounds(355, 338, 75, 25);
    Button7->SetCaption("&Cancel");
    Button7->SetCancel(true);
    Button7->SetModalResult(mrCancel);
}

void TConfigForm::BuildApplicationPage() {
    tsApplication = new TTabSheet(this);
    tsApplication->SetName("tsApplication");
    tsApplication->SetCaption("Application");
    tsApplication->SetPageControl(pages);
    int row = 0;
    const auto add = [&](const char* name, const char* caption) {
        return AddCheckBox(tsApplication, name, caption, 12 + kRowHeight * row++);
    };
    chOnTaskbar = add("chOnTaskbar", "Show window on task bar");
    chCaption = add("chCaption", "Show standard window title");
    chHooKL = add("chHooKL", "Monitor keyboard layout changes");
    chSetKL = add("chSetKL", "Set keyboard layout as in target app");
    chLRDiff = add("chLRDiff", "Distinguish left and right shift-modifier keys");
    chIgnoreCA = add("chIgnoreCA", "Ignore Control and Alt modifiers on key draw");
    chIgnoreLoadErrors = add("chIgnoreLoadErrors", "Ignore keyfile load errors");
    chLoadLastForm = add("chLoadLastForm", "Load last used form at strartup");
    chClearBuff = add("chClearBuff", "Clear edit after send text");
    // Set in rising order, each placement leaves the earlier ones where they are.
    TCheckBox* const tabOrder[] = {chOnTaskbar,        chCaption,      chHooKL, chLRDiff,   chIgnoreCA,
                                   chIgnoreLoadErrors, chLoadLastForm, chSetKL, chClearBuff};
    for (int order = 0; order < static_cast<int>(std::size(tabOrder)); ++order) tabOrder[order]->SetTabOrder(order);
    Label5 = AddLabel(tsApplication, "Label5", "*", kCheckBoxLeft - 12, chCaption->GetTop() + 1);
    MakeRed(Label5);
}

void TConfigForm::BuildCharPage() {
    tsChar = new TTabSheet(this);
    tsChar->SetName("tsChar");
    tsChar->SetCaption("Char");
    tsChar->SetPageControl(pages);
    chDispChar = AddCheckBox(tsChar, "chDispChar", "Display pressed char", 12);
    Label1 = AddLabel(tsChar, "Label1", "Autohide interval", kCheckBoxLeft, 48);
    Edit1 = new TEdit(this);
    Edit1->SetName("Edit1");
    Edit1->SetParent(tsChar);
    Edit1->SetBounds(kFieldLeft, 44, 80, 21);
    btnAutohideInterval = AddUpDown(Edit1, "btnAutohideInterval", kMinAutohideInterval, kMaxAutohideInterval,
                                    kAutohideIntervalStep);
    Label2 = AddLabel(tsChar, "Label2", "ms", kFieldLeft + 88, 48);
    Label3 = AddLabel(tsChar, "Label3", "Font", kCheckBoxLeft, 80);
    cbCharFont = new TFontComboBox97(this);
    cbCharFont->SetName("cbCharFont");
    cbCharFont->SetParent(tsChar);
    cbCharFont->SetBounds(kFieldLeft, 76, 200, 21);
    Label4 = AddLabel(tsChar, "Label4", "Font size", kCheckBoxLeft, 112);
    Edit2 = new TEdit(this);
    Edit2->SetName("Edit2");
    Edit2->SetParent(tsChar);
    Edit2->SetBounds(kFieldLeft, 108, 80, 21);
    btnCharFontSz = AddUpDown(Edit2, "btnCharFontSz", kMinCharFontSz, kMaxCharFontSz, kCharFontSzStep);
}

TCheckBox* TConfigForm::AddCheckBox(TTabSheet* page, const char* name, const char* caption, int top) {
    auto* box = new TCheckBox(this);
    box->SetName(name);
    box->SetParent(page);
    box->SetBounds(kCheckBoxLeft, top, kCheckBoxWidth, 17);
    box->SetCaption(caption);
    return box;
}

TLabel* TConfigForm::AddLabel(TWinControl* parent, const char* name, const char* caption, int left, int top) {
    auto* label = new TLabel(this);
    label->SetName(name);
    label->SetParent(parent);
    label->SetBounds(left, top, 250, 17);
    label->SetCaption(caption);
    return label;
}

TUpDown* TConfigForm::AddUpDown(TEdit* edit, const char* name, int min, int max, int increment) {
    auto* upDown = new TUpDown(this);
    upDown->SetName(name);
    upDown->SetParent(edit->Parent());
    upDown->SetBounds(edit->GetLeft() + edit->GetWidth(), edit->GetTop(), 16, edit->GetHeight());
    upDown->SetMin(min);
    upDown->SetMax(max);
    upDown->SetIncrement(increment);
    upDown->SetAssociate(edit);
    return upDown;
}

std::vector<TConfigForm::TBooleanSetting> TConfigForm::BooleanSettings() const {
    return {{chOnTaskbar, kOnTaskbar, kDefaultOnTaskbar},
            {chCaption, kCaption, kDefaultCaption},
            {chHooKL, kHooKL, kDefaultHooKL},
            {chSetKL, kSetKL, kDefaultSetKL},
            {chLRDiff, kLRDiff, kDefaultLRDiff},
            {chIgnoreCA, kIgnoreCA, kDefaultIgnoreCA},
            {chIgnoreLoadErrors, kIgnoreLoadErrors, kDefaultIgnoreLoadErrors},
            {chLoadLastForm, kLoadLastForm, kDefaultLoadLastForm},
            {chClearBuff, kClearBuff, kDefaultClearBuff},
            {chDispChar, kDispChar, kDefaultDispChar}};
}

void TConfigForm::LoadSettings() {
    pages->SetActivePageIndex(gRememberedPage);
    for (const TBooleanSetting& setting : BooleanSettings())
        setting.Box->SetChecked(cfg_.Read(setting.Name, setting.Default));
    btnAutohideInterval->SetPosition(cfg_.Read(kAutohideInterval, kDefaultAutohideInterval));
    cbCharFont->SetText(cfg_.Read(kCharFont, std::string(kDefaultCharFont)));
    btnCharFontSz->SetPosition(cfg_.Read(kCharFontSz, kDefaultCharFontSz));
}

void TConfigForm::StoreSettings() {
    for (const TBooleanSetting& setting : BooleanSettings()) cfg_.Write(setting.Name, setting.Box->GetChecked());
    cfg_.Write(kAutohideInterval, btnAutohideInterval->GetPosition());
    cfg_.Write(kCharFont, cbCharFont->GetText());
    cfg_.Write(kCharFontSz, btnCharFontSz->GetPosition());
}

void TConfigForm::ToolbarButton971Click(TObject*) {
    StoreSettings();
    gRememberedPage = pages->GetActivePageIndex();
    SetModalResult(mrOk);
}

bool RunConfigDialog(TComponent* owner, HCfgStorage& cfg) {
    InstallToolbar97Controls();
    const std::unique_ptr<TConfigForm> dialog = std::make_unique<TConfigForm>(owner, cfg);
    return dialog->ShowModal() == mrOk;
}
