"""pandas: the dtype "qel[unit]", the accessors .qel of Series and DataFrame, and convert() of a Series. Expected
values come from the units' definitions: 1 psi = 0.45359237 kg × 9.80665 m/s² / (0.0254 m)², 1 ft = 0.3048 m,
°F = °C × 1.8 + 32."""

import subprocess
import sys

import numpy as np
import pytest

import qelunits
from qelunits import Quantity as Q, Unit

pd = pytest.importorskip("pandas")

PSI_IN_KPA = 0.45359237 * 9.80665 / 0.0254**2 / 1000
FT = 0.3048


def test_the_dtype_reads_from_its_name():
    series = pd.Series([1, 2], dtype="qel[psi]", index=["a", "b"], name="p")
    assert series.dtype.name == "qel[psi]" and series.qel.units == Unit("psi")
    assert series.qel.magnitude.tolist() == [1.0, 2.0] and series.qel.magnitude.dtype == np.float64
    converted = series.astype("qel[kPa]")
    assert converted.dtype == pd.api.types.pandas_dtype("qel[kPa]") and converted.name == "p"
    assert converted.index.tolist() == ["a", "b"] and converted.qel.magnitude.tolist() == pytest.approx([PSI_IN_KPA, 2 * PSI_IN_KPA], rel=1e-15)
    assert series.qel.to("kPa").equals(converted) and pd.api.types.pandas_dtype("qel").units is None
    pytest.raises(qelunits.UnitParseError, pd.api.types.pandas_dtype, "qel[fot]").match("unknown unit 'fot'")
    pytest.raises(qelunits.IncompatibleUnitsError, series.astype, "qel[m]")
    assert pd.Series([Q(1.0, "m"), Q(3.0, "ft"), None], dtype="qel[ft]").qel.magnitude.tolist()[:2] == \
        pytest.approx([1 / FT, 3.0])


def test_convert_of_a_series_keeps_index_name_type_and_missing_values():
    index = pd.Index([10, 20, 30], name="t")
    for data, given, dtype in [  # values, their dtype, the result's
            ([1.0, 2.0, 4.0], None, np.float64), (np.array([1.0, 2.0, 4.0], dtype=np.float32), None, np.float32),
            ([1, 2, 4], None, np.float64), ([1.0, None, 4.0], "Float64", pd.Float64Dtype()),
            ([1, None, 4], "Int64", pd.Float64Dtype())]:
        values = pd.Series(data, dtype=given, index=index, name="h")
        converted = qelunits.convert(values, "m", "ft")
        assert isinstance(converted, pd.Series) and converted.dtype == dtype, values.dtype
        missing = values.isna().tolist()
        assert converted.name == "h" and converted.index.equals(index) and converted.isna().tolist() == missing
        expected = [v / FT for v, gone in zip([1.0, 2.0, 4.0], missing) if not gone]
        assert converted.dropna().astype(np.float64).tolist() == pytest.approx(expected, rel=1e-6)
    frame = qelunits.convert(pd.DataFrame({"a": [0.0], "b": [100.0]}), "degC", "degF")
    assert frame.columns.tolist() == ["a", "b"] and frame.iloc[0].tolist() == [32.0, 212.0]
    pytest.raises(TypeError, qelunits.convert, pd.Series(["1"], dtype="string"), "m", "ft")
    pytest.raises(TypeError, qelunits.convert, pd.Series([1.0], dtype="qel[m]"), "m", "ft").match(r"qel\.to")


def test_float32_and_missing_values_stay_through_the_accessor():
    single = pd.Series(np.array([0.0, 100.0], dtype=np.float32), name="ta").qel.quantify("degC")
    for result in (single.qel.to("degF"), single.qel.to("K") * 2, single + Q(1.0, "delta_degC"), single - single,
                   -(single - single)):
        assert result.qel.magnitude.dtype == np.float32 and result.name == "ta"
    assert single.qel.to("degF").qel.magnitude.tolist() == [32.0, 212.0]
    nullable = pd.Series([1.0, None], dtype="Float64").qel.quantify("m")
    converted = nullable.qel.to("ft")
    assert converted.qel.magnitude.dtype == pd.Float64Dtype() and converted.isna().tolist() == [False, True]
    assert converted[0].m_as("ft") == pytest.approx(1 / FT) and converted[1] is pd.NA
    assert nullable.reindex([0, 5]).isna().tolist() == single.reindex([0, 5]).isna().tolist() == [False, True]
    joined = pd.concat([nullable, pd.Series([3.0], dtype="qel[ft]")], ignore_index=True)
    assert joined.dtype.name == "qel[m]" and joined.isna().tolist() == [False, True, False]
    assert joined[2].m_as("m") == pytest.approx(3 * FT)


