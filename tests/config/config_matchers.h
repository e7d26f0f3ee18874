// Comparing whole configuration trees.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "support/lib/config/config_item.h"

inline bool SameValue(const HConfigValue& a, const HConfigValue& b) {
    if (a.Kind != b.Kind || a.Number != b.Number || a.Text != b.Text) return false;
    if (std::isnan(a.Real)) return std::isnan(b.Real);
    return std::memcmp(&a.Real, &b.Real, sizeof a.Real) == 0;  // -0.0 differs from 0.0
}

inline ::testing::AssertionResult SameTree(const HConfigItem& expected, const HConfigItem& actual, const std::string& path = "") {
    if (expected.AllValues().size() != actual.AllValues().size())
        return ::testing::AssertionFailure() << "value count differs at [" << path << "]";
    for (const auto& [name, value] : expected.AllValues()) {
        auto it = actual.AllValues().find(name);
        if (it == actual.AllValues().end()) return ::testing::AssertionFailure() << "missing value \"" << name << "\" at [" << path << "]";
        if (!SameValue(value, it->second)) return ::testing::AssertionFailure() << "value \"" << name << "\" differs at [" << path << "]";
    }
    if (expected.AllSubKeys().size() != actual.AllSubKeys().size())
        return ::testing::AssertionFailure() << "sub-key count differs at [" << path << "]";
    for (const auto& [name, key] : expected.AllSubKeys()) {
        const HConfigItem* other = actual.FindSubKey(name);
        if (!other) return ::testing::AssertionFailure() << "missing key \"" << name << "\" at [" << path << "]";
        auto result = SameTree(*key, *other, path + "/" + name);
        if (!result) return result;
    }
    return ::testing::AssertionSuccess();
}
