// A Time put into a std::set of Lengths.
// expect: insert
// expect: Length
// expect: Time
#include <qelunits/Typed.h>

#include <set>

using namespace qelunits;

std::size_t mistake(std::set<Length>& lengths, [[maybe_unused]] const Time& time) {
#ifdef QELUNITS_COMPILE_FAIL_CONTROL
    lengths.insert(1.0 * units::m);
#else
    lengths.insert(time);
#endif
    return lengths.size();
}
