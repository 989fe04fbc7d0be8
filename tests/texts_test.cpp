#include "catalog/LocalizedTexts.h"
#include "test_helpers.h"

#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace {

using qelunits_test::str;
using U = QelUnit::BuiltinUnits;
using qelunits_detail::setLocalizedTextForTesting;
using Strings = std::vector<std::wstring>;
constexpr auto kStrip = QelUnit::StripInserts;

U unit(std::int32_t code) { return static_cast<U>(code); }

// Units that the tests give localized texts: watt (lookup), 300 to 310 (here), 313 (type queries).
bool givenTextByTests(std::int32_t code) {
    return code == QelUnit::watt || (code >= 300 && code <= 310) || code == 313;
}

// singular, plural, abbreviation, Vellum (localized), alternates 1 to 3, their Vellum forms, count.
Strings localizedTexts(U u, QelUnit::AbbreviationFormats format = QelUnit::AsStored) {
    Strings t = {QelUnit::singularName(u, true), QelUnit::pluralName(u, true),
                 str(QelUnit::defaultAbbreviation(u, true, format)),
                 str(QelUnit::defaultAbbreviationAsVellum(u, true, format))};
    EXPECT_EQ(str(QelUnit::localizedAbbreviation(u, 0, format)), t[2]);
    EXPECT_EQ(str(QelUnit::localizedAbbreviationAsVellum(u, 0, format)), t[3]);
    for (const bool vellum : {false, true}) {
        for (unsigned int i = 1; i <= 3; ++i) {
            t.push_back(str(vellum ? QelUnit::localizedAbbreviationAsVellum(u, i, format)
                                   : QelUnit::localizedAbbreviation(u, i, format)));
        }
    }
    t.push_back(std::to_wstring(QelUnit::getLocalizedAbbreviationCount(u)));
    return t;
}

TEST(Names, TheBuiltinTableLoadsNothingAndHoldsNoInsert) {
    for (std::int32_t code = 0; code < QelUnit::kUnitCount; ++code) {
        if (!givenTextByTests(code)) {
            SCOPED_TRACE(code);
            const U u = unit(code);
            Strings english = {QelUnit::singularName(u), QelUnit::pluralName(u), str(QelUnit::defaultAbbreviation(u)),
                               str(QelUnit::defaultAbbreviationAsVellum(u))};
            english.resize(10);
            english.emplace_back(L"0");
            EXPECT_EQ(localizedTexts(u), english);
            EXPECT_EQ(localizedTexts(u, kStrip), english);
            EXPECT_EQ(QelUnit::pluralName(u, true), QelUnit::pluralName(u, false)); // the table's own text
            EXPECT_EQ(qelunits_detail::localizedField(u, qelunits_detail::LocalizedField::Abbreviation), nullptr);
        }
    }
}

TEST(Abbreviations, EnglishFormsWithEitherFormatAndFlag) {
    const std::tuple<std::int32_t, const wchar_t*, const wchar_t*> cases[] = {
        {55, L"sq m", L"m²"}, {2, L"m", L"m"},          {0, L"", L""},
        {179, L"d", L"º"},    {242, L"psi", L"lb/in²"}, {183, L"kg/cu m", L"kg/m³"}};
    for (const auto& [code, abbreviation, vellum] : cases) {
        SCOPED_TRACE(code);
        const U u = unit(code);
        for (const auto format : {QelUnit::AsStored, kStrip, static_cast<QelUnit::AbbreviationFormats>(~1U)}) {
            for (const bool localized : {false, true}) {
                EXPECT_EQ(str(QelUnit::defaultAbbreviation(u, localized, format)), abbreviation);
                EXPECT_EQ(str(QelUnit::defaultAbbreviationAsVellum(u, localized, format)), vellum);
            }
            EXPECT_EQ(str(QelUnit::localizedAbbreviation(u, 0, format)), abbreviation);
            EXPECT_EQ(str(QelUnit::localizedAbbreviationAsVellum(u, UINT_MAX, format)), L"");
        }
    }
}

