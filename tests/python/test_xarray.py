import importlib.util
import pathlib

import numpy as np
import xarray

import salvento
import salvento.xarray

INDICES = ["UTCI", "STI", "PST", "Oh_W", "WSI_ST", "Weather"]


def example_dataset(example_inputs):
    """The example year as a grid of days × hours, its air temperature under another name."""
    days = np.arange(1, 366)
    variables = {("air_temperature" if name == "t" else name): (("date", "clock"), values.reshape(365, 24))
                 for name, values in example_inputs.items()}
    return xarray.Dataset(variables, coords={"date": days, "clock": np.arange(24)},
                          attrs={"title": "example year"})


def test_chunked_equals_unchunked_and_numpy(example_inputs):
    ds = example_dataset(example_inputs)
    whole = salvento.xarray.compute(ds, INDICES, mapping={"air_temperature": "t"})
    lazy = salvento.xarray.compute(ds.chunk({"date": 50, "clock": 7}), INDICES, mapping={"air_temperature": "t"})
    assert lazy["UTCI"].chunks is not None
    lazy = lazy.compute()
    direct = salvento.compute(INDICES, **example_inputs)
    for index in INDICES:
        assert whole[index].equals(lazy[index]), index
        assert np.array_equal(whole[index].values.reshape(-1), direct[index],
                              equal_nan=index != "Weather"), index
    one = salvento.xarray.compute(ds.chunk({"date": 100}), "UTCI", mapping={"air_temperature": "t"})
    assert one["UTCI"].equals(whole["UTCI"])
    assert whole["Weather"].dtype == object and whole["UTCI"].dtype == np.float32
    assert whole.attrs == ds.attrs and set(whole.coords) == set(ds.coords)
    utci = whole["UTCI"].attrs
    assert utci["units"] == "°C" and len(utci["class_names"]) == len(utci["class_thresholds"]) + 1


def test_the_gridded_example_stays_lazy():
    """The example's grid and indices are Dask arrays until written: nothing of the size of the grid is
    computed at once (numpy's clip or round on a DataArray would)."""
    path = pathlib.Path(__file__).resolve().parents[2] / "examples" / "python" / "gridded.py"
    spec = importlib.util.spec_from_file_location("gridded", path)
    example = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(example)
    ds = example.synthetic_grid(8, 48, chunk_cells=4, chunk_hours=24)
    out = example.indices(ds)
    full = [v for v in [*ds.data_vars.values(), *out.data_vars.values()] if v.ndim == 3]
    assert len(full) >= 10 and all(v.chunks is not None for v in full)
