#ifndef QELUNITS_SRC_CATALOG_HASHEDTEXTS_H
#define QELUNITS_SRC_CATALOG_HASHEDTEXTS_H

// Case-insensitive hash tables of texts, built by the compiler: complete before
// any code runs, never written, so lookups need no lock and allocate nothing.

#include "catalog/NameIndex.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

struct Slot {
    std::uint32_t hash;
    std::uint16_t first; // index into the table's entries of the first with this text
    std::uint16_t count; // 0: empty slot
};

/// Sorts items[0, count) stably by before, at compile time: a merge sort, as
/// the compiler's budget of steps does not stretch to inserting a thousand names.
template <typename Item, std::size_t Size, typename Before>
constexpr void stableSort(std::array<Item, Size>& items, std::size_t count, Before before) {
    std::array<Item, Size> merged{};
    for (std::size_t width = 1; width < count; width *= 2) {
        for (std::size_t left = 0; left < count; left += 2 * width) {
            const std::size_t middle = left + width < count ? left + width : count;
            const std::size_t right = left + 2 * width < count ? left + 2 * width : count;
            std::size_t a = left;
            std::size_t b = middle;
            for (std::size_t out = left; out < right; ++out) {
                merged[out] = b < right && (a == middle || before(items[b], items[a])) ? items[b++] : items[a++];
            }
        }
        for (std::size_t i = 0; i < count; ++i) {
            items[i] = merged[i];
        }
    }
}

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

// FNV-1a over the folded characters, one step at a time so that a scanner can hash as it reads.
constexpr std::uint32_t kHashSeed = 2166136261U;

constexpr std::uint32_t hashStep(std::uint32_t hash, wchar_t c) noexcept {
    return (hash ^ static_cast<std::uint32_t>(foldCase(c))) * 16777619U;
}

constexpr std::uint32_t hashFolded(const wchar_t* text, std::size_t length) noexcept {
    std::uint32_t hash = kHashSeed;
    for (std::size_t i = 0; i < length; ++i) {
        hash = hashStep(hash, text[i]);
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

/// The group of entries whose text equals text[0, length) folded, hashFolded to hash; null when none.
template <typename Entry, std::size_t SlotCount, std::size_t EntryCount, typename TextOf>
const Slot* findSlot(const HashedTexts<Entry, SlotCount, EntryCount>& table, const wchar_t* text, std::size_t length,
                     std::uint32_t hash, TextOf textOf) noexcept {
    using Table = HashedTexts<Entry, SlotCount, EntryCount>;
    if (length > table.maxLength) {
        return nullptr;
    }
    for (std::size_t at = hash & Table::kMask; table.slots[at].count != 0; at = (at + 1) & Table::kMask) {
        const Slot& slot = table.slots[at];
        if (slot.hash == hash && equalsFolded(text, length, textOf(table.entries[slot.first]))) {
            return &slot;
        }
    }
    return nullptr;
}

} // namespace qelunits_detail

#endif
