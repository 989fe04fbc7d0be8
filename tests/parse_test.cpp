#include "catalog/UnitTable.h"
#include "test_helpers.h"

#include <qelunits/QelUnitParser.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using U = QelUnit::BuiltinUnits;
using E = QelUnitParseResult::Error;
using qelunits_test::entries;
using qelunits_test::Entries;
using qelunits_test::withCase;

QelUnitType parsed(const wchar_t* text) {
    const QelUnitParseResult r = QelUnitParser::parse(text);
    EXPECT_TRUE(r.ok()) << QelUnitParser::toUtf8(r.message());
    return r.type();
}

TEST(Parse, ExpressionsGiveTheirTypes) {
    const std::tuple<const wchar_t*, Entries> cases[] = {
        // Whole names, operators inside them included.
        {L"m/s", {{QelUnit::meter_per_second, 1}}},
        {L"kg/cu m", {{QelUnit::kilogram_per_cubic_meter, 1}}},
        {L"in-wg/100 ft", {{QelUnit::inches_of_water_per_100_feet, 1}}},
        {L"gal(lmp)/d", {{QelUnit::imp_gallon_per_day, 1}}},
        {L"Kn(UK)", {{QelUnit::knot_UK, 1}}},
        {L"  us ft ", {{QelUnit::survey_foot, 1}}},
        {L"Cubic feet per minute", {{QelUnit::cubic_foot_per_minute, 1}}},
        {L"KNOT_uk", {{QelUnit::knot_UK, 1}}},
        {L"m³/s", {{QelUnit::cubic_meter_per_second, 1}}},
        // Expressions.
        {L"ft/min", {{QelUnit::foot, 1}, {QelUnit::minute, -1}}},
        {L"kg*m/s^2", {{QelUnit::kilogram, 1}, {QelUnit::meter, 1}, {QelUnit::second, -2}}},
        {L"kg · m / s ** 2", {{QelUnit::kilogram, 1}, {QelUnit::meter, 1}, {QelUnit::second, -2}}},
        {L"W/(m²·K)", {{QelUnit::kelvin, -1}, {QelUnit::watt, 1}, {QelUnit::square_meters, -1}}},
        {L"BTU/hr/sq ft", {{QelUnit::square_foot, -1}, {QelUnit::hour, -1}, {QelUnit::intl_british_thermal_unit, 1}}},
        {L"m/s^2", {{QelUnit::meter, 1}, {QelUnit::second, -2}}},
        {L"m/s²", {{QelUnit::meter, 1}, {QelUnit::second, -2}}},
        {L"m·s⁻²", {{QelUnit::meter, 1}, {QelUnit::second, -2}}},
        {L"m^-1", {{QelUnit::meter, -1}}},
        {L"m⁻¹", {{QelUnit::meter, -1}}},
        {L"ft³", {{QelUnit::cubic_foot, 1}}},
        {L"ft^3", {{QelUnit::foot, 3}}},
        {L"1/s", {{QelUnit::second, -1}}},
        {L"1", {}},
        {L"m/m", {}},
        {L"m^0", {}},
        {L"m/s/kg", {{QelUnit::kilogram, -1}, {QelUnit::meter_per_second, 1}}},
        {L"1/m/s", {{QelUnit::meter, -1}, {QelUnit::second, -1}}}, // a/b/c is a/(b·c), not a/(b/c)
        {L"m/s*kg", {{QelUnit::kilogram, 1}, {QelUnit::meter_per_second, 1}}},
        {L"(m/s)^2", {{QelUnit::meter_per_second, 2}}},
        {L"(Kn(UK))^-1", {{QelUnit::knot_UK, -1}}},
        {L"((((m))))", {{QelUnit::meter, 1}}},
        {L"(m*s)^2/s", {{QelUnit::meter, 2}, {QelUnit::second, 1}}},
        {L"ft-lbf/s", {{QelUnit::foot_pound_force_per_second, 1}}},
        {L"ft-lbf*s", {{QelUnit::second, 1}, {QelUnit::foot_pound_force, 1}}},
        {L"sq ft*h", {{QelUnit::square_foot, 1}, {QelUnit::hour, 1}}},
        {L"degC", {{QelUnit::celsius, 1}}},
        {L"°", {{QelUnit::angle_degree, 1}}},
        {L"Unitless", {}},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(QelUnitParser::toUtf8(text));
        EXPECT_EQ(entries(parsed(text)), expected);
    }
}

