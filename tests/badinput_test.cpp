// Every exported entry point under bad input: codes out of range, null texts,
// odd floating-point values, extreme powers, garbage settings codes and foot
// choices, and a tolerance set to nonsense. Each gives its documented result.

#include "test_helpers.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>

namespace {

using qelunits_test::bits;
using qelunits_test::str;
using U = QelUnit::BuiltinUnits;
using T = QelUnit::BuiltinTypes;
using S = QelUnitBase::SettingsUnits;
using F = QelUnitBase::FootToMeterConversion;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kDenormal = std::numeric_limits<double>::denorm_min();
constexpr double kMeterToFoot = 3.280839895013123;

const U kBadUnits[] = {U(-1), U(349), U(INT_MIN), U(INT_MAX)};
const T kBadTypes[] = {T(-1), T(31)};
const double kOddValues[] = {kNaN, kInf, -kInf, -0.0, kDenormal, -kDenormal};
const int kOddPowers[] = {0, INT_MAX, INT_MIN};

// Wraps like the library's power arithmetic.
int wrapped(long long v) { return static_cast<int>(static_cast<unsigned int>(static_cast<unsigned long long>(v))); }

// Catalogue queries give the empty answers; types take the code as dimensionless. Conversions
// of codes -1 and 349 are in settings_test's sweep.
TEST(BadUnitCode, IsEmptyOrDimensionless) {
    for (const U u : kBadUnits) {
        SCOPED_TRACE(static_cast<int>(u));
        std::wstring texts = QelUnit::internalName(u) + str(QelUnitParser::unitText(u));
        for (const bool localized : {false, true}) {
            texts += QelUnit::singularName(u, localized) + std::wstring(QelUnit::pluralName(u, localized)) +
                     str(QelUnit::defaultAbbreviation(u, localized, QelUnit::StripInserts)) +
                     str(QelUnit::defaultAbbreviationAsVellum(u, localized));
        }
        for (const unsigned int index : {0U, 1U, UINT_MAX}) {
            texts +=
                str(QelUnit::localizedAbbreviation(u, index)) + str(QelUnit::localizedAbbreviationAsVellum(u, index));
        }
        EXPECT_EQ(texts, L"");
        EXPECT_EQ(QelUnit::getLocalizedAbbreviationCount(u), 0U);
        EXPECT_EQ(QelUnit::getType(u), QelUnit::kTypeCount);
        EXPECT_FALSE(QelUnit::isMetric(u) || QelUnit::isImperial(u) || QelUnit::isValid(u));
        const QelUnitType t(u, 3);
        EXPECT_TRUE(t.empty());
        QelUnitType m(QelUnit::meter, 2);
        m.set(u, 5);
        EXPECT_EQ(qelunits_test::entries(m), (qelunits_test::Entries{{QelUnit::meter, 2}}));
        double f = -1.0;
        EXPECT_EQ(QelUnitBase::GetConversionFactor(u, 4, u, -2, f), QelUnit::Ok);
        EXPECT_EQ(f, 1.0);
    }
}

TEST(BadTypeCode, HasNoNameAndNoBaseUnit) {
    for (const T t : kBadTypes) {
        SCOPED_TRACE(static_cast<int>(t));
        EXPECT_FALSE(QelUnit::isValid(t));
        EXPECT_EQ(QelUnit::displayName(t, false), nullptr);
        EXPECT_EQ(QelUnit::displayName(t, true), nullptr);
        EXPECT_EQ(QelUnitParser::baseUnit(t), QelUnit::dimensionless);
    }
}

TEST(BadNameType, LookupFindsNothing) {
    for (const int nameType : {9, -1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(nameType);
        const auto nt = static_cast<QelUnit::NameType>(nameType);
        EXPECT_EQ(QelUnit::getBuiltinUnit(QelStringP(L"m"), nt), QelUnit::dimensionless);
        // The name type is checked before the name is looked at.
        EXPECT_EQ(QelUnit::getBuiltinUnit(QelStringP(nullptr, false), nt), QelUnit::dimensionless);
    }
}

TEST(NullText, LookupThrowsTheNullStringException) {
    for (int nameType = QelUnit::InternalName; nameType <= QelUnit::LocalizedVellumAbbreviation; ++nameType) {
        SCOPED_TRACE(nameType);
        try {
            QelUnit::getBuiltinUnit(QelStringP(nullptr, false), static_cast<QelUnit::NameType>(nameType));
            ADD_FAILURE() << "no exception";
        } catch (QelException* e) {
            EXPECT_STREQ(e->GetMessage(), L"QEL_14_NULLSTRING");
            e->Dispose();
        }
    }
}

// Factor conversions multiply as IEEE does; temperature readings keep NaN and
// infinities. Division and equality are in quantity_test.
TEST(OddValue, EachEntryPointFollowsIeeeArithmetic) {
    for (const double value : kOddValues) {
        SCOPED_TRACE(value);
        double v = value;
        EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, v), QelUnit::Ok);
        EXPECT_EQ(bits(value * kMeterToFoot), bits(v));
        v = value;
        EXPECT_EQ(QelUnitBase::ConvertUnits(S::Meters, F::SurveyFoot, S::Meters, v), QelUnit::Ok);
        EXPECT_EQ(bits(value), bits(v));
        QelUnitVar q(value, QelUnitType(QelUnit::meter));
        EXPECT_EQ(q.ConvertTo(QelUnitType(QelUnit::foot)), QelUnit::Ok);
        EXPECT_EQ(bits(value * kMeterToFoot), bits(q.GetValue()));

        v = value;
        EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::celsius, QelUnit::fahrenheit, v), QelUnit::Ok);
        // -0.0 and denormals are the freezing point
        EXPECT_TRUE(std::isnan(value) ? std::isnan(v) : v == (std::isinf(value) ? value : 32.0)) << v;

        const QelUnitVar a(value, QelUnitType(QelUnit::meter));
        const QelUnitVar sum = a + QelUnitVar(1.0, QelUnitType(QelUnit::foot));
        EXPECT_EQ(sum.GetStatus(), QelUnit::Ok);
        EXPECT_EQ(bits(value + 0.3048), bits(sum.GetValue()));
    }
}

