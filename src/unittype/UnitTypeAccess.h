#ifndef QELUNITS_SRC_UNITTYPE_UNITTYPEACCESS_H
#define QELUNITS_SRC_UNITTYPE_UNITTYPEACCESS_H

// Internal mutators of QelUnitType's factor list for the library's own
// algorithms. They keep the storage rules (inline entries, a heap block
// beyond) but not the ascending order: callers keep that.

#include <qelunits/QelUnitType.h>

#include <cstdint>

namespace qelunits_detail {

/// A QelUnitType seen as a growable list of factors.
struct UnitTypeAccess {
    QelUnitType& type;

    std::uint32_t size() const noexcept { return type.mSize; }
    QelUnitFactor* data() noexcept { return type.mUnits; }
    void setStatus(QelUnit::ErrorStatus status) noexcept { type.mStatus = status; }
    void clear() noexcept { type.mSize = 0; }

    /// Makes room for count entries; the entries are kept.
    void reserve(std::uint32_t count);
    /// Replaces the entries by count entries from first (not within this list).
    void assign(const QelUnitFactor* first, std::uint32_t count);
    void append(QelUnitFactor f) {
        reserve(type.mSize + 1);
        type.mUnits[type.mSize++] = f;
    }
    /// Inserts f at index; within the capacity without a call, as types are mostly built small.
    void insertAt(std::uint32_t index, QelUnitFactor f) {
        if (type.mSize == type.mCapacity) {
            reserve(type.mSize + 1);
        }
        for (std::uint32_t i = type.mSize; i > index; --i) {
            type.mUnits[i] = type.mUnits[i - 1];
        }
        type.mUnits[index] = f;
        ++type.mSize;
    }
    void eraseAt(std::uint32_t index) noexcept;
};

} // namespace qelunits_detail

#endif
