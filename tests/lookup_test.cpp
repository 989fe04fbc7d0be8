#include "catalog/LocalizedTexts.h"
#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"

#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cwchar>
#include <cwctype>
#include <iterator>
#include <locale.h>
#include <set>
#include <string>
#include <vector>
#include <wchar.h>

namespace {

using qelunits_detail::findUnitsByText;
using qelunits_detail::kUnitTable;
using qelunits_detail::TextKind;

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

std::wstring mapAscii(std::wstring text, int how) {
    for (wchar_t& c : text) {
        if (c < 0x80) {
            const bool upper = how == 1 || (how == 2 && std::iswlower(static_cast<wint_t>(c)));
            c = static_cast<wchar_t>(upper ? std::towupper(static_cast<wint_t>(c))
                                           : std::towlower(static_cast<wint_t>(c)));
        }
    }
    return text;
}

TEST(NameIndex, AgreesWithTheScanForEveryTextItsCaseVariantsAndNearMisses) {
    int checked = 0;
    for (const TextKind kind : kKinds) {
        for (int unit = 0; unit < QelUnit::kUnitCount; ++unit) {
            const wchar_t* stored = textOf(unit, kind);
            if (stored == nullptr) {
                continue;
            }
            const std::wstring text = stored;
            std::vector<std::wstring> probes = {text,
                                                mapAscii(text, 0),
                                                mapAscii(text, 1),
                                                mapAscii(text, 2),
                                                text + L"s",
                                                L" " + text,
                                                text + std::wstring(1, L'\0')};
            if (!text.empty()) {
                probes.push_back(text.substr(0, text.size() - 1));
            }
            for (const auto& probe : probes) {
                SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind) << " unit " << unit);
                const auto expected = scan(kind, probe);
                EXPECT_EQ(indexed(kind, probe), expected);
                checked += expected.empty() ? 0 : 1;
            }
            // The stored text itself always finds its own unit.
            EXPECT_NE(scan(kind, text).size(), 0U);
        }
    }
    EXPECT_GT(checked, 349 * 6);
}