// Powers are stored and wrap in 32 bits; factors are powers of the unit factor.
TEST(OddPower, WrapInThirtyTwoBits) {
    for (const int p : kOddPowers) {
        SCOPED_TRACE(p);
        QelUnitType t(QelUnit::meter, p);
        ASSERT_EQ(t.size(), 1U);
        EXPECT_EQ(t[0].power, p);
        t.pow(-1);
        EXPECT_EQ(t[0].power, wrapped(-static_cast<long long>(p)));
        t.invert();
        EXPECT_EQ(t[0].power, p);
        t.pow(INT_MAX);
        EXPECT_EQ(t[0].power, wrapped(static_cast<long long>(p) * INT_MAX));
        const QelUnitType sum = QelUnitType(QelUnit::meter, p) * QelUnitType(QelUnit::meter, 1);
        ASSERT_EQ(sum.size(), 1U);
        EXPECT_EQ(sum[0].power, wrapped(static_cast<long long>(p) + 1));
        EXPECT_TRUE((QelUnitType(QelUnit::meter, p) / QelUnitType(QelUnit::meter, p)).empty());
        const QelUnitVar withPower(2.0, QelUnitType(QelUnit::meter), p);
        EXPECT_EQ(withPower.GetType()[0].power, p);
        double factor = -1.0;
        EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::meter, p, QelUnit::foot, p, factor), QelUnit::Ok);
        EXPECT_EQ(bits(std::pow(kMeterToFoot, p)), bits(factor));
        double v = 1.0;
        EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::meter, p, QelUnit::meter, p, v), QelUnit::Ok);
        EXPECT_EQ(v, 1.0);
        QelUnitVar q(2.0, QelUnitType(QelUnit::second));
        q.pow(p);
        EXPECT_EQ(bits(std::pow(2.0, p)), bits(q.GetValue()));
    }
    double f = -1.0;
    EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::meter, INT_MAX, QelUnit::meter, INT_MIN, f),
              QelUnit::TypesNotCompatible);
    EXPECT_EQ(f, -1.0);
}

