// Unit types written as text that the parser reads back as an equal type.

#include "parse/CharClass.h"
#include "parse/Lexicon.h"
#include "parse/Read.h"
#include "parse/ReadName.h"

#include "catalog/TypeTable.h"
#include "catalog/UnitTable.h"

#include <qelunits/QelUnitParser.h>

#include <charconv>
#include <iterator>
#include <string>

namespace qelunits_detail {
namespace {

// Parentheses keep a name whole before an exponent, and a quotient's name wherever
// it is not the numerator alone ("(m/s)^2", "1/(m/s)", "kg·(m/s)").
void appendFactor(std::wstring& out, const wchar_t* text, long power, bool soleNumerator) {
    const NameShape shape = shapeOf(text);
    const bool wrap = (power != 1 && !shape.compact) || (!soleNumerator && shape.quotient);
    out += wrap ? L"(" : L"";
    out += text;
    out += wrap ? L")" : L"";
    if (power != 1) {
        out += L'^';
        out += std::to_wstring(power);
    }
}

// fraction: "a·b/(c·d^2)"; otherwise "a·b·c^-1·d^-2". textOf(unit) gives each unit's text.
template <class TextOf>
std::wstring layout(const QelUnitType& type, TextOf textOf, bool fraction) {
    std::wstring numerator;
    std::size_t divisors = 0;
    for (const QelUnitFactor& entry : type) {
        divisors += entry.power < 0 ? 1U : 0U;
    }
    const bool soleNumerator = fraction && type.size() - divisors == 1;
    for (const QelUnitFactor& entry : type) {
        if (entry.power >= 0) {
            numerator += numerator.empty() ? L"" : L"\u00B7";
            appendFactor(numerator, textOf(entry.unit), entry.power, soleNumerator);
        }
    }
    for (const QelUnitFactor& entry : type) {
        if (entry.power < 0 && !fraction) {
            numerator += numerator.empty() ? L"" : L"\u00B7";
            appendFactor(numerator, textOf(entry.unit), entry.power, false);
        }
    }
    if (divisors == 0 || !fraction) {
        return numerator.empty() ? L"1" : numerator;
    }
    std::wstring denominator;
    for (const QelUnitFactor& entry : type) {
        if (entry.power < 0) {
            denominator += denominator.empty() ? L"" : L"\u00B7";
            appendFactor(denominator, textOf(entry.unit), -static_cast<long>(entry.power), false);
        }
    }
    return (numerator.empty() ? L"1" : numerator) + (divisors == 1 ? L"/" + denominator : L"/(" + denominator + L")");
}

bool readsBackAs(const std::wstring& text, const QelUnitType& type) {
    const QelUnitParseResult back = QelUnitParser::parse(text);
    return back.ok() && back.type().isEqualTo(type);
}

const wchar_t* dimensionSymbol(QelUnit::BuiltinUnits unit) {
    for (const BaseDimension& dimension : kBaseDimensions) {
        if (dimension.unit == unit) {
            return dimension.symbol;
        }
    }
    return L"?";
}

QelStringP toString(const std::wstring& text) { return QelStringP(text.c_str(), text.size()); }

// Whether a unit of the prefixable table is exactly the catalogue unit, unscaled.
bool spellsUnit(const PrefixableUnit& row, QelUnit::BuiltinUnits unit) {
    return row.symbols[0] != nullptr && row.meaning.scale == 1.0 && row.meaning.units[0].unit == unit &&
           row.meaning.units[0].power == 1 && row.meaning.units[1].power == 0;
}

// "kJ", "mg", "kJ/(kg·°K)", "kJ^2": a scale that a prefix on a unit of the numerator writes, where that reads
// back as the same expression; false where none does.
bool writePrefixed(const QelUnitExpression& expression, std::wstring& out) {
    for (const QelUnitFactor& factor : expression.type()) {
        for (std::uint16_t row = 0; factor.power > 0 && row < std::size(kPrefixableUnits); ++row) {
            for (std::uint8_t p = 0; spellsUnit(kPrefixableUnits[row], factor.unit) && p < std::size(kPrefixes); ++p) {
                // Engineering prefixes only: "das" for 10 s would puzzle more than it helps. A binary prefix
                // on a unit that takes none does not read back, and is not written.
                if (kPrefixes[p].symbol == nullptr || kPrefixes[p].exponent % 3 != 0 ||
                    scaledBy(1.0, prefixedScale(row, p), factor.power) != expression.scale()) {
                    continue;
                }
                const std::wstring spelled = std::wstring(kPrefixes[p].symbol) + kPrefixableUnits[row].symbols[0];
                const auto textOf = [&](QelUnit::BuiltinUnits unit) {
                    return unit == factor.unit ? spelled.c_str() : QelUnitParser::unitText(unit);
                };
                const std::wstring text = layout(expression.type(), textOf, true);
                const QelUnitParseResult back = QelUnitParser::parseExpression(text);
                if (back.ok() && back.expression().isEqualTo(expression)) {
                    out = text;
                    return true;
                }
            }
        }
    }
    return false;
}

bool readsBackAs(const wchar_t* text, QelUnit::BuiltinUnits unit) {
    QelUnit::BuiltinUnits found = QelUnit::dimensionless;
    return text != nullptr && resolveUnit(text, std::char_traits<wchar_t>::length(text), found) && found == unit;
}

} // namespace
} // namespace qelunits_detail

