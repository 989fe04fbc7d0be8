#ifndef QELUNITS_LEVELS_H
#define QELUNITS_LEVELS_H

// Logarithmic units: ratios (dB, B, Np, dBi) and levels against a reference
// (dBm: 1 mW, dBW: 1 W, dBV: 1 V, dBµV: 1 µV, dB(SPL): 20 µPa).
//
//     const qelunits::Level p("20 dBm");
//     p.toQuantity();                             // 100 mW
//     p + qelunits::Level("3 dB");                // 23 dBm: a level plus a ratio is a level
//     p.to("dBW");                                // -10 dBW
//     qelunits::powerSum(p, p);                   // 23.0103 dBm: the powers add, not the levels
//     qelunits::Level::fromQuantity(qelunits::Quantity("1 W"), "dBm"); // 30 dBm
//
// A power level is 10·log10(P / P0), a level of a root-power (field) quantity
// such as a voltage or a sound pressure 20·log10(F / F0), so that both change
// by the same number of decibels when the power does. A ratio is a number of
// decibels (1 B = 10 dB; 1 Np = 20/ln 10 dB ≈ 8.686 dB, the neper being the
// natural logarithm of a field ratio, half that of a power ratio); dBi, a gain
// over an isotropic antenna, is a ratio in dB. A level plus or minus a ratio
// is a level, a ratio plus or minus a ratio a ratio, a level minus a level of
// the same reference quantity a ratio; two levels do not add (powerSum adds
// the powers they stand for). A-weighted levels (dBA) and the pH are refused:
// neither is a unit.
//
// These units are not units of qelunits::Unit: a logarithm is no product of
// powers of units, and Unit::parse refuses "dB".
//
// Thread safety: LevelUnit and Level are plain values; the functions may be
// called from any threads.

