// Conversions under a context, through the public header: the relations against the SI's defining constants
// (the expected values agree with Pint's contexts to the last digits), the failures, and the hint that the value
// API's refusal gives.

#include <qelunits/Contexts.h>
#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using qelunits::Context;
using qelunits::ErrorKind;
using qelunits::Quantity;
using qelunits::Unit;

// The SI's defining constants, exact.
constexpr long double kC = 299792458.0L;
constexpr long double kH = 6.62607015e-34L;
constexpr long double kE = 1.602176634e-19L;
constexpr long double kK = 1.380649e-23L;

Context glucose() { return Context::chemistry(Quantity(180.156, Unit("g/mol"))).value(); }
Context water() { return Context::chemistry(Quantity(18.01528, Unit("g/mol"))).value(); }

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A conversion under a context by its relation, or the refusal where the relation gives none.
TEST(Contexts, ConvertByTheirRelationsOrRefuse) {
    struct Case {
        Context context;
        double value;
        const char* from;
        const char* to;
        long double expected; // where it converts
        ErrorKind kind = ErrorKind::None;
    };
    const Case cases[] = {
        {Context::spectroscopy(), 500.0, "nm", "THz", kC / 500e-9L / 1e12L},
        {Context::spectroscopy(), 500.0, "nm", "eV", kH * kC / 500e-9L / kE},
        {Context::spectroscopy(), 599.584916, "THz", "nm", 500.0L},
        {Context::spectroscopy(), 1.0, "eV", "nm", kH * kC / kE / 1e-9L},
        {Context::spectroscopy(), 1000.0, "cm^-1", "nm", 10000.0L},
        {Context::spectroscopy(), 1.0, "THz", "1/cm", 1e12L / kC / 100.0L},
        {Context::spectroscopy(), 1.0, "1/cm", "eV", kH * kC * 100.0L / kE},
        {Context::spectroscopy(), 1.0, "eV", "Hz", kE / kH},
        {Context::spectroscopy(), 2.0 * 3.141592653589793e12, "rad/s", "um", kC / 1e12L / 1e-6L},
        {Context::thermal(), 1.0, "eV", "K", kE / kK},
        {Context::thermal(), 300.0, "K", "meV", kK * 300.0L / kE * 1000.0L},
        {Context::thermal(), 20.0, "°C", "J", kK * 293.15L},
        {Context::thermal(), 5.1518917435e-21, "J", "°C", 100.0L},
        {glucose(), 100.0, "mg/dL", "mmol/L", 1000.0L / 180.156L},
        {water(), 1.0, "mol", "g", 18.01528L},
        {water(), 1.0, "kg/h", "mol/s", 1000.0L / 18.01528L / 3600.0L},
        {water(), 40.65, "kJ/mol", "kJ/kg", 40.65L / 0.01801528L},
        // Within one dimension, the plain conversion.
        {Context::spectroscopy(), 500.0, "nm", "um", 0.5L},
        {Context::spectroscopy(), 1.0, "THz", "rad/s", 2e12L * 3.141592653589793238L},
        {Context::thermal(), -40.0, "°F", "°C", -40.0L},
        {water(), 3.0, "mol", "mmol", 3000.0L},
        // What the relation does not give.
        {Context::spectroscopy(), 500.0, "nm", "kg", 0.0L, ErrorKind::IncompatibleUnits},
        {Context::spectroscopy(), 1.0, "eV", "K", 0.0L, ErrorKind::IncompatibleUnits},
        {Context::thermal(), 500.0, "nm", "THz", 0.0L, ErrorKind::IncompatibleUnits},
        {Context::thermal(), 1.0, "ΔK", "J", 0.0L, ErrorKind::IncompatibleUnits},
        {water(), 1.0, "K", "J", 0.0L, ErrorKind::IncompatibleUnits},
        {water(), 1.0, "mol/kg", "1", 0.0L, ErrorKind::IncompatibleUnits},
        {Context::spectroscopy(), -500.0, "nm", "THz", 0.0L, ErrorKind::InvalidArgument},
        {Context::spectroscopy(), 0.0, "nm", "eV", 0.0L, ErrorKind::InvalidArgument},
        {Context::spectroscopy(), 1e-310, "m", "Hz", 0.0L, ErrorKind::OutOfRange},
        {Context::thermal(), -1.0, "eV", "K", 0.0L, ErrorKind::BelowAbsoluteZero},
        {Context::thermal(), -300.0, "°C", "J", 0.0L, ErrorKind::BelowAbsoluteZero},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(std::string(t.context.name()) + ": " + std::to_string(t.value) + ' ' + t.from + " in " + t.to);
        const Quantity q(t.value, Unit(t.from));
        const qelunits::Result<Quantity> out = qelunits::tryTo(q, Unit(t.to), t.context);
        ASSERT_EQ(out.kind(), t.kind) << out.message();
        if (!out) {
            EXPECT_FALSE(out.message().empty());
            continue;
        }
        EXPECT_EQ(out->unit(), Unit(t.to));
        const auto expected = static_cast<double>(t.expected);
        EXPECT_NEAR(out->value(), expected, std::abs(expected) * 1e-14);
        EXPECT_EQ(qelunits::in(q, Unit(t.to), t.context), out->value());
    }
    // c / (500 × 10^3) rounded once: the units' scales join exactly before the relation divides.
    EXPECT_EQ(qelunits::in(Quantity(500.0, Unit("nm")), Unit("THz"), Context::spectroscopy()), 599.584916);
    EXPECT_THROW((void)qelunits::to(Quantity(0.0, Unit("nm")), Unit("Hz"), Context::spectroscopy()), qelunits::Error);
}

