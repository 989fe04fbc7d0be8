#ifndef QELUNITS_QELUNIT_H
#define QELUNITS_QELUNIT_H

// Thread safety: every query is safe from any number of threads at once; the catalogue is constant data,
// and localized texts, filled on first use, fill safely while other threads read them.

#include <qelunits/Export.h>
#include <qelunits/QelCommon.h>

#include <cstdint>
#include <string_view>

/// The unit catalogue: the builtin units and unit types and their queries.
/// A class of static members only.
class QELUNITS_EXPORT QelUnit {
public:
    /// A builtin unit. Valid codes are 0 to 348; callers store these numbers.
    enum BuiltinUnits : std::int32_t {
        dimensionless = 0,
        kilogram = 1,
        meter = 2,
        second = 3,
        kelvin = 4,
        ampere = 5,
        mole = 6,
        candela = 7,
        radian = 8,
        steradian = 9,
        newton = 10,
        lumen = 11,
        joule = 12,
        pascals = 13,
        watt = 14,
        volt = 15,
        lux = 16,
        angstrom = 17,
        astronomical_unit = 18,
        gigameter = 19,
        kilometer = 20,
        hectometer = 21,
        dekameter = 22,
        decimeter = 23,
        centimeter = 24,
        millimeter = 25,
        micron = 26,
        millimicron = 27,
        light_year = 28,
        parsec = 29,
        foot = 30,
        inches = 31,
        caliber = 32,
        yards = 33,
        fathoms = 34,
        cable = 35,
        bolt = 36,
        chain = 37,
        chain_engineers = 38,
        link = 39,
        cubit = 40,
        furlong = 41,
        hand = 42,
        mile_nautical_UK = 43,
        mile = 44,
        league_nautical = 45,
        league_statute = 46,
        mil = 47,
        pace = 48,
        palm = 49,
        rod = 50,
        rope = 51,
        skein = 52,
        span = 53,
        survey_foot = 54,
        square_meters = 55,
        square_foot = 56,
        acre = 57,
        are = 58,
        barn = 59,
        centare = 60,
        hectare = 61,
        square_angstrom = 62,
        square_astronomical_unit = 63,
        square_bolt = 64,
        square_cable = 65,
        square_caliber = 66,
        square_centimeter = 67,
        square_cubit = 68,
        square_decimeter = 69,
        square_fathom = 70,
        square_furlong = 71,
        square_gigameter = 72,
        square_hand = 73,
        square_inch = 74,
        square_kilometer = 75,
        square_league_nautical = 76,
        square_league_statute = 77,
        square_light_year = 78,
        square_link = 79,
        square_micron = 80,
        square_millimeter = 81,
        square_mile_nautical_UK = 82,
        square_mile_statute = 83,
        square_millimicron = 84,
        square_pace = 85,
        square_palm = 86,
        square_parsec = 87,
        square_perch = 88,
        square_rope = 89,
        square_skein = 90,
        square_span = 91,
        square_survey_foot = 92,
        square_yard = 93,
        square_chain = 94,
        township = 95,
        cubic_meter = 96,
        liter = 97,
        barrel = 98,
        board_foot = 99,
        bushel = 100,
        centiliter = 101,
        cord = 102,
        cubic_centimeter = 103,
        decistere = 104,
        dekaliter = 105,
        dekastere = 106,
        dram = 107,
        dry_pint = 108,
        dry_quart = 109,
        firkin = 110,
        dry_gallon = 111,
        gill = 112,
        hogshead = 113,
        kiloliter = 114,
        minim = 115,
        fluid_ounce = 116,
        peck = 117,
        fluid_pint = 118,
        fluid_quart = 119,
        register_ton = 120,
        tun = 121,
        cubic_angstrom = 122,
        cubic_astronomical_unit = 123,
        cubic_bolt = 124,
        cubic_cable = 125,
        cubic_caliber = 126,
        cubic_chain = 127,
        cubic_cubit = 128,
        cubic_fathom = 129,
        cubic_foot = 130,
        cubic_furlong = 131,
        cubic_gigameter = 132,
        cubic_hand = 133,
        cubic_hectometer = 134,
        cubic_inch = 135,
        cubic_league_nautical = 136,
        cubic_league_statute = 137,
        cubic_light_year = 138,
        cubic_link = 139,
        cubic_mil = 140,
        cubic_mile_nautical_UK = 141,
        cubic_mile_statute = 142,
        cubic_millimeter = 143,
        cubic_millimicron = 144,
        cubic_pace = 145,
        cubic_palm = 146,
        cubic_parsec = 147,
        cubic_perch = 148,
        cubic_rope = 149,
        cubic_skein = 150,
        cubic_span = 151,
        cubic_survey_foot = 152,
        cubic_yard = 153,
        dalton = 154,
        grain = 155,
        gram = 156,
        hundredweight = 157,
        long_ton = 158,
        ounce = 159,
        ounce_troy = 160,
        pennyweight = 161,
        pound = 162,
        slug = 163,
        stone = 164,
        ton = 165,
        tonne = 166,
        minute = 167,
        hour = 168,
        day = 169,
        week = 170,
        fortnight = 171,
        sidereal_year = 172,
        tropical_year = 173,
        decade = 174,
        century = 175,
        millenium = 176,
        cubic_decimeter = 177,
        square_mil_ = 178,
        angle_degree = 179,
        angle_minute = 180,
        grad = 181,
        angle_second = 182,
        kilogram_per_cubic_meter = 183,
        pound_per_cubic_foot = 184,
        pound_per_cubic_inch = 185,
        kiloampere = 186,
        milliampere = 187,
        kilovolt = 188,
        millivolt = 189,
        kilowatt = 190,
        intl_british_thermal_unit = 191,
        intl_calorie = 192,
        intl_kilocalorie = 193,
        kilowatt_hour = 194,
        us_therm = 195,
        newton_meter = 196,
        decanewton_meter = 197,
        kilonewton_meter = 198,
        meganewton_meter = 199,
        foot_kilopound = 200,
        kilogram_force_meter = 201,
        kilogram_force_foot = 202,
        ton_force_foot = 203,
        tonne_force_meter = 204,
        foot_pound_force = 205,
        decanewton = 206,
        kilonewton = 207,
        meganewton = 208,
        kilopound = 209,
        kilogram_force = 210,
        hertz = 211,
        cycle_per_second = 212,
        pascal_per_meter = 213,
        inches_of_water_per_100_feet = 214,
        footcandle = 215,
        footlambert = 216,
        candela_per_square_meter = 217,
        newton_per_meter = 218,
        decanewton_per_meter = 219,
        kilonewton_per_meter = 220,
        meganewton_per_meter = 221,
        kilopound_per_foot = 222,
        kilogram_force_per_meter = 223,
        tonne_force_per_meter = 224,
        pound_force_per_foot = 225,
        kilogram_per_meter = 226,
        pound_per_foot = 227,
        volt_ampere = 228,
        kilovolt_ampere = 229,
        horse_power = 230,
        kilogram_force_meter_per_second = 231,
        foot_pound_force_per_second = 232,
        intl_calorie_per_second = 233,
        intl_kilocalorie_per_second = 234,
        intl_british_thermal_unit_per_second = 235,
        intl_british_thermal_unit_per_hour = 236,
        watt_per_square_meter = 237,
        watt_per_square_foot = 238,
        inch_of_water = 239,
        kilopascal = 240,
        megapascal = 241,
        pound_per_square_inch = 242,
        pound_per_square_foot = 243,
        millimeter_of_mercury = 244,
        inch_of_mercury = 245,
        standard_atmosphere = 246,
        newton_per_square_millimeter = 247,
        newton_per_square_meter = 248,
        decanewton_per_square_millimeter = 249,
        decanewton_per_square_meter = 250,
        kilonewton_per_square_meter = 251,
        meganewton_per_square_meter = 252,
        kilopound_per_square_inch = 253,
        kilopound_per_square_foot = 254,
        kilogram_force_per_square_millimeter = 255,
        kilogram_force_per_square_centimeter = 256,
        kilogram_force_per_square_meter = 257,
        tonne_force_per_square_centimeter = 258,
        tonne_force_per_square_meter = 259,
        ton_force_per_square_foot = 260,
        bar = 261,
        fahrenheit = 262,
        celsius = 263,
        rankine = 264,
        meter_per_second = 265,
        foot_per_minute = 266,
        centimeter_per_minute = 267,
        cubic_meter_per_second = 268,
        cubic_meter_per_hour = 269,
        cubic_foot_per_minute = 270,
        liter_per_second = 271,
        us_gallon_per_minute = 272,
        us_gallon_per_hour = 273,
        millisecond = 274,
        pound_force = 275,
        intl_million_british_thermal_unit_per_hour = 276,
        intl_thousand_british_thermal_unit_per_hour = 277,
        candela_per_square_foot = 278,
        revolutions_per_minute = 279,
        inches_of_mercury_per_100_feet = 280,
        millimeters_of_mercury_per_100_feet = 281,
        kilowatt_per_square_meter = 282,
        kilowatt_per_square_foot = 283,
        meter_per_minute = 284,
        foot_per_second = 285,
        cubic_foot_per_second = 286,
        liter_per_minute = 287,
        us_gallon_per_second = 288,
        survey_foot_per_second = 289,
        cubic_survey_foot_per_second = 290,
        imp_gallon = 291,
        foot_per_second_squared = 292,
        meter_per_second_squared = 293,
        survey_foot_per_second_squared = 294,
        angular_mil_nato = 295,
        angular_mil_sweden = 296,
        angular_mil_ussr = 297,
        acre_foot_per_day = 298,
        acre_foot_per_hour = 299,
        acre_foot_per_minute = 300,
        acre_inch_per_hour = 301,
        acre_inch_per_minute = 302,
        cubic_foot_per_day = 303,
        cubic_foot_per_hour = 304,
        cubic_inch_per_minute = 305,
        cubic_meter_per_day = 306,
        cubic_meter_per_minute = 307,
        cubic_yard_per_minute = 308,
        imp_gallon_per_day = 309,
        imp_gallon_per_hour = 310,
        imp_gallon_per_minute = 311,
        imp_gallon_per_second = 312,
        imp_million_gallon_per_day = 313,
        liter_per_day = 314,
        liter_per_hour = 315,
        million_liter_per_day = 316,
        us_gallon_per_day = 317,
        us_million_gallon_per_day = 318,
        mile_nautical_int = 319,
        foot_per_hour = 320,
        inch_per_hour = 321,
        inch_per_minute = 322,
        inch_per_second = 323,
        kilometer_per_hour = 324,
        kilometer_per_minute = 325,
        kilometer_per_second = 326,
        knot = 327,
        knot_UK = 328,
        meter_per_hour = 329,
        mile_per_hour = 330,
        mile_per_minute = 331,
        mile_per_second = 332,
        liquid_gallon = 333,
        survey_inch = 334,
        survey_yard = 335,
        survey_rod = 336,
        mile_statute = 337,
        square_survey_yard = 338,
        survey_acre = 339,
        square_mile = 340,
        cubic_survey_yard = 341,
        cubic_mile = 342,
        survey_mile_per_hour = 343,
        cubic_kilometer = 344,
        gram_per_cubic_centimeter = 345,
        hectopascal = 346,
        technical_atmosphere = 347,
        torr = 348,
    };

