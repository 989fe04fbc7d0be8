#ifndef QELUNITS_SRC_CATALOG_DEFINITIONS_H
#define QELUNITS_SRC_CATALOG_DEFINITIONS_H

// The defining values that the unit table's definitions are written in, each
// exact by its convention unless its comment says otherwise.

#include "catalog/Powers.h"

namespace qelunits_detail {

constexpr double kPi = 3.141592653589793;
// The international yard and pound (1959).
constexpr double kFoot = 0.3048;
constexpr double kInch = 0.0254;
constexpr double kPound = 0.45359237;
constexpr double kGrain = kPound / 7000.0;
// Standard gravity (3rd CGPM, 1901), and the pound-force it gives.
constexpr double kGravity = 9.80665;
constexpr double kPoundForce = kPound * kGravity;
// The US survey foot, 1200/3937 m (Mendenhall order, 1893).
constexpr double kSurveyFoot = 1200.0 / 3937.0;
// The US liquid gallon, 231 cubic inches, and the US (Winchester) bushel, 2150.42 cubic inches.
constexpr double kGallon = 231.0 * cube(kInch);
constexpr double kBushel = 2150.42 * cube(kInch);
// The UK nautical mile (Admiralty mile), 6080 feet.
constexpr double kUkNauticalMile = 6080.0 * kFoot;
// IAU 2012 Resolution B2; the light year is the distance light travels in a Julian year (365.25 days).
constexpr double kAstronomicalUnit = 149597870700.0;
constexpr double kLightYear = 299792458.0 * 365.25 * 86400.0;
// IAU 2015 Resolution B2 (GNU units and Pint take au / tan(1"), 8e-12 shorter).
constexpr double kParsec = kAstronomicalUnit * 648000.0 / kPi;
// The mean tropical year, 365.242198781 days (Newcomb's, for 1900; 365.24219 days at J2000), and the
// sidereal year, 365.256363004 days (J2000; GNU units has 365.256360417): of each pair the one farther from
// the catalogue's factor, so that its difference covers both.
constexpr double kTropicalYear = 365.242198781 * 86400.0;
constexpr double kSiderealYear = 365.256363004 * 86400.0;
// The International Table British thermal unit (Fifth International Conference on the Properties of Steam, 1956).
constexpr double kBtu = 1055.05585262;
// A conventional millimetre of mercury: 13.5951 g/cm³ under standard gravity.
constexpr double kMillimeterOfMercury = 13595.1 * kGravity * 0.001;
// An inch of water at 60 °F: its density there is 999.017 kg/m³ by the CIPM formula (Tanaka et al.,
// 2001), measured, not exact (Pint takes 999.001); the conventional inch of water takes 1000 kg/m³.
constexpr double kInchOfWater60F = kInch * kGravity * 999.017;

} // namespace qelunits_detail

#endif
