#include "catalog/LocalizedTexts.h"
#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"
#include "test_helpers.h"

#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cwchar>
#include <iterator>
#include <locale.h>
#include <set>
#include <string>
#include <tuple>
#include <vector>
#include <wchar.h>

namespace {

using qelunits_detail::findUnitsByText;
using qelunits_detail::kUnitTable;
using qelunits_detail::TextKind;
using qelunits_test::withCase;

constexpr TextKind kKinds[] = {TextKind::Internal,     TextKind::Singular, TextKind::Plural,
                               TextKind::Abbreviation, TextKind::Vellum,   TextKind::VellumOrAbbreviation};

const wchar_t* textOf(int unit, TextKind kind) { return qelunits_detail::textOf(kUnitTable[unit], kind); }

// The reference: the C runtime's case-insensitive compare in the "C" locale, unit by unit.
std::vector<int> scan(TextKind kind, const std::wstring& text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    std::vector<int> units;
    for (int unit = 0; unit < QelUnit::kUnitCount; ++unit) {
        const wchar_t* stored = textOf(unit, kind);
        if (stored != nullptr && text.find(L'\0') == std::wstring::npos &&
            wcscasecmp_l(text.c_str(), stored, cLocale) == 0) {
            units.push_back(unit);
        }
    }
    return units;
}

std::vector<int> indexed(TextKind kind, const std::wstring& text) {
    const auto matches = findUnitsByText(kind, text.data(), text.size());
    return {matches.units, matches.units + matches.count};
}

TEST(NameIndex, AgreesWithTheScanForEveryTextItsCaseVariantsAndNearMisses) {
    for (const TextKind kind : kKinds) {
        for (int unit = 0; unit < QelUnit::kUnitCount; ++unit) {
            if (textOf(unit, kind) == nullptr) {
                continue;
            }
            const std::wstring text = textOf(unit, kind);
            const std::wstring probes[] = {text,
                                           withCase(text, 0),
                                           withCase(text, 1),
                                           withCase(text, 2),
                                           text + L"s",
                                           L" " + text,
                                           text + L'\0',
                                           text.substr(0, text.size() - (text.empty() ? 0 : 1))};
            for (const auto& probe : probes) {
                SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind) << " unit " << unit);
                EXPECT_EQ(indexed(kind, probe), scan(kind, probe));
            }
            const auto own = scan(kind, text);
            EXPECT_NE(std::find(own.begin(), own.end(), unit), own.end());
        }
    }
    EXPECT_EQ(findUnitsByText(TextKind::Plural, nullptr, 0).count, 1U);
    EXPECT_EQ(findUnitsByText(TextKind::Plural, nullptr, 3).count, 0U);
    const std::wstring huge(1U << 20U, L'm');
    EXPECT_EQ(findUnitsByText(TextKind::Abbreviation, huge.data(), huge.size()).count, 0U);
}

} // namespace

namespace {

using N = QelUnit::NameType;

int find(const wchar_t* name, int nameType) {
    return QelUnit::getBuiltinUnit(QelStringP(name), static_cast<N>(nameType));
}

// Name, name type, the unit found.
using Case = std::tuple<const wchar_t*, int, int>;

void expectCases(const std::vector<Case>& cases) {
    for (const auto& [name, nameType, unit] : cases) {
        SCOPED_TRACE(testing::Message() << name << " " << nameType);
        EXPECT_EQ(find(name, nameType), unit);
    }
}

TEST(GetBuiltinUnit, FoldsCaseAndTheLowestUnitWins) {
    expectCases({
        {L"meter", N::InternalName, 2},
        {L"METER", N::InternalName, 2},
        {L"M", N::Abbreviation, 2},      // not millenium (176)
        {L"d", N::Abbreviation, 169},    // day, not angle_degree (179)
        {L"a", N::Abbreviation, 5},      // ampere, not are (58)
        {L"sq mi", N::Abbreviation, 83}, // square_mile_statute, not square_mile (340)
        {L"Square mile", N::SingularName, 83},
        {L"m²", N::VellumAbbreviation, 55},
        {L"M²", N::VellumAbbreviation, 55},
        {L"sq m", N::VellumAbbreviation, 55}, // through its abbreviation
        {L"º", N::VellumAbbreviation, 179},
        {L"m²", N::Abbreviation, 0},
        {L"", N::PluralName, 0}, // dimensionless's plural name is empty
        {L"", N::InternalName, 0},
        {L"meter ", N::InternalName, 0}, // no trimming
        {L"å", N::Abbreviation, 0},      // only A to Z fold
        // Localized kinds compare the English text where the localized one is absent.
        {L"Meter", N::LocalizedSingularName, 2},
        {L"METERS", N::LocalizedPluralName, 2},
        {L"sq m", N::LocalizedAbbreviation, 55},
        {L"m²", N::LocalizedVellumAbbreviation, 55},
        {L"sq m", N::LocalizedVellumAbbreviation, 0}, // its Vellum form stands for it
    });
    // Compared up to the first null character.
    EXPECT_EQ(QelUnit::getBuiltinUnit(QelStringP(L"m\0xyz", std::size_t{5}), N::Abbreviation), 2);
}

TEST(GetBuiltinUnit, IgnoresTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "C.UTF-8") == nullptr) {
        GTEST_SKIP() << "no C.UTF-8 locale";
    }
    const int folded = find(L"å", N::Abbreviation);
    const int upper = find(L"ANGSTROM", N::InternalName);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(folded, 0);
    EXPECT_EQ(upper, 17);
}

