// Benchmarks of the common paths, with UDUNITS-2 in the same binary where it is
// installed so that each comparison is a ratio measured in one run. Names are
// fixed so that results can be compared across commits.
//
// Every loop reads its input from a small array, a different entry each
// iteration, and consumes what it computes: a constant fed through
// DoNotOptimize just before an out-of-line call costs tens of nanoseconds on
// some CPUs, which would swamp what is measured. A path and its peer share one
// loop helper, so their ratio compares the work alone.

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#if defined(QELUNITS_BENCH_UDUNITS)
#include <udunits2.h>
#endif

namespace {

constexpr std::size_t kInputCount = 16; // a power of two: the index wraps with a mask

constexpr std::array<double, kInputCount> makeInputs() {
    std::array<double, kInputCount> inputs{};
    for (std::size_t i = 0; i < kInputCount; ++i) {
        inputs[i] = 0.5 + 1.25 * static_cast<double>(i);
    }
    return inputs;
}

constexpr std::array<double, kInputCount> kInputs = makeInputs();

/// Converts the next input with convert(value), which changes value in place
/// and returns what else it produced; both are consumed.
template <class Convert>
void convertEach(benchmark::State& state, Convert convert) {
    std::size_t i = 0;
    for (auto _ : state) {
        double value = kInputs[i++ % kInputCount];
        const auto result = convert(value);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(value);
    }
}

__attribute__((noinline)) double multiplyByFootFactor(double value) { return value * 3.280839895013123; }

void BM_Baseline_MultiplyViaFunctionPointer(benchmark::State& state) {
    double (*volatile convert)(double) = multiplyByFootFactor;
    convertEach(state, [&](double& v) { return v = convert(v); });
}
BENCHMARK(BM_Baseline_MultiplyViaFunctionPointer);

void staticConvert(benchmark::State& state, QelUnit::BuiltinUnits from, QelUnit::BuiltinUnits to) {
    convertEach(state, [&](double& v) { return QelUnitBase::ConvertUnits(from, to, v); });
}

void BM_Qel_StaticConvert_MeterFoot(benchmark::State& state) { staticConvert(state, QelUnit::meter, QelUnit::foot); }
BENCHMARK(BM_Qel_StaticConvert_MeterFoot);

void BM_Qel_StaticConvert_CelsiusFahrenheit(benchmark::State& state) {
    staticConvert(state, QelUnit::celsius, QelUnit::fahrenheit);
}
BENCHMARK(BM_Qel_StaticConvert_CelsiusFahrenheit);

void BM_Qel_StaticConvert_SettingsSurveyFootMeter(benchmark::State& state) {
    convertEach(state, [](double& v) {
        return QelUnitBase::ConvertUnits(QelUnitBase::Feet, QelUnitBase::SurveyFoot, QelUnitBase::Meters, v);
    });
}
BENCHMARK(BM_Qel_StaticConvert_SettingsSurveyFootMeter);

void BM_Qel_Converter_MeterFoot(benchmark::State& state) {
    const QelUnitConverter converter(QelUnit::meter, QelUnit::foot);
    convertEach(state, [&](double& v) { return converter.ConvertUnits(v); });
}
BENCHMARK(BM_Qel_Converter_MeterFoot);

/// Gets the factor between two types and converts one value with it.
QelUnit::ErrorStatus convertByFactor(const QelUnitType& from, const QelUnitType& to, double& value) {
    ConversionFactor factor;
    const QelUnit::ErrorStatus status = from.GetConversionFactor(to, factor);
    value *= static_cast<double>(factor);
    return status;
}

void BM_Qel_CompoundFactor_MpsToFtPerMin(benchmark::State& state) {
    const QelUnitType from = QelUnitType(QelUnit::meter) / QelUnitType(QelUnit::second);
    const QelUnitType to = QelUnitType(QelUnit::foot) / QelUnitType(QelUnit::minute);
    convertEach(state, [&](double& v) { return convertByFactor(from, to, v); });
}
BENCHMARK(BM_Qel_CompoundFactor_MpsToFtPerMin);

// Both texts read as expressions, then one value converted, as a caller with user input does.
void parseAndConvert(benchmark::State& state, const wchar_t* fromText, const wchar_t* toText) {
    convertEach(state, [&](double& v) {
        const QelUnitParseResult from = QelUnitParser::parse(fromText);
        const QelUnitParseResult to = QelUnitParser::parse(toText);
        return convertByFactor(from.type(), to.type(), v);
    });
}

void BM_Qel_ParseAndConvert_MeterFoot(benchmark::State& state) { parseAndConvert(state, L"m", L"ft"); }
BENCHMARK(BM_Qel_ParseAndConvert_MeterFoot);

void BM_Qel_ParseAndConvert_MpsToFtPerMin(benchmark::State& state) { parseAndConvert(state, L"m/s", L"ft/min"); }
BENCHMARK(BM_Qel_ParseAndConvert_MpsToFtPerMin);

// Scaled units, SI prefixes and non-ASCII operators, read by the expression form.
void BM_Qel_ParseAndConvert_KjPerKgKToBtuPerLbF(benchmark::State& state) {
    convertEach(state, [&](double& v) {
        const QelUnitParseResult from = QelUnitParser::parseExpression(L"kJ/(kg\u00B7K)");
        const QelUnitParseResult to = QelUnitParser::parseExpression(L"BTU/(lb\u00B7\u00B0F)");
        return from.expression().Convert(to.expression(), v);
    });
}
BENCHMARK(BM_Qel_ParseAndConvert_KjPerKgKToBtuPerLbF);

void BM_Qel_QuantityAdd_MeterFoot(benchmark::State& state) {
    QelUnitVar meters(1.0, QelUnitType(QelUnit::meter));
    const QelUnitVar feet(1.0, QelUnitType(QelUnit::foot));
    convertEach(state, [&](double& v) {
        meters.SetValue(v);
        const QelUnitVar sum = meters + feet;
        v = sum.GetValue();
        return sum.GetStatus();
    });
}
BENCHMARK(BM_Qel_QuantityAdd_MeterFoot);

// The value API beside the original classes: the same sum, and the same compound conversion.
void BM_Value_QuantityAdd_MeterFoot(benchmark::State& state) {
    const qelunits::Unit meter(QelUnit::meter);
    const qelunits::Quantity feet(1.0, qelunits::Unit(QelUnit::foot));
    convertEach(state, [&](double& v) {
        const qelunits::Quantity sum = qelunits::Quantity(v, meter) + feet;
        v = sum.value();
        return sum.unit().size();
    });
}
BENCHMARK(BM_Value_QuantityAdd_MeterFoot);

// A converter built once from two units, as BM_Qel_Converter_MeterFoot builds its converter, then used.
void BM_Value_Converter_MpsToFtPerMin(benchmark::State& state) {
    const qelunits::Converter converter(qelunits::Unit("m/s"), qelunits::Unit("ft/min"));
    convertEach(state, [&](double& v) { return v = converter(v); });
}
BENCHMARK(BM_Value_Converter_MpsToFtPerMin);

// The converter built from the two units in every iteration, as the factor is got in BM_Qel_CompoundFactor.
void BM_Value_ConverterBuild_MpsToFtPerMin(benchmark::State& state) {
    const qelunits::Unit from("m/s");
    const qelunits::Unit to("ft/min");
    convertEach(state, [&](double& v) {
        const qelunits::Converter converter(from, to);
        return v = converter(v);
    });
}
BENCHMARK(BM_Value_ConverterBuild_MpsToFtPerMin);

// Names cycle through spellings that the lookup treats alike.
void lookup(benchmark::State& state, const std::array<const wchar_t*, 4>& names) {
    const std::array<QelStringP, 4> texts = {QelStringP(names[0]), QelStringP(names[1]), QelStringP(names[2]),
                                             QelStringP(names[3])};
    std::size_t i = 0;
    for (auto _ : state) {
        const QelUnit::BuiltinUnits unit = QelUnit::getBuiltinUnit(texts[i++ % texts.size()], QelUnit::Abbreviation);
        benchmark::DoNotOptimize(unit);
    }
}

void BM_Qel_Lookup_Abbreviation_ft(benchmark::State& state) { lookup(state, {L"ft", L"FT", L"Ft", L"fT"}); }
BENCHMARK(BM_Qel_Lookup_Abbreviation_ft);

void BM_Qel_Lookup_Miss(benchmark::State& state) {
    lookup(state, {L"no such unit", L"No Such Unit", L"NO SUCH UNIT", L"no such Unit"});
}
BENCHMARK(BM_Qel_Lookup_Miss);

// Arrays: every iteration first resets the array from a source, so values stay
// finite however long the run; the copy is the same in every array benchmark.
constexpr std::size_t kArrayCount = 4096;

template <class ConvertArray>
void convertArray(benchmark::State& state, ConvertArray convert) {
    std::vector<double> source(kArrayCount);
    for (std::size_t i = 0; i < kArrayCount; ++i) {
        source[i] = kInputs[i % kInputCount] + static_cast<double>(i);
    }
    std::vector<double> values(kArrayCount);
    for (auto _ : state) {
        std::copy(source.begin(), source.end(), values.begin());
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
        const auto result = convert(values.data(), values.size());
        benchmark::DoNotOptimize(result);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<benchmark::IterationCount>(kArrayCount));
}

__attribute__((noinline)) double* multiplyArray(double* values, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        values[i] *= 3.280839895013123;
    }
    return values;
}

