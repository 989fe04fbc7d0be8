#ifndef QELUNITS_SRC_CATALOG_DEFINITIONS_H
#define QELUNITS_SRC_CATALOG_DEFINITIONS_H

// The defining values that the unit table's definitions are written in, each
// exact by its convention unless its comment says otherwise, as exact numbers
// (Exact.h), so that a definition built of several is rounded to a double once.

#include "catalog/Exact.h"

namespace qelunits_detail {

constexpr Exact kPi = Exact::piOnce();
// The international yard and pound (1959).
constexpr Exact kFoot = 0.3048_x;
constexpr Exact kInch = 0.0254_x;
constexpr Exact kPound = 0.45359237_x;
constexpr Exact kGrain = kPound / 7000.0_x;
// Standard gravity (3rd CGPM, 1901), and the pound-force it gives.
constexpr Exact kGravity = 9.80665_x;
constexpr Exact kPoundForce = kPound * kGravity;
// The US survey foot, 1200/3937 m (Mendenhall order, 1893).
constexpr Exact kSurveyFoot = 1200.0_x / 3937.0_x;
// The US liquid gallon, 231 cubic inches, and the US (Winchester) bushel, 2150.42 cubic inches.
constexpr Exact kGallon = 231.0_x * cube(kInch);
constexpr Exact kBushel = 2150.42_x * cube(kInch);
// The UK nautical mile (Admiralty mile), 6080 feet.
constexpr Exact kUkNauticalMile = 6080.0_x * kFoot;
// IAU 2012 Resolution B2; the light year is the distance light travels in a Julian year (365.25 days).
constexpr Exact kAstronomicalUnit = 149597870700.0_x;
constexpr Exact kLightYear = 299792458.0_x * 365.25_x * 86400.0_x;
// IAU 2015 Resolution B2 (GNU units and Pint take au / tan(1"), 8e-12 shorter).
constexpr Exact kParsec = kAstronomicalUnit * 648000.0_x / kPi;
// The mean tropical year, 365.242198781 days (Newcomb's, for 1900, as GNU units and UDUNITS-2 take it;
// 365.24219 days at J2000), and the sidereal year, 365.256363004 days (J2000).
constexpr Exact kTropicalYear = 365.242198781_x * 86400.0_x;
constexpr Exact kSiderealYear = 365.256363004_x * 86400.0_x;
// The International Table British thermal unit (Fifth International Conference on the Properties of Steam, 1956).
constexpr Exact kBtu = 1055.05585262_x;
// A conventional millimetre of mercury: 13.5951 g/cm³ under standard gravity.
constexpr Exact kMillimeterOfMercury = 13595.1_x * kGravity * 0.001_x;
// An inch of water at 60 °F: its density there is 999.017 kg/m³ by the CIPM formula (Tanaka et al.,
// 2001), measured, not exact (Pint takes 999.001); the conventional inch of water takes 1000 kg/m³.
constexpr Exact kInchOfWater60F = kInch * kGravity * 999.017_x;

} // namespace qelunits_detail

#endif
