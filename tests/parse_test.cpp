#include "parse/Read.h"
#include "parse/Vocabulary.h"
#include "test_helpers.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Q = QelUnit;
using U = QelUnit::BuiltinUnits;
using E = QelUnitParseResult::Error;
using qelunits_test::entries;
using qelunits_test::Entries;
using qelunits_test::read;
using qelunits_test::withCase;

std::wstring repeat(const wchar_t* text, int times) {
    std::wstring out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

// Catalogue names taken whole are tried by the catalogue walk below; here, how texts combine, and their scales:
// case is folded only where every spelling means the same; prefixes apply to SI units and names only; numbers
// scale the expression.
TEST(Parse, TextsMeanAScaleAndUnits) {
    const std::tuple<std::vector<std::wstring>, double, Entries> cases[] = {
        // Operators: '*', '/', '·', '.' and blanks left to right; '-', no blank after an exponent, and a
        // number before a unit tighter; exponents tightest.
        {{L"kg*m/s^2", L"kg · m / s ** 2", L"kg\t*\rm /\ns**2"},
         1.0,
         {{Q::kilogram, 1}, {Q::meter, 1}, {Q::second, -2}}},
        {{L"W/(m²·K)", L"W/(m² K)"}, 1.0, {{Q::kelvin, -1}, {Q::watt, 1}, {Q::square_meters, -1}}},
        {{L"W/m*K", L"W/m.K"}, 1.0, {{Q::meter, -1}, {Q::kelvin, 1}, {Q::watt, 1}}},
        {{L"m.m.m/m.m", L"m^2 m^2/m"}, 1.0, {{Q::meter, 3}}},
        {{L"W/m2K"}, 1.0, {{Q::meter, -2}, {Q::kelvin, -1}, {Q::watt, 1}}},
        {{L"BTU/hr-ft2-°F"},
         1.0,
         {{Q::foot, -2}, {Q::hour, -1}, {Q::intl_british_thermal_unit, 1}, {Q::fahrenheit, -1}}},
        {{L"m/s²", L"m·s⁻²", L"metres per second squared", L"metre_per_second/s"},
         1.0,
         {{Q::meter, 1}, {Q::second, -2}}},
        {{L"1/m/s", L"/m/s", L"1 / m/s"}, 1.0, {{Q::meter, -1}, {Q::second, -1}}}, // a/b/c is a/(b·c), not a/(b/c)
        {{L"m/s-kg"}, 1.0, {{Q::kilogram, -1}, {Q::meter, 1}, {Q::second, -1}}},   // "m/s" not read whole here
        {{L"m/s*kg"}, 1.0, {{Q::kilogram, 1}, {Q::meter_per_second, 1}}},
        {{L"C/kg", L"(C)/kg"}, 1.0, {{Q::kilogram, -1}, {Q::second, 1}, {Q::ampere, 1}}}, // refused alone only
        {{L"C·V", L"V*C"}, 1.0, {{Q::second, 1}, {Q::ampere, 1}, {Q::volt, 1}}},          // no heat beside it
        {{L"/s", L"per second", L"s^-1", L"second**(-1)", L"s^( -1 )"}, 1.0, {{Q::second, -1}}},
        {{L"feets", L"FEET"}, 1.0, {{Q::foot, 1}}}, // a name with an s too many, as other readers take it
        {{L"hertzes"}, 1.0, {{Q::hertz, 1}}},       // or an es
        {{L"luxs"}, 1.0, {{Q::lux, 1}}},            // from four letters on
        {{L"foot" + repeat(L"_foot", 20) + repeat(L"_meter", 4)},
         1.0,
         {{Q::meter, 4}, {Q::foot, 21}}},                                              // 128 characters
        {{L"metric horsepowers", L"(metric horsepowers)"}, 735.49875, {{Q::watt, 1}}}, // also one with a blank
        // "ft-lbf" is not read whole before an exponent.
        {{L"ft-lbf^2", L"ft-lbf squared", L"ft-lbf2", L"ft-lbf**2"}, 1.0, {{Q::foot, 1}, {Q::pound_force, 2}}},
        {{L"sq ft*h"}, 1.0, {{Q::square_foot, 1}, {Q::hour, 1}}},
        {{L"(m/s)^2"}, 1.0, {{Q::meter_per_second, 2}}},
        {{L"(Kn(UK))^-1"}, 1.0, {{Q::knot_UK, -1}}},
        {{L"1", L"m/m", L"m^0", L"Unitless"}, 1.0, {}},
        {{L"Unitless/m"}, 1.0, {{Q::meter, -1}}},
        // Scientific notation: words side by side multiply, digits after a unit raise it.
        {{L"m s-1", L"m.s-1"}, 1.0, {{Q::meter, 1}, {Q::second, -1}}},
        {{L"N-mm"}, 1.0, {{Q::newton, 1}, {Q::millimeter, 1}}},
        // A modifier inside the deepest parentheses allowed.
        {{L"m^+2", std::wstring(63, L'(') + L"square metres" + std::wstring(63, L')'),
          std::wstring(63, L'(') + L"square_metres" + std::wstring(63, L')')},
         1.0,
         {{Q::meter, 2}}},
        {{L"ft2", L"sq. ft."}, 1.0, {{Q::foot, 2}}},
        {{L"ft³"}, 1.0, {{Q::cubic_foot, 1}}}, // a unit of its own
        {{L"ft^3"}, 1.0, {{Q::foot, 3}}},
        {{L"cu.in"}, 1.0, {{Q::inches, 3}}},
        // Names of words keep their blanks and exponent; aliases, words for operators.
        {{L"  us ft "}, 1.0, {{Q::survey_foot, 1}}},
        {{L"us ft^2"}, 1.0, {{Q::survey_foot, 2}}},
        {{L"KNOT_uk"}, 1.0, {{Q::knot_UK, 1}}},
        {{L"ft./s", L"ft. per s"}, 1.0, {{Q::second, -1}, {Q::foot, 1}}},
        {{L"miles per hour", L"mph"}, 1.0, {{Q::mile_per_hour, 1}}},
        {{L"Nm"}, 1.0, {{Q::newton_meter, 1}}},
        {{L"degC", L"deg C", L"° C", L"degree_Celsius", L"delta_degC", L"Δ°C"}, 1.0, {{Q::celsius, 1}}},
        // Underscores as blanks; a qualifier picks a kind of unit.
        {{L"kilogram_per_square_metre", L"kg m^-2"}, 1.0, {{Q::kilogram, 1}, {Q::meter, -2}}},
        {{L"US_survey_foot"}, 1.0, {{Q::survey_foot, 1}}}, // one name: "US" alone is no unit
        {{L"gal (UK)", L"gal(UK)", L"gal ( uk )", L"UK gal"}, 1.0, {{Q::imp_gallon, 1}}},
        {{L"kilojoule_per_kilogram", L"kJ/kg"}, 1e3, {{Q::kilogram, -1}, {Q::joule, 1}}}, // a prefixed name
        {{L"joule_per_kilokelvin"}, 1e-3, {{Q::kelvin, -1}, {Q::joule, 1}}},              // also further on
        {{L"mi/gal (UK)", L"mi/UK gal"}, 1.0, {{Q::mile, 1}, {Q::imp_gallon, -1}}},       // a qualifier further on
        {{L"°"}, 1.0, {{Q::angle_degree, 1}}},
        // Scales: prefixes, names in any case, numbers.
        {{L"KILOJOULE"}, 1e3, {{Q::joule, 1}}},
        {{L"megawatts"}, 1e6, {{Q::watt, 1}}},
        {{L"1e3 m"}, 1e3, {{Q::meter, 1}}},
        {{L"2.5ft"}, 2.5, {{Q::foot, 1}}},
        {{L"10^-6 m", L"sq 10^-3 m"}, 1e-6, {{Q::meter, 1}}}, // a modifier raises a number too
        {{L"%/K"}, 0.01, {{Q::kelvin, -1}}},
        {{L"L/100 km", L"L/100km"}, 0.01, {{Q::kilometer, -1}, {Q::liter, 1}}},
        // Long inputs are read to the end without deep recursion.
        {{L"m" + repeat(L"*m/m", 50000), std::wstring(64, L'(') + L"m" + std::wstring(64, L')')}, 1.0, {{Q::meter, 1}}},
        {{L"m^-1000"}, 1.0, {{Q::meter, -1000}}},
        {{L"cu sq s", L"s⁶"}, 1.0, {{Q::second, 6}}},
        {{L"m⁴", L"m^4"}, 1.0, {{Q::meter, 4}}}, // superscripts at either end of their block
        {{L"s⁻¹⁰⁹"}, 1.0, {{Q::second, -109}}},
        // A number of 128 characters is read (the sanitizer build watches its copy).
        {{L"2." + std::wstring(126, L'0') + L" m"}, 2.0, {{Q::meter, 1}}}};
    for (const auto& [texts, scale, units] : cases) {
        for (const std::wstring& text : texts) {
            SCOPED_TRACE(qelunits::toUtf8(text));
            const QelUnitExpression e = read(text);
            EXPECT_EQ(e.scale(), scale);
            EXPECT_EQ(entries(e.type()), units);
        }
    }
}

TEST(Parse, RefusedReadings) {
    // A symbol is read in its own case only; no prefix on a scale with an offset, on a unit outside the SI,
    // nor twice.
    const std::pair<E, std::vector<const wchar_t*>> refused[] = {
        {E::WrongCase, {L"mpa", L"MM", L"GM", L"kpa", L"MIN", L"n", L"KN"}},
        // kg_m is no product kg·m, meter_ no name, mss no plural of ms, footas none at all ("footes" is one).
        {E::UnknownUnit, {L"kGm", L"ft (troy)", L"kg_m", L"meter_", L"mss", L"m°C", L"kft", L"kilofoot", L"footas"}},
        // kg/m·s is not the name "kg/m", then s; after a group as after a unit.
        {E::AmbiguousProduct, {L"J/kg K", L"W/m·K", L"/s m", L"kg/m·s", L"m/s kg", L"kg/(m) s", L"W/kilogram_meter K"}},
        {E::BadExponent, {L"m^(2"}},
        // A symbol refused alone is refused beside a unit of energy or power too, where it is mostly °C, °F, hours
        // or seconds; and alone in parentheses.
        {E::RefusedUnit, {L"C", L"J/g-C", L"Btu/(lb F)", L"hr-ft2-F/Btu", L"BTU/H", L"W·S", L"W/m2-C", L"(C)"}},
        {E::NumberOutOfRange, {L"1e400 m", L"1e300 1e300"}},
        {E::UnexpectedText, {L"2. m"}}};
    for (const auto& [error, texts] : refused) {
        for (const wchar_t* text : texts) {
            EXPECT_EQ(QelUnitParser::parseExpression(text).error(), error) << qelunits::toUtf8(text);
        }
    }
}

// Every prefix, by symbol and by word, on units of every power of ten in their catalogue unit (the gram
// 1e-3 kg, the poise 0.1 Pa·s, the galileo 0.01 m/s²): one correctly rounded power of ten.
TEST(Parse, EveryPrefixScalesByItsPowerOfTen) {
    const std::tuple<const wchar_t*, const wchar_t*, int> prefixes[] = {
        {L"q", L"quecto", -30},   {L"r", L"ronto", -27},   {L"y", L"yocto", -24}, {L"z", L"zepto", -21},
        {L"a", L"atto", -18},     {L"f", L"femto", -15},   {L"p", L"pico", -12},  {L"n", L"nano", -9},
        {L"u", L"micro", -6},     {L"m", L"milli", -3},    {L"c", L"centi", -2},  {L"d", L"deci", -1},
        {L"da", L"deka", 1},      {L"h", L"hecto", 2},     {L"k", L"kilo", 3},    {L"M", L"mega", 6},
        {L"G", L"giga", 9},       {L"T", L"tera", 12},     {L"P", L"peta", 15},   {L"E", L"exa", 18},
        {L"Z", L"zetta", 21},     {L"Y", L"yotta", 24},    {L"R", L"ronna", 27},  {L"Q", L"quetta", 30},
        {L"\u00B5", nullptr, -6}, {L"\u03BC", nullptr, -6}};
    for (const auto& [symbol, word, exponent] : prefixes) {
        for (const auto& [unit, offset, type] : {std::tuple{L"lx", 0, Entries{{QelUnit::lux, 1}}},
                                                 {L"g", -3, Entries{{QelUnit::kilogram, 1}}},
                                                 {L"poise", -1, Entries{{QelUnit::second, 1}, {QelUnit::pascals, 1}}},
                                                 {L"galileo", -2, Entries{{QelUnit::meter_per_second_squared, 1}}}}) {
            const bool byName = std::wstring(unit).size() > 2;
            const std::wstring text = std::wstring(byName ? (word == nullptr ? L"micro" : word) : symbol) + unit;
            SCOPED_TRACE(qelunits::toUtf8(text));
            const QelUnitParseResult r = QelUnitParser::parseExpression(text);
            EXPECT_EQ(entries(r.type()), type);
            EXPECT_EQ(r.scale(), std::stod("1e" + std::to_string(exponent + offset)));
        }
    }
}

// True when a row of the vocabulary spells text: in its own case, or folded for a name.
bool spelledByVocabulary(const std::wstring& text) {
    return std::any_of(std::begin(qelunits_detail::kVocabulary), std::end(qelunits_detail::kVocabulary),
                       [&text](const qelunits_detail::VocabularyEntry& row) {
                           return row.spelling == qelunits_detail::Spelling::Name
                                      ? withCase(row.text, 0) == withCase(text, 0)
                                      : text == row.text;
                       });
}

// Every catalogue text reads as its preferred unit, unscaled, unless a row of the
// vocabulary spells it: no prefixed reading shadows one. Every spelling of the
// vocabulary reads as its row.
TEST(Parse, EveryCatalogueTextAndEverydaySpellingReadsAsItself) {
    std::vector<std::wstring> names = {L"s", L"K", L"degC", L"k", L"fot", L"", L"m/s^2"};
    for (const auto& [unit, field, text] : qelunits_test::catalogueTexts()) {
        const U own = unit;
        if (own == QelUnit::dimensionless) {
            continue;
        }
        SCOPED_TRACE(qelunits::toUtf8(text));
        const QelUnitCandidates found = QelUnitParser::candidates(text);
        ASSERT_NE(found.count, 0U);
        EXPECT_TRUE(std::any_of(found.items, found.items + found.count,
                                [own](const QelUnitCandidate& c) { return c.unit == own; }));
        if (!spelledByVocabulary(text)) { // a row gives it the meaning the references give it ("cal", "t")
            EXPECT_TRUE(read(text).isEqualTo(QelUnitExpression(QelUnitType(found.items[0].unit))));
        }
        names.insert(names.end(), {text, withCase(text, 0), withCase(text, 1)});
    }
    for (const qelunits_detail::VocabularyEntry& entry : qelunits_detail::kVocabulary) {
        SCOPED_TRACE(qelunits::toUtf8(entry.text));
        const QelUnitParseResult r = QelUnitParser::parseExpression(entry.text);
        const bool refused = entry.spelling == qelunits_detail::Spelling::Refused ||
                             entry.spelling == qelunits_detail::Spelling::RefusedAlone;
        EXPECT_EQ(r.error(), refused ? E::RefusedUnit : E::None);
        EXPECT_EQ(r.scale(), refused ? 1.0 : entry.meaning.scale);
        names.emplace_back(entry.text);
    }
    // resolveName is the parser's reading when that is one unit, and then the first candidate.
    for (const std::wstring& name : names) {
        SCOPED_TRACE(qelunits::toUtf8(name));
        const QelUnitCandidates all = QelUnitParser::candidates(name);
        U unit = QelUnit::meter;
        const bool found = QelUnitParser::resolveName(name, unit);
        const QelUnitParseResult r = QelUnitParser::parseExpression(name);
        EXPECT_EQ(found, r.ok() && r.scale() == 1.0 && r.type().size() == 1 && r.type()[0].power == 1);
        EXPECT_EQ(unit, found ? all.items[0].unit : QelUnit::dimensionless);
        // In parentheses a name goes through the reader's tokens, not the lookup in front: the same reading.
        const QelUnitParseResult grouped = QelUnitParser::parseExpression(L"(" + name + L")");
        EXPECT_TRUE(r.ok() ? grouped.ok() && grouped.expression().isEqualTo(r.expression()) : !grouped.ok());
    }
}

// The lookup in front gives exactly what the reader gives: over random texts, and over every catalogue and
// vocabulary text divided by others and by itself (two words around '/' are read without the reader's tokens).
TEST(Parse, TheLookupInFrontAgreesWithTheReader) {
    std::vector<std::wstring> words = {L"s", L"h", L"kJ", L"us", L"sq", L"per", L"2", L"(m)", L"--", L"C", L""};
    for (const auto& [unit, field, text] : qelunits_test::catalogueTexts()) {
        words.insert(words.end(), {text, withCase(text, 1)});
    }
    for (const auto& row : qelunits_detail::kVocabulary) {
        words.emplace_back(row.text);
    }
    const auto agree = [](const std::wstring& text) {
        QelUnitExpression quick;
        QelUnitExpression grammar;
        qelunits_detail::ParseFailure failure;
        if (qelunits_detail::readText(text.data(), 0, text.size(), quick, failure)) {
            ASSERT_TRUE(qelunits_detail::readByGrammar(text.data(), 0, text.size(), grammar, failure))
                << qelunits::toUtf8(text);
            ASSERT_TRUE(quick.isEqualTo(grammar)) << qelunits::toUtf8(text);
        }
    };
    const auto quotient = [](std::wstring a, const std::wstring& b) { return a.append(L"/").append(b); };
    for (const std::wstring& word : words) {
        for (const std::wstring& other : {std::wstring(L"min"), std::wstring(L"kg"), std::wstring(L"C"), word}) {
            agree(quotient(word, other));
            agree(quotient(other, word));
        }
    }
    const wchar_t* joints[] = {L"/", L"*", L"\u00B7", L"\u22C5", L"\u00D7", L"/", L"**", L" ", L"-", L".", L"^"};
    const wchar_t* exponents[] = {L"",   L"",  L"",     L"^2",    L"^-3", L"^+1",         L"\u00B2", L"\u207B\u00B9",
                                  L"^0", L"2", L"^2.5", L"^1001", L"^ 2", L"\u00B3\u00B2"};
    std::mt19937 random(17);
    for (int i = 0; i < 40000; ++i) {
        std::wstring text;
        for (auto n = 1 + random() % 4; n > 0; --n) {
            text += (text.empty() ? L"" : joints[random() % std::size(joints)]) + words[random() % words.size()] +
                    exponents[random() % std::size(exponents)];
        }
        agree(text);
    }
}

// A view ends where its length says, not at a terminator: every cut of these texts reads as the same text
// copied, though the character after the cut is a digit, a sign, a blank or a letter; so does every catalogue
// and vocabulary text followed by a letter or a digit, and with an s too many before the letter.
TEST(Parse, AViewIsReadToItsLengthOnly) {
    const auto same = [](std::wstring_view whole, std::size_t cut) {
        const std::wstring_view view = whole.substr(0, cut);
        const QelUnitParseResult a = QelUnitParser::parseExpression(view);
        const QelUnitParseResult b = QelUnitParser::parseExpression(std::wstring(view));
        EXPECT_TRUE(a.ok() ? b.ok() && a.expression().isEqualTo(b.expression())
                           : a.error() == b.error() && a.position() == b.position())
            << qelunits::toUtf8(std::wstring(view)) << '|';
        EXPECT_STREQ(QelUnitParser::notes(view), QelUnitParser::notes(std::wstring(view)));
        EXPECT_STREQ(a.message(), b.message()); // a token that ran past the view would be quoted whole
    };
    const wchar_t* texts[] = {L"  m  s",        L"m-2",       L"km2 kg",         L"ft^-2/s",        L"kg/m s-1",
                              L"m\u00B2\u00B3", L"sq ft2",    L"degree Celsius", L"kJ/(kg\u00B7K)", L"1/2 m",
                              L"m**-3",         L"kilo gram", L"gal (US)",       L"m/25",           L"m/s-kg",
                              L"kg/m\u00B7s",   L"ft**2",     L"m^2.55"};
    for (const wchar_t* text : texts) {
        for (std::size_t cut = 0; cut <= std::wcslen(text); ++cut) {
            same(text, cut);
        }
    }
    std::vector<std::wstring> words;
    for (const auto& [unit, field, text] : qelunits_test::catalogueTexts()) {
        words.emplace_back(text);
    }
    for (const auto& row : qelunits_detail::kVocabulary) {
        words.emplace_back(row.text);
    }
    const std::pair<const wchar_t*, std::size_t> endings[] = {
        {L"x", 0}, {L"2", 0}, {L"es", 0}, {L"es", 1}, {L"sx", 1}, {L"-2", 1}, {L"-x", 1}, {L"**", 1}, {L" ^", 1}};
    for (const std::wstring& word : words) {
        for (const auto& [after, kept] : endings) {
            same(word + after, word.size() + kept);
        }
    }
    // UTF-8 views around the length the decoder keeps on the stack, each followed by more ASCII.
    const std::string text = "m" + std::string(126, ' ') + "s2 kg";
    for (std::size_t cut = 127; cut <= 129; ++cut) {
        SCOPED_TRACE(cut);
        const QelUnitParseResult view = QelUnitParser::parseExpressionUtf8(std::string_view(text).substr(0, cut));
        const QelUnitParseResult copy = QelUnitParser::parseExpressionUtf8(text.substr(0, cut));
        ASSERT_TRUE(view.ok() && copy.ok());
        EXPECT_TRUE(view.expression().isEqualTo(copy.expression()));
    }
}

// The parser's reading first (the catalogue walk checks that resolveName gives the first candidate), then
// the others by preference; a name that matches only with case folded lists its readings by preference alone.
TEST(Parse, SharedNamesFavourTheEverydayUnitAndListEveryCandidate) {
    const std::pair<const wchar_t*, std::vector<U>> cases[] = {
        {L"min", {QelUnit::minute, QelUnit::minim}},
        {L"MIN", {QelUnit::minute, QelUnit::minim}}, // the reading stays first, though the minim sorts before it
        {L"m", {QelUnit::meter, QelUnit::angle_minute}},
        {L"Minute", {QelUnit::minute, QelUnit::angle_minute}},
        {L"cal", {QelUnit::caliber, QelUnit::intl_calorie}},
        {L"KN", {QelUnit::kilonewton, QelUnit::knot}},
        {L"M", {QelUnit::millenium}}, // a symbol of one character only in exact case
        {L"sq mi", {QelUnit::square_mile, QelUnit::square_mile_statute}}, // the international one, as everywhere
        {L"gm", {QelUnit::gram, QelUnit::gigameter}},
        {L"s", {QelUnit::second}}};
    for (const auto& [name, expected] : cases) {
        const QelUnitCandidates all = QelUnitParser::candidates(name);
        std::vector<U> units;
        std::transform(all.begin(), all.end(), std::back_inserter(units), [](const auto& c) { return c.unit; });
        EXPECT_EQ(units, expected) << qelunits::toUtf8(name);
    }
    // The first kind that matched stays, unless a later one matches in exact case.
    EXPECT_EQ(QelUnitParser::candidates(std::wstring_view(L"kilogram/s", 8)).items[0].matched, QelUnit::InternalName);
    EXPECT_EQ(QelUnitParser::candidates(L"Kilogram").items[0].matched, QelUnit::SingularName);
    EXPECT_EQ(QelUnitParser::candidates(L"KILOGRAM").items[0].matched, QelUnit::Abbreviation); // the parser's reading
    EXPECT_TRUE(QelUnitParser::candidates(L"s").items[0].alias);
    EXPECT_FALSE(QelUnitParser::candidates(L"min").items[0].alias);
    // A kept spelling carries its note.
    EXPECT_STREQ(QelUnitParser::candidates(L"cwt").note,
                 L"'cwt' is the short hundredweight (100 lb) here; the long one (112 lb) is 'long cwt' or 'UK cwt'");
    EXPECT_STREQ(
        QelUnitParser::notes(L"kg/cwt/mil*cwt"), // each note once
        L"'cwt' is the short hundredweight (100 lb) here; the long one (112 lb) is 'long cwt' or 'UK cwt'; "
        L"'mil' is a thousandth of an inch here; the angular mils are 'mil nato', 'mil sweden' and 'mil soviet union'");
    EXPECT_STREQ(QelUnitParser::notes(L"Ton"), L""); // the name, not the short spelling
    EXPECT_EQ(QelUnitParser::candidates(L"tonne").note, nullptr);
}

// Spellings the references or their users read in more than one way: each, read by the value API, against its
// definition in SI (GNU units, UDUNITS-2, Pint, NIST SP 811), and the expression reader reading it alike.
TEST(Parse, DisputedSpellingsReadAsTheReferencesHaveThem) {
    constexpr double kPi = 3.141592653589793;
    constexpr double kJulianYear = 365.25 * 86400.0;
    const std::tuple<const char*, double, const char*> rows[] = {
        {"At", 1.0, "A"},                                      // the ampere-turn (Pint)
        {"at", 98066.5, "Pa"},                                 // the technical atmosphere, 1 kgf/cm² (all three)
        {"nt", 1.0, "cd/m\u00B2"},                             // the nit (UDUNITS-2)
        {"hbar", 6.62607015e-34 / (2 * kPi), "J*s"},           // h/2π (GNU units, Pint)
        {"pole", 16.5 * 0.3048, "m"},                          // the rod (GNU units, Pint)
        {"st", 14.0 * 0.45359237, "kg"},                       // the stone
        {"pt", 231.0 * 0.0254 * 0.0254 * 0.0254 / 8.0, "m^3"}, // the US liquid pint (all three)
        {"mG", 1e-7, "T"},                                     // the milligauss (Pint)
        // The year by text is the Julian year (IAU, Pint); the catalogue's years by their names.
        {"yr", kJulianYear, "s"},
        {"a", kJulianYear, "s"},
        {"year", kJulianYear, "s"},
        {"kg/a", 1.0 / kJulianYear, "kg/s"},
        {"Ma", 1e6 * kJulianYear, "s"},
        {"mo", kJulianYear / 12.0, "s"},
        {"century", 100.0 * kJulianYear, "s"},
        {"sidereal year", 365.256363004 * 86400.0, "s"},
        {"tropical year", 365.242198781 * 86400.0, "s"},
        {"tropical century", 36524.2198781 * 86400.0, "s"},
        {"lb-mol/lbm", 1000.0, "mol/kg"},   // a pound-mole per pound
        {"Inch of Water", 249.08891, "Pa"}, // the conventional column (NIST SP 811, GNU units)
        {"inches_H2O_39F", 0.0254 * 999.972 * 9.80665, "Pa"},
        {"point", 0.0254 / 72.0, "m"}, // PostScript's and CSS's point and pica (Pint)
        {"12 point", 0.0254 / 6.0, "m"},
        {"tex_point", 0.0254 / 72.27, "m"}, // TeX's (Pint)
        {"klbf", 1000 * 0.45359237 * 9.80665, "N"},
        {"\u2127", 1.0, "siemens"},
        {"water_horsepower", 746.043, "W"}, // UDUNITS-2, GNU units
        {"emu", 1e-3, "A*m^2"},
        {"kt TNT", 4.184e12, "J"},
        {"bbl (US)", 42 * 231 * 0.0254 * 0.0254 * 0.0254, "m^3"},
    };
    for (const auto& [text, value, si] : rows) {
        SCOPED_TRACE(text);
        const qelunits::Result<qelunits::Unit> unit = qelunits::Unit::parse(text);
        ASSERT_TRUE(unit.ok()) << unit.message();
        EXPECT_EQ(unit->dimension(), qelunits::Unit(si).dimension());
        EXPECT_NEAR(unit->factor() / (value * qelunits::Unit(si).factor()), 1.0, 1e-15);
        const QelUnitParseResult expression = QelUnitParser::parseExpressionUtf8(text);
        ASSERT_TRUE(expression.ok());
        EXPECT_TRUE(expression.expression().isEqualTo(unit->expression()));
    }
    // The catalogue's codes keep their units: the text of each still reaches it.
    EXPECT_EQ(qelunits::Unit("at"), qelunits::Unit(QelUnit::technical_atmosphere));
    EXPECT_EQ(qelunits::Unit("sidereal year"), qelunits::Unit(QelUnit::sidereal_year));
    EXPECT_EQ(qelunits::Unit("inch_H2O_60F"), qelunits::Unit(QelUnit::inch_of_water));
    EXPECT_EQ(qelunits::Unit("tropical century"), qelunits::Unit(QelUnit::century));
}

// Spellings that communities read as different units, none plainly more often: refused, naming each and how
// to write it; logarithmic units point to the levels.
TEST(Parse, SpellingsOfTwoUnitsAreRefusedNamingBoth) {
    const std::pair<const wchar_t*, std::vector<const wchar_t*>> rows[] = {
        {L"kt", {L"knot", L"'kn'", L"kilotonne", L"'1000 t'"}},
        {L"RT", {L"ton of refrigeration", L"register ton"}},
        {L"kiloton", {L"TNT", L"'kilotonne'", L"short ton"}},
        {L"Mton", {L"TNT", L"'Mt'", L"short ton"}},
        {L"gigatons", {L"'gigaton TNT'", L"'gigatonne'"}},
        {L"dBm", {L"qelunits::Level"}},
        {L"Np", {L"nepers", L"qelunits::Level"}},
        {L"decibels", {L"qelunits::Level"}},
        {L"dB(A)", {L"A-weighted"}},
    };
    for (const auto& [text, named] : rows) {
        SCOPED_TRACE(qelunits::toUtf8(text));
        const QelUnitParseResult r = QelUnitParser::parseExpression(std::wstring(L"kg/") + text);
        EXPECT_EQ(r.error(), E::RefusedUnit);
        EXPECT_EQ(r.position(), 3U);
        for (const wchar_t* name : named) {
            EXPECT_NE(std::wstring(r.message()).find(name), std::wstring::npos) << qelunits::toUtf8(name);
        }
    }
}

// A kept spelling that other readers take for another unit says so, in the notes and among the candidates.
TEST(Parse, KeptSpellingsCarryTheirNotes) {
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"yr", L"Julian year"},
        {L"a", L"the are (100 m\u00B2) is 'are'"},
        {L"At", L"technical atmosphere is 'at'"},
        {L"nt", L"the newton is 'N'"},
        {L"mG", L"'0.001 gn'"},
        {L"pt", L"typographic point"},
        {L"st", L"the stere"},
        {L"emu", L"'abC'"},
    };
    for (const auto& [text, fragment] : rows) {
        SCOPED_TRACE(qelunits::toUtf8(text));
        const std::wstring note = QelUnitParser::notes(std::wstring(L"m/") + text).c_str();
        EXPECT_NE(note.find(fragment), std::wstring::npos) << qelunits::toUtf8(note);
        ASSERT_NE(QelUnitParser::candidates(text).note, nullptr);
        EXPECT_EQ(note, QelUnitParser::candidates(text).note);
    }
    EXPECT_STREQ(QelUnitParser::notes(L"year/at"), L""); // names, and the technical atmosphere, as the world has them
}

