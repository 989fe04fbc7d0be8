#include "catalog/Abbreviations.h"
#include "catalog/LocalizedTexts.h"

#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace {

using U = QelUnit::BuiltinUnits;
using qelunits_detail::setLocalizedTextForTesting;
constexpr auto kStrip = QelUnit::StripInserts;

U unit(std::int32_t code) { return static_cast<U>(code); }
std::wstring str(const QelStringP& s) { return s.c_str(); }

// Units that the tests give localized texts; every other unit keeps the builtin state.
constexpr std::int32_t kWattInLookupTest = 14;
constexpr std::int32_t kSeamUnits[] = {300, 301, 302, 303, 304, 305, 306,
                                       307, 308, 309, 310, 311, 312, 313}; // 313: the type query tests
bool givenTextByTests(std::int32_t code) {
    for (const std::int32_t u : kSeamUnits) {
        if (u == code) {
            return true;
        }
    }
    return code == kWattInLookupTest;
}

// All texts of a unit that depend on the localized state, as one comparable record.
struct Texts {
    std::wstring singular, plural, abbreviation, vellum;
    std::vector<std::wstring> indexed, indexedVellum; // indexes 0 to 5
    unsigned int count;
    bool operator==(const Texts& o) const {
        return singular == o.singular && plural == o.plural && abbreviation == o.abbreviation && vellum == o.vellum &&
               indexed == o.indexed && indexedVellum == o.indexedVellum && count == o.count;
    }
};

Texts localizedTexts(U u, QelUnit::AbbreviationFormats format = QelUnit::AsStored) {
    Texts t{QelUnit::singularName(u, true),
            QelUnit::pluralName(u, true),
            str(QelUnit::defaultAbbreviation(u, true, format)),
            str(QelUnit::defaultAbbreviationAsVellum(u, true, format)),
            {},
            {},
            0};
    for (unsigned int i = 0; i <= 5; ++i) {
        t.indexed.push_back(str(QelUnit::localizedAbbreviation(u, i, format)));
        t.indexedVellum.push_back(str(QelUnit::localizedAbbreviationAsVellum(u, i, format)));
    }
    t.count = QelUnit::getLocalizedAbbreviationCount(u);
    return t;
}

