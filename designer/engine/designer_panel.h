// The window in which a designer presents its design surface while it is active: it takes
// the keyboard focus for the designer and answers who designs what it holds.
#pragma once
#include "support/framework/win_control.h"

class IFormDesigner;
class TELDesigner;

class TELDesignPanel : public TWinControl {
    PENDREL_CLASS(TELDesignPanel, TWinControl)
public:
    explicit TELDesignPanel(TComponent* owner);
    ~TELDesignPanel() override;

    // The designer presenting its surface here; null while none is active.
    TELDesigner* Designer() const { return designer_; }
    IFormDesigner* GetFormDesigner() const;

    void FocusChanged(bool focused) override;

private:
    friend class TELDesigner;
    TELDesigner* designer_ = nullptr;
};
