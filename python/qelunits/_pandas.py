"""pandas: the dtype "qel[unit]", QelArray (magnitudes in one unit, an ExtensionArray) and the accessors .qel of
Series and DataFrame. Registered as pandas is imported (see _accessor), so that pd.Series([1, 2],
dtype="qel[psi]") and astype("qel[kPa]") work without importing this module.

A QelArray keeps the magnitudes it is given: a float ndarray (float32 stays float32, NaN is missing) or a nullable
FloatingArray (Float32, Float64: pd.NA is missing). Unit rules come from the library: arithmetic and reductions
go through Quantity, conversions through convert(); nothing here decides what a unit allows.
"""

import operator
import re

import numpy as np
import pandas as pd  # type: ignore[import]  # pandas 1.5 ships no types
from pandas.api.extensions import (  # type: ignore[import]
    ExtensionArray,
    ExtensionDtype,
    register_dataframe_accessor,
    register_extension_dtype,
    register_series_accessor,
    take,
)
from pandas.api.indexers import check_array_indexer  # type: ignore[import]

from qelunits._core import Quantity, Unit, convert

# The unit header of a column that holds no quantities, in dequantify()'s output and quantify()'s input: no unit
# text reads as it, and it is the header pint-pandas writes, so frames pass between the two.
NO_UNIT = "No Unit"


@register_extension_dtype
class QelDtype(ExtensionDtype):
    """The dtype "qel[unit]": quantities in unit. "qel" alone, with no unit, stands for any of them."""

    type = Quantity
    kind = "O"
    na_value = np.nan
    _metadata = ("units",)
    _match = re.compile(r"^qel\[(?P<units>.*)\]$", re.DOTALL)

    def __init__(self, units=None):
        self.units = None if units is None else Unit(units)

    @property
    def name(self):
        return "qel" if self.units is None else f"qel[{self.units}]"

    def __repr__(self):
        return self.name

    @classmethod
    def construct_array_type(cls):
        return QelArray

    @classmethod
    def construct_from_string(cls, string):
        if not isinstance(string, str):
            raise TypeError(f"'construct_from_string' expects a string, got {type(string)}")
        if string == "qel":
            return cls()
        found = cls._match.match(string)
        if found is None:
            raise TypeError(f"Cannot construct a 'QelDtype' from '{string}'")
        return cls(found.group("units"))  # a unit that does not read raises the reader's UnitParseError

    def _get_common_dtype(self, dtypes):
        """Quantities of units that convert join in the first one's unit (pd.concat); others as objects."""
        if all(isinstance(d, QelDtype) and d.units is not None and self.units.is_compatible_with(d.units)
               for d in dtypes):
            return self
        return None

    @property
    def _is_numeric(self):
        return True

    @property
    def _is_boolean(self):
        return False


def _is_masked(values):
    return isinstance(values, (pd.arrays.FloatingArray, pd.arrays.IntegerArray, pd.arrays.BooleanArray))


def _missing(x):
    return x is None or x is pd.NA or (isinstance(x, float) and np.isnan(x))


def _storage(values, copy=False):
    """Magnitudes as a QelArray keeps them: floats as they are, other numbers as float64 (Float64 where nullable)."""
    if isinstance(values, (pd.Series, pd.Index)):
        values = values.array
    if isinstance(values, pd.arrays.PandasArray):
        values = values.to_numpy()
    if _is_masked(values):
        if not isinstance(values, pd.arrays.FloatingArray):
            return values.astype("Float64")
        return values.copy() if copy else values
    values = np.asarray(values)
    if values.dtype.kind == "f":
        return values.copy() if copy else values
    if values.dtype.kind in "biu":
        return values.astype(np.float64)
    if values.dtype.kind == "O":
        if any(x is pd.NA for x in values.flat):
            return pd.array([None if x is pd.NA else x for x in values.flat], dtype="Float64")
        return np.array([np.nan if _missing(x) else x for x in values.flat], dtype=np.float64)
    raise TypeError(f"magnitudes must be real numbers, not {values.dtype}")


def _split(data):
    """(float ndarray with NaN where missing, mask or None) of a storage."""
    if isinstance(data, pd.arrays.FloatingArray):
        return data.to_numpy(dtype=data.dtype.numpy_dtype, na_value=np.nan), data.isna()
    return data, None


def _join(values, mask, like):
    """A storage of values, in the float type of like (float32 stays), masked where mask is."""
    dtype = _split(like)[0].dtype if like is not None else values.dtype
    values = np.asarray(values).astype(dtype if np.asarray(values).dtype.kind == "f" else np.float64, copy=False)
    if mask is None:
        return values
    return pd.arrays.FloatingArray(values, np.asarray(mask, dtype=bool).copy())


