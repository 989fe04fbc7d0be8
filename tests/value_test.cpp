// The value API: Unit, Quantity and Converter, through their public header.

#include "test_helpers.h"

#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitsUtf8.h>
#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <type_traits>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

using qelunits::Converter;
using qelunits::ErrorKind;
using qelunits::Quantity;
using qelunits::Unit;
using qelunits_test::bits;

// What compiles: a number never turns into a quantity or back, nor meets one in a sum or comparison.
template <class Op, class N>
constexpr bool neitherWay = !std::is_invocable_v<Op, Quantity, N> && !std::is_invocable_v<Op, N, Quantity>;
static_assert(!std::is_constructible_v<double, Quantity> && !std::is_constructible_v<Quantity, double>);
static_assert(!std::is_convertible_v<const char*, Quantity> && !std::is_convertible_v<const char*, Unit>);
static_assert(neitherWay<std::plus<>, double> && neitherWay<std::minus<>, int>);
static_assert(neitherWay<std::less<>, double> && neitherWay<std::equal_to<>, double>);
static_assert(!std::is_invocable_v<std::multiplies<>, Unit, double>); // the number goes first
static_assert(std::is_invocable_r_v<Quantity, std::multiplies<>, double, Unit>);
static_assert(std::is_same_v<std::invoke_result_t<std::less<>, Quantity, Quantity>, bool>);
static_assert(std::is_trivially_copyable_v<Quantity> && sizeof(Unit) == 80 && sizeof(Quantity) == 88);

template <class T>
std::string text(const qelunits::Result<T>& r) {
    if (!r) {
        return std::string("!") + qelunits::kindName(r.kind());
    }
    if constexpr (std::is_same_v<T, int>) {
        return std::to_string(*r);
    } else {
        return qelunits::toString(*r);
    }
}

// a OP b for two quantity texts: the result's text, or "!" and the kind of the failure.
std::string apply(const char* a, char op, const char* b) {
    const Quantity x = Quantity::parse(a).value();
    const Quantity y = Quantity::parse(b).value();
    switch (op) {
    case '+':
        return text(tryAdd(x, y));
    case '-':
        return text(trySubtract(x, y));
    case '*':
        return text(tryMultiply(x, y));
    case '/':
        return text(tryDivide(x, y));
    case '^':
        return text(tryPow(x, static_cast<int>(y.value())));
    case 'r':
        return text(trySqrt(x));
    case 's':
        return text(tryScale(x, y.value()));
    case 'z':
        return text(x.tryFromAbsoluteZero());
    case 't':
        return text(x.tryTo(y.unit()));
    default:
        return text(tryCompare(x, y)) + (x == y ? " ==" : " !=");
    }
}

// a, the operation, b and what it gives.
void check(std::initializer_list<std::tuple<const char*, char, const char*, const char*>> cases) {
    for (const auto& [a, op, b, expected] : cases) {
        EXPECT_EQ(apply(a, op, b), expected) << a << ' ' << op << ' ' << b;
    }
}

