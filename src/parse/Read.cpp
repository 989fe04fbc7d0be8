#include "parse/Read.h"

#include "catalog/HashedTexts.h"
#include "expression/ExpressionAccess.h"
#include "parse/CharClass.h"

namespace qelunits_detail {
namespace {

// The whole text as one known name: a word by every rule of a name, or a spelling holding blanks or operators
// as it stands in the lexicon ("m/s", "sq ft"). The reader would read either the same way.
bool readKnownName(const wchar_t* text, std::size_t begin, std::size_t end, QelUnitExpression& out) {
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    std::uint32_t hash = kHashSeed;
    bool word = true;
    for (std::size_t i = begin; i < end; ++i) {
        hash = hashStep(hash, text[i]);
        word = word && !endsWord(text[i]);
    }
    if (begin == end) {
        return false;
    }
    const LexEntry* entry = findSpelling(text + begin, end - begin, hash);
    if (entry != nullptr && entry->plain != kNotPlain) {
        ExpressionAccess::type(out).set(static_cast<QelUnit::BuiltinUnits>(entry->plain), 1);
        return true;
    }
    if (entry == nullptr && !word) {
        return false;
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
