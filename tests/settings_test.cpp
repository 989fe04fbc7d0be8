#include "settings/SettingsMap.h"
#include "test_helpers.h"
#include "unittype/Conversion.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitVar.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

namespace {

using qelunits_test::bits;
using U = QelUnit::BuiltinUnits;
using S = QelUnitBase::SettingsUnits;
using F = QelUnitBase::FootToMeterConversion;
constexpr F kIntl = QelUnitBase::InternationalFoot;
constexpr F kSurvey = QelUnitBase::SurveyFoot;

// Garbage foot choices and high bits are in badinput_test.
TEST(SettingsMap, EveryCodeUnderBothFeetAndTheFallbackOfTheOthers) {
    QelUnitBase::Initialize(); // before any QelUnitBase exists
    // clang-format off
    const struct {
        std::uint32_t code;
        const wchar_t* international;
        const wchar_t* survey;
    } rows[] = {
        {0, L"dimensionless", L"dimensionless"}, {2, L"meter", L"meter"}, {20, L"kilometer", L"kilometer"},
        {23, L"decimeter", L"decimeter"}, {24, L"centimeter", L"centimeter"}, {25, L"millimeter", L"millimeter"},
        {30, L"foot", L"survey_foot"}, {31, L"inches", L"survey_inch"}, {33, L"yards", L"survey_yard"},
        {44, L"mile", L"mile_statute"}, {55, L"square_meters", L"square_meters"},
        {56, L"square_foot", L"square_survey_foot"}, {57, L"acre", L"survey_acre"}, {61, L"hectare", L"hectare"},
        {75, L"square_kilometer", L"square_kilometer"}, {83, L"square_mile", L"square_mile_statute"},
        {93, L"square_yard", L"square_survey_yard"}, {96, L"cubic_meter", L"cubic_meter"},
        {99, L"board_foot", L"board_foot"}, {130, L"cubic_foot", L"cubic_survey_foot"},
        {153, L"cubic_yard", L"cubic_survey_yard"}, {178, L"radian", L"radian"},
        {179, L"angle_degree", L"angle_degree"}, {180, L"grad", L"grad"},
        {185, L"meter_per_second", L"meter_per_second"}, {190, L"kilometer_per_hour", L"kilometer_per_hour"},
        {191, L"foot_per_second", L"survey_foot_per_second"}, {196, L"mile_per_hour", L"survey_mile_per_hour"},
        {202, L"meter_per_second_squared", L"meter_per_second_squared"},
        {203, L"foot_per_second_squared", L"survey_foot_per_second_squared"},
        {204, L"cubic_meter_per_second", L"cubic_meter_per_second"},
        {208, L"cubic_foot_per_second", L"cubic_survey_foot_per_second"}, {300, L"second", L"second"},
        {301, L"minute", L"minute"}, {302, L"hour", L"hour"}};
    // clang-format on
    ASSERT_EQ(std::size(rows), qelunits_detail::kSettingsUnitCount);
    const auto* row = std::begin(rows);
    for (std::uint32_t code = 0; code <= 400; ++code) {
        SCOPED_TRACE(code);
        const wchar_t* international = QelUnit::internalName(QelUnitBase::mapToBuiltin(S(code), kIntl));
        const wchar_t* survey = QelUnit::internalName(QelUnitBase::mapToBuiltin(S(code), kSurvey));
        const bool known = row != std::end(rows) && row->code == code;
        EXPECT_EQ(QelUnitBase::IsKnown(S(code)), known);
        if (known) {
            EXPECT_STREQ(international, row->international);
            EXPECT_STREQ(survey, row->survey);
            ++row;
        } else { // an unmapped code stands for the unit of its own number
            EXPECT_STREQ(international, QelUnit::internalName(U(code)));
            EXPECT_STREQ(survey, QelUnit::internalName(U(code)));
        }
    }
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
    for (int status = 0; status <= 5; ++status) {
        EXPECT_STREQ(QelUnitBase::GetStatusMessage(QelUnit::ErrorStatus(status)).c_str(), texts[status]) << status;
    }
    for (std::uint32_t code = 0; code <= 0x20000002U; code += code < 400 ? 1 : 0x1FFFFFFFU) {
        const bool metric = code == 2 || code == 20 || code == 23 || code == 24 || code == 25;
        EXPECT_EQ(QelUnitBase::IsMetric(S(code)), metric) << code;
        EXPECT_EQ(QelUnitBase::IsImperial(S(code)), !metric) << code;
    }
}

} // namespace
