// Every unit a name can mean, for callers who choose themselves.

#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"
#include "parse/CharClass.h"
#include "parse/ReadName.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <utility>

namespace qelunits_detail {
namespace {

/// What the texts of one kind can be: the lengths that occur (bit 63 for 63 and
/// longer) and whether any holds an operator character. A name outside both
/// cannot match, so the kind's index is not asked.
struct KindShape {
    std::uint64_t lengths = 0;
    bool holdsOperator = false;
};

constexpr std::size_t lengthBit(std::size_t length) { return std::min<std::size_t>(length, 63); }

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

template <std::size_t... Kind>
constexpr std::array<KindShape, sizeof...(Kind)> shapesOf(std::index_sequence<Kind...> /*kinds*/) {
    return {shapeOf(kUnitTextKinds[Kind].field)...};
}

constexpr auto kShapes = shapesOf(std::make_index_sequence<std::size(kUnitTextKinds)>{});

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

// Exact case first, then the preference among units that share a name.
bool preferred(const QelUnitCandidate& a, const QelUnitCandidate& b) {
    return a.exactCase != b.exactCase ? a.exactCase : preferredUnit(a.unit, b.unit);
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

} // namespace

// Every catalogue unit whose text matches with case folded (a symbol of one
// character only in exact case, as the parser reads it), exact case first, then
// by preference; the parser's reading goes first where it is one unit.
QelUnitCandidates findCandidates(const wchar_t* name, std::size_t length) noexcept {
    QelUnitCandidates out;
    if (length == 0) {
        return out;
    }
    const bool holdsOperator = anyOperator(name, length);
    for (std::size_t k = 0; k < sizeof(kUnitTextKinds) / sizeof(kUnitTextKinds[0]); ++k) {
        const TextKindInfo& kind = kUnitTextKinds[k];
        const UnitMatches matches =
            mayMatch(kShapes[k], length, holdsOperator) ? findUnitsByText(kind.kind, name, length) : UnitMatches{};
        for (std::size_t i = 0; i < matches.count; ++i) {
            const auto unit = static_cast<QelUnit::BuiltinUnits>(matches.units[i]);
            const bool exact = equalsExactly(name, length, kUnitTable[unit].*kind.field);
            if (exact || length > 1 || !kind.symbol) {
                addCandidate(out, {unit, kind.nameType, exact, false});
            }
        }
    }
    const Reading reading = readName(name, length);
    if (reading.status == ReadStatus::Found && isOneUnit(reading.meaning)) {
        addCandidate(out, {reading.meaning.units[0].unit, QelUnit::Abbreviation, true,
                           reading.source.kind != ReadingSource::Kind::Catalogue});
    }
    const QelUnit::BuiltinUnits picked =
        out.count != 0 && reading.status == ReadStatus::Found && isOneUnit(reading.meaning)
            ? reading.meaning.units[0].unit
            : QelUnit::dimensionless;
    // Insertion sort: a handful of entries, stable, and no scratch buffer.
    for (std::size_t i = 1; i < out.count; ++i) {
        const QelUnitCandidate moving = out.items[i];
        std::size_t j = i;
        for (; j > 0 &&
               (moving.unit == picked || (out.items[j - 1].unit != picked && preferred(moving, out.items[j - 1])));
             --j) {
            out.items[j] = out.items[j - 1];
        }
        out.items[j] = moving;
    }
    out.note = reading.status == ReadStatus::Found ? reading.note : nullptr;
    return out;
}

} // namespace qelunits_detail
