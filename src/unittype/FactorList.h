#ifndef QELUNITS_SRC_UNITTYPE_FACTORLIST_H
#define QELUNITS_SRC_UNITTYPE_FACTORLIST_H

// The one merge rule of the unit algebra, written once for every list that
// holds factors in ascending unit order: a QelUnitType (through
// UnitTypeAccess) or a fixed scratch list on the stack.

#include "catalog/Catalog.h"

#include <qelunits/QelUnitType.h>

#include <cstdint>

namespace qelunits_detail {

// Powers wrap around in 32 bits; computing in unsigned keeps that free of UB.
constexpr std::int32_t wrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
constexpr std::int32_t wrapSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
constexpr std::int32_t wrapMul(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
constexpr std::int32_t wrapNeg(std::int32_t a) { return wrapSub(0, a); }
/// |p|, exact also for the most negative power.
constexpr std::int64_t magnitude(std::int32_t p) { return p < 0 ? -static_cast<std::int64_t>(p) : p; }

/// Position of unit in an ascending list, or of the first larger unit, searching from start.
inline std::uint32_t lowerBound(const QelUnitFactor* data, std::uint32_t size, std::int32_t unit,
                                std::uint32_t start = 0) noexcept {
    std::uint32_t i = start;
    while (i < size && data[i].unit < unit) {
        ++i;
    }
    return i;
}

/// Multiplies list by unit^power: a new unit is inserted (a power of 0
/// included), a present one gets the sum, and leaves when the sum is 0.
/// Searches from start; returns where the search for a larger unit may start.
template <class List>
std::uint32_t addPower(List& list, std::int32_t unit, std::int32_t power, std::uint32_t start = 0) {
    const std::uint32_t i = lowerBound(list.data(), list.size(), unit, start);
    if (i < list.size() && list.data()[i].unit == unit) {
        const std::int32_t sum = wrapAdd(list.data()[i].power, power);
        if (sum == 0) {
            list.eraseAt(i);
            return i;
        }
        list.data()[i].power = sum;
        return i + 1;
    }
    list.insertAt(i, QelUnitFactor{static_cast<QelUnit::BuiltinUnits>(unit), power});
    return i + 1;
}

// Inlined into every merge of the reader: the call cost more than the append it makes in the common case.
#if defined(__GNUC__)
#define QELUNITS_ALWAYS_INLINE __attribute__((always_inline)) inline
#else
#define QELUNITS_ALWAYS_INLINE inline
#endif

/// Multiplies list by unit^power as addPower does, where the resulting power stays within ±limit; false,
/// and list unchanged, where it would not. A power of 0, and the dimensionless unit, change nothing: a text's
/// "m^0" is 1, not an entry.
template <class List>
QELUNITS_ALWAYS_INLINE bool addPowerWithin(List& list, std::int32_t unit, std::int64_t power, std::int64_t limit) {
    if (power == 0 || unit == QelUnit::dimensionless) {
        return true;
    }
    const std::uint32_t size = list.size();
    if ((size == 0 || list.data()[size - 1].unit < unit) && power >= -limit && power <= limit) {
        list.insertAt(size, QelUnitFactor{static_cast<QelUnit::BuiltinUnits>(unit), static_cast<std::int32_t>(power)});
        return true; // the common case: units read in ascending order
    }
    const std::uint32_t i = lowerBound(list.data(), size, unit);
    const std::int64_t sum = (i < list.size() && list.data()[i].unit == unit ? list.data()[i].power : 0) + power;
    if (sum < -limit || sum > limit) {
        return false;
    }
    addPower(list, unit, static_cast<std::int32_t>(power), i);
    return true;
}

/// Multiplies list by every entry of other^sign (sign 1 or -1), in one pass.
template <class List>
void addPowers(List& list, const QelUnitFactor* other, std::uint32_t count, std::int32_t sign) {
    std::uint32_t start = 0;
    for (std::uint32_t k = 0; k < count; ++k) {
        start = addPower(list, other[k].unit, wrapMul(other[k].power, sign), start);
    }
}

/// A list of fixed capacity on the stack; its user keeps it from overflowing.
template <std::uint32_t Capacity>
class FixedFactors {
public:
    static constexpr std::uint32_t kCapacity = Capacity;

    FixedFactors() noexcept = default; // entries past size stay unset
    FixedFactors(const QelUnitFactor* first, std::uint32_t count) noexcept : mSize(count) {
        for (std::uint32_t i = 0; i < count; ++i) {
            mItems[i] = first[i];
        }
    }
    FixedFactors(const FixedFactors&) = delete;
    FixedFactors& operator=(const FixedFactors&) = delete;
    ~FixedFactors() = default;

    std::uint32_t size() const noexcept { return mSize; }
    bool empty() const noexcept { return mSize == 0; }
    QelUnitFactor* data() noexcept { return mItems; }
    const QelUnitFactor* data() const noexcept { return mItems; }
    const QelUnitFactor& operator[](std::uint32_t i) const noexcept { return mItems[i]; }

    void insertAt(std::uint32_t index, QelUnitFactor f) noexcept {
        for (std::uint32_t i = mSize; i > index; --i) {
            mItems[i] = mItems[i - 1];
        }
        mItems[index] = f;
        ++mSize;
    }
    void eraseAt(std::uint32_t index) noexcept {
        --mSize;
        for (std::uint32_t i = index; i < mSize; ++i) {
            mItems[i] = mItems[i + 1];
        }
    }

    // A walk over the entries, for algorithms that also run on lists whose entries leave without moving.
    std::uint32_t first() const noexcept { return 0; }
    std::uint32_t end() const noexcept { return mSize; }
    std::uint32_t after(std::uint32_t i) const noexcept { return i + 1; }
    /// Divides entry i by its unit^p, erasing it when the power becomes 0;
    /// returns where the walk goes on from there.
    std::uint32_t take(std::uint32_t i, std::int32_t p) noexcept {
        const std::int32_t power = wrapSub(mItems[i].power, p);
        if (power == 0) {
            eraseAt(i);
        } else {
            mItems[i].power = power;
        }
        return i;
    }

private:
    std::uint32_t mSize = 0;
    QelUnitFactor mItems[kCapacity];
};

/// No type can hold more entries than there are storable units, so this never overflows.
using ScratchFactors = FixedFactors<kUnitCount - 1>;

} // namespace qelunits_detail

#endif
