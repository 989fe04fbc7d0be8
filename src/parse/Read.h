#ifndef QELUNITS_SRC_PARSE_READ_H
#define QELUNITS_SRC_PARSE_READ_H

// Reading a whole unit text: one lookup in front for a text that is one known
// name ("ft", "L/min", "sq ft", "kJ") or two plain words around '/' ("ft/min"), the reader for the rest.

#include "parse/Reader.h"

#include <qelunits/QelCommon.h>
#include <qelunits/QelUnitExpression.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace qelunits_detail {

/// Reads text[from, length) into out (which arrives as 1 × dimensionless); false with failure filled in,
/// its positions counted from text.
bool readText(const wchar_t* text, std::size_t from, std::size_t length, QelUnitExpression& out, ParseFailure& failure);

/// The same by the reader alone, without the lookup in front.
bool readByGrammar(const wchar_t* text, std::size_t from, std::size_t length, QelUnitExpression& out,
                   ParseFailure& failure);

/// Up to two catalogue units, each to the power 1 or -1.
struct PlainUnits {
    QelUnitFactor units[2] = {};
    std::size_t count = 0;
};

/// A short ASCII text that is one plain spelling ("ft", "sq ft", "L/min") or two plain words around '/'
/// ("ft/min"), read as readText reads it but without decoding or building an expression; false for any other
/// text, which the reader reads.
bool readPlainAscii(std::string_view text, PlainUnits& out) noexcept;

/// The notes of the short spellings a text uses, each once.
NoteSink notesOf(const wchar_t* text, std::size_t length);

/// The base dimensions of a type in symbols kg, m, s, K, A, mol, cd, rad, sr, Hz: "kg·m/s^2"; "1" if none.
std::wstring dimensionText(const QelUnitType& type);

/// scale written before the written type: "1e-06 kg", "1000/hr", "2·(m/s)^2".
std::wstring numberedText(double scale, std::wstring_view written);

/// The shortest decimal text that reads back as value ("1e-06", "0.01").
std::wstring shortestNumber(double value);

/// The message for a failure ("unknown unit 'fot' at 0; did you mean 'ft'?").
QelStringP describeFailure(const wchar_t* text, std::size_t length, const ParseFailure& failure);

} // namespace qelunits_detail

#endif
