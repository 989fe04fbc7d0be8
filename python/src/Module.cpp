// The extension module qelunits._core: the types, the exceptions, convert(), the Converter, and the
// unit plans the array helpers ask for.

#include "Objects.h"

#include <qelunits/QelUnitsUtf8.h>

#include <pybind11/pybind11.h>

#include <cmath>

namespace py = pybind11;

namespace {

// Returns o, or throws the Python error a C function set when it returned null.
py::object checked(PyObject* o) {
    if (o == nullptr) {
        throw py::error_already_set();
    }
    return py::reinterpret_steal<py::object>(o);
}

py::object unitArg(py::handle o) { return checked(reinterpret_cast<PyObject*>(qelpy::unitFrom(o.ptr()))); }

qelpy::Unit& unitOf(const py::object& unit) { return reinterpret_cast<qelpy::UnitObject*>(unit.ptr())->unit; }

void check(bool ok, const qelpy::Failure& failure) {
    if (!ok) {
        qelpy::raise(failure);
        throw py::error_already_set();
    }
}

py::object unitObject(const qelpy::Unit& unit) { return checked(reinterpret_cast<PyObject*>(qelpy::newUnit(unit))); }

template <class T>
T valueOf(const qelunits::Result<T>& result) {
    qelpy::Failure failure;
    check(result ? true : qelpy::failed(result, failure), failure);
    return *result;
}

/// A prebuilt conversion between two units, for many calls or arrays.
struct PyConverter {
    py::object from;
    py::object to;
    qelpy::Converter converter;

    bool reciprocal;

    PyConverter(py::handle fromUnit, py::handle toUnit, bool allowReciprocal)
        : from(unitArg(fromUnit)), to(unitArg(toUnit)),
          converter(valueOf(qelpy::Converter::make(unitOf(from), unitOf(to),
                                                   allowReciprocal ? qelpy::Converter::Reciprocal::Allow
                                                                   : qelpy::Converter::Reciprocal::Refuse))),
          reciprocal(allowReciprocal) {}
    py::object operator()(py::handle values, py::handle out) const {
        return checked(qelpy::convertValues(converter, values.ptr(), out.ptr(), from.ptr(), to.ptr()));
    }
};

PyMethodDef convertDef = {
    "convert", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(qelpy::convertFunction)),
    METH_FASTCALL | METH_KEYWORDS,
    "convert(values, from_unit, to_unit, /, out=None, *, reciprocal=False)\n--\n\n"
    "values (a float, or an array of numbers) in from_unit, converted to to_unit; units are texts or Units,\n"
    "temperatures convert as readings. Units of reciprocal dimensions (mpg and L/100km, min/km and km/h)\n"
    "convert only with reciprocal=True, as 1 / (value × factor): 0 has none (an error; in an array, inf).\n"
    "A C-contiguous float64 array converts in one pass without copies into a new array,\n"
    "or into out (out=values converts in place; an out overlapping values otherwise\n"
    "converts from a copy of them, as NumPy does); any other array of real numbers is copied once to\n"
    "float64 first. A Dask array converts block by block. Raises IncompatibleUnitsError,\n"
    "BelowAbsoluteZeroError, UnitParseError; the GIL is released over large arrays."};

// A trigonometric function takes its angle by the unit's definition: 90° is π/2 exactly, where the
// catalogue's rounded 0.0174533 rad would leave cos(90°) at -6.7e-07.
double radiansPer(py::handle a) {
    const py::object held = unitArg(a);
    const qelpy::Unit& unit = unitOf(held);
    static_cast<void>(valueOf(qelpy::Converter::make(unit, qelpy::Unit(QelUnit::radian))));
    return unit.factor();
}

void definePlans(py::module_& m) {
    m.def(
        "_plan_sum",
        [](py::handle a, py::handle b, bool subtract) {
            qelpy::SumPlan plan;
            qelpy::Failure failure;
            check(qelpy::planSum(unitOf(unitArg(a)), unitOf(unitArg(b)), subtract, plan, failure), failure);
            return py::make_tuple(unitObject(plan.lhs), unitObject(plan.rhs), unitObject(plan.result));
        },
        py::arg("a"), py::arg("b"), py::arg("subtract"),
        "_plan_sum(a, b, subtract)\n--\n\n"
        "The units (lhs, rhs, result) of a + b (a - b with subtract): each side's values convert into its own.");
    m.def(
        "_plan_product",
        [](py::handle a, py::handle b, bool divide) {
            py::object ua = unitArg(a);
            py::object ub = unitArg(b);
            qelpy::Unit result;
            qelpy::Failure failure;
            check(qelpy::planProduct(unitOf(ua), unitOf(ub), divide, result, failure), failure);
            py::object made = checked(reinterpret_cast<PyObject*>(
                qelpy::derivedUnit(reinterpret_cast<qelpy::UnitObject*>(ua.ptr()),
                                   reinterpret_cast<qelpy::UnitObject*>(ub.ptr()), divide)));
            return unitOf(made) == result ? made : unitObject(result);
        },
        py::arg("a"), py::arg("b"), py::arg("divide"),
        "_plan_product(a, b, divide)\n--\n\nThe unit of a quantity in a times (divided by, with divide) one in b.");
    m.def(
        "_plan_power",
        [](py::handle a, int n) {
            qelpy::Unit result;
            qelpy::Failure failure;
            check(qelpy::planPower(unitOf(unitArg(a)), n, result, failure), failure);
            return unitObject(result);
        },
        py::arg("a"), py::arg("n"), "_plan_power(a, n)\n--\n\nThe unit of a quantity in a to the power n.");
    m.def(
        "_plan_sqrt",
        [](py::handle a) {
            qelpy::Unit result;
            qelpy::Failure failure;
            check(qelpy::planSqrt(unitOf(unitArg(a)), result, failure), failure);
            return unitObject(result);
        },
        py::arg("a"), "_plan_sqrt(a)\n--\n\nThe unit of the square root of a quantity in a.");
}

