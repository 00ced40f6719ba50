import os
import subprocess

import numpy as np
import pytest

import salvento

from conftest import RESOURCES


def cli_results(tmp_path):
    """Every index the batch tool computes from the example year, each number written exactly."""
    out = tmp_path / "indices.txt"
    subprocess.run([os.environ["SALVENTO_CLI"], "calc", str(RESOURCES / "examples" / "station-year.txt"), "--all",
                    "--exact", "-o", str(out), "--decimal-separator", ".", "--quiet"], check=True)
    lines = out.read_text(encoding="utf-8").splitlines()
    return lines[0].split("\t"), [line.split("\t") for line in lines[1:]]


def as_read(written, like):
    """The batch tool's text of a result as the array `like` holds it: float32 (NaN for nothing) or text."""
    if like.dtype == object:
        return np.array(written, dtype=object)
    return np.array([float(text) if text else np.nan for text in written], dtype=np.float32)


def test_every_index_as_the_batch_tool_to_the_bit(tmp_path, example_inputs):
    header, rows = cli_results(tmp_path)
    by_name = {kind["name"]: kind["short_name"] for kind in salvento.kinds()}
    indices = [by_name[name] for name in header]
    assert len(indices) >= 70
    results = salvento.compute(indices, **example_inputs)
    assert all(np.array_equal(results[i], salvento.compute(i, threads=1, **example_inputs)[i], equal_nan=True)
               for i in ("UTCI", "STI", "PMV"))
    for column, index in enumerate(indices):
        got = results[index]
        expected = as_read([row[column] if column < len(row) else "" for row in rows], got)
        if got.dtype == object:
            assert [text or "" for text in got] == list(expected), index
        else:   # the same float32 values: --exact loses nothing
            assert np.array_equal(got, expected, equal_nan=True), index


def test_missing_values_and_broadcasting():
    t = np.array([[-5.0, 20.0, np.nan, 35.0]])
    columns = np.array([[2.0], [5.0]])
    out = salvento.compute(["UTCI", "STI"], t=t, td=0.0, v=columns, Mrt=t + 10, M=135.0)
    assert out["UTCI"].shape == (2, 4) and out["UTCI"].dtype == np.float32
    assert np.isnan(out["UTCI"][:, 2]).all() and not np.isnan(out["UTCI"][:, [0, 1, 3]]).any()
    one = salvento.compute("UTCI", t=20.0, td=0.0, v=5.0, Mrt=30.0, M=135.0)["UTCI"]
    assert one.shape == () and one == out["UTCI"][1, 1]


@pytest.mark.parametrize("call, error, words", [
    (lambda: salvento.compute("NoSuchIndex", t=1.0), ValueError, "NoSuchIndex"),
    (lambda: salvento.compute("UTCI", tt=1.0), ValueError, "tt"),
    (lambda: salvento.compute("t", t=1.0), ValueError, "input"),
    (lambda: salvento.compute("UTCI", t=np.zeros(3), v=np.zeros(4)), ValueError, "broadcast"),
    (lambda: salvento.compute("UTCI", t=np.array(["warm", "cold"])), TypeError, "numbers"),
    (lambda: salvento.compute("UTCI", config="/nonexistent/SALVENTO.INI", t=1.0), ValueError, "configuration"),
])
def test_bad_input_raises(call, error, words):
    with pytest.raises(error, match=words):
        call()


def test_defaults_come_from_the_configuration_given(tmp_path):
    ini = tmp_path / "SALVENTO.INI"
    shipped_text = open(salvento.default_config(), encoding="utf-8").read()
    assert "\nM=135\n" in shipped_text
    ini.write_text(shipped_text.replace("\nM=135\n", "\nM=200\n"), encoding="utf-8")
    weather = dict(t=25.0, td=12.0, v=1.0, Mrt=40.0)
    shipped = salvento.compute("STI", **weather)["STI"]
    assert shipped == salvento.compute("STI", M=135.0, **weather)["STI"]
    assert salvento.compute("STI", config=ini, **weather)["STI"] == salvento.compute("STI", M=200.0, **weather)["STI"]
    assert salvento.compute("STI", config=ini, **weather)["STI"] != shipped
