#include "unittype/Conversion.h"

#include <qelunits/QelUnitExpression.h>

#include <cmath>

namespace {

bool usableScale(double scale) { return scale > 0.0 && std::isfinite(scale); }

// Below this many kelvin a reading is below absolute zero; the margin absorbs the
// rounding of the scales' offsets (-273.15 °C comes to 0 K only up to it).
constexpr double kAbsoluteZeroMargin = -1e-9;

} // namespace

QelUnit::ErrorStatus QelUnitExpression::GetConversionFactor(const QelUnitExpression& to, double& factor) const {
    if (!usableScale(mScale) || !usableScale(to.mScale)) {
        return QelUnit::InvalidUnit;
    }
    ConversionFactor f;
    const QelUnit::ErrorStatus status = mType.GetConversionFactor(to.mType, f);
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
    QelUnit::ErrorStatus status = mType.GetConversionFactor(to.mType, f);
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

bool QelUnitExpression::isBelowAbsoluteZero(double value) const {
    if (mType.size() != 1 || mType[0].power != 1 || QelUnit::getType(mType[0].unit) != QelUnit::Temperature ||
        !usableScale(mScale)) {
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
    return *this;
}

QelUnitExpression& QelUnitExpression::operator/=(const QelUnitExpression& other) {
    mType /= other.mType;
    mScale /= other.mScale;
    return *this;
}

void QelUnitExpression::pow(int n) {
    if (n == 0) {
        *this = QelUnitExpression();
        return;
    }
    mType.pow(n);
    if (mScale != 1.0) {
        mScale = n == 1 ? mScale : n == -1 ? 1.0 / mScale : std::pow(mScale, static_cast<double>(n));
    }
}