def _objects(items):
    """An object ndarray of items as they are: NumPy would read each Quantity as an array of its own."""
    found = np.empty(len(items), dtype=object)
    for i, item in enumerate(items):
        found[i] = item
    return found


def _converted(data, from_unit, to_unit):
    """A storage converted between units; its float type and missing values stay."""
    values, mask = _split(data)
    if Unit(from_unit) == Unit(to_unit):
        return data.copy()
    return _join(convert(values, from_unit, to_unit), mask, data)


# Reductions: NumPy's functions on a Quantity, which keep, combine or refuse the unit as the library says (a sum
# of readings is refused, their spread is a difference).
_REDUCTIONS = {"sum": np.sum, "mean": np.mean, "min": np.min, "max": np.max, "std": np.std, "var": np.var,
               "median": np.median, "prod": np.prod}


class QelArray(ExtensionArray):
    """Magnitudes in one unit, as a column of a Series or DataFrame: pd.array([1.0, 2.0], dtype="qel[psi]")."""

    __array_priority__ = 1000

    def __init__(self, values, dtype, copy=False):
        if isinstance(dtype, str):
            dtype = pd.api.types.pandas_dtype(dtype)
        if not isinstance(dtype, QelDtype) or dtype.units is None:
            raise TypeError(f"a QelArray's dtype is 'qel[unit]', not {dtype!r}")
        self._data = _storage(values, copy)
        self._dtype = dtype

    # Construction, as pandas asks for it.

    @classmethod
    def _from_sequence(cls, scalars, *, dtype=None, copy=False):
        if isinstance(dtype, str):
            dtype = pd.api.types.pandas_dtype(dtype)
        units = dtype.units if isinstance(dtype, QelDtype) else None
        if isinstance(scalars, (pd.Series, pd.Index)) and isinstance(scalars.dtype, QelDtype):
            scalars = scalars.array
        if isinstance(scalars, QelArray):
            if units is None:
                return scalars.copy() if copy else scalars
            return cls(_converted(scalars._data, scalars.units, units), QelDtype(units))
        if isinstance(scalars, Quantity):
            units = units or scalars.units
            return cls(np.atleast_1d(scalars.m_as(units)), QelDtype(units), copy=copy)
        if not (isinstance(scalars, np.ndarray) and scalars.dtype.kind != "O") and not _is_masked(scalars):
            items = list(scalars) if not isinstance(scalars, (pd.Series, pd.Index)) else list(scalars.array)
            if any(isinstance(x, Quantity) for x in items):
                units = units or next(x.units for x in items if isinstance(x, Quantity))
                scalars = np.array([x if _missing(x) else Quantity(x).m_as(units) for x in items], dtype=object)
                if not any(x is pd.NA for x in scalars):
                    scalars = np.array([np.nan if x is None else x for x in scalars], dtype=np.float64)
        if units is None:
            raise ValueError("numbers have no unit: give the dtype, such as dtype='qel[m]'")
        return cls(scalars, QelDtype(units), copy=copy)

    @classmethod
    def _from_sequence_of_strings(cls, strings, *, dtype=None, copy=False):
        return cls._from_sequence(pd.to_numeric(pd.Series(strings)).array, dtype=dtype, copy=copy)

    @classmethod
    def _from_factorized(cls, values, original):
        return cls(values, original.dtype)

    def _values_for_factorize(self):
        return _split(self._data)[0].astype(np.float64), np.nan

    def _values_for_argsort(self):
        return _split(self._data)[0]

    @classmethod
    def _concat_same_type(cls, to_concat):
        to_concat = list(to_concat)
        units = to_concat[0].units
        parts = [_converted(a._data, a.units, units) for a in to_concat]
        if any(_is_masked(p) for p in parts):
            parts = [p if _is_masked(p) else pd.array(p, dtype="Float32" if p.dtype == np.float32 else "Float64")
                     for p in parts]
            return cls(pd.arrays.FloatingArray._concat_same_type(parts), QelDtype(units))
        return cls(np.concatenate(parts), QelDtype(units))

    # What pandas reads of it.

    @property
    def dtype(self):
        return self._dtype

    @property
    def units(self):
        """The Unit of the magnitudes."""
        return self._dtype.units

    @property
    def magnitude(self):
        """The magnitudes as stored: a float ndarray or a nullable FloatingArray."""
        return self._data

    def quantity(self):
        """A Quantity of the magnitudes (NaN where missing), in float64 or float32 as stored."""
        return Quantity(_split(self._data)[0], self.units)

    def __len__(self):
        return len(self._data)

    @property
    def nbytes(self):
        return self._data.nbytes

    def isna(self):
        values, mask = _split(self._data)
        return np.isnan(values) if mask is None else np.asarray(mask)

    def __getitem__(self, item):
        if pd.api.types.is_integer(item):
            value = self._data[item]
            return value if value is pd.NA else Quantity(float(value), self.units)
        if not isinstance(item, (slice, tuple)):
            item = check_array_indexer(self, item)
        return type(self)(self._data[item], self._dtype)

    def __setitem__(self, key, value):
        if not isinstance(key, (slice, tuple)) and not pd.api.types.is_integer(key):
            key = check_array_indexer(self, key)
        self._data[key] = self._magnitudes_of(value)

    def _magnitudes_of(self, value):
        """value (quantities, or missing values) as magnitudes in this array's unit."""
        if isinstance(value, (pd.Series, pd.Index)):
            value = value.array
        if isinstance(value, QelArray):
            values, mask = _split(_converted(value._data, value.units, self.units))
            return values if mask is None else pd.arrays.FloatingArray(values, mask)
        if isinstance(value, Quantity):
            return value.m_as(self.units)
        if pd.api.types.is_scalar(value) and _missing(value):
            return value if value is pd.NA and _is_masked(self._data) else np.nan
        if pd.api.types.is_list_like(value) and not isinstance(value, str):
            return type(self)._from_sequence(list(value), dtype=self._dtype)._data
        raise TypeError(f"a column of {self.units} takes quantities, not {value!r}: Quantity({value!r}, "
                        f"'{self.units}') is one")

    def take(self, indices, *, allow_fill=False, fill_value=None):
        if allow_fill and fill_value is not None and not _missing(fill_value):
            fill_value = self._magnitudes_of(fill_value)
        if isinstance(self._data, pd.arrays.FloatingArray):
            if _missing(fill_value):
                fill_value = None
            return type(self)(self._data.take(indices, allow_fill=allow_fill, fill_value=fill_value), self._dtype)
        if allow_fill and _missing(fill_value):
            fill_value = np.nan
        return type(self)(take(self._data, indices, allow_fill=allow_fill, fill_value=fill_value), self._dtype)

    def value_counts(self, dropna=True):
        """How many times each value occurs, by value (an index of this dtype)."""
        counts = pd.Series(self._data).value_counts(dropna=dropna)
        values = type(self)(counts.index.array, self._dtype)
        return pd.Series(counts.to_numpy(dtype=np.int64), index=pd.Index(values))

    def unique(self):
        return type(self)(pd.unique(self._data), self._dtype)

    def copy(self):
        return type(self)(self._data.copy(), self._dtype)

    def __array__(self, dtype=None):
        """Quantities one by one (pd.NA where missing), so that no unit is dropped; a float dtype is for
        dimensionless values only, as np.asarray of a Quantity."""
        if dtype is None or np.dtype(dtype) == object:
            return _objects(self)
        return np.asarray(self.quantity(), dtype=dtype)

    def astype(self, dtype, copy=True):
        if isinstance(dtype, str) and dtype.startswith("qel"):
            dtype = pd.api.types.pandas_dtype(dtype)
        if isinstance(dtype, QelDtype):
            if dtype.units is None or dtype == self._dtype:
                return self.copy() if copy else self
            return type(self)(_converted(self._data, self.units, dtype.units), dtype)
        dtype = pd.api.types.pandas_dtype(dtype)
        if dtype.kind in "fiub" and not isinstance(dtype, ExtensionDtype):
            return np.asarray(self.quantity(), dtype=dtype)
        return super().astype(dtype, copy=copy)

    def _formatter(self, boxed=False):
        """In a Series or DataFrame each value without its unit (the dtype names it), alone with it."""
        scalar = _split(self._data)[0].dtype.type  # float32 shown as float32, not as the float it widens to
        if boxed:
            return lambda x: str(x) if x is pd.NA else str(scalar(x.magnitude))
        return lambda x: str(x) if x is pd.NA else f"{str(scalar(x.magnitude))} {x.units}"

    # Arithmetic and comparisons: Quantity's, element by element, with the missing values of either side.

    def _operand(self, other):
        if isinstance(other, QelArray):
            values, mask = _split(other._data)
            return Quantity(values, other.units), mask
        if _is_masked(other):
            return other.to_numpy(dtype=np.float64, na_value=np.nan), other.isna()
        if other is pd.NA:
            return np.nan, np.ones(len(self), dtype=bool)
        if isinstance(other, (list, tuple)):
            other = type(self)._from_sequence(other, dtype=self._dtype) if any(
                isinstance(x, Quantity) for x in other) else np.asarray(other)
            return self._operand(other)
        return other, None

    def _apply(self, other, op, comparison=False):
        if isinstance(other, (pd.Series, pd.Index, pd.DataFrame)):
            return NotImplemented
        values, mask = _split(self._data)
        right, right_mask = self._operand(other)
        if right_mask is not None:
            mask = right_mask if mask is None else mask | right_mask
        result = op(Quantity(values, self.units), right)
        if comparison:
            result = np.asarray(result, dtype=bool)
            return result if mask is None else pd.arrays.BooleanArray(result, np.asarray(mask).copy())
        if not isinstance(result, Quantity):
            return NotImplemented
        magnitude = np.asarray(result.magnitude)
        numbers = right.magnitude if isinstance(right, Quantity) else 1.0 if isinstance(right, Unit) else right
        kept = np.result_type(values, numbers)
        if kept.kind == "f" and magnitude.dtype.kind == "f":
            magnitude = magnitude.astype(kept, copy=False)
        return type(self)(_join(magnitude, mask, None), QelDtype(result.units))

    def _unary(self, op):
        values, mask = _split(self._data)
        result = op(Quantity(values, self.units))
        return type(self)(_join(np.asarray(result.magnitude), mask, self._data), QelDtype(result.units))

    def __neg__(self):
        return self._unary(operator.neg)

    def __abs__(self):
        return self._unary(operator.abs)

    def __pos__(self):
        return self.copy()

    def _reduce(self, name, *, skipna=True, **kwargs):
        """A Quantity: the values' sum, mean, ... (missing ones skipped unless skipna is false)."""
        reduce = _REDUCTIONS.get(name)
        if reduce is None:
            raise TypeError(f"{name}() of quantities in {self.units} is not defined")
        values, mask = _split(self._data)
        missing = np.isnan(values) if mask is None else np.asarray(mask)
        if skipna:
            values = values[~missing]
        elif missing.any():
            return pd.NA if mask is not None else Quantity(np.nan, self.units)
        quantity = Quantity(values, self.units)
        if name in ("min", "max", "median", "mean") and len(values) == 0:
            reduce(Quantity(np.zeros(1), self.units))  # the unit's own refusal, if any, before the missing result
            return Quantity(np.nan, self.units)
        if name in ("std", "var"):
            result = reduce(quantity, ddof=kwargs.get("ddof", 1))
        else:
            result = reduce(quantity)
        if name == "sum" and len(values) < kwargs.get("min_count", 0):
            return Quantity(np.nan, result.units)
        return Quantity(float(result.magnitude), result.units)


