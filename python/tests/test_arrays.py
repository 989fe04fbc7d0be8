"""Arrays and buffers: convert() in one pass, zero-copy where it can, a copy where it says so; Quantities
holding arrays under NumPy's ufuncs and functions, held by xarray and Dask; the xarray accessor."""

import array
import subprocess
import sys

import numpy as np
import pytest

import qelunits
from qelunits import Quantity as Q, convert

M_TO_FT = qelunits.convert(1.0, "m", "ft")


def test_float64_arrays_convert_without_copies():
    values = np.linspace(-5.0, 5.0, 40_000)  # past the size from which the GIL is released
    expected = [convert(float(v), "degC", "degF") for v in values]
    fresh = convert(values, "degC", "degF")
    assert fresh.tolist() == expected and not np.shares_memory(fresh, values)
    out = np.empty_like(values)
    assert convert(values, "degC", "degF", out=out) is out and out.tolist() == expected
    assert convert(values, "degC", "degF", out=values) is values and values.tolist() == expected
    buffer = array.array("d", [1.0, 2.0])  # any float64 buffer, not only NumPy's
    assert convert(buffer, "m", "ft", out=buffer) is buffer and buffer.tolist() == [M_TO_FT, 2 * M_TO_FT]
    assert convert(2.0, "m", "ft", out=out[:1]).tolist() == [2 * M_TO_FT] == out[:1].tolist()  # one number, too


def test_other_arrays_are_copied_once():
    strided = np.arange(10.0)[::2]
    for values in (strided, np.arange(5), np.arange(5, dtype=np.float32), [0, 1, 2, 3, 4], (0.0, 1.0)):
        result = convert(values, "m", "ft")
        assert result.dtype == np.float64 and result.tolist() == [convert(float(v), "m", "ft") for v in values]
        assert not np.shares_memory(result, values) if isinstance(values, np.ndarray) else True
    target = np.empty(5)
    assert convert(strided, "m", "ft", out=target) is target and target[1] == 2 * M_TO_FT
    # An out that overlaps the values otherwise than exactly gets what NumPy gives: the result of a copy.
    for units in (("m", "cm"), ("degC", "K")):
        for ahead in (True, False):
            values = np.arange(5000.0)
            source, target = (values[:-1], values[1:]) if ahead else (values[1:], values[:-1])
            expected = convert(source.copy(), *units).tolist()
            assert convert(source, *units, out=target) is target and target.tolist() == expected


def test_unusable_values_and_out_are_refused():
    # NumPy would drop an imaginary part, read a text as a number, a date as its count of days.
    for values in (np.array([1 + 2j]), np.array(["1.5"]), np.array(["2020-01-01"], dtype="datetime64[D]"),
                   np.array([1], dtype="timedelta64[s]")):
        pytest.raises(TypeError, convert, values, "m", "ft").match("values must be real numbers, not ")
    read_only = np.ones(4)
    read_only.flags.writeable = False
    for out in (np.ones(3), np.ones(4, dtype=np.float32), read_only, np.ones(8)[::2]):
        pytest.raises(ValueError, convert, np.ones(4), "m", "ft", out=out).match("out must be")


