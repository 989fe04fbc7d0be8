#include "parse/Reader.h"
#include "parse/UnitSink.h"

#include "catalog/HashedTexts.h"
#include "parse/CharClass.h"
#include "parse/Vocabulary.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace qelunits_detail {
namespace {

using Error = QelUnitParseResult::Error;

// Longer numbers are refused rather than copied: no one writes a scale that long.
constexpr std::size_t kMaxNumberLength = 128;
// Longer words are not worth a copy on the stack to read their underscores or qualifier.
constexpr std::size_t kMaxCopiedWord = 128;

// Where a token lay: what failures point at. Tokens are read field by field into it, since a copy of a whole
// Token just written by the lexer waits on a load that spans several of its stores.
struct Span {
    std::size_t begin;
    std::size_t end;
};

Span spanOf(const Token& token) { return {token.begin, token.end}; }

bool inRange(std::int64_t power) { return power >= -QelUnitParser::kMaxPower && power <= QelUnitParser::kMaxPower; }

bool isOperand(TokenKind kind) {
    return kind == TokenKind::Term || kind == TokenKind::Number || kind == TokenKind::Open ||
           kind == TokenKind::Modifier;
}

// Whether each unit's power times raised stays in range.
bool powersInRange(PlainUnit /*plain*/, std::int64_t raised) { return inRange(raised); }

bool powersInRange(const QelUnitExpression& expression, std::int64_t raised) {
    for (const QelUnitFactor& unit : expression.type()) {
        if (!inRange(unit.power * raised)) {
            return false;
        }
    }
    return true;
}

bool powersInRange(const Meaning& meaning, std::int64_t raised) {
    if (meaning.origin.kind == MeaningOrigin::Kind::Term) {
        return powersInRange(termOf(meaning.origin.row)->expansion, raised);
    }
    for (const QelUnitFactor& unit : meaning.units) {
        if (unit.power == 0) {
            break;
        }
        if (!inRange(unit.power * raised)) {
            return false;
        }
    }
    return true;
}

bool powersInRange(const UnitDraft& draft, std::int64_t raised) {
    for (std::size_t i = 0; i < draft.count; ++i) {
        if (!inRange(draft.powers[i] * raised)) {
            return false;
        }
    }
    return true;
}

// Whether each piece of an underscored word is a name or an operator word ("meter_per_second"): a symbol
// among them would make a product of what is one name to other readers ("N_A", the Avogadro constant). An
// empty piece is none ("meter_", "_meter", "meter__second"). A word without underscores is one piece, which is
// no name where the reader asks.
bool piecesAreNames(const wchar_t* text, std::size_t length) {
    for (std::size_t begin = 0; begin <= length;) {
        std::size_t end = begin;
        while (end < length && text[end] != L'_') {
            ++end;
        }
        const std::size_t size = end - begin;
        const LexEntry* entry = findSpelling(text + begin, size, hashFolded(text + begin, size));
        const Reading reading = entry == nullptr ? readName(text + begin, size) : Reading{};
        const bool name = entry != nullptr
                              ? !entry->exact
                              : reading.status == ReadStatus::Found &&
                                    reading.source.kind == ReadingSource::Kind::Prefixed && reading.source.byName;
        const OperatorWord word = operatorWord(text + begin, size);
        if (!name && (word == OperatorWord::None || word == OperatorWord::To)) { // "to" alone is no operator
            return false;
        }
        begin = end + 1;
    }
    return true;
}

// Nothing but parentheses and blanks around a term from start, where the text's first token begins, to length:
// "C" and "(C)" alike, as a column header writes it.
bool standsAlone(const wchar_t* text, std::size_t start, Span term, std::size_t length) {
    const auto only = [text](std::size_t from, std::size_t to, wchar_t paren) {
        return std::all_of(text + from, text + to, [paren](wchar_t c) { return c == paren || isBlank(c); });
    };
    return only(start, term.begin, L'(') && only(term.end, length, L')');
}

template <class Sink>
class Reader {
public:
    Reader(const ReadSpan& span, const Sink& sink) : mText(span.text), mLength(span.end), mSink(sink) {
        mToken.end = span.begin;
        advance();
        mStart = mToken.begin;
    }

    bool run() {
        if (mToken.kind == TokenKind::End) {
            return fail(Error::Empty, Span{});
        }
        if (!expression(mSink)) {
            return false;
        }
        if (mToken.kind == TokenKind::Close) {
            return fail(Error::UnbalancedParenthesis, mToken, FailureDetail::NotOpened);
        }
        if (mToken.kind != TokenKind::End) {
            return fail(Error::UnexpectedText, mToken);
        }
        return mBesideHeat.end == 0 || !mSink.holdsHeat() ||
               fail(Error::RefusedUnit, mBesideHeat, FailureDetail::BesideHeat);
    }

