// Logarithmic units, through their public header: levels against their references, ratios, conversions, the
// arithmetic that has a meaning and the refusal of what has none.

#include <qelunits/Levels.h>
#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

namespace {

using qelunits::ErrorKind;
using qelunits::Level;
using qelunits::LevelUnit;
using qelunits::Quantity;

static_assert(std::is_trivially_copyable_v<Level> && sizeof(LevelUnit) == 1);
static_assert(!std::is_constructible_v<Level, double> && !std::is_convertible_v<const char*, Level>);

const double kLn10 = std::log(10.0);

TEST(Levels, LevelsStandForTheirQuantities) {
    // The level and its quantity, from the definition: P0·10^(L/10) for a power, F0·10^(L/20) for a field one.
    const std::pair<const char*, Quantity> cases[] = {
        {"20 dBm", Quantity("100 mW")},
        {"0 dBW", Quantity("1 W")},
        {"-6 dBV", Quantity(std::pow(10.0, -6.0 / 20.0), qelunits::Unit("V"))},
        {"120 dBuV", Quantity("1 V")},
        {"94 dBSPL", Quantity(20e-6 * std::pow(10.0, 94.0 / 20.0), qelunits::Unit("Pa"))}, // 1.0024 Pa
        {"94 dB(SPL)", Quantity("1.0023744672545 Pa")},
    };
    for (const auto& [level, quantity] : cases) {
        SCOPED_TRACE(level);
        const Quantity got = Level(level).toQuantity();
        EXPECT_TRUE(approxEqual(got, quantity, 1e-12)) << got;
        const qelunits::Result<Level> back = Level::fromQuantity(quantity, Level(level).unit());
        ASSERT_TRUE(back) << back.message();
        EXPECT_NEAR(back->value(), Level(level).value(), 1e-12);
    }
    EXPECT_NEAR(Level::fromQuantity(Quantity("1 Pa"), "dB SPL")->value(), 20.0 * std::log10(1.0 / 20e-6), 1e-12);
}

TEST(Levels, ConversionsBetweenRatiosAndBetweenLevelsOfOneQuantity) {
    const std::tuple<const char*, const char*, double> cases[] = {
        {"0 dBW", "dBm", 30.0}, {"-10 dBm", "dBW", -40.0}, {"0 dBV", "dBuV", 120.0}, {"1 Np", "dB", 20.0 / kLn10},
        {"1 B", "dB", 10.0},    {"3 dB", "B", 0.3},        {"20 dB", "Np", kLn10},   {"3 dBi", "dB", 3.0},
    };
    for (const auto& [from, to, value] : cases) {
        SCOPED_TRACE(std::string(from) + " in " + to);
        const qelunits::Result<Level> got = Level(from).tryTo(LevelUnit(to));
        ASSERT_TRUE(got) << got.message();
        EXPECT_NEAR(got->value(), value, 1e-12);
        EXPECT_EQ(got->unit(), LevelUnit(to));
    }
    EXPECT_EQ(Level("0 dBW").tryTo(LevelUnit("dBV")).kind(), ErrorKind::IncompatibleUnits);
    EXPECT_EQ(Level("3 dB").tryTo(LevelUnit("dBm")).kind(), ErrorKind::IncompatibleUnits);
    EXPECT_EQ(Level("0 dBW"), Level("30 dBm"));
}

// a OP b: 'p' is the power sum, '*' scales a by b's number.
qelunits::Result<Level> apply(const char* a, char op, const char* b) {
    switch (op) {
    case '+':
        return tryAdd(Level(a), Level(b));
    case '-':
        return trySubtract(Level(a), Level(b));
    case 'p':
        return tryPowerSum(Level(a), Level(b));
    default:
        return tryScale(Level(a), Level(b).value());
    }
}

// What has a meaning gives its unit and value; what has none, the kind of the refusal.
TEST(Levels, ArithmeticThatHasAMeaningAndNoOther) {
    const std::tuple<const char*, char, const char*, const char*, double, ErrorKind> cases[] = {
        {"20 dBm", '+', "3 dB", "dBm", 23.0, ErrorKind::None},
        {"3 dB", '+', "20 dBm", "dBm", 23.0, ErrorKind::None},
        {"3 dB", '+', "3 dB", "dB", 6.0, ErrorKind::None},
        {"20 dBm", '+', "1 Np", "dBm", 20.0 + 20.0 / kLn10, ErrorKind::None},
        {"1 B", '+', "5 dB", "B", 1.5, ErrorKind::None},
        {"20 dBm", '-', "3 dB", "dBm", 17.0, ErrorKind::None},
        {"30 dBm", '-', "0 dBW", "dB", 0.0, ErrorKind::None},
        {"94 dB(SPL)", '-', "74 dBSPL", "dB", 20.0, ErrorKind::None},
        {"20 dBm", 'p', "20 dBm", "dBm", 20.0 + 10.0 * std::log10(2.0), ErrorKind::None}, // 23.0103
        {"0 dBW", 'p', "20 dBm", "dBW", 10.0 * std::log10(1.1), ErrorKind::None},
        {"94 dBSPL", 'p', "94 dBSPL", "dB(SPL)", 94.0 + 10.0 * std::log10(2.0), ErrorKind::None}, // uncorrelated
        {"3 dB", '*', "2 dB", "dB", 6.0, ErrorKind::None},
        {"20 dBm", '+', "20 dBm", "", 0, ErrorKind::InvalidArgument},
        {"20 dBm", '-', "0 dBV", "", 0, ErrorKind::IncompatibleUnits},
        {"3 dB", '-', "20 dBm", "", 0, ErrorKind::InvalidArgument},
        {"20 dBm", '*', "2 dB", "", 0, ErrorKind::InvalidArgument},
        {"3 dB", 'p', "3 dB", "", 0, ErrorKind::InvalidArgument},
        {"20 dBm", 'p', "0 dBV", "", 0, ErrorKind::IncompatibleUnits},
    };
    for (const auto& [a, op, b, unit, value, kind] : cases) {
        SCOPED_TRACE(std::string(a) + " " + op + " " + b);
        const qelunits::Result<Level> got = apply(a, op, b);
        ASSERT_EQ(got.kind(), kind) << got.message();
        if (got) {
            EXPECT_EQ(got->unit(), LevelUnit(unit));
            EXPECT_NEAR(got->value(), value, 1e-12);
        }
    }
    EXPECT_NE(apply("20 dBm", '+', "20 dBm").message().find("powerSum"), std::string::npos);
}

TEST(Levels, RatiosOfPowersAndOfFieldQuantities) {
    EXPECT_NEAR(Level::fromPowerRatio(2.0)->value(), 10.0 * std::log10(2.0), 1e-12);
    EXPECT_NEAR(Level::fromFieldRatio(2.0)->value(), 20.0 * std::log10(2.0), 1e-12);
    EXPECT_NEAR(Level::fromFieldRatio(std::exp(1.0), LevelUnit("Np"))->value(), 1.0, 1e-15);
    EXPECT_NEAR(Level::fromPowerRatio(std::exp(2.0), LevelUnit("Np"))->value(), 1.0, 1e-15);
    EXPECT_NEAR(*Level("3 dB").tryPowerRatio(), std::pow(10.0, 0.3), 1e-15);
    EXPECT_NEAR(*Level("1 Np").tryFieldRatio(), std::exp(1.0), 1e-15);
    EXPECT_EQ(Level::fromPowerRatio(0.0).kind(), ErrorKind::InvalidArgument);
    EXPECT_EQ(Level::fromPowerRatio(2.0, LevelUnit("dBm")).kind(), ErrorKind::InvalidArgument);
    EXPECT_EQ(Level("20 dBm").tryPowerRatio().kind(), ErrorKind::InvalidArgument);
    EXPECT_EQ(Level("3 dB").tryToQuantity().kind(), ErrorKind::InvalidArgument);
}

TEST(Levels, TextsThatDoNotReadAndQuantitiesWithoutALevel) {
    const std::tuple<const char*, ErrorKind, std::size_t> cases[] = {
        {"85 dBA", ErrorKind::RefusedText, 3},
        {"85 dB(A)", ErrorKind::RefusedText, 3},
        {"7 pH", ErrorKind::RefusedText, 2},
        {"3 DBM", ErrorKind::AmbiguousText, 2},
        {"3 m", ErrorKind::UnknownUnit, 2},
        {"dB", ErrorKind::InvalidNumber, 0},
        {"3 ", ErrorKind::Syntax, 2},
        {"", ErrorKind::InvalidText, 0},
        {"3 dB\xFF", ErrorKind::InvalidText, 0},
        {"1e999 dB", ErrorKind::OutOfRange, 0},
        {"inf dBm", ErrorKind::InvalidNumber, 0},
    };
    for (const auto& [text, kind, position] : cases) {
        SCOPED_TRACE(text);
        const qelunits::Result<Level> got = Level::parse(text);
        EXPECT_EQ(std::pair(got.kind(), got.position()), std::pair(kind, position)) << got.message();
    }
    EXPECT_NE(Level::parse("85 dBA").message().find("A-weighted"), std::string::npos);
    EXPECT_NE(Level::parse("7 pH").message().find("logarithm of an activity"), std::string::npos);
    EXPECT_EQ(qelunits::Unit::parse("pH").kind(), ErrorKind::RefusedText);
    EXPECT_EQ(Level::fromQuantity(Quantity("1 V"), "dBm").kind(), ErrorKind::IncompatibleUnits);
    EXPECT_EQ(Level::fromQuantity(Quantity("0 W"), "dBm").kind(), ErrorKind::InvalidArgument);
    EXPECT_EQ(Level::fromQuantity(Quantity("1 W"), "dB").kind(), ErrorKind::InvalidArgument);
    EXPECT_EQ(Level(4000.0, LevelUnit("dBW")).tryToQuantity().kind(), ErrorKind::OutOfRange);
}

TEST(Levels, TextsReadBack) {
    for (const char* text : {"94 dB(SPL)", "5 dB\u00B5V", "-6.5 dBV", "1 Np", "0.25 B", "3 dBi"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(toString(Level(text)), text);
    }
    EXPECT_EQ(toString(Level("+5 dBuV")), "5 dB\u00B5V");
    EXPECT_EQ(toString(Level("94 dB SPL")), "94 dB(SPL)");
}

} // namespace
