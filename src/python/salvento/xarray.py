"""Salvento's indices on xarray Datasets, lazily and chunk by chunk where they are Dask arrays.

    import xarray, salvento.xarray
    ds = xarray.open_dataset("era.nc", chunks={"time": 744})
    out = salvento.xarray.compute(ds, ["UTCI", "STI"], mapping={"t2m": "t", "d2m": "td"}, M=135.0)
    out.to_netcdf("indices.nc")   # computed on the active Dask scheduler

Variables and coordinates named as a kind's short name are inputs; `mapping` names others.
"""

import functools

import numpy as np
import xarray

import salvento

__all__ = ["compute"]


def _kernel(indices, names, config, threads, *values):
    results = salvento.compute(indices, config=config, threads=threads, **dict(zip(names, values)))
    # apply_ufunc takes a tuple for several outputs, the array itself for one.
    return tuple(results[index] for index in indices) if len(indices) > 1 else results[indices[0]]


def _attributes(kind):
    description = kind["description"]
    long_name = description[: description.rfind(",")] if kind["unit"] else description
    attributes = {"long_name": long_name or kind["name"], "units": kind["unit"], "salvento_kind": kind["short_name"]}
    if kind["classes"]:
        attributes["class_names"] = [name for name, _ in kind["classes"]]
        attributes["class_thresholds"] = [threshold for _, threshold in kind["classes"][:-1]]
    return attributes


def compute(ds, indices, mapping=None, config=None, threads=None, **inputs):
    """Computes indices from a Dataset's variables with salvento.compute, through xarray.apply_ufunc.

    ds: the Dataset; its data variables and coordinates named as kinds (t, td, v, Mrt, month …) are
    inputs. mapping: {variable or coordinate: kind short name} for the others. inputs: further inputs
    by short name, scalars or DataArrays (M=135.0). Dask-backed variables give lazy results computed
    chunk by chunk on the active scheduler (threads, a LocalCluster, a cluster's scheduler), each
    chunk on `threads` threads (default 1 there, every core for numpy-backed data). config: a
    SALVENTO.INI path (the shipped one by default). Returns a Dataset of the indices, with the
    inputs' coordinates, the Dataset's attributes and each kind's long name, units and classes.
    """
    indices = [indices] if isinstance(indices, str) else list(dict.fromkeys(indices))
    kinds = {kind["short_name"]: kind for kind in salvento.kinds(config) if kind["listed"]}
    sources = {name: name for name in [*ds.data_vars, *ds.coords] if name in kinds}
    for variable, kind in (mapping or {}).items():
        if variable not in ds.variables:
            raise ValueError(f"the dataset has no variable {variable}")
        sources = {source: target for source, target in sources.items() if target != kind}
        sources[variable] = kind
    arrays = {kind: ds[variable] for variable, kind in sources.items()}
    arrays.update(inputs)
    # Checked here, before any chunk is computed on a worker.
    unknown = [name for name in [*indices, *arrays] if name not in kinds]
    if unknown:
        raise ValueError(f"no data kind has the short name {', '.join(map(str, unknown))}")
    inputs_asked = [index for index in indices if not kinds[index]["computed"]]
    if inputs_asked:
        raise ValueError(f"{', '.join(inputs_asked)}: an input, not an index")
    chunked = any(isinstance(a, xarray.DataArray) and a.chunks is not None for a in arrays.values())
    if threads is None and chunked:
        threads = 1
    names = list(arrays)
    results = xarray.apply_ufunc(
        functools.partial(_kernel, indices, names, config, threads), *arrays.values(),
        output_core_dims=[()] * len(indices),
        dask="parallelized",
        output_dtypes=[object if kinds[index]["textual"] else np.float32 for index in indices])
    results = results if isinstance(results, tuple) else (results,)
    variables = {}
    for index, result in zip(indices, results):
        if not isinstance(result, xarray.DataArray):
            result = xarray.DataArray(result)
        variables[index] = result.assign_attrs(_attributes(kinds[index]))
    return xarray.Dataset(variables, attrs=ds.attrs)
