// Definitions texts, any bytes: a set or an error with its place, never a crash; a set's own text reads back as
// the same names, and each of its names reads as a unit with the set.

#include "FuzzTarget.h"

#include <qelunits/Definitions.h>
#include <qelunits/Quantity.h>

#include <string>

using qelunits_fuzz::require;

QELUNITS_FUZZ_TARGET(definitions) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const qelunits::Result<qelunits::Definitions> read = qelunits::Definitions::read(text, "fuzz");
    if (!read) {
        require(!read.message().empty(), "a refusal says why");
        require(read.message().rfind("fuzz", 0) == 0, "a refusal names its source");
        return 0;
    }
    const qelunits::Result<qelunits::Definitions> again = qelunits::Definitions::read(read->text(), "again");
    require(again && again->names() == read->names(), "a set's text reads back as the same names");
    for (const std::string& name : read->names()) {
        require(qelunits::Unit::parse(name, *read).ok(), "every name defined reads with its set");
    }
    return 0;
}
