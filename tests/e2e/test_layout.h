// Layouts the tests write themselves, in the control text form, so that they know where
// every key lies.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct TLayoutControl {
    std::string Name;
    std::string Class;
    RECT Bounds;                   // in the design panel's client area
    std::vector<std::string> Properties;  // further "Name = value" lines
};

class TTestLayout {
public:
    TTestLayout(int width, int height) : width_(width), height_(height) {}

    void Add(TLayoutControl control) { controls_.push_back(std::move(control)); }
    // The control's centre in the design panel's client area; asserts that it exists.
    POINT Centre(const std::string& name) const;
    // The control text form that the keyboard loads.
    std::string Text() const;
    bool WriteTo(const std::wstring& path) const;

private:
    int width_;
    int height_;
    std::vector<TLayoutControl> controls_;
};

// Key names of the layout most tests use.
namespace keys {
inline constexpr char A[] = "KeyA";
inline constexpr char B[] = "KeyB";
inline constexpr char C[] = "KeyC";
inline constexpr char Shift[] = "KeyShift";
inline constexpr char Caps[] = "KeyCaps";
inline constexpr char SelectAll[] = "CmdSelectAll";
inline constexpr char Paste[] = "CmdPaste";
inline constexpr char SendBuffer[] = "CmdSendBuffer";
inline constexpr char Configure[] = "CmdConfigure";
inline constexpr char Menu[] = "CmdMenu";
inline constexpr char Buffer[] = "BufferField";
}  // namespace keys

// The text a constant macro key pastes.
inline constexpr char kPastedText[] = "xyz";
// A character key in column of the first row of key cells.
TLayoutControl CharacterKey(const char* name, int column, const char* label, int code);
// Character keys a, b, c; left Shift; Caps Lock; Ctrl+A; a constant and an edit-field
// macro; the settings; the tray menu; an edit field. The bottom right corner is empty.
TTestLayout StandardLayout();
// One character key, in a window of another size.
TTestLayout SmallLayout();
// A point of the standard layout where no control lies.
POINT EmptySpot();
