#!/usr/bin/env bash
# Installs what the build uses beyond the machine image, each optional for the
# build itself: UDUNITS-2, the peer library of the benchmarks (skipped when
# absent); libedit, the line editor of the tool's dialogue (plain lines when
# absent); {fmt}, for the tests of the opt-in formatters (untested when absent);
# Doxygen, for the docs target (no target when absent, and .ci/run requires it);
# Python 3's development files, NumPy and pybind11, for the Python module (not
# built when absent), pytest and Hypothesis for its tests (not run when absent), Dask, distributed,
# pandas and xarray for the tests of those paths, Pint for the agreement test
# and the Python benchmark (each skipped when absent); venv, setuptools, wheel
# (and its wheel, for virtual environments), build and mypy for building the
# package with pip and checking its install and stubs.
set -u
declare -A without=(
    [libudunits2-dev]="the peer benchmarks will be skipped"
    [libedit-dev]="the tool's dialogue will read lines without editing"
    [libfmt-dev]="the {fmt} formatters will not be tested"
    [doxygen]="there will be no docs target"
    [python3-dev]="the Python module will not be built"
    [python3-numpy]="the Python module will not be built"
    [pybind11-dev]="the Python module will not be built"
    [python3-pybind11]="the Python module will not be built"
    [python3-pytest]="the Python module's tests will not run"
    [python3-hypothesis]="the Python module's tests will not run"
    [python3-dask]="the Python module's Dask tests will be skipped"
    [python3-distributed]="the Python module's cluster test will be skipped"
    [python3-pandas]="the Python module's Dask dataframe test will be skipped"
    [python3-xarray]="the Python module's xarray tests will be skipped"
    [python3-pint]="the agreement with Pint and the Python benchmark's peer will be skipped"
    [python3-venv]="the Python package's install test will be skipped"
    [python3-setuptools]="pip and python3 -m build will not build the Python package"
    [python3-wheel]="pip and python3 -m build will not build the Python package's wheel"
    [python3-wheel-whl]="a virtual environment will not build the Python package offline; its install test will be skipped"
    [python3-build]="python3 -m build will not build the Python package's wheel"
    [python3-mypy]="the Python package's stubs will not be type-checked"
)
missing=()
for package in libudunits2-dev libedit-dev libfmt-dev doxygen python3-dev python3-numpy pybind11-dev \
    python3-pybind11 python3-pytest python3-hypothesis python3-dask python3-distributed python3-pandas \
    python3-xarray python3-pint python3-venv python3-setuptools python3-wheel python3-wheel-whl python3-build \
    python3-mypy; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    (apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}") >/dev/null 2>&1
fi
for package in "${missing[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || echo "install-deps: $package is not installed; ${without[$package]}" >&2
done
exit 0
