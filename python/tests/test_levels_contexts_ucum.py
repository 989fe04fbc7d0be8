"""Levels of logarithmic units, conversions under a context, and UCUM codes, as the value API defines them."""

import doctest
import inspect
import math
import pathlib
import pickle
import re

import pytest

import qelunits
from qelunits import Context, Level, Quantity as Q, Unit, from_ucum, power_sum, to_ucum

# Exact in the SI.
C = 299792458.0  # m/s
H = 6.62607015e-34  # J s
E = 1.602176634e-19  # C
K_B = 1.380649e-23  # J/K


# (text or (value, unit), quantity it stands for, in unit)
LEVEL_QUANTITIES = [
    ("20 dBm", 100.0, "mW"), ((20, "dBm"), 0.1, "W"), ("-10 dBW", 100.0, "mW"), ("0 dBV", 1.0, "V"),
    ("20 dBµV", 10.0, "uV"), ("20 dBuV", 10.0, "uV"), ("94 dB(SPL)", 20e-6 * 10 ** (94 / 20), "Pa"),
]


@pytest.mark.parametrize("made, value, unit", LEVEL_QUANTITIES)
def test_level_stands_for_its_quantity(made, value, unit):
    level = Level(made) if isinstance(made, str) else Level(*made)
    assert level.to_quantity().m_as(unit) == pytest.approx(value, rel=1e-12)
    assert Level.from_quantity(Q(value, unit), level.unit).value == pytest.approx(level.value, abs=1e-12)


# (operation, expected text, expected number)
LEVEL_ARITHMETIC = [
    (lambda: Level("3 dB") + Level("3 dB"), "dB", 6.0), (lambda: Level("20 dBm") + Level("3 dB"), "dBm", 23.0),
    (lambda: Level("20 dBm") - Level("3 dB"), "dBm", 17.0), (lambda: Level("30 dBm") - Level("0 dBW"), "dB", 0.0),
    (lambda: Level("3 dB") * 2, "dB", 6.0), (lambda: 2 * Level("3 dB"), "dB", 6.0),
    (lambda: -Level("3 dB"), "dB", -3.0), (lambda: Level("0 dBW").to("dBm"), "dBm", 30.0),
    (lambda: Level("1 Np").to("dB"), "dB", 20 / math.log(10)), (lambda: Level("1 B").to("dB"), "dB", 10.0),
    (lambda: power_sum(Level("20 dBm"), Level("20 dBm")), "dBm", 10 * math.log10(200)),
    (lambda: Level.from_quantity("1 W", "dBm"), "dBm", 30.0),
]


@pytest.mark.parametrize("operation, unit, value", LEVEL_ARITHMETIC)
def test_level_arithmetic(operation, unit, value):
    result = operation()
    assert isinstance(result, Level) and result.unit == unit
    assert result.value == pytest.approx(value, rel=1e-12, abs=1e-12)


# (operation, exception, kind, words of the message)
REFUSALS = [
    (lambda: Level("20 dBm") + Level("20 dBm"), qelunits.Error, "invalid_argument", "levels do not add"),
    (lambda: Level("20 DBM"), qelunits.UnitParseError, None, None),
    (lambda: Level(math.nan, "dBm"), qelunits.UnitParseError, "invalid_number", None),
    # the hint names the context that would convert
    (lambda: Q("500 nm").to("THz"), qelunits.IncompatibleUnitsError, None, "spectroscopy"),
    (lambda: Context.thermal().to("-1 eV", "K"), qelunits.BelowAbsoluteZeroError, None, None),
    (lambda: Context.by_name("chemistry(18 g/mol"), qelunits.UnitParseError, None, None),
    (lambda: from_ucum("[IU]"), qelunits.UnitParseError, "refused_text", "arbitrary"),
    (lambda: from_ucum("[fot_i]"), qelunits.UnitParseError, "unknown_unit", None),
] + [(call, error, kind, None) for error, kind, calls in [
    (qelunits.Error, "invalid_argument", [
        lambda: Level("3 dB") - Level("20 dBm"), lambda: Level("20 dBm") * 2, lambda: Level("3 dB").to_quantity(),
        lambda: Level.from_quantity("0 W", "dBm")]),
    (qelunits.IncompatibleUnitsError, "incompatible_units", [
        lambda: Level("20 dBm") - Level("0 dBV"), lambda: Level.from_quantity("1 m", "dBm"),
        lambda: Context.spectroscopy().to("500 nm", "kg"), lambda: Context.chemistry("180 g")]),
    (qelunits.UnitParseError, "refused_text", [lambda: Level("85 dBA"), lambda: from_ucum("k[ft_i]"),
                                               lambda: from_ucum("dB")]),
    (qelunits.Error, None, [lambda: Context.chemistry("-1 g/mol"), lambda: Context.by_name("astrology")]),
    (TypeError, None, [lambda: Level(20), lambda: Level("20", "dBm"), lambda: Level("20 dBm") + 3,
                       lambda: Level("20 dBm") + Q(3, "W"), lambda: Level("20 dBm").to(Unit("W")),
                       lambda: Context.chemistry(3), lambda: qelunits.convert_in_context("1 m", "s", 7)]),
] for call in calls]


