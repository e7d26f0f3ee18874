// A growable array whose index faults end the program with a logged assertion, as a
// programming error must not pass unnoticed.
#pragma once
#include <algorithm>
#include <vector>

#include "support/lib/assertion.h"

template <class T>
class BaseArray {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    T& ItemINT(int num) {
        Check(num);
        return items_[static_cast<size_t>(num)];
    }
    const T& ItemINT(int num) const {
        Check(num);
        return items_[static_cast<size_t>(num)];
    }
    int AddINT(T item) {
        items_.push_back(std::move(item));
        return Count() - 1;
    }
    void AddAtINT(int num, T item) {
        if (static_cast<unsigned>(num) > static_cast<unsigned>(Count())) AssertionFailed("((UINT)num) <= ((UINT)Count())", __FILE__, __LINE__);
        items_.insert(items_.begin() + num, std::move(item));
    }
    void DeleteNumINT(int num) {
        Check(num);
        items_.erase(items_.begin() + num);
    }
    void DeleteAllINT() { items_.clear(); }
    int IndexOfINT(const T& item) const {
        auto it = std::find(items_.begin(), items_.end(), item);
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    void Swap(int a, int b) {
        Check(a);
        Check(b);
        std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
    }

private:
    void Check(int num) const {
        if (static_cast<unsigned>(num) >= static_cast<unsigned>(Count()))
            AssertionFailed("((UINT)num) < ((UINT)Count())", __FILE__, __LINE__);
    }
    std::vector<T> items_;
};
