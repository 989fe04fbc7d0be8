// qelunits.Quantity: one float and a Unit here; an array-like magnitude goes to qelunits._arrays,
// which follows the same rules through the same plans.

#include "Objects.h"

#include "DefinedUnits.h"

#include <cmath>

namespace qelpy {
namespace {

PyObject* fromResult(const qelunits::Result<Quantity>& result, UnitObject* unit, UnitObject* other = nullptr);

QuantityObject* quantityOf(PyObject* self) { return reinterpret_cast<QuantityObject*>(self); }

bool isScalar(PyObject* o) {
    return (isQuantity(o) && quantityOf(o)->array == nullptr) || PyFloat_Check(o) || PyLong_Check(o);
}

// A scalar operand's value and unit (borrowed); a plain number is dimensionless.
void scalarOf(PyObject* o, double& value, UnitObject*& unit) {
    if (isQuantity(o)) {
        value = quantityOf(o)->value;
        unit = quantityOf(o)->unit;
    } else {
        value = PyFloat_AsDouble(o);
        unit = dimensionlessUnit();
    }
}

PyObject* callHelper(const char* name, PyObject* a, PyObject* b = nullptr, PyObject* c = nullptr,
                     PyObject* d = nullptr) {
    PyObject* helper = arrayHelper(name);
    if (helper == nullptr) {
        return nullptr;
    }
    PyObject* result = PyObject_CallFunctionObjArgs(helper, a, b, c, d, nullptr);
    Py_DECREF(helper);
    return result;
}

PyObject* opName(const char* name) { return PyUnicode_InternFromString(name); }

PyObject* helperWithName(const char* helper, const char* op, PyObject* a, PyObject* b) {
    PyObject* name = opName(op);
    PyObject* result = name == nullptr ? nullptr : callHelper(helper, name, a, b);
    Py_XDECREF(name);
    return result;
}

// A magnitude that is no single float: ndarrays and array-likes (Dask arrays, xarray objects) stay as given,
// lists and tuples become ndarrays.
PyObject* newQuantityFrom(PyObject* magnitude, UnitObject* unit) {
    if (PyFloat_Check(magnitude) || (PyLong_Check(magnitude) && !PyBool_Check(magnitude))) {
        const double value = PyFloat_AsDouble(magnitude);
        return value == -1.0 && PyErr_Occurred() != nullptr ? nullptr : newQuantity(value, unit);
    }
    if (PyUnicode_Check(magnitude) || isQuantity(magnitude) || isUnit(magnitude)) {
        PyErr_Format(PyExc_TypeError, "a magnitude is a number or an array, not %.100s", Py_TYPE(magnitude)->tp_name);
        return nullptr;
    }
    PyObject* array = callHelper("as_magnitude", magnitude); // a float again for NumPy's scalars
    PyObject* result = array == nullptr            ? nullptr
                       : PyFloat_CheckExact(array) ? newQuantity(PyFloat_AS_DOUBLE(array), unit)
                                                   : newArrayQuantity(array, unit);
    Py_XDECREF(array);
    return result;
}

// The library's reader alone reads the text; the unit shows as its symbol, which reads back as it.
PyObject* fromText(PyObject* text) {
    std::string_view utf8;
    if (!utf8Of(text, utf8)) {
        return nullptr;
    }
    Quantity quantity;
    Failure failure;
    if (!parseQuantity(utf8, quantity, failure)) {
        return raise(failure);
    }
    const bool plain = quantity.unit().size() == 0 && quantity.unit().scale() == 1.0;
    UnitObject* u = plain ? reinterpret_cast<UnitObject*>(Py_NewRef(dimensionlessUnit())) : newUnit(quantity.unit());
    PyObject* result = u == nullptr ? nullptr : newQuantity(quantity.value(), u);
    Py_XDECREF(u);
    return result;
}

PyObject* quantityTo(PyObject* self, PyObject* unitArg, bool reciprocal = false);

PyObject* make(PyObject* const* args, Py_ssize_t nargs) {
    if (nargs == 1) {
        return PyUnicode_Check(args[0]) ? fromText(args[0])
               : isQuantity(args[0])    ? Py_NewRef(args[0])
                                        : newQuantityFrom(args[0], dimensionlessUnit());
    }
    if (nargs != 2) {
        PyErr_SetString(PyExc_TypeError, "Quantity(value, unit) or Quantity(\"3.5 ft\")");
        return nullptr;
    }
    if (isQuantity(args[0])) { // Quantity(q, "cm") is q in cm, as Pint makes it
        return quantityTo(args[0], args[1]);
    }
    UnitObject* unit = unitFrom(args[1]);
    PyObject* result = unit == nullptr ? nullptr : newQuantityFrom(args[0], unit);
    Py_XDECREF(unit);
    return result;
}

PyObject* quantityVectorcall(PyObject* /*type*/, PyObject* const* args, size_t nargsf, PyObject* kwnames) {
    if (kwnames != nullptr) {
        PyErr_SetString(PyExc_TypeError, "Quantity() takes its value and unit by position");
        return nullptr;
    }
    return make(args, PyVectorcall_NARGS(nargsf));
}

PyObject* quantityNew(PyTypeObject* /*type*/, PyObject* args, PyObject* kwargs) {
    if (kwargs != nullptr && PyDict_Size(kwargs) > 0) {
        PyErr_SetString(PyExc_TypeError, "Quantity() takes its value and unit by position");
        return nullptr;
    }
    return make(&PyTuple_GET_ITEM(args, 0), PyTuple_GET_SIZE(args));
}

void quantityDealloc(PyObject* self) {
    Py_XDECREF(quantityOf(self)->array);
    Py_XDECREF(quantityOf(self)->unit);
    PyTypeObject* type = Py_TYPE(self);
    type->tp_free(self);
    Py_DECREF(type); // a heap type's instances hold it
}

PyObject* magnitudeOf(PyObject* self) {
    QuantityObject* q = quantityOf(self);
    return q->array != nullptr ? Py_NewRef(q->array) : PyFloat_FromDouble(q->value);
}

PyObject* quantityFormat(PyObject* self, PyObject* options);

PyObject* quantityStr(PyObject* self) {
    if (hasDefaultFormat()) {
        PyObject* none = PyUnicode_FromString("");
        PyObject* result = none == nullptr ? nullptr : quantityFormat(self, none);
        Py_XDECREF(none);
        return result;
    }
    PyObject* magnitude = magnitudeOf(self);
    // A pure number shows alone, as format() and the C++ library show it.
    PyObject* result = magnitude == nullptr ? nullptr
                       : quantityOf(self)->unit->unit == Unit()
                           ? PyObject_Str(magnitude)
                           : PyUnicode_FromFormat("%S %U", magnitude, quantityOf(self)->unit->text);
    Py_XDECREF(magnitude);
    return result;
}

PyObject* quantityRepr(PyObject* self) {
    PyObject* magnitude = magnitudeOf(self);
    PyObject* result = magnitude == nullptr
                           ? nullptr
                           : PyUnicode_FromFormat("<Quantity(%R, %R)>", magnitude, quantityOf(self)->unit->text);
    Py_XDECREF(magnitude);
    return result;
}

// value in from converted to to as 1 / (value × factor), where from and to are of reciprocal dimensions.
PyObject* reciprocalOf(double value, const Unit& from, const Unit& to) {
    const qelunits::Result<Converter> converter = Converter::make(from, to, Converter::Reciprocal::Allow);
    const qelunits::Result<double> converted =
        converter ? converter->tryConvert(value) : qelunits::Result<double>::failureOf(converter);
    Failure failure;
    return converted ? PyFloat_FromDouble(*converted) : (failed(converted, failure), raise(failure));
}

// The magnitude in unit: the float, or the converted array from the helpers.
PyObject* convertedTo(PyObject* self, PyObject* unitArg, UnitObject*& unit, bool reciprocal = false) {
    unit = unitFrom(unitArg);
    if (unit == nullptr) {
        return nullptr;
    }
    QuantityObject* q = quantityOf(self);
    if (q->array != nullptr) {
        return callHelper("convert_magnitude", q->array, reinterpret_cast<PyObject*>(q->unit),
                          reinterpret_cast<PyObject*>(unit), reciprocal ? Py_True : Py_False);
    }
    const qelunits::Result<double> value = Quantity(q->value, q->unit->unit).tryIn(unit->unit);
    if (value) {
        return PyFloat_FromDouble(*value);
    }
    if (reciprocal && value.kind() == qelunits::ErrorKind::IncompatibleUnits) {
        return reciprocalOf(q->value, q->unit->unit, unit->unit);
    }
    Failure failure;
    return failed(value, failure), raise(failure);
}

PyObject* quantityTo(PyObject* self, PyObject* unitArg, bool reciprocal) {
    UnitObject* unit = nullptr;
    PyObject* magnitude = convertedTo(self, unitArg, unit, reciprocal);
    PyObject* result = nullptr;
    if (magnitude != nullptr) {
        result = quantityOf(self)->array != nullptr ? newArrayQuantity(magnitude, unit)
                                                    : newQuantity(PyFloat_AS_DOUBLE(magnitude), unit);
    }
    Py_XDECREF(magnitude);
    Py_XDECREF(unit);
    return result;
}

PyObject* quantityMagnitudeAs(PyObject* self, PyObject* unitArg, bool reciprocal = false) {
    UnitObject* unit = nullptr;
    PyObject* magnitude = convertedTo(self, unitArg, unit, reciprocal);
    Py_XDECREF(unit);
    return magnitude;
}

// to(unit, *, reciprocal=False) and m_as(unit, *, reciprocal=False).
template <PyObject* (*Convert)(PyObject*, PyObject*, bool)>
PyObject* withReciprocal(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    bool reciprocal = false;
    if (nargs != 1) {
        PyErr_SetString(PyExc_TypeError, "expected (unit, *, reciprocal=False)");
        return nullptr;
    }
    const Py_ssize_t keywords = kwnames == nullptr ? 0 : PyTuple_GET_SIZE(kwnames);
    for (Py_ssize_t i = 0; i < keywords; ++i) {
        if (!reciprocalKeyword(PyTuple_GET_ITEM(kwnames, i), args[1 + i], reciprocal)) {
            return nullptr;
        }
    }
    return Convert(self, args[0], reciprocal);
}

// The quantity in the unit a value-API function of its unit gives (the base units, the reduced unit).
template <qelunits::Result<Unit> (*UnitFor)(const Unit&)>
PyObject* quantityInUnitOf(PyObject* self, PyObject* /*unused*/) {
    const qelunits::Result<Unit> unit = UnitFor(quantityOf(self)->unit->unit);
    Failure failure;
    if (!unit) {
        failed(unit, failure);
        return raise(failure);
    }
    if (*unit == quantityOf(self)->unit->unit && unit->symbol() == quantityOf(self)->unit->unit.symbol()) {
        return Py_NewRef(self);
    }
    UnitObject* made = newUnit(*unit);
    PyObject* result = made == nullptr ? nullptr : quantityTo(self, reinterpret_cast<PyObject*>(made));
    Py_XDECREF(made);
    return result;
}

// Under the prefix that puts the magnitude in [1, 1000), as the value API chooses it; an array by its largest
// magnitude.
PyObject* quantityToCompact(PyObject* self, PyObject* /*unused*/) {
    QuantityObject* q = quantityOf(self);
    double value = q->value;
    if (q->array != nullptr) {
        PyObject* largest = callHelper("largest_magnitude", q->array);
        value = largest == nullptr ? -1.0 : PyFloat_AsDouble(largest);
        Py_XDECREF(largest);
        if (PyErr_Occurred() != nullptr) {
            return nullptr;
        }
    }
    const qelunits::Result<Quantity> compact = toCompact(Quantity(value, q->unit->unit));
    if (!compact) {
        Failure failure;
        failed(compact, failure);
        return raise(failure);
    }
    if (compact->unit().symbol() == q->unit->unit.symbol()) {
        return Py_NewRef(self);
    }
    UnitObject* made = newUnit(compact->unit());
    PyObject* result = made == nullptr ? nullptr : quantityTo(self, reinterpret_cast<PyObject*>(made));
    Py_XDECREF(made);
    return result;
}

// Pint's in-place conversions: a Quantity is immutable, so each names the call that returns the new one.
template <const char* Name, const char* Instead>
PyObject* quantityInPlace(PyObject* /*self*/, PyObject* /*args*/, PyObject* /*kwargs*/) {
    PyErr_Format(PyExc_TypeError, "a Quantity is immutable: %s() would change it in place; write q = q.%s(...)", Name,
                 Instead);
    return nullptr;
}

constexpr char kIto[] = "ito";
constexpr char kTo[] = "to";
constexpr char kItoBase[] = "ito_base_units";
constexpr char kToBase[] = "to_base_units";
constexpr char kItoReduced[] = "ito_reduced_units";
constexpr char kToReduced[] = "to_reduced_units";
constexpr char kItoCompact[] = "ito_compact";
constexpr char kToCompact[] = "to_compact";

template <const char* Name, const char* Instead>
constexpr PyMethodDef inPlaceMethod(const char* doc) {
    return {Name, reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(quantityInPlace<Name, Instead>)),
            METH_VARARGS | METH_KEYWORDS, doc};
}

PyObject* quantityFromAbsoluteZero(PyObject* self, PyObject* /*unused*/) {
    QuantityObject* q = quantityOf(self);
    if (q->array != nullptr) {
        return callHelper("from_absolute_zero", self);
    }
    return fromResult(Quantity(q->value, q->unit->unit).tryFromAbsoluteZero(), nullptr);
}

PyObject* quantityCompatible(PyObject* self, PyObject* other) {
    PyObject* method =
        PyObject_GetAttrString(reinterpret_cast<PyObject*>(quantityOf(self)->unit), "is_compatible_with");
    PyObject* result = method == nullptr ? nullptr : PyObject_CallOneArg(method, other);
    Py_XDECREF(method);
    return result;
}

PyObject* quantityCompatibleUnits(PyObject* self, PyObject* /*unused*/) {
    return compatibleUnits(quantityOf(self)->unit);
}

PyObject* quantityReduce(PyObject* self, PyObject* /*unused or the protocol*/) {
    QuantityObject* q = quantityOf(self);
    // The magnitude (a float pickles as its exact bits) and the unit's text.
    PyObject* magnitude = magnitudeOf(self);
    // A unit resting on definitions goes as the Unit, which carries them (once per pickle, however many
    // quantities hold it).
    PyObject* unit = magnitude == nullptr ? nullptr : pickledUnit(q->unit);
    if (unit == nullptr) {
        Py_XDECREF(magnitude);
        return nullptr;
    }
    return Py_BuildValue("(O(NN))", reinterpret_cast<PyObject*>(QuantityType), magnitude, unit);
}

PyObject* quantityFormat(PyObject* self, PyObject* options) {
    PyObject* numberOptions = nullptr;
    const char* gap = " ";
    PyObject* unitText = unitShown(quantityOf(self)->unit, options, numberOptions, &gap);
    PyObject* magnitude = unitText == nullptr ? nullptr : magnitudeOf(self);
    // An array's values each take the number's options, as NumPy's own formatting cannot.
    PyObject* number = magnitude == nullptr                 ? nullptr
                       : quantityOf(self)->array != nullptr ? callHelper("format_values", magnitude, numberOptions)
                                                            : PyObject_Format(magnitude, numberOptions);
    PyObject* result = number == nullptr                        ? nullptr
                       : quantityOf(self)->unit->unit == Unit() ? Py_NewRef(number) // a number alone, as in C++
                                                                : PyUnicode_FromFormat("%U%s%U", number, gap, unitText);
    Py_XDECREF(numberOptions);
    Py_XDECREF(magnitude);
    Py_XDECREF(number);
    Py_XDECREF(unitText);
    return result;
}

// The helper name called with self, then second where given, then args.
PyObject* callArrayHelper(const char* name, PyObject* self, PyObject* args, PyObject* kwargs,
                          PyObject* second = nullptr) {
    PyObject* helper = arrayHelper(name);
    if (helper == nullptr) {
        return nullptr;
    }
    const Py_ssize_t lead = second == nullptr ? 1 : 2;
    PyObject* full = PyTuple_New(PyTuple_GET_SIZE(args) + lead);
    if (full == nullptr) {
        Py_DECREF(helper);
        return nullptr;
    }
    PyTuple_SET_ITEM(full, 0, Py_NewRef(self));
    if (second != nullptr) {
        PyTuple_SET_ITEM(full, 1, Py_NewRef(second));
    }
    for (Py_ssize_t i = 0; i < PyTuple_GET_SIZE(args); ++i) {
        PyTuple_SET_ITEM(full, i + lead, Py_NewRef(PyTuple_GET_ITEM(args, i)));
    }
    PyObject* result = PyObject_Call(helper, full, kwargs);
    Py_DECREF(full);
    Py_DECREF(helper);
    return result;
}

PyObject* quantityArrayUfunc(PyObject* self, PyObject* args, PyObject* kwargs) {
    return callArrayHelper("array_ufunc", self, args, kwargs);
}

PyObject* quantityArrayFunction(PyObject* self, PyObject* args, PyObject* kwargs) {
    return callArrayHelper("array_function", self, args, kwargs);
}

// q.sum(...) and the other array methods of NumPy's, as NumPy's function of the same name gives them.
template <const char* Name>
PyObject* quantityArrayMethod(PyObject* self, PyObject* args, PyObject* kwargs) {
    PyObject* name = opName(Name);
    PyObject* result = name == nullptr ? nullptr : callArrayHelper("array_method", self, args, kwargs, name);
    Py_XDECREF(name);
    return result;
}

constexpr char kSum[] = "sum";
constexpr char kMean[] = "mean";
constexpr char kMax[] = "max";
constexpr char kMin[] = "min";
constexpr char kStd[] = "std";
constexpr char kVar[] = "var";
constexpr char kCumsum[] = "cumsum";
constexpr char kProd[] = "prod";
constexpr char kArgmax[] = "argmax";
constexpr char kArgmin[] = "argmin";
constexpr char kArgsort[] = "argsort";
constexpr char kReshape[] = "reshape";
constexpr char kTranspose[] = "transpose";
constexpr char kSqueeze[] = "squeeze";
constexpr char kRavel[] = "ravel";
constexpr char kCopy[] = "copy";
constexpr char kRound[] = "round";
constexpr char kFloor[] = "floor";
constexpr char kCeil[] = "ceil";
constexpr char kTrunc[] = "trunc";
constexpr char kClip[] = "clip";

// Each docstring opens with the method's text signature, for inspect.signature.
constexpr char kSumDoc[] =
    "sum($self, /, *args, **kwargs)\n--\n\nAs np.sum(q, ...), with the unit the library's rules give.";
constexpr char kMeanDoc[] =
    "mean($self, /, *args, **kwargs)\n--\n\nAs np.mean(q, ...), with the unit the library's rules give.";
constexpr char kMaxDoc[] =
    "max($self, /, *args, **kwargs)\n--\n\nAs np.max(q, ...), with the unit the library's rules give.";
constexpr char kMinDoc[] =
    "min($self, /, *args, **kwargs)\n--\n\nAs np.min(q, ...), with the unit the library's rules give.";
constexpr char kStdDoc[] =
    "std($self, /, *args, **kwargs)\n--\n\nAs np.std(q, ...), with the unit the library's rules give.";
constexpr char kVarDoc[] =
    "var($self, /, *args, **kwargs)\n--\n\nAs np.var(q, ...), with the unit the library's rules give.";
constexpr char kCumsumDoc[] =
    "cumsum($self, /, *args, **kwargs)\n--\n\nAs np.cumsum(q, ...), with the unit the library's rules give.";
constexpr char kProdDoc[] =
    "prod($self, /, *args, **kwargs)\n--\n\nAs np.prod(q, ...), with the unit the library's rules give.";
constexpr char kArgmaxDoc[] =
    "argmax($self, /, *args, **kwargs)\n--\n\nAs np.argmax(q, ...), with the unit the library's rules give.";
constexpr char kArgminDoc[] =
    "argmin($self, /, *args, **kwargs)\n--\n\nAs np.argmin(q, ...), with the unit the library's rules give.";
constexpr char kArgsortDoc[] =
    "argsort($self, /, *args, **kwargs)\n--\n\nAs np.argsort(q, ...), with the unit the library's rules give.";
constexpr char kReshapeDoc[] =
    "reshape($self, /, *args, **kwargs)\n--\n\nAs np.reshape(q, ...), with the unit the library's rules give.";
constexpr char kTransposeDoc[] =
    "transpose($self, /, *args, **kwargs)\n--\n\nAs np.transpose(q, ...), with the unit the library's rules give.";
constexpr char kSqueezeDoc[] =
    "squeeze($self, /, *args, **kwargs)\n--\n\nAs np.squeeze(q, ...), with the unit the library's rules give.";
constexpr char kRavelDoc[] =
    "ravel($self, /, *args, **kwargs)\n--\n\nAs np.ravel(q, ...), with the unit the library's rules give.";
constexpr char kCopyDoc[] =
    "copy($self, /, *args, **kwargs)\n--\n\nAs np.copy(q, ...), with the unit the library's rules give.";
constexpr char kRoundDoc[] =
    "round($self, /, *args, **kwargs)\n--\n\nAs np.round(q, ...), with the unit the library's rules give.";
constexpr char kClipDoc[] =
    "clip($self, /, *args, **kwargs)\n--\n\nAs np.clip(q, ...), with the unit the library's rules give.";

template <const char* Name, const char* Doc>
constexpr PyMethodDef arrayMethod() {
    return {Name, reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(quantityArrayMethod<Name>)),
            METH_VARARGS | METH_KEYWORDS, Doc};
}

