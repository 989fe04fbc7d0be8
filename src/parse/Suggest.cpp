// Suggestions for unknown names: the nearest catalogue text or everyday spelling by edit distance.

#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"
#include "parse/ReadName.h"
#include "parse/Vocabulary.h"

#include <algorithm>
#include <cwchar>

namespace qelunits_detail {
namespace {

// Longer names are not typing slips; the bound also keeps huge input cheap.
constexpr std::size_t kMaxSuggestLength = 48;

std::size_t allowedDistance(std::size_t length) {
    if (length < 2) {
        return 0;
    }
    return length < 5 ? 1 : 2;
}

// Optimal string alignment distance with A to Z folded (a transposition counts as one edit).
std::size_t editDistance(const wchar_t* a, std::size_t la, const wchar_t* b, std::size_t lb) {
    constexpr std::size_t kWidth = kMaxSuggestLength + 3;
    std::size_t rows[3][kWidth];
    for (std::size_t j = 0; j <= lb; ++j) {
        rows[0][j] = j;
    }
    for (std::size_t i = 1; i <= la; ++i) {
        std::size_t* row = rows[i % 3];
        const std::size_t* prev = rows[(i - 1) % 3];
        const std::size_t* prev2 = rows[(i + 1) % 3];
        row[0] = i;
        for (std::size_t j = 1; j <= lb; ++j) {
            const wchar_t ca = foldCase(a[i - 1]);
            const wchar_t cb = foldCase(b[j - 1]);
            std::size_t best = prev[j - 1] + (ca == cb ? 0 : 1);
            best = best < prev[j] + 1 ? best : prev[j] + 1;
            best = best < row[j - 1] + 1 ? best : row[j - 1] + 1;
            if (i > 1 && j > 1 && ca == foldCase(b[j - 2]) && foldCase(a[i - 2]) == cb) {
                best = best < prev2[j - 2] + 1 ? best : prev2[j - 2] + 1;
            }
            row[j] = best;
        }
    }
    return rows[la % 3][lb];
}

struct Nearest {
    const wchar_t* text = nullptr;
    std::size_t distance;
};

void consider(Nearest& nearest, const wchar_t* candidate, const wchar_t* name, std::size_t length) {
    if (candidate == nullptr) {
        return;
    }
    const std::size_t lb = std::wcslen(candidate);
    const std::size_t gap = std::max(lb, length) - std::min(lb, length);
    if (lb == 0 || lb > kMaxSuggestLength || gap >= nearest.distance) {
        return;
    }
    const std::size_t d = editDistance(name, length, candidate, lb);
    if (d < nearest.distance) {
        nearest = {candidate, d};
    }
}

} // namespace

const wchar_t* suggestName(const wchar_t* name, std::size_t length) noexcept {
    if (length > kMaxSuggestLength) {
        return nullptr;
    }
    Nearest nearest{nullptr, allowedDistance(length) + 1};
    // Abbreviations first: on equal distance the shorter, usual spelling wins. Internal names are
    // not offered: a person types "light year", not "light_year".
    for (const TextKindInfo& kind : kUnitTextKinds) {
        for (const UnitRecord& record : kUnitTable) {
            consider(nearest, kind.kind == TextKind::Internal ? nullptr : record.*kind.field, name, length);
        }
    }
    for (const VocabularyEntry& entry : kVocabulary) {
        consider(nearest, entry.spelling == Spelling::Refused ? nullptr : entry.text, name, length);
    }
    return nearest.text;
}

} // namespace qelunits_detail
