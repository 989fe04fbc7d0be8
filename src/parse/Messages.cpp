// Messages of reading failures: what went wrong, at which character, and a hint.

#include "parse/BuildType.h"
#include "parse/ResolveName.h"
#include "parse/Tokenise.h"

#include <string>

namespace qelunits_detail {
namespace {

// Quotes at most this many characters of the offending text.
constexpr std::size_t kQuoteLimit = 40;

std::wstring quote(const wchar_t* text, std::size_t begin, std::size_t end) {
    const bool cut = end - begin > kQuoteLimit;
    return L"'" + std::wstring(text + begin, cut ? kQuoteLimit : end - begin) + (cut ? L"…'" : L"'");
}

// "kg m": every blank-separated piece is a unit, so an operator is what is missing.
bool piecesAreUnits(const wchar_t* text, std::size_t begin, std::size_t end) {
    bool sawBlank = false;
    std::size_t i = begin;
    while (i < end) {
        std::size_t j = i;
        while (j < end && !isBlank(text[j])) {
            ++j;
        }
        QelUnit::BuiltinUnits unit = QelUnit::dimensionless;
        if (!resolveUnit(text + i, j - i, unit)) {
            return false;
        }
        for (i = j; i < end && isBlank(text[i]); ++i) {
            sawBlank = true;
        }
    }
    return sawBlank;
}

std::wstring unknownUnitHint(const wchar_t* text, const ParseFailure& failure) {
    if (failure.detail == FailureDetail::WholeNameRejected) {
        return L"; a unit name holding operators is read whole only where no exponent follows it and not right "
               L"after '/': put it in parentheses";
    }
    if (piecesAreUnits(text, failure.position, failure.end)) {
        return L"; write '*' or '·' between units";
    }
    const wchar_t* suggestion = suggestName(text + failure.position, failure.end - failure.position);
    return suggestion != nullptr ? L"; did you mean '" + std::wstring(suggestion) + L"'?" : L"";
}

std::wstring describe(const wchar_t* text, std::size_t length, const ParseFailure& f) {
    const std::wstring at = L" at " + std::to_wstring(f.position);
    const std::wstring what = f.end > f.position ? quote(text, f.position, f.end) : L"";
    switch (f.code) {
    case QelUnitParseResult::Error::NullText:
        return L"no text";
    case QelUnitParseResult::Error::Empty:
        return L"empty unit expression";
    case QelUnitParseResult::Error::InvalidEncoding:
        return L"invalid UTF-8" + at;
    case QelUnitParseResult::Error::UnknownUnit:
        return L"unknown unit " + what + at + unknownUnitHint(text, f);
    case QelUnitParseResult::Error::UnexpectedText:
        if (f.detail == FailureDetail::MissingOperator) {
            return L"missing operator before " + what + at + L" (write '*' or '·' between units)";
        }
        return L"unexpected " + what + at +
               (f.detail == FailureDetail::WholeNameRejected ? unknownUnitHint(text, f) : std::wstring());
    case QelUnitParseResult::Error::MissingOperand:
        if (f.detail == FailureDetail::EmptyParentheses) {
            return L"empty parentheses" + at;
        }
        return f.position < length ? L"missing unit after " + what + at : L"missing unit" + at;
    case QelUnitParseResult::Error::UnbalancedParenthesis:
        return f.detail == FailureDetail::NotClosed ? L"'(' at " + std::to_wstring(f.position) + L" is not closed"
                                                    : L"')' at " + std::to_wstring(f.position) + L" has no '('";
    case QelUnitParseResult::Error::NestingTooDeep:
        return L"parentheses nested deeper than " + std::to_wstring(QelUnitParser::kMaxNesting) + at;
    case QelUnitParseResult::Error::BadExponent:
        return f.detail == FailureDetail::SecondExponent ? L"second exponent " + what + at + L"; use parentheses"
                                                         : L"exponent " + what + at + L" is not a whole number";
    case QelUnitParseResult::Error::PowerOutOfRange:
        return L"power beyond ±" + std::to_wstring(QelUnitParser::kMaxPower) + at;
    case QelUnitParseResult::Error::NumberNotOne:
        return L"number " + what + at + L": only 1 may stand for a unit (a unit type has no numeric factor)";
    default:
        return L"no error";
    }
}

} // namespace

QelStringP describeFailure(const wchar_t* text, std::size_t length, const ParseFailure& failure) {
    const std::wstring message = describe(text, length, failure);
    return QelStringP(message.c_str(), message.size());
}

} // namespace qelunits_detail
