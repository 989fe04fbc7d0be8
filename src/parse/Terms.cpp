// The terms the vocabulary and the units that take prefixes make, and the world's symbols of the catalogue
// units, built once on first use.

#include "parse/Terms.h"

#include "catalog/UnitTable.h"
#include "common/Utf8.h"
#include "parse/ReadName.h"
#include "parse/Vocabulary.h"

#include <qelunits/QelUnitParser.h>

#include <cstring>
#include <iterator>
#include <map>
#include <tuple>
#include <vector>

namespace qelunits_detail {
namespace {

// The symbols the world writes where the catalogue abbreviates otherwise ("sec", "hr", "kWH", "l", "°K"). Each
// reads back as its unit; elsewhere the shortest catalogue text that does.
// clang-format off
constexpr std::pair<QelUnit::BuiltinUnits, const wchar_t*> kWorldSymbols[] = {
    {QelUnit::second, L"s"}, {QelUnit::kelvin, L"K"}, {QelUnit::hour, L"h"}, {QelUnit::liter, L"L"},
    {QelUnit::kilowatt_hour, L"kWh"}, {QelUnit::angle_degree, L"\u00B0"}, {QelUnit::angle_minute, L"arcmin"},
    {QelUnit::angle_second, L"arcsec"}, {QelUnit::grad, L"gon"}, {QelUnit::standard_atmosphere, L"atm"},
    {QelUnit::horse_power, L"hp"}, {QelUnit::intl_british_thermal_unit, L"Btu"}, {QelUnit::torr, L"Torr"},
    {QelUnit::intl_british_thermal_unit_per_hour, L"Btu/h"}, {QelUnit::intl_british_thermal_unit_per_second, L"Btu/s"},
    {QelUnit::newton_meter, L"N\u00B7m"}, {QelUnit::foot_pound_force, L"lbf\u00B7ft"}, {QelUnit::kilogram_force_meter, L"kgf\u00B7m"},
    {QelUnit::millimeter_of_mercury, L"mmHg"}, {QelUnit::inch_of_mercury, L"inHg"}, {QelUnit::slug, L"slug"},
    {QelUnit::knot, L"kn"}, {QelUnit::tonne, L"t"}, {QelUnit::ton, L"ton"}, {QelUnit::caliber, L"caliber"},
    {QelUnit::meter_per_second_squared, L"m/s\u00B2"}, {QelUnit::foot_per_second_squared, L"ft/s\u00B2"},
    {QelUnit::foot_per_minute, L"ft/min"}, {QelUnit::cubic_meter_per_hour, L"m\u00B3/h"},
    {QelUnit::cubic_foot_per_minute, L"ft\u00B3/min"}, {QelUnit::cubic_foot_per_hour, L"ft\u00B3/h"},
    {QelUnit::us_gallon_per_minute, L"gal/min"}, {QelUnit::us_gallon_per_hour, L"gal/h"},
    {QelUnit::us_gallon_per_second, L"gal/s"}, {QelUnit::us_gallon_per_day, L"gal/d"},
    {QelUnit::kilometer_per_hour, L"km/h"}, {QelUnit::kilometer_per_second, L"km/s"}, {QelUnit::mile_per_hour, L"mph"},
    {QelUnit::meter_per_hour, L"m/h"}, {QelUnit::foot_per_hour, L"ft/h"}, {QelUnit::inch_per_hour, L"in/h"},
    {QelUnit::inch_per_second, L"in/s"}, {QelUnit::liter_per_second, L"L/s"}, {QelUnit::liter_per_minute, L"L/min"},
    {QelUnit::liter_per_hour, L"L/h"}, {QelUnit::liter_per_day, L"L/d"}, {QelUnit::cubic_meter_per_second, L"m\u00B3/s"},
    {QelUnit::cubic_foot_per_second, L"ft\u00B3/s"}, {QelUnit::kilogram_per_cubic_meter, L"kg/m\u00B3"},
};
// clang-format on

std::string utf8(const wchar_t* text) {
    std::string out;
    appendUtf8(out, text);
    return out;
}

// A meaning, its origin left out, as a key of the map from meanings to terms.
using MeaningKey = std::tuple<double, int, int, int, int, int, int, bool>;

MeaningKey keyOf(const Meaning& m) {
    return {m.scale,          m.units[0].unit, m.units[0].power, m.units[1].unit,
            m.units[1].power, m.units[2].unit, m.units[2].power, m.difference};
}

// Whether text reads back as meaning, by the reader of expressions.
bool readsBackAs(const wchar_t* text, const Meaning& meaning) {
    if (text == nullptr) {
        return false;
    }
    const QelUnitParseResult back = QelUnitParser::parseExpression(text);
    const QelUnitExpression expected(meaning.scale, typeOf(meaning), meaning.difference);
    return back.ok() && back.expression().isEqualTo(expected);
}

struct Builtins {
    std::vector<Term> terms; // by id - kFirstTerm
    std::vector<int> symbolRank;
    std::uint16_t vocabulary[std::size(kVocabulary)] = {};
    std::uint16_t prefixable[std::size(kPrefixableUnits)] = {};
    std::string worldSymbols[kUnitCount];
    std::map<MeaningKey, std::uint16_t> byMeaning;

