// Every allocation of a representative call may fail: the failure reaches the
// caller as std::bad_alloc, nothing leaks, and the next call gives the right answer.

#include "AllocHooks.h"
#include "SampleTypes.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>

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
    template <class Integer, class = std::enable_if_t<std::is_integral_v<Integer> || std::is_enum_v<Integer>>>
    Digest& add(Integer v) {
        return add(static_cast<std::uint64_t>(v));
    }
    Digest& add(double v) { return add(qelunits_test::bits(v)); }
    Digest& add(const std::string& text) { return add(std::hash<std::string>()(text)); }
    Digest& add(const wchar_t* text) { return add(text == nullptr ? 0xdead : std::hash<std::wstring_view>()(text)); }
    Digest& add(const QelUnitType& t) {
        for (const QelUnitFactor& f : t) {
            add(f.unit).add(f.power);
        }
        return add(t.size());
    }
    Digest& add(const QelUnitVar& v) { return add(v.GetValue()).add(v.GetType()).add(v.GetStatus()); }
};

struct Call {
    const char* name;
    std::uint64_t (*run)();
};

std::uint64_t compoundConversion() {
    ConversionFactor f;
    const QelUnitType from = elevenMetric();
    const QelUnitType to = elevenOther();
    const QelUnit::ErrorStatus s = from.GetConversionFactor(to, f);
    QelUnitType metric;
    ConversionFactor toMetric;
    to.GetMetricConversion(metric, toMetric);
    Digest d;
    d.add(s).add(static_cast<double>(f)).add(from * to).add(from / to).add(pow(from, 2)).add(invert(to));
    return d.add(metric).add(static_cast<double>(toMetric)).add(from.isCompatible(to)).h;
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
    return Digest().add(c).add(d).add(e).add(a * b).add(a / b).add(pow(a, 3)).add(-b).add(s).h;
}

std::uint64_t lookupByName() {
    Digest d;
    d.add(QelUnit::getBuiltinUnit(QelStringP(L"sq ft"), QelUnit::Abbreviation));
    d.add(QelUnit::getBuiltinUnit(QelStringP(L"Square Feet"), QelUnit::PluralName));
    d.add(QelUnit::getBuiltinUnit(QelStringP(L"m\u00b2"), QelUnit::VellumAbbreviation));
    try {
        QelUnit::getBuiltinUnit(QelStringP(nullptr, false), QelUnit::InternalName);
        d.add(1);
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
        d.add(r.error()).add(r.position()).add(r.message()).add(r.type());
    }
    const QelUnitParseResult u = QelUnitParser::parseUtf8("W/(m\xc2\xb2\xc2\xb7K)");
    d.add(QelUnitParser::format(u.type())).add(qelunits::dimension(u.type()));
    return d.h;
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

// The static calls and the converters allocate nothing (alloc_count_test), so they have nothing to fail.
const Call kCalls[] = {
    {"CompoundConversion", compoundConversion},
    {"QuantityArithmetic", quantityArithmetic},
    {"LookupByName", lookupByName},
    {"Parsing", parsing},
    {"Texts", texts},
};

class AllocationFailure : public ::testing::TestWithParam<Call> {};

// Fails allocation k of the call for k = 1, 2, ... until the call makes fewer than k allocations.
TEST_P(AllocationFailure, SurfacesAsBadAllocAndRecovers) {
    const Call& call = GetParam();
    const std::uint64_t expected = call.run(); // also warms up what is filled once
    for (std::size_t k = 1; !HasFailure(); ++k) {
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
            EXPECT_GT(k, 1U) << "nothing to fail";
            return;
        }
        EXPECT_TRUE(threw) << "the failed allocation did not reach the caller";
        EXPECT_EQ(call.run(), expected) << "the next call after a failure";
    }
}

INSTANTIATE_TEST_SUITE_P(RepresentativeCalls, AllocationFailure, ::testing::ValuesIn(kCalls),
                         [](const ::testing::TestParamInfo<Call>& p) { return std::string(p.param.name); });

// The hooks themselves: a region counts every form of new and delete, and the armed allocation fails in
// both forms while the others succeed. The operators are called directly: an optimiser may drop a
// new-expression whose object is deleted unused.
TEST(AllocHooks, CountEveryFormAndFailTheArmedAllocationOnly) {
    constexpr auto kWide = std::align_val_t{64};
    alloc_hooks::beginCounting();
    ::operator delete(::operator new(4));
    EXPECT_EQ(alloc_hooks::endRegion().allocations, 1U);
    alloc_hooks::beginFailingAt(2);
    ::operator delete[](::operator new[](3));
    void* refused = ::operator new(4, std::nothrow);
    ::operator delete(::operator new(64, kWide), kWide);
    ::operator delete[](::operator new[](128, kWide, std::nothrow), kWide);
    ::operator delete(::operator new(4, std::nothrow));
    const alloc_hooks::RegionResult r = alloc_hooks::endRegion();
    EXPECT_EQ(refused, nullptr);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.allocations, 5U);
    EXPECT_EQ(r.liveBlocks, 0);
    alloc_hooks::beginFailingAt(1);
    EXPECT_THROW(::operator delete(::operator new(4)), std::bad_alloc);
    EXPECT_TRUE(alloc_hooks::endRegion().failed);
}

} // namespace
