// The kinds of messages the message window lists, from plain messages to errors.
#pragma once

enum HiIcon : int { hiiMessage = 0, hiiInformation = 1, hiiWarning = 2, hiiError = 3 };

constexpr int kHiIconCount = 4;

// The kind's name as the window shows it; "" for values that are no kind.
const char* HiIconName(int kind);
