#ifndef QELUNITS_QUANTITY_H
#define QELUNITS_QUANTITY_H

// The value API for new code: qelunits::Unit (a scale times catalogue units),
// qelunits::Quantity (a double in a Unit) and qelunits::Converter (a prepared
// conversion). Same reading rules as the original classes, but the numbers of
// the units' definitions: a unit knows, from the moment it is made, its
// dimension and its factor to the coherent SI unit, computed from each
// catalogue unit's definition (the slug is lbf·s²/ft, the degree π/180 rad),
// where the original classes keep the catalogue's stored factors bit for bit
// (0.0174533 rad for the degree). A conversion is a check of the dimensions and
// a multiplication by the ratio of the factors (temperature readings convert by
// their scales' functions).
//
// Temperatures: a quantity whose unit is one temperature scale alone (°C, °F,
// K, °R) is a reading, a point on the scale; "Δ°C", "delta_degF", "ΔK" are
// differences. point − point is a difference, point ± difference a point;
// point + point, and a point multiplied, divided, scaled or raised, are errors
// of kind TemperaturePoint. Inside compound units (J/(kg·K)) temperatures are
// differences and convert by the ratio of their degrees. A reading below
// absolute zero, given to a conversion or resulting from one, is an error.
//
// Every operation that can fail throws qelunits::Error, and has a form that
// returns qelunits::Result instead (Unit::parse, Quantity::parse, tryIn, tryAdd,
// ...). Built with -fno-exceptions only the latter are declared.
//
// Thread safety: Unit, Quantity and Converter are plain values with no shared
// state: any number of threads may use distinct objects, or read one object,
// at once. Nothing here allocates but the texts of symbols, names and messages.

#include <qelunits/Dimension.h>
#include <qelunits/Error.h>
#include <qelunits/Export.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitExpression.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace qelunits {

class Definitions;

class Unit;

namespace detail {
/// How many of to one from is: the ratio of their factors, rounded once where both are rational.
[[nodiscard]] inline double ratio(const Unit& from, const Unit& to) noexcept;
/// n / d with n multiplied by π^k (k > 0) or d by π^-k.
[[nodiscard]] QELUNITS_EXPORT double ratioWithPi(double n, double d, int k) noexcept;
} // namespace detail

/// A unit: a positive scale times up to kMaxFactors catalogue units raised to
/// integer powers ("ft", "kJ/(kg·K)" is 1000 × J/(kg·K), "mg" is 1e-06 × kg), or a
/// temperature difference ("Δ°C"), with its dimension and its factor to the
/// coherent SI unit from their definitions. 80 bytes, trivially copyable: what
/// it is (scale, catalogue units and powers: 40 bytes) and what it means (the
/// dimension's exponents, 16 bytes; the factor, and the same as an exact ratio
/// times a power of π: 24 bytes), so that a conversion reads no table and, between
/// units of rational definitions, rounds once (1 ft is 12 in). Never allocates.
class QELUNITS_EXPORT Unit {
public:
    /// Most distinct catalogue units a unit holds; a text or product needing more is out of range.
    static constexpr std::size_t kMaxFactors = 7;
    /// Largest magnitude of a power of a catalogue unit, as of a base dimension in the result.
    static constexpr int kMaxPower = Dimension::kMaxExponent;

    /// 1, the dimensionless unit.
    constexpr Unit() noexcept = default;
#if QELUNITS_HAS_EXCEPTIONS
    /// Reads a unit expression ("m/s", "kJ/(kg·K)", "Δ°C"); throws Error.
    explicit Unit(std::string_view text);
    /// A catalogue unit to a power (Unit(QelUnit::foot), Unit(QelUnit::meter, 2)); throws Error.
    explicit Unit(QelUnit::BuiltinUnits unit, int power = 1);
#endif
    /// Reads a unit expression by the parser's rules; the failure carries the parser's kind, position and message.
    [[nodiscard]] static Result<Unit> parse(std::string_view text);
    /// Reads a unit expression with a set of definitions (qelunits/Definitions.h) besides the builtin units.
    [[nodiscard]] static Result<Unit> parse(std::string_view text, const Definitions& definitions);
    /// A catalogue unit to a power; InvalidArgument for a code outside 0 to 348, OutOfRange for a power.
    [[nodiscard]] static Result<Unit> fromCode(QelUnit::BuiltinUnits unit, int power = 1);
    /// The unit of an expression of the original classes; OutOfRange when it holds too many units or powers.
    [[nodiscard]] static Result<Unit> fromExpression(const QelUnitExpression& expression);

