#ifndef QELUNITS_FUZZ_FUZZTARGET_H
#define QELUNITS_FUZZ_FUZZTARGET_H

// One source per target serves twice: built with libFuzzer it defines
// LLVMFuzzerTestOneInput; built into the corpus replay test it defines
// qelunitsFuzz_<name>, which the replay calls on every file of fuzz/corpus/<name>/.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#ifdef QELUNITS_LIBFUZZER
#define QELUNITS_FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
#else
#define QELUNITS_FUZZ_TARGET(name) int qelunitsFuzz_##name(const std::uint8_t* data, std::size_t size)
#endif

namespace qelunits_fuzz {

/// A broken invariant. Uncaught under libFuzzer (a crash it records), reported by the replay.
struct InvariantBroken : std::logic_error {
    using std::logic_error::logic_error;
};

inline void require(bool condition, const char* what) {
    if (!condition) {
        throw InvariantBroken(what);
    }
}

/// Reads fixed-size values from the front of the input and the rest as text.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : mData(data), mSize(size) {}

    template <typename T>
    T take() {
        T value{};
        const std::size_t n = mSize < sizeof(T) ? mSize : sizeof(T);
        if (n != 0) {
            std::memcpy(&value, mData, n);
        }
        mData += n;
        mSize -= n;
        return value;
    }

    /// The remaining bytes as UTF-8 decoded leniently: a byte that starts no
    /// valid sequence stands for itself, so every input gives some text.
    std::wstring restAsText() {
        std::wstring out;
        while (mSize != 0) {
            const unsigned lead = mData[0];
            const std::size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
            std::uint32_t cp = lead & (0x3FU >> extra);
            std::size_t used = 1;
            for (; extra < mSize && used <= extra && (mData[used] & 0xC0U) == 0x80U; ++used) {
                cp = (cp << 6U) | (mData[used] & 0x3FU);
            }
            used = extra != 0 && used > extra ? used : 1; // a whole sequence, or the lead byte alone
            out.push_back(static_cast<wchar_t>(used > 1 ? cp : lead));
            mData += used;
            mSize -= used;
        }
        return out;
    }

private:
    const std::uint8_t* mData;
    std::size_t mSize;
};

} // namespace qelunits_fuzz

#endif
