// The window of a TEdit: a system EDIT control whose text the user's typing hands back to the TEdit.
#pragma once
#include "support/framework/std_controls.h"
#include "window_peer.h"

class TEditPeer : public TWin32WindowPeer {
public:
    using TWin32WindowPeer::TWin32WindowPeer;

protected:
    void CreateParams(TCreateParams& params) override;
    void Notified(WORD code) override;
    HBRUSH ControlColor(HDC dc) override;
    // Font, length limit and password character: properties that change without telling the window.
    void Refresh() override;

private:
    TEdit& Edit() const { return static_cast<TEdit&>(Control()); }
    std::string WindowText() const;

    std::unique_ptr<TSolidBrush> background_;
};
