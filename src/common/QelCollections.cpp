#include <qelunits/QelCommon.h>

#include <cstdarg>
#include <cwchar>
#include <string>
#include <vector>

void QelIDisposable::Dispose() { delete this; }

QelIDisposable::~QelIDisposable() = default;

QelStringElement* QelStringElement::Create(const QelStringP& text) { return new QelStringElement(text); }

struct QelStringCollection::Pieces {
    std::vector<QelStringP> items;
};

QelStringCollection::QelStringCollection() : mPieces(new Pieces) {}

QelStringCollection::~QelStringCollection() { delete mPieces; }

QelStringCollection* QelStringCollection::Create(const QelStringP& text, const wchar_t* delimiter, bool /*reserved*/) {
    auto* collection = new QelStringCollection;
    try {
        const wchar_t* rest = text.c_str();
        const std::size_t length = text.GetLength();
        const std::size_t dlen = delimiter == nullptr ? 0 : std::wcslen(delimiter);
        if (length != 0) {
            const wchar_t* end = rest + length;
            const wchar_t* pieceStart = rest;
            const wchar_t* p = rest;
            while (dlen != 0 && static_cast<std::size_t>(end - p) >= dlen) {
                if (std::wmemcmp(p, delimiter, dlen) == 0) {
                    collection->mPieces->items.emplace_back(pieceStart, static_cast<std::size_t>(p - pieceStart));
                    p += dlen;
                    pieceStart = p;
                } else {
                    ++p;
                }
            }
            collection->mPieces->items.emplace_back(pieceStart, static_cast<std::size_t>(end - pieceStart));
        }
    } catch (...) {
        collection->Dispose();
        throw;
    }
    return collection;
}

unsigned int QelStringCollection::GetCount() const noexcept { return static_cast<unsigned int>(mPieces->items.size()); }

QelStringElement* QelStringCollection::GetElement(unsigned int index) const {
    return index < mPieces->items.size() ? QelStringElement::Create(mPieces->items[index]) : nullptr;
}

QelException* QelException::Create(const QelStringP& message) { return new QelException(message); }

QelStringP QelException::NLSGetMessage(unsigned int /*id*/, const char* defaultText, ...) {
    if (defaultText == nullptr) {
        return {};
    }
    // The default texts are ASCII; each byte is widened as it stands.
    std::wstring wide;
    for (const char* p = defaultText; *p != '\0'; ++p) {
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*p)));
    }
    return {wide.c_str(), wide.size()};
}
