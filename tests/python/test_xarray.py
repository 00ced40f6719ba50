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
