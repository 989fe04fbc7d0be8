#ifndef QELUNITS_SRC_FACTORS_DIRECTFACTORS_H
#define QELUNITS_SRC_FACTORS_DIRECTFACTORS_H

// Direct conversions between pairs of builtin units: factors among the common
// metric, international and US survey lengths, areas and volumes, and the
// functions between the temperature scales. Only four small groups of units
// have entries: each group's square table is laid out in one flat table of
// entries, and a per-unit slot finds a unit's row and column, so a lookup is
// three reads. Everything is constant data, complete at load.

#include "catalog/Catalog.h"
#include "catalog/Powers.h"
#include "catalog/UnitTable.h"

#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnit.h>

#include <array>
#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

enum class FactorGroup : std::uint8_t { None, Length, Area, Volume, Temperature };

constexpr std::size_t kLengthCount = 14;
constexpr std::size_t kAreaCount = 15;
constexpr std::size_t kVolumeCount = 11;
constexpr std::size_t kTemperatureCount = 4;

// The first unit of each group is its base unit.
inline constexpr QelUnit::BuiltinUnits kLengthUnits[kLengthCount] = {
    QelUnit::meter,       QelUnit::kilometer,   QelUnit::decimeter,  QelUnit::centimeter,  QelUnit::millimeter,
    QelUnit::foot,        QelUnit::inches,      QelUnit::yards,      QelUnit::mile,        QelUnit::survey_foot,
    QelUnit::survey_inch, QelUnit::survey_yard, QelUnit::survey_rod, QelUnit::mile_statute};

// L[a][b]: value in b = value in a * L[a][b], in the order of kLengthUnits. These
// are the stored doubles, not recomputed from the lengths (their last bits are
// the published ones). The diagonal and the meter column are not entries; the
// meter column reads the unit table's factors where an area side needs them.
// clang-format off
inline constexpr double kLengthTable[kLengthCount][kLengthCount] = {
    {0.0, 0.001, 10.0, 100.0, 1000.0, 3.280839895013123, 39.37007874015748, 1.0936132983377076, 0.0006213711922373339, 3.2808333333333333, 39.37, 1.093611111111111, 0.19883838383838384, 0.0006213699494949494}, // meter
    {0.0, 0.0, 10000.0, 100000.0, 1000000.0, 3280.839895013123, 39370.07874015748, 1093.6132983377076, 0.621371192237334, 3280.8333333333335, 39370.0, 1093.611111111111, 198.83838383838383, 0.6213699494949495}, // kilometer
    {0.0, 0.0001, 0.0, 10.0, 100.0, 0.32808398950131235, 3.9370078740157477, 0.10936132983377078, 6.21371192237334e-5, 0.32808333333333334, 3.9370000000000003, 0.10936111111111112, 0.019883838383838386, 6.213699494949495e-5}, // decimeter
    {0.0, 1e-5, 0.1, 0.0, 10.0, 0.03280839895013123, 0.39370078740157477, 0.010936132983377077, 6.213711922373339e-6, 0.032808333333333335, 0.39370000000000005, 0.010936111111111112, 0.0019883838383838383, 6.2136994949494955e-6}, // centimeter
    {0.0, 1e-6, 0.01, 0.1, 0.0, 0.0032808398950131233, 0.03937007874015748, 0.0010936132983377078, 6.21371192237334e-7, 0.003280833333333333, 0.039369999999999995, 0.001093611111111111, 0.00019883838383838383, 6.213699494949494e-7}, // millimeter
    {0.0, 0.00030480000000000004, 3.048, 30.48, 304.8, 0.0, 12.0, 0.3333333333333333, 0.0001893939393939394, 0.9999979999999999, 11.999976, 0.33333266666666667, 0.06060593939393939, 0.0001893935606060606}, // foot
    {0.0, 2.54e-5, 0.254, 2.54, 25.400000000000002, 0.08333333333333333, 0.0, 0.027777777777777776, 1.5782828282828283e-5, 0.08333316666666667, 0.9999979999999999, 0.02777772222222222, 0.00505049494949495, 1.5782796717171717e-5}, // inches
    {0.0, 0.0009144000000000001, 9.144, 91.44, 914.4000000000001, 3.0, 36.0, 0.0, 0.0005681818181818182, 2.999994, 35.999928, 0.9999979999999999, 0.1818178181818182, 0.0005681806818181818}, // yards
    {0.0, 1.609344, 16093.44, 160934.4, 1609344.0, 5280.0, 63360.0, 1760.0, 0.0, 5279.989439999999, 63359.87328, 1759.9964799999998, 319.99935999999997, 0.9999979999999999}, // mile
    {0.0, 0.0003048006096012192, 3.048006096012192, 30.480060960121918, 304.8006096012192, 1.000002000004, 12.000024000048, 0.33333400000133334, 0.00018939431818257578, 0.0, 12.0, 0.3333333333333333, 0.06060606060606061, 0.0001893939393939394}, // survey_foot
    {0.0, 2.54000508001016e-5, 0.254000508001016, 2.5400050800101597, 25.4000508001016, 0.08333350000033334, 1.000002000004, 0.027777833333444444, 1.578285984854798e-5, 0.08333333333333333, 0.0, 0.027777777777777776, 0.00505050505050505, 1.5782828282828283e-5}, // survey_inch
    {0.0, 0.0009144018288036574, 9.144018288036577, 91.44018288036575, 914.4018288036576, 3.000006000012, 36.000072000144, 1.000002000004, 0.0005681829545477273, 3.0, 36.0, 0.0, 0.18181818181818182, 0.0005681818181818182}, // survey_yard
    {0.0, 0.005029210058420117, 50.292100584201165, 502.92100584201165, 5029.210058420117, 16.500033000066, 198.00039600079202, 5.500011000022, 0.0031250062500125003, 16.5, 198.0, 5.5, 0.0, 0.003125}, // survey_rod
    {0.0, 1.6093472186944373, 16093.472186944373, 160934.72186944372, 1609347.2186944375, 5280.01056002112, 63360.12672025344, 1760.0035200070402, 1.000002000004, 5280.0, 63360.0, 1760.0, 320.0, 0.0}, // mile_statute
};
// clang-format on

