#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"

#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <cwctype>
#include <locale.h>
#include <string>
#include <vector>
#include <wchar.h>

namespace {

using qelunits_detail::findUnitsByText;
using qelunits_detail::kUnitTable;
using qelunits_detail::TextKind;

constexpr TextKind kKinds[] = {TextKind::Internal,     TextKind::Singular, TextKind::Plural,
                               TextKind::Abbreviation, TextKind::Vellum,   TextKind::VellumOrAbbreviation};

const wchar_t* textOf(int unit, TextKind kind) {
    const auto& r = kUnitTable[unit];
    switch (kind) {
    case TextKind::Internal:
        return r.internalName;
    case TextKind::Singular:
        return r.singularName;
    case TextKind::Plural:
        return r.pluralName;
    case TextKind::Abbreviation:
        return r.defaultAbbreviation;
    case TextKind::Vellum:
        return r.vellumAbbreviation;
    case TextKind::VellumOrAbbreviation:
        break;
    }
    return r.vellumAbbreviation != nullptr ? r.vellumAbbreviation : r.defaultAbbreviation;
}

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
