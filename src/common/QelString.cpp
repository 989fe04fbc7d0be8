#include <qelunits/QelCommon.h>

#include <cstdarg>
#include <cstring>
#include <cwchar>
#include <new>
#include <utility>
#include <vector>

namespace {

std::size_t textLength(const wchar_t* text) { return text == nullptr ? 0 : std::wcslen(text); }

// Index of the last occurrence of delimiter in text, or npos.
constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

std::size_t findLast(const wchar_t* text, std::size_t length, const wchar_t* delimiter) {
    const std::size_t dlen = textLength(delimiter);
    if (dlen == 0 || dlen > length) {
        return kNotFound;
    }
    for (std::size_t i = length - dlen + 1; i-- > 0;) {
        if (std::wmemcmp(text + i, delimiter, dlen) == 0) {
            return i;
        }
    }
    return kNotFound;
}

} // namespace

const QelStringP QelStringP::mEmptyString;

QelStringP::QelStringP(const wchar_t* text, bool /*reserved*/) {
    if (text == nullptr) {
        mIsNull = true;
    } else {
        assign(text, std::wcslen(text));
    }
}

QelStringP::QelStringP(const wchar_t* text, std::size_t length) {
    if (text == nullptr) {
        mIsNull = true;
    } else {
        assign(text, length);
    }
}

QelStringP::QelStringP(const QelStringP& other) : mIsNull(other.mIsNull) { assign(other.mText, other.mLength); }

QelStringP::QelStringP(QelStringP&& other) noexcept
    : mText(other.mText), mLength(other.mLength), mIsNull(other.mIsNull) {
    other.mText = nullptr;
    other.mLength = 0;
    other.mIsNull = false;
}

QelStringP& QelStringP::operator=(const QelStringP& other) {
    if (this != &other) {
        QelStringP copy(other);
        *this = std::move(copy);
    }
    return *this;
}

QelStringP& QelStringP::operator=(QelStringP&& other) noexcept {
    if (this != &other) {
        delete[] mText;
        mText = other.mText;
        mLength = other.mLength;
        mIsNull = other.mIsNull;
        other.mText = nullptr;
        other.mLength = 0;
        other.mIsNull = false;
    }
    return *this;
}

QelStringP& QelStringP::operator=(const wchar_t* text) {
    QelStringP copy(text);
    return *this = std::move(copy);
}

QelStringP::~QelStringP() { delete[] mText; }

void QelStringP::assign(const wchar_t* text, std::size_t length) {
    if (length == 0) {
        return;
    }
    auto* buffer = new wchar_t[length + 1];
    std::wmemcpy(buffer, text, length);
    buffer[length] = L'\0';
    mText = buffer;
    mLength = length;
}

QelStringP::operator const wchar_t*() const noexcept { return mIsNull ? nullptr : c_str(); }

const wchar_t* QelStringP::c_str() const noexcept { return mText != nullptr ? mText : L""; }

bool QelStringP::operator==(const wchar_t* text) const noexcept {
    if (mIsNull || text == nullptr) {
        return mIsNull && text == nullptr;
    }
    return std::wcscmp(c_str(), text) == 0;
}

QelStringP QelStringP::Left(const wchar_t* delimiter) const {
    const std::size_t at = findLast(c_str(), mLength, delimiter);
    return at == kNotFound ? *this : QelStringP(c_str(), at);
}

QelStringP QelStringP::Right(const wchar_t* delimiter) const {
    const std::size_t at = findLast(c_str(), mLength, delimiter);
    if (at == kNotFound) {
        return {};
    }
    const std::size_t from = at + textLength(delimiter);
    return {c_str() + from, mLength - from};
}

QelStringP QelStringP::Mid(unsigned int first, unsigned int second, bool /*reserved*/) const {
    const std::size_t begin = first < mLength ? first : mLength;
    const std::size_t end = second < mLength ? second : mLength;
    return end > begin ? QelStringP(c_str() + begin, end - begin) : QelStringP();
}

bool QelStringP::IsNumber() const noexcept {
    if (mLength == 0) {
        return false;
    }
    for (std::size_t i = 0; i < mLength; ++i) {
        if (mText[i] < L'0' || mText[i] > L'9') {
            return false;
        }
    }
    return true;
}

QelStringP& QelStringP::operator+=(const QelStringP& other) {
    if (other.mLength == 0) {
        mIsNull = mIsNull && other.mIsNull;
        return *this;
    }
    auto* buffer = new wchar_t[mLength + other.mLength + 1];
    if (mLength != 0) {
        std::wmemcpy(buffer, mText, mLength);
    }
    std::wmemcpy(buffer + mLength, other.mText, other.mLength);
    buffer[mLength + other.mLength] = L'\0';
    delete[] mText;
    mText = buffer;
    mLength += other.mLength;
    mIsNull = false;
    return *this;
}

QelStringP QelStringP::Format(const wchar_t* format, ...) {
    if (format == nullptr) {
        return {};
    }
    std::vector<wchar_t> buffer(64 + std::wcslen(format));
    for (;;) {
        va_list args;
        va_start(args, format);
        const int written = std::vswprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (written >= 0 && static_cast<std::size_t>(written) < buffer.size()) {
            return {buffer.data(), static_cast<std::size_t>(written)};
        }
        // vswprintf does not say how much room it needs; a bad format also lands here.
        if (buffer.size() > (std::size_t{1} << 24U)) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
}
