// First use from eight threads at once, in a fresh process: everything that is
// filled on first use fills while the others read it, and every thread sees the
// same answers. Run under ThreadSanitizer in CI.

#include "catalog/LocalizedTexts.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <gtest/gtest.h>

#include <atomic>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kThreads = 8;
// Every seventh unit gets a localized text (through the loader's test seam), so
// that the loader, its pool and the alternate caches fill while others read them.
constexpr int kLocalizedEvery = 7;

std::wstring localizedText(int unit) {
    const std::wstring n = std::to_wstring(unit);
    return L"Loc" + n + L";Locs" + n + L";l" + n + L";l" + n + L"\u00b2;a" + n + L";a" + n + L"\u00b2;b" + n;
}

// What one thread saw, compared with the first thread (the texts' values are other tests' business). Pointers are
// compared: a cache hands out one text per key for the whole process.
struct Observed {
    std::vector<const void*> pointers; // display names, localized unit names, keywords
    std::vector<std::wstring> texts;   // abbreviations and type queries
    std::vector<int> codes;            // localized counts, lookups, parsed entries
};

// Every thread checks the values; a failed conversion leaves its value.
void convert(Observed& /*o*/) {
    QelUnitBase::Initialize();
    double v[2] = {1.0, 1.0};
    ConversionFactor f;
    QelUnitVar t(100.0, QelUnitType(QelUnit::celsius));
    QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, v[0]);
    QelUnitBase::ConvertUnits(QelUnitBase::Feet, QelUnitBase::SurveyFoot, QelUnitBase::Meters, v[1]);
    const QelUnitType mps = QelUnitType(QelUnit::meter) / QelUnitType(QelUnit::second);
    mps.GetConversionFactor(QelUnitType(QelUnit::foot) / QelUnitType(QelUnit::minute), f);
    t.ConvertTo(QelUnitType(QelUnit::fahrenheit));
    const double got[] = {v[0], v[1], f, t.GetValue()};
    const double expected[] = {3.280839895013123, 1200.0 / 3937.0, 60.0 / 0.3048, 212.0};
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        EXPECT_DOUBLE_EQ(got[k], expected[k]) << k;
    }
    EXPECT_EQ(QelUnitBase::mapToBuiltin(QelUnitBase::Feet, QelUnitBase::SurveyFoot), QelUnit::survey_foot);
}

void texts(Observed& o) {
    for (int i = 0; i < 2 * QelUnit::kTypeCount; ++i) {
        o.pointers.push_back(QelUnit::displayName(static_cast<QelUnit::BuiltinTypes>(i % QelUnit::kTypeCount),
                                                  i >= QelUnit::kTypeCount));
    }
    for (int i = 0; i < QelUnit::kUnitCount; ++i) {
        const auto u = static_cast<QelUnit::BuiltinUnits>(i);
        const wchar_t* singular = QelUnit::singularName(u, true);
        const std::wstring alternate = QelUnit::localizedAbbreviation(u, 1).c_str();
        const QelUnitType type(u, 2);
        o.pointers.insert(o.pointers.end(), {singular, QelUnit::pluralName(u, true)});
        o.texts.insert(o.texts.end(),
                       {alternate, QelUnit::defaultAbbreviation(u, true).c_str(),
                        QelUnit::defaultAbbreviationAsVellum(u, true, QelUnit::StripInserts).c_str(),
                        QelUnit::localizedAbbreviationAsVellum(u, 1).c_str(), type.getTypeDisplayName(i % 2 == 0),
                        type.singularName(true).c_str(), type.defaultAbbreviationAsVellum(true).c_str()});
        o.codes.push_back(static_cast<int>(QelUnit::getLocalizedAbbreviationCount(u)));
        if (i % kLocalizedEvery == 0) {
            EXPECT_STREQ(singular, (L"Loc" + std::to_wstring(i)).c_str());
            EXPECT_EQ(o.codes.back(), 3); // the main abbreviation and two alternates
            EXPECT_EQ(alternate, L"a" + std::to_wstring(i));
        }
    }
    o.pointers.insert(o.pointers.end(), {&QelUnit::metricKeyword(false), &QelUnit::metricKeyword(true),
                                         &QelUnit::imperialKeyword(true), &QelUnit::imperialKeyword(false)});
}

