// Built with -fno-exceptions against the installed package: the value API
// through its Result-returning forms; prints "ok" when they give what they should.
#include <qelunits/Quantity.h>

#include <cstdio>

static_assert(!QELUNITS_HAS_EXCEPTIONS, "built with exceptions on");

int main() {
    using qelunits::Quantity;
    const qelunits::Result<Quantity> length = Quantity::parse("3.5 ft");
    const qelunits::Result<qelunits::Unit> meter = qelunits::Unit::parse("m");
    const qelunits::Result<double> inMeters = length->tryIn(*meter);
    const qelunits::Result<Quantity> bad = tryAdd(*length, Quantity::parse("1 s").value());
    const qelunits::Result<qelunits::Unit> unknown = qelunits::Unit::parse("kg/fot");
    const bool ok = length && meter && inMeters.value_or(0.0) == 3.5 * 0.3048 &&
                    bad.kind() == qelunits::ErrorKind::IncompatibleUnits &&
                    unknown.kind() == qelunits::ErrorKind::UnknownUnit && unknown.position() == 3;
    std::printf("%s = %g m; %s\n%s\n", qelunits::toString(*length).c_str(), *inMeters, unknown.message().c_str(),
                ok ? "ok" : "wrong result");
    return ok ? 0 : 1;
}
