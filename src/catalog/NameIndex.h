#ifndef QELUNITS_SRC_CATALOG_NAMEINDEX_H
#define QELUNITS_SRC_CATALOG_NAMEINDEX_H

// Case-insensitive index of the English texts of the unit table, shared by the
// lookup by name and the unit-expression parser. Built from constant data;
// lookups take no lock and allocate nothing.

#include "catalog/Catalog.h"
#include "catalog/UnitTable.h"

#include <qelunits/QelUnit.h>

#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

/// The English texts of a unit, one kind at a time.
enum class TextKind : std::uint8_t {
    Internal,             // internalName
    Singular,             // singularName
    Plural,               // pluralName
    Abbreviation,         // defaultAbbreviation
    Vellum,               // vellumAbbreviation (units that have one)
    VellumOrAbbreviation, // vellumAbbreviation where present, else defaultAbbreviation
};

/// Folds A to Z only, as the C runtime's case-insensitive wide compare does in the "C" locale.
constexpr wchar_t foldCase(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

/// One kind of English text that names a unit.
struct TextKindInfo {
    TextKind kind;
    QelUnit::NameType nameType;        // what the lookup by name calls it
    const wchar_t* UnitRecord::*field; // null in a record where the unit has no such text
    bool symbol;                       // an abbreviation, whose case tells units apart ("mm", "Mm")
};

/// The texts that name a unit, in the order in which candidates report a match.
inline constexpr TextKindInfo kUnitTextKinds[] = {
    {TextKind::Abbreviation, QelUnit::Abbreviation, &UnitRecord::defaultAbbreviation, true},
    {TextKind::Vellum, QelUnit::VellumAbbreviation, &UnitRecord::vellumAbbreviation, true},
    {TextKind::Internal, QelUnit::InternalName, &UnitRecord::internalName, false},
    {TextKind::Singular, QelUnit::SingularName, &UnitRecord::singularName, false},
    {TextKind::Plural, QelUnit::PluralName, &UnitRecord::pluralName, false},
};

constexpr std::size_t rowOfKind(TextKind kind) {
    std::size_t row = 0;
    while (row + 1 < sizeof(kUnitTextKinds) / sizeof(kUnitTextKinds[0]) && kUnitTextKinds[row].kind != kind) {
        ++row;
    }
    return kUnitTextKinds[row].kind == kind ? row : 1; // VellumOrAbbreviation: the Vellum row
}

// The row of each kind, so that a lookup costs an index, not a search.
inline constexpr std::uint8_t kKindRows[] = {rowOfKind(TextKind::Internal), rowOfKind(TextKind::Singular),
                                             rowOfKind(TextKind::Plural),   rowOfKind(TextKind::Abbreviation),
                                             rowOfKind(TextKind::Vellum),   rowOfKind(TextKind::VellumOrAbbreviation)};

/// The row of kUnitTextKinds for kind (VellumOrAbbreviation gives the Vellum row).
constexpr const TextKindInfo& textKindInfo(TextKind kind) noexcept {
    return kUnitTextKinds[kKindRows[static_cast<std::size_t>(kind)]];
}

/// The record's English text of kind; null for Vellum where the unit has none.
constexpr const wchar_t* textOf(const UnitRecord& record, TextKind kind) noexcept {
    const wchar_t* text = record.*textKindInfo(kind).field;
    return kind == TextKind::VellumOrAbbreviation && text == nullptr ? record.defaultAbbreviation : text;
}

/// True when text[0, length) equals the terminated text stored, with A to Z folded.
constexpr bool equalsFolded(const wchar_t* text, std::size_t length, const wchar_t* stored) noexcept {
    for (std::size_t i = 0; i < length; ++i) {
        if (stored[i] == L'\0' || foldCase(text[i]) != foldCase(stored[i])) {
            return false;
        }
    }
    return stored[length] == L'\0';
}

/// True when text[0, length) equals the terminated text stored, case and all; false for a null stored text.
constexpr bool equalsExactly(const wchar_t* text, std::size_t length, const wchar_t* stored) noexcept {
    if (stored == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (stored[i] == L'\0' || text[i] != stored[i]) {
            return false;
        }
    }
    return stored[length] == L'\0';
}

/// The units whose text of the given kind equals a text ignoring case, ascending.
struct UnitMatches {
    const std::uint16_t* units = nullptr;
    std::size_t count = 0;
};

/// Every unit whose text of kind equals text[0, length) with A to Z folded, lowest code first.
UnitMatches findUnitsByText(TextKind kind, const wchar_t* text, std::size_t length) noexcept;

/// True for a unit of an SI base quantity: mass, length, time, temperature,
/// current, amount of substance, luminous intensity.
constexpr bool isSiBaseQuantity(const UnitRecord& record) noexcept {
    return record.type >= QelUnit::Mass && record.type <= QelUnit::LuminousIntensity;
}

/// Among units that share a name, whether a goes before b: a unit of an SI base
/// quantity first ("m" is the meter before the angle minute), then the lower code.
constexpr bool preferredUnit(std::int32_t a, std::int32_t b) noexcept {
    const bool aBase = isSiBaseQuantity(kUnitTable[a]);
    const bool bBase = isSiBaseQuantity(kUnitTable[b]);
    return aBase != bBase ? aBase : a < b;
}

/// One English text of a unit: textOf(kUnitTable[unit], kind).
struct NameEntry {
    const wchar_t* text; // textOf(kUnitTable[unit], kind), kept here so that a lookup reads one row
    std::uint16_t unit;
    TextKind kind;
    bool symbol; // textKindInfo(kind).symbol
};

/// The entries whose text equals a name ignoring case.
struct NameEntries {
    const NameEntry* items = nullptr;
    std::size_t count = 0;
};

/// Every abbreviation, Vellum form, internal, singular and plural text that equals
/// text[0, length) with A to Z folded (none for an empty name): units of an SI base
/// quantity first, then by code, then in that order of kinds.
NameEntries findEnglishTexts(const wchar_t* text, std::size_t length) noexcept;
/// The same for a text whose folded hash (hashFolded in HashedTexts.h) the caller has already.
NameEntries findEnglishTexts(const wchar_t* text, std::size_t length, std::uint32_t hash) noexcept;

} // namespace qelunits_detail

#endif
