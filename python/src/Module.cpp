// The extension module qelunits._core: the types, the exceptions, convert(), the Converter, and the
// value API's unit plans, which the array helpers follow element by element.

#include "Objects.h"

#include "DefinedUnits.h"
#include "Extras.h"

#include <qelunits/Constants.h>
#include <qelunits/QelUnitsUtf8.h>

#include <pybind11/pybind11.h>

#include <cmath>
#include <cstring>
#include <string>

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

void definePlans(py::module_& m) {
    m.def(
        "_plan_sum",
        [](py::handle a, py::handle b, bool subtract) {
            const qelunits::SumPlan plan = valueOf(qelunits::planSum(unitOf(unitArg(a)), unitOf(unitArg(b)), subtract));
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
            const qelpy::Unit result = valueOf(qelunits::productUnit(unitOf(ua), unitOf(ub), divide));
            // The cached Unit keeps a text that shows how it was made ("km/h"), where it is the same unit.
            py::object made = checked(reinterpret_cast<PyObject*>(
                qelpy::derivedUnit(reinterpret_cast<qelpy::UnitObject*>(ua.ptr()),
                                   reinterpret_cast<qelpy::UnitObject*>(ub.ptr()), divide)));
            return unitOf(made) == result ? made : unitObject(result);
        },
        py::arg("a"), py::arg("b"), py::arg("divide"),
        "_plan_product(a, b, divide)\n--\n\nThe unit of a quantity in a times (divided by, with divide) one in b.");
    m.def(
        "_plan_power",
        [](py::handle a, int numerator, int denominator) {
            return unitObject(valueOf(qelunits::powerUnit(unitOf(unitArg(a)), numerator, denominator)));
        },
        py::arg("a"), py::arg("numerator"), py::arg("denominator") = 1,
        "_plan_power(a, numerator, denominator=1)\n--\n\n"
        "The unit of a quantity in a to the power numerator / denominator.");
    m.def(
        "_plan_scale",
        [](py::handle a, const std::string& operation) {
            return unitObject(valueOf(qelunits::scaleUnit(unitOf(unitArg(a)), operation)));
        },
        py::arg("a"), py::arg("operation"),
        "_plan_scale(a, operation)\n--\n\n"
        "a, where a quantity in a may be scaled by operation; raises the library's error where not (a reading).");
}

// The value API's order of each pair of values: -1, 0, 1, or 2 where a NaN leaves them unordered. The first
// failure of the units (incompatible, a reading against a difference) is raised.
py::bytes orderOf(const py::buffer& a, py::handle aUnit, const py::buffer& b, py::handle bUnit) {
    const py::buffer_info x = a.request();
    const py::buffer_info y = b.request();
    const auto contiguous = [](const py::buffer_info& info) {
        return info.format == py::format_descriptor<double>::format() && info.ndim == 1 &&
               (info.size < 2 || info.strides[0] == static_cast<py::ssize_t>(sizeof(double)));
    };
    if (!contiguous(x) || !contiguous(y) || x.size != y.size) {
        throw py::value_error("_order takes two contiguous float64 vectors of one length");
    }
    const py::object ua = unitArg(aUnit);
    const py::object ub = unitArg(bUnit);
    const auto* xs = static_cast<const double*>(x.ptr);
    const auto* ys = static_cast<const double*>(y.ptr);
    std::string order(static_cast<std::size_t>(x.size), '\0');
    for (std::size_t i = 0; i < order.size(); ++i) {
        const qelunits::Result<int> o =
            tryCompare(qelpy::Quantity(xs[i], unitOf(ua)), qelpy::Quantity(ys[i], unitOf(ub)));
        order[i] = static_cast<char>(o ? *o : o.kind() == qelunits::ErrorKind::InvalidNumber ? 2 : valueOf(o));
    }
    return py::bytes(order);
}

