#include "keyboard_builder.h"

#include <algorithm>

#include "components/persistence/control_io.h"

KeyboardBuilder::KeyboardBuilder(const std::string& panelName) : panel_(new HDesignPanel(&owner_)) {
    panel_->SetName(panelName);
}

KeyboardBuilder& KeyboardBuilder::At(double column, double row) {
    column_ = column;
    row_ = row;
    return *this;
}

KeyboardBuilder& KeyboardBuilder::Skip(double units) {
    column_ += units;
    return *this;
}

template <class Key>
Key& KeyboardBuilder::Place(double width, double height) {
    auto* key = new Key(panel_);
    key->SetParent(panel_);
    // Every key shows its outline, so the keyboard reads as keys before the pointer touches it.
    key->SetShowBorderWhenInactive(true);
    const int left = kGap + Pixels(column_), top = kGap + Pixels(row_);
    key->SetBounds(left, top, Pixels(width) - kGap, Pixels(height) - kGap);
    column_ += width;
    return *key;
}

OSKKey& KeyboardBuilder::Char(const std::string& label, int keyCode, double width) {
    OSKKey& key = Place<OSKKey>(width, 1);
    key.SetKeyLabel(label);
    key.SetKeyCode(keyCode);
    return key;
}

OSKKeyFx& KeyboardBuilder::Fixed(const std::string& label, int keyCode, double width, double height) {
    OSKKeyFx& key = Place<OSKKeyFx>(width, height);
    key.SetKeyLabel(label);
    key.SetKeyCode(keyCode);
    return key;
}

OSKKeySym& KeyboardBuilder::Modifier(const std::string& label, int keyCode, double width) {
    OSKKeySym& key = Place<OSKKeySym>(width, 1);
    key.SetKeyLabel(label);
    key.SetKeyCode(keyCode);
    return key;
}

OSKKeyCmd& KeyboardBuilder::Command(const std::string& label, OSKCmd_t command, const std::string& hint, double width) {
    OSKKeyCmd& key = Place<OSKKeyCmd>(width, 1);
    key.SetKeyLabel(label);
    key.SetCommand(command);
    key.SetHint(hint);
    key.SetShowHint(true);
    return key;
}

void KeyboardBuilder::Save(const std::string& fileName) {
    int right = 0, bottom = 0;
    for (int i = 0; i < panel_->ControlCount(); ++i) {
        TControl* key = panel_->Controls(i);
        right = std::max(right, key->GetLeft() + key->GetWidth());
        bottom = std::max(bottom, key->GetTop() + key->GetHeight());
        // Names in placing order, as the designer gives them.
        key->SetName(key->ClassName() + std::to_string(i + 1));
    }
    panel_->SetBounds(0, 0, right + kGap, bottom + kGap);
    // The frame takes its share of the outer size.
    const int frameWidth = panel_->GetWidth() - panel_->ClientWidth();
    const int frameHeight = panel_->GetHeight() - panel_->ClientHeight();
    panel_->SetBounds(0, 0, right + kGap + frameWidth, bottom + kGap + frameHeight);
    HControlIO io(&owner_);
    io.SetControl(panel_);
    io.SetTextOutput(true);
    io.SetCompressContents(false);
    io.Save(fileName);
}
