// Every exported entry point under bad input: codes out of range, null texts,
// odd floating-point values, extreme powers, garbage settings codes and foot
// choices, and a tolerance set to nonsense. Each gives its documented result.

#include "Cli.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

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

// Bit equality, so that NaN equals NaN and -0.0 differs from 0.0.
::testing::AssertionResult sameDouble(double expected, double actual) {
    std::uint64_t e = 0;
    std::uint64_t a = 0;
    std::memcpy(&e, &expected, sizeof e);
    std::memcpy(&a, &actual, sizeof a);
    if (e == a) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "expected " << expected << ", got " << actual;
}

std::wstring text(const QelStringP& s) { return s.IsNull() ? L"<null>" : s.c_str(); }

// Wraps like the library's power arithmetic.
int wrapped(long long v) { return static_cast<int>(static_cast<unsigned int>(static_cast<unsigned long long>(v))); }

TEST(BadUnitCode, CatalogueQueriesGiveTheEmptyAnswers) {
    for (const U u : kBadUnits) {
        SCOPED_TRACE(static_cast<int>(u));
        EXPECT_EQ(QelUnit::getType(u), QelUnit::kTypeCount);
        EXPECT_STREQ(QelUnit::internalName(u), L"");
        EXPECT_FALSE(QelUnit::isMetric(u));
        EXPECT_FALSE(QelUnit::isImperial(u));
        EXPECT_FALSE(QelUnit::isValid(u));
        for (const bool localized : {false, true}) {
            EXPECT_STREQ(QelUnit::singularName(u, localized), L"");
            EXPECT_STREQ(QelUnit::pluralName(u, localized), L"");
            EXPECT_EQ(text(QelUnit::defaultAbbreviation(u, localized, QelUnit::StripInserts)), L"");
            EXPECT_EQ(text(QelUnit::defaultAbbreviationAsVellum(u, localized)), L"");
        }
        for (const unsigned int index : {0U, 1U, UINT_MAX}) {
            EXPECT_EQ(text(QelUnit::localizedAbbreviation(u, index)), L"");
            EXPECT_EQ(text(QelUnit::localizedAbbreviationAsVellum(u, index)), L"");
        }
        EXPECT_EQ(QelUnit::getLocalizedAbbreviationCount(u), 0U);
    }
}

TEST(BadUnitCode, TypesTakeItAsDimensionless) {
    for (const U u : kBadUnits) {
        SCOPED_TRACE(static_cast<int>(u));
        const QelUnitType t(u, 3);
        EXPECT_TRUE(t.empty());
        EXPECT_EQ(t.GetStatus(), QelUnit::Ok);
        QelUnitType m(QelUnit::meter, 2);
        m.set(u, 5);
        ASSERT_EQ(m.size(), 1U);
        EXPECT_EQ(m[0].unit, QelUnit::meter);
        EXPECT_EQ(m[0].power, 2);
        U simple = QelUnit::meter;
        EXPECT_TRUE(t.isSimpleUnit(simple));
        EXPECT_EQ(simple, QelUnit::dimensionless);
        EXPECT_EQ(t.getType(), QelUnit::Dimensionless);
    }
}

TEST(BadUnitCode, ConversionsTreatItAsDimensionless) {
    for (const U u : kBadUnits) {
        SCOPED_TRACE(static_cast<int>(u));
        double v = 7.5;
        EXPECT_EQ(QelUnitBase::ConvertUnits(u, U(349), v), QelUnit::Ok);
        EXPECT_EQ(QelUnitBase::ConvertUnits(u, QelUnit::dimensionless, v), QelUnit::Ok);
        EXPECT_EQ(v, 7.5);
        EXPECT_EQ(QelUnitBase::ConvertUnits(u, QelUnit::meter, v), QelUnit::TypesNotCompatible);
        EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::celsius, 1, u, 1, v), QelUnit::TypesNotCompatible);
        EXPECT_EQ(v, 7.5);
        double f = -1.0;
        EXPECT_EQ(QelUnitBase::GetConversionFactor(u, 4, u, -2, f), QelUnit::Ok);
        EXPECT_EQ(f, 1.0);
        f = -1.0;
        EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::foot, u, f), QelUnit::TypesNotCompatible);
        EXPECT_EQ(f, -1.0);
        const QelUnitConverter c(u, QelUnit::second);
        EXPECT_EQ(c.ConvertUnits(v), QelUnit::TypesNotCompatible);
        EXPECT_EQ(v, 7.5);
        QelUnitVar q(2.0, QelUnitType(u));
        EXPECT_EQ(q.ConvertTo(QelUnitType(QelUnit::dimensionless)), QelUnit::Ok);
        EXPECT_EQ(q.GetValue(), 2.0);
    }
}

