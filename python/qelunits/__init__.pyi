# Types of the package qelunits, for type checkers (py.typed marks the package as typed).

from os import PathLike
from typing import ClassVar, List

from qelunits import _core
from qelunits._core import BelowAbsoluteZeroError as BelowAbsoluteZeroError
from qelunits._core import Context as Context
from qelunits._core import Converter as Converter
from qelunits._core import Definitions as Definitions
from qelunits._core import Error as Error
from qelunits._core import IncompatibleUnitsError as IncompatibleUnitsError
from qelunits._core import Level as Level
from qelunits._core import Quantity as Quantity
from qelunits._core import TemperaturePointError as TemperaturePointError
from qelunits._core import Unit as Unit
from qelunits._core import UnitParseError as UnitParseError
from qelunits._core import convert as convert
from qelunits._core import convert_in_context as convert_in_context
from qelunits._core import define as define
from qelunits._core import from_ucum as from_ucum
from qelunits._core import load_definitions as load_definitions
from qelunits._core import power_sum as power_sum
from qelunits._core import to_ucum as to_ucum

__version__: str
__all__ = [
    "BelowAbsoluteZeroError",
    "Context",
    "Converter",
    "Definitions",
    "Error",
    "IncompatibleUnitsError",
    "Level",
    "Quantity",
    "TemperaturePointError",
    "Unit",
    "UnitParseError",
    "convert",
    "convert_in_context",
    "define",
    "from_ucum",
    "load_definitions",
    "power_sum",
    "to_ucum",
    "units",
]

class _Units:
    Quantity: ClassVar[type[_core.Quantity]]
    Unit: ClassVar[type[_core.Unit]]
    @staticmethod
    def define(text: str, source: str = "definitions") -> None: ...
    @staticmethod
    def load_definitions(path: str | PathLike[str]) -> None: ...
    # Any name reads as a unit (or a constant's spelling as a Quantity), or raises AttributeError: units.km.
    def __getattr__(self, name: str) -> _core.Unit | _core.Quantity: ...
    def __dir__(self) -> List[str]: ...
    def __call__(self, text: str) -> _core.Quantity: ...
    def parse_expression(self, text: str) -> _core.Quantity: ...
    @staticmethod
    def parse_units(text: str) -> _core.Unit: ...
    def __getitem__(self, text: str) -> _core.Quantity: ...
    def __contains__(self, text: object) -> bool: ...
    @property
    def default_format(self) -> str: ...
    @default_format.setter
    def default_format(self, spec: str | None) -> None: ...
    def __reduce__(self) -> str: ...

units: _Units
