// The window of a TFontComboBox97: a system drop-down COMBOBOX with an edit field, filled
// with the installed fonts when it is made.
#pragma once
#include "font_combo_box97.h"
#include "support/win32/window_peer.h"

class TFontComboBox97Peer : public TWin32WindowPeer {
public:
    using TWin32WindowPeer::TWin32WindowPeer;

    // The window's height includes the dropped-down list; the control's is that of the closed box.
    void BoundsChanged() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Notified(WORD code) override;
    void Refresh() override;

private:
    TFontComboBox97& ComboBox() const { return static_cast<TFontComboBox97&>(Control()); }
    void FillFontNames();
    std::string SelectedText() const;
    std::string WindowText() const;
};
