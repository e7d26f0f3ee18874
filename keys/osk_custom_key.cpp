#include "osk_custom_key.h"

#include <algorithm>

#include "host_settings.h"
#include "key_state.h"
#include "keyboard_platform.h"
#include "language_abbreviation.h"
#include "osk_messages.h"
#include "support/framework/utf_text.h"

namespace {
constexpr int kTranslationUnits = 10;
constexpr size_t kMaxCaptionBytes = 10;

// Without "LRDiff" a sided modifier code stands for both sides.
int CommonModifierCode(int code) {
    switch (code) {
        case 0x5B: case 0x5C: return 0x5D;
        case 0xA0: case 0xA1: return 0x10;
        case 0xA2: case 0xA3: return 0x11;
        case 0xA4: case 0xA5: return 0x12;
        default: return code;
    }
}

bool IsLockKey(int code) { return code == 0x14 || code == 0x90 || code == 0x91; }

bool IsStateIndex(int code) { return code > 0 && code < kKeyboardStateSize; }
}  // namespace

PENDREL_IMPLEMENT_CLASS(OSKCustomKey)

void OSKCustomKey::DeclareProperties(TClassBuilder<OSKCustomKey>&) {}

OSKCustomKey::OSKCustomKey(TComponent* owner, uint8_t keyKind) : TCustomToolbarButton97(owner), keyKind_(keyKind) {
    SetAllowAllUp(true);
    SetCoverColor(clOlive);
    OnClick = [this](TObject*) { NotifyHost(); };
}

void OSKCustomKey::SetKeyLabel(const std::string& text) {
    const std::string before = keyLabel_;
    const int32_t codeBefore = keyCode_;
    keyLabel_ = text;
    if (keyKind_ == kCharacterKey) {
        keyLabel_ = FirstCharacter(text);
        keyCode_ = 0;
        if (!keyLabel_.empty()) {
            const int16_t scan = KeyboardPlatform().KeyScan(CodePointOf(keyLabel_));
            if (scan != -1) keyCode_ = scan & 0xFF;
        }
    }
    ShowKeyLabel();
    if (keyLabel_ != before) PropertyChanged("KeyLabel");
    if (keyCode_ != codeBefore) PropertyChanged("KeyCode");
}

void OSKCustomKey::ShowKeyLabel() {
    if (keyLabel_.empty())
        SetCaption("");
    else if (keyKind_ == kCharacterKey)
        SetCaption(KeyboardPlatform().UpperCase(FirstCharacter(keyLabel_)));
    else
        SetCaption(keyLabel_);
}

void OSKCustomKey::SetBufferEdit(TEdit* value) {
    if (value == bufferEdit_) return;
    if (bufferEdit_) bufferEdit_->RemoveFreeNotification(this);
    bufferEdit_ = value;
    if (bufferEdit_) bufferEdit_->FreeNotification(this);
    PropertyChanged("BufferEdit");
}

void OSKCustomKey::Notification(TComponent* component, TOperation operation) {
    TCustomToolbarButton97::Notification(component, operation);
    if (operation == TOperation::opRemove && component == bufferEdit_) bufferEdit_ = nullptr;
}

void OSKCustomKey::NotifyHost() {
    if (!hostWindow_) return;
    KeyboardPlatform().Post(hostWindow_, WM_OSK_KEYPRESSED, reinterpret_cast<uintptr_t>(this), 0);
}

bool OSKCustomKey::HostSetting(const char* name) const {
    if (!hostWindow_) return true;
    return KeyboardPlatform().Send(hostWindow_, WM_OSK_GETSETTING, reinterpret_cast<uintptr_t>(name), 1) != 0;
}

void OSKCustomKey::UpdateFromKeyboard(uint8_t* state, void* layout) {
    if (!state) return;
    switch (keyKind_) {
        case kCharacterKey:
            if (!IsStateIndex(keyCode_) || !layout) return ShowKeyLabel();
            return ShowTranslation(state, layout);
        case kModifierKey: return ShowModifierState(state);
        case kCommandKey:
            if (command_ != ocLayoutChange) return;
            SetCaption(layout ? LanguageAbbreviation(static_cast<uint8_t>(reinterpret_cast<uintptr_t>(layout)))
                              : keyLabel_);
            return;
        default: return;
    }
}

void OSKCustomKey::ShowTranslation(uint8_t* state, void* layout) {
    IKeyboardPlatform& platform = KeyboardPlatform();
    const bool ignoreCtrl = HostSetting(kIgnoreCA);
    const uint32_t signature = KeyStateSignature(state);
    if (ignoreCtrl) ApplyKeyStateSignature(state, signature & ~uint32_t(ksLeftCtrl | ksRightCtrl));
    char16_t units[kTranslationUnits] = {};
    const auto code = static_cast<uint32_t>(keyCode_);
    const int produced = platform.ToUnicode(code, platform.MapKey(code, 0), state, units, kTranslationUnits, 0, layout);
    if (ignoreCtrl) ApplyKeyStateSignature(state, signature);
    if (produced < 0)
        SetCaption("<d>");
    else if (produced == 0)
        SetCaption("<t>");
    else
        SetCaption(Utf16ToUtf8(std::u16string_view(units, static_cast<size_t>(std::min(produced, kTranslationUnits))), kMaxCaptionBytes));
}

void OSKCustomKey::ShowModifierState(const uint8_t* state) {
    if (keyCode_ == 0) return;
    int code = keyCode_;
    if (!HostSetting(kLRDiff)) code = CommonModifierCode(code);
    if (!IsStateIndex(code)) return;
    const uint8_t bit = IsLockKey(code) ? 0x01 : 0x80;
    SetDown(state[code] & bit);
}
