#ifndef QELUNITS_SRC_PARSE_READUTF8_H
#define QELUNITS_SRC_PARSE_READUTF8_H

// A unit expression inside a longer UTF-8 text, such as the unit after a
// quantity's number, read once with positions that count from the text's start.

#include <qelunits/QelUnitParser.h>

#include <cstddef>
#include <string_view>

namespace qelunits_detail {

/// Reads text[from, to) as parseExpressionUtf8 does; positions count code points from text's start.
QelUnitParseResult readExpressionUtf8(std::string_view text, std::size_t from, std::size_t to);

} // namespace qelunits_detail

#endif
