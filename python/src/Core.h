#ifndef QELUNITS_PYTHON_CORE_H
#define QELUNITS_PYTHON_CORE_H

// What the Python module asks of the value API beyond single calls: failures in one shape, and the
// readers of texts with Python's habit of an empty unit for the pure number.

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
/// Reads "3.5 ft", "5 ft + 10 in" by the value API's reader of quantity texts.
bool parseQuantity(std::string_view text, Quantity& quantity, Failure& failure);

} // namespace qelpy

#endif
