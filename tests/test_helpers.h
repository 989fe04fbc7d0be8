#ifndef QELUNITS_TESTS_TEST_HELPERS_H
#define QELUNITS_TESTS_TEST_HELPERS_H

// Small helpers shared by the unit tests: texts, exact doubles, factor lists and the catalogue's texts.

#include "catalog/UnitTable.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/QelUnitsUtf8.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
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

/// The product of the one-unit types, in any order: of {unit, power} pairs or of factors, which
/// allocates nothing of its own (the allocation tests build their types with it).
template <class Factors = std::initializer_list<QelUnitFactor>>
QelUnitType make(const Factors& factors) {
    QelUnitType t;
    for (const auto& [unit, power] : factors) {
        t *= QelUnitType(static_cast<U>(unit), power);
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

/// The expression a text reads as, which must read.
inline QelUnitExpression read(const std::wstring& text) {
    const QelUnitParseResult r = QelUnitParser::parseExpression(text);
    EXPECT_TRUE(r.ok()) << qelunits::toUtf8(r.message());
    return r.expression();
}

/// The fields of a catalogue unit that hold a text, in the order of the name types.
enum Field { Internal, Singular, Plural, Abbreviation, Vellum };

/// One text of one catalogue unit.
struct CatalogueText {
    U unit;
    Field field;
    const wchar_t* text;
};

/// Every text of every unit, in code order: the one walk of the catalogue that the tests share.
inline const std::vector<CatalogueText>& catalogueTexts() {
    static const std::vector<CatalogueText> all = [] {
        std::vector<CatalogueText> out;
        for (const auto& r : qelunits_detail::kUnitTable) {
            const wchar_t* texts[] = {r.internalName, r.singularName, r.pluralName, r.defaultAbbreviation,
                                      r.vellumAbbreviation};
            for (int field = Internal; field <= Vellum; ++field) {
                if (texts[field] != nullptr) {
                    out.push_back({r.unit, static_cast<Field>(field), texts[field]});
                }
            }
        }
        return out;
    }();
    return all;
}

} // namespace qelunits_test

#endif
