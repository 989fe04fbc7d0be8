"""The module's results agree bit for bit with the value API's, for one value and for arrays: the C++
program tests/python_reference.cpp (its path in QELUNITS_PYTHON_REFERENCE, as ctest sets it) gives the
value API's answers."""

import itertools
import os
import subprocess

import numpy as np
import pytest

import qelunits
from qelunits import Quantity as Q, Unit

REFERENCE = os.environ.get("QELUNITS_PYTHON_REFERENCE")
pytestmark = pytest.mark.skipif(not REFERENCE, reason="QELUNITS_PYTHON_REFERENCE names no reference program")

# Units of every kind the rules tell apart: plain, scaled, compound, dimensionless, angles, readings on offset
# and absolute scales, differences.
UNITS = ["m", "ft", "in", "km/h", "mi/h", "mg", "kJ/(kg*K)", "1", "%", "rad", "deg", "degC", "degF", "K", "degR",
         "delta_degC", "delta_degF", "Hz", "s"]
VALUES = [0.1, 3.5, -40.0, 273.15, 1.0 / 3.0, 1e10, 7e-5, 0.0]
NUMBERS = [3.0, -0.7, 1.0 / 7.0, 1e-3]


def reference(lines):
    """The value API's answers to lines: ("ok", value, unit), ("ok", order) or ("error", kind)."""
    out = subprocess.run([REFERENCE], input="".join(line + "\n" for line in lines), capture_output=True, text=True,
                         check=True).stdout.splitlines()
    assert len(out) == len(lines)
    answers = []
    for row in out:
        fields = row.split("\t")
        if fields[0] == "error":
            answers.append(("error", fields[1].replace(" ", "_")))
        elif len(fields) == 2:
            answers.append(("ok", int(fields[1])))
        else:
            answers.append(("ok", float.fromhex(fields[1]), Unit(fields[2])))
    return answers


def outcome(call):
    try:
        return ("ok", call())
    except qelunits.Error as error:
        return ("error", error.kind)


def same_bits(x, y):
    return float(x).hex() == float(y).hex() or (np.isnan(x) and np.isnan(y))


def check(cases):
    """cases: (line for the reference, call giving a Quantity, bool or int, or raising); every answer agrees."""
    for (line, call), expected in zip(cases, reference([line for line, _ in cases])):
        got = outcome(call)
        assert got[0] == expected[0], (line, got, expected)
        if expected[0] == "error":
            assert got[1] == expected[1], (line, got, expected)
        elif isinstance(got[1], Q):
            q = got[1]
            assert same_bits(q.magnitude, expected[1]) and q.units == expected[2], (line, q, expected)
        else:
            assert got[1] == expected[1], (line, got, expected)


def hexes(*values):
    return [float(v).hex() for v in values]


def test_scalar_arithmetic_and_conversions():
    cases = []
    for ua, ub in itertools.product(UNITS, repeat=2):
        for a, b in itertools.product(VALUES[:4], VALUES[1:5]):
            x, y = Q(a, ua), Q(b, ub)
            ha, hb = hexes(a, b)
            for op, call in (("add", lambda x=x, y=y: x + y), ("sub", lambda x=x, y=y: x - y),
                             ("mul", lambda x=x, y=y: x * y), ("div", lambda x=x, y=y: x / y)):
                cases.append((f"{op}\t{ha}\t{ua}\t{hb}\t{ub}", call))
            cases.append((f"to\t{ha}\t{ua}\t{ub}", lambda x=x, ub=ub: x.to(ub)))
    check(cases)


def test_scalar_numbers_powers_and_roots():
    cases = []
    for unit, a, n in itertools.product(UNITS, VALUES, NUMBERS):
        x = Q(a, unit)
        ha, hn = hexes(a, n)
        cases += [(f"scale\t{ha}\t{unit}\t{hn}", lambda x=x, n=n: x * n),
                  (f"rscale\t{ha}\t{unit}\t{hn}", lambda x=x, n=n: n * x),
                  (f"divn\t{ha}\t{unit}\t{hn}", lambda x=x, n=n: x / n),
                  (f"rdivn\t{ha}\t{unit}\t{hn}", lambda x=x, n=n: n / x)]
    for unit, a in itertools.product(UNITS + ["m^2", "ft^2/s^2", "m^3"], VALUES):
        x = Q(a, unit)
        ha = hexes(a)[0]
        for n in (2, 3, -1, 0):
            cases.append((f"pow\t{ha}\t{unit}\t{float(n).hex()}", lambda x=x, n=n: x ** n))
        cases.append((f"root\t{ha}\t{unit}\t{float(2).hex()}", lambda x=x: x ** 0.5))
        cases.append((f"root\t{ha}\t{unit}\t{float(3).hex()}", lambda x=x: x ** (1 / 3)))
    check(cases)


