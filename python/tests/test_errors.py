"""Errors: exception classes by the library's kinds, with its message and the position in the text."""

import numpy as np
import pytest

import qelunits
from qelunits import Quantity as Q, Unit

# A call, the exception class, its kind, the position and a part of the message.
ROWS = [
    (lambda: Unit("kg/fot"), qelunits.UnitParseError, "unknown_unit", 3, "did you mean 'ft'?"),
    (lambda: Unit("m/(s"), qelunits.UnitParseError, "syntax", 2, ""),
    (lambda: Unit("()"), qelunits.UnitParseError, "syntax", 0, "empty parentheses"),
    (lambda: Q("3.5 fot"), qelunits.UnitParseError, "unknown_unit", 4, "fot"),
    (lambda: Q("5 ft 10 in"), qelunits.UnitParseError, "ambiguous_text", 5, "did you mean 5 ft + 10 in?"),
    (lambda: Q("1e999 m"), qelunits.Error, "out_of_range", 0, ""),
    (lambda: Q(1, "m") + Q(1, "s"), qelunits.IncompatibleUnitsError, "incompatible_units", None, "m"),
    (lambda: Q(1, "m") < Q(1, "s"), qelunits.IncompatibleUnitsError, "incompatible_units", None, ""),
    (lambda: qelunits.convert(1.0, "m", "kg"), qelunits.IncompatibleUnitsError, "incompatible_units", None, ""),
    (lambda: Q(1, "m") + 2, qelunits.IncompatibleUnitsError, "incompatible_units", None, ""),
    (lambda: Q(1, "m^3") ** 0.5, qelunits.Error, "fractional_power", None, "fractional"),
    # Over arrays the message names the units, not values the arrays do not hold.
    (lambda: np.sum(Q(np.array([20.0, 30.0]), "degC")), qelunits.TemperaturePointError, "temperature_point", None,
     "°C + °C: "),
    (lambda: Q(np.ones(2), "m") / Q(np.ones(2), "degC"), qelunits.TemperaturePointError, "temperature_point", None,
     "m / °C: "),
    (lambda: np.sqrt(Q(np.ones(2), "m")), qelunits.Error, "fractional_power", None, "m ^ 0.5: "),
    (lambda: Q(-1, "K").to("degC"), qelunits.BelowAbsoluteZeroError, "below_absolute_zero", None, "absolute zero"),
    (lambda: Q(1e300, "km").to("nm"), qelunits.Error, "out_of_range", None, ""),
    (lambda: qelunits.convert(1e308, "m", "ft"), qelunits.Error, "out_of_range", None, "1e+308 m in ft"),
    # Reciprocal dimensions convert only when asked, and 0 has no reciprocal.
    (lambda: Q(30, "mpg").to("L/100km"), qelunits.IncompatibleUnitsError, "incompatible_units", None,
     "only when asked (reciprocal=True)"),
    (lambda: qelunits.Converter("min/km", "km/h"), qelunits.IncompatibleUnitsError, "incompatible_units", None,
     "only when asked (reciprocal=True)"),
    (lambda: Q(0, "s/m").to("m/s", reciprocal=True), qelunits.Error, "out_of_range", None, "no finite reciprocal"),
]


def test_kinds_positions_and_messages():
    for call, cls, kind, position, message in ROWS:
        with pytest.raises(cls) as raised:
            call()
        error = raised.value
        assert (error.kind, error.position) == (kind, position), error.message
        assert message in error.message and str(error) == error.message


def test_classes_derive_from_the_builtin_ones():
    assert issubclass(qelunits.UnitParseError, ValueError)
    for cls in (qelunits.IncompatibleUnitsError, qelunits.TemperaturePointError):
        assert issubclass(cls, ValueError) and issubclass(cls, TypeError)
    for call in (lambda: Unit(3), lambda: Q("3", "m"), lambda: qelunits.convert(1.0, "m"), lambda: len(Q(1, "m")),
                 lambda: qelunits._core._parse_uncached(3), lambda: Unit.__new__(Unit, text="m")):
        pytest.raises(TypeError, call)
    for call in (lambda: Unit("m") / "s", lambda: Q(1, "m") / b"s"):  # a text is no operand, nor an array
        pytest.raises(TypeError, call).match("unsupported operand type")
    for call in (lambda: qelunits.convert(10**400, "m", "ft"), lambda: Unit("m") ** 10**30):
        pytest.raises(OverflowError, call)
    assert Unit.__new__(Unit, "km") == Unit("km") and Q(2.5).units == Unit("1")  # every way in reads alike


def test_comparisons_convert_and_compare_exactly():
    m, cm = Q(1, "m"), Q(100, "cm")
    assert (m == Q(1, "s"), m != Q(1, "s"), cm == m, m < cm, m <= cm, m > cm, m >= cm) == (
        False, True, True, False, True, False, True)
    assert qelunits.convert(-1.0, "m", "cm") == -100.0
