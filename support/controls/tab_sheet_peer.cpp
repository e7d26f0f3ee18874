#include "tab_sheet_peer.h"

void TTabSheetPeer::CreateParams(TCreateParams& params) {
    TContainerPeer::CreateParams(params);
    params.ExStyle |= WS_EX_CONTROLPARENT;
}
