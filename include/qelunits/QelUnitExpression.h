#ifndef QELUNITS_QELUNITEXPRESSION_H
#define QELUNITS_QELUNITEXPRESSION_H

// Thread safety: a plain value: distinct objects from any threads, one object read from several at once.

#include <qelunits/Export.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitType.h>

namespace qelunits_detail {
struct ExpressionAccess;
}

/// What a unit expression means: a positive scale times a unit type. "mg" is
/// 1e-6 × kg, "L/100 km" is 0.01 × l/km, "ppm" is 1e-6 × the dimensionless type,
/// and "ft" is 1 × ft. A plain value: copies are deep.
///
/// An expression is what a text means, so it converts by the units' definitions (the slug is lbf·s²/ft,
/// the degree π/180 rad), as the value API does, rounding once between units of rational definitions; its
/// type converts by the catalogue's stored factors (QelUnitType::GetConversionFactor), as codes do.
class QELUNITS_EXPORT QelUnitExpression {
public:
    /// 1 × the dimensionless type.
    QelUnitExpression() noexcept = default;
    /// 1 × type.
    explicit QelUnitExpression(const QelUnitType& type) : mType(type) {}
    /// scale × type. A scale that is not positive and finite makes every conversion fail with InvalidUnit.
    QelUnitExpression(double scale, const QelUnitType& type) : mScale(scale), mType(type) {}
    /// scale × type, a temperature difference ("Δ°C") where difference is set and type is
    /// one temperature unit to the power 1; other types ignore the flag.
    QelUnitExpression(double scale, const QelUnitType& type, bool difference);

    /// The number the type is multiplied by.
    double scale() const noexcept { return mScale; }
    /// The unit type.
    const QelUnitType& type() const noexcept { return mType; }
    /// True when the scale is not exactly 1.
    bool isScaled() const noexcept { return mScale != 1.0; }
    /// True for a temperature difference ("Δ°C", "delta_degF"): it converts by the ratio of
    /// the degrees, as temperatures inside compound units do, never as a reading.
    bool isTemperatureDifference() const noexcept { return mDifference; }
    /// True for one temperature unit to the power 1, any scale: a reading unless a difference.
    bool isTemperature() const noexcept;

    /// True when both types reduce to the same base dimensions.
    bool isCompatible(const QelUnitExpression& other) const noexcept { return mType.isCompatible(other.mType); }
    /// True for the same scale, equal factor lists and the same reading of a temperature.
    bool isEqualTo(const QelUnitExpression& other) const noexcept {
        return mScale == other.mScale && mDifference == other.mDifference && mType.isEqualTo(other.mType);
    }

    /// factor receives how many of to make one of this, by the units' definitions: Ok; TypesNotCompatible;
    /// CustomConversion for temperature scales, which convert by a function (use
    /// Convert); InvalidUnit for a scale that is not positive and finite. factor
    /// is written only on Ok.
    QelUnit::ErrorStatus GetConversionFactor(const QelUnitExpression& to, double& factor) const;
    /// Converts value from this to to, a temperature scale as a reading (100 °C
    /// is 212 °F) unless either side is a difference (10 Δ°C is 18 Δ°F); Ok, Underflow for a reading below
    /// absolute zero (see isBelowAbsoluteZero), or the failure of GetConversionFactor; value written only on
    /// Ok. Between equal expressions the value's bits stay as they are.
    QelUnit::ErrorStatus Convert(const QelUnitExpression& to, double& value) const;
    /// True when this times to is dimensionless, as for mpg and L/100 km, while the two are not compatible:
    /// a value converts between them only reciprocally, and only where the caller asks (ConvertReciprocal).
    bool isReciprocalOf(const QelUnitExpression& to) const;
    /// Converts value in this to the reciprocal value in to (30 mpg is 7.84 L/100 km): Ok, value written;
    /// TypesNotCompatible where isReciprocalOf(to) is false; Overflow for a value of 0 or one whose
    /// reciprocal is not finite; InvalidUnit for a scale that is not positive and finite.
    QelUnit::ErrorStatus ConvertReciprocal(const QelUnitExpression& to, double& value) const;
    /// True when this is a temperature scale (one temperature unit to the power
    /// 1, any scale, not a difference) and value, read in it, lies below absolute zero.
    bool isBelowAbsoluteZero(double value) const;
    /// The relative error of the types' conversion by the catalogue's stored factors (the codes' path,
    /// QelUnitType::GetConversionFactor) to to: what it gives over what the units' definitions give, minus 1.
    /// About 100 of the catalogue's stored factors are roundings of their definitions (the ounce's 0.0283495 kg
    /// is 8.2e-07 short of lb/16); a conversion carries the difference of each it uses, as often as its net
    /// power (a unit squared, twice). 0 where every factor used is exact, and where the types do not convert.
    /// Convert and GetConversionFactor use the definitions, and have none.
    double relativeError(const QelUnitExpression& to) const noexcept;
    /// The relative standard uncertainty of Convert and GetConversionFactor to to, from the measured
    /// definitions they use (the dalton's 3.1e-10), each as often as its net power; 0 for exact definitions.
    double uncertainty(const QelUnitExpression& to) const;

    /// this = this · other: scales multiply, types multiply; a difference stays one where the product is a temperature.
    QelUnitExpression& operator*=(const QelUnitExpression& other);
    /// this = this / other.
    QelUnitExpression& operator/=(const QelUnitExpression& other);
    /// Raises scale and type to the power n; n = 0 gives 1 × the dimensionless type.
    void pow(int n);

    /// a · b.
    friend QelUnitExpression operator*(QelUnitExpression a, const QelUnitExpression& b) { return a *= b; }
    /// a / b.
    friend QelUnitExpression operator/(QelUnitExpression a, const QelUnitExpression& b) { return a /= b; }
    /// a raised to the power n (found by argument-dependent lookup only).
    friend QelUnitExpression pow(QelUnitExpression a, int n) {
        a.pow(n);
        return a;
    }

private:
    friend struct qelunits_detail::ExpressionAccess;

    double mScale = 1.0;
    QelUnitType mType;
    bool mDifference = false;
};

#endif
