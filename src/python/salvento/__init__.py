"""Salvento's data kinds and indices on numpy arrays.

    import salvento
    out = salvento.compute(["UTCI", "STI"], t=t, td=td, v=v, Mrt=mrt, M=135.0)

Inputs are named by the kinds' short names (``salvento.kinds()``); NaN marks a missing value.
"""

import os
import threading

import numpy as np

from . import _salvento
from ._paths import DATA_DIRECTORY

__all__ = ["compute", "kinds", "default_config"]

_configurations = {}
_configurations_guard = threading.Lock()


def default_config():
    """The SALVENTO.INI shipped with Salvento."""
    return os.path.join(DATA_DIRECTORY, "SALVENTO.INI")


def _configuration(config):
    path = os.path.abspath(os.fspath(config if config is not None else default_config()))
    with _configurations_guard:
        if path not in _configurations:
            # WSI.INI is always the shipped one, as for the batch tool.
            configuration = _salvento.Configuration(path, DATA_DIRECTORY)
            textual = {kind["short_name"] for kind in configuration.kinds() if kind["textual"]}
            _configurations[path] = configuration, textual
        return _configurations[path]


def kinds(config=None):
    """The 108 data kinds of a configuration (a SALVENTO.INI path; the shipped one by default).

    Each is a dict: id, short_name, name, description, unit, minimum, maximum, default (None where
    there is none), computed (an index rather than an input), listed (can be given or asked for),
    integer, textual and classes (name, upper threshold or None for the last).
    """
    return _configuration(config)[0].kinds()


def _numeric(name, value):
    array = np.asarray(value)
    if array.dtype.kind not in "biuf":
        raise TypeError(f"{name}: numbers are needed, not an array of {array.dtype}")
    return array


def compute(indices, config=None, threads=None, **inputs):
    """Computes indices row by row, as Salvento's calculation command does.

    indices: a short name ("UTCI") or a list of them. inputs: numpy arrays or scalars named by
    short name (t=..., td=..., v=..., M=...), broadcast against each other; NaN is a missing value.
    config: a SALVENTO.INI path (the shipped one by default). threads: threads that evaluate rows
    (every core by default). Returns {short name: array of the broadcast shape}: float32 with NaN
    where there is no value, or, for textual kinds (Weather), an object array of str and None.
    """
    names = [indices] if isinstance(indices, str) else list(dict.fromkeys(indices))
    configuration, textual = _configuration(config)
    arrays = {name: _numeric(name, value) for name, value in inputs.items()}
    try:
        shape = np.broadcast_shapes(*(a.shape for a in arrays.values()))
    except ValueError:
        shapes = ", ".join(f"{name} {a.shape}" for name, a in arrays.items())
        raise ValueError(f"the inputs' shapes do not broadcast together: {shapes}") from None
    rows = int(np.prod(shape, dtype=np.int64))
    columns = {}
    for name, array in arrays.items():
        if array.size == 1:
            columns[name] = float(array.reshape(()))
        else:
            columns[name] = np.ascontiguousarray(np.broadcast_to(array, shape), dtype=np.float32).reshape(-1)
    if threads is None:
        threads = os.cpu_count() or 1
    results = configuration.compute(names, columns, rows, int(threads))
    return {name: (_texts(configuration, name, values) if name in textual else values).reshape(shape)
            for name, values in results.items()}


def _texts(configuration, name, values):
    codes, where = np.unique(values, return_inverse=True)
    texts = np.empty(len(codes), dtype=object)
    texts[:] = [None if np.isnan(code) else configuration.text(name, float(code)) for code in codes]
    return texts[where.reshape(-1)]
