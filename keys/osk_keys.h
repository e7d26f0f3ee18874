// The key classes that layouts contain.
#pragma once
#include "osk_custom_key.h"

// A character key: its label follows the active keyboard layout. New keys show "A".
class OSKKey : public OSKCustomKey {
    PENDREL_CLASS(OSKKey, OSKCustomKey)
public:
    explicit OSKKey(TComponent* owner);
};

// A key that types the same whatever the layout (arrows, function keys). New keys send F1.
class OSKKeyFx : public OSKCustomKey {
    PENDREL_CLASS(OSKKeyFx, OSKCustomKey)
public:
    explicit OSKKeyFx(TComponent* owner);
};

// A modifier or lock key, which shows its down state. Each one is alone in a group of its
// own, so a click toggles it. New keys are grey with white text and send Alt.
class OSKKeySym : public OSKCustomKey {
    PENDREL_CLASS(OSKKeySym, OSKCustomKey)
public:
    explicit OSKKeySym(TComponent* owner);
};

// A key that runs a command of the host. New keys paste a fixed text.
class OSKKeyCmd : public OSKCustomKey {
    PENDREL_CLASS(OSKKeyCmd, OSKCustomKey)
public:
    explicit OSKKeyCmd(TComponent* owner);
};
