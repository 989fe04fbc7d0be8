// Our paths beside LLNL/units in the same binary, row by row: BM_Pair_<What>_Qel
// and BM_Pair_<What>_Llnl do the same work in the same loop, so their ratio is
// measured in one run. Built only when QELUNITS_BENCH_LLNL_PREFIX names an
// installed LLNL/units.
//
// As in qelunits_bench.cpp, every loop reads its input from a small ring, a
// different entry each iteration, and consumes what it computes. LLNL's units
// are constants its convert() is inlined with, so the compiler could fold a
// whole conversion into one multiply or hoist it out of the loop; units taken
// from data cannot be. The units of both libraries are therefore made opaque
// once before the loop (escape), and each iteration's memory barrier makes the
// compiler read them again, as it reads units chosen at run time. They are not
// const: the compiler may assume that a const object never changes, escaped or not.
//
// Each row first checks once that its path gives the expected number, so that a
// broken install or a wrong unit shows as an error instead of a fast row.

#include <qelunits/QelUnits.h>
#include <qelunits/QelUnitsUtf8.h>
#include <qelunits/Quantity.h>

#include <units/units.hpp>

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>

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

constexpr double kFeetPerMeter = 1.0 / 0.3048;
constexpr double kFeetPerMinutePerMeterPerSecond = 60.0 / 0.3048;

/// Runs step(value, other) on the next two inputs of the ring (other is a
/// different entry, for the rows with two operands); step may change value in
/// place and returns what else it produced; both are consumed.
template <class Step>
void eachInput(benchmark::State& state, Step step) {
    std::size_t i = 0;
    for (auto _ : state) {
        double value = kInputs[i % kInputCount];
        const double other = kInputs[(i + kInputCount / 2 - 1) % kInputCount];
        ++i;
        const auto result = step(value, other);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(value);
    }
}

/// Lets the object's address escape, so that the compiler no longer knows its
/// contents across a memory barrier.
template <class T>
void escape(const T& object) {
    const T* address = &object;
    benchmark::DoNotOptimize(address);
}

/// True when got is expected to the last few bits; else the row is skipped with an error.
bool expect(benchmark::State& state, double got, double expected) {
    if (std::fabs(got - expected) <= 1e-12 * std::fabs(expected)) {
        return true;
    }
    state.SkipWithError("the path does not give the expected number");
    return false;
}

const double kFirst = kInputs[0];
const double kOther = kInputs[kInputCount / 2 - 1];

// The prepared units of each library.

struct QelSpeeds {
    qelunits::Unit mps{"m/s"};
    qelunits::Unit ftpmin{"ft/min"};
};

struct QelLengths {
    qelunits::Unit m{QelUnit::meter};
    qelunits::Unit ft{QelUnit::foot};
};

struct LlnlSpeeds {
    units::precise_unit mps = units::precise::m / units::precise::s;
    units::precise_unit ftpmin = units::precise::ft / units::precise::minute;
};

struct LlnlLengths {
    units::precise_unit m = units::precise::m;
    units::precise_unit ft = units::precise::ft;
};

// a. A quantity converted to another unit, both units prepared.

void BM_Pair_QuantityTo_MpsToFtPerMin_Qel(benchmark::State& state) {
    QelSpeeds u;
    escape(u);
    if (!expect(state, qelunits::Quantity(kFirst, u.mps).to(u.ftpmin).value(),
                kFirst * kFeetPerMinutePerMeterPerSecond)) {
        return;
    }
    eachInput(state, [&](double& v, double) { return v = qelunits::Quantity(v, u.mps).to(u.ftpmin).value(); });
}
BENCHMARK(BM_Pair_QuantityTo_MpsToFtPerMin_Qel);

