"""xarray: quantify() and dequantify(), units that survive reductions in quantified data, Dask-backed data that stays
lazy through conversions and reductions (on a distributed cluster too), float32 kept. Expected values come from
the units' definitions: °F = °C × 1.8 + 32, K = °C + 273.15, 1 in = 25.4 mm."""

import importlib.util

import numpy as np
import pytest

import qelunits
from qelunits import Quantity as Q, Unit

xr = pytest.importorskip("xarray")


HAS_DASK = importlib.util.find_spec("dask") is not None


def _dataset(chunked=False):
    tas = xr.DataArray(np.array([[0.0, 10.0], [20.0, 30.0], [40.0, 50.0]], dtype=np.float32), dims=("time", "x"),
                       attrs={"units": "degC", "long_name": "air temperature"}, name="tas")
    pr = xr.DataArray(np.array([25.4, 50.8, 0.0]), dims="time", attrs={"units": "mm/d"})
    time = xr.DataArray(np.arange(3.0), dims="time", attrs={"units": "days since 2000-01-01"})
    ds = xr.Dataset({"tas": tas, "pr": pr, "day": time})
    return ds.chunk({"time": 1}) if chunked else ds


def test_quantify_moves_units_into_the_data_and_back():
    ds = _dataset()
    quantified = ds.qel.quantify()
    assert isinstance(quantified.tas.data, Q) and quantified.tas.data.units == Unit("degC")
    assert "units" not in quantified.tas.attrs and quantified.tas.attrs["long_name"] == "air temperature"
    assert not isinstance(quantified.day.data, Q)  # a time reference is no unit
    assert quantified.tas.qel.units == Unit("degC") and quantified.tas.qel.is_quantified
    back = quantified.qel.dequantify()
    assert back.tas.attrs["units"] == "degC" and back.tas.dtype == np.float32 and back.identical(ds)
    assert ds.qel.quantify({"pr": "in/d"}).pr.data.units == Unit("in/d")  # numbers read in the given unit
    assert ds.tas.qel.quantify().qel.quantify("degC").data.units == Unit("degC")
    pytest.raises(ValueError, ds.tas.qel.quantify().qel.quantify, "K").match(r"\.qel\.to\('K'\)")


def test_units_survive_reductions():
    quantified = _dataset().qel.quantify()
    cases = [  # result, magnitudes, unit
        (quantified.tas.mean("time"), [20.0, 30.0], "degC"), (quantified.tas.max(), 50.0, "degC"),
        (quantified.tas.median("time"), [20.0, 30.0], "degC"),
        (quantified.tas.std("time"), [np.std([0.0, 20.0, 40.0])] * 2, "delta_degC"),  # the spread of readings
        (quantified.pr.sum("time"), 76.2, "mm/d"), (quantified.mean("time").pr, 25.4, "mm/d"),
        (quantified.tas.mean("time").qel.to("degF"), [68.0, 86.0], "degF"),
        (quantified.pr.sum().qel.to("in/d"), 3.0, "in/d"),
    ]
    for result, magnitudes, unit in cases:
        assert result.data.units == Unit(unit)
        assert np.asarray(result.data.magnitude).tolist() == pytest.approx(magnitudes, rel=1e-6)
    # Readings do not add: the library's refusal, not a sum of numbers.
    pytest.raises(qelunits.TemperaturePointError, quantified.tas.sum, "time").match(r"°C \+ °C")
    # Without quantify(), xarray drops attrs in a reduction, and to() says what to do.
    pytest.raises(KeyError, _dataset().tas.mean("time").qel.to, "degF").match("keep_attrs=True.*quantify")


def test_float32_stays():
    ds = _dataset()
    for chunked in (False, True) if HAS_DASK else (False,):
        data = _dataset(chunked)
        for result in (data.tas.qel.to("K"), data.qel.quantify().tas.qel.to("K").qel.dequantify()):
            assert result.dtype == np.float32 and result.attrs["units"] == "K"
            assert result.values.ravel().tolist() == pytest.approx(ds.tas.values.ravel() + 273.15, rel=1e-7)
    assert ds.qel.to({"pr": "in/d"}).pr.dtype == np.float64


def test_dask_stays_lazy():
    dask = pytest.importorskip("dask")
    ds = _dataset(chunked=True)
    quantified = ds.qel.quantify()
    cases = [  # result (lazy until computed), values
        (ds.tas.qel.to("degF"), [[32.0, 50.0], [68.0, 86.0], [104.0, 122.0]]),
        (quantified.tas.mean("time").qel.to("degF").qel.dequantify(), [68.0, 86.0]),
        (quantified.tas.qel.to("K").qel.dequantify(), [[273.15, 283.15], [293.15, 303.15], [313.15, 323.15]]),
    ]
    for result, values in cases:
        assert dask.is_dask_collection(result)
        assert result.compute().values.ravel().tolist() == pytest.approx(np.ravel(values), rel=1e-6)
    spread = quantified.tas.std("time")
    for result in (spread, quantified.pr.mean(), quantified.tas.max(), quantified.pr.sum("time")):  # one value too
        assert dask.is_dask_collection(result.data.magnitude)
    computed = quantified.qel.compute()  # xarray's compute() leaves a Quantity's Dask magnitude as it is
    assert isinstance(computed.tas.data.magnitude, np.ndarray) and computed.tas.data.units == Unit("degC")
    assert computed.qel.dequantify().identical(_dataset()) and spread.qel.compute().data.units == Unit("delta_degC")


def test_dask_on_a_distributed_cluster():
    pytest.importorskip("dask")
    distributed = pytest.importorskip("distributed")
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None) as \
            cluster, distributed.Client(cluster):
        ds = _dataset(chunked=True)
        converted = ds.tas.data.map_blocks(qelunits.convert, "degC", "degF", dtype=np.float64).compute()
        assert converted.tolist() == [[32.0, 50.0], [68.0, 86.0], [104.0, 122.0]]
        mean = ds.qel.quantify().tas.mean("time").qel.to("K").qel.compute()
        assert mean.data.units == Unit("K") and mean.data.magnitude.tolist() == pytest.approx([293.15, 303.15])
