// What a modal form needs of a button to press it for the Enter and Esc keys; buttons with and
// without a window of their own both take this role.
#pragma once

class TDialogButton {
public:
    virtual ~TDialogButton() = default;
    virtual bool IsDefaultButton() const = 0;
    virtual bool IsCancelButton() const = 0;
    // Acts as a click of the user.
    virtual void Press() = 0;
};
