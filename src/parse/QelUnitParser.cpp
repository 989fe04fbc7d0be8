// The exported entry points.

#include "expression/ExpressionAccess.h"
#include "parse/BuildType.h"
#include "parse/CharClass.h"
#include "parse/ReadName.h"
#include "parse/Utf8.h"

#include <qelunits/QelUnitParser.h>

#include <algorithm>

namespace {

using qelunits_detail::ParseFailure;

QelUnitParseResult failure(const wchar_t* text, std::size_t length, const ParseFailure& f) {
    return QelUnitParseResult(f.code, f.position, qelunits_detail::describeFailure(text, length, f));
}

// Collects decoded text on the stack, spilling to the heap only for long input.
class BufferSink final : public qelunits_detail::WideSink {
public:
    void put(wchar_t c) override {
        if (mHeap.empty() && mCount < kInline) {
            mInline[mCount++] = c;
            return;
        }
        if (mHeap.empty()) {
            mHeap.assign(mInline, mCount);
        }
        mHeap.push_back(c);
    }
    std::wstring_view view() const { return mHeap.empty() ? std::wstring_view(mInline, mCount) : mHeap; }

private:
    static constexpr std::size_t kInline = 128;
    wchar_t mInline[kInline] = {};
    std::size_t mCount = 0;
    std::wstring mHeap;
};

// Expressions are short: a plain loop beats the library's vector scan and its setup.
std::size_t terminatedLength(const wchar_t* text) {
    std::size_t length = 0;
    while (text[length] != L'\0') {
        ++length;
    }
    return length;
}

} // namespace

QelUnitParseResult::QelUnitParseResult(QelUnitParseResult::Error error, std::size_t position, const QelStringP& message)
    : mError(error), mPosition(position), mMessage(message) {}

// Reads text into result, built in place; a scale other than 1 is refused unless scaled.
void QelUnitParser::readInto(std::wstring_view text, QelUnitParseResult& result, bool scaled) {
    ParseFailure f;
    if (!qelunits_detail::buildExpression(text.data(), text.size(), result.mExpression, f)) {
        result = failure(text.data(), text.size(), f);
        return;
    }
    bool& difference = qelunits_detail::ExpressionAccess::difference(result.mExpression);
    difference = difference && result.mExpression.isTemperature();
    if (!scaled && result.mExpression.isScaled()) {
        const std::wstring message = L"'" + std::wstring(text) + L"' means " +
                                     std::wstring(QelUnitParser::format(result.mExpression).c_str()) +
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
    QelUnitExpression ignored;
    ParseFailure f;
    qelunits_detail::NoteSink sink;
    qelunits_detail::buildExpression(expression.data(), expression.size(), ignored, f, &sink);
    std::wstring joined;
    for (std::size_t i = 0; i < sink.count; ++i) {
        joined += (i == 0 ? L"" : L"; ") + std::wstring(sink.notes[i]);
    }
    return QelStringP(joined.c_str(), joined.size());
}

QelUnitParseResult QelUnitParser::parseExpression(const wchar_t* text) {
    if (text == nullptr) {
        return failure(L"", 0, {QelUnitParseResult::Error::NullText, 0, 0, {}});
    }
    return parseExpression(std::wstring_view(text, terminatedLength(text)));
}

QelUnitParseResult QelUnitParser::parseExpressionUtf8(std::string_view text) {
    BufferSink sink;
    std::size_t bad = 0;
    if (!qelunits_detail::decodeUtf8(text, sink, bad)) {
        return failure(L"", 0, {QelUnitParseResult::Error::InvalidEncoding, bad, bad, {}});
    }
    return parseExpression(sink.view());
}

QelUnitParseResult QelUnitParser::parseExpressionUtf8(const char* text) {
    if (text == nullptr) {
        return failure(L"", 0, {QelUnitParseResult::Error::NullText, 0, 0, {}});
    }
    return parseExpressionUtf8(std::string_view(text));
}

QelUnitParseResult QelUnitParser::parse(const wchar_t* text) {
    if (text == nullptr) {
        return failure(L"", 0, {QelUnitParseResult::Error::NullText, 0, 0, {}});
    }
    return parse(std::wstring_view(text, terminatedLength(text)));
}

QelUnitParseResult QelUnitParser::parseUtf8(std::string_view text) {
    BufferSink sink;
    std::size_t bad = 0;
    if (!qelunits_detail::decodeUtf8(text, sink, bad)) {
        return failure(L"", 0, {QelUnitParseResult::Error::InvalidEncoding, bad, bad, {}});
    }
    return parse(sink.view());
}

QelUnitParseResult QelUnitParser::parseUtf8(const char* text) {
    if (text == nullptr) {
        return failure(L"", 0, {QelUnitParseResult::Error::NullText, 0, 0, {}});
    }
    return parseUtf8(std::string_view(text));
}

bool QelUnitParser::resolveName(std::wstring_view name, QelUnit::BuiltinUnits& unit) noexcept {
    return qelunits_detail::resolveUnit(name.data(), name.size(), unit);
}

QelUnitCandidates QelUnitParser::candidates(std::wstring_view name) noexcept {
    return qelunits_detail::findCandidates(name.data(), name.size());
}

std::string QelUnitParser::toUtf8(std::wstring_view text) {
    std::string out;
    qelunits_detail::appendUtf8(out, text);
    return out;
}

bool QelUnitParser::fromUtf8(std::string_view text, std::wstring& out) {
    class StringSink final : public qelunits_detail::WideSink {
    public:
        void put(wchar_t c) override { text.push_back(c); }
        std::wstring text;
    } sink;
    std::size_t bad = 0;
    if (!qelunits_detail::decodeUtf8(text, sink, bad)) {
        return false;
    }
    out = std::move(sink.text);
    return true;
}