void BM_Pair_QuantityTo_MpsToFtPerMin_Llnl(benchmark::State& state) {
    LlnlSpeeds u;
    escape(u);
    if (!expect(state, units::precise_measurement(kFirst, u.mps).convert_to(u.ftpmin).value(),
                kFirst * kFeetPerMinutePerMeterPerSecond)) {
        return;
    }
    eachInput(state,
              [&](double& v, double) { return v = units::precise_measurement(v, u.mps).convert_to(u.ftpmin).value(); });
}
BENCHMARK(BM_Pair_QuantityTo_MpsToFtPerMin_Llnl);

// b. The conversion between two prepared units made and applied to one value in every iteration.

void BM_Pair_ConvertOnce_MpsToFtPerMin_Qel(benchmark::State& state) {
    QelSpeeds u;
    escape(u);
    if (!expect(state, qelunits::Converter(u.mps, u.ftpmin)(kFirst), kFirst * kFeetPerMinutePerMeterPerSecond)) {
        return;
    }
    eachInput(state, [&](double& v, double) {
        const qelunits::Converter converter(u.mps, u.ftpmin);
        return v = converter(v);
    });
}
BENCHMARK(BM_Pair_ConvertOnce_MpsToFtPerMin_Qel);

void BM_Pair_ConvertOnce_MpsToFtPerMin_Llnl(benchmark::State& state) {
    LlnlSpeeds u;
    escape(u);
    if (!expect(state, units::convert(kFirst, u.mps, u.ftpmin), kFirst * kFeetPerMinutePerMeterPerSecond)) {
        return;
    }
    eachInput(state, [&](double& v, double) { return v = units::convert(v, u.mps, u.ftpmin); });
}
BENCHMARK(BM_Pair_ConvertOnce_MpsToFtPerMin_Llnl);

// c. The factor between two prepared compound units, then one value multiplied by it: the catalogue
// types of BM_Qel_CompoundFactor_MpsToFtPerMin, and LLNL's factor call convert(from, to).

void BM_Pair_Factor_MpsToFtPerMin_Qel(benchmark::State& state) {
    QelUnitType from = QelUnitType(QelUnit::meter) / QelUnitType(QelUnit::second);
    QelUnitType to = QelUnitType(QelUnit::foot) / QelUnitType(QelUnit::minute);
    escape(from);
    escape(to);
    ConversionFactor check;
    const QelUnit::ErrorStatus checkStatus = from.GetConversionFactor(to, check);
    if (!expect(state, checkStatus == QelUnit::Ok ? static_cast<double>(check) : 0.0,
                kFeetPerMinutePerMeterPerSecond)) {
        return;
    }
    eachInput(state, [&](double& v, double) {
        ConversionFactor factor;
        const QelUnit::ErrorStatus status = from.GetConversionFactor(to, factor);
        v *= static_cast<double>(factor);
        return status;
    });
}
BENCHMARK(BM_Pair_Factor_MpsToFtPerMin_Qel);

void BM_Pair_Factor_MpsToFtPerMin_Llnl(benchmark::State& state) {
    LlnlSpeeds u;
    escape(u);
    if (!expect(state, units::convert(u.mps, u.ftpmin), kFeetPerMinutePerMeterPerSecond)) {
        return;
    }
    eachInput(state, [&](double& v, double) {
        const double factor = units::convert(u.mps, u.ftpmin);
        v *= factor;
        return factor;
    });
}
BENCHMARK(BM_Pair_Factor_MpsToFtPerMin_Llnl);

// d. The sum of two quantities of different units, in the first one's unit; both values vary.

void BM_Pair_QuantityAdd_MeterFoot_Qel(benchmark::State& state) {
    QelLengths u;
    escape(u);
    if (!expect(state, (qelunits::Quantity(kFirst, u.m) + qelunits::Quantity(kOther, u.ft)).value(),
                kFirst + kOther / kFeetPerMeter)) {
        return;
    }
    eachInput(state, [&](double& v, double w) {
        const qelunits::Quantity sum = qelunits::Quantity(v, u.m) + qelunits::Quantity(w, u.ft);
        return v = sum.value();
    });
}
BENCHMARK(BM_Pair_QuantityAdd_MeterFoot_Qel);

