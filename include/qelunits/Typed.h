#ifndef QELUNITS_TYPED_H
#define QELUNITS_TYPED_H

// Quantities whose dimension is part of their type: qelunits::Length,
// qelunits::Power, ... hold one double in the coherent SI unit, and a sum of a
// Length and a Time, a comparison of them, or a Speed given where a Length is
// wanted is a compile error, where the value API (Quantity.h) finds the same
// mistake only when the line runs. Everything here is constexpr or inline over
// one double: the same machine code as plain doubles.
//
// The base dimensions and their order are those of qelunits::Dimension (kg, m,
// s, K, A, mol, cd, rad, sr): a frequency is 1/s and an angle a dimension of its
// own, as in the value API. Units arriving as data cross over through the value
// API: Length::from("3 ft"), Length::from(quantity), x.in(Unit("ft")) return or
// throw its errors; the constants of qelunits::units (ft, psi, kWh, ...) carry the
// same factors as the value API's units of the same text.
//
// Temperatures: a Temperature is kelvins counted from absolute zero, or a
// difference of two temperatures; both multiply (R·T, m·cp·ΔT). A reading on a
// scale with another zero (°C, °F) is a TemperaturePoint: point − point is a
// Temperature, point ± Temperature a point; a point does not add to a point nor
// multiply (absolute() gives its Temperature from absolute zero).
//
// Thread safety: plain values; the value API's units made on first use are
// made once, safely from several threads.

#include <qelunits/Dimension.h>
#include <qelunits/Error.h>
#include <qelunits/QelUnit.h>
#include <qelunits/Quantity.h>

#include <cmath>
#include <cstddef>
#include <string_view>
#include <type_traits>
/// 1 where the typed layer declares operator<=> (C++20), else 0.
#if __cplusplus >= 202002L && defined(__cpp_impl_three_way_comparison)
#include <compare>
#define QELUNITS_TYPED_THREE_WAY 1
#else
#define QELUNITS_TYPED_THREE_WAY 0
#endif

