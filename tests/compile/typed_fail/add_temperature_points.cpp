// Two temperature readings added.
// expect: two temperature readings
// expect: do not add
#include <qelunits/Typed.h>

using namespace qelunits;

Temperature mistake(const TemperaturePoint& a, const TemperaturePoint& b) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return a - b;
#else
    return (a + b).absolute();
#endif
}
