// A captioned tool window: a caption bar with the window's Caption and a close button above a
// client area that holds child controls. It sits inside a form, aligned like any control.
#pragma once
#include "support/framework/win_control.h"

enum TCloseAction { caNone, caHide };
PENDREL_ENUM_TYPEINFO(TCloseAction, "caNone", "caHide");

class HWindow : public TWinControl {
    PENDREL_CLASS(HWindow, TWinControl)
public:
    explicit HWindow(TComponent* owner);

    int GetCaptionHeight() const { return captionHeight_; }
    // Heights below the close button's need are raised to it; the children are realigned.
    void SetCaptionHeight(int value);
    bool GetCloseButton() const { return closeButton_; }
    void SetCloseButton(bool value);
    // The caption bar's look while the window holds the focus or not.
    TColor GetCaptionColor() const { return captionColor_; }
    void SetCaptionColor(TColor value);
    TColor GetCaptionTextColor() const { return captionTextColor_; }
    void SetCaptionTextColor(TColor value);

    // Client coordinates of the caption bar, of its close button (empty without one) and of
    // the area the children are aligned in.
    TRect CaptionRect() const;
    TRect CloseButtonRect() const;
    TRect ChildArea() const;
    // Whether the close button is held down by the mouse, to be drawn pressed.
    bool CloseButtonPressed() const { return closePressed_; }

    // Asks OnClose; with its answer caHide (the default) the window hides, with caNone it stays.
    void Close();

    void MouseDown(TMouseButton button, TShiftState shift, TPoint position) override;
    void MouseMove(TShiftState shift, TPoint position) override;
    void MouseUp(TMouseButton button, TShiftState shift, TPoint position) override;

    // Sender, the action the close takes (may be changed).
    TEvent<TObject*, TCloseAction&> OnClose;

protected:
    void AlignControls(TRect& area) override;
    void TextChanged() override;

private:
    void Changed();

    int captionHeight_ = 18;
    bool closeButton_ = true;
    TColor captionColor_ = SystemColor(2);      // the active caption's colour
    TColor captionTextColor_ = SystemColor(9);  // its text's
    bool closePressed_ = false;
    bool closeHeld_ = false;
};

