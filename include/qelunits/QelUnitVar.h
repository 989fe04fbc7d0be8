#ifndef QELUNITS_QELUNITVAR_H
#define QELUNITS_QELUNITVAR_H

#include <qelunits/Export.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitType.h>

/// A quantity: a value in a unit type, with the status of the last operation
/// that produced it. Failures are statuses, never exceptions.
class QELUNITS_EXPORT QelUnitVar {
public:
    /// value in type with every power multiplied by power; status Ok.
    QelUnitVar(double value = 0.0, const QelUnitType& type = QelUnitType(), int power = 1); // NOLINT
    QelUnitVar(const QelUnitVar& other) = default;
    QelUnitVar(QelUnitVar&& other) noexcept = default;
    QelUnitVar& operator=(const QelUnitVar& other) = default;
    QelUnitVar& operator=(QelUnitVar&& other) noexcept = default;
    ~QelUnitVar() = default;

    double GetValue() const noexcept { return mValue; }
    operator double() const noexcept { return mValue; } // NOLINT(google-explicit-constructor)
    /// A copy of the type.
    QelUnitType GetType() const { return mType; }
    /// value and type.
    void Get(double& value, QelUnitType& type) const;
    QelUnit::ErrorStatus GetStatus() const noexcept { return mStatus; }
    /// Sets the value only.
    void SetValue(double value) noexcept { mValue = value; }
    /// Sets the type without converting the value; the status stays.
    void SetType(const QelUnitType& type);
    /// Sets value and type; the status stays.
    void Set(double value, const QelUnitType& type);

    /// result = source converted to target (source and result may be the same
    /// object). On TypesNotCompatible the result holds 0.0 in target.
    static QelUnit::ErrorStatus Convert(const QelUnitVar& source, const QelUnitType& target, QelUnitVar& result);
    /// Converts this quantity to target; on failure it stays entirely unchanged.
    QelUnit::ErrorStatus ConvertTo(const QelUnitType& target);
    /// True when both types reduce to the same base dimensions.
    bool isCompatible(const QelUnitVar& other) const noexcept;
    bool isCompatible(const QelUnitType& other) const noexcept;
    /// Reciprocal; a value of magnitude below kEpsilon stays and sets Overflow.
    void invert() noexcept;
    /// The quantity raised to the power n.
    void pow(int n) noexcept;

    /// this = this + rhs (rhs converted to this type).
    QelUnitVar& operator+=(const QelUnitVar& rhs);
    QelUnitVar& operator-=(const QelUnitVar& rhs);
    QelUnitVar& operator*=(const QelUnitVar& rhs);
    QelUnitVar& operator/=(const QelUnitVar& rhs);
    /// Scales the value; type and status unchanged.
    QelUnitVar& operator*=(double number) noexcept;
    /// Divides the value; a number of magnitude below kEpsilon sets Overflow instead.
    QelUnitVar& operator/=(double number) noexcept;

private:
    friend int operator==(const QelUnitVar& a, const QelUnitVar& b);

    double mValue;
    QelUnitType mType;
    QelUnit::ErrorStatus mStatus = QelUnit::Ok;
};

/// A copy of a, inverted.
QELUNITS_EXPORT QelUnitVar invert(const QelUnitVar& a);
/// A copy of a raised to the power n.
QELUNITS_EXPORT QelUnitVar pow(const QelUnitVar& a, int n);
/// Sum in a's type; status of converting b (TypesNotCompatible adds b unconverted).
QELUNITS_EXPORT QelUnitVar operator+(const QelUnitVar& a, const QelUnitVar& b);
/// Difference in a's type, as the sum.
QELUNITS_EXPORT QelUnitVar operator-(const QelUnitVar& a, const QelUnitVar& b);
/// Negation.
QELUNITS_EXPORT QelUnitVar operator-(const QelUnitVar& a);
/// Product in the product type; no factor is applied.
QELUNITS_EXPORT QelUnitVar operator*(const QelUnitVar& a, const QelUnitVar& b);
/// Quotient in the quotient type; Overflow and 0.0 for a divisor below kEpsilon.
QELUNITS_EXPORT QelUnitVar operator/(const QelUnitVar& a, const QelUnitVar& b);
/// 1 when the types are equal and the values closer than kEpsilon, else 0.
QELUNITS_EXPORT int operator==(const QelUnitVar& a, const QelUnitVar& b);
/// The negation of ==.
QELUNITS_EXPORT int operator!=(const QelUnitVar& a, const QelUnitVar& b);

#endif