def test_ufuncs_on_array_quantities():
    m, ft, s, rad, one = (qelunits.Unit(text) for text in ("m", "ft", "s", "rad", "1"))
    lengths = Q(np.array([1.0, 4.0, 9.0]), "m")
    feet = Q(np.array([3.0, 3.0, 3.0]), "ft")
    cases = [
        (np.add(lengths, feet), [1 + 3 / M_TO_FT, 4 + 3 / M_TO_FT, 9 + 3 / M_TO_FT], m),
        (lengths - Q(1.0, "m"), [0.0, 3.0, 8.0], m), (np.multiply(lengths, feet), [3.0, 12.0, 27.0], m * ft),
        (np.divide(lengths, Q(2.0, "s")), [0.5, 2.0, 4.5], m / s), (lengths**2, [1.0, 16.0, 81.0], m**2),
        (np.sqrt(Q(np.array([1.0, 4.0]), "m^2")), [1.0, 2.0], m), (np.negative(lengths), [-1.0, -4.0, -9.0], m),
        (np.absolute(Q(np.array([-2.0]), "s")), [2.0], s), (np.array([1.0, 2.0]) * m, [1.0, 2.0], m),
        (np.matmul(Q(np.eye(2), "m"), Q(np.ones(2), "s")), [1.0, 1.0], m * s),
        (np.reciprocal(Q(np.array([2.0, 4.0]), "s")), [0.5, 0.25], s**-1),
        (np.hypot(Q(np.array([3.0]), "m"), Q(np.array([400.0]), "cm")), [5.0], m),
        (np.floor(Q(np.array([1.5, -1.5]), "degC")), [1.0, -2.0], qelunits.Unit("degC")),  # rounded where it is
        # Angles in any unit (a plain number is radians), plain numbers to and from the rest.
        (np.arctan2(Q(np.array([1.0]), "m"), Q(np.array([-100.0]), "cm")), [0.75 * np.pi], rad),
        (np.sin(Q(np.array([np.pi / 2, 1.0]), "rad")), [1.0, np.sin(1.0)], one),
        (np.cos(Q(np.array([1.0]), "turn")), [1.0], one), (np.tan(Q(np.array([0.5]), "1")), [np.tan(0.5)], one),
        # by the unit's definition (π/180 rad), not the catalogue's rounded 0.0174533 rad
        (np.cos(Q(np.array([90.0, 60.0]), "deg")), [np.cos(np.pi / 2), np.cos(np.pi / 3)], one),
        (np.tan(Q(np.array([2700.0]), "arcmin")), [np.tan(np.pi / 4)], one),
        (np.radians(Q(np.array([180.0]), "deg")), [np.pi], rad),
        (np.rad2deg(Q(np.array([5400.0]), "arcmin")), [90.0], qelunits.Unit("deg")),
        (np.arcsin(Q(np.array([50.0]), "%")), [np.pi / 6], rad),
        (np.log10(Q(np.array([1.0]), "km/m")), [3.0], one), (np.exp(Q(np.array([0.0, 1.0]), "m/m")), [1.0, np.e], one),
    ]
    for result, magnitude, unit in cases:
        assert result.magnitude.tolist() == pytest.approx(magnitude, rel=1e-15) and result.units == unit
    assert (lengths > Q(3.0, "m")).tolist() == [False, True, True] and len(lengths) == 3
    assert np.equal(lengths, Q(np.array([1.0, 2.0, 3.0]), "s")).tolist() == [False] * 3
    assert np.sign(Q(np.array([-2.0, 0.0]), "m")).tolist() == [-1.0, 0.0]
    for call in (lambda: np.add(lengths, Q(1.0, "s")), lambda: np.sin(lengths), lambda: np.log(lengths),
                 lambda: np.arctan2(lengths, Q(1.0, "s"))):
        pytest.raises(qelunits.IncompatibleUnitsError, call)
    # A reading has no sign, inverse or length of its own; the message names the operation, not a probe value.
    readings = Q(np.array([10.0]), "degC")
    for call, message in [(lambda: np.sign(readings), r"^sign\(°C\): a reading on the °C scale"), (lambda: 2 / readings, r"^1 / °C: "),
                          (lambda: np.hypot(readings, readings), r"^°C \+ °C: ")]:
        pytest.raises(qelunits.TemperaturePointError, call).match(message)