PyObject* quantityAsType(PyObject* self, PyObject* args, PyObject* kwargs) {
    return callArrayHelper("astype", self, args, kwargs);
}

PyObject* quantityToArray(PyObject* self, PyObject* args, PyObject* kwargs) {
    return callArrayHelper("to_ndarray", self, args, kwargs);
}

// A Quantity of the value API for a scalar operand: a plain number is dimensionless, a Unit is one of it.
Quantity scalarQuantity(PyObject* o, UnitObject*& unit) {
    if (isUnit(o)) {
        unit = reinterpret_cast<UnitObject*>(o);
        return Quantity(1.0, unit->unit);
    }
    double value = 0.0;
    scalarOf(o, value, unit);
    return Quantity(value, unit->unit);
}

// The Quantity for result, reusing unit or other where it is result's unit (the common case: no text to make).
PyObject* fromResult(const qelunits::Result<Quantity>& result, UnitObject* unit, UnitObject* other) {
    Failure failure;
    if (!result) {
        failed(result, failure);
        return raise(failure);
    }
    for (UnitObject* known : {unit, other}) {
        if (known != nullptr && known->unit == result->unit()) {
            return newQuantity(result->value(), known);
        }
    }
    UnitObject* made = newUnit(result->unit());
    PyObject* q = made == nullptr ? nullptr : newQuantity(result->value(), made);
    Py_XDECREF(made);
    return q;
}