TEST(Names, SingularAndPluralFallBackToEnglish) {
    const struct {
        std::int32_t unit;
        const wchar_t* singular;
        const wchar_t* plural;
    } cases[] = {{2, L"Meter", L"Meters"}, {0, L"Unitless", L""}, {55, L"Square meter", L"Square meters"},
                 {349, L"", L""},          {-1, L"", L""},        {INT_MIN, L"", L""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        for (const bool localized : {false, true}) {
            const wchar_t* singular = QelUnit::singularName(unit(c.unit), localized);
            ASSERT_NE(singular, nullptr);
            EXPECT_STREQ(singular, c.singular);
            EXPECT_STREQ(QelUnit::pluralName(unit(c.unit), localized), c.plural);
            EXPECT_EQ(QelUnit::singularName(unit(c.unit), localized), singular); // the same pointer each time
        }
    }
}

TEST(Names, TheBuiltinTableLoadsNothing) {
    for (std::int32_t code = 0; code < QelUnit::kUnitCount; ++code) {
        if (givenTextByTests(code)) {
            continue;
        }
        SCOPED_TRACE(code);
        const U u = unit(code);
        EXPECT_EQ(QelUnit::getLocalizedAbbreviationCount(u), 0U);
        const Texts t = localizedTexts(u);
        EXPECT_STREQ(t.singular.c_str(), QelUnit::singularName(u));
        EXPECT_STREQ(t.plural.c_str(), QelUnit::pluralName(u));
        EXPECT_EQ(t.abbreviation, str(QelUnit::defaultAbbreviation(u)));
        EXPECT_EQ(t.vellum, str(QelUnit::defaultAbbreviationAsVellum(u)));
        EXPECT_EQ(t.indexed[0], t.abbreviation);
        EXPECT_EQ(t.indexedVellum[0], t.vellum);
        EXPECT_EQ(t.indexed[1], L"");
        EXPECT_EQ(t.indexedVellum[5], L"");
        EXPECT_EQ(t.count, 0U);
        // No builtin text holds the insert marker, so stripping changes nothing.
        EXPECT_TRUE(localizedTexts(u, kStrip) == t);
        for (int field = 0; field < 4; ++field) {
            EXPECT_EQ(qelunits_detail::localizedField(u, static_cast<qelunits_detail::LocalizedField>(field)), nullptr);
        }
    }
}

TEST(Abbreviations, EnglishFormsAndTheirFallBacks) {
    const struct {
        std::int32_t unit;
        const wchar_t* abbreviation;
        const wchar_t* vellum;
    } cases[] = {
        {55, L"sq m", L"m²"},        {2, L"m", L"m"}, {0, L"", L""}, {179, L"d", L"º"}, {242, L"psi", L"lb/in²"},
        {183, L"kg/cu m", L"kg/m³"}, {349, L"", L""}, {-5, L"", L""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        for (const auto format : {QelUnit::AsStored, kStrip, static_cast<QelUnit::AbbreviationFormats>(0xFFFFFFFEU)}) {
            for (const bool localized : {false, true}) {
                EXPECT_EQ(str(QelUnit::defaultAbbreviation(unit(c.unit), localized, format)), c.abbreviation);
                EXPECT_EQ(str(QelUnit::defaultAbbreviationAsVellum(unit(c.unit), localized, format)), c.vellum);
            }
            EXPECT_EQ(str(QelUnit::localizedAbbreviation(unit(c.unit), 0, format)), c.abbreviation);
            EXPECT_EQ(str(QelUnit::localizedAbbreviationAsVellum(unit(c.unit), 0, format)), c.vellum);
            for (const unsigned int index : {1U, 2U, UINT_MAX}) {
                EXPECT_EQ(str(QelUnit::localizedAbbreviation(unit(c.unit), index, format)), L"");
                EXPECT_EQ(str(QelUnit::localizedAbbreviationAsVellum(unit(c.unit), index, format)), L"");
            }
        }
        EXPECT_FALSE(QelUnit::localizedAbbreviation(unit(c.unit), 1).IsNull());
    }
    EXPECT_EQ(QelUnit::getLocalizedAbbreviationCount(unit(349)), 0U);
    EXPECT_EQ(QelUnit::getLocalizedAbbreviationCount(unit(-1)), 0U);
}

TEST(Abbreviations, StripInsertsRemovesEachInsertWithItsMarker) {
    const struct {
        const wchar_t* text;
        const wchar_t* stripped;
    } cases[] = {
        {L"abc %1!s! def", L"abc  def"}, // two blanks
        {L"ab!s!cd", L"ab!s!cd"},        // a marker without an insert is put back
        {L"a%x!s!b", L"a%x!s!b"},        // "x" is no number
        {L"a!s!a", L"aa"},               // both pieces equal the last one
        {L"%1!s", L"%1!s"},              // under five characters
        {L"%1!s!", L""},                 // the whole text is one insert
        {L"x%1!s!%22!s!y", L"xy"},
        {L"!s!abc", L"!s!abc"},        // empty first piece
        {L"abc!s!", L"abc!s!"},        // empty last piece
        {L"a!s!!s!b", L"a!s!!s!b"},    // two markers in a row
        {L"a%1%2!s!b", L"a%1b"},       // the last "%" begins the insert
        {L"a%!s!b", L"a%!s!b"},        // no digits
        {L"ab%1!s!ab%1", L"ab%1ab%1"}, // a piece equal to the last is kept whole, without its marker
        {L"", L""},
        {L"sq m", L"sq m"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text);
        EXPECT_EQ(str(qelunits_detail::formatAbbreviation(c.text, kStrip)), c.stripped);
        EXPECT_EQ(str(qelunits_detail::formatAbbreviation(c.text, QelUnit::AsStored)), c.text);
    }
}

// Field counts 0 to 9, empty fields and alternates, each on a unit of its own.
TEST(LocalizedTexts, TheLoaderReadsEachFieldByPosition) {
    const struct {
        std::int32_t unit;
        const wchar_t* text;
        Texts loaded; // an empty text here means: the unit's English text
    } cases[] = {
        {300, L"", {L"", L"", L"", L"", {L"", L"", L"", L"", L"", L""}, {L"", L"", L"", L"", L"", L""}, 0}},
        {301, L"Uno", {L"Uno", L"", L"", L"", {}, {}, 0}},
        {302, L"Dos;Doses", {L"Dos", L"Doses", L"", L"", {}, {}, 0}},
        {303, L"S;P;ab", {L"S", L"P", L"ab", L"", {L"ab", L"*", L"*", L"*", L"*", L"*"}, {L"", L"*"}, 1}},
        {304, L"S;P;ab;ab²", {L"S", L"P", L"ab", L"ab²", {L"ab", L"*"}, {L"ab²", L"*"}, 1}},
        {305, L"S;P;ab;;a1", {L"S", L"P", L"ab", L"ab", {L"ab", L"a1", L"*"}, {L"ab", L"a1", L"*"}, 2}},
        {306, L"S;P;ab;v;a1;v1", {L"S", L"P", L"ab", L"v", {L"ab", L"a1", L"*"}, {L"v", L"v1", L"*"}, 2}},
        {307, L"S;P;ab;v;a1;;a2", {L"S", L"P", L"ab", L"v", {L"ab", L"a1", L"a2", L"*"}, {L"v", L"a1", L"a2"}, 3}},
        {308,
         L"S;P;ab;v;a1;v1;a2;v2",
         {L"S", L"P", L"ab", L"v", {L"ab", L"a1", L"a2", L"*"}, {L"v", L"v1", L"v2", L"*"}, 3}},
        {309,
         L"S;P;ab;v;a1;v1;a2;;a%1!s!3",
         {L"S", L"P", L"ab", L"v", {L"ab", L"a1", L"a2", L"a%1!s!3", L"*"}, {L"v", L"v1", L"a2", L"a%1!s!3"}, 4}},
        {310, L";;;", {L"*", L"*", L"*", L"*", {L"*", L"*"}, {L"*", L"*"}, 1}}, // present, empty texts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        const U u = unit(c.unit);
        const Texts english = localizedTexts(u);
        setLocalizedTextForTesting(u, QelStringP(c.text));
        EXPECT_EQ(QelUnit::getLocalizedAbbreviationCount(u), 0U); // counting does not load
        localizedTexts(u);                                        // loads; fewer than 3 fields report English
        const Texts t = localizedTexts(u);
        // "" in the table is the English text, "*" the empty text.
        auto expect = [](const std::wstring& got, const std::wstring& want, const std::wstring& fallBack) {
            EXPECT_EQ(got, want == L"*" ? L"" : want.empty() ? fallBack : want);
        };
        expect(t.singular, c.loaded.singular, english.singular);
        expect(t.plural, c.loaded.plural, english.plural);
        expect(t.abbreviation, c.loaded.abbreviation, english.abbreviation);
        expect(t.vellum, c.loaded.vellum, english.vellum);
        for (std::size_t i = 0; i < t.indexed.size(); ++i) {
            SCOPED_TRACE(i);
            const std::wstring want = i < c.loaded.indexed.size() ? c.loaded.indexed[i] : (i == 0 ? L"" : L"*");
            const std::wstring wantVellum =
                i < c.loaded.indexedVellum.size() ? c.loaded.indexedVellum[i] : (i == 0 ? L"" : L"*");
            // Not available (fewer than three fields, first load) or index 0 falls back to English.
            expect(t.indexed[i], want, english.indexed[0]);
            expect(t.indexedVellum[i], wantVellum, english.indexedVellum[0]);
        }
        EXPECT_EQ(t.count, c.loaded.count);
        EXPECT_EQ(QelUnit::singularName(u, true), QelUnit::singularName(u, true));
    }
}

TEST(LocalizedTexts, FewerThanThreeFieldsReportEnglishOnTheLoadingCall) {
    const U u = unit(311);
    setLocalizedTextForTesting(u, QelStringP(L"Once;Twice"));
    EXPECT_STREQ(QelUnit::singularName(u, true), QelUnit::singularName(u, false)); // the load reports unavailable
    EXPECT_STREQ(QelUnit::singularName(u, true), L"Once");
    EXPECT_STREQ(QelUnit::pluralName(u, true), L"Twice");
    EXPECT_EQ(str(QelUnit::localizedAbbreviation(u, 1)), L""); // available, no alternates
    EXPECT_EQ(str(QelUnit::localizedAbbreviation(u, 0)), str(QelUnit::defaultAbbreviation(u)));
}

TEST(LocalizedTexts, StripInsertsAppliesToLoadedTexts) {
    const U u = unit(309); // the same text as in the loader's test, which may have loaded it
    setLocalizedTextForTesting(u, QelStringP(L"S;P;ab;v;a1;v1;a2;;a%1!s!3"));
    EXPECT_EQ(str(QelUnit::localizedAbbreviation(u, 3, kStrip)), L"a3");
    EXPECT_EQ(str(QelUnit::localizedAbbreviationAsVellum(u, 3, kStrip)), L"a3");
    EXPECT_EQ(str(QelUnit::localizedAbbreviation(u, 3)), L"a%1!s!3");
}

TEST(LocalizedTexts, ConcurrentFirstUseLoadsOnceAndHandsOutOnePointer) {
    const U u = unit(312);
    setLocalizedTextForTesting(u, QelStringP(L"Uno;Unos;u;u²;u1;u1²"));
    std::vector<const wchar_t*> seen(8);
    std::vector<std::wstring> alternates(8);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&, i] {
            alternates[i] = str(QelUnit::localizedAbbreviationAsVellum(u, 1));
            seen[i] = QelUnit::singularName(u, true);
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i], seen[0]);
        EXPECT_EQ(alternates[i], L"u1²");
    }
    EXPECT_STREQ(seen[0], L"Uno");
    EXPECT_EQ(QelUnit::getLocalizedAbbreviationCount(u), 2U);
}

