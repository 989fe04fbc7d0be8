#include "factors/DirectFactors.h"

#include <qelunits/ConversionFactor.h>

#include <cstddef>
#include <cstdint>

// Each function does its operations in the written order: the results are
// part of the behaviour, bit for bit, for single values and arrays alike.

namespace qelunits_detail {

double celsiusToFahrenheit(double x) { return x * 1.8 + 32.0; }
double celsiusToKelvin(double x) { return x + 273.15; }
double celsiusToRankine(double x) { return (x + 273.15) * 1.8; }
double fahrenheitToCelsius(double x) { return ((x - 32.0) * 5.0) / 9.0; }
double fahrenheitToKelvin(double x) { return ((x + 459.67) * 5.0) / 9.0; }
double fahrenheitToRankine(double x) { return x + 459.67; }
double kelvinToCelsius(double x) { return x - 273.15; }
double kelvinToFahrenheit(double x) { return x * 1.8 - 459.67; }
double kelvinToRankine(double x) { return x * 1.8; }
double rankineToCelsius(double x) { return (x * 5.0) / 9.0 - 273.15; }
double rankineToFahrenheit(double x) { return x - 459.67; }
double rankineToKelvin(double x) { return (x * 5.0) / 9.0; }

namespace {

template <ConversionFactor::CustomFunction Fn>
void eachValue(const double* source, double* target, std::size_t count) noexcept {
    forEachValue(source, target, count, [](double x) { return Fn(x); });
}

// One pass that converts and counts: the count costs a compare per value, not a second read of the array.
template <ConversionFactor::CustomFunction Fn>
std::size_t eachValueBelow(const double* source, double* target, std::size_t count, double bound) noexcept {
    std::uint64_t below = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double x = source[i];
        below += x < bound ? 1U : 0U;
        target[i] = Fn(x);
    }
    return below;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The same loop in four-wide registers where the processor has them. Without contraction into fused
// multiply-adds (the library is compiled so), each value gets the same bits as in the two-wide loop.
template <ConversionFactor::CustomFunction Fn>
__attribute__((target("avx2"))) void eachValueWide(const double* source, double* target, std::size_t count) noexcept {
    forEachValue(source, target, count, [](double x) { return Fn(x); });
}

template <ConversionFactor::CustomFunction Fn>
__attribute__((target("avx2"))) std::size_t eachValueBelowWide(const double* source, double* target, std::size_t count,
                                                               double bound) noexcept {
    return eachValueBelow<Fn>(source, target, count, bound);
}

bool hasWideRegisters() noexcept {
    static const bool wide = (__builtin_cpu_init(), __builtin_cpu_supports("avx2") != 0);
    return wide;
}

__attribute__((target("avx2"))) void multiplyEachWide(const double* source, double* target, std::size_t count,
                                                      double factor) noexcept {
    forEachValue(source, target, count, [factor](double x) { return x * factor; });
}

__attribute__((target("avx2"))) std::size_t countBelowWide(const double* values, std::size_t count,
                                                           double bound) noexcept {
    std::uint64_t below = 0;
    for (std::size_t i = 0; i < count; ++i) {
        below += values[i] < bound ? 1U : 0U;
    }
    return below;
}
#endif

} // namespace

void multiplyEach(const double* source, double* target, std::size_t count, double factor) noexcept {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (hasWideRegisters()) {
        multiplyEachWide(source, target, count, factor);
        return;
    }
#endif
    forEachValue(source, target, count, [factor](double x) { return x * factor; });
}

std::size_t countBelow(const double* values, std::size_t count, double bound) noexcept {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (hasWideRegisters()) {
        return countBelowWide(values, count, bound);
    }
#endif
    std::size_t below = 0;
    for (std::size_t i = 0; i < count; ++i) {
        below += values[i] < bound ? 1U : 0U;
    }
    return below;
}

template <ConversionFactor::CustomFunction Fn>
void applyEach(const double* source, double* target, std::size_t count) noexcept {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (hasWideRegisters()) {
        eachValueWide<Fn>(source, target, count);
        return;
    }
#endif
    eachValue<Fn>(source, target, count);
}

template <ConversionFactor::CustomFunction Fn>
std::size_t applyEachBelow(const double* source, double* target, std::size_t count, double bound) noexcept {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (hasWideRegisters()) {
        return eachValueBelowWide<Fn>(source, target, count, bound);
    }
#endif
    return eachValueBelow<Fn>(source, target, count, bound);
}

// The array functions of each scale function, for the table in the header.
#define QELUNITS_SCALE_ARRAYS(Fn)                                                                                      \
    template void applyEach<Fn>(const double*, double*, std::size_t) noexcept;                                         \
    template std::size_t applyEachBelow<Fn>(const double*, double*, std::size_t, double) noexcept
QELUNITS_SCALE_ARRAYS(celsiusToFahrenheit);
QELUNITS_SCALE_ARRAYS(celsiusToKelvin);
QELUNITS_SCALE_ARRAYS(celsiusToRankine);
QELUNITS_SCALE_ARRAYS(fahrenheitToCelsius);
QELUNITS_SCALE_ARRAYS(fahrenheitToKelvin);
QELUNITS_SCALE_ARRAYS(fahrenheitToRankine);
QELUNITS_SCALE_ARRAYS(kelvinToCelsius);
QELUNITS_SCALE_ARRAYS(kelvinToFahrenheit);
QELUNITS_SCALE_ARRAYS(kelvinToRankine);
QELUNITS_SCALE_ARRAYS(rankineToCelsius);
QELUNITS_SCALE_ARRAYS(rankineToFahrenheit);
QELUNITS_SCALE_ARRAYS(rankineToKelvin);
#undef QELUNITS_SCALE_ARRAYS

} // namespace qelunits_detail
