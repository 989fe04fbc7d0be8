#ifndef QELUNITS_SRC_CATALOG_TYPETABLE_H
#define QELUNITS_SRC_CATALOG_TYPETABLE_H

// The unit types: internal name, display name and exponents over
// kg, m, s, K, A, mol, cd, rad, sr, Hz.

#include "catalog/Catalog.h"

namespace qelunits_detail {

// clang-format off
inline constexpr TypeRecord kTypeTable[kTypeCount] = {
    //                                                                                      kg   m   s  K  A mol cd rad sr Hz
    {QelUnit::Dimensionless,       L"Dimensionless",          L"(none)",               { 0,  0,  0, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Mass,                L"Mass",                   L"Weight",               { 1,  0,  0, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Distance,            L"Distance",               L"Length",               { 0,  1,  0, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Time,                L"Time",                   L"Time",                 { 0,  0,  1, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Temperature,         L"Temperature",            L"Temperature",          { 0,  0,  0, 1, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Current,             L"Current",                L"Electrical Current",   { 0,  0,  0, 0, 1, 0, 0, 0, 0, 0}},
    {QelUnit::AmountOfSubstance,   L"Amount of Substance",    L"Substance",            { 0,  0,  0, 0, 0, 1, 0, 0, 0, 0}},
    {QelUnit::LuminousIntensity,   L"Luminous Intensity",     L"Luminous Intensity",   { 0,  0,  0, 0, 0, 0, 1, 0, 0, 0}},
    {QelUnit::PlanarAngle,         L"Planar Angle",           L"Angle",                { 0,  0,  0, 0, 0, 0, 0, 1, 0, 0}},
    {QelUnit::SolidAngle,          L"Solid Angle",            L"Solid Angle",          { 0,  0,  0, 0, 0, 0, 0, 0, 1, 0}},
    // Frequency is a base dimension of its own, not time to the power -1; "Freqency" is spelled so on purpose.
    {QelUnit::ElectricalFrequency, L"Electrical Frequency",   L"Freqency",             { 0,  0,  0, 0, 0, 0, 0, 0, 0, 1}},
    {QelUnit::Force,               L"COMPAT_newton",          L"Force",                { 1,  1, -2, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Energy,              L"COMPAT_joule",           L"Energy",               { 1,  2, -2, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Pressure,            L"COMPAT_pascals",         L"Pressure",             { 1, -1, -2, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Power,               L"COMPAT_watt",            L"Power",                { 1,  2, -3, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::ElectricalPotential, L"COMPAT_volt",            L"Electrical Potential", { 1,  2, -3, 0,-1, 0, 0, 0, 0, 0}},
    {QelUnit::Illuminance,         L"COMPAT_lux",             L"Illuminance",          { 0, -2,  0, 0, 0, 0, 1, 0, 1, 0}},
    {QelUnit::Area,                L"COMPAT_square_meters",   L"Area",                 { 0,  2,  0, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Volume,              L"COMPAT_cubic_meter",     L"Volume",               { 0,  3,  0, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Density,             L"COMPAT_density",         L"Density",              { 1, -3,  0, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Friction,            L"COMPAT_friction",        L"Friction",             { 1, -2, -2, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::LinearForce,         L"COMPAT_linear_force",    L"Linear Force",         { 1,  0, -2, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::LinearWeight,        L"COMPAT_linear_weight",   L"Linear Weight",        { 1, -1,  0, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::PowerDensity,        L"COMPAT_power_density",   L"Power Density",        { 1,  0, -3, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Velocity,            L"COMPAT_velocity",        L"Velocity",             { 0,  1, -1, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Flow,                L"COMPAT_flow",            L"Flow",                 { 0,  3, -1, 0, 0, 0, 0, 0, 0, 0}},
    // Types 26 to 29 have no unit; they share the exponents of Energy or Pressure.
    {QelUnit::Moments,             L"COMPAT_moments",         L"Moments",              { 1,  2, -2, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::MomentOfForce,       L"COMPAT_moment_of_force", L"Moment of Force",      { 1,  2, -2, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Stress,              L"COMPAT_stress",          L"Stress",               { 1, -1, -2, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::AreaForce,           L"COMPAT_area_force",      L"Area Force",           { 1, -1, -2, 0, 0, 0, 0, 0, 0, 0}},
    {QelUnit::Acceleration,        L"COMPAT_acceleration",    L"Acceleration",         { 0,  1, -2, 0, 0, 0, 0, 0, 0, 0}},
};
// clang-format on

/// What stands for a base dimension in a metric reduction, and its symbol.
struct BaseDimension {
    QelUnit::BuiltinUnits unit;
    const wchar_t* symbol;
};

// In the order of baseExponents. The units are the codes 1 to 10: frequency is
// written as unit 10, the newton's code, not as the hertz (211), as the metric
// reductions that callers keep expect; the force itself never survives a reduction.
inline constexpr BaseDimension kBaseDimensions[kBaseDimensionCount] = {
    {QelUnit::kilogram, L"kg"},  {QelUnit::meter, L"m"},  {QelUnit::second, L"s"},   {QelUnit::kelvin, L"K"},
    {QelUnit::ampere, L"A"},     {QelUnit::mole, L"mol"}, {QelUnit::candela, L"cd"}, {QelUnit::radian, L"rad"},
    {QelUnit::steradian, L"sr"}, {QelUnit::newton, L"Hz"}};

constexpr bool typeCodesInOrder() {
    for (int i = 0; i < kTypeCount; ++i) {
        if (kTypeTable[i].type != i) {
            return false;
        }
    }
    return true;
}
static_assert(typeCodesInOrder(), "row i of the type table must hold type i");

// Reductions name base dimension k by type k + 1.
constexpr bool baseDimensionTypesFollowTheExponents() {
    for (int k = 0; k < kBaseDimensionCount; ++k) {
        for (int e = 0; e < kBaseDimensionCount; ++e) {
            if (kTypeTable[k + 1].baseExponents[e] != (e == k ? 1 : 0)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(baseDimensionTypesFollowTheExponents(), "type k + 1 must be base dimension k alone");

constexpr bool sameExponents(QelUnit::BuiltinTypes a, QelUnit::BuiltinTypes b) {
    for (int e = 0; e < kBaseDimensionCount; ++e) {
        if (kTypeTable[a].baseExponents[e] != kTypeTable[b].baseExponents[e]) {
            return false;
        }
    }
    return true;
}
static_assert(sameExponents(QelUnit::Moments, QelUnit::Energy) &&
                  sameExponents(QelUnit::MomentOfForce, QelUnit::Energy) &&
                  sameExponents(QelUnit::Stress, QelUnit::Pressure) &&
                  sameExponents(QelUnit::AreaForce, QelUnit::Pressure),
              "the types without units are energies and pressures");

} // namespace qelunits_detail

#endif
