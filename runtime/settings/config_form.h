// The runtime's settings dialog: the options of the configuration storage on two pages.
// Opening shows the stored values (or their defaults); OK stores them all, Cancel nothing.
#pragma once
#include <vector>

#include "components/config/cfg_storage.h"
#include "support/controls/modal_form.h"

class TButton;
class TCheckBox;
class TEdit;
class TFontComboBox97;
class TLabel;
class TPageControl;
class TTabSheet;
class TToolbarButton97;
class TUpDown;

class TConfigForm : public TModalForm {
    PENDREL_CLASS(TConfigForm, TModalForm)
public:
    // Builds the dialog with its controls and fills them from cfg.
    TConfigForm(TComponent* owner, HCfgStorage& cfg);

    // OK: stores every setting, remembers the page shown, ends the dialog with mrOk.
    void ToolbarButton971Click(TObject* sender);

    TPageControl* pages;
    TTabSheet* tsApplication;
    TTabSheet* tsChar;
    TCheckBox* chOnTaskbar;
    TCheckBox* chCaption;
    TCheckBox* chHooKL;
    TCheckBox* chSetKL;
    TCheckBox* chLRDiff;
    TCheckBox* chIgnoreCA;
    TCheckBox* chIgnoreLoadErrors;
    TCheckBox* chLoadLastForm;
    TCheckBox* chClearBuff;
    TCheckBox* chDispChar;
    TEdit* Edit1;
    TUpDown* btnAutohideInterval;
    TFontComboBox97* cbCharFont;
    TEdit* Edit2;
    TUpDown* btnCharFontSz;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TToolbarButton97* ToolbarButton971;
    TButton* Button7;

private:
    struct TBooleanSetting {
        TCheckBox* Box;
        const char* Name;
        bool Default;
    };

    void BuildButtons();
    void BuildApplicationPage();
    void BuildCharPage();
    TCheckBox* AddCheckBox(TTabSheet* page, const char* name, const char* caption, int top);
    TLabel* AddLabel(TWinControl* parent, const char* name, const char* caption, int left, int top);
    TUpDown* AddUpDown(TEdit* edit, const char* name, int min, int max, int increment);
    std::vector<TBooleanSetting> BooleanSettings() const;
    void LoadSettings();
    void StoreSettings();

    HCfgStorage& cfg_;
};

// Shows the settings dialog owned by owner modally and destroys it; true when it ended with
// OK, after which cfg holds the new settings.
bool RunConfigDialog(TComponent* owner, HCfgStorage& cfg);
