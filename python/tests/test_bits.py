"""The module agrees bit for bit with the value API, whose answers tests/python_reference.cpp gives (its path in
QELUNITS_PYTHON_REFERENCE, as ctest sets it), for one value and for arrays."""

import itertools
import operator
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
CMP_A, CMP_B = [1.0, 0.3048, 12.0, -40.0, 273.15, 1e10], [1.0, 1.0, 1.0, -40.0, 0.0, 3.5]
BINARY = {"add": operator.add, "sub": operator.sub, "mul": operator.mul, "div": operator.truediv}
BY_NUMBER = {"scale": operator.mul, "rscale": lambda x, n: n * x, "divn": operator.truediv, "rdivn": lambda x, n: n / x}


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


def test_scalar_arithmetic_and_conversions():
    cases = []
    for ua, ub, a, b in itertools.product(UNITS, UNITS, VALUES[:4], VALUES[1:5]):
        x, y, ha, hb = Q(a, ua), Q(b, ub), a.hex(), b.hex()
        cases += [(f"{op}\t{ha}\t{ua}\t{hb}\t{ub}", lambda f=f, x=x, y=y: f(x, y)) for op, f in BINARY.items()]
        cases.append((f"to\t{ha}\t{ua}\t{ub}", lambda x=x, ub=ub: x.to(ub)))
    check(cases)


def test_scalar_numbers_powers_and_roots():
    cases = []
    for unit, a, n in itertools.product(UNITS, VALUES, NUMBERS):
        x, ha, hn = Q(a, unit), a.hex(), n.hex()
        cases += [(f"{op}\t{ha}\t{unit}\t{hn}", lambda f=f, x=x, n=n: f(x, n)) for op, f in BY_NUMBER.items()]
    for unit, a in itertools.product(UNITS + ["m^2", "ft^2/s^2", "m^3"], VALUES):
        x, ha = Q(a, unit), a.hex()
        cases += [(f"pow\t{ha}\t{unit}\t{float(n).hex()}", lambda x=x, n=n: x ** n) for n in (2, 3, -1, 0)]
        cases += [(f"root\t{ha}\t{unit}\t{float(n).hex()}", lambda x=x, n=n: x ** (1 / n)) for n in (2, 3)]
    check(cases)


def test_scalar_comparisons():
    def order(x, y):
        lower, equal = x < y, x == y
        assert (x > y) == (not lower and not equal) and (x <= y) == (lower or equal)
        return -1 if lower else 0 if equal else 1

    check([(f"cmp\t{a.hex()}\t{ua}\t{b.hex()}\t{ub}", lambda x=Q(a, ua), y=Q(b, ub): order(x, y))
           for ua, ub in itertools.product(UNITS, repeat=2) for a, b in zip(CMP_A, CMP_B)])


def test_arrays_agree_with_one_value_at_a_time():
    """Each value of an array result is the value API's answer for that value; a failure of the units is the
    same failure, where one of a value (out of range) leaves the value as NumPy leaves it."""
    values = np.array(VALUES[:-1])  # no 0, whose quotient a scalar refuses and an array leaves infinite
    hx = [v.hex() for v in values]
    for ua, ub in itertools.product(UNITS, repeat=2):
        x, y = Q(values, ua), Q(values[::-1], ub)
        for op, f in BINARY.items():
            compare_array([f"{op}\t{a}\t{ua}\t{b}\t{ub}" for a, b in zip(hx, hx[::-1])], lambda: f(x, y))
        compare_array([f"to\t{a}\t{ua}\t{ub}" for a in hx], lambda: x.to(ub))
    for unit in UNITS + ["m^2", "m^3"]:
        x = Q(values, unit)
        for n in NUMBERS:
            hn = float(n).hex()
            for op, f in list(BY_NUMBER.items()) + [("divn", np.divide)]:
                compare_array([f"{op}\t{a}\t{unit}\t{hn}" for a in hx], lambda: f(x, n))
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
    a, b = np.array(CMP_A), np.array(CMP_B)
    for ua, ub in itertools.product(UNITS, repeat=2):
        answers = reference([f"cmp\t{x.hex()}\t{ua}\t{y.hex()}\t{ub}" for x, y in zip(a, b)])
        x, y = Q(a, ua), Q(b, ub)
        if answers[0][0] == "error":
            assert outcome(lambda: x < y) == answers[0]
            continue
        assert (x < y).tolist() == [r[1] < 0 for r in answers], (ua, ub)
        assert (x == y).tolist() == [r[1] == 0 for r in answers], (ua, ub)