TEST(DisplayNames, TypeNamesAndKeywords) {
    const struct {
        std::int32_t type;
        const wchar_t* name; // null: invalid type
    } cases[] = {{0, L"(none)"},        {2, L"Length"}, {10, L"Freqency"}, {27, L"Moment of Force"},
                 {30, L"Acceleration"}, {31, nullptr},  {-1, nullptr},     {INT_MAX, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const auto type = static_cast<QelUnit::BuiltinTypes>(c.type);
        const wchar_t* english = QelUnit::displayName(type, false);
        const wchar_t* localized = QelUnit::displayName(type, true);
        if (c.name == nullptr) {
            EXPECT_EQ(english, nullptr);
            EXPECT_EQ(localized, nullptr);
            continue;
        }
        EXPECT_STREQ(english, c.name);
        EXPECT_STREQ(localized, L"");
        EXPECT_EQ(QelUnit::displayName(type, false), english);
        EXPECT_EQ(QelUnit::displayName(type, true), localized);
    }
    for (std::int32_t type = 0; type < QelUnit::kTypeCount; ++type) {
        ASSERT_NE(QelUnit::displayName(static_cast<QelUnit::BuiltinTypes>(type)), nullptr);
        EXPECT_STREQ(QelUnit::displayName(static_cast<QelUnit::BuiltinTypes>(type), true), L"");
    }
    EXPECT_EQ(str(QelUnit::metricKeyword(false)), L"Metric");
    EXPECT_EQ(str(QelUnit::imperialKeyword(false)), L"Imperial");
    EXPECT_EQ(str(QelUnit::metricKeyword(true)), L"");
    EXPECT_EQ(str(QelUnit::imperialKeyword(true)), L"");
    EXPECT_EQ(&QelUnit::metricKeyword(true), &QelUnit::metricKeyword(true));
    EXPECT_EQ(&QelUnit::imperialKeyword(false), &QelUnit::imperialKeyword(false));
    EXPECT_NE(&QelUnit::metricKeyword(false), &QelUnit::metricKeyword(true));
}

} // namespace
