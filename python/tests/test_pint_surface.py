"""What Pint's users reach for, with ureg = qelunits.units: each row beside Pint itself where Pint gives a
value (magnitudes within 1e-12 relative), our own symbols where ours differ in presentation."""

import math
import pickle

import numpy as np
import pytest

import qelunits
from qelunits import Quantity as Q, Unit

pint = pytest.importorskip("pint")
PINT = pint.UnitRegistry()
ureg = qelunits.units


def close(x, y):
    return x == y or math.isclose(x, y, rel_tol=1e-12) or (math.isnan(x) and math.isnan(y))


# Our call, Pint's call on its registry, and our unit the result is in.
CONVERSIONS = [
    (lambda: Q(3, "kWh").to_base_units(), lambda p: p.Quantity(3, "kWh").to_base_units(), "kg*m^2/s^2"),
    (lambda: Q(25, "degC").to_base_units(), lambda p: p.Quantity(25, "degC").to_base_units(), "K"),
    (lambda: Q(1, "Hz").to_base_units(), lambda p: p.Quantity(1, "Hz").to_base_units(), "1/s"),
    (lambda: Q(5, "delta_degF").to_base_units(), lambda p: p.Quantity(5, "delta_degF").to_base_units(),
     "delta_degC"),
    (lambda: Q(2, "lbf").to_base_units(), lambda p: p.Quantity(2, "lbf").to_base_units(), "N"),
    (lambda: Q(1500, "m").to_compact(), lambda p: p.Quantity(1500, "m").to_compact(), "km"),
    (lambda: Q(1500, "N*m").to_compact(), lambda p: p.Quantity(1500, "N*m").to_compact(), "kN*m"),
    (lambda: Q(0.002, "kg").to_compact(), lambda p: p.Quantity(0.002, "kg").to_compact(), "g"),
    (lambda: Q(4.7e-9, "farad").to_compact(), lambda p: p.Quantity(4.7e-9, "F").to_compact(), "nF"),
    (lambda: Q(2.5e7, "Hz").to_compact(), lambda p: p.Quantity(2.5e7, "Hz").to_compact(), "MHz"),
    (lambda: Q(1, "m/km").to_reduced_units(), lambda p: p.Quantity(1, "m/km").to_reduced_units(), "1"),
    (lambda: Q(3, "ft/m").to_reduced_units(), lambda p: p.Quantity(3, "ft/m").to_reduced_units(), "1"),
    (lambda: Q(Q(1, "inch"), "cm"), lambda p: p.Quantity(p.Quantity(1, "inch"), "cm"), "cm"),
    (lambda: Q("2.54 * centimeter"), lambda p: p.Quantity("2.54 * centimeter"), "cm"),
    (lambda: Q("5 ft + 10 in").to("in"), lambda p: p.Quantity("5 ft + 10 in").to("in"), "in"),
    (lambda: Q("nan m"), lambda p: p.Quantity("nan m"), "m"),
    (lambda: ureg["3 m/s"], lambda p: p.parse_expression("3 m/s"), "m/s"),
    (lambda: ureg("km/h"), lambda p: p("km/h"), "km/h"),
    (lambda: (1 * ureg.speed_of_light).to("m/s"), lambda p: (1 * p.speed_of_light).to("m/s"), "m/s"),
    (lambda: (2 * ureg.k_B).to("J/K"), lambda p: (2 * p.k_B).to("J/K"), "J/K"),
    (lambda: (1 * ureg.standard_gravity).to("ft/s^2"), lambda p: (1 * p.g_0).to("ft/s**2"), "ft/s^2"),
    (lambda: Q(16, "m^2") ** 0.5, lambda p: p.Quantity(16, "m**2") ** 0.5, "m"),
    (lambda: Q(27, "m^3") ** (1 / 3), lambda p: p.Quantity(27, "m**3") ** (1 / 3), "m"),
]


def test_conversions_agree_with_pint():
    for ours, theirs, unit in CONVERSIONS:
        q, p = ours(), theirs(PINT)
        assert q.units == Unit(unit), (q, unit)
        assert close(q.magnitude, p.magnitude), (q, p)


