// What the typed layer must accept, compiled with the project's warnings as errors under
// C++17 and C++20: the README's example, the formulas of a caller, and the results'
// types and values checked at compile time.
#include <qelunits/Typed.h>

#include <algorithm>
#include <iostream>
#include <set>
#include <type_traits>
#include <unordered_set>

// The README's example.
using namespace qelunits;

// A chilled-water coil's load from a flow and two readings.
Power coilLoad(VolumeFlow flow, TemperaturePoint supply, TemperaturePoint back) {
    const Density water = 998.0 * units::kg / units::m3;
    const SpecificHeatCapacity cp = 4.186 * units::kJ / (units::kg * units::K);
    return flow * water * cp * (back - supply);
}

int main() {
    const Power load = coilLoad(12.0 * units::gpm, 44.0 * units::degF, 54.0 * units::degF);
    std::cout << load << " = " << load.in(units::kW) << " kW = " << load.in(Unit("BTU/h")) << " BTU/h\n";
    // load + 1.0 * units::s;     does not compile: cannot add Power and Time
    // 44.0 * units::degF * 2.0;  does not compile: a temperature reading does not multiply

    // Texts and the value API's quantities cross over at the boundary; their errors are values.
    for (const char* text : {"3.5 ft", "2.5 m", "3 s"}) {
        const Result<Length> length = Length::from(text);
        std::cout << (length ? toString(*length) : length.message()) << '\n';
    }
}
// End of the README's example.

namespace {

// Falling from a height: v = sqrt(2 g h).
Speed impactSpeed(const Length& height) { return sqrt(2.0 * (1.0 * units::gn) * height); }

// Units read from text at the boundary, typed inside.
Length total(const char* const* texts, std::size_t count) {
    Length sum;
    for (std::size_t i = 0; i < count; ++i) {
        sum += Length::from(texts[i]).value_or(Length());
    }
    return sum;
}

// The results' types.
static_assert(std::is_same_v<decltype(1.0 * units::kg * (1.0 * units::m / units::s / units::s)), Force>);
static_assert(std::is_same_v<decltype(Force() * Length()), Torque> && std::is_same_v<Torque, Energy>);
static_assert(std::is_same_v<decltype(Energy() / Time()), Power>);
static_assert(std::is_same_v<decltype(Force() / Area()), Pressure>);
static_assert(std::is_same_v<decltype(1.0 / Time()), Frequency>);
static_assert(std::is_same_v<decltype(Length() / Length()), Dimensionless>);
static_assert(std::is_same_v<decltype(pow<3>(Length())), Volume>);
static_assert(std::is_same_v<decltype(sqrt(Area())), Length> && std::is_same_v<decltype(cbrt(Volume())), Length>);
static_assert(std::is_same_v<decltype(root<4>(pow<4>(Time()))), Time>);
static_assert(std::is_same_v<decltype(pow<-1>(Time())), Frequency>);
static_assert(std::is_same_v<decltype(MassFlow() * SpecificHeat() * Temperature()), Power>);
static_assert(std::is_same_v<decltype(TemperaturePoint() - TemperaturePoint()), Temperature>);
static_assert(std::is_same_v<decltype(TemperaturePoint() + Temperature()), TemperaturePoint>);
static_assert(
    std::is_same_v<QuantityOf<1, 3, -2>, TypedQuantity<dims::kg_m_s_K_A_mol_cd_rad_sr<1, 3, -2, 0, 0, 0, 0, 0, 0>>>);
static_assert(std::is_same_v<QuantityOf<1, 1, -2>, Force>);

// What the compiler folds, to a few roundings.
constexpr bool near(double a, double b) { return (a > b ? a - b : b - a) <= 1e-12 * (a > 0 ? a : -a); }
constexpr Length kSpan = 3.0 * units::ft + 6.0 * units::in;
static_assert(near(kSpan.in(units::in), 42.0));
static_assert(kSpan > 1.0 * units::m && kSpan <= kSpan && kSpan != 1.0 * units::m);
static_assert((2.0 * units::kWh).in(units::MJ) == 7.2);
static_assert(pow<2>(units::ft).factor == units::ft.factor * units::ft.factor);
static_assert((20.0 * units::degC).kelvin() == 293.15);
static_assert(near((212.0 * units::degF - 32.0 * units::degF).in(units::deltaF), 180.0));
static_assert(std::max(1.0 * units::m, 1.0 * units::ft) == 1.0 * units::m);
static_assert(std::string_view(dimensionName<dims::kg_m_s_K_A_mol_cd_rad_sr<1, 3, -2, 0, 0, 0, 0, 0, 0>>()) ==
              "kg·m^3/s^2");
static_assert(std::string_view(dimensionName<dims::Capacitance>()) == "Capacitance");

// Zero cost: one double, copied as one.
static_assert(sizeof(Speed) == sizeof(double) && std::is_trivially_copyable_v<Speed>);
static_assert(std::is_standard_layout_v<Pressure> && std::is_nothrow_default_constructible_v<Pressure>);

// A number of no dimension is a double.
constexpr double kRatio = (2.0 * units::m) / (50.0 * units::cm);
static_assert(kRatio == 4.0);

[[maybe_unused]] void containers() {
    std::set<Length> lengths{1.0 * units::m, 2.0 * units::ft};
    std::unordered_set<Length> hashed(lengths.begin(), lengths.end());
    const char* const texts[] = {"1 m", "1 ft"};
    std::cout << impactSpeed(total(texts, 2)) << hashed.size() << '\n';
    std::cout << sin(30.0 * units::deg) + cos(atan2(1.0 * units::m, 1.0 * units::m)) << '\n';
}

#if __cplusplus >= 202002L
static_assert((1.0 * units::m <=> 1.0 * units::ft) == std::partial_ordering::greater);
static_assert((0.0 * units::degC <=> 100.0 * units::degC) == std::partial_ordering::less);
#endif

} // namespace
