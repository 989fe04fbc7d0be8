#include "parse/Vocabulary.h"

#include "catalog/HashedTexts.h"

#include <array>
#include <iterator>
#include <utility>

namespace qelunits_detail {
namespace {

template <typename Visit>
constexpr void forEachHit(Visit visit) {
    for (std::size_t row = 0; row < kVocabulary.size(); ++row) {
        visit(VocabularyHit{VocabularyHit::Source::Vocabulary, 0, static_cast<std::uint16_t>(row)});
    }
    for (std::size_t row = 0; row < std::size(kPrefixableUnits); ++row) {
        const PrefixableUnit& unit = kPrefixableUnits[row];
        for (std::uint8_t i = 0; i < 3; ++i) {
            if (unit.symbols[i] != nullptr) {
                visit(VocabularyHit{VocabularyHit::Source::PrefixableSymbol, i, static_cast<std::uint16_t>(row)});
            }
        }
        for (std::uint8_t i = 0; i < 4; ++i) {
            if (unit.names[i] != nullptr) {
                visit(VocabularyHit{VocabularyHit::Source::PrefixableName, i, static_cast<std::uint16_t>(row)});
            }
        }
    }
}

constexpr std::size_t countHits() {
    std::size_t count = 0;
    forEachHit([&count](const VocabularyHit&) { ++count; });
    return count;
}

constexpr std::size_t kHitCount = countHits();

struct HitText {
    constexpr const wchar_t* operator()(const VocabularyHit& hit) const { return textOf(hit); }
};

constexpr auto buildIndex() {
    std::array<VocabularyHit, kHitCount> hits{};
    std::size_t used = 0;
    forEachHit([&](const VocabularyHit& hit) { hits[used++] = hit; });
    return hashTexts<512>(hits, used, HitText{});
}

constexpr auto kIndex = buildIndex();

} // namespace

VocabularyHits findVocabulary(const wchar_t* text, std::size_t length) noexcept {
    const Slot* slot = length == 0 ? nullptr : findSlot(kIndex, text, length, hashFolded(text, length), HitText{});
    return slot == nullptr ? VocabularyHits{} : VocabularyHits{kIndex.entries + slot->first, slot->count};
}

OperatorWord operatorWord(const wchar_t* text, std::size_t length) noexcept {
    // Every word starts with c, p or s, and has 2 to 7 letters: most units are passed over here.
    const wchar_t first = length != 0 ? foldCase(text[0]) : L'\0';
    if (length < 2 || length > 7 || (first != L'c' && first != L'p' && first != L's')) {
        return OperatorWord::None;
    }
    constexpr std::pair<const wchar_t*, OperatorWord> kWords[] = {
        {L"per", OperatorWord::Per},     {L"squared", OperatorWord::Squared}, {L"cubed", OperatorWord::Cubed},
        {L"sq", OperatorWord::Square},   {L"square", OperatorWord::Square},   {L"cu", OperatorWord::Cubic},
        {L"cubic", OperatorWord::Cubic},
    };
    for (const auto& [word, meaning] : kWords) {
        if (equalsFolded(text, length, word)) {
            return meaning;
        }
    }
    return OperatorWord::None;
}

} // namespace qelunits_detail
