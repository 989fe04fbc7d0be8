#include "unittype/FactorList.h"
#include "unittype/UnitTypeAccess.h"

#include <qelunits/QelUnitType.h>

using qelunits_detail::addPowers;
using qelunits_detail::UnitTypeAccess;
using qelunits_detail::wrapAdd;
using qelunits_detail::wrapMul;
using qelunits_detail::wrapNeg;

void QelUnitType::invert() noexcept {
    for (std::uint32_t i = 0; i < mSize; ++i) {
        mUnits[i].power = wrapNeg(mUnits[i].power);
    }
}

void QelUnitType::pow(int n) noexcept {
    for (std::uint32_t i = 0; i < mSize; ++i) {
        mUnits[i].power = wrapMul(mUnits[i].power, n);
    }
}

const QelUnitType& QelUnitType::operator*=(const QelUnitType& other) {
    if (empty()) {
        *this = other;
        return *this;
    }
    if (this == &other) { // the square: each power doubled, cancelled ones dropped
        std::uint32_t kept = 0;
        for (std::uint32_t i = 0; i < mSize; ++i) {
            const std::int32_t doubled = wrapAdd(mUnits[i].power, mUnits[i].power);
            if (doubled != 0) {
                mUnits[kept++] = QelUnitFactor{mUnits[i].unit, doubled};
            }
        }
        mSize = kept;
        return *this;
    }
    UnitTypeAccess access{*this};
    addPowers(access, other.mUnits, other.mSize, 1);
    return *this;
}

const QelUnitType& QelUnitType::operator/=(const QelUnitType& other) {
    // The quotient keeps the status of an empty side's partner, else Ok.
    if (other.empty()) {
        return *this;
    }
    UnitTypeAccess access{*this};
    if (this == &other) {
        access.clear();
        access.setStatus(QelUnit::Ok);
        return *this;
    }
    access.setStatus(empty() ? other.mStatus : QelUnit::Ok);
    addPowers(access, other.mUnits, other.mSize, -1);
    return *this;
}

QelUnitType operator*(const QelUnitType& a, const QelUnitType& b) {
    QelUnitType result(a);
    result *= b;
    return result;
}

QelUnitType operator/(const QelUnitType& a, const QelUnitType& b) {
    QelUnitType result;
    result = a; // keeps a's status, as the quotient does when b is empty
    result /= b;
    return result;
}

QelUnitType pow(const QelUnitType& a, int n) {
    QelUnitType result(a);
    result.pow(n);
    return result;
}

QelUnitType invert(const QelUnitType& a) {
    QelUnitType result(a);
    result.invert();
    return result;
}
