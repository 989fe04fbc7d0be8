// The error channel of the value API: the exception, the names of its kinds,
// and the parser's errors read as kinds.

#include "api/ValueCore.h"

#include <qelunits/Error.h>
#include <qelunits/Version.h>

#include <cstdlib>
#include <type_traits>

namespace qelunits {
namespace {

// The reader names a symbol written in the wrong case with a code of its own where it has one; found by
// name, so that this compiles before and after the code exists.
template <class E, class = void>
struct WrongCase {
    static constexpr bool is(E /*error*/) { return false; }
};
template <class E>
struct WrongCase<E, std::void_t<decltype(E::WrongCase)>> {
    static constexpr bool is(E error) { return error == E::WrongCase; }
};

#define QELUNITS_STRINGIZE_(x) #x
#define QELUNITS_STRINGIZE(x) QELUNITS_STRINGIZE_(x)

} // namespace

Error::Error(ErrorKind kind, const std::string& message, std::size_t position)
    : std::runtime_error(message), mKind(kind), mPosition(position) {}

Error::~Error() = default;

const char* kindName(ErrorKind kind) noexcept {
    static constexpr const char* kNames[] = {
        "none",         "invalid text",     "invalid number",     "unknown unit",      "ambiguous text",
        "refused text", "syntax",           "incompatible units", "temperature point", "below absolute zero",
        "out of range", "fractional power", "invalid argument"};
    const auto index = static_cast<std::size_t>(kind);
    return index < sizeof kNames / sizeof kNames[0] ? kNames[index] : "unknown";
}

namespace detail {
void raise(ErrorKind kind, const std::string& message, std::size_t position) {
#if QELUNITS_HAS_EXCEPTIONS
    throw Error(kind, message, position);
#else
    static_cast<void>(kind);
    static_cast<void>(message);
    static_cast<void>(position);
    std::abort();
#endif
}
} // namespace detail

ErrorKind kindOf(QelUnitParseResult::Error error) noexcept {
    using E = QelUnitParseResult::Error;
    switch (error) {
    case E::None:
        return ErrorKind::None;
    case E::NullText:
    case E::Empty:
    case E::InvalidEncoding:
        return ErrorKind::InvalidText;
    case E::UnknownUnit:
        return ErrorKind::UnknownUnit;
    case E::AmbiguousCase:
        return ErrorKind::AmbiguousText;
    case E::RefusedUnit:
        return ErrorKind::RefusedText;
    case E::NestingTooDeep:
    case E::PowerOutOfRange:
    case E::NumberOutOfRange:
        return ErrorKind::OutOfRange;
    default:
        return WrongCase<E>::is(error) ? ErrorKind::AmbiguousText : ErrorKind::Syntax;
    }
}

const char* version() noexcept {
    return QELUNITS_STRINGIZE(QELUNITS_VERSION_MAJOR) "." QELUNITS_STRINGIZE(
        QELUNITS_VERSION_MINOR) "." QELUNITS_STRINGIZE(QELUNITS_VERSION_PATCH);
}

} // namespace qelunits
