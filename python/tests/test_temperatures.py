"""Temperatures: readings and differences in arithmetic and conversion, on one value and on arrays."""

import operator

import numpy as np
import pytest

from qelunits import BelowAbsoluteZeroError, Quantity as Q, TemperaturePointError, Unit, convert

C, F, K = Unit("degC"), Unit("degF"), Unit("K")
dC, dF = Unit("delta_degC"), Unit("delta_degF")

# a, operation, b, the result's magnitude and unit text (or the error).
ARITHMETIC = [
    (Q(25, C), operator.sub, Q(10, C), 15.0, "Δ°C"),
    (Q(25, C), operator.sub, Q(50, F), 15.0, "Δ°C"),
    (Q(25, C), operator.add, Q(9, dF), 30.0, "degC"),
    (Q(10, dC), operator.add, Q(9, dF), 15.0, "delta_degC"),
    (Q(10, dC), operator.mul, 2, 20.0, "delta_degC"),
    (Q(300, K), operator.sub, Q(0, C), 26.850000000000023, "K"),
    (Q(300, K), operator.mul, 2, 600.0, "K"),  # an absolute temperature multiplies
    (Q(9, dF), operator.add, Q(25, C), 30.0, "degC"),
    (Q(25, C), operator.add, Q(25, C), TemperaturePointError, None),
    (Q(10, dC), operator.sub, Q(25, C), TemperaturePointError, None),
    (Q(25, C), operator.mul, 2, TemperaturePointError, None),
    (2, operator.mul, Q(25, C), TemperaturePointError, None),
    (Q(25, C), operator.truediv, Q(1, "s"), TemperaturePointError, None),
    (Q(25, C), operator.pow, 2, TemperaturePointError, None),
    (Q(1, "J/(kg*degC)"), operator.mul, Q(2, "kg*K"), 2.0, "J/(kg*degC)*(kg*K)"),
]


def test_readings_and_differences():
    for a, op, b, value, unit in ARITHMETIC:
        if isinstance(value, type):
            with pytest.raises(value):
                op(a, b)
            continue
        result = op(a, b)
        assert (result.magnitude, str(result.units)) == (value, unit), (a, op, b)
        # The same operation on arrays gives each element the scalar's bits.
        arrays = op(Q(np.array([a.magnitude] * 3), a.units), b)
        assert np.array_equal(arrays.magnitude, [result.magnitude] * 3) and arrays.units == result.units


def test_kelvin_multiplies():
    assert (Q(8.314, "J/(mol*K)") * Q(300, K)).m_as("J/mol") == pytest.approx(2494.2, rel=1e-15)
    assert (Q(300, K) / Q(2, "s")).m_as("K/s") == 150.0


def test_a_reading_times_a_unit_is_a_reading():
    assert (25 * C).to(F).magnitude == 77.0
    assert (np.array([0.0, 100.0]) * C).m_as(F).tolist() == [32.0, 212.0]
    assert Q(20, C).from_absolute_zero().m_as("delta_degC") == 293.15


def test_below_absolute_zero():
    for call in (lambda: Q(-300, C).to(K), lambda: convert(np.array([0.0, -500.0]), F, C),
                 lambda: Q(10, C) - Q(300, dC), lambda: Q(-300, K).to(C)):
        with pytest.raises(BelowAbsoluteZeroError):
            call()
    with pytest.raises(BelowAbsoluteZeroError) as error:
        convert(np.array([1.0, 2.0, -300.0]), C, K)
    assert error.value.position == 2


def test_readings_and_differences_do_not_convert_into_each_other():
    for a, b in ((C, dC), (dF, F)):
        with pytest.raises(TemperaturePointError):
            Q(1, a).to(b)
    assert Q(10, dC).to(dF).magnitude == 18.0
    assert Q(10, dC).to(K).magnitude == 10.0  # a difference converts to kelvin
