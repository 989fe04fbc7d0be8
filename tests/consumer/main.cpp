// Uses the installed headers and library: prints "ok" when a conversion between
// unit texts, a static one and a printed quantity agree.
#include <qelunits/QelUnits.h>

#include <cmath>
#include <iostream>
#include <sstream>

int main() {
    const qelunits::Result<double> perMinute = qelunits::convert(1.0, "m/s", "ft/min");
    double feet = 1.0;
    const bool converted = perMinute && QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, feet) == QelUnit::Ok;
    std::ostringstream printed;
    printed << QelUnitVar(2.0, QelUnitType(QelUnit::meter)) * 1.5;
    std::cout << "1 m/s = " << perMinute.value_or(0.0) << " ft/min; 1 m = " << feet << " ft; " << printed.str() << "; "
              << pow(2.0, 3) << '\n';
    const bool ok = converted && std::fabs(*perMinute - 196.850393700787) < 1e-9 && std::fabs(feet - 3.28084) < 1e-5 &&
                    printed.str() == "3 m";
    std::cout << (ok ? "ok" : "wrong result") << '\n';
    return ok ? 0 : 1;
}