TEST(NameIndex, MissesAndFoldingOfAToZOnly) {
    const struct {
        TextKind kind;
        const wchar_t* text;
        std::vector<int> units;
    } cases[] = {
        {TextKind::Abbreviation, L"M", {2, 176, 180}}, // meter, millenium, angle_minute
        {TextKind::Abbreviation, L"a", {5, 58}},       // ampere, are
        {TextKind::Abbreviation, L"å", {}},            // Å is not folded
        {TextKind::Abbreviation, L"Å", {17}},
        {TextKind::Vellum, L"M²", {55}},
        {TextKind::Vellum, L"m", {}}, // meter has no Vellum form
        {TextKind::VellumOrAbbreviation, L"m", {2, 176, 180}},
        {TextKind::VellumOrAbbreviation, L"sq m", {}}, // its Vellum form hides it
        {TextKind::Plural, L"", {0}},
        {TextKind::Internal, L"", {}},
        {TextKind::Internal, L"no such unit", {}},
        {TextKind::Singular, L"SQUARE MILE", {83, 340}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " " << c.text);
        EXPECT_EQ(indexed(c.kind, c.text), c.units);
        EXPECT_EQ(scan(c.kind, c.text), c.units);
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

TEST(GetBuiltinUnit, FoldsCaseAndTheLowestUnitWins) {
    const struct {
        const wchar_t* name;
        int nameType;
        int unit;
    } cases[] = {
        {L"meter", N::InternalName, 2},
        {L"METER", N::InternalName, 2},
        {L"Meter", N::SingularName, 2},
        {L"meters", N::PluralName, 2},
        {L"M", N::Abbreviation, 2},      // not millenium (176)
        {L"d", N::Abbreviation, 169},    // day, not angle_degree (179)
        {L"a", N::Abbreviation, 5},      // ampere, not are (58)
        {L"sq mi", N::Abbreviation, 83}, // square_mile_statute, not square_mile (340)
        {L"Square mile", N::SingularName, 83},
        {L"m²", N::VellumAbbreviation, 55},
        {L"M²", N::VellumAbbreviation, 55},
        {L"sq m", N::VellumAbbreviation, 55}, // through its abbreviation
        {L"m", N::VellumAbbreviation, 2},
        {L"º", N::VellumAbbreviation, 179},
        {L"m²", N::Abbreviation, 0},
        {L"", N::PluralName, 0}, // dimensionless's plural name is empty
        {L"", N::InternalName, 0},
        {L"meter ", N::InternalName, 0}, // no trimming
        {L"å", N::Abbreviation, 0},      // only A to Z fold
        {L"Å", N::Abbreviation, 17},
        // Localized kinds compare the English text where the localized one is absent.
        {L"Meter", N::LocalizedSingularName, 2},
        {L"METERS", N::LocalizedPluralName, 2},
        {L"sq m", N::LocalizedAbbreviation, 55},
        {L"m²", N::LocalizedVellumAbbreviation, 55},
        {L"sq m", N::LocalizedVellumAbbreviation, 0}, // its Vellum form stands for it
        {L"m", N::LocalizedVellumAbbreviation, 2},
        {L"meter", 9, 0},
        {L"meter", -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " " << c.nameType);
        EXPECT_EQ(find(c.name, c.nameType), c.unit);
    }
    // Compared up to the first null character.
    EXPECT_EQ(QelUnit::getBuiltinUnit(QelStringP(L"m\0xyz", std::size_t{5}), N::Abbreviation), 2);
}

TEST(GetBuiltinUnit, NullNameThrowsUnlessTheNameTypeIsOutOfRange) {
    const QelStringP null(nullptr, false);
    for (int nameType = -1; nameType <= 9; ++nameType) {
        SCOPED_TRACE(nameType);
        if (nameType < 0 || nameType > 8) {
            EXPECT_EQ(QelUnit::getBuiltinUnit(null, static_cast<N>(nameType)), 0);
            continue;
        }
        try {
            QelUnit::getBuiltinUnit(null, static_cast<N>(nameType));
            ADD_FAILURE() << "no exception";
        } catch (QelIDisposable* caught) {
            auto* exception = dynamic_cast<QelException*>(caught);
            ASSERT_NE(exception, nullptr);
            EXPECT_STREQ(exception->GetMessage(), L"QEL_14_NULLSTRING");
            caught->Dispose();
        }
    }
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

// Every name and abbreviation a unit has finds it again, or the lower unit that shares it.
void expectEveryTextFindsItsUnit(const std::vector<int>& nameTypes) {
    std::set<int> used;
    for (int unit = 0; unit < QelUnit::kUnitCount; ++unit) {
        const auto& r = kUnitTable[unit];
        const bool localized = qelunits_detail::localizedField(static_cast<QelUnit::BuiltinUnits>(unit),
                                                               qelunits_detail::LocalizedField::Singular) != nullptr;
        const int abbreviation = expectedFor(3, unit, used);
        const int vellum = r.vellumAbbreviation != nullptr ? expectedFor(4, unit, used) : abbreviation;
        const struct {
            int nameType;
            const wchar_t* text;
            int unit;
        } texts[] = {
            {N::InternalName, r.internalName, unit},
            {N::SingularName, r.singularName, expectedFor(1, unit, used)},
            {N::PluralName, r.pluralName, expectedFor(2, unit, used)},
            {N::Abbreviation, r.defaultAbbreviation, abbreviation},
            {N::VellumAbbreviation, r.defaultAbbreviation, abbreviation},
            {N::VellumAbbreviation, textOf(unit, TextKind::VellumOrAbbreviation), vellum},
            {N::LocalizedSingularName, r.singularName, expectedFor(1, unit, used)},
            {N::LocalizedPluralName, r.pluralName, expectedFor(2, unit, used)},
            {N::LocalizedAbbreviation, r.defaultAbbreviation, abbreviation},
            {N::LocalizedVellumAbbreviation, textOf(unit, TextKind::VellumOrAbbreviation), vellum},
        };
        for (const auto& t : texts) {
            if (std::find(nameTypes.begin(), nameTypes.end(), t.nameType) == nameTypes.end() ||
                (localized && t.nameType >= N::LocalizedSingularName)) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << "unit " << unit << " name type " << t.nameType);
            EXPECT_EQ(find(t.text, t.nameType), t.unit);
        }
    }
    EXPECT_EQ(used.size(), std::size(kShared)); // every named sharing is real
}

TEST(GetBuiltinUnit, EveryTextOfEveryUnitFindsItsUnit) { expectEveryTextFindsItsUnit({0, 1, 2, 3, 4, 5, 6, 7, 8}); }

TEST(GetBuiltinUnit, LoadedLocalizedTextsAreFoundAndHideTheEnglishOnes) {
    qelunits_detail::setLocalizedTextForTesting(QelUnit::watt, QelStringP(L"Vatio;Vatios;Vt;"));
    ASSERT_STREQ(QelUnit::singularName(QelUnit::watt, true), L"Vatio");
    const struct {
        const wchar_t* name;
        int nameType;
        int unit;
    } cases[] = {
        {L"VATIO", N::LocalizedSingularName, 14},
        {L"vatios", N::LocalizedPluralName, 14},
        {L"vt", N::LocalizedAbbreviation, 14},
        {L"Vt", N::LocalizedVellumAbbreviation, 14}, // empty field: as field 2
        {L"Watt", N::LocalizedSingularName, 0},
        {L"Watt", N::SingularName, 14},
        {L"W", N::LocalizedAbbreviation, 0},
        {L"W", N::Abbreviation, 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " " << c.nameType);
        EXPECT_EQ(find(c.name, c.nameType), c.unit);
    }
    expectEveryTextFindsItsUnit({5, 6, 7, 8}); // now by the scan
}

} // namespace
