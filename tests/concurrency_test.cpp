// First use from eight threads at once, in a fresh process: everything that is
// filled on first use fills while the others read it, and every thread sees the
// same answers. Run under ThreadSanitizer in CI.

#include "catalog/LocalizedTexts.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <gtest/gtest.h>

#include <atomic>
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

// What one thread saw. Pointers are compared across threads: a cache hands out
// one text per key for the whole process.
struct Observed {
    double meterToFoot = 0.0;
    double surveyFeetToMeters = 0.0;
    double mpsToFtPerMin = 0.0;
    double hundredCelsius = 0.0;
    QelUnit::BuiltinUnits mappedSurveyFoot = QelUnit::dimensionless;
    std::vector<const wchar_t*> displayNames;  // every type, English then localized
    std::vector<const wchar_t*> unitNames;     // singular and plural, localized, every unit
    std::vector<std::wstring> abbreviations;   // default, Vellum, localized, every unit
    std::vector<unsigned int> localizedCounts; // every unit
    std::vector<int> lookups;                  // internal name and abbreviation of every unit, found again
    std::vector<std::wstring> typeQueries;     // display name and names of one-unit types
    const QelStringP* keywords[4] = {};
    std::vector<int> parsed; // unit and power of each entry of a parsed expression
};

void convert(Observed& o) {
    QelUnitBase::Initialize();
    o.mappedSurveyFoot = QelUnitBase::mapToBuiltin(QelUnitBase::Feet, QelUnitBase::SurveyFoot);
    double v = 1.0;
    EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, v), QelUnit::Ok);
    o.meterToFoot = v;
    v = 1.0;
    EXPECT_EQ(QelUnitBase::ConvertUnits(QelUnitBase::Feet, QelUnitBase::SurveyFoot, QelUnitBase::Meters, v),
              QelUnit::Ok);
    o.surveyFeetToMeters = v;
    ConversionFactor f;
    const QelUnitType mps = QelUnitType(QelUnit::meter) / QelUnitType(QelUnit::second);
    const QelUnitType fpm = QelUnitType(QelUnit::foot) / QelUnitType(QelUnit::minute);
    EXPECT_EQ(mps.GetConversionFactor(fpm, f), QelUnit::Ok);
    o.mpsToFtPerMin = f;
    QelUnitVar t(100.0, QelUnitType(QelUnit::celsius));
    EXPECT_EQ(t.ConvertTo(QelUnitType(QelUnit::fahrenheit)), QelUnit::Ok);
    o.hundredCelsius = t.GetValue();
}

void texts(Observed& o) {
    for (int i = 0; i < 2 * QelUnit::kTypeCount; ++i) {
        o.displayNames.push_back(QelUnit::displayName(static_cast<QelUnit::BuiltinTypes>(i % QelUnit::kTypeCount),
                                                      i >= QelUnit::kTypeCount));
    }
    for (int i = 0; i < QelUnit::kUnitCount; ++i) {
        const auto u = static_cast<QelUnit::BuiltinUnits>(i);
        o.unitNames.push_back(QelUnit::singularName(u, true));
        o.unitNames.push_back(QelUnit::pluralName(u, true));
        o.abbreviations.emplace_back(QelUnit::defaultAbbreviation(u, true).c_str());
        o.abbreviations.emplace_back(QelUnit::defaultAbbreviationAsVellum(u, true, QelUnit::StripInserts).c_str());
        o.abbreviations.emplace_back(QelUnit::localizedAbbreviation(u, 1).c_str());
        o.abbreviations.emplace_back(QelUnit::localizedAbbreviationAsVellum(u, 1).c_str());
        o.localizedCounts.push_back(QelUnit::getLocalizedAbbreviationCount(u));
        const QelUnitType type(u, 2);
        o.typeQueries.emplace_back(type.getTypeDisplayName(i % 2 == 0));
        o.typeQueries.emplace_back(type.singularName(true).c_str());
        o.typeQueries.emplace_back(type.defaultAbbreviationAsVellum(true).c_str());
    }
    o.keywords[0] = &QelUnit::metricKeyword(false);
    o.keywords[1] = &QelUnit::metricKeyword(true);
    o.keywords[2] = &QelUnit::imperialKeyword(true);
    o.keywords[3] = &QelUnit::imperialKeyword(false);
}