using qelunits_detail::kUnitTable;

const wchar_t* QelUnitParser::unitText(QelUnit::BuiltinUnits unit) noexcept {
    if (!QelUnit::isValid(unit)) {
        return L"";
    }
    const qelunits_detail::UnitRecord& record = kUnitTable[unit];
    if (qelunits_detail::readsBackAs(record.vellumAbbreviation, unit)) {
        return record.vellumAbbreviation;
    }
    // Shared abbreviations ("m" is also angle_minute) fall back to the unique internal name.
    for (const wchar_t* text : {record.defaultAbbreviation, record.internalName, record.singularName}) {
        if (qelunits_detail::readsBackAs(text, unit)) {
            return text;
        }
    }
    // Every text of the unit means another unit to most readers ("bbl", "barrel"): an everyday spelling of it.
    for (const qelunits_detail::VocabularyEntry& row : qelunits_detail::kVocabulary) {
        if (qelunits_detail::isOneUnit(row.meaning) && row.meaning.units[0].unit == unit &&
            qelunits_detail::readsBackAs(row.text, unit)) {
            return row.text;
        }
    }
    return record.internalName;
}

QelStringP QelUnitParser::format(const QelUnitType& type) {
    using qelunits_detail::layout;
    const std::wstring fraction = layout(type, QelUnitParser::unitText, true);
    // A quotient can spell another unit's name ("in/sec" is inch_per_second); negative powers cannot.
    if (qelunits_detail::readsBackAs(fraction, type)) {
        return qelunits_detail::toString(fraction);
    }
    return qelunits_detail::toString(layout(type, QelUnitParser::unitText, false));
}

std::wstring qelunits_detail::dimensionText(const QelUnitType& type) {
    QelUnitType metric;
    ConversionFactor factor;
    type.GetMetricConversion(metric, factor);
    return layout(metric, dimensionSymbol, true);
}

std::wstring qelunits_detail::shortestNumber(double value) {
    char digits[32];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    return std::wstring(digits, end.ptr);
}

QelStringP QelUnitParser::format(const QelUnitExpression& expression) {
    QelStringP type = format(expression.type());
    if (expression.isTemperatureDifference()) {
        type = QelStringP((L"\u0394" + std::wstring(type.view())).c_str());
    }
    if (!expression.isScaled()) {
        return type;
    }
    std::wstring text;
    if (!expression.isTemperatureDifference() && qelunits_detail::writePrefixed(expression, text)) {
        return qelunits_detail::toString(text);
    }
    return qelunits_detail::toString(qelunits_detail::numberedText(expression.scale(), type.view()));
}

std::wstring qelunits_detail::numberedText(double scale, std::wstring_view written) {
    std::wstring text = shortestNumber(scale);
    if (written == L"1") {
        // The scale alone: "1e-06" for ppm.
    } else if (written.substr(0, 2) == L"1/") {
        text += written.substr(1); // "1000/hr", not "1000 1/hr"
    } else {
        text += written.front() == L'(' ? L"\u00B7" : L" ";
        text += written;
    }
    return text;
}
