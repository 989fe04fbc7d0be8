"""QelUnits for Python: units of measure over the QelUnits C++ library.

    >>> import qelunits
    >>> qelunits.convert(100.0, "degC", "degF")
    212.0
    >>> q = qelunits.Quantity(3.5, "ft")
    >>> q.to("m")
    <Quantity(1.0668, 'm')>
    >>> f"{q + qelunits.Quantity('1 m'):.2f}"
    '6.78 ft'

Unit and Quantity follow Pint's habits (to, m_as, magnitude, units) with the
library's rules: a temperature standing alone is a reading (25 * Unit("degC")),
"delta_degC" a difference; errors are exceptions deriving from ValueError (and
TypeError for units that do not convert or a misused reading) that carry the
library's message, the position in the text and a kind. convert() and Converter
convert float64 arrays in one pass, in place with out=values. Units and
quantities pickle as text, so Dask workers need no set-up. Importing xarray
(before or after this module) adds the accessor .qel to DataArray and Dataset.
"""

from qelunits._core import (
    BelowAbsoluteZeroError,
    Converter,
    Error,
    IncompatibleUnitsError,
    Quantity,
    TemperaturePointError,
    Unit,
    UnitParseError,
    convert,
)
from qelunits import _accessor

__all__ = [
    "BelowAbsoluteZeroError",
    "Converter",
    "Error",
    "IncompatibleUnitsError",
    "Quantity",
    "TemperaturePointError",
    "Unit",
    "UnitParseError",
    "convert",
]
__version__ = "1.0.0"

_accessor.install()
