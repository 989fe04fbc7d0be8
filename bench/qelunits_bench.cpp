// Benchmarks of the common paths, with UDUNITS-2 in the same binary where it is
// installed so that each comparison is a ratio measured in one run. Names are
// fixed so that results can be compared across commits.

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <benchmark/benchmark.h>

#if defined(QELUNITS_BENCH_UDUNITS)
#include <udunits2.h>
#endif

namespace {

__attribute__((noinline)) double multiplyByFootFactor(double value) { return value * 3.280839895013123; }

void BM_Baseline_MultiplyViaFunctionPointer(benchmark::State& state) {
    double (*volatile convert)(double) = multiplyByFootFactor;
    double value = 1.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        double v = convert(value);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_Baseline_MultiplyViaFunctionPointer);

void staticConvert(benchmark::State& state, QelUnit::BuiltinUnits from, QelUnit::BuiltinUnits to) {
    for (auto _ : state) {
        double value = 1.0;
        benchmark::DoNotOptimize(value);
        const QelUnit::ErrorStatus status = QelUnitBase::ConvertUnits(from, to, value);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(value);
    }
}

void BM_Qel_StaticConvert_MeterFoot(benchmark::State& state) { staticConvert(state, QelUnit::meter, QelUnit::foot); }
BENCHMARK(BM_Qel_StaticConvert_MeterFoot);

void BM_Qel_StaticConvert_CelsiusFahrenheit(benchmark::State& state) {
    staticConvert(state, QelUnit::celsius, QelUnit::fahrenheit);
}
BENCHMARK(BM_Qel_StaticConvert_CelsiusFahrenheit);

void BM_Qel_StaticConvert_SettingsSurveyFootMeter(benchmark::State& state) {
    for (auto _ : state) {
        double value = 1.0;
        benchmark::DoNotOptimize(value);
        const QelUnit::ErrorStatus status =
            QelUnitBase::ConvertUnits(QelUnitBase::Feet, QelUnitBase::SurveyFoot, QelUnitBase::Meters, value);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_Qel_StaticConvert_SettingsSurveyFootMeter);

void BM_Qel_Converter_MeterFoot(benchmark::State& state) {
    const QelUnitConverter converter(QelUnit::meter, QelUnit::foot);
    for (auto _ : state) {
        double value = 1.0;
        benchmark::DoNotOptimize(value);
        const QelUnit::ErrorStatus status = converter.ConvertUnits(value);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_Qel_Converter_MeterFoot);

void BM_Qel_CompoundFactor_MpsToFtPerMin(benchmark::State& state) {
    const QelUnitType from = QelUnitType(QelUnit::meter) / QelUnitType(QelUnit::second);
    const QelUnitType to = QelUnitType(QelUnit::foot) / QelUnitType(QelUnit::minute);
    for (auto _ : state) {
        ConversionFactor factor;
        const QelUnit::ErrorStatus status = from.GetConversionFactor(to, factor);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(factor);
    }
}
BENCHMARK(BM_Qel_CompoundFactor_MpsToFtPerMin);

void BM_Qel_QuantityAdd_MeterFoot(benchmark::State& state) {
    const QelUnitVar meters(1.0, QelUnitType(QelUnit::meter));
    const QelUnitVar feet(1.0, QelUnitType(QelUnit::foot));
    for (auto _ : state) {
        QelUnitVar sum = meters + feet;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Qel_QuantityAdd_MeterFoot);

void lookup(benchmark::State& state, const wchar_t* name) {
    const QelStringP text(name);
    for (auto _ : state) {
        const QelUnit::BuiltinUnits unit = QelUnit::getBuiltinUnit(text, QelUnit::Abbreviation);
        benchmark::DoNotOptimize(unit);
    }
}

void BM_Qel_Lookup_Abbreviation_ft(benchmark::State& state) { lookup(state, L"ft"); }
BENCHMARK(BM_Qel_Lookup_Abbreviation_ft);

void BM_Qel_Lookup_Miss(benchmark::State& state) { lookup(state, L"no such unit"); }
BENCHMARK(BM_Qel_Lookup_Miss);

// Both texts read as expressions, then one value converted, as a caller with user input does.
void BM_Qel_ParseAndConvert_MpsToFtPerMin(benchmark::State& state) {
    for (auto _ : state) {
        const QelUnitParseResult from = QelUnitParser::parse(L"m/s");
        const QelUnitParseResult to = QelUnitParser::parse(L"ft/min");
        ConversionFactor factor;
        const QelUnit::ErrorStatus status = from.type().GetConversionFactor(to.type(), factor);
        double value = 1.0 * static_cast<double>(factor);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_Qel_ParseAndConvert_MpsToFtPerMin);

#if defined(QELUNITS_BENCH_UDUNITS)

// One unit system for the whole run, as a real caller keeps it.
ut_system* udunitsSystem() {
    static ut_system* const system = [] {
        ut_set_error_message_handler(ut_ignore);
        return ut_read_xml(nullptr);
    }();
    return system;
}

void BM_Udunits_Prebuilt_MeterFoot(benchmark::State& state) {
    ut_unit* meter = ut_parse(udunitsSystem(), "m", UT_ASCII);
    ut_unit* foot = ut_parse(udunitsSystem(), "ft", UT_ASCII);
    cv_converter* converter = ut_get_converter(meter, foot);
    for (auto _ : state) {
        double value = 1.0;
        benchmark::DoNotOptimize(value);
        value = cv_convert_double(converter, value);
        benchmark::DoNotOptimize(value);
    }
    cv_free(converter);
    ut_free(foot);
    ut_free(meter);
}
BENCHMARK(BM_Udunits_Prebuilt_MeterFoot);

// Gets a converter between two parsed units, converts 1 and frees the converter.
void udunitsConvertOnce(ut_unit* from, ut_unit* to) {
    cv_converter* converter = ut_get_converter(from, to);
    double value = cv_convert_double(converter, 1.0);
    benchmark::DoNotOptimize(value);
    cv_free(converter);
}

void udunitsGetConverter(benchmark::State& state, const char* fromText, const char* toText) {
    ut_unit* from = ut_parse(udunitsSystem(), fromText, UT_ASCII);
    ut_unit* to = ut_parse(udunitsSystem(), toText, UT_ASCII);
    for (auto _ : state) {
        udunitsConvertOnce(from, to);
    }
    ut_free(to);
    ut_free(from);
}

void BM_Udunits_GetConverter_MeterFoot(benchmark::State& state) { udunitsGetConverter(state, "m", "ft"); }
BENCHMARK(BM_Udunits_GetConverter_MeterFoot);

void BM_Udunits_GetConverter_MpsToFtPerMin(benchmark::State& state) { udunitsGetConverter(state, "m/s", "ft/min"); }
BENCHMARK(BM_Udunits_GetConverter_MpsToFtPerMin);

void BM_Udunits_ParseAndConvert_MpsToFtPerMin(benchmark::State& state) {
    ut_system* system = udunitsSystem();
    for (auto _ : state) {
        ut_unit* from = ut_parse(system, "m/s", UT_ASCII);
        ut_unit* to = ut_parse(system, "ft/min", UT_ASCII);
        udunitsConvertOnce(from, to);
        ut_free(to);
        ut_free(from);
    }
}
BENCHMARK(BM_Udunits_ParseAndConvert_MpsToFtPerMin);

#endif

} // namespace

BENCHMARK_MAIN();
