#include "parse/Read.h"

#include "catalog/HashedTexts.h"
#include "expression/ExpressionAccess.h"
#include "parse/CharClass.h"

namespace qelunits_detail {
namespace {

// The whole text, trimmed, looked up as one spelling; its first word's end and hash for a quotient.
struct NameLookup {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t wordEnd = 0;
    std::uint32_t hash = kHashSeed;
    std::uint32_t wordHash = kHashSeed;
    const LexEntry* entry = nullptr;
};

NameLookup lookUp(const wchar_t* text, std::size_t begin, std::size_t end) {
    NameLookup name;
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    name.begin = begin;
    name.end = end;
    std::uint32_t hash = kHashSeed;
    std::size_t wordEnd = begin;
    for (; wordEnd < end && !endsWord(text[wordEnd]); ++wordEnd) {
        hash = hashStep(hash, text[wordEnd]);
    }
    name.wordEnd = wordEnd;
    name.wordHash = hash;
    for (std::size_t i = wordEnd; i < end; ++i) {
        hash = hashStep(hash, text[i]);
    }
    name.hash = hash;
    name.entry = begin == end ? nullptr : findSpelling(text + begin, end - begin, hash);
    return name;
}

// A text that is one plain spelling ("ft", "L/min", "sq ft") or two plain words around one '/' ("ft/min"), the
// commonest compound: the reader's plain terms, as it reads them, without its tokens.
bool plainUnits(const wchar_t* text, const NameLookup& name, PlainUnits& out) {
    if (name.entry != nullptr) {
        out.count = name.entry->plain != kNotPlain ? 1 : 0;
        out.units[0] = {static_cast<QelUnit::BuiltinUnits>(name.entry->plain), 1};
        return out.count == 1;
    }
    if (name.wordEnd == name.end || text[name.wordEnd] != L'/') {
        return false;
    }
    std::uint32_t hash = kHashSeed;
    for (std::size_t i = name.wordEnd + 1; i < name.end; ++i) {
        if (endsWord(text[i])) {
            return false;
        }
        hash = hashStep(hash, text[i]);
    }
    // An empty side ("/s", "m/") finds no spelling.
    const LexEntry* divisor = findPlainSpelling(text + name.wordEnd + 1, name.end - name.wordEnd - 1, hash);
    const LexEntry* dividend =
        divisor == nullptr ? nullptr : findPlainSpelling(text + name.begin, name.wordEnd - name.begin, name.wordHash);
    if (dividend == nullptr) {
        return false;
    }
    out.units[0] = {static_cast<QelUnit::BuiltinUnits>(dividend->plain), 1};
    out.units[1] = {static_cast<QelUnit::BuiltinUnits>(divisor->plain), -1};
    out.count = 2;
    return true;
}

// The whole text as one known name: a word by every rule of a name, or a spelling holding blanks or operators
// as it stands in the lexicon ("L/min", "sq ft"); else as two plain words around '/'. The reader would read
// each the same way.
bool readKnownName(const wchar_t* text, std::size_t begin, std::size_t end, QelUnitExpression& out) {
    const NameLookup name = lookUp(text, begin, end);
    if (name.begin == name.end) {
        return false;
    }
    PlainUnits plain;
    if (plainUnits(text, name, plain)) {
        // Powers of one on an empty type stay in range: neither merge can fail.
        const BuildSink sink(out);
        for (std::size_t i = 0; i < plain.count; ++i) {
            static_cast<void>(sink.multiply(PlainUnit{plain.units[i].unit}, plain.units[i].power));
        }
        return true;
    }
    if (name.entry == nullptr && name.wordEnd != name.end) {
        return false;
    }
    const Reading reading =
        name.entry != nullptr ? readingOf(*name.entry) : readName(text + name.begin, name.end - name.begin, name.hash);
    return reading.status == ReadStatus::Found && reading.refusal == nullptr &&
           BuildSink(out).multiply(reading.meaning, 1) == Merge::Ok;
}

// A difference is kept only where the expression is one temperature.
void keepDifference(QelUnitExpression& out) {
    bool& difference = ExpressionAccess::difference(out);
    difference = difference && out.isTemperature();
}

} // namespace

bool readByGrammar(const wchar_t* text, std::size_t from, std::size_t length, QelUnitExpression& out,
                   ParseFailure& failure) {
    if (!readExpression({text, from, length}, BuildSink(out), failure)) {
        return false;
    }
    keepDifference(out);
    return true;
}

bool readText(const wchar_t* text, std::size_t from, std::size_t length, QelUnitExpression& out,
              ParseFailure& failure) {
    if (readKnownName(text, from, length, out)) {
        keepDifference(out);
        return true;
    }
    return readByGrammar(text, from, length, out, failure);
}

bool readPlainAscii(std::string_view text, PlainUnits& out) noexcept {
    constexpr std::size_t kMaxLength = 48;
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(static_cast<wchar_t>(static_cast<unsigned char>(text[begin])))) {
        ++begin;
    }
    while (end > begin && isBlank(static_cast<wchar_t>(static_cast<unsigned char>(text[end - 1])))) {
        --end;
    }
    if (begin == end || end - begin > kMaxLength) {
        return false;
    }
    std::uint16_t plain = kNotPlain;
    if (shortPlainSpelling(text.data() + begin, end - begin, plain)) {
        out.units[0] = {static_cast<QelUnit::BuiltinUnits>(plain), 1};
        out.count = 1;
        return plain != kNotPlain;
    }
    // Widened, hashed and split at the first word's end in one pass, as lookUp does with a decoded text.
    wchar_t wide[kMaxLength];
    NameLookup name;
    name.end = end - begin;
    name.wordEnd = name.end;
    std::uint32_t hash = kHashSeed;
    for (std::size_t i = 0; i < name.end; ++i) {
        const auto c = static_cast<unsigned char>(text[begin + i]);
        if (c >= 0x80U) {
            return false;
        }
        wide[i] = static_cast<wchar_t>(c);
        if (name.wordEnd == name.end && endsWord(wide[i])) {
            name.wordEnd = i;
            name.wordHash = hash;
        }
        hash = hashStep(hash, wide[i]);
    }
    name.wordHash = name.wordEnd == name.end ? hash : name.wordHash;
    name.hash = hash;
    name.entry = findSpelling(wide, name.end, hash);
    return plainUnits(wide, name, out);
}

NoteSink notesOf(const wchar_t* text, std::size_t length) {
    NoteSink notes;
    ParseFailure ignored;
    readExpression({text, 0, length}, NotesSink(notes), ignored);
    return notes;
}

} // namespace qelunits_detail