TEST(ValueApi, ArithmeticPointsAndDifferences) {
    check({
        {"1 m", '+', "1 ft", "1.3048 m"},
        {"1 ft", '+', "1 m", "4.2808398950131235 ft"},
        {"1 m", '+', "2 s", "!incompatible units"},
        {"+3 ft", '*', "4 ft", "12 ft²"},
        {"2 nm", '/', "10 ps", "200.00000000000003 m/s"},
        {"2 kJ", '*', "3 kJ", "6 kJ²"},
        {"6 m", '/', "3 m", "2"},
        {"1e300 m", '*', "1e300 m", "!out of range"},
        {"1 m", '/', "0 s", "!out of range"},
        {"0 m", '/', "0 s", "!invalid argument"},
        {"2 m", '^', "3", "8 m³"},
        {"2 mm", '^', "-1", "0.5 1/mm"},
        {"2 m", '^', "0", "1"},
        {"2 m", '^', "128", "!out of range"},
        {"10 m", '^', "400", "!out of range"},
        {"16 m^2", 'r', "0", "4 m"},
        {"8 m³", 'r', "0", "!fractional power"},
        {"-4 m^2", 'r', "0", "!invalid argument"},
        {"2 m", 's', "-1.5", "-3 m"},
        {"3 ft", 't', "1 m", "0.9144000000000001 m"},
        {"3 ft", 't', "1 kg", "!incompatible units"},
        {"1e308 km", 't', "1 mm", "!out of range"},
        {"1 m", '<', "100 cm", "0 =="},
        {"1 m", '<', "1 ft", "1 !="},
        {"1 ft", '<', "1 m", "-1 !="},
        {"1 pm", '<', "0 pm", "1 !="},
        {"1 m", '<', "1 s", "!incompatible units !="},
        // Temperature readings and differences.
        {"70 °F", '-', "10 °F", "60 Δ°F"},
        {"20 °C", '+', "10 ΔK", "30 °C"},
        {"20 °C", '+', "10 K", "30 °C"}, // a kelvin moves a reading as a difference does
        {"300 K", '+', "20 °C", "!temperature point"},
        {"300 K", '-', "20 °C", "6.850000000000023 K"},
        {"10 Δ°C", '+', "20 °C", "30 °C"},
        {"10 Δ°C", '-', "20 °C", "!temperature point"},
        {"20 °C", '-', "18 Δ°F", "10 °C"},
        {"10 ΔK", '+', "9 Δ°F", "15 ΔK"},
        {"100 °C", '-', "32 °F", "100 Δ°C"},
        {"2 °C", '*', "3 m", "!temperature point"},
        {"3 m", '/', "2 °C", "!temperature point"},
        {"20 °C", 's', "2", "!temperature point"},
        {"20 °C", '^', "2", "!temperature point"},
        {"20 °C", '^', "1", "20 °C"},
        {"20 °C", 'r', "0", "!temperature point"},
        {"10 ΔK", 's', "2", "20 ΔK"},
        {"10 ΔK", '*', "2 m/m", "20 ΔK"}, // a difference times a number of no unit, either side
        {"2 m/m", '*', "10 ΔK", "20 ΔK"},
        {"4 ΔK^2", 'r', "0", "2 K"},
        {"10 J", '/', "2 J/K", "5 K"},
        {"10 J", '/', "2 J/°C", "5 Δ°C"},
        {"5 °C", '-', "300 ΔK", "!below absolute zero"},
        {"-500 °F", 't', "1 K", "!below absolute zero"},
        {"-1 K", 't', "1 °C", "!below absolute zero"},
        {"300 K", '*', "2", "600 K"}, // an absolute temperature multiplies
        {"10 Δ°C", 't', "1 K", "10 K"},
        {"20 °C", 't', "1 Δ°C", "!temperature point"},
        {"100 °C", 't', "1 °F", "212 °F"},
        {"10 Δ°C", 't', "1 Δ°F", "18 Δ°F"},
        {"20 °C", 'z', "0", "293.15 Δ°C"},
        {"10 m", 'z', "0", "10 m"},
        {"0 °C", '<', "32 °F", "0 =="},
        {"0 °C", '<', "0 ΔK", "!temperature point !="},
    });
    // Seven distinct units fit, an eighth does not; powers stop at 127 either way, in the units and the dimension.
    const Unit seven("kg·m·s·A·mol·cd·rad");
    EXPECT_EQ(tryMultiply(seven, Unit("sr")).kind(), ErrorKind::OutOfRange);
    EXPECT_EQ(tryDivide(seven, Unit("sr")).kind(), ErrorKind::OutOfRange);
    EXPECT_EQ((seven / Unit("rad") * Unit("sr")).size(), 7U);
    EXPECT_EQ(Unit::fromCode(QelUnit::meter, -128).kind(), ErrorKind::OutOfRange);
    EXPECT_EQ(Unit::fromCode(QelUnit::meter, 127).value(), pow(Unit("m"), 127));
    EXPECT_EQ(tryPow(Unit("m^3"), 43).kind(), ErrorKind::OutOfRange);
    EXPECT_EQ(tryMultiply(Unit("m^100"), Unit("km^100")).kind(), ErrorKind::OutOfRange);
    EXPECT_EQ(pow(Unit("Δ°C"), 1), Unit("Δ°C"));
    EXPECT_NE(Unit("m"), Unit("100 m"));
    EXPECT_TRUE(approxEqual(Quantity("1 ft"), Quantity("0.30480001 m"), 1e-7));
    EXPECT_TRUE(approxEqual(Quantity("1000 m"), Quantity("1000.0001 m"), 1e-6));
    EXPECT_TRUE(approxEqual(Quantity("1 m"), Quantity("100 cm"), 0.0)); // equal within no tolerance
    EXPECT_FALSE(approxEqual(Quantity("1 ft"), Quantity("1 s")));
    EXPECT_EQ(toString(-Quantity("2 m") * 2.0 / 4.0 + 3.0 * Unit("m") - Quantity("1 ft")), "1.6952 m");
    EXPECT_FALSE(Unit("delta_degC").isTemperaturePoint());
    EXPECT_EQ(Quantity("-500 °F").tryIn(Unit("K")).message(), "-500 °F is below absolute zero");
    EXPECT_EQ(Unit("°F").difference(), Unit("Δ°F"));
}

