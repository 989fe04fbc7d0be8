// A Length ordered against a Time.
// expect: cannot order quantities of different dimensions
// expect: Length
// expect: Time
#include <qelunits/Typed.h>

using namespace qelunits;

bool mistake(const Length& length, [[maybe_unused]] const Time& time) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return length < length;
#else
    return length < time;
#endif
}
