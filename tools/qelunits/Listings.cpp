// The listings: the catalogue's units and types, and the physical constants.

#include "Tool.h"

#include <qelunits/Constants.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitsUtf8.h>

#include <charconv>
#include <ostream>
#include <system_error>

namespace qelunits_cli {
namespace {

// The type --type names: a number, or a display or internal name in any case; -1 without --type. False for
// a text that names no type.
bool typeFilter(const Options& options, int& type) {
    type = -1;
    if (!options.has(kType)) {
        return true;
    }
    const std::string& text = options.value(kType);
    const char* end = text.data() + text.size();
    const std::from_chars_result r = std::from_chars(text.data(), end, type);
    if (text.empty() || r.ec != std::errc() || r.ptr != end) {
        type = QelUnit::getBuiltinType(qelunits::fromUtf8(text).value_or(L""));
    }
    return QelUnit::isValid(static_cast<QelUnit::BuiltinTypes>(type));
}

// Where a constant's value comes from.
const char* source(qelunits::ConstantStatus status) {
    switch (status) {
    case qelunits::ConstantStatus::Defining:
        return "defines the SI";
    case qelunits::ConstantStatus::Exact:
        return "exact by definition";
    case qelunits::ConstantStatus::Measured:
        break;
    }
    return "CODATA 2022";
}

} // namespace

int listUnits(Output& output, const Options& options) {
    int type = -1;
    if (!typeFilter(options, type)) {
        return output.usage("unknown type '" + options.value(kType) + "' (see qelunits types)");
    }
    const std::string& system = options.value(kSystem);
    if (options.has(kSystem) && system != "metric" && system != "imperial") {
        return output.usage("--system takes metric or imperial, not '" + system + "'");
    }
    for (int code = 1; code < QelUnit::kUnitCount; ++code) {
        const auto unit = static_cast<QelUnit::BuiltinUnits>(code);
        const bool systemOk =
            !options.has(kSystem) || (system == "metric" ? QelUnit::isMetric(unit) : QelUnit::isImperial(unit));
        if (systemOk && (type < 0 || QelUnit::getType(unit) == type)) {
            output.out() << code << '\t' << qelunits::internalName(unit) << '\t' << symbolOf(unit) << '\t'
                         << qelunits::singularName(unit) << '\n';
        }
    }
    return kOk;
}

int listTypes(Output& output) {
    for (int t = 0; t < QelUnit::kTypeCount; ++t) {
        const auto type = static_cast<QelUnit::BuiltinTypes>(t);
        int units = 0;
        for (int code = 1; code < QelUnit::kUnitCount; ++code) {
            units += QelUnit::getType(static_cast<QelUnit::BuiltinUnits>(code)) == type ? 1 : 0;
        }
        const QelUnit::BuiltinUnits base = qelunits::baseUnit(type);
        output.out() << t << '\t' << qelunits::displayName(type) << '\t' << units
                     << (units == 1 ? " unit\t" : " units\t")
                     << (base != QelUnit::dimensionless ? "base " + symbolOf(base) : "no base unit") << '\n';
    }
    return kOk;
}

// The value as the constant states it (the shortest text of the double), the unit as the tool writes units.
int listConstants(Output& output, const Reading& reading) {
    for (const qelunits::Constant& constant : qelunits::allConstants()) {
        const qelunits::Result<qelunits::Unit> unit = qelunits::Unit::parse(constant.unit);
        output.out() << constant.name << '\t' << constant.symbol << '\t' << written(constant.value, 0, true) << '\t'
                     << (unit ? reading.written(*unit) : constant.unit) << '\t'
                     << (constant.isExact() ? "exact" : written(constant.uncertainty, 2, false)) << '\t'
                     << source(constant.status) << '\n';
    }
    return kOk;
}

} // namespace qelunits_cli
