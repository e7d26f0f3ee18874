// Sets of enumeration values, stored as a bit mask (bit n for value n).
#pragma once
#include <cstdint>
#include <initializer_list>

#include "typeinfo.h"

template <class E>
class TSet {
public:
    TSet() = default;
    TSet(std::initializer_list<E> values) {
        for (E v : values) Include(v);
    }
    static TSet FromBits(uint32_t bits) {
        TSet s;
        s.bits_ = bits;
        return s;
    }

    bool Contains(E value) const { return bits_ & Bit(value); }
    TSet& Include(E value) { bits_ |= Bit(value); return *this; }
    TSet& Exclude(E value) { bits_ &= ~Bit(value); return *this; }
    bool Empty() const { return bits_ == 0; }
    uint32_t Bits() const { return bits_; }

    TSet operator+(TSet other) const { return FromBits(bits_ | other.bits_); }
    TSet operator-(TSet other) const { return FromBits(bits_ & ~other.bits_); }
    TSet operator*(TSet other) const { return FromBits(bits_ & other.bits_); }
    bool operator==(const TSet&) const = default;

private:
    static uint32_t Bit(E value) { return uint32_t(1) << static_cast<unsigned>(value); }
    uint32_t bits_ = 0;
};

template <class E>
struct TTypeInfoOf<TSet<E>> {
    static const TTypeInfo& Get() {
        static const TTypeInfo info = MakeSetTypeInfo("set of " + TTypeInfoOf<E>::Get().Name, TTypeInfoOf<E>::Get());
        return info;
    }
};
