// The physical constants: the public copies checked against the table, and lookup by name or spelling.

#include "catalog/Constants.h"

#include <qelunits/Constants.h>
#include <qelunits/QelUnitsUtf8.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qelunits {

namespace {

using ConstantRow = Constant;
using qelunits_detail::kConstantCount;
using qelunits_detail::kConstantTable;

// The blank-separated word after position at, moving at past it; empty at the end.
constexpr std::string_view nextWord(std::string_view words, std::size_t& at) {
    while (at < words.size() && words[at] == ' ') {
        ++at;
    }
    const std::size_t start = at;
    while (at < words.size() && words[at] != ' ') {
        ++at;
    }
    return words.substr(start, at - start);
}

// True when text is a name or a spelling of a row other than skip, or a spelling of skip after its position at.
constexpr bool takenElsewhere(std::string_view text, std::size_t skip, std::size_t at) {
    for (std::size_t i = 0; i < kConstantCount; ++i) {
        std::size_t j = i == skip ? at : 0;
        for (std::string_view w = nextWord(kConstantTable[i].spellings, j); !w.empty();
             w = nextWord(kConstantTable[i].spellings, j)) {
            if (w == text) {
                return true;
            }
        }
        if (i != skip && text == kConstantTable[i].name) {
            return true;
        }
    }
    return false;
}

// Every name and spelling means one constant; an exact constant has no uncertainty and a measured one has one.
constexpr bool tableIsConsistent() {
    for (std::size_t i = 0; i < kConstantCount; ++i) {
        const ConstantRow& row = kConstantTable[i];
        if ((row.uncertainty == 0.0) != (row.status != ConstantStatus::Measured) || takenElsewhere(row.name, i, 0)) {
            return false;
        }
        std::size_t at = 0;
        for (std::string_view w = nextWord(row.spellings, at); !w.empty(); w = nextWord(row.spellings, at)) {
            if (takenElsewhere(w, i, at)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(tableIsConsistent(), "a name or spelling of two constants, or an uncertainty against the status");

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A name as the table writes it: ASCII in lower case, blanks and hyphens as underscores.
std::string nameForm(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (c == ' ' || c == '-') {
            c = '_';
        }
    }
    return out;
}

// The micro sign (U+00B5) as the Greek mu (U+03BC) the spellings hold.
std::string greekMu(std::string_view text) {
    std::string out(text);
    for (std::size_t at = out.find("\xC2\xB5"); at != std::string::npos; at = out.find("\xC2\xB5", at)) {
        out.replace(at, 2, "\xCE\xBC");
    }
    return out;
}

bool hasSpelling(const ConstantRow& row, std::string_view text) {
    std::size_t at = 0;
    for (std::string_view w = nextWord(row.spellings, at); !w.empty(); w = nextWord(row.spellings, at)) {
        if (w == text) {
            return true;
        }
    }
    return false;
}

// "'c0', 'c_0' or 'speed_of_light'".
std::string whatToWrite(const ConstantRow& row) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    for (std::string_view w = nextWord(row.spellings, at); !w.empty(); w = nextWord(row.spellings, at)) {
        words.push_back(w);
    }
    words.emplace_back(row.name);
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        out += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + ("'" + std::string(words[i]) + "'");
    }
    return out;
}

// Edits (insertions, deletions, substitutions of bytes) from a to b.
std::size_t distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The name or spelling nearest to text, within a few edits; empty when none is.
std::string nearest(const std::string& text, const std::string& asName) {
    std::string best;
    std::size_t bestDistance = std::max<std::size_t>(2, text.size() / 4) + 1;
    for (const ConstantRow& row : kConstantTable) {
        std::size_t at = 0;
        for (std::string_view w = nextWord(row.spellings, at); !w.empty(); w = nextWord(row.spellings, at)) {
            const std::size_t d = distance(text, w);
            if (d < bestDistance) {
                bestDistance = d;
                best = std::string(w);
            }
        }
        const std::size_t d = distance(asName, row.name);
        if (d < bestDistance) {
            bestDistance = d;
            best = row.name;
        }
    }
    return best;
}

} // namespace

ConstantList allConstants() noexcept { return ConstantList(kConstantTable, kConstantCount); }

Result<Constant> constant(std::string_view nameOrSpelling) {
    using R = Result<Constant>;
    const auto first = std::find_if_not(nameOrSpelling.begin(), nameOrSpelling.end(), isBlank);
    const auto last = std::find_if_not(nameOrSpelling.rbegin(), nameOrSpelling.rend(), isBlank).base();
    if (first >= last) {
        return R(ErrorKind::InvalidText, "no constant named: the text is empty", 0);
    }
    const std::string_view trimmed(&*first, static_cast<std::size_t>(last - first));
    if (!fromUtf8(trimmed)) {
        return R(ErrorKind::InvalidText, "the name of a constant is not UTF-8", 0);
    }
    const std::string text = greekMu(trimmed);
    const std::string asName = nameForm(text);
    for (const ConstantRow& row : kConstantTable) {
        if (hasSpelling(row, text) || asName == row.name) {
            return R(row);
        }
    }
    for (const ConstantRow& row : kConstantTable) {
        if (text == row.symbol) {
            return R(ErrorKind::RefusedText,
                     "'" + text + "' is not read as the " + row.title + ": write " + whatToWrite(row), 0);
        }
    }
    const std::string suggestion = nearest(text, asName);
    return R(ErrorKind::UnknownUnit,
             "unknown constant '" + text + "'" + (suggestion.empty() ? "" : "; did you mean '" + suggestion + "'?"), 0);
}

Result<Quantity> tryQuantity(const Constant& constant) {
    if (constant.unit == nullptr) {
        return Result<Quantity>(ErrorKind::InvalidArgument, "the constant has no unit text");
    }
    const Result<Unit> unit = Unit::parse(constant.unit);
    if (!unit) {
        return Result<Quantity>::failureOf(unit);
    }
    return Result<Quantity>(Quantity(constant.value, *unit));
}

} // namespace qelunits
