#include "catalog/NameIndex.h"
#include "catalog/TypeTable.h"

#include <qelunits/QelUnit.h>

// The display names are constant texts of the type table, so a pointer handed
// out is the same on every call and needs no cache.

const wchar_t* QelUnit::displayName(BuiltinTypes type, bool localized) {
    if (!qelunits_detail::isTypeCode(type)) {
        return nullptr;
    }
    // No localized display names exist: the localized one is the empty text.
    return localized ? L"" : qelunits_detail::kTypeTable[type].displayName;
}

QelUnit::BuiltinTypes QelUnit::getBuiltinType(std::wstring_view name) noexcept {
    for (const qelunits_detail::TypeRecord& record : qelunits_detail::kTypeTable) {
        if (qelunits_detail::equalsFolded(name.data(), name.size(), record.displayName) ||
            qelunits_detail::equalsFolded(name.data(), name.size(), record.typeName)) {
            return record.type;
        }
    }
    return static_cast<BuiltinTypes>(kTypeCount);
}

// Both keywords of a function are built on its first call, the English one first.

const QelStringP& QelUnit::metricKeyword(bool localized) {
    static const QelStringP english(L"Metric");
    static const QelStringP localizedKeyword;
    return localized ? localizedKeyword : english;
}

const QelStringP& QelUnit::imperialKeyword(bool localized) {
    static const QelStringP english(L"Imperial");
    static const QelStringP localizedKeyword;
    return localized ? localizedKeyword : english;
}
