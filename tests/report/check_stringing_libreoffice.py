#!/usr/bin/python3
"""Opens every stringing-table workbook in a folder with LibreOffice headless: each must
convert to csv and to PDF, and the csv values must equal the sample beside it (<case>.json,
written by stringing_samples). The PDF, printed with a font of Arial's metrics as the forms
are made for, must show no "###", repeat the wire's row on every page, and hold every block
whole on one page: its heading, then exactly its span rows. The first page of each PDF is
kept as <case>-page1.png for a person to look at.

usage: check_stringing_libreoffice.py SAMPLES_DIR
"""

import re
import sys

from check_libreoffice import check_books, check_cell, finish, printed_pages, read_csv
from stringing_layout import HEADING, WIRE_LABEL, a1, blocks, expected_cells, load_samples


def check_csv(path, sample, fail):
    text_at = read_csv(path)
    for (row, col), want in expected_cells(sample).items():
        check_cell(a1(row, col), text_at(row, col), want, fail)


# A span row as printed: its number, the span with one decimal, then the sags.
SPAN_ROW = re.compile(r"^\s*(\d+)\s+(\d+\.\d)\s+\d+\.\d\d(\s|$)")


def check_pages(pdf_path, sample, fail):
    pages = printed_pages(pdf_path, fail)
    lang = sample["language"]
    expected = iter(blocks(sample))
    seen = 0
    for number, page in enumerate(pages, 1):
        if WIRE_LABEL[lang] not in page:
            fail(f"page {number} does not repeat the wire's row")
        current = None
        for line in page.splitlines():
            if line.strip().startswith(HEADING[lang]):
                if current is not None and current[1] != len(current[0]["spans"]):
                    fail(f"page {number}: a block shows {current[1]} of its "
                         f"{len(current[0]['spans'])} spans")
                block = next(expected, None)
                if block is None:
                    fail(f"page {number}: more blocks than the workbook has")
                    return len(pages)
                if block["section"]["name"] not in line:
                    fail(f"page {number}: the block of {block['section']['name']!r} is not next")
                current = [block, 0]
                seen += 1
            elif SPAN_ROW.match(line):
                if current is None:
                    fail(f"page {number} starts with span rows of a block begun before")
                    continue
                want = current[0]["spans"][current[1]] + 1 if current[1] < len(
                    current[0]["spans"]) else None
                if int(SPAN_ROW.match(line).group(1)) != want:
                    fail(f"page {number}: span row {line.split()[0]} where {want} belongs")
                current[1] += 1
        if current is not None and current[1] != len(current[0]["spans"]):
            fail(f"page {number} ends inside a block: {current[1]} of its "
                 f"{len(current[0]['spans'])} spans")
    if seen != len(blocks(sample)):
        fail(f"the PDF shows {seen} blocks, the workbook has {len(blocks(sample))}")
    return len(pages)


def main():
    folder = sys.argv[1]
    samples = dict(load_samples(folder))
    if not samples:
        sys.exit(f"no samples in {folder}")

    def check_one(name, csv_path, pdf_path, fail):
        sample = samples[name]
        check_csv(csv_path, sample, fail)
        pages = check_pages(pdf_path, sample, fail)
        return f"{len(expected_cells(sample))} cells checked in csv, {pages} printed pages checked"

    finish(check_books(folder, sorted(samples), "workbook", check_one))


if __name__ == "__main__":
    main()
