// A Length plus a Time.
// expect: cannot add quantities of different dimensions
// expect: Length
// expect: Time
#include <qelunits/Typed.h>

using namespace qelunits;

Length mistake(const Length& length, [[maybe_unused]] const Time& time) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return length + length;
#else
    return length + time;
#endif
}
