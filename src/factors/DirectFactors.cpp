#include "factors/DirectFactors.h"

#include <qelunits/ConversionFactor.h>

#include <cstddef>

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

template <ConversionFactor::CustomFunction Fn>
void applyEach(const double* source, double* target, std::size_t count) noexcept {
    forEachValue(source, target, count, [](double x) { return Fn(x); });
}

template void applyEach<celsiusToFahrenheit>(const double*, double*, std::size_t) noexcept;
template void applyEach<celsiusToKelvin>(const double*, double*, std::size_t) noexcept;
template void applyEach<celsiusToRankine>(const double*, double*, std::size_t) noexcept;
template void applyEach<fahrenheitToCelsius>(const double*, double*, std::size_t) noexcept;
template void applyEach<fahrenheitToKelvin>(const double*, double*, std::size_t) noexcept;
template void applyEach<fahrenheitToRankine>(const double*, double*, std::size_t) noexcept;
template void applyEach<kelvinToCelsius>(const double*, double*, std::size_t) noexcept;
template void applyEach<kelvinToFahrenheit>(const double*, double*, std::size_t) noexcept;
template void applyEach<kelvinToRankine>(const double*, double*, std::size_t) noexcept;
template void applyEach<rankineToCelsius>(const double*, double*, std::size_t) noexcept;
template void applyEach<rankineToFahrenheit>(const double*, double*, std::size_t) noexcept;
template void applyEach<rankineToKelvin>(const double*, double*, std::size_t) noexcept;

} // namespace qelunits_detail