namespace qelunits {

namespace detail {
/// Number of base dimensions a typed quantity has exponents of: Dimension::Mass to Dimension::SolidAngle.
inline constexpr std::size_t kTypedBases = Dimension::SolidAngle + 1;
} // namespace detail

/// The dimensions of typed quantities: one struct for each named dimension (dims::Length, dims::Energy), and
/// kg_m_s_K_A_mol_cd_rad_sr<...> for every other, so that a compiler's message names the dimensions it means.
namespace dims {

/// A dimension without a name of its own: the exponents of kg, m, s, K, A, mol, cd, rad and sr.
template <int M, int L, int T, int K, int I, int N, int J, int A, int S>
struct kg_m_s_K_A_mol_cd_rad_sr {
    /// Exponents, in the order of qelunits::Dimension::Base.
    static constexpr int exponents[detail::kTypedBases] = {M, L, T, K, I, N, J, A, S};
    /// False: the name is the text of the exponents.
    static constexpr bool kNamed = false;
};

// name, symbol in the coherent SI unit (as the value API reads it), and exponents of kg, m, s, K, A, mol, cd, rad, sr.
// clang-format off
#define QELUNITS_TYPED_DIMENSIONS(X)                                                  \
    X(Dimensionless,           "",          0,  0,  0,  0,  0,  0,  0,  0,  0)        \
    X(Mass,                    "kg",        1,  0,  0,  0,  0,  0,  0,  0,  0)        \
    X(Length,                  "m",         0,  1,  0,  0,  0,  0,  0,  0,  0)        \
    X(Time,                    "s",         0,  0,  1,  0,  0,  0,  0,  0,  0)        \
    X(Temperature,             "K",         0,  0,  0,  1,  0,  0,  0,  0,  0)        \
    X(ElectricCurrent,         "A",         0,  0,  0,  0,  1,  0,  0,  0,  0)        \
    X(AmountOfSubstance,       "mol",       0,  0,  0,  0,  0,  1,  0,  0,  0)        \
    X(LuminousIntensity,       "cd",        0,  0,  0,  0,  0,  0,  1,  0,  0)        \
    X(Angle,                   "rad",       0,  0,  0,  0,  0,  0,  0,  1,  0)        \
    X(SolidAngle,              "sr",        0,  0,  0,  0,  0,  0,  0,  0,  1)        \
    X(Area,                    "m²",        0,  2,  0,  0,  0,  0,  0,  0,  0)        \
    X(Volume,                  "m³",        0,  3,  0,  0,  0,  0,  0,  0,  0)        \
    X(Speed,                   "m/s",       0,  1, -1,  0,  0,  0,  0,  0,  0)        \
    X(Acceleration,            "m/s²",      0,  1, -2,  0,  0,  0,  0,  0,  0)        \
    X(Frequency,               "Hz",        0,  0, -1,  0,  0,  0,  0,  0,  0)        \
    X(AngularVelocity,         "rad/s",     0,  0, -1,  0,  0,  0,  0,  1,  0)        \
    X(AngularAcceleration,     "rad/s²",    0,  0, -2,  0,  0,  0,  0,  1,  0)        \
    X(Force,                   "N",         1,  1, -2,  0,  0,  0,  0,  0,  0)        \
    X(Energy,                  "J",         1,  2, -2,  0,  0,  0,  0,  0,  0)        \
    X(Power,                   "W",         1,  2, -3,  0,  0,  0,  0,  0,  0)        \
    X(Pressure,                "Pa",        1, -1, -2,  0,  0,  0,  0,  0,  0)        \
    X(Momentum,                "kg·m/s",    1,  1, -1,  0,  0,  0,  0,  0,  0)        \
    X(Density,                 "kg/m³",     1, -3,  0,  0,  0,  0,  0,  0,  0)        \
    X(LinearDensity,           "kg/m",      1, -1,  0,  0,  0,  0,  0,  0,  0)        \
    X(SurfaceDensity,          "kg/m²",     1, -2,  0,  0,  0,  0,  0,  0,  0)        \
    X(MassFlow,                "kg/s",      1,  0, -1,  0,  0,  0,  0,  0,  0)        \
    X(VolumeFlow,              "m³/s",      0,  3, -1,  0,  0,  0,  0,  0,  0)        \
    X(SurfaceTension,          "N/m",       1,  0, -2,  0,  0,  0,  0,  0,  0)        \
    X(DynamicViscosity,        "Pa·s",      1, -1, -1,  0,  0,  0,  0,  0,  0)        \
    X(KinematicViscosity,      "m²/s",      0,  2, -1,  0,  0,  0,  0,  0,  0)        \
    X(SpecificEnergy,          "J/kg",      0,  2, -2,  0,  0,  0,  0,  0,  0)        \
    X(SpecificHeatCapacity,    "J/(kg·K)",  0,  2, -2, -1,  0,  0,  0,  0,  0)        \
    X(HeatCapacity,            "J/K",       1,  2, -2, -1,  0,  0,  0,  0,  0)        \
    X(ThermalConductivity,     "W/(m·K)",   1,  1, -3, -1,  0,  0,  0,  0,  0)        \
    X(HeatTransferCoefficient, "W/(m²·K)",  1,  0, -3, -1,  0,  0,  0,  0,  0)        \
    X(HeatFlux,                "W/m²",      1,  0, -3,  0,  0,  0,  0,  0,  0)        \
    X(MolarMass,               "kg/mol",    1,  0,  0,  0,  0, -1,  0,  0,  0)        \
    X(Concentration,           "mol/m³",    0, -3,  0,  0,  0,  1,  0,  0,  0)        \
    X(MolarFlow,               "mol/s",     0,  0, -1,  0,  0,  1,  0,  0,  0)        \
    X(MolarEnergy,             "J/mol",     1,  2, -2,  0,  0, -1,  0,  0,  0)        \
    X(MolarHeatCapacity,       "J/(mol·K)", 1,  2, -2, -1,  0, -1,  0,  0,  0)        \
    X(Charge,                  "A·s",       0,  0,  1,  0,  1,  0,  0,  0,  0)        \
    X(Voltage,                 "V",         1,  2, -3,  0, -1,  0,  0,  0,  0)        \
    X(Resistance,              "Ω",         1,  2, -3,  0, -2,  0,  0,  0,  0)        \
    X(Conductance,             "A/V",      -1, -2,  3,  0,  2,  0,  0,  0,  0)        \
    X(Capacitance,             "A·s/V",    -1, -2,  4,  0,  2,  0,  0,  0,  0)        \
    X(Inductance,              "Wb/A",      1,  2, -2,  0, -2,  0,  0,  0,  0)        \
    X(MagneticFlux,            "Wb",        1,  2, -2,  0, -1,  0,  0,  0,  0)        \
    X(MagneticFluxDensity,     "T",         1,  0, -2,  0, -1,  0,  0,  0,  0)        \
    X(ElectricField,           "V/m",       1,  1, -3,  0, -1,  0,  0,  0,  0)        \
    X(Illuminance,             "lx",        0, -2,  0,  0,  0,  0,  1,  0,  1)
// clang-format on

#define QELUNITS_TYPED_DIMENSION_STRUCT(Name, Symbol, M, L, T, K, I, N, J, A, S)                                       \
    /** A named dimension. */                                                                                          \
    struct Name {                                                                                                      \
        static constexpr int exponents[detail::kTypedBases] = {M, L, T, K, I, N, J, A, S};                             \
        static constexpr bool kNamed = true;                                                                           \
        static constexpr const char* name = #Name;                                                                     \
        static constexpr const char* symbol = Symbol;                                                                  \
    };
QELUNITS_TYPED_DIMENSIONS(QELUNITS_TYPED_DIMENSION_STRUCT)
#undef QELUNITS_TYPED_DIMENSION_STRUCT

} // namespace dims

namespace detail {

/// The one type of a dimension's exponents: the named struct where there is one.
template <int M, int L, int T, int K, int I, int N, int J, int A, int S>
struct CanonicalOf {
    /// The dimension's type.
    using type = dims::kg_m_s_K_A_mol_cd_rad_sr<M, L, T, K, I, N, J, A, S>;
};
#define QELUNITS_TYPED_DIMENSION_CANONICAL(Name, Symbol, M, L, T, K, I, N, J, A, S)                                    \
    template <>                                                                                                        \
    struct CanonicalOf<M, L, T, K, I, N, J, A, S> {                                                                    \
        using type = dims::Name;                                                                                       \
    };
QELUNITS_TYPED_DIMENSIONS(QELUNITS_TYPED_DIMENSION_CANONICAL)
#undef QELUNITS_TYPED_DIMENSION_CANONICAL

/// Exponents of D times Num / Den (Num / Den exact, else not canonical).
template <class D, int Num, int Den>
using Scaled =
    typename CanonicalOf<D::exponents[0] * Num / Den, D::exponents[1] * Num / Den, D::exponents[2] * Num / Den,
                         D::exponents[3] * Num / Den, D::exponents[4] * Num / Den, D::exponents[5] * Num / Den,
                         D::exponents[6] * Num / Den, D::exponents[7] * Num / Den, D::exponents[8] * Num / Den>::type;
/// Exponents of A plus Sign times those of B.
template <class A, class B, int Sign>
using Combined =
    typename CanonicalOf<A::exponents[0] + Sign * B::exponents[0], A::exponents[1] + Sign * B::exponents[1],
                         A::exponents[2] + Sign * B::exponents[2], A::exponents[3] + Sign * B::exponents[3],
                         A::exponents[4] + Sign * B::exponents[4], A::exponents[5] + Sign * B::exponents[5],
                         A::exponents[6] + Sign * B::exponents[6], A::exponents[7] + Sign * B::exponents[7],
                         A::exponents[8] + Sign * B::exponents[8]>::type;

/// True when every exponent of D divides by N.
template <class D, int N>
inline constexpr bool kExponentsDivide = [] {
    for (const int e : D::exponents) {
        if (e % N != 0) {
            return false;
        }
    }
    return true;
}();

/// False, for a static_assert that fires only when its template is used.
template <class...>
inline constexpr bool kNever = false;

/// The text of exponents as the value API writes a dimension: "kg·m^3/s^2", "1/s", "1".
struct DimensionText {
    char text[192] = {};  ///< Nul-terminated; 9 terms of "mol^-127·" and the bar fit.
    std::size_t size = 0; ///< Characters written.

