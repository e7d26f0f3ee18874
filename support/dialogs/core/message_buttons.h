// Which push buttons a message box shows, which one is the default, and what the box returns.
#pragma once
#include <vector>

struct XMBButton {
    int Id;        // the value the button returns (XMBResult)
    int StringId;  // its text in the string table
};

// The push buttons left to right: the set's buttons, Yes to All and No to All where asked
// for, then Help. An unknown set, or Yes/No to All outside sets 3 and 4, is a programming error.
std::vector<XMBButton> XMBButtons(unsigned flags);

// Index of the default push button: the default-button field picks the 1st to 6th; any
// other value, or one beyond count, picks the first.
int XMBDefaultButton(unsigned flags, int count);

// What Escape and the close box return: Cancel's value when there is a Cancel button, OK's
// when OK is the only button that closes the box (Help does not), 0 when they do nothing.
int XMBEscapeResult(const std::vector<XMBButton>& buttons);

// The check box asked for (XMB_NOTASKAGAIN wins over XMB_NOTTELLAGAIN); 0 for none.
unsigned XMBCheckBoxBit(unsigned flags);

// The box's result for a button value and the state of its check box.
int XMBResultOf(int buttonId, unsigned flags, bool checked);
