#ifndef QELUNITS_FUZZ_LOOKUPREFERENCE_H
#define QELUNITS_FUZZ_LOOKUPREFERENCE_H

// What getBuiltinUnit must answer, by a scan of the whole catalogue through the text queries: the lowest
// unit whose text of the name type equals the name, A to Z folded; the localized name types compare
// the localized text where one is loaded. Shared by the lookup fuzz target and the lookup tests.

#include <qelunits/QelUnit.h>

namespace qelunits_fuzz {

inline wchar_t fold(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

inline bool equalFolded(const wchar_t* a, const wchar_t* b) {
    for (; *a != L'\0' && fold(*a) == fold(*b); ++a, ++b) {
    }
    return fold(*a) == fold(*b);
}

// Whether unit's text of the given name type equals name. Localized name types
// compare the English text that stands in while no localized text is loaded.
inline bool matches(QelUnit::BuiltinUnits unit, int nameType, const wchar_t* name) {
    switch (nameType) {
    case QelUnit::InternalName:
        return equalFolded(name, QelUnit::internalName(unit));
    case QelUnit::SingularName:
    case QelUnit::LocalizedSingularName:
        return equalFolded(name, QelUnit::singularName(unit, nameType == QelUnit::LocalizedSingularName));
    case QelUnit::PluralName:
    case QelUnit::LocalizedPluralName:
        return equalFolded(name, QelUnit::pluralName(unit, nameType == QelUnit::LocalizedPluralName));
    case QelUnit::Abbreviation:
        return equalFolded(name, QelUnit::defaultAbbreviation(unit).c_str());
    case QelUnit::LocalizedAbbreviation:
        return equalFolded(name, QelUnit::defaultAbbreviation(unit, true).c_str());
    case QelUnit::VellumAbbreviation:
        return equalFolded(name, QelUnit::defaultAbbreviationAsVellum(unit).c_str()) ||
               equalFolded(name, QelUnit::defaultAbbreviation(unit).c_str());
    case QelUnit::LocalizedVellumAbbreviation:
        return equalFolded(name, QelUnit::defaultAbbreviationAsVellum(unit, true).c_str());
    default:
        return false;
    }
}

inline int referenceLookup(int nameType, const wchar_t* name) {
    for (int u = 0; u < QelUnit::kUnitCount; ++u) {
        if (matches(static_cast<QelUnit::BuiltinUnits>(u), nameType, name)) {
            return u;
        }
    }
    return 0;
}

} // namespace qelunits_fuzz

#endif
