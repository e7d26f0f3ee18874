// The window of a TTabSheet: a container that dialog tab navigation enters.
#pragma once
#include "support/win32/container_peer.h"

class TTabSheetPeer : public TContainerPeer {
public:
    using TContainerPeer::TContainerPeer;

protected:
    void CreateParams(TCreateParams& params) override;
};