    /// The number the catalogue units are multiplied by.
    [[nodiscard]] double scale() const noexcept { return mScale; }
    /// Number of catalogue units, in ascending code order.
    [[nodiscard]] std::size_t size() const noexcept { return mCount; }
    /// Catalogue unit index (0 to size() - 1).
    [[nodiscard]] QelUnit::BuiltinUnits unit(std::size_t index) const noexcept {
        return static_cast<QelUnit::BuiltinUnits>(mUnits[index]);
    }
    /// Power of catalogue unit index.
    [[nodiscard]] int power(std::size_t index) const noexcept { return mPowers[index]; }
    /// The dimension, as exponents of the base dimensions.
    [[nodiscard]] const Dimension& exponents() const noexcept { return mDimension; }
    /// How many coherent SI units (m, kg, s, J, Pa, ...) one of this is, from the catalogue units' definitions
    /// and the scale: 0.3048 for "ft", 1e-06 for "mg", 1.66053906892e-27 for "Da".
    [[nodiscard]] double factor() const noexcept { return mFactor; }
    /// For a temperature reading, the kelvins of its zero (273.15 for °C), so that value × factor() + offset()
    /// is the reading in kelvin; 0 for every other unit, differences included.
    [[nodiscard]] double offset() const noexcept;
    /// The relative standard uncertainty of factor(), where a unit it holds has a measured definition (the
    /// dalton's 3.1e-10, as often as its power); 0 for a unit of exact definitions.
    [[nodiscard]] double uncertainty() const noexcept;
    /// The same scale and units as an expression of the original classes.
    [[nodiscard]] QelUnitExpression expression() const;

    /// True for a unit of no dimension (1, "%", "ppm", "mm/km").
    [[nodiscard]] bool isDimensionless() const noexcept { return mDimension.isNone(); }
    /// True for a scale with an offset zero (°C, °F) alone, to the power 1, not a difference: its values are
    /// readings, points on the scale, which convert by the scale's function and do not multiply.
    [[nodiscard]] bool isTemperaturePoint() const noexcept { return mTemperature == kOffsetScale && !mDifference; }
    /// True for an absolute scale (K, °R) alone, to the power 1, not a difference: an absolute temperature,
    /// which multiplies like any quantity and converts to and from readings on the offset scales.
    [[nodiscard]] bool isAbsoluteTemperature() const noexcept { return mTemperature == kAbsoluteScale && !mDifference; }
    /// True for a temperature difference ("Δ°C", "ΔK").
    [[nodiscard]] bool isTemperatureDifference() const noexcept { return mDifference; }
    /// The difference of a temperature scale (°C gives Δ°C, K gives ΔK); any other unit itself.
    [[nodiscard]] Unit difference() const noexcept;
    /// True when both reduce to the same base dimensions (°C and ΔK are compatible).
    [[nodiscard]] bool isCompatible(const Unit& other) const noexcept;

    /// The text QelUnitParser::format writes, which reads back as this unit: "ft", "W/(m²·K)", "Δ°C", "1e-06 kg".
    [[nodiscard]] std::string symbol() const;
    /// Catalogue names: "Meter per Second", "Joule per Kilogram Kelvin", "delta_Celsius".
    [[nodiscard]] std::string name() const;
    /// The base dimensions: "kg·m/s^2", "m^2"; "1" when none.
    [[nodiscard]] std::string dimension() const { return mDimension.text(); }
    /// The unit type whose base dimensions these are, powers included (ft^2 is an Area);
    /// QelUnit::kTypeCount when none is (m^4).
    [[nodiscard]] QelUnit::BuiltinTypes dimensionType() const noexcept;
    /// The display name of dimensionType(): "Area", "Velocity"; "" when no type has these dimensions.
    [[nodiscard]] std::string dimensionName() const;

