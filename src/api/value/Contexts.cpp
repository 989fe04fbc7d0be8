// Conversions under a stated relation. The relation applies, with the exact
// constants, to the value times the joint factor of the two units, worked out
// from the exact ratios of their definitions so that the scales join without
// rounding (nm and THz); angular frequencies and temperature readings are first
// brought to Hz and K by the value API, as any conversion brings them.

#include "api/value/ContextHint.h"
#include "api/value/ValueCore.h"

#include <qelunits/Constants.h>
#include <qelunits/Contexts.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qelunits {
namespace {

// What a unit measures in a context; None where the context does not know it.
enum class Node : std::uint8_t { None, Wavelength, Frequency, Wavenumber, Energy, Temperature };

constexpr const char* kNodeNames[] = {"", "wavelength", "frequency", "wavenumber", "photon energy", "temperature"};

const char* nodeName(Node node) { return kNodeNames[static_cast<std::size_t>(node)]; }

Unit unitOf(std::string_view text) { return Unit::parse(text).value_or(Unit()); }

// The coherent SI unit each side of a relation is worked in.
const Unit& siUnit(Node node) {
    static const Unit units[] = {Unit(), unitOf("m"), unitOf("Hz"), unitOf("1/m"), unitOf("J"), unitOf("K")};
    return units[static_cast<std::size_t>(node)];
}

const Dimension& angularFrequency() {
    static const Dimension dimension = unitOf("rad/s").exponents();
    return dimension;
}

const Dimension& molarMassDimension() {
    static const Dimension dimension = unitOf("kg/mol").exponents();
    return dimension;
}

Node spectroscopyNode(const Unit& unit) {
    const Dimension& d = unit.exponents();
    for (const Node node : {Node::Wavelength, Node::Frequency, Node::Wavenumber, Node::Energy}) {
        if (d == siUnit(node).exponents()) {
            return node;
        }
    }
    // The value API converts a rate of angle to one of cycles, 2π rad a cycle.
    return d == angularFrequency() ? Node::Frequency : Node::None;
}

Node thermalNode(const Unit& unit) {
    if (unit.exponents() == siUnit(Node::Energy).exponents()) {
        return Node::Energy;
    }
    // k_B·T takes a temperature from absolute zero: a difference has none.
    return unit.isTemperaturePoint() || unit.isAbsoluteTemperature() ? Node::Temperature : Node::None;
}

// p (1 or -1) where to is from times (kg/mol)^p, one of them free of amount of substance and neither a number
// (a ratio of masses is no molality); 0 where there is none.
int chemistryPower(const Dimension& from, const Dimension& to) {
    if (from.isNone() || to.isNone() || (from[Dimension::Amount] != 0 && to[Dimension::Amount] != 0)) {
        return 0;
    }
    for (const int p : {1, -1}) {
        bool match = true;
        for (std::size_t k = 0; k < Dimension::kCount && match; ++k) {
            const int step = k == Dimension::Mass ? p : k == Dimension::Amount ? -p : 0;
            match = to[k] == from[k] + step;
        }
        if (match) {
            return p;
        }
    }
    return 0;
}

bool relatedBy(Context::Kind kind, const Unit& from, const Unit& to) {
    switch (kind) {
    case Context::Kind::Spectroscopy: {
        const Node a = spectroscopyNode(from);
        const Node b = spectroscopyNode(to);
        return a != Node::None && b != Node::None && a != b;
    }
    case Context::Kind::Thermal: {
        const Node a = thermalNode(from);
        const Node b = thermalNode(to);
        return a != Node::None && b != Node::None && a != b;
    }
    case Context::Kind::Chemistry:
        return chemistryPower(from.exponents(), to.exponents()) != 0;
    }
    return false;
}

const char* contextName(Context::Kind kind) {
    switch (kind) {
    case Context::Kind::Spectroscopy:
        return "spectroscopy";
    case Context::Kind::Chemistry:
        return "chemistry";
    case Context::Kind::Thermal:
        return "thermal";
    }
    return "";
}

std::string quantityText(const Quantity& q) {
    const std::string symbol = q.unit().symbol();
    return symbol.empty() || symbol == "1" ? numberText(q.value()) : numberText(q.value()) + ' ' + symbol;
}

using R = Result<double>;

R outOfRange(const Quantity& q, const Unit& unit, const char* context) {
    return R(ErrorKind::OutOfRange,
             quantityText(q) + " in " + unit.symbol() + " by the " + context + " context is out of range of a double");
}

// value, in the SI unit of a side, into unit, refusing a finite q whose result is not finite.
R fromSi(double value, Node node, const Quantity& q, const Unit& unit, const char* context) {
    if (std::isfinite(q.value()) && !std::isfinite(value)) {
        return outOfRange(q, unit, context);
    }
    return Quantity(value, siUnit(node)).tryIn(unit);
}

// The factor of a × b (or a / b) to the coherent SI unit, from the exact ratios of their definitions where they have
// them (nm × THz is 10^12 / 10^9, 1000), so that 500 nm is 599.584916 THz to the last digit.
double jointFactor(const Unit& a, const Unit& b, bool divide) {
    const qelunits_detail::DefinedFactor x = UnitAccess::definedOf(a);
    const qelunits_detail::DefinedFactor y = UnitAccess::definedOf(b);
    const double n = x.numerator * (divide ? y.denominator : y.numerator);
    const double d = x.denominator * (divide ? y.numerator : y.denominator);
    const int pi = divide ? x.pi - y.pi : x.pi + y.pi;
    if (!std::isfinite(n) || !std::isfinite(d) || d == 0.0) {
        return divide ? a.factor() / b.factor() : a.factor() * b.factor();
    }
    return pi == 0 ? n / d : detail::ratioWithPi(n, d, pi);
}

// A side of spectroscopy as numerator / denominator × f^power of the frequency f: λ = c/f, ν̃ = f/c, E = h·f.
struct Side {
    double numerator;
    double denominator;
    int power;
};

Side sideOf(Node node) {
    constexpr double c = constants::speed_of_light.value;
    constexpr double h = constants::planck_constant.value;
    switch (node) {
    case Node::Wavelength:
        return {c, 1.0, -1};
    case Node::Wavenumber:
        return {1.0, c, 1};
    case Node::Energy:
        return {h, 1.0, 1};
    default:
        return {1.0, 1.0, 1};
    }
}

R spectroscopy(const Quantity& given, const Unit& unit) {
    // An angular frequency is brought to cycles, and taken from them, by the value API.
    const Node from = spectroscopyNode(given.unit());
    const Node to = spectroscopyNode(unit);
    const bool angularFrom = from == Node::Frequency && given.unit().exponents() != siUnit(from).exponents();
    const bool angularTo = to == Node::Frequency && unit.exponents() != siUnit(to).exponents();
    R hertz = angularFrom ? given.tryIn(siUnit(from)) : R(given.value());
    if (!hertz) {
        return hertz;
    }
    const Quantity q = angularFrom ? Quantity(*hertz, siUnit(from)) : given;
    const Unit& target = angularTo ? siUnit(to) : unit;
    const Side a = sideOf(from);
    const Side b = sideOf(to);
    double out = 0.0;
    if (a.power == b.power) {
        out = q.value() * jointFactor(q.unit(), target, true) * (b.numerator * a.denominator) /
              (b.denominator * a.numerator);
    } else if (!(q.value() <= 0.0)) { // NaN passes, as through the value API
        out = (a.numerator * b.numerator) / (a.denominator * b.denominator) /
              (q.value() * jointFactor(q.unit(), target, false));
    } else {
        // Only a positive wavelength has a frequency, and only a positive frequency (wavenumber, energy) a wavelength.
        return R(ErrorKind::InvalidArgument,
                 quantityText(given) + " has no " + nodeName(to) + ": only a positive " + nodeName(from) + " has one");
    }
    if (std::isfinite(q.value()) && !std::isfinite(out)) {
        return outOfRange(given, unit, "spectroscopy");
    }
    return angularTo ? Quantity(out, target).tryIn(unit) : R(out);
}

R thermal(const Quantity& q, const Unit& unit) {
    constexpr double k = constants::boltzmann_constant.value;
    const Node from = thermalNode(q.unit());
    R in = q.tryIn(siUnit(from));
    if (!in) {
        return in;
    }
    // A reading below absolute zero is refused by the value API; an absolute temperature or energy is checked here.
    if (*in < 0.0) {
        return R(ErrorKind::BelowAbsoluteZero,
                 from == Node::Temperature
                     ? quantityText(q) + " is below absolute zero"
                     : quantityText(q) + " has no temperature: a negative energy lies below absolute zero");
    }
    return from == Node::Temperature ? fromSi(k * *in, Node::Energy, q, unit, "thermal")
                                     : fromSi(*in / k, Node::Temperature, q, unit, "thermal");
}

R chemistry(const Quantity& q, const Unit& unit, double molarMass) {
    const int p = chemistryPower(q.unit().exponents(), unit.exponents());
    const double scaled = q.value() * jointFactor(q.unit(), unit, true);
    const double out = p > 0 ? scaled * molarMass : scaled / molarMass;
    return std::isfinite(q.value()) && !std::isfinite(out) ? outOfRange(q, unit, "chemistry") : R(out);
}

} // namespace

