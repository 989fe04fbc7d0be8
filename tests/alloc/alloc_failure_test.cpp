// Every allocation of a representative call may fail: the failure reaches the
// caller as std::bad_alloc, nothing leaks, and the next call gives the right answer.

#include "AllocHooks.h"
#include "SampleTypes.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>

namespace {

using alloc_samples::elevenMetric;
using alloc_samples::elevenOther;

// Results are folded into a number inside the call, so that the call's own
// objects are gone before the region ends and live blocks mean leaks.
struct Digest {
    std::uint64_t h = 1469598103934665603ULL;
    Digest& add(std::uint64_t v) {
        h = (h ^ v) * 1099511628211ULL;
        return *this;
    }
    Digest& add(double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        return add(bits);
    }
    Digest& add(const wchar_t* text) {
        if (text == nullptr) {
            return add(std::uint64_t{0xdead});
        }
        for (; *text != L'\0'; ++text) {
            add(static_cast<std::uint64_t>(*text));
        }
        return add(std::uint64_t{0});
    }
    Digest& add(const QelStringP& s) { return add(static_cast<const wchar_t*>(s)); }
    Digest& add(const QelUnitType& t) {
        for (const QelUnitFactor& f : t) {
            add(static_cast<std::uint64_t>(f.unit)).add(static_cast<std::uint64_t>(f.power));
        }
        return add(static_cast<std::uint64_t>(t.size()));
    }
    Digest& add(const QelUnitVar& v) { return add(v.GetValue()).add(v.GetType()).add(std::uint64_t(v.GetStatus())); }
};

// Releases what the string seam hands out, also when a later allocation fails.
struct Disposer {
    void operator()(QelIDisposable* p) const { p->Dispose(); }
};
template <typename D>
using Owned = std::unique_ptr<D, Disposer>;

struct Call {
    const char* name;
    std::uint64_t (*run)();
    bool allocates; // false where the call is allocation-free, so the sweep has nothing to fail
};

std::uint64_t compoundConversion() {
    ConversionFactor f;
    const QelUnitType from = elevenMetric();
    const QelUnitType to = elevenOther();
    const QelUnit::ErrorStatus s = from.GetConversionFactor(to, f);
    QelUnitType metric;
    ConversionFactor toMetric;
    to.GetMetricConversion(metric, toMetric);
    return Digest()
        .add(std::uint64_t(s))
        .add(static_cast<double>(f))
        .add(from * to)
        .add(from / to)
        .add(pow(from, 2))
        .add(invert(to))
        .add(metric)
        .add(static_cast<double>(toMetric))
        .add(std::uint64_t(from.isCompatible(to)))
        .h;
}

std::uint64_t quantityArithmetic() {
    const QelUnitVar a(2.0, elevenMetric());
    const QelUnitVar b(3.0, elevenOther());
    QelUnitVar c = a + b;
    c -= b;
    c *= a;
    c /= b;
    QelUnitVar d;
    const QelUnit::ErrorStatus s = QelUnitVar::Convert(a, elevenOther(), d);
    QelUnitVar e = a;
    e.ConvertTo(elevenOther());
    return Digest().add(c).add(d).add(e).add(a * b).add(a / b).add(pow(a, 3)).add(-b).add(std::uint64_t(s)).h;
}

std::uint64_t lookupByName() {
    Digest d;
    d.add(std::uint64_t(QelUnit::getBuiltinUnit(QelStringP(L"sq ft"), QelUnit::Abbreviation)));
    d.add(std::uint64_t(QelUnit::getBuiltinUnit(QelStringP(L"Square Feet"), QelUnit::PluralName)));
    d.add(std::uint64_t(QelUnit::getBuiltinUnit(QelStringP(L"m\u00b2"), QelUnit::VellumAbbreviation)));
    try {
        QelUnit::getBuiltinUnit(QelStringP(nullptr, false), QelUnit::InternalName);
        d.add(std::uint64_t{1});
    } catch (QelException* e) {
        d.add(e->GetMessage());
        e->Dispose();
    }
    return d.h;
}

std::uint64_t parsing() {
    Digest d;
    // Eleven terms outgrow a type's inline entries; the misspelling builds a message with suggestions.
    for (const wchar_t* text : {L"kg*m^2/(s^3*K*A*mol*cd*rad*Hz*sr*L)", L"fot/min", L"(m/s", L"BTU/hr/sq ft"}) {
        const QelUnitParseResult r = QelUnitParser::parse(text);
        d.add(std::uint64_t(r.error())).add(std::uint64_t(r.position())).add(r.message()).add(r.type());
    }
    const QelUnitParseResult u = QelUnitParser::parseUtf8("W/(m\xc2\xb2\xc2\xb7K)");
    d.add(QelUnitParser::format(u.type())).add(QelUnitParser::formatDimension(u.type()));
    return d.h;
}

std::uint64_t settingsConversion() {
    double v = 12.5;
    double f = 0.0;
    const auto s1 = QelUnitBase::ConvertUnits(QelUnitBase::SquareFeet, QelUnitBase::SurveyFoot, QelUnitBase::Acres, v);
    const auto s2 = QelUnitBase::GetConversionFactor(QelUnitBase::CubicYards, 2, QelUnitBase::InternationalFoot,
                                                     QelUnitBase::CubicMeters, 2, f);
    const QelUnitConverter c(QelUnitBase::MilesPerHour, QelUnitBase::SurveyFoot, QelUnitBase::FeetPerSecond);
    double w = 60.0;
    const auto s3 = c.ConvertUnits(w);
    return Digest().add(v).add(f).add(w).add(std::uint64_t(s1)).add(std::uint64_t(s2)).add(std::uint64_t(s3)).h;
}

std::uint64_t texts() {
    Digest d;
    for (const QelUnit::BuiltinUnits u : {QelUnit::square_meters, QelUnit::meter, QelUnit::pound_per_square_inch}) {
        d.add(QelUnit::defaultAbbreviation(u, true, QelUnit::StripInserts));
        d.add(QelUnit::defaultAbbreviationAsVellum(u, false, QelUnit::StripInserts));
        d.add(QelUnit::localizedAbbreviation(u, 0)).add(QelUnit::localizedAbbreviationAsVellum(u, 1));
        d.add(QelUnit::singularName(u, true)).add(QelUnit::pluralName(u));
    }
    const QelUnitType compound = elevenMetric();
    const QelUnitType one(QelUnit::cubic_foot, 2);
    for (const QelUnitType* t : {&compound, &one}) {
        d.add(t->singularName()).add(t->pluralName(true)).add(t->internalName());
        d.add(t->defaultAbbreviation(true, QelUnit::StripInserts)).add(t->defaultAbbreviationAsVellum());
        d.add(t->localizedAbbreviation(0)).add(t->localizedAbbreviationAsVellum(0)).add(t->getTypeDisplayName());
    }
    d.add(QelUnitBase::GetStatusMessage(QelUnit::TypesNotCompatible)).add(QelUnit::displayName(QelUnit::Flow));
    d.add(QelUnit::metricKeyword()).add(QelUnit::imperialKeyword(true));
    return d.h;
}

std::uint64_t strings() {
    Digest d;
    QelStringP s(L"abc %1!s! def!s!ghi");
    s += QelStringP(L" tail");
    d.add(s.Left(L"!s!")).add(s.Right(L"%")).add(s.Mid(2, 9));
    QelStringP copy;
    copy = s;
    copy = L"x";
    d.add(copy).add(QelStringP::Format(L"%s-%d", L"w", 7));
    const Owned<QelStringCollection> pieces(QelStringCollection::Create(s, L"!s!", false));
    for (unsigned int i = 0; i < pieces->GetCount(); ++i) {
        d.add(Owned<QelStringElement>(pieces->GetElement(i))->GetString());
    }
    d.add(Owned<QelException>(QelException::Create(QelException::NLSGetMessage(9014, "QEL_14_NULLSTRING")))
              ->GetMessage());
    return d.h;
}

const Call kCalls[] = {
    {"CompoundConversion", compoundConversion, true},
    {"QuantityArithmetic", quantityArithmetic, true},
    {"LookupByName", lookupByName, true},
    {"Parsing", parsing, true},
    {"SettingsConversion", settingsConversion, false},
    {"Texts", texts, true},
    {"Strings", strings, true},
};

class AllocationFailure : public ::testing::TestWithParam<Call> {};

// Fails allocation k of the call for k = 1, 2, ... until the call makes fewer
// than k allocations. Returns the number of allocations of the call.
std::size_t sweep(const Call& call) {
    const std::uint64_t expected = call.run(); // also warms up what is filled once
    for (std::size_t k = 1;; ++k) {
        SCOPED_TRACE(k);
        bool threw = false;
        std::uint64_t got = 0;
        alloc_hooks::beginFailingAt(k);
        try {
            got = call.run();
        } catch (const std::bad_alloc&) {
            threw = true;
        }
        const alloc_hooks::RegionResult r = alloc_hooks::endRegion();
        EXPECT_EQ(r.liveBlocks, 0) << "leaked blocks";
        if (!r.failed) {
            EXPECT_FALSE(threw);
            EXPECT_EQ(got, expected);
            return k - 1;
        }
        EXPECT_TRUE(threw) << "the failed allocation did not reach the caller";
        EXPECT_EQ(call.run(), expected) << "the next call after a failure";
        if (::testing::Test::HasFailure()) {
            return k;
        }
    }
}

TEST_P(AllocationFailure, SurfacesAsBadAllocAndRecovers) {
    const std::size_t count = sweep(GetParam());
    EXPECT_EQ(count > 0, GetParam().allocates) << count << " allocations";
}

INSTANTIATE_TEST_SUITE_P(RepresentativeCalls, AllocationFailure, ::testing::ValuesIn(kCalls),
                         [](const ::testing::TestParamInfo<Call>& p) { return std::string(p.param.name); });

// The hooks themselves: the armed allocation fails in both forms, others succeed.
TEST(AllocHooks, FailTheArmedAllocationOnly) {
    alloc_hooks::beginFailingAt(2);
    void* first = ::operator new(4);
    void* second = ::operator new(4, std::nothrow);
    void* third = ::operator new(4);
    ::operator delete(first);
    ::operator delete(third);
    const alloc_hooks::RegionResult r = alloc_hooks::endRegion();
    EXPECT_EQ(second, nullptr);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.allocations, 3U);
    EXPECT_EQ(r.liveBlocks, 0);
    alloc_hooks::beginFailingAt(1);
    EXPECT_THROW(::operator delete(::operator new(4)), std::bad_alloc);
    EXPECT_TRUE(alloc_hooks::endRegion().failed);
}

} // namespace
