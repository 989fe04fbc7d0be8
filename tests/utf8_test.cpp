#include "catalog/LocalizedTexts.h"
#include "test_helpers.h"

#include <qelunits/QelUnits.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <iterator>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using qelunits_test::bits;
using qelunits_test::entries;
using F = QelUnit::AbbreviationFormats;
using T = QelUnitType;
using U = QelUnit::BuiltinUnits;
using V = QelUnitVar;

std::wstring w(const wchar_t* text) { return text != nullptr ? text : L""; }
std::wstring w(const QelStringP& text) { return text.c_str(); }

// The wide text a UTF-8 text decodes to; "<not UTF-8>" when it does not.
std::wstring decoded(const std::string& text) { return qelunits::fromUtf8(text).value_or(L"<not UTF-8>"); }

// Each UTF-8 text query is its wide query encoded: on a unit with a localized text (non-ASCII, with an insert, so
// that the flags and the index matter), on its one-unit type and on a compound type.
TEST(Utf8Layer, EveryTextIsTheWideTextEncoded) {
    namespace q = qelunits;
    const U u = QelUnit::imp_gallon_per_second;
    qelunits_detail::setLocalizedTextForTesting(u, QelStringP(L"Gal\u00f3n;Gal\u00f3nes;g%1!s!s;g\u00b3/s;a1;v1;a2"));
    const T c = T(u) / T(QelUnit::hour, 2);
    for (const F f : {QelUnit::AsStored, QelUnit::StripInserts}) {
        for (const bool l : {false, true}) {
            const unsigned int i = l ? 2 : 1;
            const std::pair<std::string, std::wstring> texts[] = {
                {q::internalName(u), w(QelUnit::internalName(u))},
                {q::singularName(u, l), w(QelUnit::singularName(u, l))},
                {q::pluralName(u, l), w(QelUnit::pluralName(u, l))},
                {q::defaultAbbreviation(u, l, f), w(QelUnit::defaultAbbreviation(u, l, f))},
                {q::defaultAbbreviationAsVellum(u, l, f), w(QelUnit::defaultAbbreviationAsVellum(u, l, f))},
                {q::localizedAbbreviation(u, i, f), w(QelUnit::localizedAbbreviation(u, i, f))},
                {q::localizedAbbreviationAsVellum(u, i, f), w(QelUnit::localizedAbbreviationAsVellum(u, i, f))},
                {q::unitText(u), w(QelUnitParser::unitText(u))},
                {q::internalName(c), w(c.internalName())},
                {q::singularName(T(u), l), w(T(u).singularName(l))},
                {q::pluralName(T(u), l), w(T(u).pluralName(l))},
                {q::defaultAbbreviation(T(u), l, f), w(T(u).defaultAbbreviation(l, f))},
                {q::defaultAbbreviationAsVellum(c, l, f), w(c.defaultAbbreviationAsVellum(l, f))},
                {q::localizedAbbreviation(T(u), i, f), w(T(u).localizedAbbreviation(i, f))},
                {q::localizedAbbreviationAsVellum(T(u), i, f), w(T(u).localizedAbbreviationAsVellum(i, f))},
                {q::typeDisplayName(T(u), l), w(T(u).getTypeDisplayName(l))},
                {q::displayName(QelUnit::Flow, l), w(QelUnit::displayName(QelUnit::Flow, l))},
                {q::metricKeyword(l), w(QelUnit::metricKeyword(l))},
                {q::imperialKeyword(l), w(QelUnit::imperialKeyword(l))},
                {q::statusMessage(QelUnit::TypesNotCompatible),
                 w(QelUnitBase::GetStatusMessage(QelUnit::TypesNotCompatible))},
                {q::notes("t/h"), w(QelUnitParser::notes(L"t/h"))},
                {q::toString(c), w(QelUnitParser::format(c))}};
            for (const auto& [utf8, wide] : texts) {
                EXPECT_EQ(decoded(utf8), wide) << f << l;
            }
        }
    }
    EXPECT_EQ(q::notes("\xff"), "");
    EXPECT_EQ(q::toUtf8(QelStringP(nullptr)), "");
    EXPECT_EQ(q::toUtf8(static_cast<const wchar_t*>(nullptr)), "");
    EXPECT_EQ(q::toUtf8(std::wstring_view(L"a\0\u00b0", 3)), std::string("a\0\xc2\xb0", 4));
}

