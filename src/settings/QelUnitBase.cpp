#include "settings/SettingsMap.h"
#include "unittype/Conversion.h"

#include <qelunits/QelUnitBase.h>

#include <cstdint>

// The settings map is constant data (SettingsMap.h): there is nothing to
// create or fill, so construction, Initialize and the lookup are free of races.
QelUnitBase::QelUnitBase() = default;

QelUnitBase::~QelUnitBase() = default;

void QelUnitBase::Initialize() {}

QelUnit::BuiltinUnits QelUnitBase::mapToBuiltin(SettingsUnits code, FootToMeterConversion conversion) noexcept {
    const std::uint32_t key = static_cast<std::uint32_t>(code) | static_cast<std::uint32_t>(conversion);
    const std::int32_t unit = qelunits_detail::findSettingsUnit(key);
    // An unmapped key gives the code's own number (possibly not a valid unit).
    return static_cast<QelUnit::BuiltinUnits>(
        unit != qelunits_detail::kNoSettingsUnit ? unit : static_cast<std::int32_t>(code));
}

namespace {

// Everything but a direct factor, out of line, so that the direct path needs no stack frame.
[[gnu::noinline]] QelUnit::ErrorStatus convertRest(const qelunits_detail::DirectEntry& entry,
                                                   QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                                   int toPower, double& value) noexcept {
    if (entry.kind == qelunits_detail::DirectKind::Function) {
        value = entry.function(value);
        return QelUnit::Ok;
    }
    ConversionFactor factor;
    const QelUnit::ErrorStatus status =
        qelunits_detail::unitConversionFactorGeneral(from, fromPower, to, toPower, factor);
    return qelunits_detail::applyConversion(status, factor, value);
}

// What a converter built for the two units does, without building one.
QelUnit::ErrorStatus convertOnce(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to, int toPower,
                                 double& value) noexcept {
    const qelunits_detail::DirectEntry& entry =
        fromPower == 1 && toPower == 1 ? qelunits_detail::findDirect(from, to) : qelunits_detail::kNoDirect;
    if (entry.kind == qelunits_detail::DirectKind::Factor || entry.kind == qelunits_detail::DirectKind::Reverse) {
        value *= entry.factor;
        return QelUnit::Ok;
    }
    return convertRest(entry, from, fromPower, to, toPower, value);
}

} // namespace

QelUnit::ErrorStatus QelUnitBase::ConvertUnits(QelUnit::BuiltinUnits from, QelUnit::BuiltinUnits to, double& value) {
    return convertOnce(from, 1, to, 1, value);
}

QelUnit::ErrorStatus QelUnitBase::ConvertUnits(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                               int toPower, double& value) {
    return convertOnce(from, fromPower, to, toPower, value);
}

QelUnit::ErrorStatus QelUnitBase::ConvertUnits(SettingsUnits from, FootToMeterConversion conversion, SettingsUnits to,
                                               double& value) {
    return convertOnce(mapToBuiltin(from, conversion), 1, mapToBuiltin(to, conversion), 1, value);
}

QelUnit::ErrorStatus QelUnitBase::ConvertUnits(SettingsUnits from, int fromPower, FootToMeterConversion conversion,
                                               SettingsUnits to, int toPower, double& value) {
    return convertOnce(mapToBuiltin(from, conversion), fromPower, mapToBuiltin(to, conversion), toPower, value);
}

QelUnit::ErrorStatus QelUnitBase::GetConversionFactor(QelUnit::BuiltinUnits from, QelUnit::BuiltinUnits to,
                                                      double& factor) {
    return GetConversionFactor(from, 1, to, 1, factor);
}

QelUnit::ErrorStatus QelUnitBase::GetConversionFactor(QelUnit::BuiltinUnits from, int fromPower,
                                                      QelUnit::BuiltinUnits to, int toPower, double& factor) {
    ConversionFactor resolved;
    const QelUnit::ErrorStatus status = qelunits_detail::unitConversionFactor(from, fromPower, to, toPower, resolved);
    if (status == QelUnit::Ok) {
        factor = resolved.isIdentity ? 1.0 : resolved.factor;
    }
    return status;
}

QelUnit::ErrorStatus QelUnitBase::GetConversionFactor(SettingsUnits from, FootToMeterConversion conversion,
                                                      SettingsUnits to, double& factor) {
    return GetConversionFactor(from, 1, conversion, to, 1, factor);
}

QelUnit::ErrorStatus QelUnitBase::GetConversionFactor(SettingsUnits from, int fromPower,
                                                      FootToMeterConversion conversion, SettingsUnits to, int toPower,
                                                      double& factor) {
    return GetConversionFactor(mapToBuiltin(from, conversion), fromPower, mapToBuiltin(to, conversion), toPower,
                               factor);
}

QelStringP QelUnitBase::GetStatusMessage(QelUnit::ErrorStatus status) {
    static constexpr const wchar_t* kTexts[] = {L"",          L"Types Not Compatible", L"Invalid Unit", L"Overflow",
                                                L"Underflow", L"Custom Conversion"};
    const auto index = static_cast<std::uint32_t>(status);
    return index < sizeof(kTexts) / sizeof(kTexts[0]) ? QelStringP(kTexts[index]) : QelStringP();
}

bool QelUnitBase::IsMetric(SettingsUnits code) noexcept {
    // Only the metric length codes count; square and cubic meters do not.
    switch (code) {
    case Meters:
    case Kilometers:
    case Decimeters:
    case Centimeters:
    case Millimeters:
        return true;
    default:
        return false;
    }
}

bool QelUnitBase::IsImperial(SettingsUnits code) noexcept { return !IsMetric(code); }

bool QelUnitBase::IsKnown(SettingsUnits code) noexcept {
    return code <= qelunits_detail::kLargestSettingsCode &&
           qelunits_detail::kSettingsUnitIndex.unit[0][code] != qelunits_detail::kNoSettingsUnit;
}
