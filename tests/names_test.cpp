// Names written in words, as the SI writes them: "per" divides by every name after it, "square", "cubic",
// "reciprocal" and "to the fourth power" raise, and a prefix word binds to the unit name after it. Each name
// against the same unit written in symbols, through the value API and the expression reader alike.

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitsUtf8.h>
#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using qelunits::Unit;
using E = QelUnitParseResult::Error;

// text reads as the unit symbols spell, by the value API, and the expression reader reads it the same.
void expectReadsAs(const std::string& text, const std::string& symbols) {
    SCOPED_TRACE(text);
    const qelunits::Result<Unit> unit = Unit::parse(text);
    ASSERT_TRUE(unit.ok()) << unit.message();
    EXPECT_EQ(*unit, Unit(symbols));
    const QelUnitParseResult expression = QelUnitParser::parseExpressionUtf8(text);
    ASSERT_TRUE(expression.ok()) << qelunits::toUtf8(expression.message());
    EXPECT_TRUE(expression.expression().isEqualTo(unit->expression()));
}

void expectRefused(const std::vector<const char*>& texts, E error) {
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(QelUnitParser::parseExpressionUtf8(text).error(), error);
        EXPECT_FALSE(Unit::parse(text).ok());
    }
}

TEST(Names, PerDividesByEveryNameAfterIt) {
    const std::pair<const char*, const char*> rows[] = {
        {"watt per square meter kelvin", "W/(m^2*K)"}, // "Watt per square meter" is a catalogue name
        {"joule per kilogram kelvin", "J/(kg*K)"},
        {"Kilojoule per Kilogram Kelvin", "kJ/(kg*K)"}, // as the value API writes names
        {"watt per meter kelvin", "W/(m*K)"},
        {"Btu per hour square foot degree Fahrenheit", "Btu/(h*ft^2*degF)"},
        {"meter per second kelvin", "m/(s*K)"},
        {"Newton per square millimeter kelvin", "N/(mm^2*K)"},
        {"per square meter kelvin", "1/(m^2*K)"},
        {"joule_per_kilogram_kelvin", "J/(kg*K)"},
        // Each "per" divides again; an exponent belongs to the name before it.
        {"meter per second per second", "m/s^2"},
        {"kilogram per meter per second", "kg/(m*s)"},
        {"meters per second squared", "m/s^2"},
        {"joule per kilogram kelvin squared", "J/(kg*K^2)"},
        {"newton meter per second", "N*m/s"},
        {"miles per hour", "mi/h"},
    };
    for (const auto& [text, symbols] : rows) {
        expectReadsAs(text, symbols);
    }
}

// The symbol grammar keeps its refusal: symbols side by side after a divisor, '/' or "per", read two ways.
TEST(Names, SymbolsSideBySideAfterADivisorStayRefused) {
    expectRefused({"J/kg K", "J per kg K", "joule per kilogram K", "W per m2 K", "joule/kilogram kelvin",
                   "watt per meter\u00B7kelvin", "joule per (kilogram) kelvin"},
                  E::AmbiguousProduct);
}

TEST(Names, WordsRaiseTheUnitAfterOrBeforeThem) {
    const std::pair<const char*, const char*> rows[] = {
        {"square meter", "m^2"},
        {"cubic foot", "ft^3"},
        {"reciprocal second", "1/s"},
        {"inverse centimeter", "1/cm"},
        {"reciprocal square meter", "m^-2"},
        {"reciprocal_centimeter", "1/cm"},
        {"meter to the fourth power", "m^4"},
        {"Meter To The Fourth Power", "m^4"},
        {"meter to the 4th power", "m^4"},
        {"meter to the fourth", "m^4"},
        {"meter to the power of 3", "m^3"},
        {"meter to the power minus one", "1/m"},
        {"second to the minus second power", "s^-2"},
        {"meter to the power -2", "m^-2"},
        {"kilogram meter to the second power per second", "kg*m^2/s"},
    };
    for (const auto& [text, symbols] : rows) {
        expectReadsAs(text, symbols);
    }
    expectRefused({"meter to the", "meter to the power", "meter to the zeroth power", "to"}, E::UnknownUnit);
    expectRefused({"meter to the power 1001"}, E::PowerOutOfRange);
    expectRefused({"meter to the fourth power squared"}, E::BadExponent);
}

TEST(Names, PrefixWordsBindToTheUnitNameAfterThem) {
    const std::pair<const char*, const char*> rows[] = {
        {"kilo electron volt", "keV"},
        {"Kilo Gram Force", "kgf"},
        {"milli gram", "mg"},
        {"kilo", "kg"}, // alone, the kilogram
        {"kiloelectron volt", "keV"},
        {"mega watt hour", "MWh"},
        {"micro meter", "um"},
        {"kilo\t  meter", "km"},
        {"kilo_electron_volt", "keV"},
        {"kilo gram per cubic meter", "kg/m^3"},
        {"milli ampere hour", "mA*h"},
        {"kilo volt ampere reactive", "kvar"},
        {"kilo m", "kg*m"}, // a prefix word binds to names, not to symbols
    };
    for (const auto& [text, symbols] : rows) {
        expectReadsAs(text, symbols);
    }
    // "kilo" before a name that takes no prefix reads two ways; another prefix word alone is no unit.
    const QelUnitParseResult foot = QelUnitParser::parseExpression(L"m/kilo foot");
    EXPECT_EQ(foot.error(), E::AmbiguousProduct);
    EXPECT_EQ(foot.position(), 2U);
    EXPECT_STREQ(foot.message(), L"'kilo foot' at 2 reads two ways: a kilogram times a foot, or 'kilo' as a prefix, "
                                 L"which 'foot' takes none of: write 'kg\u00B7foot' for the product");
    expectRefused({"mega foot"}, E::UnknownUnit);
}

TEST(Names, NamesOfTwoWordsAreOneUnit) {
    const std::pair<const char*, const char*> rows[] = {
        {"foot candle", "fc"},           // the footcandle, 1 lm/ft², not a foot times a candle
        {"foot lambert", "footlambert"}, // 1/pi cd/ft^2, not a foot times a lambert
        {"ampere turn", "A"},            // not an ampere times a turn of 2 pi rad
        {"pound mole", "453.59237 mol"}, // not a pound times a mole
        {"pound mass", "lb"},
        {"parts per million", "1e-6"},
        {"volt ampere reactive", "V*A"},
        {"tex point", "in/72.27"},
        {"inch of water", "249.08891 Pa"}, // 0.0254 m × 1000 kg/m³ × 9.80665 m/s²
        {"kiloton of TNT", "1e12 cal"},
    };
    for (const auto& [text, symbols] : rows) {
        expectReadsAs(text, symbols);
    }
}

} // namespace
