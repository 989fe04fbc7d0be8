#ifndef QELUNITS_SRC_CATALOG_LOCALIZEDTEXTS_H
#define QELUNITS_SRC_CATALOG_LOCALIZEDTEXTS_H

// Localized texts of the units, loaded one unit at a time on first request.
// They live beside the constant unit table: each field is an atomic pointer,
// published once with release and read with acquire, into a pool of texts
// whose addresses stay fixed until unload. Loading takes a mutex; reading
// takes none. No builtin unit has a localized text, so with the builtin table
// nothing is ever loaded.

#include <qelunits/QelCommon.h>
#include <qelunits/QelUnit.h>

#include <cstdint>
#include <vector>

namespace qelunits_detail {

/// The four localized fields of a unit.
enum class LocalizedField : std::uint8_t { Singular, Plural, Abbreviation, VellumAbbreviation };

/// The unit's localized text of field, or null while absent. unit must be 0 to 348.
const wchar_t* localizedField(QelUnit::BuiltinUnits unit, LocalizedField field) noexcept;

/// What loading a unit's localized texts came to.
enum class LocalizedLoad : std::uint8_t {
    NothingToLoad, ///< the unit has no localized text: its fields stay absent
    Loaded,        ///< loaded, now or before: the fields hold what the text gave
    Incomplete,    ///< fewer than three fields: the names there are kept, but this call uses the English texts
};

/// Loads the unit's localized texts once. unit must be 0 to 348.
LocalizedLoad loadLocalizedTexts(QelUnit::BuiltinUnits unit);

/// The unit's alternate localized abbreviations, or their Vellum forms at the
/// same positions; null when the unit has none loaded. unit must be 0 to 348.
const std::vector<QelStringP>* alternateAbbreviations(QelUnit::BuiltinUnits unit, bool vellum) noexcept;

/// True once any unit has a localized field.
bool anyLocalizedTextLoaded() noexcept;

/// The pieces of text between whole occurrences of delimiter, as the string seam splits it.
std::vector<QelStringP> splitText(const QelStringP& text, const wchar_t* delimiter);

/// Test seam: gives the unit a localized text ("singular;plural;abbreviation;
/// Vellum;alternate;its Vellum;..."), as a non-zero message id would. It is
/// read by the unit's next load; a unit already loaded keeps its texts.
void setLocalizedTextForTesting(QelUnit::BuiltinUnits unit, const QelStringP& text);

} // namespace qelunits_detail

#endif
