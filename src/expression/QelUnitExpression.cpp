#include "unittype/Conversion.h"

#include <qelunits/QelUnitExpression.h>

#include "catalog/DefinedFactor.h"
#include "catalog/UnitTable.h"
#include "factors/DirectFactors.h"
#include "unittype/Conversion.h"

#include <cmath>

namespace {

bool usableScale(double scale) { return scale > 0.0 && std::isfinite(scale); }

// Below this many kelvin a reading is below absolute zero; the margin absorbs the
// rounding of the scales' offsets (-273.15 °C comes to 0 K only up to it).
constexpr double kAbsoluteZeroMargin = -1e-9;

qelunits_detail::DefinedFactor definedOf(const QelUnitExpression& e) noexcept {
    return qelunits_detail::definedFactor(e.scale(), e.type().begin(), e.type().size());
}

// Two temperature readings on scales of different zeros (°C and °F) convert by a function, not a factor.
bool byFunction(const QelUnitExpression& from, const QelUnitExpression& to) {
    return from.isTemperature() && to.isTemperature() && !from.isTemperatureDifference() &&
           !to.isTemperatureDifference() &&
           qelunits_detail::kUnitTable[from.type()[0].unit].zero != qelunits_detail::kUnitTable[to.type()[0].unit].zero;
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
    if (!mType.isCompatible(to.mType)) {
        return QelUnit::TypesNotCompatible;
    }
    if (byFunction(*this, to)) {
        return QelUnit::CustomConversion;
    }
    factor = qelunits_detail::definedRatio(definedOf(*this), definedOf(to));
    return QelUnit::Ok;
}

QelUnit::ErrorStatus QelUnitExpression::Convert(const QelUnitExpression& to, double& value) const {
    if (!usableScale(mScale) || !usableScale(to.mScale)) {
        return QelUnit::InvalidUnit;
    }
    double factor = 1.0;
    const QelUnit::ErrorStatus status = GetConversionFactor(to, factor);
    if (status != QelUnit::Ok && status != QelUnit::CustomConversion) {
        return status;
    }
    // The scales' functions are increasing and exact at absolute zero, so a result below it has a reading
    // below it.
    if (isBelowAbsoluteZero(value)) {
        return QelUnit::Underflow;
    }
    if (status == QelUnit::CustomConversion) {
        // The function of the two scales is their definitions'.
        value = qelunits_detail::findDirect(mType[0].unit, to.mType[0].unit).function(value * mScale) / to.mScale;
    } else {
        value *= factor; // between equal units 1, which leaves the value's bits alone
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

double QelUnitExpression::uncertainty(const QelUnitExpression& to) const {
    if (!qelunits_detail::anyMeasured(mType.begin(), mType.size()) &&
        !qelunits_detail::anyMeasured(to.mType.begin(), to.mType.size())) {
        return 0.0;
    }
    const QelUnitType quotient = mType / to.mType;
    return qelunits_detail::definedUncertainty(quotient.begin(), quotient.size());
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
