#ifndef QELUNITS_PYTHON_EXTRAS_H
#define QELUNITS_PYTHON_EXTRAS_H

// Levels, contexts and UCUM codes: what the value API offers beside Unit and Quantity.

#include <pybind11/pybind11.h>

namespace qelpy {

/// Adds Level, power_sum, Context, convert_in_context, from_ucum and to_ucum to m; throws
/// pybind11::error_already_set on failure.
void addLevelsContextsUcum(pybind11::module_& m);

} // namespace qelpy

#endif
