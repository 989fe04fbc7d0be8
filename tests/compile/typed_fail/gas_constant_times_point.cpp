// R·T with T a reading on an offset scale.
// expect: temperature reading
// expect: does not multiply
#include <qelunits/Typed.h>

using namespace qelunits;

MolarEnergy mistake(const TemperaturePoint& reading) {
    const MolarHeatCapacity r = 8.314462618 * units::J / (units::mol * units::K);
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return r * reading.absolute();
#else
    return r * reading;
#endif
}
