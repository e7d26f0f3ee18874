// A push button with a window of its own. In a modal form the default button answers Enter,
// the cancel button Esc, and a button with a ModalResult ends the form with it.
#pragma once
#include "dialog_button.h"
#include "support/framework/win_control.h"

class TButton : public TWinControl, public TDialogButton {
    PENDREL_CLASS(TButton, TWinControl)
public:
    explicit TButton(TComponent* owner);

    bool GetDefault() const { return default_; }
    void SetDefault(bool value);
    bool GetCancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    int GetModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }

    // OnClick, then the modal result, if any, ends the form.
    void Click();

    bool IsDefaultButton() const override { return default_; }
    bool IsCancelButton() const override { return cancel_; }
    void Press() override { Click(); }

    TEvent<TObject*> OnClick;

private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};
