#ifndef QELUNITS_SRC_UNITTYPE_DIMENSIONS_H
#define QELUNITS_SRC_UNITTYPE_DIMENSIONS_H

// Each unit's exponents over the base dimensions, read once from the type
// table at compile time, so that compatibility is a compare, not a reduction.

#include "catalog/Catalog.h"
#include "catalog/TypeTable.h"
#include "catalog/UnitTable.h"

#include <cstdint>

namespace qelunits_detail {

/// A unit's non-zero exponents over the base dimensions in ascending order,
/// and all ten packed into one integer (four bits each) so that two units
/// compare in one step.
struct UnitDimensions {
    std::uint8_t count;
    std::uint8_t dimension[kBaseDimensionCount];
    std::int8_t exponent[kBaseDimensionCount];
    std::uint64_t key;
};

struct DimensionTable {
    UnitDimensions unit[kUnitCount];
};

constexpr DimensionTable makeDimensionTable() {
    DimensionTable table{};
    for (int u = 0; u < kUnitCount; ++u) {
        UnitDimensions& d = table.unit[u];
        const TypeRecord& type = kTypeTable[kUnitTable[u].type];
        for (int k = 0; k < kBaseDimensionCount; ++k) {
            const std::int32_t e = type.baseExponents[k];
            if (e < -8 || e > 7) {
                throw "exponent out of range";
            }
            d.key |= static_cast<std::uint64_t>(e + 8) << (4 * k);
            if (e != 0) {
                d.dimension[d.count] = static_cast<std::uint8_t>(k);
                d.exponent[d.count] = static_cast<std::int8_t>(e);
                ++d.count;
            }
        }
    }
    return table;
}

inline constexpr DimensionTable kDimensions = makeDimensionTable();

} // namespace qelunits_detail

#endif
