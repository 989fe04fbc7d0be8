"""Units a program defines: define, load_definitions, Definitions, and pickles that carry what a unit rests on."""

import concurrent.futures
import doctest
import itertools
import json
import os
import pathlib
import pickle
import re
import subprocess
import sys

import numpy as np
import pytest

import qelunits
from qelunits import Quantity as Q, Unit, units

# Names no other test defines: the process's set only grows, and every test here shares it.
SHOP = """\
# a shop's units
widget = 3.5 kg             # a name and what one of it is
bbl_oil_eq = 6.118e9 J; BOE
dollar = [currency]         # a new base dimension
cent = dollar/100; ¢
crate = 12 widget
"""
LB = 0.45359237  # kg, by definition


@pytest.fixture(scope="module", autouse=True)
def shop():
    # Not at import: a Dask worker imports this module to run its functions, and must find no set-up there.
    units.define(SHOP, "shop.txt")


@pytest.mark.parametrize("quantity, to, expected", [
    ("2 widget", "kg", 7.0), ("1 BOE", "GJ", 6.118), ("1 bbl_oil_eq", "MJ", 6118.0), ("150 cent", "dollar", 1.5),
    ("25 ¢", "dollar", 0.25), ("2 crate", "lb", 84.0 / LB), ("3 dollar/h", "cent/min", 5.0),
    ("2 widget + 7 kg", "widget", 4.0),
])
def test_defined_units_convert_as_defined(quantity, to, expected):
    assert Q(quantity).to(to).magnitude == pytest.approx(expected, rel=1e-12)


def test_defined_units_read_wherever_builtin_units_do():
    assert (2 * units.widget).m_as("kg") == 7.0 and "widget" in units and "crate/h" in units
    assert units("3 crate").m_as("widget") == 36.0
    assert qelunits.convert(np.array([1.0, 2.0]), "crate", "kg").tolist() == [42.0, 84.0]
    assert Unit("dollar").dimension == "dollar"  # the unit of a new dimension names it
    pytest.raises(qelunits.IncompatibleUnitsError, Q(5, "dollar").to, "kg")
    units.define(SHOP.splitlines()[1])  # the same definition again changes nothing
    assert Q(1, "widget").m_as("kg") == 3.5


# (text, the error's class and kind, line:column of the fault, what the message says); each after a good
# first line, which must stay undefined.
BAD = [
    ("m = 2 ft", qelunits.Error, "invalid_argument", (2, 1), "'m' is a unit already"),
    ("widget = 4 kg", qelunits.Error, "invalid_argument", (2, 1), "a definition may not change it"),
    ("p_unit = 2 q_unit\nq_unit = 2 p_unit", qelunits.Error, "invalid_argument", (2, 1), "circle"),
    ("p_unit = 3 zork", qelunits.UnitParseError, "unknown_unit", (2, 12), "unknown unit 'zork'"),
    ("p q = 3 kg", qelunits.UnitParseError, "syntax", (2, 2), "no name"),
    ("p_unit = [x y]", qelunits.UnitParseError, "syntax", (2, 10), "no name of a dimension"),
]


@pytest.mark.parametrize("bad, cls, kind, where, says", BAD)
def test_bad_texts_raise_where_the_fault_is_and_change_nothing(bad, cls, kind, where, says, tmp_path):
    good = "fine_unit"
    text = f"{good} = 2 kg\n{bad}"
    before = qelunits.Definitions.process()
    line, column = where
    error = pytest.raises(cls, units.define, text, "bad.txt").value
    assert error.kind == kind and says in str(error) and str(error).startswith(f"bad.txt:{line}:{column}: ")
    lines = text.split("\n")
    assert error.position == sum(len(s) + 1 for s in lines[:line - 1]) + column - 1
    path = tmp_path / "units.txt"
    path.write_text(text, encoding="utf-8")
    pytest.raises(cls, qelunits.load_definitions, path).match(re.escape(f"{path}:{line}:{column}: "))
    assert qelunits.Definitions.process() == before
    pytest.raises(qelunits.UnitParseError, Unit, good)
    pytest.raises(AttributeError, getattr, units, good)


def test_files_define_units(tmp_path):
    path = tmp_path / "more.txt"
    path.write_text("gizmo = 2 crate  # 24 widgets\n", encoding="utf-8")
    units.load_definitions(str(path))
    assert Q(1, "gizmo").m_as("kg") == 84.0
    pytest.raises(qelunits.Error, qelunits.load_definitions, tmp_path / "missing.txt").match("cannot be opened")


