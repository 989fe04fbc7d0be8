#ifndef QELUNITS_TYPEDUNITS_H
#define QELUNITS_TYPEDUNITS_H

// The rest of the typed layer (qelunits/Typed.h, which includes this): the
// units known at compile time, temperature readings, and the crossing to and
// from the value API (Quantity, Unit, texts).
//
// The units' factors are the value API's, which computes them from the units'
// definitions and rounds once: each is written here as its exact decimal, or as
// a quotient of two whole numbers that a double holds exactly, so that one
// rounding gives the same double (a test compares every one).
//
// Thread safety: plain values and constants.

#include <qelunits/Typed.h>

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <type_traits>

namespace qelunits {

/// Units known at compile time: 3.5 * units::ft is a Length, x.in(units::psi) a number of psi.
namespace units {
// clang-format off
// Length.
inline constexpr TypedUnit<dims::Length> m{1.0, "m"};                         ///< meter
inline constexpr TypedUnit<dims::Length> km{1000.0, "km"};                    ///< kilometer
inline constexpr TypedUnit<dims::Length> cm{0.01, "cm"};                      ///< centimeter
inline constexpr TypedUnit<dims::Length> mm{0.001, "mm"};                     ///< millimeter
inline constexpr TypedUnit<dims::Length> um{1e-06, "µm"};                     ///< micrometer
inline constexpr TypedUnit<dims::Length> nm{1e-09, "nm"};                     ///< nanometer
inline constexpr TypedUnit<dims::Length> ft{0.3048, "ft"};                    ///< international foot
inline constexpr TypedUnit<dims::Length> in{0.0254, "in"};                    ///< inch
inline constexpr TypedUnit<dims::Length> yd{0.9144, "yd"};                    ///< yard
inline constexpr TypedUnit<dims::Length> mi{1609.344, "mi"};                  ///< international mile
inline constexpr TypedUnit<dims::Length> nmi{1852.0, "nmi"};                  ///< international nautical mile
// Mass.
inline constexpr TypedUnit<dims::Mass> kg{1.0, "kg"};                         ///< kilogram
inline constexpr TypedUnit<dims::Mass> g{0.001, "g"};                         ///< gram
inline constexpr TypedUnit<dims::Mass> mg{1e-06, "mg"};                       ///< milligram
inline constexpr TypedUnit<dims::Mass> t{1000.0, "t"};                        ///< tonne
inline constexpr TypedUnit<dims::Mass> lb{0.45359237, "lb"};                  ///< avoirdupois pound
inline constexpr TypedUnit<dims::Mass> oz{0.028349523125, "oz"};              ///< avoirdupois ounce
inline constexpr TypedUnit<dims::Mass> slug{44482216152605.0 / 3048000000000.0, "slug"}; ///< lbf·s²/ft
// Time.
inline constexpr TypedUnit<dims::Time> s{1.0, "s"};                           ///< second
inline constexpr TypedUnit<dims::Time> ms{0.001, "ms"};                       ///< millisecond
inline constexpr TypedUnit<dims::Time> us{1e-06, "µs"};                       ///< microsecond
inline constexpr TypedUnit<dims::Time> min{60.0, "min"};                      ///< minute
inline constexpr TypedUnit<dims::Time> h{3600.0, "h"};                        ///< hour
inline constexpr TypedUnit<dims::Time> d{86400.0, "d"};                       ///< day
// Area and volume.
inline constexpr TypedUnit<dims::Area> m2{1.0, "m²"};                         ///< square meter
inline constexpr TypedUnit<dims::Area> cm2{0.0001, "cm²"};                    ///< square centimeter
inline constexpr TypedUnit<dims::Area> mm2{1e-06, "mm²"};                     ///< square millimeter
inline constexpr TypedUnit<dims::Area> km2{1e+06, "km²"};                     ///< square kilometer
inline constexpr TypedUnit<dims::Area> ft2{0.09290304, "ft²"};                ///< square foot
inline constexpr TypedUnit<dims::Area> in2{0.00064516, "in²"};                ///< square inch
inline constexpr TypedUnit<dims::Area> ha{10000.0, "ha"};                     ///< hectare
inline constexpr TypedUnit<dims::Area> acre{4046.8564224, "acre"};            ///< international acre
inline constexpr TypedUnit<dims::Volume> m3{1.0, "m³"};                       ///< cubic meter
inline constexpr TypedUnit<dims::Volume> L{0.001, "L"};                       ///< liter
inline constexpr TypedUnit<dims::Volume> mL{1e-06, "mL"};                     ///< milliliter
inline constexpr TypedUnit<dims::Volume> cm3{1e-06, "cm³"};                   ///< cubic centimeter
inline constexpr TypedUnit<dims::Volume> ft3{0.028316846592, "ft³"};          ///< cubic foot
inline constexpr TypedUnit<dims::Volume> in3{1.6387064e-05, "in³"};           ///< cubic inch
inline constexpr TypedUnit<dims::Volume> gal{0.003785411784, "gal"};          ///< US liquid gallon, 231 in³
// Speed, acceleration, flow.
inline constexpr TypedUnit<dims::Speed> kmh{1000.0 / 3600.0, "km/h"};         ///< kilometer per hour
inline constexpr TypedUnit<dims::Speed> mph{0.44704, "mph"};                  ///< mile per hour
inline constexpr TypedUnit<dims::Speed> kn{1852.0 / 3600.0, "kn"};            ///< knot
inline constexpr TypedUnit<dims::Acceleration> gn{9.80665, "gn"};             ///< standard gravity
inline constexpr TypedUnit<dims::VolumeFlow> Lps{0.001, "L/s"};               ///< liter per second
inline constexpr TypedUnit<dims::VolumeFlow> Lpm{1.0 / 60000.0, "L/min"};     ///< liter per minute
inline constexpr TypedUnit<dims::VolumeFlow> m3h{1.0 / 3600.0, "m³/h"};       ///< cubic meter per hour
inline constexpr TypedUnit<dims::VolumeFlow> gpm{6.30901964e-05, "gpm"};      ///< US gallon per minute
inline constexpr TypedUnit<dims::VolumeFlow> cfm{0.0004719474432, "cfm"};     ///< cubic foot per minute
// Force, energy, power, pressure.
inline constexpr TypedUnit<dims::Force> N{1.0, "N"};                          ///< newton
inline constexpr TypedUnit<dims::Force> kN{1000.0, "kN"};                     ///< kilonewton
inline constexpr TypedUnit<dims::Force> lbf{4.4482216152605, "lbf"};          ///< pound-force, lb × gn
inline constexpr TypedUnit<dims::Force> kgf{9.80665, "kgf"};                  ///< kilogram-force
inline constexpr TypedUnit<dims::Force> kip{4448.2216152605, "kip"};          ///< 1000 lbf
inline constexpr TypedUnit<dims::Energy> J{1.0, "J"};                         ///< joule
inline constexpr TypedUnit<dims::Energy> kJ{1000.0, "kJ"};                    ///< kilojoule
inline constexpr TypedUnit<dims::Energy> MJ{1e+06, "MJ"};                     ///< megajoule
inline constexpr TypedUnit<dims::Energy> Wh{3600.0, "Wh"};                    ///< watt-hour
inline constexpr TypedUnit<dims::Energy> kWh{3.6e+06, "kWh"};                 ///< kilowatt-hour
inline constexpr TypedUnit<dims::Energy> cal{4.184, "cal"};                   ///< thermochemical calorie, as the catalogue's
inline constexpr TypedUnit<dims::Energy> kcal{4184.0, "kcal"};                ///< thermochemical kilocalorie
inline constexpr TypedUnit<dims::Energy> BTU{1055.05585262, "BTU"};           ///< international British thermal unit
inline constexpr TypedUnit<dims::Energy> ftlbf{1.3558179483314004, "ft·lbf"}; ///< foot pound-force
inline constexpr TypedUnit<dims::Energy> Nm{1.0, "N·m"};                      ///< newton meter (a torque is an Energy)
inline constexpr TypedUnit<dims::Power> W{1.0, "W"};                          ///< watt
inline constexpr TypedUnit<dims::Power> kW{1000.0, "kW"};                     ///< kilowatt
inline constexpr TypedUnit<dims::Power> MW{1e+06, "MW"};                      ///< megawatt
inline constexpr TypedUnit<dims::Power> hp{745.69987158227022, "hp"};         ///< mechanical horsepower, 550 ft·lbf/s
inline constexpr TypedUnit<dims::Power> BTUh{105505585262.0 / 360000000000.0, "BTU/h"}; ///< BTU per hour
inline constexpr TypedUnit<dims::Pressure> Pa{1.0, "Pa"};                     ///< pascal
inline constexpr TypedUnit<dims::Pressure> hPa{100.0, "hPa"};                 ///< hectopascal
inline constexpr TypedUnit<dims::Pressure> kPa{1000.0, "kPa"};                ///< kilopascal
inline constexpr TypedUnit<dims::Pressure> MPa{1e+06, "MPa"};                 ///< megapascal
inline constexpr TypedUnit<dims::Pressure> bar{100000.0, "bar"};              ///< bar
inline constexpr TypedUnit<dims::Pressure> mbar{100.0, "mbar"};               ///< millibar
inline constexpr TypedUnit<dims::Pressure> psi{44482216152605.0 / 6451600000.0, "psi"}; ///< lbf/in²
inline constexpr TypedUnit<dims::Pressure> atm{101325.0, "atm"};              ///< standard atmosphere
inline constexpr TypedUnit<dims::Pressure> mmHg{133.322387415, "mmHg"};       ///< millimeter of mercury
inline constexpr TypedUnit<dims::Pressure> inHg{3386.388640341, "inHg"};      ///< inch of mercury
// Frequency and angle: a hertz is 1/s, a revolution 2π rad.
inline constexpr TypedUnit<dims::Frequency> Hz{1.0, "Hz"};                    ///< hertz
inline constexpr TypedUnit<dims::Frequency> kHz{1000.0, "kHz"};               ///< kilohertz
inline constexpr TypedUnit<dims::Frequency> MHz{1e+06, "MHz"};                ///< megahertz
inline constexpr TypedUnit<dims::Frequency> rpm{1.0 / 60.0, "rpm"};           ///< per minute
inline constexpr TypedUnit<dims::Angle> rad{1.0, "rad"};                      ///< radian
inline constexpr TypedUnit<dims::Angle> deg{3.141592653589793 / 180.0, "deg"}; ///< degree, π/180 rad
inline constexpr TypedUnit<dims::Angle> rev{2.0 * 3.141592653589793, "rev"};  ///< revolution, 2π rad
inline constexpr TypedUnit<dims::SolidAngle> sr{1.0, "sr"};                   ///< steradian
// Temperature: kelvins from absolute zero or differences. Readings on °C and °F are the scales below.
inline constexpr TypedUnit<dims::Temperature> K{1.0, "K"};                    ///< kelvin
inline constexpr TypedUnit<dims::Temperature> mK{0.001, "mK"};                ///< millikelvin
inline constexpr TypedUnit<dims::Temperature> degR{5.0 / 9.0, "°R"};          ///< degree Rankine, from absolute zero
inline constexpr TypedUnit<dims::Temperature> deltaC{1.0, "Δ°C"};             ///< a difference in degrees Celsius
inline constexpr TypedUnit<dims::Temperature> deltaF{5.0 / 9.0, "Δ°F"};       ///< a difference in degrees Fahrenheit
inline constexpr TemperatureScale degC{273.15, 1.0, 1.0, 1.0, "°C"};          ///< readings in degrees Celsius
inline constexpr TemperatureScale degF{459.67, 5.0, 9.0, 1.8, "°F"};          ///< readings in degrees Fahrenheit
// Electricity, amount, light.
inline constexpr TypedUnit<dims::ElectricCurrent> A{1.0, "A"};                ///< ampere
inline constexpr TypedUnit<dims::ElectricCurrent> mA{0.001, "mA"};            ///< milliampere
inline constexpr TypedUnit<dims::ElectricCurrent> kA{1000.0, "kA"};           ///< kiloampere
inline constexpr TypedUnit<dims::Voltage> V{1.0, "V"};                        ///< volt
inline constexpr TypedUnit<dims::Voltage> mV{0.001, "mV"};                    ///< millivolt
inline constexpr TypedUnit<dims::Voltage> kV{1000.0, "kV"};                   ///< kilovolt
inline constexpr TypedUnit<dims::Resistance> ohm{1.0, "Ω"};                   ///< ohm
inline constexpr TypedUnit<dims::Charge> coulomb{1.0, "coulomb"};             ///< coulomb (C alone reads as nothing)
inline constexpr TypedUnit<dims::Charge> Ah{3600.0, "A·h"};                   ///< ampere-hour
inline constexpr TypedUnit<dims::Charge> mAh{3.6, "mA·h"};                    ///< milliampere-hour
inline constexpr TypedUnit<dims::Capacitance> farad{1.0, "farad"};            ///< farad (F alone reads as nothing)
inline constexpr TypedUnit<dims::Inductance> henry{1.0, "henry"};             ///< henry
inline constexpr TypedUnit<dims::Conductance> siemens{1.0, "siemens"};        ///< siemens
inline constexpr TypedUnit<dims::MagneticFlux> Wb{1.0, "Wb"};                 ///< weber
inline constexpr TypedUnit<dims::MagneticFluxDensity> tesla{1.0, "tesla"};    ///< tesla
inline constexpr TypedUnit<dims::AmountOfSubstance> mol{1.0, "mol"};          ///< mole
inline constexpr TypedUnit<dims::AmountOfSubstance> mmol{0.001, "mmol"};      ///< millimole
inline constexpr TypedUnit<dims::AmountOfSubstance> kmol{1000.0, "kmol"};     ///< kilomole
inline constexpr TypedUnit<dims::LuminousIntensity> cd{1.0, "cd"};            ///< candela
inline constexpr TypedUnit<dims::Illuminance> lx{1.0, "lx"};                  ///< lux
// clang-format on
} // namespace units

namespace detail {
/// The kelvin alone: the scale readings on °C and °F convert to and from.
inline const Unit& kelvinReading() {
    static const Unit kelvin = Unit::fromCode(QelUnit::kelvin).value_or(Unit());
    return kelvin;
}
/// One temperature scale alone, not a difference: a reading (°C, °F) or an absolute temperature (K, °R, mK).
inline bool isReading(const Unit& unit) noexcept {
    return unit.isTemperaturePoint() || (unit.size() == 1 && unit.power(0) == 1 && !unit.isTemperatureDifference() &&
                                         unit.exponents() == Dimension::of(Dimension::Temperature));
}
/// True for the exponents of a temperature alone.
inline bool isTemperatureOnly(const int* exponents) noexcept {
    for (std::size_t k = 0; k < kTypedBases; ++k) {
        if (exponents[k] != (k == Dimension::Temperature ? 1 : 0)) {
            return false;
        }
    }
    return true;
}
/// "a Length (m)", "an Energy (kg·m^2/s^2)", "kg·m^3" for a dimension without a name.
inline std::string describe(std::string_view name, const std::string& text) {
    if (name.empty() || name == text) {
        return text;
    }
    const char* article = name.find_first_of("AEIOU") == 0 ? "an " : "a ";
    return article + std::string(name) + " (" + text + ")";
}
/// describe() of the value API's dimension, by its name where it has one of ours.
inline std::string describe(const Dimension& dimension) {
    for (const dims::Named& named : dims::kNamed) {
        bool same = true;
        for (std::size_t k = 0; k < Dimension::kCount; ++k) {
            same = same && dimension[k] == (k < kTypedBases ? named.exponents[k] : 0);
        }
        if (same) {
            return describe(named.name, dimension.text());
        }
    }
    return dimension.text();
}
/// describe() of a typed dimension.
inline std::string describe(const TypedInfo& typed) { return describe(typed.name, typed.text); }

inline Result<Unit> coherentUnit(const int* exponents) {
    constexpr QelUnit::BuiltinUnits kBaseUnits[kTypedBases] = {QelUnit::kilogram, QelUnit::meter,  QelUnit::second,
                                                               QelUnit::kelvin,   QelUnit::ampere, QelUnit::mole,
                                                               QelUnit::candela,  QelUnit::radian, QelUnit::steradian};
    Unit unit;
    for (std::size_t k = 0; k < kTypedBases; ++k) {
        if (exponents[k] != 0) {
            const Result<Unit> base = Unit::fromCode(kBaseUnits[k], exponents[k]);
            Result<Unit> product = base ? tryMultiply(unit, *base) : base;
            if (!product) {
                return product;
            }
            unit = *product;
        }
    }
    // A Temperature's unit is ΔK, which the differences convert into by ratio; the scales (K, °R) are met apart.
    return Result<Unit>(isTemperatureOnly(exponents) ? unit.difference() : unit);
}

/// The TemperaturePoint failure of what, on the offset scale of unit.
inline Result<double> offsetScale(const Unit& unit, const std::string& what) {
    return Result<double>(
        ErrorKind::TemperaturePoint,
        what + " on " + unit.symbol() + ", a scale whose zero is not absolute zero: a TemperaturePoint " +
            "converts (its absolute() is a Temperature), or a difference in " + unit.difference().symbol());
}

inline Result<double> siValueOf(const Quantity& quantity, const TypedInfo& target, const Result<Unit>& si) {
    if (!si) {
        return Result<double>::failureOf(si);
    }
    const Unit& unit = quantity.unit();
    if (isTemperatureOnly(target.exponents) && isReading(unit)) {
        // K and °R count from absolute zero; °C and °F readings are TemperaturePoints.
        return unit.offset() == 0.0 ? quantity.tryIn(kelvinReading())
                                    : offsetScale(unit, toString(quantity) + " is a reading");
    }
    Result<double> out = quantity.tryIn(*si);
    if (!out && out.kind() == ErrorKind::IncompatibleUnits) {
        return Result<double>(ErrorKind::IncompatibleUnits, "incompatible units: " + toString(quantity) + " is " +
                                                                describe(unit.exponents()) + ", not " +
                                                                describe(target));
    }
    return out;
}

inline Result<double> valueIn(double si, const TypedInfo& source, const Result<Unit>& siUnit, const Unit& unit) {
    if (!siUnit) {
        return Result<double>::failureOf(siUnit);
    }
    if (isTemperatureOnly(source.exponents) && isReading(unit)) {
        return unit.offset() == 0.0 ? Quantity(si, kelvinReading()).tryIn(unit)
                                    : offsetScale(unit, "a Temperature has no reading");
    }
    Result<double> out = Quantity(si, *siUnit).tryIn(unit);
    if (!out && out.kind() == ErrorKind::IncompatibleUnits) {
        return Result<double>(ErrorKind::IncompatibleUnits, "incompatible units: " + describe(source) +
                                                                " is not expressed in " + unit.symbol() + ", " +
                                                                describe(unit.exponents()));
    }
    return out;
}
} // namespace detail

/// A temperature reading, kept in kelvin: a point on a scale (20 °C, 68 °F). point − point is a Temperature,
/// point ± Temperature a point; points do not add to each other, multiply or divide: absolute() gives the
/// Temperature from absolute zero, which does. Built as 20.0 * units::degC, TemperaturePoint::fromCelsius(20),
/// or from the value API's readings (TemperaturePoint::from("68 °F")).
class TemperaturePoint {
public:
    /// Absolute zero.
    constexpr TemperaturePoint() noexcept = default;
    /// The reading absolute above absolute zero.
    explicit constexpr TemperaturePoint(const Temperature& absolute) noexcept : mKelvin(absolute.value()) {}
    /// A reading in kelvin.
    static constexpr TemperaturePoint fromKelvin(double kelvin) noexcept {
        return TemperaturePoint(Temperature(kelvin));
    }
    /// A reading in degrees Celsius.
    static constexpr TemperaturePoint fromCelsius(double celsius) noexcept { return fromScale(celsius, units::degC); }
    /// A reading in degrees Fahrenheit.
    static constexpr TemperaturePoint fromFahrenheit(double fahrenheit) noexcept {
        return fromScale(fahrenheit, units::degF);
    }
    /// A reading of value on scale, by the scale's function.
    static constexpr TemperaturePoint fromScale(double value, TemperatureScale scale) noexcept {
        return fromKelvin(((value + scale.zero) * scale.numerator) / scale.denominator);
    }

