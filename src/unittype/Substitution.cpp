#include "unittype/Substitution.h"

#include "unittype/FactorList.h"
#include "unittype/UnitTypeAccess.h"

#include <qelunits/QelUnitType.h>

#include <cstdint>

namespace qelunits_detail {
namespace {

/// pattern is replaced by replacement, each a single unit raised to a power.
struct SubstitutionRule {
    QelUnitFactor pattern;
    QelUnitFactor replacement;
};

// Applied in this order, each at most once: a cube before the square of the
// same unit. The foot rules come twice, so a foot^8 loses two cubes; there is
// no cube rule for the decimeter.
constexpr SubstitutionRule kSubstitutionRules[] = {
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

std::int64_t magnitude(std::int32_t p) { return p < 0 ? -static_cast<std::int64_t>(p) : p; }

/// +1 when list holds the pattern (a power at least as large, same sign),
/// -1 when it holds its inverse, 0 otherwise.
int match(const QelUnitFactor* data, std::uint32_t size, const QelUnitFactor& pattern) {
    const std::uint32_t i = lowerBound(data, size, pattern.unit);
    if (i == size || data[i].unit != pattern.unit || magnitude(data[i].power) < magnitude(pattern.power)) {
        return 0;
    }
    return (data[i].power < 0) == (pattern.power < 0) ? 1 : -1;
}

/// For each unit that a rule looks for: a bit of its own and the smallest
/// power magnitude of its rules.
struct PatternTable {
    std::uint32_t bit[kUnitCount];
    std::int32_t smallestPower[kUnitCount];
};

constexpr PatternTable makePatternTable() {
    PatternTable table{};
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

constexpr PatternTable kPatterns = makePatternTable();

/// The pattern units that list holds with a power large enough for one of their rules.
std::uint32_t candidates(const QelUnitFactor* data, std::uint32_t size) {
    std::uint32_t mask = 0;
    for (std::uint32_t i = 0; i < size; ++i) {
        const std::int32_t u = data[i].unit;
        if (kPatterns.bit[u] != 0 && magnitude(data[i].power) >= kPatterns.smallestPower[u]) {
            mask |= kPatterns.bit[u];
        }
    }
    return mask;
}

template <class List>
void substituteList(List& list) {
    // A rule changes only its own pattern unit among the pattern units, so a
    // unit that is no candidate at the start never becomes one.
    const std::uint32_t mask = candidates(list.data(), list.size());
    if (mask == 0) {
        return;
    }
    for (const SubstitutionRule& rule : kSubstitutionRules) {
        if ((mask & kPatterns.bit[rule.pattern.unit]) == 0) {
            continue;
        }
        const int sign = match(list.data(), list.size(), rule.pattern);
        if (sign != 0) {
            addPower(list, rule.pattern.unit, wrapMul(rule.pattern.power, -sign));
            addPower(list, rule.replacement.unit, wrapMul(rule.replacement.power, sign));
        }
    }
}

} // namespace

void substituteFactors(ScratchFactors& list) noexcept { substituteList(list); }

} // namespace qelunits_detail

void QelUnitType::substitute() {
    qelunits_detail::UnitTypeAccess access{*this};
    qelunits_detail::substituteList(access);
}
