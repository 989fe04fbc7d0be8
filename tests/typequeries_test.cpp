#include "catalog/LocalizedTexts.h"
#include "test_helpers.h"

#include <qelunits/QelUnitType.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace {

using U = QelUnit::BuiltinUnits;
constexpr auto kStrip = QelUnit::StripInserts;

std::wstring str(const QelStringP& s) { return s.c_str(); }

// The answers of a type, in one comparable list.
std::vector<std::wstring> answers(const QelUnitType& t) {
    U unit = QelUnit::meter;
    const bool simple = t.isSimpleUnit(unit);
    return {std::to_wstring(t.getType()),
            t.getTypeDisplayName(false),
            t.getTypeDisplayName(true),
            str(t.internalName()),
            str(t.singularName(false)),
            str(t.pluralName(true)),
            str(t.defaultAbbreviation(true, kStrip)),
            str(t.defaultAbbreviationAsVellum(false)),
            str(t.localizedAbbreviation(0, kStrip)),
            str(t.localizedAbbreviationAsVellum(1)),
            std::to_wstring(t.getLocalizedAbbreviationCount()) + std::to_wstring(t.isMetric()) +
                std::to_wstring(t.isImperial()) + std::to_wstring(simple),
            std::to_wstring(unit)};
}

TEST(TypeQueries, EmptyOneUnitAndCompoundTypes) {
    const std::wstring cu = L"**Compound unit**";
    const QelUnitType tenUnits = qelunits_test::make(qelunits_test::ramp(10)); // beyond the inline entries
    const std::vector<std::wstring> meter = {L"2", L"Length", L"",  L"meter", L"Meter", L"Meters",
                                             L"m", L"m",      L"m", L"",      L"0101",  L"2"};
    const std::vector<std::wstring> compound = {L"31", cu, cu, cu, cu, cu, cu, cu, cu, cu, L"0000", L"349"};
    const std::tuple<const char*, QelUnitType, std::vector<std::wstring>> cases[] = {
        {"empty",
         QelUnitType(),
         {L"0", L"(none)", L"", L"dimensionless", L"Unitless", L"", L"", L"", L"", L"", L"0111", L"0"}},
        {"meter", QelUnitType(QelUnit::meter, 1), meter},
        {"meter squared, not square meters", QelUnitType(QelUnit::meter, 2), meter},
        {"meter to the power -3", QelUnitType(QelUnit::meter, -3), meter},
        {"meter to the power 0", QelUnitType(QelUnit::meter, 0), meter},
        {"meter per second", QelUnitType(QelUnit::meter) / QelUnitType(QelUnit::second), compound},
        {"ten units", tenUnits, compound},
    };
    for (const auto& [name, type, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(answers(type), expected);
    }
    // A type's queries load the unit's localized text.
    const auto localized = static_cast<U>(313);
    qelunits_detail::setLocalizedTextForTesting(localized, QelStringP(L"S;P;a%1!s!b;;c;d"));
    EXPECT_EQ(str(QelUnitType(localized, 2).defaultAbbreviation(true, kStrip)), L"ab");
    EXPECT_EQ(str(QelUnitType(localized, -1).localizedAbbreviationAsVellum(1)), L"d");
}

} // namespace
