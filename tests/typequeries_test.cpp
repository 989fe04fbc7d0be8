#include "catalog/LocalizedTexts.h"

#include <qelunits/QelUnitType.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using U = QelUnit::BuiltinUnits;
constexpr auto kStrip = QelUnit::StripInserts;

std::wstring str(const QelStringP& s) { return s.c_str(); }

// Every answer of a type, in one comparable list.
std::vector<std::wstring> answers(const QelUnitType& t) {
    U unit = QelUnit::meter;
    const bool simple = t.isSimpleUnit(unit);
    const wchar_t* display = t.getTypeDisplayName(false);
    std::vector<std::wstring> out = {std::to_wstring(t.getType()),
                                     display != nullptr ? display : L"(null)",
                                     t.getTypeDisplayName(true),
                                     str(t.internalName()),
                                     str(t.singularName(false)),
                                     str(t.singularName(true)),
                                     str(t.pluralName(false)),
                                     str(t.pluralName(true)),
                                     str(t.defaultAbbreviation(false, kStrip)),
                                     str(t.defaultAbbreviation(true)),
                                     str(t.defaultAbbreviationAsVellum(false)),
                                     str(t.defaultAbbreviationAsVellum(true, kStrip)),
                                     std::to_wstring(t.getLocalizedAbbreviationCount()),
                                     std::to_wstring(t.isMetric()),
                                     std::to_wstring(t.isImperial()),
                                     std::to_wstring(simple),
                                     std::to_wstring(unit)};
    for (unsigned int index = 0; index < 3; ++index) {
        out.push_back(str(t.localizedAbbreviation(index, kStrip)));
        out.push_back(str(t.localizedAbbreviationAsVellum(index)));
    }
    return out;
}

// The catalogue's answers for one unit, in the same order.
std::vector<std::wstring> catalogueAnswers(U u) {
    std::vector<std::wstring> out = {std::to_wstring(QelUnit::getType(u)),
                                     QelUnit::displayName(QelUnit::getType(u), false),
                                     QelUnit::displayName(QelUnit::getType(u), true),
                                     QelUnit::internalName(u),
                                     QelUnit::singularName(u, false),
                                     QelUnit::singularName(u, true),
                                     QelUnit::pluralName(u, false),
                                     QelUnit::pluralName(u, true),
                                     str(QelUnit::defaultAbbreviation(u, false, kStrip)),
                                     str(QelUnit::defaultAbbreviation(u, true)),
                                     str(QelUnit::defaultAbbreviationAsVellum(u, false)),
                                     str(QelUnit::defaultAbbreviationAsVellum(u, true, kStrip)),
                                     std::to_wstring(QelUnit::getLocalizedAbbreviationCount(u)),
                                     std::to_wstring(QelUnit::isMetric(u)),
                                     std::to_wstring(QelUnit::isImperial(u)),
                                     L"1",
                                     std::to_wstring(u)};
    for (unsigned int index = 0; index < 3; ++index) {
        out.push_back(str(QelUnit::localizedAbbreviation(u, index, kStrip)));
        out.push_back(str(QelUnit::localizedAbbreviationAsVellum(u, index)));
    }
    return out;
}

TEST(TypeQueries, OneEntryAnswersAsItsUnitWhateverThePower) {
    // A unit with a localized text too, so that the type's queries are seen to load it.
    qelunits_detail::setLocalizedTextForTesting(QelUnit::BuiltinUnits(313), QelStringP(L"S;P;a%1!s!b;;c;d"));
    for (std::int32_t code = 1; code < QelUnit::kUnitCount; ++code) {
        const U u = static_cast<U>(code);
        for (const int power : {1, 2, -3, 0}) {
            SCOPED_TRACE(testing::Message() << code << "^" << power);
            QelUnitType t(u, 1);
            t.pow(power);
            ASSERT_EQ(t.size(), 1U);
            EXPECT_EQ(answers(t), catalogueAnswers(u));
        }
    }
    EXPECT_EQ(str(QelUnitType(QelUnit::BuiltinUnits(313)).defaultAbbreviation(true, kStrip)), L"ab");
}

TEST(TypeQueries, EmptyOneUnitAndCompoundTypes) {
    const std::wstring compound = L"**Compound unit**";
    QelUnitType heap;
    for (std::int32_t code = 20; code < 30; ++code) {
        heap *= QelUnitType(static_cast<U>(code), 1); // ten entries, beyond the inline ones
    }
    const struct {
        const char* name;
        QelUnitType type;
        std::vector<std::wstring> expected; // the first twelve answers, then count, metric, imperial, simple, unit
    } cases[] = {
        {"empty", QelUnitType(), {L"0",        L"(none)",   L"",  L"dimensionless",
                                  L"Unitless", L"Unitless", L"",  L"",
                                  L"",         L"",         L"",  L"",
                                  L"0",        L"1",        L"1", L"1",
                                  L"0",        L"",         L"",  L"",
                                  L"",         L"",         L""}},
        {"meter",
         QelUnitType(QelUnit::meter, 1),
         {L"2", L"Length", L"",  L"meter", L"Meter", L"Meter", L"Meters", L"Meters", L"m", L"m", L"m", L"m",
          L"0", L"1",      L"0", L"1",     L"2",     L"m",     L"m",      L"",       L"",  L"",  L""}},
        {"meter squared is not square meters",
         QelUnitType(QelUnit::meter, 2),
         {L"2", L"Length", L"",  L"meter", L"Meter", L"Meter", L"Meters", L"Meters", L"m", L"m", L"m", L"m",
          L"0", L"1",      L"0", L"1",     L"2",     L"m",     L"m",      L"",       L"",  L"",  L""}},
        {"meter per second",
         QelUnitType(QelUnit::meter) / QelUnitType(QelUnit::second),
         {L"31",    compound, compound, compound, compound, compound, compound, compound,
          compound, compound, compound, compound, L"0",     L"0",     L"0",     L"0",
          L"349",   compound, compound, compound, compound, compound, compound}},
        {"ten units", heap, {L"31",    compound, compound, compound, compound, compound, compound, compound,
                             compound, compound, compound, compound, L"0",     L"0",     L"0",     L"0",
                             L"349",   compound, compound, compound, compound, compound, compound}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(answers(c.type), c.expected);
    }
    const QelUnitType meterPerSecond = QelUnitType(QelUnit::meter) / QelUnitType(QelUnit::second);
    EXPECT_EQ(meterPerSecond.getTypeDisplayName(), meterPerSecond.getTypeDisplayName(true)); // one static text
    EXPECT_EQ(QelUnitType(QelUnit::meter).getTypeDisplayName(), QelUnit::displayName(QelUnit::Distance));
}

} // namespace