    /// Number of builtin units; also the code that QelUnitType::isSimpleUnit gives a compound type.
    static constexpr std::int32_t kUnitCount = 349;

    /// A unit type (physical dimension). Valid codes are 0 to 30.
    enum BuiltinTypes : std::int32_t {
        Dimensionless = 0,
        Mass = 1,
        Distance = 2,
        Time = 3,
        Temperature = 4,
        Current = 5,
        AmountOfSubstance = 6,
        LuminousIntensity = 7,
        PlanarAngle = 8,
        SolidAngle = 9,
        ElectricalFrequency = 10,
        Force = 11,
        Energy = 12,
        Pressure = 13,
        Power = 14,
        ElectricalPotential = 15,
        Illuminance = 16,
        Area = 17,
        Volume = 18,
        Density = 19,
        Friction = 20,
        LinearForce = 21,
        LinearWeight = 22,
        PowerDensity = 23,
        Velocity = 24,
        Flow = 25,
        Moments = 26,
        MomentOfForce = 27,
        Stress = 28,
        AreaForce = 29,
        Acceleration = 30,
    };

    /// Number of unit types; also the type that a compound QelUnitType reports.
    static constexpr std::int32_t kTypeCount = 31;

    /// Result of every conversion operation.
    enum ErrorStatus : std::int32_t {
        Ok = 0,
        TypesNotCompatible = 1,
        InvalidUnit = 2,
        Overflow = 3,
        Underflow = 4,
        CustomConversion = 5,
    };

