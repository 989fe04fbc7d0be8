"""Quantities whose magnitude is an array: the compiled Quantity hands them here. Every unit rule
comes from the value API's plans (_plan_sum, _plan_product, _plan_power, _plan_scale); NumPy does the
element-wise work and convert() the conversions."""

import numpy as np

from qelunits._core import (
    IncompatibleUnitsError,
    Quantity,
    TemperaturePointError,
    Unit,
    _exponent,
    _order,
    _plan_power,
    _plan_product,
    _plan_scale,
    _plan_sum,
    _powers,
    convert,
)

_ONE = Unit("1")
_RADIAN = Unit("rad")
_COMPARISONS = {"less", "less_equal", "equal", "not_equal", "greater", "greater_equal"}
_UNARY = {"negative": np.negative, "absolute": np.absolute, "fabs": np.absolute}
_EXTREMES = {"maximum", "minimum", "fmax", "fmin"}
_TESTS = {"isnan", "isfinite", "isinf"}
_WHOLE_DIVISION = {"floor_divide", "remainder", "fmod", "divmod"}
# Rounding keeps the unit, a reading's too: each value is rounded in the unit it is in.
_ROUNDING = {"floor", "ceil", "rint", "trunc"}
# Of an angle (or a plain number, taken as radians), to a plain number.
_TRIGONOMETRIC = {"sin", "cos", "tan"}
# Of a plain number, to radians.
_INVERSE_TRIGONOMETRIC = {"arcsin", "arccos", "arctan"}
# Of an angle, to radians or degrees by its definition (a plain number is no angle here: NumPy takes it in degrees).
_ANGLE_TO = {"deg2rad": "rad", "radians": "rad", "rad2deg": "deg", "degrees": "deg"}
# Of a plain number, to a plain number.
_TRANSCENDENTAL = {"exp", "expm1", "exp2", "log", "log2", "log10", "log1p", "sinh", "cosh", "tanh", "arcsinh",
                   "arccosh", "arctanh"}
_ELEMENTARY = _TRIGONOMETRIC | _INVERSE_TRIGONOMETRIC | _TRANSCENDENTAL | _ANGLE_TO.keys()


def as_magnitude(value):
    """An array magnitude: ndarrays and other array types (Dask) as they are, sequences as ndarrays."""
    if hasattr(value, "__dask_graph__"):  # a lazy value, even of no dimensions, stays lazy
        return value
    if isinstance(value, (list, tuple)) or np.ndim(value) == 0:
        value = np.asarray(value)
        return float(value) if value.ndim == 0 else value
    return value


def empty_like(values):
    if isinstance(values, np.ndarray):
        return np.empty_like(values, dtype=np.float64)
    return np.empty(np.shape(values), dtype=np.float64)


# Array kinds that are numbers in a unit: booleans, integers, floats and objects (each converted by float()).
# A complex value would lose its imaginary part; dates, durations and texts are no numbers to convert.
_REAL_KINDS = "biufO"


def float64_copy(values, from_unit, to_unit):
    """A C-contiguous float64 copy, to be converted in place; Dask and xarray objects convert lazily instead."""
    if hasattr(values, "map_blocks"):
        return values.map_blocks(convert, from_unit, to_unit, dtype=np.float64)
    if type(values).__module__.startswith("xarray"):
        return values.copy(data=convert(values.data, from_unit, to_unit))
    values = np.asarray(values)
    if values.dtype.kind not in _REAL_KINDS:
        raise TypeError(f"values must be real numbers, not {values.dtype}")
    return np.array(values, dtype=np.float64, order="C")


def format_values(values, options):
    """An ndarray with the format options applied to each value, as str() lays it out; other arrays as they
    format themselves."""
    if not options or not isinstance(values, np.ndarray):
        return format(values, options)
    return np.array2string(values, formatter={"all": lambda x: format(x, options)})


def convert_magnitude(values, from_unit, to_unit, reciprocal=False):
    return convert(values, from_unit, to_unit, reciprocal=reciprocal)


def _parts(x):
    if isinstance(x, Quantity):
        return x.magnitude, x.units
    if isinstance(x, Unit):
        return 1.0, x
    return x, _ONE


