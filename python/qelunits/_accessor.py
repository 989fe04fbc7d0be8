"""The xarray accessor .qel, registered when xarray is imported, so that importing qelunits stays fast.

If xarray is already imported, the accessor is registered at once; otherwise a finder placed first on
sys.meta_path waits for "xarray", lets the usual finders find it and registers the accessor right after
xarray's own code has run. Nothing else is imported early.
"""

import sys


def _register(xarray):
    from qelunits._xarray import DataArrayAccessor, DatasetAccessor

    xarray.register_dataarray_accessor("qel")(DataArrayAccessor)
    xarray.register_dataset_accessor("qel")(DatasetAccessor)


class _XarrayFinder:
    """Finds nothing itself: wraps the loader of xarray so that the accessor follows its import."""

    def find_spec(self, name, path=None, target=None):
        if name != "xarray":
            return None
        sys.meta_path.remove(self)
        found = None
        for finder in sys.meta_path:
            find = getattr(finder, "find_spec", None)
            found = find(name, path, target) if find else None
            if found is not None:
                break
        if found is None or found.loader is None or not hasattr(found.loader, "exec_module"):
            return found
        execute = found.loader.exec_module

        def exec_module(module):
            execute(module)
            _register(module)

        found.loader.exec_module = exec_module
        return found


def install():
    if "xarray" in sys.modules:
        _register(sys.modules["xarray"])
    elif not any(isinstance(f, _XarrayFinder) for f in sys.meta_path):
        sys.meta_path.insert(0, _XarrayFinder())
