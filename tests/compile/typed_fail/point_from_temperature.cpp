// A Temperature taken for a reading without saying so.
// expect: TemperaturePoint
// expect: Temperature
#include <qelunits/Typed.h>

using namespace qelunits;

TemperaturePoint mistake() {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    const TemperaturePoint point(300.0 * units::K);
#else
    const TemperaturePoint point = 300.0 * units::K;
#endif
    return point;
}