    /// Appends s.
    constexpr void append(const char* s) noexcept {
        for (; *s != '\0'; ++s) {
            text[size++] = *s;
        }
    }
    /// Appends base, and ^power where power is not 1 (power > 0).
    constexpr void appendTerm(const char* base, int power) noexcept {
        append(base);
        if (power != 1) {
            char digits[12] = {};
            int n = 0;
            for (; power > 0; power /= 10) {
                digits[n++] = static_cast<char>('0' + power % 10);
            }
            text[size++] = '^';
            while (n > 0) {
                text[size++] = digits[--n];
            }
        }
    }
    /// Appends the terms of one sign (1 above the bar, -1 below), joined by '·'; returns their count.
    constexpr int appendSide(const int* exponents, int sign) noexcept {
        constexpr const char* kBases[kTypedBases] = {"kg", "m", "s", "K", "A", "mol", "cd", "rad", "sr"};
        int count = 0;
        for (std::size_t k = 0; k < kTypedBases; ++k) {
            if (exponents[k] * sign > 0) {
                append(count++ == 0 ? "" : "·");
                appendTerm(kBases[k], exponents[k] * sign);
            }
        }
        return count;
    }
};

/// The text of the exponents.
constexpr DimensionText dimensionText(const int* exponents) noexcept {
    DimensionText above;
    DimensionText below;
    const int up = above.appendSide(exponents, 1);
    const int down = below.appendSide(exponents, -1);
    DimensionText out;
    out.append(up == 0 ? "1" : above.text);
    if (down > 0) {
        out.append(down > 1 ? "/(" : "/");
        out.append(below.text);
        out.append(down > 1 ? ")" : "");
    }
    return out;
}

/// The exponents' text of D, made once.
template <class D>
inline constexpr DimensionText kDimensionText = dimensionText(D::exponents);

} // namespace detail

namespace dims {
/// A named dimension as data: its name, the symbol of its coherent SI unit and its exponents.
struct Named {
    const char* name;                   ///< "Length"
    const char* symbol;                 ///< "m"; "" for Dimensionless
    int exponents[detail::kTypedBases]; ///< kg, m, s, K, A, mol, cd, rad, sr
};
#define QELUNITS_TYPED_DIMENSION_ROW(Name, Symbol, M, L, T, K, I, N, J, A, S)                                          \
    {#Name, Symbol, {M, L, T, K, I, N, J, A, S}},
/// Every named dimension, in the order of their structs.
inline constexpr Named kNamed[] = {QELUNITS_TYPED_DIMENSIONS(QELUNITS_TYPED_DIMENSION_ROW)};
#undef QELUNITS_TYPED_DIMENSION_ROW
#undef QELUNITS_TYPED_DIMENSIONS
} // namespace dims

/// The name of dimension D ("Length"), or the text of its exponents ("kg·m^3/s^2") where it has none.
template <class D>
constexpr const char* dimensionName() noexcept {
    if constexpr (D::kNamed) {
        return D::name;
    } else {
        return detail::kDimensionText<D>.text;
    }
}

/// The symbol of D's coherent SI unit as the value API reads it ("N", "kg·m^3/s^2"); "" for a number.
template <class D>
constexpr const char* coherentSymbol() noexcept {
    if constexpr (D::kNamed) {
        return D::symbol;
    } else {
        return detail::kDimensionText<D>.text;
    }
}

template <class D>
class TypedQuantity;

/// A unit of dimension D known at compile time: its factor to the coherent SI unit, and the text by which the
/// value API reads the same unit (nullptr for a product of units). 3.5 * units::ft is a Length.
template <class D>
struct TypedUnit {
    double factor;      ///< How many coherent SI units one of this is.
    const char* symbol; ///< The text the value API reads as this unit; nullptr for a product.
};

/// A temperature scale whose zero is not absolute zero (°C, °F): kelvin = (value + zero) × numerator / denominator,
/// value = kelvin × perKelvin − zero, the functions the value API converts readings by.
struct TemperatureScale {
    double zero;        ///< The scale's value at absolute zero, negated: 273.15 for °C.
    double numerator;   ///< Kelvins per degree, as a fraction: 5 for °F.
    double denominator; ///< 9 for °F.
    double perKelvin;   ///< Degrees per kelvin: 1.8 for °F.
    const char* symbol; ///< The text the value API reads as a reading on the scale.
};

namespace detail {
/// How the value API's conversions see a typed dimension.
struct TypedInfo {
    const int* exponents; ///< kg, m, s, K, A, mol, cd, rad, sr
    const char* name;     ///< "Length", or the text of the exponents
    const char* text;     ///< The text of the exponents: "m"
};
/// What the value API's conversions see of D.
template <class D>
constexpr TypedInfo typedInfo() noexcept {
    return {D::exponents, dimensionName<D>(), kDimensionText<D>.text};
}
/// The number of quantity in si, the coherent SI unit of target; IncompatibleUnits naming both dimensions.
inline Result<double> siValueOf(const Quantity& quantity, const TypedInfo& target, const Result<Unit>& si);
/// The number of si (source's coherent SI unit siUnit) in unit; IncompatibleUnits naming both dimensions.
inline Result<double> valueIn(double si, const TypedInfo& source, const Result<Unit>& siUnit, const Unit& unit);
/// The value API's coherent SI unit of the exponents (ΔK for a temperature alone).
inline Result<Unit> coherentUnit(const int* exponents);
} // namespace detail

/// A quantity of dimension D: one double, in D's coherent SI unit (m, kg, J, Pa, ...). Built from a number and a
/// unit (3.5 * units::ft), from a number in the SI unit explicitly (Length(1.0668)), or from the value API's
/// quantities and texts (Length::from("3 ft")). Trivially copyable, the size of a double.
template <class D>
class TypedQuantity {
    static_assert(std::is_same_v<D, detail::Scaled<D, 1, 1>>,
                  "qelunits: name a typed quantity's dimension by its alias or QuantityOf<exponents...>");

public:
    /// The dimension.
    using dimension = D;

