#!/usr/bin/env python3
"""UTCI, STI and the weather type on a synthetic hourly grid, on a Dask cluster, into NetCDF.

The grid imitates a reanalysis (variable names and units as ERA5 has them: kelvin, pascal, metres)
and is made lazily, chunk by chunk, so that it never has to fit into memory.

    PYTHONPATH=build/python python3 examples/python/gridded.py --cells 40 --hours 744
    python3 examples/python/gridded.py                                   # 200 x 200 cells, a year
    python3 examples/python/gridded.py --scheduler tcp://10.0.0.5:8786   # a running cluster
"""

import argparse
import math
import os

import dask.array
import numpy as np
import pandas
import xarray
from dask.distributed import Client, LocalCluster, progress

import salvento.xarray


def synthetic_grid(cells, hours, chunk_cells, chunk_hours):
    """Plausible hourly weather of a mid-latitude land area, in ERA5's names and units."""
    time = pandas.date_range("2023-01-01", periods=hours, freq="h")
    coords = {"time": time, "latitude": np.linspace(55.0, 45.0, cells), "longitude": np.linspace(5.0, 25.0, cells)}
    shape, chunks = (hours, cells, cells), (chunk_hours, chunk_cells, chunk_cells)
    random = dask.array.random.RandomState(2023)

    def field(draw):
        return xarray.DataArray(draw(size=shape, chunks=chunks), dims=("time", "latitude", "longitude"))

    day = xarray.DataArray(time.dayofyear, dims="time", coords={"time": time})
    hour = xarray.DataArray(time.hour, dims="time", coords={"time": time})
    latitude = xarray.DataArray(coords["latitude"], dims="latitude", coords={"latitude": coords["latitude"]})
    daily_mean = 9.0 - 0.7 * (latitude - 50.0) - 11.0 * np.cos(2 * math.pi * (day - 15) / 365)   # °C
    daily_range = 4.0 + 2.0 * np.cos(2 * math.pi * (day - 180) / 365)
    sun = np.cos(2 * math.pi * (hour - 13) / 24).clip(0.0, None)
    t = daily_mean + daily_range * np.cos(2 * math.pi * (hour - 15) / 24) + 1.5 * field(random.standard_normal)
    # The DataArray's own clip and round: numpy's would compute the whole array at once.
    cloud = (0.6 + 0.3 * field(random.standard_normal)).clip(0.0, 1.0)
    wind = 1.0 + 9.0 * field(random.random) ** 2
    rain = xarray.where(field(random.random) < 0.08, 0.004 * field(random.random), 0.0)
    ds = xarray.Dataset({
        "t2m": t + 273.15,
        "d2m": t - 2.0 - 6.0 * field(random.random) + 273.15,
        "mx2t": daily_mean + daily_range + 273.15,
        "mn2t": daily_mean - daily_range + 273.15,
        "si10": wind,
        "sp": 101325.0 - 12.0 * (latitude - 50.0) + 600.0 * field(random.standard_normal),
        "tcc": cloud,
        "tp": rain,
        "sd": xarray.where(daily_mean < -2.0, 0.05, 0.0),
        "mrt": t + 18.0 * sun * (1.0 - 0.8 * cloud) + 273.15,
    }, coords=coords, attrs={"title": "synthetic hourly grid"})
    return ds.transpose("time", "latitude", "longitude")


def indices(ds):
    """The ten lines a user writes: ERA5's units turned into Salvento's, then the indices."""
    time = ds.time.dt
    degrees = np.floor(ds.latitude)
    return salvento.xarray.compute(
        ds, ["UTCI", "STI", "Weather"],
        t=ds.t2m - 273.15, td=ds.d2m - 273.15, tmax=ds.mx2t - 273.15, tmin=ds.mn2t - 273.15,
        v10m=ds.si10, v=0.67 * ds.si10, p=ds.sp / 100.0, N8=(8.0 * ds.tcc).round(),
        prec=1000.0 * ds.tp, snow=100.0 * ds.sd, Mrt=ds.mrt - 273.15, M=135.0,
        lat=degrees + 0.6 * (ds.latitude - degrees),   # degrees.minutes
        month=time.month, day=time.day, hour=time.hour)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cells", type=int, default=200, help="grid cells along each side (200)")
    parser.add_argument("--hours", type=int, default=8760, help="hours from 1 January 2023 (8760)")
    parser.add_argument("--workers", type=int, default=os.cpu_count(), help="LocalCluster workers (one per core)")
    parser.add_argument("--scheduler", help="address of a running Dask scheduler instead of a LocalCluster")
    parser.add_argument("-o", "--output", default="indices.nc", help="the NetCDF file written (indices.nc)")
    args = parser.parse_args()

    ds = synthetic_grid(args.cells, args.hours, chunk_cells=50, chunk_hours=744)
    out = indices(ds)
    # NetCDF strings have no missing value; a fixed width spares Dask a pass over the texts to find one.
    out["Weather"] = out["Weather"].fillna("").astype("U16")
    with (Client(args.scheduler) if args.scheduler
          else Client(LocalCluster(n_workers=args.workers, threads_per_worker=1))) as client:
        print(f"Dask dashboard: {client.dashboard_link}")
        written = client.compute(out.to_netcdf(args.output, compute=False))
        progress(written)
        written.result()
    print(f"\n{args.output}: {', '.join(out.data_vars)} on {args.cells} x {args.cells} cells x {args.hours} hours")


if __name__ == "__main__":
    main()
