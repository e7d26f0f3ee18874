#include "components/visual/messages/message_list.h"

void HiMessageList::MakeRoom(int limit) {
    if (limit < 1) limit = 1;
    if (items_.size() < static_cast<size_t>(limit)) return;
    while (!items_.empty() && items_.size() * 2 >= static_cast<size_t>(limit)) items_.pop_front();
}

void HiMessageList::Add(HiIcon kind, std::string text, std::time_t time) {
    items_.push_back({kind, std::move(text), time});
}

std::vector<const HiMessageItem*> HiMessageList::Shown(const HiInfoOptions& options) const {
    std::vector<const HiMessageItem*> shown;
    for (const auto& item : items_)
        if (options.Shows(item.Kind)) shown.push_back(&item);
    return shown;
}
