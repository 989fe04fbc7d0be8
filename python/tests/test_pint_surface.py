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


# Calls made alike with our Quantity and registry and with Pint's, and our unit the result is in.
CONVERSIONS = [(lambda q, r, v=v, u=u, f=f: getattr(q(v, u), f)(), unit) for v, u, f, unit in [
    (3, "kWh", "to_base_units", "kg*m^2/s^2"), (25, "degC", "to_base_units", "K"), (1, "Hz", "to_base_units", "1/s"),
    (5, "delta_degF", "to_base_units", "delta_degC"), (2, "lbf", "to_base_units", "N"),
    (60, "mph", "to_base_units", "m/s"), (2, "kJ/(kg*K)", "to_base_units", "m^2/(s^2*K)"),
    (1500, "m", "to_compact", "km"), (1500, "N*m", "to_compact", "kN*m"), (0.002, "kg", "to_compact", "g"),
    (4.7e-9, "farad", "to_compact", "nF"), (2.5e7, "Hz", "to_compact", "MHz"),
    (1, "m/km", "to_reduced_units", "1"), (3, "ft/m", "to_reduced_units", "1"),
]] + [
    (lambda q, r: q(q(1, "inch"), "cm"), "cm"), (lambda q, r: q("2.54 * centimeter"), "cm"),
    (lambda q, r: q("5 ft + 10 in").to("in"), "in"), (lambda q, r: q("nan m"), "m"), (lambda q, r: r["3 m/s"], "m/s"),
    (lambda q, r: r("km/h"), "km/h"), (lambda q, r: (1 * r.speed_of_light).to("m/s"), "m/s"),
    (lambda q, r: (2 * r.k_B).to("J/K"), "J/K"), (lambda q, r: (1 * r.standard_gravity).to("ft/s^2"), "ft/s^2"),
    (lambda q, r: q(16, "m^2") ** 0.5, "m"), (lambda q, r: q(27, "m^3") ** (1 / 3), "m"),
]


def test_conversions_agree_with_pint():
    for call, unit in CONVERSIONS:
        q, p = call(Q, ureg), call(PINT.Quantity, PINT)
        assert q.units == Unit(unit) and close(q.magnitude, p.magnitude), (q, p, unit)


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
    # c is no unit here: the library names what to write
    pytest.raises(AttributeError, getattr, ureg, "c").match("speed_of_light")
    assert "speed_of_light" in dir(ureg) and pickle.loads(pickle.dumps(ureg)) is ureg


def test_powers_of_units():
    assert (Unit("m^2") ** 0.5, Unit("m^3") ** (1 / 3), Unit("m") ** 2.0) == (Unit("m"), Unit("m"), Unit("m^2"))
    assert Unit("m^6") ** (2 / 3) == Unit("m^4")
    for power in (0.3, math.nan):
        pytest.raises(ValueError, lambda: Unit("m") ** power)
    assert pytest.raises(qelunits.Error, lambda: Unit("m") ** 0.5).value.kind == "fractional_power"
    # Roots of arrays as of one value: an odd root keeps the sign, as Pint's (NumPy's) cube root does.
    cubes = Q(np.array([8.0, -27.0, 2.0]), "m^3") ** (1 / 3)
    theirs = np.cbrt(PINT.Quantity(np.array([8.0, -27.0, 2.0]), "m**3")).magnitude
    assert cubes.units == Unit("m") and all(close(x, y) for x, y in zip(cubes.magnitude, theirs))


def test_in_place_conversions_point_to_the_new_quantity():
    q = Q(1, "km")
    for name, instead in [("ito", "to"), ("ito_base_units", "to_base_units"),
                          ("ito_reduced_units", "to_reduced_units"), ("ito_compact", "to_compact")]:
        pytest.raises(TypeError, getattr(q, name), *(["m"] if name == "ito" else [])).match(
            rf"immutable.*q = q\.{instead}\(")
    assert q.magnitude == 1 and q.units == Unit("km")


# Formats Pint writes as we do, beside it; then ours where they differ in presentation.
FORMATS = ["~P", "~C", "~L", "~H", ".2f~P"]


def test_formats_agree_with_pint():
    for text in ("m/s^2", "kg*m/s^2", "m^2", "1/s"):
        q, p = Q(3.5, text), PINT.Quantity(3.5, text.replace("^", "**"))
        for spec in FORMATS:
            assert format(q, spec) == format(p, spec).replace(" / ", "/").replace(" * ", "·").replace(
                " ** ", "^"), (text, spec)
    for unit, text in [("kilowatt_hour", "2.5 kWh"), ("second", "2.5 s"), ("liter", "2.5 L"), ("kelvin", "2.5 K"),
                       ("hour", "2.5 h")]:
        assert format(Q(2.5, unit), "~P") == text
    assert format(Q(3.5, "m/s^2"), "~") == "3.5 m/s²"


def test_jupyter_representations():
    q = Q(3.5, "m/s^2")
    assert q._repr_html_() == "3.5 m/s<sup>2</sup>" == format(PINT.Quantity(3.5, "m/s**2"), "~H")
    assert q._repr_latex_() == "$" + format(PINT.Quantity(3.5, "m/s**2"), "~L") + "$"
    assert Unit("m/s^2")._repr_html_() == "m/s<sup>2</sup>"

    written = []
    q._repr_pretty_(type("Printer", (), {"text": lambda self, text: written.append(text)})(), False)
    assert written == [str(q)]