// A quantity's text is terms summed in the first one's unit; units side by side with a number between are
// refused with the sum as a hint.
TEST(ValueApi, QuantityTextsSumTheirTerms) {
    const std::pair<const char*, const char*> rows[] = {
        {"5 ft + 10 in", "5.833333333333333 ft"},
        {"1|3 m", "0.3333333333333333 m"},
        {"ft", "1 ft"},
        {"7", "7"},
        {"2 m^-1 - 1 /m", "1 1/m"},
        {"20 °C + 5 Δ°C", "25 °C"},
        {"5 Δ°C + 20 °C", "25 °C"}, // a difference plus a reading, in either order
        {"30 °C - 20 °C", "10 Δ°C"},
        {"10 °C + 10 °C", "!temperature point"},
        {"1 ft + 1 s", "!incompatible units"},
        {"1 kg·m/s²", "1 kg·m/s²"},
        {"5 ft 10 in", "!ambiguous text"},
        {"5 ft 10", "50 ft"},   // a trailing number is a factor of the unit
        {"3 m * 2 s", "6 m·s"}, // an operator says it is one product
    };
    for (const auto& [quantity, expected] : rows) {
        EXPECT_EQ(text(Quantity::parse(quantity)), expected) << quantity;
    }
    EXPECT_EQ(Quantity::parse(" 5 lb 3 oz ").message(),
              "a second quantity without an operator at 6; did you mean 5 lb + 3 oz?");
}

// Plans over units give, value by value, what the operations on quantities give: the same kind of failure and
// the same bits, with messages that name the units alone.
TEST(ValueApi, PlansAgreeWithTheOperations) {
    const char* units[] = {"m", "ft", "°C", "°F", "Δ°C", "Δ°F", "K", "s", "1", "m^2"};
    for (const char* x : units) {
        for (const char* y : units) {
            const Quantity a(21.5, Unit(x));
            const Quantity b(3.25, Unit(y));
            for (const bool subtract : {false, true}) {
                SCOPED_TRACE(std::string(x) + (subtract ? " - " : " + ") + y);
                const qelunits::Result<Quantity> direct = subtract ? trySubtract(a, b) : tryAdd(a, b);
                const qelunits::Result<qelunits::SumPlan> plan = qelunits::planSum(a.unit(), b.unit(), subtract);
                ASSERT_EQ(plan.kind(), direct.kind());
                if (plan) {
                    const double value = a.in(plan->lhs) + (subtract ? -b.in(plan->rhs) : b.in(plan->rhs));
                    EXPECT_EQ(bits(value), bits(direct->value()));
                    EXPECT_EQ(plan->result.symbol(), direct->unit().symbol());
                }
            }
            for (const bool divide : {false, true}) {
                const qelunits::Result<Quantity> direct = divide ? tryDivide(a, b) : tryMultiply(a, b);
                const qelunits::Result<Unit> unit = qelunits::productUnit(a.unit(), b.unit(), divide);
                ASSERT_EQ(unit.kind(), direct.kind()) << x << (divide ? " / " : " * ") << y;
                EXPECT_TRUE(!unit || unit->symbol() == direct->unit().symbol()) << x << ' ' << y;
            }
        }
    }
    const auto reading = [](const std::string& scale) {
        return "a reading on the " + scale + " scale only takes or gives a difference (Δ" + scale + ")";
    };
    EXPECT_EQ(qelunits::planSum(Unit("°C"), Unit("°C"), false).message(), "°C + °C: " + reading("°C"));
    EXPECT_EQ(qelunits::productUnit(Unit("m"), Unit("°C"), true).message(),
              "m / °C: " + reading("°C") + "; an absolute temperature (K) multiplies");
    EXPECT_EQ(qelunits::powerUnit(Unit("m^3"), 1, 2).message(),
              "m³ ^ 0.5: the root of the unit has a fractional power");
    EXPECT_EQ(qelunits::scaleUnit(Unit("°F"), "mean").message(),
              "mean(°F): " + reading("°F") + "; an absolute temperature (K) multiplies");
    EXPECT_EQ(qelunits::powerUnit(Unit("m^2"), 1, 2).value(), Unit("m"));
    EXPECT_EQ(qelunits::scaleUnit(Unit("K"), "mean").value(), Unit("K"));
}

