// formatAbbreviation on any text and format, against the steps written out
// plainly on standard strings.

#include "FuzzTarget.h"
#include "catalog/Abbreviations.h"

#include <cstddef>
#include <string>
#include <vector>

namespace {

using qelunits_fuzz::Input;
using qelunits_fuzz::require;

const std::wstring kMarker = L"!s!";

std::wstring stripInserts(const std::wstring& text) {
    if (text.size() < 5 || text.find(kMarker) == std::wstring::npos) {
        return text;
    }
    std::vector<std::wstring> pieces;
    for (std::size_t from = 0, at = 0; at != std::wstring::npos; from = at + kMarker.size()) {
        at = text.find(kMarker, from);
        pieces.push_back(text.substr(from, at - from));
    }
    std::wstring out;
    for (const std::wstring& piece : pieces) {
        // An insert is "%" and digits at the end of a piece; a piece equal to the last is kept whole.
        const std::size_t percent = piece.rfind(L'%');
        const bool insert = percent != std::wstring::npos && percent + 1 < piece.size() &&
                            piece.find_first_not_of(L"0123456789", percent + 1) == std::wstring::npos;
        out += piece == pieces.back() ? piece : insert ? piece.substr(0, percent) : piece + kMarker;
    }
    return out;
}

} // namespace

QELUNITS_FUZZ_TARGET(abbreviation) {
    Input in(data, size);
    const auto format = static_cast<QelUnit::AbbreviationFormats>(in.take<std::uint32_t>());
    const std::wstring text = in.restAsText().c_str(); // the function reads a C string
    const QelStringP result = qelunits_detail::formatAbbreviation(text.c_str(), format);
    const std::wstring expected = (format & 1U) != 0 ? stripInserts(text) : text;
    require(!result.IsNull(), "never the null text");
    require(result.c_str() == expected, "inserts removed as written, every other text unchanged");
    return 0;
}
