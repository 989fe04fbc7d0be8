// Units a program defines: qelunits.define, load_definitions, the Definitions type, and the pickles of units
// that rest on definitions.

#include "DefinedUnits.h"

#include <qelunits/Definitions.h>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <exception>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace py = pybind11;

namespace qelpy {
namespace {

using qelunits::Definitions;

// The reader of pickled defined units, _core._unit_with_definitions; set when the module is made.
PyObject* unitReader = nullptr;
// Units read from pickles, (text, definitions) -> Unit: the chunks of one array each carry the same unit.
PyObject* carriedUnits = nullptr;
// Bounds both caches, so that a stream of distinct pickles cannot hold memory forever.
constexpr Py_ssize_t kCarriedLimit = 1024;

py::object checked(PyObject* o) {
    if (o == nullptr) {
        throw py::error_already_set();
    }
    return py::reinterpret_steal<py::object>(o);
}

template <class T>
T valueOf(const qelunits::Result<T>& result) {
    if (!result) {
        Failure failure;
        failed(result, failure);
        raise(failure);
        throw py::error_already_set();
    }
    return *result;
}

std::string pathOf(const py::object& path) {
    return py::module_::import("os").attr("fspath")(path).cast<std::string>();
}

// The sets read from carried texts, by text. Only called with the GIL held, which guards it.
const Definitions* carriedSet(const std::string& text, Failure& failure) {
    static std::map<std::string, Definitions> sets;
    const auto found = sets.find(text);
    if (found != sets.end()) {
        return &found->second;
    }
    const qelunits::Result<Definitions> read = Definitions::read(text, "pickled definitions");
    if (!read) {
        failed(read, failure);
        return nullptr;
    }
    if (sets.size() >= static_cast<std::size_t>(kCarriedLimit)) {
        sets.clear();
    }
    return &sets.emplace(text, *read).first->second;
}

// The text of a unit read with a set: blanks alone are the pure number, as Unit("") is.
Unit unitIn(std::string_view text, const Definitions& set) {
    return allBlank(text) ? Unit() : valueOf(Unit::parse(text, set));
}

py::object unitObject(const Unit& unit, PyObject* text = nullptr) {
    return checked(reinterpret_cast<PyObject*>(newUnit(unit, text)));
}

py::object readUnitWith(const py::str& text, const Definitions& set) {
    const std::string utf8 = text.cast<std::string>();
    const Unit unit = unitIn(utf8, set);
    py::object shown = allBlank(utf8) ? py::str("1") : py::object(text.attr("strip")());
    return unitObject(unit, shown.ptr());
}

// _core._unit_with_definitions(text, definitions): a unit pickled with the definitions it rests on, read with
// a set of those alone, whatever the process has defined.
py::object unitWithDefinitions(const py::str& text, const py::str& definitions) {
    const py::tuple key = py::make_tuple(text, definitions);
    PyObject* cached = PyDict_GetItemWithError(carriedUnits, key.ptr());
    if (cached != nullptr) {
        return py::reinterpret_borrow<py::object>(cached);
    }
    if (PyErr_Occurred() != nullptr) {
        throw py::error_already_set();
    }
    Failure failure;
    const Definitions* set = carriedSet(definitions.cast<std::string>(), failure);
    if (set == nullptr) {
        raise(failure);
        throw py::error_already_set();
    }
    py::object unit = readUnitWith(text, *set);
    if (PyDict_Size(carriedUnits) >= kCarriedLimit) {
        PyDict_Clear(carriedUnits);
    }
    if (PyDict_SetItem(carriedUnits, key.ptr(), unit.ptr()) != 0) {
        throw py::error_already_set();
    }
    return unit;
}

py::object quantityIn(const std::string& text, const Definitions& set) {
    const qelunits::Quantity q = valueOf(qelunits::Quantity::parse(text, set));
    const py::object unit = unitObject(q.unit());
    return checked(newQuantity(q.value(), reinterpret_cast<UnitObject*>(unit.ptr())));
}

void defineFunctions(py::module_& m) {
    m.def(
        "define",
        [](const std::string& text, const std::string& source) { valueOf(Definitions::define(text, source)); },
        py::arg("text"), py::arg("source") = "definitions",
        "define(text, source='definitions')\n--\n\n"
        "Adds the units text defines, one definition a line ('widget = 3.5 kg', 'cent = dollar/100; ¢',\n"
        "'dollar = [currency]' for a new base dimension), to what every text reads with from now on, in\n"
        "every thread. All of text or none of it: an error names source, line and column, and leaves the\n"
        "units as they were. A name may not be a builtin unit's, nor change one defined before.");
    m.def(
        "load_definitions", [](const py::object& path) { valueOf(Definitions::defineFile(pathOf(path))); },
        py::arg("path"),
        "load_definitions(path)\n--\n\n"
        "define() with the text of the file at path (UTF-8); its errors name the file.");
}

// The reader of pickles, a function of the module itself: pickle names it by its module and name, where a
// pybind11 function would go as its capsule.
PyObject* unitReaderCall(PyObject* /*module*/, PyObject* const* args, Py_ssize_t nargs) {
    if (nargs != 2 || !PyUnicode_Check(args[0]) || !PyUnicode_Check(args[1])) {
        PyErr_SetString(PyExc_TypeError, "_unit_with_definitions takes two strs: a unit and its definitions");
        return nullptr;
    }
    try {
        return unitWithDefinitions(py::reinterpret_borrow<py::str>(args[0]), py::reinterpret_borrow<py::str>(args[1]))
            .release()
            .ptr();
    } catch (py::error_already_set& error) {
        error.restore();
    } catch (const std::exception& error) {
        PyErr_SetString(PyExc_RuntimeError, error.what());
    }
    return nullptr;
}

PyMethodDef unitReaderDef = {
    "_unit_with_definitions", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(unitReaderCall)),
    METH_FASTCALL,
    "_unit_with_definitions(text, definitions, /)\n--\n\n"
    "The Unit text reads as with definitions alone: how a unit resting on definitions is unpickled."};

// How a set is made: from a text or file, or as a layer over another.
py::class_<Definitions> defineMaking(py::module_& m) {
    py::class_<Definitions> type(
        m, "Definitions",
        "Definitions(text='', source='definitions')\n\n"
        "An immutable set of unit definitions over the builtin units, read with unit() and quantity()\n"
        "without changing what other texts read with. Definitions() has none; Definitions(text), read()\n"
        "and load() make one, with_() and with_file() one more layer; process() is the set define()\n"
        "extends. Pickles as text().");
    type.def(py::init([](const std::string& text, const std::string& source) {
                 return text.empty() ? Definitions() : valueOf(Definitions::read(text, source));
             }),
             py::arg("text") = "", py::arg("source") = "definitions",
             "__init__(self, text='', source='definitions')\n--\n\n"
             "The set text defines, as read() reads it; none for no text.")
        .def_static(
            "read",
            [](const std::string& text, const std::string& source) { return valueOf(Definitions::read(text, source)); },
            py::arg("text"), py::arg("source") = "definitions",
            "read(text, source='definitions')\n--\n\n"
            "The set text defines, one definition a line; errors name source, line and column.")
        .def_static(
            "load", [](const py::object& path) { return valueOf(Definitions::load(pathOf(path))); }, py::arg("path"),
            "load(path)\n--\n\nThe set the file at path (UTF-8) defines.")
        .def_static("process", &Definitions::process,
                    "process()\n--\n\nThe set every text reads with where none is given, as define() left it.")
        .def(
            "with_",
            [](const Definitions& self, const std::string& text, const std::string& source) {
                return valueOf(self.with(text, source));
            },
            py::arg("text"), py::arg("source") = "definitions",
            "with_(self, text, source='definitions')\n--\n\nThis set with text's definitions layered over it.")
        .def(
            "with_file",
            [](const Definitions& self, const py::object& path) { return valueOf(self.withFile(pathOf(path))); },
            py::arg("path"), "with_file(self, path)\n--\n\nThis set with the file's definitions layered over it.");
    return type;
}

// What a set holds, and what it reads.
void defineReading(py::class_<Definitions>& type) {
    type.def("names", &Definitions::names,
             "names(self)\n--\n\nThe names defined, layers below first, each in the order of its text.")
        .def("text", &Definitions::text, "text(self)\n--\n\nThe definitions as a text that reads back as this set.")
        .def(
            "unit", [](const Definitions& self, const py::str& text) { return readUnitWith(text, self); },
            py::arg("text"),
            "unit(self, text)\n--\n\nThe Unit text reads as with this set; it pickles with what it rests on.")
        .def(
            "quantity", [](const Definitions& self, const std::string& text) { return quantityIn(text, self); },
            py::arg("text"), "quantity(self, text)\n--\n\nThe Quantity text ('2 widget') reads as with this set.")
        .def("__len__", &Definitions::size, "__len__(self, /)\n--\n\nHow many definitions, all layers.")
        .def(
            "__eq__",
            [](const Definitions& a, const py::object& b) -> py::object {
                if (!py::isinstance<Definitions>(b)) {
                    return py::reinterpret_borrow<py::object>(Py_NotImplemented);
                }
                return py::bool_(a == b.cast<const Definitions&>());
            },
            py::is_operator(), "__eq__(self, other, /)\n--\n\nThe same set, layer for layer.")
        .def(
            "__repr__",
            [](const Definitions& self) {
                return "<Definitions of " + std::to_string(self.size()) + (self.size() == 1 ? " unit>" : " units>");
            },
            "__repr__(self, /)\n--\n\n<Definitions of 3 units>.")
        .def(
            "__reduce__",
            [](const py::object& self) {
                return py::make_tuple(py::type::of(self), py::make_tuple(self.cast<const Definitions&>().text()));
            },
            "__reduce__(self, /)\n--\n\nPickles the set as its text.");
}

} // namespace

