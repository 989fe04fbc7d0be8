"""Core agreement: the module answers as the C++ core (the qelunits tool) and as Pint where Pint's
definitions agree."""

import math
import os
import re
import shlex
import subprocess

import numpy as np
import pytest
from hypothesis import HealthCheck, example, given, settings, strategies as st

import qelunits
from qelunits import Quantity as Q

TOOL = os.environ.get("QELUNITS_TOOL", "")


def _catalogue():
    """The catalogue's symbols grouped by unit type, as the tool lists them."""
    groups = []
    for code in range(31):
        listing = subprocess.run([TOOL, "list", "--type", str(code)], capture_output=True, text=True).stdout
        groups.append([line.split("\t")[2] for line in listing.splitlines() if line.count("\t") >= 3])
    return [texts for texts in groups if texts]


GROUPS = _catalogue() if os.path.exists(TOOL) else []
finite = st.floats(min_value=-1e12, max_value=1e12, allow_nan=False)


@st.composite
def conversions(draw):
    """Two units of one type (or a quotient of two types) and a value."""
    first, second = draw(st.sampled_from(GROUPS)), draw(st.sampled_from(GROUPS))
    pick = st.sampled_from
    if draw(st.booleans()):
        return draw(finite), draw(pick(first)), draw(pick(first))
    return draw(finite), f"{draw(pick(first))}/{draw(pick(second))}", f"{draw(pick(first))}/{draw(pick(second))}"


def _tool(rows):
    """Each row through the tool in one process: its number, or None where it refused the row."""
    lines = "".join(f"{value!r} {shlex.quote(a)} {shlex.quote(b)}\n".replace("'", '"') for value, a, b in rows)
    done = subprocess.run([TOOL, "--exact"], input=lines, capture_output=True, text=True)
    # The tool converts reciprocally where the types are each other's inverse and says so on stderr;
    # a plain conversion refuses those rows.
    reciprocal = {int(n) for n in re.findall(r"line (\d+): note: reciprocal conversion", done.stderr)}
    # One output line per input line; an empty one where the tool refused the row.
    return [float(line.split(" ", 1)[0]) if line and n not in reciprocal else None
            for n, line in enumerate(done.stdout.splitlines(), start=1)]


def _module(value, a, b):
    try:
        return qelunits.convert(value, a, b)
    except qelunits.Error:
        return None


@pytest.mark.skipif(not GROUPS, reason="the qelunits tool is not built (QELUNITS_TOOL)")
@settings(max_examples=30, deadline=None, database=None, suppress_health_check=[HealthCheck.data_too_large])
@given(st.lists(conversions(), min_size=8, max_size=16))
@example([(1.0, "N/Pa", "N/N/mm²"), (2.0, "m", "ft"), (-3.0, "m", "s")])  # a reciprocal pair, a plain one, a refusal
def test_same_answers_as_the_core(rows):
    expected = _tool(rows)
    for (value, a, b), want in zip(rows, expected):
        got = _module(value, a, b)
        assert got == want or (got is None and want is None), (value, a, b)
        if got is not None:  # the quantity and the array path give the same bits
            assert qelunits.Quantity(value, a).m_as(b) == got and qelunits.convert(np.array([value]), a, b)[0] == got


EVERYDAY = [
    (1, "m", "ft"), (100, "degC", "degF"), (-40, "degF", "degC"), (300, "K", "degC"), (1, "mi", "km"),
    (1, "lb", "kg"), (1, "gal", "L"), (1, "in", "mm"), (1, "kWh", "MJ"), (1, "bar", "kPa"), (60, "mph", "km/h"),
    (1, "ft^3", "L"), (1, "day", "s"), (1, "yd", "m"), (1, "l", "cm^3"), (1, "g/cm^3", "lb/ft^3"),
    (1, "km/h", "m/s"), (1, "eV", "J"), (1, "mbar", "hPa"), (1, "kgf", "N"), (1, "cup", "mL"),
]


def test_everyday_conversions_agree_with_pint():
    registry = pytest.importorskip("pint").UnitRegistry()
    for value, a, b in EVERYDAY:
        want = registry.Quantity(float(value), a).to(b).magnitude
        assert qelunits.convert(float(value), a, b) == pytest.approx(want, rel=1e-12), (a, b)


def test_a_plain_zero_adds_and_compares_in_any_unit():
    assert sum([Q(1, "m"), Q(2, "ft")]) == Q(1.6096, "m") and repr(Q(3, "s") + 0.0) == repr(Q(3, "s"))
    assert sum([Q(20, "degC"), Q(1, "delta_degC")]) == Q(21, "degC")
    assert sum([Q(np.arange(3.0), "s")] * 2).m_as("s").tolist() == [0.0, 2.0, 4.0]
    assert Q(1, "m") > 0 and not 0 > Q(1, "ft") and Q(0.0, "s") == 0 and 0 != Q(-1, "delta_degC")
    assert (Q(np.array([1.0, 0.0, -1.0]), "m") >= 0).tolist() == [True, True, False]
    assert Q(0, "degC") != 0  # 0 °C is no zero of temperature, and orders with a reading only
    # Only a zero, only a plain number, only a sum or comparison: the rest keeps its error.
    for call in (lambda: Q(1, "m") + 1, lambda: False + Q(1, "m"), lambda: float("nan") + Q(1, "m"),
                 lambda: Q(1, "m") - 0, lambda: np.float64(0) + Q(1, "m"), lambda: Q(1, "m") > 1):
        pytest.raises(qelunits.IncompatibleUnitsError, call)
    pytest.raises(qelunits.TemperaturePointError, lambda: Q(25, "degC") > 0).match("compares with a reading")


