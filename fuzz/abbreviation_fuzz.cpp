// formatAbbreviation on any text and format, against the steps written out
// plainly on standard strings.

#include "FuzzTarget.h"
#include "catalog/Abbreviations.h"

#include <cwctype>
#include <string>
#include <vector>

namespace {

using qelunits_fuzz::Input;
using qelunits_fuzz::require;

const std::wstring kMarker = L"!s!";

std::vector<std::wstring> splitAtMarkers(const std::wstring& text) {
    std::vector<std::wstring> pieces;
    std::size_t from = 0;
    for (std::size_t at = text.find(kMarker); at != std::wstring::npos; at = text.find(kMarker, from)) {
        pieces.push_back(text.substr(from, at - from));
        from = at + kMarker.size();
    }
    pieces.push_back(text.substr(from));
    return pieces;
}

bool allDigits(const std::wstring& s) {
    for (const wchar_t c : s) {
        if (c < L'0' || c > L'9') {
            return false;
        }
    }
    return !s.empty();
}

std::wstring stripInserts(const std::wstring& text) {
    if (text.size() < 5 || text.find(kMarker) == std::wstring::npos) {
        return text;
    }
    const std::vector<std::wstring> pieces = splitAtMarkers(text);
    std::wstring out;
    for (const std::wstring& piece : pieces) {
        const std::size_t percent = piece.rfind(L'%');
        const std::wstring tail = percent == std::wstring::npos ? std::wstring() : piece.substr(percent + 1);
        if (piece == pieces.back()) {
            out += piece;
        } else if (!tail.empty() && allDigits(tail)) {
            out += piece.substr(0, percent);
        } else {
            out += piece + kMarker;
        }
    }
    return out;
}

} // namespace

QELUNITS_FUZZ_TARGET(abbreviation) {
    Input in(data, size);
    const auto format = static_cast<QelUnit::AbbreviationFormats>(in.take<std::uint32_t>());
    const std::wstring whole = in.restAsText();
    const std::wstring text = whole.c_str(); // the function reads a C string
    const QelStringP result = qelunits_detail::formatAbbreviation(text.c_str(), format);
    const std::wstring expected = (format & 1U) != 0 ? stripInserts(text) : text;
    require(!result.IsNull(), "never the null text");
    require(result.c_str() == expected, "inserts removed as written, every other text unchanged");
    return 0;
}