void BM_Pair_QuantityAdd_MeterFoot_Llnl(benchmark::State& state) {
    LlnlLengths u;
    escape(u);
    if (!expect(state, (units::precise_measurement(kFirst, u.m) + units::precise_measurement(kOther, u.ft)).value(),
                kFirst + kOther / kFeetPerMeter)) {
        return;
    }
    eachInput(state, [&](double& v, double w) {
        const units::precise_measurement sum = units::precise_measurement(v, u.m) + units::precise_measurement(w, u.ft);
        return v = sum.value();
    });
}
BENCHMARK(BM_Pair_QuantityAdd_MeterFoot_Llnl);

// e. A quantity converted to another unit, both units prepared: one catalogue unit each.

void BM_Pair_QuantityTo_MeterFoot_Qel(benchmark::State& state) {
    QelLengths u;
    escape(u);
    if (!expect(state, qelunits::Quantity(kFirst, u.m).to(u.ft).value(), kFirst * kFeetPerMeter)) {
        return;
    }
    eachInput(state, [&](double& v, double) { return v = qelunits::Quantity(v, u.m).to(u.ft).value(); });
}
BENCHMARK(BM_Pair_QuantityTo_MeterFoot_Qel);

void BM_Pair_QuantityTo_MeterFoot_Llnl(benchmark::State& state) {
    LlnlLengths u;
    escape(u);
    if (!expect(state, units::precise_measurement(kFirst, u.m).convert_to(u.ft).value(), kFirst * kFeetPerMeter)) {
        return;
    }
    eachInput(state,
              [&](double& v, double) { return v = units::precise_measurement(v, u.m).convert_to(u.ft).value(); });
}
BENCHMARK(BM_Pair_QuantityTo_MeterFoot_Llnl);

// f. Both unit texts read in every iteration, then one value converted, as a caller with user input does:
// ours in one call on UTF-8 texts, LLNL's as two unit_from_string and a convert.

void qelParseAndConvert(benchmark::State& state, const char* fromText, const char* toText, double expected) {
    if (!expect(state, qelunits::convert(kFirst, fromText, toText).value_or(0.0), kFirst * expected)) {
        return;
    }
    eachInput(state, [&](double& v, double) { return v = qelunits::convert(v, fromText, toText).value(); });
}

void llnlParseAndConvert(benchmark::State& state, const char* fromText, const char* toText, double expected) {
    if (!expect(state, units::convert(kFirst, units::unit_from_string(fromText), units::unit_from_string(toText)),
                kFirst * expected)) {
        return;
    }
    eachInput(state, [&](double& v, double) {
        return v = units::convert(v, units::unit_from_string(fromText), units::unit_from_string(toText));
    });
}

void BM_Pair_ParseAndConvert_MeterFoot_Qel(benchmark::State& state) {
    qelParseAndConvert(state, "m", "ft", kFeetPerMeter);
}
BENCHMARK(BM_Pair_ParseAndConvert_MeterFoot_Qel);

void BM_Pair_ParseAndConvert_MeterFoot_Llnl(benchmark::State& state) {
    llnlParseAndConvert(state, "m", "ft", kFeetPerMeter);
}
BENCHMARK(BM_Pair_ParseAndConvert_MeterFoot_Llnl);

void BM_Pair_ParseAndConvert_MpsToFtPerMin_Qel(benchmark::State& state) {
    qelParseAndConvert(state, "m/s", "ft/min", kFeetPerMinutePerMeterPerSecond);
}
BENCHMARK(BM_Pair_ParseAndConvert_MpsToFtPerMin_Qel);

void BM_Pair_ParseAndConvert_MpsToFtPerMin_Llnl(benchmark::State& state) {
    llnlParseAndConvert(state, "m/s", "ft/min", kFeetPerMinutePerMeterPerSecond);
}
BENCHMARK(BM_Pair_ParseAndConvert_MpsToFtPerMin_Llnl);

} // namespace