def test_base_units_for_every_catalogue_unit():  # beside Pint's in test_pint_surface
    assert Q(9, "delta_degF").to_base_units().units.is_temperature_difference
    speeds = Q(np.array([36.0, 72.0]), "km/h").to_base_units()
    assert str(speeds.units) == "m/s" and speeds.magnitude.tolist() == pytest.approx([10.0, 20.0], rel=1e-15)
    # Every catalogue unit's base units read back: the same quantity, in its own dimension.
    for q in (Q(1.5, text) for group in GROUPS for text in group):
        base = q.to_base_units()
        # One rounding apart at most: a conversion multiplies by the ratio, == divides the exact ratio out.
        assert abs((base - q).magnitude) <= 2e-16 * abs(base.magnitude), str(q)
        assert base.units.dimension == q.units.dimension and qelunits.Unit(str(base.units)) == base.units, str(q)


def test_plain_numbers_of_dimensionless_quantities():
    assert float(Q(3.7, "m/cm")) == 370.0 and int(Q(3.79, "m/cm")) == 379 and int(Q(-2.5, "1")) == -2
    # An empty unit is the pure number, as Pint reads it; written "1".
    assert Q(5, "%").to("").magnitude == 0.05 and repr(Q(2, " \u00a0")) == "<Quantity(2.0, '1')>"
    assert qelunits.convert([0.5], "", "%").tolist() == [50.0] and str(Q(2, "")) == str(Q(2, "m/m")) == "2.0"
    for call in (lambda: int(Q(3.7, "m")), lambda: float(Q(1, "degC"))):
        pytest.raises(qelunits.IncompatibleUnitsError, call)
    # Rounding keeps any unit, as round() and np.floor do; a reading stays one.
    assert repr((math.floor(Q(2.5, "m")), math.ceil(Q(-2.5, "degC")), math.trunc(Q(-1.5, "s")))) == \
        "(<Quantity(2.0, 'm')>, <Quantity(-2.0, 'degC')>, <Quantity(-1.0, 's')>)"


def test_whole_division_of_one_dimension():
    feet, inches = divmod(Q(70, "in"), Q(1, "ft"))  # b in a's unit: how many whole, and what is left
    assert repr((feet, inches)) == "(<Quantity(5.0, '1')>, <Quantity(10.0, 'in')>)"
    assert Q(100, "min") // Q(1, "h") == 1 and Q(100, "min") % Q(1, "h") == Q(40, "min")
    assert (Q(np.array([70.0, 80.0]), "in") // Q(1, "ft")).magnitude.tolist() == [5.0, 6.0]
    assert np.fmod(Q(-7.0, "m"), Q(200, "cm")) == Q(-1, "m") and 7 // Q(2, "m/m") == 3
    for call, error in [(lambda: Q(7, "m") // 2, qelunits.IncompatibleUnitsError),
                        (lambda: Q(7, "m") % Q(1, "s"), qelunits.IncompatibleUnitsError),
                        (lambda: divmod(Q(25, "degC"), Q(10, "delta_degC")), qelunits.TemperaturePointError)]:
        pytest.raises(error, call)


def test_reciprocal_dimensions_convert_only_when_asked():
    litres_per_100_km = 100 / (30 * qelunits.convert(1.0, "mi", "km") / qelunits.convert(1.0, "gal", "L"))
    paths = [qelunits.convert(30.0, "mpg", "L/100km", reciprocal=True),
             qelunits.convert(np.array([30.0]), "mpg", "L/100km", None, reciprocal=True)[0],
             qelunits.Converter("mpg", "L/100km", reciprocal=True)(30.0),
             Q(30, "mpg").to("L/100km", reciprocal=True).magnitude,
             Q(np.array([30.0]), "mpg").m_as("L/100km", reciprocal=True)[0]]
    assert paths == [paths[0]] * len(paths) and paths[0] == pytest.approx(litres_per_100_km, rel=1e-12)
    # Asking changes nothing where units convert as they are; 0 has no reciprocal but inf in an array (the
    # refusals are among the errors).
    assert qelunits.convert(3.0, "m", "ft", reciprocal=True) == qelunits.convert(3.0, "m", "ft")
    assert qelunits.convert(np.array([0.0]), "s/m", "m/s", reciprocal=True).tolist() == [np.inf]
    for call in (lambda: qelunits.convert(1.0, "m", "ft", recip=True), lambda: Q(1, "m").to("ft", True)):
        pytest.raises(TypeError, call)


def test_units_as_attributes_as_a_registry_gives_them():
    ureg = qelunits.units
    assert 3 * ureg.km / ureg.h == qelunits.Quantity(3, "km/h") and ureg.m is ureg.m
    assert (25 * ureg.degC).to(ureg.degF).magnitude == 77.0 and ureg("3.5 ft") == ureg.Quantity(3.5, "ft")
    assert ureg.parse_expression("2 m") == qelunits.Quantity(2, "m") and ureg.parse_units("kJ/(kg*K)") is ureg.Unit("kJ/(kg*K)")
    assert repr(ureg(" km/h")) == "<Quantity(1.0, 'km/h')>"  # a unit alone is one of it, as in Pint
    pytest.raises(qelunits.UnitParseError, ureg, "fot").match("unknown unit 'fot'")
    pytest.raises(qelunits.UnitParseError, ureg, "2 fot").match("unknown unit 'fot' at 2")
    raised = pytest.raises(AttributeError, getattr, ureg, "fot")
    assert raised.match("did you mean 'ft'") and isinstance(raised.value.__cause__, qelunits.UnitParseError)
    assert not hasattr(ureg, "__wrapped__")  # probes of tools (inspect.unwrap) find nothing
