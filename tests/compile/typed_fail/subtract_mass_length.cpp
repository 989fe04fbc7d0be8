// A Mass minus a Length.
// expect: cannot subtract quantities of different dimensions
// expect: Mass
// expect: Length
#include <qelunits/Typed.h>

using namespace qelunits;

Mass mistake(const Mass& mass, [[maybe_unused]] const Length& length) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return mass - mass;
#else
    return mass - length;
#endif
}