TEST(BadTypeCode, DisplayNameIsNull) {
    for (const T t : kBadTypes) {
        SCOPED_TRACE(static_cast<int>(t));
        EXPECT_FALSE(QelUnit::isValid(t));
        EXPECT_EQ(QelUnit::displayName(t, false), nullptr);
        EXPECT_EQ(QelUnit::displayName(t, true), nullptr);
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

TEST(NullText, StringSeamTakesNullAsNoText) {
    const QelStringP null(nullptr, false);
    EXPECT_TRUE(QelStringP(nullptr, std::size_t{5}).IsNull());
    EXPECT_TRUE(null.Left(L"x").IsNull());
    EXPECT_EQ(text(null.Right(L"x")), L"");
    EXPECT_EQ(text(QelStringP(L"a%b").Left(nullptr)), L"a%b");
    EXPECT_EQ(text(QelStringP(L"a%b").Right(nullptr)), L"");
    EXPECT_EQ(text(null.Mid(0, 3)), L"");
    EXPECT_EQ(text(QelStringP(L"abc").Mid(2, 1)), L"");
    EXPECT_EQ(text(QelStringP(L"abc").Mid(UINT_MAX, UINT_MAX)), L"");
    EXPECT_FALSE(null.IsNumber());
    EXPECT_TRUE(null == nullptr);
    EXPECT_FALSE(QelStringP(L"") == nullptr);
    QelStringP s(L"x");
    s = static_cast<const wchar_t*>(nullptr);
    EXPECT_TRUE(s.IsNull());
    EXPECT_EQ(text(QelStringP::Format(nullptr)), L"");
    EXPECT_EQ(text(QelException::NLSGetMessage(9014, nullptr)), L"");
    QelException* e = QelException::Create(null);
    EXPECT_STREQ(e->GetMessage(), L"");
    e->Dispose();

    QelStringCollection* none = QelStringCollection::Create(null, nullptr, false);
    EXPECT_EQ(none->GetCount(), 0U);
    EXPECT_EQ(none->GetElement(0), nullptr);
    none->Dispose();
    QelStringCollection* whole = QelStringCollection::Create(QelStringP(L"a;b"), nullptr, false);
    ASSERT_EQ(whole->GetCount(), 1U);
    QelStringElement* piece = whole->GetElement(0);
    EXPECT_EQ(text(piece->GetString()), L"a;b");
    piece->Dispose();
    EXPECT_EQ(whole->GetElement(UINT_MAX), nullptr);
    whole->Dispose();
}

TEST(OddValue, FactorConversionsMultiplyAsIeeeDoes) {
    for (const double value : kOddValues) {
        SCOPED_TRACE(value);
        double v = value;
        EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, v), QelUnit::Ok);
        EXPECT_TRUE(sameDouble(value * kMeterToFoot, v));
        v = value;
        EXPECT_EQ(QelUnitBase::ConvertUnits(S::Meters, F::SurveyFoot, S::Meters, v), QelUnit::Ok);
        EXPECT_TRUE(sameDouble(value, v));
        QelUnitVar q(value, QelUnitType(QelUnit::meter));
        EXPECT_EQ(q.ConvertTo(QelUnitType(QelUnit::foot)), QelUnit::Ok);
        EXPECT_TRUE(sameDouble(value * kMeterToFoot, q.GetValue()));
    }
}

TEST(OddValue, TemperatureReadingsKeepNaNAndInfinities) {
    for (const double value : kOddValues) {
        SCOPED_TRACE(value);
        double v = value;
        EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::celsius, QelUnit::fahrenheit, v), QelUnit::Ok);
        if (std::isnan(value)) {
            EXPECT_TRUE(std::isnan(v));
        } else if (std::isinf(value)) {
            EXPECT_EQ(v, value);
        } else {
            EXPECT_EQ(v, 32.0); // -0.0 and denormals are the freezing point
        }
    }
}