    const ParseFailure& failure() const { return mFailure; }

private:
    void advance() {
        mContext.previous = mToken.kind;
        nextToken(mText, mLength, mToken.end, mContext, mToken);
    }

    bool fail(Error code, Span at, FailureDetail detail = FailureDetail::None) {
        mFailure = {code, at.begin, at.end, detail};
        return false;
    }
    bool fail(Error code, const Token& at, FailureDetail detail = FailureDetail::None) {
        return fail(code, spanOf(at), detail);
    }

    bool missingOperand(Span op) {
        if (mToken.kind == TokenKind::Power || mToken.kind == TokenKind::BadPower) {
            return fail(Error::UnexpectedText, mToken);
        }
        return fail(Error::MissingOperand, op);
    }

    // The operator op has been read: the next token must start an operand.
    bool operandAfter(Span op) {
        advance();
        return isOperand(mToken.kind) || missingOperand(op);
    }

    // Factors, each to the power of the sign of the operator before it. Factors joined by '-', without a blank
    // or after a number are one product and share their sign; '*', '/', '·', '.' and a blank start the next.
    // Names side by side after the word "per" stay in its divisor, as the SI writes them ("watt per square
    // meter kelvin"); symbols side by side after a divisor read two ways and are refused.
    bool expression(const Sink& sink) {
        Span op = spanOf(mToken);
        std::int64_t sign = 1;
        bool perWord = false;                   // the divisor being read follows the word "per"
        if (mToken.kind == TokenKind::Divide) { // a leading '/' is 1/
            mContext.inDivisor = true;
            perWord = mToken.perWord();
            if (!operandAfter(op)) {
                return false;
            }
            sign = -1;
        }
        for (;;) {
            const Span first = spanOf(mToken);
            const TokenKind firstKind = mToken.kind;
            if (!factor(sink, sign, op)) {
                return false;
            }
            op = spanOf(mToken);
            const Step step = afterFactor(op, first, firstKind, sign, perWord);
            if (step != Step::More) {
                return step == Step::Done;
            }
        }
    }

    enum class Step : std::uint8_t { More, Failed, Done };

    Step failed(Error code, Span at, FailureDetail detail = FailureDetail::None) {
        fail(code, at, detail);
        return Step::Failed;
    }

    // What follows a factor: an operator before the next one, whose sign it sets, or the expression's end.
    Step afterFactor(Span op, Span first, TokenKind firstKind, std::int64_t& sign, bool& perWord) {
        switch (const TokenKind kind = mToken.kind; kind) {
        case TokenKind::Join:
            if (!operandAfter(op)) {
                return Step::Failed;
            }
            break;
        case TokenKind::Times:
        case TokenKind::Divide:
        case TokenKind::Dot:
            // '·' after a divisor reads two ways; '.', the product sign of UDUNITS and CF, goes left to right.
            if (kind == TokenKind::Dot && sign == -1 && mText[op.begin] != L'.') {
                return failed(Error::AmbiguousProduct, op);
            }
            mContext.inDivisor = kind == TokenKind::Divide;
            perWord = kind == TokenKind::Divide && mToken.perWord();
            if (!operandAfter(op)) {
                return Step::Failed;
            }
            sign = kind == TokenKind::Divide ? -1 : 1;
            break;
        case TokenKind::Term:
        case TokenKind::Number:
        case TokenKind::Modifier:
            if (!mToken.adjacent() && !mAfterNumber) { // units side by side: a product of its own
                if (sign == -1 && !(perWord && namesSideBySide(first, firstKind))) {
                    return failed(Error::AmbiguousProduct, op);
                }
                mContext.inDivisor = sign == -1;
            }
            break;
        case TokenKind::Open:
            return failed(Error::UnexpectedText, op, FailureDetail::MissingOperator);
        default:
            return Step::Done;
        }
        return Step::More;
    }