    /// 0.
    constexpr TypedQuantity() noexcept = default;
    /// value in the coherent SI unit; explicit, so that a number never becomes a quantity unseen.
    template <class Number, std::enable_if_t<std::is_arithmetic_v<Number>, int> = 0>
    explicit constexpr TypedQuantity(Number value) noexcept : mValue(static_cast<double>(value)) {}

    /// The number in the coherent SI unit.
    constexpr double value() const noexcept { return mValue; }
    /// The number in unit (x.in(units::ft)).
    template <class U>
    constexpr double in(TypedUnit<U> unit) const noexcept {
        static_assert(std::is_same_v<D, U>, "qelunits: cannot express a quantity in a unit of another dimension "
                                            "(D is the quantity's dimension, U the unit's)");
        return mValue / unit.factor;
    }
    /// A number is a quantity of no dimension, and back.
    template <class E = D, std::enable_if_t<std::is_same_v<E, dims::Dimensionless>, int> = 0>
    constexpr operator double() const noexcept {
        return mValue;
    }

    /// The value API's quantity, converted: IncompatibleUnits naming both dimensions, or its conversion's failure.
    static Result<TypedQuantity> from(const Quantity& quantity) {
        const Result<double> si = detail::siValueOf(quantity, detail::typedInfo<D>(), siUnit());
        return si ? Result<TypedQuantity>(TypedQuantity(*si)) : Result<TypedQuantity>::failureOf(si);
    }
    /// A quantity text ("3 ft"); a failure to read keeps the reader's kind and position.
    static Result<TypedQuantity> from(std::string_view text) {
        const Result<Quantity> read = Quantity::parse(text);
        return read ? from(*read) : Result<TypedQuantity>::failureOf(read);
    }
    /// value in a catalogue unit (QelUnit::foot, 3.0).
    static Result<TypedQuantity> from(QelUnit::BuiltinUnits unit, double value) {
        const Result<Unit> made = Unit::fromCode(unit);
        return made ? from(Quantity(value, *made)) : Result<TypedQuantity>::failureOf(made);
    }
    /// The number in a unit of the value API; IncompatibleUnits naming both dimensions.
    Result<double> tryIn(const Unit& unit) const {
        return detail::valueIn(mValue, detail::typedInfo<D>(), siUnit(), unit);
    }
    /// The value API's quantity in unit; fails as tryIn.
    Result<Quantity> tryTo(const Unit& unit) const {
        const Result<double> number = tryIn(unit);
        return number ? Result<Quantity>(Quantity(*number, unit)) : Result<Quantity>::failureOf(number);
    }
#if QELUNITS_HAS_EXCEPTIONS
    /// The number in a unit of the value API; throws Error.
    double in(const Unit& unit) const { return tryIn(unit).value(); }
    /// The value API's quantity in unit; throws Error.
    Quantity to(const Unit& unit) const { return tryTo(unit).value(); }
    /// to(unit).
    Quantity to_quantity(const Unit& unit) const { return to(unit); }
#endif

