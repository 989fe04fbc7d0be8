#include "quantity/ApplyConversion.h"

#include <qelunits/QelUnitVar.h>

#include <cmath>

using qelunits_detail::convertValue;

QelUnitVar::QelUnitVar(double value, const QelUnitType& type, int power) : mValue(value), mType(type) {
    if (power != 1) {
        mType.pow(power);
    }
}

void QelUnitVar::Get(double& value, QelUnitType& type) const {
    value = mValue;
    type = mType;
}

void QelUnitVar::SetType(const QelUnitType& type) { mType = type; }

void QelUnitVar::Set(double value, const QelUnitType& type) {
    mValue = value;
    mType = type;
}

QelUnit::ErrorStatus QelUnitVar::Convert(const QelUnitVar& source, const QelUnitType& target, QelUnitVar& result) {
    // Everything is read from source before result is written, so the two may be one object.
    double value = source.mValue;
    const QelUnit::ErrorStatus status = convertValue(source.mType, target, value);
    result.mType = target;
    result.mValue = status == QelUnit::Ok ? value : 0.0;
    result.mStatus = status;
    return status;
}

QelUnit::ErrorStatus QelUnitVar::ConvertTo(const QelUnitType& target) {
    double value = mValue;
    const QelUnit::ErrorStatus status = convertValue(mType, target, value);
    if (status == QelUnit::Ok) {
        mType = target;
        mValue = value;
        mStatus = QelUnit::Ok;
    }
    return status;
}

bool QelUnitVar::isCompatible(const QelUnitVar& other) const noexcept { return mType.isCompatible(other.mType); }

bool QelUnitVar::isCompatible(const QelUnitType& other) const noexcept { return mType.isCompatible(other); }

void QelUnitVar::invert() noexcept {
    mType.invert();
    mStatus = mType.GetStatus();
    if (std::fabs(mValue) < QelUnit::kEpsilon) {
        mStatus = QelUnit::Overflow;
    } else {
        mValue = 1.0 / mValue;
    }
}

void QelUnitVar::pow(int n) noexcept {
    mType.pow(n);
    mStatus = mType.GetStatus();
    mValue = std::pow(mValue, static_cast<double>(n));
}

QelUnitVar invert(const QelUnitVar& a) {
    QelUnitVar result(a);
    result.invert();
    return result;
}

QelUnitVar pow(const QelUnitVar& a, int n) {
    QelUnitVar result(a);
    result.pow(n);
    return result;
}