/// L[a][b] for two length-group indices; for b = meter, a's length in meters.
constexpr double lengthRatio(std::size_t a, std::size_t b) {
    return b == 0 ? kUnitTable[kLengthUnits[a]].factor : kLengthTable[a][b];
}

// The lengths of kLengthUnits in meters as exact fractions: a mistyped digit in L fails to compile.
struct ExactLength {
    std::int64_t num;
    std::int64_t den;
};
inline constexpr ExactLength kExactLengths[kLengthCount] = {
    {1, 1},        {1000, 1},       {1, 10},      {1, 100},    {1, 1000},    {3048, 10000}, {254, 10000},
    {9144, 10000}, {1609344, 1000}, {1200, 3937}, {100, 3937}, {3600, 3937}, {19800, 3937}, {6336000, 3937}};

constexpr bool lengthTableMatchesTheLengths() {
    for (std::size_t a = 0; a < kLengthCount; ++a) {
        for (std::size_t b = 0; b < kLengthCount; ++b) {
            // The unit table rounds the survey inch and rod in meters more coarsely.
            if (a == b || (b == 0 && (a == 0 || a == 10 || a == 12))) {
                continue;
            }
            const long double exact = static_cast<long double>(kExactLengths[a].num * kExactLengths[b].den) /
                                      static_cast<long double>(kExactLengths[a].den * kExactLengths[b].num);
            const long double error = lengthRatio(a, b) - exact;
            if (error > 4.5e-16L * exact || -error > 4.5e-16L * exact) { // about two units in the last place
                return false;
            }
        }
    }
    return true;
}
static_assert(lengthTableMatchesTheLengths(), "a length ratio parts from the exact lengths");

/// The length-group index of a length unit; a unit outside the group does not compile.
constexpr std::size_t lengthIndex(QelUnit::BuiltinUnits unit) {
    for (std::size_t i = 0; i < kLengthCount; ++i) {
        if (kLengthUnits[i] == unit) {
            return i;
        }
    }
    throw "not a unit of the length group";
}

/// L between the sides of two areas or volumes.
constexpr double sideRatio(QelUnit::BuiltinUnits a, QelUnit::BuiltinUnits b) {
    return lengthRatio(lengthIndex(a), lengthIndex(b));
}

/// An area unit: the square of its side, a unit of the length group, times k.
struct AreaUnit {
    QelUnit::BuiltinUnits unit;
    QelUnit::BuiltinUnits side;
    double k;
};

