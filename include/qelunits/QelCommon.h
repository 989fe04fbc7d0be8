#ifndef QELUNITS_QELCOMMON_H
#define QELUNITS_QELCOMMON_H

// Thread safety: QelStringP and QelStringCollection are values that share nothing between copies: distinct
// objects may be used from any threads, one object read from several at once. An exception object belongs
// to the thread that caught it.

#include <qelunits/Export.h>

#include <cstddef>
#include <memory>
#include <string_view>

/// A wide-character string value. It may also be the null text (built from a
/// null pointer), which converts back to a null pointer.
class QELUNITS_EXPORT QelStringP {
public:
    /// The empty text.
    constexpr QelStringP() noexcept = default;
    /// A copy of text; a null pointer gives the null text. The flag is unused.
    QelStringP(const wchar_t* text, bool reserved = false); // NOLINT(google-explicit-constructor)
    /// A copy of the first length characters of text.
    QelStringP(const wchar_t* text, std::size_t length);
    /// A copy of other, null text included.
    QelStringP(const QelStringP& other);
    /// Takes over other's text; other becomes the empty text.
    QelStringP(QelStringP&& other) noexcept;
    /// Copies other, null text included.
    QelStringP& operator=(const QelStringP& other);
    /// Takes over other's text; other becomes the empty text.
    QelStringP& operator=(QelStringP&& other) noexcept;
    /// A copy of text; a null pointer gives the null text.
    QelStringP& operator=(const wchar_t* text);
    ~QelStringP();

    /// The text (never null unless this is the null text), valid while this object is unchanged.
    operator const wchar_t*() const noexcept; // NOLINT(google-explicit-constructor)
    /// The text, or "" for the null text.
    const wchar_t* c_str() const noexcept;
    /// Equality of texts; the null text equals only a null pointer.
    bool operator==(const wchar_t* text) const noexcept;
    /// The negation of ==.
    bool operator!=(const wchar_t* text) const noexcept { return !(*this == text); }
    /// True for the null text.
    bool IsNull() const noexcept { return mIsNull; }
    /// Number of characters.
    unsigned int GetLength() const noexcept { return static_cast<unsigned int>(mLength); }
    /// The text as a view, valid while this object is unchanged; empty for the null text.
    std::wstring_view view() const noexcept { return {mText != nullptr ? mText : L"", mLength}; }

    /// The part before the last occurrence of delimiter; the whole text when it does not occur.
    QelStringP Left(const wchar_t* delimiter) const;
    /// The part after the last occurrence of delimiter; the empty text when it does not occur.
    QelStringP Right(const wchar_t* delimiter) const;
    /// Characters first up to (not including) second, clamped to the text. The flag is unused.
    QelStringP Mid(unsigned int first, unsigned int second, bool reserved = false) const;
    /// True when the text is non-empty and consists of decimal digits 0 to 9 only.
    bool IsNumber() const noexcept;
    /// Appends other's text.
    QelStringP& operator+=(const QelStringP& other);

    /// The text formatted as by swprintf; "%s" takes a wide text.
    static QelStringP Format(const wchar_t* format, ...);
    /// The empty text.
    static const QelStringP mEmptyString;

private:
    void assign(const wchar_t* text, std::size_t length);

    wchar_t* mText = nullptr; // owned; null for the empty and the null text
    std::size_t mLength = 0;
    bool mIsNull = false;
};

/// Base of heap objects handed to callers: the holder calls Dispose() instead of delete.
class QELUNITS_EXPORT QelIDisposable {
public:
    /// Destroys the object.
    virtual void Dispose();

protected:
    QelIDisposable() = default;
    /// Derived classes may copy.
    QelIDisposable(const QelIDisposable&) = default;
    /// Derived classes may assign.
    QelIDisposable& operator=(const QelIDisposable&) = default;
    virtual ~QelIDisposable();
};

/// One piece of a QelStringCollection.
class QELUNITS_EXPORT QelStringElement : public QelIDisposable {
public:
    /// A new element holding text.
    static QelStringElement* Create(const QelStringP& text);
    /// The piece's text.
    QelStringP GetString() const { return mText; }

private:
    explicit QelStringElement(const QelStringP& text) : mText(text) {}
    ~QelStringElement() override = default;
    QelStringP mText;
};

/// The pieces of a text between whole occurrences of a delimiter.
class QELUNITS_EXPORT QelStringCollection : public QelIDisposable {
public:
    /// Splits text at each whole occurrence of delimiter. Empty pieces are kept
    /// ("a;;b" gives "a", "", "b"); the empty text gives no piece. The flag is unused.
    static QelStringCollection* Create(const QelStringP& text, const wchar_t* delimiter, bool reserved = false);
    /// Number of pieces.
    unsigned int GetCount() const noexcept;
    /// A new element for piece index (the caller disposes it), or null past the end.
    QelStringElement* GetElement(unsigned int index) const;

    QelStringCollection(const QelStringCollection&) = delete;
    QelStringCollection& operator=(const QelStringCollection&) = delete;

private:
    QelStringCollection();
    ~QelStringCollection() override;
    struct Pieces;
    Pieces* mPieces;
};

/// The library's exception, thrown as a pointer; the catcher calls Dispose().
class QELUNITS_EXPORT QelException : public QelIDisposable {
public:
    /// A new exception carrying message.
    static QelException* Create(const QelStringP& message);
    /// The message; never null.
    const wchar_t* GetMessage() const noexcept { return mMessage.c_str(); }
    /// The message text for id: there is no message catalogue, so it is defaultText widened.
    static QelStringP NLSGetMessage(unsigned int id, const char* defaultText, ...);

private:
    explicit QelException(const QelStringP& message) : mMessage(message) {}
    ~QelException() override = default;
    QelStringP mMessage;
};

namespace qelunits {

/// Deleter of std::unique_ptr for the library's heap objects: calls Dispose(), never delete.
struct Disposer {
    /// Disposes of object; null is ignored.
    void operator()(QelIDisposable* object) const {
        if (object != nullptr) {
            object->Dispose();
        }
    }
};

/// Sole owner of an object made by a Create function.
template <class T>
using DisposablePtr = std::unique_ptr<T, Disposer>;
/// Owner of a QelStringElement.
using StringElementPtr = DisposablePtr<QelStringElement>;
/// Owner of a QelStringCollection.
using StringCollectionPtr = DisposablePtr<QelStringCollection>;
/// Owner of a caught QelException*.
using ExceptionPtr = DisposablePtr<QelException>;

} // namespace qelunits

#endif
