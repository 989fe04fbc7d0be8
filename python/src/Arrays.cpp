// qelunits.convert: one float, or a buffer of float64 converted in one pass through the library's array path.

#include "Objects.h"

#include <algorithm>
#include <functional>
#include <memory>

namespace qelpy {
namespace {

// Below this many values the GIL is kept: taking and giving it back costs more than the loop.
constexpr Py_ssize_t kReleaseGilFrom = 16384;

PyObject* helpers = nullptr;

// A view of a C-contiguous float64 buffer; released by the destructor.
class Float64Buffer {
public:
    Float64Buffer() = default;
    Float64Buffer(const Float64Buffer&) = delete;
    Float64Buffer& operator=(const Float64Buffer&) = delete;
    ~Float64Buffer() {
        if (mHeld) {
            PyBuffer_Release(&mView);
        }
    }

    // Takes o's buffer; false (no exception set) when o has none of this kind.
    bool take(PyObject* o, bool writable) {
        const int flags = PyBUF_C_CONTIGUOUS | PyBUF_FORMAT | (writable ? PyBUF_WRITABLE : 0);
        if (!PyObject_CheckBuffer(o) || PyObject_GetBuffer(o, &mView, flags) != 0) {
            PyErr_Clear();
            return false;
        }
        mHeld = true;
        const std::string_view format = mView.format == nullptr ? "B" : mView.format;
        return mView.itemsize == sizeof(double) && (format == "d" || format == "<d" || format == "=d");
    }
    double* data() const { return static_cast<double*>(mView.buf); }
    Py_ssize_t count() const { return mView.len / static_cast<Py_ssize_t>(sizeof(double)); }

private:
    Py_buffer mView{};
    bool mHeld = false;
};

PyObject* callHelper(const char* name, PyObject* a, PyObject* b = nullptr, PyObject* c = nullptr) {
    PyObject* helper = arrayHelper(name);
    PyObject* result = helper == nullptr ? nullptr : PyObject_CallFunctionObjArgs(helper, a, b, c, nullptr);
    Py_XDECREF(helper);
    return result;
}

// Converts through the value API's array path; a failure's position is the index of the first bad value.
bool run(const Converter& converter, const double* source, double* target, Py_ssize_t count, Failure& failure) {
    const auto n = static_cast<std::size_t>(count);
    if (count < kReleaseGilFrom) {
        const qelunits::Result<std::size_t> done = converter.tryConvert(source, target, n);
        return done ? true : failed(done, failure);
    }
    qelunits::Result<std::size_t> done(std::size_t{0});
    Py_BEGIN_ALLOW_THREADS done = converter.tryConvert(source, target, n);
    Py_END_ALLOW_THREADS return done ? true : failed(done, failure);
}

// Whether two buffers share memory other than as one and the same: converting one into the other in a single
// pass would read values it has already overwritten.
bool overlapApart(const Float64Buffer& a, const Float64Buffer& b) {
    const std::less<const double*> before;
    return a.data() != b.data() && before(a.data(), b.data() + b.count()) && before(b.data(), a.data() + a.count());
}

// source (a float64 buffer) converted into out, or into a new array when out is None. An out that overlaps source
// otherwise than exactly is converted from a copy of source, as NumPy's ufuncs do.
PyObject* convertBuffer(const Converter& converter, PyObject* source, const Float64Buffer& from, PyObject* out) {
    PyObject* target = out == Py_None ? callHelper("empty_like", source) : Py_NewRef(out);
    Float64Buffer to;
    if (target == nullptr) {
        return nullptr;
    }
    if (!to.take(target, true) || to.count() != from.count()) {
        Py_DECREF(target);
        PyErr_SetString(PyExc_ValueError,
                        "out must be a writable, C-contiguous float64 array of as many values as the input");
        return nullptr;
    }
    std::unique_ptr<double, decltype(&PyMem_Free)> copy(nullptr, &PyMem_Free);
    const double* values = from.data();
    if (overlapApart(from, to)) {
        copy.reset(static_cast<double*>(PyMem_Malloc(static_cast<std::size_t>(from.count()) * sizeof(double))));
        if (copy == nullptr) {
            Py_DECREF(target);
            return PyErr_NoMemory();
        }
        std::copy(from.data(), from.data() + from.count(), copy.get());
        values = copy.get();
    }
    Failure failure;
    if (!run(converter, values, to.data(), from.count(), failure)) {
        Py_DECREF(target);
        return raise(failure);
    }
    return target;
}

} // namespace

PyObject* arrayHelper(const char* name) {
    if (helpers == nullptr) {
        helpers = PyImport_ImportModule("qelunits._arrays");
        if (helpers == nullptr) {
            return nullptr;
        }
    }
    return PyObject_GetAttrString(helpers, name);
}

PyObject* convertValues(const Converter& converter, PyObject* values, PyObject* out, PyObject* from, PyObject* to) {
    // One number into out goes the array way below, so that out gets it as NumPy's ufuncs give it.
    if (out == Py_None && (PyFloat_Check(values) || (PyLong_Check(values) && !PyBool_Check(values)))) {
        const double value = PyFloat_AsDouble(values);
        if (value == -1.0 && PyErr_Occurred() != nullptr) {
            return nullptr;
        }
        const qelunits::Result<double> converted = converter.tryConvert(value);
        Failure failure;
        return converted ? PyFloat_FromDouble(*converted) : (failed(converted, failure), raise(failure));
    }
    Float64Buffer source;
    if (source.take(values, false)) {
        return convertBuffer(converter, values, source, out);
    }
    // Another dtype or layout: one documented copy to float64, converted in place (or into out).
    PyObject* copy = callHelper("float64_copy", values, from, to);
    if (copy == nullptr || !PyObject_CheckBuffer(copy)) {
        return copy; // a Dask array or another lazy container, converted block by block by the helper
    }
    Float64Buffer copied;
    PyObject* result = nullptr;
    if (copied.take(copy, true)) {
        result = convertBuffer(converter, copy, copied, out == Py_None ? copy : out);
    } else {
        PyErr_SetString(PyExc_TypeError, "values must be numbers convertible to float64");
    }
    Py_DECREF(copy);
    return result;
}

bool reciprocalKeyword(PyObject* name, PyObject* value, bool& reciprocal) {
    if (PyUnicode_CompareWithASCIIString(name, "reciprocal") != 0) {
        PyErr_Format(PyExc_TypeError, "unexpected keyword argument '%U'", name);
        return false;
    }
    const int truth = PyObject_IsTrue(value);
    reciprocal = truth == 1;
    return truth >= 0;
}

PyObject* convertFunction(PyObject* /*self*/, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    if (nargs < 3 || nargs > 4) {
        PyErr_SetString(PyExc_TypeError, "convert(values, from_unit, to_unit, out=None, *, reciprocal=False)");
        return nullptr;
    }
    PyObject* out = nargs == 4 ? args[3] : Py_None;
    bool reciprocal = false;
    const Py_ssize_t keywords = kwnames == nullptr ? 0 : PyTuple_GET_SIZE(kwnames);
    for (Py_ssize_t i = 0; i < keywords; ++i) {
        PyObject* name = PyTuple_GET_ITEM(kwnames, i);
        if (nargs == 3 && PyUnicode_CompareWithASCIIString(name, "out") == 0) {
            out = args[nargs + i];
        } else if (!reciprocalKeyword(name, args[nargs + i], reciprocal)) {
            return nullptr;
        }
    }
    UnitObject* from = unitFrom(args[1]);
    UnitObject* to = from == nullptr ? nullptr : unitFrom(args[2]);
    PyObject* result = nullptr;
    if (to != nullptr) {
        const qelunits::Result<Converter> converter = Converter::make(
            from->unit, to->unit, reciprocal ? Converter::Reciprocal::Allow : Converter::Reciprocal::Refuse);
        Failure failure;
        result = converter ? convertValues(*converter, args[0], out, reinterpret_cast<PyObject*>(from),
                                           reinterpret_cast<PyObject*>(to))
                           : (failed(converter, failure), raise(failure));
    }
    Py_XDECREF(from);
    Py_XDECREF(to);
    return result;
}

} // namespace qelpy
