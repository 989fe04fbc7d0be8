"""The accessor .qel of xarray objects: units from attrs["units"], as the CF conventions keep them."""

import re

from qelunits._core import Quantity, Unit, UnitParseError, convert

# CF's units of a time coordinate: "days since 2000-01-01".
_TIME_REFERENCE = re.compile(r"\ssince\s", re.IGNORECASE)


def _units_of(obj):
    named = "the DataArray" if obj.name is None else repr(obj.name)
    try:
        units = obj.attrs["units"]
    except KeyError:
        raise KeyError(f"{named} has no attrs['units'] to convert from") from None
    since = _TIME_REFERENCE.search(units) if isinstance(units, str) else None
    if since is not None:
        error = UnitParseError(f"{named} holds times ({units!r}), not a quantity in a unit: xarray decodes them "
                               "when it opens the data (decode_times=True)")
        error.kind, error.position, error.message = "unknown_unit", since.start() + 1, str(error)
        raise error
    return units


class DataArrayAccessor:
    """da.qel: to(unit) converts NumPy- and Dask-backed data (lazily for Dask) and writes attrs["units"]."""

    def __init__(self, obj):
        self._obj = obj

    @property
    def units(self):
        """The Unit in attrs["units"]."""
        return Unit(_units_of(self._obj))

    def to(self, unit):
        """A copy of the array with its values converted to unit and attrs["units"] set to unit's text."""
        result = self._obj.copy(data=convert(self._obj.data, _units_of(self._obj), unit))
        result.attrs["units"] = str(unit)
        return result

    def quantity(self):
        """The data (not copied) as a Quantity in attrs["units"]."""
        return Quantity(self._obj.data, _units_of(self._obj))


class DatasetAccessor:
    """ds.qel: to({"ta": "degF", ...}) converts the named variables, each by its attrs["units"]."""

    def __init__(self, obj):
        self._obj = obj

    def to(self, units):
        """A copy of the dataset with the variables named in units converted."""
        return self._obj.assign({name: self._obj[name].qel.to(unit) for name, unit in units.items()})