TEST(Utf8Layer, UnitsAndQuantitiesReadBackAsWritten) {
    for (std::int32_t code = 0; code < QelUnit::kUnitCount; ++code) {
        SCOPED_TRACE(code);
        const auto unit = static_cast<U>(code);
        EXPECT_EQ(qelunits::findUnit(qelunits::unitText(unit)), std::optional<U>(unit));
        for (const double value : {-40.0, 3.280839895013123, 5e-324}) {
            const qelunits::Result<V> read = qelunits::parseQuantity(qelunits::toString(V(value, T(unit))));
            ASSERT_TRUE(read.ok()) << read.message();
            EXPECT_EQ(bits(read->GetValue()), bits(value));
            EXPECT_EQ(entries(read->GetType()), entries(T(unit)));
        }
    }
    for (const char* miss : {"", "fot", "kg m", "m/s^2", "\xff"}) {
        EXPECT_EQ(qelunits::findUnit(miss), std::nullopt) << miss;
    }
}

TEST(Utf8Layer, QuantityTextIsANumberThenAUnit) {
    const T kFoot(QelUnit::foot);
    // text, value, type, message ("" for success)
    const std::tuple<const char*, double, T, const char*> cases[] = {
        {"ft", 1.0, kFoot, ""},
        {"1/2", 0.5, T(), ""},
        {"3 / 4 s", 0.75, T(QelUnit::second, -1), ""}, // divides by all that follows
        {"1|4 ft", 0.25, kFoot, ""},
        {"5 ft + 6 in - 1 yd", 2.5, kFoot, ""},
        {"1e+3 m - 1 km", 0.0, T(QelUnit::meter), ""},
        {"1.5+2", 3.5, T(), ""},
        {"", 0.0, T(), "expected a quantity at 0"},
        {"2 ft + ", 0.0, T(), "expected a quantity at 7"},
        {"1 ft + 1 s", 0.0, T(), "incompatible units: ft and s (m; s)"},
        {"1|0 m", 0.0, T(), "expected a number other than 0 at 2"},
        {"2 °C + fot", 0.0, T(), "unknown unit 'fot' at 7; did you mean 'ft'?"},
        {"1 (m + 2 m", 0.0, T(), "'(' at 2 is not closed"}, // a term's message reads the term alone
        {" 12m/s ", 12.0, T(QelUnit::meter_per_second), ""},
        {"-40 °F", -40.0, T(QelUnit::fahrenheit), ""},
        {"+1e3 kg*m/s^2", 1000.0, T(QelUnit::kilogram) * T(QelUnit::meter) / T(QelUnit::second, 2), ""},
        {"3 mg", 3e-6, T(QelUnit::kilogram), ""}, // the scale is taken into the value
        {"2 L/100 km", 0.02, T(QelUnit::liter) / T(QelUnit::kilometer), ""},
        {"  inf ft", 0.0, T(), "'  inf ft' is not a finite quantity"},
        {"+-3 ft", 0.0, T(), "unexpected '+' at 0"},
        {"1e999 ft", 0.0, T(), "number out of the range of a double at 0"},
        {"2 \xff", 0.0, T(), "not UTF-8 at 2"}};
    for (const auto& [text, value, type, message] : cases) {
        SCOPED_TRACE(text);
        const qelunits::Result<V> read = qelunits::parseQuantity(text);
        EXPECT_EQ(read.message(), message);
        EXPECT_EQ(read.status() == QelUnit::Ok, *message == '\0');
        const V q = read.value_or(V(0.0));
        EXPECT_DOUBLE_EQ(q.GetValue(), value);
        EXPECT_EQ(entries(q.GetType()), entries(type));
    }
}

