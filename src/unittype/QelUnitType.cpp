#include "unittype/UnitTypeAccess.h"

#include "catalog/Catalog.h"

#include <qelunits/QelUnitType.h>

#include <algorithm>
#include <utility>

using qelunits_detail::isStorableUnit;
using qelunits_detail::UnitTypeAccess;

namespace {

bool onHeap(const QelUnitFactor* units, const QelUnitFactor* inlineUnits) { return units != inlineUnits; }

} // namespace

namespace qelunits_detail {

void UnitTypeAccess::reserve(std::uint32_t count) {
    if (count <= type.mCapacity) {
        return;
    }
    // A list never holds more than the storable units, so growth stops there.
    const std::uint32_t capacity =
        std::max(count, std::min<std::uint32_t>(type.mCapacity * 2U, static_cast<std::uint32_t>(kUnitCount - 1)));
    auto* units = new QelUnitFactor[capacity];
    std::copy(type.mUnits, type.mUnits + type.mSize, units);
    if (onHeap(type.mUnits, type.mInline)) {
        delete[] type.mUnits;
    }
    type.mUnits = units;
    type.mCapacity = capacity;
}

void UnitTypeAccess::assign(const QelUnitFactor* first, std::uint32_t count) {
    // Room first, so that a failed allocation leaves the old entries in place.
    reserve(count);
    std::copy(first, first + count, type.mUnits);
    type.mSize = count;
}

void UnitTypeAccess::eraseAt(std::uint32_t index) noexcept {
    std::copy(type.mUnits + index + 1, type.mUnits + type.mSize, type.mUnits + index);
    --type.mSize;
}

} // namespace qelunits_detail

QelUnitType::QelUnitType(QelUnit::BuiltinUnits unit, int power) noexcept : mUnits(mInline) {
    if (isStorableUnit(unit)) {
        mInline[0] = QelUnitFactor{unit, power};
        mSize = 1;
    }
}

QelUnitType::QelUnitType(const QelUnitType& other) : mUnits(mInline) {
    UnitTypeAccess{*this}.assign(other.mUnits, other.mSize);
}

QelUnitType::QelUnitType(QelUnitType&& other) noexcept : mUnits(mInline) {
    *this = std::move(other);
    mStatus = QelUnit::Ok; // as a copy would have it
}

QelUnitType& QelUnitType::operator=(const QelUnitType& other) {
    if (this != &other) {
        UnitTypeAccess{*this}.assign(other.mUnits, other.mSize);
        mStatus = other.mStatus;
    }
    return *this;
}

QelUnitType& QelUnitType::operator=(QelUnitType&& other) noexcept {
    if (this == &other) {
        return *this;
    }
    if (onHeap(other.mUnits, other.mInline)) {
        if (onHeap(mUnits, mInline)) {
            delete[] mUnits;
        }
        mUnits = other.mUnits;
        mCapacity = other.mCapacity;
        other.mUnits = other.mInline;
        other.mCapacity = kInlineCapacity;
    } else {
        // Fits whatever this object holds now: every capacity is at least the inline one.
        std::copy(other.mUnits, other.mUnits + other.mSize, mUnits);
    }
    mSize = other.mSize;
    mStatus = other.mStatus;
    other.mSize = 0;
    other.mStatus = QelUnit::Ok;
    return *this;
}

QelUnitType::~QelUnitType() {
    if (onHeap(mUnits, mInline)) {
        delete[] mUnits;
    }
}

void QelUnitType::set(QelUnit::BuiltinUnits unit, int power) noexcept {
    if (isStorableUnit(unit)) {
        mUnits[0] = QelUnitFactor{unit, power};
        mSize = 1;
    }
    mStatus = QelUnit::Ok;
}
