#include "unittype/Conversion.h"

#include <qelunits/QelUnitExpression.h>

#include "factors/DirectFactors.h"

#include <cmath>

namespace {

bool usableScale(double scale) { return scale > 0.0 && std::isfinite(scale); }

// Below this many kelvin a reading is below absolute zero; the margin absorbs the
// rounding of the scales' offsets (-273.15 °C comes to 0 K only up to it).
constexpr double kAbsoluteZeroMargin = -1e-9;

// Between two temperatures where either is a difference: the ratio of the degrees, the
// factor a compound type raises for its temperatures.
bool differenceFactor(const QelUnitExpression& from, const QelUnitExpression& to, ConversionFactor& f) {
    if (!(from.isTemperatureDifference() || to.isTemperatureDifference()) || !from.isTemperature() ||
        !to.isTemperature()) {
        return false;
    }
    const qelunits_detail::DirectEntry& entry = qelunits_detail::findDirect(from.type()[0].unit, to.type()[0].unit);
    f = entry.kind == qelunits_detail::DirectKind::None ? ConversionFactor() : ConversionFactor(entry.stored);
    return true;
}

// The type's conversion factor, or the ratio of the degrees for a difference.
QelUnit::ErrorStatus typeFactor(const QelUnitExpression& from, const QelUnitExpression& to, ConversionFactor& f) {
    return differenceFactor(from, to, f) ? QelUnit::Ok : from.type().GetConversionFactor(to.type(), f);
}

} // namespace

QelUnitExpression::QelUnitExpression(double scale, const QelUnitType& type, bool difference)
    : mScale(scale), mType(type) {
    mDifference = difference && isTemperature();
}

bool QelUnitExpression::isTemperature() const noexcept {
    return mType.size() == 1 && mType[0].power == 1 && QelUnit::getType(mType[0].unit) == QelUnit::Temperature;
}

QelUnit::ErrorStatus QelUnitExpression::GetConversionFactor(const QelUnitExpression& to, double& factor) const {
    if (!usableScale(mScale) || !usableScale(to.mScale)) {
        return QelUnit::InvalidUnit;
    }
    ConversionFactor f;
    const QelUnit::ErrorStatus status = typeFactor(*this, to, f);
    if (status == QelUnit::Ok) {
        // Multiplying and dividing by 1 is exact: unscaled expressions keep the type's factor.
        factor = mScale * static_cast<double>(f) / to.mScale;
    }
    return status;
}

QelUnit::ErrorStatus QelUnitExpression::Convert(const QelUnitExpression& to, double& value) const {
    if (!usableScale(mScale) || !usableScale(to.mScale)) {
        return QelUnit::InvalidUnit;
    }
    ConversionFactor f;
    const QelUnit::ErrorStatus status = typeFactor(*this, to, f);
    if (status != QelUnit::Ok && status != QelUnit::CustomConversion) {
        return status;
    }
    // The scales' functions are increasing and exact at absolute zero, so a result below it has a reading
    // below it.
    if (isBelowAbsoluteZero(value)) {
        return QelUnit::Underflow;
    }
    if (status == QelUnit::CustomConversion && f.customConversion != nullptr) {
        value = f.customConversion(value * mScale) / to.mScale;
    } else if (status == QelUnit::Ok) {
        // The identity leaves the value's bits alone, as a quantity's conversion does.
        value = f.isIdentity && !isScaled() && !to.isScaled() ? value : value * (mScale * f.factor / to.mScale);
    }
    return QelUnit::Ok;
}

bool QelUnitExpression::isReciprocalOf(const QelUnitExpression& to) const {
    QelUnitExpression inverse = to;
    inverse.pow(-1);
    return !isCompatible(to) && isCompatible(inverse);
}

QelUnit::ErrorStatus QelUnitExpression::ConvertReciprocal(const QelUnitExpression& to, double& value) const {
    if (!isReciprocalOf(to)) {
        return QelUnit::TypesNotCompatible;
    }
    // value·this = value·f / to, so its reciprocal is 1 / (value·f) of to.
    QelUnitExpression inverse = to;
    inverse.pow(-1);
    double factor = 0.0;
    const QelUnit::ErrorStatus status = GetConversionFactor(inverse, factor);
    if (status != QelUnit::Ok) {
        return status;
    }
    const double reciprocal = 1.0 / (value * factor);
    if (!std::isfinite(reciprocal)) {
        return QelUnit::Overflow;
    }
    value = reciprocal;
    return QelUnit::Ok;
}

bool QelUnitExpression::isBelowAbsoluteZero(double value) const {
    if (mDifference || !isTemperature() || !usableScale(mScale)) {
        return false;
    }
    ConversionFactor f;
    const QelUnit::ErrorStatus status = mType.GetConversionFactor(QelUnitType(QelUnit::kelvin), f);
    const double kelvin = status == QelUnit::CustomConversion ? f.customConversion(value * mScale) : value * mScale;
    return kelvin < kAbsoluteZeroMargin;
}

double QelUnitExpression::relativeError(const QelUnitExpression& to) const noexcept {
    return mType.isCompatible(to.mType) ? qelunits_detail::conversionRelativeError(mType, to.mType) : 0.0;
}

QelUnitExpression& QelUnitExpression::operator*=(const QelUnitExpression& other) {
    mType *= other.mType;
    mScale *= other.mScale;
    mDifference = (mDifference || other.mDifference) && isTemperature();
    return *this;
}

QelUnitExpression& QelUnitExpression::operator/=(const QelUnitExpression& other) {
    mType /= other.mType;
    mScale /= other.mScale;
    mDifference = (mDifference || other.mDifference) && isTemperature();
    return *this;
}

void QelUnitExpression::pow(int n) {
    if (n == 0) {
        *this = QelUnitExpression();
        return;
    }
    mType.pow(n);
    mDifference = mDifference && n == 1;
    if (mScale != 1.0) {
        mScale = n == 1 ? mScale : n == -1 ? 1.0 / mScale : std::pow(mScale, static_cast<double>(n));
    }
}
