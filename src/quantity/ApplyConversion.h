#ifndef QELUNITS_SRC_QUANTITY_APPLYCONVERSION_H
#define QELUNITS_SRC_QUANTITY_APPLYCONVERSION_H

// Applying a resolved conversion to a value: shared by quantities and the
// converter so that both give the same bits.

#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitType.h>

namespace qelunits_detail {

/// Applies factor, as resolved with status, to value. Ok and CustomConversion
/// end in Ok with value converted; any other status is returned and value is left.
inline QelUnit::ErrorStatus applyConversion(QelUnit::ErrorStatus status, const ConversionFactor& factor,
                                            double& value) noexcept {
    switch (status) {
    case QelUnit::Ok:
        // The identity leaves the value's bits alone (a signalling NaN stays one).
        if (!factor.isIdentity) {
            value *= factor.factor;
        }
        return QelUnit::Ok;
    case QelUnit::CustomConversion:
        if (factor.customConversion != nullptr) {
            value = factor.customConversion(value);
        }
        return QelUnit::Ok;
    default:
        return status;
    }
}

/// Converts value from one type to another; value is written only when Ok is returned.
inline QelUnit::ErrorStatus convertValue(const QelUnitType& from, const QelUnitType& to, double& value) {
    ConversionFactor factor;
    const QelUnit::ErrorStatus status = from.GetConversionFactor(to, factor);
    return applyConversion(status, factor, value);
}

} // namespace qelunits_detail

#endif
