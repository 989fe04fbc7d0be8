// std::max of a Length and a Time.
// expect: max
// expect: Length
// expect: Time
#include <qelunits/Typed.h>

#include <algorithm>

using namespace qelunits;

Length mistake(const Length& length, [[maybe_unused]] const Time& time) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return std::max(length, length);
#else
    return std::max(length, time);
#endif
}