// A unit whose text of a field is found as a lower unit that has the same text.
struct Shared {
    int field; // 1 singular, 2 plural, 3 abbreviation, 4 Vellum form
    int unit;
    int winner;
};
constexpr Shared kShared[] = {
    {3, 58, 5},                                                 // "a": are, ampere
    {3, 167, 115},                                              // "min": minute, minim
    {3, 173, 172},                                              // "yr": tropical_year, sidereal_year
    {3, 176, 2},                                                // "M": millenium, meter
    {3, 179, 169},                                              // "d": angle_degree, day
    {1, 180, 167}, {2, 180, 167}, {3, 180, 2},                  // angle_minute: minute, meter
    {3, 181, 156},                                              // "g": gravity, gram
    {1, 182, 3},   {2, 182, 3},                                 // angle_second: second
    {3, 192, 32},                                               // "cal": calorie, caliber
    {1, 227, 225}, {2, 227, 225}, {3, 227, 225},                // pound per foot
    {3, 327, 207},                                              // "Kn": knot_UK, knot
    {1, 340, 83},  {2, 340, 83},  {3, 340, 83},  {4, 340, 83},  // square mile
    {1, 342, 142}, {2, 342, 142}, {3, 342, 142}, {4, 342, 142}, // cubic mile
};

int expectedFor(int field, int unit, std::set<int>& used) {
    for (std::size_t i = 0; i < std::size(kShared); ++i) {
        if (kShared[i].field == field && kShared[i].unit == unit) {
            used.insert(static_cast<int>(i));
            return kShared[i].winner;
        }
    }
    return unit;
}

// Every name and abbreviation a unit has finds it again, or the lower unit that shares it,
// with each NameType that compares it, from firstNameType on.
void expectEveryTextFindsItsUnit(int firstNameType) {
    std::set<int> used;
    for (int unit = 0; unit < QelUnit::kUnitCount; ++unit) {
        const auto& r = kUnitTable[unit];
        const bool localized = qelunits_detail::localizedField(static_cast<QelUnit::BuiltinUnits>(unit),
                                                               qelunits_detail::LocalizedField::Singular) != nullptr;
        const bool hasVellum = r.vellumAbbreviation != nullptr;
        const struct {
            const wchar_t* text;
            std::vector<int> nameTypes;
        } texts[] = {{r.internalName, {0}},
                     {r.singularName, {1, 5}},
                     {r.pluralName, {2, 6}},
                     {r.defaultAbbreviation, hasVellum ? std::vector<int>{3, 4, 7} : std::vector<int>{3, 4, 7, 8}},
                     {r.vellumAbbreviation, {4, 8}}};
        for (int field = 0; field < 5; ++field) {
            const int expected = expectedFor(field, unit, used);
            for (const int nameType : texts[field].nameTypes) {
                if (texts[field].text != nullptr && nameType >= firstNameType && !(localized && nameType >= 5)) {
                    SCOPED_TRACE(testing::Message() << "unit " << unit << " name type " << nameType);
                    EXPECT_EQ(find(texts[field].text, nameType), expected);
                }
            }
        }
    }
    EXPECT_EQ(used.size(), std::size(kShared)); // every sharing named is real
}

TEST(GetBuiltinUnit, EveryTextOfEveryUnitFindsItsUnit) { expectEveryTextFindsItsUnit(0); }

TEST(GetBuiltinUnit, LoadedLocalizedTextsAreFoundAndHideTheEnglishOnes) {
    qelunits_detail::setLocalizedTextForTesting(QelUnit::watt, QelStringP(L"Vatio;Vatios;Vt;"));
    ASSERT_STREQ(QelUnit::singularName(QelUnit::watt, true), L"Vatio");
    expectCases({{L"VATIO", N::LocalizedSingularName, 14},
                 {L"vatios", N::LocalizedPluralName, 14},
                 {L"vt", N::LocalizedAbbreviation, 14},
                 {L"Vt", N::LocalizedVellumAbbreviation, 14}, // an empty field 3 stands for field 2
                 {L"Watt", N::LocalizedSingularName, 0},
                 {L"Watt", N::SingularName, 14}});
    expectEveryTextFindsItsUnit(5); // now by the scan
}

} // namespace
