// The value API writes units in the world's symbols, keeps the vocabulary's named units whole, and reads
// back everything it writes.

#include "test_helpers.h"

#include "parse/Vocabulary.h"

#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using qelunits::Quantity;
using qelunits::Unit;

TEST(Symbols, WorldSymbolsForTheCataloguesAbbreviations) {
    // A text, and the symbol it is written back with.
    const std::pair<const char*, const char*> rows[] = {
        {"sec", "s"},
        {"hr", "h"},
        {"kilowatt_hour", "kWh"},
        {"l", "L"},
        {"°K", "K"},
        {"deg", "°"},
        {"eV", "eV"},
        {"keV", "keV"},
        {"mg", "mg"},
        {"kohm", "kΩ"},
        {"%", "%"},
        {"N·m", "N·m"},
        {"kW·h", "kW·h"},
        {"ft^2", "ft²"},
        {"1/min", "1/min"},
        {"Δ°C", "Δ°C"},
        {"m/s^2", "m/s²"},
        {"kJ/(kg·K)", "kJ/(kg·K)"},
        {"KiB", "KiB"},
        {"m^-1", "1/m"},
        {"lbf·ft", "lbf·ft"},
        {"W/(m^2·K)", "W/(m²·K)"},
        {"mol/L", "mol/L"},
        {"µs", "µs"},
        {"2 ft", "2 ft"},
    };
    for (const auto& [text, symbol] : rows) {
        SCOPED_TRACE(text);
        const Unit unit(text);
        EXPECT_EQ(unit.symbol(), symbol);
        EXPECT_EQ(Unit(unit.symbol()), unit);
    }
    EXPECT_EQ(toString(Quantity("3 eV"), qelunits::UnitStyle::Name), "3 electronvolt");
    EXPECT_EQ(toString(Quantity(1.0, Unit("1e-6 kg"))), "1 mg");
}

TEST(Symbols, EverythingWrittenReadsBack) {
    // Every catalogue unit, and every spelling of the vocabulary that reads alone.
    int read = 0;
    for (int code = 1; code < QelUnit::kUnitCount; ++code) {
        const Unit unit(static_cast<QelUnit::BuiltinUnits>(code));
        SCOPED_TRACE(unit.symbol());
        const qelunits::Result<Unit> back = Unit::parse(unit.symbol());
        ASSERT_TRUE(back.ok()) << back.message();
        EXPECT_EQ(*back, unit);
        EXPECT_EQ(back->symbol(), unit.symbol());
        ++read;
    }
    for (const qelunits_detail::VocabularyEntry& row : qelunits_detail::kVocabulary) {
        const qelunits::Result<Unit> unit = Unit::parse(qelunits::toUtf8(row.text));
        if (!unit) {
            continue; // refused on purpose, or alone
        }
        SCOPED_TRACE(qelunits::toUtf8(row.text) + " written " + unit->symbol());
        const qelunits::Result<Unit> back = Unit::parse(unit->symbol());
        ASSERT_TRUE(back.ok()) << back.message();
        EXPECT_EQ(*back, *unit);
        ++read;
    }
    EXPECT_GT(read, 1000);
}

TEST(Symbols, NamedUnitsKeepTheirValueAndMeaning) {
    const Unit eV("eV");
    EXPECT_EQ(eV.factor(), 1.602176634e-19);
    EXPECT_EQ(Unit("keV"), Unit("1000 eV"));
    EXPECT_EQ(Unit("kΩ"), Unit("kV/A"));
    EXPECT_EQ(Unit("%"), Unit("0.01"));
    // The original classes see a named unit as what it means in catalogue units.
    const QelUnitExpression expression = Unit("keV/K").expression();
    EXPECT_EQ(expression.scale(), 1000 * 1.602176634e-19);
    EXPECT_TRUE(expression.type().isEqualTo(QelUnitType(QelUnit::joule) / QelUnitType(QelUnit::kelvin)));
    EXPECT_EQ(Quantity("2 keV").in(Unit("J")), 2 * 1.602176634e-16);
    EXPECT_EQ(std::hash<Unit>()(Unit("J")), std::hash<Unit>()(Unit("N·m")));
}

} // namespace
