// The unit-expression parser on any text: a result or an error, never a
// crash; a result reads back from its own text; wide and UTF-8 input agree;
// parse() and parseExpression() agree but for the scale.

#include "FuzzTarget.h"
#include "parse/Read.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitsUtf8.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using qelunits_fuzz::require;

void checkResult(const QelUnitParseResult& r, std::size_t length) {
    require(r.ok() == (r.error() == QelUnitParseResult::Error::None), "ok exactly without an error");
    require(r.error() >= QelUnitParseResult::Error::None && r.error() <= QelUnitParseResult::Error::AmbiguousProduct &&
                r.error() != QelUnitParseResult::Error::NumberNotOne &&
                r.error() != QelUnitParseResult::Error::AmbiguousCase,
            "error in range");
    if (!r.ok()) {
        require(r.message()[0] != L'\0', "an error has a message");
        require(r.position() <= length, "the error's place lies in the text");
        require(r.type().empty() && r.scale() == 1.0, "a failure holds 1 × the dimensionless type");
        return;
    }
    require(r.scale() != 0.0 && std::isfinite(r.scale()), "a scale is finite and not zero (west is negative)");
    int previous = 0;
    for (const QelUnitFactor& f : r.type()) {
        require(f.unit > previous && f.unit < QelUnit::kUnitCount, "units valid and ascending");
        require(std::abs(f.power) <= QelUnitParser::kMaxPower, "powers within the limit");
        previous = f.unit;
    }
}

} // namespace

QELUNITS_FUZZ_TARGET(parser) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QelUnitParseResult fromUtf8 = QelUnitParser::parseUtf8(bytes);
    std::wstring wide = qelunits::fromUtf8(bytes).value_or(L"");
    if (!qelunits::fromUtf8(bytes)) {
        require(fromUtf8.error() == QelUnitParseResult::Error::InvalidEncoding, "bad UTF-8 is reported as such");
        wide = qelunits_fuzz::Input(data, size).restAsText();
    }
    const QelUnitParseResult r = QelUnitParser::parseExpression(std::wstring_view(wide));
    checkResult(r, wide.size());
    const QelUnitParseResult unscaled = QelUnitParser::parse(std::wstring_view(wide));
    require(r.ok() && r.scale() != 1.0 ? unscaled.error() == QelUnitParseResult::Error::ScaledUnit
                                       : unscaled.error() == r.error() && unscaled.type().isEqualTo(r.type()),
            "parse() reads as parseExpression() but refuses a scale");
    if (fromUtf8.error() != QelUnitParseResult::Error::InvalidEncoding) {
        require(fromUtf8.error() == unscaled.error() && fromUtf8.type().isEqualTo(unscaled.type()),
                "UTF-8 and wide agree");
    }
    if (r.ok()) {
        const QelUnitParseResult again = QelUnitParser::parseExpression(QelUnitParser::format(r.expression()).c_str());
        require(again.ok() && again.expression().isEqualTo(r.expression()), "a result's written form reads back as it");
        QelUnitExpression grammar;
        qelunits_detail::ParseFailure failure;
        require(qelunits_detail::readByGrammar(wide.data(), 0, wide.size(), grammar, failure) &&
                    grammar.isEqualTo(r.expression()),
                "the lookup in front gives what the grammar gives");
    }
    QelUnit::BuiltinUnits unit = QelUnit::meter;
    const bool found = QelUnitParser::resolveName(wide, unit);
    const QelUnitCandidates all = QelUnitParser::candidates(wide);
    require(!found || all.count != 0, "a name that resolves has candidates");
    require(all.count <= QelUnitCandidates::kCapacity, "candidates fit");
    require(found ? unit == all.items[0].unit : unit == QelUnit::dimensionless, "the first candidate is the choice");
    static_cast<void>(QelUnitParser::notes(wide));
    return 0;
}
