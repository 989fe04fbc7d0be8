// getBuiltinUnit on any text and name type: the answer is what a scan of the
// whole catalogue gives (lowest unit whose text equals the name, A to Z folded).

#include "FuzzTarget.h"
#include "LookupReference.h"

#include <qelunits/QelUnits.h>

#include <string>

QELUNITS_FUZZ_TARGET(lookup) {
    using qelunits_fuzz::require;
    qelunits_fuzz::Input in(data, size);
    // Mostly the nine name types, now and then any value.
    const auto raw = in.take<std::int8_t>();
    const int nameType = raw < 0 ? raw : raw % 10;
    const std::wstring text = in.restAsText();
    // The name is the text as a C string: a NUL ends it.
    const QelStringP name(text.c_str(), text.size());
    const QelUnit::BuiltinUnits found = QelUnit::getBuiltinUnit(name, static_cast<QelUnit::NameType>(nameType));
    require(QelUnit::isValid(found), "a valid unit");
    require(found == qelunits_fuzz::referenceLookup(nameType, text.c_str()), "the lowest unit whose text matches");
    return 0;
}
