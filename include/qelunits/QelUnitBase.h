#ifndef QELUNITS_QELUNITBASE_H
#define QELUNITS_QELUNITBASE_H

// Thread safety: the static conversions are safe from any threads at once; a QelUnitConverter is a value that
// several threads may use at once once built.

#include <qelunits/ConversionFactor.h>
#include <qelunits/Export.h>
#include <qelunits/QelCommon.h>
#include <qelunits/QelUnit.h>

#include <cstddef>
#include <cstdint>

/// Conversion by builtin unit or by a host application's settings-unit code, in single static calls.
class QELUNITS_EXPORT QelUnitBase {
public:
    /// Settings-unit codes. Length, area, volume and speed codes that involve
    /// feet mean the international or the US survey unit by the foot choice.
    enum SettingsUnits : std::uint32_t {
        NoUnit = 0,
        Meters = 2,
        Kilometers = 20,
        Decimeters = 23,
        Centimeters = 24,
        Millimeters = 25,
        Feet = 30,
        Inches = 31,
        Yards = 33,
        Miles = 44,
        SquareMeters = 55,
        SquareFeet = 56,
        Acres = 57,
        Hectares = 61,
        SquareKilometers = 75,
        SquareMiles = 83,
        SquareYards = 93,
        CubicMeters = 96,
        BoardFeet = 99,
        CubicFeet = 130,
        CubicYards = 153,
        Radians = 178,
        Degrees = 179,
        Grads = 180,
        MetersPerSecond = 185,
        KilometersPerHour = 190,
        FeetPerSecond = 191,
        MilesPerHour = 196,
        MetersPerSecondSquared = 202,
        FeetPerSecondSquared = 203,
        CubicMetersPerSecond = 204,
        CubicFeetPerSecond = 208,
        Seconds = 300,
        Minutes = 301,
        Hours = 302,
    };

    /// The foot choice, combined with a code by bitwise OR.
    enum FootToMeterConversion : std::uint32_t {
        InternationalFoot = 0x20000000,
        SurveyFoot = 0x40000000,
    };

    QelUnitBase();
    /// The class has no state of its own: copies are free.
    QelUnitBase(const QelUnitBase&) = default;
    /// As the copy.
    QelUnitBase& operator=(const QelUnitBase&) = default;
    virtual ~QelUnitBase();

    /// Makes sure the settings map is filled (it is complete from load on; calling is harmless).
    static void Initialize();
    /// The builtin unit for code under the foot choice; an unmapped combination gives code itself.
    static QelUnit::BuiltinUnits mapToBuiltin(SettingsUnits code, FootToMeterConversion conversion) noexcept;

    /// Converts value from one builtin unit to another in place; value is written only on Ok.
    static QelUnit::ErrorStatus ConvertUnits(QelUnit::BuiltinUnits from, QelUnit::BuiltinUnits to, double& value);
    /// The same between from^fromPower and to^toPower.
    static QelUnit::ErrorStatus ConvertUnits(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                             int toPower, double& value);
    /// The same between settings codes, feet as conversion chooses.
    static QelUnit::ErrorStatus ConvertUnits(SettingsUnits from, FootToMeterConversion conversion, SettingsUnits to,
                                             double& value);
    /// The same between settings codes raised to powers.
    static QelUnit::ErrorStatus ConvertUnits(SettingsUnits from, int fromPower, FootToMeterConversion conversion,
                                             SettingsUnits to, int toPower, double& value);

    /// The factor between two units; written only on Ok (CustomConversion for temperature pairs).
    static QelUnit::ErrorStatus GetConversionFactor(QelUnit::BuiltinUnits from, QelUnit::BuiltinUnits to,
                                                    double& factor);
    /// The same between from^fromPower and to^toPower.
    static QelUnit::ErrorStatus GetConversionFactor(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                                    int toPower, double& factor);
    /// The same between settings codes, feet as conversion chooses.
    static QelUnit::ErrorStatus GetConversionFactor(SettingsUnits from, FootToMeterConversion conversion,
                                                    SettingsUnits to, double& factor);
    /// The same between settings codes raised to powers.
    static QelUnit::ErrorStatus GetConversionFactor(SettingsUnits from, int fromPower, FootToMeterConversion conversion,
                                                    SettingsUnits to, int toPower, double& factor);

    /// The English text of a status ("Types Not Compatible"); empty for Ok and unknown values.
    static QelStringP GetStatusMessage(QelUnit::ErrorStatus status);
    /// True exactly for the metric length codes 2, 20, 23, 24 and 25.
    static bool IsMetric(SettingsUnits code) noexcept;
    /// The negation of IsMetric.
    static bool IsImperial(SettingsUnits code) noexcept;
    /// True exactly for the codes of the enumeration above; false for any other
    /// number, a code combined with a foot choice included.
    static bool IsKnown(SettingsUnits code) noexcept;
};

/// Converts any number of values between two units fixed at construction; the
/// conversion is resolved once, so each value costs one multiply or one
/// function call, and arrays convert in vectorised loops.
class QELUNITS_EXPORT QelUnitConverter : public QelUnitBase {
public:
    /// From one settings code to another, feet as conversion chooses.
    QelUnitConverter(SettingsUnits from, FootToMeterConversion conversion, SettingsUnits to);
    /// The same between settings codes raised to powers.
    QelUnitConverter(SettingsUnits from, int fromPower, FootToMeterConversion conversion, SettingsUnits to,
                     int toPower);
    /// From one builtin unit to another.
    QelUnitConverter(QelUnit::BuiltinUnits from, QelUnit::BuiltinUnits to);
    /// From from^fromPower to to^toPower.
    QelUnitConverter(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to, int toPower);
    /// A converter between the same units.
    QelUnitConverter(const QelUnitConverter&) = default;
    /// Takes over other's units and resolved conversion.
    QelUnitConverter& operator=(const QelUnitConverter&) = default;
    ~QelUnitConverter() override;

    /// Converts value in place; value is written only on Ok.
    QelUnit::ErrorStatus ConvertUnits(double& value) const noexcept {
        return qelunits_detail::applyConversion(mStatus, mFactor, value);
    }
    /// Converts count values in place, each to the bits the single call gives.
    /// One status for the call: on any but Ok no value is written. values may
    /// be null when count is 0.
    QelUnit::ErrorStatus ConvertUnits(double* values, std::size_t count) const noexcept {
        return ConvertUnits(values, values, count);
    }
    /// Converts count values from source into target, as the call in place
    /// does; target may be source itself but must not overlap it otherwise.
    /// On any status but Ok target is not written.
    QelUnit::ErrorStatus ConvertUnits(const double* source, double* target, std::size_t count) const noexcept;

private:
    void resolve();

    int fromPower;
    int toPower;
    QelUnit::BuiltinUnits fromUnit;
    QelUnit::BuiltinUnits toUnit;
    // Resolved at construction.
    QelUnit::ErrorStatus mStatus = QelUnit::Ok;
    ConversionFactor mFactor;
};

#endif