#include <qelunits/Error.h>
#include <qelunits/Export.h>
#include <qelunits/Quantity.h>

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace qelunits {

/// What a logarithmic unit expresses.
enum class LevelKind : std::uint8_t {
    Ratio,      ///< a ratio, of powers or of field quantities alike: dB, B, Np, dBi
    PowerLevel, ///< 10·log10 of a power over a reference power: dBm, dBW
    FieldLevel, ///< 20·log10 of a root-power quantity over its reference: dBV, dBµV, dB(SPL)
};

/// A logarithmic unit: a ratio (dB, B, Np, dBi) or a level against a reference (dBm, dBW, dBV, dBµV, dB(SPL)).
/// One byte, a plain value.
class QELUNITS_EXPORT LevelUnit {
public:
    /// dB.
    constexpr LevelUnit() noexcept = default;
#if QELUNITS_HAS_EXCEPTIONS
    /// Reads a logarithmic unit, as parse; throws Error.
    explicit LevelUnit(std::string_view text);
#endif
    /// Reads "dB", "B", "Np", "dBi", "dBm", "dBW", "dBV", "dBµV" (or "dBuV"), "dB(SPL)" (or "dBSPL", "dB SPL"),
    /// and the names "decibel", "bel", "neper"; symbols in their own case. RefusedText for a weighting
    /// ("dBA", "dB(A)") and the pH, AmbiguousText for a symbol in another case, UnknownUnit otherwise.
    static Result<LevelUnit> parse(std::string_view text);

    /// The symbol: "dB", "dBm", "dBµV", "dB(SPL)".
    const char* symbol() const noexcept;
    /// Ratio, power level or field level.
    LevelKind kind() const noexcept;
    /// True for a ratio (dB, B, Np, dBi).
    bool isRatio() const noexcept { return kind() == LevelKind::Ratio; }
    /// Decibels in one of this unit: 1 for dB, dBi and every level, 10 for B, 20/ln 10 for Np.
    double decibels() const noexcept;
    /// The reference of a level (1 mW for dBm, 2e-05 Pa for dB(SPL)); InvalidArgument for a ratio.
    Result<Quantity> tryReference() const;

    /// The same unit.
    friend bool operator==(LevelUnit a, LevelUnit b) noexcept { return a.mIndex == b.mIndex; }
    /// Not ==.
    friend bool operator!=(LevelUnit a, LevelUnit b) noexcept { return a.mIndex != b.mIndex; }

private:
    friend struct LevelAccess;
    std::uint8_t mIndex = 0;
};

/// A number of a logarithmic unit: "3 dB", "20 dBm", "94 dB(SPL)". A plain value.
class QELUNITS_EXPORT Level {
public:
    /// 0 dB.
    constexpr Level() noexcept = default;
    /// value in unit.
    constexpr Level(double value, LevelUnit unit) noexcept : mValue(value), mUnit(unit) {}
#if QELUNITS_HAS_EXCEPTIONS
    /// Reads "20 dBm", "-6 dBV", "1 Np"; throws Error.
    explicit Level(std::string_view text);
#endif
    /// Reads a finite number (a leading '+' allowed) and a logarithmic unit after it, as LevelUnit::parse;
    /// InvalidNumber without a number, Syntax without a unit.
    static Result<Level> parse(std::string_view text);
    /// The level of quantity against unit's reference (100 mW in dBm is 20 dBm); InvalidArgument for a ratio
    /// unit or a quantity of 0 or less, IncompatibleUnits for a quantity of another dimension than the reference.
    static Result<Level> fromQuantity(const Quantity& quantity, LevelUnit unit);
    /// fromQuantity with the unit read from text; fails as LevelUnit::parse too.
    static Result<Level> fromQuantity(const Quantity& quantity, std::string_view unit);
    /// A power ratio in the ratio unit unit: 2 is 3.0103 dB; InvalidArgument for a level unit or a ratio of 0 or
    /// less.
    static Result<Level> fromPowerRatio(double ratio, LevelUnit unit = LevelUnit());
    /// A field (root-power) ratio in the ratio unit unit: 2 is 6.0206 dB, e is 1 Np; fails as fromPowerRatio.
    static Result<Level> fromFieldRatio(double ratio, LevelUnit unit = LevelUnit());

    /// The number.
    constexpr double value() const noexcept { return mValue; }
    /// The logarithmic unit.
    constexpr LevelUnit unit() const noexcept { return mUnit; }
    /// True when the unit is a ratio.
    bool isRatio() const noexcept { return mUnit.isRatio(); }

    /// The quantity a level stands for, in its reference's unit (20 dBm is 100 mW); InvalidArgument for a
    /// ratio, OutOfRange where the quantity leaves the range of a double.
    Result<Quantity> tryToQuantity() const;
    /// The power ratio of a ratio (3 dB is 1.995); InvalidArgument for a level, OutOfRange beyond a double.
    Result<double> tryPowerRatio() const;
    /// The field ratio of a ratio (6 dB is 1.995, 1 Np is e); fails as tryPowerRatio.
    Result<double> tryFieldRatio() const;
    /// The same in another unit: between ratios by their decibels (1 Np is 8.686 dB), between levels of one
    /// kind of reference quantity by their references (0 dBW is 30 dBm); IncompatibleUnits otherwise.
    Result<Level> tryTo(LevelUnit unit) const;
#if QELUNITS_HAS_EXCEPTIONS
    /// tryToQuantity; throws Error.
    Quantity toQuantity() const { return tryToQuantity().value(); }
    /// tryTo; throws Error.
    Level to(LevelUnit unit) const { return tryTo(unit).value(); }
    /// tryTo with the unit read from text; throws Error.
    Level to(std::string_view unit) const { return tryTo(LevelUnit(unit)).value(); }
#endif

    /// a + b: a level plus a ratio is the level (20 dBm + 3 dB is 23 dBm), a ratio plus a ratio a ratio in a's
    /// unit; InvalidArgument for two levels, whose sum is no level (see tryPowerSum).
    friend QELUNITS_EXPORT Result<Level> tryAdd(const Level& a, const Level& b);
    /// a − b: a level less a level of the same reference quantity is a ratio in dB (30 dBm − 0 dBW is 0 dB), a
    /// level less a ratio a level, a ratio less a ratio a ratio; IncompatibleUnits between levels of different
    /// reference quantities, InvalidArgument for a ratio less a level.
    friend QELUNITS_EXPORT Result<Level> trySubtract(const Level& a, const Level& b);
    /// A ratio times a finite number (3 dB × 2 is 6 dB); InvalidArgument for a level, which depends on its
    /// reference.
    friend QELUNITS_EXPORT Result<Level> tryScale(const Level& a, double factor);
    /// The level of the sum of the powers two levels stand for, in a's unit: 20 dBm ⊕ 20 dBm is 23.0103 dBm
    /// (for field levels the sum of uncorrelated sources); IncompatibleUnits between levels of different
    /// reference quantities, InvalidArgument for a ratio.
    friend QELUNITS_EXPORT Result<Level> tryPowerSum(const Level& a, const Level& b);

    /// b converted into a's unit equals a exactly; false for units that do not convert.
    friend QELUNITS_EXPORT bool operator==(const Level& a, const Level& b);
    /// Not ==.
    friend bool operator!=(const Level& a, const Level& b) { return !(a == b); }
    /// |a − b| ≤ tolerance in a's unit, b converted into it; false for units that do not convert.
    friend QELUNITS_EXPORT bool approxEqual(const Level& a, const Level& b, double tolerance);

#if QELUNITS_HAS_EXCEPTIONS
    /// tryAdd; throws Error.
    friend Level operator+(const Level& a, const Level& b) { return tryAdd(a, b).value(); }
    /// trySubtract; throws Error.
    friend Level operator-(const Level& a, const Level& b) { return trySubtract(a, b).value(); }
    /// The inverse ratio; throws Error for a level.
    friend Level operator-(const Level& a) { return tryScale(a, -1.0).value(); }
    /// tryScale; throws Error.
    friend Level operator*(const Level& a, double factor) { return tryScale(a, factor).value(); }
    /// tryScale; throws Error.
    friend Level operator*(double factor, const Level& a) { return tryScale(a, factor).value(); }
    /// tryPowerSum; throws Error. Found by argument-dependent lookup only.
    friend Level powerSum(const Level& a, const Level& b) { return tryPowerSum(a, b).value(); }
#endif

private:
    double mValue = 0.0;
    LevelUnit mUnit;
};

/// The shortest number that reads back as the same double, a blank and the symbol: "20 dBm".
QELUNITS_EXPORT std::string toString(const Level& level);
/// Writes the number as the stream writes a double, a blank and the symbol.
QELUNITS_EXPORT std::ostream& operator<<(std::ostream& out, const Level& level);

} // namespace qelunits

#endif
