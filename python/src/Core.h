#ifndef QELUNITS_PYTHON_CORE_H
#define QELUNITS_PYTHON_CORE_H

// What the Python module asks of the value API beyond single calls: failures in one shape, and the
// rules of quantities' arithmetic as plans for units, which arrays follow element by element as the
// scalar operations of qelunits::Quantity do value by value.

#include <qelunits/Quantity.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace qelpy {

using qelunits::Converter;
using qelunits::Quantity;
using qelunits::Unit;

/// A failure: the value API's kind, position (qelunits::Error::kNoPosition when none) and message.
struct Failure {
    /// What went wrong.
    qelunits::ErrorKind kind = qelunits::ErrorKind::None;
    /// Code point in the text read, or kNoPosition.
    std::size_t position = qelunits::Error::kNoPosition;
    /// The library's message.
    std::string message;
};

/// failure filled from a failed result; false, for the caller to return.
template <class T>
bool failed(const qelunits::Result<T>& result, Failure& failure) {
    failure.kind = result.kind();
    failure.position = result.position();
    failure.message = result.message();
    return false;
}

/// True for a text of blanks only (none at all, too), as the reader takes blanks.
bool allBlank(std::string_view text);
/// Reads a unit expression ("m/s", "kJ/(kg*K)", "delta_degC"); blanks only are the dimensionless unit.
bool parseUnit(std::string_view text, Unit& unit, Failure& failure);
/// Reads "3.5 ft"; unitText receives the unit's text without the blanks around it ("" for a number alone).
bool parseQuantity(std::string_view text, Quantity& quantity, std::string_view& unitText, Failure& failure);

/// How a ± b goes: a converts into lhs, b into rhs, and their sum or difference is in result.
struct SumPlan {
    /// The unit a's values are converted into.
    Unit lhs;
    /// The unit b's values are converted into.
    Unit rhs;
    /// The unit of the result.
    Unit result;
};
/// The plan for a + b (subtract false) or a − b, by the rules of Quantity's + and −.
bool planSum(const Unit& a, const Unit& b, bool subtract, SumPlan& plan, Failure& failure);
/// The unit of a quantity in a times (divide false) or divided by one in b.
bool planProduct(const Unit& a, const Unit& b, bool divide, Unit& result, Failure& failure);
/// The unit of a quantity in a to the power n.
bool planPower(const Unit& a, int n, Unit& result, Failure& failure);
/// The unit of the square root of a quantity in a.
bool planSqrt(const Unit& a, Unit& result, Failure& failure);
/// Whether a quantity in a may be scaled by a number (not a temperature reading); the failure names operation.
bool checkScale(const Unit& a, const char* operation, Failure& failure);

} // namespace qelpy

#endif
