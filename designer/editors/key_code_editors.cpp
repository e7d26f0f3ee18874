#include "key_code_editors.h"

#include <cctype>

#include "keys/osk_keys.h"
#include "support/design/property_editor_registry.h"
#include "support/framework/class_builder.h"
#include "support/framework/exceptions.h"
#include "support/framework/shortcut.h"
#include "support/lib/format.h"
#include "support/lib/number_text.h"
#include "support/lib/text_compare.h"

PENDREL_IMPLEMENT_CLASS(Dummy)

void Dummy::DeclareProperties(TClassBuilder<Dummy>& c) {
    c.Property("Caption", &Dummy::GetCaption, &Dummy::SetCaption);
    c.Property("ShortCut", &Dummy::GetShortCut, &Dummy::SetShortCut).Default(uint16_t{0});
}

const TKeyCodeName kNonLocalizableKeyCodes[] = {
    {0x21, "VK_PRIOR"},    {0x22, "VK_NEXT"},     {0x23, "VK_END"},     {0x24, "VK_HOME"},    {0x25, "VK_LEFT"},
    {0x26, "VK_UP"},       {0x27, "VK_RIGHT"},    {0x28, "VK_DOWN"},    {0x2D, "VK_INSERT"},  {0x2E, "VK_DELETE"},
    {0x08, "VK_BACK"},     {0x09, "VK_TAB"},      {0x0D, "VK_RETURN"},  {0x13, "VK_PAUSE"},   {0x1B, "VK_ESCAPE"},
    {0x60, "VK_NUMPAD0"},  {0x61, "VK_NUMPAD1"},  {0x62, "VK_NUMPAD2"}, {0x63, "VK_NUMPAD3"}, {0x64, "VK_NUMPAD4"},
    {0x65, "VK_NUMPAD5"},  {0x66, "VK_NUMPAD6"},  {0x67, "VK_NUMPAD7"}, {0x68, "VK_NUMPAD8"}, {0x69, "VK_NUMPAD9"},
    {0x6A, "VK_MULTIPLY"}, {0x6B, "VK_ADD"},      {0x6C, "VK_SEPARATOR"}, {0x6D, "VK_SUBTRACT"}, {0x6E, "VK_DECIMAL"},
    {0x6F, "VK_DIVIDE"},   {0x70, "VK_F1"},       {0x71, "VK_F2"},      {0x72, "VK_F3"},      {0x73, "VK_F4"},
    {0x74, "VK_F5"},       {0x75, "VK_F6"},       {0x76, "VK_F7"},      {0x77, "VK_F8"},      {0x78, "VK_F9"},
    {0x79, "VK_F10"},      {0x7A, "VK_F11"},      {0x7B, "VK_F12"},     {0x7C, "VK_F13"},     {0x7D, "VK_F14"},
    {0x7E, "VK_F15"},      {0x7F, "VK_F16"},      {0x80, "VK_F17"},     {0x81, "VK_F18"},     {0x82, "VK_F19"},
    {0x83, "VK_F20"},      {0x84, "VK_F21"},      {0x85, "VK_F22"},     {0x86, "VK_F23"},     {0x87, "VK_F24"},
    {0x29, "VK_SELECT"},   {0x2A, "VK_PRINT"},    {0x2B, "VK_EXECUTE"}, {0x2C, "VK_SNAPSHOT"}, {0x2F, "VK_HELP"},
    {0x5F, "VK_SLEEP"},    {0, nullptr},
};

const TKeyCodeName kModifierKeyCodes[] = {
    {0x10, "VK_SHIFT"},    {0x11, "VK_CONTROL"}, {0x12, "VK_MENU"},     {0x5D, "VK_APPS"},  {0xA0, "VK_LSHIFT"},
    {0xA1, "VK_RSHIFT"},   {0xA2, "VK_LCONTROL"}, {0xA3, "VK_RCONTROL"}, {0xA4, "VK_LMENU"}, {0xA5, "VK_RMENU"},
    {0x5B, "VK_LWIN"},     {0x5C, "VK_RWIN"},    {0x14, "VK_CAPITAL"},  {0x90, "VK_NUMLOCK"}, {0x91, "VK_SCROLL"},
    {0, nullptr},
};

CodeProperty::CodeProperty(TPropertyEditorTarget target, const TKeyCodeName* table)
    : TEnumProperty(std::move(target)), table_(table) {}

std::string CodeProperty::GetValue() const {
    const int64_t code = GetOrdValue();
    for (const TKeyCodeName* pair = table_; pair->Code != 0; ++pair)
        if (pair->Code == code) return pair->Name;
    return Message("0x%02X", static_cast<unsigned>(code));
}

void CodeProperty::GetValues(const TGetStrProc& proc) const {
    for (const TKeyCodeName* pair = table_; pair->Code != 0; ++pair) proc(pair->Name);
}

namespace {
bool IsNumberText(const std::string& text) {
    size_t at = text.find_first_not_of(" \t");
    if (at == std::string::npos) return false;
    if (text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0) at += 2;
    else if (text[at] == '$') at += 1;
    return at < text.size() && std::isxdigit(static_cast<unsigned char>(text[at]));
}
}  // namespace

void CodeProperty::SetValue(const std::string& text) {
    for (const TKeyCodeName* pair = table_; pair->Code != 0; ++pair)
        if (StrCmp(pair->Name, text.c_str(), -1, false) == 0) return SetOrdValue(pair->Code);
    // The hexadecimal form GetValue shows for codes outside the table reads back.
    if (!IsNumberText(text)) throw EPropertyError("\"" + text + "\" is neither a key name of the list nor a number");
    SetOrdValue(Str2DigitDetect(text.c_str(), 0, 0));
}

std::string ShortCutProperty::GetValue() const {
    const auto value = static_cast<TShortCut>(GetOrdValue());
    return value == 0 ? "(None)" : ShortCutToText(value);
}

void ShortCutProperty::GetValues(const TGetStrProc& proc) const {
    proc("(None)");
    for (const char* modifier : {"Ctrl+", "Alt+", "Shift+"})
        for (char letter = 'A'; letter <= 'Z'; ++letter) proc(modifier + std::string(1, letter));
    for (const char* modifier : {"", "Ctrl+", "Shift+", "Alt+"})
        for (int f = 1; f <= 12; ++f) proc(modifier + std::string("F") + std::to_string(f));
}

void ShortCutProperty::SetValue(const std::string& text) { SetOrdValue(TextToShortCut(text)); }

void RegisterKeyCodeEditors() {
    RegisterPropertyEditor(PropertyTypeOf(&Dummy::StaticClass(), "ShortCut"), nullptr, "ShortCut",
                           PropertyEditorFactory<ShortCutProperty>());
    RegisterPropertyEditor(PropertyTypeOf(&OSKKeyFx::StaticClass(), "KeyCode"), &OSKKeyFx::StaticClass(), "KeyCode",
                           PropertyEditorFactory<KeyCodeProperty>());
    RegisterPropertyEditor(PropertyTypeOf(&OSKKeySym::StaticClass(), "KeyCode"), &OSKKeySym::StaticClass(), "KeyCode",
                           PropertyEditorFactory<ShiftCodeProperty>());
}
