#include "components/visual/messages/message_options.h"

int HiInfoOptions::ItemLimit() const {
    if (MaxItems <= 0) return kHiDefaultItemLimit;
    return MaxItems < kHiMaxItemLimit ? MaxItems : kHiMaxItemLimit;
}

bool HiInfoOptions::Shows(int kind) const { return kind < 0 || kind >= kHiIconCount || !Flt[kind]; }
