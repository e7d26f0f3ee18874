// The middle of a series of measurements: robust against the odd slow run of a shared machine.
#pragma once
#include <algorithm>
#include <stdexcept>
#include <vector>

inline double Median(std::vector<double> values) {
    if (values.empty()) throw std::invalid_argument("median of no values");
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    const double upper = values[middle];
    if (values.size() % 2) return upper;
    return (*std::max_element(values.begin(), values.begin() + middle) + upper) / 2;
}
