// The window of an HLogComboBox: a system drop-down list, refilled whenever the entries or
// the choice changed.
#pragma once
#include "h_log_combo_box.h"
#include "support/win32/window_peer.h"

class HLogComboBoxPeer : public TWin32WindowPeer {
public:
    using TWin32WindowPeer::TWin32WindowPeer;

    // The window's height includes the open list; the control's is that of the closed box.
    void BoundsChanged() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Notified(WORD code) override;
    void Refresh() override;

private:
    HLogComboBox& ComboBox() const { return static_cast<HLogComboBox&>(Control()); }
    int ListHeight() const;
    void Fill();

    int shownVersion_ = -1;
};

// Gives HLogComboBoxes their windows; calling it again does nothing.
void InstallLogComboBoxWindowing();