void lookups(Observed& o) {
    for (int i = 0; i < QelUnit::kUnitCount; ++i) {
        const auto u = static_cast<QelUnit::BuiltinUnits>(i);
        const int internal = QelUnit::getBuiltinUnit(QelStringP(QelUnit::internalName(u)), QelUnit::InternalName);
        const int singular =
            QelUnit::getBuiltinUnit(QelStringP(QelUnit::singularName(u, true)), QelUnit::LocalizedSingularName);
        EXPECT_EQ(internal, i) << QelUnit::internalName(u);
        if (i % kLocalizedEvery == 0) {
            EXPECT_EQ(singular, i);
        }
        o.codes.insert(o.codes.end(),
                       {internal, singular,
                        QelUnit::getBuiltinUnit(QelUnit::defaultAbbreviation(u), QelUnit::LocalizedAbbreviation)});
    }
    for (const wchar_t* text : {L"m/s", L"kg*m/s^2", L"W/(m\u00b2\u00b7K)", L"BTU/hr/sq ft", L"us ft", L"min"}) {
        const QelUnitParseResult r = QelUnitParser::parse(text);
        EXPECT_TRUE(r.ok() && !r.type().empty()) << r.message();
        for (const QelUnitFactor& f : r.type()) {
            o.codes.insert(o.codes.end(), {f.unit, f.power});
        }
    }
}

TEST(Concurrency, FirstUseFromEightThreadsAtOnce) {
    for (int u = 0; u < QelUnit::kUnitCount; u += kLocalizedEvery) {
        qelunits_detail::setLocalizedTextForTesting(static_cast<QelUnit::BuiltinUnits>(u),
                                                    QelStringP(localizedText(u).c_str()));
    }
    std::vector<Observed> seen(kThreads);
    std::atomic<int> waiting{kThreads};
    std::vector<std::thread> threads;
    threads.reserve(kThreads);
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            // Released together, so that the first uses overlap.
            waiting.fetch_sub(1);
            while (waiting.load() > 0) {
                std::this_thread::yield();
            }
            Observed& o = seen[static_cast<std::size_t>(i)];
            // Half the threads start with the texts, half with conversions.
            (i % 2 == 0 ? texts : convert)(o);
            (i % 2 == 0 ? convert : texts)(o);
            lookups(o);
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }

    for (std::size_t i = 1; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].pointers, seen[0].pointers);
        EXPECT_EQ(seen[i].texts, seen[0].texts);
        EXPECT_EQ(seen[i].codes, seen[0].codes);
    }
}

} // namespace

// Threads define units into the process's set and publish sets while others read with it: a reader sees each
// unit whole or not at all, and what it reads converts by its definition.
TEST(Concurrency, DefinitionsPublishedWhileOthersRead) {
    using qelunits::Definitions;
    const Definitions base = Definitions::read("brick = 2.5 kg\nhod = 10 brick").value();
    Definitions::publish(base);
    const qelunits::Unit kg = qelunits::Unit::parse("kg").value();
    std::atomic<bool> done{false};
    std::atomic<int> misreads{0};
    std::vector<std::thread> threads;
    threads.reserve(6);
    for (int i = 0; i < 2; ++i) {
        threads.emplace_back([&, i] {
            for (int k = 0; k < 40; ++k) {
                const std::string name = "made_" + std::to_string(i) + "_" + std::to_string(k);
                if (!Definitions::define(name + " = " + std::to_string(k + 1) + " hod")) {
                    misreads.fetch_add(1);
                }
                if (k % 10 == 9) {
                    Definitions::publish(base); // back to the two units; later defines grow it again
                }
            }
        });
    }
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&, i] {
            while (!done.load()) {
                const auto hod = qelunits::Quantity::parse("2 hod");
                if (!hod || hod->to(kg).value() != 50.0) {
                    misreads.fetch_add(1);
                }
                const std::string name = "made_" + std::to_string(i % 2) + "_3";
                const auto made = qelunits::Quantity::parse("1 " + name);
                if (made && made->to(kg).value() != 100.0) { // defined as 4 hod wherever it is known
                    misreads.fetch_add(1);
                }
            }
        });
    }
    for (std::size_t t = 0; t < 2; ++t) {
        threads[t].join();
    }
    done.store(true);
    for (std::size_t t = 2; t < threads.size(); ++t) {
        threads[t].join();
    }
    EXPECT_EQ(misreads.load(), 0);
    Definitions::publish(Definitions());
}
