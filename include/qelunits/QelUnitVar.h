#ifndef QELUNITS_QELUNITVAR_H
#define QELUNITS_QELUNITVAR_H

// Thread safety: a plain value (copies are deep): distinct objects from any threads, one object read from
// several at once; writing one object while another thread reads it is a data race.

#include <qelunits/Export.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitType.h>

#include <type_traits>

namespace qelunits_detail {
/// R when N is a plain number type; no type otherwise, so the overload drops out.
template <class N, class R>
using IfNumber = std::enable_if_t<std::is_arithmetic_v<N>, R>;
} // namespace qelunits_detail

/// A quantity: a value in a unit type, with the status of the last operation
/// that produced it. Failures are statuses, never exceptions.
class QELUNITS_EXPORT QelUnitVar {
public:
    /// value in type with every power multiplied by power; status Ok.
    QelUnitVar(double value = 0.0, const QelUnitType& type = QelUnitType(), int power = 1); // NOLINT
    /// A deep copy, status included.
    QelUnitVar(const QelUnitVar& other) = default;
    /// Takes over other's type.
    QelUnitVar(QelUnitVar&& other) noexcept = default;
    /// A deep copy, status included.
    QelUnitVar& operator=(const QelUnitVar& other) = default;
    /// Takes over other's type.
    QelUnitVar& operator=(QelUnitVar&& other) noexcept = default;
    ~QelUnitVar() = default;

    /// The value, in the type.
    double GetValue() const noexcept { return mValue; }
    /// The value, whatever the type: GetValue() says so more plainly.
    operator double() const noexcept { return mValue; } // NOLINT(google-explicit-constructor)
    /// A copy of the type.
    QelUnitType GetType() const { return mType; }
    /// value and type.
    void Get(double& value, QelUnitType& type) const;
    /// The status of the operation that last produced this quantity.
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
    /// True when the type reduces to the same base dimensions as other.
    bool isCompatible(const QelUnitType& other) const noexcept;
    /// Reciprocal; a value of magnitude below kEpsilon stays and sets Overflow.
    void invert() noexcept;
    /// The quantity raised to the power n.
    void pow(int n) noexcept;

    /// this = this + rhs (rhs converted to this type).
    QelUnitVar& operator+=(const QelUnitVar& rhs);
    /// this = this - rhs (rhs converted to this type).
    QelUnitVar& operator-=(const QelUnitVar& rhs);
    /// this = this * rhs in the product type; no factor is applied.
    QelUnitVar& operator*=(const QelUnitVar& rhs);
    /// this = this / rhs; a divisor below kEpsilon gives 0.0 and Overflow.
    QelUnitVar& operator/=(const QelUnitVar& rhs);
    /// Scales the value; type and status unchanged.
    QelUnitVar& operator*=(double number) noexcept;
    /// Divides the value; a number of magnitude below kEpsilon sets Overflow instead.
    QelUnitVar& operator/=(double number) noexcept;

    // Free functions found by argument-dependent lookup only, so that pow(2.0, 3) stays the C library's.

    /// A copy of a, inverted.
    friend QELUNITS_EXPORT QelUnitVar invert(const QelUnitVar& a);
    /// A copy of a raised to the power n.
    friend QELUNITS_EXPORT QelUnitVar pow(const QelUnitVar& a, int n);

    // Ordering converts b into a's type (a temperature as a reading: 0 °C < 33 °F)
    // and compares the values exactly, as doubles compare; raw values of different
    // units are never compared. When b does not convert (types not compatible) the
    // two are unordered: all four operators give false, as for a NaN. Equality
    // keeps its own rule (equal types, values closer than kEpsilon), so quantities
    // closer than kEpsilon can be both == and <. a < b and b > a may differ by the
    // rounding of the two directions of conversion.

    /// a's value below b's, b converted into a's type; false when b does not convert.
    friend QELUNITS_EXPORT bool operator<(const QelUnitVar& a, const QelUnitVar& b);
    /// a's value at most b's, b converted into a's type; false when b does not convert.
    friend QELUNITS_EXPORT bool operator<=(const QelUnitVar& a, const QelUnitVar& b);
    /// a's value above b's, b converted into a's type; false when b does not convert.
    friend QELUNITS_EXPORT bool operator>(const QelUnitVar& a, const QelUnitVar& b);
    /// a's value at least b's, b converted into a's type; false when b does not convert.
    friend QELUNITS_EXPORT bool operator>=(const QelUnitVar& a, const QelUnitVar& b);

