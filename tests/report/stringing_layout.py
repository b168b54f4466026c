"""The layout of the stringing-table workbooks as share/forms/stringing_forms.py describes the
form, for the checks with independent readers: where each block of a sample lies and what its
cells hold. Rows and columns are zero-based.
"""

import json
import os

TEMPERATURES_PER_BLOCK = 17
SPANS_PER_BLOCK = 25
FIRST_BLOCK_ROW = 3      # row 4
BLOCK_ROWS = 8           # rows 4..11 with one span row
SPAN_ROW = 7             # row 11 of the form, from the block's top
FIRST_TEMPERATURE_COL = 2
LAST_COL = 18            # S
# Texts that start each block's rows in a printout, by language.
HEADING = {"en": "Anchor section", "ru": "Анкерный участок"}
WIRE_LABEL = {"en": "Type of wire, cord, cable", "ru": "Марка провода, троса, кабеля"}


def load_samples(folder):
    """(name, sample) of every <case>.json in folder, sorted by name."""
    names = sorted(os.path.splitext(n)[0] for n in os.listdir(folder) if n.endswith(".json"))
    samples = []
    for name in names:
        with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
            samples.append((name, json.load(f)))
    return samples


def blocks(sample):
    """Each block with its top row, its section and the spans and temperatures it shows:
    all spans for the first 17 temperatures, then the next 17, each 25 spans at a time."""
    top = FIRST_BLOCK_ROW
    out = []
    for section in sample["sections"]:
        temperatures = len(section["temperatures"])
        spans = len(section["spans"])
        for t in range(0, temperatures, TEMPERATURES_PER_BLOCK):
            for first in range(0, spans, SPANS_PER_BLOCK):
                count = min(SPANS_PER_BLOCK, spans - first)
                out.append({"top": top, "section": section,
                            "temperatures": range(t, min(t + TEMPERATURES_PER_BLOCK, temperatures)),
                            "spans": range(first, first + count)})
                top += BLOCK_ROWS + count
    return out


def expected_cells(sample):
    """{(row, col): value} of every value the workbook must hold: numbers as floats through the
    units factors, texts as str."""
    sf, ff = sample["stress_factor"], sample["force_factor"]
    cells = {(0, 3): sample["wire"], (0, 13): sample["sech"]}
    for b in blocks(sample):
        top, s = b["top"], b["section"]
        cells[(top, 3)] = s["name"]
        cells[(top + 1, 3)] = s["reduced_span"]
        cells[(top + 1, 10)] = float(s["state"])
        cells[(top + 1, 16)] = float(len(s["spans"]))
        cells[(top + 6, 1)] = s["reduced_span"]
        for j, k in enumerate(b["temperatures"]):
            col = FIRST_TEMPERATURE_COL + j
            cells[(top + 2, col)] = s["temperatures"][k]
            cells[(top + 3, col)] = sf * s["stress"][k]
            cells[(top + 4, col)] = ff * s["tension"][k]
            cells[(top + 6, col)] = s["sag_reduced"][k]
        for n, i in enumerate(b["spans"]):
            row = top + SPAN_ROW + n
            cells[(row, 0)] = float(i + 1)
            cells[(row, 1)] = s["spans"][i]
            for j, k in enumerate(b["temperatures"]):
                cells[(row, FIRST_TEMPERATURE_COL + j)] = s["sags"][i][k]
    return cells


def a1(row, col):
    letters = ""
    col += 1
    while col:
        col, rem = divmod(col - 1, 26)
        letters = chr(ord("A") + rem) + letters
    return f"{letters}{row + 1}"