std::string contextHint(ErrorKind kind, const Unit& from, const Unit& to) {
    if (kind != ErrorKind::IncompatibleUnits) {
        return "";
    }
    if (relatedBy(Context::Kind::Spectroscopy, from, to)) {
        return "; the spectroscopy context converts them";
    }
    if (relatedBy(Context::Kind::Thermal, from, to)) {
        return "; the thermal context converts them";
    }
    if (relatedBy(Context::Kind::Chemistry, from, to)) {
        return "; the chemistry context converts them, given a molar mass";
    }
    return "";
}

Result<Context> Context::chemistry(const Quantity& molarMass) {
    if (molarMass.unit().exponents() != molarMassDimension()) {
        return Result<Context>(ErrorKind::IncompatibleUnits,
                               quantityText(molarMass) +
                                   " is no molar mass: a molar mass is a mass per amount of "
                                   "substance (kg/mol), not " +
                                   molarMass.unit().dimension());
    }
    const double si = detail::siValue(molarMass);
    if (!std::isfinite(si) || si <= 0.0) {
        return Result<Context>(ErrorKind::InvalidArgument,
                               quantityText(molarMass) + " is no molar mass: a molar mass is finite and positive");
    }
    return Result<Context>(Context(Kind::Chemistry, molarMass));
}

