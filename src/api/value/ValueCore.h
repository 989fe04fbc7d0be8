#ifndef QELUNITS_SRC_API_VALUE_VALUECORE_H
#define QELUNITS_SRC_API_VALUE_VALUECORE_H

// What Unit, Quantity and Converter share: building units from factor lists,
// the parser's errors as kinds, and a conversion between two units prepared as
// QelUnitExpression::Convert performs it, so that every path gives its bits.

#include "catalog/UnitTable.h"
#include "factors/DirectFactors.h"
#include "parse/UnitSink.h"

#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitsUtf8.h>
#include <qelunits/Quantity.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qelunits {

struct CodeUnits;

/// The library's own access to a unit's storage.
struct UnitAccess {
    /// Each catalogue unit alone.
    static constexpr CodeUnits makeCodeUnits();
    /// scale × the count factors (ascending, powers not 0); OutOfRange when they do not fit.
    static Result<Unit> make(double scale, const QelUnitFactor* factors, std::size_t count, bool difference);
    /// The unit a reader drafted; OutOfRange where it holds too many units or powers.
    static Result<Unit> fromDraft(const qelunits_detail::UnitDraft& draft);
    /// count (1 or 2) catalogue units of powers 1 and -1, as the reader reads a plain text.
    static Result<Unit> plain(const QelUnitFactor* units, std::size_t count);
    /// Fills in the dimension, factor and offset of a unit whose scale, units and powers are set; OutOfRange
    /// for a dimension's power beyond Dimension::kMaxExponent or a factor beyond the range of a double.
    static Result<Unit> derive(Unit& unit);
    /// The same unit, read as a temperature difference where it is one temperature unit to the power 1.
    static Unit asDifference(Unit unit) noexcept;
    /// The same units and powers at another scale.
    static Result<Unit> withScale(Unit unit, double scale);
    /// The same unit, read as a temperature reading where it is a difference.
    static Unit asReading(Unit unit) noexcept;
    /// True for one temperature unit to the power 1, a reading or a difference.
    static bool isLoneTemperature(const Unit& unit) noexcept { return unit.mTemperature != 0; }
    /// value in unit, in the coherent SI unit (kelvin for a reading).
    static double siValueOf(double value, const Unit& unit) noexcept;
    /// The unit's factor as its definition has it: the exact ratio, where it has one.
    static qelunits_detail::DefinedFactor definedOf(const Unit& unit) noexcept {
        return {unit.mFactor, unit.mNumerator, unit.mDenominator, unit.mPi};
    }
    /// The id of the unit's index-th unit: a catalogue unit or a term.
    static std::uint16_t idOf(const Unit& unit, std::size_t index) noexcept { return unit.mUnits[index]; }
    /// True where every unit it holds is written in catalogue units (no dimension a program added).
    static bool isExpandable(const Unit& unit) noexcept;
    static constexpr std::uint8_t kAbsoluteScale = Unit::kAbsoluteScale;
    static constexpr std::uint8_t kOffsetScale = Unit::kOffsetScale;
};

/// The unit of text[from, to), UTF-8, by the reader of the value API (terms kept whole); positions count code
/// points from the text's start.
Result<Unit> readUnitUtf8(std::string_view text, std::size_t from, std::size_t to);

/// The kind of a parser's error; codes added later fall under Syntax unless named here.
ErrorKind kindOf(QelUnitParseResult::Error error) noexcept;
/// A failure holding a parser's error; positions and message as the parser gives them.
template <class T>
Result<T> parseFailure(const QelUnitParseResult& parsed) {
    return Result<T>(kindOf(parsed.error()), toUtf8(parsed.message()), parsed.position());
}

namespace detail {
/// The plan of a + b or a − b; None, or the kind of the failure (plan then unspecified).
ErrorKind sumPlan(const Unit& a, const Unit& b, bool subtract, SumPlan& plan) noexcept;
/// a + b × sign into out, by the plan of the sum (sign 1 or -1); None, or the kind of the failure (out untouched).
ErrorKind addInto(const Quantity& a, const Quantity& b, double sign, Quantity& out) noexcept;
/// The value in the coherent SI unit, in kelvin for a reading: by the exact ratio of the unit's factor where it
/// has one, so that equal quantities of rational units give the same double (12 in and 1 ft, 0 °C and 32 °F).
double siValue(const Quantity& q) noexcept;
/// Whether a and b compare, and their SI values; IncompatibleUnits, TemperaturePoint for a reading and a
/// difference.
ErrorKind comparable(const Quantity& a, const Quantity& b, double& x, double& y) noexcept;
/// q's number in unit into out; None, or the kind of the failure (out untouched).
ErrorKind numberInto(const Quantity& q, const Unit& unit, double& out) noexcept;
/// A quantity read from text, with what its sum adds to the digits of a conversion of it.
struct QuantityRead {
    Quantity quantity;
    double uncertainty = 0.0; // relative, as Result::uncertainty, of the conversions that summed the terms
    double rounding = 0.0;    // how much the sum magnifies rounding, as Result's; 0 for a single term
};
/// Reads a quantity's text, summing its terms in the first one's unit.
Result<QuantityRead> readQuantity(std::string_view text);
/// The relative standard uncertainty of a conversion from from to to: of the measured definitions in
/// from / to, each as often as its net power.
double uncertaintyOf(const Unit& from, const Unit& to);
} // namespace detail

/// A conversion between two units, prepared.
struct Plan {
    enum class Kind : std::uint8_t { Identity, Factor, Function };
    Kind kind = Kind::Identity;
    double factor = 1.0;                                 // Factor: value * factor
    ConversionFactor::CustomFunction function = nullptr; // Function: function(value * fromScale) / toScale
    void (*each)(const double*, double*, std::size_t) noexcept = nullptr;
    std::size_t (*eachBelow)(const double*, double*, std::size_t, double) noexcept = nullptr; // each, counting
    double fromScale = 1.0;
    double toScale = 1.0;
    bool readings = false; // between temperature readings: a value below absolute zero is refused

    /// The conversion of value.
    double apply(double value) const noexcept {
        switch (kind) {
        case Kind::Factor:
            return value * factor;
        case Kind::Function:
            return function(value * fromScale) / toScale;
        default:
            return value;
        }
    }
};

/// Prepares the conversion from from to to: None, IncompatibleUnits, or TemperaturePoint between a
/// reading and a difference.
ErrorKind makePlan(const Unit& from, const Unit& to, Plan& plan);
/// The plan from from to 1/to, as QelUnitExpression::ConvertReciprocal converts: 1 / (value × its factor);
/// IncompatibleUnits where that takes a function (a temperature reading).
ErrorKind reciprocalPlan(const Unit& from, const Unit& to, Plan& plan);
/// The message of a failed plan between two units.
std::string planMessage(ErrorKind kind, const Unit& from, const Unit& to);
/// The same for a conversion, which also tells of reciprocal dimensions (they convert only when asked).
std::string conversionMessage(ErrorKind kind, const Unit& from, const Unit& to);
/// True when unit is a temperature reading and value in it lies below absolute zero.
bool belowAbsoluteZero(const Unit& unit, double value);
/// The message of a reading below absolute zero.
std::string belowZeroMessage(double value, const Unit& unit);

/// The shortest text that reads back as value.
std::string numberText(double value);

} // namespace qelunits

#endif