// A code with garbage high bits or with a foot choice that is neither (or both)
// forms a key that the map does not hold, and stands for the unit of its own number.
TEST(SettingsCode, UnknownKeysFallBackToTheCodesNumber) {
    const std::tuple<std::uint32_t, std::uint32_t, U> cases[] = {
        {S::Feet, 0, QelUnit::foot},
        {S::Feet, F::InternationalFoot | F::SurveyFoot, QelUnit::foot},
        {S::Feet, 0x12345678U, QelUnit::foot},
        {S::Feet, 0xFFFFFFFFU, QelUnit::foot},
        {static_cast<std::uint32_t>(S::Feet) | F::SurveyFoot, 0, QelUnit::survey_foot},
        {S::Radians, 0, QelUnit::square_mil_},
        {S::Radians, F::SurveyFoot, QelUnit::radian},
        {999, F::InternationalFoot, U(999)},
        {0xFFFFFFFFU, F::InternationalFoot, U(-1)},
    };
    for (const auto& [code, conversion, expected] : cases) {
        SCOPED_TRACE(testing::Message() << code << " " << conversion);
        EXPECT_EQ(QelUnitBase::mapToBuiltin(S(code), F(conversion)), expected);
        double v = 2.0;
        double direct = 2.0;
        EXPECT_EQ(QelUnitBase::ConvertUnits(S(code), F(conversion), S::Meters, v),
                  QelUnitBase::ConvertUnits(expected, QelUnit::meter, direct));
        EXPECT_EQ(bits(direct), bits(v));
    }
    double v = 3.0;
    EXPECT_EQ(QelUnitBase::ConvertUnits(S(0xFFFFFFFFU), F(0), S(0xFFFFFFFEU), v), QelUnit::Ok);
    EXPECT_EQ(v, 3.0);
    EXPECT_EQ(QelUnitBase::ConvertUnits(S(0xFFFFFFFFU), F(0), S::Meters, v), QelUnit::TypesNotCompatible);
    EXPECT_FALSE(QelUnitBase::IsKnown(S(0xFFFFFFFFU)));
    EXPECT_FALSE(QelUnitBase::IsKnown(S(static_cast<std::uint32_t>(S::Feet) | F::InternationalFoot)));
    EXPECT_FALSE(QelUnitBase::IsMetric(S(0xFFFFFFFFU)));
    EXPECT_TRUE(QelUnitBase::IsImperial(S(0xFFFFFFFFU)));
}

// Division and equality under nonsense tolerances are in quantity_test.
TEST(Epsilon, ConversionsDoNotDependOnTheTolerance) {
    const auto squareKm2ToSquareM2 = [] {
        double f = 0.0;
        EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::square_kilometer, 2, QelUnit::square_meters, 2, f),
                  QelUnit::Ok);
        return f;
    };
    const double reverse = squareKm2ToSquareM2();
    for (const double eps : {0.0, -1.0, kNaN}) {
        SCOPED_TRACE(eps);
        QelUnit::kEpsilon = eps; // no ASSERT below, so the restore at the end always runs
        // Conversions do not depend on the tolerance.
        double v = 1.0;
        EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, v), QelUnit::Ok);
        EXPECT_EQ(v, kMeterToFoot);
        EXPECT_EQ(bits(reverse), bits(squareKm2ToSquareM2()));
        QelUnit::kEpsilon = 1e-10;
    }
}

} // namespace

TEST(ParserInput, EmptyAndBadTextsGiveEmptyAnswers) {
    U unit = QelUnit::meter;
    EXPECT_FALSE(QelUnitParser::resolveName(std::wstring_view(), unit));
    EXPECT_EQ(unit, QelUnit::dimensionless);
    EXPECT_EQ(QelUnitParser::candidates(std::wstring_view()).count, 0U);
    std::wstring wide = L"unchanged";
    EXPECT_FALSE(QelUnitParser::fromUtf8("\xFF", wide));
    EXPECT_EQ(wide, L"unchanged");
}
