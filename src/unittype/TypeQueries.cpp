#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitType.h>

// A type of no entry answers as dimensionless, of one entry as that unit
// whatever its power, and of several entries with the compound answers. The
// compound code 349 is invalid to every catalogue query, which then answers
// 31, false or 0 by itself; only the texts need the compound text.

namespace {

constexpr const wchar_t* kCompoundText = L"**Compound unit**";

QelUnit::BuiltinUnits answeringUnit(const QelUnitType& type) noexcept {
    switch (type.size()) {
    case 0:
        return QelUnit::dimensionless;
    case 1:
        return type[0].unit;
    default:
        return static_cast<QelUnit::BuiltinUnits>(QelUnit::kUnitCount);
    }
}

template <typename Query>
QelStringP textOf(const QelUnitType& type, Query query) {
    const QelUnit::BuiltinUnits unit = answeringUnit(type);
    return unit != QelUnit::kUnitCount ? QelStringP(query(unit)) : QelStringP(kCompoundText);
}

} // namespace

QelUnit::BuiltinTypes QelUnitType::getType() const noexcept { return QelUnit::getType(answeringUnit(*this)); }

const wchar_t* QelUnitType::getTypeDisplayName(bool localized) const {
    return size() > 1 ? kCompoundText : QelUnit::displayName(getType(), localized);
}

QelStringP QelUnitType::internalName() const { return textOf(*this, QelUnit::internalName); }

QelStringP QelUnitType::singularName(bool localized) const {
    return textOf(*this, [=](QelUnit::BuiltinUnits u) { return QelUnit::singularName(u, localized); });
}

QelStringP QelUnitType::pluralName(bool localized) const {
    return textOf(*this, [=](QelUnit::BuiltinUnits u) { return QelUnit::pluralName(u, localized); });
}

QelStringP QelUnitType::defaultAbbreviation(bool localized, QelUnit::AbbreviationFormats format) const {
    return textOf(*this, [=](QelUnit::BuiltinUnits u) { return QelUnit::defaultAbbreviation(u, localized, format); });
}

QelStringP QelUnitType::defaultAbbreviationAsVellum(bool localized, QelUnit::AbbreviationFormats format) const {
    return textOf(*this,
                  [=](QelUnit::BuiltinUnits u) { return QelUnit::defaultAbbreviationAsVellum(u, localized, format); });
}

QelStringP QelUnitType::localizedAbbreviation(unsigned int index, QelUnit::AbbreviationFormats format) const {
    return textOf(*this, [=](QelUnit::BuiltinUnits u) { return QelUnit::localizedAbbreviation(u, index, format); });
}

QelStringP QelUnitType::localizedAbbreviationAsVellum(unsigned int index, QelUnit::AbbreviationFormats format) const {
    return textOf(*this,
                  [=](QelUnit::BuiltinUnits u) { return QelUnit::localizedAbbreviationAsVellum(u, index, format); });
}

unsigned int QelUnitType::getLocalizedAbbreviationCount() const {
    return QelUnit::getLocalizedAbbreviationCount(answeringUnit(*this));
}

bool QelUnitType::isMetric() const noexcept { return QelUnit::isMetric(answeringUnit(*this)); }

bool QelUnitType::isImperial() const noexcept { return QelUnit::isImperial(answeringUnit(*this)); }

bool QelUnitType::isSimpleUnit(QelUnit::BuiltinUnits& unit) const noexcept {
    unit = answeringUnit(*this);
    return unit != QelUnit::kUnitCount;
}
