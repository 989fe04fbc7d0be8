#include "common/Utf8.h"

#include <cstdint>
#include <type_traits>

namespace qelunits_detail {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void putCodePoint(WideSink& sink, char32_t c) {
    if (kWideIsUtf16 && c > 0xFFFF) {
        const char32_t v = c - 0x10000;
        sink.put(static_cast<wchar_t>(0xD800 + (v >> 10)));
        sink.put(static_cast<wchar_t>(0xDC00 + (v & 0x3FF)));
    } else {
        sink.put(static_cast<wchar_t>(c));
    }
}

// Length of the sequence a lead byte starts, 0 for a byte that cannot start one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

void appendCodePoint(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace

bool decodeUtf8(std::string_view text, WideSink& sink, std::size_t& badIndex) {
    std::size_t decoded = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || text.size() - i < length) {
            badIndex = decoded;
            return false;
        }
        char32_t c = length == 1 ? lead : static_cast<char32_t>(lead & (0x7F >> length));
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                badIndex = decoded;
                return false;
            }
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong three- and four-byte forms, surrogates and values past U+10FFFF.
        const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (overlong || isSurrogate(c) || c > 0x10FFFF) {
            badIndex = decoded;
            return false;
        }
        putCodePoint(sink, c);
        ++decoded;
        i += length;
    }
    return true;
}

void appendUtf8(std::string& out, std::wstring_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[i]));
        if (kWideIsUtf16 && c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            const auto low = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[i + 1]));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        appendCodePoint(out, isSurrogate(c) || c > 0x10FFFF ? kReplacement : c);
    }
}

} // namespace qelunits_detail
