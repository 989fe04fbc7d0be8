// The terms the vocabulary and the units that take prefixes make, and the world's symbols of the catalogue
// units, built once on first use.

#include "parse/Terms.h"

#include "catalog/Constants.h"
#include "catalog/HashedTexts.h"
#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"
#include "common/Utf8.h"
#include "defs/DefinitionSet.h"
#include "defs/UserTerms.h"
#include "parse/ReadName.h"
#include "parse/Vocabulary.h"

#include <qelunits/QelUnitParser.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <optional>
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
    {QelUnit::technical_atmosphere, L"at"},
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

// Whether text reads back as expected, by the reader of expressions.
bool readsBackAs(const wchar_t* text, const QelUnitExpression& expected) {
    if (text == nullptr) {
        return false;
    }
    const QelUnitParseResult back = QelUnitParser::parseExpression(text);
    if (!back.ok()) {
        return false;
    }
    // Or the same amount in another catalogue unit: "g" is the catalogue's gram, where a prefixable row is
    // 0.001 kg.
    double factor = 0.0;
    return back.expression().isEqualTo(expected) ||
           (back.expression().isTemperatureDifference() == expected.isTemperatureDifference() &&
            back.expression().GetConversionFactor(expected, factor) == QelUnit::Ok && factor == 1.0);
}

QelUnitExpression expressionOf(const Meaning& meaning) {
    return QelUnitExpression(meaning.scale, typeOf(meaning), meaning.difference);
}

std::wstring wide(std::string_view text) {
    WideText decoded;
    std::size_t bad = 0;
    return decoded.decode(text, bad) ? std::wstring(decoded.view()) : std::wstring();
}

// The folded hash of a name, blanks read as underscores ("speed of light" is "speed_of_light").
std::uint32_t nameHash(const wchar_t* text, std::size_t length) {
    std::uint32_t hash = kHashSeed;
    for (std::size_t i = 0; i < length; ++i) {
        hash = hashStep(hash, text[i] == L' ' ? L'_' : text[i]);
    }
    return hash;
}

constexpr std::size_t kNameSlots = 512;

// While the terms are made, the reader they ask must not ask for them.
thread_local bool tBuilding = false;

// A name of a constant or a definition: matched in its own case where it is a symbol, in any where a name.
struct NamedEntry {
    std::wstring text;
    std::uint16_t id;
    bool exact;
};

struct Builtins {
    std::vector<Term> terms; // by id - kFirstTerm
    std::vector<int> symbolRank;
    std::uint16_t vocabulary[std::size(kVocabulary)] = {};
    std::uint16_t prefixable[std::size(kPrefixableUnits)] = {};
    std::string worldSymbols[kUnitCount];
    std::map<MeaningKey, std::uint16_t> byMeaning;
    std::vector<NamedEntry> names;        // of the constants
    std::vector<std::uint16_t> nameSlots; // open addressing by the folded hash: an index into names + 1, 0 empty