// clang-format off
inline constexpr AreaUnit kAreaUnits[kAreaCount] = {
    {QelUnit::square_meters, QelUnit::meter, 1.0},
    {QelUnit::square_foot, QelUnit::foot, 1.0},
    {QelUnit::acre, QelUnit::foot, 43560.0},
    {QelUnit::hectare, QelUnit::meter, 10000.0},
    {QelUnit::square_centimeter, QelUnit::centimeter, 1.0},
    {QelUnit::square_decimeter, QelUnit::decimeter, 1.0},
    {QelUnit::square_inch, QelUnit::inches, 1.0},
    {QelUnit::square_kilometer, QelUnit::kilometer, 1.0},
    {QelUnit::square_millimeter, QelUnit::millimeter, 1.0},
    {QelUnit::square_mile_statute, QelUnit::mile_statute, 1.0},
    {QelUnit::square_survey_foot, QelUnit::survey_foot, 1.0},
    {QelUnit::square_yard, QelUnit::yards, 1.0},
    {QelUnit::square_survey_yard, QelUnit::survey_yard, 1.0},
    {QelUnit::survey_acre, QelUnit::survey_foot, 43560.0},
    {QelUnit::square_mile, QelUnit::mile, 1.0}};
// clang-format on

/// A volume unit: the cube of its side, a unit of the length group.
struct VolumeUnit {
    QelUnit::BuiltinUnits unit;
    QelUnit::BuiltinUnits side;
};

inline constexpr VolumeUnit kVolumeUnits[kVolumeCount] = {{QelUnit::cubic_meter, QelUnit::meter},
                                                          {QelUnit::cubic_centimeter, QelUnit::centimeter},
                                                          {QelUnit::cubic_foot, QelUnit::foot},
                                                          {QelUnit::cubic_inch, QelUnit::inches},
                                                          {QelUnit::cubic_mile_statute, QelUnit::mile_statute},
                                                          {QelUnit::cubic_millimeter, QelUnit::millimeter},
                                                          {QelUnit::cubic_survey_foot, QelUnit::survey_foot},
                                                          {QelUnit::cubic_yard, QelUnit::yards},
                                                          {QelUnit::cubic_decimeter, QelUnit::decimeter},
                                                          {QelUnit::cubic_survey_yard, QelUnit::survey_yard},
                                                          {QelUnit::cubic_mile, QelUnit::mile}};

inline constexpr QelUnit::BuiltinUnits kTemperatureUnits[kTemperatureCount] = {QelUnit::kelvin, QelUnit::fahrenheit,
                                                                               QelUnit::celsius, QelUnit::rankine};

/// Area factor from a to b (area-group indices), in the operation order the stored values come from.
constexpr double areaFactor(std::size_t a, std::size_t b) {
    const AreaUnit& ua = kAreaUnits[a];
    const AreaUnit& ub = kAreaUnits[b];
    if (ua.side == ub.side) {
        return ua.k / ub.k;
    }
    double x = sq(sideRatio(ua.side, ub.side));
    if (ua.k == ub.k) { // also acre and survey acre: their multipliers cancel
        return x;
    }
    if (ua.k != 1.0) {
        x *= ua.k;
    }
    if (ub.k != 1.0) {
        x /= ub.k;
    }
    return x;
}

/// Volume factor from a to b (volume-group indices).
constexpr double volumeFactor(std::size_t a, std::size_t b) {
    return cube(sideRatio(kVolumeUnits[a].side, kVolumeUnits[b].side));
}

template <std::size_t N>
struct SquareTable {
    double at[N][N];
};

template <std::size_t N>
constexpr SquareTable<N> makeTable(double (*factor)(std::size_t, std::size_t)) {
    SquareTable<N> table{};
    for (std::size_t a = 0; a < N; ++a) {
        for (std::size_t b = 1; b < N; ++b) { // the base column stays empty
            table.at[a][b] = a == b ? 0.0 : factor(a, b);
        }
    }
    return table;
}

inline constexpr SquareTable<kAreaCount> kAreaTable = makeTable<kAreaCount>(areaFactor);
inline constexpr SquareTable<kVolumeCount> kVolumeTable = makeTable<kVolumeCount>(volumeFactor);

// The temperature scales differ by offsets: value functions, in source-to-target order.
double celsiusToFahrenheit(double x);
double celsiusToKelvin(double x);
double celsiusToRankine(double x);
double fahrenheitToCelsius(double x);
double fahrenheitToKelvin(double x);
double fahrenheitToRankine(double x);
double kelvinToCelsius(double x);
double kelvinToFahrenheit(double x);
double kelvinToRankine(double x);
double rankineToCelsius(double x);
double rankineToFahrenheit(double x);
double rankineToKelvin(double x);

/// A conversion of count values from source to target (which may be source itself).
using EachFunction = void (*)(const double* source, double* target, std::size_t count) noexcept;