PyObject* scalarSum(PyObject* a, PyObject* b, bool subtract) {
    UnitObject* ua = nullptr;
    UnitObject* ub = nullptr;
    const Quantity x = scalarQuantity(a, ua);
    const Quantity y = scalarQuantity(b, ub);
    if (PyErr_Occurred() != nullptr) {
        return nullptr;
    }
    return fromResult(subtract ? trySubtract(x, y) : tryAdd(x, y), ua, ub);
}

// a · b or a / b for scalars, Units or numbers on either side; a number scales.
PyObject* scalarProduct(PyObject* a, PyObject* b, bool divide) {
    UnitObject* ua = nullptr;
    UnitObject* ub = nullptr;
    const Quantity x = scalarQuantity(a, ua);
    const Quantity y = scalarQuantity(b, ub);
    if (PyErr_Occurred() != nullptr) {
        return nullptr;
    }
    if (!isQuantity(b) && !isUnit(b)) { // q / n divides, as C++ does, so that the bits agree
        return fromResult(divide ? tryDivide(x, Quantity(y.value(), Unit())) : tryScale(x, y.value()), ua);
    }
    if (!isQuantity(a) && !isUnit(a) && !divide) {
        return fromResult(tryScale(y, x.value()), ub);
    }
    UnitObject* unit = derivedUnit(ua, ub, divide);
    PyObject* result = unit == nullptr ? nullptr : fromResult(divide ? tryDivide(x, y) : tryMultiply(x, y), unit);
    Py_XDECREF(unit);
    return result;
}