TEST(ValueApi, ErrorsWithKindsAndPositions) {
    const std::tuple<const char*, ErrorKind, std::size_t> rows[] = {
        {"3.5 kg/fot", ErrorKind::UnknownUnit, 7},
        {"5 ft 10 in", ErrorKind::AmbiguousText, 5},
        {"1e999 m", ErrorKind::OutOfRange, 0},
        {"1 kpa", ErrorKind::AmbiguousText, 2},
        {"1 psig", ErrorKind::RefusedText, 2},
        {"1 m/(s", ErrorKind::Syntax, 4},
        {"1 m^2000", ErrorKind::OutOfRange, 3},
        {"+-1 m", ErrorKind::Syntax, 0},
        {"1 m\xff", ErrorKind::InvalidText, 3},
        {" \t", ErrorKind::InvalidText, 0},
        {"2 ft + ", ErrorKind::Syntax, 7},
        {"1|0 m", ErrorKind::InvalidNumber, 2},
        {"1 ft + 2 s", ErrorKind::IncompatibleUnits, 7},
        {"1 µm + 2 fot", ErrorKind::UnknownUnit, 9},
    };
    for (const auto& [text, kind, position] : rows) {
        SCOPED_TRACE(text);
        const qelunits::Result<Quantity> r = Quantity::parse(text);
        EXPECT_EQ(std::pair(r.kind(), r.position()), std::pair(kind, position));
        EXPECT_EQ(r.status(), qelunits::statusOf(kind));
        // Every layer that reads the text fails alike.
        const qelunits::Result<double> converted = qelunits::convert(text, "m");
        EXPECT_EQ(std::pair(converted.kind(), converted.position()), std::pair(kind, position));
        EXPECT_EQ(converted.message(), r.message());
        try {
            static_cast<void>(Quantity(text));
            ADD_FAILURE() << "no exception";
        } catch (const qelunits::Error& e) {
            EXPECT_EQ(std::pair(e.kind(), e.position()), std::pair(r.kind(), r.position()));
            EXPECT_EQ(e.what(), r.message());
        }
    }
    EXPECT_EQ(Unit::fromCode(static_cast<QelUnit::BuiltinUnits>(349)).kind(), ErrorKind::InvalidArgument);
    EXPECT_EQ(Unit::fromCode(QelUnit::dimensionless, 3).value(), Unit());
    for (const auto& [kind, status] : {std::pair{ErrorKind::IncompatibleUnits, QelUnit::TypesNotCompatible},
                                       {ErrorKind::OutOfRange, QelUnit::Overflow},
                                       {ErrorKind::BelowAbsoluteZero, QelUnit::Underflow},
                                       {ErrorKind::UnknownUnit, QelUnit::InvalidUnit},
                                       {ErrorKind::TemperaturePoint, QelUnit::InvalidUnit}}) {
        EXPECT_EQ(qelunits::Result<int>(kind, "x").status(), status) << qelunits::kindName(kind);
    }
    EXPECT_STREQ(qelunits::kindName(static_cast<ErrorKind>(200)), "unknown");
}