// Reciprocals only where asked for: convert refuses the pairs convertReciprocal takes. Values from the
// definitions (mile 1609.344 m, US gallon 3.785411784 L).
TEST(Utf8Layer, ConvertGivesTheValueOrTheReason) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // reciprocally, value, from, to, result, status, message
    const std::tuple<bool, double, const char*, const char*, double, QelUnit::ErrorStatus, const char*> cases[] = {
        {false, 1.0, "m", "ft", 1250.0 / 381.0, QelUnit::Ok, ""}, // 1/0.3048, rounded once
        {false, 100.0, "°C", "degF", 212.0, QelUnit::Ok, ""},
        {false, 2.0, "kg*m/s^2", "N", 2.0, QelUnit::Ok, ""},
        {false, 1.0, "ft", "s", nan, QelUnit::TypesNotCompatible, "cannot convert ft to s: Types Not Compatible"},
        {false, 1.0, "m", "kg/fot", nan, QelUnit::InvalidUnit, "unknown unit 'fot' at 3; did you mean 'ft'?"},
        {false, 1e308, "km", "mm", nan, QelUnit::Overflow,
         "cannot convert km to mm: Overflow: the result is beyond the range of a double"},
        {false, -500.0, "°F", "K", nan, QelUnit::Underflow, "-500 °F is below absolute zero"},
        {false, -1.0, "mK", "°C", nan, QelUnit::Underflow, "-1 mK is below absolute zero"},
        {true, 30.0, "mpg", "L/100 km", 100.0 * 3.785411784 / (1.609344 * 30.0), QelUnit::Ok, ""},
        {true, 4.0, "L/100km", "km/L", 25.0, QelUnit::Ok, ""},
        {true, 1.0, "m", "ft", nan, QelUnit::TypesNotCompatible,
         "cannot convert m to ft reciprocally: Types Not Compatible"},
        {true, 0.0, "mpg", "L/100km", nan, QelUnit::Overflow,
         "cannot convert mpg to L/100km reciprocally: 0 has no reciprocal"},
        {true, 1e-310, "s", "/s", nan, QelUnit::Overflow,
         "cannot convert s to /s reciprocally: Overflow: the result is beyond the range of a double"},
        {true, 1.0, "s", "fot", nan, QelUnit::InvalidUnit, "unknown unit 'fot' at 0; did you mean 'ft'?"}};
    for (const auto& [reciprocally, value, from, to, result, status, message] : cases) {
        SCOPED_TRACE(from);
        const qelunits::Result<double> converted =
            reciprocally ? qelunits::convertReciprocal(value, from, to) : qelunits::convert(value, from, to);
        EXPECT_EQ(converted.status(), status);
        EXPECT_EQ(converted.message(), message);
        if (reciprocally && status == QelUnit::Ok) {
            EXPECT_NEAR(*converted, result, 1e-15 * result);
            EXPECT_EQ(qelunits::convert(value, from, to).status(), QelUnit::TypesNotCompatible);
        } else {
            EXPECT_EQ(bits(converted.value_or(nan)), bits(result));
        }
    }
    EXPECT_THROW(static_cast<void>(qelunits::convert(1.0, "ft", "s").value()), qelunits::Error);
    EXPECT_EQ(entries(*qelunits::parseType("m/s")), entries(T(QelUnit::meter_per_second)));
    // One character more than the decoder keeps on the stack.
    EXPECT_EQ(entries(*qelunits::parseType("kg" + std::string(126, ' ') + "/s")),
              entries(T(QelUnit::kilogram) / T(QelUnit::second)));
    EXPECT_EQ(qelunits::parseType("mg").message(), "'mg' means 1e-06 kg, a scaled unit: read it with parseExpression");
    EXPECT_EQ(qelunits::parseExpression("mg")->scale(), 1e-6);
    EXPECT_FALSE(qelunits::parseExpression("(m"));
}

