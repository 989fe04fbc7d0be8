// Uses the installed headers and library: prints "ok" when a parsed conversion and a static one agree.
#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <cstdio>

int main() {
    const QelUnitParseResult from = QelUnitParser::parse(L"m/s");
    const QelUnitParseResult to = QelUnitParser::parseUtf8("ft/min");
    ConversionFactor factor;
    if (!from.ok() || !to.ok() || from.type().GetConversionFactor(to.type(), factor) != QelUnit::Ok) {
        std::puts("parse or conversion failed");
        return 1;
    }
    double value = 1.0;
    if (QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, value) != QelUnit::Ok) {
        std::puts("static conversion failed");
        return 1;
    }
    const double perMinute = static_cast<double>(factor);
    std::printf("1 m/s = %.6f ft/min; 1 m = %.6f ft\n", perMinute, value);
    const bool ok = perMinute > 196.85 && perMinute < 196.86 && value > 3.2808 && value < 3.2809;
    std::puts(ok ? "ok" : "wrong result");
    return ok ? 0 : 1;
}