bool isOperand(PyObject* o) { return isQuantity(o) || isUnit(o) || PyFloat_Check(o) || PyLong_Check(o); }

// A plain 0, where the built-in sum() starts: zero of every unit, as Pint takes it. Not False, not NaN.
bool isPlainZero(PyObject* o) { return (PyLong_CheckExact(o) || PyFloat_CheckExact(o)) && PyObject_Not(o) == 1; }

// q + 0 or 0 + q: q's magnitude plus the zero, in q's unit (a reading stays a reading).
PyObject* plusZero(PyObject* q, PyObject* zero) {
    PyObject* magnitude = magnitudeOf(q);
    PyObject* sum = magnitude == nullptr ? nullptr : PyNumber_Add(magnitude, zero);
    PyObject* result = sum == nullptr ? nullptr : newQuantityFrom(sum, quantityOf(q)->unit);
    Py_XDECREF(magnitude);
    Py_XDECREF(sum);
    return result;
}

PyObject* binary(PyObject* a, PyObject* b, const char* op) {
    if (isText(a) || isText(b)) { // NumPy would take it for an array, and fail on its dtype
        Py_RETURN_NOTIMPLEMENTED;
    }
    if (op[0] == 'a' && isQuantity(a) != isQuantity(b) && isPlainZero(isQuantity(a) ? b : a)) {
        return isQuantity(a) ? plusZero(a, b) : plusZero(b, a);
    }
    const bool unitSide = isUnit(a) || isUnit(b);
    if ((op[0] == 'a' || op[0] == 's') && unitSide) {
        Py_RETURN_NOTIMPLEMENTED;
    }
    if (isScalar(a) && isScalar(b)) {
        return op[0] == 'a' || op[0] == 's' ? scalarSum(a, b, op[0] == 's') : scalarProduct(a, b, op[0] == 'd');
    }
    if (unitSide && (isScalar(a) || isScalar(b))) {
        return scalarProduct(a, b, op[0] == 'd');
    }
    return helperWithName("binary", op, a, b);
}