    /// The product; OutOfRange beyond kMaxFactors units or kMaxPower.
    friend QELUNITS_EXPORT Result<Unit> tryMultiply(const Unit& a, const Unit& b);
    /// The quotient; OutOfRange beyond kMaxFactors units or kMaxPower.
    friend QELUNITS_EXPORT Result<Unit> tryDivide(const Unit& a, const Unit& b);
    /// Every power times n (n = 0 gives 1); OutOfRange beyond kMaxPower.
    friend QELUNITS_EXPORT Result<Unit> tryPow(const Unit& a, int n);
    /// Every power times numerator / denominator ("m^2" to the 1/2 is "m"); FractionalPower where a power does not
    /// divide, InvalidArgument for a denominator of 0.
    friend QELUNITS_EXPORT Result<Unit> tryPow(const Unit& a, int numerator, int denominator);
#if QELUNITS_HAS_EXCEPTIONS
    /// The product; throws Error.
    [[nodiscard]] friend Unit operator*(const Unit& a, const Unit& b) { return tryMultiply(a, b).value(); }
    /// The quotient; throws Error.
    [[nodiscard]] friend Unit operator/(const Unit& a, const Unit& b) { return tryDivide(a, b).value(); }
    /// Every power times n; throws Error. Found by argument-dependent lookup only.
    [[nodiscard]] friend Unit pow(const Unit& a, int n) { return tryPow(a, n).value(); }
#endif
    /// Units that convert into each other by the identity: the same dimension, factor and kind of temperature (J and
    /// N·m, % and 0.01, Δ°C and ΔK).
    friend QELUNITS_EXPORT bool operator==(const Unit& a, const Unit& b) noexcept;
    /// Not ==.
    [[nodiscard]] friend bool operator!=(const Unit& a, const Unit& b) noexcept { return !(a == b); }

private:
    friend struct UnitAccess;
    friend double detail::ratio(const Unit& from, const Unit& to) noexcept;
    static constexpr std::uint8_t kAbsoluteScale = 1;
    static constexpr std::uint8_t kOffsetScale = 2;

    // What the unit is: compared and hashed.
    double mScale = 1.0;
    std::uint16_t mUnits[kMaxFactors] = {};
    std::int16_t mPowers[kMaxFactors] = {};
    std::uint8_t mCount = 0;
    bool mDifference = false;
    std::uint8_t mTemperature = 0; // one temperature scale alone, to the power 1: kAbsoluteScale or kOffsetScale
    // What it means, derived from the above when it is made: factor = numerator / denominator × π^pi.
    std::int8_t mPi = 0;
    Dimension mDimension;
    double mFactor = 1.0;
    double mNumerator = 1.0;   // a whole number below 2^53 where the factor is rational, else the factor
    double mDenominator = 1.0; // a whole number below 2^53, 1 where the factor is not rational
};

namespace detail {
/// True where a value in from converts into to by the ratio of their factors: the same dimension, and neither a
/// temperature reading.
[[nodiscard]] inline bool byFactor(const Unit& from, const Unit& to) noexcept {
    return !from.isTemperaturePoint() && !to.isTemperaturePoint() && from.exponents() == to.exponents();
}

[[nodiscard]] inline double ratio(const Unit& from, const Unit& to) noexcept {
    // Both products are exact while the whole numbers stay below 2^53, and then the division rounds once.
    const double n = from.mNumerator * to.mDenominator;
    const double d = from.mDenominator * to.mNumerator;
    return from.mPi == to.mPi ? n / d : ratioWithPi(n, d, from.mPi - to.mPi);
}
} // namespace detail

/// A number and its unit. Trivially copyable, 80 bytes; never converts to or from a plain double.
class QELUNITS_EXPORT Quantity {
public:
    /// 0 of the dimensionless unit.
    constexpr Quantity() noexcept = default;
    /// value in unit.
    constexpr Quantity(double value, const Unit& unit) noexcept : mValue(value), mUnit(unit) {}
    Quantity(double) = delete;
#if QELUNITS_HAS_EXCEPTIONS
    /// Reads "3.5 ft", "-40 °F", "10 Δ°C", "2.5 kJ/(kg·K)"; throws Error.
    explicit Quantity(std::string_view text);
#endif
    /// Reads a number (as std::from_chars, a leading '+' allowed, finite) and the unit expression
    /// after it (none: dimensionless); the unit keeps its scale ("3 mg" is 3 of 1e-06 kg).
    [[nodiscard]] static Result<Quantity> parse(std::string_view text);
    /// Reads a quantity with a set of definitions (qelunits/Definitions.h) besides the builtin units.
    [[nodiscard]] static Result<Quantity> parse(std::string_view text, const Definitions& definitions);

    /// The number, in the quantity's own unit.
    [[nodiscard]] constexpr double value() const noexcept { return mValue; }
    /// The unit.
    [[nodiscard]] constexpr const Unit& unit() const noexcept { return mUnit; }