TEST(OddValue, DivisionAndInversionRefuseOnlyTinyMagnitudes) {
    const QelUnitVar five(5.0, QelUnitType(QelUnit::meter));
    for (const double value : kOddValues) {
        SCOPED_TRACE(value);
        const bool tiny = std::fabs(value) < QelUnit::kEpsilon; // false for NaN
        QelUnitVar q(value, QelUnitType(QelUnit::second));
        q.invert();
        EXPECT_EQ(q.GetStatus(), tiny ? QelUnit::Overflow : QelUnit::Ok);
        EXPECT_TRUE(sameDouble(tiny ? value : 1.0 / value, q.GetValue()));
        EXPECT_EQ(q.GetType()[0].power, -1);

        const QelUnitVar quotient = five / QelUnitVar(value, QelUnitType(QelUnit::second));
        EXPECT_EQ(quotient.GetStatus(), tiny ? QelUnit::Overflow : QelUnit::Ok);
        EXPECT_TRUE(sameDouble(tiny ? 0.0 : 5.0 / value, quotient.GetValue()));

        QelUnitVar divided = five;
        divided /= value;
        EXPECT_EQ(divided.GetStatus(), tiny ? QelUnit::Overflow : QelUnit::Ok);
        EXPECT_TRUE(sameDouble(tiny ? 5.0 : 5.0 / value, divided.GetValue()));

        ConversionFactor f(2.0);
        f /= ConversionFactor(value);
        EXPECT_TRUE(sameDouble(std::fabs(value) > QelUnit::kEpsilon ? 2.0 / value : kInf, f));
    }
}

TEST(OddValue, EqualityNeedsAFiniteDifferenceBelowTheTolerance) {
    for (const double value : kOddValues) {
        SCOPED_TRACE(value);
        const QelUnitVar a(value, QelUnitType(QelUnit::meter));
        const bool equal = std::fabs(value - value) < QelUnit::kEpsilon; // NaN and infinities are never equal
        EXPECT_EQ(a == a, equal ? 1 : 0);
        EXPECT_EQ(a != a, equal ? 0 : 1);
        EXPECT_EQ(ConversionFactor(value).isEqualTo(ConversionFactor(value)), equal);
        const QelUnitVar sum = a + QelUnitVar(1.0, QelUnitType(QelUnit::foot));
        EXPECT_EQ(sum.GetStatus(), QelUnit::Ok);
        EXPECT_TRUE(sameDouble(value + 0.3048, sum.GetValue()));
    }
}

TEST(OddPower, PowersAreStoredAndWrapInThirtyTwoBits) {
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
        const QelUnitVar q(2.0, QelUnitType(QelUnit::meter), p);
        EXPECT_EQ(q.GetType()[0].power, p);
    }
}

TEST(OddPower, FactorsArePowersOfTheUnitFactor) {
    for (const int p : kOddPowers) {
        SCOPED_TRACE(p);
        double f = -1.0;
        EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::meter, p, QelUnit::foot, p, f), QelUnit::Ok);
        EXPECT_TRUE(sameDouble(std::pow(kMeterToFoot, p), f));
        double v = 1.0;
        EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::meter, p, QelUnit::meter, p, v), QelUnit::Ok);
        EXPECT_EQ(v, 1.0);
        QelUnitVar q(2.0, QelUnitType(QelUnit::second));
        q.pow(p);
        EXPECT_TRUE(sameDouble(std::pow(2.0, p), q.GetValue()));
    }
    double f = -1.0;
    EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::meter, INT_MAX, QelUnit::meter, INT_MIN, f),
              QelUnit::TypesNotCompatible);
    EXPECT_EQ(f, -1.0);
}

