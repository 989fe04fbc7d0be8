// Built through pkg-config's flags alone: prints "ok" when a unit text converts
// and the library's exception is caught here by its type.
#include <qelunits/Quantity.h>

#include <iostream>

int main() {
    const qelunits::Converter toFeet("m", "ft");
    bool caught = false;
    try {
        static_cast<void>(qelunits::Unit("kg/fot"));
    } catch (const qelunits::Error& e) {
        caught = e.kind() == qelunits::ErrorKind::UnknownUnit && e.position() == 3;
    }
    const bool ok = caught && toFeet(3.0) == 3.0 * toFeet.factor() && toFeet.factor() > 3.28;
    std::cout << toFeet(1.0) << " ft\n" << (ok ? "ok" : "wrong result") << '\n';
    return ok ? 0 : 1;
}
