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

// Whether unit's text of the given name type equals name. The localized name types (the plain ones
// plus 4) compare the English text that stands in while no localized text is loaded; only the plain
// Vellum type also takes the abbreviation.
inline bool matches(QelUnit::BuiltinUnits unit, int nameType, const wchar_t* name) {
    const bool localized =
        nameType >= QelUnit::LocalizedSingularName && nameType <= QelUnit::LocalizedVellumAbbreviation;
    const int type = localized ? nameType - 4 : nameType;
    const auto is = [name](const wchar_t* text) { return equalFolded(name, text); };
    return type == QelUnit::InternalName   ? is(QelUnit::internalName(unit))
           : type == QelUnit::SingularName ? is(QelUnit::singularName(unit, localized))
           : type == QelUnit::PluralName   ? is(QelUnit::pluralName(unit, localized))
           : type == QelUnit::Abbreviation ? is(QelUnit::defaultAbbreviation(unit, localized).c_str())
                                           : type == QelUnit::VellumAbbreviation &&
                                                 (is(QelUnit::defaultAbbreviationAsVellum(unit, localized).c_str()) ||
                                                  (!localized && is(QelUnit::defaultAbbreviation(unit).c_str())));
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
