// The value API's presentation of quantities: base units, reduced units, compact prefixes, and the unit's
// text in ASCII, LaTeX and HTML.

#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using qelunits::Quantity;
using qelunits::Unit;
using qelunits::UnitStyle;

TEST(Presentation, BaseUnitsAreTheCoherentSiUnitOfTheDimension) {
    const struct {
        const char* unit;
        const char* base;
    } cases[] = {
        {"kWh", "kg*m^2/s^2"},        {"lbf", "N"},      {"Hz", "1/s"}, {"degC", "K"},
        {"delta_degF", "delta_degC"}, {"ft/min", "m/s"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        const qelunits::Result<Unit> base = qelunits::baseUnit(Unit(c.unit));
        ASSERT_TRUE(base) << base.message();
        EXPECT_EQ(*base, Unit(c.base));
        EXPECT_EQ(base->factor(), 1.0);
    }
}

TEST(Presentation, ReducedUnitsFoldOneDimensionIntoItsFirstUnit) {
    const Quantity ratio = Quantity(3.0, *qelunits::reducedUnit(Unit("ft/m")));
    EXPECT_TRUE(ratio.unit().isDimensionless());
    EXPECT_EQ(Quantity(3.0, Unit("ft/m")).to(ratio.unit()).value(), 3.0 * 0.3048);
    EXPECT_EQ(qelunits::reducedUnit(Unit("m/s")).value().symbol(), "m/s"); // nothing to fold
}

TEST(Presentation, CompactPutsTheMagnitudeBetweenOneAndAThousand) {
    const struct {
        double value;
        const char* unit;
        double compact;
        const char* symbol;
    } cases[] = {
        {1500.0, "m", 1.5, "km"},     {0.002, "kg", 2.0, "g"},    {2.5e7, "Hz", 25.0, "MHz"},
        {4.7e-9, "farad", 4.7, "nF"}, {-0.25, "m", -250.0, "mm"}, {999.0, "m", 999.0, "m"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        const qelunits::Result<Quantity> q = qelunits::toCompact(Quantity(c.value, Unit(c.unit)));
        ASSERT_TRUE(q) << q.message();
        EXPECT_DOUBLE_EQ(q->value(), c.compact);
        EXPECT_EQ(q->unit().symbol(), c.symbol);
    }
    // A reading, a plain number and a value with no magnitude stay as they are.
    for (const Quantity& q : {Quantity(2e4, Unit("degC")), Quantity(2e4, Unit()), Quantity(0.0, Unit("m"))}) {
        EXPECT_EQ(qelunits::toCompact(q).value().unit().symbol(), q.unit().symbol());
    }
}

TEST(Presentation, NotationsOfTheUnitsText) {
    const struct {
        const char* unit;
        UnitStyle style;
        const char* text;
    } cases[] = {
        {"m/s^2", UnitStyle::Ascii, "m/s**2"},
        {"kJ/(kg*K)", UnitStyle::Ascii, "kJ/(kg*K)"},
        {"delta_degC", UnitStyle::Ascii, "delta_degC"},
        {"ohm*m", UnitStyle::Ascii, "ohm*m"},
        {"m/s^2", UnitStyle::Latex, "\\frac{\\mathrm{m}}{\\mathrm{s}^{2}}"},
        {"%", UnitStyle::Latex, "\\mathrm{\\%}"},
        {"kg*m^2", UnitStyle::Html, "kg m<sup>2</sup>"},
        {"m/s^2", UnitStyle::Symbol, "m/s\u00B2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        EXPECT_EQ(qelunits::toString(Unit(c.unit), c.style), c.text);
    }
    EXPECT_EQ(qelunits::toString(Quantity(3.0, Unit("m/s^2")), UnitStyle::Latex),
              "3\\ \\frac{\\mathrm{m}}{\\mathrm{s}^{2}}");
}

} // namespace
