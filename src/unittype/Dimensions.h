#ifndef QELUNITS_SRC_UNITTYPE_DIMENSIONS_H
#define QELUNITS_SRC_UNITTYPE_DIMENSIONS_H

// Each unit's exponents over the base dimensions, read once from the type
// table at compile time, so that compatibility is a compare, not a reduction.

#include "catalog/Catalog.h"
#include "catalog/TypeTable.h"
#include "catalog/UnitTable.h"

#include <cstdint>

namespace qelunits_detail {

/// Exponents over the ten base dimensions packed as signed 12-bit lanes, five
/// to a word. Sums of such keys times powers are exact while every lane stays
/// within -2047 to 2047, and then equal keys mean equal exponents.
struct DimensionKey {
    std::uint64_t word[2];

    bool operator==(const DimensionKey& other) const noexcept {
        return word[0] == other.word[0] && word[1] == other.word[1];
    }
    bool operator!=(const DimensionKey& other) const noexcept { return !(*this == other); }
    /// this += key * power, wrapping (exact within the lane bound).
    void addTimes(const DimensionKey& key, std::int32_t power) noexcept {
        const auto p = static_cast<std::uint64_t>(static_cast<std::int64_t>(power));
        word[0] += key.word[0] * p;
        word[1] += key.word[1] * p;
    }
};

constexpr int kLanesPerWord = 5;
constexpr int kLaneBits = 12;
/// Largest power for which a type of up to 8 entries keeps every lane within
/// the bound: 8 entries * 31 * exponents of at most 8 is below 2047.
constexpr std::int32_t kKeyPowerLimit = 31;

/// A unit's non-zero exponents over the base dimensions in ascending order,
/// and its key, so that two units compare in one step.
struct UnitDimensions {
    std::uint8_t count;
    std::uint8_t dimension[kBaseDimensionCount];
    std::int8_t exponent[kBaseDimensionCount];
    DimensionKey key;
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
            d.key.word[k / kLanesPerWord] += static_cast<std::uint64_t>(static_cast<std::int64_t>(e))
                                             << (kLaneBits * (k % kLanesPerWord));
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