// Longitudes west and latitudes south count negative, as UDUNITS-2 defines degree_west (-1 degree_east) and
// CF data write them; each keeps its own symbol.
TEST(Parse, WestAndSouthCountNegative) {
    for (const char* west : {"degree_west", "degrees_west", "degree_W", "degreesW", "\u00B0W"}) {
        SCOPED_TRACE(west);
        EXPECT_EQ(qelunits::Quantity(10.0, qelunits::Unit(west)).in(qelunits::Unit("degree_east")), -10.0);
        EXPECT_EQ(qelunits::Unit(west).symbol(), "\u00B0W");
    }
    for (const char* south : {"degree_south", "degrees_south", "degree_S", "degreesS", "\u00B0S"}) {
        SCOPED_TRACE(south);
        EXPECT_EQ(qelunits::Quantity(10.0, qelunits::Unit(south)).in(qelunits::Unit("degrees_north")), -10.0);
        EXPECT_EQ(qelunits::Unit(south).symbol(), "\u00B0S");
    }
    for (const char* north : {"degree_north", "degrees_E", "\u00B0N", "\u00B0E", "degree_true"}) {
        EXPECT_EQ(qelunits::Unit(north), qelunits::Unit("deg")) << north;
    }
    // The expression reader agrees, and its written form, a leading negative scale, reads back.
    const QelUnitExpression west = read(L"degrees_west");
    EXPECT_EQ(west.scale(), -1.0);
    EXPECT_EQ(entries(west.type()), (Entries{{Q::angle_degree, 1}}));
    EXPECT_TRUE(read(QelUnitParser::format(west).c_str()).isEqualTo(west));
    EXPECT_EQ(QelUnitParser::parseExpression(L"m/-1 s").error(), E::MissingOperand); // only the leading number
}

