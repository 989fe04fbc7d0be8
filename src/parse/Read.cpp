#include "parse/Read.h"

#include "catalog/HashedTexts.h"
#include "expression/ExpressionAccess.h"
#include "parse/CharClass.h"

namespace qelunits_detail {
namespace {

// Two plain words around one '/' ("ft/min", "kg/L"), the commonest compound: the reader's plain terms, merged
// as it merges them, without its tokens. text[slash] ends the first word, which hashes to dividendHash.
bool readQuotient(const wchar_t* text, std::size_t begin, std::size_t slash, std::size_t end,
                  std::uint32_t dividendHash, QelUnitExpression& out) {
    std::uint32_t hash = kHashSeed;
    for (std::size_t i = slash + 1; i < end; ++i) {
        if (endsWord(text[i])) {
            return false;
        }
        hash = hashStep(hash, text[i]);
    }
    // An empty side ("/s", "m/") finds no spelling.
    const LexEntry* divisor = findPlainSpelling(text + slash + 1, end - slash - 1, hash);
    const LexEntry* dividend =
        divisor == nullptr ? nullptr : findPlainSpelling(text + begin, slash - begin, dividendHash);
    if (dividend == nullptr) {
        return false;
    }
    // Powers of one on an empty type stay in range: neither merge can fail.
    const BuildSink sink(out);
    static_cast<void>(sink.multiply(PlainUnit{static_cast<QelUnit::BuiltinUnits>(dividend->plain)}, 1));
    static_cast<void>(sink.multiply(PlainUnit{static_cast<QelUnit::BuiltinUnits>(divisor->plain)}, -1));
    return true;
}

// The whole text as one known name: a word by every rule of a name, or a spelling holding blanks or operators
// as it stands in the lexicon ("L/min", "sq ft"); else as two plain words around '/'. The reader would read
// each the same way.
bool readKnownName(const wchar_t* text, std::size_t begin, std::size_t end, QelUnitExpression& out) {
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    std::uint32_t hash = kHashSeed;
    std::size_t wordEnd = begin;
    for (; wordEnd < end && !endsWord(text[wordEnd]); ++wordEnd) {
        hash = hashStep(hash, text[wordEnd]);
    }
    const std::uint32_t wordHash = hash;
    for (std::size_t i = wordEnd; i < end; ++i) {
        hash = hashStep(hash, text[i]);
    }
    if (begin == end) {
        return false;
    }
    const LexEntry* entry = findSpelling(text + begin, end - begin, hash);
    if (entry != nullptr && entry->plain != kNotPlain) {
        ExpressionAccess::type(out).set(static_cast<QelUnit::BuiltinUnits>(entry->plain), 1);
        return true;
    }
    if (entry == nullptr && wordEnd != end) {
        return text[wordEnd] == L'/' && readQuotient(text, begin, wordEnd, end, wordHash, out);
    }
    const Reading reading = entry != nullptr ? readingOf(*entry) : readName(text + begin, end - begin, hash);
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

NoteSink notesOf(const wchar_t* text, std::size_t length) {
    NoteSink notes;
    ParseFailure ignored;
    readExpression({text, 0, length}, NotesSink(notes), ignored);
    return notes;
}

} // namespace qelunits_detail
