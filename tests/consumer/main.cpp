// Uses the installed headers and library: prints "ok" when a conversion between
// unit texts, a static one and a printed quantity agree, and the library's exception,
// thrown inside it as a pointer, is caught here by its base and cast back.
#include <qelunits/QelUnits.h>

#include <cmath>
#include <cwchar>
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
    bool thrownAcross = false;
    try {
        QelUnit::getBuiltinUnit(QelStringP(nullptr, false), QelUnit::Abbreviation);
    } catch (QelIDisposable* caught) {
        const auto* exception = dynamic_cast<QelException*>(caught);
        thrownAcross = exception != nullptr && std::wcscmp(exception->GetMessage(), L"QEL_14_NULLSTRING") == 0;
        caught->Dispose();
    }
    const bool ok = thrownAcross && converted && std::fabs(*perMinute - 196.850393700787) < 1e-9 &&
                    std::fabs(feet - 3.28084) < 1e-5 && printed.str() == "3 m";
    std::cout << (ok ? "ok" : "wrong result") << '\n';
    return ok ? 0 : 1;
}