TEST(Parse, ErrorsSayWhatAndWhere) {
    constexpr std::size_t kAnywhere = std::wstring::npos; // within the text
    const std::tuple<std::wstring, E, std::size_t, const wchar_t*> cases[] = {
        {L"PSIG", E::RefusedUnit, 0, nullptr},
        {L"F", E::RefusedUnit, 0,
         L"'F' at 0 is not read alone: it is the farad in a compound ('F/m'); degrees Fahrenheit are '°F' or 'degF', "
         L"the farad alone 'farad'"},
        {L"kJ/kg-C", E::RefusedUnit, 6,
         L"'C' at 6 is not read beside a unit of energy or power: it is the coulomb in a compound ('C/kg'); degrees "
         L"Celsius are '°C' or 'degC', the coulomb alone 'coulomb'"},
        // A message quotes 40 characters at most, wherever they stand.
        {L"kg/" + std::wstring(40, L'x'), E::UnknownUnit, 3,
         L"unknown unit 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx' at 3"},
        {L"kg/" + std::wstring(45, L'x'), E::UnknownUnit, 3,
         L"unknown unit 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…' at 3"},
        {repeat(L"s/", 20) + L"fot" + repeat(L"/s", 20), E::UnknownUnit, 40,
         L"unknown unit 'fot' at 40; did you mean 'ft'?"},
        {L"blf", E::UnknownUnit, 0, L"unknown unit 'blf' at 0; did you mean 'lbf'?"}, // a transposition is one edit
        {L"kg/mpa", E::WrongCase, 3,
         L"'mpa' at 3: did you mean 'MPa' (megapascal) or 'mPa' (millipascal)? A symbol is read in its own case only"},
        {L"KHZ", E::WrongCase, 0, L"'KHZ' at 0: did you mean 'kHz' (kilohertz)? A symbol is read in its own case only"},
        {L"KN", E::WrongCase, 0,
         L"'KN' at 0: did you mean 'kn' (knot) or 'kN' (kilonewton)? A symbol is read in its own case only"},
        {L"ABC", E::WrongCase, 0, L"'ABC' at 0: did you mean 'abC' (10 sec·A)? A symbol is read in its own case only"},
        {L"pa", E::WrongCase, 0, // the first two of three spellings (Pa, pA, PA)
         L"'pa' at 0: did you mean 'Pa' (pascals) or 'pA' (picoampere)? A symbol is read in its own case only"},
        {L"kPascal", E::UnknownUnit, 0, L"unknown unit 'kPascal' at 0; did you mean 'Pascal'?"},
        {L"Amere", E::UnknownUnit, 0, L"unknown unit 'Amere' at 0; did you mean 'Ampere'?"}, // one letter missing
        {L"qz", E::UnknownUnit, 0, L"unknown unit 'qz' at 0; did you mean 'qt'?"},        // two letters allow one edit
        {L"psigg", E::UnknownUnit, 0, L"unknown unit 'psigg' at 0; did you mean 'psi'?"}, // never a refused 'psig'
        {L"g-forcex", E::UnknownUnit, 2, L"unknown unit 'forcex' at 2"},                  // nothing near enough
        {L"", E::Empty, 0, L"empty unit expression"},
        {L"m*", E::MissingOperand, 1, L"missing unit after '*' at 1"},
        {L"sq", E::MissingOperand, 0, L"missing unit after 'sq' at 0"},
        {L"/", E::MissingOperand, 0, L"missing unit after '/' at 0"},
        {L"m/(", E::MissingOperand, 3, L"missing unit at 3"}, // at the end: nothing to quote
        {L"m -2", E::UnexpectedText, 2, nullptr},
        {L"m-", E::UnexpectedText, 1, L"unexpected '-' at 1"},
        {L"1.2.3 m", E::UnexpectedText, 0, L"unexpected '1.2.3' at 0"},
        {L"(m", E::UnbalancedParenthesis, 0, L"'(' at 0 is not closed"},
        {L"m)", E::UnbalancedParenthesis, 1, L"')' at 1 has no '('"},
        {L"()", E::MissingOperand, 0, L"empty parentheses at 0"},
        {L"m^", E::BadExponent, 1, L"exponent '^' at 1 is not a whole number"},
        {L"m^2.5", E::BadExponent, 1, L"exponent '^2.5' at 1 is not a whole number"},
        {L"m2.x", E::UnknownUnit, 3, L"unknown unit 'x' at 3"}, // a period after digits that no digit follows
        {L"m^2^3", E::BadExponent, 3, L"second exponent '^3' at 3; use parentheses"},
        {L"m^1001", E::PowerOutOfRange, 1, L"power beyond ±1000 at 1"},
        {L"m*sigma^300", E::PowerOutOfRange, 7, L"power beyond ±1000 at 7"}, // K^-1200: at the exponent
        {L"gal(lmp)/min^2", E::UnexpectedText, 3,
         L"unexpected '(' at 3; a unit name holding operators is read whole only where no exponent follows it and its "
         L"quotient is not regrouped: put it in parentheses"},
        {L"(m^100)^20", E::PowerOutOfRange, 7, L"power beyond ±1000 at 7"},
        {L"(1e-300)^2", E::NumberOutOfRange, 8,
         L"the scale at 8 is out of range: a scale is a positive number within the range of a double"},
        {L"0 m", E::NumberOutOfRange, 0,
         L"number '0' at 0 is out of range: a scale is a positive number within the range of a double"},
        {L"m^99999999999999999999", E::PowerOutOfRange, 1, nullptr},
        {L"m (s)", E::UnexpectedText, 2, L"missing operator before '(' at 2 (write '*' or '·' before a parenthesis)"},
        {L"Kn(UK)^2", E::UnexpectedText, 2, nullptr},
        {std::wstring(L"m\0s", 3), E::UnknownUnit, 0, nullptr},
        {L"\xFFFF\xD800", E::UnknownUnit, 0, nullptr},
        {std::wstring(1 << 20, L'm'), E::UnknownUnit, 0, nullptr},
        {std::wstring(100000, L'(') + L"m" + std::wstring(100000, L')'), E::NestingTooDeep, kAnywhere, nullptr},
        {std::wstring(100000, L's') + std::wstring(100000, L'q') + L" m", E::UnknownUnit, 0, nullptr},
        {L"sq " + std::wstring(1000, L'q'), E::UnknownUnit, 3, nullptr},
        {L"meter" + repeat(L"_foot", 20) + repeat(L"_meter", 4), E::UnknownUnit, 0, nullptr}, // 129: too long for names
        {L"2." + std::wstring(127, L'0') + L" m", E::NumberOutOfRange, 0, nullptr}, // one digit past the longest number
        // "US " and the word fill the qualifier's copy, or would overflow it by one
        {std::wstring(125, L'g') + L" (US)", E::UnknownUnit, 0, nullptr},
        {std::wstring(126, L'g') + L" (US)", E::UnknownUnit, 0, nullptr},
        {L"sq sq sq sq sq sq sq sq sq sq s", E::PowerOutOfRange, 27, nullptr}, // 2^10 at the tenth
        {L"m" + repeat(L"*m", 1 << 19), E::PowerOutOfRange, kAnywhere, nullptr},
    };
    for (const auto& [text, error, position, message] : cases) {
        SCOPED_TRACE(::testing::PrintToString(text.substr(0, 20)));
        const QelUnitParseResult r = QelUnitParser::parseExpression(std::wstring_view(text));
        EXPECT_EQ(r.error(), error) << qelunits::toUtf8(r.message());
        EXPECT_TRUE(position == kAnywhere ? r.position() <= text.size() : r.position() == position);
        EXPECT_STREQ(message != nullptr ? r.message() : nullptr, message); // null: any message
    }
    // A null text is an error of its own.
    for (const QelUnitParseResult& null : {QelUnitParser::parse(static_cast<const wchar_t*>(nullptr)),
                                           QelUnitParser::parseUtf8(static_cast<const char*>(nullptr)),
                                           QelUnitParser::parseExpression(static_cast<const wchar_t*>(nullptr)),
                                           QelUnitParser::parseExpressionUtf8(static_cast<const char*>(nullptr))}) {
        EXPECT_EQ(null.error(), E::NullText);
        EXPECT_EQ(null.position(), 0U);
        EXPECT_STREQ(null.message(), L"no text");
    }
    EXPECT_EQ(QelUnitParser::parseExpression(L"").error(), E::Empty); // the terminated form ends at its terminator
    // A scaled unit is no unit type: the whole text is at fault.
    const QelUnitParseResult scaled = QelUnitParser::parse(L" mg");
    EXPECT_TRUE(scaled.error() == E::ScaledUnit && scaled.position() == 0U);
}

