#!/usr/bin/python3
"""Reads every stringing-table workbook in a folder with xlrd (an independent reader) and
checks it against the sample beside it (<case>.json, written by stringing_samples): the values
through the units factors, each block's formats and merged areas against the form's block, the
columns a block does not use left without borders, the rows printed on every page, and page
breaks only where a block starts.

usage: check_stringing_xlrd.py SAMPLES_DIR
"""

import os
import sys

import xlrd

from stringing_layout import (FIRST_BLOCK_ROW, FIRST_TEMPERATURE_COL, LAST_COL, SPAN_ROW, a1,
                              blocks, expected_cells, load_samples)


def check_values(sheet, sample, fail):
    for (row, col), want in expected_cells(sample).items():
        if row >= sheet.nrows or col >= sheet.row_len(row):
            fail(f"{a1(row, col)}: missing, expected {want!r}")
            continue
        cell = sheet.cell(row, col)
        if isinstance(want, str):
            if cell.ctype != xlrd.XL_CELL_TEXT or cell.value != want:
                fail(f"{a1(row, col)}: expected text {want!r}, found {cell.value!r}")
        elif cell.ctype != xlrd.XL_CELL_NUMBER or cell.value != want:
            fail(f"{a1(row, col)}: expected {want!r}, found {cell.value!r}")


def has_borders(book, xf_index):
    b = book.xf_list[xf_index].border
    return any((b.left_line_style, b.right_line_style, b.top_line_style, b.bottom_line_style))


def check_blocks(book, sheet, form, sample, fail):
    merged = set(sheet.merged_cells)
    form_merges = [m for m in form.merged_cells if m[0] >= FIRST_BLOCK_ROW]
    all_blocks = blocks(sample)
    for b in all_blocks:
        top, used = b["top"], len(b["temperatures"])
        for r in range(SPAN_ROW + len(b["spans"])):
            form_row = FIRST_BLOCK_ROW + min(r, SPAN_ROW)
            for col in range(LAST_COL + 1):
                got = sheet.cell_xf_index(top + r, col)
                unused = col >= FIRST_TEMPERATURE_COL + used and r in (2, 3, 4, 6) + tuple(
                    range(SPAN_ROW, SPAN_ROW + len(b["spans"])))
                if unused:
                    if has_borders(book, got):
                        fail(f"{a1(top + r, col)}: a column the block does not use has borders")
                elif got != form.cell_xf_index(form_row, col):
                    fail(f"{a1(top + r, col)}: XF {got} instead of the form's "
                         f"{form.cell_xf_index(form_row, col)}")
        for (r0, r1, c0, c1) in form_merges:
            moved = (r0 - FIRST_BLOCK_ROW + top, r1 - FIRST_BLOCK_ROW + top, c0, c1)
            if moved not in merged:
                fail(f"block at row {top + 1}: no merged area {a1(moved[0], c0)}:"
                     f"{a1(moved[1] - 1, c1 - 1)}")
    last = all_blocks[-1]
    end = last["top"] + SPAN_ROW + len(last["spans"])
    if sheet.nrows != end:
        fail(f"{sheet.nrows} rows, expected {end}")
    tops = {b["top"] for b in all_blocks}
    for (row, _, _) in sheet.horizontal_page_breaks:
        if row not in tops:
            fail(f"a page break before row {row + 1}, which starts no block")
    return len(all_blocks), len(sheet.horizontal_page_breaks)


def check_print_titles(book, fail):
    titles = [n for n in book.name_obj_list if n.name == "Print_Titles"]
    if not titles:
        fail("no rows printed on every page")
        return
    area = titles[0].area2d()
    if area[1:3] != (0, 2):
        fail(f"the rows printed on every page are {area[1] + 1}..{area[2]}, not 1..2")


def main():
    folder = sys.argv[1]
    samples = load_samples(folder)
    if not samples:
        sys.exit(f"no samples in {folder}")
    failures = []
    for name, sample in samples:
        fail = lambda text, name=name: failures.append(f"{name}: {text}")
        book = xlrd.open_workbook(os.path.join(folder, name + ".xls"), formatting_info=True)
        form = xlrd.open_workbook(sample["form"], formatting_info=True).sheet_by_index(0)
        sheet = book.sheet_by_index(0)
        check_values(sheet, sample, fail)
        count, breaks = check_blocks(book, sheet, form, sample, fail)
        check_print_titles(book, fail)
        print(f"{name}: {count} blocks, {breaks} page breaks checked")
    for text in failures[:50]:
        print("FAIL", text)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
