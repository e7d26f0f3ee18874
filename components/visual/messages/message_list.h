// The messages of the message window, oldest first.
#pragma once
#include <ctime>
#include <deque>
#include <string>
#include <vector>

#include "components/visual/messages/message_kinds.h"
#include "components/visual/messages/message_options.h"

struct HiMessageItem {
    HiIcon Kind = hiiMessage;
    std::string Text;
    std::time_t Time = 0;
};

class HiMessageList {
public:
    // Makes room for one more message: holding limit or more, the oldest go until fewer than
    // half the limit remain.
    void MakeRoom(int limit);
    void Add(HiIcon kind, std::string text, std::time_t time);
    void Clear() { items_.clear(); }

    size_t Count() const { return items_.size(); }
    const HiMessageItem& operator[](size_t index) const { return items_[index]; }
    // The messages the options let the list show, oldest first.
    std::vector<const HiMessageItem*> Shown(const HiInfoOptions& options) const;

private:
    std::deque<HiMessageItem> items_;
};
