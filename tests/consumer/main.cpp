// Uses the installed headers and library: prints "ok" when a conversion between
// unit texts, a static one and a printed quantity agree, and the library's exception,
// thrown inside it as a pointer, is caught here by its base and cast back; the value
// API's arithmetic, conversion and qelunits::Error, thrown inside the library, agree too.
#include <qelunits/QelUnits.h>

#include <cmath>
#include <cwchar>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

int main() {
    const qelunits::Result<double> perMinute = qelunits::convert(1.0, "m/s", "ft/min");
    double feet = 1.0;
    const bool converted = perMinute && QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, feet) == QelUnit::Ok;
    std::ostringstream printed;
    printed << QelUnitVar(2.0, QelUnitType(QelUnit::meter)) * 1.5;
    std::cout << "1 m/s = " << perMinute.value_or(0.0) << " ft/min; 1 m = " << feet << " ft; " << printed.str() << "; "
              << pow(2.0, 3) << '\n';
    bool thrownAcross = false;
    try {
        QelUnit::getBuiltinUnit(QelStringP(nullptr, false), QelUnit::Abbreviation);
    } catch (QelIDisposable* caught) {
        const auto* exception = dynamic_cast<QelException*>(caught);
        thrownAcross = exception != nullptr && std::wcscmp(exception->GetMessage(), L"QEL_14_NULLSTRING") == 0;
        caught->Dispose();
    }
    const qelunits::Quantity sum = qelunits::Quantity("1 m") + 2.0 * qelunits::Unit("ft");
    const qelunits::Converter toFeetPerMinute("m/s", "ft/min");
    qelunits::ErrorKind kind = qelunits::ErrorKind::None;
    try {
        static_cast<void>(qelunits::Quantity("20 °C") + qelunits::Quantity("10 °C"));
    } catch (const std::runtime_error& e) { // the library's qelunits::Error, caught by its base
        kind = dynamic_cast<const qelunits::Error&>(e).kind();
    }
    std::cout << sum << "; " << toFeetPerMinute(1.0) << " ft/min; " << qelunits::version() << '\n';
    const bool valueApi = approxEqual(sum, qelunits::Quantity("160.96 cm"), 1e-12) &&
                          toFeetPerMinute(1.0) == *perMinute && kind == qelunits::ErrorKind::TemperaturePoint &&
                          std::string(qelunits::version()) == std::to_string(QELUNITS_VERSION_MAJOR) + ".0.0";
    const bool ok = valueApi && thrownAcross && converted && std::fabs(*perMinute - 196.850393700787) < 1e-9 &&
                    std::fabs(feet - 3.28084) < 1e-5 && printed.str() == "3 m";
    std::cout << (ok ? "ok" : "wrong result") << '\n';
    return ok ? 0 : 1;
}