bool addDefinitions(PyObject* module) {
    carriedUnits = PyDict_New();
    if (carriedUnits == nullptr) {
        return false;
    }
    try {
        auto m = py::reinterpret_borrow<py::module_>(module);
        defineFunctions(m);
        py::class_<Definitions> type = defineMaking(m);
        defineReading(type);
        unitReader = checked(PyCFunction_NewEx(&unitReaderDef, module, m.attr("__name__").ptr())).release().ptr();
        if (PyModule_AddObjectRef(module, "_unit_with_definitions", unitReader) != 0) {
            return false;
        }
    } catch (py::error_already_set& error) {
        error.restore();
        return false;
    }
    return true;
}

PyObject* reduceDefinedUnit(UnitObject* unit) {
    const std::string carried = Definitions::textFor(unit->unit);
    if (carried.empty()) {
        return nullptr;
    }
    // The text shown goes where it reads back with the carried definitions alone (an alias they leave out would
    // not); the library's symbol form otherwise.
    std::string_view text;
    if (!utf8Of(unit->text, text)) {
        return nullptr;
    }
    Failure failure;
    const Definitions* set = carriedSet(carried, failure);
    bool readsBack = false;
    if (set != nullptr) {
        const qelunits::Result<Unit> back = Unit::parse(text, *set);
        readsBack = back && *back == unit->unit;
    }
    PyObject* shown = readsBack ? Py_NewRef(unit->text) : toStr(unit->unit.symbol());
    PyObject* definitions = toStr(carried);
    PyObject* result =
        shown != nullptr && definitions != nullptr ? Py_BuildValue("(O(OO))", unitReader, shown, definitions) : nullptr;
    Py_XDECREF(shown);
    Py_XDECREF(definitions);
    return result;
}

PyObject* pickledUnit(UnitObject* unit) {
    return Py_NewRef(Definitions::textFor(unit->unit).empty() ? unit->text : reinterpret_cast<PyObject*>(unit));
}

} // namespace qelpy
