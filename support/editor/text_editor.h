// The modal multi-line text editor. Each call shows the dialog once and answers true when the
// user ended it with OK (the button or Ctrl+Enter); close and Esc change nothing.
//
// An empty caption keeps the dialog's own, "Редактор". A limit of -1 keeps the memo's
// maximum length as the form stores it, 0 lets the edit control take its own maximum, and
// any other value caps what the user can type; a text longer than the limit is shown and
// given back whole.
#pragma once
#include <string>

class TStrings;

// The text's lines (split at CR LF, CR or LF) are edited; on OK the text becomes the edited
// lines joined with "\n". A text the user did not change comes back with only its line ends
// made "\n".
bool HTextEditor(std::string& text, const std::string& caption, int limit);
// The list's lines are edited; on OK the list holds the edited lines. A null list is an empty one.
bool HTextEditor(TStrings* lines, const std::string& caption, int limit);
