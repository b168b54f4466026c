#!/usr/bin/python3
"""Opens every stringing-table workbook in a folder with LibreOffice headless: each must
convert to csv and to PDF, and the csv values must equal the sample beside it (<case>.json,
written by stringing_samples). The PDF, printed with a font of Arial's metrics as the forms
are made for, must show no "###", repeat the wire's row on every page, and hold every block
whole on one page: its heading, then exactly its span rows. The first page of each PDF is
kept as <case>-page1.png for a person to look at.

usage: check_stringing_libreoffice.py SAMPLES_DIR
"""

import csv
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

from check_libreoffice import CSV_FILTER, arial_metric_problem, convert
from stringing_layout import HEADING, WIRE_LABEL, a1, blocks, expected_cells, load_samples


def check_csv(path, sample, fail):
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f))
    for (row, col), want in expected_cells(sample).items():
        got = rows[row][col] if row < len(rows) and col < len(rows[row]) else ""
        if isinstance(want, str):
            if got != want:
                fail(f"{a1(row, col)}: expected {want!r}, LibreOffice shows {got!r}")
            continue
        try:
            value = float(got)
        except ValueError:
            fail(f"{a1(row, col)}: expected {want!r}, LibreOffice shows {got!r}")
            continue
        if not math.isclose(value, want, rel_tol=1e-12, abs_tol=1e-12):
            fail(f"{a1(row, col)}: expected {want!r}, LibreOffice shows {got!r}")


# A span row as printed: its number, the span with one decimal, then the sags.
SPAN_ROW = re.compile(r"^\s*(\d+)\s+(\d+\.\d)\s+\d+\.\d\d(\s|$)")


def check_pages(pdf_path, sample, fail):
    text = subprocess.run(["pdftotext", "-layout", pdf_path, "-"], capture_output=True,
                          text=True, check=True, timeout=120).stdout
    if "###" in text:
        fail("a cell prints as ### (its number is too wide for the column)")
    lang = sample["language"]
    pages = [p for p in text.split("\f") if p.strip()]
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
    samples = load_samples(folder)
    if not samples:
        sys.exit(f"no samples in {folder}")
    problem = arial_metric_problem()
    if problem:
        sys.exit(f"FAIL {problem}")
    books = [os.path.join(folder, name + ".xls") for name, _ in samples]
    work = tempfile.mkdtemp(prefix="velmora-lo-stringing-")
    failures = []
    try:
        profile = os.path.join(work, "profile")
        convert(books, CSV_FILTER, os.path.join(work, "csv"), profile)
        convert(books, "pdf", os.path.join(work, "pdf"), profile)
        for name, sample in samples:
            fail = lambda text, name=name: failures.append(f"{name}: {text}")
            csv_path = os.path.join(work, "csv", name + ".csv")
            pdf_path = os.path.join(work, "pdf", name + ".pdf")
            if not os.path.isfile(csv_path) or os.path.getsize(csv_path) == 0:
                fail("LibreOffice could not open the workbook (no csv written)")
                continue
            if not os.path.isfile(pdf_path):
                fail("LibreOffice could not print the workbook (no PDF written)")
                continue
            check_csv(csv_path, sample, fail)
            pages = check_pages(pdf_path, sample, fail)
            if shutil.which("pdftoppm"):
                subprocess.run(["pdftoppm", "-r", "70", "-f", "1", "-l", "1", "-png",
                                "-singlefile", pdf_path, os.path.join(folder, name + "-page1")],
                               check=True, timeout=60)
            print(f"{name}: opened, {len(expected_cells(sample))} cells checked in csv, "
                  f"{pages} printed pages checked")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for text in failures[:50]:
        print("FAIL", text)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