void BM_Baseline_MultiplyArray4096(benchmark::State& state) { convertArray(state, multiplyArray); }
BENCHMARK(BM_Baseline_MultiplyArray4096);

void converterArray(benchmark::State& state, QelUnit::BuiltinUnits from, QelUnit::BuiltinUnits to) {
    const QelUnitConverter converter(from, to);
    convertArray(state, [&](double* values, std::size_t count) { return converter.ConvertUnits(values, count); });
}

void BM_Qel_ConverterArray4096_MeterFoot(benchmark::State& state) {
    converterArray(state, QelUnit::meter, QelUnit::foot);
}
BENCHMARK(BM_Qel_ConverterArray4096_MeterFoot);

void BM_Qel_ConverterArray4096_CelsiusFahrenheit(benchmark::State& state) {
    converterArray(state, QelUnit::celsius, QelUnit::fahrenheit);
}
BENCHMARK(BM_Qel_ConverterArray4096_CelsiusFahrenheit);

// Readings checked against absolute zero as they convert: in place, and into an array apart from the input.
void BM_Value_ConverterArray4096_CelsiusFahrenheit_InPlace(benchmark::State& state) {
    const qelunits::Converter converter("degC", "degF");
    convertArray(state, [&](double* values, std::size_t count) { return converter.tryConvert(values, values, count); });
}
BENCHMARK(BM_Value_ConverterArray4096_CelsiusFahrenheit_InPlace);

