// Texts of units and quantities: the shortest number that reads back, and the
// unit as QelUnitParser::format writes it or by its catalogue names.

#include "api/ValueCore.h"

#include <cctype>
#include <ostream>
#include <sstream>

namespace qelunits {
namespace {

/// A quantity as it is written: a unit whose scale no prefix writes ("1000.0000000000001 m/sec", left by a
/// division of scaled units) is folded into the number ("200 m/sec"), which reads back as the same quantity.
struct Written {
    double value;
    Unit unit;
};

Written written(const Quantity& quantity) {
    const QelUnitExpression expression = quantity.unit().expression();
    const std::string symbol = quantity.unit().symbol();
    const bool numbered = !symbol.empty() && (std::isdigit(static_cast<unsigned char>(symbol[0])) != 0);
    if (!numbered || symbol == "1" || quantity.unit().isTemperaturePoint()) {
        return {quantity.value(), quantity.unit()};
    }
    const Result<Unit> bare =
        Unit::fromExpression(QelUnitExpression(1.0, expression.type(), expression.isTemperatureDifference()));
    return bare ? Written{quantity.value() * expression.scale(), *bare} : Written{quantity.value(), quantity.unit()};
}

} // namespace

std::string toString(const Unit& unit, UnitStyle style) {
    return style == UnitStyle::Name ? unit.name() : unit.symbol();
}

std::string toString(const Quantity& quantity, UnitStyle style) {
    const Written q = written(quantity);
    const std::string unit = toString(q.unit, style);
    return unit.empty() || unit == "1" ? numberText(q.value) : numberText(q.value) + ' ' + unit;
}

std::ostream& operator<<(std::ostream& out, const Unit& unit) { return out << unit.symbol(); }

std::ostream& operator<<(std::ostream& out, const Quantity& quantity) {
    // One string, so that a width pads the whole.
    const Written q = written(quantity);
    std::ostringstream line;
    line.flags(out.flags());
    line.precision(out.precision());
    line.imbue(out.getloc());
    line << q.value;
    const std::string unit = q.unit.symbol();
    if (unit != "1") {
        line << ' ' << unit;
    }
    return out << line.str();
}

} // namespace qelunits
