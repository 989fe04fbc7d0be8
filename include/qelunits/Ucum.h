#ifndef QELUNITS_UCUM_H
#define QELUNITS_UCUM_H

// UCUM, the Unified Code for Units of Measure of healthcare messages, as a
// dialect of the value API: its case-sensitive codes ("mg/dL", "[lb_av]",
// "10*3/uL", "mm[Hg]", "Cel") read into a qelunits::Unit, and a Unit written
// as such a code.
//
// A UCUM text means what UCUM defines, atom by atom: "[ft_i]" is the
// international foot, "mm[Hg]" 133.322 Pa, "cal" the thermochemical calorie,
// "a" the Julian year, and "ft" a femtotonne (UCUM's foot is "[ft_i]").
// Annotations ("{cells}") mean 1. A lone "Cel" or "[degF]" is a reading, as a
// lone °C is. Arbitrary units ("[iU]") and levels ("dB", "[pH]") are refused:
// they convert by no factor. The mole, steradian and radian keep the value
// layer's dimensions, where UCUM counts a mole as 6.02214076e23 and the
// steradian as rad².
//
// Thread safety: free functions of no shared state but constant tables.

#include <qelunits/Error.h>
#include <qelunits/Export.h>
#include <qelunits/Quantity.h>

#include <string>
#include <string_view>

namespace qelunits {

/// Reads a UCUM code ("kg.m/s2", "mg/dL", "/[HPF]", "10*-3.g"); fails with UnknownUnit, RefusedText (arbitrary,
/// logarithmic and other non-ratio units, a prefix on a customary atom), Syntax or OutOfRange, at a code point.
QELUNITS_EXPORT Result<Unit> fromUcum(std::string_view text);

/// The UCUM code of unit, which fromUcum reads back to the same dimension and factor ("[ft_i]", "kW.h", "mg",
/// "Cel" for a reading in °C; a temperature difference as the degree of its absolute scale, "K" for Δ°C);
/// InvalidArgument for a unit no UCUM code writes (a named term of the catalogue's extensions).
QELUNITS_EXPORT Result<std::string> toUcum(const Unit& unit);

} // namespace qelunits

#endif
