"""The package as users install and check it: the version, text signatures, dir(units), the stubs; and one
test that installs it with pip into a fresh virtual environment, offline, and type-checks against it.

That test builds the extension again (a Release build of the module alone, minutes the first time): ctest
labels it packaging, and QELUNITS_SKIP_PACKAGING=1 skips it. Under ctest it builds in the build tree's
python/package-build, which later runs reuse; elsewhere in a temporary directory.
"""

import importlib.util
import inspect
import json
import os
import re
import shutil
import subprocess
import sys
import textwrap
from pathlib import Path

import pytest

import qelunits
from qelunits import Converter, Quantity, Unit, units

SOURCE = Path(__file__).resolve().parents[2]


def header_version():
    text = (SOURCE / "include" / "qelunits" / "Version.h").read_text(encoding="utf-8")
    parts = dict(re.findall(r"^#define QELUNITS_VERSION_(MAJOR|MINOR|PATCH) ([0-9]+)$", text, re.MULTILINE))
    return f"{parts['MAJOR']}.{parts['MINOR']}.{parts['PATCH']}"


def test_version_is_the_projects():
    assert qelunits.__version__ == header_version()


# (callable, its parameters as (name, kind, default); E where there is no default)
P, K, O = inspect.Parameter.POSITIONAL_ONLY, inspect.Parameter.KEYWORD_ONLY, inspect.Parameter.POSITIONAL_OR_KEYWORD
E = inspect.Parameter.empty
SIGNATURES = [
    (qelunits.convert, [("values", P, E), ("from_unit", P, E), ("to_unit", P, E), ("out", O, None),
                        ("reciprocal", K, False)]),
    (Unit, [("text", P, E)]),
    (Quantity, [("value", P, E), ("unit", P, "")]),
    (Quantity.to, [("self", P, E), ("unit", P, E), ("reciprocal", K, False)]),
    (Quantity(1.0, "m").m_as, [("unit", P, E), ("reciprocal", K, False)]),
    (Quantity.to_base_units, [("self", P, E)]),
    (Unit.is_compatible_with, [("self", P, E), ("other", P, E)]),
    (Converter, [("from_unit", O, E), ("to_unit", O, E), ("reciprocal", K, False)]),
    (Converter("m", "ft"), [("values", O, E), ("out", O, None)]),
]


@pytest.mark.parametrize("function, expected", SIGNATURES, ids=lambda x: getattr(x, "__qualname__", None))
def test_signature(function, expected):
    found = [(p.name, p.kind, p.default) for p in inspect.signature(function).parameters.values()]
    assert found == expected


def test_calls_are_taken_as_the_signatures_say():
    feet = 1 / 0.3048  # the international foot
    assert qelunits.convert(1.0, "m", "ft", out=None, reciprocal=False) == pytest.approx(feet, rel=1e-12)
    assert Converter(from_unit="m", to_unit="ft", reciprocal=False)(values=1.0, out=None) == pytest.approx(feet)
    assert Quantity(1.0, "m").to("ft", reciprocal=False).m_as("m") == pytest.approx(1.0)
    refused = [  # positional-only given by name, keyword-only by position
        lambda: qelunits.convert(values=1.0, from_unit="m", to_unit="ft"),
        lambda: qelunits.convert(1.0, "m", "ft", None, False),
        lambda: Quantity(1.0, "m").to(unit="ft"),
        lambda: Unit(text="m"),
        lambda: Quantity(value=1.0, unit="m"),
        lambda: Converter("m", "ft", False),
    ]
    for call in refused:
        with pytest.raises(TypeError):
            call()


def test_every_function_and_method_has_a_signature():
    core = sys.modules["qelunits._core"]
    functions = [(name, f) for name, f in vars(core).items() if inspect.isbuiltin(f)]
    for cls in (Unit, Quantity, Converter):
        # Methods the module defines; the slots' wrappers (__add__, ...) have CPython's own signatures.
        functions += [(f"{cls.__name__}.{name}", f) for name, f in vars(cls).items()
                      if type(f).__name__ in ("method_descriptor", "instancemethod")]
    missing = []
    for name, function in functions:
        try:
            inspect.signature(function)
        except ValueError:
            missing.append(name)
    # pybind11 makes Converter's pickling methods with no docstring to hold a signature.
    assert sorted(missing) == ["Converter.__getstate__", "Converter.__setstate__"]
    assert len(functions) > 40


def test_dir_of_units_lists_what_it_reads():
    names = set(dir(units))
    # Every catalogue code's name (the enum of QelUnit.h, from which the catalogue's rows take their names),
    # catalogue symbols, common spellings, and the registry's own attributes.
    header = (SOURCE / "include" / "qelunits" / "QelUnit.h").read_text(encoding="utf-8")
    codes = header[header.index("enum BuiltinUnits"):]
    catalogue = re.findall(r"^ +(\w+) = \d+,$", codes[:codes.index("};")], re.MULTILINE)
    assert len(catalogue) == 349
    assert set(catalogue) <= names
    assert {"m", "kg", "km", "ft", "psi", "degC", "h", "s", "Quantity", "Unit", "parse_units"} <= names
    own = set(dir(type(units)))
    assert all(isinstance(getattr(units, name), Unit) for name in names - own)
    assert units.kilometer == Unit("km")


def mypy_available():
    return importlib.util.find_spec("mypy") is not None