// Field counts 0 to 9 and empty fields, each on a unit of its own. "=" is the English text.
TEST(LocalizedTexts, TheLoaderReadsEachFieldByPosition) {
    const std::tuple<std::int32_t, const wchar_t*, Strings> cases[] = {
        {300, L"", {L"=", L"=", L"=", L"=", L"=", L"=", L"=", L"=", L"=", L"=", L"0"}}, // never available
        {301, L"Uno", {L"Uno", L"=", L"=", L"=", L"", L"", L"", L"", L"", L"", L"0"}},
        {302, L"Dos;Doses", {L"Dos", L"Doses", L"=", L"=", L"", L"", L"", L"", L"", L"", L"0"}},
        {303, L"S;P;ab", {L"S", L"P", L"ab", L"=", L"", L"", L"", L"", L"", L"", L"1"}},
        {304, L"S;P;ab;ab²", {L"S", L"P", L"ab", L"ab²", L"", L"", L"", L"", L"", L"", L"1"}},
        {305, L"S;P;ab;;a1", {L"S", L"P", L"ab", L"ab", L"a1", L"", L"", L"a1", L"", L"", L"2"}},
        {306, L"S;P;ab;v;a1;v1", {L"S", L"P", L"ab", L"v", L"a1", L"", L"", L"v1", L"", L"", L"2"}},
        {307, L"S;P;ab;v;a1;;a2", {L"S", L"P", L"ab", L"v", L"a1", L"a2", L"", L"a1", L"a2", L"", L"3"}},
        {308, L"S;P;ab;v;a1;v1;a2;v2", {L"S", L"P", L"ab", L"v", L"a1", L"a2", L"", L"v1", L"v2", L"", L"3"}},
        {309,
         L"S;P;ab;v;a1;v1;a2;;a%1!s!3",
         {L"S", L"P", L"ab", L"v", L"a1", L"a2", L"a%1!s!3", L"v1", L"a2", L"a%1!s!3", L"4"}},
        {310, L";;;", {L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"1"}}, // present, and empty
    };
    for (const auto& [code, text, loaded] : cases) {
        SCOPED_TRACE(code);
        const U u = unit(code);
        const std::wstring english[] = {QelUnit::singularName(u), QelUnit::pluralName(u),
                                        str(QelUnit::defaultAbbreviation(u)),
                                        str(QelUnit::defaultAbbreviationAsVellum(u))};
        setLocalizedTextForTesting(u, QelStringP(text));
        EXPECT_EQ(QelUnit::getLocalizedAbbreviationCount(u), 0U); // counting does not load
        Strings expected = loaded;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            expected[i] = expected[i] == L"=" ? english[i < 4 ? i : (i < 7 ? 2 : 3)] : expected[i];
        }
        // Units 300 to 302 are given fewer than three fields: the names there are are kept, but the loading call
        // reports the English one.
        EXPECT_EQ(QelUnit::singularName(u, true), code < 303 ? english[0] : expected[0]);
        EXPECT_EQ(localizedTexts(u), expected);
    }
    EXPECT_EQ(str(QelUnit::localizedAbbreviation(unit(309), 3, kStrip)), L"a3");
}

TEST(DisplayNames, TypeNamesAndKeywords) {
    const std::pair<std::int32_t, const wchar_t*> cases[] = {
        {0, L"(none)"}, {2, L"Length"}, {10, L"Freqency"}, {30, L"Acceleration"}};
    for (const auto& [code, name] : cases) {
        const auto type = static_cast<QelUnit::BuiltinTypes>(code);
        const wchar_t* english = QelUnit::displayName(type, false);
        EXPECT_STREQ(english, name);
        EXPECT_STREQ(QelUnit::displayName(type, true), L"");
        EXPECT_EQ(QelUnit::displayName(type, false), english) << code; // the same pointer each time
    }
    const std::pair<const wchar_t*, std::int32_t> byName[] = {
        {L"length", 2}, {L"DISTANCE", 2},   {L"compat_VELOCITY", 24}, {L"Velocity", 24},
        {L"(none)", 0}, {L"Freqency", 10},  {L"Lengths", 31},         {L"Len", 31},
        {L"", 31},      {L"Frequency", 31}, {L"Moment of force", 27}};
    for (const auto& [name, code] : byName) {
        EXPECT_EQ(QelUnit::getBuiltinType(name), code) << name;
    }
    EXPECT_EQ(str(QelUnit::metricKeyword(false)) + str(QelUnit::imperialKeyword(false)), L"MetricImperial");
    EXPECT_EQ(str(QelUnit::metricKeyword(true)) + str(QelUnit::imperialKeyword(true)), L"");
    EXPECT_EQ(&QelUnit::metricKeyword(true), &QelUnit::metricKeyword(true));
    EXPECT_NE(&QelUnit::imperialKeyword(false), &QelUnit::imperialKeyword(true));
}

} // namespace