TEST(Parse, ExpressionsConvertByTheirFactors) {
    const std::tuple<const wchar_t*, const wchar_t*, double> cases[] = {
        {L"m/s", L"ft/min", 1.0 / 0.00508},
        {L"kg*m/s^2", L"N", 1.0},
        {L"W/(m²·K)", L"BTU/(hr·sq ft·degF)", 1.0 / 5.678263},
        {L"mile/hr", L"km/h", 1.609344},
        {L"g/cm^3", L"kg/m³", 1000.0},
        {L"1/min", L"1/s", 1.0 / 60.0},
        {L"(ft)^2", L"sq in", 144.0},
    };
    for (const auto& [from, to, factor] : cases) {
        SCOPED_TRACE(QelUnitParser::toUtf8(from) + " -> " + QelUnitParser::toUtf8(to));
        ConversionFactor f;
        ASSERT_EQ(parsed(from).GetConversionFactor(parsed(to), f), QelUnit::Ok);
        EXPECT_NEAR(static_cast<double>(f) / factor, 1.0, 2e-6);
    }
}

TEST(Parse, SharedNamesFavourTheEverydayUnitAndListEveryCandidate) {
    const std::tuple<const wchar_t*, U, std::vector<U>> cases[] = {
        {L"min", QelUnit::minute, {QelUnit::minim}},
        {L"m", QelUnit::meter, {QelUnit::angle_minute, QelUnit::millenium}},
        {L"g", QelUnit::gram, {QelUnit::grad}},
        {L"d", QelUnit::day, {QelUnit::angle_degree}},
        {L"yr", QelUnit::sidereal_year, {QelUnit::tropical_year}},
        {L"Minute", QelUnit::minute, {QelUnit::angle_minute}},
        {L"cal", QelUnit::caliber, {QelUnit::intl_calorie}},
        {L"M", QelUnit::millenium, {QelUnit::meter, QelUnit::angle_minute}}, // exact case before folded case
        {L"MIN", QelUnit::minute, {QelUnit::minim}},
        {L"sq mi", QelUnit::square_mile_statute, {QelUnit::square_mile}},
        {L"s", QelUnit::second, {}}, // an alias, as no catalogue text is "s"
    };
    for (const auto& [name, chosen, alsoCandidates] : cases) {
        SCOPED_TRACE(QelUnitParser::toUtf8(name));
        EXPECT_EQ(entries(parsed(name)), (Entries{{chosen, 1}}));
        const QelUnitCandidates all = QelUnitParser::candidates(name);
        ASSERT_EQ(all.count, 1 + alsoCandidates.size());
        EXPECT_EQ(all.items[0].unit, chosen);
        for (std::size_t i = 0; i < alsoCandidates.size(); ++i) {
            EXPECT_EQ(all.items[i + 1].unit, alsoCandidates[i]);
        }
    }
}

// Every catalogue text lists its unit among the candidates and parses; resolveName
// takes a shorter path than candidates, and must pick the same unit in any case.
TEST(Parse, EveryCatalogueTextResolvesLikeTheFirstCandidate) {
    std::vector<std::wstring> names = {L"s", L"K", L"degC", L"k", L"fot", L"", L"m/s^2"};
    for (const auto& record : qelunits_detail::kUnitTable) {
        for (const wchar_t* text : {record.internalName, record.singularName, record.pluralName,
                                    record.defaultAbbreviation, record.vellumAbbreviation}) {
            if (text == nullptr) {
                continue;
            }
            const QelUnitCandidates found = QelUnitParser::candidates(text);
            if (record.unit != QelUnit::dimensionless) {
                EXPECT_TRUE(std::any_of(found.items, found.items + found.count, [&](const QelUnitCandidate& c) {
                    return c.unit == record.unit;
                })) << QelUnitParser::toUtf8(text);
                EXPECT_TRUE(QelUnitParser::parse(text).ok()) << QelUnitParser::toUtf8(text);
            }
            names.insert(names.end(), {text, withCase(text, 0), withCase(text, 1)});
        }
    }
    for (const std::wstring& name : names) {
        SCOPED_TRACE(QelUnitParser::toUtf8(name));
        const QelUnitCandidates all = QelUnitParser::candidates(name);
        U unit = QelUnit::meter;
        EXPECT_EQ(QelUnitParser::resolveName(name, unit), all.count != 0);
        EXPECT_EQ(unit, all.count != 0 ? all.items[0].unit : QelUnit::dimensionless);
    }
}

TEST(Parse, AliasesNeverShadowTheCatalogue) {
    for (const wchar_t* alias : {L"s", L"h", L"K", L"deg", L"°", L"degC", L"degF", L"degR"}) {
        SCOPED_TRACE(QelUnitParser::toUtf8(alias));
        const QelUnitCandidates found = QelUnitParser::candidates(alias);
        ASSERT_EQ(found.count, 1U);
        EXPECT_TRUE(found.items[0].alias);
    }
    EXPECT_FALSE(QelUnitParser::parse(L"k").ok()); // aliases keep their case
}

