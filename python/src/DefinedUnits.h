#ifndef QELUNITS_PYTHON_DEFINEDUNITS_H
#define QELUNITS_PYTHON_DEFINEDUNITS_H

// Units a program defines, as the module's types pickle them: a unit resting on definitions carries them, so
// that a process that never read them (a Dask worker) reads it back.

#include "Objects.h"

namespace qelpy {

/// Adds define, load_definitions, Definitions and the reader of pickled units to module; false with an
/// exception set on failure.
bool addDefinitions(PyObject* module);

/// What unit pickles as where it rests on definitions: (reader, (text, definitions)); null otherwise, or with
/// an exception set.
PyObject* reduceDefinedUnit(UnitObject* unit);

/// A new reference to what a pickle holds for unit: its text for builtin units alone, as it always was, else
/// the Unit itself, which carries its definitions. Null with an exception set.
PyObject* pickledUnit(UnitObject* unit);

} // namespace qelpy

#endif