void defineHelpers(py::module_& m) {
    m.def(
        "_parse_uncached",
        [](py::handle text) { return checked(reinterpret_cast<PyObject*>(qelpy::readUnit(text.ptr()))); },
        py::arg("text"),
        "_parse_uncached(text)\n--\n\nUnit(text) without the cache of texts read (for the benchmark).");
    m.def("_radians_per", radiansPer, py::arg("unit"),
          "_radians_per(unit)\n--\n\nRadians per one of an angle's unit, by the unit's definition.");
    m.def(
        "_check_scale",
        [](py::handle a, const std::string& operation) {
            qelpy::Failure failure;
            check(qelpy::checkScale(unitOf(unitArg(a)), operation.c_str(), failure), failure);
        },
        py::arg("a"), py::arg("operation"),
        "_check_scale(a, operation)\n--\n\n"
        "Raises the library's error where a quantity in a may not be scaled (a temperature reading).");
}

} // namespace

PYBIND11_MODULE(_core, m) {
    // Each docstring opens with its own text signature ("name(args)\n--\n\n"), which CPython reads into
    // __text_signature__ and inspect.signature; pybind11's would come first and hide it.
    py::options options;
    options.disable_function_signatures();
    m.doc() = "The compiled core of qelunits; use the package qelunits.";
    if (!qelpy::readyTypes() || !qelpy::addExceptions(m.ptr())) {
        throw py::error_already_set();
    }
    m.add_object("Unit", py::handle(reinterpret_cast<PyObject*>(qelpy::UnitType)));
    m.add_object("Quantity", py::handle(reinterpret_cast<PyObject*>(qelpy::QuantityType)));
    m.add_object("convert", checked(PyCFunction_NewEx(&convertDef, nullptr, nullptr)));
    py::class_<PyConverter>(m, "Converter",
                            "Converter(from_unit, to_unit, *, reciprocal=False)\n\n"
                            "A conversion resolved once and applied to many values: converter(values, out=None)\n"
                            "takes what convert() takes. Pickles as its two unit texts and reciprocal.")
        .def(py::init<py::handle, py::handle, bool>(), py::arg("from_unit"), py::arg("to_unit"), py::kw_only(),
             py::arg("reciprocal") = false,
             "__init__(self, from_unit, to_unit, *, reciprocal=False)\n--\n\n"
             "The conversion from from_unit to to_unit (texts or Units), resolved once.")
        .def("__call__", &PyConverter::operator(), py::arg("values"), py::arg("out") = py::none(),
             "__call__(self, values, out=None)\n--\n\n"
             "The values converted, as convert(values, from_unit, to_unit, out) gives them.")
        .def_property_readonly(
            "from_unit", [](const PyConverter& c) { return c.from; }, "The unit converted from.")
        .def_property_readonly(
            "to_unit", [](const PyConverter& c) { return c.to; }, "The unit converted to.")
        .def_property_readonly(
            "reciprocal", [](const PyConverter& c) { return c.reciprocal; },
            "Whether units of reciprocal dimensions convert, as 1 / (value × factor).")
        .def(
            "__repr__",
            [](const PyConverter& c) {
                return py::str("Converter({!r}, {!r}{})")
                    .format(c.from.attr("__str__")(), c.to.attr("__str__")(), c.reciprocal ? ", reciprocal=True" : "");
            },
            "__repr__(self)\n--\n\nConverter('m', 'ft'), as the converter is made.")
        .def(py::pickle(
            [](const PyConverter& c) {
                return py::make_tuple(c.from.attr("__str__")(), c.to.attr("__str__")(), c.reciprocal);
            },
            // Two texts alone: pickled before reciprocal existed.
            [](const py::tuple& state) {
                return PyConverter(state[0], state[1], state.size() > 2 && state[2].cast<bool>());
            }));
    definePlans(m);
    defineHelpers(m);
}
