"""Threads: parsing (through the shared cache of texts) and conversion from several Python threads at once,
arrays large enough that the GIL is released while they convert."""

from concurrent.futures import ThreadPoolExecutor

import numpy as np
import pytest

import qelunits

TEXTS = [f"{prefix}{unit}" for prefix in ("", "k", "m", "M", "µ") for unit in ("m", "g", "J", "W", "Pa", "s")]


def _work(seed):
    rng = np.random.default_rng(seed)
    results = []
    for _ in range(200):
        a, b = rng.choice(TEXTS, 2)
        unit_a, unit_b = qelunits.Unit(f"{a}/{b}"), qelunits.Unit(f"{b}/{a}")
        results.append((str(unit_a), (qelunits.Quantity(2.0, unit_a) * qelunits.Quantity(3.0, unit_b)).m_as("1")))
    values = rng.standard_normal(50_000)
    return results, qelunits.convert(values, "degC", "K"), values


def test_parsing_and_converting_from_threads():
    with ThreadPoolExecutor(max_workers=8) as pool:
        outcomes = list(pool.map(_work, range(16)))
    for seed, (results, kelvin, values) in enumerate(outcomes):
        alone, kelvin_alone, _ = _work(seed)
        assert results == alone and np.array_equal(kelvin, kelvin_alone)
        assert all(value == pytest.approx(6.0, rel=1e-14) for _, value in results)
