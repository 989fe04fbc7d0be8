#include "parse/ResolveName.h"

#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"
#include "parse/Tokenise.h"

#include <cstdint>

namespace qelunits_detail {
namespace {

struct KindField {
    TextKind kind;
    QelUnit::NameType nameType;
    const wchar_t* UnitRecord::*field;
};

// The order in which candidates report the text that matched.
constexpr KindField kKinds[] = {
    {TextKind::Abbreviation, QelUnit::Abbreviation, &UnitRecord::defaultAbbreviation},
    {TextKind::Vellum, QelUnit::VellumAbbreviation, &UnitRecord::vellumAbbreviation},
    {TextKind::Internal, QelUnit::InternalName, &UnitRecord::internalName},
    {TextKind::Singular, QelUnit::SingularName, &UnitRecord::singularName},
    {TextKind::Plural, QelUnit::PluralName, &UnitRecord::pluralName},
};

/// What the texts of one kind can be: the lengths that occur (bit 63 for 63 and
/// longer) and whether any holds an operator character. A name outside both
/// cannot match, so the kind's index is not asked.
struct KindShape {
    std::uint64_t lengths = 0;
    bool holdsOperator = false;
};

constexpr std::size_t lengthBit(std::size_t length) { return length < 63 ? length : 63; }

constexpr KindShape shapeOf(const wchar_t* UnitRecord::*field) {
    KindShape shape;
    for (const UnitRecord& record : kUnitTable) {
        const wchar_t* text = record.*field;
        if (text == nullptr) {
            continue;
        }
        std::size_t length = 0;
        for (; text[length] != 0; ++length) {
            shape.holdsOperator = shape.holdsOperator || isOperatorChar(text[length]);
        }
        shape.lengths |= std::uint64_t{1} << lengthBit(length);
    }
    return shape;
}

constexpr KindShape kShapes[] = {shapeOf(kKinds[0].field), shapeOf(kKinds[1].field), shapeOf(kKinds[2].field),
                                 shapeOf(kKinds[3].field), shapeOf(kKinds[4].field)};
static_assert(sizeof(kShapes) / sizeof(kShapes[0]) == sizeof(kKinds) / sizeof(kKinds[0]), "one shape per kind");

bool mayMatch(const KindShape& shape, std::size_t length, bool holdsOperator) {
    return ((shape.lengths >> lengthBit(length)) & 1U) != 0 && (shape.holdsOperator || !holdsOperator);
}

bool anyOperator(const wchar_t* name, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        if (isOperatorChar(name[i])) {
            return true;
        }
    }
    return false;
}

bool equalsExactly(const wchar_t* stored, const wchar_t* name, std::size_t length) {
    if (stored == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (stored[i] == 0 || stored[i] != name[i]) {
            return false;
        }
    }
    return stored[length] == 0;
}

// Exact case first, then SI base quantities, then the lowest code.
bool preferred(const QelUnitCandidate& a, const QelUnitCandidate& b) {
    if (a.exactCase != b.exactCase) {
        return a.exactCase;
    }
    const bool aBase = isSiBaseQuantity(kUnitTable[a.unit]);
    if (aBase != isSiBaseQuantity(kUnitTable[b.unit])) {
        return aBase;
    }
    return a.unit < b.unit;
}

void addCandidate(QelUnitCandidates& out, const QelUnitCandidate& candidate) {
    for (std::size_t i = 0; i < out.count; ++i) {
        QelUnitCandidate& existing = out.items[i];
        if (existing.unit == candidate.unit) {
            if (candidate.exactCase && !existing.exactCase) {
                existing = candidate;
            }
            return;
        }
    }
    if (out.count < QelUnitCandidates::kCapacity) {
        out.items[out.count++] = candidate;
    }
}

void addAliases(QelUnitCandidates& out, const wchar_t* name, std::size_t length) {
    for (const UnitAlias& alias : kUnitAliases) {
        if (equalsExactly(alias.text, name, length)) {
            addCandidate(out, {alias.unit, QelUnit::Abbreviation, true, true});
        }
    }
}

} // namespace

QelUnitCandidates findCandidates(const wchar_t* name, std::size_t length) noexcept {
    QelUnitCandidates out;
    if (length == 0) {
        return out;
    }
    const bool holdsOperator = anyOperator(name, length);
    for (std::size_t k = 0; k < sizeof(kKinds) / sizeof(kKinds[0]); ++k) {
        const KindField& kind = kKinds[k];
        const UnitMatches matches =
            mayMatch(kShapes[k], length, holdsOperator) ? findUnitsByText(kind.kind, name, length) : UnitMatches{};
        for (std::size_t i = 0; i < matches.count; ++i) {
            const auto unit = static_cast<QelUnit::BuiltinUnits>(matches.units[i]);
            const bool exact = equalsExactly(kUnitTable[unit].*kind.field, name, length);
            addCandidate(out, {unit, kind.nameType, exact, false});
        }
    }
    if (out.count == 0) {
        addAliases(out, name, length);
    }
    // Insertion sort: a handful of entries, stable, and no scratch buffer.
    for (std::size_t i = 1; i < out.count; ++i) {
        const QelUnitCandidate moving = out.items[i];
        std::size_t j = i;
        for (; j > 0 && preferred(moving, out.items[j - 1]); --j) {
            out.items[j] = out.items[j - 1];
        }
        out.items[j] = moving;
    }
    return out;
}

// The first of findCandidates without building the list: the common path of
// parsing. The entries come in order of preference but for case, so the first
// in exact case wins, else the first.
bool resolveUnit(const wchar_t* name, std::size_t length, QelUnit::BuiltinUnits& unit) noexcept {
    const NameEntries entries = findEnglishTexts(name, length);
    if (entries.count != 0) {
        const NameEntry* chosen = entries.items;
        for (const NameEntry* entry = entries.items; entry != entries.items + entries.count; ++entry) {
            if (equalsExactly(textOf(kUnitTable[entry->unit], entry->kind), name, length)) {
                chosen = entry;
                break;
            }
        }
        unit = static_cast<QelUnit::BuiltinUnits>(chosen->unit);
        return true;
    }
    for (const UnitAlias& alias : kUnitAliases) {
        if (equalsExactly(alias.text, name, length)) {
            unit = alias.unit;
            return true;
        }
    }
    unit = QelUnit::dimensionless;
    return false;
}

} // namespace qelunits_detail
