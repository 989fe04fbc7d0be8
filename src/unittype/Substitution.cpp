#include "unittype/Substitution.h"

#include "unittype/FactorList.h"
#include "unittype/UnitTypeAccess.h"

#include <qelunits/QelUnitType.h>

#include <cstdint>

namespace qelunits_detail {
namespace {

/// +1 when list holds the pattern (a power at least as large, same sign),
/// -1 when it holds its inverse, 0 otherwise.
int match(const QelUnitFactor* data, std::uint32_t size, const QelUnitFactor& pattern) {
    const std::uint32_t i = lowerBound(data, size, pattern.unit);
    if (i == size || data[i].unit != pattern.unit || magnitude(data[i].power) < magnitude(pattern.power)) {
        return 0;
    }
    return (data[i].power < 0) == (pattern.power < 0) ? 1 : -1;
}

/// The pattern units that list holds with a power large enough for one of their rules.
std::uint32_t candidates(const QelUnitFactor* data, std::uint32_t size) {
    std::uint32_t mask = 0;
    for (std::uint32_t i = 0; i < size; ++i) {
        if (mayMatch(data[i])) {
            mask |= kPatterns.bit[data[i].unit];
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
