#include "catalog/UnitTable.h"

#include <qelunits/QelUnit.h>

using qelunits_detail::isTypeCode;
using qelunits_detail::isUnitCode;
using qelunits_detail::kUnitTable;

double QelUnit::kEpsilon = 1e-10;

QelUnit::BuiltinTypes QelUnit::getType(BuiltinUnits unit) noexcept {
    return isUnitCode(unit) ? kUnitTable[unit].type : static_cast<BuiltinTypes>(kTypeCount);
}

const wchar_t* QelUnit::internalName(BuiltinUnits unit) noexcept {
    return isUnitCode(unit) ? kUnitTable[unit].internalName : L"";
}

bool QelUnit::isMetric(BuiltinUnits unit) noexcept {
    return isUnitCode(unit) && (static_cast<std::uint32_t>(kUnitTable[unit].system) & ~2U) == 0U;
}

bool QelUnit::isImperial(BuiltinUnits unit) noexcept {
    return isUnitCode(unit) && static_cast<std::uint32_t>(kUnitTable[unit].system) - 1U <= 1U;
}

bool QelUnit::isValid(BuiltinUnits unit) noexcept { return isUnitCode(unit); }

bool QelUnit::isValid(BuiltinTypes type) noexcept { return isTypeCode(type); }
