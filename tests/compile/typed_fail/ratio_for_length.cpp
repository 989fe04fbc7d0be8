// A ratio of two lengths taken for a Length.
// expect: Length
// expect: Dimensionless
#include <qelunits/Typed.h>

using namespace qelunits;

Length mistake(const Length& a, const Length& b) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    const Length ratio = a / b * a;
#else
    const Length ratio = a / b;
#endif
    return ratio;
}
