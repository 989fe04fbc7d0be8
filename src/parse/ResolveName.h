#ifndef QELUNITS_SRC_PARSE_RESOLVENAME_H
#define QELUNITS_SRC_PARSE_RESOLVENAME_H

// Stage 2 of reading a unit expression: a name to the units it can mean.

#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitParser.h>

#include <cstddef>

namespace qelunits_detail {

/// A standard symbol that the catalogue writes otherwise.
struct UnitAlias {
    const wchar_t* text;
    QelUnit::BuiltinUnits unit;
};

// Consulted only where no catalogue text matches, in exact case: "S" and "H"
// are other units in SI, so folding would invite misreadings.
inline constexpr UnitAlias kUnitAliases[] = {
    {L"s", QelUnit::second},         {L"h", QelUnit::hour},         {L"K", QelUnit::kelvin},
    {L"deg", QelUnit::angle_degree}, {L"°", QelUnit::angle_degree}, {L"degC", QelUnit::celsius},
    {L"degF", QelUnit::fahrenheit},  {L"degR", QelUnit::rankine},
};

/// Every unit name[0, length) can mean, preferred first; aliases only where no catalogue text matches.
QelUnitCandidates findCandidates(const wchar_t* name, std::size_t length) noexcept;

/// The preferred unit for a name; false when the name means none.
bool resolveUnit(const wchar_t* name, std::size_t length, QelUnit::BuiltinUnits& unit) noexcept;

/// The catalogue text or alias closest to an unknown name (a typing slip or two), or null.
const wchar_t* suggestName(const wchar_t* name, std::size_t length) noexcept;

} // namespace qelunits_detail

#endif