def _power(base, unit, exponent):
    if isinstance(exponent, Quantity):
        exponent = exponent.m_as(_ONE)
    if np.ndim(exponent) != 0:
        raise TypeError("a quantity's exponent must be one number")
    exponent = float(exponent)
    if exponent == int(exponent):
        return Quantity(np.power(base, exponent), _plan_power(unit, int(exponent)))
    numerator, denominator = _exponent(exponent)
    result_unit = _plan_power(unit, numerator, denominator)
    if (numerator, denominator) == (1, 2):
        return Quantity(np.sqrt(base), result_unit)
    # Other roots value by value as the value API takes them, so that the bits agree (an odd root keeps the sign).
    values = np.ascontiguousarray(base, dtype=np.float64)
    powers = np.frombuffer(_powers(values.reshape(-1), numerator, denominator), dtype=np.float64)
    return Quantity(powers.reshape(values.shape), result_unit)


def binary(op, a, b):
    """a op b where either side holds an array."""
    (ma, ua), (mb, ub) = _parts(a), _parts(b)
    if op == "power":
        return _power(ma, ua, b)
    if op in ("add", "subtract", "hypot"):  # hypot takes its operands as a sum does
        lhs, rhs, unit = _plan_sum(ua, ub, op == "subtract")
        result = getattr(np, op)(convert(ma, ua, lhs), convert(mb, ub, rhs))
        if unit.is_temperature_point and op != "hypot":
            # A reading that results below absolute zero is refused, as the value API refuses it.
            result = convert(result, unit, unit, result if isinstance(result, np.ndarray) else None)
        return Quantity(result, unit)
    if op in ("multiply", "divide", "matmul"):
        return Quantity(getattr(np, op)(ma, mb), _plan_product(ua, ub, op == "divide"))
    if op == "arctan2":
        _plan_scale(ua, op)
        return Quantity(np.arctan2(ma, convert(mb, ub, ua)), _RADIAN)
    if op in _WHOLE_DIVISION:
        return _whole_division(op, ma, ua, mb, ub)
    if op in _EXTREMES:
        return Quantity(getattr(np, op)(ma, convert(mb, ub, ua)), ua)
    if op in _COMPARISONS:
        return _compare(op, ma, ua, mb, ub)
    return NotImplemented


# Of the value API's orders (-1, 0, 1, 2 where a NaN leaves a pair unordered), those each comparison is true for.
_ORDERS = {"less": (-1,), "less_equal": (-1, 0), "equal": (0,), "not_equal": (-1, 1, 2), "greater": (1,),
           "greater_equal": (0, 1)}


def _compare(op, ma, ua, mb, ub):
    """a op b as the value API orders each pair (in the coherent SI unit); == between units that do not
    compare is false throughout. Lazy arrays (Dask) compare in a's unit, block by block."""
    try:
        if not (_is_plain(ma) and _is_plain(mb)):
            return getattr(np, op)(ma, convert(mb, ub, ua))
        x, y = np.broadcast_arrays(np.asarray(ma, dtype=np.float64), np.asarray(mb, dtype=np.float64))
        flat = [np.ascontiguousarray(v).reshape(-1) for v in (x, y)]
        order = np.frombuffer(_order(flat[0], ua, flat[1], ub), dtype=np.int8).reshape(x.shape)
        return np.isin(order, _ORDERS[op])
    except (IncompatibleUnitsError, TemperaturePointError):
        if op in ("equal", "not_equal"):
            return np.full(np.broadcast(ma, mb).shape, op == "not_equal")
        raise


def _is_plain(values):
    return isinstance(values, (np.ndarray, float, int, np.generic))


def _whole_division(op, ma, ua, mb, ub):
    """How many whole b fit into a (a plain number) and what is left (in a's unit): b in a's unit first.
    A reading has no whole number of anything."""
    _plan_scale(ua, op)
    _plan_scale(ub, op)
    mb = convert(mb, ub, ua)
    if op != "divmod":
        return Quantity(getattr(np, op)(ma, mb), _ONE if op == "floor_divide" else ua)
    quotient, remainder = np.divmod(ma, mb)
    return Quantity(quotient, _ONE), Quantity(remainder, ua)


def unary(op, q):
    _plan_scale(q.units, op)
    return Quantity(_UNARY[op](q.magnitude), q.units)


def _radians(q, plain=True):
    """An angle's magnitude in radians by its unit's definition; a plain number's as it is where plain is
    true, else an error."""
    m, unit = _parts(q)
    if plain and unit.dimensionless:
        return convert(m, unit, _ONE)
    return convert(m, unit, _RADIAN)


