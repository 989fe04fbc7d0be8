// A plain number added to a Length.
// expect: Length
// expect: double
#include <qelunits/Typed.h>

using namespace qelunits;

Length mistake(const Length& length) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return length + 1.0 * units::m;
#else
    return length + 1.0;
#endif
}