def test_arithmetic_follows_the_library():
    p = pd.Series([1.0, 2.0], dtype="qel[psi]", name="p")
    kpa = pd.Series([PSI_IN_KPA, PSI_IN_KPA], dtype="qel[kPa]")
    t = pd.Series([10.0, 20.0], dtype="qel[degC]")
    cases = [  # result, magnitudes, unit
        (p + kpa, [2.0, 3.0], "psi"), (p - Q(1.0, "psi"), [0.0, 1.0], "psi"), (p * 2, [2.0, 4.0], "psi"),
        (2 * p, [2.0, 4.0], "psi"), (p / Q(2.0, "s"), [0.5, 1.0], "psi/s"), (p * p, [1.0, 4.0], "psi^2"),
        (p / p.values, [1.0, 1.0], "1"), (-p, [-1.0, -2.0], "psi"),
        (t - Q(10.0, "degC"), [0.0, 10.0], "delta_degC"),  # reading − reading is a difference
        (t + Q(18.0, "delta_degF"), [20.0, 30.0], "degC"), (t - t, [0.0, 0.0], "delta_degC"),
    ]
    for result, magnitudes, unit in cases:
        assert result.qel.units == Unit(unit), (result.dtype, unit)
        assert result.qel.magnitude.tolist() == pytest.approx(magnitudes, rel=1e-14)
    assert (p + kpa.values).name == "p" and (p > Q(1.5, "psi")).tolist() == [False, True]
    centimetres = pd.Series([100.0, 1.0], dtype="qel[cm]")
    assert (centimetres == pd.Series([1.0, 1.0], dtype="qel[m]")).tolist() == [True, False]
    for call, error in [(lambda: p + Q(1.0, "m"), qelunits.IncompatibleUnitsError), (lambda: t + t, TypeError),
                        (lambda: 2 * t, qelunits.TemperaturePointError)]:
        pytest.raises(error, call)


def test_reductions_keep_units():
    p = pd.Series([1.0, 2.0, np.nan, 6.0], dtype="qel[psi]")
    t = pd.Series([10.0, 20.0, None], dtype="Float64").qel.quantify("degC")
    cases = [  # result, magnitude, unit
        (p.sum(), 9.0, "psi"), (p.mean(), 3.0, "psi"), (p.min(), 1.0, "psi"), (p.max(), 6.0, "psi"),
        (p.std(), np.std([1.0, 2.0, 6.0], ddof=1), "psi"), (p.median(), 2.0, "psi"),
        (t.mean(), 15.0, "degC"), (t.max(), 20.0, "degC"), (t.std(), np.std([10.0, 20.0], ddof=1), "delta_degC"),
    ]
    for result, magnitude, unit in cases:
        assert result.units == Unit(unit) and result.magnitude == pytest.approx(magnitude, rel=1e-14)
    pytest.raises(qelunits.TemperaturePointError, t.sum).match(r"°C \+ °C: a reading on the °C scale")
    assert np.isnan(p.sum(skipna=False).magnitude) and t.mean(skipna=False) is pd.NA and str(p.sum()) == "9.0 psi"
    means = pd.DataFrame({"p": p}).qel.to({"p": "kPa"})["p"].mean()
    assert means.m_as("kPa") == pytest.approx(3 * PSI_IN_KPA)


def test_frames_quantify_and_dequantify_with_a_level_of_units():
    headers = pd.MultiIndex.from_tuples([("p", "psi"), ("T", "degC"), ("label", "No Unit")], names=[None, "unit"])
    plain = pd.DataFrame([[1.0, 20.0, "x"], [2.0, 30.0, "y"]], columns=headers, index=["a", "b"])
    quantified = plain.qel.quantify(level=-1)
    assert quantified.columns.tolist() == ["p", "T", "label"] and quantified.index.tolist() == ["a", "b"]
    assert quantified.qel.units.tolist() == [Unit("psi"), Unit("degC"), None]
    assert quantified.qel.to({"T": "degF"})["T"].qel.magnitude.tolist() == [68.0, 86.0]
    back = quantified.qel.dequantify()
    assert back.columns.equals(headers) and back.equals(plain)
    assert back.qel.quantify(level="unit").dtypes.tolist() == quantified.dtypes.tolist()  # the level by its name
    by_name = pd.DataFrame({"p": [1.0], "n": [3]}).qel.quantify({"p": "kPa"})
    assert by_name.dtypes.tolist() == [pd.api.types.pandas_dtype("qel[kPa]"), np.dtype(np.int64)]
    single = quantified["p"].qel.dequantify()
    assert single.columns.tolist() == [("p", "psi")] and single.qel.quantify()["p"].equals(quantified["p"])
    assert quantified["p"].qel.m_as("kPa").tolist() == pytest.approx([PSI_IN_KPA, 2 * PSI_IN_KPA], rel=1e-15)
    pytest.raises(ValueError, pd.DataFrame({"p": [1.0]}).qel.quantify).match("MultiIndex")
    pytest.raises(TypeError, lambda: pd.Series([1.0]).qel.units).match("quantify")


def test_repr_shows_magnitudes_and_the_dtype():
    single = pd.Series(np.array([6.894757], dtype=np.float32), name="p").qel.quantify("kPa")
    assert repr(single) == "0    6.894757\nName: p, dtype: qel[kPa]"
    assert repr(pd.Series([1.5, None], dtype="Float64").qel.quantify("m").array) == \
        "<QelArray>\n[1.5 m, <NA>]\nLength: 2, dtype: qel[m]"


def test_the_dtype_follows_the_import_of_pandas():
    for script in ("import sys, qelunits\nassert 'pandas' not in sys.modules\nimport pandas as pd\n",
                   "import pandas as pd, qelunits\n"):
        script += "print(pd.Series([1.0], dtype='qel[m]').qel.to('ft').qel.magnitude[0])\n"
        done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, check=True)
        assert float(done.stdout) == qelunits.convert(1.0, "m", "ft")
