#include "std_controls.h"

#include <algorithm>
#include <cctype>

PENDREL_IMPLEMENT_CLASS(TLabel)

void TLabel::DeclareProperties(TClassBuilder<TLabel>& c) {
    c.Property("Align", &TLabel::GetAlign, &TLabel::SetAlign).Default(alNone);
    c.Property("Alignment", &TLabel::GetAlignment, &TLabel::SetAlignment).Default(taLeftJustify);
    c.Property("AutoSize", &TLabel::GetAutoSize, &TLabel::SetAutoSize).Default(true);
    c.Property("Caption", &TLabel::GetCaption, &TLabel::SetCaption);
    c.Property("Color", &TLabel::GetColor, &TLabel::SetColor).Type(ColorTypeInfo()).Stored(&TLabel::IsColorStored);
    c.Property("Enabled", &TLabel::GetEnabled, &TLabel::SetEnabled).Default(true);
    c.Property("Font", &TLabel::GetFont, &TLabel::SetFont).Stored(&TLabel::IsFontStored);
    c.Property("Layout", &TLabel::GetLayout, &TLabel::SetLayout).Default(tlTop);
    c.Property("ParentColor", &TLabel::GetParentColor, &TLabel::SetParentColor).Default(true);
    c.Property("ParentFont", &TLabel::GetParentFont, &TLabel::SetParentFont).Default(true);
    c.Property("ShowHint", &TLabel::GetShowHint, &TLabel::SetShowHint).Default(false);
    c.Property("Transparent", &TLabel::GetTransparent, &TLabel::SetTransparent).Default(false);
    c.Property("Visible", &TLabel::GetVisible, &TLabel::SetVisible).Default(true);
    c.Property("WordWrap", &TLabel::GetWordWrap, &TLabel::SetWordWrap).Default(false);
    c.Event("OnClick", &TLabel::OnClick);
    c.Event("OnDblClick", &TLabel::OnDblClick);
}

TLabel::TLabel(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

PENDREL_IMPLEMENT_CLASS(TEdit)

void TEdit::DeclareProperties(TClassBuilder<TEdit>& c) {
    c.Property("Align", &TEdit::GetAlign, &TEdit::SetAlign).Default(alNone);
    c.Property("AutoSelect", &TEdit::GetAutoSelect, &TEdit::SetAutoSelect).Default(true);
    c.Property("BorderStyle", &TEdit::GetBorderStyle, &TEdit::SetBorderStyle).Default(bsSingle);
    c.Property("CharCase", &TEdit::GetCharCase, &TEdit::SetCharCase).Default(ecNormal);
    c.Property("Color", &TEdit::GetColor, &TEdit::SetColor).Type(ColorTypeInfo()).Default(clWindow).Stored(&TEdit::IsColorStored);
    c.Property("Enabled", &TEdit::GetEnabled, &TEdit::SetEnabled).Default(true);
    c.Property("Font", &TEdit::GetFont, &TEdit::SetFont).Stored(&TEdit::IsFontStored);
    c.Property("MaxLength", &TEdit::GetMaxLength, &TEdit::SetMaxLength).Default(0);
    c.Property("ParentColor", &TEdit::GetParentColor, &TEdit::SetParentColor).Default(false);
    c.Property("ParentFont", &TEdit::GetParentFont, &TEdit::SetParentFont).Default(true);
    c.Property("PasswordChar", &TEdit::GetPasswordChar, &TEdit::SetPasswordChar).Default(0);
    c.Property("ReadOnly", &TEdit::GetReadOnly, &TEdit::SetReadOnly).Default(false);
    c.Property("ShowHint", &TEdit::GetShowHint, &TEdit::SetShowHint).Default(false);
    c.Property("TabOrder", &TEdit::GetTabOrder, &TEdit::SetTabOrder).Default(-1);
    c.Property("TabStop", &TEdit::GetTabStop, &TEdit::SetTabStop).Default(true);
    c.Property("Text", &TEdit::GetText, &TEdit::SetText);
    c.Property("Visible", &TEdit::GetVisible, &TEdit::SetVisible).Default(true);
    c.Event("OnChange", &TEdit::OnChange);
    c.Event("OnClick", &TEdit::OnClick);
    c.Event("OnEnter", &TEdit::OnEnter);
    c.Event("OnExit", &TEdit::OnExit);
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
}

void TEdit::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    StyleChanged();
}

void TEdit::SetCharCase(TEditCharCase value) {
    if (value == charCase_) return;
    charCase_ = value;
    StyleChanged();
    std::string text = GetText();
    if (value == ecNormal) return;
    std::transform(text.begin(), text.end(), text.begin(), [value](unsigned char ch) {
        return static_cast<char>(value == ecUpperCase ? std::toupper(ch) : std::tolower(ch));
    });
    SetText(text);
}

void TEdit::SetPasswordChar(char value) {
    if (value == passwordChar_) return;
    passwordChar_ = value;
    StyleChanged();
}

void TEdit::SetReadOnly(bool value) {
    if (value == readOnly_) return;
    readOnly_ = value;
    StyleChanged();
}

void TEdit::StyleChanged() {
    // The window takes these styles only when it is made; make it again.
    if (HandleAllocated()) {
        DestroyHandle();
        HandleNeeded();
    }
}

void TEdit::TextChanged() {
    TWinControl::TextChanged();
    modified_ = false;
    OnChange(this);
}

void TEdit::TextEditedInWindow(const std::string& text) {
    if (text == GetText()) return;
    TControl::SetTextSilently(text);
    modified_ = true;
    OnChange(this);
}
