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
qelunits.units gives units as attributes, as a Pint registry does (units.km / units.h).
Importing pandas adds the dtype "qel[unit]" (pd.Series([1, 2], dtype="qel[psi]")) and the
accessor .qel to Series and DataFrame; convert() of a Series gives a Series.
"""

from qelunits._core import (
    BelowAbsoluteZeroError,
    Context,
    Converter,
    Definitions,
    Error,
    IncompatibleUnitsError,
    Level,
    Quantity,
    TemperaturePointError,
    Unit,
    UnitParseError,
    convert,
    convert_in_context,
    define,
    from_ucum,
    load_definitions,
    power_sum,
    to_ucum,
)
from qelunits import _accessor, _core
from qelunits._version import __version__

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
    """Units as attributes, as a Pint registry gives them: units.m, 3 * units.km / units.h.

    units("3.5 ft") and units.parse_expression read a quantity, units.parse_units a unit, and
    units.Quantity and units.Unit are the classes, so that code written for
    ureg = pint.UnitRegistry() runs with ureg = qelunits.units. A name that is no unit raises
    AttributeError with the reader's message. Physical constants are units by their names
    (units.speed_of_light, units.k_B), as in Pint; units["3 m"] reads as units("3 m"), "MHz" in units
    says whether a text reads as a unit, and units.default_format sets the format str() takes.
    """

    Quantity = Quantity
    Unit = Unit
    # As a Pint registry's, though here they extend what every text reads with, in every thread.
    define = staticmethod(define)
    load_definitions = staticmethod(load_definitions)

    def __dir__(self):
        """The units it reads as attributes (the catalogue's internal names, their symbols and common
        symbols), beside its own attributes; dir() and tab completion list them as they list Pint's."""
        return sorted(set(super().__dir__()) | _unit_names())

    def __getattr__(self, name):
        if name.startswith("__"):  # copy, pickle and the like look for protocols
            raise AttributeError(name)
        try:
            unit = Unit(name)
        except UnitParseError as error:
            try:  # a constant's spelling that the reader of units does not take
                unit = _core._constant(name)
            except UnitParseError as refused:  # "c" is centi: the constant's message names what to write
                raise AttributeError(str(refused if refused.kind == "refused_text" else error)) from error
        self.__dict__[name] = unit  # read once; then an ordinary attribute
        return unit

    def __getitem__(self, text):
        """units["3 m"] is units("3 m"), and units["m/s"] 1 m/s, as Pint's registry gives them."""
        return self(text)

    def __contains__(self, text):
        """Whether text reads as a unit: "MHz" in units."""
        if not isinstance(text, str):
            return False
        try:
            Unit(text)
        except UnitParseError:
            return False
        return True

    @property
    def default_format(self):
        """The format spec str() and format() of quantities and units take where none is given, as Pint's
        ureg.default_format: "~P" shows symbols. One setting for the whole process, read and written under
        the interpreter's lock: a thread that sets it changes what every thread writes from then on. "" for
        none (str() shows the unit as it was written)."""
        return _core._default_format()

    @default_format.setter
    def default_format(self, spec):
        _core._set_default_format(spec)

    def __call__(self, text):
        """The quantity text reads as: units("3.5 ft") is Quantity("3.5 ft"), and a unit alone is one of it,
        as Pint reads it: units("km/h") is Quantity(1, "km/h")."""
        try:
            return Quantity(text)
        except UnitParseError as error:
            if error.kind != "invalid_number" or error.position != len(text) - len(text.lstrip()):
                raise
        return Quantity(1.0, text)  # no number at the start: the unit's own error, if any, says why

    parse_expression = __call__

    @staticmethod
    def parse_units(text):
        """The unit text reads as: units.parse_units("m/s") is Unit("m/s")."""
        return Unit(text)

    def __repr__(self):
        return "qelunits.units"

    def __reduce__(self):
        return "units"  # the module's own object, wherever it is unpickled


# Spellings in common use beside the catalogue's own, as Pint writes them; a name the reader no longer takes
# is left out of dir() rather than listed.
_COMMON_SYMBOLS = (
    "s", "ms", "us", "ns", "min", "h", "d", "yr", "m", "km", "cm", "mm", "um", "nm", "inch", "ft", "yd", "mi",
    "nmi", "g", "kg", "mg", "t", "lb", "oz", "L", "mL", "gal", "K", "degC", "degF", "degR", "delta_degC",
    "delta_degF", "N", "kN", "J", "kJ", "MJ", "eV", "cal", "kcal", "Btu", "Wh", "kWh", "W", "mW", "kW", "MW",
    "GW", "hp", "Pa", "hPa", "kPa", "MPa", "bar", "mbar", "psi", "atm", "Hz", "kHz", "MHz", "GHz", "rpm", "A",
    "mA", "V", "ohm", "mol", "cd", "lm", "lx", "rad", "sr", "deg", "arcmin", "arcsec", "kn", "mph", "kph", "ha",
    "percent", "ppm",
)
_names = None


def _unit_names():
    """The names units reads, read once on the first dir(): a symbol is listed in the form Python's parser
    gives an identifier (NFKC, so µ is μ) where that form reads as the same unit."""
    global _names
    if _names is None:
        import unicodedata
        from qelunits._catalogue import INTERNAL_NAMES

        found = set()
        for name in INTERNAL_NAMES + _COMMON_SYMBOLS + tuple(_core._constant_names()):
            try:
                unit = Unit(name)
            except UnitParseError:
                continue
            found.add(name)
            symbol = unicodedata.normalize("NFKC", unit.symbol)
            try:
                if symbol.isidentifier() and "·" not in symbol and Unit(symbol) == unit:  # N·m is no name
                    found.add(symbol)
            except UnitParseError:
                pass
        _names = frozenset(found)
    return _names


units = _Units()

_accessor.install()