    bool factor(const Sink& sink, std::int64_t sign, Span op) {
        const int depth = mDepth;
        std::int64_t modifiers = 1;
        while (mToken.kind == TokenKind::Modifier) {
            const Span modifier = spanOf(mToken);
            if (++mDepth > QelUnitParser::kMaxNesting) {
                return fail(Error::NestingTooDeep, modifier);
            }
            modifiers *= mToken.exponent; // at most 3^64 / 3 before the check: no overflow
            if (!inRange(modifiers)) {
                return fail(Error::PowerOutOfRange, modifier);
            }
            if (!operandAfter(modifier)) {
                return false;
            }
        }
        const bool read = mToken.kind == TokenKind::Open ? group(sink, sign * modifiers, op)
                                                         : unitOrNumber(sink, sign * modifiers, op);
        mDepth = depth;
        return read;
    }

    // The exponent after a primary (1 where none), read and checked.
    bool exponent(std::int64_t& value, Span& at) {
        value = 1;
        if (mToken.kind == TokenKind::BadPower) {
            return fail(Error::BadExponent, mToken);
        }
        if (mToken.kind != TokenKind::Power) {
            return true;
        }
        at = spanOf(mToken);
        if (mToken.exponentTooLarge()) {
            return fail(Error::PowerOutOfRange, at);
        }
        value = mToken.exponent;
        advance();
        if (mToken.kind == TokenKind::Power || mToken.kind == TokenKind::BadPower) {
            return fail(Error::BadExponent, mToken, FailureDetail::SecondExponent);
        }
        return true;
    }

    // What was read (a term, number or group), raised to its exponent and times power, into sink.
    template <class Read>
    bool raise(const Sink& sink, const Read& read, std::int64_t power, Span first, Span op) {
        Span at = first;
        std::int64_t raised = 1;
        if (!exponent(raised, at)) {
            return false;
        }
        if (!powersInRange(read, raised)) {
            return fail(Error::PowerOutOfRange, at);
        }
        switch (sink.multiply(read, raised * power)) {
        case Merge::Ok:
            return true;
        case Merge::PowerOutOfRange:
            return fail(Error::PowerOutOfRange, op);
        case Merge::ScaleOutOfRange:
            break;
        case Merge::NoCatalogueType:
            return fail(Error::RefusedUnit, first, FailureDetail::NoCatalogueType);
        }
        return fail(Error::NumberOutOfRange, at, FailureDetail::Scale);
    }

    bool unitOrNumber(const Sink& sink, std::int64_t power, Span op) {
        const Span token = spanOf(mToken);
        const bool rejected = mToken.wholeNameRejected();
        mAfterNumber = mToken.kind != TokenKind::Term;
        // Most terms are a plain spelling of one catalogue unit: no reading to build.
        const LexEntry* entry = mAfterNumber ? nullptr : plainEntry(mToken);
        if (entry != nullptr) {
            const PlainUnit plain{static_cast<QelUnit::BuiltinUnits>(entry->plain)};
            advance();
            if (mToken.kind != TokenKind::Open) {
                return raise(sink, plain, power, token, op);
            }
        }
        Meaning meaning;
        if (entry != nullptr) {
            meaning.units[0] = {static_cast<QelUnit::BuiltinUnits>(entry->plain), 1};
            return qualified(token, rejected, meaning) && afterTerm(token, rejected, nullptr) &&
                   raise(sink, meaning, power, token, op);
        }
        if (mAfterNumber) {
            return number(meaning) && raise(sink, meaning, power, token, op);
        }
        switch (term(meaning)) {
        case TermRead::Failed:
            return false;
        case TermRead::Underscored:
            return underscoredExpression(sink, power, op);
        case TermRead::Read:
            break;
        }
        return raise(sink, meaning, power, token, op);
    }

    // Whether the factor that began with first (of kind firstKind) and the one at the current token are both
    // written as names ("meter kelvin", "square meter kelvin"), not as symbols ("m K"). Off the common path.
    [[gnu::noinline]] bool namesSideBySide(Span first, TokenKind firstKind) const {
        const auto isName = [this](Span at, TokenKind kind) {
            const wchar_t* text = mText + at.begin;
            const std::size_t length = at.end - at.begin;
            if (kind == TokenKind::Modifier) { // a word: "square", "cubic", "reciprocal", not "sq" or "cu"
                return length > 2;
            }
            if (kind != TokenKind::Term) {
                return false;
            }
            const std::uint32_t hash = hashFolded(text, length);
            const LexEntry* entry = findSpelling(text, length, hash);
            if (entry != nullptr) {
                return !entry->exact;
            }
            const Reading reading = readName(text, length, hash);
            return reading.status == ReadStatus::Found &&
                   ((reading.source.kind == ReadingSource::Kind::Prefixed && reading.source.byName) ||
                    std::find(text, text + length, L'_') != text + length);
        };
        return isName(first, firstKind) && isName(spanOf(mToken), mToken.kind);
    }

