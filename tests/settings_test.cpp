#include "settings/SettingsMap.h"
#include "test_helpers.h"
#include "unittype/Conversion.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitVar.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>
#include <tuple>

namespace {

using qelunits_test::bits;
using U = QelUnit::BuiltinUnits;
using S = QelUnitBase::SettingsUnits;
using F = QelUnitBase::FootToMeterConversion;
constexpr F kIntl = QelUnitBase::InternationalFoot;
constexpr F kSurvey = QelUnitBase::SurveyFoot;

// Garbage foot choices and high bits are in badinput_test. A known code maps to units of one type under
// either foot, which differ only for the units built on the foot or the mile; any other code stands for
// the unit of its own number.
TEST(SettingsMap, KnownCodesUnderBothFeetAndTheFallbackOfTheOthers) {
    QelUnitBase::Initialize(); // before any QelUnitBase exists
    const std::tuple<S, U, U> spots[] = {
        {QelUnitBase::Meters, QelUnit::meter, QelUnit::meter},
        {QelUnitBase::Feet, QelUnit::foot, QelUnit::survey_foot},
        {S(44), QelUnit::mile, QelUnit::mile_statute},
        {S(57), QelUnit::acre, QelUnit::survey_acre},
        {S(208), QelUnit::cubic_foot_per_second, QelUnit::cubic_survey_foot_per_second},
        {S(302), QelUnit::hour, QelUnit::hour}};
    for (const auto& [code, international, survey] : spots) {
        EXPECT_EQ(QelUnitBase::mapToBuiltin(code, kIntl), international);
        EXPECT_EQ(QelUnitBase::mapToBuiltin(code, kSurvey), survey);
    }
    const std::uint32_t kOnFeet[] = {30, 31, 33, 44, 56, 57, 83, 93, 130, 153, 191, 196, 203, 208};
    std::size_t known = 0;
    for (std::uint32_t code = 0; code <= 400; ++code) {
        SCOPED_TRACE(code);
        const U international = QelUnitBase::mapToBuiltin(S(code), kIntl);
        const U survey = QelUnitBase::mapToBuiltin(S(code), kSurvey);
        if (QelUnitBase::IsKnown(S(code))) {
            ++known;
            EXPECT_EQ(QelUnit::getType(international), QelUnit::getType(survey));
            EXPECT_EQ(international != survey, std::count(std::begin(kOnFeet), std::end(kOnFeet), code) == 1);
        } else {
            EXPECT_EQ(international, U(code));
            EXPECT_EQ(survey, U(code));
        }
    }
    EXPECT_EQ(known, qelunits_detail::kSettingsUnitCount);
}

// Every unit (and two invalid codes) at several powers, through the quantity, the
// static calls and the converter, one value and arrays: the reference algorithm's
// status and bits.
TEST(StaticConversion, EveryEntryPointConvertsLikeTheReference) {
    const std::pair<int, int> powers[] = {{1, 1}, {2, 2}, {-1, 1}, {0, 1}, {3, -2}};
    const double source[3] = {-40.5, -0.0, 1e-310}; // a vector step and a tail
    for (std::int32_t a = -1; a <= QelUnit::kUnitCount; ++a) {
        for (std::int32_t b = -1; b <= QelUnit::kUnitCount; ++b) {
            for (const auto& [fp, tp] : powers) {
                SCOPED_TRACE(testing::Message() << a << '^' << fp << " -> " << b << '^' << tp);
                ConversionFactor reference;
                const QelUnit::ErrorStatus status =
                    qelunits_detail::referenceConversionFactor(QelUnitType(U(a), fp), QelUnitType(U(b), tp), reference);
                std::uint64_t expected[3];
                QelUnit::ErrorStatus applied = status; // what converting a value returns
                for (int k = 0; k < 3; ++k) {
                    double v = source[k];
                    applied = qelunits_detail::applyConversion(status, reference, v);
                    expected[k] = bits(v);
                }
                const double value = source[0];
                QelUnitVar q(value, QelUnitType(U(a), 1), fp);
                ASSERT_EQ(q.ConvertTo(QelUnitType(U(b), tp)), applied);
                ASSERT_EQ(bits(q.GetValue()), expected[0]);
                double viaStatic = value;
                ASSERT_EQ(QelUnitBase::ConvertUnits(U(a), fp, U(b), tp, viaStatic), applied);
                ASSERT_EQ(bits(viaStatic), expected[0]);
                const QelUnitConverter converter(U(a), fp, U(b), tp);
                double viaConverter = value;
                ASSERT_EQ(converter.ConvertUnits(viaConverter), applied);
                ASSERT_EQ(bits(viaConverter), expected[0]);
                double inPlace[3] = {source[0], source[1], source[2]};
                double target[3] = {7.0, 7.0, 7.0};
                ASSERT_EQ(converter.ConvertUnits(inPlace, 3), applied);
                ASSERT_EQ(converter.ConvertUnits(source, target, 3), applied);
                for (int k = 0; k < 3; ++k) {
                    ASSERT_EQ(bits(inPlace[k]), expected[k]) << k;
                    ASSERT_EQ(bits(target[k]), applied == QelUnit::Ok ? expected[k] : bits(7.0)) << k;
                }

                double factor = 0.5;
                ASSERT_EQ(QelUnitBase::GetConversionFactor(U(a), fp, U(b), tp, factor), status);
                ASSERT_EQ(bits(factor), bits(status != QelUnit::Ok  ? 0.5
                                             : reference.isIdentity ? 1.0
                                                                    : reference.factor));
            }
        }
    }
}

TEST(StaticConversion, TheRoadOfOneCall) {
    const double expected = 3.280839895013123;
    double values[6] = {1, 1, 1, 1, 1, 1};
    EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, values[0]), QelUnit::Ok);
    EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnitBase::Meters, kIntl, QelUnitBase::Feet, values[1]), QelUnit::Ok);
    EXPECT_EQ(QelUnitConverter(QelUnit::meter, QelUnit::foot).ConvertUnits(values[2]), QelUnit::Ok);
    EXPECT_EQ(QelUnitConverter(QelUnitBase::Meters, kIntl, QelUnitBase::Feet).ConvertUnits(values[3]), QelUnit::Ok);
    EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::meter, QelUnit::foot, values[4]), QelUnit::Ok);
    EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnitBase::Meters, kIntl, QelUnitBase::Feet, values[5]), QelUnit::Ok);
    QelUnitVar quantity(1.0, QelUnitType(QelUnit::meter));
    EXPECT_EQ(quantity.ConvertTo(QelUnitType(QelUnit::foot)), QelUnit::Ok);
    EXPECT_EQ(bits(quantity.GetValue()), bits(expected));
    for (const double v : values) {
        EXPECT_EQ(bits(v), bits(expected));
    }
}