def test_dimensionality_and_compatible_units():
    for text in ("m/s^2", "kWh", "degC", "N*m", "mol/L", "A*s", "cd"):
        ours = Q(1, text).dimensionality
        assert ours == dict(PINT.Quantity(1, text.replace("^", "**")).dimensionality), text
        assert Unit(text).dimensionality == ours
    assert Q(1, "rad").dimensionality == {"[angle]": 1}  # an angle is a dimension of its own here
    lengths = Q(1, "m").compatible_units()
    assert isinstance(lengths, frozenset) and {Unit("ft"), Unit("mi"), Unit("nmi")} <= lengths
    assert all(u.is_compatible_with("m") for u in lengths) and Unit("s") not in lengths
    assert Unit("degC") in Unit("K").compatible_units()


def test_registry():
    assert ("MHz" in ureg, "m/s" in ureg, "fot" in ureg, 3 in ureg) == ("MHz" in PINT, True, False, False)
    assert isinstance(ureg.speed_of_light, Unit) and ureg.Quantity is Q and ureg.Unit is Unit
    with pytest.raises(AttributeError, match="speed_of_light"):  # c is no unit here: the library names what to write
        ureg.c
    assert "speed_of_light" in dir(ureg)
    assert pickle.loads(pickle.dumps(ureg)) is ureg


def test_powers_of_units():
    assert (Unit("m^2") ** 0.5, Unit("m^3") ** (1 / 3), Unit("m") ** 2.0) == (Unit("m"), Unit("m"), Unit("m^2"))
    assert Unit("m^6") ** (2 / 3) == Unit("m^4")
    for power, error in [(0.5, qelunits.Error), (0.3, ValueError), (math.nan, ValueError)]:
        pytest.raises(error, lambda: Unit("m") ** power)
    assert pytest.raises(qelunits.Error, lambda: Unit("m") ** 0.5).value.kind == "fractional_power"
    # Roots of arrays as of one value: an odd root keeps the sign, as Pint's (NumPy's) cube root does.
    cubes = Q(np.array([8.0, -27.0, 2.0]), "m^3") ** (1 / 3)
    theirs = np.cbrt(PINT.Quantity(np.array([8.0, -27.0, 2.0]), "m**3")).magnitude
    assert cubes.units == Unit("m") and all(close(x, y) for x, y in zip(cubes.magnitude, theirs))


def test_in_place_conversions_point_to_the_new_quantity():
    q = Q(1, "km")
    for name, instead in [("ito", "to"), ("ito_base_units", "to_base_units"),
                          ("ito_reduced_units", "to_reduced_units"), ("ito_compact", "to_compact")]:
        with pytest.raises(TypeError, match=rf"immutable.*q = q\.{instead}\("):
            getattr(q, name)("m") if name == "ito" else getattr(q, name)()
    assert q.magnitude == 1 and q.units == Unit("km")


# Formats Pint writes as we do, beside it; then ours where they differ in presentation.
FORMATS = ["~P", "~C", "~L", "~H", ".2f~P"]


def test_formats_agree_with_pint():
    for text in ("m/s^2", "kg*m/s^2", "m^2", "1/s"):
        q, p = Q(3.5, text), PINT.Quantity(3.5, text.replace("^", "**"))
        for spec in FORMATS:
            assert format(q, spec) == format(p, spec).replace(" / ", "/").replace(" * ", "·").replace(
                " ** ", "^"), (text, spec)
    for q, spec, text in [(Q(3.5, "kilowatt_hour"), "~P", "3.5 kWh"), (Q(2.0, "second"), "~P", "2.0 s"),
                          (Q(1.0, "liter"), "~P", "1.0 L"), (Q(300.0, "kelvin"), "~P", "300.0 K"),
                          (Q(2.0, "hour"), "~P", "2.0 h"), (Q(3.5, "m/s^2"), "~", "3.5 m/s²")]:
        assert format(q, spec) == text


def test_jupyter_representations():
    q = Q(3.5, "m/s^2")
    assert q._repr_html_() == "3.5 m/s<sup>2</sup>" == format(PINT.Quantity(3.5, "m/s**2"), "~H")
    assert q._repr_latex_() == "$" + format(PINT.Quantity(3.5, "m/s**2"), "~L") + "$"
    assert Unit("m/s^2")._repr_html_() == "m/s<sup>2</sup>"

    class Printer:
        def text(self, text):
            self.written = text

    printer = Printer()
    q._repr_pretty_(printer, False)
    assert printer.written == str(q)
