#ifndef QELUNITS_SRC_UNITTYPE_CONVERSION_H
#define QELUNITS_SRC_UNITTYPE_CONVERSION_H

// Conversion between two builtin units raised to powers without building
// QelUnitType objects: the static interface, the converter and the parser use it.

#include "catalog/Catalog.h"
#include "factors/DirectFactors.h"

#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnit.h>

#include <cstdint>

class QelUnitType;

namespace qelunits_detail {

/// Writes a direct entry (not None) into factor as the one-unit shortcut
/// always has: the factor, and between temperature scales the function with
/// status CustomConversion. Nothing else of factor changes.
inline QelUnit::ErrorStatus takeDirect(const DirectEntry& entry, ConversionFactor& factor) noexcept {
    factor.isIdentity = false;
    factor.factor = entry.factor;
    if (entry.kind == DirectKind::Function) {
        factor.customConversion = entry.function;
        return QelUnit::CustomConversion;
    }
    return QelUnit::Ok;
}

/// The rest of unitConversionFactor: any powers or invalid units, or two plain
/// units without a direct factor.
QelUnit::ErrorStatus unitConversionFactorGeneral(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                                 int toPower, ConversionFactor& factor) noexcept;

/// Exactly what QelUnitType(from, fromPower).GetConversionFactor(QelUnitType(to, toPower), factor)
/// gives with factor the identity on entry (a unit outside 1 to 348 is the empty type). Allocates nothing.
/// Inline, so that a plain unit-to-unit conversion is a few compares and a table read.
inline QelUnit::ErrorStatus unitConversionFactor(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                                 int toPower, ConversionFactor& factor) noexcept {
    if (fromPower == 1 && toPower == 1) {
        const DirectEntry& entry = findDirect(from, to);
        if (entry.kind != DirectKind::None) {
            return takeDirect(entry, factor);
        }
    }
    return unitConversionFactorGeneral(from, fromPower, to, toPower, factor);
}

/// The relative error of a conversion from one type to another, what it gives over what the units'
/// definitions give, minus 1: 0 where every stored factor it uses is exact. from and to must be compatible.
double conversionRelativeError(const QelUnitType& from, const QelUnitType& to) noexcept;

/// QelUnitType::GetConversionFactor by the reference algorithm alone:
/// compatibility by reducing both types, then substitution, pairing and the
/// remainder on scratch lists. The member takes shortcuts that give the same bits.
QelUnit::ErrorStatus referenceConversionFactor(const QelUnitType& from, const QelUnitType& to,
                                               ConversionFactor& factor);

} // namespace qelunits_detail

#endif
