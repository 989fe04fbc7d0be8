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

// UTF-8 decoded on the stack, spilling to the heap only for long input; ASCII, the common case, is widened in
// one loop.
class WideText final : public WideSink {
public:
    /// False, with bad the code points decoded before the fault, for text that is not UTF-8.
    bool decode(std::string_view text, std::size_t& bad) {
        if (text.size() <= kInline) {
            std::size_t i = 0;
            for (; i < text.size() && static_cast<unsigned char>(text[i]) < 0x80; ++i) {
                mInline[i] = static_cast<wchar_t>(text[i]);
            }
            if (i == text.size()) {
                mCount = i;
                return true;
            }
        }
        return decodeUtf8(text, *this, bad);
    }
    void put(wchar_t c) override {
        if (mHeap.empty() && mCount < kInline) {
            mInline[mCount++] = c;
            return;
        }
        if (mHeap.empty()) {
            mHeap.assign(mInline, mCount);
        }
        mHeap.push_back(c);
    }
    std::wstring_view view() const { return mHeap.empty() ? std::wstring_view(mInline, mCount) : mHeap; }

private:
    static constexpr std::size_t kInline = 128;
    wchar_t mInline[kInline];
    std::size_t mCount = 0;
    std::wstring mHeap;
};

/// Appends the UTF-8 form of text; unpaired surrogates and values beyond U+10FFFF become U+FFFD.
void appendUtf8(std::string& out, std::wstring_view text);

} // namespace qelunits_detail

#endif