// The settings forms with powers; unknown codes are in badinput_test.
TEST(StaticConversion, SettingsCodesWithPowers) {
    // The expected value is 1.0 converted, and also the factor when the status is Ok.
    const std::tuple<S, int, F, S, int, double, QelUnit::ErrorStatus> cases[] = {
        {QelUnitBase::Feet, 1, kSurvey, QelUnitBase::Meters, 1, 0.3048006096012192, QelUnit::Ok},
        {QelUnitBase::Feet, 1, kIntl, QelUnitBase::Meters, 1, 0.3048, QelUnit::Ok},
        {QelUnitBase::Meters, 2, kIntl, QelUnitBase::Feet, 2, 10.76391041670972, QelUnit::Ok},
        {QelUnitBase::Feet, 3, kIntl, QelUnitBase::CubicMeters, 1, 1 / 35.31466672148858, QelUnit::Ok},
        {QelUnitBase::Meters, 1, kIntl, QelUnitBase::Seconds, 1, 1.0, QelUnit::TypesNotCompatible},
    };
    for (const auto& [from, fromPower, conversion, to, toPower, expected, status] : cases) {
        SCOPED_TRACE(testing::Message() << from << " -> " << to);
        double value = 1.0;
        EXPECT_EQ(QelUnitBase::ConvertUnits(from, fromPower, conversion, to, toPower, value), status);
        EXPECT_DOUBLE_EQ(value, expected);
        double byConverter = 1.0;
        EXPECT_EQ(QelUnitConverter(from, fromPower, conversion, to, toPower).ConvertUnits(byConverter), status);
        EXPECT_EQ(bits(byConverter), bits(value));
        double factor = 0.5;
        EXPECT_EQ(QelUnitBase::GetConversionFactor(from, fromPower, conversion, to, toPower, factor), status);
        EXPECT_DOUBLE_EQ(factor, status == QelUnit::Ok ? expected : 0.5);
    }
}

TEST(QelUnitBase, StatusTextsAndMetricCodes) {
    const wchar_t* texts[] = {L"",          L"Types Not Compatible", L"Invalid Unit", L"Overflow",
                              L"Underflow", L"Custom Conversion"};
    for (const int status : {-1, 0, 1, 2, 3, 4, 5, 6, INT_MIN, INT_MAX}) { // no text beyond the statuses
        const wchar_t* text = status >= 0 && status <= 5 ? texts[status] : L"";
        EXPECT_STREQ(QelUnitBase::GetStatusMessage(QelUnit::ErrorStatus(status)).c_str(), text) << status;
    }
    for (std::uint32_t code = 0; code <= 0x20000002U; code += code < 400 ? 1 : 0x1FFFFFFFU) {
        const bool metric = code == 2 || code == 20 || code == 23 || code == 24 || code == 25;
        EXPECT_EQ(QelUnitBase::IsMetric(S(code)), metric) << code;
        EXPECT_EQ(QelUnitBase::IsImperial(S(code)), !metric) << code;
    }
}

} // namespace
