#!/usr/bin/env python3
"""Write WSI.INI, the weather suitability scores that ship beside the program.

Usage (python3, standard library only):

    python3 tools/make_wsi.py [OUTPUT]

OUTPUT defaults to resources/WSI.INI in the repository. Run it again after changing a rule and
commit both this script and its output.

Every one of the 1512 weather types gets one line, in type-index order: the type in its text form
(for example -1_2T1_010: sensation class -3..3, radiation 1..3, strain T/C/H, sultriness 0..2,
daily temperature range 0/1, precipitation 0/1, snow cover 0/1), then five scores for sunbathing,
air bathing, mild recreation, active recreation and sightseeing: 0 unsuitable, 1 acceptable,
3 favourable.

How a score is found: the thermal sensation gives each activity its best possible score
(SENSATION below); then every rule of RULES that holds for the type caps some scores. The score
is the smallest of the caps, so rules only ever lower a score. In short: comfortable and cool
weather suits everything; heat and cold stress lower every score; weak radiation rules out
sunbathing and makes cool weather dull; strong sun overheats the active; precipitation and snow
cover rule out sunbathing and lower air bathing; sultriness lowers active recreation; a large daily
temperature range is a mild stimulus that mild recreation does without. A mild sensation with
moderate radiation, no strain, sultriness or precipitation is favourable for active recreation
and sightseeing.

The rules are also written at the top of the file as comment lines. Those start with ';' followed
by a word, so that the program, which skips every line whose weather type does not parse, skips
them.
"""

import itertools
import string
import sys
from pathlib import Path

ACTIVITIES = ("sunbathing", "air bathing", "mild recreation", "active recreation", "sightseeing")
SB, AB, MR, AR, ST = range(5)
STRAIN_LETTERS = "TCH"   # thermoneutral, cold strain, heat strain

# Best score of each activity for the sensation classes -3 (very cold) ... 3 (very hot).
SENSATION = {
    #     -3 -2 -1  0  1  2  3
    SB: (0, 0, 1, 3, 3, 1, 0),
    AB: (0, 1, 3, 3, 3, 1, 0),
    MR: (0, 1, 3, 3, 3, 1, 0),
    AR: (1, 1, 3, 3, 1, 0, 0),
    ST: (0, 1, 3, 3, 3, 1, 0),
}


# (description, condition on the weather type, caps by activity)
RULES = (
    ("Weak radiation: no sunbathing.",
     lambda w: w["radiation"] == 1, {SB: 0}),
    ("Weak radiation in cool weather: dull, mild recreation and sightseeing acceptable.",
     lambda w: w["radiation"] == 1 and w["sensation"] == -1, {MR: 1, ST: 1}),
    ("Strong radiation in comfortable or warmer weather: active recreation acceptable.",
     lambda w: w["radiation"] == 3 and w["sensation"] >= 0, {AR: 1}),
    ("Strong radiation in warm or hotter weather: air bathing and sightseeing acceptable.",
     lambda w: w["radiation"] == 3 and w["sensation"] >= 1, {AB: 1, ST: 1}),
    ("Cold strain: sunbathing and air bathing acceptable.",
     lambda w: w["strain"] == "C", {SB: 1, AB: 1}),
    ("Heat strain: sunbathing, active recreation and sightseeing acceptable.",
     lambda w: w["strain"] == "H", {SB: 1, AR: 1, ST: 1}),
    ("Moderate sultriness: active recreation acceptable.",
     lambda w: w["sultriness"] == 1, {AR: 1}),
    ("Strong sultriness: no active recreation, everything else acceptable.",
     lambda w: w["sultriness"] == 2, {SB: 1, AB: 1, MR: 1, AR: 0, ST: 1}),
    ("Large daily temperature range, a mild stimulus: mild recreation acceptable.",
     lambda w: w["range"] == 1, {MR: 1}),
    ("Precipitation: no sunbathing, everything else acceptable.",
     lambda w: w["precipitation"] == 1, {SB: 0, AB: 1, MR: 1, AR: 1, ST: 1}),
    ("Snow cover: no sunbathing, air bathing acceptable.",
     lambda w: w["snow"] == 1, {SB: 0, AB: 1}),
)


def weather_types():
    """Every weather type, in type-index order (the snow cover varies fastest)."""
    for sensation, radiation, strain, sultriness, temp_range, precipitation, snow in itertools.product(
            range(-3, 4), range(1, 4), STRAIN_LETTERS, range(3), range(2), range(2), range(2)):
        yield {"sensation": sensation, "radiation": radiation, "strain": strain,
               "sultriness": sultriness, "range": temp_range, "precipitation": precipitation,
               "snow": snow}


def code_text(w):
    """The text form of a weather type, as the program shows it: -1_2T1_010."""
    return (f"{w['sensation']}_{w['radiation']}{w['strain']}{w['sultriness']}"
            f"_{w['range']}{w['precipitation']}{w['snow']}")


def scores(w):
    """The five scores of a weather type."""
    result = [SENSATION[activity][w["sensation"] + 3] for activity in range(len(ACTIVITIES))]
    for _, holds, caps in RULES:
        if holds(w):
            for activity, cap in caps.items():
                result[activity] = min(result[activity], cap)
    return result


def comment_lines():
    lines = [
        "Weather suitability scores, written by tools/make_wsi.py: change the rules there.",
        "Each line: a weather type, then the scores for " + ", ".join(ACTIVITIES[:3]) + ",",
        " and ".join(ACTIVITIES[3:]) + ".",
        "Scores: 0 unsuitable, 1 acceptable, 3 favourable.",
        "Weather type: sensation class -3..3, radiation class 1..3, strain T (none), C (cold) or",
        "H (heat), sultriness 0..2, large daily temperature range, precipitation, snow cover 0/1.",
        "Rules: the sensation gives the best score, each rule below caps some scores.",
        "Best score for the sensation classes -3 -2 -1 0 1 2 3:",
    ] + [f"{name}: " + " ".join(str(s) for s in SENSATION[activity])
         for activity, name in enumerate(ACTIVITIES)] + [
        description for description, _, _ in RULES]
    return ["; " + line for line in lines]


def is_skipped(comment):
    """True when the program cannot read a weather type from the line: its first character after
    separators is a letter, where a type starts with a minus or a digit."""
    rest = comment.lstrip(string.punctuation + string.whitespace)
    return rest[:1].isalpha()


def main():
    default = Path(__file__).resolve().parent.parent / "resources" / "WSI.INI"
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    header = comment_lines()
    assert all(is_skipped(line) for line in header), "a comment line would be read as a weather type"
    body = [code_text(w) + " " + " ".join(str(s) for s in scores(w)) for w in weather_types()]
    assert len(body) == 7 * 3 * 3 * 3 * 2 * 2 * 2
    with open(output, "w", encoding="ascii", newline="\n") as file:
        file.write("\n".join(header + body) + "\n")


if __name__ == "__main__":
    main()
