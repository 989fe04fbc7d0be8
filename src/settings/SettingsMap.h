#ifndef QELUNITS_SRC_SETTINGS_SETTINGSMAP_H
#define QELUNITS_SRC_SETTINGS_SETTINGSMAP_H

// The settings-unit map: a host application's unit code and its foot choice
// to a builtin unit. Constant data, complete before any code of the process
// runs, so lookups need neither a lock nor a first filling.

#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitBase.h>

#include <array>
#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

/// One settings code and the builtin unit it means under each foot choice.
struct SettingsUnitRow {
    QelUnitBase::SettingsUnits code;
    QelUnit::BuiltinUnits withInternationalFoot;
    QelUnit::BuiltinUnits withSurveyFoot;
};

constexpr std::size_t kSettingsUnitCount = 35;

/// The bits of a key that hold the foot choice; every code lies below them.
constexpr std::uint32_t kFootFlagMask = 0xE0000000U;
constexpr int kFootFlagShift = 29;
static_assert(QelUnitBase::InternationalFoot >> kFootFlagShift == 1U &&
                  QelUnitBase::SurveyFoot >> kFootFlagShift == 2U && (kFootFlagMask >> kFootFlagShift) == 7U,
              "the foot flags are the numbers 1 and 2 in the top three bits");

// clang-format off
/// The map, in ascending code order. Several codes are not the number of the
/// unit they denote (178 is radian, 83 with the international foot is square_mile).
inline constexpr std::array<SettingsUnitRow, kSettingsUnitCount> kSettingsUnitTable{{
    {QelUnitBase::NoUnit,                 QelUnit::dimensionless,            QelUnit::dimensionless},
    {QelUnitBase::Meters,                 QelUnit::meter,                    QelUnit::meter},
    {QelUnitBase::Kilometers,             QelUnit::kilometer,                QelUnit::kilometer},
    {QelUnitBase::Decimeters,             QelUnit::decimeter,                QelUnit::decimeter},
    {QelUnitBase::Centimeters,            QelUnit::centimeter,               QelUnit::centimeter},
    {QelUnitBase::Millimeters,            QelUnit::millimeter,               QelUnit::millimeter},
    {QelUnitBase::Feet,                   QelUnit::foot,                     QelUnit::survey_foot},
    {QelUnitBase::Inches,                 QelUnit::inches,                   QelUnit::survey_inch},
    {QelUnitBase::Yards,                  QelUnit::yards,                    QelUnit::survey_yard},
    {QelUnitBase::Miles,                  QelUnit::mile,                     QelUnit::mile_statute},
    {QelUnitBase::SquareMeters,           QelUnit::square_meters,            QelUnit::square_meters},
    {QelUnitBase::SquareFeet,             QelUnit::square_foot,              QelUnit::square_survey_foot},
    {QelUnitBase::Acres,                  QelUnit::acre,                     QelUnit::survey_acre},
    {QelUnitBase::Hectares,               QelUnit::hectare,                  QelUnit::hectare},
    {QelUnitBase::SquareKilometers,       QelUnit::square_kilometer,         QelUnit::square_kilometer},
    {QelUnitBase::SquareMiles,            QelUnit::square_mile,              QelUnit::square_mile_statute},
    {QelUnitBase::SquareYards,            QelUnit::square_yard,              QelUnit::square_survey_yard},
    {QelUnitBase::CubicMeters,            QelUnit::cubic_meter,              QelUnit::cubic_meter},
    {QelUnitBase::BoardFeet,              QelUnit::board_foot,               QelUnit::board_foot},
    {QelUnitBase::CubicFeet,              QelUnit::cubic_foot,               QelUnit::cubic_survey_foot},
    {QelUnitBase::CubicYards,             QelUnit::cubic_yard,               QelUnit::cubic_survey_yard},
    {QelUnitBase::Radians,                QelUnit::radian,                   QelUnit::radian},
    {QelUnitBase::Degrees,                QelUnit::angle_degree,             QelUnit::angle_degree},
    {QelUnitBase::Grads,                  QelUnit::grad,                     QelUnit::grad},
    {QelUnitBase::MetersPerSecond,        QelUnit::meter_per_second,         QelUnit::meter_per_second},
    {QelUnitBase::KilometersPerHour,      QelUnit::kilometer_per_hour,       QelUnit::kilometer_per_hour},
    {QelUnitBase::FeetPerSecond,          QelUnit::foot_per_second,          QelUnit::survey_foot_per_second},
    {QelUnitBase::MilesPerHour,           QelUnit::mile_per_hour,            QelUnit::survey_mile_per_hour},
    {QelUnitBase::MetersPerSecondSquared, QelUnit::meter_per_second_squared, QelUnit::meter_per_second_squared},
    {QelUnitBase::FeetPerSecondSquared,   QelUnit::foot_per_second_squared,  QelUnit::survey_foot_per_second_squared},
    {QelUnitBase::CubicMetersPerSecond,   QelUnit::cubic_meter_per_second,   QelUnit::cubic_meter_per_second},
    {QelUnitBase::CubicFeetPerSecond,     QelUnit::cubic_foot_per_second,    QelUnit::cubic_survey_foot_per_second},
    {QelUnitBase::Seconds,                QelUnit::second,                   QelUnit::second},
    {QelUnitBase::Minutes,                QelUnit::minute,                   QelUnit::minute},
    {QelUnitBase::Hours,                  QelUnit::hour,                     QelUnit::hour},
}};
// clang-format on

constexpr std::uint32_t kLargestSettingsCode = kSettingsUnitTable.back().code;
constexpr std::int16_t kNoSettingsUnit = -1;

/// The unit of each code from 0 to the largest under each foot choice
/// (international, then survey; kNoSettingsUnit where none), so that a lookup is one indexed read.
struct SettingsUnitIndex {
    std::int16_t unit[2][kLargestSettingsCode + 1];
};

constexpr SettingsUnitIndex makeSettingsUnitIndex() {
    SettingsUnitIndex index{};
    for (auto& column : index.unit) {
        for (std::int16_t& unit : column) {
            unit = kNoSettingsUnit;
        }
    }
    for (const SettingsUnitRow& row : kSettingsUnitTable) {
        index.unit[0][row.code] = static_cast<std::int16_t>(row.withInternationalFoot);
        index.unit[1][row.code] = static_cast<std::int16_t>(row.withSurveyFoot);
    }
    return index;
}
inline constexpr SettingsUnitIndex kSettingsUnitIndex = makeSettingsUnitIndex();

/// The unit the map holds for key (a code OR-ed with one foot flag), or
/// kNoSettingsUnit when it holds no such key.
inline std::int32_t findSettingsUnit(std::uint32_t key) noexcept {
    // The flag bits read as a number are 1 for the international foot and 2
    // for the survey foot, so one compare tells both from every other value.
    const std::uint32_t column = (key >> kFootFlagShift) - 1U;
    const std::uint32_t code = key & ~kFootFlagMask;
    if (column > 1U || code > kLargestSettingsCode) {
        return kNoSettingsUnit;
    }
    return kSettingsUnitIndex.unit[column][code];
}

} // namespace qelunits_detail

#endif
