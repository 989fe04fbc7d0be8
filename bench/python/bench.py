#!/usr/bin/python3
"""The Python module against Pint and NumPy, side by side in one run.

    scripts/install-deps.sh && cmake --preset release && cmake --build --preset release
    PYTHONPATH=build/release/python /usr/bin/python3 bench/python/bench.py [--repetitions 15]

Every row is timed in rounds that visit all rows in turn, each beside its peer and first by turns, so
that a busy moment of a shared machine falls on each alike; the table gives the median per call and the ratio to the peer's median, with
the target each ratio must meet, then the ratio of the fastest rounds (on a loaded machine the medians
of the array rows measure the scheduler as much as the loop).
"""

import argparse
import pickle
import statistics
import subprocess
import sys
import timeit

import numpy as np
import pint

import qelunits

REGISTRY = pint.UnitRegistry()
PQ = REGISTRY.Quantity
A, B = qelunits.Quantity(1.0, "m"), qelunits.Quantity(2.0, "ft")
PA, PB = PQ(1.0, "m"), PQ(2.0, "ft")
BIG = np.linspace(-50.0, 50.0, 1_000_000)
OUT = np.empty_like(BIG)
K = qelunits.convert(1.0, "m", "ft")

# name, statement, number of calls per timing, peer row, target ("<=" ratio or ">=" speed-up; µs bound)
ROWS = [
    ("qel convert(x, 'm', 'ft')", "qelunits.convert(1.5, 'm', 'ft')", 20000, "pint ureg.convert(x, 'm', 'ft')"),
    ("pint ureg.convert(x, 'm', 'ft')", "REGISTRY.convert(1.5, 'm', 'ft')", 500, None),
    ("qel Quantity(x, 'm').to('ft').m", "qelunits.Quantity(1.5, 'm').to('ft').m", 20000, "pint Quantity(x, 'm').to('ft').m"),
    ("pint Quantity(x, 'm').to('ft').m", "PQ(1.5, 'm').to('ft').m", 500, None),
    ("qel Quantity(x, 'm/s').to('ft/min')", "qelunits.Quantity(1.5, 'm/s').to('ft/min')", 20000,
     "pint Quantity(x, 'm/s').to('ft/min')"),
    ("pint Quantity(x, 'm/s').to('ft/min')", "PQ(1.5, 'm/s').to('ft/min')", 500, None),
    ("qel q / 3.0", "A / 3.0", 20000, "pint q / 3.0"),
    ("pint q / 3.0", "PA / 3.0", 2000, None),
    ("qel Quantity(3.5, 'ft')", "qelunits.Quantity(3.5, 'ft')", 20000, "pint Quantity(3.5, 'ft')"),
    ("pint Quantity(3.5, 'ft')", "PQ(3.5, 'ft')", 2000, None),
    ("qel m + ft", "A + B", 20000, "pint m + ft"),
    ("pint m + ft", "PA + PB", 500, None),
    ("qel parse 'kJ/(kg*K)' uncached", "qelunits._core._parse_uncached('kJ/(kg*K)')", 5000,
     "pint parse_units 'kJ/(kg*K)'"),
    ("pint parse_units 'kJ/(kg*K)'", "REGISTRY.parse_units('kJ/(kg*K)')", 200, None),
    ("qel pickle round trip", "pickle.loads(pickle.dumps(A))", 5000, "pint pickle round trip"),
    ("pint pickle round trip", "pickle.loads(pickle.dumps(PA))", 500, None),
    ("qel convert 1e6 m->ft", "qelunits.convert(BIG, 'm', 'ft')", 5, "numpy a * k"),
    ("numpy a * k", "BIG * K", 5, None),
    ("qel convert 1e6 degC->degF", "qelunits.convert(BIG, 'degC', 'degF')", 5, "numpy a * 1.8 + 32"),
    ("numpy a * 1.8 + 32", "BIG * 1.8 + 32", 5, None),
    ("qel convert 1e6 m->ft, out=", "qelunits.convert(BIG, 'm', 'ft', out=OUT)", 5, "numpy multiply(a, k, out=)"),
    ("numpy multiply(a, k, out=)", "np.multiply(BIG, K, out=OUT)", 5, None),
    ("qel convert 1e6 degC->degF, out=", "qelunits.convert(BIG, 'degC', 'degF', out=OUT)", 5,
     "numpy a * 1.8 + 32, out="),
    ("numpy a * 1.8 + 32, out=", "np.add(np.multiply(BIG, 1.8, out=OUT), 32, out=OUT)", 5, None),
]
# row: (how many times faster than its peer it must be, or at most what fraction of the peer; µs at most)
TARGETS = {
    "qel convert(x, 'm', 'ft')": ("faster", 25, 0.5),
    "qel Quantity(x, 'm').to('ft').m": ("faster", 25, None),
    "qel Quantity(x, 'm/s').to('ft/min')": ("faster", 25, 0.15),
    "qel q / 3.0": ("faster", 15, None),
    "qel Quantity(3.5, 'ft')": ("faster", 15, None),
    "qel m + ft": ("faster", 15, None),
    "qel parse 'kJ/(kg*K)' uncached": ("faster", 20, None),
    "qel pickle round trip": ("faster", 10, None),
    "qel convert 1e6 m->ft": ("fraction", 1.1, None),
    "qel convert 1e6 degC->degF": ("fraction", 1.0, None),
    "qel convert 1e6 m->ft, out=": ("fraction", 1.1, None),
    "qel convert 1e6 degC->degF, out=": ("fraction", 1.0, None),
    "import qelunits": ("fraction", 0.1, None),
}


