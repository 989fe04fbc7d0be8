#include "parse/BuildType.h"

#include "catalog/HashedTexts.h"
#include "expression/ExpressionAccess.h"
#include "parse/CharClass.h"
#include "parse/ReadName.h"
#include "parse/Tokenise.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace qelunits_detail {
namespace {

using Error = QelUnitParseResult::Error;

// Longer numbers are refused rather than copied: no one writes a scale that long.
constexpr std::size_t kMaxNumberLength = 128;

bool inRange(std::int64_t power) { return powerInRange(power); }

bool usableScale(double scale) { return scale > 0.0 && std::isfinite(scale); }

bool addPower(QelUnitType& type, QelUnit::BuiltinUnits unit, std::int64_t delta) {
    return addPowerInRange(type, unit, delta);
}

/// Recursive descent over the tokens, tightest last:
///   expression = product (('*' | '/' | "per") product)*
///   product    = factor (['·' | '-' | '.'] factor)*     (units side by side multiply)
///   factor     = modifier* primary [exponent]
///   primary    = term | number | '(' expression ')'
/// Each factor is multiplied into the result as it is read, to the power its
/// exponent, modifiers and place in a divisor give it: no temporary for a unit.
class ExpressionBuilder {
public:
    ExpressionBuilder(const wchar_t* text, std::size_t length, NoteSink* notes)
        : mText(text), mLength(length), mLexer(text, length), mNotes(notes) {
        advance();
    }

    bool run(QelUnitExpression& out) {
        if (mToken.kind == TokenKind::End) {
            return fail(Error::Empty, {});
        }
        if (soleTerm(out)) {
            return true;
        }
        if (!expression(out)) {
            return false;
        }
        if (mToken.kind == TokenKind::Close) {
            return fail(Error::UnbalancedParenthesis, mToken, FailureDetail::NotOpened);
        }
        return mToken.kind == TokenKind::End || fail(Error::UnexpectedText, mToken);
    }

    const ParseFailure& failure() const { return mFailure; }

private:
    // Most input is one unit name ("ft", "m/s", "us ft"), which needs no grammar: the
    // lexer has read it whole, and hashed a plain word.
    bool soleTerm(QelUnitExpression& out) {
        std::size_t after = mToken.end;
        while (after < mLength && isBlank(mText[after])) {
            ++after;
        }
        const std::size_t length = mToken.end - mToken.begin;
        return mToken.kind == TokenKind::Term && after == mLength &&
               readCatalogueName(mText + mToken.begin, length,
                                 mToken.hashed ? mToken.hash : hashFolded(mText + mToken.begin, length), out, mNotes);
    }

    void advance() { mLexer.next(mToken); }

    bool fail(Error code, const Token& at, FailureDetail detail = FailureDetail::None) {
        mFailure = {code, at.begin, at.end, detail};
        return false;
    }

    bool startsOperand() const {
        return mToken.kind == TokenKind::Term || mToken.kind == TokenKind::Number || mToken.kind == TokenKind::Open ||
               mToken.kind == TokenKind::Modifier;
    }

    bool missingOperand(const Token& op) {
        if (mToken.kind == TokenKind::Power || mToken.kind == TokenKind::BadPower) {
            return fail(Error::UnexpectedText, mToken);
        }
        return fail(Error::MissingOperand, op);
    }

    bool expression(QelUnitExpression& out) {
        const Token first = mToken;
        if (!product(out, 1, first)) {
            return false;
        }
        while (mToken.kind == TokenKind::Times || mToken.kind == TokenKind::Divide) {
            const Token op = mToken;
            advance();
            if (!startsOperand()) {
                return missingOperand(op);
            }
            if (!product(out, op.kind == TokenKind::Divide ? -1 : 1, op)) {
                return false;
            }
        }
        if (mToken.kind == TokenKind::Open) {
            return fail(Error::UnexpectedText, mToken, FailureDetail::MissingOperator);
        }
        return true;
    }

