// Readings of the commonest inputs that need no grammar: one catalogue name, or
// names joined by operators. Each gives exactly what the grammar would, or
// leaves the text to it.

#include "parse/BuildType.h"

#include "catalog/HashedTexts.h"
#include "expression/ExpressionAccess.h"
#include "parse/CharClass.h"
#include "parse/ReadName.h"
#include "parse/Tokenise.h"
#include "unittype/UnitTypeAccess.h"

#include <cmath>
#include <cstdint>

namespace qelunits_detail {
namespace {

// The exponent at text[at] ("^N", "^-N" or superscripts), or 1 where none
// follows; false where the lexer would read more (a blank, a fraction, a second
// exponent, a power out of range: the grammar says what is wrong).
bool quickExponent(const wchar_t* text, std::size_t length, std::size_t& at, std::int64_t& power) {
    power = 1;
    const bool caret = at < length && text[at] == L'^';
    if (at >= length || (!caret && !isSuperscript(text[at]))) {
        return true;
    }
    std::size_t i = caret ? at + 1 : at;
    bool negative = false;
    if (i < length && (caret ? isSign(text[i]) : text[i] == L'\u207B' || text[i] == L'\u207A')) {
        negative = text[i] != L'+' && text[i] != L'\u207A';
        ++i;
    }
    const std::size_t digits = i;
    std::int64_t value = 0;
    for (; i < length && value <= QelUnitParser::kMaxPower; ++i) {
        const int digit = caret ? (isDigit(text[i]) ? text[i] - L'0' : -1) : superscriptDigit(text[i]);
        if (digit < 0) {
            break;
        }
        value = value * 10 + digit;
    }
    if (i == digits || value > QelUnitParser::kMaxPower ||
        (i < length && (isDigit(text[i]) || text[i] == L'.' || text[i] == L'^' || isSuperscript(text[i])))) {
        return false;
    }
    at = i;
    power = negative ? -value : value;
    return true;
}

bool abandon(QelUnitExpression& out) {
    UnitTypeAccess{ExpressionAccess::type(out)}.clear();
    ExpressionAccess::scale(out) = 1.0;
    ExpressionAccess::difference(out) = false;
    return false;
}

// What a word that is no catalogue text means, as the grammar reads a term.
bool readWord(const wchar_t* word, std::size_t length, Meaning& meaning, const wchar_t*& note) {
    const Reading reading = readName(word, length, true);
    meaning = reading.meaning;
    note = reading.note;
    return reading.status == ReadStatus::Found;
}

// out times meaning^power, checked as the grammar checks a term and its exponent.
bool multiply(QelUnitExpression& out, const Meaning& meaning, std::int64_t exponent, std::int64_t sign) {
    for (const QelUnitFactor& unit : meaning.units) {
        if (unit.power != 0 &&
            (!powerInRange(unit.power * exponent) ||
             !addPowerInRange(ExpressionAccess::type(out), unit.unit, unit.power * exponent * sign))) {
            return false;
        }
    }
    ExpressionAccess::difference(out) = ExpressionAccess::difference(out) || meaning.difference;
    double& scale = ExpressionAccess::scale(out);
    scale = scaledBy(scale, meaning.scale, exponent * sign);
    return scale > 0.0 && std::isfinite(scale);
}

} // namespace

bool readCatalogueName(const wchar_t* text, std::size_t length, std::uint32_t hash, QelUnitExpression& out,
                       NoteSink* notes) {
    QelUnit::BuiltinUnits unit = QelUnit::dimensionless;
    const wchar_t* note = nullptr;
    if (!readCatalogueText(text, length, hash, unit, note)) {
        return false;
    }
    ExpressionAccess::type(out).set(unit, 1);
    addNote(notes, note);
    return true;
}

// scale times factor^power, rounded once where power is 1 or -1.
double scaledBy(double scale, double factor, std::int64_t power) {
    if (factor == 1.0 || power == 0) {
        return scale;
    }
    return power == 1    ? scale * factor
           : power == -1 ? scale / factor
                         : scale * std::pow(factor, static_cast<double>(power));
}

bool addPowerInRange(QelUnitType& type, QelUnit::BuiltinUnits unit, std::int64_t delta) {
    if (unit == QelUnit::dimensionless) {
        return true; // "Unitless": a type holds no entry for it
    }
    UnitTypeAccess access{type};
    std::uint32_t i = 0;
    while (i < access.size() && access.data()[i].unit < unit) {
        ++i;
    }
    const bool present = i < access.size() && access.data()[i].unit == unit;
    const std::int64_t sum = (present ? access.data()[i].power : 0) + delta;
    if (!powerInRange(sum)) {
        return false;
    }
    if (present && sum == 0) {
        access.eraseAt(i); // x^0 is 1, not an entry with power 0
    } else if (present) {
        access.data()[i].power = static_cast<std::int32_t>(sum);
    } else if (sum != 0) {
        access.insertAt(i, {unit, static_cast<std::int32_t>(sum)});
    }
    return true;
}

// One lookup for the whole text. Longer names are found by the lexer; a text
// with more than one break between words is an expression.
bool readShortName(const wchar_t* text, std::size_t length, QelUnitExpression& out, NoteSink* notes) {
    std::size_t begin = 0;
    std::size_t end = length;
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    std::uint32_t hash = kHashSeed;
    int breaks = 0;
    for (std::size_t i = begin; i < end && breaks < 2; ++i) {
        hash = hashStep(hash, text[i]);
        breaks += endsWord(text[i]) ? 1 : 0;
    }
    if (begin == end || breaks > 1) {
        return false;
    }
    if (readCatalogueName(text + begin, end - begin, hash, out, notes)) {
        return true;
    }
    // One word ("kJ", "s", "mph") means what the grammar's reading of a term says; one break needs the grammar.
    Meaning meaning;
    const wchar_t* note = nullptr;
    if (breaks != 0 || !readWord(text + begin, end - begin, meaning, note) || !multiply(out, meaning, 1, 1)) {
        return abandon(out);
    }
    addNote(notes, note);
    return true;
}

namespace {

// Blanks and parentheses need the grammar: a text holding one is left before any work.
bool needsGrammar(const wchar_t* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        if (isBlank(text[i]) || text[i] == L'(' || text[i] == L')') {
            return true;
        }
    }
    return false;
}

} // namespace