void defineConstants(py::module_& m) {
    m.def(
        "_constant",
        [](const std::string& name) {
            const qelunits::Constant constant = valueOf(qelunits::constant(name));
            const qelpy::Quantity quantity = valueOf(qelunits::tryQuantity(constant));
            return checked(qelpy::newQuantity(
                quantity.value(), reinterpret_cast<qelpy::UnitObject*>(unitArg(py::str(constant.unit)).ptr())));
        },
        py::arg("name"),
        "_constant(name)\n--\n\nThe physical constant of a name or spelling ('speed_of_light', 'k_B') as a Quantity.");
    m.def(
        "_constant_names",
        []() {
            py::list names;
            for (const qelunits::Constant& constant : qelunits::allConstants()) {
                names.append(py::str(constant.name));
            }
            return names;
        },
        "_constant_names()\n--\n\nThe names of the physical constants, in the library's order.");
}

// Each value to the power numerator / denominator, as the value API raises one quantity (an odd root keeps the
// sign); NaN where it has no real power, as NumPy leaves it.
py::bytes powersOf(const py::buffer& values, int numerator, int denominator) {
    const py::buffer_info info = values.request();
    if (info.format != py::format_descriptor<double>::format() || info.ndim != 1 ||
        (info.size > 1 && info.strides[0] != static_cast<py::ssize_t>(sizeof(double)))) {
        throw py::value_error("_powers takes a contiguous float64 vector");
    }
    const auto* in = static_cast<const double*>(info.ptr);
    std::string out(static_cast<std::size_t>(info.size) * sizeof(double), '\0');
    for (std::size_t i = 0; i < static_cast<std::size_t>(info.size); ++i) {
        const qelunits::Result<qelpy::Quantity> power =
            tryPow(qelpy::Quantity(in[i], qelpy::Unit()), numerator, denominator);
        const double value = power ? power->value() : std::nan("");
        std::memcpy(&out[i * sizeof(double)], &value, sizeof(double));
    }
    return py::bytes(out);
}

void defineHelpers(py::module_& m) {
    m.def("_powers", powersOf, py::arg("values"), py::arg("numerator"), py::arg("denominator"),
          "_powers(values, numerator, denominator)\n--\n\n"
          "Bytes of each float64 value to the power numerator / denominator, as the value API raises one quantity.");
    m.def(
        "_exponent",
        [](double exponent) {
            int numerator = 0;
            int denominator = 1;
            if (!qelpy::exponentOf(exponent, numerator, denominator)) {
                throw py::error_already_set();
            }
            return py::make_tuple(numerator, denominator);
        },
        py::arg("exponent"),
        "_exponent(exponent)\n--\n\n(numerator, denominator) of a whole power or a root (1/3, 2/3, 0.25); "
        "ValueError else.");
    m.def(
        "_set_default_format",
        [](py::handle spec) {
            if (!qelpy::setDefaultFormat(spec.ptr())) {
                throw py::error_already_set();
            }
        },
        py::arg("spec"),
        "_set_default_format(spec)\n--\n\nThe format spec str() and format() take where none is given.");
    m.def(
        "_default_format", []() { return checked(qelpy::getDefaultFormat()); },
        "_default_format()\n--\n\nThe format spec str() and format() take where none is given; '' for none.");
    m.def("_order", orderOf, py::arg("a"), py::arg("a_unit"), py::arg("b"), py::arg("b_unit"),
          "_order(a, a_unit, b, b_unit)\n--\n\n"
          "Bytes of the value API's order of each pair of values (-1, 0, 1; 2 where NaN leaves them unordered).");
    m.def(
        "_parse_uncached",
        [](py::handle text) { return checked(reinterpret_cast<PyObject*>(qelpy::readUnit(text.ptr()))); },
        py::arg("text"),
        "_parse_uncached(text)\n--\n\nUnit(text) without the cache of texts read (for the benchmark).");
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
                // Texts, or Units where they rest on definitions, which carry them.
                const auto pickled = [](const py::object& unit) {
                    return checked(qelpy::pickledUnit(reinterpret_cast<qelpy::UnitObject*>(unit.ptr())));
                };
                return py::make_tuple(pickled(c.from), pickled(c.to), c.reciprocal);
            },
            // Two texts alone: pickled before reciprocal existed.
            [](const py::tuple& state) {
                return PyConverter(state[0], state[1], state.size() > 2 && state[2].cast<bool>());
            }));
    definePlans(m);
    defineConstants(m);
    defineHelpers(m);
    if (!qelpy::addDefinitions(m.ptr())) {
        throw py::error_already_set();
    }
    qelpy::addLevelsContextsUcum(m);
}
