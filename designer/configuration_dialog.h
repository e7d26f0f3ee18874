// The designer's settings dialog: the fifteen settings on the pages "Application",
// "Designer" and "Keyboard". It opens on the page shown last and reads every control from
// the settings; OK writes all fifteen back, in order, and Cancel writes nothing.
#pragma once
#include "support/controls/modal_form.h"

class HStorageLink;
class TButton;
class TCheckBox;
class TColorPickerButton;
class TEdit;
class TLabel;
class TPageControl;
class TTabSheet;
class TUpDown;

class TConfiguration : public TModalForm {
    PENDREL_CLASS(TConfiguration, TModalForm)
public:
    explicit TConfiguration(TComponent* owner);

    TPageControl* pages = nullptr;
    TTabSheet* tsApplication = nullptr;
    TTabSheet* tsDesigner = nullptr;
    TTabSheet* tsKeyboard = nullptr;
    TCheckBox* chAutosave = nullptr;
    TCheckBox* chCompress = nullptr;
    TCheckBox* chTextForm = nullptr;
    TCheckBox* chAutoNewForm = nullptr;
    TCheckBox* chDoReopen = nullptr;
    TCheckBox* chGridVisible = nullptr;
    TCheckBox* chGridAlign = nullptr;
    TUpDown* udGridWidth = nullptr;
    TUpDown* udGridHeight = nullptr;
    TColorPickerButton* cpGridBk = nullptr;
    TColorPickerButton* cpGridColor = nullptr;
    TUpDown* udWidth = nullptr;
    TUpDown* udHeight = nullptr;
    TCheckBox* chLRDiff = nullptr;
    TCheckBox* chIgnoreCA = nullptr;
    TButton* btnOk = nullptr;
    TButton* btnCancel = nullptr;

    void LoadFrom(const HStorageLink& settings);
    void StoreTo(HStorageLink& settings) const;
};

// Runs the dialog, made anew with owner and destroyed after; true when it ended with OK.
bool RunConfiguration(TComponent* owner, HStorageLink& settings);
