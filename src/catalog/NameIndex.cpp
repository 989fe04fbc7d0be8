#include "catalog/NameIndex.h"

#include "catalog/UnitTable.h"

namespace qelunits_detail {
namespace {

// One open-addressing hash table per text kind, built by the compiler from the
// unit table: complete before any code runs, never written, so lookups need no
// lock and allocate nothing.
constexpr std::size_t kSlotCount = 512; // a power of two above 349 distinct texts
constexpr std::size_t kSlotMask = kSlotCount - 1;
static_assert((kSlotCount & kSlotMask) == 0 && kSlotCount > kUnitCount, "probing needs a free slot");

struct Slot {
    std::uint32_t hash;
    std::uint16_t first; // index into TextTable::units of the lowest unit with this text
    std::uint16_t count; // 0: empty slot
};

struct TextTable {
    Slot slots[kSlotCount];
    std::uint16_t units[kUnitCount]; // the units of each text, grouped, ascending within a group
    std::size_t maxLength;           // no text of this kind is longer
};

constexpr std::size_t lengthOf(const wchar_t* text) noexcept {
    std::size_t length = 0;
    while (text[length] != L'\0') {
        ++length;
    }
    return length;
}

// FNV-1a over the folded characters.
constexpr std::uint32_t hashFolded(const wchar_t* text, std::size_t length) noexcept {
    std::uint32_t hash = 2166136261U;
    for (std::size_t i = 0; i < length; ++i) {
        hash = (hash ^ static_cast<std::uint32_t>(foldCase(text[i]))) * 16777619U;
    }
    return hash;
}

// Pass 1 finds each unit's slot (slot.first holds the lowest unit meanwhile),
// pass 2 lays the groups out, pass 3 fills them in ascending unit order.
constexpr TextTable buildTable(TextKind kind) {
    TextTable table{};
    std::uint16_t slotOfUnit[kUnitCount] = {};
    for (int unit = 0; unit < kUnitCount; ++unit) {
        const wchar_t* text = textOf(kUnitTable[unit], kind);
        if (text == nullptr) {
            continue;
        }
        const std::size_t length = lengthOf(text);
        table.maxLength = length > table.maxLength ? length : table.maxLength;
        const std::uint32_t hash = hashFolded(text, length);
        std::size_t at = hash & kSlotMask;
        while (table.slots[at].count != 0 &&
               !(table.slots[at].hash == hash &&
                 equalsFolded(text, length, textOf(kUnitTable[table.slots[at].first], kind)))) {
            at = (at + 1) & kSlotMask;
        }
        Slot& slot = table.slots[at];
        if (slot.count++ == 0) {
            slot.hash = hash;
            slot.first = static_cast<std::uint16_t>(unit);
        }
        slotOfUnit[unit] = static_cast<std::uint16_t>(at);
    }
    std::uint16_t fill[kSlotCount] = {};
    std::uint16_t next = 0;
    for (std::size_t at = 0; at < kSlotCount; ++at) {
        table.slots[at].first = fill[at] = next;
        next = static_cast<std::uint16_t>(next + table.slots[at].count);
    }
    for (int unit = 0; unit < kUnitCount; ++unit) {
        if (textOf(kUnitTable[unit], kind) != nullptr) {
            table.units[fill[slotOfUnit[unit]]++] = static_cast<std::uint16_t>(unit);
        }
    }
    return table;
}

// One constant per kind, so that each is a constant evaluation of its own.
template <TextKind Kind>
constexpr TextTable kTextTable = buildTable(Kind);

const TextTable& tableFor(TextKind kind) noexcept {
    switch (kind) {
    case TextKind::Internal:
        return kTextTable<TextKind::Internal>;
    case TextKind::Singular:
        return kTextTable<TextKind::Singular>;
    case TextKind::Plural:
        return kTextTable<TextKind::Plural>;
    case TextKind::Abbreviation:
        return kTextTable<TextKind::Abbreviation>;
    case TextKind::Vellum:
        return kTextTable<TextKind::Vellum>;
    case TextKind::VellumOrAbbreviation:
        break;
    }
    return kTextTable<TextKind::VellumOrAbbreviation>;
}

} // namespace

UnitMatches findUnitsByText(TextKind kind, const wchar_t* text, std::size_t length) noexcept {
    const TextTable& table = tableFor(kind);
    if (length > table.maxLength || (text == nullptr && length != 0)) {
        return {};
    }
    if (text == nullptr) {
        text = L"";
    }
    const std::uint32_t hash = hashFolded(text, length);
    for (std::size_t at = hash & kSlotMask; table.slots[at].count != 0; at = (at + 1) & kSlotMask) {
        const Slot& slot = table.slots[at];
        if (slot.hash == hash && equalsFolded(text, length, textOf(kUnitTable[table.units[slot.first]], kind))) {
            return {table.units + slot.first, slot.count};
        }
    }
    return {};
}

} // namespace qelunits_detail