def test_numpy_functions_keep_combine_or_drop_units():
    m, degc = qelunits.Unit("m"), qelunits.Unit("degC")
    lengths = Q(np.array([[1.0, 2.0], [4.0, 9.0]]), "m")
    readings = Q(np.array([10.0, 20.0, 30.0]), "degC")
    cases = [  # result, magnitude, unit (None: the result is no quantity)
        (np.sum(lengths), 16.0, m), (np.mean(lengths, axis=0), [2.5, 5.5], m),
        (np.max(lengths.T, axis=1), [4.0, 9.0], m), (round(Q(1.26, "m"), 1), 1.3, m),
        (np.std(Q(np.array([1.0, 3.0]), "m")), 1.0, m), (np.var(Q(np.array([1.0, 3.0]), "m")), 1.0, m**2),
        (np.concatenate([lengths[0], Q(np.array([3.0]), "ft")]), [1.0, 2.0, 3 / M_TO_FT], m),
        (np.where(lengths[0] > Q(1.5, "m"), lengths[0], Q(0.0, "ft")), [0.0, 2.0], m),
        (np.clip(lengths[1], None, Q(500.0, "cm")), [4.0, 5.0], m),
        (np.maximum(lengths[0], Q(150.0, "cm")), [1.5, 2.0], m),
        (lengths.sum(axis=1), [3.0, 13.0], m), (lengths.T.reshape(4), [1.0, 4.0, 2.0, 9.0], m),  # methods
        (np.mean(readings), 20.0, degc),  # readings average to a reading, and spread by differences
        (np.std(readings), np.std([10.0, 20.0, 30.0]), qelunits.Unit("delta_degC")),
        (np.argmax(lengths), 3, None), (np.isnan(readings).tolist(), [False] * 3, None),
        ((lengths.shape, lengths.ndim, lengths.size, lengths.dtype), ((2, 2), 2, 4, np.float64), None),
        ((Q(1.0, "m").shape, Q(1.0, "m").ndim, Q(1.0, "m").T), ((), 0, Q(1.0, "m")), None),
        # Each operand in the first one's unit; a plain atol is in it too.
        (np.isclose(lengths[0], Q(np.array([100.0, 200.1]), "cm")).tolist(), [True, False], None),
        (np.allclose(lengths[0], Q(np.array([100.0, 200.1]), "cm"), atol=Q(2.0, "mm")), True, None),
        (np.isclose(readings[:1], Q(np.array([50.4]), "degF"), atol=Q(0.5, "delta_degC")).tolist(), [True], None),
        (np.searchsorted(lengths[1], Q(500.0, "cm")), 1, None),
        (np.append(lengths[0], Q(np.array([3.0]), "ft")), [1.0, 2.0, 3 / M_TO_FT], m),
        (np.full_like(lengths[0], Q(1.0, "ft")), [M_TO_FT**-1] * 2, m),
        (np.unique(Q(np.array([2.0, 1.0, 2.0]), "m")), [1.0, 2.0], m),
        (np.interp(Q(np.array([150.0]), "cm"), lengths[0], readings[:2]), [15.0], degc),
        (np.dot(lengths[0], lengths[1]), 22.0, m**2), (np.linalg.norm(Q(np.array([3.0, 4.0]), "m")), 5.0, m),
        (np.cross(Q(np.array([1.0, 0, 0]), "m"), Q(np.array([0, 2.0, 0]), "N")), [0, 0, 2.0], qelunits.Unit("m*N")),
        (np.prod(lengths, axis=0), [4.0, 18.0], m**2), (lengths.prod(), 72.0, m**4),
        (np.linspace(Q(0.0, "m"), Q(1.0, "km"), 3), [0.0, 500.0, 1000.0], m),
        # a step, and the steps under an integral, between readings are differences
        (np.linspace(readings[0], Q(86.0, "degF"), 3, retstep=True)[1], 10.0, qelunits.Unit("delta_degC")),
        (np.trapz(Q(np.array([1.0, 2.0]), "J/K"), readings[:2]), 15.0, qelunits.Unit("J/K*delta_degC")),
        (np.trapz(Q(np.array([1.0, 3.0]), "W"), dx=Q(0.5, "h")), 1.0, qelunits.Unit("W*h")),
    ]
    for result, magnitude, unit in cases:
        assert result == magnitude if unit is None else (
            np.asarray(result.magnitude).tolist() == pytest.approx(magnitude) and result.units == unit)
    # Readings do not add; a function without a unit rule, or out=, raises rather than drop the unit; one value
    # does not iterate.
    for call in (lambda: np.sum(readings), lambda: np.histogram(lengths), lambda: np.mean(lengths, out=np.empty(2)),
                 lambda: np.concatenate([lengths[0], np.ones(1)]), lambda: iter(Q(1.0, "m"))):
        pytest.raises(TypeError, call)
    # np.asarray gives pure numbers only, as float() does.
    assert np.asarray(Q(np.array([1.0, 2.0]), "m/km")).tolist() == [0.001, 0.002]
    pytest.raises(TypeError, np.asarray, lengths).match("would drop the unit m")
    assert not Q(0.0, "m") and Q(np.array([2.0]), "m")
    assert [x.m_as("cm") for x in Q(np.array([1.0, 2.0]), "m")] == [100.0, 200.0]  # rows, as an ndarray's
    pytest.raises(ValueError, bool, Q(20.0, "degC")).match("ambiguous")


def test_xarray_and_dask_hold_array_quantities():
    xarray = pytest.importorskip("xarray")
    dask_array = pytest.importorskip("dask.array")
    lengths = Q(np.array([1.0, 2.0, 4.0]), "m")
    held = xarray.DataArray(lengths, dims="x")
    assert held.data is lengths and held.max().data == Q(4.0, "m") and held.sum().data == Q(7.0, "m")
    missing = held.where(held > Q(1.5, "m")).data  # NaN, a missing value, fills in any unit
    assert np.isnan(missing.magnitude[0]) and missing.magnitude[1:].tolist() == [2.0, 4.0]
    chunked = dask_array.from_array(lengths, chunks=1)
    assert chunked.sum().compute() == Q(7.0, "m") and (chunked * 2).compute()[2] == Q(8.0, "m")
    assert chunked.mean().compute().m_as("cm") == pytest.approx(700 / 3)


def test_xarray_accessor_refusals():
    xarray = pytest.importorskip("xarray")
    for data, named in ((xarray.DataArray([1.0], name="ta"), "'ta'"), (xarray.DataArray([1.0]), "the DataArray")):
        pytest.raises(KeyError, data.qel.to, "K").match(f"{named} has no attrs")
    times = xarray.DataArray([1.0], attrs={"units": "days since 2000-01-01"}, name="time")
    raised = pytest.raises(qelunits.UnitParseError, times.qel.to, "s")
    assert raised.match("'time' holds times") and raised.value.position == 5


def test_import_is_lazy_and_the_accessor_follows_xarray():
    script = ("import sys, qelunits\n"
              "assert not {'numpy', 'xarray', 'dask'} & set(sys.modules), sorted(sys.modules)\n"
              "import xarray\n"
              "print(xarray.DataArray([1.0], attrs={'units': 'm'}).qel.to('ft').values[0])\n")
    done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, check=True)
    assert float(done.stdout) == M_TO_FT