PyObject* quantityAdd(PyObject* a, PyObject* b) { return binary(a, b, "add"); }
PyObject* quantitySubtract(PyObject* a, PyObject* b) { return binary(a, b, "subtract"); }
PyObject* quantityMultiply(PyObject* a, PyObject* b) { return binary(a, b, "multiply"); }
PyObject* quantityDivide(PyObject* a, PyObject* b) { return binary(a, b, "divide"); }

// a // b, a % b and divmod(a, b) of two quantities of one dimension ("70 in" // "1 ft" is 5).
PyObject* wholeDivision(PyObject* a, PyObject* b, const char* op) {
    if (!isOperand(a) || !isOperand(b) || isUnit(a) || isUnit(b)) {
        Py_RETURN_NOTIMPLEMENTED;
    }
    return helperWithName("binary", op, a, b);
}
PyObject* quantityFloorDivide(PyObject* a, PyObject* b) { return wholeDivision(a, b, "floor_divide"); }
PyObject* quantityRemainder(PyObject* a, PyObject* b) { return wholeDivision(a, b, "remainder"); }
PyObject* quantityDivmod(PyObject* a, PyObject* b) { return wholeDivision(a, b, "divmod"); }

PyObject* quantityPower(PyObject* a, PyObject* b, PyObject* modulo) {
    if (!isQuantity(a) || modulo != Py_None) {
        Py_RETURN_NOTIMPLEMENTED;
    }
    QuantityObject* q = quantityOf(a);
    const double exponent = PyFloat_Check(b) || PyLong_Check(b) ? PyFloat_AsDouble(b) : NAN;
    const bool whole = exponent == std::trunc(exponent) && std::fabs(exponent) <= Unit::kMaxPower;
    if (q->array != nullptr || std::isnan(exponent)) {
        return helperWithName("binary", "power", a, b);
    }
    const Quantity x(q->value, q->unit->unit);
    if (!whole) { // a root the unit allows, as the value API takes it (16 m² ** 0.5, 27 m³ ** (1/3))
        int numerator = 0;
        int denominator = 1;
        return exponentOf(exponent, numerator, denominator) ? fromResult(tryPow(x, numerator, denominator), nullptr)
                                                            : nullptr;
    }
    UnitObject* unit = poweredUnit(q->unit, static_cast<long>(exponent));
    PyObject* result = unit == nullptr ? nullptr : fromResult(tryPow(x, static_cast<int>(exponent)), unit);
    Py_XDECREF(unit);
    return result;
}

PyObject* unary(PyObject* self, const char* op, bool absolute) {
    QuantityObject* q = quantityOf(self);
    if (q->array != nullptr) {
        return helperWithName("unary", op, self, nullptr);
    }
    const double factor = absolute && !std::signbit(q->value) ? 1.0 : -1.0;
    return fromResult(tryScale(Quantity(q->value, q->unit->unit), factor), q->unit);
}

PyObject* quantityNegative(PyObject* self) { return unary(self, "negative", false); }
PyObject* quantityAbsolute(PyObject* self) { return unary(self, "absolute", true); }
PyObject* quantityPositive(PyObject* self) { return Py_NewRef(self); }

PyObject* quantityFloat(PyObject* self) {
    PyObject* one = reinterpret_cast<PyObject*>(dimensionlessUnit());
    return quantityMagnitudeAs(self, one);
}

PyObject* quantityInt(PyObject* self) {
    PyObject* value = quantityFloat(self);
    PyObject* result = value == nullptr ? nullptr : PyNumber_Long(value);
    Py_XDECREF(value);
    return result;
}

bool compareValues(int x, int y, int op) {
    switch (op) {
    case Py_LT:
        return x < y;
    case Py_LE:
        return x <= y;
    case Py_GT:
        return x > y;
    case Py_GE:
        return x >= y;
    case Py_EQ:
        return x == y;
    default:
        return x != y;
    }
}

// q against a plain 0, as Pint compares it: the magnitude against zero, in any unit but a temperature
// reading's, whose zero depends on the scale.
PyObject* compareWithZero(PyObject* a, PyObject* b, int op) {
    PyObject* q = isQuantity(a) ? a : b;
    if (quantityOf(q)->unit->unit.isTemperaturePoint()) {
        if (op == Py_EQ || op == Py_NE) {
            return PyBool_FromLong(op == Py_NE);
        }
        return raise({qelunits::ErrorKind::TemperaturePoint, qelunits::Error::kNoPosition,
                      "a temperature reading compares with a reading, not with 0: write Quantity(0, '" +
                          quantityOf(q)->unit->unit.symbol() + "')"});
    }
    PyObject* magnitude = magnitudeOf(q);
    PyObject* result =
        magnitude == nullptr ? nullptr : PyObject_RichCompare(q == a ? magnitude : a, q == b ? magnitude : b, op);
    Py_XDECREF(magnitude);
    return result;
}