def _elementary(ufunc, q):
    """ufunc of one quantity where its unit allows: the trigonometric, exponential and logarithmic ones."""
    name = ufunc.__name__
    if name in _TRIGONOMETRIC:
        return Quantity(ufunc(_radians(q)), _ONE)
    if name in _ANGLE_TO:
        radians = _radians(q, plain=False)
        return Quantity(radians if _ANGLE_TO[name] == "rad" else np.rad2deg(radians), Unit(_ANGLE_TO[name]))
    m, unit = _parts(q)
    plain = ufunc(convert(m, unit, _ONE))
    return Quantity(plain, _RADIAN if name in _INVERSE_TRIGONOMETRIC else _ONE)


def from_absolute_zero(q):
    """Quantity.from_absolute_zero value by value, as the scalar operation gives each."""
    if not q.units.is_temperature_point:
        return q
    scalar = np.vectorize(lambda v: Quantity(float(v), q.units).from_absolute_zero().magnitude, otypes=[float])
    return Quantity(scalar(q.magnitude), Quantity(0.0, q.units).from_absolute_zero().units)


def getitem(q, key):
    if not isinstance(q.magnitude, np.ndarray) and not hasattr(q.magnitude, "__getitem__"):
        raise TypeError("a Quantity of one value cannot be indexed")
    return Quantity(q.magnitude[key], q.units)


def array_iter(q):
    return (Quantity(m, q.units) for m in q.magnitude)


def array_ufunc(q, ufunc, method, *inputs, **kwargs):
    """NumPy's ufuncs on quantities: add, subtract, multiply, divide, matmul, power, sqrt, square, reciprocal,
    comparisons, negative, absolute, sign, hypot, rounding, and the trigonometric, exponential and logarithmic
    ones where the unit allows. Others, methods other than calls and out= give NotImplemented."""
    if method != "__call__" or kwargs:
        return NotImplemented
    name = ufunc.__name__
    if name in _UNARY and len(inputs) == 1:
        return unary(name, inputs[0])
    if name in _TESTS and len(inputs) == 1:
        return ufunc(inputs[0].magnitude)
    if name in _ROUNDING and len(inputs) == 1:
        return Quantity(ufunc(inputs[0].magnitude), inputs[0].units)
    if name in _ELEMENTARY and len(inputs) == 1:
        return _elementary(ufunc, inputs[0])
    if name == "sign" and len(inputs) == 1:
        _plan_scale(inputs[0].units, name)
        return ufunc(inputs[0].magnitude)
    if name == "reciprocal" and len(inputs) == 1:
        return binary("divide", 1.0, inputs[0])
    if name == "sqrt":
        return binary("power", inputs[0], 0.5)
    if name == "square":
        return binary("power", inputs[0], 2)
    if len(inputs) == 2:
        return binary(name, *inputs)
    return NotImplemented


def array_attribute(q, name):
    """shape, ndim, size, dtype or T of a quantity: its magnitude's."""
    m = q.magnitude
    if name == "T":
        return Quantity(np.transpose(m), q.units) if np.ndim(m) else q
    if name == "dtype":
        return getattr(m, "dtype", np.dtype(np.float64))
    return getattr(np, name)(m)


def array_method(q, name, *args, **kwargs):
    """q.sum(...) and the like: NumPy's function of that name, through array_function."""
    if name == "reshape" and args and not isinstance(args[0], (tuple, list)):
        args = (args,)  # q.reshape(2, 3) as ndarray.reshape takes it
    return getattr(np, name)(q, *args, **kwargs)


def astype(q, dtype, *args, **kwargs):
    m = q.magnitude
    return Quantity((m if hasattr(m, "astype") else np.asarray(m)).astype(dtype, *args, **kwargs), q.units)


def to_ndarray(q, dtype=None, copy=None):
    """np.asarray(q): a dimensionless quantity's values as pure numbers, as float(q) gives them; of any other
    unit, a TypeError rather than drop it."""
    if not q.is_compatible_with(_ONE):
        raise TypeError(f"np.asarray() would drop the unit {q.units}: take .magnitude, or .m_as(unit) for the "
                        "values in a unit")
    values = np.asarray(q.m_as(_ONE), dtype=dtype)
    return values.copy() if copy else values


def _in_unit(x, unit):
    """x (a quantity, a plain number where unit is dimensionless, or NaN, a missing value of any unit) as a
    magnitude in unit."""
    if isinstance(x, Quantity):
        return convert(x.magnitude, x.units, unit)
    missing = np.ndim(x) == 0 and isinstance(x, (float, np.ndarray)) and np.isnan(x)
    return x if missing else convert(x, _ONE, unit)


