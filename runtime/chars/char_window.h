// The window that shows the last typed character in large type just above the keyboard. It is
// a plain window of its own class; a hidden label of the main form is its model: the label holds
// the text and the font, and its measured size is the window's size.
#pragma once
#include <windows.h>

#include "components/config/cfg_storage.h"
#include "support/framework/std_controls.h"
#include "support/win32/timer.h"

// Registers the window class and makes the window, hidden, 100x100 at the screen's centre.
// Returns 0 when the system refuses, without a report; once made, later calls return it again.
HWND CreateCharWindow();
// The character window of this process; 0 before CreateCharWindow succeeded.
HWND CharWindow();
// Where the window waits until it is first shown: 850,350 100x100, below `below` in the z-order.
void ParkCharWindow(HWND below);

// Shows a clicked key's caption in the character window and hides it again after the
// interval the settings give. tmChar being enabled means the window is meant to be visible.
class TCharDisplay {
public:
    TCharDisplay(HCfgStorage& cfg, TLabel& txtChar, TTimer& tmChar, TWinControl& mainForm);
    ~TCharDisplay();
    TCharDisplay(const TCharDisplay&) = delete;
    TCharDisplay& operator=(const TCharDisplay&) = delete;

    // Shows control's caption; a null control, an empty caption or "DispChar" off hides the window.
    void ShowPressedChar(TControl* control);
    // Puts the window on the main window's top edge, shown or hidden as tmChar says.
    void PlaceCharWindow();
    // tmChar's handler: the time is up.
    void tmCharTimer(TObject* sender);

private:
    void ShowCaption(const std::string& caption);

    HCfgStorage& cfg_;
    TLabel& txtChar_;
    TTimer& tmChar_;
    TWinControl& mainForm_;
};
