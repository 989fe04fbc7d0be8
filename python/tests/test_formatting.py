"""Texts: str, repr, f-string formats with the number's format options and S (the text), N (names) or Pint's
'~' (symbols) and P, D, C for the unit."""

import numpy as np
import pytest

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
    # Pint's options: '~' anywhere for symbols, a trailing P, D or C for names (symbols with '~').
    (Q(3.5, "meter"), "~P", "3.5 m"),
    (Q(3.5, "meter"), ".2f~", "3.50 m"),
    (Q(3.5, "meter"), ".1fD", "3.5 Meter"),
    (Q(3.5, "meter"), "~S", "3.5 meter"),
    (Q(3.5, "meter"), "~^7.1f~", "~~3.5~~ m"),
    (Unit("meter"), ">3~", "  m"),
]


def test_formats():
    for value, options, text in ROWS:
        assert format(value, options) == text, (value, options)
    for value in (Q(3.5, "ft"), Unit("ft")):  # refused by name, not with the float's complaint
        pytest.raises(ValueError, format, value, "~L").match("no LaTeX or HTML")


def test_str_and_repr_read_back():
    for q in (Q(0.1, "mg"), Q("  -40 degF "), Q(1e-300, "m^2"), Q(3, "ft") + Q(1, "m")):
        assert repr(q) == f"<Quantity({q.magnitude!r}, {str(q.units)!r})>"
        back = Q(str(q))
        assert back.magnitude == q.magnitude and back.units == q.units
    assert str(Q(np.array([1.0, 2.0]), "m")) == "[1. 2.] m" and repr(Unit("km")) == "Unit('km')"