    /// The number in another unit; IncompatibleUnits, TemperaturePoint (a reading into a difference
    /// or back), BelowAbsoluteZero, or OutOfRange for a finite value whose result is not finite.
    [[nodiscard]] Result<double> tryIn(const Unit& unit) const;
    /// The quantity in another unit; fails as tryIn.
    [[nodiscard]] Result<Quantity> tryTo(const Unit& unit) const;
    /// This reading as a difference from absolute zero in the same degree (20 °C gives 293.15 Δ°C),
    /// which multiplies and divides; a quantity that is no reading is returned as it is.
    [[nodiscard]] Result<Quantity> tryFromAbsoluteZero() const;
#if QELUNITS_HAS_EXCEPTIONS
    /// The number in another unit; throws Error.
    [[nodiscard]] double in(const Unit& unit) const {
        const double out = mValue * detail::ratio(mUnit, unit);
        return detail::byFactor(mUnit, unit) && std::isfinite(out) ? out : tryIn(unit).value();
    }
    /// The quantity in another unit; throws Error.
    [[nodiscard]] Quantity to(const Unit& unit) const {
        const double out = mValue * detail::ratio(mUnit, unit);
        return detail::byFactor(mUnit, unit) && std::isfinite(out) ? Quantity(out, unit) : tryTo(unit).value();
    }
    /// tryFromAbsoluteZero; throws Error.
    [[nodiscard]] Quantity fromAbsoluteZero() const { return tryFromAbsoluteZero().value(); }
#endif

    /// a + b in a's unit (point + difference is a point).
    friend QELUNITS_EXPORT Result<Quantity> tryAdd(const Quantity& a, const Quantity& b);
    /// a − b in a's unit (point − point is a difference).
    friend QELUNITS_EXPORT Result<Quantity> trySubtract(const Quantity& a, const Quantity& b);
    /// a × b, units multiplied.
    friend QELUNITS_EXPORT Result<Quantity> tryMultiply(const Quantity& a, const Quantity& b);
    /// a / b, units divided; OutOfRange for a finite value over 0, InvalidArgument for 0 / 0.
    friend QELUNITS_EXPORT Result<Quantity> tryDivide(const Quantity& a, const Quantity& b);
    /// a × factor.
    friend QELUNITS_EXPORT Result<Quantity> tryScale(const Quantity& a, double factor);
    /// a to the power n.
    friend QELUNITS_EXPORT Result<Quantity> tryPow(const Quantity& a, int n);
    /// a to the power numerator / denominator (16 m² to 1/2 is 4 m): FractionalPower where a power of the unit
    /// does not divide, InvalidArgument for a denominator of 0 or an even root of a negative value.
    friend QELUNITS_EXPORT Result<Quantity> tryPow(const Quantity& a, int numerator, int denominator);
    /// The square root; FractionalPower where a power of the unit is odd, InvalidArgument for a negative value.
    friend QELUNITS_EXPORT Result<Quantity> trySqrt(const Quantity& a);
    /// -1, 0 or 1 as a's value in the coherent SI unit (in kelvin for temperature readings) is less than,
    /// equal to or greater than b's; IncompatibleUnits, TemperaturePoint for a reading and a difference, InvalidNumber
    /// for NaN. One value stands for each quantity, so that the comparisons form a strict weak ordering.
    friend QELUNITS_EXPORT Result<int> tryCompare(const Quantity& a, const Quantity& b);