// Each word is a catalogue text and no whole name starts at it (the lexer would
// take that instead); '/' starts a divisor, '*' a factor, '·' goes on with the product.
bool readQuickly(const wchar_t* text, std::size_t length, QelUnitExpression& out, NoteSink* notes) {
    if (needsGrammar(text, length)) {
        return false;
    }
    std::int64_t sign = 1;
    for (std::size_t at = 0;;) {
        const std::size_t start = at;
        if (at >= length || endsWord(text[at]) || isSign(text[at])) {
            return abandon(out);
        }
        std::uint32_t hash = kHashSeed;
        for (; at < length && !endsWord(text[at]); ++at) {
            hash = hashStep(hash, text[at]);
        }
        bool rejected = false;
        const std::size_t whole =
            at < length ? wholeNameEnd(text, length, start, at - start, hash, sign < 0, rejected) : 0;
        if (whole != 0) {
            // A name holding operators: alone it is the whole input ("m/s"), else the grammar reads it.
            return start == 0 && whole == length ? readCatalogueName(text, length, hashFolded(text, length), out, notes)
                                                 : abandon(out);
        }
        // A catalogue text, the common case, needs no reading: one unit, unscaled.
        QelUnit::BuiltinUnits unit = QelUnit::dimensionless;
        const wchar_t* note = nullptr;
        const bool catalogued = readCatalogueText(text + start, at - start, hash, unit, note);
        Meaning meaning;
        std::int64_t power = 1;
        if ((!catalogued && !readWord(text + start, at - start, meaning, note)) ||
            !quickExponent(text, length, at, power) ||
            !(catalogued ? addPowerInRange(ExpressionAccess::type(out), unit, power * sign)
                         : multiply(out, meaning, power, sign))) {
            return abandon(out);
        }
        addNote(notes, note); // the grammar adds it again where it takes over
        if (at == length) {
            break;
        }
        const wchar_t c = text[at++];
        if (c == L'/') {
            sign = -1;
        } else if (isTimes(c) && !(at < length && text[at] == L'*')) {
            sign = 1;
        } else if (!isMiddleDot(c)) {
            return abandon(out);
        }
    }
    return true;
}

} // namespace qelunits_detail
