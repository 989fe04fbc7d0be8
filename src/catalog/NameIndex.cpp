#include "catalog/NameIndex.h"

#include "catalog/HashedTexts.h"
#include "catalog/UnitTable.h"

#include <array>

namespace qelunits_detail {
namespace {

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
    const Slot* slot = findSlot(table, text, length, hashFolded(text, length), KindText<Kind>{});
    return slot == nullptr ? UnitMatches{} : UnitMatches{table.entries + slot->first, slot->count};
}

constexpr std::size_t countEnglishTexts() {
    std::size_t count = 0;
    for (const UnitRecord& record : kUnitTable) {
        for (const TextKindInfo& kind : kUnitTextKinds) {
            count += record.*kind.field != nullptr ? 1U : 0U;
        }
    }
    return count;
}

constexpr std::size_t kEnglishTextCount = countEnglishTexts();
constexpr std::size_t kEnglishSlotCount = 2048; // a power of two above the texts

struct EntryText {
    constexpr const wchar_t* operator()(const NameEntry& entry) const { return entry.text; }
};

constexpr auto buildEnglishTable() {
    std::array<NameEntry, kEnglishTextCount> entries{};
    std::size_t used = 0;
    for (int unit = 0; unit < kUnitCount; ++unit) {
        for (const TextKindInfo& kind : kUnitTextKinds) {
            if (kUnitTable[unit].*kind.field != nullptr) {
                entries[used++] =
                    NameEntry{kUnitTable[unit].*kind.field, static_cast<std::uint16_t>(unit), kind.kind, kind.symbol};
            }
        }
    }
    // In order of preference: a name's group keeps that order.
    stableSort(entries, used, [](const NameEntry& a, const NameEntry& b) { return preferredUnit(a.unit, b.unit); });
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
    return text == nullptr ? NameEntries{} : findEnglishTexts(text, length, hashFolded(text, length));
}

NameEntries findEnglishTexts(const wchar_t* text, std::size_t length, std::uint32_t hash) noexcept {
    if (length == 0) {
        return {};
    }
    const Slot* slot = findSlot(kEnglishTable, text, length, hash, EntryText{});
    return slot == nullptr ? NameEntries{} : NameEntries{kEnglishTable.entries + slot->first, slot->count};
}

} // namespace qelunits_detail
