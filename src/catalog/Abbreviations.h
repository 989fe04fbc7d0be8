#ifndef QELUNITS_SRC_CATALOG_ABBREVIATIONS_H
#define QELUNITS_SRC_CATALOG_ABBREVIATIONS_H

// Post-processing of the abbreviation texts, reachable by tests and fuzzers.

#include <qelunits/QelCommon.h>
#include <qelunits/QelUnit.h>

namespace qelunits_detail {

/// text as the format asks: unchanged for AsStored; with StripInserts, each
/// message insert ("%" digits "!s!") removed, every other "!s!" kept in place.
QelStringP formatAbbreviation(const wchar_t* text, QelUnit::AbbreviationFormats format);

} // namespace qelunits_detail

#endif
