#ifndef QELUNITS_SRC_UNITTYPE_CONVERSION_H
#define QELUNITS_SRC_UNITTYPE_CONVERSION_H

// Conversion between two builtin units raised to powers without building
// QelUnitType objects: the static interface, the converter and the parser use it.

#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnit.h>

namespace qelunits_detail {

/// Exactly what QelUnitType(from, fromPower).GetConversionFactor(QelUnitType(to, toPower), factor)
/// gives with factor the identity on entry (a unit outside 1 to 348 is the empty type). Allocates nothing.
QelUnit::ErrorStatus unitConversionFactor(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                          int toPower, ConversionFactor& factor) noexcept;

} // namespace qelunits_detail

#endif