    /// The same quantity: equal values in the coherent SI unit (kelvin for readings), each worked out by the exact
    /// ratio of its unit's definition, so that 12 in == 1 ft and 0 °C == 32 °F; false for units that do not compare.
    /// Symmetric, and agrees with < and std::hash.
    friend QELUNITS_EXPORT bool operator==(const Quantity& a, const Quantity& b);
    /// Not ==.
    [[nodiscard]] friend bool operator!=(const Quantity& a, const Quantity& b) { return !(a == b); }
    /// |a − b| ≤ relativeTolerance × max(|a|, |b|) of their values in the coherent SI unit; false for units that
    /// do not compare.
    friend QELUNITS_EXPORT bool approxEqual(const Quantity& a, const Quantity& b, double relativeTolerance);
    /// approxEqual with a relative tolerance of 1e-9.
    [[nodiscard]] friend bool approxEqual(const Quantity& a, const Quantity& b) { return approxEqual(a, b, 1e-9); }

#if QELUNITS_HAS_EXCEPTIONS
    /// a + b in a's unit; throws Error.
    [[nodiscard]] friend Quantity operator+(const Quantity& a, const Quantity& b) {
        const double sum = a.value() + b.value() * detail::ratio(b.unit(), a.unit());
        return detail::byFactor(b.unit(), a.unit()) && std::isfinite(sum) ? Quantity(sum, a.unit())
                                                                          : tryAdd(a, b).value();
    }
    /// a − b in a's unit; throws Error.
    [[nodiscard]] friend Quantity operator-(const Quantity& a, const Quantity& b) {
        const double difference = a.value() - b.value() * detail::ratio(b.unit(), a.unit());
        return detail::byFactor(b.unit(), a.unit()) && std::isfinite(difference) ? Quantity(difference, a.unit())
                                                                                 : trySubtract(a, b).value();
    }
    /// −a; throws Error for a reading.
    [[nodiscard]] friend Quantity operator-(const Quantity& a) { return tryScale(a, -1.0).value(); }
    /// a × b; throws Error.
    [[nodiscard]] friend Quantity operator*(const Quantity& a, const Quantity& b) { return tryMultiply(a, b).value(); }
    /// a / b; throws Error.
    [[nodiscard]] friend Quantity operator/(const Quantity& a, const Quantity& b) { return tryDivide(a, b).value(); }
    /// a × n; throws Error for a reading.
    [[nodiscard]] friend Quantity operator*(const Quantity& a, double n) { return tryScale(a, n).value(); }
    /// n × a; throws Error for a reading.
    [[nodiscard]] friend Quantity operator*(double n, const Quantity& a) { return tryScale(a, n).value(); }
    /// a / n; throws Error for a reading.
    [[nodiscard]] friend Quantity operator/(const Quantity& a, double n) {
        return tryDivide(a, Quantity(n, Unit())).value();
    }
    /// n / a: n times the reciprocal of a; throws Error.
    [[nodiscard]] friend Quantity operator/(double n, const Quantity& a) {
        return tryDivide(Quantity(n, Unit()), a).value();
    }
    /// a += b.
    Quantity& operator+=(const Quantity& b) { return *this = *this + b; }
    /// a -= b.
    Quantity& operator-=(const Quantity& b) { return *this = *this - b; }
    /// a *= n.
    Quantity& operator*=(double n) { return *this = *this * n; }
    /// a /= n.
    Quantity& operator/=(double n) { return *this = *this / n; }
    /// a to the power n; throws Error. Found by argument-dependent lookup only.
    [[nodiscard]] friend Quantity pow(const Quantity& a, int n) { return tryPow(a, n).value(); }
    /// The square root; throws Error. Found by argument-dependent lookup only.
    [[nodiscard]] friend Quantity sqrt(const Quantity& a) { return trySqrt(a).value(); }
    /// The cube root; throws Error. Found by argument-dependent lookup only.
    [[nodiscard]] friend Quantity cbrt(const Quantity& a) { return tryPow(a, 1, 3).value(); }
    /// a < b after conversion; throws Error for units that do not compare.
    [[nodiscard]] friend bool operator<(const Quantity& a, const Quantity& b) { return tryCompare(a, b).value() < 0; }
    /// a <= b after conversion; throws Error.
    [[nodiscard]] friend bool operator<=(const Quantity& a, const Quantity& b) { return tryCompare(a, b).value() <= 0; }
    /// a > b after conversion; throws Error.
    [[nodiscard]] friend bool operator>(const Quantity& a, const Quantity& b) { return tryCompare(a, b).value() > 0; }
    /// a >= b after conversion; throws Error.
    [[nodiscard]] friend bool operator>=(const Quantity& a, const Quantity& b) { return tryCompare(a, b).value() >= 0; }
#endif

private:
    double mValue = 0.0;
    Unit mUnit;
};

