#ifndef QELUNITS_SRC_CATALOG_NAMEINDEX_H
#define QELUNITS_SRC_CATALOG_NAMEINDEX_H

// Case-insensitive index of the English texts of the unit table, shared by the
// lookup by name and the unit-expression parser. Built from constant data;
// lookups take no lock and allocate nothing.

#include <qelunits/QelUnit.h>

#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

/// The English texts of a unit, one kind at a time.
enum class TextKind : std::uint8_t {
    Internal,     // internalName
    Singular,     // singularName
    Plural,       // pluralName
    Abbreviation, // defaultAbbreviation
    Vellum,       // vellumAbbreviation (units that have one)
    VellumOrAbbreviation, // vellumAbbreviation where present, else defaultAbbreviation
};

/// Folds A to Z only, as the C runtime's case-insensitive wide compare does in the "C" locale.
constexpr wchar_t foldCase(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

/// The units whose text of the given kind equals a text ignoring case, ascending.
struct UnitMatches {
    const std::uint16_t* units = nullptr;
    std::size_t count = 0;
};

/// Every unit whose text of kind equals text[0, length) with A to Z folded, lowest code first.
UnitMatches findUnitsByText(TextKind kind, const wchar_t* text, std::size_t length) noexcept;

} // namespace qelunits_detail

#endif
