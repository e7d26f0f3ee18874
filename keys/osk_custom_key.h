// The base of the key controls: a flat toolbar button with a label, a virtual-key code and
// a command, which tells its host window when it is clicked.
#pragma once
#include <cstdint>
#include <string>

#include "components/visual/toolbar/toolbar_button.h"
#include "support/framework/shortcut.h"
#include "support/framework/std_controls.h"

// What a command key does; stored by name ("osSysMenu" is the name of value 2).
enum OSKCmd_t : uint8_t {
    ocMinimize,
    ocConfigure,
    osSysMenu,
    ocClose,
    ocSwitchKeyboard,
    ocSelectKeyboard,
    ocConstMacro,
    ocVarMacro,
    ocExecute,
    ocShortCut,
    ocLayoutChange,
};
PENDREL_ENUM_TYPEINFO(OSKCmd_t, "ocMinimize", "ocConfigure", "osSysMenu", "ocClose", "ocSwitchKeyboard",
                      "ocSelectKeyboard", "ocConstMacro", "ocVarMacro", "ocExecute", "ocShortCut", "ocLayoutChange");

// The kinds of key, by class.
inline constexpr uint8_t kCharacterKey = 0;         // OSKKey
inline constexpr uint8_t kNonLocalizableKey = 1;    // OSKKeyFx
inline constexpr uint8_t kModifierKey = 2;          // OSKKeySym
inline constexpr uint8_t kCommandKey = 3;           // OSKKeyCmd

class OSKCustomKey : public TCustomToolbarButton97 {
    PENDREL_CLASS(OSKCustomKey, TCustomToolbarButton97)
public:
    uint8_t GetKeyKind() const { return keyKind_; }
    // The window that hears of the key's clicks and answers its setting queries; null: none.
    void* GetHostWindow() const { return hostWindow_; }
    void SetHostWindow(void* value) { hostWindow_ = value; }

    const std::string& GetKeyLabel() const { return keyLabel_; }
    // A character key keeps only the label's first character and takes the code of the key
    // that types it in the calling thread's layout (0 when none does, or for an empty label).
    void SetKeyLabel(const std::string& text);
    // The caption from the label: a character key shows its character in upper case.
    void ShowKeyLabel();
    int32_t GetKeyCode() const { return keyCode_; }
    void SetKeyCode(int32_t value) { ChangeAndReport(keyCode_, value, "KeyCode"); }
    OSKCmd_t GetCommand() const { return command_; }
    void SetCommand(OSKCmd_t value) { ChangeAndReport(command_, value, "Command"); }
    const std::string& GetFileOrCommand() const { return fileOrCommand_; }
    void SetFileOrCommand(const std::string& value) { ChangeAndReport(fileOrCommand_, value, "FileOrCommand"); }
    // Another control of the layout; cleared when that control goes away.
    TEdit* GetBufferEdit() const { return bufferEdit_; }
    void SetBufferEdit(TEdit* value);
    TShortCut GetShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value) { ChangeAndReport(shortCut_, value, "ShortCut"); }

    // Shows what the key would type, or its down state, for a 256-byte keyboard state and a
    // keyboard layout (null: none). A character key changes the state while it translates
    // and then writes the state's whole signature back. Without a state nothing happens.
    void UpdateFromKeyboard(uint8_t* state, void* layout);

    // Stream defaults: a value is left out of a layout only when reading the layout without
    // it gives the same value, that is the one a new key of the class starts with.
    bool IsKeyLabelDefault() const { return keyLabel_.empty() && newKeyLabel_.empty(); }
    // A character key takes the code of its label when the code is left out.
    bool IsKeyCodeDefault() const { return keyCode_ == 0 && newKeyCode_ == 0 && (keyKind_ != kCharacterKey || keyLabel_.empty()); }

    void Notification(TComponent* component, TOperation operation) override;

protected:
    OSKCustomKey(TComponent* owner, uint8_t keyKind);
    // Called at the end of each class's constructor, once the key has its starting values.
    void KeepNewKeyValues() {
        newKeyLabel_ = keyLabel_;
        newKeyCode_ = keyKind_ == kCharacterKey ? 0 : keyCode_;
    }

private:
    void NotifyHost();
    // A setting of the host by name; on without a host.
    bool HostSetting(const char* name) const;
    void ShowTranslation(uint8_t* state, void* layout);
    void ShowModifierState(const uint8_t* state);

    uint8_t keyKind_;
    void* hostWindow_ = nullptr;
    std::string keyLabel_;
    int32_t keyCode_ = 0;
    OSKCmd_t command_ = ocMinimize;
    std::string fileOrCommand_;
    TEdit* bufferEdit_ = nullptr;
    TShortCut shortCut_ = 0;
    std::string newKeyLabel_;
    int32_t newKeyCode_ = 0;
};
