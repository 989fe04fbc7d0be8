#ifndef QELUNITS_PYTHON_OBJECTS_H
#define QELUNITS_PYTHON_OBJECTS_H

// The module's own Python types, written against the C API: a call through
// pybind11's dispatcher costs more than the conversion it would wrap, and the
// common calls (a Quantity made, added, converted) must cost well under a
// microsecond. pybind11 makes the module and its colder functions.

// The library's headers first: an enumerator of the catalogue ("link") would shadow a POSIX function
// that Python.h declares.
#include "Core.h"

#include <Python.h>

#include <cstddef>
#include <string_view>

namespace qelpy {

/// A Unit: the library's unit and the text it reads back from.
struct UnitObject {
    PyObject_HEAD
        /// The unit itself (constructed in place).
        Unit unit;
    /// The text: as typed for a unit read from text, the library's form otherwise. Reads back as unit.
    PyObject* text;
    /// Hash of the unit's meaning; -1 until asked.
    Py_hash_t hash;
};

/// A Quantity: a magnitude (a float, or an array-like object) and a Unit.
struct QuantityObject {
    PyObject_HEAD
        /// The magnitude when array is null.
        double value;
    /// The magnitude when it is not one float (an ndarray, a Dask array); else null.
    PyObject* array;
    /// The unit.
    UnitObject* unit;
};

/// The Unit type, made by readyTypes.
extern PyTypeObject* UnitType;
/// The Quantity type, made by readyTypes.
extern PyTypeObject* QuantityType;

/// True for a Unit.
inline bool isUnit(PyObject* o) { return Py_IS_TYPE(o, UnitType); }
/// True for a Quantity.
inline bool isQuantity(PyObject* o) { return Py_IS_TYPE(o, QuantityType); }
/// A str or bytes: no operand of arithmetic, though NumPy would make an array of it.
inline bool isText(PyObject* o) { return PyUnicode_Check(o) || PyBytes_Check(o); }

/// Readies both types and the unit cache; false with an exception set on failure.
bool readyTypes();
/// Makes the Quantity type (called by readyTypes); false with an exception set on failure.
bool readyQuantityType();
/// Makes type, a heap type: the pickler reads a heap type's name and module as stored strings, where a
/// static type builds them anew for every object pickled. False with an exception set on failure.
bool makeType(PyTypeObject*& type, const char* name, std::size_t size, PyType_Slot* slots, vectorcallfunc call);
/// Creates the exception classes into module; false with an exception set on failure.
bool addExceptions(PyObject* module);
/// Sets the Python exception of failure; returns null for the caller to return.
PyObject* raise(const Failure& failure);

/// A new Unit read from a str, shown as the text without blanks around it; null with an exception set.
UnitObject* readUnit(PyObject* text);
/// A new reference to the Unit a str or Unit means (strs through a cache); null with an exception set.
UnitObject* unitFrom(PyObject* textOrUnit);
/// A new Unit holding unit, shown as text (null: the library's form).
UnitObject* newUnit(const Unit& unit, PyObject* text = nullptr);
/// A new reference to a · b or a / b (cached), shown as "a*b" or "a/b" where that reads back as it.
UnitObject* derivedUnit(UnitObject* a, UnitObject* b, bool divide);
/// A new reference to a^n; null with ValueError beyond ±1000.
UnitObject* poweredUnit(UnitObject* a, long n);
/// The dimensionless Unit (a borrowed reference).
UnitObject* dimensionlessUnit();
/// A new scalar Quantity.
PyObject* newQuantity(double value, UnitObject* unit);
/// A new Quantity holding an array-like magnitude (a new reference is taken).
PyObject* newArrayQuantity(PyObject* array, UnitObject* unit);
/// The text of unit that format options ask for (its own text, its names, its symbols, LaTeX, HTML), with rest
/// set to the options left for the number or the text, and gap (where given) to what stands between the number
/// and the unit ("\\ " in LaTeX); null with an exception set.
PyObject* unitShown(UnitObject* unit, PyObject* options, PyObject*& rest, const char** gap = nullptr);
/// Sets the format spec whose modifiers (and number's options) str() and format() take where none are given:
/// Pint's default_format; "" or None for none. False with ValueError for a spec splitFormatSpec refuses.
bool setDefaultFormat(PyObject* spec);
/// A new reference to the default format spec ("" for none).
PyObject* getDefaultFormat();
/// Whether a default format spec is set.
bool hasDefaultFormat();
/// exponent as numerator / denominator: a whole number, or a root (1/3, 2/3, 0.25); false with ValueError else.
bool exponentOf(double exponent, int& numerator, int& denominator);
/// A new frozenset of the catalogue's units that unit converts into.
PyObject* compatibleUnits(UnitObject* unit);
/// A new dict of the unit's base dimensions by Pint's names: {'[length]': 1, '[time]': -1}.
PyObject* dimensionality(const Unit& unit);
/// format(self, spec), between two of around where it is not null: Jupyter's _repr_html_ and _repr_latex_.
PyObject* reprIn(PyObject* self, const char* spec, const char* around);
/// IPython's _repr_pretty_(printer, cycle): the printer is given str(self).
PyObject* prettyRepr(PyObject* self, PyObject* args);
/// A str of UTF-8 text.
PyObject* toStr(std::string_view text);
/// The UTF-8 of a str; false with TypeError set when o is no str.
bool utf8Of(PyObject* o, std::string_view& text);

/// The array helpers (qelunits._arrays), imported on first use: a new reference to attribute name.
PyObject* arrayHelper(const char* name);

/// values (a number, a buffer, an array-like) converted by converter from unit from to unit to, into out
/// when it is not None.
PyObject* convertValues(const Converter& converter, PyObject* values, PyObject* out, PyObject* from, PyObject* to);
/// Reads the keyword reciprocal=value of a call; false with TypeError for another name, or with the error of
/// value's truth.
bool reciprocalKeyword(PyObject* name, PyObject* value, bool& reciprocal);
/// qelunits.convert(values, from_unit, to_unit, out=None, *, reciprocal=False).
PyObject* convertFunction(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames);

} // namespace qelpy

#endif
