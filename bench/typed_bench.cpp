// The typed layer against plain doubles: each formula is written once, as a
// template over its types, and run over arrays of doubles and of typed
// quantities, so that the two rows differ in their types alone. The ratio of
// a BM_Typed_ row to its BM_Double_ row is the typed layer's cost (1.0 when the
// compiler makes the same code of both).
//
// Every array holds varied values, each iteration computes every element, and
// the output is consumed; the kernels are out of line, so that both rows meet
// the same loop, not one inlined into the benchmark's own.

#include <qelunits/Typed.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <vector>

namespace {

namespace u = qelunits::units;

constexpr std::size_t kCount = 4096;

// Q = ṁ·cp·(t_return − t_supply): a coil's load from a flow and two readings.
template <class Flow, class Point, class Heat, class Load>
__attribute__((noinline)) void coilLoads(const Flow* flow, const Point* supply, const Point* back, Heat cp, Load* out,
                                         std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = flow[i] * cp * (back[i] - supply[i]);
    }
}

// v = sqrt(2·g·h): the speed of a fall.
template <class Height, class Gravity, class Speed>
__attribute__((noinline)) void fallSpeeds(const Height* height, Gravity g, Speed* out, std::size_t count) {
    using std::sqrt;
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = sqrt(2.0 * g * height[i]);
    }
}

// E = m·v²/2 + m·g·h, and the power of its delivery over a time: a mixed formula with a division.
template <class Mass, class Speed, class Height, class Gravity, class Time, class Power>
__attribute__((noinline)) void deliveredPowers(const Mass* mass, const Speed* speed, const Height* height, Gravity g,
                                               Time duration, Power* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = (0.5 * mass[i] * speed[i] * speed[i] + mass[i] * g * height[i]) / duration;
    }
}

// Varied inputs: value(i) in the SI unit, made into the array's type by make.
template <class T, class Make>
std::vector<T> inputs(double first, double step, Make make) {
    std::vector<T> out;
    out.reserve(kCount);
    for (std::size_t i = 0; i < kCount; ++i) {
        out.push_back(make(first + step * static_cast<double>(i % 97)));
    }
    return out;
}

template <class Out, class Run>
void overArrays(benchmark::State& state, Run run) {
    std::vector<Out> out(kCount);
    for (auto _ : state) {
        run(out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<benchmark::IterationCount>(kCount));
}

double asDouble(double x) { return x; }

void BM_Double_CoilLoads4096(benchmark::State& state) {
    const auto flow = inputs<double>(0.2, 0.01, asDouble);
    const auto supply = inputs<double>(280.0, 0.02, asDouble);
    const auto back = inputs<double>(286.0, 0.03, asDouble);
    overArrays<double>(state,
                       [&](double* out) { coilLoads(flow.data(), supply.data(), back.data(), 4186.0, out, kCount); });
}
BENCHMARK(BM_Double_CoilLoads4096);

void BM_Typed_CoilLoads4096(benchmark::State& state) {
    const auto flow = inputs<qelunits::MassFlow>(0.2, 0.01, [](double x) { return x * u::kg / u::s; });
    const auto kelvin = [](double x) { return qelunits::TemperaturePoint::fromKelvin(x); };
    const auto supply = inputs<qelunits::TemperaturePoint>(280.0, 0.02, kelvin);
    const auto back = inputs<qelunits::TemperaturePoint>(286.0, 0.03, kelvin);
    constexpr qelunits::SpecificHeat cp = 4.186 * u::kJ / (u::kg * u::K);
    overArrays<qelunits::Power>(
        state, [&](qelunits::Power* out) { coilLoads(flow.data(), supply.data(), back.data(), cp, out, kCount); });
}
BENCHMARK(BM_Typed_CoilLoads4096);

void BM_Double_FallSpeeds4096(benchmark::State& state) {
    const auto height = inputs<double>(0.5, 0.25, asDouble);
    overArrays<double>(state, [&](double* out) { fallSpeeds(height.data(), 9.80665, out, kCount); });
}
BENCHMARK(BM_Double_FallSpeeds4096);

void BM_Typed_FallSpeeds4096(benchmark::State& state) {
    const auto height = inputs<qelunits::Length>(0.5, 0.25, [](double x) { return x * u::m; });
    constexpr qelunits::Acceleration g = 1.0 * u::gn;
    overArrays<qelunits::Speed>(state, [&](qelunits::Speed* out) { fallSpeeds(height.data(), g, out, kCount); });
}
BENCHMARK(BM_Typed_FallSpeeds4096);

void BM_Double_DeliveredPowers4096(benchmark::State& state) {
    const auto mass = inputs<double>(1.0, 0.5, asDouble);
    const auto speed = inputs<double>(0.1, 0.2, asDouble);
    const auto height = inputs<double>(0.5, 0.25, asDouble);
    overArrays<double>(state, [&](double* out) {
        deliveredPowers(mass.data(), speed.data(), height.data(), 9.80665, 60.0, out, kCount);
    });
}
BENCHMARK(BM_Double_DeliveredPowers4096);

void BM_Typed_DeliveredPowers4096(benchmark::State& state) {
    const auto mass = inputs<qelunits::Mass>(1.0, 0.5, [](double x) { return x * u::kg; });
    const auto speed = inputs<qelunits::Speed>(0.1, 0.2, [](double x) { return x * u::m / u::s; });
    const auto height = inputs<qelunits::Length>(0.5, 0.25, [](double x) { return x * u::m; });
    constexpr qelunits::Acceleration g = 1.0 * u::gn;
    constexpr qelunits::Time minute = 1.0 * u::min;
    overArrays<qelunits::Power>(state, [&](qelunits::Power* out) {
        deliveredPowers(mass.data(), speed.data(), height.data(), g, minute, out, kCount);
    });
}
BENCHMARK(BM_Typed_DeliveredPowers4096);

} // namespace
