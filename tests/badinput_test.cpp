// Every exported entry point under bad input: codes out of range, null texts, extreme powers, garbage
// settings codes and foot choices. Each gives its documented result. Odd floating-point values go through
// settings_test's sweep; a nonsense tolerance is in quantity_test and conversion_test.

#include "test_helpers.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>

namespace {

using qelunits_test::bits;
using qelunits_test::str;
using U = QelUnit::BuiltinUnits;
using T = QelUnit::BuiltinTypes;
using S = QelUnitBase::SettingsUnits;
using F = QelUnitBase::FootToMeterConversion;

constexpr double kMeterToFoot = 3.280839895013123;

// Catalogue queries give the empty answers; conversions take the code as dimensionless. Types drop
// it (unittype_test); conversions of codes -1 and 349 at small powers are in settings_test's sweep.
// A type code out of range (unit and type codes in pairs) has no name and no base unit.
TEST(BadCode, IsEmptyOrDimensionless) {
    const std::pair<int, int> codes[] = {{-1, -1}, {349, 31}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}};
    for (const auto& [unit, type] : codes) {
        SCOPED_TRACE(unit);
        const T t = static_cast<T>(type);
        EXPECT_FALSE(QelUnit::isValid(t));
        EXPECT_EQ(QelUnit::displayName(t, false), nullptr);
        EXPECT_EQ(QelUnit::displayName(t, true), nullptr);
        EXPECT_EQ(qelunits::baseUnit(t), QelUnit::dimensionless);
        const U u = static_cast<U>(unit);
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
        double f = -1.0;
        EXPECT_EQ(QelUnitBase::GetConversionFactor(u, 4, u, -2, f), QelUnit::Ok);
        EXPECT_EQ(f, 1.0);
    }
}

// A bad name type finds nothing, and is checked before the name; a null name throws for a good one.
TEST(LookupByName, BadNameTypesFindNothingAndNullTextsThrow) {
    for (const int nameType : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(nameType);
        const auto nt = static_cast<QelUnit::NameType>(nameType);
        const bool good = nameType >= QelUnit::InternalName && nameType <= QelUnit::LocalizedVellumAbbreviation;
        EXPECT_TRUE(good || QelUnit::getBuiltinUnit(QelStringP(L"m"), nt) == QelUnit::dimensionless);
        try {
            EXPECT_EQ(QelUnit::getBuiltinUnit(QelStringP(nullptr, false), nt), QelUnit::dimensionless);
            EXPECT_FALSE(good) << "no exception";
        } catch (QelException* e) {
            EXPECT_TRUE(good);
            EXPECT_STREQ(e->GetMessage(), L"QEL_14_NULLSTRING");
            e->Dispose();
        }
    }
}

// Factors at extreme powers are powers of the unit factor (the wrapping of the powers themselves is in
// unittype_test and quantity_test).
TEST(OddPower, FactorsArePowersOfTheUnitFactor) {
    for (const int p : {0, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(p);
        double factor = -1.0;
        EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::meter, p, QelUnit::foot, p, factor), QelUnit::Ok);
        EXPECT_EQ(bits(std::pow(kMeterToFoot, p)), bits(factor));
        double v = 1.0;
        EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::meter, p, QelUnit::meter, p, v), QelUnit::Ok);
        EXPECT_EQ(v, 1.0);
    }
    double f = -1.0;
    EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::meter, INT_MAX, QelUnit::meter, INT_MIN, f),
              QelUnit::TypesNotCompatible);
    EXPECT_EQ(f, -1.0);
}

// A code with garbage high bits or with a foot choice that is neither (or both) forms a key that the map
// does not hold, and stands for the unit of its own number. The settings forms convert the unit that
// mapToBuiltin gives (settings_test), so the mapping is what is left to check.
TEST(SettingsCode, UnknownKeysFallBackToTheCodesNumber) {
    const std::tuple<std::uint32_t, std::uint32_t, U> cases[] = {
        {S::Feet, F::InternationalFoot | F::SurveyFoot, QelUnit::foot},
        {static_cast<std::uint32_t>(S::Feet) | F::SurveyFoot, 0, QelUnit::survey_foot},
        {S::Radians, 0, QelUnit::square_mil_},
        {S::Radians, F::SurveyFoot, QelUnit::radian},
        {999, F::InternationalFoot, U(999)},
        {0xFFFFFFFFU, F::InternationalFoot, U(-1)},
    };
    for (const auto& [code, conversion, expected] : cases) {
        EXPECT_EQ(QelUnitBase::mapToBuiltin(S(code), F(conversion)), expected) << code << " " << conversion;
    }
    EXPECT_FALSE(QelUnitBase::IsKnown(S(0xFFFFFFFFU)));
    EXPECT_FALSE(QelUnitBase::IsKnown(S(static_cast<std::uint32_t>(S::Feet) | F::InternationalFoot)));
}

} // namespace

TEST(ParserInput, EmptyAndBadTextsGiveEmptyAnswers) {
    U unit = QelUnit::meter;
    EXPECT_FALSE(QelUnitParser::resolveName(std::wstring_view(), unit));
    EXPECT_EQ(unit, QelUnit::dimensionless);
    EXPECT_EQ(QelUnitParser::candidates(std::wstring_view()).count, 0U);
    EXPECT_FALSE(qelunits::fromUtf8("\xFF"));
}
