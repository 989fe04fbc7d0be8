// A Speed assigned to a Length.
// expect: Length
// expect: Speed
#include <qelunits/Typed.h>

using namespace qelunits;

Length mistake(const Speed& speed) {
    Length length = 1.0 * units::m;
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    length = speed * (1.0 * units::s);
#else
    length = speed;
#endif
    return length;
}
