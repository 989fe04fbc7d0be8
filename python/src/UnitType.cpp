// qelunits.Unit, the exception classes and the cache of units read from text.

#include "Objects.h"

#include "DefinedUnits.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <string>

namespace qelpy {
namespace {

// Texts read so far, str -> Unit. Units are immutable, so a text read twice gives the same object.
PyObject* unitCache = nullptr;
// Products, quotients and powers made so far, (a, b or n, op) -> Unit, so that arithmetic on quantities
// formats no text once a combination has been seen.
PyObject* derivedCache = nullptr;
UnitObject* oneUnit = nullptr;
// Cleared when it grows past this, so that a stream of distinct texts cannot hold memory forever.
constexpr Py_ssize_t kCacheLimit = 4096;

// units.default_format, or null for none; read and written under the GIL, as every call here runs.
PyObject* defaultFormat = nullptr;
std::string defaultSpec;

PyObject* errorBase = nullptr;
PyObject* parseError = nullptr;
PyObject* incompatibleError = nullptr;
PyObject* pointError = nullptr;
PyObject* zeroError = nullptr;

PyObject* classOf(qelunits::ErrorKind kind) {
    using K = qelunits::ErrorKind;
    switch (kind) {
    case K::InvalidText:
    case K::InvalidNumber:
    case K::UnknownUnit:
    case K::AmbiguousText:
    case K::RefusedText:
    case K::Syntax:
        return parseError;
    case K::IncompatibleUnits:
        return incompatibleError;
    case K::TemperaturePoint:
        return pointError;
    case K::BelowAbsoluteZero:
        return zeroError;
    default:
        return errorBase;
    }
}

// The library's name of a kind as a Python identifier: "unknown unit" gives "unknown_unit".
PyObject* kindText(qelunits::ErrorKind kind) {
    std::string text = qelunits::kindName(kind);
    std::replace(text.begin(), text.end(), ' ', '_');
    return toStr(text);
}

bool addException(PyObject* module, PyObject*& slot, const char* name, PyObject* bases, const char* doc) {
    slot = PyErr_NewExceptionWithDoc(name, doc, bases, nullptr);
    Py_DECREF(bases);
    return slot != nullptr && PyModule_AddObjectRef(module, std::strchr(name, '.') + 1, slot) == 0;
}

UnitObject* unitOf(PyObject* self) { return reinterpret_cast<UnitObject*>(self); }

bool needsParentheses(PyObject* text) {
    std::string_view utf8;
    return !utf8Of(text, utf8) || utf8.find_first_of(" */(") != std::string_view::npos ||
           utf8.find("·") != std::string_view::npos;
}

// A text that shows how the unit came to be ("km/h" from km and h), kept only where it reads back as the unit.
PyObject* composedText(UnitObject* a, UnitObject* b, const char* op, const Unit& result) {
    PyObject* text = PyUnicode_FromFormat(needsParentheses(b->text) ? "%U%s(%U)" : "%U%s%U", a->text, op, b->text);
    std::string_view utf8;
    Unit reread;
    Failure failure;
    if (text != nullptr && utf8Of(text, utf8) && parseUnit(utf8, reread, failure) && reread == result) {
        return text;
    }
    PyErr_Clear();
    Py_XDECREF(text);
    return nullptr;
}

// Unit(text), by position only, whether called (vectorcall) or made through Unit.__new__.
PyObject* oneText(PyObject* const* args, Py_ssize_t nargs, bool keywords) {
    if (nargs != 1 || keywords) {
        PyErr_SetString(PyExc_TypeError, "Unit() takes one text, such as Unit(\"m/s\")");
        return nullptr;
    }
    return reinterpret_cast<PyObject*>(unitFrom(args[0]));
}

PyObject* unitNew(PyTypeObject* /*type*/, PyObject* args, PyObject* kwargs) {
    return oneText(&PyTuple_GET_ITEM(args, 0), PyTuple_GET_SIZE(args), kwargs != nullptr && PyDict_Size(kwargs) > 0);
}

PyObject* unitVectorcall(PyObject* /*type*/, PyObject* const* args, size_t nargsf, PyObject* kwnames) {
    return oneText(args, PyVectorcall_NARGS(nargsf), kwnames != nullptr);
}

void unitDealloc(PyObject* self) {
    UnitObject* u = unitOf(self);
    u->unit.~Unit();
    Py_XDECREF(u->text);
    PyTypeObject* type = Py_TYPE(self);
    type->tp_free(self);
    Py_DECREF(type); // a heap type's instances hold it
}

PyObject* unitFormat(PyObject* self, PyObject* options);

PyObject* unitStr(PyObject* self) {
    if (!hasDefaultFormat()) {
        return Py_NewRef(unitOf(self)->text);
    }
    PyObject* none = PyUnicode_FromString("");
    PyObject* result = none == nullptr ? nullptr : unitFormat(self, none);
    Py_XDECREF(none);
    return result;
}

PyObject* unitRepr(PyObject* self) { return PyUnicode_FromFormat("Unit(%R)", unitOf(self)->text); }

Py_hash_t unitHash(PyObject* self) {
    UnitObject* u = unitOf(self);
    if (u->hash == -1) {
        // Equal units hash alike, whatever text they were read from.
        const auto hash = static_cast<Py_hash_t>(std::hash<Unit>()(u->unit));
        u->hash = hash == -1 ? -2 : hash;
    }
    return u->hash;
}

PyObject* unitCompare(PyObject* a, PyObject* b, int op) {
    if (!isUnit(a) || !isUnit(b) || (op != Py_EQ && op != Py_NE)) {
        Py_RETURN_NOTIMPLEMENTED;
    }
    return PyBool_FromLong((unitOf(a)->unit == unitOf(b)->unit) == (op == Py_EQ));
}

// A cached derived unit for key, or made by make and cached.
template <class Make>
UnitObject* derived(PyObject* key, Make make) {
    if (key == nullptr) {
        return nullptr;
    }
    PyObject* cached = PyDict_GetItemWithError(derivedCache, key);
    UnitObject* unit = cached != nullptr ? reinterpret_cast<UnitObject*>(Py_NewRef(cached)) : nullptr;
    if (cached == nullptr && PyErr_Occurred() == nullptr) {
        unit = make();
        if (PyDict_Size(derivedCache) >= kCacheLimit) {
            PyDict_Clear(derivedCache);
        }
        if (unit != nullptr && PyDict_SetItem(derivedCache, key, reinterpret_cast<PyObject*>(unit)) != 0) {
            Py_CLEAR(unit);
        }
    }
    Py_DECREF(key);
    return unit;
}

// Unit · Unit or Unit / Unit; a number or array with a Unit makes a Quantity.
PyObject* unitCombine(PyObject* a, PyObject* b, bool divide) {
    if (isUnit(a) && isUnit(b)) {
        return reinterpret_cast<PyObject*>(derivedUnit(unitOf(a), unitOf(b), divide));
    }
    if (isQuantity(a) || isQuantity(b) || isText(a) || isText(b)) {
        Py_RETURN_NOTIMPLEMENTED;
    }
    PyObject* quantity = nullptr;
    if (isUnit(b)) { // number · unit, number / unit
        UnitObject* unit = divide ? poweredUnit(unitOf(b), -1) : unitOf(b);
        if (unit == nullptr) {
            return nullptr;
        }
        quantity = PyFloat_Check(a) || PyLong_Check(a)
                       ? newQuantity(PyFloat_AsDouble(a), unit)
                       : PyObject_CallFunctionObjArgs(reinterpret_cast<PyObject*>(QuantityType), a, unit, nullptr);
        if (divide) {
            Py_DECREF(unit);
        }
        return quantity;
    }
    PyObject* one = newQuantity(1.0, unitOf(a)); // unit · number, unit / number
    if (one == nullptr) {
        return nullptr;
    }
    quantity = divide ? PyNumber_TrueDivide(one, b) : PyNumber_Multiply(one, b);
    Py_DECREF(one);
    return quantity;
}

PyObject* unitMultiply(PyObject* a, PyObject* b) { return unitCombine(a, b, false); }

PyObject* unitDivide(PyObject* a, PyObject* b) { return unitCombine(a, b, true); }

PyObject* unitPower(PyObject* a, PyObject* b, PyObject* modulo) {
    if (!isUnit(a) || !(PyLong_Check(b) || PyFloat_Check(b)) || modulo != Py_None) {
        Py_RETURN_NOTIMPLEMENTED;
    }
    if (PyLong_Check(b)) {
        const long n = PyLong_AsLong(b);
        return n == -1 && PyErr_Occurred() != nullptr ? nullptr
                                                      : reinterpret_cast<PyObject*>(poweredUnit(unitOf(a), n));
    }
    int numerator = 0;
    int denominator = 1;
    if (!exponentOf(PyFloat_AS_DOUBLE(b), numerator, denominator)) {
        return nullptr;
    }
    if (denominator == 1) {
        return reinterpret_cast<PyObject*>(poweredUnit(unitOf(a), numerator));
    }
    const qelunits::Result<Unit> unit = qelunits::powerUnit(unitOf(a)->unit, numerator, denominator);
    Failure failure;
    return unit ? reinterpret_cast<PyObject*>(newUnit(*unit)) : (failed(unit, failure), raise(failure));
}

PyObject* unitCompatible(PyObject* self, PyObject* other) {
    UnitObject* u = unitFrom(
        isQuantity(other) ? reinterpret_cast<PyObject*>(reinterpret_cast<QuantityObject*>(other)->unit) : other);
    if (u == nullptr) {
        return nullptr;
    }
    const bool result = unitOf(self)->unit.isCompatible(u->unit);
    Py_DECREF(u);
    return PyBool_FromLong(result);
}

PyObject* unitCompatibleUnits(PyObject* self, PyObject* /*unused*/) { return compatibleUnits(unitOf(self)); }

PyObject* unitDimensionality(PyObject* self, void* /*closure*/) { return dimensionality(unitOf(self)->unit); }

PyObject* unitReduce(PyObject* self, PyObject* /*unused or the protocol*/) {
    // A unit resting on definitions carries them; one of builtin units alone pickles as it always has.
    PyObject* defined = reduceDefinedUnit(unitOf(self));
    if (defined != nullptr || PyErr_Occurred() != nullptr) {
        return defined;
    }
    return Py_BuildValue("(O(O))", reinterpret_cast<PyObject*>(UnitType), unitOf(self)->text);
}

PyObject* unitFormat(PyObject* self, PyObject* options) {
    PyObject* rest = nullptr;
    PyObject* shown = unitShown(unitOf(self), options, rest);
    PyObject* result = shown != nullptr ? PyObject_Format(shown, rest) : nullptr;
    Py_XDECREF(shown);
    Py_XDECREF(rest);
    return result;
}

PyObject* unitSymbol(PyObject* self, void* /*closure*/) { return toStr(unitOf(self)->unit.symbol()); }
PyObject* unitName(PyObject* self, void* /*closure*/) { return toStr(unitOf(self)->unit.name()); }
PyObject* unitDimension(PyObject* self, void* /*closure*/) { return toStr(unitOf(self)->unit.dimension()); }
PyObject* unitDimensionName(PyObject* self, void* /*closure*/) { return toStr(unitOf(self)->unit.dimensionName()); }
PyObject* unitPoint(PyObject* self, void* /*closure*/) {
    return PyBool_FromLong(unitOf(self)->unit.isTemperaturePoint());
}
PyObject* unitDifference(PyObject* self, void* /*closure*/) {
    return PyBool_FromLong(unitOf(self)->unit.isTemperatureDifference());
}
PyObject* unitDimensionless(PyObject* self, void* /*closure*/) {
    return PyBool_FromLong(unitOf(self)->unit.isDimensionless());
}

PyObject* unitHtml(PyObject* self, PyObject* /*unused*/) { return reprIn(self, "~H", nullptr); }
PyObject* unitLatex(PyObject* self, PyObject* /*unused*/) { return reprIn(self, "~L", "$"); }
PyObject* unitPretty(PyObject* self, PyObject* args) { return prettyRepr(self, args); }

PyMethodDef unitMethods[] = {
    {"is_compatible_with", unitCompatible, METH_O,
     "is_compatible_with($self, other, /)\n--\n\n"
     "True when other (a Unit, a text or a Quantity) converts into this unit."},
    {"compatible_units", unitCompatibleUnits, METH_NOARGS,
     "compatible_units($self, /)\n--\n\nThe catalogue's units this one converts into: a frozenset of Units."},
    {"_repr_html_", unitHtml, METH_NOARGS, "_repr_html_($self, /)\n--\n\nformat(unit, '~H'), for Jupyter."},
    {"_repr_latex_", unitLatex, METH_NOARGS,
     "_repr_latex_($self, /)\n--\n\nformat(unit, '~L') between dollar signs, for Jupyter."},
    {"_repr_pretty_", unitPretty, METH_VARARGS,
     "_repr_pretty_($self, printer, cycle, /)\n--\n\nstr(unit), for IPython."},
    {"__reduce__", unitReduce, METH_NOARGS,
     "__reduce__($self, /)\n--\n\nPickles the unit as its text, and the definitions it rests on."},
    {"__reduce_ex__", unitReduce, METH_O,
     "__reduce_ex__($self, protocol, /)\n--\n\nAs __reduce__, for every protocol."},
    {"__format__", unitFormat, METH_O,
     "__format__($self, format_spec, /)\n--\n\n"
     "format(unit, options): a string's options, then the unit's modifiers as Quantity.__format__ reads them\n"
     "('~', 'S', 'N', 'P', 'D', 'C', 'L', 'H'): f\"{u:>10N}\" right-aligns its names in 10 columns."},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef unitGetSet[] = {
    {"symbol", unitSymbol, nullptr, "The library's symbol form, which reads back as this unit: 'm/s', 'Δ°C'.", nullptr},
    {"name", unitName, nullptr, "The catalogue names: 'Meter per Second'.", nullptr},
    {"dimension", unitDimension, nullptr, "The base dimensions in SI symbols: 'kg·m/s^2'; '1' for none.", nullptr},
    {"dimension_name", unitDimensionName, nullptr, "The unit type these dimensions are: 'Area' for ft^2; '' if none.",
     nullptr},
    {"is_temperature_point", unitPoint, nullptr, "True for a temperature reading: °C, °F, K, °R standing alone.",
     nullptr},
    {"is_temperature_difference", unitDifference, nullptr, "True for a temperature difference: Δ°C, delta_degF.",
     nullptr},
    {"dimensionless", unitDimensionless, nullptr, "True when no catalogue unit is left (1, %, ppm).", nullptr},
    {"dimensionality", unitDimensionality, nullptr,
     "The exponents of the base dimensions by Pint's names: {'[length]': 1, '[time]': -1}.", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot unitSlots[] = {
    {Py_tp_dealloc, reinterpret_cast<void*>(unitDealloc)},
    {Py_tp_repr, reinterpret_cast<void*>(unitRepr)},
    {Py_tp_str, reinterpret_cast<void*>(unitStr)},
    {Py_tp_hash, reinterpret_cast<void*>(unitHash)},
    {Py_tp_richcompare, reinterpret_cast<void*>(unitCompare)},
    {Py_tp_methods, reinterpret_cast<void*>(unitMethods)},
    {Py_tp_getset, reinterpret_cast<void*>(unitGetSet)},
    {Py_tp_new, reinterpret_cast<void*>(unitNew)},
    {Py_nb_multiply, reinterpret_cast<void*>(unitMultiply)},
    {Py_nb_true_divide, reinterpret_cast<void*>(unitDivide)},
    {Py_nb_power, reinterpret_cast<void*>(unitPower)},
    {Py_tp_doc,
     const_cast<char*>(
         "Unit(text, /)\n--\n\n"
         "A unit expression read from text: Unit('m/s'), Unit('kJ/(kg*K)'), Unit('degC') (a temperature\n"
         "reading), Unit('delta_degC') (a difference); Unit('') is the pure number, written '1'. Immutable; a\n"
         "text read twice gives the same object.\n"
         "Units multiply, divide and take integer powers; a number or array times a Unit is a Quantity\n"
         "(25 * Unit('degC') is the reading 25 °C). Pickles as its text. Raises UnitParseError for text\n"
         "that is no unit.")},
    {0, nullptr},
};

} // namespace

PyTypeObject* UnitType = nullptr;

bool makeType(PyTypeObject*& type, const char* name, std::size_t size, PyType_Slot* slots, vectorcallfunc call) {
#ifdef Py_TPFLAGS_IMMUTABLETYPE
    constexpr unsigned int flags = Py_TPFLAGS_DEFAULT | Py_TPFLAGS_IMMUTABLETYPE;
#else
    constexpr unsigned int flags = Py_TPFLAGS_DEFAULT;
#endif
    PyType_Spec spec{name, static_cast<int>(size), 0, flags, slots};
    type = reinterpret_cast<PyTypeObject*>(PyType_FromSpec(&spec));
    if (type != nullptr) {
        type->tp_vectorcall = call; // no slot sets a type's own call
    }
    return type != nullptr;
}

UnitObject* derivedUnit(UnitObject* a, UnitObject* b, bool divide) {
    if (b->unit == Unit()) { // scaling by a number keeps the unit
        return reinterpret_cast<UnitObject*>(Py_NewRef(reinterpret_cast<PyObject*>(a)));
    }
    if (a->unit == Unit() && !divide) {
        return reinterpret_cast<UnitObject*>(Py_NewRef(reinterpret_cast<PyObject*>(b)));
    }
    return derived(Py_BuildValue("(OOi)", a, b, divide ? 1 : 0), [&]() -> UnitObject* {
        const qelunits::Result<Unit> result = divide ? tryDivide(a->unit, b->unit) : tryMultiply(a->unit, b->unit);
        Failure failure;
        if (!result) {
            failed(result, failure);
            raise(failure);
            return nullptr;
        }
        PyObject* text = composedText(a, b, divide ? "/" : "*", *result);
        UnitObject* made = newUnit(*result, text);
        Py_XDECREF(text);
        return made;
    });
}

UnitObject* poweredUnit(UnitObject* a, long n) {
    if (n < -Unit::kMaxPower || n > Unit::kMaxPower) {
        PyErr_Format(PyExc_ValueError, "a power must lie between -%d and %d", Unit::kMaxPower, Unit::kMaxPower);
        return nullptr;
    }
    return derived(Py_BuildValue("(Oli)", a, n, 2), [&]() -> UnitObject* {
        const qelunits::Result<Unit> result = tryPow(a->unit, static_cast<int>(n));
        Failure failure;
        if (!result) {
            failed(result, failure);
            raise(failure);
            return nullptr;
        }
        return newUnit(*result);
    });
}

UnitObject* dimensionlessUnit() { return oneUnit; }

bool readyTypes() {
    unitCache = PyDict_New();
    derivedCache = PyDict_New();
    if (unitCache == nullptr || derivedCache == nullptr ||
        !makeType(UnitType, "qelunits.Unit", sizeof(UnitObject), unitSlots, unitVectorcall) ||
        // NumPy leaves an array times a Unit to the Unit, which makes a Quantity of it.
        PyDict_SetItemString(UnitType->tp_dict, "__array_ufunc__", Py_None) != 0) {
        return false;
    }
    PyType_Modified(UnitType);
    oneUnit = newUnit(Unit());
    return oneUnit != nullptr && readyQuantityType();
}

bool addExceptions(PyObject* module) {
    return addException(module, errorBase, "qelunits.Error", Py_BuildValue("(O)", PyExc_ValueError),
                        "Base of the module's errors: kind (a str such as 'unknown_unit'), position (the code\n"
                        "point in the text read, or None) and message (the library's own text).") &&
           addException(module, parseError, "qelunits.UnitParseError", Py_BuildValue("(O)", errorBase),
                        "Text that is no unit or quantity: kind 'unknown_unit', 'syntax', 'ambiguous' or 'refused'.") &&
           addException(module, incompatibleError, "qelunits.IncompatibleUnitsError",
                        Py_BuildValue("(OO)", errorBase, PyExc_TypeError),
                        "Units that do not convert into each other (m and s); also a TypeError.") &&
           addException(module, pointError, "qelunits.TemperaturePointError",
                        Py_BuildValue("(OO)", errorBase, PyExc_TypeError),
                        "Arithmetic a temperature reading does not allow (25 °C + 25 °C, 2 × 25 °C); use a\n"
                        "difference (delta_degC) or kelvin. Also a TypeError.") &&
           addException(module, zeroError, "qelunits.BelowAbsoluteZeroError", Py_BuildValue("(O)", errorBase),
                        "A temperature reading below absolute zero.");
}

PyObject* raise(const Failure& failure) {
    PyObject* cls = classOf(failure.kind);
    // Reciprocal dimensions: the value API says they convert only when asked; here is how to ask.
    constexpr std::string_view kAsked = "only when asked";
    const std::string_view text = failure.message;
    const bool asked = text.size() >= kAsked.size() && text.substr(text.size() - kAsked.size()) == kAsked;
    PyObject* message = toStr(asked ? failure.message + " (reciprocal=True)" : failure.message);
    PyObject* error = message == nullptr ? nullptr : PyObject_CallOneArg(cls, message);
    PyObject* position =
        failure.position == qelunits::Error::kNoPosition ? Py_NewRef(Py_None) : PyLong_FromSize_t(failure.position);
    PyObject* kind = kindText(failure.kind);
    if (error != nullptr && position != nullptr && kind != nullptr &&
        PyObject_SetAttrString(error, "kind", kind) == 0 && PyObject_SetAttrString(error, "position", position) == 0 &&
        PyObject_SetAttrString(error, "message", message) == 0) {
        PyErr_SetObject(cls, error);
    }
    Py_XDECREF(error);
    Py_XDECREF(message);
    Py_XDECREF(position);
    Py_XDECREF(kind);
    return nullptr;
}

UnitObject* readUnit(PyObject* text) {
    std::string_view utf8;
    if (!utf8Of(text, utf8)) {
        return nullptr;
    }
    Unit unit;
    Failure failure;
    if (!parseUnit(utf8, unit, failure)) {
        raise(failure);
        return nullptr;
    }
    // The text as typed, without blanks around it, reads back as the unit; an empty one is written "1".
    PyObject* stripped = allBlank(utf8) ? PyUnicode_FromString("1") : PyObject_CallMethod(text, "strip", nullptr);
    if (stripped == nullptr) {
        return nullptr;
    }
    UnitObject* result = newUnit(unit, stripped);
    Py_DECREF(stripped);
    return result;
}

UnitObject* unitFrom(PyObject* textOrUnit) {
    if (isUnit(textOrUnit)) {
        return reinterpret_cast<UnitObject*>(Py_NewRef(textOrUnit));
    }
    if (!PyUnicode_CheckExact(textOrUnit)) {
        PyErr_Format(PyExc_TypeError, "a unit is a Unit or a str, not %.100s", Py_TYPE(textOrUnit)->tp_name);
        return nullptr;
    }
    PyObject* cached = PyDict_GetItemWithError(unitCache, textOrUnit);
    if (cached != nullptr) {
        return reinterpret_cast<UnitObject*>(Py_NewRef(cached));
    }
    if (PyErr_Occurred() != nullptr) {
        return nullptr;
    }
    UnitObject* unit = readUnit(textOrUnit);
    if (unit != nullptr) {
        if (PyDict_Size(unitCache) >= kCacheLimit) {
            PyDict_Clear(unitCache);
        }
        if (PyDict_SetItem(unitCache, textOrUnit, reinterpret_cast<PyObject*>(unit)) != 0) {
            Py_CLEAR(unit);
        }
    }
    return unit;
}

UnitObject* newUnit(const Unit& unit, PyObject* text) {
    PyObject* shown = text != nullptr ? Py_NewRef(text) : toStr(unit.symbol());
    if (shown == nullptr) {
        return nullptr;
    }
    auto* made = reinterpret_cast<UnitObject*>(UnitType->tp_alloc(UnitType, 0));
    if (made == nullptr) {
        Py_DECREF(shown);
        return nullptr;
    }
    new (&made->unit) Unit(unit);
    made->text = shown;
    made->hash = -1;
    return made;
}

PyObject* unitShown(UnitObject* unit, PyObject* options, PyObject*& rest, const char** gap) {
    std::string_view text;
    if (!utf8Of(options, text)) {
        return nullptr;
    }
    // The value API's one reader of format specs: the number's options, then the unit's modifiers.
    const qelunits::FormatSplit split = qelunits::splitFormatSpec(text);
    if (split.error != nullptr) {
        PyErr_Format(PyExc_ValueError, "%s: '%U'", split.error, options);
        return nullptr;
    }
    std::string_view number = text.substr(split.numberBegin, split.numberLength);
    qelunits::FormatSplit style = split;
    if (!split.styled && defaultFormat != nullptr) { // units.default_format: its modifiers, and its number's
        style = qelunits::splitFormatSpec(defaultSpec);
        number = number.empty() ? std::string_view(defaultSpec).substr(style.numberBegin, style.numberLength) : number;
    }
    if (gap != nullptr) {
        *gap = style.styled && style.style == qelunits::UnitStyle::Latex ? "\\ " : " ";
    }
    rest = toStr(number);
    PyObject* shown = rest == nullptr ? nullptr
                      : !style.styled ? Py_NewRef(unit->text)
                                      : toStr(qelunits::toString(unit->unit, style.style));
    if (shown == nullptr) {
        Py_CLEAR(rest);
    }
    return shown;
}

bool setDefaultFormat(PyObject* spec) {
    std::string_view text;
    if (spec != Py_None && !utf8Of(spec, text)) {
        return false;
    }
    const qelunits::FormatSplit split = qelunits::splitFormatSpec(text);
    if (split.error != nullptr) {
        PyErr_Format(PyExc_ValueError, "%s: '%U'", split.error, spec);
        return false;
    }
    Py_XSETREF(defaultFormat, text.empty() ? nullptr : Py_NewRef(spec));
    defaultSpec = std::string(text);
    return true;
}

PyObject* getDefaultFormat() { return defaultFormat == nullptr ? PyUnicode_FromString("") : Py_NewRef(defaultFormat); }

bool hasDefaultFormat() { return defaultFormat != nullptr; }

bool exponentOf(double exponent, int& numerator, int& denominator) {
    // A whole number, or a fraction of a small denominator that a float holds exactly enough (1/3, 0.25).
    for (int d = 1; d <= 12 && std::isfinite(exponent) && std::fabs(exponent) <= Unit::kMaxPower; ++d) {
        const double n = exponent * d;
        if (std::fabs(n - std::round(n)) <= 1e-9 * std::fabs(n)) {
            numerator = static_cast<int>(std::lround(n));
            denominator = d;
            return true;
        }
    }
    char* text = PyOS_double_to_string(exponent, 'r', 0, 0, nullptr);
    PyErr_Format(PyExc_ValueError, "%s is no whole power nor a root of one (1/2, 1/3, 2/3, ...)",
                 text == nullptr ? "the exponent" : text);
    PyMem_Free(text);
    return false;
}

PyObject* compatibleUnits(UnitObject* unit) {
    PyObject* found = PySet_New(nullptr);
    for (int code = 0; found != nullptr && code < QelUnit::kUnitCount; ++code) {
        const qelunits::Result<Unit> candidate = Unit::fromCode(static_cast<QelUnit::BuiltinUnits>(code));
        if (!candidate || !candidate->isCompatible(unit->unit)) {
            continue;
        }
        UnitObject* made = newUnit(*candidate);
        if (made == nullptr || PySet_Add(found, reinterpret_cast<PyObject*>(made)) != 0) {
            Py_CLEAR(found);
        }
        Py_XDECREF(made);
    }
    PyObject* result = found == nullptr ? nullptr : PyFrozenSet_New(found);
    Py_XDECREF(found);
    return result;
}

PyObject* dimensionality(const Unit& unit) {
    // Pint's names of the base dimensions; the angle and the solid angle are dimensions of their own here.
    static constexpr const char* kNames[] = {"[mass]",      "[length]",     "[time]",  "[temperature]", "[current]",
                                             "[substance]", "[luminosity]", "[angle]", "[solid_angle]"};
    PyObject* result = PyDict_New();
    const qelunits::Dimension& d = unit.exponents();
    // Pint's order: length, mass, time first, then the others.
    static constexpr std::size_t kOrder[] = {1, 0, 2, 3, 4, 5, 6, 7, 8};
    for (std::size_t i = 0; result != nullptr && i < qelunits::Dimension::kCount; ++i) {
        const std::size_t base = i < std::size(kOrder) ? kOrder[i] : i;
        if (d[base] == 0) {
            continue;
        }
        PyObject* name = base < std::size(kNames) ? PyUnicode_FromString(kNames[base])
                                                  : PyUnicode_FromFormat("[dimension %zu]", base);
        PyObject* power = PyLong_FromLong(d[base]);
        if (name == nullptr || power == nullptr || PyDict_SetItem(result, name, power) != 0) {
            Py_CLEAR(result);
        }
        Py_XDECREF(name);
        Py_XDECREF(power);
    }
    return result;
}

PyObject* reprIn(PyObject* self, const char* spec, const char* around) {
    PyObject* options = PyUnicode_FromString(spec);
    PyObject* text = options == nullptr ? nullptr : PyObject_Format(self, options);
    Py_XDECREF(options);
    if (text == nullptr || around == nullptr) {
        return text;
    }
    PyObject* result = PyUnicode_FromFormat("%s%U%s", around, text, around);
    Py_DECREF(text);
    return result;
}

PyObject* prettyRepr(PyObject* self, PyObject* args) {
    PyObject* printer = nullptr;
    PyObject* cycle = nullptr;
    if (!PyArg_ParseTuple(args, "OO", &printer, &cycle)) {
        return nullptr;
    }
    PyObject* text = PyObject_Str(self);
    PyObject* result = text == nullptr ? nullptr : PyObject_CallMethod(printer, "text", "O", text);
    Py_XDECREF(text);
    return result;
}

PyObject* toStr(std::string_view text) {
    return PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "strict");
}

bool utf8Of(PyObject* o, std::string_view& text) {
    if (!PyUnicode_Check(o)) {
        PyErr_Format(PyExc_TypeError, "expected a str, not %.100s", Py_TYPE(o)->tp_name);
        return false;
    }
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(o, &size);
    if (data == nullptr) {
        return false;
    }
    text = std::string_view(data, static_cast<std::size_t>(size));
    return true;
}

} // namespace qelpy
