// The window of a TCheckBox: a system BUTTON with the auto check box style.
#pragma once
#include "check_box.h"
#include "support/win32/window_peer.h"

class TCheckBoxPeer : public TWin32WindowPeer {
public:
    using TWin32WindowPeer::TWin32WindowPeer;

protected:
    void CreateParams(TCreateParams& params) override;
    void Notified(WORD code) override;
    void Refresh() override;

private:
    TCheckBox& CheckBox() const { return static_cast<TCheckBox&>(Control()); }
};
