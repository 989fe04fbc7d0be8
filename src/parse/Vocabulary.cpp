#include "parse/Vocabulary.h"

#include "catalog/NameIndex.h"

#include <utility>

namespace qelunits_detail {

const wchar_t* qualifierBefore(const wchar_t* word, std::size_t length) noexcept {
    for (const Qualifier& qualifier : kQualifiers) {
        if (equalsFolded(word, length, qualifier.written)) {
            return qualifier.before;
        }
    }
    return nullptr;
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