// A difference converts by the ratio of the degrees and has no absolute zero; a QelUnitVar would hold it
// as a reading, so parseQuantity refuses it.
TEST(Utf8Layer, ADifferenceStaysOneThroughAQuantityText) {
    // quantity, to, result
    const std::tuple<const char*, const char*, double> cases[] = {
        {"1 Δ°F", "K", 5.0 / 9.0},
        {"-500 delta_degF", "Δ°C", -2500.0 / 9.0},
        {"1 delta_degC + 1 Δ°F", "delta_degF", 2.8},
        {"1 °F + 1 Δ°C", "°F", 2.8}, // a reading plus a difference is a reading
        {"1 °F + 1 Δ°C", "K", (2.8 + 459.67) * 5.0 / 9.0},
        {"1 Δ°F + 10 °C", "°F", 51.0}}; // in either order
    for (const auto& [quantity, to, result] : cases) {
        SCOPED_TRACE(quantity);
        EXPECT_NEAR(qelunits::convert(quantity, to).value_or(0.0), result, 1e-12 * std::fabs(result));
    }
    EXPECT_TRUE(qelunits::quantityUnit("2 Δ°F")->isTemperatureDifference());
    EXPECT_EQ(qelunits::toString(*qelunits::quantityUnit("3 mg + 1 g")), "mg"); // the first term's
    // quantity, message
    const std::pair<const char*, const char*> failures[] = {
        {"1 ft + 1 s", "incompatible units: ft and s (m; s)"},
        {"1 Δ°F - 1 °C", "1 Δ°F - 1 °C: a reading on the °C scale only takes or gives a difference (Δ°C)"},
        {"1 Δ°C + 1 °C + 1 °C", "2 °C + 1 °C: a reading on the °C scale only takes or gives a difference (Δ°C)"},
        {"1 Δ°F + -500 °C", "1 Δ°F + -500 °C: a temperature below absolute zero"}};
    for (const auto& [quantity, message] : failures) {
        EXPECT_EQ(qelunits::quantityUnit(quantity).message(), message);
    }
    const qelunits::Result<V> refused = qelunits::parseQuantity(" 1 Δ°F");
    EXPECT_EQ(refused.status(), QelUnit::InvalidUnit);
    EXPECT_EQ(refused.message(), "' 1 Δ°F' is a temperature difference, which a QelUnitVar holds only as a reading: "
                                 "use convert or Quantity::parse");
    EXPECT_DOUBLE_EQ(qelunits::parseQuantity("1 °F + 1 Δ°C")->GetValue(), 2.8);
}

// Reciprocals of quantity texts, and the error a reciprocal carries.
TEST(Utf8Layer, ReciprocalConversionIsAskedFor) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const qelunits::Result<double> summed = qelunits::convertReciprocal("1 s + 1000 ms", "/s");
    EXPECT_EQ(summed.value_or(nan), 0.5);
    EXPECT_EQ(qelunits::convertReciprocal("1 s + 1 m", "/s").status(), QelUnit::TypesNotCompatible);
    // The reciprocal of a measured factor carries its uncertainty; by the definitions there is no error.
    EXPECT_EQ(qelunits::convertReciprocal(1.0, "Da", "/kg").uncertainty(), 3.1e-10);
    EXPECT_EQ(qelunits::convertReciprocal(1.0, "oz", "/lb").relativeError(), 0.0);
}

