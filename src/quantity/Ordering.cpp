// Ordering of quantities: the right side is converted into the left side's type.

#include "quantity/ApplyConversion.h"

#include <qelunits/QelUnitVar.h>

#include <functional>

namespace {

// False when b does not convert into a's type: such quantities are unordered.
template <class Compare>
bool ordered(double a, const QelUnitType& aType, double b, const QelUnitType& bType, Compare compare) {
    return qelunits_detail::convertValue(bType, aType, b) == QelUnit::Ok && compare(a, b);
}

} // namespace

bool operator<(const QelUnitVar& a, const QelUnitVar& b) {
    return ordered(a.mValue, a.mType, b.mValue, b.mType, std::less<>());
}

bool operator<=(const QelUnitVar& a, const QelUnitVar& b) {
    return ordered(a.mValue, a.mType, b.mValue, b.mType, std::less_equal<>());
}

bool operator>(const QelUnitVar& a, const QelUnitVar& b) {
    return ordered(a.mValue, a.mType, b.mValue, b.mType, std::greater<>());
}

bool operator>=(const QelUnitVar& a, const QelUnitVar& b) {
    return ordered(a.mValue, a.mType, b.mValue, b.mType, std::greater_equal<>());
}