void BM_Value_ConverterArray4096_CelsiusFahrenheit_Apart(benchmark::State& state) {
    const qelunits::Converter converter("degC", "degF");
    std::vector<double> out(kArrayCount);
    convertArray(state,
                 [&](double* values, std::size_t count) { return converter.tryConvert(values, out.data(), count); });
}
BENCHMARK(BM_Value_ConverterArray4096_CelsiusFahrenheit_Apart);

#if defined(QELUNITS_BENCH_UDUNITS)

// One unit system for the whole run, as a real caller keeps it.
ut_system* udunitsSystem() {
    static ut_system* const system = [] {
        ut_set_error_message_handler(ut_ignore);
        return ut_read_xml(nullptr);
    }();
    return system;
}

/// Two units parsed once, freed at the end of a benchmark.
struct UdunitsPair {
    ut_unit* from;
    ut_unit* to;
    UdunitsPair(const char* fromText, const char* toText)
        : from(ut_parse(udunitsSystem(), fromText, UT_ASCII)), to(ut_parse(udunitsSystem(), toText, UT_ASCII)) {}
    UdunitsPair(const UdunitsPair&) = delete;
    UdunitsPair& operator=(const UdunitsPair&) = delete;
    ~UdunitsPair() {
        ut_free(to);
        ut_free(from);
    }
};

/// Gets a converter between two parsed units, converts value with it and frees it.
double udunitsConvertOnce(ut_unit* from, ut_unit* to, double& value) {
    cv_converter* converter = ut_get_converter(from, to);
    value = cv_convert_double(converter, value);
    cv_free(converter);
    return value;
}

void BM_Udunits_Prebuilt_MeterFoot(benchmark::State& state) {
    const UdunitsPair units("m", "ft");
    cv_converter* converter = ut_get_converter(units.from, units.to);
    convertEach(state, [&](double& v) { return v = cv_convert_double(converter, v); });
    cv_free(converter);
}
BENCHMARK(BM_Udunits_Prebuilt_MeterFoot);

void udunitsGetConverter(benchmark::State& state, const char* fromText, const char* toText) {
    const UdunitsPair units(fromText, toText);
    convertEach(state, [&](double& v) { return udunitsConvertOnce(units.from, units.to, v); });
}

void BM_Udunits_GetConverter_MeterFoot(benchmark::State& state) { udunitsGetConverter(state, "m", "ft"); }
BENCHMARK(BM_Udunits_GetConverter_MeterFoot);

void BM_Udunits_GetConverter_MpsToFtPerMin(benchmark::State& state) { udunitsGetConverter(state, "m/s", "ft/min"); }
BENCHMARK(BM_Udunits_GetConverter_MpsToFtPerMin);

void udunitsParseAndConvert(benchmark::State& state, const char* fromText, const char* toText) {
    convertEach(state, [&](double& v) {
        const UdunitsPair units(fromText, toText);
        return udunitsConvertOnce(units.from, units.to, v);
    });
}

void BM_Udunits_ParseAndConvert_MeterFoot(benchmark::State& state) { udunitsParseAndConvert(state, "m", "ft"); }
BENCHMARK(BM_Udunits_ParseAndConvert_MeterFoot);

void BM_Udunits_ParseAndConvert_MpsToFtPerMin(benchmark::State& state) {
    udunitsParseAndConvert(state, "m/s", "ft/min");
}
BENCHMARK(BM_Udunits_ParseAndConvert_MpsToFtPerMin);

void BM_Udunits_ParseAndConvert_KjPerKgKToBtuPerLbF(benchmark::State& state) {
    udunitsParseAndConvert(state, "kJ/(kg\u00B7K)", "Btu/(lb\u00B7\u00B0F)");
}
BENCHMARK(BM_Udunits_ParseAndConvert_KjPerKgKToBtuPerLbF);

void BM_Udunits_ConvertDoubles4096_MeterFoot(benchmark::State& state) {
    const UdunitsPair units("m", "ft");
    cv_converter* converter = ut_get_converter(units.from, units.to);
    convertArray(
        state, [&](double* values, std::size_t count) { return cv_convert_doubles(converter, values, count, values); });
    cv_free(converter);
}
BENCHMARK(BM_Udunits_ConvertDoubles4096_MeterFoot);

#endif

} // namespace

BENCHMARK_MAIN();
