#include "factors/DirectFactors.h"
#include "unittype/Conversion.h"

#include <qelunits/QelUnitBase.h>

#include <algorithm>
#include <cstddef>

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

QelUnit::ErrorStatus QelUnitConverter::ConvertUnits(const double* source, double* target,
                                                    std::size_t count) const noexcept {
    switch (mStatus) {
    case QelUnit::Ok:
        if (mFactor.isIdentity) { // the bits stay, as in the single call
            if (source != target) {
                std::copy(source, source + count, target);
            }
        } else {
            const double f = mFactor.factor;
            qelunits_detail::multiplyEach(source, target, count, f);
        }
        return QelUnit::Ok;
    case QelUnit::CustomConversion:
        // Only a direct pair of temperature scales resolves to a function (at power 1 on both sides),
        // and its entry has the same function over arrays.
        qelunits_detail::findDirect(fromUnit, toUnit).each(source, target, count);
        return QelUnit::Ok;
    default:
        return mStatus;
    }
}