// As the value API orders quantities: each by its value in the coherent SI unit. == between units that do not
// compare is false, and NaN is unordered, as between floats.
PyObject* quantityCompare(PyObject* a, PyObject* b, int op) {
    if (!isOperand(a) || !isOperand(b) || isUnit(a) || isUnit(b)) {
        Py_RETURN_NOTIMPLEMENTED;
    }
    if (isQuantity(a) != isQuantity(b) && isPlainZero(isQuantity(a) ? b : a)) {
        return compareWithZero(a, b, op);
    }
    if (!isScalar(a) || !isScalar(b)) {
        static const char* names[] = {"less", "less_equal", "equal", "not_equal", "greater", "greater_equal"};
        return helperWithName("binary", names[op], a, b);
    }
    double x = 0.0;
    double y = 0.0;
    UnitObject* ua = nullptr;
    UnitObject* ub = nullptr;
    scalarOf(a, x, ua);
    scalarOf(b, y, ub);
    if (PyErr_Occurred() != nullptr) {
        return nullptr;
    }
    const qelunits::Result<int> order = tryCompare(Quantity(x, ua->unit), Quantity(y, ub->unit));
    if (!order) {
        const qelunits::ErrorKind kind = order.kind();
        if (kind == qelunits::ErrorKind::InvalidNumber) {
            return PyBool_FromLong(op == Py_NE);
        }
        if ((op == Py_EQ || op == Py_NE) &&
            (kind == qelunits::ErrorKind::IncompatibleUnits || kind == qelunits::ErrorKind::TemperaturePoint)) {
            return PyBool_FromLong(op == Py_NE);
        }
        Failure failure;
        failed(order, failure);
        return raise(failure);
    }
    return PyBool_FromLong(compareValues(*order, 0, op));
}

PyObject* quantityGetItem(PyObject* self, PyObject* key) { return callHelper("getitem", self, key); }

// The quantities along the first axis, as an ndarray gives its rows.
PyObject* quantityIter(PyObject* self) {
    if (quantityOf(self)->array == nullptr) {
        PyErr_SetString(PyExc_TypeError, "a Quantity of one value is not iterable");
        return nullptr;
    }
    return callHelper("array_iter", self);
}

Py_ssize_t quantityLength(PyObject* self) {
    QuantityObject* q = quantityOf(self);
    if (q->array == nullptr) {
        PyErr_SetString(PyExc_TypeError, "a Quantity of one value has no len()");
        return -1;
    }
    return PyObject_Length(q->array);
}

// Truth is the magnitude's, as NumPy gives it for arrays; a temperature reading has none (0 °C is no absence).
int quantityBool(PyObject* self) {
    QuantityObject* q = quantityOf(self);
    if (q->unit->unit.isTemperaturePoint()) {
        PyErr_SetString(PyExc_ValueError,
                        "the truth value of a temperature reading is ambiguous: compare it with a reading");
        return -1;
    }
    return q->array == nullptr ? (q->value != 0.0 ? 1 : 0) : PyObject_IsTrue(q->array);
}

// shape, ndim, size, dtype and T, as the magnitude has them (a float: (), 0, 1, float64, itself).
PyObject* getArrayAttribute(PyObject* self, void* closure) {
    PyObject* name = opName(static_cast<const char*>(closure));
    PyObject* result = name == nullptr ? nullptr : callHelper("array_attribute", self, name);
    Py_XDECREF(name);
    return result;
}

PyObject* getMagnitude(PyObject* self, void* /*closure*/) { return magnitudeOf(self); }
PyObject* getDimensionality(PyObject* self, void* /*closure*/) { return dimensionality(quantityOf(self)->unit->unit); }
PyObject* quantityHtml(PyObject* self, PyObject* /*unused*/) { return reprIn(self, "~H", nullptr); }
PyObject* quantityLatex(PyObject* self, PyObject* /*unused*/) { return reprIn(self, "~L", "$"); }
PyObject* quantityPretty(PyObject* self, PyObject* args) { return prettyRepr(self, args); }
PyObject* getUnits(PyObject* self, void* /*closure*/) {
    return Py_NewRef(reinterpret_cast<PyObject*>(quantityOf(self)->unit));
}