    // The factors of one product, each to the power sign (-1 in a divisor).
    bool product(QelUnitExpression& out, std::int64_t sign, const Token& op) {
        if (!factor(out, sign, op)) {
            return false;
        }
        for (;;) {
            const Token joint = mToken;
            if (joint.kind == TokenKind::Dot) {
                advance();
                if (!startsOperand()) {
                    return missingOperand(joint);
                }
            } else if (joint.kind != TokenKind::Term && joint.kind != TokenKind::Number &&
                       joint.kind != TokenKind::Modifier) {
                return true;
            }
            if (!factor(out, sign, joint)) {
                return false;
            }
        }
    }

    bool factor(QelUnitExpression& out, std::int64_t sign, const Token& op) {
        const int depth = mDepth;
        std::int64_t modifiers = 1;
        while (mToken.kind == TokenKind::Modifier) {
            const Token modifier = mToken;
            if (++mDepth > QelUnitParser::kMaxNesting) {
                return fail(Error::NestingTooDeep, modifier);
            }
            modifiers *= modifier.exponent; // at most 3^64 / 3 before the check: no overflow
            if (!inRange(modifiers)) {
                return fail(Error::PowerOutOfRange, modifier);
            }
            advance();
            if (!startsOperand()) {
                return missingOperand(modifier);
            }
        }
        const bool read =
            mToken.kind == TokenKind::Open ? group(out, sign * modifiers, op) : unitOrNumber(out, sign * modifiers, op);
        mDepth = depth;
        return read;
    }

    // The exponent after a primary (1 where none), read and checked.
    bool exponent(std::int64_t& value, Token& at) {
        if (mToken.kind == TokenKind::BadPower) {
            return fail(Error::BadExponent, mToken);
        }
        if (mToken.kind != TokenKind::Power) {
            value = 1;
            return true;
        }
        at = mToken;
        if (at.exponentTooLarge) {
            return fail(Error::PowerOutOfRange, at);
        }
        value = at.exponent;
        advance();
        if (mToken.kind == TokenKind::Power || mToken.kind == TokenKind::BadPower) {
            return fail(Error::BadExponent, mToken, FailureDetail::SecondExponent);
        }
        return true;
    }

    // A term or a number, to the power of its exponent times power, into out.
    bool unitOrNumber(QelUnitExpression& out, std::int64_t power, const Token& op) {
        Meaning meaning;
        const Token token = mToken;
        if (!(token.kind == TokenKind::Term ? term(meaning) : number(meaning))) {
            return false;
        }
        Token at = token;
        std::int64_t raised = 1;
        if (!exponent(raised, at)) {
            return false;
        }
        for (const QelUnitFactor& unit : meaning.units) {
            if (unit.power == 0) {
                break;
            }
            if (!inRange(unit.power * raised)) {
                return fail(Error::PowerOutOfRange, at);
            }
            if (!addPower(ExpressionAccess::type(out), unit.unit, unit.power * raised * power)) {
                return fail(Error::PowerOutOfRange, op);
            }
        }
        ExpressionAccess::difference(out) = ExpressionAccess::difference(out) || meaning.difference;
        double& scale = ExpressionAccess::scale(out);
        scale = scaledBy(scale, meaning.scale, raised * power);
        return usableScale(scale) || fail(Error::NumberOutOfRange, at, FailureDetail::Scale);
    }

    bool term(Meaning& meaning) {
        // Most terms are a catalogue text: the lexer's hash finds it without building a reading.
        QelUnit::BuiltinUnits unit = QelUnit::dimensionless;
        const wchar_t* note = nullptr;
        if (mToken.hashed &&
            readCatalogueText(mText + mToken.begin, mToken.end - mToken.begin, mToken.hash, unit, note)) {
            meaning.units[0] = {unit, 1};
            return afterTerm(note);
        }
        const Reading reading = readName(mText + mToken.begin, mToken.end - mToken.begin, mToken.hashed);
        switch (reading.status) {
        case ReadStatus::Found:
            meaning = reading.meaning;
            return afterTerm(reading.note);
        case ReadStatus::AmbiguousCase:
            return fail(Error::AmbiguousCase, mToken);
        case ReadStatus::Refused:
            return fail(Error::RefusedUnit, mToken);
        case ReadStatus::Unknown:
            break;
        }
        return fail(Error::UnknownUnit, mToken,
                    mToken.wholeNameRejected ? FailureDetail::WholeNameRejected : FailureDetail::None);
    }