// Texts convert by the definitions, with no error but the double arithmetic's rounding, and the uncertainty of
// measured definitions: values from outside the library (NIST SP 811, IAU, CODATA 2022). digits(12) counts
// the true digits among 12.
TEST(Utf8Layer, ConversionsKnowHowTrueTheirDigitsAre) {
    // quantity, to, the value the definitions give, digits
    const std::tuple<const char*, const char*, double, int> cases[] = {
        {"1 lb", "oz", 16.0, 12},
        {"180 deg", "rad", 3.141592653589793, 12},
        {"1 m", "ft", 1 / 0.3048, 12},
        {"1 ly^2", "m^2", 9460730472580800.0 * 9460730472580800.0, 12},
        {"1 sq pc", "pc^2", 1.0, 12}, // the catalogue's code stores (3.0857992e16 m)²; the text is the parsec's
        {"1 lb + 1 oz", "oz", 17.0, 12},
        {"1 gal - 128 fl oz", "l", 0.0, 12},
        {"1 m - 0.999999 m", "m", 1e-6, 8}, // exact units, but the terms round before they cancel
        {"100 °C", "°F", 212.0, 12},
        {"-459.66 °F", "K", 0.01 / 1.8, 9},   // the scales' zeros round, and the result is near 0
        {"1 Da", "kg", 1.66053906892e-27, 9}, // measured: ±3.1e-10
        {"1 Da/u", "1", 1.0, 12},             // the same measurement on both sides
    };
    for (const auto& [quantity, to, defined, digits] : cases) {
        SCOPED_TRACE(quantity);
        const qelunits::Result<double> r = qelunits::convert(quantity, to);
        EXPECT_EQ(r.relativeError(), 0.0);
        EXPECT_NEAR(*r, defined, 1e-15 * defined + 1e-14); // and rounding
        EXPECT_EQ(r.digits(12), digits);
    }
    EXPECT_EQ(qelunits::convert(1.0, "lb", "oz").digits(), 15);
    EXPECT_EQ(qelunits::parseQuantity("1 ft").digits(), 15); // read, not converted
    EXPECT_EQ(qelunits::parseQuantity("1 m - 0.999999 m").digits(), 8);
    EXPECT_EQ(qelunits::convert("1 ft", "s").relativeError(), 0.0);
}

// The digits on which both ends of the interval between a value and the defined one agree.
TEST(Utf8Layer, TrueDigitsAreThoseBothEndsAgreeOn) {
    // value, relative error, at most, rounding, digits
    const std::tuple<double, double, int, double, int> cases[] = {
        {16.0000130514, 8.157e-7, 12, 1.0, 6},
        {1.51, 1.51 / 1.49 - 1, 12, 1.0, 2}, // 2 and 1 lie on either side, so 2 digits agree but 1 does not
        {0.1234567890125, 0.0, 12, 1.0, 11}, // a few units in the last place from a rounding tie
        {0.1234567890125, 0.0, 12, 0.0, 12},
        {0.0, 0.5, 12, 1.0, 12},
        {2.0, -1.0, 12, 1.0, 0},
        {1.0, 0.0, 40, 0.0, 17},
        {1.0, 0.0, 0, 1.0, 1}};
    for (const auto& [value, error, atMost, rounding, digits] : cases) {
        EXPECT_EQ(qelunits::trueDigits(value, error, atMost, rounding), digits) << value << " " << error;
    }
}

