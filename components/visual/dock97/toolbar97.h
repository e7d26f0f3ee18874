// A dockable toolbar: its controls (toolbar buttons, mostly) side by side in one line, across
// when floating or on a top or bottom dock, downwards on a left or right dock; its client
// area is just big enough for them.
#pragma once
#include "dockable_window97.h"

class TToolbar97 : public TCustomDockableWindow97 {
    PENDREL_CLASS(TToolbar97, TCustomDockableWindow97)
public:
    explicit TToolbar97(TComponent* owner) : TCustomDockableWindow97(owner) {}

    // Lays out the shown controls in order and fits the client size to them; a toolbar
    // without controls keeps its size.
    void ArrangeButtons();
    bool Vertical() const;

    void DockStateChanged() override;

protected:
    void AlignControls(TRect& area) override;
    void Loaded() override;

private:
    bool arranging_ = false;
};
