#include "osk_keys.h"

#include "key_properties.h"

namespace {
constexpr int32_t kVkF1 = 112;
constexpr int32_t kVkAlt = 18;

// Group numbers of modifier keys, one per key in the process, from 2 on; 0 (no group) is passed over.
int NextModifierGroup() {
    static uint32_t counter = 1;
    if (++counter == 0) ++counter;
    return static_cast<int>(counter);
}
}  // namespace

PENDREL_IMPLEMENT_CLASS(OSKKey)

void OSKKey::DeclareProperties(TClassBuilder<OSKKey>& c) { DeclareKeyProperties(c, kpRepeat | kpKeyCode); }

OSKKey::OSKKey(TComponent* owner) : OSKCustomKey(owner, kCharacterKey) {
    SetKeyLabel("A");
    KeepNewKeyValues();
}

PENDREL_IMPLEMENT_CLASS(OSKKeyFx)

void OSKKeyFx::DeclareProperties(TClassBuilder<OSKKeyFx>& c) {
    DeclareKeyProperties(c, kpWordWrap | kpRepeat | kpGlyph | kpKeyCode);
}

OSKKeyFx::OSKKeyFx(TComponent* owner) : OSKCustomKey(owner, kNonLocalizableKey) {
    SetKeyCode(kVkF1);
    KeepNewKeyValues();
}

PENDREL_IMPLEMENT_CLASS(OSKKeySym)

void OSKKeySym::DeclareProperties(TClassBuilder<OSKKeySym>& c) {
    DeclareKeyProperties(c, kpWordWrap | kpGlyph | kpKeyCode);
}

OSKKeySym::OSKKeySym(TComponent* owner) : OSKCustomKey(owner, kModifierKey) {
    SetColor(clGray);
    // The white text is the key's own, not the parent's font.
    SetParentFont(false);
    GetFont()->SetColor(clWhite);
    SetKeyCode(kVkAlt);
    SetGroupIndex(NextModifierGroup());
    KeepNewKeyValues();
}

PENDREL_IMPLEMENT_CLASS(OSKKeyCmd)

void OSKKeyCmd::DeclareProperties(TClassBuilder<OSKKeyCmd>& c) {
    DeclareKeyProperties(c, kpWordWrap | kpRepeat | kpGlyph | kpCommand);
}

OSKKeyCmd::OSKKeyCmd(TComponent* owner) : OSKCustomKey(owner, kCommandKey) {
    SetKeyLabel("");
    SetCommand(ocConstMacro);
    KeepNewKeyValues();
}
