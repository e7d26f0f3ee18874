// The windows of a radio group: a container that draws the frame with its caption, and a
// system BUTTON with the radio style for each button.
#pragma once
#include "radio_group.h"
#include "support/win32/container_peer.h"

class TRadioGroupPeer : public TContainerPeer {
public:
    using TContainerPeer::TContainerPeer;

protected:
    void PaintClient(HDC dc, const RECT& area) override;
};

class TRadioButtonPeer : public TWin32WindowPeer {
public:
    using TWin32WindowPeer::TWin32WindowPeer;

protected:
    void CreateParams(TCreateParams& params) override;
    void Notified(WORD code) override;
    void Refresh() override;

private:
    TRadioButton& Button() const { return static_cast<TRadioButton&>(Control()); }
};
