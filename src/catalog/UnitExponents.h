#ifndef QELUNITS_SRC_CATALOG_UNITEXPONENTS_H
#define QELUNITS_SRC_CATALOG_UNITEXPONENTS_H

// Each catalogue unit's exponents over the value API's base dimensions (qelunits::Dimension): the
// catalogue's own but its last, frequency, which counts as 1/s there.

#include "catalog/Catalog.h"
#include "catalog/TypeTable.h"
#include "catalog/UnitTable.h"

#include <qelunits/Dimension.h>

#include <cstdint>

namespace qelunits_detail {

constexpr int kFrequencyDimension = kBaseDimensionCount - 1;
static_assert(kFrequencyDimension == qelunits::Dimension::kFirstAdded,
              "the catalogue's dimensions are the value API's and frequency");

/// A row of exponents, one per slot of a qelunits::Dimension.
using ExponentRow = std::int8_t[qelunits::Dimension::kCount];

/// The exponents of a type of the catalogue.
constexpr void exponentsOf(const TypeRecord& type, ExponentRow& row) {
    for (int k = 0; k < kFrequencyDimension; ++k) {
        row[k] = static_cast<std::int8_t>(type.baseExponents[k]);
    }
    row[qelunits::Dimension::Time] =
        static_cast<std::int8_t>(row[qelunits::Dimension::Time] - type.baseExponents[kFrequencyDimension]);
}

struct UnitExponentTable {
    ExponentRow unit[kUnitCount];
};

constexpr UnitExponentTable makeUnitExponents() {
    UnitExponentTable table{};
    for (int u = 0; u < kUnitCount; ++u) {
        exponentsOf(kTypeTable[kUnitTable[u].type], table.unit[u]);
    }
    return table;
}

inline constexpr UnitExponentTable kUnitExponents = makeUnitExponents();

} // namespace qelunits_detail

#endif