def import_time(module):
    """Seconds a fresh interpreter takes to import module, less its start with nothing to import."""
    def run(code):
        out = subprocess.run([sys.executable, "-c", f"import time; t = time.perf_counter(); {code}; "
                              "print(time.perf_counter() - t)"], capture_output=True, text=True, check=True)
        return float(out.stdout)
    return run(f"import {module}")


def measure(repetitions):
    times = {name: [] for name, *_ in ROWS}
    times.update({"import qelunits": [], "import pint": []})
    env = globals()
    statements = {name: (statement, number) for name, statement, number, _peer in ROWS}
    pairs = [(name, peer) for name, _s, _n, peer in ROWS if peer]
    for round_ in range(repetitions):
        # Each row next to its peer, which goes first by turns: the first row after a change of work (the
        # Python rows, the interpreters started to time imports) pays for the caches the change left, and
        # every row pays it alike.
        for pair in pairs if round_ % 2 == 0 else reversed(pairs):
            for name in pair if round_ % 4 < 2 else reversed(pair):
                statement, number = statements[name]
                exec(statement, env)  # once untimed: the allocator and caches in the same state for every row
                times[name].append(timeit.timeit(statement, globals=env, number=number) / number)
        times["import qelunits"].append(import_time("qelunits"))
        times["import pint"].append(import_time("pint"))
    return ({name: statistics.median(values) for name, values in times.items()},
            {name: min(values) for name, values in times.items()})


def verdict(name, ratio, seconds):
    kind, bound, micros = TARGETS[name]
    ok = (1 / ratio >= bound) if kind == "faster" else ratio <= bound
    ok = ok and (micros is None or seconds * 1e6 <= micros)
    goal = f"≥ {bound}× faster" if kind == "faster" else f"≤ {bound}× the peer"
    return goal + (f", ≤ {micros} µs" if micros else ""), "met" if ok else "MISSED"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--repetitions", type=int, default=15)
    repetitions = parser.parse_args().repetitions
    print(f"qelunits {qelunits.__version__}, Pint {pint.__version__}, NumPy {np.__version__}, "
          f"Python {sys.version.split()[0]}; medians of {repetitions} rounds")
    medians, fastest = measure(repetitions)
    pairs = [(name, peer) for name, _s, _n, peer in ROWS if peer] + [("import qelunits", "import pint")]
    print(f"| {'row':34} | {'median':>10} | {'peer':34} | {'peer median':>11} | {'ratio':>7} | target | | "
          "ratio of fastest |")
    print("|" + "---|" * 8)
    for name, peer in pairs:
        mine, theirs = medians[name], medians[peer]
        goal, status = verdict(name, mine / theirs, mine)
        print(f"| {name:34} | {mine * 1e6:8.3f}µs | {peer:34} | {theirs * 1e6:9.1f}µs | {mine / theirs:7.4f} "
              f"| {goal} | {status} | {fastest[name] / fastest[peer]:.4f} |")


if __name__ == "__main__":
    main()