    /// += a quantity of the same dimension.
    constexpr TypedQuantity& operator+=(const TypedQuantity& other) noexcept {
        mValue += other.mValue;
        return *this;
    }
    /// -= a quantity of the same dimension.
    constexpr TypedQuantity& operator-=(const TypedQuantity& other) noexcept {
        mValue -= other.mValue;
        return *this;
    }
    /// *= a number.
    constexpr TypedQuantity& operator*=(double n) noexcept {
        mValue *= n;
        return *this;
    }
    /// /= a number.
    constexpr TypedQuantity& operator/=(double n) noexcept {
        mValue /= n;
        return *this;
    }
    /// +x.
    constexpr TypedQuantity operator+() const noexcept { return *this; }
    /// −x.
    constexpr TypedQuantity operator-() const noexcept { return TypedQuantity(-mValue); }

private:
    // The coherent SI unit in the value API, made once.
    static const Result<Unit>& siUnit() {
        static const Result<Unit> unit = detail::coherentUnit(D::exponents);
        return unit;
    }

    double mValue = 0.0;
};

/// The typed quantity of the exponents of kg, m, s, K, A, mol, cd, rad and sr: QuantityOf<1, 3, -2> (the rest 0).
template <int M, int L = 0, int T = 0, int K = 0, int I = 0, int N = 0, int J = 0, int A = 0, int S = 0>
using QuantityOf = TypedQuantity<typename detail::CanonicalOf<M, L, T, K, I, N, J, A, S>::type>;

#define QELUNITS_TYPED_ALIAS(Name) using Name = TypedQuantity<dims::Name>; ///< A quantity of this dimension.
QELUNITS_TYPED_ALIAS(Dimensionless)
QELUNITS_TYPED_ALIAS(Mass)
QELUNITS_TYPED_ALIAS(Length)
QELUNITS_TYPED_ALIAS(Time)
QELUNITS_TYPED_ALIAS(Temperature) // kelvins from absolute zero, or a difference of temperatures
QELUNITS_TYPED_ALIAS(ElectricCurrent)
QELUNITS_TYPED_ALIAS(AmountOfSubstance)
QELUNITS_TYPED_ALIAS(LuminousIntensity)
QELUNITS_TYPED_ALIAS(Angle)
QELUNITS_TYPED_ALIAS(SolidAngle)
QELUNITS_TYPED_ALIAS(Area)
QELUNITS_TYPED_ALIAS(Volume)
QELUNITS_TYPED_ALIAS(Speed)
QELUNITS_TYPED_ALIAS(Acceleration)
QELUNITS_TYPED_ALIAS(Frequency)
QELUNITS_TYPED_ALIAS(AngularVelocity)
QELUNITS_TYPED_ALIAS(AngularAcceleration)
QELUNITS_TYPED_ALIAS(Force)
QELUNITS_TYPED_ALIAS(Energy)
QELUNITS_TYPED_ALIAS(Power)
QELUNITS_TYPED_ALIAS(Pressure)
QELUNITS_TYPED_ALIAS(Momentum)
QELUNITS_TYPED_ALIAS(Density)
QELUNITS_TYPED_ALIAS(LinearDensity)
QELUNITS_TYPED_ALIAS(SurfaceDensity)
QELUNITS_TYPED_ALIAS(MassFlow)
QELUNITS_TYPED_ALIAS(VolumeFlow)
QELUNITS_TYPED_ALIAS(SurfaceTension)
QELUNITS_TYPED_ALIAS(DynamicViscosity)
QELUNITS_TYPED_ALIAS(KinematicViscosity)
QELUNITS_TYPED_ALIAS(SpecificEnergy)
QELUNITS_TYPED_ALIAS(SpecificHeatCapacity)
QELUNITS_TYPED_ALIAS(HeatCapacity)
QELUNITS_TYPED_ALIAS(ThermalConductivity)
QELUNITS_TYPED_ALIAS(HeatTransferCoefficient)
QELUNITS_TYPED_ALIAS(HeatFlux)
QELUNITS_TYPED_ALIAS(MolarMass)
QELUNITS_TYPED_ALIAS(Concentration)
QELUNITS_TYPED_ALIAS(MolarFlow)
QELUNITS_TYPED_ALIAS(MolarEnergy)
QELUNITS_TYPED_ALIAS(MolarHeatCapacity)
QELUNITS_TYPED_ALIAS(Charge)
QELUNITS_TYPED_ALIAS(Voltage)
QELUNITS_TYPED_ALIAS(Resistance)
QELUNITS_TYPED_ALIAS(Conductance)
QELUNITS_TYPED_ALIAS(Capacitance)
QELUNITS_TYPED_ALIAS(Inductance)
QELUNITS_TYPED_ALIAS(MagneticFlux)
QELUNITS_TYPED_ALIAS(MagneticFluxDensity)
QELUNITS_TYPED_ALIAS(ElectricField)
QELUNITS_TYPED_ALIAS(Illuminance)
#undef QELUNITS_TYPED_ALIAS
// Other names of the same dimensions. A type holds exponents only: a Torque (N·m) is an Energy (J), a Stress a
// Pressure, a Stiffness a SurfaceTension, and nothing here tells them apart.
using Velocity = Speed;                    ///< m/s.
using Distance = Length;                   ///< m.
using Torque = Energy;                     ///< N·m, the exponents of the joule: the types cannot tell them apart.
using Work = Energy;                       ///< J.
using Heat = Energy;                       ///< J.
using Stress = Pressure;                   ///< Pa.
using Impulse = Momentum;                  ///< N·s.
using Stiffness = SurfaceTension;          ///< N/m.
using MassConcentration = Density;         ///< kg/m³.
using SpecificHeat = SpecificHeatCapacity; ///< J/(kg·K).
using Entropy = HeatCapacity;              ///< J/K.
using Irradiance = HeatFlux;               ///< W/m².
using ElectricCharge = Charge;             ///< A·s.
using ElectricPotential = Voltage;         ///< V.
using MolarConcentration = Concentration;  ///< mol/m³.

// Arithmetic. A sum or comparison of two dimensions is a static_assert naming both (as Left and Right).

/// a + b, of one dimension.
template <class Left, class Right>
constexpr TypedQuantity<Left> operator+(const TypedQuantity<Left>& a, const TypedQuantity<Right>& b) noexcept {
    static_assert(std::is_same_v<Left, Right>, "qelunits: cannot add quantities of different dimensions (Left, Right)");
    return TypedQuantity<Left>(a.value() + b.value());
}
/// a − b, of one dimension.
template <class Left, class Right>
constexpr TypedQuantity<Left> operator-(const TypedQuantity<Left>& a, const TypedQuantity<Right>& b) noexcept {
    static_assert(std::is_same_v<Left, Right>,
                  "qelunits: cannot subtract quantities of different dimensions (Left, Right)");
    return TypedQuantity<Left>(a.value() - b.value());
}
/// a × b, of the product of their dimensions.
template <class Left, class Right>
constexpr TypedQuantity<detail::Combined<Left, Right, 1>> operator*(const TypedQuantity<Left>& a,
                                                                    const TypedQuantity<Right>& b) noexcept {
    return TypedQuantity<detail::Combined<Left, Right, 1>>(a.value() * b.value());
}
/// a / b, of the quotient of their dimensions.
template <class Left, class Right>
constexpr TypedQuantity<detail::Combined<Left, Right, -1>> operator/(const TypedQuantity<Left>& a,
                                                                     const TypedQuantity<Right>& b) noexcept {
    return TypedQuantity<detail::Combined<Left, Right, -1>>(a.value() / b.value());
}
/// a × n.
template <class D>
constexpr TypedQuantity<D> operator*(const TypedQuantity<D>& a, double n) noexcept {
    return TypedQuantity<D>(a.value() * n);
}
/// n × a.
template <class D>
constexpr TypedQuantity<D> operator*(double n, const TypedQuantity<D>& a) noexcept {
    return TypedQuantity<D>(n * a.value());
}
/// a / n.
template <class D>
constexpr TypedQuantity<D> operator/(const TypedQuantity<D>& a, double n) noexcept {
    return TypedQuantity<D>(a.value() / n);
}
/// n / a, of the reciprocal dimension.
template <class D>
constexpr TypedQuantity<detail::Scaled<D, -1, 1>> operator/(double n, const TypedQuantity<D>& a) noexcept {
    return TypedQuantity<detail::Scaled<D, -1, 1>>(n / a.value());
}

#define QELUNITS_TYPED_COMPARISON(op, verb)                                                                            \
    /** a op b, of one dimension. */                                                                                   \
    template <class Left, class Right>                                                                                 \
    constexpr bool operator op(const TypedQuantity<Left>& a, const TypedQuantity<Right>& b) noexcept {                 \
        static_assert(std::is_same_v<Left, Right>,                                                                     \
                      "qelunits: cannot " verb " quantities of different dimensions (Left, Right)");                   \
        return a.value() op b.value();                                                                                 \
    }
QELUNITS_TYPED_COMPARISON(==, "compare")
QELUNITS_TYPED_COMPARISON(!=, "compare")
QELUNITS_TYPED_COMPARISON(<, "order")
QELUNITS_TYPED_COMPARISON(<=, "order")
QELUNITS_TYPED_COMPARISON(>, "order")
QELUNITS_TYPED_COMPARISON(>=, "order")
#undef QELUNITS_TYPED_COMPARISON
#if QELUNITS_TYPED_THREE_WAY
/// a <=> b, of one dimension.
template <class Left, class Right>
constexpr std::partial_ordering operator<=>(const TypedQuantity<Left>& a, const TypedQuantity<Right>& b) noexcept {
    static_assert(std::is_same_v<Left, Right>,
                  "qelunits: cannot order quantities of different dimensions (Left, Right)");
    return a.value() <=> b.value();
}
#endif

// Powers and roots, where the exponents divide.

/// x to the integer power N (pow<2>(length) is an Area); by multiplications, as the same code on doubles.
template <int N, class D>
constexpr auto pow(const TypedQuantity<D>& x) noexcept {
    double out = 1.0;
    for (int i = 0; i < (N < 0 ? -N : N); ++i) {
        out *= x.value();
    }
    return TypedQuantity<detail::Scaled<D, N, 1>>(N < 0 ? 1.0 / out : out);
}
/// A power given at run time: only of a number, as a quantity's dimension needs its power at compile time.
template <class D, class Power>
double pow(const TypedQuantity<D>& x, Power power) noexcept {
    static_assert(std::is_same_v<D, dims::Dimensionless>,
                  "qelunits: the power of a quantity with a dimension is an integer given at compile time: pow<2>(x)");
    return std::pow(x.value(), static_cast<double>(power));
}
/// The N-th root (N > 0), where every exponent of D divides by N.
template <int N, class D>
auto root(const TypedQuantity<D>& x) noexcept {
    static_assert(N > 0, "qelunits: a root's degree is positive");
    static_assert((detail::kExponentsDivide<D, N>),
                  "qelunits: the root of a quantity whose dimension's exponents do not divide by the degree (D)");
    const double v = x.value();
    return TypedQuantity<detail::Scaled<D, 1, N>>(N == 1   ? v
                                                  : N == 2 ? std::sqrt(v)
                                                  : N == 3 ? std::cbrt(v)
                                                           : std::pow(v, 1.0 / N));
}
/// The square root, where every exponent of D is even (sqrt of an Area is a Length).
template <class D>
auto sqrt(const TypedQuantity<D>& x) noexcept {
    static_assert((detail::kExponentsDivide<D, 2>),
                  "qelunits: sqrt of a quantity whose dimension has an odd exponent (D): no dimension is its root");
    return TypedQuantity<detail::Scaled<D, 1, 2>>(std::sqrt(x.value()));
}
/// The cube root, where every exponent of D divides by 3 (cbrt of a Volume is a Length).
template <class D>
auto cbrt(const TypedQuantity<D>& x) noexcept {
    static_assert((detail::kExponentsDivide<D, 3>),
                  "qelunits: cbrt of a quantity whose dimension's exponents do not divide by 3 (D)");
    return TypedQuantity<detail::Scaled<D, 1, 3>>(std::cbrt(x.value()));
}
/// |x|.
template <class D>
TypedQuantity<D> abs(const TypedQuantity<D>& x) noexcept {
    return TypedQuantity<D>(std::fabs(x.value()));
}
/// sqrt(a² + b²) without overflow, of one dimension.
template <class D>
TypedQuantity<D> hypot(const TypedQuantity<D>& a, const TypedQuantity<D>& b) noexcept {
    return TypedQuantity<D>(std::hypot(a.value(), b.value()));
}
/// The sine of an angle.
inline double sin(const Angle& x) noexcept { return std::sin(x.value()); }
/// The cosine of an angle.
inline double cos(const Angle& x) noexcept { return std::cos(x.value()); }
/// The tangent of an angle.
inline double tan(const Angle& x) noexcept { return std::tan(x.value()); }
/// The angle of the point (x, y), of one dimension.
template <class D>
Angle atan2(const TypedQuantity<D>& y, const TypedQuantity<D>& x) noexcept {
    return Angle(std::atan2(y.value(), x.value()));
}

// Units known at compile time.

/// value of unit: 3.5 * units::ft.
template <class D>
constexpr TypedQuantity<D> operator*(double value, TypedUnit<D> unit) noexcept {
    return TypedQuantity<D>(value * unit.factor);
}
/// value per unit: 60.0 / units::min is a Frequency.
template <class D>
constexpr TypedQuantity<detail::Scaled<D, -1, 1>> operator/(double value, TypedUnit<D> unit) noexcept {
    return TypedQuantity<detail::Scaled<D, -1, 1>>(value / unit.factor);
}
/// A quantity times a unit: 9.81 * units::m / units::s / units::s.
template <class D, class U>
constexpr TypedQuantity<detail::Combined<D, U, 1>> operator*(const TypedQuantity<D>& q, TypedUnit<U> unit) noexcept {
    return TypedQuantity<detail::Combined<D, U, 1>>(q.value() * unit.factor);
}
/// A quantity over a unit.
template <class D, class U>
constexpr TypedQuantity<detail::Combined<D, U, -1>> operator/(const TypedQuantity<D>& q, TypedUnit<U> unit) noexcept {
    return TypedQuantity<detail::Combined<D, U, -1>>(q.value() / unit.factor);
}
/// The product of two units (units::kg * units::K).
template <class A, class B>
constexpr TypedUnit<detail::Combined<A, B, 1>> operator*(TypedUnit<A> a, TypedUnit<B> b) noexcept {
    return {a.factor * b.factor, nullptr};
}
/// The quotient of two units (units::km / units::h).
template <class A, class B>
constexpr TypedUnit<detail::Combined<A, B, -1>> operator/(TypedUnit<A> a, TypedUnit<B> b) noexcept {
    return {a.factor / b.factor, nullptr};
}
/// A unit to the integer power N (pow<2>(units::s)).
template <int N, class D>
constexpr TypedUnit<detail::Scaled<D, N, 1>> pow(TypedUnit<D> unit) noexcept {
    return {pow<N>(TypedQuantity<D>(unit.factor)).value(), nullptr};
}

} // namespace qelunits

#include <qelunits/TypedUnits.h>

#endif
