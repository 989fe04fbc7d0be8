// A reading in °C doubled.
// expect: temperature reading
// expect: does not multiply
#include <qelunits/Typed.h>

using namespace qelunits;

Temperature mistake() {
    const TemperaturePoint room = 20.0 * units::degC;
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    return room.absolute() * 2.0;
#else
    return (room * 2.0).absolute();
#endif
}