    /// The reading in kelvin.
    constexpr double kelvin() const noexcept { return mKelvin; }
    /// The reading in degrees Celsius.
    constexpr double celsius() const noexcept { return in(units::degC); }
    /// The reading in degrees Fahrenheit.
    constexpr double fahrenheit() const noexcept { return in(units::degF); }
    /// The reading on scale.
    constexpr double in(TemperatureScale scale) const noexcept { return mKelvin * scale.perKelvin - scale.zero; }
    /// The temperature from absolute zero, which multiplies (R·T).
    constexpr Temperature absolute() const noexcept { return Temperature(mKelvin); }

    /// A reading of the value API (°C, °F, K, °R): TemperaturePoint for a difference, IncompatibleUnits for
    /// another dimension, BelowAbsoluteZero.
    static Result<TemperaturePoint> from(const Quantity& quantity) {
        const Unit& unit = quantity.unit();
        if (detail::isReading(unit)) {
            const Result<double> kelvin = quantity.tryIn(detail::kelvinReading());
            return kelvin ? Result<TemperaturePoint>(fromKelvin(*kelvin)) : Result<TemperaturePoint>::failureOf(kelvin);
        }
        const bool difference = unit.exponents() == Dimension::of(Dimension::Temperature);
        return Result<TemperaturePoint>(
            difference ? ErrorKind::TemperaturePoint : ErrorKind::IncompatibleUnits,
            toString(quantity) + (difference
                                      ? " is a temperature difference, not a reading: read it as a Temperature"
                                      : " is " + detail::describe(unit.exponents()) + ", not a temperature reading"));
    }
    /// A reading's text ("68 °F"); a failure to read keeps the reader's kind and position.
    static Result<TemperaturePoint> from(std::string_view text) {
        const Result<Quantity> read = Quantity::parse(text);
        return read ? from(*read) : Result<TemperaturePoint>::failureOf(read);
    }
    /// value in a catalogue unit (QelUnit::celsius, 20.0).
    static Result<TemperaturePoint> from(QelUnit::BuiltinUnits unit, double value) {
        const Result<Unit> made = Unit::fromCode(unit);
        return made ? from(Quantity(value, *made)) : Result<TemperaturePoint>::failureOf(made);
    }
    /// The reading in a reading unit of the value API (°C, °F, K, °R).
    Result<double> tryIn(const Unit& unit) const {
        if (detail::isReading(unit)) {
            return Quantity(mKelvin, detail::kelvinReading()).tryIn(unit);
        }
        const bool difference = unit.exponents() == Dimension::of(Dimension::Temperature);
        return Result<double>(difference ? ErrorKind::TemperaturePoint : ErrorKind::IncompatibleUnits,
                              "a temperature reading does not convert into " + unit.symbol() +
                                  (difference ? ", a difference: subtract another reading, or take absolute()"
                                              : ", " + detail::describe(unit.exponents())));
    }
    /// The value API's reading in unit; fails as tryIn.
    Result<Quantity> tryTo(const Unit& unit) const {
        const Result<double> number = tryIn(unit);
        return number ? Result<Quantity>(Quantity(*number, unit)) : Result<Quantity>::failureOf(number);
    }
#if QELUNITS_HAS_EXCEPTIONS
    /// The reading in a reading unit of the value API; throws Error.
    double in(const Unit& unit) const { return tryIn(unit).value(); }
    /// The value API's reading in unit; throws Error.
    Quantity to(const Unit& unit) const { return tryTo(unit).value(); }
    /// to(unit).
    Quantity to_quantity(const Unit& unit) const { return to(unit); }
#endif

