#ifndef QELUNITS_TESTS_ALLOC_SAMPLETYPES_H
#define QELUNITS_TESTS_ALLOC_SAMPLETYPES_H

// Compound types that the allocation tests convert and combine.

#include "../test_helpers.h"

namespace alloc_samples {

using qelunits_test::make;

inline QelUnitType metersPerSecond() { return make({{QelUnit::meter, 1}, {QelUnit::second, -1}}); }
inline QelUnitType feetPerMinute() { return make({{QelUnit::foot, 1}, {QelUnit::minute, -1}}); }
inline QelUnitType kilogramMeterPerSecondSquared() {
    return make({{QelUnit::kilogram, 1}, {QelUnit::meter, 1}, {QelUnit::second, -2}});
}

/// Eight entries, one per base dimension but frequency and solid angle.
inline QelUnitType eightMetric() {
    const QelUnitFactor factors[] = {{QelUnit::kilogram, 1}, {QelUnit::meter, 2},  {QelUnit::second, -3},
                                     {QelUnit::kelvin, -1},  {QelUnit::ampere, 1}, {QelUnit::mole, -1},
                                     {QelUnit::candela, 1},  {QelUnit::radian, 1}};
    return make(factors);
}

/// The same dimensions in other units, eight entries too.
inline QelUnitType eightOther() {
    const QelUnitFactor factors[] = {{QelUnit::milliampere, 1},  {QelUnit::foot, 2},    {QelUnit::pound, 1},
                                     {QelUnit::minute, -3},      {QelUnit::mole, -1},   {QelUnit::candela, 1},
                                     {QelUnit::angle_degree, 1}, {QelUnit::rankine, -1}};
    return make(factors);
}

/// Eight entries whose powers of length units substitution turns into many more.
inline QelUnitType substitutionHeavy() {
    const QelUnitFactor factors[] = {{QelUnit::meter, 5},      {QelUnit::second, -1},  {QelUnit::centimeter, 5},
                                     {QelUnit::millimeter, 5}, {QelUnit::foot, 5},     {QelUnit::inches, 5},
                                     {QelUnit::yards, 5},      {QelUnit::decimeter, 4}};
    return make(factors);
}

/// Eleven entries: more than a type holds inline.
inline QelUnitType elevenMetric() {
    return eightMetric() * make({{QelUnit::hertz, 1}, {QelUnit::steradian, 1}, {QelUnit::liter, 1}});
}

/// The same dimensions as elevenMetric in other units.
inline QelUnitType elevenOther() {
    return eightOther() * make({{QelUnit::cycle_per_second, 1}, {QelUnit::steradian, 1}, {QelUnit::gill, 1}});
}

} // namespace alloc_samples

#endif
