#include "parse/BuildType.h"

#include "parse/ResolveName.h"
#include "parse/Tokenise.h"

#include <cstdint>

namespace qelunits_detail {
namespace {

constexpr std::int64_t kMaxPower = QelUnitParser::kMaxPower;

bool inRange(std::int64_t power) { return power >= -kMaxPower && power <= kMaxPower; }

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

bool isNumberOne(const wchar_t* text, std::size_t begin, std::size_t end) {
    std::size_t i = begin;
    while (i < end && text[i] == L'0') {
        ++i;
    }
    if (i == end || text[i] != L'1') {
        return false;
    }
    ++i;
    if (i < end && text[i] == L'.') {
        ++i;
        while (i < end && text[i] == L'0') {
            ++i;
        }
    }
    return i == end;
}

/// Recursive descent over the tokens: expression = factor (('*' | '/') factor)*,
/// factor = primary [exponent], primary = term | number | '(' expression ')'.
class TypeBuilder {
public:
    TypeBuilder(const wchar_t* text, std::size_t length) : mText(text), mLexer(text, length) { advance(); }

    bool run(QelUnitType& type) {
        if (!expression(type)) {
            return false;
        }
        if (mToken.kind == TokenKind::Close) {
            return fail(QelUnitParseResult::Error::UnbalancedParenthesis, mToken, FailureDetail::NotOpened);
        }
        return mToken.kind == TokenKind::End || fail(QelUnitParseResult::Error::UnexpectedText, mToken);
    }

    const ParseFailure& failure() const { return mFailure; }

private:
    void advance() { mLexer.next(mToken); }

    bool fail(QelUnitParseResult::Error code, const Token& at, FailureDetail detail = FailureDetail::None) {
        mFailure = {code, at.begin, at.end, detail};
        return false;
    }

    bool startsOperand() const {
        return mToken.kind == TokenKind::Term || mToken.kind == TokenKind::Number || mToken.kind == TokenKind::Open;
    }

    bool expression(QelUnitType& out) {
        if (!factor(out)) {
            return false;
        }
        while (mToken.kind == TokenKind::Times || mToken.kind == TokenKind::Divide) {
            const Token op = mToken;
            advance();
            if (!startsOperand()) {
                return missingOperand(op);
            }
            QelUnitType rhs;
            if (!factor(rhs)) {
                return false;
            }
            const bool divide = op.kind == TokenKind::Divide;
            if (!productInRange(out, rhs, divide)) {
                return fail(QelUnitParseResult::Error::PowerOutOfRange, op);
            }
            if (divide) {
                out /= rhs;
            } else {
                out *= rhs;
            }
        }
        if (startsOperand()) {
            return fail(QelUnitParseResult::Error::UnexpectedText, mToken, FailureDetail::MissingOperator);
        }
        return true;
    }

    bool missingOperand(const Token& op) {
        if (mToken.kind == TokenKind::Power || mToken.kind == TokenKind::BadPower) {
            return fail(QelUnitParseResult::Error::UnexpectedText, mToken);
        }
        return fail(QelUnitParseResult::Error::MissingOperand, op);
    }

    bool factor(QelUnitType& out) {
        if (!primary(out)) {
            return false;
        }
        if (mToken.kind == TokenKind::BadPower) {
            return fail(QelUnitParseResult::Error::BadExponent, mToken);
        }
        if (mToken.kind != TokenKind::Power) {
            return true;
        }
        if (!raise(out, mToken)) {
            return false;
        }
        advance();
        if (mToken.kind == TokenKind::Power || mToken.kind == TokenKind::BadPower) {
            return fail(QelUnitParseResult::Error::BadExponent, mToken, FailureDetail::SecondExponent);
        }
        return true;
    }

    bool raise(QelUnitType& out, const Token& power) {
        if (power.exponentTooLarge) {
            return fail(QelUnitParseResult::Error::PowerOutOfRange, power);
        }
        if (power.exponent == 0) {
            out = QelUnitType(); // x^0 is 1, not an entry with power 0
            return true;
        }
        for (const QelUnitFactor& entry : out) {
            if (!inRange(static_cast<std::int64_t>(entry.power) * power.exponent)) {
                return fail(QelUnitParseResult::Error::PowerOutOfRange, power);
            }
        }
        out.pow(power.exponent);
        return true;
    }

    bool primary(QelUnitType& out) {
        if (mToken.kind == TokenKind::Term) {
            return term(out);
        }
        const Token token = mToken;
        switch (token.kind) {
        case TokenKind::Number:
            if (!isNumberOne(mText, token.begin, token.end)) {
                return fail(QelUnitParseResult::Error::NumberNotOne, token);
            }
            out = QelUnitType();
            advance();
            return true;
        case TokenKind::Open:
            return group(out, token);
        case TokenKind::Close:
            return fail(QelUnitParseResult::Error::UnbalancedParenthesis, token, FailureDetail::NotOpened);
        case TokenKind::End:
            return fail(QelUnitParseResult::Error::MissingOperand, token);
        default:
            return fail(QelUnitParseResult::Error::UnexpectedText, token);
        }
    }

    // out arrives empty, as every primary's does.
    bool term(QelUnitType& out) {
        QelUnit::BuiltinUnits unit = QelUnit::dimensionless;
        const bool wholeNameRejected = mToken.wholeNameRejected;
        if (!resolveUnit(mText + mToken.begin, mToken.end - mToken.begin, unit)) {
            return fail(QelUnitParseResult::Error::UnknownUnit, mToken,
                        wholeNameRejected ? FailureDetail::WholeNameRejected : FailureDetail::None);
        }
        advance();
        if (wholeNameRejected && mToken.kind == TokenKind::Open) {
            return fail(QelUnitParseResult::Error::UnexpectedText, mToken, FailureDetail::WholeNameRejected);
        }
        out.set(unit, 1);
        return true;
    }

    bool group(QelUnitType& out, const Token& open) {
        if (++mDepth > QelUnitParser::kMaxNesting) {
            return fail(QelUnitParseResult::Error::NestingTooDeep, open);
        }
        advance();
        if (mToken.kind == TokenKind::Close) {
            return fail(QelUnitParseResult::Error::MissingOperand, {open.begin, mToken.end, 0, TokenKind::Open},
                        FailureDetail::EmptyParentheses);
        }
        if (!expression(out)) {
            return false;
        }
        if (mToken.kind != TokenKind::Close) {
            return mToken.kind == TokenKind::End
                       ? fail(QelUnitParseResult::Error::UnbalancedParenthesis, open, FailureDetail::NotClosed)
                       : fail(QelUnitParseResult::Error::UnexpectedText, mToken);
        }
        --mDepth;
        advance();
        return true;
    }

    const wchar_t* mText;
    Lexer mLexer;
    Token mToken;
    int mDepth = 0;
    ParseFailure mFailure;
};

} // namespace

bool buildType(const wchar_t* text, std::size_t length, QelUnitType& type, ParseFailure& failure) {
    TypeBuilder builder(text, length);
    if (builder.run(type)) {
        return true;
    }
    failure = builder.failure();
    return false;
}

} // namespace qelunits_detail
