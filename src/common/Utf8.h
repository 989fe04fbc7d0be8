#ifndef QELUNITS_SRC_COMMON_UTF8_H
#define QELUNITS_SRC_COMMON_UTF8_H

// UTF-8 to and from wide characters (UTF-32, or UTF-16 where wchar_t has 16 bits).

#include <cstddef>
#include <string>
#include <string_view>

namespace qelunits_detail {

/// Sink for decoded wide characters.
class WideSink {
public:
    virtual void put(wchar_t c) = 0;

protected:
    WideSink() = default;
    WideSink(const WideSink&) = default;
    WideSink& operator=(const WideSink&) = default;
    ~WideSink() = default;
};

/// Decodes strict UTF-8 (no overlong forms, no surrogates) into sink. On success
/// returns true; otherwise false with badIndex the number of code points decoded
/// before the fault.
bool decodeUtf8(std::string_view text, WideSink& sink, std::size_t& badIndex);

/// Appends the UTF-8 form of text; unpaired surrogates and values beyond U+10FFFF become U+FFFD.
void appendUtf8(std::string& out, std::wstring_view text);

} // namespace qelunits_detail

#endif