/// target[i] = op(source[i]) for count values; target may be source itself.
/// Four values are read before any is written, so compilers vectorise the body
/// with no test for overlap, and the loop costs a quarter of its control per value.
template <class Op>
void forEachValue(const double* source, double* target, std::size_t count, Op op) noexcept {
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const double v0 = source[i];
        const double v1 = source[i + 1];
        const double v2 = source[i + 2];
        const double v3 = source[i + 3];
        target[i] = op(v0);
        target[i + 1] = op(v1);
        target[i + 2] = op(v2);
        target[i + 3] = op(v3);
    }
    for (; i < count; ++i) {
        target[i] = op(source[i]);
    }
}

/// The same, counting the values of source that lie below bound (NaN does not) as they are read.
using EachBelowFunction = std::size_t (*)(const double* source, double* target, std::size_t count,
                                          double bound) noexcept;

/// Each value times factor, into target (which may be source): in vector registers where the processor has
/// wide ones, with the bits of the single multiplication.
void multiplyEach(const double* source, double* target, std::size_t count, double factor) noexcept;

/// How many of count values lie below bound (NaN does not): in vector registers where the processor has wide ones.
std::size_t countBelow(const double* values, std::size_t count, double bound) noexcept;

/// Fn applied to each value. Defined, and instantiated for the scale
/// functions, in DirectFactors.cpp, where Fn inlines into a loop that compilers vectorise.
template <ConversionFactor::CustomFunction Fn>
void applyEach(const double* source, double* target, std::size_t count) noexcept;

/// The same, returning how many values of source lie below bound.
template <ConversionFactor::CustomFunction Fn>
std::size_t applyEachBelow(const double* source, double* target, std::size_t count, double bound) noexcept;

/// A scale function for one value and for arrays.
struct ScaleFunction {
    ConversionFactor::CustomFunction one = nullptr;
    EachFunction each = nullptr;
    EachBelowFunction eachBelow = nullptr;
};

template <ConversionFactor::CustomFunction Fn>
constexpr ScaleFunction scale() {
    return ScaleFunction{Fn, applyEach<Fn>, applyEachBelow<Fn>};
}

// In the order of kTemperatureUnits: kelvin, fahrenheit, celsius, rankine.
inline constexpr ScaleFunction kTemperatureTable[kTemperatureCount][kTemperatureCount] = {
    {{}, scale<kelvinToFahrenheit>(), scale<kelvinToCelsius>(), scale<kelvinToRankine>()},
    {scale<fahrenheitToKelvin>(), {}, scale<fahrenheitToCelsius>(), scale<fahrenheitToRankine>()},
    {scale<celsiusToKelvin>(), scale<celsiusToFahrenheit>(), {}, scale<celsiusToRankine>()},
    {scale<rankineToKelvin>(), scale<rankineToFahrenheit>(), scale<rankineToCelsius>(), {}}};

/// What the direct tables hold for an ordered pair of units.
enum class DirectKind : std::uint8_t {
    None,     // no direct conversion (also a unit with itself)
    Factor,   // a stored factor from the first unit to the second
    Reverse,  // only the opposite direction is stored: the target is its group's base unit
    Function, // a function between temperature scales
};

struct DirectEntry {
    DirectKind kind = DirectKind::None;
    /// What a value is multiplied by: the stored factor, its reciprocal for
    /// Reverse, 1.0 with a function.
    double factor = 1.0;
    /// The stored factor (of the opposite direction for Reverse); between
    /// temperature scales the ratio of their degrees. Compound types raise it
    /// to a power: they convert intervals, never readings.
    double stored = 1.0;
    ConversionFactor::CustomFunction function = nullptr;
    /// The function over arrays, and the same counting the values below a bound.
    EachFunction each = nullptr;
    EachBelowFunction eachBelow = nullptr;
};

/// Where a unit's row starts in the flat table and its column in the rows of its group.
struct DirectSlot {
    FactorGroup group;
    std::uint8_t index;
    std::uint16_t row;
};

/// Slots for every code below a power of two, so that one compare bounds both units of a lookup.
constexpr std::size_t kDirectSlotCount = 512;
static_assert(kUnitCount <= static_cast<int>(kDirectSlotCount), "unit codes outgrow the slot table");

// Entry 0 is the empty entry; every unit outside the groups has row 0 and
// column 0, so a pair of them finds it with no test of its own.
constexpr std::size_t kDirectEntryCount = 1 + kLengthCount * kLengthCount + kAreaCount * kAreaCount +
                                          kVolumeCount * kVolumeCount + kTemperatureCount * kTemperatureCount;

