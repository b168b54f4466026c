#!/usr/bin/python3
"""Reads every report in a folder with xlrd (an independent reader) and checks it against
the cell map beside it (<case>.json, written by report_samples): values, the formats (XF) of
every span block against the form's block, and the merged areas of the blocks.

usage: check_xlrd.py SAMPLES_DIR
"""

import glob
import json
import os
import sys

import xlrd

BLOCK_TOP = 41          # row 42, zero-based
BLOCK_ROWS = 3
BLOCK_COLS = range(0, 21)  # A..U


def cell_index(a1):
    letters = "".join(ch for ch in a1 if ch.isalpha())
    col = 0
    for ch in letters:
        col = col * 26 + ord(ch) - ord("A") + 1
    return int(a1[len(letters):]) - 1, col - 1


def cell_at(sheet, row, col):
    """(ctype, value, xf) of a cell, or None when the sheet does not reach it."""
    if row >= sheet.nrows or col >= sheet.row_len(row):
        return None
    cell = sheet.cell(row, col)
    return cell.ctype, cell.value, cell.xf_index


def check_values(sheet, cells, fail):
    for c in cells:
        row, col = cell_index(c["cell"])
        got = cell_at(sheet, row, col)
        kind = c["kind"]
        if kind == "blank":
            if got is not None and got[0] not in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
                fail(f'{c["cell"]}: expected an empty cell, found {got[1]!r}')
        elif got is None:
            fail(f'{c["cell"]}: missing, expected {c["value"]!r}')
        elif kind == "text":
            if got[0] != xlrd.XL_CELL_TEXT or got[1] != c["value"]:
                fail(f'{c["cell"]}: expected text {c["value"]!r}, found {got[1]!r}')
        else:
            if got[0] != xlrd.XL_CELL_NUMBER or got[1] != float(c["value"]):
                fail(f'{c["cell"]}: expected {c["value"]!r}, found {got[1]!r}')


def check_blocks(sheet, form, blocks, fail):
    merged = set(sheet.merged_cells)
    for b in range(blocks):
        top = BLOCK_TOP + BLOCK_ROWS * b
        for r in range(BLOCK_ROWS):
            for col in BLOCK_COLS:
                got = cell_at(sheet, top + r, col)
                want = cell_at(form, BLOCK_TOP + r, col)
                if got is None or want is None or got[2] != want[2]:
                    fail(f"block {b}, row {top + r + 1}, column {col}: XF "
                         f"{got and got[2]} instead of the form's {want and want[2]}")
        for col in (0, 1):  # the caption and the span, each over the block's three rows
            if (top, top + BLOCK_ROWS, col, col + 1) not in merged:
                fail(f"block {b}: no merged area in column {col} rows {top + 1}..{top + 3}")
    # The form's other merged areas are still there, and no block follows the last.
    for area in form.merged_cells:
        if area not in merged:
            fail(f"merged area {area} of the form is lost")
    extra = [a for a in merged if a[0] >= BLOCK_TOP + BLOCK_ROWS * blocks]
    if extra:
        fail(f"merged areas below the last block: {extra}")
    if sheet.nrows > BLOCK_TOP + BLOCK_ROWS * blocks:
        fail(f"{sheet.nrows} rows, expected {BLOCK_TOP + BLOCK_ROWS * blocks}")


def number_format(book, sheet, row, col):
    return book.format_map[book.xf_list[sheet.cell_xf_index(row, col)].format_key].format_str


def check_formats(book, sheet, form_book, form, blocks, fail):
    """Every block's value cells show the number formats of the form's block, read through
    the workbook's own XF and FORMAT records."""
    for b in range(blocks):
        for r in range(BLOCK_ROWS):
            for col in range(1, 20):  # the span and the mode columns B..T
                got = number_format(book, sheet, BLOCK_TOP + BLOCK_ROWS * b + r, col)
                want = number_format(form_book, form, BLOCK_TOP + r, col)
                if got != want:
                    fail(f"row {BLOCK_TOP + BLOCK_ROWS * b + r + 1}, column {col}: number "
                         f"format {got!r} instead of {want!r}")


def main():
    folder = sys.argv[1]
    maps = sorted(glob.glob(os.path.join(folder, "*.json")))
    if not maps:
        sys.exit(f"no cell maps in {folder}")
    failures = []
    for path in maps:
        name = os.path.splitext(os.path.basename(path))[0]
        fail = lambda text, name=name: failures.append(f"{name}: {text}")
        with open(path, encoding="utf-8") as f:
            expected = json.load(f)
        book = xlrd.open_workbook(os.path.join(folder, name + ".xls"), formatting_info=True)
        form_book = xlrd.open_workbook(expected["template"], formatting_info=True)
        sheet, form = book.sheet_by_index(0), form_book.sheet_by_index(0)
        check_values(sheet, expected["cells"], fail)
        check_blocks(sheet, form, expected["blocks"], fail)
        check_formats(book, sheet, form_book, form, expected["blocks"], fail)
        print(f"{name}: {len(expected['cells'])} cells, {expected['blocks']} span blocks checked")
    for text in failures[:50]:
        print("FAIL", text)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
