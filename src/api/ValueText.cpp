// Texts of units and quantities: the shortest number that reads back, and the
// unit as QelUnitParser::format writes it or by its catalogue names.

#include "api/ValueCore.h"

#include <ostream>
#include <sstream>

namespace qelunits {

std::string toString(const Unit& unit, UnitStyle style) {
    return style == UnitStyle::Name ? unit.name() : unit.symbol();
}

std::string toString(const Quantity& quantity, UnitStyle style) {
    const std::string unit = toString(quantity.unit(), style);
    return unit.empty() || unit == "1" ? numberText(quantity.value()) : numberText(quantity.value()) + ' ' + unit;
}

std::ostream& operator<<(std::ostream& out, const Unit& unit) { return out << unit.symbol(); }

std::ostream& operator<<(std::ostream& out, const Quantity& quantity) {
    // One string, so that a width pads the whole.
    std::ostringstream line;
    line.flags(out.flags());
    line.precision(out.precision());
    line.imbue(out.getloc());
    line << quantity.value();
    const std::string unit = quantity.unit().symbol();
    if (unit != "1") {
        line << ' ' << unit;
    }
    return out << line.str();
}

} // namespace qelunits
