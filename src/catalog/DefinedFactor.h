#ifndef QELUNITS_SRC_CATALOG_DEFINEDFACTOR_H
#define QELUNITS_SRC_CATALOG_DEFINEDFACTOR_H

// What a product of catalogue units is worth by their definitions: the factor
// to SI, and the same as a ratio of whole numbers times a power of π where it
// is rational, so that the ratio of two such products rounds once.

#include <qelunits/QelUnitType.h>

#include <cstddef>

namespace qelunits_detail {

/// factor = numerator / denominator × π^pi; numerator and denominator are whole numbers below 2^53 where the
/// factor is rational, else numerator is the factor and denominator 1.
struct DefinedFactor {
    double factor = 1.0;
    double numerator = 1.0;
    double denominator = 1.0;
    int pi = 0;
};

/// scale × count values to their powers, in list order.
DefinedFactor definedProduct(double scale, const DefinedFactor* values, const std::int32_t* powers,
                             std::size_t count) noexcept;

/// A catalogue unit's definition.
DefinedFactor definedOfUnit(std::int32_t unit) noexcept;

/// scale × the definitions of count catalogue units (1 to 348) to their powers, in list order; a factor that
/// is not positive and finite is the caller's to refuse.
DefinedFactor definedFactor(double scale, const QelUnitFactor* units, std::size_t count) noexcept;

/// How many of b one a is: rounded once where both are rational.
double definedRatio(const DefinedFactor& a, const DefinedFactor& b) noexcept;

/// True where a unit of the list has a measured definition.
bool anyMeasured(const QelUnitFactor* units, std::size_t count) noexcept;

/// The relative standard uncertainty of the units' measured definitions, each as often as its power.
double definedUncertainty(const QelUnitFactor* units, std::size_t count) noexcept;

} // namespace qelunits_detail

#endif
