#include "Core.h"

namespace qelpy {
namespace {

constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace

bool allBlank(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\xC2\xA0") == 0) { // the no-break space, a blank to the reader
            ++i;
        } else if (!isBlank(text[i])) {
            return false;
        }
    }
    return true;
}

bool parseUnit(std::string_view text, Unit& unit, Failure& failure) {
    if (allBlank(text)) { // Quantity(1, ""), as Pint users write a pure number
        unit = Unit();
        return true;
    }
    const qelunits::Result<Unit> parsed = Unit::parse(text);
    if (!parsed) {
        return failed(parsed, failure);
    }
    unit = *parsed;
    return true;
}

bool parseQuantity(std::string_view text, Quantity& quantity, Failure& failure) {
    const qelunits::Result<Quantity> parsed = Quantity::parse(text);
    if (!parsed) {
        return failed(parsed, failure);
    }
    quantity = *parsed;
    return true;
}

} // namespace qelpy
