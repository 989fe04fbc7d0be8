#include "catalog/Abbreviations.h"

#include "catalog/LocalizedTexts.h"
#include "catalog/UnitTable.h"

#include <vector>

namespace qelunits_detail {
namespace {

constexpr const wchar_t* kInsertMarker = L"!s!";

bool allDigits(const QelStringP& text) {
    for (unsigned int i = 0; i < text.GetLength(); ++i) {
        if (!text.Mid(i, i + 1, false).IsNumber()) {
            return false;
        }
    }
    return true;
}

// The English abbreviation, or its Vellum form where it has one.
const wchar_t* englishAbbreviation(QelUnit::BuiltinUnits unit, bool vellum) {
    const UnitRecord& record = kUnitTable[unit];
    return vellum && record.vellumAbbreviation != nullptr ? record.vellumAbbreviation : record.defaultAbbreviation;
}

// The localized abbreviation (or its Vellum form) when asked for and loaded, else the English one.
const wchar_t* mainAbbreviation(QelUnit::BuiltinUnits unit, bool localized, bool vellum) {
    if (localized && loadLocalizedTexts(unit) != LocalizedLoad::Incomplete) {
        if (const wchar_t* text =
                localizedField(unit, vellum ? LocalizedField::VellumAbbreviation : LocalizedField::Abbreviation)) {
            return text;
        }
    }
    return englishAbbreviation(unit, vellum);
}

// Index 0 is the main abbreviation, 1 to n the alternates; past them the empty text, unformatted.
QelStringP indexedAbbreviation(QelUnit::BuiltinUnits unit, unsigned int index, QelUnit::AbbreviationFormats format,
                               bool vellum) {
    if (!isUnitCode(unit)) {
        return {};
    }
    if (index == 0) {
        return formatAbbreviation(mainAbbreviation(unit, true, vellum), format);
    }
    if (loadLocalizedTexts(unit) == LocalizedLoad::Incomplete) {
        return formatAbbreviation(englishAbbreviation(unit, vellum), format);
    }
    const std::vector<QelStringP>* alternates = alternateAbbreviations(unit, vellum);
    if (alternates != nullptr && index - 1 < alternates->size()) {
        return formatAbbreviation((*alternates)[index - 1].c_str(), format);
    }
    return QelStringP(QelStringP::mEmptyString);
}

QelStringP defaultAbbreviationOf(QelUnit::BuiltinUnits unit, bool localized, QelUnit::AbbreviationFormats format,
                                 bool vellum) {
    return isUnitCode(unit) ? formatAbbreviation(mainAbbreviation(unit, localized, vellum), format) : QelStringP();
}

} // namespace

// A piece that ends in "%" and digits held an insert: the piece keeps what
// precedes its last "%" and loses the marker. The last piece, and any piece
// with the same text, is kept whole; every other piece gets its marker back.
QelStringP formatAbbreviation(const wchar_t* text, QelUnit::AbbreviationFormats format) {
    QelStringP result(text, false);
    if ((format & QelUnit::StripInserts) == 0U || result.GetLength() < 5) {
        return result;
    }
    const std::vector<QelStringP> pieces = splitText(result, kInsertMarker);
    if (pieces.empty()) {
        return result;
    }
    const QelStringP& last = pieces.back();
    result = QelStringP::mEmptyString;
    for (const QelStringP& piece : pieces) {
        if (piece == last.c_str()) {
            result += piece;
            continue;
        }
        const QelStringP tail = piece.Right(L"%");
        if (tail.GetLength() != 0 && allDigits(tail)) {
            result += piece.Left(L"%");
        } else {
            result += piece;
            result += QelStringP(kInsertMarker);
        }
    }
    return result;
}

} // namespace qelunits_detail

using qelunits_detail::defaultAbbreviationOf;
using qelunits_detail::indexedAbbreviation;

QelStringP QelUnit::defaultAbbreviation(BuiltinUnits unit, bool localized, AbbreviationFormats format) {
    return defaultAbbreviationOf(unit, localized, format, false);
}

QelStringP QelUnit::defaultAbbreviationAsVellum(BuiltinUnits unit, bool localized, AbbreviationFormats format) {
    return defaultAbbreviationOf(unit, localized, format, true);
}

QelStringP QelUnit::localizedAbbreviation(BuiltinUnits unit, unsigned int index, AbbreviationFormats format) {
    return indexedAbbreviation(unit, index, format, false);
}

QelStringP QelUnit::localizedAbbreviationAsVellum(BuiltinUnits unit, unsigned int index, AbbreviationFormats format) {
    return indexedAbbreviation(unit, index, format, true);
}