    std::uint16_t add(const Meaning& meaning) {
        Term term;
        term.expansion = meaning;
        term.expansion.origin = {};
        std::size_t count = 0;
        QelUnitFactor units[kMeaningUnits];
        for (const QelUnitFactor& u : meaning.units) {
            if (u.power == 0) {
                break;
            }
            units[count++] = u;
            for (std::size_t k = 0; k < qelunits::Dimension::kCount; ++k) {
                term.exponents[k] =
                    static_cast<std::int8_t>(term.exponents[k] + kUnitExponents.unit[u.unit][k] * u.power);
            }
        }
        term.value = definedFactor(meaning.scale, units, count);
        term.uncertainty = definedUncertainty(units, count);
        const auto id = static_cast<std::uint16_t>(kFirstTerm + terms.size());
        terms.push_back(std::move(term));
        symbolRank.push_back(kNoSymbol);
        byMeaning.emplace(keyOf(meaning), id);
        return id;
    }

    // The first symbol that reads back, of the best rank: a symbol that takes prefixes, one of the vocabulary, a
    // name.
    void offer(std::uint16_t id, const wchar_t* text, int rank) {
        Term& term = terms[id - kFirstTerm];
        int& best = symbolRank[id - kFirstTerm];
        if (rank < best && readsBackAs(text, term.expansion)) {
            term.symbol = utf8(text);
            best = rank;
        }
    }
    void name(std::uint16_t id, const wchar_t* text) {
        Term& term = terms[id - kFirstTerm];
        if (term.name.empty() && text != nullptr) {
            term.name = utf8(text);
        }
    }

    static constexpr int kNoSymbol = 4;
};

Builtins build() {
    Builtins b;
    for (std::uint16_t row = 0; row < std::size(kPrefixableUnits); ++row) {
        const PrefixableUnit& unit = kPrefixableUnits[row];
        Meaning meaning = prefixedMeaningOf(row, kNoPrefix);
        meaning.origin = {};
        if (isOneUnit(meaning) && !meaning.difference) {
            b.prefixable[row] = static_cast<std::uint16_t>(meaning.units[0].unit);
            continue;
        }
        const auto known = b.byMeaning.find(keyOf(meaning));
        const std::uint16_t id = known != b.byMeaning.end() ? known->second : b.add(meaning);
        b.prefixable[row] = id;
        b.terms[id - kFirstTerm].prefixRow = row;
        for (const wchar_t* symbol : unit.symbols) {
            b.offer(id, symbol, 0);
        }
        for (const wchar_t* name : unit.names) {
            b.name(id, name);
            b.offer(id, name, 2);
        }
    }
    for (std::uint16_t row = 0; row < std::size(kVocabulary); ++row) {
        const VocabularyEntry& entry = kVocabulary[row];
        b.vocabulary[row] = kNoTerm;
        const Meaning& meaning = entry.meaning;
        if (entry.spelling == Spelling::Refused || meaning.difference || isOneUnit(meaning)) {
            continue;
        }
        const auto known = b.byMeaning.find(keyOf(meaning));
        if (known == b.byMeaning.end() && meaning.scale == 1.0) {
            continue; // a product of catalogue units is kept as one
        }
        const std::uint16_t id = known != b.byMeaning.end() ? known->second : b.add(meaning);
        b.vocabulary[row] = id;
        if (entry.spelling == Spelling::Name) {
            b.name(id, entry.text);
        }
        b.offer(id, entry.text, entry.spelling == Spelling::Symbol ? 1 : 2);
    }
    for (Term& term : b.terms) {
        if (term.symbol.empty()) { // no spelling reads back alone: its meaning does
            term.symbol = utf8(QelUnitParser::format(QelUnitExpression(term.expansion.scale, typeOf(term.expansion),
                                                                       term.expansion.difference))
                                   .c_str());
        }
        if (term.name.empty()) {
            term.name = term.symbol;
        }
    }
    for (int unit = 0; unit < kUnitCount; ++unit) {
        b.worldSymbols[unit] = utf8(QelUnitParser::unitText(static_cast<QelUnit::BuiltinUnits>(unit)));
    }
    for (const auto& [unit, symbol] : kWorldSymbols) {
        b.worldSymbols[unit] = utf8(symbol);
    }
    return b;
}

const Builtins& builtins() {
    static const Builtins b = build();
    return b;
}

} // namespace

const Term* termOf(std::uint16_t id) noexcept {
    const Builtins& b = builtins();
    const std::size_t index = static_cast<std::size_t>(id) - kFirstTerm;
    return id >= kFirstTerm && index < b.terms.size() ? &b.terms[index] : nullptr;
}

std::uint16_t vocabularyTerm(std::uint16_t row) noexcept { return builtins().vocabulary[row]; }

std::uint16_t prefixableTerm(std::uint16_t row) noexcept { return builtins().prefixable[row]; }

const std::string& worldSymbol(std::uint16_t unit) { return builtins().worldSymbols[unit]; }

const std::string& symbolOf(std::uint16_t id) {
    const Term* term = termOf(id);
    return term != nullptr ? term->symbol : worldSymbol(id);
}

const ExponentRow& exponentsOfId(std::uint16_t id) noexcept {
    const Term* term = termOf(id);
    return term != nullptr ? term->exponents : kUnitExponents.unit[id < kFirstTerm ? id : 0];
}

} // namespace qelunits_detail
