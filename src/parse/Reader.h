#ifndef QELUNITS_SRC_PARSE_READER_H
#define QELUNITS_SRC_PARSE_READER_H

// The one reader of unit expressions: recursive descent over the tokens,
// telling a sink what it reads. The sink builds the scale and type, or only
// collects notes; failures are values with the span they refer to.
//
//   expression = ['/'] product (('*' | '/' | "per" | '·' | '.' | blank) product)*
//   product    = factor (('-' | no blank | after a number) factor)*
//   factor     = modifier* primary [exponent]
//   primary    = term [qualifier] | number | '(' expression ')'
//
// '*', '/', '·', '.' and units side by side go left to right; units side by
// side after a divisor are refused ("J/kg K" reads two ways), except names after
// the word "per", which all belong to its divisor ("joule per kilogram kelvin").
// '-', units written without a blank after an exponent, and a number before a
// unit bind tighter ("Btu/hr-ft2-°F", "W/m2K", "L/100 km"). Modifiers are
// "sq", "square", "cu", "cubic", "reciprocal" and "inverse"; exponents also
// "squared", "cubed" and "to the fourth power".

#include "expression/ExpressionAccess.h"
#include "parse/Lexer.h"
#include "parse/ReadName.h"
#include "parse/Terms.h"
#include "unittype/FactorList.h"
#include "unittype/UnitTypeAccess.h"

#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitParser.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qelunits_detail {

/// Refinements of an error code that change its message.
enum class FailureDetail : std::uint8_t {
    None,
    MissingOperator,   // '(' right after a unit
    EmptyParentheses,  // "()"
    NotClosed,         // '(' without ')'
    NotOpened,         // ')' without '('
    SecondExponent,    // "m^2^3"
    WholeNameRejected, // "Kn(UK)^2": a name with operators could not be read whole here
    Scale,             // a product or power whose scale leaves the range of a double
    Alone,             // a symbol refused as the whole expression ("C")
    BesideHeat,        // a symbol refused beside a unit of energy or power ("C" in "kJ/kg-C")
    UnboundPrefix,     // "kilo" before a unit name that takes no prefix ("kilo foot")
    NoCatalogueType,   // a defined unit of a dimension a program added ("dollar = [currency]")
};

/// Where and why reading failed; [position, end) is the offending text.
struct ParseFailure {
    QelUnitParseResult::Error code = QelUnitParseResult::Error::None;
    std::size_t position{}; // set with the code
    std::size_t end{};
    FailureDetail detail = FailureDetail::None;
};

/// The notes of the kept short spellings an expression uses, each once.
struct NoteSink {
    static constexpr std::size_t kCapacity = 8;
    const wchar_t* notes[kCapacity] = {};
    std::size_t count = 0;
    void add(const wchar_t* note) noexcept;
};

/// scale times factor^power, rounded once where power is 1 or -1.
double scaledBy(double scale, double factor, std::int64_t power);

/// One catalogue unit, unscaled: what most terms mean.
struct PlainUnit {
    QelUnit::BuiltinUnits unit;
};

/// How multiplying a term into a sink went.
enum class Merge : std::uint8_t { Ok, PowerOutOfRange, ScaleOutOfRange, NoCatalogueType };

/// Builds the scale and type of an expression in place.
class BuildSink {
public:
    /// What a parenthesised part is built into.
    using Inner = QelUnitExpression;
    explicit BuildSink(QelUnitExpression& out) noexcept : mOut(&out) {}
    /// A sink for a parenthesised part, built into inner.
    BuildSink over(QelUnitExpression& inner) const noexcept { return BuildSink(inner); }

    /// out times unit^power.
    Merge multiply(PlainUnit plain, std::int64_t power) const {
        UnitTypeAccess type{ExpressionAccess::type(*mOut)};
        return addPowerWithin(type, plain.unit, power, QelUnitParser::kMaxPower) ? Merge::Ok : Merge::PowerOutOfRange;
    }
    /// out times meaning^power.
    Merge multiply(const Meaning& meaning, std::int64_t power) const {
        if (meaning.origin.kind == MeaningOrigin::Kind::Term) { // a named term: what it means in catalogue units
            const Term& term = *termOf(meaning.origin.row);
            return term.expandable ? multiply(term.expansion, power) : Merge::NoCatalogueType;
        }
        UnitTypeAccess type{ExpressionAccess::type(*mOut)};
        for (const QelUnitFactor& unit : meaning.units) {
            if (unit.power == 0) {
                break;
            }
            if (!addPowerWithin(type, unit.unit, unit.power * power, QelUnitParser::kMaxPower)) {
                return Merge::PowerOutOfRange;
            }
        }
        ExpressionAccess::difference(*mOut) = ExpressionAccess::difference(*mOut) || meaning.difference;
        return scaleBy(meaning.scale, power);
    }
    /// out times inner^power.
    Merge multiply(const QelUnitExpression& inner, std::int64_t power) const {
        UnitTypeAccess type{ExpressionAccess::type(*mOut)};
        for (const QelUnitFactor& unit : inner.type()) {
            if (!addPowerWithin(type, unit.unit, unit.power * power, QelUnitParser::kMaxPower)) {
                return Merge::PowerOutOfRange;
            }
        }
        ExpressionAccess::difference(*mOut) = ExpressionAccess::difference(*mOut) || inner.isTemperatureDifference();
        return scaleBy(inner.scale(), power);
    }
    void note(const wchar_t* /*note*/) const noexcept {}
    /// Whether out holds a unit of energy, power or power density (J, Btu, W, W/m²).
    bool holdsHeat() const noexcept;

private:
    // A scale is negative only by a meaning that counts the other way (degree_west); numbers are positive.
    Merge scaleBy(double factor, std::int64_t power) const {
        double& scale = ExpressionAccess::scale(*mOut);
        scale = scaledBy(scale, factor, power);
        return scale != 0.0 && std::isfinite(scale) ? Merge::Ok : Merge::ScaleOutOfRange;
    }

    QelUnitExpression* mOut;
};

/// Collects the notes of an expression and builds nothing.
class NotesSink {
public:
    using Inner = QelUnitExpression;
    explicit NotesSink(NoteSink& notes) noexcept : mNotes(&notes) {}
    NotesSink over(QelUnitExpression& /*inner*/) const noexcept { return *this; }
    Merge multiply(PlainUnit /*plain*/, std::int64_t /*power*/) const noexcept { return Merge::Ok; }
    Merge multiply(const Meaning& /*meaning*/, std::int64_t /*power*/) const noexcept { return Merge::Ok; }
    Merge multiply(const QelUnitExpression& /*inner*/, std::int64_t /*power*/) const noexcept { return Merge::Ok; }
    void note(const wchar_t* note) const noexcept {
        if (note != nullptr) {
            mNotes->add(note);
        }
    }
    /// Notes are asked for of an expression already read.
    bool holdsHeat() const noexcept { return false; }

private:
    NoteSink* mNotes;
};

/// The part of a text to read: text[begin, end), positions counted from text plus offset.
struct ReadSpan {
    const wchar_t* text = nullptr;
    std::size_t begin{}; // set with the text
    std::size_t end{};
    std::size_t offset = 0; // added to the positions of a failure (a copy read in place of the input)
};

/// Reads span into sink (BuildSink or NotesSink); false with failure filled in.
template <class Sink>
bool readExpression(const ReadSpan& span, const Sink& sink, ParseFailure& failure);

} // namespace qelunits_detail

#endif