/// How a sum or difference of quantities in units a and b is worked out, for code that adds many values at once
/// (arrays): a's values converted into lhs and b's into rhs, then added or subtracted, give the result in result,
/// as tryAdd and trySubtract give it value by value.
struct SumPlan {
    Unit lhs;    ///< the unit a's values are converted into
    Unit rhs;    ///< the unit b's values are converted into
    Unit result; ///< the unit of the sum or difference
};
/// The plan of a + b (subtract false) or a − b: the failures of tryAdd and trySubtract for any values
/// (IncompatibleUnits, TemperaturePoint), with messages that name the units alone.
[[nodiscard]] QELUNITS_EXPORT Result<SumPlan> planSum(const Unit& a, const Unit& b, bool subtract);
/// The unit of a product (divide false) or quotient of quantities in a and b, as tryMultiply and tryDivide give
/// it: TemperaturePoint for a reading on an offset scale, a lone temperature left as a difference.
[[nodiscard]] QELUNITS_EXPORT Result<Unit> productUnit(const Unit& a, const Unit& b, bool divide);
/// The unit of a quantity in a to the power numerator / denominator, as tryPow gives it.
[[nodiscard]] QELUNITS_EXPORT Result<Unit> powerUnit(const Unit& a, int numerator, int denominator = 1);
/// a, where quantities in a may be scaled by a number; TemperaturePoint for a reading on an offset scale, the
/// message naming operation ("mean(°C): ...").
[[nodiscard]] QELUNITS_EXPORT Result<Unit> scaleUnit(const Unit& a, std::string_view operation);

#if QELUNITS_HAS_EXCEPTIONS
/// a to the power N; throws Error: qelunits::pow<3>(q).
template <int N>
[[nodiscard]] Quantity pow(const Quantity& a) {
    return tryPow(a, N).value();
}
/// The N-th root of a; throws Error (FractionalPower where a power of the unit does not divide): root<3>(q).
template <int N>
[[nodiscard]] Quantity root(const Quantity& a) {
    static_assert(N != 0, "there is no 0th root");
    return tryPow(a, 1, N).value();
}
#endif
/// No power of a quantity truncates its exponent: a fractional one is tryPow(q, 1, 2), root<2> or sqrt.
Quantity pow(const Quantity&, double) = delete;
/// No power of a unit truncates its exponent: a fractional one is tryPow(u, 1, 2).
Unit pow(const Unit&, double) = delete;

// The comparisons declared as friends above, again where an attribute may say that their result is the point.
/// Units that convert by the identity.
[[nodiscard]] QELUNITS_EXPORT bool operator==(const Unit& a, const Unit& b) noexcept;
/// Quantities of equal values in the coherent SI unit.
[[nodiscard]] QELUNITS_EXPORT bool operator==(const Quantity& a, const Quantity& b);
/// Quantities whose values in the coherent SI unit lie within a relative tolerance.
[[nodiscard]] QELUNITS_EXPORT bool approxEqual(const Quantity& a, const Quantity& b, double relativeTolerance);

/// value of unit: 3.5 * Unit("ft").
[[nodiscard]] constexpr Quantity operator*(double value, const Unit& unit) noexcept { return Quantity(value, unit); }
/// A unit is never multiplied by a number on its right: write the number first.
Quantity operator*(const Unit&, double) = delete;

/// Prepared conversion of numbers between two units: a factor, or a temperature function.
class QELUNITS_EXPORT Converter {
public:
    /// What a conversion between reciprocal dimensions (s/m to m/s) does.
    enum class Reciprocal : std::uint8_t {
        Refuse, ///< an error of kind IncompatibleUnits, as between any other dimensions
        Allow,  ///< as QelUnitExpression::ConvertReciprocal (30 mpg to 7.84 L/100 km): asked for, never silent
    };

    /// The conversion from from to to; IncompatibleUnits, TemperaturePoint between a reading and a difference.
    [[nodiscard]] static Result<Converter> make(const Unit& from, const Unit& to,
                                                Reciprocal reciprocal = Reciprocal::Refuse);
    /// The conversion between two unit texts; failures of Unit::parse as well.
    [[nodiscard]] static Result<Converter> make(std::string_view from, std::string_view to,
                                                Reciprocal reciprocal = Reciprocal::Refuse);
#if QELUNITS_HAS_EXCEPTIONS
    /// As make; throws Error.
    Converter(const Unit& from, const Unit& to, Reciprocal reciprocal = Reciprocal::Refuse)
        : mFrom(from), mTo(to), mFactor(detail::ratio(from, to)) {
        if (!detail::byFactor(from, to)) {
            initOrThrow(reciprocal);
        }
    }
    /// As make; throws Error.
    Converter(std::string_view from, std::string_view to, Reciprocal reciprocal = Reciprocal::Refuse);
    /// Converts value; throws Error (BelowAbsoluteZero, OutOfRange for a finite value gone infinite).
    [[nodiscard]] double operator()(double value) const {
        const double converted = value * mFactor;
        return mKind == Kind::Factor && !mPoint && std::isfinite(converted) ? converted : slow(value).value();
    }
    /// Converts count values from source into target (which may be source, but must not overlap it otherwise);
    /// throws Error naming the first value below absolute zero, after converting every value. A finite value
    /// gone infinite is left infinite, as in a product of arrays.
    void operator()(const double* source, double* target, std::size_t count) const;
#endif
    /// Converts value; failures as operator().
    [[nodiscard]] Result<double> tryConvert(double value) const;
    /// Converts count values from source into target (which may be source, but must not overlap it otherwise):
    /// the count, or the failure of the first value below absolute zero (its index as the position); every
    /// value is converted either way, and a finite value gone infinite is left infinite.
    [[nodiscard]] Result<std::size_t> tryConvert(const double* source, double* target, std::size_t count) const;

