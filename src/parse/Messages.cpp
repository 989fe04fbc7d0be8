// Messages of reading failures: what went wrong, at which character, and a hint.

#include "parse/CharClass.h"
#include "parse/Read.h"
#include "parse/ReadName.h"

#include <string>

namespace qelunits_detail {
namespace {

// Quotes at most this many characters of the offending text.
constexpr std::size_t kQuoteLimit = 40;

std::wstring quote(const wchar_t* text, std::size_t begin, std::size_t end) {
    const bool cut = end - begin > kQuoteLimit;
    return L"'" + std::wstring(text + begin, cut ? kQuoteLimit : end - begin) + (cut ? L"…'" : L"'");
}

std::wstring unknownUnitHint(const wchar_t* text, const ParseFailure& failure) {
    if (failure.detail == FailureDetail::WholeNameRejected) {
        return L"; a unit name holding operators is read whole only where no exponent follows it and its "
               L"quotient is not regrouped: put it in parentheses";
    }
    const wchar_t* suggestion = suggestName(text + failure.position, failure.end - failure.position);
    return suggestion != nullptr ? L"; did you mean '" + std::wstring(suggestion) + L"'?" : L"";
}

// "'kpa' at 0: did you mean 'kPa' (kilopascal)?": the term is read again for its spellings.
std::wstring readingProblem(const wchar_t* text, const ParseFailure& f, const std::wstring& at) {
    const Reading reading = readName(text + f.position, f.end - f.position);
    const std::wstring what = quote(text, f.position, f.end);
    if (f.detail == FailureDetail::NoCatalogueType) {
        return what + at +
               L" is of a dimension the program added, which no catalogue type holds: read it as a "
               L"qelunits::Unit";
    }
    if (reading.status == ReadStatus::Refused) {
        return what + at + L" is not read: " + reading.note;
    }
    if (reading.refusal != nullptr) {
        return what + at +
               (f.detail == FailureDetail::BesideHeat ? L" is not read beside a unit of energy or power: "
                                                      : L" is not read alone: ") +
               reading.refusal;
    }
    const auto spelling = [](const ReadingSource& source) {
        return L"'" + spellingOf(source) + L"' (" + describe(source) + L")";
    };
    const bool two = reading.other.kind != ReadingSource::Kind::None;
    return what + at + L": did you mean " + spelling(reading.source) +
           (two ? L" or " + spelling(reading.other) : std::wstring()) + L"? A symbol is read in its own case only";
}

// "'kilo foot' at 0 reads two ways: ...": the word and the name after it.
std::wstring unboundPrefix(const wchar_t* text, const ParseFailure& f, const std::wstring& at) {
    std::size_t word = f.position;
    while (word < f.end && !isBlank(text[word])) {
        ++word;
    }
    std::size_t name = word;
    while (name < f.end && isBlank(text[name])) {
        ++name;
    }
    const std::wstring after(text + name, f.end - name);
    const Reading alone = readName(text + f.position, word - f.position);
    const wchar_t* symbol = isOneUnit(alone.meaning) ? QelUnitParser::unitText(alone.meaning.units[0].unit) : L"";
    return quote(text, f.position, f.end) + at + L" reads two ways: a " + describe(alone.source) + L" times a " +
           after + L", or '" + std::wstring(text + f.position, word - f.position) + L"' as a prefix, which '" + after +
           L"' takes none of: write '" + symbol + L"\u00B7" + after + L"' for the product";
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
            return L"missing operator before " + what + at + L" (write '*' or '·' before a parenthesis)";
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
        return L"nested deeper than " + std::to_wstring(QelUnitParser::kMaxNesting) + at;
    case QelUnitParseResult::Error::BadExponent:
        return f.detail == FailureDetail::SecondExponent ? L"second exponent " + what + at + L"; use parentheses"
                                                         : L"exponent " + what + at + L" is not a whole number";
    case QelUnitParseResult::Error::PowerOutOfRange:
        return L"power beyond ±" + std::to_wstring(QelUnitParser::kMaxPower) + at;
    case QelUnitParseResult::Error::WrongCase:
    case QelUnitParseResult::Error::RefusedUnit:
        return readingProblem(text, f, at);
    case QelUnitParseResult::Error::AmbiguousProduct:
        if (f.detail == FailureDetail::UnboundPrefix) {
            return unboundPrefix(text, f, at);
        }
        return L"product after a divisor" + at +
               L" reads two ways (J/kg K is J·K/kg to some readers, J/(kg·K) to "
               L"others): write J/(kg·K), J/kg/K or J·K/kg";
    case QelUnitParseResult::Error::NumberOutOfRange:
        return (f.detail == FailureDetail::Scale ? L"the scale" : L"number " + what) + at +
               L" is out of range: a scale is a positive number within the range of a double";
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