// Long arrays go block by block, counting readings near absolute zero as they convert where the output lies
// apart from the input, and before it overwrites them in place.
TEST(ValueApi, ConverterLongArraysFindTheFirstReadingBelowAbsoluteZero) {
    constexpr std::size_t kCount = 5000;
    // from, to, the index of the first reading below absolute zero (kCount: none) and its value
    // clang-format off
    const std::tuple<const char*, const char*, std::size_t, double> rows[] = {
        {"°C", "°F", 4500, -273.16}, {"°F", "K", 2100, -460.0}, {"K", "°R", kCount, 0.0}, {"°C", "K", 7, -300.0}, {"K", "°C", 2, -1.0}};
    // clang-format on
    for (const auto& [from, to, bad, badValue] : rows) {
        const double zero = Quantity(0.0, Unit("K")).in(Unit(from));
        std::vector<double> source(kCount);
        for (std::size_t i = 0; i < kCount; ++i) { // readings at absolute zero in two blocks
            source[i] = i == 10 || i == 3000 ? zero : zero + 0.5 + static_cast<double>(i % 397);
        }
        if (bad != kCount) { // and a second bad reading after the first
            source[bad] = source[kCount - 1] = badValue;
        }
        const Converter converter(from, to);
        std::vector<double> apart(kCount);
        std::vector<double> inPlace = source;
        for (const auto& [input, target] : {std::pair{source.data(), apart.data()}, {inPlace.data(), inPlace.data()}}) {
            const qelunits::Result<std::size_t> done = converter.tryConvert(input, target, kCount);
            EXPECT_EQ(done ? kCount : done.position(), bad) << from;
        }
        for (std::size_t i = 0; i < kCount; ++i) {
            const qelunits::Result<double> one = converter.tryConvert(source[i]);
            ASSERT_EQ(bits(apart[i]), bits(one ? *one : apart[i])) << from << ' ' << i;
            ASSERT_EQ(bits(inPlace[i]), bits(apart[i])) << from << ' ' << i;
        }
    }
}

TEST(ValueApi, ConverterArraysAndReciprocals) {
    double values[5] = {0.0, 100.0, -300.0, 25.0, -40.0};
    const Converter toF("°C", "°F");
    EXPECT_EQ(toF.tryConvert(values, values, 5).message(), "-300 °C is below absolute zero (value 2)");
    EXPECT_THROW(static_cast<void>(toF(-274.0)), qelunits::Error);
    // Scaled readings convert value by value, as the expression layer converts them.
    for (const auto& [from, to] : {std::pair{"2 °C", "4 °F"}, std::pair{"2 °C", "°F"}, std::pair{"°C", "4 °F"}}) {
        double scaled[3] = {1.0, 2.5, 7.0};
        Converter(Unit(from), Unit(to))(scaled, scaled, 2);
        EXPECT_EQ(scaled[1], Quantity(2.5, Unit(from)).in(Unit(to))) << from << " to " << to;
        EXPECT_EQ(scaled[2], 7.0); // past the count
    }
    double feet[5] = {1.0, 2.0, 3.0, 4.0, 5.0};
    double out[5] = {};
    Converter("m", "m")(feet, out, 5);
    EXPECT_EQ(out[2], 3.0);
    const Converter pace("min/km", "km/h", Converter::Reciprocal::Allow);
    double expected = 4.0;
    ASSERT_EQ(Unit("min/km").expression().ConvertReciprocal(Unit("km/h").expression(), expected), QelUnit::Ok);
    EXPECT_EQ(bits(pace(4.0)), bits(expected));
    pace(feet, out, 5);
    EXPECT_EQ(bits(out[3]), bits(expected));
    EXPECT_EQ(pace.tryConvert(0.0).kind(), ErrorKind::OutOfRange);
    // One finite value gone infinite is out of range, as Quantity::to says; an infinite one stays infinite.
    EXPECT_EQ(Converter("m", "ft").tryConvert(1e308).message(),
              "1e+308 m in ft: the result is beyond the range of a double");
    EXPECT_THROW(static_cast<void>(Converter("m", "ft")(-1e308)), qelunits::Error);
    EXPECT_EQ(toF.tryConvert(1e308).kind(), ErrorKind::OutOfRange);
    EXPECT_EQ(Converter("m", "ft")(-INFINITY), -INFINITY);
    EXPECT_EQ(Converter::make("°C", "fot").kind(), ErrorKind::UnknownUnit);
    EXPECT_EQ(Converter::make("°C", "ΔK").message(),
              "a temperature reading and a difference do not convert into each other: °C and ΔK (°C converts to K)");
    // to = from × factor() + offset(), temperature readings included; a reciprocal states no factor.
    for (const auto& [from, to, factor, offset] : {std::tuple{"delta_degF", "kelvin", 5.0 / 9.0, 0.0},
                                                   {"°C", "°F", 1.8, 32.0},
                                                   {"K", "°C", 1.0, -273.15},
                                                   {"°C", "°C", 1.0, 0.0},
                                                   {"m", "ft", 1.0 / 0.3048, 0.0}}) {
        const Converter c(from, to);
        EXPECT_DOUBLE_EQ(c.factor(), factor) << from << " to " << to;
        EXPECT_DOUBLE_EQ(c.offset(), offset) << from << " to " << to;
        EXPECT_DOUBLE_EQ(c(10.0), 10.0 * factor + offset) << from << " to " << to;
    }
    EXPECT_EQ(pace.factor(), 0.0);
    // An angle is a dimension of its own; the message says so only where it alone keeps two units apart. A
    // conversion between reciprocal dimensions is named as one that may be asked for, where asking would do.
    const std::string apart =
        ": an angle is a dimension of its own; only a rate of cycles (Hz, rpm) and one of angle (rad/s) convert, as "
        "2π rad a cycle";
    const std::string ask = ": the dimensions are reciprocal, which convert only when asked";
    for (const auto& [from, to, tail] : {std::tuple{"rad", "1", apart},
                                         {"deg·m", "m", apart},
                                         {"Hz", "m", std::string("; the spectroscopy context converts them")},
                                         {"sr", "rad^2", std::string()},
                                         {"mpg", "L/100 km", ask},
                                         {"°C", "1/K", std::string()}}) {
        const std::string message = Converter::make(from, to).message();
        const std::string end = ")" + tail;
        EXPECT_TRUE(message.size() > end.size() && message.compare(message.size() - end.size(), end.size(), end) == 0)
            << message;
        EXPECT_EQ(Quantity(2.0, Unit(from)).tryIn(Unit(to)).message(), message);
    }
    EXPECT_EQ(tryAdd(Quantity(1.0, Unit("m")), Quantity(1.0, Unit("1/m"))).message(),
              "incompatible units: m and 1/m (m; 1/m)");
}