struct DirectTables {
    DirectSlot slot[kDirectSlotCount];
    DirectEntry entry[kDirectEntryCount];
};

/// The entry of a factor group for indices a and b, from the stored value of
/// a to b (at(a, b)); the base column is not stored, so there the entry is
/// the reverse of b to a.
template <class At>
constexpr DirectEntry factorEntry(std::size_t a, std::size_t b, At at) {
    if (a == b) {
        return DirectEntry{};
    }
    if (b != 0) {
        return DirectEntry{DirectKind::Factor, at(a, b), at(a, b), nullptr, nullptr};
    }
    return DirectEntry{DirectKind::Reverse, 1.0 / at(b, a), at(b, a), nullptr, nullptr};
}

template <class At>
constexpr std::uint16_t placeGroup(DirectTables& t, std::uint16_t row, FactorGroup group,
                                   const QelUnit::BuiltinUnits* units, std::size_t n, At at) {
    for (std::size_t a = 0; a < n; ++a) {
        t.slot[units[a]] = DirectSlot{group, static_cast<std::uint8_t>(a), static_cast<std::uint16_t>(row + a * n)};
        // A direct entry skips the dimension check: its units must reduce alike.
        if (kUnitTable[units[a]].type != kUnitTable[units[0]].type) {
            throw "a direct-factor group mixes unit types";
        }
        for (std::size_t b = 0; b < n; ++b) {
            t.entry[row + a * n + b] = at(a, b);
        }
    }
    return static_cast<std::uint16_t>(row + n * n);
}

template <std::size_t N, class Entry>
constexpr std::array<QelUnit::BuiltinUnits, N> unitsOf(const Entry (&entries)[N]) {
    std::array<QelUnit::BuiltinUnits, N> units{};
    for (std::size_t i = 0; i < N; ++i) {
        units[i] = entries[i].unit;
    }
    return units;
}

constexpr DirectTables makeDirectTables() {
    DirectTables t{};
    std::uint16_t row = 1;
    row = placeGroup(t, row, FactorGroup::Length, kLengthUnits, kLengthCount, [](std::size_t a, std::size_t b) {
        return factorEntry(a, b, [](std::size_t x, std::size_t y) { return kLengthTable[x][y]; });
    });
    const std::array<QelUnit::BuiltinUnits, kAreaCount> areas = unitsOf(kAreaUnits);
    row = placeGroup(t, row, FactorGroup::Area, areas.data(), kAreaCount, [](std::size_t a, std::size_t b) {
        return factorEntry(a, b, [](std::size_t x, std::size_t y) { return kAreaTable.at[x][y]; });
    });
    const std::array<QelUnit::BuiltinUnits, kVolumeCount> volumes = unitsOf(kVolumeUnits);
    row = placeGroup(t, row, FactorGroup::Volume, volumes.data(), kVolumeCount, [](std::size_t a, std::size_t b) {
        return factorEntry(a, b, [](std::size_t x, std::size_t y) { return kVolumeTable.at[x][y]; });
    });
    placeGroup(
        t, row, FactorGroup::Temperature, kTemperatureUnits, kTemperatureCount, [](std::size_t a, std::size_t b) {
            const ScaleFunction fn = kTemperatureTable[a][b];
            const double ratio = kUnitTable[kTemperatureUnits[a]].factor / kUnitTable[kTemperatureUnits[b]].factor;
            // The diagonal is empty; no pointer compare, which some sanitizer builds refuse in a constant.
            return a == b ? DirectEntry{}
                          : DirectEntry{DirectKind::Function, 1.0, ratio, fn.one, fn.each, fn.eachBelow};
        });
    return t;
}

inline constexpr DirectTables kDirect = makeDirectTables();
inline constexpr const DirectEntry& kNoDirect = kDirect.entry[0];

/// The direct conversion from one unit to another; the None entry when there
/// is none (also for units outside 0 to 348).
inline const DirectEntry& findDirect(std::int32_t from, std::int32_t to) noexcept {
    if ((static_cast<std::uint32_t>(from) | static_cast<std::uint32_t>(to)) >= kDirectSlotCount) {
        return kNoDirect;
    }
    const DirectSlot a = kDirect.slot[from];
    const DirectSlot b = kDirect.slot[to];
    return kDirect.entry[a.group == b.group ? a.row + b.index : 0];
}

} // namespace qelunits_detail

#endif
