"""The accessor .qel of xarray objects: units from attrs["units"], as the CF conventions keep them, or from the data
itself once quantify() has wrapped it in a Quantity. A quantified array keeps its unit through xarray's reductions
and arithmetic (the Quantity's NumPy functions give it), which attrs lose without keep_attrs; a Quantity of a Dask
array stays lazy, as do conversions of Dask-backed data."""

import re

from qelunits._core import Quantity, Unit, UnitParseError, convert

# CF's units of a time coordinate: "days since 2000-01-01".
_TIME_REFERENCE = re.compile(r"\ssince\s", re.IGNORECASE)


def _is_time(units):
    return isinstance(units, str) and _TIME_REFERENCE.search(units) is not None


def _units_of(obj):
    if isinstance(obj.data, Quantity):
        return obj.data.units
    named = "the DataArray" if obj.name is None else repr(obj.name)
    try:
        units = obj.attrs["units"]
    except KeyError:
        raise KeyError(f"{named} has no attrs['units'] to convert from (xarray drops attrs in reductions unless "
                       "keep_attrs=True; a quantified array, .qel.quantify(), keeps its unit in its data)") from None
    since = _TIME_REFERENCE.search(units) if isinstance(units, str) else None
    if since is not None:
        error = UnitParseError(f"{named} holds times ({units!r}), not a quantity in a unit: xarray decodes them "
                               "when it opens the data (decode_times=True)")
        error.kind, error.position, error.message = "unknown_unit", since.start() + 1, str(error)
        raise error
    return units


def _keeping_float(converted, original):
    """converted (float64 from convert()) back in original's float type where that is a narrower float: float32
    data stays float32, lazily for Dask."""
    dtype = getattr(original, "dtype", None)
    if dtype is not None and dtype.kind == "f" and dtype.itemsize < 8:
        return converted.astype(dtype)
    return converted


class DataArrayAccessor:
    """da.qel: to(unit) converts NumPy- and Dask-backed data (lazily for Dask); quantify() and dequantify() move the
    unit between attrs["units"] and the data."""

    def __init__(self, obj):
        self._obj = obj

    @property
    def units(self):
        """The Unit of the data: a quantified array's, else the one in attrs["units"]."""
        return Unit(_units_of(self._obj))

    @property
    def is_quantified(self):
        """Whether the data is a Quantity."""
        return isinstance(self._obj.data, Quantity)

    def to(self, unit):
        """A copy of the array with its values converted to unit: a quantified array's data stays a Quantity,
        otherwise attrs["units"] is set to unit's text. float32 stays float32."""
        data = self._obj.data
        if isinstance(data, Quantity):
            magnitude = data.magnitude
            converted = Quantity(_keeping_float(convert(magnitude, data.units, unit), magnitude), Unit(unit))
            return self._obj.copy(data=converted)
        result = self._obj.copy(data=_keeping_float(convert(data, _units_of(self._obj), unit), data))
        result.attrs["units"] = str(unit)
        return result

    def quantity(self):
        """The data (not copied) as a Quantity in its unit."""
        data = self._obj.data
        return data if isinstance(data, Quantity) else Quantity(data, _units_of(self._obj))

    def quantify(self, units=None):
        """The array with its data (NumPy or Dask, not copied) wrapped in a Quantity in units, by default the one
        in attrs["units"], which is then dropped from attrs."""
        if self.is_quantified:
            if units is not None and Unit(units) != self._obj.data.units:
                raise ValueError(f"the array is already quantified in {self._obj.data.units}: .qel.to({str(units)!r})"
                                 " converts it")
            return self._obj.copy(deep=False)
        result = self._obj.copy(data=Quantity(self._obj.data, units if units is not None else _units_of(self._obj)),
                                deep=False)
        result.attrs.pop("units", None)
        return result

    def dequantify(self):
        """The array with its data the Quantity's magnitude and its unit's text in attrs["units"]; an array that
        is not quantified is returned as it is."""
        data = self._obj.data
        if not isinstance(data, Quantity):
            return self._obj.copy(deep=False)
        result = self._obj.copy(data=data.magnitude, deep=False)
        result.attrs["units"] = str(data.units)
        return result


    def compute(self, **kwargs):
        """The array with its data computed: a quantified array's Dask magnitude too, which xarray's own compute()
        does not reach (it computes only the data that is itself a Dask collection)."""
        data = self._obj.data
        if not isinstance(data, Quantity):
            return self._obj.compute(**kwargs)
        return self.dequantify().compute(**kwargs).qel.quantify()


class DatasetAccessor:
    """ds.qel: to({"ta": "degF", ...}) converts the named variables, each by its unit; quantify() and
    dequantify() apply to every data variable with a unit."""

    def __init__(self, obj):
        self._obj = obj

    def to(self, units):
        """A copy of the dataset with the variables named in units converted."""
        return self._obj.assign({name: self._obj[name].qel.to(unit) for name, unit in units.items()})

    def quantify(self, units=None):
        """A copy with each data variable that has attrs["units"] (other than a time reference) quantified, and
        those named in units ({name: unit}) in that unit."""
        units = dict(units or {})
        variables = {}
        for name, variable in self._obj.data_vars.items():
            if name in units or (not isinstance(variable.data, Quantity) and "units" in variable.attrs
                                 and not _is_time(variable.attrs["units"])):
                variables[name] = variable.qel.quantify(units.get(name))
        return self._obj.assign(variables)

    def compute(self, **kwargs):
        """The dataset computed, its quantified variables' Dask magnitudes too (see DataArray's .qel.compute)."""
        units = {name: v.data.units for name, v in self._obj.data_vars.items() if isinstance(v.data, Quantity)}
        return self.dequantify().compute(**kwargs).qel.quantify(units) if units else self._obj.compute(**kwargs)

    def dequantify(self):
        """A copy with each quantified data variable's unit back in its attrs["units"]."""
        return self._obj.assign({name: variable.qel.dequantify() for name, variable in self._obj.data_vars.items()
                                 if isinstance(variable.data, Quantity)})
