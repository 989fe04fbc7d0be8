#include "parse/BuildType.h"

#include "expression/ExpressionAccess.h"
#include "parse/ReadName.h"
#include "parse/Tokenise.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace qelunits_detail {
namespace {

using Error = QelUnitParseResult::Error;

constexpr std::int64_t kMaxPower = QelUnitParser::kMaxPower;

// Longer numbers are refused rather than copied: no one writes a scale that long.
constexpr std::size_t kMaxNumberLength = 128;

bool inRange(std::int64_t power) { return power >= -kMaxPower && power <= kMaxPower; }

bool usableScale(double scale) { return scale > 0.0 && std::isfinite(scale); }

// Whether a * b (or a / b) keeps every power within range; both lists are ascending.
bool productInRange(const QelUnitType& a, const QelUnitType& b, bool divide) {
    std::size_t j = 0;
    for (const QelUnitFactor& entry : a) {
        while (j < b.size() && b[j].unit < entry.unit) {
            ++j;
        }
        if (j < b.size() && b[j].unit == entry.unit) {
            const std::int64_t other = b[j].power;
            if (!inRange(entry.power + (divide ? -other : other))) {
                return false;
            }
        }
    }
    return true;
}

/// Recursive descent over the tokens, tightest last:
///   expression = product (('*' | '/' | "per") product)*
///   product    = factor (['·' | '-' | '.'] factor)*     (units side by side multiply)
///   factor     = modifier factor | primary [exponent]
///   primary    = term | number | '(' expression ')'
class ExpressionBuilder {
public:
    ExpressionBuilder(const wchar_t* text, std::size_t length, NoteSink* notes)
        : mText(text), mLexer(text, length), mNotes(notes) {
        advance();
    }

