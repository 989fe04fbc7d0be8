// The cube root of an Area: m^2 does not divide by 3.
// expect: do not divide by 3
// expect: Area
#include <qelunits/Typed.h>

using namespace qelunits;

auto mistake([[maybe_unused]] const Area& area) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return cbrt(area * (1.0 * units::m));
#else
    return cbrt(area);
#endif
}
