// An Energy compared with a Power.
// expect: cannot compare quantities of different dimensions
// expect: Energy
// expect: Power
#include <qelunits/Typed.h>

using namespace qelunits;

bool mistake(const Energy& energy, [[maybe_unused]] const Power& power) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return energy == power * (1.0 * units::s);
#else
    return energy == power;
#endif
}
