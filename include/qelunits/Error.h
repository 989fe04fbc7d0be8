#ifndef QELUNITS_ERROR_H
#define QELUNITS_ERROR_H

// The one error channel of namespace qelunits: every failure has a kind, a
// place in the text it read (where it read one) and a message. Operations that
// can fail have a form that throws qelunits::Error and one that returns a
// qelunits::Result holding the same three. Built with -fno-exceptions, the
// throwing forms are not declared and Result::value() on a failure aborts.
//
// Thread safety: Error and Result are plain values; distinct objects may be
// used from any threads, one object is safe to read from several at once.

#include <qelunits/Export.h>
#include <qelunits/QelUnit.h>

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

/// 1 when the including code is compiled with exceptions, else 0.
#if defined(__cpp_exceptions) || defined(__EXCEPTIONS) || defined(_CPPUNWIND)
#define QELUNITS_HAS_EXCEPTIONS 1
#else
#define QELUNITS_HAS_EXCEPTIONS 0
#endif

namespace qelunits {

/// What went wrong, as a program tells failures apart.
enum class ErrorKind : std::uint8_t {
    None = 0,          ///< success
    InvalidText,       ///< no text, nothing but blanks, or text that is not UTF-8
    InvalidNumber,     ///< a quantity text without a finite number in front
    UnknownUnit,       ///< a name that means no unit ("fot")
    AmbiguousText,     ///< a symbol in another case ("kpa"), or units side by side after '/' ("J/kg K")
    RefusedText,       ///< a spelling refused on purpose ("psig", a lone "C")
    Syntax,            ///< an operator, parenthesis, exponent or term where it cannot stand
    IncompatibleUnits, ///< units of different dimensions (m and s)
    TemperaturePoint,  ///< arithmetic a temperature reading has no meaning for (20 °C + 30 °C, 2 × 20 °C)
    BelowAbsoluteZero, ///< a temperature reading below 0 K, given or resulting
    OutOfRange,        ///< a number, power or count of units beyond what a value can hold
    FractionalPower,   ///< a root of a unit whose powers do not divide (sqrt of m³)
    InvalidArgument,   ///< an argument outside its domain (a unit code outside 0 to 348, the root of -4 m²)
};

/// A failure's kind, the place in the text it refers to, and the message.
class QELUNITS_EXPORT Error : public std::runtime_error {
public:
    /// position when the failure is about no text.
    static constexpr std::size_t kNoPosition = static_cast<std::size_t>(-1);

    /// A failure of kind (not None) with message, at position of a text.
    Error(ErrorKind kind, const std::string& message, std::size_t position = kNoPosition);
    /// A copy.
    Error(const Error&) = default;
    /// Copies other.
    Error& operator=(const Error&) = default;
    /// Out of line, so that the class has one home across the library boundary.
    ~Error() override;

    /// What went wrong.
    ErrorKind kind() const noexcept { return mKind; }
    /// Where in the text read (code points from 0); kNoPosition when no text was read.
    std::size_t position() const noexcept { return mPosition; }

private:
    ErrorKind mKind;
    std::size_t mPosition;
};

namespace detail {
/// What a kind is called and the status of the original classes it corresponds to.
struct KindRow {
    ErrorKind kind;              ///< the kind
    const char* name;            ///< its short English name
    QelUnit::ErrorStatus status; ///< the nearest status of the original classes
};
/// Every kind, in the order of the enum: the one place a kind's name and status are written.
inline constexpr KindRow kKindTable[] = {
    {ErrorKind::None, "none", QelUnit::Ok},
    {ErrorKind::InvalidText, "invalid text", QelUnit::InvalidUnit},
    {ErrorKind::InvalidNumber, "invalid number", QelUnit::InvalidUnit},
    {ErrorKind::UnknownUnit, "unknown unit", QelUnit::InvalidUnit},
    {ErrorKind::AmbiguousText, "ambiguous text", QelUnit::InvalidUnit},
    {ErrorKind::RefusedText, "refused text", QelUnit::InvalidUnit},
    {ErrorKind::Syntax, "syntax", QelUnit::InvalidUnit},
    {ErrorKind::IncompatibleUnits, "incompatible units", QelUnit::TypesNotCompatible},
    {ErrorKind::TemperaturePoint, "temperature point", QelUnit::InvalidUnit},
    {ErrorKind::BelowAbsoluteZero, "below absolute zero", QelUnit::Underflow},
    {ErrorKind::OutOfRange, "out of range", QelUnit::Overflow},
    {ErrorKind::FractionalPower, "fractional power", QelUnit::InvalidUnit},
    {ErrorKind::InvalidArgument, "invalid argument", QelUnit::InvalidUnit},
};
/// What a value outside the enum reads as.
inline constexpr KindRow kUnknownKind = {ErrorKind::InvalidArgument, "unknown", QelUnit::InvalidUnit};
/// The row of kind.
constexpr const KindRow& kindRow(ErrorKind kind) noexcept {
    const auto index = static_cast<std::size_t>(kind);
    return index < sizeof kKindTable / sizeof kKindTable[0] ? kKindTable[index] : kUnknownKind;
}
/// True when each row of the kind table stands at its kind's index.
constexpr bool kindTableInOrder() noexcept {
    for (std::size_t i = 0; i < sizeof kKindTable / sizeof kKindTable[0]; ++i) {
        if (static_cast<std::size_t>(kKindTable[i].kind) != i) {
            return false;
        }
    }
    return true;
}
static_assert(kindTableInOrder(), "the kind table follows the enum");

/// Throws Error(kind, message, position); aborts where the library was built without exceptions.
[[noreturn]] QELUNITS_EXPORT void raise(ErrorKind kind, const std::string& message, std::size_t position);
} // namespace detail

/// A short English name of kind: "unknown unit", "incompatible units".
[[nodiscard]] constexpr const char* kindName(ErrorKind kind) noexcept { return detail::kindRow(kind).name; }
/// The status of the original classes nearest to kind: InvalidUnit for texts and for arithmetic refused,
/// TypesNotCompatible, Overflow for a result out of range, Underflow below absolute zero, Ok for None.
[[nodiscard]] constexpr QelUnit::ErrorStatus statusOf(ErrorKind kind) noexcept { return detail::kindRow(kind).status; }

/// How many significant digits of value are true, where the true value is value / (1 + relativeError) and
/// the double arithmetic rounded a few times on the way (rounding times 2^-50 of the value), within a relative
/// standard uncertainty of measured definitions: the most digits, at most atMost (1 to 17), with which both
/// ends of the interval between them, widened by twice the uncertainty, print alike, so that every value in
/// it, the true one included, prints the same; 0 when not even one digit does. A value of 0 prints as 0 with
/// any number of digits.
QELUNITS_EXPORT int trueDigits(double value, double relativeError, int atMost, double rounding = 1.0,
                               double uncertainty = 0.0);

/// A value, or the reason there is none: its kind, position, message and status.
template <class T>
class [[nodiscard]] Result {
public:
    /// A success holding value.
    explicit Result(T value) : mValue(std::move(value)) {}
    /// A success holding value that a conversion produced, with the conversion's relative error (see
    /// relativeError), how much it magnifies the rounding of the double arithmetic (1 for a product; more
    /// where terms of a sum cancel or a temperature reading nears the zero of its scale) and its relative
    /// standard uncertainty (see uncertainty).
    Result(T value, double relativeError, double rounding, double uncertainty = 0.0)
        : mValue(std::move(value)), mRelativeError(relativeError), mRounding(rounding), mUncertainty(uncertainty) {}
    /// A failure of kind (not None), at position of the text read.
    Result(ErrorKind kind, std::string message, std::size_t position = Error::kNoPosition)
        : mKind(kind), mPosition(position), mMessage(std::move(message)) {}
    /// A failure with the kind, message and position of error.
    explicit Result(const Error& error) : Result(error.kind(), error.what(), error.position()) {}
    /// The same failure, for another type of value (other must be a failure).
    template <class U>
    static Result failureOf(const Result<U>& other) {
        return Result(other.kind(), other.message(), other.position());
    }

