// A configuration tree: one root key, read from and written to a settings file.
#pragma once
#include <cstddef>
#include <string>

#include "support/lib/config/config_item.h"

// Larger settings files are taken as damaged rather than read into memory.
inline constexpr size_t kMaxConfigFileSize = 16u << 20;

class HTreeConfig {
public:
    HTreeConfig() = default;
    HTreeConfig(const HTreeConfig&) = delete;
    HTreeConfig& operator=(const HTreeConfig&) = delete;

    // The root key; the same object for the tree's whole life.
    HConfigItem* Root() { return &root_; }

    // Reads the file into the tree, replacing its values; true on success. A missing or
    // unreadable file gives false and leaves the tree as it was. So does a damaged one, which
    // is also renamed to "<fileName>.bad" so that the next Save cannot destroy it.
    bool Load(const std::string& fileName);
    // Writes the whole tree to the file atomically: on any failure the old file stays intact
    // and the result is false. It is also false while a damaged file at that name could not be
    // set aside yet.
    bool Save(const std::string& fileName);

private:
    // Moves a damaged file aside; remembers it when that fails, so Save can try again.
    bool KeepAside(const std::string& fileName);

    HConfigItem root_;
    std::string notKeptAside_;
};

// The name a damaged settings file is kept under.
std::string HDamagedConfigName(const std::string& fileName);

HTreeConfig* HConfigCreate();
void HConfigDestroy(HTreeConfig* tree);