    // Plain numbers. A number has no unit, so it may scale a quantity and nothing
    // more: q + 2.0, q == 0.0 or q < 1.0 would have to guess the unit of the
    // number, and comparing with the raw value would give 1 m < 3 ft. These are
    // deleted; write q + QelUnitVar(2.0, q.GetType()) or q.GetValue() < 1.0 to
    // say which is meant. (The compound q += 2.0 predates this and reads the
    // number as a dimensionless quantity: TypesNotCompatible unless q is dimensionless.)

    /// q with its value times n; type and status kept, as *= does.
    template <class N>
    friend qelunits_detail::IfNumber<N, QelUnitVar> operator*(QelUnitVar q, N n) noexcept {
        q *= static_cast<double>(n);
        return q;
    }
    /// n · q, the same as q · n.
    template <class N>
    friend qelunits_detail::IfNumber<N, QelUnitVar> operator*(N n, QelUnitVar q) noexcept {
        q *= static_cast<double>(n);
        return q;
    }
    /// q with its value divided by n, as /= does: n of magnitude below kEpsilon sets Overflow and keeps the value.
    template <class N>
    friend qelunits_detail::IfNumber<N, QelUnitVar> operator/(QelUnitVar q, N n) noexcept {
        q /= static_cast<double>(n);
        return q;
    }
    /// n / q: the reciprocal of q times n, in the inverted type; the quotient of
    /// QelUnitVar(n) by q, so q below kEpsilon gives 0.0 and Overflow.
    template <class N>
    friend qelunits_detail::IfNumber<N, QelUnitVar> operator/(N n, const QelUnitVar& q) {
        QelUnitVar result(static_cast<double>(n));
        result /= q;
        return result;
    }
    /// Deleted: a number has no unit to add in.
    template <class N>
    friend qelunits_detail::IfNumber<N, QelUnitVar> operator+(const QelUnitVar& q, N n) = delete;
    /// Deleted: a number has no unit to add in.
    template <class N>
    friend qelunits_detail::IfNumber<N, QelUnitVar> operator+(N n, const QelUnitVar& q) = delete;
    /// Deleted: a number has no unit to subtract in.
    template <class N>
    friend qelunits_detail::IfNumber<N, QelUnitVar> operator-(const QelUnitVar& q, N n) = delete;
    /// Deleted: a number has no unit to subtract in.
    template <class N>
    friend qelunits_detail::IfNumber<N, QelUnitVar> operator-(N n, const QelUnitVar& q) = delete;
    /// Deleted: 0 m == 0.0 would be false (types differ); compare q.GetValue() instead.
    template <class N>
    friend qelunits_detail::IfNumber<N, int> operator==(const QelUnitVar& q, N n) = delete;
    /// Deleted: see q == n.
    template <class N>
    friend qelunits_detail::IfNumber<N, int> operator==(N n, const QelUnitVar& q) = delete;
    /// Deleted: see q == n.
    template <class N>
    friend qelunits_detail::IfNumber<N, int> operator!=(const QelUnitVar& q, N n) = delete;
    /// Deleted: see q == n.
    template <class N>
    friend qelunits_detail::IfNumber<N, int> operator!=(N n, const QelUnitVar& q) = delete;
    /// Deleted: a number has no unit to compare in.
    template <class N>
    friend qelunits_detail::IfNumber<N, bool> operator<(const QelUnitVar& q, N n) = delete;
    /// Deleted: a number has no unit to compare in.
    template <class N>
    friend qelunits_detail::IfNumber<N, bool> operator<(N n, const QelUnitVar& q) = delete;
    /// Deleted: a number has no unit to compare in.
    template <class N>
    friend qelunits_detail::IfNumber<N, bool> operator<=(const QelUnitVar& q, N n) = delete;
    /// Deleted: a number has no unit to compare in.
    template <class N>
    friend qelunits_detail::IfNumber<N, bool> operator<=(N n, const QelUnitVar& q) = delete;
    /// Deleted: a number has no unit to compare in.
    template <class N>
    friend qelunits_detail::IfNumber<N, bool> operator>(const QelUnitVar& q, N n) = delete;
    /// Deleted: a number has no unit to compare in.
    template <class N>
    friend qelunits_detail::IfNumber<N, bool> operator>(N n, const QelUnitVar& q) = delete;
    /// Deleted: a number has no unit to compare in.
    template <class N>
    friend qelunits_detail::IfNumber<N, bool> operator>=(const QelUnitVar& q, N n) = delete;
    /// Deleted: a number has no unit to compare in.
    template <class N>
    friend qelunits_detail::IfNumber<N, bool> operator>=(N n, const QelUnitVar& q) = delete;

private:
    friend int operator==(const QelUnitVar& a, const QelUnitVar& b);

    double mValue;
    QelUnitType mType;
    QelUnit::ErrorStatus mStatus = QelUnit::Ok;
};

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
