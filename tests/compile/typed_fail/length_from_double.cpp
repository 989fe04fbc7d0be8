// A number taken for a Length without saying so.
// expect: double
// expect: Length
#include <qelunits/Typed.h>

using namespace qelunits;

Length mistake() {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    const Length length(3.0);
#else
    const Length length = 3.0;
#endif
    return length;
}