    /// Measuring system of a unit.
    enum UnitSystem : std::int32_t {
        Metric = 0,
        Imperial = 1,
        Both = 2,
        Neither = 3,
    };

    /// Which text of a unit getBuiltinUnit compares a name with.
    enum NameType : std::int32_t {
        InternalName = 0,
        SingularName = 1,
        PluralName = 2,
        Abbreviation = 3,
        VellumAbbreviation = 4,
        LocalizedSingularName = 5,
        LocalizedPluralName = 6,
        LocalizedAbbreviation = 7,
        LocalizedVellumAbbreviation = 8,
    };

    /// Post-processing of abbreviation texts; only bit 0 is read.
    enum AbbreviationFormats : std::uint32_t {
        AsStored = 0,
        StripInserts = 1,
    };

    /// The one absolute tolerance of every zero test and equality; writable, 1e-10 at load.
    static double kEpsilon;

    QelUnit() = delete;

    // Catalogue queries. An invalid unit gives type 31, the empty name and false.

    /// The unit's type; 31 for a unit outside 0 to 348.
    static BuiltinTypes getType(BuiltinUnits unit) noexcept;
    /// The unit's internal name (never null; "" for a unit outside 0 to 348).
    static const wchar_t* internalName(BuiltinUnits unit) noexcept;
    /// True for units of system Metric or Both.
    static bool isMetric(BuiltinUnits unit) noexcept;
    /// True for units of system Imperial or Both.
    static bool isImperial(BuiltinUnits unit) noexcept;
    /// True exactly for 0 to 348.
    static bool isValid(BuiltinUnits unit) noexcept;
    /// True exactly for 0 to 30.
    static bool isValid(BuiltinTypes type) noexcept;

