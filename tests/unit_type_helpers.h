#ifndef QELUNITS_TESTS_UNIT_TYPE_HELPERS_H
#define QELUNITS_TESTS_UNIT_TYPE_HELPERS_H

#include <qelunits/QelUnitType.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace qelunits_test {

/// A factor list written out: {unit, power} pairs.
using Entries = std::vector<std::pair<std::int32_t, std::int32_t>>;

inline Entries entries(const QelUnitType& t) {
    Entries out;
    for (const QelUnitFactor& f : t) {
        out.emplace_back(f.unit, f.power);
    }
    return out;
}

/// The product of the one-unit types, in any order.
inline QelUnitType make(const Entries& factors) {
    QelUnitType t;
    for (const auto& f : factors) {
        t *= QelUnitType(static_cast<QelUnit::BuiltinUnits>(f.first), f.second);
    }
    return t;
}

/// Units 1 to count with powers 1 to count.
inline Entries ramp(std::int32_t count) {
    Entries out;
    for (std::int32_t i = 1; i <= count; ++i) {
        out.emplace_back(i, i);
    }
    return out;
}

} // namespace qelunits_test

#endif
