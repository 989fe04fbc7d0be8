// The UTF-8 forms of the library's text queries, each the wide query encoded, and the catalogue's definitions.

#include "catalog/UnitTable.h"
#include "common/Utf8.h"
#include "parse/Read.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitsUtf8.h>

namespace qelunits {

std::string toUtf8(std::wstring_view text) {
    std::string out;
    qelunits_detail::appendUtf8(out, text);
    return out;
}

std::optional<std::wstring> fromUtf8(std::string_view text) {
    class StringSink final : public qelunits_detail::WideSink {
    public:
        void put(wchar_t c) override { text.push_back(c); }
        std::wstring text;
    } sink;
    std::size_t bad = 0;
    if (!qelunits_detail::decodeUtf8(text, sink, bad)) {
        return std::nullopt;
    }
    return std::move(sink.text);
}

std::string toUtf8(const wchar_t* text) { return text == nullptr ? std::string() : toUtf8(std::wstring_view(text)); }

std::string toUtf8(const QelStringP& text) { return toUtf8(text.view()); }

std::string internalName(QelUnit::BuiltinUnits unit) { return toUtf8(QelUnit::internalName(unit)); }

std::string singularName(QelUnit::BuiltinUnits unit, bool localized) {
    return toUtf8(QelUnit::singularName(unit, localized));
}

std::string pluralName(QelUnit::BuiltinUnits unit, bool localized) {
    return toUtf8(QelUnit::pluralName(unit, localized));
}

std::string defaultAbbreviation(QelUnit::BuiltinUnits unit, bool localized, QelUnit::AbbreviationFormats format) {
    return toUtf8(QelUnit::defaultAbbreviation(unit, localized, format));
}

std::string defaultAbbreviationAsVellum(QelUnit::BuiltinUnits unit, bool localized,
                                        QelUnit::AbbreviationFormats format) {
    return toUtf8(QelUnit::defaultAbbreviationAsVellum(unit, localized, format));
}

std::string localizedAbbreviation(QelUnit::BuiltinUnits unit, unsigned int index, QelUnit::AbbreviationFormats format) {
    return toUtf8(QelUnit::localizedAbbreviation(unit, index, format));
}

std::string localizedAbbreviationAsVellum(QelUnit::BuiltinUnits unit, unsigned int index,
                                          QelUnit::AbbreviationFormats format) {
    return toUtf8(QelUnit::localizedAbbreviationAsVellum(unit, index, format));
}

std::string displayName(QelUnit::BuiltinTypes type, bool localized) {
    return toUtf8(QelUnit::displayName(type, localized));
}

std::string metricKeyword(bool localized) { return toUtf8(QelUnit::metricKeyword(localized)); }

std::string imperialKeyword(bool localized) { return toUtf8(QelUnit::imperialKeyword(localized)); }

std::string statusMessage(QelUnit::ErrorStatus status) { return toUtf8(QelUnitBase::GetStatusMessage(status)); }

std::string unitText(QelUnit::BuiltinUnits unit) { return toUtf8(QelUnitParser::unitText(unit)); }

std::string internalName(const QelUnitType& type) { return toUtf8(type.internalName()); }

std::string singularName(const QelUnitType& type, bool localized) { return toUtf8(type.singularName(localized)); }

std::string pluralName(const QelUnitType& type, bool localized) { return toUtf8(type.pluralName(localized)); }

std::string defaultAbbreviation(const QelUnitType& type, bool localized, QelUnit::AbbreviationFormats format) {
    return toUtf8(type.defaultAbbreviation(localized, format));
}

std::string defaultAbbreviationAsVellum(const QelUnitType& type, bool localized, QelUnit::AbbreviationFormats format) {
    return toUtf8(type.defaultAbbreviationAsVellum(localized, format));
}

std::string localizedAbbreviation(const QelUnitType& type, unsigned int index, QelUnit::AbbreviationFormats format) {
    return toUtf8(type.localizedAbbreviation(index, format));
}

std::string localizedAbbreviationAsVellum(const QelUnitType& type, unsigned int index,
                                          QelUnit::AbbreviationFormats format) {
    return toUtf8(type.localizedAbbreviationAsVellum(index, format));
}

std::string typeDisplayName(const QelUnitType& type, bool localized) {
    return toUtf8(type.getTypeDisplayName(localized));
}

std::string dimension(const QelUnitType& type) { return toUtf8(qelunits_detail::dimensionText(type)); }

QelUnit::BuiltinUnits baseUnit(QelUnit::BuiltinTypes type) noexcept {
    for (const qelunits_detail::UnitRecord& record : qelunits_detail::kUnitTable) {
        if (record.isBaseUnit && record.type == type) {
            return record.unit;
        }
    }
    return QelUnit::dimensionless;
}

std::string notes(std::string_view expression) {
    const std::optional<std::wstring> wide = fromUtf8(expression);
    return wide ? toUtf8(QelUnitParser::notes(*wide)) : std::string();
}

std::string toString(const QelUnitType& type) { return toUtf8(QelUnitParser::format(type)); }

std::string toString(const QelUnitExpression& expression) { return toUtf8(QelUnitParser::format(expression)); }

FactorDefinition factorDefinition(QelUnit::BuiltinUnits unit) {
    FactorDefinition definition;
    if (qelunits_detail::isUnitCode(unit)) {
        const qelunits_detail::UnitRecord& record = qelunits_detail::kUnitTable[unit];
        definition.stored = record.factor;
        definition.defined = record.definition;
        definition.difference = record.difference;
        definition.text = record.definitionText != nullptr ? record.definitionText : "";
        definition.uncertainty = record.uncertainty;
    }
    return definition;
}

} // namespace qelunits
