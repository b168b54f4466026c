"""Reads every sample workbook with xlrd and compares it with our reader's cell map.

usage: check_xlrd.py SAMPLES_DIR   (run with /usr/bin/python3, which sees python3-xlrd)
"""
import glob
import json
import math
import os
import sys

import xlrd

TYPES = {
    "blank": (xlrd.XL_CELL_BLANK,),
    "number": (xlrd.XL_CELL_NUMBER,),
    "text": (xlrd.XL_CELL_TEXT,),
    "boolean": (xlrd.XL_CELL_BOOLEAN,),
    "error": (xlrd.XL_CELL_ERROR,),
}


def same_number(a, b):
    return a == b or (math.isfinite(a) and math.isclose(a, b, rel_tol=1e-15, abs_tol=0))


def check(path, expected):
    problems = []
    book = xlrd.open_workbook(path, formatting_info=True)
    if book.nsheets != len(expected["sheets"]):
        return ["%s: %d sheets, expected %d" % (path, book.nsheets, len(expected["sheets"]))]
    for sheet, want in zip(book.sheets(), expected["sheets"]):
        if sheet.name != want["name"]:
            problems.append("sheet name %r, expected %r" % (sheet.name, want["name"]))
        seen = set()
        for row, col, kind, value, xf, _formula in want["cells"]:
            where = "%s!R%dC%d" % (sheet.name, row + 1, col + 1)
            seen.add((row, col))
            if row >= sheet.nrows or col >= sheet.ncols:
                problems.append("%s: missing" % where)
                continue
            cell = sheet.cell(row, col)
            if cell.ctype not in TYPES[kind]:
                problems.append("%s: type %d, expected %s" % (where, cell.ctype, kind))
            elif kind == "number" and not same_number(cell.value, value):
                problems.append("%s: %r, expected %r" % (where, cell.value, value))
            elif kind in ("text", "boolean", "error") and cell.value != value:
                problems.append("%s: %r, expected %r" % (where, cell.value, value))
            if sheet.cell_xf_index(row, col) != xf:
                problems.append("%s: XF %d, expected %d" % (where, sheet.cell_xf_index(row, col), xf))
        for row in range(sheet.nrows):
            for col in range(sheet.ncols):
                if (row, col) not in seen and sheet.cell(row, col).ctype != xlrd.XL_CELL_EMPTY:
                    problems.append("%s!R%dC%d: a cell our reader does not have" % (sheet.name, row + 1, col + 1))
        merged = sorted((r1, r2 + 1, c1, c2 + 1) for r1, r2, c1, c2 in want["merged"])
        if sorted(sheet.merged_cells) != merged:
            problems.append("%s: merged %s, expected %s" % (sheet.name, sorted(sheet.merged_cells), merged))
    return ["%s: %s" % (os.path.basename(path), p) for p in problems]


def main():
    samples = sorted(glob.glob(os.path.join(sys.argv[1], "*.xls")))
    if not samples:
        print("no samples in", sys.argv[1])
        return 1
    problems = []
    for path in samples:
        with open(path[:-4] + ".json", encoding="utf-8") as f:
            problems += check(path, json.load(f))
    for p in problems[:50]:
        print(p)
    print("%d workbooks checked, %d problems" % (len(samples), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
