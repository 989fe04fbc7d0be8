// How the user's texts are read: the library's own texts, or UCUM codes with --ucum. Options that change the
// reading of texts set a Reading, so that the commands and the dialogue read through one place.

#include "Tool.h"

#include <qelunits/Ucum.h>

namespace qelunits_cli {
namespace {

using qelunits::Result;

// A UCUM quantity: a number, blanks, a code; the number as the library reads numbers.
struct UcumQuantity {
    std::string number;
    std::string code;
};

UcumQuantity splitUcumQuantity(std::string_view text) {
    const std::string whole = trimmed(std::string(text));
    // A code alone is 1 of it, as a unit alone is in the library's quantity texts.
    if (whole.empty() || std::string_view("0123456789+-.").find(whole[0]) == std::string_view::npos) {
        return {"1", whole};
    }
    const std::size_t blank = whole.find_first_of(" \t");
    if (blank == std::string::npos) {
        return {whole, ""};
    }
    return {whole.substr(0, blank), trimmed(whole.substr(blank))};
}

} // namespace

Result<qelunits::Unit> Reading::unit(std::string_view text) const {
    return ucum ? qelunits::fromUcum(text) : qelunits::Unit::parse(text);
}

Result<qelunits::Quantity> Reading::quantity(std::string_view text) const {
    const Result<std::string> read = quantityText(text);
    return read ? qelunits::Quantity::parse(*read) : Result<qelunits::Quantity>::failureOf(read);
}

// The symbol reads back as the same unit; a scaled one ("1000 /µL") is kept together in parentheses.
Result<std::string> Reading::unitText(std::string_view text) const {
    if (!ucum) {
        return Result<std::string>(std::string(text));
    }
    const Result<qelunits::Unit> read = qelunits::fromUcum(text);
    if (!read) {
        return Result<std::string>::failureOf(read);
    }
    const std::string symbol = read->symbol();
    const std::string kept = read->scale() != 1.0 ? "(" + symbol + ")" : symbol;
    const Result<qelunits::Unit> back = qelunits::Unit::parse(kept);
    if (!back || *back != *read) {
        // Passed on as a symbol that means another unit, the code would convert wrongly: refused instead.
        return Result<std::string>(qelunits::ErrorKind::InvalidArgument, "the UCUM code '" + std::string(text) +
                                                                             "' means a unit whose symbol, '" + symbol +
                                                                             "', reads back as another unit");
    }
    return Result<std::string>(kept);
}

Result<std::string> Reading::quantityText(std::string_view text) const {
    if (!ucum) {
        return Result<std::string>(std::string(text));
    }
    const UcumQuantity parts = splitUcumQuantity(text);
    if (parts.code.empty()) {
        return Result<std::string>(parts.number);
    }
    const Result<std::string> unitRead = unitText(parts.code);
    return unitRead ? Result<std::string>(parts.number + " " + *unitRead) : unitRead;
}

std::string Reading::written(const qelunits::Unit& unit) const {
    if (ucum) {
        const Result<std::string> code = qelunits::toUcum(unit);
        if (code) {
            return *code;
        }
    }
    return unit.symbol();
}

} // namespace qelunits_cli