def _binary(op, reflected=False, comparison=False):
    if reflected:
        def method(self, other):
            return self._apply(other, lambda a, b: op(b, a), comparison)
    else:
        def method(self, other):
            return self._apply(other, op, comparison)
    return method


for _name, _op in [("add", operator.add), ("sub", operator.sub), ("mul", operator.mul),
                   ("truediv", operator.truediv), ("floordiv", operator.floordiv), ("mod", operator.mod),
                   ("pow", operator.pow)]:
    setattr(QelArray, f"__{_name}__", _binary(_op))
    setattr(QelArray, f"__r{_name}__", _binary(_op, reflected=True))
for _name in ("eq", "ne", "lt", "le", "gt", "ge"):
    setattr(QelArray, f"__{_name}__", _binary(getattr(operator, _name), comparison=True))
del _name, _op



def convert_pandas(values, from_unit, to_unit):
    """convert() of a Series (or each column of a DataFrame): index, name, float32 and missing values kept."""
    if isinstance(values, pd.DataFrame):
        return pd.DataFrame({k: convert_pandas(v, from_unit, to_unit) for k, v in values.items()},
                            index=values.index, columns=values.columns)
    if isinstance(values.dtype, QelDtype):
        raise TypeError(f"the Series holds quantities in {values.dtype.units}: "
                        f"series.qel.to({str(Unit(to_unit))!r}) converts them")
    if isinstance(values.dtype, ExtensionDtype) and not _is_masked(values.array):
        raise TypeError(f"values must be real numbers, not {values.dtype}")
    data = _storage(values.array)
    converted = _converted(data, from_unit, to_unit) if not values.empty else data.copy()
    return pd.Series(converted, index=values.index, name=values.name)


