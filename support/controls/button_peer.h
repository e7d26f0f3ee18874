// The window of a TButton: a system BUTTON, with the default-button frame while Default.
#pragma once
#include "button.h"
#include "support/win32/window_peer.h"

class TButtonPeer : public TWin32WindowPeer {
public:
    using TWin32WindowPeer::TWin32WindowPeer;

protected:
    void CreateParams(TCreateParams& params) override;
    void Notified(WORD code) override;
    void Refresh() override;

private:
    TButton& Button() const { return static_cast<TButton&>(Control()); }
    DWORD ButtonStyle() const { return Button().GetDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }
};
