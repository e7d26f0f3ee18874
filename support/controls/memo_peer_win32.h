// The window of a TMemo: a multi-line system EDIT. It asks the dialog loop for the Enter and
// Tab keys only when the memo wants them, and lets the memo see each key first.
#pragma once
#include "memo.h"
#include "support/win32/edit_peer.h"

class TMemoPeer : public TEditPeer {
public:
    using TEditPeer::TEditPeer;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TMemo& Memo() const { return static_cast<TMemo&>(Control()); }
    LRESULT DialogCode(const MSG* message) const;
};
