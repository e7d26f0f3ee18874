// The window of a TModalForm: a dialog frame owned by the owner's window, above other
// windows; Enter, Esc and the close box come here as commands for the form's buttons.
#pragma once
#include "modal_form.h"
#include "support/win32/scrolling_peer.h"

class TModalFormPeer : public TScrollingPeer {
public:
    using TScrollingPeer::TScrollingPeer;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TModalForm& Form() const { return static_cast<TModalForm&>(Control()); }
};