TEST(Parse, ErrorsSayWhatAndWhere) {
    constexpr std::size_t kAnywhere = std::wstring::npos; // within the text
    const std::tuple<std::wstring, E, std::size_t, const wchar_t*> cases[] = {
        {L"fot", E::UnknownUnit, 0, L"unknown unit 'fot' at 0; did you mean 'ft'?"},
        {L"kg/fot", E::UnknownUnit, 3, L"unknown unit 'fot' at 3; did you mean 'ft'?"},
        {L"gramm", E::UnknownUnit, 0, L"unknown unit 'gramm' at 0; did you mean 'gram'?"},
        {L"kg m", E::UnknownUnit, 0, L"unknown unit 'kg m' at 0; write '*' or '·' between units"},
        {L"", E::Empty, 0, L"empty unit expression"},
        {L" \t", E::Empty, 0, L"empty unit expression"},
        {L"m*", E::MissingOperand, 1, L"missing unit after '*' at 1"},
        {L"m/", E::MissingOperand, 1, nullptr},
        {L"/s", E::UnexpectedText, 0, L"unexpected '/' at 0"},
        {L"(m", E::UnbalancedParenthesis, 0, L"'(' at 0 is not closed"},
        {L"m)", E::UnbalancedParenthesis, 1, L"')' at 1 has no '('"},
        {L"()", E::MissingOperand, 0, L"empty parentheses at 0"},
        {L"m^", E::BadExponent, 1, L"exponent '^' at 1 is not a whole number"},
        {L"m^2.5", E::BadExponent, 1, L"exponent '^2.5' at 1 is not a whole number"},
        {L"m^2^3", E::BadExponent, 3, L"second exponent '^3' at 3; use parentheses"},
        {L"m^1001", E::PowerOutOfRange, 1, L"power beyond ±1000 at 1"},
        {L"(m^100)^20", E::PowerOutOfRange, 7, L"power beyond ±1000 at 7"},
        {L"m^2147483647", E::PowerOutOfRange, 1, nullptr},
        {L"m^-2147483648", E::PowerOutOfRange, 1, nullptr},
        {L"m^99999999999999999999", E::PowerOutOfRange, 1, nullptr},
        {L"2/s", E::NumberNotOne, 0, nullptr},
        {L"100 ft", E::NumberNotOne, 0, nullptr},
        {L"1 ft", E::UnexpectedText, 2, L"missing operator before 'ft' at 2 (write '*' or '·' between units)"},
        {L"m (s)", E::UnexpectedText, 2, nullptr},
        {L"Kn(UK)^2", E::UnexpectedText, 2, nullptr},
        {L"^2", E::UnexpectedText, 0, nullptr},
        {std::wstring(L"m\0s", 3), E::UnknownUnit, kAnywhere, nullptr},
        {L"\xFFFF\xD800", E::UnknownUnit, 0, nullptr},
        {std::wstring(1 << 20, L'm'), E::UnknownUnit, 0, nullptr},
        {std::wstring(100000, L'(') + L"m" + std::wstring(100000, L')'), E::NestingTooDeep, kAnywhere, nullptr},
    };
    for (const auto& [text, error, position, message] : cases) {
        SCOPED_TRACE(::testing::PrintToString(text.substr(0, 20)));
        const QelUnitParseResult r = QelUnitParser::parse(std::wstring_view(text));
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.error(), error);
        EXPECT_TRUE(position == kAnywhere ? r.position() <= text.size() : r.position() == position);
        EXPECT_TRUE(r.type().empty());
        if (message != nullptr) {
            EXPECT_STREQ(r.message(), message);
        }
    }
}

TEST(Parse, Utf8EntryPointAndNulls) {
    EXPECT_EQ(entries(QelUnitParser::parseUtf8("W/(m\xC2\xB2\xC2\xB7K)").type()), entries(parsed(L"W/(m²·K)")));
    const QelUnitParseResult bad = QelUnitParser::parseUtf8("m/\xC2");
    EXPECT_EQ(bad.error(), E::InvalidEncoding);
    EXPECT_EQ(bad.position(), 2U);
    EXPECT_EQ(QelUnitParser::parseUtf8("\xC0\xAF").error(), E::InvalidEncoding); // overlong '/'
    EXPECT_EQ(QelUnitParser::parse(static_cast<const wchar_t*>(nullptr)).error(), E::NullText);
    EXPECT_EQ(QelUnitParser::parseUtf8(static_cast<const char*>(nullptr)).error(), E::NullText);
    const QelUnitParseResult far = QelUnitParser::parseUtf8("\xC3\x85/xyz"); // Å counts as one character
    EXPECT_EQ(far.position(), 2U);
    std::wstring wide;
    ASSERT_TRUE(QelUnitParser::fromUtf8(QelUnitParser::toUtf8(L"°µÅ²³⁻¹"), wide));
    EXPECT_EQ(wide, L"°µÅ²³⁻¹");
}