// Each bound of the decoder and the encoder: a sequence decodes to its code point and the code point
// encodes back to it; every other sequence is refused at its character; a code point no sequence has
// (a surrogate, or past U+10FFFF) is written as U+FFFD.
TEST(Utf8Layer, SequencesAtEveryBound) {
    const std::pair<const char*, char32_t> valid[] = {{"\x7F", 0x7F},
                                                      {"\xC2\x80", 0x80},
                                                      {"\xDF\xBF", 0x7FF},
                                                      {"\xE0\xA0\x80", 0x800},
                                                      {"\xED\x9F\xBF", 0xD7FF},
                                                      {"\xEE\x80\x80", 0xE000},
                                                      {"\xEF\xBF\xBF", 0xFFFF},
                                                      {"\xF0\x90\x80\x80", 0x10000},
                                                      {"\xF4\x8F\xBF\xBF", 0x10FFFF}};
    for (const auto& [bytes, code] : valid) {
        SCOPED_TRACE(static_cast<unsigned>(code));
        const std::wstring wide(1, static_cast<wchar_t>(code));
        EXPECT_EQ(decoded(bytes), wide);
        EXPECT_EQ(qelunits::toUtf8(wide), bytes);
    }
    for (const char* bytes :
         {"\x80", "\xC1\xBF", "\xC2", "\xC2\x41", "\xC2\xC0", "\xE0\xA0", "\xE0\x9F\xBF", "\xED\xA0\x80",
          "\xED\xBF\xBF", "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(bytes)));
        EXPECT_EQ(decoded(bytes), L"<not UTF-8>");
        const QelUnitParseResult r = QelUnitParser::parseUtf8(std::string("\xC3\x85/") + bytes + "m");
        EXPECT_EQ(r.error(), QelUnitParseResult::Error::InvalidEncoding);
        EXPECT_EQ(r.position(), 2U); // in characters
    }
    for (const char32_t code : {0xD800U, 0xDFFFU, 0x110000U, 0xFFFFFFFFU}) {
        EXPECT_EQ(qelunits::toUtf8(std::wstring(1, static_cast<wchar_t>(code))), "\xEF\xBF\xBD") << code;
    }
}

template <class Char, class... Items>
std::basic_string<Char> written(const Items&... items) {
    std::basic_ostringstream<Char> out;
    (out << ... << items);
    return out.str();
}

TEST(Printing, StreamsWriteTheLibrarysTexts) {
    const V feet(3.280839895013123, T(QelUnit::foot));
    const V cold(-40.0, T(QelUnit::fahrenheit));
    const T speed = T(QelUnit::meter) / T(QelUnit::second);
    const QelUnitExpression milligram(1e-6, T(QelUnit::kilogram));
    const std::pair<std::string, std::string> narrow[] = {
        {written<char>(speed), "m/sec"},
        {written<char>(std::setw(8), speed, '|'), "   m/sec|"},
        {written<char>(feet), "3.28084 ft"}, // the stream's precision, 6 by default
        {written<char>(std::fixed, std::setprecision(2), feet), "3.28 ft"},
        {written<char>(std::left, std::setw(12), feet, '|'), "3.28084 ft  |"}, // the width pads the whole
        {written<char>(std::setw(8), cold), " -40 °F"},                        // in bytes, as for any string
        {written<char>(milligram), qelunits::toString(milligram)}};
    for (const auto& [text, expected] : narrow) {
        EXPECT_EQ(text, expected);
    }
    EXPECT_EQ(written<wchar_t>(std::setw(8), cold), L"  -40 \u00b0F");
    EXPECT_EQ(written<wchar_t>(speed, L' ', milligram), L"m/sec " + w(QelUnitParser::format(milligram)));
    EXPECT_EQ(qelunits::toString(feet), "3.280839895013123 ft"); // the shortest text that reads back
}

// Ranges over candidates are in the parser tests.
TEST(Conveniences, OwnersAndViews) {

    const qelunits::StringCollectionPtr pieces(QelStringCollection::Create(L"a;;b", L";"));
    const qelunits::StringElementPtr last(pieces->GetElement(2));
    EXPECT_EQ(last->GetString().view(), L"b");
    try {
        QelUnit::getBuiltinUnit(QelStringP(nullptr), QelUnit::Abbreviation);
        ADD_FAILURE() << "a null name throws";
    } catch (QelException* e) {
        const qelunits::ExceptionPtr owned(e); // disposed of here, as the leak checkers see
        EXPECT_NE(w(owned->GetMessage()), L"");
    }
    EXPECT_EQ(QelStringP(nullptr).view(), L"");
    EXPECT_EQ(QelStringP(L"a\0b", std::size_t{3}).view(), std::wstring_view(L"a\0b", 3));
}

} // namespace
