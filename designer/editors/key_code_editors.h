// The designer's property editors for keys: virtual-key codes chosen by their Windows
// constant names (the non-localizable keys, the modifier and toggle keys) and 16-bit
// shortcuts chosen by their key text.
#pragma once
#include <cstdint>
#include <string>

#include "support/design/standard_property_editors.h"
#include "support/framework/persistent.h"

// A code table: pairs of a virtual-key code and its constant name, ended by code 0.
struct TKeyCodeName {
    int32_t Code;
    const char* Name;
};
extern const TKeyCodeName kNonLocalizableKeyCodes[];
extern const TKeyCodeName kModifierKeyCodes[];

// A code shown by its name in the table, or as "0x%02X" when the table has none; set from a
// name (in any case) or, failing that, from a number in any radix the text shows.
class CodeProperty : public TEnumProperty {
public:
    CodeProperty(TPropertyEditorTarget target, const TKeyCodeName* table);
    std::string GetValue() const override;
    void GetValues(const TGetStrProc& proc) const override;
    // Raises EPropertyError for a text that is neither a name of the table nor a number.
    void SetValue(const std::string& text) override;

private:
    const TKeyCodeName* table_;
};

class KeyCodeProperty : public CodeProperty {
public:
    explicit KeyCodeProperty(TPropertyEditorTarget target) : CodeProperty(std::move(target), kNonLocalizableKeyCodes) {}
};

class ShiftCodeProperty : public CodeProperty {
public:
    explicit ShiftCodeProperty(TPropertyEditorTarget target) : CodeProperty(std::move(target), kModifierKeyCodes) {}
};

// "(None)" for 0, else the shortcut's key text; the list offers the 127 usual shortcuts.
class ShortCutProperty : public TEnumProperty {
public:
    using TEnumProperty::TEnumProperty;
    std::string GetValue() const override;
    void GetValues(const TGetStrProc& proc) const override;
    // A text that names no shortcut gives 0.
    void SetValue(const std::string& text) override;
};

// The property types the registrations name: a string Caption and a 16-bit ShortCut.
class Dummy : public TPersistent {
    PENDREL_CLASS(Dummy, TPersistent)
public:
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    uint16_t GetShortCut() const { return shortCut_; }
    void SetShortCut(uint16_t value) { shortCut_ = value; }

private:
    std::string caption_;
    uint16_t shortCut_ = 0;
};

// Registers the shortcut editor for every 16-bit ShortCut and the two key code editors, for
// OSKKeyFx and OSKKeySym only: the other keys' integers keep the integer editor.
void RegisterKeyCodeEditors();