    /// The slope of the conversion, so that to = from × factor() + offset(): 1 between equal units, the ratio
    /// of the degrees between temperature readings (1.8 from °C to °F); 0 for a reciprocal conversion, which no
    /// factor states.
    [[nodiscard]] double factor() const noexcept { return mKind == Kind::Reciprocal ? 0.0 : mFactor; }
    /// What a conversion between temperature readings adds after the factor (32 from °C to °F); 0 otherwise.
    [[nodiscard]] double offset() const noexcept { return mOffset; }
    /// The source unit.
    [[nodiscard]] const Unit& from() const noexcept { return mFrom; }
    /// The target unit.
    [[nodiscard]] const Unit& to() const noexcept { return mTo; }

private:
    enum class Kind : std::uint8_t { Factor, Identity, Function, Reciprocal };
    Converter() noexcept = default;
    ErrorKind init(const Unit& from, const Unit& to, Reciprocal reciprocal) noexcept;
    void initOrThrow(Reciprocal reciprocal);
    [[nodiscard]] Result<double> slow(double value) const;
    [[nodiscard]] Result<double> inRange(double value, double converted) const;
    void convertBlock(const double* source, double* target, std::size_t count) const;
    [[nodiscard]] bool belowZero(double value) const;

    Unit mFrom;
    Unit mTo;
    double mFactor = 1.0;
    double mOffset = 0.0;
    double mFromScale = 1.0;
    double mToScale = 1.0;
    double mSafeAbove = 0.0; // readings at or above it are surely above absolute zero
    double (*mFunction)(double) = nullptr;
    void (*mEach)(const double*, double*, std::size_t) noexcept = nullptr;
    std::size_t (*mEachBelow)(const double*, double*, std::size_t, double) noexcept = nullptr;
    Kind mKind = Kind::Factor;
    bool mPoint = false;
};

/// How a quantity's or unit's text names the unit.
enum class UnitStyle : std::uint8_t {
    Symbol, ///< "ft", "kJ/(kg·K)"
    Name,   ///< "Foot", "Kilojoule per Kilogram Kelvin"
    Ascii,  ///< "kJ/(kg*K)", "m/s**2", "degC": symbols in ASCII, as Python writes powers
    Latex,  ///< "\frac{\mathrm{kJ}}{\mathrm{kg} \cdot \mathrm{K}}"
    Html,   ///< "kJ/(kg K)", "m/s<sup>2</sup>"
};

/// Format options split into the number's and the unit's style ("{:.2f~P}" is ".2f" and symbols).
struct FormatSplit {
    std::size_t numberBegin = 0;         ///< where the number's options start
    std::size_t numberLength = 0;        ///< how long they are
    UnitStyle style = UnitStyle::Symbol; ///< the unit's style
    bool styled = false;                 ///< whether a modifier chose the style (else the writer's default)
    const char* error = nullptr;         ///< why the options are refused; null when they are read
};

