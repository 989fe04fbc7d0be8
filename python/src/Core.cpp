// The plans ask the value API with quantities of one, so that every rule (readings and
// differences, dimensions, ranges) and every message is the library's own.

#include "Core.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace qelpy {
namespace {

constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The core names the operands it was given ("0 °C + 0 °C: ..."); the plans serve arrays, whose values those
// probes are not, so their messages name the units alone ("°C + °C: "). A bare probe is a plain number's side
// and stays ("1 / °C: ").
void dropProbes(std::string& message, const char* probe) {
    const std::size_t head = message.find(": ");
    if (head == std::string::npos) {
        return;
    }
    const std::string lead = std::string(probe) + ' ';
    std::string operands = message.substr(0, head);
    for (std::size_t at = 0; at < operands.size();) {
        const std::size_t after = at + lead.size();
        const bool bare = after + 1 < operands.size() && std::strchr("+-*/", operands[after]) != nullptr &&
                          operands[after + 1] == ' ';
        if (operands.compare(at, lead.size(), lead) == 0 && !bare) {
            operands.erase(at, lead.size());
        }
        std::size_t next = std::string::npos;
        for (const char* op : {" + ", " - ", " * ", " / "}) {
            next = std::min(next, operands.find(op, at));
        }
        at = next == std::string::npos ? operands.size() : next + 3;
    }
    message = operands + message.substr(head);
}

// The unit of result, a plan asked with probe ("0", "1") on each side.
bool unitOf(const qelunits::Result<Quantity>& result, const char* probe, Unit& unit, Failure& failure) {
    if (!result) {
        failed(result, failure);
        dropProbes(failure.message, probe);
        return false;
    }
    unit = result->unit();
    return true;
}

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

bool parseQuantity(std::string_view text, Quantity& quantity, std::string_view& unitText, Failure& failure) {
    const qelunits::Result<Quantity> parsed = Quantity::parse(text);
    if (!parsed) {
        return failed(parsed, failure);
    }
    quantity = *parsed;
    // The number read, to find where the unit's text starts.
    const std::string_view rest = trimmed(text);
    const std::size_t sign = rest.size() > 1 && rest[0] == '+' ? 1 : 0;
    double number = 0.0;
    const std::from_chars_result end = std::from_chars(rest.data() + sign, rest.data() + rest.size(), number);
    unitText = trimmed(rest.substr(static_cast<std::size_t>(end.ptr - rest.data())));
    return true;
}

bool planSum(const Unit& a, const Unit& b, bool subtract, SumPlan& plan, Failure& failure) {
    const Quantity x(0.0, a);
    const Quantity y(0.0, b);
    if (!unitOf(subtract ? trySubtract(x, y) : tryAdd(x, y), "0", plan.result, failure)) {
        return false;
    }
    // A reading keeps its unit and takes a difference in its own degree; two readings subtract in a's unit.
    const Unit& r = plan.result;
    const auto into = [&](const Unit& side) {
        return r.isTemperaturePoint()      ? (side.isTemperaturePoint() ? r : r.difference())
               : side.isTemperaturePoint() ? a
                                           : r;
    };
    plan.lhs = into(a);
    plan.rhs = into(b);
    return true;
}

bool planProduct(const Unit& a, const Unit& b, bool divide, Unit& result, Failure& failure) {
    const Quantity x(1.0, a);
    const Quantity y(1.0, b);
    return unitOf(divide ? tryDivide(x, y) : tryMultiply(x, y), "1", result, failure);
}

bool planPower(const Unit& a, int n, Unit& result, Failure& failure) {
    return unitOf(tryPow(Quantity(1.0, a), n), "1", result, failure);
}

bool planSqrt(const Unit& a, Unit& result, Failure& failure) {
    return unitOf(trySqrt(Quantity(1.0, a)), "1", result, failure);
}

bool checkScale(const Unit& a, const char* operation, Failure& failure) {
    const qelunits::Result<Quantity> scaled = tryScale(Quantity(1.0, a), 2.0);
    if (scaled) {
        return true;
    }
    failed(scaled, failure);
    // The probe's product ("1 °C * 2") is not what the caller asked: name the operation instead.
    const std::size_t head = failure.message.find(": ");
    failure.message = std::string(operation) + '(' + a.symbol() + ')' +
                      (head == std::string::npos ? ": " + failure.message : failure.message.substr(head));
    return false;
}

} // namespace qelpy
