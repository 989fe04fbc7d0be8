// The square root of a Length: m^1 has no root.
// expect: sqrt of a quantity whose dimension has an odd exponent
// expect: Length
#include <qelunits/Typed.h>

using namespace qelunits;

auto mistake([[maybe_unused]] const Length& length) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return sqrt(length * length);
#else
    return sqrt(length);
#endif
}
