#include "unittype/Conversion.h"

#include <qelunits/QelUnitBase.h>

QelUnitConverter::QelUnitConverter(SettingsUnits from, FootToMeterConversion conversion, SettingsUnits to)
    : QelUnitConverter(from, 1, conversion, to, 1) {}

QelUnitConverter::QelUnitConverter(SettingsUnits from, int sourcePower, FootToMeterConversion conversion,
                                   SettingsUnits to, int targetPower)
    : fromPower(sourcePower), toPower(targetPower), fromUnit(mapToBuiltin(from, conversion)),
      toUnit(mapToBuiltin(to, conversion)) {
    resolve();
}

QelUnitConverter::QelUnitConverter(QelUnit::BuiltinUnits from, QelUnit::BuiltinUnits to)
    : QelUnitConverter(from, 1, to, 1) {}

QelUnitConverter::QelUnitConverter(QelUnit::BuiltinUnits from, int sourcePower, QelUnit::BuiltinUnits to,
                                   int targetPower)
    : fromPower(sourcePower), toPower(targetPower), fromUnit(from), toUnit(to) {
    resolve();
}

QelUnitConverter::~QelUnitConverter() = default;

void QelUnitConverter::resolve() {
    // The units never change, so the factor or function is found once; the
    // source type from^fromPower is what the quantity built from (from, 1) and
    // power fromPower holds, so every value converts exactly as through it.
    mStatus = qelunits_detail::unitConversionFactor(fromUnit, fromPower, toUnit, toPower, mFactor);
}