// A code with garbage high bits or with a foot choice that is neither (or both)
// forms a key that the map does not hold, and stands for the unit of its own number.
TEST(SettingsCode, UnknownKeysFallBackToTheCodesNumber) {
    struct Case {
        std::uint32_t code;
        std::uint32_t conversion;
        U expected;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        SCOPED_TRACE(c.conversion);
        EXPECT_EQ(QelUnitBase::mapToBuiltin(S(c.code), F(c.conversion)), c.expected);
        double v = 2.0;
        double direct = 2.0;
        EXPECT_EQ(QelUnitBase::ConvertUnits(S(c.code), F(c.conversion), S::Meters, v),
                  QelUnitBase::ConvertUnits(c.expected, QelUnit::meter, direct));
        EXPECT_TRUE(sameDouble(direct, v));
    }
    double v = 3.0;
    EXPECT_EQ(QelUnitBase::ConvertUnits(S(0xFFFFFFFFU), F(0), S(0xFFFFFFFEU), v), QelUnit::Ok);
    EXPECT_EQ(v, 3.0);
    EXPECT_EQ(QelUnitBase::ConvertUnits(S(0xFFFFFFFFU), F(0), S::Meters, v), QelUnit::TypesNotCompatible);
    EXPECT_FALSE(QelUnitBase::IsMetric(S(0xFFFFFFFFU)));
    EXPECT_TRUE(QelUnitBase::IsImperial(S(0xFFFFFFFFU)));
}

TEST(BadStatus, HasNoMessage) {
    for (const int s : {-1, 6, INT_MIN, INT_MAX}) {
        EXPECT_EQ(text(QelUnitBase::GetStatusMessage(QelUnit::ErrorStatus(s))), L"") << s;
    }
}

// Sets the tolerance for one scope and restores it even when a check fails.
class EpsilonScope {
public:
    explicit EpsilonScope(double e) : mSaved(QelUnit::kEpsilon) { QelUnit::kEpsilon = e; }
    ~EpsilonScope() { QelUnit::kEpsilon = mSaved; }
    EpsilonScope(const EpsilonScope&) = delete;
    EpsilonScope& operator=(const EpsilonScope&) = delete;

private:
    double mSaved;
};

double squareKilometersSquaredToSquareMeters() {
    double f = 0.0;
    EXPECT_EQ(QelUnitBase::GetConversionFactor(QelUnit::square_kilometer, 2, QelUnit::square_meters, 2, f),
              QelUnit::Ok);
    return f;
}

TEST(Epsilon, NonsenseTolerancesFollowTheComparisonsAsWritten) {
    const double reverse = squareKilometersSquaredToSquareMeters();
    for (const double eps : {0.0, -1.0, kNaN}) {
        SCOPED_TRACE(eps);
        {
            const EpsilonScope scope(eps);
            // Division of factors: only a divisor of magnitude above the tolerance divides.
            for (const double d : {0.0, -0.0, 4.0}) {
                ConversionFactor f(2.0);
                f /= ConversionFactor(d);
                EXPECT_TRUE(sameDouble(std::fabs(d) > eps ? 2.0 / d : kInf, f)) << d;
            }
            // Quantities: only a magnitude below the tolerance is refused, so nothing is.
            QelUnitVar zero(0.0, QelUnitType(QelUnit::second));
            zero.invert();
            EXPECT_EQ(zero.GetStatus(), QelUnit::Ok);
            EXPECT_EQ(zero.GetValue(), kInf);
            const QelUnitVar one(1.0, QelUnitType(QelUnit::meter));
            EXPECT_EQ(one == one, 0); // no difference is below such a tolerance
            EXPECT_FALSE(ConversionFactor(1.0).isEqualTo(ConversionFactor(1.0)));
            // Conversions do not depend on the tolerance.
            double v = 1.0;
            EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, v), QelUnit::Ok);
            EXPECT_EQ(v, kMeterToFoot);
            EXPECT_TRUE(sameDouble(reverse, squareKilometersSquaredToSquareMeters()));
        }
        EXPECT_EQ(QelUnit::kEpsilon, 1e-10);
    }
}

} // namespace

