#include "settings/SettingsMap.h"
#include "test_helpers.h"
#include "unittype/Conversion.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitVar.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
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

// One conversion through the quantity, the static calls and the converter (without powers where both are
// 1), one value and arrays (a step of four and a tail, odd values among them): the reference's status and bits.
void expectEveryEntryPointLikeTheReference(U a, int fp, U b, int tp) {
    const bool plain = fp == 1 && tp == 1;
    const double source[5] = {-40.5, -0.0, 1e-310, std::nan(""), -HUGE_VAL};
    ConversionFactor reference;
    const QelUnit::ErrorStatus status =
        qelunits_detail::referenceConversionFactor(QelUnitType(a, fp), QelUnitType(b, tp), reference);
    double probe = 1.0;
    const QelUnit::ErrorStatus applied = qelunits_detail::applyConversion(status, reference, probe);
    const QelUnitConverter converter = plain ? QelUnitConverter(a, b) : QelUnitConverter(a, fp, b, tp);
    double inPlace[5] = {source[0], source[1], source[2], source[3], source[4]};
    double target[5] = {7.0, 7.0, 7.0, 7.0, 7.0};
    ASSERT_EQ(converter.ConvertUnits(source, target, 5), applied);
    ASSERT_EQ(converter.ConvertUnits(inPlace, 5), applied);
    for (int k = 0; k < 5; ++k) {
        double v = source[k];
        qelunits_detail::applyConversion(status, reference, v);
        ASSERT_EQ(bits(inPlace[k]), bits(v)) << k;
        ASSERT_EQ(bits(target[k]), applied == QelUnit::Ok ? bits(v) : bits(7.0)) << k;
        QelUnitVar q(source[k], QelUnitType(a, 1), fp);
        ASSERT_EQ(q.ConvertTo(QelUnitType(b, tp)), applied);
        ASSERT_EQ(bits(q.GetValue()), bits(v));
        double viaStatic = source[k];
        double viaConverter = source[k];
        ASSERT_EQ(plain ? QelUnitBase::ConvertUnits(a, b, viaStatic)
                        : QelUnitBase::ConvertUnits(a, fp, b, tp, viaStatic),
                  applied);
        ASSERT_EQ(converter.ConvertUnits(viaConverter), applied);
        ASSERT_EQ(bits(viaStatic), bits(v));
        ASSERT_EQ(bits(viaConverter), bits(v));
    }
    double factor = 0.5;
    ASSERT_EQ(plain ? QelUnitBase::GetConversionFactor(a, b, factor)
                    : QelUnitBase::GetConversionFactor(a, fp, b, tp, factor),
              status);
    ASSERT_EQ(factor, status != QelUnit::Ok ? 0.5 : reference.isIdentity ? 1.0 : reference.factor);
}

// Every unit (and two invalid codes) at several powers.
TEST(StaticConversion, EveryEntryPointConvertsLikeTheReference) {
    const std::pair<int, int> powers[] = {{1, 1}, {2, 2}, {-1, 1}, {0, 1}, {3, -2}};
    for (std::int32_t a = -1; a <= QelUnit::kUnitCount; ++a) {
        for (std::int32_t b = -1; b <= QelUnit::kUnitCount; ++b) {
            for (const auto& [fp, tp] : powers) {
                SCOPED_TRACE(testing::Message() << a << '^' << fp << " -> " << b << '^' << tp);
                expectEveryEntryPointLikeTheReference(U(a), fp, U(b), tp);
            }
        }
    }
}

// The settings forms, without powers where both are 1; unknown codes are in badinput_test.
TEST(StaticConversion, SettingsCodesWithPowers) {
    // The expected value is 1.0 converted, and also the factor when the status is Ok.
    const std::tuple<S, int, F, S, int, double, QelUnit::ErrorStatus> cases[] = {
        {QelUnitBase::Feet, 1, kSurvey, QelUnitBase::Meters, 1, 0.3048006096012192, QelUnit::Ok},
        {QelUnitBase::Feet, 1, kIntl, QelUnitBase::Meters, 1, 0.3048, QelUnit::Ok},
        {QelUnitBase::Meters, 2, kIntl, QelUnitBase::Feet, 2, 10.76391041670972, QelUnit::Ok},
        {QelUnitBase::Feet, 3, kIntl, QelUnitBase::CubicMeters, 1, 1 / 35.31466672148858, QelUnit::Ok},
        {QelUnitBase::Meters, 1, kIntl, QelUnitBase::Seconds, 1, 1.0, QelUnit::TypesNotCompatible},
    };
    for (const auto& [from, fp, conversion, to, tp, expected, status] : cases) {
        SCOPED_TRACE(testing::Message() << from << " -> " << to);
        const bool plain = fp == 1 && tp == 1;
        double value = 1.0;
        EXPECT_EQ(plain ? QelUnitBase::ConvertUnits(from, conversion, to, value)
                        : QelUnitBase::ConvertUnits(from, fp, conversion, to, tp, value),
                  status);
        EXPECT_DOUBLE_EQ(value, expected);
        double byConverter = 1.0;
        const QelUnitConverter converter =
            plain ? QelUnitConverter(from, conversion, to) : QelUnitConverter(from, fp, conversion, to, tp);
        EXPECT_EQ(converter.ConvertUnits(byConverter), status);
        EXPECT_EQ(bits(byConverter), bits(value));
        double factor = 0.5;
        EXPECT_EQ(plain ? QelUnitBase::GetConversionFactor(from, conversion, to, factor)
                        : QelUnitBase::GetConversionFactor(from, fp, conversion, to, tp, factor),
                  status);
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