    /// Moves the reading by a difference.
    constexpr TemperaturePoint& operator+=(const Temperature& difference) noexcept {
        mKelvin += difference.value();
        return *this;
    }
    /// Moves the reading back by a difference.
    constexpr TemperaturePoint& operator-=(const Temperature& difference) noexcept {
        mKelvin -= difference.value();
        return *this;
    }

    /// The difference of two readings.
    friend constexpr Temperature operator-(const TemperaturePoint& a, const TemperaturePoint& b) noexcept {
        return Temperature(a.mKelvin - b.mKelvin);
    }
    /// A reading moved by a difference.
    friend constexpr TemperaturePoint operator+(TemperaturePoint a, const Temperature& difference) noexcept {
        return a += difference;
    }
    /// A reading moved by a difference.
    friend constexpr TemperaturePoint operator+(const Temperature& difference, TemperaturePoint a) noexcept {
        return a += difference;
    }
    /// A reading moved back by a difference.
    friend constexpr TemperaturePoint operator-(TemperaturePoint a, const Temperature& difference) noexcept {
        return a -= difference;
    }
    /// Same reading.
    friend constexpr bool operator==(const TemperaturePoint& a, const TemperaturePoint& b) noexcept {
        return a.mKelvin == b.mKelvin;
    }
    /// Not ==.
    friend constexpr bool operator!=(const TemperaturePoint& a, const TemperaturePoint& b) noexcept {
        return a.mKelvin != b.mKelvin;
    }
    /// Colder.
    friend constexpr bool operator<(const TemperaturePoint& a, const TemperaturePoint& b) noexcept {
        return a.mKelvin < b.mKelvin;
    }
    /// Not warmer.
    friend constexpr bool operator<=(const TemperaturePoint& a, const TemperaturePoint& b) noexcept {
        return a.mKelvin <= b.mKelvin;
    }
    /// Warmer.
    friend constexpr bool operator>(const TemperaturePoint& a, const TemperaturePoint& b) noexcept {
        return a.mKelvin > b.mKelvin;
    }
    /// Not colder.
    friend constexpr bool operator>=(const TemperaturePoint& a, const TemperaturePoint& b) noexcept {
        return a.mKelvin >= b.mKelvin;
    }
#if QELUNITS_TYPED_THREE_WAY
    /// Colder, equal or warmer.
    friend constexpr std::partial_ordering operator<=>(const TemperaturePoint& a, const TemperaturePoint& b) noexcept {
        return a.mKelvin <=> b.mKelvin;
    }
#endif

private:
    double mKelvin = 0.0;
};

/// value on a scale: 20.0 * units::degC.
constexpr TemperaturePoint operator*(double value, TemperatureScale scale) noexcept {
    return TemperaturePoint::fromScale(value, scale);
}

// What a reading has no meaning for: compile errors that say so.

/// Two readings do not add.
template <class P, std::enable_if_t<std::is_same_v<P, TemperaturePoint>, int> = 0>
constexpr TemperaturePoint operator+(const P& a, const P&) noexcept {
    static_assert(detail::kNever<P>, "qelunits: two temperature readings (TemperaturePoint) do not add: subtract them "
                                     "for a Temperature difference, or add a Temperature to one");
    return a;
}
/// A reading does not multiply.
template <class Other>
constexpr TemperaturePoint operator*(const TemperaturePoint& a, const Other&) noexcept {
    static_assert(detail::kNever<Other>, "qelunits: a temperature reading (TemperaturePoint) does not multiply: "
                                         "absolute() is its Temperature from absolute zero, which does");
    return a;
}
/// A reading does not multiply.
template <class Other>
constexpr TemperaturePoint operator*(const Other&, const TemperaturePoint& a) noexcept {
    static_assert(detail::kNever<Other>, "qelunits: a temperature reading (TemperaturePoint) does not multiply: "
                                         "absolute() is its Temperature from absolute zero, which does");
    return a;
}
/// A reading does not divide.
template <class Other>
constexpr TemperaturePoint operator/(const TemperaturePoint& a, const Other&) noexcept {
    static_assert(detail::kNever<Other>, "qelunits: a temperature reading (TemperaturePoint) does not divide: "
                                         "absolute() is its Temperature from absolute zero, which does");
    return a;
}
/// Nothing is divided by a reading.
template <class Other>
constexpr TemperaturePoint operator/(const Other&, const TemperaturePoint& a) noexcept {
    static_assert(detail::kNever<Other>, "qelunits: nothing divides by a temperature reading (TemperaturePoint): "
                                         "absolute() is its Temperature from absolute zero, which does");
    return a;
}

// Text: the shortest number that reads back, as the value API writes it, and the coherent SI unit.

/// "1.0668 m", "12 J", "0.5" for a number.
template <class D>
std::string toString(const TypedQuantity<D>& quantity) {
    std::string out = toString(Quantity(quantity.value(), Unit()));
    const std::string_view symbol = coherentSymbol<D>();
    return symbol.empty() ? out : out.append(" ").append(symbol);
}
/// "293.15 K".
inline std::string toString(const TemperaturePoint& point) { return toString(point.absolute()); }
/// Writes the number as the stream writes a double (its flags and precision), a blank and the symbol.
template <class Traits, class D>
std::basic_ostream<char, Traits>& operator<<(std::basic_ostream<char, Traits>& out, const TypedQuantity<D>& quantity) {
    out << Quantity(quantity.value(), Unit());
    const std::string_view symbol = coherentSymbol<D>();
    return symbol.empty() ? out : out << ' ' << symbol;
}
/// Writes the reading in kelvin.
template <class Traits>
std::basic_ostream<char, Traits>& operator<<(std::basic_ostream<char, Traits>& out, const TemperaturePoint& point) {
    return out << point.absolute();
}

// What the zero cost rests on.
static_assert(sizeof(Length) == sizeof(double) && alignof(Length) == alignof(double));
static_assert(std::is_trivially_copyable_v<Length> && std::is_standard_layout_v<Length>);
static_assert(std::is_trivially_copyable_v<TemperaturePoint> && sizeof(TemperaturePoint) == sizeof(double));

} // namespace qelunits

namespace std {
/// Hashes as the number in the coherent SI unit.
template <class D>
struct hash<qelunits::TypedQuantity<D>> {
    /// The hash of the double.
    std::size_t operator()(const qelunits::TypedQuantity<D>& quantity) const noexcept {
        return std::hash<double>()(quantity.value());
    }
};
/// Hashes as the reading in kelvin.
template <>
struct hash<qelunits::TemperaturePoint> {
    /// The hash of the double.
    std::size_t operator()(const qelunits::TemperaturePoint& point) const noexcept {
        return std::hash<double>()(point.kelvin());
    }
};
} // namespace std

#endif
