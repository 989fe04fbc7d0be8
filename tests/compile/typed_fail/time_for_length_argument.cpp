// A Time given where a function takes a Length.
// expect: Length
// expect: Time
#include <qelunits/Typed.h>

using namespace qelunits;

double feet(const Length& length) { return length.in(units::ft); }

double mistake([[maybe_unused]] const Time& time) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return feet(1.0 * units::m);
#else
    return feet(time);
#endif
}
