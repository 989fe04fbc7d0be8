// The unit-expression parser on any text: a result or an error, never a
// crash; a result reads back from its own text; wide and UTF-8 input agree.

#include "FuzzTarget.h"

#include <qelunits/QelUnitParser.h>

#include <cstdlib>
#include <string>

namespace {

using qelunits_fuzz::require;

void checkResult(const QelUnitParseResult& r, std::size_t length) {
    require(r.ok() == (r.error() == QelUnitParseResult::Error::None), "ok exactly without an error");
    require(r.error() >= QelUnitParseResult::Error::None && r.error() <= QelUnitParseResult::Error::NumberNotOne,
            "error in range");
    if (!r.ok()) {
        require(r.message()[0] != L'\0', "an error has a message");
        require(r.position() <= length, "the error's place lies in the text");
        require(r.type().empty(), "a failure holds the dimensionless type");
        return;
    }
    int previous = 0;
    for (const QelUnitFactor& f : r.type()) {
        require(f.unit > previous && f.unit < QelUnit::kUnitCount, "units valid and ascending");
        require(std::abs(f.power) <= QelUnitParser::kMaxPower, "powers within the limit");
        previous = f.unit;
    }
}

void checkReadBack(const QelUnitType& type) {
    const QelStringP text = QelUnitParser::format(type);
    const QelUnitParseResult again = QelUnitParser::parse(text.c_str());
    require(again.ok(), "the written form of a result reads back");
    require(again.type().isEqualTo(type), "and gives the same type");
}

void checkName(std::wstring_view name) {
    QelUnit::BuiltinUnits unit = QelUnit::meter;
    const bool found = QelUnitParser::resolveName(name, unit);
    const QelUnitCandidates all = QelUnitParser::candidates(name);
    require(found == (all.count != 0), "a name resolves exactly when it has candidates");
    require(all.count <= QelUnitCandidates::kCapacity, "candidates fit");
    require(found ? unit == all.items[0].unit : unit == QelUnit::dimensionless, "the first candidate is the choice");
}

} // namespace

QELUNITS_FUZZ_TARGET(parser) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QelUnitParseResult fromUtf8 = QelUnitParser::parseUtf8(bytes);
    std::wstring wide;
    if (!QelUnitParser::fromUtf8(bytes, wide)) {
        require(fromUtf8.error() == QelUnitParseResult::Error::InvalidEncoding, "bad UTF-8 is reported as such");
        wide = qelunits_fuzz::Input(data, size).restAsText();
    }
    const QelUnitParseResult r = QelUnitParser::parse(std::wstring_view(wide));
    checkResult(r, wide.size());
    if (fromUtf8.error() != QelUnitParseResult::Error::InvalidEncoding) {
        require(fromUtf8.error() == r.error() && fromUtf8.type().isEqualTo(r.type()), "UTF-8 and wide agree");
    }
    if (r.ok()) {
        checkReadBack(r.type());
    }
    checkName(wide);
    return 0;
}
