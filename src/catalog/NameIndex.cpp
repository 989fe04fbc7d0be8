#include "catalog/NameIndex.h"

#include "catalog/UnitTable.h"

#include <array>

namespace qelunits_detail {
namespace {

// Open-addressing hash tables built by the compiler from the unit table:
// complete before any code runs, never written, so lookups need no lock and
// allocate nothing.
struct Slot {
    std::uint32_t hash;
    std::uint16_t first; // index into the table's entries of the first with this text
    std::uint16_t count; // 0: empty slot
};

template <typename Entry, std::size_t SlotCount, std::size_t EntryCount>
struct HashedTexts {
    static_assert((SlotCount & (SlotCount - 1)) == 0 && SlotCount > EntryCount, "probing needs a free slot");
    static constexpr std::size_t kMask = SlotCount - 1;
    Slot slots[SlotCount];
    Entry entries[EntryCount]; // the entries of each text, grouped, in the order given
    std::size_t maxLength;     // no text is longer
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

// Groups ordered[0, used) by folded text, keeping their order within a group.
// Pass 1 finds each entry's slot (slot.first holds the group's first entry
// meanwhile), pass 2 lays the groups out, pass 3 fills them in order.
template <std::size_t SlotCount, typename Entry, std::size_t EntryCount, typename TextOf>
constexpr HashedTexts<Entry, SlotCount, EntryCount> hashTexts(const std::array<Entry, EntryCount>& ordered,
                                                              std::size_t used, TextOf textOf) {
    using Table = HashedTexts<Entry, SlotCount, EntryCount>;
    Table table{};
    std::array<std::uint16_t, EntryCount> slotOf{};
    for (std::size_t i = 0; i < used; ++i) {
        const wchar_t* text = textOf(ordered[i]);
        const std::size_t length = lengthOf(text);
        table.maxLength = length > table.maxLength ? length : table.maxLength;
        const std::uint32_t hash = hashFolded(text, length);
        std::size_t at = hash & Table::kMask;
        while (table.slots[at].count != 0 &&
               !(table.slots[at].hash == hash && equalsFolded(text, length, textOf(ordered[table.slots[at].first])))) {
            at = (at + 1) & Table::kMask;
        }
        Slot& slot = table.slots[at];
        if (slot.count++ == 0) {
            slot.hash = hash;
            slot.first = static_cast<std::uint16_t>(i);
        }
        slotOf[i] = static_cast<std::uint16_t>(at);
    }
    std::array<std::uint16_t, SlotCount> fill{};
    std::uint16_t next = 0;
    for (std::size_t at = 0; at < SlotCount; ++at) {
        table.slots[at].first = fill[at] = next;
        next = static_cast<std::uint16_t>(next + table.slots[at].count);
    }
    for (std::size_t i = 0; i < used; ++i) {
        table.entries[fill[slotOf[i]]++] = ordered[i];
    }
    return table;
}

/// The group of entries whose text equals text[0, length) folded; count 0 when none.
template <typename Entry, std::size_t SlotCount, std::size_t EntryCount, typename TextOf>
const Slot* findSlot(const HashedTexts<Entry, SlotCount, EntryCount>& table, const wchar_t* text, std::size_t length,
                     TextOf textOf) noexcept {
    using Table = HashedTexts<Entry, SlotCount, EntryCount>;
    if (length > table.maxLength) {
        return nullptr;
    }
    const std::uint32_t hash = hashFolded(text, length);
    for (std::size_t at = hash & Table::kMask; table.slots[at].count != 0; at = (at + 1) & Table::kMask) {
        const Slot& slot = table.slots[at];
        if (slot.hash == hash && equalsFolded(text, length, textOf(table.entries[slot.first]))) {
            return &slot;
        }
    }
    return nullptr;
}

// One table per text kind, of unit codes in ascending order.
constexpr std::size_t kKindSlotCount = 512; // a power of two above 349 distinct texts

template <TextKind Kind>
struct KindText {
    constexpr const wchar_t* operator()(std::uint16_t unit) const { return textOf(kUnitTable[unit], Kind); }
};

template <TextKind Kind>
constexpr auto buildKindTable() {
    std::array<std::uint16_t, kUnitCount> units{};
    std::size_t used = 0;
    for (int unit = 0; unit < kUnitCount; ++unit) {
        if (textOf(kUnitTable[unit], Kind) != nullptr) {
            units[used++] = static_cast<std::uint16_t>(unit);
        }
    }
    return hashTexts<kKindSlotCount>(units, used, KindText<Kind>{});
}

// One constant per kind, so that each is a constant evaluation of its own.
template <TextKind Kind>
constexpr auto kKindTable = buildKindTable<Kind>();

template <TextKind Kind>
UnitMatches findInKind(const wchar_t* text, std::size_t length) noexcept {
    const auto& table = kKindTable<Kind>;
    const Slot* slot = findSlot(table, text, length, KindText<Kind>{});
    return slot == nullptr ? UnitMatches{} : UnitMatches{table.entries + slot->first, slot->count};
}

// The texts the parser reads, in its order of preference after exact case.
constexpr TextKind kEnglishKinds[] = {TextKind::Abbreviation, TextKind::Vellum, TextKind::Internal, TextKind::Singular,
                                      TextKind::Plural};

constexpr std::size_t countEnglishTexts() {
    std::size_t count = 0;
    for (const UnitRecord& record : kUnitTable) {
        for (const TextKind kind : kEnglishKinds) {
            count += textOf(record, kind) != nullptr ? 1U : 0U;
        }
    }
    return count;
}

constexpr std::size_t kEnglishTextCount = countEnglishTexts();
constexpr std::size_t kEnglishSlotCount = 2048; // a power of two above the texts

struct EntryText {
    constexpr const wchar_t* operator()(const NameEntry& entry) const {
        return textOf(kUnitTable[entry.unit], entry.kind);
    }
};

constexpr auto buildEnglishTable() {
    std::array<NameEntry, kEnglishTextCount> entries{};
    std::size_t used = 0;
    for (const bool base : {true, false}) {
        for (int unit = 0; unit < kUnitCount; ++unit) {
            if (isSiBaseQuantity(kUnitTable[unit]) != base) {
                continue;
            }
            for (const TextKind kind : kEnglishKinds) {
                if (textOf(kUnitTable[unit], kind) != nullptr) {
                    entries[used++] = NameEntry{static_cast<std::uint16_t>(unit), kind};
                }
            }
        }
    }
    return hashTexts<kEnglishSlotCount>(entries, used, EntryText{});
}

constexpr auto kEnglishTable = buildEnglishTable();

} // namespace

UnitMatches findUnitsByText(TextKind kind, const wchar_t* text, std::size_t length) noexcept {
    if (text == nullptr && length != 0) {
        return {};
    }
    if (text == nullptr) {
        text = L"";
    }
    switch (kind) {
    case TextKind::Internal:
        return findInKind<TextKind::Internal>(text, length);
    case TextKind::Singular:
        return findInKind<TextKind::Singular>(text, length);
    case TextKind::Plural:
        return findInKind<TextKind::Plural>(text, length);
    case TextKind::Abbreviation:
        return findInKind<TextKind::Abbreviation>(text, length);
    case TextKind::Vellum:
        return findInKind<TextKind::Vellum>(text, length);
    case TextKind::VellumOrAbbreviation:
        break;
    }
    return findInKind<TextKind::VellumOrAbbreviation>(text, length);
}

NameEntries findEnglishTexts(const wchar_t* text, std::size_t length) noexcept {
    if (text == nullptr || length == 0) {
        return {};
    }
    const Slot* slot = findSlot(kEnglishTable, text, length, EntryText{});
    return slot == nullptr ? NameEntries{} : NameEntries{kEnglishTable.entries + slot->first, slot->count};
}

} // namespace qelunits_detail
