"""Builds the package qelunits with the project's CMake (pyproject.toml holds the rest of its metadata).

The extension qelunits._core and the modules CMake generates (_version.py, _catalogue.py) come from a Release
build of the target qelunits_python alone, without the tests and the tool; the package's sources, stubs and
py.typed from python/qelunits. Everything is built under build/python (ignored by git), or under
$QELUNITS_PYTHON_BUILD_DIR where that is set; $CMAKE_ARGS adds options to CMake's configure step.
"""

import os
import re
import shlex
import shutil
import subprocess
import sys
import sysconfig
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext
from setuptools.command.build_py import build_py

ROOT = Path(__file__).resolve().parent
PACKAGE = ROOT / "python" / "qelunits"
# setuptools' build/ and egg-info, and CMake's build, outside the sources: build/ is ignored by git.
BUILD_BASE = Path(os.environ.get("QELUNITS_PYTHON_BUILD_DIR") or ROOT / "build" / "python").resolve()
# The modules python/CMakeLists.txt makes beside the extension.
GENERATED = ("_version.py", "_catalogue.py")


def project_version():
    """The project's version, read from the header as CMakeLists.txt reads it; the build checks that the
    _version.py CMake makes says the same."""
    text = (ROOT / "include" / "qelunits" / "Version.h").read_text(encoding="utf-8")
    parts = dict(re.findall(r"^#define QELUNITS_VERSION_(MAJOR|MINOR|PATCH) ([0-9]+)$", text, re.MULTILINE))
    return "{MAJOR}.{MINOR}.{PATCH}".format(**parts)


def wheel_command():
    """The command bdist_wheel, which setuptools before 70.1 takes from the package wheel. python3 -m venv
    installs setuptools but not wheel; Debian keeps wheel's own wheel in /usr/share/python-wheels
    (python3-wheel-whl), which imports from the zip as ensurepip imports pip's."""
    for place in [None] + sorted(Path("/usr/share/python-wheels").glob("wheel-*.whl"), reverse=True):
        if place is not None:
            sys.path.append(str(place))
        try:
            from wheel.bdist_wheel import bdist_wheel

            return bdist_wheel
        except ImportError:
            if place is not None:
                sys.path.remove(str(place))
    try:
        from setuptools.command.bdist_wheel import bdist_wheel  # setuptools 70.1 and later

        return bdist_wheel
    except ImportError:
        return None


class CMakeExtension(Extension):
    """An extension CMake builds: no sources for setuptools to compile."""

    def __init__(self, name):
        super().__init__(name, sources=[])


class FreshBuildPy(build_py):
    """The package copied anew: a file gone from python/qelunits must not reach the wheel from an earlier
    build (CMake's own build stays incremental)."""

    def run(self):
        shutil.rmtree(Path(self.build_lib) / "qelunits", ignore_errors=True)
        super().run()


class BuildWithCMake(build_ext):
    def build_extension(self, ext):
        cmake = shutil.which("cmake")
        if cmake is None:
            raise RuntimeError("building qelunits needs CMake 3.25 or later on PATH (Debian: apt-get install cmake)")
        # Not under build_temp, which an editable install makes anew each time: CMake's build stays incremental.
        build_dir = BUILD_BASE / f"cmake-{sysconfig.get_platform()}-{sys.implementation.cache_tag}"
        configure = [
            cmake, "-S", str(ROOT), "-B", str(build_dir),
            "-DCMAKE_BUILD_TYPE=Release",
            "-DQELUNITS_BUILD_PYTHON=ON",
            "-DQELUNITS_BUILD_TESTS=OFF",
            "-DQELUNITS_BUILD_TOOLS=OFF",
            "-DQELUNITS_BUILD_BENCH=OFF",
            "-DQELUNITS_BUILD_FUZZ=OFF",
            f"-DPython3_EXECUTABLE={sys.executable}",
        ]
        try:  # pybind11 from pip, where the build has it; CMake finds Debian's pybind11-dev by itself
            import pybind11

            configure.append(f"-Dpybind11_DIR={pybind11.get_cmake_dir()}")
        except ImportError:
            pass
        configure += shlex.split(os.environ.get("CMAKE_ARGS", ""))
        build = [cmake, "--build", str(build_dir), "--target", "qelunits_python"]
        if "CMAKE_BUILD_PARALLEL_LEVEL" not in os.environ:
            build += ["--parallel", str(os.cpu_count() or 1)]
        subprocess.run(configure, check=True)
        subprocess.run(build, check=True)

        built = build_dir / "python" / "qelunits"
        target = Path(self.get_ext_fullpath(ext.name))
        if not (built / target.name).is_file():
            raise RuntimeError(f"CMake built no {target.name} in {built}: is pybind11 installed? (see its output)")
        # The extension and what CMake generated; the package's own files come from build_py.
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(built / target.name, target)
        self.generated = [built / name for name in GENERATED]
        for file in self.generated:
            shutil.copy2(file, target.parent / file.name)
        made = re.search(r'__version__ = "([^"]*)"', (built / "_version.py").read_text(encoding="utf-8"))
        if made is None or made.group(1) != self.distribution.get_version():
            raise RuntimeError(f"CMake's version {made and made.group(1)} is not the package's "
                               f"{self.distribution.get_version()}")

    def copy_extensions_to_source(self):
        """An editable install (--inplace) imports from python/qelunits: the generated modules go there too."""
        super().copy_extensions_to_source()
        for file in getattr(self, "generated", []):
            shutil.copy2(file, PACKAGE / file.name)


commands = {"build_py": FreshBuildPy, "build_ext": BuildWithCMake}
bdist_wheel = wheel_command()
if bdist_wheel is not None:
    commands["bdist_wheel"] = bdist_wheel
elif {"bdist_wheel", "dist_info", "editable_wheel"} & set(sys.argv):
    sys.exit("building a wheel needs the package wheel: install it where the build runs (Debian: python3-wheel; "
             "in a virtual environment, python3-wheel-whl gives pip install --no-index "
             "--find-links /usr/share/python-wheels wheel)")

BUILD_BASE.mkdir(parents=True, exist_ok=True)

setup(
    version=project_version(),
    package_dir={"": "python"},
    packages=["qelunits"],
    package_data={"qelunits": ["*.pyi", "py.typed"]},
    include_package_data=False,
    ext_modules=[CMakeExtension("qelunits._core")],
    cmdclass=commands,
    options={"build": {"build_base": str(BUILD_BASE)}, "egg_info": {"egg_base": str(BUILD_BASE)}},
)
