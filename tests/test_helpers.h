#ifndef QELUNITS_TESTS_TEST_HELPERS_H
#define QELUNITS_TESTS_TEST_HELPERS_H

// Small helpers shared by the unit tests: texts, exact doubles and factor lists.

#include <qelunits/QelUnitType.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace qelunits_test {

using U = QelUnit::BuiltinUnits;

/// A text as a comparable string; "<null>" for the null text.
inline std::wstring str(const QelStringP& s) { return s.IsNull() ? L"<null>" : s.c_str(); }

/// The bits of a double, so that NaN equals NaN and -0.0 differs from 0.0.
inline std::uint64_t bits(double d) {
    std::uint64_t b = 0;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

/// The text in lower case (how 0), upper case (1) or with cases swapped (2), for A to Z only.
inline std::wstring withCase(std::wstring text, int how) {
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z' && how != 0) {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        } else if (c >= L'A' && c <= L'Z' && how != 1) {
            c = static_cast<wchar_t>(c - L'A' + L'a');
        }
    }
    return text;
}

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
        t *= QelUnitType(static_cast<U>(f.first), f.second);
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
