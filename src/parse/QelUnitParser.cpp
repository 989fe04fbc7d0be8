// The exported entry points.

#include "common/Utf8.h"
#include "parse/CharClass.h"
#include "parse/Read.h"
#include "parse/ReadUtf8.h"

#include <qelunits/QelUnitParser.h>

namespace {

using qelunits_detail::ParseFailure;

QelUnitParseResult failure(const wchar_t* text, std::size_t length, const ParseFailure& f) {
    return QelUnitParseResult(f.code, f.position, qelunits_detail::describeFailure(text, length, f));
}

// Expressions are short: a plain loop beats the library's vector scan and its setup.
std::size_t terminatedLength(const wchar_t* text) {
    std::size_t length = 0;
    while (text[length] != L'\0') {
        ++length;
    }
    return length;
}

QelUnitParseResult nullText() { return failure(L"", 0, {QelUnitParseResult::Error::NullText, 0, 0, {}}); }

template <class Parse>
QelUnitParseResult parseDecoded(std::string_view text, Parse parse) {
    qelunits_detail::WideText wide;
    std::size_t bad{}; // set where decoding fails
    if (!wide.decode(text, bad)) {
        return failure(L"", 0, {QelUnitParseResult::Error::InvalidEncoding, bad, bad, {}});
    }
    return parse(wide.view());
}

} // namespace

QelUnitParseResult qelunits_detail::readExpressionUtf8(std::string_view text, std::size_t from, std::size_t to) {
    qelunits_detail::WideText wide;
    std::size_t bad{}; // set where decoding fails
    if (!wide.decode(text.substr(0, to), bad)) {
        return failure(L"", 0, {QelUnitParseResult::Error::InvalidEncoding, bad, bad, {}});
    }
    std::size_t start = 0; // code points before from
    for (std::size_t i = 0; i < from; ++i) {
        start += (static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U ? 1U : 0U;
    }
    const std::wstring_view view = wide.view();
    QelUnitExpression expression;
    ParseFailure f;
    return readText(view.data(), start, view.size(), expression, f) ? QelUnitParseResult(expression)
                                                                    : failure(view.data(), view.size(), f);
}

QelUnitParseResult::QelUnitParseResult(QelUnitParseResult::Error error, std::size_t position, const QelStringP& message)
    : mError(error), mPosition(position), mMessage(message) {}

// Reads text into result, built in place; a scale other than 1 is refused unless scaled.
void QelUnitParser::readInto(std::wstring_view text, QelUnitParseResult& result, bool scaled) {
    ParseFailure f;
    if (!qelunits_detail::readText(text.data(), 0, text.size(), result.mExpression, f)) {
        result = failure(text.data(), text.size(), f);
    } else if (!scaled && result.mExpression.isScaled()) {
        const std::wstring message =
            L"'" + std::wstring(text) + L"' means " +
            qelunits_detail::numberedText(result.mExpression.scale(),
                                          QelUnitParser::format(result.mExpression.type()).view()) +
            L", a scaled unit: read it with parseExpression";
        result =
            QelUnitParseResult(QelUnitParseResult::Error::ScaledUnit, 0, QelStringP(message.c_str(), message.size()));
    }
}

QelUnitParseResult QelUnitParser::parseExpression(std::wstring_view text) {
    QelUnitParseResult result;
    readInto(text, result, true);
    return result;
}

QelUnitParseResult QelUnitParser::parse(std::wstring_view text) {
    QelUnitParseResult result;
    readInto(text, result, false);
    return result;
}

QelStringP QelUnitParser::notes(std::wstring_view expression) {
    const qelunits_detail::NoteSink sink = qelunits_detail::notesOf(expression.data(), expression.size());
    std::wstring joined;
    for (std::size_t i = 0; i < sink.count; ++i) {
        joined += (i == 0 ? L"" : L"; ") + std::wstring(sink.notes[i]);
    }
    return QelStringP(joined.c_str(), joined.size());
}

QelUnitParseResult QelUnitParser::parseExpression(const wchar_t* text) {
    return text == nullptr ? nullText() : parseExpression(std::wstring_view(text, terminatedLength(text)));
}

QelUnitParseResult QelUnitParser::parseExpressionUtf8(std::string_view text) {
    return parseDecoded(text, [](std::wstring_view wide) { return parseExpression(wide); });
}

QelUnitParseResult QelUnitParser::parseExpressionUtf8(const char* text) {
    return text == nullptr ? nullText() : parseExpressionUtf8(std::string_view(text));
}

QelUnitParseResult QelUnitParser::parse(const wchar_t* text) {
    return text == nullptr ? nullText() : parse(std::wstring_view(text, terminatedLength(text)));
}

QelUnitParseResult QelUnitParser::parseUtf8(std::string_view text) {
    return parseDecoded(text, [](std::wstring_view wide) { return parse(wide); });
}

QelUnitParseResult QelUnitParser::parseUtf8(const char* text) {
    return text == nullptr ? nullText() : parseUtf8(std::string_view(text));
}

bool QelUnitParser::resolveName(std::wstring_view name, QelUnit::BuiltinUnits& unit) noexcept {
    return qelunits_detail::resolveUnit(name.data(), name.size(), unit);
}

QelUnitCandidates QelUnitParser::candidates(std::wstring_view name) noexcept {
    return qelunits_detail::findCandidates(name.data(), name.size());
}
