#ifndef QELUNITS_SRC_QUANTITY_APPLYCONVERSION_H
#define QELUNITS_SRC_QUANTITY_APPLYCONVERSION_H

// Applying a resolved conversion to a value: shared by quantities and the
// converter so that both give the same bits.

#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitType.h>

namespace qelunits_detail {

/// Converts value from one type to another; value is written only when Ok is returned.
inline QelUnit::ErrorStatus convertValue(const QelUnitType& from, const QelUnitType& to, double& value) {
    ConversionFactor factor;
    const QelUnit::ErrorStatus status = from.GetConversionFactor(to, factor);
    return applyConversion(status, factor, value);
}

} // namespace qelunits_detail

#endif