def _keeping(func):
    """func of one quantity's magnitude, in its unit: shapes, orderings, selections and averages, which
    temperature readings keep."""
    def apply(a, *args, **kwargs):
        return Quantity(func(a.magnitude, *args, **kwargs), a.units)
    return apply


def _combining(func, subtract, power=1):
    """func of one quantity's magnitude in the unit of its sum (sum, cumsum) or of its differences (std, ptp,
    diff), raised to power (var): readings do not add, and their spread is a difference."""
    def apply(a, *args, **kwargs):
        lhs, _rhs, unit = _plan_sum(a.units, a.units, subtract)
        result = func(convert(a.magnitude, a.units, lhs), *args, **kwargs)
        return Quantity(result, unit if power == 1 else _plan_power(unit, power))
    return apply


def _plain(func):
    """func of one quantity's magnitude, whose result is no quantity: indexes, counts, shapes."""
    def apply(a, *args, **kwargs):
        return func(a.magnitude, *args, **kwargs)
    return apply


def _joining(func):
    """func of a sequence of quantities, each in the first one's unit."""
    def apply(arrays, *args, **kwargs):
        arrays = list(arrays)
        unit = next(x.units for x in arrays if isinstance(x, Quantity))
        return Quantity(func([_in_unit(x, unit) for x in arrays], *args, **kwargs), unit)
    return apply


def _where(condition, x, y):
    unit = x.units if isinstance(x, Quantity) else y.units
    return Quantity(np.where(condition, _in_unit(x, unit), _in_unit(y, unit)), unit)


def _clip(a, a_min, a_max, **kwargs):
    bounds = [None if b is None else _in_unit(b, a.units) for b in (a_min, a_max)]
    return Quantity(np.clip(a.magnitude, *bounds, **kwargs), a.units)


def _array_equal(a1, a2, equal_nan=False):
    if not (isinstance(a1, Quantity) and isinstance(a2, Quantity) and a1.units.is_compatible_with(a2.units)):
        return False
    return np.array_equal(a1.magnitude, convert(a2.magnitude, a2.units, a1.units), equal_nan=equal_nan)


def _isclose(a, b, rtol=1e-05, atol=1e-08, equal_nan=False):
    """b in a's unit; atol is a difference in it (Δ°C for readings), and a plain one is taken as one, as NumPy's
    default is."""
    unit = a.units if isinstance(a, Quantity) else b.units
    tolerance = _in_unit(atol, _plan_sum(unit, unit, True)[2]) if isinstance(atol, Quantity) else atol
    return np.isclose(_in_unit(a, unit), _in_unit(b, unit), rtol, tolerance, equal_nan)


def _allclose(a, b, rtol=1e-05, atol=1e-08, equal_nan=False):
    return bool(np.all(_isclose(a, b, rtol, atol, equal_nan)))


def _unique(ar, *args, **kwargs):
    found = np.unique(ar.magnitude, *args, **kwargs)
    if isinstance(found, tuple):
        return (Quantity(found[0], ar.units),) + found[1:]
    return Quantity(found, ar.units)


def _searchsorted(a, v, *args, **kwargs):
    return np.searchsorted(a.magnitude, _in_unit(v, a.units), *args, **kwargs)


def _full_like(a, fill_value, *args, **kwargs):
    return Quantity(np.full_like(a.magnitude, _in_unit(fill_value, a.units), *args, **kwargs), a.units)


def _append(arr, values, axis=None):
    unit = arr.units if isinstance(arr, Quantity) else values.units
    return Quantity(np.append(_in_unit(arr, unit), _in_unit(values, unit), axis), unit)


def _interp(x, xp, fp, *args, **kwargs):
    """fp's values (and left, right) at x, where x is in xp's unit."""
    x_unit = xp.units if isinstance(xp, Quantity) else _ONE
    y_unit = fp.units if isinstance(fp, Quantity) else _ONE
    bounds = {k: _in_unit(v, y_unit) for k, v in kwargs.items() if k in ("left", "right") and v is not None}
    kwargs.update(bounds)
    found = np.interp(_in_unit(x, x_unit), _in_unit(xp, x_unit), _in_unit(fp, y_unit), *args, **kwargs)
    return Quantity(found, y_unit)


def _dot(a, b, *args, **kwargs):
    (ma, ua), (mb, ub) = _parts(a), _parts(b)
    return Quantity(np.dot(ma, mb, *args, **kwargs), _plan_product(ua, ub, False))


