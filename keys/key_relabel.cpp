#include "key_relabel.h"

#include "osk_custom_key.h"
#include "support/framework/win_control.h"

void RelabelKeys(TWinControl& surface, uint8_t* state, void* layout) {
    const TRepaintHold hold(surface);
    for (int i = 0; i < surface.ControlCount(); ++i)
        if (auto* key = dynamic_cast<OSKCustomKey*>(surface.Controls(i))) key->UpdateFromKeyboard(state, layout);
}