def test_scalar_comparisons():
    def order(x, y):
        lower = x < y
        equal = x == y
        assert (x > y) == (not lower and not equal) and (x <= y) == (lower or equal)
        return -1 if lower else 0 if equal else 1

    cases = []
    for ua, ub in itertools.product(UNITS, repeat=2):
        for a, b in [(1.0, 1.0), (0.3048, 1.0), (12.0, 1.0), (-40.0, -40.0), (273.15, 0.0), (1e10, 3.5)]:
            x, y = Q(a, ua), Q(b, ub)
            cases.append((f"cmp\t{float(a).hex()}\t{ua}\t{float(b).hex()}\t{ub}", lambda x=x, y=y: order(x, y)))
    check(cases)


def test_arrays_agree_with_one_value_at_a_time():
    """Each value of an array result is the value API's answer for that value; a failure of the units is the
    same failure, where one of a value (out of range) leaves the value as NumPy leaves it."""
    values = np.array(VALUES[:-1])  # no 0, whose quotient a scalar refuses and an array leaves infinite
    hx = [v.hex() for v in values]
    for ua, ub in itertools.product(UNITS, repeat=2):
        x, y = Q(values, ua), Q(values[::-1], ub)
        calls = {"add": lambda: x + y, "sub": lambda: x - y, "mul": lambda: x * y, "div": lambda: x / y,
                 "to": lambda: x.to(ub)}
        for op, call in calls.items():
            if op == "to":
                lines = [f"to\t{a}\t{ua}\t{ub}" for a in hx]
            else:
                lines = [f"{op}\t{a}\t{ua}\t{b}\t{ub}" for a, b in zip(hx, hx[::-1])]
            compare_array(lines, call)
    for unit in UNITS + ["m^2", "m^3"]:
        x = Q(values, unit)
        for n in NUMBERS:
            hn = float(n).hex()
            for op, call in (("scale", lambda: x * n), ("rscale", lambda: n * x), ("divn", lambda: x / n),
                             ("rdivn", lambda: n / x), ("divn", lambda: np.divide(x, n))):
                compare_array([f"{op}\t{a}\t{unit}\t{hn}" for a in hx], call)
        for n in (2, 3, -1):
            compare_array([f"pow\t{a}\t{unit}\t{float(n).hex()}" for a in hx], lambda: x ** n)
        positive = Q(np.abs(values), unit)
        compare_array([f"root\t{abs(v).hex()}\t{unit}\t{float(2).hex()}" for v in values], lambda: np.sqrt(positive))
        compare_array([f"root\t{a}\t{unit}\t{float(3).hex()}" for a in hx], lambda: x ** (1 / 3))


def compare_array(lines, call):
    answers = reference(lines)
    got = outcome(call)
    # A failure of the units fails the whole, as does a value below absolute zero (the first one named); a
    # value out of range is left as NumPy leaves it.
    failures = [a for a in answers if a[0] == "error" and a[1] in ("incompatible_units", "temperature_point",
                                                                     "fractional_power", "below_absolute_zero")]
    if failures:
        assert got == failures[0], (lines[0], got)
        return
    assert got[0] == "ok", (lines[0], got)
    q = got[1]
    for line, expected, value in zip(lines, answers, np.ravel(q.magnitude)):
        if expected[0] == "ok":
            assert same_bits(value, expected[1]) and q.units == expected[2], (line, value, q.units, expected)


def test_array_comparisons():
    a = np.array([1.0, 0.3048, 12.0, -40.0, 273.15, 1e10])
    b = np.array([1.0, 1.0, 1.0, -40.0, 0.0, 3.5])
    for ua, ub in itertools.product(UNITS, repeat=2):
        answers = reference([f"cmp\t{x.hex()}\t{ua}\t{y.hex()}\t{ub}" for x, y in zip(a, b)])
        x, y = Q(a, ua), Q(b, ub)
        if answers[0][0] == "error":
            assert outcome(lambda: x < y) == answers[0]
            continue
        assert (x < y).tolist() == [r[1] < 0 for r in answers], (ua, ub)
        assert (x == y).tolist() == [r[1] == 0 for r in answers], (ua, ub)