TEST(Contexts, AreNamedByTextAndTakeOnlyAMolarMass) {
    using K = Context::Kind;
    struct Case {
        const char* text;
        ErrorKind kind;
        K context;
    };
    const Case cases[] = {
        {"spectroscopy", ErrorKind::None, K::Spectroscopy},
        {"sp", ErrorKind::None, K::Spectroscopy},
        {"thermal", ErrorKind::None, K::Thermal},
        {"chemistry(180.156 g/mol)", ErrorKind::None, K::Chemistry},
        {"chemistry(0.180156 kg/mol)", ErrorKind::None, K::Chemistry},
        {"chemistry", ErrorKind::InvalidArgument, K::Chemistry},
        {"chemistry(180.156 g)", ErrorKind::IncompatibleUnits, K::Chemistry},
        {"chemistry(0 g/mol)", ErrorKind::InvalidArgument, K::Chemistry},
        {"chemistry(180.156 g/mol", ErrorKind::Syntax, K::Chemistry},
        {"chemistry(180.156 fot)", ErrorKind::UnknownUnit, K::Chemistry},
        {"thermal(1 g/mol)", ErrorKind::InvalidArgument, K::Thermal},
        {"optics", ErrorKind::InvalidArgument, K::Spectroscopy},
        {"", ErrorKind::InvalidArgument, K::Spectroscopy},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.text);
        const qelunits::Result<Context> context = Context::byName(t.text);
        ASSERT_EQ(context.kind(), t.kind) << context.message();
        if (context) {
            EXPECT_EQ(context->kind(), t.context);
            // What text() writes names the same context again.
            const qelunits::Result<Context> again = Context::byName(context->text());
            ASSERT_TRUE(again.ok()) << again.message();
            EXPECT_EQ(again->kind(), t.context);
            EXPECT_EQ(again->molarMass(), context->molarMass());
        }
    }
    EXPECT_STREQ(Context::byName("sp")->name(), "spectroscopy");
    // A molar mass in kg/mol is the same molar mass: 100 mg/dL of glucose is 5.55 mmol/L.
    const Context kg = Context::chemistry(Quantity("0.180156 kg/mol")).value();
    EXPECT_NEAR(qelunits::in(Quantity("100 mg/dL"), Unit("mmol/L"), kg), 1000.0 / 180.156, 1e-13);
    // The position of a failure in the molar mass counts from the start of the whole text.
    EXPECT_EQ(Context::byName("chemistry(180.156 fot)").position(), 18U);
    EXPECT_EQ(Context::byName("chemistry", Quantity("18 g/mol"))->molarMass(), Quantity("18 g/mol"));
    EXPECT_EQ(Context::byName("thermal", Quantity("18 g/mol")).kind(), ErrorKind::InvalidArgument);
}

TEST(Contexts, AreNamedInTheRefusalOfThePlainConversion) {
    struct Case {
        const char* quantity;
        const char* to;
        const char* hint; // "" where no context relates the two
    };
    const Case cases[] = {
        {"500 nm", "THz", "; the spectroscopy context converts them"},
        {"2 eV", "nm", "; the spectroscopy context converts them"},
        {"1 eV", "K", "; the thermal context converts them"},
        {"20 °C", "meV", "; the thermal context converts them"},
        {"100 mg/dL", "mmol/L", "; the chemistry context converts them, given a molar mass"},
        {"1 m", "kg", ""},
        {"1 ΔK", "J", ""},
        {"1 mol/kg", "1", ""},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(std::string(t.quantity) + " in " + t.to);
        const qelunits::Result<Quantity> out = Quantity(t.quantity).tryTo(Unit(t.to));
        ASSERT_EQ(out.kind(), ErrorKind::IncompatibleUnits);
        if (*t.hint != '\0') {
            EXPECT_TRUE(endsWith(out.message(), t.hint)) << out.message();
        } else {
            EXPECT_EQ(out.message().find("context"), std::string::npos) << out.message();
        }
    }
}

} // namespace
