"""The accessors .qel of xarray and pandas objects and the dtype "qel[unit]", registered as xarray or pandas is
imported, so that importing qelunits stays fast.

If the package is already imported, its part is registered at once; otherwise a finder placed first on
sys.meta_path waits for it, lets the usual finders find it and registers right after the package's own code has
run. Nothing else is imported early.
"""

import sys


def _register_xarray(xarray):
    from qelunits._xarray import DataArrayAccessor, DatasetAccessor

    xarray.register_dataarray_accessor("qel")(DataArrayAccessor)
    xarray.register_dataset_accessor("qel")(DatasetAccessor)


def _register_pandas(pandas):
    from qelunits import _arrays, _pandas  # _pandas registers its dtype and accessors as it is read

    _pandas.install(_arrays)


_REGISTER = {"xarray": _register_xarray, "pandas": _register_pandas}


def _register(name, module):
    """Registers qelunits' part of module; a version it does not work with warns rather than break the import."""
    try:
        _REGISTER[name](module)
    except Exception as error:  # whatever it is, the package itself must still import
        import warnings

        warnings.warn(f"qelunits: .qel of {name} {getattr(module, '__version__', '')} is not available: {error!r}",
                      RuntimeWarning, stacklevel=2)


class _PackageFinder:
    """Finds nothing itself: wraps the loader of xarray and of pandas so that their part follows the import."""

    def __init__(self):
        self.waiting = set(_REGISTER) - set(sys.modules)

    def find_spec(self, name, path=None, target=None):
        if name not in self.waiting:
            return None
        self.waiting.discard(name)
        if not self.waiting:
            sys.meta_path.remove(self)
        found = None
        for finder in sys.meta_path:
            find = getattr(finder, "find_spec", None) if finder is not self else None
            found = find(name, path, target) if find else None
            if found is not None:
                break
        if found is None or found.loader is None or not hasattr(found.loader, "exec_module"):
            return found
        execute = found.loader.exec_module

        def exec_module(module):
            execute(module)
            _register(name, module)

        found.loader.exec_module = exec_module
        return found


def install():
    for name in _REGISTER:
        if name in sys.modules:
            _register(name, sys.modules[name])
    if set(_REGISTER) - set(sys.modules) and not any(isinstance(f, _PackageFinder) for f in sys.meta_path):
        sys.meta_path.insert(0, _PackageFinder())