    bool run(QelUnitExpression& out) {
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
    void advance() { mLexer.next(mToken); }

    bool fail(Error code, const Token& at, FailureDetail detail = FailureDetail::None) {
        mFailure = {code, at.begin, at.end, detail};
        return false;
    }

    bool startsOperand() const {
        return mToken.kind == TokenKind::Term || mToken.kind == TokenKind::Number || mToken.kind == TokenKind::Open ||
               mToken.kind == TokenKind::Modifier;
    }

    bool expression(QelUnitExpression& out) {
        if (!product(out)) {
            return false;
        }
        while (mToken.kind == TokenKind::Times || mToken.kind == TokenKind::Divide) {
            const Token op = mToken;
            advance();
            if (!startsOperand()) {
                return missingOperand(op);
            }
            QelUnitExpression rhs;
            if (!product(rhs) || !combine(out, rhs, op, op.kind == TokenKind::Divide)) {
                return false;
            }
        }
        if (mToken.kind == TokenKind::Open) {
            return fail(Error::UnexpectedText, mToken, FailureDetail::MissingOperator);
        }
        return true;
    }

    bool product(QelUnitExpression& out) {
        if (!factor(out)) {
            return false;
        }
        for (;;) {
            const Token op = mToken;
            if (op.kind == TokenKind::Dot) {
                advance();
                if (!startsOperand()) {
                    return missingOperand(op);
                }
            } else if (op.kind != TokenKind::Term && op.kind != TokenKind::Number && op.kind != TokenKind::Modifier) {
                return true;
            }
            QelUnitExpression rhs;
            if (!factor(rhs) || !combine(out, rhs, op, false)) {
                return false;
            }
        }
    }

    bool combine(QelUnitExpression& out, const QelUnitExpression& rhs, const Token& op, bool divide) {
        if (!productInRange(out.type(), rhs.type(), divide)) {
            return fail(Error::PowerOutOfRange, op);
        }
        if (divide) {
            out /= rhs;
        } else {
            out *= rhs;
        }
        return usableScale(out.scale()) || fail(Error::NumberOutOfRange, op, FailureDetail::Scale);
    }

    bool missingOperand(const Token& op) {
        if (mToken.kind == TokenKind::Power || mToken.kind == TokenKind::BadPower) {
            return fail(Error::UnexpectedText, mToken);
        }
        return fail(Error::MissingOperand, op);
    }

    bool factor(QelUnitExpression& out) {
        if (mToken.kind == TokenKind::Modifier) {
            const Token modifier = mToken;
            if (++mDepth > QelUnitParser::kMaxNesting) {
                return fail(Error::NestingTooDeep, modifier);
            }
            advance();
            if (!startsOperand()) {
                return missingOperand(modifier);
            }
            const bool read = factor(out) && raise(out, modifier);
            --mDepth;
            return read;
        }
        if (!primary(out)) {
            return false;
        }
        if (mToken.kind == TokenKind::BadPower) {
            return fail(Error::BadExponent, mToken);
        }
        if (mToken.kind != TokenKind::Power) {
            return true;
        }
        if (!raise(out, mToken)) {
            return false;
        }
        advance();
        if (mToken.kind == TokenKind::Power || mToken.kind == TokenKind::BadPower) {
            return fail(Error::BadExponent, mToken, FailureDetail::SecondExponent);
        }
        return true;
    }

    bool raise(QelUnitExpression& out, const Token& power) {
        if (power.exponentTooLarge) {
            return fail(Error::PowerOutOfRange, power);
        }
        for (const QelUnitFactor& entry : out.type()) {
            if (!inRange(static_cast<std::int64_t>(entry.power) * power.exponent)) {
                return fail(Error::PowerOutOfRange, power);
            }
        }
        out.pow(power.exponent); // x^0 is 1, not an entry with power 0
        return usableScale(out.scale()) || fail(Error::NumberOutOfRange, power, FailureDetail::Scale);
    }

    bool primary(QelUnitExpression& out) {
        const Token token = mToken;
        switch (token.kind) {
        case TokenKind::Term:
            return term(out);
        case TokenKind::Number:
            return number(out);
        case TokenKind::Open:
            return group(out, token);
        case TokenKind::Close:
            return fail(Error::UnbalancedParenthesis, token, FailureDetail::NotOpened);
        case TokenKind::End:
            return fail(Error::MissingOperand, token);
        default:
            return fail(Error::UnexpectedText, token);
        }
    }

    // out arrives as 1 × dimensionless, as every primary's does.
    bool term(QelUnitExpression& out) {
        const Reading reading = readName(mText + mToken.begin, mToken.end - mToken.begin);
        switch (reading.status) {
        case ReadStatus::Found:
            break;
        case ReadStatus::AmbiguousCase:
            return fail(Error::AmbiguousCase, mToken);
        case ReadStatus::Refused:
            return fail(Error::RefusedUnit, mToken);
        case ReadStatus::Unknown:
            return fail(Error::UnknownUnit, mToken,
                        mToken.wholeNameRejected ? FailureDetail::WholeNameRejected : FailureDetail::None);
        }
        if (reading.note != nullptr && mNotes != nullptr) {
            mNotes->add(reading.note);
        }
        ExpressionAccess::scale(out) = reading.meaning.scale;
        ExpressionAccess::type(out) = typeOf(reading.meaning);
        const bool wholeNameRejected = mToken.wholeNameRejected;
        advance();
        if (wholeNameRejected && mToken.kind == TokenKind::Open) {
            return fail(Error::UnexpectedText, mToken, FailureDetail::WholeNameRejected);
        }
        return true;
    }

    bool number(QelUnitExpression& out) {
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
        ExpressionAccess::scale(out) = value;
        advance();
        return true;
    }

    bool group(QelUnitExpression& out, const Token& open) {
        if (++mDepth > QelUnitParser::kMaxNesting) {
            return fail(Error::NestingTooDeep, open);
        }
        advance();
        if (mToken.kind == TokenKind::Close) {
            return fail(Error::MissingOperand, {open.begin, mToken.end, 0, TokenKind::Open},
                        FailureDetail::EmptyParentheses);
        }
        if (!expression(out)) {
            return false;
        }
        if (mToken.kind != TokenKind::Close) {
            return mToken.kind == TokenKind::End ? fail(Error::UnbalancedParenthesis, open, FailureDetail::NotClosed)
                                                 : fail(Error::UnexpectedText, mToken);
        }
        --mDepth;
        advance();
        return true;
    }

    const wchar_t* mText;
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
    ExpressionBuilder builder(text, length, notes);
    if (builder.run(out)) {
        return true;
    }
    failure = builder.failure();
    return false;
}

} // namespace qelunits_detail
