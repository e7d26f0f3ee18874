#include "test_layout.h"

#include <cassert>

#include "program_folder.h"

namespace {
constexpr int kKeySize = 30;
constexpr int kPitch = 32;

RECT KeyCell(int column, int row) {
    const int left = 2 + column * kPitch;
    const int top = 2 + row * kPitch;
    return RECT{left, top, left + kKeySize, top + kKeySize};
}


TLayoutControl ModifierKey(const char* name, int column, const char* label, int code) {
    return {name, "OSKKeySym", KeyCell(column, 0), {"KeyLabel = '" + std::string(label) + "'", "KeyCode = " + std::to_string(code)}};
}

TLayoutControl CommandKey(const char* name, int column, const char* command, std::vector<std::string> more) {
    more.insert(more.begin(), {"KeyLabel = '" + std::string(name) + "'", "Command = " + std::string(command)});
    return {name, "OSKKeyCmd", KeyCell(column, 1), std::move(more)};
}

std::string ControlText(const TLayoutControl& control) {
    const RECT& r = control.Bounds;
    std::string text = "  object " + control.Name + ": " + control.Class + "\n";
    text += "    Left = " + std::to_string(r.left) + "\n    Top = " + std::to_string(r.top) + "\n";
    text += "    Width = " + std::to_string(r.right - r.left) + "\n    Height = " + std::to_string(r.bottom - r.top) + "\n";
    for (const auto& line : control.Properties) text += "    " + line + "\n";
    return text + "  end\n";
}
}  // namespace

TLayoutControl CharacterKey(const char* name, int column, const char* label, int code) {
    return {name, "OSKKey", KeyCell(column, 0), {"KeyLabel = '" + std::string(label) + "'", "KeyCode = " + std::to_string(code)}};
}

POINT TTestLayout::Centre(const std::string& name) const {
    for (const auto& control : controls_)
        if (control.Name == name)
            return POINT{(control.Bounds.left + control.Bounds.right) / 2, (control.Bounds.top + control.Bounds.bottom) / 2};
    assert(!"no such control in the test layout");
    return POINT{0, 0};
}

std::string TTestLayout::Text() const {
    std::string text = "object design: HDesignPanel\n  Left = 0\n  Top = 0\n";
    text += "  Width = " + std::to_string(width_) + "\n  Height = " + std::to_string(height_) + "\nend\n";
    text += "BEGIN " + std::to_string(controls_.size()) + "\n";
    for (const auto& control : controls_) text += ControlText(control);
    return text + "END\n";
}

bool TTestLayout::WriteTo(const std::wstring& path) const {
    return WriteWholeFile(path, Text());
}

TTestLayout StandardLayout() {
    TTestLayout layout(164, 100);
    layout.Add(CharacterKey(keys::A, 0, "a", 'A'));
    layout.Add(CharacterKey(keys::B, 1, "b", 'B'));
    layout.Add(CharacterKey(keys::C, 2, "c", 'C'));
    layout.Add(ModifierKey(keys::Shift, 3, "Shift", VK_LSHIFT));
    layout.Add(ModifierKey(keys::Caps, 4, "Caps", VK_CAPITAL));
    layout.Add(CommandKey(keys::SelectAll, 0, "ocShortCut", {"ShortCut = 16449"}));  // Ctrl+A
    layout.Add(CommandKey(keys::Paste, 1, "ocConstMacro", {"FileOrCommand = '" + std::string(kPastedText) + "'"}));
    layout.Add(CommandKey(keys::SendBuffer, 2, "ocVarMacro", {"BufferEdit = " + std::string(keys::Buffer)}));
    layout.Add(CommandKey(keys::Configure, 3, "ocConfigure", {}));
    layout.Add(CommandKey(keys::Menu, 4, "osSysMenu", {}));
    layout.Add({keys::Buffer, "TEdit", RECT{2, 68, 122, 89}, {}});
    return layout;
}

TTestLayout SmallLayout() {
    TTestLayout layout(68, 36);
    layout.Add(CharacterKey(keys::A, 0, "a", 'A'));
    return layout;
}

POINT EmptySpot() { return POINT{150, 85}; }
