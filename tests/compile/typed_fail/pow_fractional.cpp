// A power that is no integer, given at compile time.
// expect: pow
// expect: 1.5|conversion|narrowing
#include <qelunits/Typed.h>

using namespace qelunits;

auto mistake(const Length& length) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return pow<3>(length);
#else
    return pow<1.5>(length);
#endif
}