def _cross(a, b, *args, **kwargs):
    (ma, ua), (mb, ub) = _parts(a), _parts(b)
    return Quantity(np.cross(ma, mb, *args, **kwargs), _plan_product(ua, ub, False))


def _linspace(start, stop, *args, **kwargs):
    """Between two values in the first one's unit; the step, where asked for, is a difference."""
    unit = start.units if isinstance(start, Quantity) else stop.units
    found = np.linspace(_in_unit(start, unit), _in_unit(stop, unit), *args, **kwargs)
    if isinstance(found, tuple):
        return Quantity(found[0], unit), Quantity(found[1], _plan_sum(unit, unit, True)[2])
    return Quantity(found, unit)


def _trapz(y, x=None, dx=1.0, axis=-1):
    """The integral of y over x (or steps of dx): the unit of y times that of x's differences, which are
    differences of temperature where x holds readings."""
    my, uy = _parts(y)
    if x is None:
        mdx, udx = _parts(dx)
        return Quantity(np.trapz(my, dx=mdx, axis=axis), _plan_product(uy, udx, False))
    mx, ux = _parts(x)
    return Quantity(np.trapz(my, mx, axis=axis), _plan_product(uy, _plan_sum(ux, ux, True)[2], False))


def _prod(a, axis=None, *args, **kwargs):
    """The product of the values along axis: the unit to the power of how many are multiplied."""
    count = np.size(a.magnitude) if axis is None else np.prod([np.shape(a.magnitude)[i] for i in np.atleast_1d(axis)])
    return Quantity(np.prod(a.magnitude, axis, *args, **kwargs), _plan_power(a.units, int(count)))


def _result_type(*arrays_and_dtypes):
    return np.result_type(*(x.magnitude if isinstance(x, Quantity) else x for x in arrays_and_dtypes))


def _table():
    table = {}
    groups = [
        (_keeping, "reshape transpose squeeze ravel broadcast_to expand_dims moveaxis swapaxes flip fliplr flipud "
                   "roll rot90 copy take repeat tile diagonal sort partition round around zeros_like ones_like "
                   "empty_like nan_to_num "
                   "max amax min amin nanmax nanmin mean nanmean median nanmedian percentile nanpercentile "
                   "quantile nanquantile average"),
        (_plain, "argmax argmin nanargmax nanargmin argsort argpartition nonzero flatnonzero argwhere count_nonzero "
                 "shape ndim size"),
        (_joining, "concatenate stack vstack hstack dstack column_stack"),
    ]
    for wrap, names in groups:
        for name in names.split():
            if hasattr(np, name):
                table[getattr(np, name)] = wrap(getattr(np, name))
    for name, subtract, power in [("sum", False, 1), ("nansum", False, 1), ("cumsum", False, 1),
                                  ("nancumsum", False, 1), ("std", True, 1), ("nanstd", True, 1),
                                  ("ptp", True, 1), ("diff", True, 1), ("var", True, 2), ("nanvar", True, 2)]:
        table[getattr(np, name)] = _combining(getattr(np, name), subtract, power)
    table[np.linalg.norm] = _combining(np.linalg.norm, False)
    table.update({np.where: _where, np.clip: _clip, np.array_equal: _array_equal, np.result_type: _result_type,
                  np.isclose: _isclose, np.allclose: _allclose, np.unique: _unique, np.searchsorted: _searchsorted,
                  np.full_like: _full_like, np.append: _append, np.interp: _interp, np.dot: _dot,
                  np.cross: _cross, np.linspace: _linspace, np.trapz: _trapz, np.prod: _prod})
    return table


_FUNCTIONS = _table()


def array_function(q, func, types, args, kwargs):
    """NumPy's functions on quantities (see _table); any other, out=, or another duck array among the
    arguments gives NotImplemented, and NumPy raises TypeError: no result that silently drops a unit."""
    implementation = _FUNCTIONS.get(func)
    if implementation is None or "out" in kwargs or not all(
            issubclass(t, (Quantity, np.ndarray)) or hasattr(t, "__dask_graph__") for t in types):
        return NotImplemented
    return implementation(*args, **kwargs)


def largest_magnitude(values):
    """The largest finite magnitude of an array, by which to_compact chooses a prefix; 0 where none is finite."""
    magnitudes = np.abs(np.asarray(values, dtype=np.float64))
    finite = magnitudes[np.isfinite(magnitudes)]
    return float(finite.max()) if finite.size else 0.0
