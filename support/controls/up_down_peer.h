// The window of a TUpDown: the system up-down control, writing its position into the
// associate's text and sitting at the associate's right edge.
#pragma once
#include "support/win32/window_peer.h"
#include "up_down.h"

class TUpDownPeer : public TWin32WindowPeer {
public:
    using TWin32WindowPeer::TWin32WindowPeer;

protected:
    void CreateParams(TCreateParams& params) override;
    void Refresh() override;

private:
    TUpDown& UpDown() const { return static_cast<TUpDown&>(Control()); }
    // Attaching a buddy narrows it by the arrows' width: only when the associate changes.
    void AttachBuddy();

    HWND buddy_ = nullptr;
};