def test_stubs_agree_with_the_module(tmp_path):
    if not mypy_available():
        pytest.skip("mypy is not installed (Debian: python3-mypy)")
    # pybind11's metaclass has no stub to name; the pandas array takes its operators from pandas' mixin at import.
    allow = tmp_path / "allow.txt"
    classes = ("Converter", "Definitions", "Level", "Context")
    allow.write_text("".join(f"qelunits.{c}\nqelunits._core.{c}\n" for c in classes) +
                     "qelunits._pandas.QelArray.__.*__\nqelunits._pandas.QelDtype.type\n")
    done = subprocess.run([sys.executable, "-m", "mypy.stubtest", "--allowlist", str(allow), "qelunits"],
                          cwd=tmp_path, capture_output=True, text=True)
    assert done.returncode == 0, done.stdout + done.stderr


GOOD = """\
    import qelunits
    from qelunits import Converter, Quantity, Unit, convert, units

    q = Quantity(3.5, "ft")
    r: Quantity = q.to("m") + Quantity("1 m") * 2
    f: float = convert(100.0, "degC", "degF")
    g: float = Converter("m", "ft")(1.0)
    speed: Quantity = 90 * (units.km / units.h)
    t: Quantity = 25 * Unit("degC") - Quantity(10, "degC")
    s: str = f"{q:.2f~}" + qelunits.__version__
    try:
        Unit("kg/fot")
    except qelunits.UnitParseError as error:
        kind: str = error.kind
    """
# Each line a wrong call the checker must report.
BAD = """\
    from qelunits import Quantity, Unit, convert
    Quantity(1, 2, 3)
    convert("m", 1.0)
    Unit(3)
    Quantity(1.0, "m").to(5)
    x: str = convert(1.0, "m", "ft")
    """


def run(command, **kwargs):
    done = subprocess.run(command, capture_output=True, text=True, **kwargs)
    assert done.returncode == 0, f"{command}:\n{done.stdout}\n{done.stderr}"
    return done.stdout


def test_installs_into_a_virtual_environment_offline(tmp_path):
    if os.environ.get("QELUNITS_SKIP_PACKAGING") == "1":
        pytest.skip("QELUNITS_SKIP_PACKAGING=1")
    if shutil.which("cmake") is None:
        pytest.skip("no cmake")
    env = {k: v for k, v in os.environ.items() if not k.startswith(("PYTHON", "PIP_", "VIRTUAL_ENV"))}
    env["QELUNITS_PYTHON_BUILD_DIR"] = os.environ.get("QELUNITS_PACKAGE_BUILD_DIR") or str(tmp_path / "build")
    venv = tmp_path / "env"
    made = subprocess.run([sys.executable, "-m", "venv", str(venv)], capture_output=True, text=True, env=env)
    python = venv / "bin" / "python"
    if made.returncode != 0 or subprocess.run([python, "-c", "import setuptools"], env=env).returncode != 0:
        pytest.skip("python3 -m venv gives no environment with setuptools (Debian: python3-venv)")
    has_wheel = subprocess.run([python, "-c", "import wheel"], env=env, capture_output=True).returncode == 0
    if not has_wheel and not list(Path("/usr/share/python-wheels").glob("wheel-*.whl")):
        pytest.skip("no package wheel for setuptools to build wheels with (Debian: python3-wheel-whl)")

    run([python, "-m", "pip", "install", "--no-build-isolation", "--no-index", "--disable-pip-version-check",
         str(SOURCE)], cwd=tmp_path, env=env)

    elsewhere = tmp_path / "elsewhere"
    elsewhere.mkdir()
    script = textwrap.dedent("""\
        import importlib.metadata, inspect, json, sys
        import qelunits
        print(json.dumps({
            "file": qelunits.__file__,
            "version": qelunits.__version__,
            "metadata": importlib.metadata.version("qelunits"),
            "numpy": "numpy" in sys.modules,
            "signatures": [str(inspect.signature(f)) for f in
                           (qelunits.convert, qelunits.Quantity.to, qelunits.Converter, qelunits.Unit)],
            "converted": qelunits.convert(100.0, "degC", "degF"),
            "listed": "meter" in dir(qelunits.units),
        }))
        """)
    found = json.loads(run([python, "-c", script], cwd=elsewhere, env=env))
    assert Path(found["file"]).is_relative_to(venv)
    assert found["version"] == found["metadata"] == header_version()
    assert not found["numpy"]
    assert found["signatures"] == ["(values, from_unit, to_unit, /, out=None, *, reciprocal=False)",
                                   "(self, unit, /, *, reciprocal=False)",
                                   "(from_unit, to_unit, *, reciprocal=False)", "(text, /)"]
    assert found["converted"] == 212.0
    assert found["listed"]

    if not mypy_available():
        return
    (elsewhere / "good.py").write_text(textwrap.dedent(GOOD))
    (elsewhere / "bad.py").write_text(textwrap.dedent(BAD))
    mypy = [sys.executable, "-m", "mypy", "--python-executable", str(python), "--cache-dir", str(tmp_path / "cache")]
    run(mypy + ["--strict", "good.py"], cwd=elsewhere, env=env)
    bad = subprocess.run(mypy + ["bad.py"], cwd=elsewhere, env=env, capture_output=True, text=True)
    reported = {int(line.split(":")[1]) for line in bad.stdout.splitlines() if ": error:" in line}
    assert bad.returncode == 1 and reported == {2, 3, 4, 5, 6}, bad.stdout