    /// True on success.
    bool ok() const noexcept { return mValue.has_value(); }
    /// True on success.
    explicit operator bool() const noexcept { return ok(); }
    /// The value; on failure throws qelunits::Error (aborts without exceptions).
    const T& value() const& {
        check();
        return *mValue;
    }
    /// The value, moved out; on failure throws qelunits::Error (aborts without exceptions).
    T&& value() && {
        check();
        return std::move(*mValue);
    }
    /// The value, or fallback on failure.
    T value_or(T fallback) const& { return mValue.value_or(std::move(fallback)); }
    /// The value moved out, or fallback on failure.
    T value_or(T fallback) && { return std::move(mValue).value_or(std::move(fallback)); }
    /// The value; only on success (checked by assert).
    const T& operator*() const noexcept {
        assert(mValue.has_value());
        return *mValue;
    }
    /// The value's members; only on success (checked by assert).
    const T* operator->() const noexcept {
        assert(mValue.has_value());
        return &*mValue;
    }
    /// Ok on success; else the nearest status of the original classes (InvalidUnit for texts,
    /// TypesNotCompatible, Overflow for a result out of range).
    [[nodiscard]] QelUnit::ErrorStatus status() const noexcept { return statusOf(mKind); }
    /// None on success; else what went wrong.
    ErrorKind kind() const noexcept { return mKind; }
    /// Where in the text read the failure lies (code points from 0); Error::kNoPosition when none.
    std::size_t position() const noexcept { return mPosition; }
    /// What went wrong ("unknown unit 'fot' at 4; did you mean 'ft'?"); empty on success.
    const std::string& message() const noexcept { return mMessage; }
    /// The relative error of the conversion that produced the value: the value over what the units'
    /// definitions give, minus 1, so that its magnitude bounds how far the value is from that (the catalogue's
    /// rounded factors, on the codes' path: see QelUnitExpression::relativeError); 0 where the value came from
    /// no conversion or one by the definitions, and on failure.
    double relativeError() const noexcept { return mRelativeError; }
    /// The relative standard uncertainty of the value where a measured definition entered its conversion (the
    /// dalton's 3.1e-10); 0 otherwise.
    double uncertainty() const noexcept { return mUncertainty; }
    /// How many significant digits of the value are true, at most atMost (see trueDigits), counting the
    /// relative error, the uncertainty and the double arithmetic's rounding; atMost for a value that came
    /// from no conversion, 0 on failure. Only for a Result<double>.
    int digits(int atMost = 15) const {
        return !mValue            ? 0
               : mRounding == 0.0 ? atMost
                                  : trueDigits(*mValue, mRelativeError, atMost, mRounding, mUncertainty);
    }

private:
    void check() const {
        if (!mValue) {
#if QELUNITS_HAS_EXCEPTIONS
            detail::raise(mKind, mMessage, mPosition);
#else
            std::abort();
#endif
        }
    }

    std::optional<T> mValue;
    ErrorKind mKind = ErrorKind::None;
    std::size_t mPosition = Error::kNoPosition;
    std::string mMessage;
    double mRelativeError = 0.0;
    double mRounding = 0.0;
    double mUncertainty = 0.0;
};

} // namespace qelunits

#endif
