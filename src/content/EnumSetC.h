#pragma once

#include <QtGlobal>
#include <initializer_list>

// A set of values of a small enumeration (at most 64 values): bit n for
// value n.
template<typename E>
class TEnumSet
{
public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<E> Values)
    {
        for (E V : Values)
            Include(V);
    }
    constexpr bool Contains(E V) const { return (FBits >> quint64(V)) & 1u; }
    constexpr void Include(E V) { FBits |= quint64(1) << quint64(V); }
    constexpr void Exclude(E V) { FBits &= ~(quint64(1) << quint64(V)); }
    constexpr bool IsEmpty() const { return FBits == 0; }
    constexpr quint64 Bits() const { return FBits; }
    constexpr bool operator==(const TEnumSet &) const = default;

private:
    quint64 FBits = 0;
};
