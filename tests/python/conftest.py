import os
import pathlib

import pytest

RESOURCES = pathlib.Path(os.environ.get("SALVENTO_RESOURCES", pathlib.Path(__file__).parents[2] / "resources"))


@pytest.fixture(scope="session")
def example_year():
    """The shipped example year: its header and its rows as lists of texts."""
    lines = (RESOURCES / "examples" / "station-year.txt").read_text(encoding="utf-8").splitlines()
    return lines[0].split("\t"), [line.split("\t") for line in lines[1:]]


@pytest.fixture(scope="session")
def example_inputs(example_year):
    """The example year's columns that are data kinds, by short name, as float arrays (NaN where empty)."""
    import numpy as np
    import salvento

    by_name = {kind["name"].lower(): kind["short_name"] for kind in salvento.kinds() if kind["listed"]}
    header, rows = example_year

    def number(text):
        try:
            return float(text)
        except ValueError:
            return np.nan

    return {by_name[name.lower()]: np.array([number(row[c]) for row in rows])
            for c, name in enumerate(header) if name.lower() in by_name}
