// qelunits.Unit, the exception classes and the cache of units read from text.

#include "Objects.h"

#include <algorithm>
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

PyObject* unitStr(PyObject* self) { return Py_NewRef(unitOf(self)->text); }

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
    if (!isUnit(a) || !PyLong_Check(b) || modulo != Py_None) {
        Py_RETURN_NOTIMPLEMENTED;
    }
    const long n = PyLong_AsLong(b);
    return n == -1 && PyErr_Occurred() != nullptr ? nullptr : reinterpret_cast<PyObject*>(poweredUnit(unitOf(a), n));
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

PyObject* unitReduce(PyObject* self, PyObject* /*unused or the protocol*/) {
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

PyMethodDef unitMethods[] = {
    {"is_compatible_with", unitCompatible, METH_O,
     "is_compatible_with($self, other, /)\n--\n\n"
     "True when other (a Unit, a text or a Quantity) converts into this unit."},
    {"__reduce__", unitReduce, METH_NOARGS,
     "__reduce__($self, /)\n--\n\nPickles the unit as its text: no registry travels with it."},
    {"__reduce_ex__", unitReduce, METH_O,
     "__reduce_ex__($self, protocol, /)\n--\n\nAs __reduce__, for every protocol."},
    {"__format__", unitFormat, METH_O,
     "__format__($self, format_spec, /)\n--\n\n"
     "format(unit, options): a trailing 'S' (default) shows the unit's text, 'N' its catalogue names, '~'\n"
     "(anywhere, as in Pint) its symbols; the rest of the options applies to that string (f\"{u:>10N}\")."},
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

PyObject* unitShown(UnitObject* unit, PyObject* options, PyObject*& rest) {
    std::string_view text;
    if (!utf8Of(options, text)) {
        return nullptr;
    }
    // Pint's '~' (symbols) may stand anywhere, as there, except as a fill character before an alignment.
    const bool fill = text.size() >= 2 && std::strchr("<>^=", text[1]) != nullptr;
    std::string number;
    bool symbols = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '~' && !(fill && i == 0)) {
            symbols = true;
        } else {
            number += text[i];
        }
    }
    // The unit's form is the last letter: S and N ours, P, D and C Pint's (names, or symbols with '~').
    const char form = number.empty() ? '\0' : number.back();
    if (form == 'L' || form == 'H') {
        PyErr_Format(PyExc_ValueError, "no LaTeX or HTML form of a unit: '%c' in '%U'; use S, N or ~", form, options);
        return nullptr;
    }
    const bool lettered = form == 'S' || form == 'N' || form == 'P' || form == 'D' || form == 'C';
    if (lettered) {
        number.pop_back();
    }
    const bool names = form == 'N' || (lettered && form != 'S' && !symbols);
    rest = toStr(number);
    PyObject* shown = rest == nullptr          ? nullptr
                      : names                  ? toStr(unit->unit.name())
                      : symbols && form != 'S' ? toStr(unit->unit.symbol())
                                               : Py_NewRef(unit->text);
    if (shown == nullptr) {
        Py_CLEAR(rest);
    }
    return shown;
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