PyMethodDef quantityMethods[] = {
    {"to", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(withReciprocal<quantityTo>)),
     METH_FASTCALL | METH_KEYWORDS,
     "to($self, unit, /, *, reciprocal=False)\n--\n\nThis quantity in unit (a Unit or a text); a temperature reading\n"
     "converts as a reading (25 °C is 77 °F). Units of reciprocal dimensions (mpg and L/100km) convert only\n"
     "with reciprocal=True, as 1 / (value × factor). Raises IncompatibleUnitsError, BelowAbsoluteZeroError."},
    {"m_as", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(withReciprocal<quantityMagnitudeAs>)),
     METH_FASTCALL | METH_KEYWORDS,
     "m_as($self, unit, /, *, reciprocal=False)\n--\n\nThe magnitude (a float or an array) in unit: "
     "q.to(unit).magnitude."},
    {"to_base_units", quantityInUnitOf<qelunits::baseUnit>, METH_NOARGS,
     "to_base_units($self, /)\n--\n\nIn the coherent SI unit of its dimension (3 kWh gives 10800000 kg·m²/s²,\n"
     "1 Hz gives 1 1/s, 25 degC gives 298.15 K); a temperature difference stays one (ΔK)."},
    {"to_reduced_units", quantityInUnitOf<qelunits::reducedUnit>, METH_NOARGS,
     "to_reduced_units($self, /)\n--\n\nWith the units of one dimension taken into the first of them, so that\n"
     "they cancel or combine: 1 m/km gives 0.001, 3 ft/m gives 0.9144."},
    {"to_compact", quantityToCompact, METH_NOARGS,
     "to_compact($self, /)\n--\n\nUnder the engineering prefix that puts the magnitude in [1, 1000), or nearest\n"
     "to it: 1500 m/s gives 1.5 km/s, 0.002 kg gives 2 g; an array by its largest magnitude. A reading stays."},
    inPlaceMethod<kIto, kTo>("ito($self, /, *args, **kwargs)\n--\n\nRaises TypeError: a Quantity is immutable; "
                             "write q = q.to(unit)."),
    inPlaceMethod<kItoBase, kToBase>("ito_base_units($self, /, *args, **kwargs)\n--\n\nRaises TypeError: a Quantity "
                                     "is immutable; write q = q.to_base_units()."),
    inPlaceMethod<kItoReduced, kToReduced>("ito_reduced_units($self, /, *args, **kwargs)\n--\n\nRaises TypeError: a "
                                           "Quantity is immutable; write q = q.to_reduced_units()."),
    inPlaceMethod<kItoCompact, kToCompact>("ito_compact($self, /, *args, **kwargs)\n--\n\nRaises TypeError: a "
                                           "Quantity is immutable; write q = q.to_compact()."),
    {"compatible_units", quantityCompatibleUnits, METH_NOARGS,
     "compatible_units($self, /)\n--\n\nThe catalogue's units its unit converts into: a frozenset of Units."},
    {"from_absolute_zero", quantityFromAbsoluteZero, METH_NOARGS,
     "from_absolute_zero($self, /)\n--\n\nA temperature reading as a difference from absolute zero in its own degree\n"
     "(20 °C gives 293.15 Δ°C), which multiplies and divides; any other quantity as it is."},
    {"is_compatible_with", quantityCompatible, METH_O,
     "is_compatible_with($self, other, /)\n--\n\n"
     "True when other (a Unit, a text or a Quantity) converts into this unit."},
    {"_repr_html_", quantityHtml, METH_NOARGS, "_repr_html_($self, /)\n--\n\nformat(q, '~H'), for Jupyter."},
    {"_repr_latex_", quantityLatex, METH_NOARGS,
     "_repr_latex_($self, /)\n--\n\nformat(q, '~L') between dollar signs, for Jupyter."},
    {"_repr_pretty_", quantityPretty, METH_VARARGS,
     "_repr_pretty_($self, printer, cycle, /)\n--\n\nstr(q), for IPython."},
    {"__reduce__", quantityReduce, METH_NOARGS,
     "__reduce__($self, /)\n--\n\nPickles as its magnitude and its unit's text, and what the unit rests on."},
    // Found first by the pickler, which skips object.__reduce_ex__'s look-up of __reduce__.
    {"__reduce_ex__", quantityReduce, METH_O,
     "__reduce_ex__($self, protocol, /)\n--\n\nAs __reduce__, for every protocol."},
    {"__format__", quantityFormat, METH_O,
     "__format__($self, format_spec, /)\n--\n\n"
     "format(q, options): a float's options format the magnitude (f\"{q:.2f}\" gives '3.50 ft'), then the unit's\n"
     "modifiers as the library reads them: '~' (symbols; first, or among the last), and one letter: 'S' symbols,\n"
     "'N' names (f\"{q:.1fN}\" gives '3.5 Foot'), 'P' or 'D' names (symbols with '~'), 'C' ASCII (m/s**2),\n"
     "'L' LaTeX, 'H' HTML. Without one, the unit shows as written, or as units.default_format says. '#', two\n"
     "letters or '~' with 'N' raise ValueError."},
    {"__array_ufunc__", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(quantityArrayUfunc)),
     METH_VARARGS | METH_KEYWORDS,
     "__array_ufunc__($self, ufunc, method, /, *inputs, **kwargs)\n--\n\n"
     "NumPy ufuncs on quantities: add, subtract, multiply, divide, matmul, power, sqrt, square, reciprocal, "
     "comparisons, maximum, minimum, negative, absolute, sign, hypot, floor, ceil, rint, trunc, isnan, isfinite, "
     "isinf; sin, cos, tan, and radians, degrees, deg2rad, rad2deg of angles (taken by their definition: 90 deg is "
     "pi/2); arcsin, arccos, arctan, arctan2 to radians; exp, log and their kin of plain numbers."},
    {"__array__", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(quantityToArray)),
     METH_VARARGS | METH_KEYWORDS,
     "__array__($self, /, dtype=None, copy=None)\n--\n\n"
     "np.asarray(q): the values of a dimensionless quantity as pure numbers (float(q) for an array); for any\n"
     "other unit a TypeError, rather than drop the unit "
     "(take q.magnitude, or q.m_as(unit))."},
    {"astype", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(quantityAsType)),
     METH_VARARGS | METH_KEYWORDS,
     "astype($self, /, dtype, *args, **kwargs)\n--\n\nThe quantity with its magnitude cast as ndarray.astype casts "
     "it."},
    arrayMethod<kSum, kSumDoc>(),
    arrayMethod<kMean, kMeanDoc>(),
    arrayMethod<kMax, kMaxDoc>(),
    arrayMethod<kMin, kMinDoc>(),
    arrayMethod<kStd, kStdDoc>(),
    arrayMethod<kVar, kVarDoc>(),
    arrayMethod<kCumsum, kCumsumDoc>(),
    arrayMethod<kProd, kProdDoc>(),
    arrayMethod<kArgmax, kArgmaxDoc>(),
    arrayMethod<kArgmin, kArgminDoc>(),
    arrayMethod<kArgsort, kArgsortDoc>(),
    arrayMethod<kReshape, kReshapeDoc>(),
    arrayMethod<kTranspose, kTransposeDoc>(),
    arrayMethod<kSqueeze, kSqueezeDoc>(),
    arrayMethod<kRavel, kRavelDoc>(),
    arrayMethod<kCopy, kCopyDoc>(),
    arrayMethod<kRound, kRoundDoc>(),
    arrayMethod<kClip, kClipDoc>(),
    {"__round__", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(quantityArrayMethod<kRound>)),
     METH_VARARGS | METH_KEYWORDS,
     "__round__($self, ndigits=0, /)\n--\n\nround(q, ndigits): the magnitude rounded, in the same unit."},
    {"__floor__", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(quantityArrayMethod<kFloor>)),
     METH_VARARGS | METH_KEYWORDS,
     "__floor__($self, /)\n--\n\nmath.floor(q): the magnitude rounded down, in the same unit."},
    {"__ceil__", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(quantityArrayMethod<kCeil>)),
     METH_VARARGS | METH_KEYWORDS,
     "__ceil__($self, /)\n--\n\nmath.ceil(q): the magnitude rounded up, in the same unit."},
    {"__trunc__", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(quantityArrayMethod<kTrunc>)),
     METH_VARARGS | METH_KEYWORDS,
     "__trunc__($self, /)\n--\n\nmath.trunc(q): the magnitude rounded toward zero, in the same unit."},
    {"__array_function__", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(quantityArrayFunction)),
     METH_VARARGS | METH_KEYWORDS,
     "__array_function__($self, func, types, args, kwargs, /)\n--\n\n"
     "NumPy functions on quantities: reductions (sum, mean, min, max, std, var, median, ...), shapes\n"
     "(reshape, transpose, concatenate, stack, where, ...) and orderings (sort, argmax, ...), with the units of\n"
     "the library's arithmetic; any other function raises TypeError rather than drop the unit."},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef quantityGetSet[] = {
    {"magnitude", getMagnitude, nullptr, "The number (a float) or the array, in the quantity's unit.", nullptr},
    {"m", getMagnitude, nullptr, "The same as magnitude.", nullptr},
    {"units", getUnits, nullptr, "The Unit.", nullptr},
    {"dimensionality", getDimensionality, nullptr,
     "The exponents of the unit's base dimensions by Pint's names: {'[length]': 1, '[time]': -1}.", nullptr},
    {"u", getUnits, nullptr, "The same as units.", nullptr},
    {"shape", getArrayAttribute, nullptr, "The magnitude's shape; () for one value.", const_cast<char*>("shape")},
    {"ndim", getArrayAttribute, nullptr, "The magnitude's number of dimensions; 0 for one value.",
     const_cast<char*>("ndim")},
    {"size", getArrayAttribute, nullptr, "The magnitude's number of values.", const_cast<char*>("size")},
    {"dtype", getArrayAttribute, nullptr, "The magnitude's dtype; float64 for one value.", const_cast<char*>("dtype")},
    {"T", getArrayAttribute, nullptr, "The quantity with its magnitude transposed.", const_cast<char*>("T")},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot quantitySlots[] = {
    {Py_tp_dealloc, reinterpret_cast<void*>(quantityDealloc)},
    {Py_tp_repr, reinterpret_cast<void*>(quantityRepr)},
    {Py_tp_str, reinterpret_cast<void*>(quantityStr)},
    {Py_tp_hash, reinterpret_cast<void*>(PyObject_HashNotImplemented)},
    {Py_tp_richcompare, reinterpret_cast<void*>(quantityCompare)},
    {Py_tp_iter, reinterpret_cast<void*>(quantityIter)},
    {Py_tp_methods, reinterpret_cast<void*>(quantityMethods)},
    {Py_tp_getset, reinterpret_cast<void*>(quantityGetSet)},
    {Py_tp_new, reinterpret_cast<void*>(quantityNew)},
    {Py_nb_add, reinterpret_cast<void*>(quantityAdd)},
    {Py_nb_subtract, reinterpret_cast<void*>(quantitySubtract)},
    {Py_nb_multiply, reinterpret_cast<void*>(quantityMultiply)},
    {Py_nb_true_divide, reinterpret_cast<void*>(quantityDivide)},
    {Py_nb_floor_divide, reinterpret_cast<void*>(quantityFloorDivide)},
    {Py_nb_remainder, reinterpret_cast<void*>(quantityRemainder)},
    {Py_nb_divmod, reinterpret_cast<void*>(quantityDivmod)},
    {Py_nb_power, reinterpret_cast<void*>(quantityPower)},
    {Py_nb_negative, reinterpret_cast<void*>(quantityNegative)},
    {Py_nb_positive, reinterpret_cast<void*>(quantityPositive)},
    {Py_nb_absolute, reinterpret_cast<void*>(quantityAbsolute)},
    {Py_nb_float, reinterpret_cast<void*>(quantityFloat)},
    {Py_nb_int, reinterpret_cast<void*>(quantityInt)},
    {Py_nb_bool, reinterpret_cast<void*>(quantityBool)},
    {Py_mp_length, reinterpret_cast<void*>(quantityLength)},
    {Py_mp_subscript, reinterpret_cast<void*>(quantityGetItem)},
    {Py_tp_doc, const_cast<char*>(
                    "Quantity(value, unit='', /)\n--\n\n"
                    "Quantity(value, unit) or Quantity(\"3.5 ft\"); Quantity(value) is a pure number.\n"
                    "A magnitude (a float, or a NumPy or Dask array held as it is) in a Unit. Immutable.\n"
                    "Arithmetic follows the library's rules: + and - convert the right side into the left's unit;\n"
                    "* and / combine units; a temperature reading (°C, °F, K) minus a reading is a difference (Δ°C),\n"
                    "a reading plus a difference a reading; adding two readings, or scaling one, raises\n"
                    "TemperaturePointError. Comparisons convert the right side and compare exactly; == between\n"
                    "units that do not convert is False. Pickles as its magnitude and its unit's text.\n"
                    "An array quantity takes NumPy's ufuncs and functions (np.mean, np.concatenate, q.sum(), ...)\n"
                    "with the units those rules give, and xarray and Dask hold it as an array.")},
    {0, nullptr},
};

} // namespace

PyTypeObject* QuantityType = nullptr;

bool readyQuantityType() {
    return makeType(QuantityType, "qelunits.Quantity", sizeof(QuantityObject), quantitySlots, quantityVectorcall);
}

PyObject* newQuantity(double value, UnitObject* unit) {
    auto* q = reinterpret_cast<QuantityObject*>(QuantityType->tp_alloc(QuantityType, 0));
    if (q != nullptr) {
        q->value = value;
        q->array = nullptr;
        q->unit = reinterpret_cast<UnitObject*>(Py_NewRef(reinterpret_cast<PyObject*>(unit)));
    }
    return reinterpret_cast<PyObject*>(q);
}

PyObject* newArrayQuantity(PyObject* array, UnitObject* unit) {
    PyObject* q = newQuantity(0.0, unit);
    if (q != nullptr) {
        quantityOf(q)->array = Py_NewRef(array);
    }
    return q;
}

} // namespace qelpy