    // The lexicon's entry for a term that spells one catalogue unit unscaled; null for any other.
    const LexEntry* plainEntry(const Token& token) const {
        const std::size_t length = token.end - token.begin;
        const std::uint32_t hash = token.hashed() ? token.hash : hashFolded(mText + token.begin, length);
        return findPlainSpelling(mText + token.begin, length, hash);
    }

    enum class TermRead : std::uint8_t { Failed, Read, Underscored };

    TermRead term(Meaning& meaning) {
        const Span token = spanOf(mToken);
        if (mToken.unboundPrefix()) {
            fail(Error::AmbiguousProduct, token, FailureDetail::UnboundPrefix);
            return TermRead::Failed;
        }
        const bool rejected = mToken.wholeNameRejected();
        const bool hashed = mToken.hashed();
        const wchar_t* name = mText + token.begin;
        const std::size_t length = token.end - token.begin;
        const Reading reading = hashed ? readName(name, length, mToken.hash) : readName(name, length);
        switch (reading.status) {
        case ReadStatus::Found:
            meaning = reading.meaning;
            mSink.note(reading.note);
            advance();
            return qualified(token, rejected, meaning) && afterTerm(token, rejected, reading.refusal)
                       ? TermRead::Read
                       : TermRead::Failed;
        case ReadStatus::WrongCase:
            fail(Error::WrongCase, token);
            return TermRead::Failed;
        case ReadStatus::Refused:
            fail(Error::RefusedUnit, token);
            return TermRead::Failed;
        case ReadStatus::Unknown:
            break;
        }
        // A word with underscores that is no name reads with blanks for them: "square_foot_per_second".
        if (hashed && length <= kMaxCopiedWord && piecesAreNames(name, length)) {
            return TermRead::Underscored;
        }
        fail(Error::UnknownUnit, token, rejected ? FailureDetail::WholeNameRejected : FailureDetail::None);
        return TermRead::Failed;
    }

    // rejected: a name with operators started at the term but was not read whole; refusal: why the term is
    // refused where it is the whole expression, or null.
    bool afterTerm(Span token, bool rejected, const wchar_t* refusal) {
        if (refusal != nullptr && !refusedAlone(token)) {
            return false;
        }
        if (rejected && mToken.kind == TokenKind::Open) {
            return fail(Error::UnexpectedText, mToken, FailureDetail::WholeNameRejected);
        }
        return true;
    }

    // A symbol refused alone ("C"): refused where it stands alone, and kept to be judged beside the rest of the
    // expression otherwise. Off the common path.
    [[gnu::noinline]] bool refusedAlone(Span token) {
        if (standsAlone(mText, mStart, token, mLength)) {
            return fail(Error::RefusedUnit, token, FailureDetail::Alone);
        }
        if (mBesideHeat.end == 0) {
            mBesideHeat = token;
        }
        return true;
    }

    // "gal (UK)": the unit the qualifier picks, read as "UK gal".
    bool qualified(Span token, bool rejected, Meaning& meaning) {
        if (mToken.kind != TokenKind::Open) {
            return true;
        }
        std::size_t end = 0;
        const wchar_t* before = qualifierAt(mText, mLength, mToken.begin, end);
        if (before == nullptr) {
            return true;
        }
        const Reading reading = readQualified(mText + token.begin, token.end - token.begin, before);
        if (reading.status != ReadStatus::Found) {
            // A catalogue name holding parentheses that could not be read whole says so itself.
            return rejected || fail(Error::UnknownUnit, Span{token.begin, end});
        }
        meaning = reading.meaning;
        mSink.note(reading.note);
        mToken.kind = TokenKind::Term;
        mToken.end = end;
        advance();
        return true;
    }

    bool underscoredExpression(const Sink& sink, std::int64_t power, Span op);

    bool number(Meaning& meaning) {
        switch (mToken.kind) {
        case TokenKind::Number:
            break;
        case TokenKind::Close:
            return fail(Error::UnbalancedParenthesis, mToken, FailureDetail::NotOpened);
        case TokenKind::End:
            return fail(Error::MissingOperand, mToken);
        default:
            return fail(Error::UnexpectedText, mToken);
        }
        const std::size_t length = mToken.end - mToken.begin;
        char digits[kMaxNumberLength];
        double value = 0.0;
        if (length <= kMaxNumberLength) {
            for (std::size_t i = 0; i < length; ++i) {
                // ASCII: the lexer took digits, '.', 'e' and signs.
                digits[i] = static_cast<char>(mText[mToken.begin + i]);
            }
            const std::from_chars_result r = std::from_chars(digits, digits + length, value);
            value = r.ec == std::errc() && r.ptr == digits + length ? value : 0.0;
        }
        // Only the leading number may be negative: the lexer takes a sign nowhere else.
        if (!((mText[mToken.begin] == L'-' ? value < 0.0 : value > 0.0) && std::isfinite(value))) {
            return fail(Error::NumberOutOfRange, mToken);
        }
        meaning.scale = value;
        advance();
        return true;
    }

