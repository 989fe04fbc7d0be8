"""Texts: str, repr, f-string formats with the number's format options, then the unit's modifiers as the value
API's splitFormatSpec reads them: S or Pint's '~' (symbols), N (names), Pint's P, D, C (ASCII), L (LaTeX), H
(HTML); none shows the unit as written, or as units.default_format says."""

import numpy as np
import pytest

import qelunits
from qelunits import Quantity as Q, Unit

ROWS = [
    (Q(3.5, "ft"), "", "3.5 ft"),
    (Q(3.5, "ft"), ".2f", "3.50 ft"),
    (Q(3.5, "ft"), ".1fN", "3.5 Foot"),
    (Q(3.5, "ft"), ">6S", "   3.5 ft"),
    (Q(1234.5, "kJ/(kg*K)"), ".3e", "1.234e+03 kJ/(kg*K)"),
    (Q(2.0, "1"), ".1f", "2.0"),
    (Q(np.array([1.5, 2.25]), "m"), ".2f", "[1.50 2.25] m"),  # each value of an array
    (Q(20, "degC") - Q(5, "degC"), "g", "15 Δ°C"),
    (Unit("m/s"), "N", "Meter per second"),
    # Pint's options: '~' first or last for symbols, a trailing P or D for names (symbols with '~').
    (Q(3.5, "meter"), "~P", "3.5 m"),
    (Q(3.5, "meter"), ".2f~", "3.50 m"),
    (Q(3.5, "meter"), ".1fD", "3.5 Meter"),
    (Q(3.5, "meter"), "~S", "3.5 m"),
    (Q(3.5, "meter"), "S", "3.5 m"),
    (Q(3.5, "meter"), "~^7.1f", "  3.5   m"),  # '~' first is never a fill
    (Q(3.5, "meter"), "#^7.1f", "##3.5## meter"),  # '#' as a fill is one
    (Unit("meter"), ">3~", "  m"),
    # ASCII, LaTeX and HTML, as the value API writes them.
    (Q(3.0, "m/s**2"), "~C", "3.0 m/s**2"),
    (Q(3.0, "m/s**2"), "~L", r"3.0\ \frac{\mathrm{m}}{\mathrm{s}^{2}}"),
    (Q(3.0, "m/s**2"), "~H", "3.0 m/s<sup>2</sup>"),
    (Q(1.0, "kJ/(kg*K)"), "L", r"1.0\ \frac{\mathrm{kJ}}{\mathrm{kg} \cdot \mathrm{K}}"),
    (Q(1.0, "kJ/(kg*K)"), ".1fC", "1.0 kJ/(kg*K)"),
    (Q(20.0, "degC") - Q(5.0, "degC"), "gC", "15 delta_degC"),
    (Q(20.0, "degC"), "gC", "20 degC"),
    (Unit("um^2"), "C", "um**2"),
    (Unit("ohm*m"), "~C", "ohm*m"),
    (Unit("m^2/s"), "H", "m<sup>2</sup>/s"),
]


def test_formats():
    for value, options, text in ROWS:
        assert format(value, options) == text, (value, options)
    # Modifiers that contradict each other, or that Pint reads otherwise ('#', its compact form), are refused
    # by name rather than read some other way.
    for value in (Q(3.5, "ft"), Unit("ft")):
        for spec, reason in [("~N", "contradict"), (".2fPL", "one unit style letter"), ("~.1f~", "one '~'"),
                             ("#.2f", "to_compact"), ("~^#P", "to_compact")]:
            pytest.raises(ValueError, format, value, spec).match(reason)


def test_default_format():
    units = qelunits.units
    assert units.default_format == ""
    try:
        units.default_format = "~P"
        assert (str(Q(3.5, "meter")), str(Unit("meter")), format(Q(3.5, "meter"), ".2f")) == ("3.5 m", "m", "3.50 m")
        assert format(Q(3.5, "meter"), "N") == "3.5 Meter"  # a spec's own modifier wins
        units.default_format = ".1f~C"
        assert str(Q(2.25, "m/s^2")) == "2.2 m/s**2" and units.default_format == ".1f~C"
        pytest.raises(ValueError, setattr, units, "default_format", "~N")
    finally:
        units.default_format = ""
    assert str(Q(3.5, "meter")) == "3.5 meter"


def test_str_and_repr_read_back():
    for q in (Q(0.1, "mg"), Q("  -40 degF "), Q(1e-300, "m^2"), Q(3, "ft") + Q(1, "m")):
        assert repr(q) == f"<Quantity({q.magnitude!r}, {str(q.units)!r})>"
        back = Q(str(q))
        assert back.magnitude == q.magnitude and back.units == q.units
    assert str(Q(np.array([1.0, 2.0]), "m")) == "[1. 2.] m" and repr(Unit("km")) == "Unit('km')"
