#ifndef QELUNITS_PYTHON_CORE_H
#define QELUNITS_PYTHON_CORE_H

// What the Python module asks of the library, in one place: units from text,
// quantities' arithmetic rules as plans that scalars and arrays share, conversion
// of one value or of arrays, texts. Every rule is the library's; this file only
// chooses which call answers each question.

#include <qelunits/QelUnitExpression.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace qelpy {

/// A unit expression: a scale times catalogue units, a temperature point or difference.
using Unit = QelUnitExpression;

/// What went wrong, as the Python exceptions tell it.
enum class Kind {
    UnknownUnit,       ///< a term that names no unit
    Syntax,            ///< text that is no unit expression or quantity
    Ambiguous,         ///< a text that means different units
    Refused,           ///< a spelling refused on purpose
    Incompatible,      ///< units that do not convert into each other
    TemperaturePoint,  ///< arithmetic a temperature reading does not allow
    BelowAbsoluteZero, ///< a reading below absolute zero
    OutOfRange,        ///< a number or result beyond the range of a double
};

/// A failure: its kind, the position in the text (-1 when none) and the message.
struct Failure {
    /// The kind.
    Kind kind = Kind::Syntax;
    /// Code point index into the text read; -1 for failures of no text.
    long position = -1;
    /// The library's message.
    std::string message;
};

/// Reads a unit expression ("m/s", "kJ/(kg*K)", "delta_degC"); false and failure filled when it does not read.
bool parseUnit(std::string_view text, Unit& unit, Failure& failure);
/// Reads "3.5 ft"; a scale of the expression stays in the unit ("3 mg" is 3 of mg); unitText receives the
/// unit's text without the blanks around it ("" for a number alone).
bool parseQuantity(std::string_view text, double& value, Unit& unit, std::string_view& unitText, Failure& failure);

/// The unit's symbol form, which reads back as the same unit ("m/s", "1e-06 kg", "Δ°C").
std::string symbol(const Unit& unit);
/// The unit's long form, in names ("meter per second").
std::string name(const Unit& unit);
/// The base dimensions in SI symbols ("kg·m/s^2"; "1" for none).
std::string dimension(const Unit& unit);
/// True for one temperature unit standing alone as a reading (°C, K), not a difference.
bool isPoint(const Unit& unit) noexcept;
/// True for a temperature difference (Δ°C).
bool isDifference(const Unit& unit) noexcept;
/// True when both reduce to the same base dimensions.
bool isCompatible(const Unit& a, const Unit& b) noexcept;
/// True for equal units (same scale, factors and reading).
bool isEqual(const Unit& a, const Unit& b) noexcept;
/// The dimensionless unit.
Unit one();

/// Converts between two units fixed once: one value or arrays, each value to the bits of the single conversion.
class Converter {
public:
    /// From from to to; false and failure filled when they do not convert.
    bool make(const Unit& from, const Unit& to, Failure& failure);
    /// value converted; false with BelowAbsoluteZero or OutOfRange when the result is not one.
    bool apply(double& value, Failure& failure) const;
    /// count values from source into target (which may be source itself); false as apply for the first bad value.
    bool apply(const double* source, double* target, std::size_t count, Failure& failure) const;

private:
    bool checkAbsoluteZero(const double* source, std::size_t count, Failure& failure) const;

    Unit mFrom;
    Unit mTo;
    double mFactor = 1.0;
    double mGuard = 0.0;
    bool mLinear = true;
    bool mCheckZero = false;
};

/// value in from, converted to to, as a Converter does once.
bool convert(double& value, const Unit& from, const Unit& to, Failure& failure);

/// How a ± b goes: b converts into rhs, the result holds result.
struct SumPlan {
    /// The unit b's values are converted into before they are added.
    Unit rhs;
    /// The unit of the result.
    Unit result;
};
/// The plan for a + b (subtract false) or a − b; false for a temperature point misused or incompatible units.
bool planSum(const Unit& a, const Unit& b, bool subtract, SumPlan& plan, Failure& failure);
/// Whether quantities in a and b multiply (divide false) or divide; false when either is a temperature point.
bool checkProduct(const Unit& a, const Unit& b, bool divide, Failure& failure);
/// The unit a · b or a / b (for units themselves; quantities ask checkProduct first).
Unit product(const Unit& a, const Unit& b, bool divide);
/// Whether a quantity in a takes the power n; false for a temperature point to a power other than 1.
bool checkPower(const Unit& a, int n, Failure& failure);
/// The unit a^n.
Unit power(const Unit& a, int n);
/// The unit whose n-th power is a (sqrt: n = 2); false where a power of a is no multiple of n, or a is a reading.
bool root(const Unit& a, int n, Unit& result, Failure& failure);
/// Scaling a quantity by a number; false for a temperature point.
bool checkScale(const Unit& a, Failure& failure);

} // namespace qelpy

#endif
