"""Pickling by text: units, quantities and converters travel without a registry, to Dask workers too."""

import itertools
import pickle

import numpy as np
import pytest

import qelunits
from qelunits import Quantity as Q, Unit


def test_round_trips_by_text():
    values = (Unit("kJ/(kg*K)"), Unit("m") / Unit("s"), Unit("delta_degC"), Q(3.5, "ft"), 25 * Unit("degC"),
              Q(np.array([1.0, 2.0]), "km"), Q(0.1, "mg"), Q(7.0, "1"))
    for protocol, value in itertools.product((0, 2, pickle.HIGHEST_PROTOCOL), values):
        data = pickle.dumps(value, protocol)
        assert str(value.units if isinstance(value, Q) else value).encode() in data  # the unit goes as its text
        back = pickle.loads(data)
        assert type(back) is type(value) and str(back) == str(value)
        if isinstance(value, Q):
            assert back.units == value.units and np.array_equal(back.magnitude, value.magnitude)
    converter = pickle.loads(pickle.dumps(qelunits.Converter("degC", "degF")))
    assert converter(100.0) == 212.0 and repr(converter) == "Converter('degC', 'degF')"
    pace = pickle.loads(pickle.dumps(qelunits.Converter("min/km", "km/h", reciprocal=True)))
    assert pace(4.0) == 15.0 and repr(pace) == "Converter('min/km', 'km/h', reciprocal=True)"
    older = qelunits.Converter.__new__(qelunits.Converter)
    older.__setstate__(("m", "ft"))  # the state pickled before reciprocal
    assert not older.reciprocal and older(1.0) == qelunits.convert(1.0, "m", "ft")


def _to_feet(block):
    return qelunits.Converter("m", "ft")(block)


def test_dask_workers_convert_with_no_set_up():
    distributed = pytest.importorskip("distributed")
    dask_array = pytest.importorskip("dask.array")
    dataframe = pytest.importorskip("dask.dataframe")
    pandas = pytest.importorskip("pandas")
    lengths = np.arange(1000.0)
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None) as cluster, \
            distributed.Client(cluster) as client:
        feet = dask_array.from_array(lengths, chunks=250).map_blocks(qelunits.convert, "m", Unit("ft"), dtype=float)
        assert client.compute(feet).result().tolist() == qelunits.convert(lengths, "m", "ft").tolist()
        frame = dataframe.from_pandas(pandas.DataFrame({"length": lengths}), npartitions=4)
        column = frame["length"].map_partitions(_to_feet, meta=("length", float))
        assert client.compute(column).result().tolist() == qelunits.convert(lengths, "m", "ft").tolist()
        # A quantity made here is read back by a worker's own module.
        assert client.submit(lambda q: q.to("ft"), Q(2.0, "m")).result().magnitude == 2 * qelunits.convert(1.0, "m", "ft")