TEST(ParserInput, HostileTextGivesAnErrorValue) {
    struct Case {
        std::wstring text;
        QelUnitParseResult::Error expected;
    };
    const Case cases[] = {
        {L"", QelUnitParseResult::Error::Empty},
        {L" \t ", QelUnitParseResult::Error::Empty},
        {std::wstring(100, L'(') + L"m" + std::wstring(100, L')'), QelUnitParseResult::Error::NestingTooDeep},
        {L"m^2147483647", QelUnitParseResult::Error::PowerOutOfRange},
        {L"m^-2147483648", QelUnitParseResult::Error::PowerOutOfRange},
        {L"m^99999999999999999999", QelUnitParseResult::Error::PowerOutOfRange},
        {L"m^", QelUnitParseResult::Error::BadExponent},
        {L"m)", QelUnitParseResult::Error::UnbalancedParenthesis},
        {L"m/", QelUnitParseResult::Error::MissingOperand},
        {L"2/s", QelUnitParseResult::Error::NumberNotOne},
        {std::wstring(L"m\0s", 3), QelUnitParseResult::Error::UnknownUnit},
        {L"\xFFFF\xD800", QelUnitParseResult::Error::UnknownUnit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text.substr(0, 20)));
        const QelUnitParseResult r = QelUnitParser::parse(std::wstring_view(c.text));
        EXPECT_EQ(r.error(), c.expected) << QelUnitParser::toUtf8(r.message());
        EXPECT_TRUE(r.type().empty());
        EXPECT_LE(r.position(), c.text.size());
    }
    EXPECT_EQ(QelUnitParser::parse(static_cast<const wchar_t*>(nullptr)).error(), QelUnitParseResult::Error::NullText);
    EXPECT_EQ(QelUnitParser::parseUtf8(static_cast<const char*>(nullptr)).error(), QelUnitParseResult::Error::NullText);
    EXPECT_EQ(QelUnitParser::parseUtf8("m\xC0\xAF").error(), QelUnitParseResult::Error::InvalidEncoding);
    // A megabyte of terms: read to the end, refused for its power, no deep recursion.
    std::wstring huge;
    for (int i = 0; i < 1 << 19; ++i) {
        huge += L"m*";
    }
    huge += L"m";
    EXPECT_EQ(QelUnitParser::parse(std::wstring_view(huge)).error(), QelUnitParseResult::Error::PowerOutOfRange);
}

TEST(ParserInput, BadCodesGiveEmptyAnswers) {
    for (const U u : kBadUnits) {
        EXPECT_STREQ(QelUnitParser::unitText(u), L"") << static_cast<int>(u);
    }
    for (const T t : kBadTypes) {
        EXPECT_EQ(QelUnitParser::baseUnit(t), QelUnit::dimensionless) << static_cast<int>(t);
    }
    U unit = QelUnit::meter;
    EXPECT_FALSE(QelUnitParser::resolveName(std::wstring_view(), unit));
    EXPECT_EQ(unit, QelUnit::dimensionless);
    EXPECT_EQ(QelUnitParser::candidates(std::wstring_view()).count, 0U);
    EXPECT_EQ(text(QelUnitParser::format(QelUnitType())), L"1");
    std::wstring wide = L"unchanged";
    EXPECT_FALSE(QelUnitParser::fromUtf8("\xFF", wide));
    EXPECT_EQ(wide, L"unchanged");
}

TEST(ToolArguments, BadArgumentsAreUsageErrors) {
    struct Case {
        std::vector<const char*> args;
        int expected;
    };
    const Case cases[] = {
        {{}, qelunits_cli::kOk},               // no program name at all: reads lines, of which there are none
        {{"qelunits", ""}, qelunits_cli::kOk}, // an empty command is no command: reads lines
        {{"qelunits", "convert"}, qelunits_cli::kUsageError},
        {{"qelunits", "convert", "1", "m"}, qelunits_cli::kUsageError},
        {{"qelunits", "--foot"}, qelunits_cli::kUsageError},
        {{"qelunits", "--foot", "imperial", "types"}, qelunits_cli::kUsageError},
        {{"qelunits", "convert", "nan", "m", "ft"}, qelunits_cli::kOk},   // prints "nan ft"
        {{"qelunits", "convert", "1e308", "m", "ft"}, qelunits_cli::kOk}, // prints "inf ft"
        {{"qelunits", "convert", "1e999", "m", "ft"}, qelunits_cli::kUsageError},
        {{"qelunits", "convert", "1", "\xFF", "ft"}, qelunits_cli::kConversionError},
        {{"qelunits", "--settings", "convert", "1", "4294967295", "2"}, qelunits_cli::kConversionError},
        {{"qelunits", "--settings", "convert", "1", "30", "-1"}, qelunits_cli::kUsageError},
        {{"qelunits", "list", "--type", "99"}, qelunits_cli::kUsageError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        std::vector<const char*> argv = c.args;
        argv.push_back(nullptr);
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const int status = qelunits_cli::run(static_cast<int>(c.args.size()), argv.data(), in, out, err, false);
        EXPECT_EQ(status, c.expected) << err.str();
        EXPECT_EQ(err.str().empty(), status == qelunits_cli::kOk) << err.str();
    }
}
