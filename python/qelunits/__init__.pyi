# Types of the package qelunits, for type checkers (py.typed marks the package as typed).

from typing import ClassVar, List

from qelunits import _core
from qelunits._core import BelowAbsoluteZeroError as BelowAbsoluteZeroError
from qelunits._core import Converter as Converter
from qelunits._core import Error as Error
from qelunits._core import IncompatibleUnitsError as IncompatibleUnitsError
from qelunits._core import Quantity as Quantity
from qelunits._core import TemperaturePointError as TemperaturePointError
from qelunits._core import Unit as Unit
from qelunits._core import UnitParseError as UnitParseError
from qelunits._core import convert as convert

__version__: str
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
    "units",
]

class _Units:
    Quantity: ClassVar[type[_core.Quantity]]
    Unit: ClassVar[type[_core.Unit]]
    # Any name reads as a unit, or raises AttributeError: units.km, units.degC.
    def __getattr__(self, name: str) -> _core.Unit: ...
    def __dir__(self) -> List[str]: ...
    def __call__(self, text: str) -> _core.Quantity: ...
    def parse_expression(self, text: str) -> _core.Quantity: ...
    @staticmethod
    def parse_units(text: str) -> _core.Unit: ...
    def __reduce__(self) -> str: ...

units: _Units
