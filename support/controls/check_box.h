// A check box with a window of its own; the user's clicks and the program's SetChecked agree.
#pragma once
#include "support/framework/win_control.h"

class TCheckBox : public TWinControl {
    PENDREL_CLASS(TCheckBox, TWinControl)
public:
    explicit TCheckBox(TComponent* owner);

    bool GetChecked() const { return checked_; }
    // OnClick runs when the state changes, whoever changed it.
    void SetChecked(bool value);
    // The window reports the state the user's click gave it.
    void CheckedInWindow(bool value);

    TEvent<TObject*> OnClick;

private:
    bool checked_ = false;
};
