// The message window's options, process-wide; stored under a configuration key with these names.
#pragma once
#include "components/visual/messages/message_kinds.h"

enum HiCloseAction : int { hcaHide = 1, hcaDestroy = 2, hcaMinimize = 3 };

struct HiInfoOptions {
    int x = -1, y = -1, w = -1, h = -1;  // -1: not placed yet
    int state = 0;                       // 0 normal, 1 minimised, 2 maximised
    int CloseAction = hcaHide;
    int ActivateMin = hiiMessage;  // the lowest kind that pops the window up
    bool Flt[kHiIconCount] = {};   // true: that kind is hidden from the list
    int MaxItems = 100;            // 0: 2000
    bool Timestamp = false;
    bool LogToFile = false;

    // The most messages kept: MaxItems, 2000 for 0 or less, never more than kHiMaxItemLimit.
    int ItemLimit() const;
    // Whether the list shows messages of this kind.
    bool Shows(int kind) const;
};

constexpr int kHiDefaultItemLimit = 2000;
constexpr int kHiMaxItemLimit = 100000;
