"""Quantities whose magnitude is an array: the compiled Quantity hands them here. Every unit rule
comes from the compiled plans (_plan_sum, _check_product, ...); NumPy does the element-wise work and
convert() the conversions."""

import numpy as np

from qelunits._core import (
    Quantity,
    Unit,
    _check_scale,
    _plan_power,
    _plan_product,
    _plan_sqrt,
    _plan_sum,
    convert,
)

_ONE = Unit("1")
_COMPARISONS = {"less", "less_equal", "equal", "not_equal", "greater", "greater_equal"}
_UNARY = {"negative": np.negative, "absolute": np.absolute, "fabs": np.absolute}


def as_magnitude(value):
    """An array magnitude: ndarrays and other array types (Dask) as they are, sequences as ndarrays."""
    if isinstance(value, (list, tuple)) or np.ndim(value) == 0:
        value = np.asarray(value)
        return float(value) if value.ndim == 0 else value
    return value


def empty_like(values):
    if isinstance(values, np.ndarray):
        return np.empty_like(values, dtype=np.float64)
    return np.empty(np.shape(values), dtype=np.float64)


def float64_copy(values, from_unit, to_unit):
    """A C-contiguous float64 copy, to be converted in place; Dask and xarray objects convert lazily instead."""
    if hasattr(values, "map_blocks"):
        return values.map_blocks(convert, from_unit, to_unit, dtype=np.float64)
    if type(values).__module__.startswith("xarray"):
        return values.copy(data=convert(values.data, from_unit, to_unit))
    return np.array(values, dtype=np.float64, order="C")


def convert_magnitude(values, from_unit, to_unit):
    return convert(values, from_unit, to_unit)


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
    if exponent != 0.5:
        raise ValueError(f"cannot raise {unit} to {exponent}: only integer powers and square roots")
    return Quantity(np.sqrt(base), _plan_sqrt(unit))


def binary(op, a, b):
    """a op b where either side holds an array."""
    (ma, ua), (mb, ub) = _parts(a), _parts(b)
    if op == "power":
        return _power(ma, ua, b)
    if op in ("add", "subtract"):
        lhs, rhs, unit = _plan_sum(ua, ub, op == "subtract")
        return Quantity(getattr(np, op)(convert(ma, ua, lhs), convert(mb, ub, rhs)), unit)
    if op in ("multiply", "divide"):
        return Quantity(getattr(np, op)(ma, mb), _plan_product(ua, ub, op == "divide"))
    if op in _COMPARISONS:
        if op in ("equal", "not_equal") and not ua.is_compatible_with(ub):
            return np.full(np.broadcast(ma, mb).shape, op == "not_equal")
        return getattr(np, op)(ma, convert(mb, ub, ua))
    return NotImplemented


def unary(op, q):
    _check_scale(q.units)
    return Quantity(_UNARY[op](q.magnitude), q.units)


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


def array_ufunc(q, ufunc, method, *inputs, **kwargs):
    """NumPy's ufuncs on quantities: add, subtract, multiply, divide, power, sqrt, square, comparisons,
    negative, absolute. Others, methods other than calls and out= give NotImplemented."""
    if method != "__call__" or kwargs:
        return NotImplemented
    name = ufunc.__name__
    if name in _UNARY and len(inputs) == 1:
        return unary(name, inputs[0])
    if name == "sqrt":
        return binary("power", inputs[0], 0.5)
    if name == "square":
        return binary("power", inputs[0], 2)
    if len(inputs) == 2:
        return binary(name, *inputs)
    return NotImplemented
