// A top-level window holding controls. Forms start hidden; Show() puts them on the screen.
#pragma once
#include "support/framework/scroll_box.h"

class TForm : public TScrollingWinControl {
    PENDREL_CLASS(TForm, TScrollingWinControl)
public:
    explicit TForm(TComponent* owner);
    bool IsForm() const override { return true; }

    // The size inside the frame and caption: the window's own once it exists.
    int ClientWidth() const override;
    int ClientHeight() const override;
    int GetClientWidth() const { return ClientWidth(); }
    void SetClientWidth(int value);
    int GetClientHeight() const { return ClientHeight(); }
    void SetClientHeight(int value);

protected:
    // Showing a form makes its window, and those of its controls, first.
    void VisibleChanged() override;

private:
    // Width and height of the frame and caption around the client area.
    TPoint FrameSize() const;
};
