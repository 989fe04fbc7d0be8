// The error channel of the value API: the exception, the names of its kinds,
// and the parser's errors read as kinds.

#include "api/value/ValueCore.h"

#include <qelunits/Error.h>
#include <qelunits/Version.h>

#include <cstdlib>

#define QELUNITS_STRINGIZE_(x) #x
#define QELUNITS_STRINGIZE(x) QELUNITS_STRINGIZE_(x)

namespace qelunits {

Error::Error(ErrorKind kind, const std::string& message, std::size_t position)
    : std::runtime_error(message), mKind(kind), mPosition(position) {}

Error::~Error() = default;

namespace detail {
void raise([[maybe_unused]] ErrorKind kind, [[maybe_unused]] const std::string& message,
           [[maybe_unused]] std::size_t position) {
#if QELUNITS_HAS_EXCEPTIONS
    throw Error(kind, message, position);
#else
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
    case E::WrongCase:
    case E::AmbiguousProduct:
        return ErrorKind::AmbiguousText;
    case E::RefusedUnit:
        return ErrorKind::RefusedText;
    case E::NestingTooDeep:
    case E::PowerOutOfRange:
    case E::NumberOutOfRange:
        return ErrorKind::OutOfRange;
    default:
        return ErrorKind::Syntax;
    }
}

const char* version() noexcept {
    return QELUNITS_STRINGIZE(QELUNITS_VERSION_MAJOR) "." QELUNITS_STRINGIZE(
        QELUNITS_VERSION_MINOR) "." QELUNITS_STRINGIZE(QELUNITS_VERSION_PATCH);
}

} // namespace qelunits