TEST(Format, CompoundTypesAndScalesReadBackEqual) {
    const std::tuple<const wchar_t*, const wchar_t*> cases[] = {
        {L"kg*m/s^2", L"kg·m/sec^2"},
        {L"W/(m²·K)", L"W/(°K·m²)"},
        {L"1/(m/s)", L"1/(m/s)"},
        {L"kg·(m/s)", L"kg·(m/s)"},
        {L"in/second", L"in·sec^-1"},
        {L"ft-lbf^2", L"ft·lbf^2"},
        {L"(ft-lbf)^2", L"(ft-lbf)^2"},
        {L"angle_minute/s", L"angle_minute/sec"},
        {L"mg", L"mg"},
        {L"qm", L"qm"}, // the first prefix and the last
        {L"Qm", L"Qm"},
        {L"1073741824 m", L"1073741824 m"}, // 2^30: no binary prefix on a metre
        {L"ppm", L"1e-06"},
        {L"1000/hr", L"1000/hr"},
        {L"2·(m/s)^2", L"2·(m/s)^2"}};
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(qelunits::toUtf8(text));
        const QelUnitExpression e = read(text);
        const QelStringP written = QelUnitParser::format(e);
        EXPECT_STREQ(written, expected);
        EXPECT_TRUE(read(written.c_str()).isEqualTo(e));
    }
    std::mt19937 random(11);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int i = 0; i < 3000; ++i) {
        QelUnitType type;
        for (auto n = random() % 5; n > 0; --n) {
            type *= QelUnitType(static_cast<U>(1 + random() % 348), static_cast<int>(random() % 7) - 3);
        }
        if (std::any_of(type.begin(), type.end(), [](const QelUnitFactor& f) { return f.power == 0; })) {
            continue; // a stored power of 0 has no written form
        }
        const double scale = i % 2 == 0 ? 1.0 : mantissa(random) * std::pow(10.0, static_cast<int>(random() % 61) - 30);
        const QelUnitExpression e(scale, type);
        const QelStringP written = QelUnitParser::format(e);
        const QelUnitParseResult back = QelUnitParser::parseExpression(written);
        EXPECT_TRUE(back.ok() && back.expression().isEqualTo(e)) << qelunits::toUtf8(written.c_str());
    }
}

