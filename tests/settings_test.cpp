#include "settings/SettingsMap.h"
#include "test_helpers.h"
#include "unittype/Conversion.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitVar.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <tuple>

namespace {

using qelunits_test::bits;
using U = QelUnit::BuiltinUnits;
using S = QelUnitBase::SettingsUnits;
using F = QelUnitBase::FootToMeterConversion;
constexpr F kIntl = QelUnitBase::InternationalFoot;
constexpr F kSurvey = QelUnitBase::SurveyFoot;

// Garbage foot choices and high bits are in badinput_test. A known code maps to the same quantity under
// either foot, and any other code to the unit of its own number; only the metric lengths are metric. The
// settings forms of the calls and the converter are the builtin forms of the units the codes map to.
TEST(SettingsMap, KnownCodesUnderBothFeetTheFallbackOfTheOthersAndTheSettingsForms) {
    QelUnitBase::Initialize(); // before any QelUnitBase exists
    const std::tuple<S, U, U> spots[] = {
        {QelUnitBase::Feet, QelUnit::foot, QelUnit::survey_foot},
        {S(57), QelUnit::acre, QelUnit::survey_acre},
        {S(208), QelUnit::cubic_foot_per_second, QelUnit::cubic_survey_foot_per_second},
        {S(302), QelUnit::hour, QelUnit::hour}};
    for (const auto& [code, international, survey] : spots) {
        EXPECT_EQ(QelUnitBase::mapToBuiltin(code, kIntl), international);
        EXPECT_EQ(QelUnitBase::mapToBuiltin(code, kSurvey), survey);
    }
    std::size_t known = 0;
    for (std::uint32_t code = 0; code <= 400; ++code) {
        SCOPED_TRACE(code);
        const S from = S(code);
        const U international = QelUnitBase::mapToBuiltin(from, kIntl);
        const U survey = QelUnitBase::mapToBuiltin(from, kSurvey);
        double f = 0.0;
        if (QelUnitBase::IsKnown(from)) {
            ++known;
            EXPECT_EQ(QelUnitBase::GetConversionFactor(international, survey, f), QelUnit::Ok);
            EXPECT_NEAR(f, 1.0, 1e-5); // the feet differ by 2 ppm
        } else {
            EXPECT_EQ(international, U(code));
            EXPECT_EQ(survey, U(code));
        }
        EXPECT_EQ(QelUnitBase::IsMetric(from), QelUnitBase::IsKnown(from) && QelUnit::isMetric(international) &&
                                                   QelUnit::getType(international) == QelUnit::Distance);
        EXPECT_NE(QelUnitBase::IsImperial(from), QelUnitBase::IsMetric(from));
        for (const auto& [foot, to, fp, tp] :
             {std::make_tuple(kIntl, QelUnitBase::Meters, 1, 1), std::make_tuple(kSurvey, QelUnitBase::Feet, 1, 1),
              std::make_tuple(kSurvey, QelUnitBase::CubicMeters, 3, 1)}) {
            const U a = QelUnitBase::mapToBuiltin(from, foot);
            const U b = QelUnitBase::mapToBuiltin(to, foot);
            const bool plain = fp == 1 && tp == 1;
            double expected = 2.0;
            double value = 2.0;
            double byConverter = 2.0;
            const QelUnit::ErrorStatus status = QelUnitBase::ConvertUnits(a, fp, b, tp, expected);
            EXPECT_EQ(plain ? QelUnitBase::ConvertUnits(from, foot, to, value)
                            : QelUnitBase::ConvertUnits(from, fp, foot, to, tp, value),
                      status);
            const QelUnitConverter converter =
                plain ? QelUnitConverter(from, foot, to) : QelUnitConverter(from, fp, foot, to, tp);
            EXPECT_EQ(converter.ConvertUnits(byConverter), status);
            EXPECT_TRUE(bits(value) == bits(expected) && bits(byConverter) == bits(expected));
            double factor = 0.5;
            f = 0.5;
            EXPECT_EQ(plain ? QelUnitBase::GetConversionFactor(from, foot, to, factor)
                            : QelUnitBase::GetConversionFactor(from, fp, foot, to, tp, factor),
                      QelUnitBase::GetConversionFactor(a, fp, b, tp, f));
            EXPECT_EQ(bits(factor), bits(f));
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

TEST(QelUnitBase, StatusTexts) {
    const wchar_t* texts[] = {L"",          L"Types Not Compatible", L"Invalid Unit", L"Overflow",
                              L"Underflow", L"Custom Conversion"};
    for (const int status : {-1, 0, 1, 2, 3, 4, 5, 6, INT_MIN, INT_MAX}) { // no text beyond the statuses
        const wchar_t* text = status >= 0 && status <= 5 ? texts[status] : L"";
        EXPECT_STREQ(QelUnitBase::GetStatusMessage(QelUnit::ErrorStatus(status)).c_str(), text) << status;
    }
}

} // namespace
