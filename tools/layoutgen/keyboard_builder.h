// Places keys row by row on a design panel, in key units, and saves the panel as a layout.
#pragma once
#include <string>

#include "components/surface/design_panel.h"
#include "keys/osk_keys.h"

class KeyboardBuilder {
public:
    static constexpr int kUnit = 32;  // one key's pitch in pixels
    static constexpr int kGap = 2;    // space between neighbouring keys

    explicit KeyboardBuilder(const std::string& panelName);

    // Moves to the start of row (0 at the top) at column (in key units).
    KeyboardBuilder& At(double column, double row);
    KeyboardBuilder& Skip(double units);

    OSKKey& Char(const std::string& label, int keyCode, double width = 1);
    OSKKeyFx& Fixed(const std::string& label, int keyCode, double width = 1, double height = 1);
    OSKKeySym& Modifier(const std::string& label, int keyCode, double width = 1);
    OSKKeyCmd& Command(const std::string& label, OSKCmd_t command, const std::string& hint, double width = 1);

    // Sizes the panel around its keys and writes it in text form.
    void Save(const std::string& fileName);

private:
    template <class Key>
    Key& Place(double width, double height);
    int Pixels(double units) const { return static_cast<int>(units * kUnit + 0.5); }

    TComponent owner_{nullptr};
    HDesignPanel* panel_;
    double column_ = 0, row_ = 0;
};