@pytest.mark.parametrize("operation, exception, kind, words", REFUSALS)
def test_refusals(operation, exception, kind, words):
    raised = pytest.raises(exception, operation)
    if kind is not None:
        assert raised.value.kind == kind
    if words is not None:
        assert words in str(raised.value)


def test_level_is_a_value():
    level = Level("20 dBm")
    assert (str(level), repr(level), level.is_ratio) == ("20 dBm", "Level('20 dBm')", False)
    assert eval(repr(Level(-6.5, "dBV"))) == Level(-6.5, "dBV")
    assert Level("0 dBW") == Level("30 dBm") and Level("3 dB") != Level("4 dB") and Level("3 dB") != 3
    odd = Level(0.1 + 0.2, "dB(SPL)")
    assert pickle.loads(pickle.dumps(odd)).value == odd.value  # the text is the shortest that reads back
    pytest.raises(AttributeError, setattr, level, "value", 3.0)
    pytest.raises(TypeError, hash, level)


# (quantity, unit, context, expected number)
IN_CONTEXT = [
    ("500 nm", "THz", Context.spectroscopy(), C / 500e-9 / 1e12),
    ("500 nm", "eV", Context.spectroscopy(), 2.4796839686640), ("500 nm", "eV", "spectroscopy", H * C / 500e-9 / E),
    ("1000 1/cm", "um", "sp", 10.0), ("100 mg/dL", "mmol/L", Context.chemistry("180.156 g/mol"), 1000 / 180.156),
    ("100 mg/dL", "mmol/L", Context.chemistry(Q(0.180156, "kg/mol")), 1000 / 180.156),
    ("1 mol", "g", Context.by_name("chemistry(18.01528 g/mol)"), 18.01528), ("1 eV", "K", Context.thermal(), E / K_B),
    ("2 m", "cm", Context.thermal(), 200.0),
]


@pytest.mark.parametrize("quantity, unit, context, expected", IN_CONTEXT)
def test_conversions_in_context(quantity, unit, context, expected):
    converted = qelunits.convert_in_context(Q(quantity), unit, context)
    assert converted.units == Unit(unit) and converted.magnitude == pytest.approx(expected, rel=1e-12)
    if isinstance(context, Context):
        assert context.to(quantity, unit).magnitude == pytest.approx(expected, rel=1e-12)
        assert context.relates(Q(quantity).units, unit) == (Q(quantity).units.dimension != Unit(unit).dimension)


def test_context_is_a_value():
    glucose = Context.chemistry("180.156 g/mol")
    assert (glucose.name, glucose.molar_mass.m_as("g/mol")) == ("chemistry", 180.156)
    assert Context.spectroscopy().molar_mass is None and Context.thermal().name == "thermal"
    assert Context(glucose.text) == glucose == pickle.loads(pickle.dumps(glucose))
    assert eval(repr(glucose)) == glucose and hash(Context("boltzmann")) == hash(Context.thermal())
    assert glucose != Context.chemistry("18 g/mol")


# (UCUM code, unit it converts to, factor, whether to_ucum writes the code for that unit)
UCUM = [
    ("mg/dL", "g/L", 0.01, False), ("[ft_i]", "m", 0.3048, False), ("[in_i]", "mm", 25.4, False),
    ("[lb_av]", "kg", 0.45359237, False), ("mm[Hg]", "Pa", 133.322, False), ("kg.m/s2", "N", 1.0, False),
    ("10*3/uL", "1/L", 1e9, False), ("{cells}/uL", "1/mL", 1e3, False), ("Cel", "degC", 1.0, False),
    ("[ft_i]/min", "ft/min", 1.0, True), ("kW.h", "kWh", 1.0, True), ("mg", "mg", 1.0, True),
]


@pytest.mark.parametrize("code, unit, factor, written", UCUM)
def test_ucum(code, unit, factor, written):
    assert Q(1.0, from_ucum(code)).m_as(unit) == pytest.approx(factor, rel=1e-12)
    if written:
        assert to_ucum(unit) == to_ucum(Unit(unit)) == code


def test_every_method_has_a_signature():
    methods = [getattr(cls, name) for cls in (Level, Context) for name in vars(cls)
               if callable(getattr(cls, name)) and name != "__new__"]
    methods += [qelunits.convert_in_context, from_ucum, to_ucum, power_sum, Level, Context]
    for method in methods:
        inspect.signature(method)  # raises ValueError where the docstring gives none
    assert len(methods) > 25 and str(inspect.signature(Level)) == "(value, unit=None, /)"


README = pathlib.Path(__file__).resolve().parents[2] / "README.md"


def test_readme_example():
    text = README.read_text(encoding="utf-8") if README.exists() else ""
    found = re.search(r"### Levels, contexts and UCUM codes\n.*?```python\n(.*?)```", text, re.S)
    if found is None:
        pytest.skip("README.md has no Python section on levels, contexts and UCUM codes")
    test = doctest.DocTestParser().get_doctest(found.group(1), {}, "README", str(README), 0)
    runner = doctest.DocTestRunner(optionflags=doctest.ELLIPSIS)
    runner.run(test)
    assert runner.failures == 0 and runner.tries > 0
