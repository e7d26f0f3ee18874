// Messages as text: their time as the window shows it, and the list as an exported file.
#pragma once
#include <ctime>
#include <string>

#include "components/visual/messages/message_list.h"

// "dd.mm.yyyy hh:nn:ss" in local time.
std::string HiTimeText(std::time_t time);

// The shown messages, four lines each: "[Item_<n>]" counting from 0, "Type=<kind name>",
// Message="<text>", and an empty line. Lines end in CR LF.
std::string HiExportText(const HiMessageList& list, const HiInfoOptions& options);