def test_a_set_of_its_own_reads_units_without_defining_them():
    mine = qelunits.Definitions.read("sprocket = 2.5 m\n", "mine.txt").with_("cog = 4 sprocket; cgw")
    assert mine.names() == ["sprocket", "cog"] and len(mine) == 2
    assert mine.unit("cgw/s") == mine.unit("cog/s") and mine.quantity("3 cog").m_as("m") == 30.0
    assert qelunits.Definitions.read(mine.text()).quantity("1 cog").m_as("m") == 10.0
    copy = pickle.loads(pickle.dumps(mine))
    assert copy.names() == mine.names() and copy.quantity("1 cog").m_as("m") == 10.0
    pytest.raises(qelunits.UnitParseError, Unit, "sprocket")
    pytest.raises(qelunits.UnitParseError, qelunits.Definitions.read, "bad = 2 kg\nx = zork", "mine.txt").match(
        "^mine.txt:2:5: ")
    # Its units pickle with what they rest on, though the process defines none of it.
    back = pickle.loads(pickle.dumps(Q(2.0, mine.unit("cog"))))
    assert back.m_as("m") == 20.0 and str(back.units) == "cog"


def test_builtin_units_pickle_as_before():
    data = pickle.dumps((Unit("km/h"), Q(3.5, "ft"), qelunits.Converter("m", "ft")))
    assert b"_unit_with_definitions" not in data and b"km/h" in data
    for protocol in (0, 2, pickle.HIGHEST_PROTOCOL):
        data = pickle.dumps(Unit("dollar/crate"), protocol)
        assert b"_unit_with_definitions" in data and b"widget = 3.5 kg" in data
        assert pickle.loads(data) == Unit("dollar/crate")
    assert pickle.loads(data) is pickle.loads(data)  # read once, however many chunks carry it


def test_threads_define_at_once():
    def define(thread):
        for i in range(20):
            units.define(f"tally_{'abcd'[thread]}_{chr(97 + i)} = {i + 1} g", f"thread {thread}")  # no digits: powers
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        list(pool.map(define, range(4)))
    for t, i in itertools.product(range(4), range(20)):
        assert Q(1, f"tally_{'abcd'[t]}_{chr(97 + i)}").m_as("g") == i + 1


# Run by a fresh interpreter that defines nothing: each unpickled value in the unit named, as JSON.
CHILD = """
import json, pickle, sys
import qelunits
values, targets = pickle.loads(sys.stdin.buffer.read())
try:
    qelunits.Unit("widget")
    sys.exit("widget read before any unpickling")
except qelunits.UnitParseError:
    pass
out = []
for value, target in zip(values, targets):
    unit = getattr(value, "units", value)  # a Unit is one of it
    magnitude = qelunits.Quantity(getattr(value, "magnitude", 1.0), unit).m_as(target) if target else value(1.0)
    out.append([str(unit), getattr(magnitude, "tolist", lambda: magnitude)()] if target else magnitude)
print(json.dumps(out))
"""


def test_pickles_read_back_in_a_process_with_no_set_up():
    values = [Unit("dollar/crate"), Q(2.0, "crate"), Q(np.array([25.0, 150.0]), "¢"), Unit("BOE"),
              qelunits.Converter("crate", "lb")]
    targets = [Unit("cent/widget"), "kg", Unit("dollar"), "GJ", None]  # the child reads no defined text
    env = dict(os.environ, PYTHONPATH=os.pathsep.join(
        [str(pathlib.Path(qelunits.__file__).parent.parent), os.environ.get("PYTHONPATH", "")]))
    got = json.loads(subprocess.run([sys.executable, "-c", CHILD], input=pickle.dumps((values, targets)),
                                    capture_output=True, env=env, timeout=60, check=True).stdout)
    assert got[0][0] == "dollar/crate" and got[0][1] == pytest.approx(100 / 12) and got[1] == ["crate", 84.0]
    assert got[2][0] == "¢" and got[2][1] == pytest.approx([0.25, 1.5])
    assert got[3][0] == "BOE" and got[3][1] == pytest.approx(6.118) and got[4] == pytest.approx(42.0 / LB)


def test_dask_workers_read_defined_units_with_no_set_up():
    distributed = pytest.importorskip("distributed")
    dask_array = pytest.importorskip("dask.array")
    crates = dask_array.from_array(np.arange(8.0), chunks=2)
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None) as cluster, \
            distributed.Client(cluster) as client:
        assert not any(client.run(lambda: "crate" in units).values())
        kg = crates.map_blocks(lambda block, unit: Q(block, unit).m_as("kg"), Unit("crate"), dtype=float)
        assert client.compute(kg).result().tolist() == [42.0 * i for i in range(8)]
        lazy = Q(crates, "crate").to("widget").magnitude
        assert client.compute(lazy).result().tolist() == [12.0 * i for i in range(8)]


README = pathlib.Path(__file__).resolve().parents[2] / "README.md"


def test_readme_example():
    text = README.read_text(encoding="utf-8") if README.exists() else ""
    found = re.search(r"### Units of your own\n.*?```python\n(.*?)```", text, re.S)
    if found is None:
        pytest.skip("README.md has no Python section on units of one's own")
    test = doctest.DocTestParser().get_doctest(found.group(1), {}, "README", str(README), 0)
    runner = doctest.DocTestRunner(optionflags=doctest.ELLIPSIS)
    runner.run(test)
    assert runner.failures == 0 and runner.tries > 0
