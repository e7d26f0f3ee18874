// The flat toolbar button as dialogs place it: published, and able to act as a dialog's
// default or cancel button or to end a modal form with its ModalResult.
#pragma once
#include "components/visual/toolbar/toolbar_button.h"
#include "support/controls/dialog_button.h"

class TToolbarButton97 : public TCustomToolbarButton97, public TDialogButton {
    PENDREL_CLASS(TToolbarButton97, TCustomToolbarButton97)
public:
    explicit TToolbarButton97(TComponent* owner);

    bool GetDefault() const { return default_; }
    void SetDefault(bool value) { default_ = value; }
    bool GetCancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    int GetModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }

    // OnClick, then the modal result, if any, ends the form.
    void Click() override;

    bool IsDefaultButton() const override { return default_; }
    bool IsCancelButton() const override { return cancel_; }
    void Press() override { Click(); }

private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};
