#include "catalog/LocalizedTexts.h"
#include "catalog/NameIndex.h"
#include "test_helpers.h"

#include "../fuzz/LookupReference.h"

#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cwchar>
#include <locale.h>
#include <string>
#include <tuple>
#include <vector>
#include <wchar.h>

namespace {

using qelunits_detail::findUnitsByText;
using qelunits_detail::kUnitTable;
using qelunits_detail::TextKind;
using qelunits_test::withCase;

using qelunits_test::Field;
using U = QelUnit::BuiltinUnits;

// By field of the catalogue.
constexpr TextKind kKinds[] = {TextKind::Internal, TextKind::Singular, TextKind::Plural, TextKind::Abbreviation,
                               TextKind::Vellum};

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

using N = QelUnit::NameType;

int find(const wchar_t* name, int nameType) {
    return QelUnit::getBuiltinUnit(QelStringP(name), static_cast<N>(nameType));
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

// Every text of every unit: the index finds for it, its case variants and near misses what a scan of the
// catalogue finds (an abbreviation or Vellum form also where either stands for the other), and each name type
// from firstNameType on that compares its field finds what the lookup reference finds.
void expectEveryTextFound(int firstNameType) {
    for (const auto& [unit, field, stored] : qelunits_test::catalogueTexts()) {
        const std::wstring text = stored;
        const std::wstring probes[] = {
            text,        withCase(text, 0), withCase(text, 1), withCase(text, 2),
            text + L"s", L" " + text,       text + L'\0',      text.substr(0, text.size() - (text.empty() ? 0 : 1))};
        for (const TextKind kind :
             {kKinds[field], field >= Field::Abbreviation ? TextKind::VellumOrAbbreviation : kKinds[field]}) {
            SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind) << " unit " << unit);
            for (const auto& probe : probes) {
                EXPECT_EQ(indexed(kind, probe), scan(kind, probe));
            }
        }
        const auto own = scan(kKinds[field], text);
        EXPECT_NE(std::find(own.begin(), own.end(), unit), own.end());
        const std::vector<int> nameTypes[] = {
            {N::InternalName},
            {N::SingularName, N::LocalizedSingularName},
            {N::PluralName, N::LocalizedPluralName},
            {N::Abbreviation, N::VellumAbbreviation, N::LocalizedAbbreviation, N::LocalizedVellumAbbreviation},
            {N::VellumAbbreviation, N::LocalizedVellumAbbreviation}};
        for (const int nameType : nameTypes[field]) {
            if (nameType >= firstNameType) {
                EXPECT_EQ(find(stored, nameType), qelunits_fuzz::referenceLookup(nameType, stored)) << nameType;
            }
        }
    }
}

TEST(GetBuiltinUnit, EveryTextOfEveryUnitFindsItsUnit) {
    expectEveryTextFound(0);
    EXPECT_EQ(findUnitsByText(TextKind::Plural, nullptr, 0).count, 1U);
    EXPECT_EQ(findUnitsByText(TextKind::Plural, nullptr, 3).count, 0U);
    const std::wstring huge(1U << 20U, L'm');
    EXPECT_EQ(findUnitsByText(TextKind::Abbreviation, huge.data(), huge.size()).count, 0U);
}

// Which of several units sharing a text wins, and the Vellum forms, are also tried on every text below.
TEST(GetBuiltinUnit, FoldsCaseTheLowestUnitWinsAndLoadedLocalizedTextsHideTheEnglishOnes) {
    // Name, name type, the unit found before and after watt's localized texts are loaded.
    const std::tuple<const wchar_t*, int, int, int> cases[] = {
        {L"METER", N::InternalName, 2, 2},
        {L"M", N::Abbreviation, 2, 2},            // not millenium (176)
        {L"sq m", N::VellumAbbreviation, 55, 55}, // through its abbreviation
        {L"M²", N::VellumAbbreviation, 55, 55},
        {L"m²", N::Abbreviation, 0, 0},
        {L"meter ", N::InternalName, 0, 0}, // no trimming
        {L"å", N::Abbreviation, 0, 0},      // only A to Z fold
        // Localized kinds compare the English text where the localized one is absent.
        {L"METERS", N::LocalizedPluralName, 2, 2},
        {L"sq m", N::LocalizedVellumAbbreviation, 0, 0}, // its Vellum form stands for it
        {L"VATIO", N::LocalizedSingularName, 0, 14},
        {L"vatios", N::LocalizedPluralName, 0, 14},
        {L"vt", N::LocalizedAbbreviation, 0, 14},
        {L"Vt", N::LocalizedVellumAbbreviation, 0, 14}, // an empty field 3 stands for field 2
        {L"Watt", N::LocalizedSingularName, 14, 0},
        {L"Watt", N::SingularName, 14, 14}};
    for (const auto& [name, nameType, before, after] : cases) {
        EXPECT_EQ(find(name, nameType), before) << name << " " << nameType;
    }
    qelunits_detail::setLocalizedTextForTesting(QelUnit::watt, QelStringP(L"Vatio;Vatios;Vt;"));
    ASSERT_STREQ(QelUnit::singularName(QelUnit::watt, true), L"Vatio"); // loads
    for (const auto& [name, nameType, before, after] : cases) {
        EXPECT_EQ(find(name, nameType), after) << name << " " << nameType << " loaded";
    }
    expectEveryTextFound(5); // now by the scan
    // Compared up to the first null character.
    EXPECT_EQ(QelUnit::getBuiltinUnit(QelStringP(L"m\0xyz", std::size_t{5}), N::Abbreviation), 2);
}

} // namespace