// Long inputs are read to the end without deep recursion.
TEST(Parse, LongInputsAndTheLimits) {
    std::wstring product = L"m";
    std::wstring powers = L"m";
    for (int i = 0; i < 1 << 19; ++i) {
        product += i < 50000 ? L"*m/m" : L"";
        powers += L"*m";
    }
    EXPECT_EQ(entries(parsed(product.c_str())), (Entries{{QelUnit::meter, 1}}));
    EXPECT_EQ(QelUnitParser::parse(std::wstring_view(powers)).error(), E::PowerOutOfRange);
    EXPECT_TRUE(QelUnitParser::parse(std::wstring(64, L'(') + L"m" + std::wstring(64, L')')).ok());
    EXPECT_EQ(QelUnitParser::parse(L"m^-1000").type()[0].power, -1000);
}

TEST(Format, EveryUnitReadsBack) {
    for (std::int32_t code = 1; code < QelUnit::kUnitCount; ++code) {
        const auto unit = static_cast<U>(code);
        SCOPED_TRACE(code);
        const QelUnitType type(unit, 1);
        EXPECT_EQ(entries(parsed(QelUnitParser::format(type))), entries(type));
        for (const int power : {-1, 2, -3}) {
            EXPECT_EQ(entries(parsed(QelUnitParser::format(QelUnitType(unit, power)))), (Entries{{code, power}}));
        }
    }
}

TEST(Format, CompoundTypesReadBackEqual) {
    const std::tuple<const wchar_t*, const wchar_t*> cases[] = {
        {L"kg*m/s^2", L"kg·m/sec^2"},
        {L"W/(m²·K)", L"W/(°K·m²)"},
        {L"1/s", L"1/sec"},
        {L"(m/s)^2", L"(m/s)^2"},
        {L"1/(m/s)", L"1/(m/s)"},
        {L"in/second", L"in·sec^-1"},
        {L"kg*m*min^-1", L"kg·m·min^-1"},
        {L"arc minute", nullptr},
        {L"1", L"1"},
        {L"angle_minute/s", L"angle_minute/sec"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(QelUnitParser::toUtf8(text));
        const QelUnitParseResult r = QelUnitParser::parse(text);
        if (expected == nullptr) {
            EXPECT_FALSE(r.ok());
            continue;
        }
        const QelStringP written = QelUnitParser::format(r.type());
        EXPECT_STREQ(written, expected);
        EXPECT_TRUE(parsed(written).isEqualTo(r.type()));
    }
    std::mt19937 random(11);
    for (int i = 0; i < 3000; ++i) {
        QelUnitType type;
        for (auto n = random() % 5; n > 0; --n) {
            type *= QelUnitType(static_cast<U>(1 + random() % 348), static_cast<int>(random() % 7) - 3);
        }
        const QelStringP written = QelUnitParser::format(type);
        const QelUnitParseResult back = QelUnitParser::parse(written);
        if (std::any_of(type.begin(), type.end(), [](const QelUnitFactor& f) { return f.power == 0; })) {
            continue; // a stored power of 0 has no written form
        }
        EXPECT_TRUE(back.ok() && back.type().isEqualTo(type)) << QelUnitParser::toUtf8(written.c_str());
    }
}

TEST(Format, DimensionsAndBaseUnits) {
    EXPECT_STREQ(QelUnitParser::formatDimension(parsed(L"J")), L"kg·m^2/s^2");
    EXPECT_STREQ(QelUnitParser::formatDimension(parsed(L"Hz")), L"Hz");
    EXPECT_STREQ(QelUnitParser::formatDimension(parsed(L"m/m")), L"1");
    EXPECT_EQ(QelUnitParser::baseUnit(QelUnit::Area), QelUnit::square_meters);
    EXPECT_EQ(QelUnitParser::baseUnit(QelUnit::ElectricalFrequency), QelUnit::hertz);
    EXPECT_EQ(QelUnitParser::baseUnit(QelUnit::Moments), QelUnit::dimensionless);
    EXPECT_STREQ(QelUnitParser::unitText(QelUnit::angle_minute), L"angle_minute");
    EXPECT_STREQ(QelUnitParser::unitText(QelUnit::square_meters), L"m²");
}

} // namespace
