// A Length asked for in seconds.
// expect: cannot express a quantity in a unit of another dimension
// expect: Length
// expect: Time
#include <qelunits/Typed.h>

using namespace qelunits;

double mistake(const Length& length) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return length.in(units::ft);
#else
    return length.in(units::s);
#endif
}
