#include "quantity/ApplyConversion.h"

#include <qelunits/QelUnitVar.h>

#include <cmath>

using qelunits_detail::convertValue;

// Sums and differences convert rhs into this type; when that fails the
// unconverted value is combined and the status is the only sign of it.

QelUnitVar& QelUnitVar::operator+=(const QelUnitVar& rhs) {
    double value = rhs.mValue;
    mStatus = convertValue(rhs.mType, mType, value);
    mValue += value;
    return *this;
}

QelUnitVar& QelUnitVar::operator-=(const QelUnitVar& rhs) {
    double value = rhs.mValue;
    mStatus = convertValue(rhs.mType, mType, value);
    mValue -= value;
    return *this;
}

QelUnitVar& QelUnitVar::operator*=(const QelUnitVar& rhs) {
    // rhs may be this object: the type algebra allows it, and the value is read before it is written.
    mType *= rhs.mType;
    mValue *= rhs.mValue;
    mStatus = mType.GetStatus();
    return *this;
}

QelUnitVar& QelUnitVar::operator/=(const QelUnitVar& rhs) {
    const double divisor = rhs.mValue; // rhs may be this object
    mType /= rhs.mType;
    if (std::fabs(divisor) < QelUnit::kEpsilon) {
        mValue = 0.0;
        mStatus = QelUnit::Overflow;
    } else {
        mValue /= divisor;
        mStatus = mType.GetStatus();
    }
    return *this;
}

QelUnitVar& QelUnitVar::operator*=(double number) noexcept {
    mValue *= number;
    return *this;
}

QelUnitVar& QelUnitVar::operator/=(double number) noexcept {
    if (std::fabs(number) < QelUnit::kEpsilon) {
        mStatus = QelUnit::Overflow;
    } else {
        mValue /= number;
    }
    return *this;
}

QelUnitVar operator+(const QelUnitVar& a, const QelUnitVar& b) {
    QelUnitVar result(a);
    result += b;
    return result;
}

QelUnitVar operator-(const QelUnitVar& a, const QelUnitVar& b) {
    QelUnitVar result(a);
    result -= b;
    return result;
}

QelUnitVar operator-(const QelUnitVar& a) {
    QelUnitVar result(a);
    result.SetValue(-a.GetValue());
    return result;
}

QelUnitVar operator*(const QelUnitVar& a, const QelUnitVar& b) {
    QelUnitVar result(a);
    result *= b;
    return result;
}

QelUnitVar operator/(const QelUnitVar& a, const QelUnitVar& b) {
    QelUnitVar result(a);
    result /= b;
    return result;
}

int operator==(const QelUnitVar& a, const QelUnitVar& b) {
    // Strict: a NaN difference is not equal.
    return a.mType.isEqualTo(b.mType) && std::fabs(a.mValue - b.mValue) < QelUnit::kEpsilon ? 1 : 0;
}

int operator!=(const QelUnitVar& a, const QelUnitVar& b) { return a == b ? 0 : 1; }