TEST(Format, DimensionsAndBaseUnits) {
    // The base dimensions of each derived type, through its base unit.
    const std::pair<QelUnit::BuiltinTypes, const char*> derived[] = {
        {Q::Force, "kg·m/s^2"},        {Q::Pressure, "kg/(m·s^2)"},
        {Q::Power, "kg·m^2/s^3"},      {Q::ElectricalPotential, "kg·m^2/(s^3·A)"},
        {Q::Illuminance, "cd·sr/m^2"}, {Q::Area, "m^2"},
        {Q::Density, "kg/m^3"},        {Q::Friction, "kg/(m^2·s^2)"},
        {Q::LinearForce, "kg/s^2"},    {Q::LinearWeight, "kg/m"},
        {Q::Velocity, "m/s"},          {Q::Flow, "m^3/s"},
        {Q::Acceleration, "m/s^2"},    {Q::Volume, "m^3"},
        {Q::PowerDensity, "kg/s^3"}};
    for (const auto& [type, dimension] : derived) {
        EXPECT_EQ(qelunits::dimension(QelUnitType(qelunits::baseUnit(type))), dimension) << type;
    }
    EXPECT_EQ(qelunits::dimension(read(L"Hz").type()), "Hz");
    EXPECT_EQ(qelunits::dimension(read(L"J").type()), "kg·m^2/s^2");
    EXPECT_EQ(qelunits::dimension(read(L"m/m").type()), "1");
    // A stored power of 0 is written as it is, among the numerator.
    EXPECT_STREQ(QelUnitParser::format(QelUnitType(QelUnit::meter, 0) / QelUnitType(QelUnit::second)),
                 L"m^0\u00B7sec^-1");
    EXPECT_EQ(qelunits::baseUnit(QelUnit::ElectricalFrequency), QelUnit::hertz);
    EXPECT_EQ(qelunits::baseUnit(QelUnit::Moments), QelUnit::dimensionless);
}

} // namespace