    std::uint16_t add(const QelUnitExpression& expansion, double uncertainty) {
        Term term;
        term.expansion = expansion;
        const QelUnitType& type = expansion.type();
        for (const QelUnitFactor& u : type) {
            for (std::size_t k = 0; k < qelunits::Dimension::kCount; ++k) {
                term.exponents[k] =
                    static_cast<std::int8_t>(term.exponents[k] + kUnitExponents.unit[u.unit][k] * u.power);
            }
        }
        term.value = definedFactor(expansion.scale(), type.begin(), type.size());
        term.uncertainty = definedUncertainty(type.begin(), type.size()) + uncertainty;
        const auto id = static_cast<std::uint16_t>(kFirstTerm + terms.size());
        terms.push_back(std::move(term));
        symbolRank.push_back(kNoSymbol);
        return id;
    }
    std::uint16_t add(const Meaning& meaning, double uncertainty) {
        const std::uint16_t id = add(expressionOf(meaning), uncertainty);
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

void addConstants(Builtins& b);

// The units that take prefixes and are no single catalogue unit, as terms.
void addPrefixable(Builtins& b) {
    for (std::size_t index = 0; index < std::size(kPrefixableUnits); ++index) {
        const auto row = static_cast<std::uint16_t>(index);
        const PrefixableUnit& unit = kPrefixableUnits[row];
        Meaning meaning = prefixedMeaningOf(row, kNoPrefix);
        meaning.origin = {};
        if (isOneUnit(meaning) && !meaning.difference) {
            b.prefixable[row] = static_cast<std::uint16_t>(meaning.units[0].unit);
            continue;
        }
        const auto known = b.byMeaning.find(keyOf(meaning));
        const std::uint16_t id = known != b.byMeaning.end() ? known->second : b.add(meaning, 0.0);
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
}

// The vocabulary's meanings that are no single catalogue unit nor a plain product of them, as terms.
void addVocabulary(Builtins& b) {
    for (std::size_t row = 0; row < std::size(kVocabulary); ++row) {
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
        const std::uint16_t id = known != b.byMeaning.end() ? known->second : b.add(meaning, entry.uncertainty);
        b.vocabulary[row] = id;
        if (entry.spelling == Spelling::Name) {
            b.name(id, entry.text);
        }
        b.offer(id, entry.text, entry.spelling == Spelling::Symbol ? 1 : 2);
    }
}

Builtins build() {
    Builtins b;
    addPrefixable(b);
    addVocabulary(b);
    addConstants(b);
    b.nameSlots.assign(kNameSlots, 0);
    for (std::size_t i = 0; i < b.names.size(); ++i) {
        std::size_t at = nameHash(b.names[i].text.data(), b.names[i].text.size()) & (kNameSlots - 1);
        while (b.nameSlots[at] != 0) {
            at = (at + 1) & (kNameSlots - 1);
        }
        b.nameSlots[at] = static_cast<std::uint16_t>(i + 1);
    }
    for (Term& term : b.terms) {
        if (term.symbol.empty()) { // no spelling reads back alone: its meaning does
            term.symbol = utf8(QelUnitParser::format(term.expansion).c_str());
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

// Each constant a term of its value in its unit, named by its name and its spellings: a spelling is a symbol
// (its own case), the name a name (any case, blanks for underscores).
void addConstants(Builtins& b) {
    for (const qelunits::Constant& constant : kConstantTable) {
        const QelUnitParseResult unit = QelUnitParser::parseExpressionUtf8(constant.unit);
        if (!unit) {
            continue; // every unit text reads; the tests say so
        }
        const QelUnitExpression expansion(unit.expression().scale() * constant.value, unit.expression().type());
        const std::uint16_t id = b.add(expansion, constant.uncertainty);
        Term& term = b.terms[id - kFirstTerm];
        term.name = constant.name;
        std::replace(term.name.begin(), term.name.end(), '_', ' ');
        b.names.push_back({wide(constant.name), id, false});
        // Written as its first spelling, which the reader reads as it; else by its name.
        term.symbol = constant.name;
        const std::string_view spellings = constant.spellings;
        for (std::size_t at = 0; at < spellings.size();) {
            const std::size_t end = std::min(spellings.find(' ', at), spellings.size());
            if (end > at) {
                b.names.push_back({wide(spellings.substr(at, end - at)), id, true});
                term.symbol = term.symbol == constant.name ? std::string(spellings.substr(at, end - at)) : term.symbol;
            }
            at = end + 1;
        }
        b.symbolRank[id - kFirstTerm] = 0;
    }
}

Builtins buildOnce() {
    tBuilding = true;
    Builtins b = build();
    tBuilding = false;
    return b;
}

const Builtins& builtins() {
    static const Builtins b = buildOnce();
    return b;
}

} // namespace

const Term* termOf(std::uint16_t id) noexcept {
    if (id >= kFirstUserTerm) {
        return userTermOf(id);
    }
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

std::uint16_t namedTerm(const wchar_t* name, std::size_t length) {
    if (tBuilding) {
        return kNoTerm;
    }
    const Builtins& b = builtins();
    const std::wstring_view text(name, length);
    for (std::size_t at = nameHash(name, length) & (kNameSlots - 1); b.nameSlots[at] != 0;
         at = (at + 1) & (kNameSlots - 1)) {
        const NamedEntry& entry = b.names[b.nameSlots[at] - 1U];
        if (entry.text.size() != length) {
            continue;
        }
        bool same = true; // a symbol in its own case, a name in any, a blank for an underscore
        for (std::size_t i = 0; i < length && same; ++i) {
            const wchar_t c = entry.exact ? text[i] : text[i] == L' ' ? L'_' : foldCase(text[i]);
            same = c == (entry.exact ? entry.text[i] : foldCase(entry.text[i]));
        }
        if (same) {
            return entry.id;
        }
    }
    return definedTerm(name, length);
}

const ExponentRow& exponentsOfId(std::uint16_t id) noexcept {
    const Term* term = termOf(id);
    return term != nullptr ? term->exponents : kUnitExponents.unit[id < kFirstTerm ? id : 0];
}

} // namespace qelunits_detail