def install(arrays):
    """Makes convert() give a Series for a Series: the compiled convert() hands any value without a float64
    buffer to arrays.float64_copy, which is wrapped here for pandas' objects."""
    original = arrays.float64_copy
    if getattr(original, "_pandas", False):
        return

    def float64_copy(values, from_unit, to_unit):
        if isinstance(values, (pd.Series, pd.DataFrame)):
            return convert_pandas(values, from_unit, to_unit)
        return original(values, from_unit, to_unit)

    float64_copy._pandas = True
    float64_copy.__doc__ = original.__doc__
    arrays.float64_copy = float64_copy


def _quantified(series, units):
    return pd.Series(QelArray(series.array, QelDtype(units)), index=series.index, name=series.name)


@register_series_accessor("qel")
class SeriesAccessor:
    """s.qel: to(unit), magnitude, units, m_as(unit) of a Series of dtype "qel[unit]"; quantify(unit) of a
    Series of numbers."""

    def __init__(self, obj):
        self._obj = obj

    def _array(self):
        if not isinstance(self._obj.dtype, QelDtype):
            raise TypeError(f"the Series holds {self._obj.dtype}, not quantities: .qel.quantify(unit) makes them")
        return self._obj.array

    @property
    def units(self):
        """The Unit of the values."""
        return self._array().units

    @property
    def magnitude(self):
        """The values without their unit, as stored (float32 stays; Float64 keeps pd.NA)."""
        return pd.Series(self._array().magnitude, index=self._obj.index, name=self._obj.name, copy=False)

    def m_as(self, unit):
        """The values converted to unit, without it."""
        return self.to(unit).qel.magnitude

    def to(self, unit):
        """The Series converted to unit: index and name kept."""
        return self._obj.astype(QelDtype(unit))

    def quantify(self, units):
        """The Series of numbers as quantities in units."""
        return _quantified(self._obj, units)

    def dequantify(self):
        """The magnitudes, named with the unit: a DataFrame of one column under (name, unit), as
        DataFrame.qel.dequantify gives it."""
        return self._obj.to_frame().qel.dequantify()


