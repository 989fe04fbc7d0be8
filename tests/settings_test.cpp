#include "settings/SettingsMap.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitVar.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

namespace {

using U = QelUnit::BuiltinUnits;
using S = QelUnitBase::SettingsUnits;
using F = QelUnitBase::FootToMeterConversion;
constexpr F kIntl = QelUnitBase::InternationalFoot;
constexpr F kSurvey = QelUnitBase::SurveyFoot;

std::uint64_t bits(double d) {
    std::uint64_t b = 0;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

TEST(SettingsMap, EveryCodeUnderBothFeet) {
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
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_STREQ(QelUnit::internalName(QelUnitBase::mapToBuiltin(static_cast<S>(row.code), kIntl)),
                     row.international);
        EXPECT_STREQ(QelUnit::internalName(QelUnitBase::mapToBuiltin(static_cast<S>(row.code), kSurvey)), row.survey);
    }
}

TEST(SettingsMap, LookupMatchesAnOrderedMapOfTheSeventyKeys) {
    QelUnitBase::Initialize();
    QelUnitBase::Initialize();
    std::map<unsigned long, U> reference;
    for (const auto& row : qelunits_detail::kSettingsUnitTable) {
        reference.emplace(static_cast<std::uint32_t>(row.code) | kIntl, row.withInternationalFoot);
        reference.emplace(static_cast<std::uint32_t>(row.code) | kSurvey, row.withSurveyFoot);
    }
    ASSERT_EQ(reference.size(), 70U);
    std::vector<std::uint32_t> codes;
    for (std::uint32_t code = 0; code <= 400; ++code) {
        codes.push_back(code);
    }
    for (const std::uint32_t high : {0x20000000U, 0x40000000U, 0x60000000U, 0x80000000U, 0xE0000000U}) {
        codes.insert(codes.end(), {high | 2U, high | 30U, high | 999U, high | 0x1FFFFFFFU});
    }
    const std::uint32_t conversions[] = {0, kIntl, kSurvey, kIntl | kSurvey, 1, 0x10000000, 0x80000000, 0xA0000000};
    for (const std::uint32_t code : codes) {
        for (const std::uint32_t conversion : conversions) {
            const auto held = reference.find(code | conversion);
            const U expected = held != reference.end() ? held->second : static_cast<U>(static_cast<std::int32_t>(code));
            ASSERT_EQ(QelUnitBase::mapToBuiltin(static_cast<S>(code), static_cast<F>(conversion)), expected)
                << code << " | " << conversion;
        }
    }
    EXPECT_EQ(QelUnitBase::mapToBuiltin(QelUnitBase::MetersPerSecond, F{}), QelUnit::pound_per_cubic_inch);
    EXPECT_EQ(QelUnitBase::mapToBuiltin(static_cast<S>(999), kIntl), static_cast<U>(999));
}

// value written by each path, or untouched on failure.
struct Outcome {
    QelUnit::ErrorStatus status;
    std::uint64_t value;
};

Outcome throughQuantity(U from, int fromPower, U to, int toPower, double value) {
    QelUnitVar q(value, QelUnitType(from, 1), fromPower);
    const QelUnit::ErrorStatus status = q.ConvertTo(QelUnitType(to, toPower));
    return {status, bits(status == QelUnit::Ok ? q.GetValue() : value)};
}

TEST(StaticConversion, EveryEntryPointConvertsLikeTheQuantity) {
    const U units[] = {static_cast<U>(-1),     QelUnit::dimensionless, QelUnit::kilogram,    QelUnit::meter,
                       QelUnit::second,        QelUnit::kelvin,        QelUnit::radian,      QelUnit::newton,
                       QelUnit::kilometer,     QelUnit::foot,          QelUnit::inches,      QelUnit::survey_foot,
                       QelUnit::square_meters, QelUnit::square_foot,   QelUnit::cubic_meter, QelUnit::cubic_foot,
                       QelUnit::minute,        QelUnit::hour,          QelUnit::hertz,       QelUnit::kilonewton,
                       QelUnit::fahrenheit,    QelUnit::celsius,       QelUnit::rankine,     QelUnit::meter_per_second,
                       QelUnit::mile_per_hour, QelUnit::torr,          static_cast<U>(349)};
    const int powers[] = {-2, -1, 0, 1, 2, 3};
    for (const U from : units) {
        for (const U to : units) {
            for (const int fp : powers) {
                for (const int tp : powers) {
                    SCOPED_TRACE(testing::Message() << from << '^' << fp << " -> " << to << '^' << tp);
                    const double value = -40.5;
                    const Outcome expected = throughQuantity(from, fp, to, tp, value);
                    double viaStatic = value;
                    EXPECT_EQ(QelUnitBase::ConvertUnits(from, fp, to, tp, viaStatic), expected.status);
                    EXPECT_EQ(bits(viaStatic), expected.value);
                    double viaConverter = value;
                    EXPECT_EQ(QelUnitConverter(from, fp, to, tp).ConvertUnits(viaConverter), expected.status);
                    EXPECT_EQ(bits(viaConverter), expected.value);

                    ConversionFactor cf;
                    const QelUnit::ErrorStatus typeStatus =
                        QelUnitType(from, fp).GetConversionFactor(QelUnitType(to, tp), cf);
                    double factor = 0.5;
                    EXPECT_EQ(QelUnitBase::GetConversionFactor(from, fp, to, tp, factor), typeStatus);
                    EXPECT_EQ(bits(factor), bits(typeStatus != QelUnit::Ok ? 0.5 : cf.isIdentity ? 1.0 : cf.factor));
                }
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

TEST(StaticConversion, SettingsCodesPowersAndInvalidUnits) {
    const S invalid = static_cast<S>(999);
    const struct {
        S from;
        int fromPower;
        F conversion;
        S to;
        int toPower;
        double expected; // the value 1.0 converted; also the factor when Ok
        QelUnit::ErrorStatus status;
    } cases[] = {
        {QelUnitBase::Feet, 1, kSurvey, QelUnitBase::Meters, 1, 0.3048006096012192, QelUnit::Ok},
        {QelUnitBase::Feet, 1, kIntl, QelUnitBase::Meters, 1, 0.3048, QelUnit::Ok},
        {QelUnitBase::Meters, 2, kIntl, QelUnitBase::Feet, 2, 10.76391041670972, QelUnit::Ok},
        {QelUnitBase::Feet, 3, kIntl, QelUnitBase::CubicMeters, 1, 1 / 35.31466672148858, QelUnit::Ok},
        {QelUnitBase::Meters, 1, kIntl, QelUnitBase::Seconds, 1, 1.0, QelUnit::TypesNotCompatible},
        {invalid, 1, kIntl, invalid, 2, 1.0, QelUnit::Ok},
        {QelUnitBase::NoUnit, 1, kSurvey, invalid, 3, 1.0, QelUnit::Ok},
        {invalid, 1, kIntl, QelUnitBase::Meters, 1, 1.0, QelUnit::TypesNotCompatible},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        double value = 1.0;
        EXPECT_EQ(QelUnitBase::ConvertUnits(c.from, c.fromPower, c.conversion, c.to, c.toPower, value), c.status);
        EXPECT_DOUBLE_EQ(value, c.expected);
        double factor = 0.5;
        EXPECT_EQ(QelUnitBase::GetConversionFactor(c.from, c.fromPower, c.conversion, c.to, c.toPower, factor),
                  c.status);
        EXPECT_DOUBLE_EQ(factor, c.status == QelUnit::Ok ? c.expected : 0.5);
    }
    double value = 7.0;
    EXPECT_EQ(QelUnitBase::ConvertUnits(static_cast<U>(349), static_cast<U>(500), value), QelUnit::Ok);
    EXPECT_EQ(value, 7.0);
    EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::dimensionless, QelUnit::meter, value),
              QelUnit::TypesNotCompatible);
}

TEST(StaticConversion, TemperaturesConvertButHaveNoFactor) {
    double value = 0.0;
    EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::kelvin, QelUnit::celsius, value), QelUnit::Ok);
    EXPECT_DOUBLE_EQ(value, -273.15);
    EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::kelvin, QelUnit::celsius, value), QelUnit::CustomConversion);
    EXPECT_DOUBLE_EQ(value, -273.15);
}

TEST(QelUnitBase, StatusTextsAndMetricCodes) {
    const wchar_t* texts[] = {
        L"", L"Types Not Compatible", L"Invalid Unit", L"Overflow", L"Underflow", L"Custom Conversion", L""};
    for (int status = -1; status <= 6; ++status) {
        SCOPED_TRACE(status);
        EXPECT_STREQ(QelUnitBase::GetStatusMessage(static_cast<QelUnit::ErrorStatus>(status)).c_str(),
                     status < 0 ? L"" : texts[status]);
    }
    for (std::uint32_t code = 0; code <= 0x20000002U; code += code < 400 ? 1 : 0x1FFFFFFFU) {
        const bool metric = code == 2 || code == 20 || code == 23 || code == 24 || code == 25;
        EXPECT_EQ(QelUnitBase::IsMetric(static_cast<S>(code)), metric) << code;
        EXPECT_EQ(QelUnitBase::IsImperial(static_cast<S>(code)), !metric) << code;
    }
}

} // namespace
