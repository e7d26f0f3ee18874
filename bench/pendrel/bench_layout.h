// startup.osk loaded in this process the way the keyboard loads it: into a design panel
// with the keyboard's frame, on a form of its own.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "components/persistence/control_io.h"
#include "components/surface/design_panel.h"
#include "keys/osk_custom_key.h"
#include "support/win32/form.h"

// A character key's virtual-key code and its centre in the panel's client coordinates.
struct TCharacterKeySpot {
    int keyCode;
    POINT centre;
};

class TBenchLayout {
public:
    explicit TBenchLayout(const std::string& layoutFile);

    HDesignPanel& Panel() { return *panel_; }
    TForm& Form() { return form_; }
    std::vector<OSKCustomKey*> Keys() const;
    // The letter keys, which type the same in every Latin layout.
    std::vector<TCharacterKeySpot> LetterKeys() const;

private:
    TForm form_{nullptr};
    HDesignPanel* panel_;
    HControlIO io_{&form_};
};