@register_dataframe_accessor("qel")
class DataFrameAccessor:
    """df.qel: quantify() and dequantify() with units in a level of the column headers, to({column: unit}),
    magnitude and units."""

    def __init__(self, obj):
        self._obj = obj

    @property
    def units(self):
        """A Series of each column's Unit, None where it holds no quantities."""
        return pd.Series([d.units if isinstance(d, QelDtype) else None for d in self._obj.dtypes],
                         index=self._obj.columns, dtype=object)

    @property
    def magnitude(self):
        """The DataFrame with each column of quantities as its magnitudes."""
        return self._obj.apply(lambda c: c.qel.magnitude if isinstance(c.dtype, QelDtype) else c)

    def to(self, units):
        """A copy with the columns named in units ({column: unit}) converted."""
        return self._with({k: self._obj[k].qel.to(u) for k, u in units.items()})

    def _with(self, columns):
        result = self._obj.copy()
        for key, column in columns.items():
            result[key] = column
        return result

    def quantify(self, level=-1, units=None):
        """Quantities from numbers: units as {column: unit}, or read from the level of the column headers
        (the last by default; NO_UNIT marks a column of plain numbers), which is dropped."""
        if isinstance(level, dict):
            level, units = -1, level
        if units is not None:
            return self._with({k: _quantified(self._obj[k], u) for k, u in units.items()})
        columns = self._obj.columns
        if not isinstance(columns, pd.MultiIndex):
            raise ValueError("quantify() reads units from a level of the column headers (a MultiIndex), or takes "
                             "units={column: unit}")
        headers = columns.get_level_values(level)
        names = columns.droplevel(level)
        data = {}
        for i, unit in enumerate(headers):
            column = self._obj.iloc[:, i]
            data[i] = column if unit == NO_UNIT else _quantified(column, unit)
        result = pd.DataFrame(data, index=self._obj.index)
        result.columns = names
        return result

    def dequantify(self):
        """Magnitudes, with each column's unit in a new last level "unit" of the column headers (NO_UNIT for a
        column of plain numbers)."""
        headers = [str(u) if u is not None else NO_UNIT for u in self.units]
        columns = self._obj.columns
        if isinstance(columns, pd.MultiIndex):
            tuples = [key + (unit,) for key, unit in zip(columns, headers)]
            names = list(columns.names) + ["unit"]
        else:
            tuples = list(zip(columns, headers))
            names = [columns.name, "unit"]
        result = self.magnitude
        result.columns = pd.MultiIndex.from_tuples(tuples, names=names)
        return result
