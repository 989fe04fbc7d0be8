// A power given at run time, which the type of the result cannot depend on.
// expect: integer given at compile time
// expect: Length
#include <qelunits/Typed.h>

using namespace qelunits;

auto mistake(const Length& length, [[maybe_unused]] double power) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return pow<2>(length);
#else
    return pow(length, power);
#endif
}