    bool afterTerm(const wchar_t* note) {
        addNote(mNotes, note);
        const bool wholeNameRejected = mToken.wholeNameRejected;
        advance();
        if (wholeNameRejected && mToken.kind == TokenKind::Open) {
            return fail(Error::UnexpectedText, mToken, FailureDetail::WholeNameRejected);
        }
        return true;
    }

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
                digits[i] =
                    static_cast<char>(mText[mToken.begin + i]); // ASCII: the lexer took digits, '.', 'e' and signs
            }
            const std::from_chars_result r = std::from_chars(digits, digits + length, value);
            value = r.ec == std::errc() && r.ptr == digits + length ? value : 0.0;
        }
        if (!usableScale(value)) {
            return fail(Error::NumberOutOfRange, mToken);
        }
        meaning.scale = value;
        advance();
        return true;
    }

    // A parenthesised expression, to the power of its exponent times power, into out.
    bool group(QelUnitExpression& out, std::int64_t power, const Token& op) {
        const Token open = mToken;
        if (++mDepth > QelUnitParser::kMaxNesting) {
            return fail(Error::NestingTooDeep, open);
        }
        advance();
        if (mToken.kind == TokenKind::Close) {
            return fail(Error::MissingOperand, {open.begin, mToken.end, 0, TokenKind::Open},
                        FailureDetail::EmptyParentheses);
        }
        QelUnitExpression inner;
        if (!expression(inner)) {
            return false;
        }
        if (mToken.kind != TokenKind::Close) {
            return mToken.kind == TokenKind::End ? fail(Error::UnbalancedParenthesis, open, FailureDetail::NotClosed)
                                                 : fail(Error::UnexpectedText, mToken);
        }
        advance();
        Token at = open;
        std::int64_t raised = 1;
        if (!exponent(raised, at)) {
            return false;
        }
        for (const QelUnitFactor& unit : inner.type()) {
            if (!inRange(unit.power * raised)) {
                return fail(Error::PowerOutOfRange, at);
            }
            if (!addPower(ExpressionAccess::type(out), unit.unit, unit.power * raised * power)) {
                return fail(Error::PowerOutOfRange, op);
            }
        }
        ExpressionAccess::difference(out) = ExpressionAccess::difference(out) || ExpressionAccess::difference(inner);
        double& scale = ExpressionAccess::scale(out);
        scale = scaledBy(scale, inner.scale(), raised * power);
        return usableScale(scale) || fail(Error::NumberOutOfRange, at, FailureDetail::Scale);
    }

    const wchar_t* mText;
    std::size_t mLength;
    Lexer mLexer;
    Token mToken;
    int mDepth = 0;
    NoteSink* mNotes;
    ParseFailure mFailure;
};

} // namespace

void NoteSink::add(const wchar_t* note) noexcept {
    for (std::size_t i = 0; i < count; ++i) {
        if (notes[i] == note) {
            return;
        }
    }
    if (count < kCapacity) {
        notes[count++] = note;
    }
}

bool buildExpression(const wchar_t* text, std::size_t length, QelUnitExpression& out, ParseFailure& failure,
                     NoteSink* notes) {
    return readShortName(text, length, out, notes) || readQuickly(text, length, out, notes) ||
           buildWithGrammar(text, length, out, failure, notes);
}

bool buildWithGrammar(const wchar_t* text, std::size_t length, QelUnitExpression& out, ParseFailure& failure,
                      NoteSink* notes) {
    ExpressionBuilder builder(text, length, notes);
    if (builder.run(out)) {
        return true;
    }
    failure = builder.failure();
    return false;
}

} // namespace qelunits_detail