TEST(ValueApi, UnitTextsAndFormatting) {
    // Text, symbol, name, dimension and its name.
    const std::tuple<const char*, const char*, const char*, const char*, const char*> rows[] = {
        {"ft^2", "ft²", "Foot^2", "m^2", "Area"},
        {"kJ/(kg·K)", "kJ/(kg·K)", "1000 Joule per Kilogram Kelvin", "m^2/(s^2·K)", ""},
        {"1/s", "1/s", "1 per Second", "1/s", "Frequency"},
        {"Δ°C", "Δ°C", "delta_Celsius", "K", "Temperature"},
        {"%", "%", "percent", "1", "Dimensionless"},
        {"N·m", "N·m", "Meter Newton", "kg·m^2/s^2", "Energy"},
    };
    for (const auto& [text, symbol, name, dimension, dimensionName] : rows) {
        const Unit unit(text);
        const std::vector<std::string> expected = {symbol, name, dimension, dimensionName};
        EXPECT_EQ((std::vector{unit.symbol(), unit.name(), unit.dimension(), unit.dimensionName()}), expected) << text;
        EXPECT_EQ(Unit(unit.symbol()), unit); // the symbol reads back
    }
    EXPECT_EQ(Unit("kg/s^2").name(), "Kilogram per Second^2");
    const Quantity q(0.1 + 0.2, Unit("ft"));
    EXPECT_EQ(bits(Quantity(toString(q)).value()), bits(q.value())); // the shortest text that reads back
    EXPECT_EQ(toString(q, qelunits::UnitStyle::Name), "0.30000000000000004 Foot");
    std::ostringstream out;
    out.precision(3);
    out << q << '|' << Unit("m/s") << '|' << Quantity(2.0, Unit());
    EXPECT_EQ(out.str(), "0.3 ft|m/s|2");
    const std::unordered_set<Quantity> seen = {Quantity("1 m"), Quantity("100 cm"), Quantity("1 s")};
    EXPECT_EQ(seen.size(), 2U);
    EXPECT_NE(std::hash<Unit>()(Unit("m")), std::hash<Unit>()(Unit("cm")));
}

} // namespace
