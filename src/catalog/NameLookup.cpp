#include "catalog/LocalizedTexts.h"
#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"

#include <qelunits/QelUnit.h>

#include <cstdint>
#include <cwchar>

// Names are compared with A to Z folded and nothing else, whatever the process
// locale: the comparison of the C runtime in the "C" locale, so that a stored
// name finds the same unit on every machine.

namespace {

using qelunits_detail::findUnitsByText;
using qelunits_detail::LocalizedField;
using qelunits_detail::TextKind;
using qelunits_detail::UnitMatches;

// The English text each NameType compares; for the localized ones (5 to 8),
// the text that stands in where the localized field is absent. NameType 4
// compares the Vellum form and the abbreviation, see below.
constexpr TextKind englishKindOf(QelUnit::NameType nameType) {
    const bool localized = nameType >= QelUnit::LocalizedSingularName;
    const auto english = static_cast<QelUnit::NameType>(localized ? nameType - 4 : nameType);
    if (english == QelUnit::VellumAbbreviation) {
        return localized ? TextKind::VellumOrAbbreviation : TextKind::Abbreviation;
    }
    for (const qelunits_detail::TextKindInfo& info : qelunits_detail::kUnitTextKinds) {
        if (info.nameType == english) {
            return info.kind;
        }
    }
    return TextKind::Internal;
}

std::int32_t lowestOf(UnitMatches matches) { return matches.count != 0 ? matches.units[0] : QelUnit::kUnitCount; }

// Once a localized text is loaded the index no longer holds every text compared.
std::int32_t scanLocalized(const wchar_t* text, std::size_t length, QelUnit::NameType nameType) {
    const auto field = static_cast<LocalizedField>(nameType - QelUnit::LocalizedSingularName);
    for (std::int32_t unit = 0; unit < QelUnit::kUnitCount; ++unit) {
        const wchar_t* stored = qelunits_detail::localizedField(static_cast<QelUnit::BuiltinUnits>(unit), field);
        if (stored == nullptr) {
            stored = qelunits_detail::textOf(qelunits_detail::kUnitTable[unit], englishKindOf(nameType));
        }
        if (qelunits_detail::equalsFolded(text, length, stored)) {
            return unit;
        }
    }
    return QelUnit::kUnitCount;
}

std::int32_t lookUp(const wchar_t* text, std::size_t length, QelUnit::NameType nameType) {
    if (nameType >= QelUnit::LocalizedSingularName && qelunits_detail::anyLocalizedTextLoaded()) {
        return scanLocalized(text, length, nameType);
    }
    const std::int32_t found = lowestOf(findUnitsByText(englishKindOf(nameType), text, length));
    if (nameType != QelUnit::VellumAbbreviation) {
        return found;
    }
    // Each unit is tried by its Vellum form and then its abbreviation: the lowest unit matching either wins.
    const std::int32_t byVellum = lowestOf(findUnitsByText(TextKind::Vellum, text, length));
    return byVellum < found ? byVellum : found;
}

} // namespace

QelUnit::BuiltinUnits QelUnit::getBuiltinUnit(const QelStringP& name, NameType nameType) {
    if (static_cast<std::uint32_t>(nameType) > static_cast<std::uint32_t>(LocalizedVellumAbbreviation)) {
        return dimensionless;
    }
    const wchar_t* text = name;
    if (text == nullptr) {
        throw QelException::Create(QelException::NLSGetMessage(9014, "QEL_14_NULLSTRING"));
    }
    // Compared as a C text, up to its first null character.
    const std::int32_t unit = lookUp(text, std::wcslen(text), nameType);
    return unit < kUnitCount ? static_cast<BuiltinUnits>(unit) : dimensionless;
}
