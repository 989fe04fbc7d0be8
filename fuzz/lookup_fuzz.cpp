// getBuiltinUnit on any text and name type: the answer is what a scan of the
// whole catalogue gives (lowest unit whose text equals the name, A to Z folded).

#include "FuzzTarget.h"

#include <qelunits/QelUnits.h>

#include <cwchar>
#include <string>

namespace {

using qelunits_fuzz::Input;
using qelunits_fuzz::require;

wchar_t fold(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool equalFolded(const wchar_t* a, const wchar_t* b) {
    for (; *a != L'\0' && fold(*a) == fold(*b); ++a, ++b) {
    }
    return fold(*a) == fold(*b);
}

// Whether unit's text of the given name type equals name. Localized name types
// compare the English text that stands in while no localized text is loaded.
bool matches(QelUnit::BuiltinUnits unit, int nameType, const wchar_t* name) {
    switch (nameType) {
    case QelUnit::InternalName:
        return equalFolded(name, QelUnit::internalName(unit));
    case QelUnit::SingularName:
    case QelUnit::LocalizedSingularName:
        return equalFolded(name, QelUnit::singularName(unit));
    case QelUnit::PluralName:
    case QelUnit::LocalizedPluralName:
        return equalFolded(name, QelUnit::pluralName(unit));
    case QelUnit::Abbreviation:
    case QelUnit::LocalizedAbbreviation:
        return equalFolded(name, QelUnit::defaultAbbreviation(unit).c_str());
    case QelUnit::VellumAbbreviation:
        return equalFolded(name, QelUnit::defaultAbbreviationAsVellum(unit).c_str()) ||
               equalFolded(name, QelUnit::defaultAbbreviation(unit).c_str());
    case QelUnit::LocalizedVellumAbbreviation:
        return equalFolded(name, QelUnit::defaultAbbreviationAsVellum(unit).c_str());
    default:
        return false;
    }
}

int scan(int nameType, const wchar_t* name) {
    for (int u = 0; u < QelUnit::kUnitCount; ++u) {
        if (matches(static_cast<QelUnit::BuiltinUnits>(u), nameType, name)) {
            return u;
        }
    }
    return 0;
}

} // namespace

QELUNITS_FUZZ_TARGET(lookup) {
    Input in(data, size);
    // Mostly the nine name types, now and then any value.
    const auto raw = in.take<std::int8_t>();
    const int nameType = raw < 0 ? raw : raw % 10;
    const std::wstring text = in.restAsText();
    // The name is the text as a C string: a NUL ends it.
    const QelStringP name(text.c_str(), text.size());
    const QelUnit::BuiltinUnits found = QelUnit::getBuiltinUnit(name, static_cast<QelUnit::NameType>(nameType));
    require(QelUnit::isValid(found), "a valid unit");
    require(found == scan(nameType, text.c_str()), "the lowest unit whose text matches");
    return 0;
}
