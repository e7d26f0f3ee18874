#include "link_names_list.h"

#include "support/framework/exceptions.h"
#include "support/framework/typeinfo.h"

void TLinkNamesList::Add(const std::string& oldName, const std::string& newName) { pairs_.emplace_back(oldName, newName); }

int TLinkNamesList::IndexOf(const std::string& oldName) const {
    for (size_t i = 0; i < pairs_.size(); ++i)
        if (SameText(pairs_[i].first, oldName)) return static_cast<int>(i);
    return -1;
}

const std::string& TLinkNamesList::DestName(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return pairs_[static_cast<size_t>(index)].second;
}
