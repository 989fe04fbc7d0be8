#ifndef QELUNITS_SRC_UNITTYPE_SUBSTITUTION_H
#define QELUNITS_SRC_UNITTYPE_SUBSTITUTION_H

#include "catalog/Catalog.h"
#include "unittype/FactorList.h"

#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitType.h>

#include <cstdint>

namespace qelunits_detail {

/// pattern is replaced by replacement, each a single unit raised to a power.
struct SubstitutionRule {
    QelUnitFactor pattern;
    QelUnitFactor replacement;
};

// Applied in this order, each at most once: a cube before the square of the
// same unit. The foot rules come twice, so a foot^8 loses two cubes; there is
// no cube rule for the decimeter.
inline constexpr SubstitutionRule kSubstitutionRules[] = {
    {{QelUnit::meter, 3}, {QelUnit::cubic_meter, 1}},
    {{QelUnit::meter, 2}, {QelUnit::square_meters, 1}},
    {{QelUnit::decimeter, 2}, {QelUnit::square_decimeter, 1}},
    {{QelUnit::centimeter, 3}, {QelUnit::cubic_centimeter, 1}},
    {{QelUnit::centimeter, 2}, {QelUnit::square_centimeter, 1}},
    {{QelUnit::millimeter, 3}, {QelUnit::cubic_millimeter, 1}},
    {{QelUnit::millimeter, 2}, {QelUnit::square_millimeter, 1}},
    {{QelUnit::yards, 3}, {QelUnit::cubic_yard, 1}},
    {{QelUnit::yards, 2}, {QelUnit::square_yard, 1}},
    {{QelUnit::foot, 3}, {QelUnit::cubic_foot, 1}},
    {{QelUnit::foot, 2}, {QelUnit::square_foot, 1}},
    {{QelUnit::inches, 3}, {QelUnit::cubic_inch, 1}},
    {{QelUnit::inches, 2}, {QelUnit::square_inch, 1}},
    {{QelUnit::foot, 3}, {QelUnit::cubic_foot, 1}},
    {{QelUnit::foot, 2}, {QelUnit::square_foot, 1}},
};

constexpr std::int64_t kNoPattern = std::int64_t{1} << 40; // above every power magnitude

/// For each unit that a rule looks for: a bit of its own and the smallest
/// power magnitude of its rules (kNoPattern for the other units).
struct PatternTable {
    std::uint32_t bit[kUnitCount];
    std::int64_t smallestPower[kUnitCount];
};

constexpr PatternTable makePatternTable() {
    PatternTable table{};
    for (std::int64_t& power : table.smallestPower) {
        power = kNoPattern;
    }
    int bits = 0;
    for (const SubstitutionRule& rule : kSubstitutionRules) {
        const std::int32_t u = rule.pattern.unit;
        if (rule.pattern.power <= 0 || bits == 32) {
            throw "pattern powers must be positive, with at most 32 pattern units";
        }
        if (table.bit[u] == 0) {
            table.bit[u] = 1U << bits++;
            table.smallestPower[u] = rule.pattern.power;
        } else if (rule.pattern.power < table.smallestPower[u]) {
            table.smallestPower[u] = rule.pattern.power;
        }
    }
    return table;
}

inline constexpr PatternTable kPatterns = makePatternTable();

/// True when a rule may rewrite f: its unit is a pattern's, with a power large enough.
inline bool mayMatch(const QelUnitFactor& f) noexcept { return magnitude(f.power) >= kPatterns.smallestPower[f.unit]; }

/// Rewrites powers of the common length units as area and volume units, as
/// QelUnitType::substitute does, on a scratch list.
void substituteFactors(ScratchFactors& list) noexcept;

} // namespace qelunits_detail

#endif
