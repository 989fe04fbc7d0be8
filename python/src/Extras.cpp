// Levels of logarithmic units, conversions under a context, and UCUM codes: qelunits.Level, power_sum,
// Context, convert_in_context, from_ucum and to_ucum, each a thin layer over the value API's own rules.

#include "Objects.h"

#include <qelunits/Contexts.h>
#include <qelunits/Levels.h>
#include <qelunits/Ucum.h>

#include "Extras.h"

#include <cmath>
#include <string>

namespace py = pybind11;

namespace qelpy {
namespace {

using qelunits::Context;
using qelunits::Level;
using qelunits::LevelUnit;

py::object checked(PyObject* o) {
    if (o == nullptr) {
        throw py::error_already_set();
    }
    return py::reinterpret_steal<py::object>(o);
}

[[noreturn]] void raiseFailure(const Failure& failure) {
    raise(failure);
    throw py::error_already_set();
}

template <class T>
T valueOf(const qelunits::Result<T>& result) {
    if (!result) {
        Failure failure;
        failed(result, failure);
        raiseFailure(failure);
    }
    return *result;
}

py::object unitArg(py::handle o) { return checked(reinterpret_cast<PyObject*>(unitFrom(o.ptr()))); }

const Unit& unitOf(const py::object& unit) { return reinterpret_cast<UnitObject*>(unit.ptr())->unit; }

std::string typeName(py::handle o) { return Py_TYPE(o.ptr())->tp_name; }

// A Quantity of one number, or a text read as one ("180.156 g/mol"): what the value API's single values take.
Quantity quantityArg(py::handle o, const char* what) {
    if (isQuantity(o.ptr())) {
        const auto* q = reinterpret_cast<const QuantityObject*>(o.ptr());
        if (q->array != nullptr) {
            throw py::type_error(std::string(what) + " takes a Quantity of one number, not of an array");
        }
        return Quantity(q->value, q->unit->unit);
    }
    if (!PyUnicode_Check(o.ptr())) {
        throw py::type_error(std::string(what) + " takes a Quantity or its text, not " + typeName(o));
    }
    Quantity quantity;
    Failure failure;
    if (!parseQuantity(o.cast<std::string>(), quantity, failure)) {
        raiseFailure(failure);
    }
    return quantity;
}

// q as a Quantity; in the Unit asked for, with its text, where q is in that very unit.
py::object quantityObject(const Quantity& q, const py::object& asked = py::object()) {
    const py::object unit =
        asked && unitOf(asked) == q.unit() ? asked : checked(reinterpret_cast<PyObject*>(newUnit(q.unit())));
    return checked(newQuantity(q.value(), reinterpret_cast<UnitObject*>(unit.ptr())));
}

LevelUnit levelUnitArg(py::handle unit) {
    if (!PyUnicode_Check(unit.ptr())) {
        throw py::type_error("a logarithmic unit is a text ('dBm'), not " + typeName(unit));
    }
    return valueOf(LevelUnit::parse(unit.cast<std::string>()));
}

// Level(text), or Level(value, unit). Only finite numbers: a level pickles as its text, which reads no other.
Level makeLevel(py::handle value, py::handle unit) {
    if (unit.is_none()) {
        if (py::isinstance<Level>(value)) {
            return value.cast<Level>();
        }
        if (!PyUnicode_Check(value.ptr())) {
            throw py::type_error("Level takes a text ('20 dBm') or a number and a unit (20, 'dBm'), not a " +
                                 typeName(value) + " alone");
        }
        return valueOf(Level::parse(value.cast<std::string>()));
    }
    if (PyUnicode_Check(value.ptr()) || PyBytes_Check(value.ptr())) {
        throw py::type_error("Level(value, unit) takes a number before its unit, not a text");
    }
    const double number = PyFloat_AsDouble(value.ptr());
    if (number == -1.0 && PyErr_Occurred() != nullptr) {
        throw py::error_already_set();
    }
    const LevelUnit logUnit = levelUnitArg(unit);
    if (!std::isfinite(number)) {
        raiseFailure({qelunits::ErrorKind::InvalidNumber, qelunits::Error::kNoPosition,
                      "the number of a level must be finite, not " + py::repr(value).cast<std::string>()});
    }
    return Level(number, logUnit);
}

py::object convertIn(py::handle quantity, py::handle unit, const Context& context) {
    const py::object to = unitArg(unit);
    return quantityObject(
        valueOf(qelunits::tryTo(quantityArg(quantity, "a conversion in a context"), unitOf(to), context)), to);
}

Context contextArg(py::handle context) {
    if (py::isinstance<Context>(context)) {
        return context.cast<Context>();
    }
    if (!PyUnicode_Check(context.ptr())) {
        throw py::type_error("a context is a Context or its name ('spectroscopy'), not " + typeName(context));
    }
    return valueOf(Context::byName(context.cast<std::string>()));
}

// How a level is made, and what it is.
py::class_<Level> defineLevelMaking(py::module_& m) {
    py::class_<Level> type(
        m, "Level",
        "Level(value, unit=None, /)\n\n"
        "A number of a logarithmic unit: a ratio (dB, B, Np, dBi) or a level against a reference\n"
        "(dBm: 1 mW, dBW: 1 W, dBV: 1 V, dBµV: 1 µV, dB(SPL): 20 µPa). Level('20 dBm') or\n"
        "Level(20, 'dBm'). A level plus or minus a ratio is a level, a level minus a level a ratio in\n"
        "dB; two levels do not add (power_sum adds the powers). Immutable; pickles as its text.");
    type.def(py::init(&makeLevel), py::arg("value"), py::arg("unit") = py::none(), py::pos_only(),
             "__init__(self, value, unit=None, /)\n--\n\n"
             "The level a text reads as ('20 dBm', '-6 dBV'), or a finite number of a logarithmic unit.")
        .def_static(
            "from_quantity",
            [](py::handle quantity, py::handle unit) {
                return valueOf(Level::fromQuantity(quantityArg(quantity, "Level.from_quantity"), levelUnitArg(unit)));
            },
            py::arg("quantity"), py::arg("unit"),
            "from_quantity(quantity, unit)\n--\n\n"
            "The level of quantity (a Quantity or its text) against unit's reference: 100 mW in 'dBm' is 20 dBm.")
        .def_property_readonly("value", &Level::value, "The number.")
        .def_property_readonly(
            "unit", [](const Level& level) { return py::str(level.unit().symbol()); },
            "The logarithmic unit's symbol: 'dBm', 'dBµV', 'dB(SPL)'.")
        .def_property_readonly("is_ratio", &Level::isRatio, "Whether the unit is a ratio (dB, B, Np, dBi).")
        .def(
            "to_quantity", [](const Level& level) { return quantityObject(valueOf(level.tryToQuantity())); },
            "to_quantity(self)\n--\n\nThe quantity a level stands for, in its reference's unit: 20 dBm is 100 mW.")
        .def(
            "to", [](const Level& level, py::handle unit) { return valueOf(level.tryTo(levelUnitArg(unit))); },
            py::arg("unit"), py::pos_only(),
            "to(self, unit, /)\n--\n\n"
            "The same in another logarithmic unit: 0 dBW is 30 dBm, 1 Np is 8.686 dB.");
    return type;
}

// The value API's rules of arithmetic on levels and ratios; another operand is NotImplemented.
void defineLevelArithmetic(py::class_<Level>& type) {
    type.def(
            "__add__", [](const Level& a, const Level& b) { return valueOf(tryAdd(a, b)); }, py::is_operator(),
            "__add__(self, other, /)\n--\n\nA level plus a ratio, or a ratio plus a ratio; two levels raise.")
        .def(
            "__sub__", [](const Level& a, const Level& b) { return valueOf(trySubtract(a, b)); }, py::is_operator(),
            "__sub__(self, other, /)\n--\n\nA level less a ratio is a level, a level less a level a ratio in dB.")
        .def(
            "__mul__", [](const Level& a, double factor) { return valueOf(tryScale(a, factor)); }, py::is_operator(),
            "__mul__(self, other, /)\n--\n\nA ratio times a number; a level raises.")
        .def(
            "__rmul__", [](const Level& a, double factor) { return valueOf(tryScale(a, factor)); }, py::is_operator(),
            "__rmul__(self, other, /)\n--\n\nA ratio times a number; a level raises.")
        .def(
            "__neg__", [](const Level& a) { return valueOf(tryScale(a, -1.0)); }, py::is_operator(),
            "__neg__(self, /)\n--\n\nThe inverse ratio; a level raises.");
}

void defineLevelValue(py::module_& m, py::class_<Level>& type) {
    type.def(
            "__eq__", [](const Level& a, const Level& b) { return a == b; }, py::is_operator(),
            "__eq__(self, other, /)\n--\n\nother converted into self's unit is self exactly.")
        .def(
            "__str__", [](const Level& level) { return qelunits::toString(level); },
            "__str__(self, /)\n--\n\n'20 dBm'.")
        .def(
            "__repr__", [](const Level& level) { return "Level('" + qelunits::toString(level) + "')"; },
            "__repr__(self, /)\n--\n\nLevel('20 dBm'), as the level is made.")
        .def(
            "__reduce__",
            [](const py::object& self) {
                return py::make_tuple(py::type::of(self),
                                      py::make_tuple(qelunits::toString(self.cast<const Level&>())));
            },
            "__reduce__(self, /)\n--\n\nPickles the level as its text.");
    m.def(
        "power_sum", [](const Level& a, const Level& b) { return valueOf(tryPowerSum(a, b)); }, py::arg("a"),
        py::arg("b"),
        "power_sum(a, b)\n--\n\n"
        "The level of the sum of the powers two levels stand for, in a's unit: 20 dBm and 20 dBm give 23.0103 dBm.");
}

// How a context is made.
py::class_<Context> defineContextMaking(py::module_& m) {
    py::class_<Context> type(
        m, "Context",
        "Context(text, /)\n\n"
        "A relation under which quantities of two dimensions convert, never applied unless given:\n"
        "spectroscopy() (wavelength, frequency, wavenumber, photon energy), chemistry(molar_mass)\n"
        "(amount and mass, and their concentrations), thermal() (temperature and energy k_B·T).\n"
        "Immutable; pickles as its text.");
    type.def(py::init([](const std::string& text) { return valueOf(Context::byName(text)); }), py::arg("text"),
             py::pos_only(), "__init__(self, text, /)\n--\n\nThe context of a name, as by_name reads it.")
        .def_static("spectroscopy", &Context::spectroscopy,
                    "spectroscopy()\n--\n\nλ, f, ν̃ and E related by f = c/λ, ν̃ = 1/λ, E = h·f.")
        .def_static(
            "chemistry",
            [](py::handle molarMass) {
                return valueOf(Context::chemistry(quantityArg(molarMass, "Context.chemistry")));
            },
            py::arg("molar_mass"),
            "chemistry(molar_mass)\n--\n\n"
            "Amount and mass related by m = n·M, for a molar mass (a Quantity or its text, '180.156 g/mol').")
        .def_static("thermal", &Context::thermal, "thermal()\n--\n\nTemperature and energy related by E = k_B·T.")
        .def_static(
            "by_name", [](const std::string& text) { return valueOf(Context::byName(text)); }, py::arg("text"),
            "by_name(text)\n--\n\n"
            "The context of a name: 'spectroscopy' ('sp'), 'thermal' ('boltzmann'), 'chemistry(180.156 g/mol)'.");
    return type;
}

// What a context is, and what it converts.
void defineContextUse(py::module_& m, py::class_<Context>& type) {
    type.def_property_readonly(
            "name", [](const Context& c) { return py::str(c.name()); }, "'spectroscopy', 'chemistry' or 'thermal'.")
        .def_property_readonly("text", &Context::text,
                               "What by_name reads back as this context: 'chemistry(180.156 g/mol)'.")
        .def_property_readonly(
            "molar_mass",
            [](const Context& c) -> py::object {
                return c.kind() == Context::Kind::Chemistry ? quantityObject(c.molarMass()) : py::none();
            },
            "The molar mass of a chemistry context, as given; None for the others.")
        .def(
            "relates",
            [](const Context& c, py::handle from, py::handle to) {
                return c.relates(unitOf(unitArg(from)), unitOf(unitArg(to)));
            },
            py::arg("from_unit"), py::arg("to_unit"),
            "relates(self, from_unit, to_unit)\n--\n\n"
            "Whether this context converts between the two units, of two different dimensions.")
        .def(
            "to", [](const Context& c, py::handle quantity, py::handle unit) { return convertIn(quantity, unit, c); },
            py::arg("quantity"), py::arg("unit"),
            "to(self, quantity, unit)\n--\n\n"
            "quantity (a Quantity or its text) in unit, by this context where it relates their dimensions.");
    m.def(
        "convert_in_context",
        [](py::handle quantity, py::handle unit, py::handle context) {
            return convertIn(quantity, unit, contextArg(context));
        },
        py::arg("quantity"), py::arg("unit"), py::arg("context"),
        "convert_in_context(quantity, unit, context)\n--\n\n"
        "quantity (a Quantity or its text) in unit, by context (a Context or its name) where it relates their\n"
        "dimensions, else as quantity.to(unit). Raises IncompatibleUnitsError where neither converts.");
}

// Equal by their texts, which is what they pickle as.
void defineContextValue(py::class_<Context>& type) {
    type.def(
            "__eq__", [](const Context& a, const Context& b) { return a.text() == b.text(); }, py::is_operator(),
            "__eq__(self, other, /)\n--\n\nThe same relation, with the same molar mass.")
        .def(
            "__hash__", [](const Context& c) { return py::hash(py::str(c.text())); },
            "__hash__(self, /)\n--\n\nThe hash of the text.")
        .def("__str__", &Context::text, "__str__(self, /)\n--\n\n'chemistry(180.156 g/mol)'.")
        .def(
            "__repr__", [](const Context& c) { return py::str("Context({!r})").format(c.text()); },
            "__repr__(self, /)\n--\n\nContext('spectroscopy'), as the context is made.")
        .def(
            "__reduce__",
            [](const py::object& self) {
                return py::make_tuple(py::type::of(self), py::make_tuple(self.cast<const Context&>().text()));
            },
            "__reduce__(self, /)\n--\n\nPickles the context as its text.");
}

bool readsAs(const std::string& text, const Unit& unit) {
    Unit read;
    Failure ignored;
    return !allBlank(text) && parseUnit(text, read, ignored) && read == unit;
}

// The text a Unit read from a UCUM code shows and pickles as, which must read back as that unit: the code itself
// where our reader takes it so ("mg/dL"), else the library's form ("ft" for "[ft_i]"), else the factor of the
// coherent unit, where the library's form means another unit ("ft" for UCUM's femtotonne is a foot to us).
py::str ucumUnitText(const py::str& code, const Unit& unit) {
    const std::string utf8 = code.cast<std::string>();
    if (readsAs(utf8, unit)) {
        return code;
    }
    const std::string symbol = unit.symbol();
    if (readsAs(symbol, unit) || unit.isTemperaturePoint() || unit.isTemperatureDifference()) {
        return py::str(symbol);
    }
    const std::string factor = py::repr(py::float_(unit.factor())).cast<std::string>();
    const std::string scaled = unit.isDimensionless() ? factor : factor + " " + unit.dimension();
    return py::str(readsAs(scaled, unit) ? scaled : symbol);
}

void defineUcum(py::module_& m) {
    m.def(
        "from_ucum",
        [](const py::str& code) {
            const Unit unit = valueOf(qelunits::fromUcum(code.cast<std::string>()));
            return checked(reinterpret_cast<PyObject*>(newUnit(unit, ucumUnitText(code, unit).ptr())));
        },
        py::arg("code"),
        "from_ucum(code)\n--\n\n"
        "The Unit a UCUM code means ('mg/dL', '[ft_i]', 'mm[Hg]', '10*3/uL'), shown in the library's form.\n"
        "Arbitrary units ('[IU]') and levels are refused.");
    m.def(
        "to_ucum", [](py::handle unit) { return valueOf(qelunits::toUcum(unitOf(unitArg(unit)))); }, py::arg("unit"),
        "to_ucum(unit)\n--\n\n"
        "The UCUM code of unit (a Unit or its text): 'ft/min' is '[ft_i]/min'; Error for a unit UCUM cannot write.");
}

} // namespace

void addLevelsContextsUcum(py::module_& m) {
    py::class_<Level> level = defineLevelMaking(m);
    defineLevelArithmetic(level);
    defineLevelValue(m, level);
    py::class_<Context> context = defineContextMaking(m);
    defineContextUse(m, context);
    defineContextValue(context);
    defineUcum(m);
}

} // namespace qelpy