    // Names. Localized queries fall back to the English text where no localized
    // text is loaded; texts are never null and live until the library is unloaded.
    // A unit outside 0 to 348 has the empty text for every name and abbreviation, and count 0.

    /// Display name for one unit ("Meter").
    static const wchar_t* singularName(BuiltinUnits unit, bool localized = false);
    /// Display name for several units ("Meters").
    static const wchar_t* pluralName(BuiltinUnits unit, bool localized = false);
    /// Number of localized abbreviations loaded so far (the main one and its alternates).
    static unsigned int getLocalizedAbbreviationCount(BuiltinUnits unit);

    // Abbreviations.

    /// The abbreviation ("sq m").
    static QelStringP defaultAbbreviation(BuiltinUnits unit, bool localized = false,
                                          AbbreviationFormats format = AsStored);
    /// The abbreviation with superscript exponents ("m²"), or the plain one.
    static QelStringP defaultAbbreviationAsVellum(BuiltinUnits unit, bool localized = false,
                                                  AbbreviationFormats format = AsStored);
    /// Localized abbreviation index: 0 the main one, 1 to n the alternates.
    static QelStringP localizedAbbreviation(BuiltinUnits unit, unsigned int index,
                                            AbbreviationFormats format = AsStored);
    /// The Vellum forms at the same indexes.
    static QelStringP localizedAbbreviationAsVellum(BuiltinUnits unit, unsigned int index,
                                                    AbbreviationFormats format = AsStored);

    // Type display names and keywords.

    /// Display name of a type ("Length"); null for a type outside 0 to 30.
    static const wchar_t* displayName(BuiltinTypes type, bool localized = false);
    /// The type whose display name ("Length") or internal name ("Distance",
    /// "COMPAT_velocity") equals name, ignoring the case of A to Z; kTypeCount when none.
    static BuiltinTypes getBuiltinType(std::wstring_view name) noexcept;
    /// "Metric", or the localized keyword.
    static const QelStringP& metricKeyword(bool localized = false);
    /// "Imperial", or the localized keyword.
    static const QelStringP& imperialKeyword(bool localized = false);

    // Lookup by name.

    /// The lowest unit whose selected text equals name, ignoring the case of A to Z;
    /// 0 when none does or nameType is not 0 to 8 (checked first, so a null name gives 0 there).
    /// Throws QelException* for a null name.
    static BuiltinUnits getBuiltinUnit(const QelStringP& name, NameType nameType);
};

#endif
