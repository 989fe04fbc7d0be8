#ifndef QELUNITS_SRC_UNITTYPE_CONVERSION_H
#define QELUNITS_SRC_UNITTYPE_CONVERSION_H

// Conversion between two builtin units raised to powers without building
// QelUnitType objects: the static interface, the converter and the parser use it.

#include "catalog/Catalog.h"
#include "factors/DirectFactors.h"
#include "unittype/Dimensions.h"

#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnit.h>

#include <cstdint>

namespace qelunits_detail {

/// The matrix lookup for two plain units; false when neither direction has an entry.
inline bool lookupUnits(std::int32_t from, std::int32_t to, ConversionFactor& factor,
                        QelUnit::ErrorStatus& status) noexcept {
    double f = 1.0;
    ConversionFactor::CustomFunction fn = nullptr;
    status = QelUnit::Ok;
    if (findDirect(from, to, f, fn)) {
        factor.isIdentity = false;
        if (fn != nullptr) {
            // The whole entry: factor 1.0 with its function.
            factor.factor = 1.0;
            factor.customConversion = fn;
            status = QelUnit::CustomConversion;
        } else {
            factor.factor = f;
        }
        return true;
    }
    if (findDirect(to, from, f, fn)) {
        factor.isIdentity = false;
        factor.factor = 1.0 / f;
        return true;
    }
    return false;
}

/// The rest of unitConversionFactor: any powers or invalid units, or two compatible
/// plain units without a direct factor.
QelUnit::ErrorStatus unitConversionFactorGeneral(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                                 int toPower, ConversionFactor& factor) noexcept;

/// Exactly what QelUnitType(from, fromPower).GetConversionFactor(QelUnitType(to, toPower), factor)
/// gives with factor the identity on entry (a unit outside 1 to 348 is the empty type). Allocates nothing.
/// Inline, so that a plain unit-to-unit conversion is a few compares and a table read.
inline QelUnit::ErrorStatus unitConversionFactor(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                                 int toPower, ConversionFactor& factor) noexcept {
    if (fromPower == 1 && toPower == 1 && isStorableUnit(from) && isStorableUnit(to)) {
        if (kDimensions.unit[from].key != kDimensions.unit[to].key) {
            return QelUnit::TypesNotCompatible;
        }
        QelUnit::ErrorStatus status = QelUnit::Ok;
        if (lookupUnits(from, to, factor, status)) {
            return status;
        }
    }
    return unitConversionFactorGeneral(from, fromPower, to, toPower, factor);
}

} // namespace qelunits_detail

#endif
