// A form shown modally as a dialog: dialog frame, above other windows, centred on the screen.
// ShowModal returns once a handler or a button sets a modal result.
#pragma once
#include "key_event.h"
#include "modal_result.h"
#include "support/win32/form.h"

class TDialogButton;
struct tagMSG;

class TModalForm : public TForm {
    PENDREL_CLASS(TModalForm, TForm)
public:
    explicit TModalForm(TComponent* owner);

    // Disables the owner's window while the form is shown and runs a message loop with tab,
    // Enter and Esc handling. A WM_QUIT ends the form with mrCancel and stays queued for
    // the program's loop. An exception of a handler ends the form and comes out here.
    int ShowModal();
    bool IsModal() const { return modal_; }
    int GetModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }

    // Enter: the focused push button or else the default button; Esc: the cancel button,
    // or the cancel result without one.
    void PressDefaultButton();
    void PressCancelButton();

    // With key preview, OnKeyDown hears every key that goes down in the form's controls
    // before they and the dialog keys do; a handler that sets the key to 0 consumes it.
    bool GetKeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }
    TKeyEvent OnKeyDown;

private:
    void RunModalLoop();
    // True when OnKeyDown consumed the key of message.
    bool PreviewKey(tagMSG& message);
    TDialogButton* FindDialogButton(bool wantDefault) const;
    void* OwnerWindow() const;
    void CenterOnScreen();

    bool modal_ = false;
    bool keyPreview_ = false;
    int modalResult_ = mrNone;
};

// Ends the modal form that holds control with result; does nothing outside a modal form.
void EndModalWith(TControl& control, int result);
// The form at the top of control's parents; null when there is none.
TForm* ParentFormOf(TControl& control);