/// Splits a format spec: the number's options (a double's, or a string's for a unit alone), then the unit's
/// modifiers: at most one '~' (symbols, also first of all) and at most one letter, 'S' (symbols) or 'N'
/// (names), or 'D', 'P' (names, symbols with '~'), 'C' (ASCII symbols), 'L' (LaTeX), 'H' (HTML). Refused
/// with a reason: '#' (but as a fill character), a second '~' or letter, and '~' with 'N'.
[[nodiscard]] constexpr FormatSplit splitFormatSpec(std::string_view spec) noexcept {
    FormatSplit split;
    const std::string_view letters = "SNDPCLH";
    std::size_t begin = 0;
    std::size_t end = spec.size();
    bool tilde = false;
    char letter = '\0';
    if (!spec.empty() && spec[0] == '~') { // never a fill: Pint writes "{:~P}"
        tilde = true;
        begin = 1;
    }
    for (; end > begin && (spec[end - 1] == '~' || letters.find(spec[end - 1]) != std::string_view::npos); --end) {
        const char c = spec[end - 1];
        if ((c == '~' && tilde) || (c != '~' && letter != '\0')) {
            split.error = c == '~' ? "a format spec takes one '~'" : "a format spec takes one unit style letter";
            return split;
        }
        tilde = tilde || c == '~';
        letter = c == '~' ? letter : c;
    }
    split.numberBegin = begin;
    split.numberLength = end - begin;
    // '#' as a fill character ("{:#^9}") is one; anywhere else it would be a double's alternate form.
    const bool fill = end - begin > 1 && spec[begin] == '#' &&
                      std::string_view("<>^=").find(spec[begin + 1]) != std::string_view::npos;
    if (spec.substr(begin + (fill ? 1U : 0U), end - begin - (fill ? 1U : 0U)).find('#') != std::string_view::npos) {
        split.error = "'#' is refused: call to_compact() before formatting, where Pint would read '#'";
    } else if (tilde && letter == 'N') {
        split.error = "'~' (symbols) and 'N' (names) contradict each other";
    }
    split.styled = tilde || letter != '\0';
    split.style = letter == 'N' || ((letter == 'D' || letter == 'P') && !tilde) ? UnitStyle::Name
                  : letter == 'C'                                               ? UnitStyle::Ascii
                  : letter == 'L'                                               ? UnitStyle::Latex
                  : letter == 'H'                                               ? UnitStyle::Html
                                                                                : UnitStyle::Symbol;
    return split;
}

/// The coherent SI unit of a's dimension, as a's values are written in base units: kg·m²/s² for kWh, 1/s for Hz,
/// K for a temperature reading, ΔK for a difference.
[[nodiscard]] QELUNITS_EXPORT Result<Unit> baseUnit(const Unit& a);
/// a with the catalogue units of one dimension taken into the first of them, so that they cancel or combine:
/// ft/m is a pure number (0.3048), ft·m is ft² × 3.28...; a itself where no two share a dimension.
[[nodiscard]] QELUNITS_EXPORT Result<Unit> reducedUnit(const Unit& a);
/// The quantity in its unit under the engineering prefix (or none) that puts the magnitude in [1, 1000), or
/// nearest to it: 1500 m/s is 1.5 km/s, 0.002 kg is 2 g. A reading, a number of no unit, 0, NaN and infinities
/// are returned as they are.
[[nodiscard]] QELUNITS_EXPORT Result<Quantity> toCompact(const Quantity& quantity);

/// The shortest number that reads back as the same double, a blank and the unit: "3.5 ft".
[[nodiscard]] QELUNITS_EXPORT std::string toString(const Quantity& quantity, UnitStyle style = UnitStyle::Symbol);
/// The unit's symbol or name.
[[nodiscard]] QELUNITS_EXPORT std::string toString(const Unit& unit, UnitStyle style = UnitStyle::Symbol);
/// Writes the symbol.
QELUNITS_EXPORT std::ostream& operator<<(std::ostream& out, const Unit& unit);
/// Writes the number as the stream writes a double (its flags and precision), a blank and the symbol.
QELUNITS_EXPORT std::ostream& operator<<(std::ostream& out, const Quantity& quantity);

/// The library's version, "1.0.0": the one it was built as, which may differ from the headers'.
QELUNITS_EXPORT const char* version() noexcept;

} // namespace qelunits

namespace std {

/// Hashes equal units alike: units that convert by the identity.
template <>
struct hash<qelunits::Unit> {
    /// The hash of the dimension, the factor and the kind of temperature, as == compares them.
    [[nodiscard]] QELUNITS_EXPORT std::size_t operator()(const qelunits::Unit& unit) const noexcept;
};

/// Hashes equal quantities alike: the dimension and the value in the coherent SI unit, as == compares them.
template <>
struct hash<qelunits::Quantity> {
    /// The hash of the dimension and the value in the coherent SI unit.
    [[nodiscard]] QELUNITS_EXPORT std::size_t operator()(const qelunits::Quantity& quantity) const noexcept;
};

} // namespace std

#endif