Result<Context> Context::byName(std::string_view text) {
    const std::size_t open = text.find('(');
    const std::string_view name = text.substr(0, open);
    if (open == std::string_view::npos) {
        if (name == "spectroscopy" || name == "sp") {
            return Result<Context>(spectroscopy());
        }
        if (name == "thermal" || name == "boltzmann") {
            return Result<Context>(thermal());
        }
        if (name == "chemistry" || name == "chem") {
            return Result<Context>(ErrorKind::InvalidArgument,
                                   "the chemistry context takes a molar mass: chemistry(180.156 g/mol)");
        }
        return Result<Context>(ErrorKind::InvalidArgument, "no context is called '" + std::string(text) +
                                                               "': spectroscopy, thermal or chemistry(molar mass)");
    }
    if (text.back() != ')') {
        return Result<Context>(ErrorKind::Syntax, "a context's argument ends with ')'", text.size());
    }
    const std::string_view argument = text.substr(open + 1, text.size() - open - 2);
    const Result<Quantity> molarMass = Quantity::parse(argument);
    if (!molarMass) {
        // The argument follows ASCII, so that its positions move by as many code points as bytes.
        const std::size_t position =
            molarMass.position() == Error::kNoPosition ? Error::kNoPosition : molarMass.position() + open + 1;
        return Result<Context>(molarMass.kind(), molarMass.message(), position);
    }
    return byName(name, *molarMass);
}

Result<Context> Context::byName(std::string_view name, const Quantity& molarMass) {
    if (name == "chemistry" || name == "chem") {
        return chemistry(molarMass);
    }
    Result<Context> plain = byName(name);
    return plain ? Result<Context>(ErrorKind::InvalidArgument,
                                   std::string("the ") + plain->name() + " context takes no molar mass")
                 : plain;
}

const char* Context::name() const noexcept { return contextName(mKind); }

std::string Context::text() const {
    return mKind == Kind::Chemistry ? std::string(name()) + '(' + quantityText(mMolarMass) + ')' : name();
}

bool Context::relates(const Unit& from, const Unit& to) const { return relatedBy(mKind, from, to); }

Result<double> tryIn(const Quantity& q, const Unit& unit, const Context& context) {
    if (!context.relates(q.unit(), unit)) {
        R plain = q.tryIn(unit);
        return plain || plain.kind() != ErrorKind::IncompatibleUnits
                   ? plain
                   : R(plain.kind(), std::string("the ") + context.name() +
                                         " context does not relate them either: " + plain.message());
    }
    switch (context.kind()) {
    case Context::Kind::Spectroscopy:
        return spectroscopy(q, unit);
    case Context::Kind::Thermal:
        return thermal(q, unit);
    case Context::Kind::Chemistry:
        return chemistry(q, unit, detail::siValue(context.molarMass()));
    }
    return q.tryIn(unit);
}

Result<Quantity> tryTo(const Quantity& q, const Unit& unit, const Context& context) {
    const Result<double> value = tryIn(q, unit, context);
    return value ? Result<Quantity>(Quantity(*value, unit)) : Result<Quantity>::failureOf(value);
}

} // namespace qelunits