    // A parenthesised expression, to the power of its exponent times power, into sink.
    bool group(const Sink& sink, std::int64_t power, Span op) {
        const Span open = spanOf(mToken);
        if (++mDepth > QelUnitParser::kMaxNesting) {
            return fail(Error::NestingTooDeep, open);
        }
        const bool outerDivisor = mContext.inDivisor;
        mContext.inDivisor = false;
        advance();
        if (mToken.kind == TokenKind::Close) {
            return fail(Error::MissingOperand, Span{open.begin, mToken.end}, FailureDetail::EmptyParentheses);
        }
        typename Sink::Inner inner;
        if (!expression(sink.over(inner))) {
            return false;
        }
        if (mToken.kind != TokenKind::Close) {
            return mToken.kind == TokenKind::End ? fail(Error::UnbalancedParenthesis, open, FailureDetail::NotClosed)
                                                 : fail(Error::UnexpectedText, mToken);
        }
        mContext.inDivisor = outerDivisor;
        advance();
        mAfterNumber = false;
        return raise(sink, inner, power, open, op);
    }

    const wchar_t* mText;
    std::size_t mLength;
    Sink mSink;
    Token mToken;
    LexContext mContext;
    std::size_t mStart{}; // where the first token begins
    int mDepth = 0;
    bool mAfterNumber = false; // the factor just read is a number: a unit after it joins it ("100 km")
    // The first symbol refused alone read in a compound ("C" in "kJ/kg-C"): beside a unit of energy or power
    // it more likely means °C, °F, hours or seconds than the coulomb, farad, henry or siemens. Empty: none.
    Span mBesideHeat{0, 0};
    ParseFailure mFailure;
};

template <class Sink>
bool Reader<Sink>::underscoredExpression(const Sink& sink, std::int64_t power, Span op) {
    const Span token = spanOf(mToken);
    const std::size_t length = token.end - token.begin;
    wchar_t blanked[kMaxCopiedWord];
    std::replace_copy(mText + token.begin, mText + token.end, blanked, L'_', L' ');
    typename Sink::Inner inner;
    ParseFailure ignored;
    if (++mDepth > QelUnitParser::kMaxNesting || !readExpression({blanked, 0, length}, sink.over(inner), ignored)) {
        return fail(Error::UnknownUnit, token);
    }
    advance();
    mAfterNumber = false;
    return raise(sink, inner, power, token, op);
}

} // namespace

void NoteSink::add(const wchar_t* note) noexcept {
    if (std::find(notes, notes + count, note) != notes + count) {
        return;
    }
    if (count < kCapacity) {
        notes[count++] = note;
    }
}

bool BuildSink::holdsHeat() const noexcept {
    const QelUnitType& type = mOut->type();
    return std::any_of(type.begin(), type.end(), [](const QelUnitFactor& f) {
        const QelUnit::BuiltinTypes kind = QelUnit::getType(f.unit);
        return kind == QelUnit::Energy || kind == QelUnit::Power || kind == QelUnit::PowerDensity;
    });
}

double scaledBy(double scale, double factor, std::int64_t power) {
    if (factor == 1.0 || power == 0) {
        return scale;
    }
    return power == 1    ? scale * factor
           : power == -1 ? scale / factor
                         : scale * std::pow(factor, static_cast<double>(power));
}

template <class Sink>
bool readExpression(const ReadSpan& span, const Sink& sink, ParseFailure& failure) {
    Reader<Sink> reader(span, sink);
    if (reader.run()) {
        return true;
    }
    failure = reader.failure();
    failure.position += span.offset;
    failure.end += span.offset;
    return false;
}

template bool readExpression<BuildSink>(const ReadSpan&, const BuildSink&, ParseFailure&);
template bool readExpression<NotesSink>(const ReadSpan&, const NotesSink&, ParseFailure&);
template bool readExpression<UnitSink>(const ReadSpan&, const UnitSink&, ParseFailure&);

} // namespace qelunits_detail
