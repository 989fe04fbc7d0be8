#include "factors/DirectFactors.h"

// Each function does its operations in the written order: the results are
// part of the behaviour, bit for bit.

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

} // namespace qelunits_detail
