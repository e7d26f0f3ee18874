// Pairs of (old name, new name) of the components a load had to rename.
#pragma once
#include <string>
#include <utility>
#include <vector>

class TLinkNamesList {
public:
    void Add(const std::string& oldName, const std::string& newName);
    // Index of the pair with that old name (case-insensitive), -1 when absent.
    int IndexOf(const std::string& oldName) const;
    const std::string& DestName(int index) const;
    int Count() const { return static_cast<int>(pairs_.size()); }

private:
    std::vector<std::pair<std::string, std::string>> pairs_;
};