void lookups(Observed& o) {
    for (int i = 0; i < QelUnit::kUnitCount; ++i) {
        const auto u = static_cast<QelUnit::BuiltinUnits>(i);
        o.lookups.push_back(QelUnit::getBuiltinUnit(QelStringP(QelUnit::internalName(u)), QelUnit::InternalName));
        o.lookups.push_back(QelUnit::getBuiltinUnit(QelUnit::defaultAbbreviation(u), QelUnit::LocalizedAbbreviation));
        o.lookups.push_back(
            QelUnit::getBuiltinUnit(QelStringP(QelUnit::singularName(u, true)), QelUnit::LocalizedSingularName));
    }
    for (const wchar_t* text : {L"m/s", L"kg*m/s^2", L"W/(m\u00b2\u00b7K)", L"BTU/hr/sq ft", L"us ft", L"min"}) {
        const QelUnitParseResult r = QelUnitParser::parse(text);
        EXPECT_TRUE(r.ok()) << r.message();
        for (const QelUnitFactor& f : r.type()) {
            o.parsed.push_back(f.unit);
            o.parsed.push_back(f.power);
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
            if (i % 2 == 0) {
                texts(o);
                convert(o);
            } else {
                convert(o);
                texts(o);
            }
            lookups(o);
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }

    const Observed& first = seen[0];
    EXPECT_EQ(first.meterToFoot, 3.280839895013123);
    EXPECT_EQ(first.mappedSurveyFoot, QelUnit::survey_foot);
    EXPECT_DOUBLE_EQ(first.surveyFeetToMeters, 1200.0 / 3937.0);
    EXPECT_DOUBLE_EQ(first.mpsToFtPerMin, 60.0 / 0.3048);
    EXPECT_DOUBLE_EQ(first.hundredCelsius, 212.0);
    EXPECT_STREQ(first.displayNames[QelUnit::Distance], L"Length");
    EXPECT_STREQ(first.unitNames[std::size_t{2} * QelUnit::meter], L"Meter");
    EXPECT_FALSE(first.parsed.empty());
    EXPECT_EQ(*first.keywords[0], L"Metric");
    EXPECT_EQ(*first.keywords[3], L"Imperial");
    for (int i = 0; i < QelUnit::kUnitCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        EXPECT_EQ(first.lookups[3 * at], i) << QelUnit::internalName(QelUnit::BuiltinUnits(i));
        if (i % kLocalizedEvery == 0) {
            EXPECT_STREQ(first.unitNames[2 * at], (L"Loc" + std::to_wstring(i)).c_str());
            EXPECT_EQ(first.localizedCounts[at], 3U); // the main abbreviation and two alternates
            EXPECT_EQ(first.abbreviations[4 * at + 2], L"a" + std::to_wstring(i));
            EXPECT_EQ(first.lookups[3 * at + 2], i);
        }
    }
    for (int i = 1; i < kThreads; ++i) {
        SCOPED_TRACE(i);
        const Observed& o = seen[static_cast<std::size_t>(i)];
        EXPECT_EQ(o.meterToFoot, first.meterToFoot);
        EXPECT_EQ(o.surveyFeetToMeters, first.surveyFeetToMeters);
        EXPECT_EQ(o.mpsToFtPerMin, first.mpsToFtPerMin);
        EXPECT_EQ(o.hundredCelsius, first.hundredCelsius);
        EXPECT_EQ(o.mappedSurveyFoot, first.mappedSurveyFoot);
        EXPECT_EQ(o.displayNames, first.displayNames);
        EXPECT_EQ(o.unitNames, first.unitNames);
        EXPECT_EQ(o.abbreviations, first.abbreviations);
        EXPECT_EQ(o.localizedCounts, first.localizedCounts);
        EXPECT_EQ(o.lookups, first.lookups);
        EXPECT_EQ(o.typeQueries, first.typeQueries);
        EXPECT_EQ(o.parsed, first.parsed);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(o.keywords[k], first.keywords[k]);
        }
    }
}

} // namespace
