#!/usr/bin/python3
"""Opens every report in a folder with LibreOffice headless: each must convert to csv and to
PDF, and the csv values must equal the cell map beside it (<case>.json, written by
report_samples). The first page of each PDF is kept as <case>-page1.png for a person to look at.

usage: check_libreoffice.py SAMPLES_DIR
"""

import csv
import glob
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile

# Comma-separated UTF-8 with the raw cell values, not the values as the formats show them.
CSV_FILTER = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false"


def convert(files, target, outdir, profile):
    """LibreOffice exits 0 even when it cannot load a file, so the caller checks the outputs."""
    subprocess.run(["soffice", "--headless", f"-env:UserInstallation=file://{profile}",
                    "--infilter=MS Excel 97", "--convert-to", target, "--outdir", outdir]
                   + files, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=240)


def cell_index(a1):
    letters = "".join(ch for ch in a1 if ch.isalpha())
    col = 0
    for ch in letters:
        col = col * 26 + ord(ch) - ord("A") + 1
    return int(a1[len(letters):]) - 1, col - 1


def check_csv(path, cells, fail):
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f))

    def text_at(row, col):
        return rows[row][col] if row < len(rows) and col < len(rows[row]) else ""

    for c in cells:
        row, col = cell_index(c["cell"])
        got = text_at(row, col)
        if c["kind"] == "blank":
            if got != "":
                fail(f'{c["cell"]}: expected an empty cell, LibreOffice shows {got!r}')
        elif c["kind"] == "text":
            if got != c["value"]:
                fail(f'{c["cell"]}: expected {c["value"]!r}, LibreOffice shows {got!r}')
        else:
            want = float(c["value"])
            try:
                value = float(got)
            except ValueError:
                fail(f'{c["cell"]}: expected {want!r}, LibreOffice shows {got!r}')
                continue
            if not math.isclose(value, want, rel_tol=1e-12, abs_tol=1e-12):
                fail(f'{c["cell"]}: expected {want!r}, LibreOffice shows {got!r}')


def main():
    folder = sys.argv[1]
    names = sorted(os.path.splitext(os.path.basename(p))[0]
                   for p in glob.glob(os.path.join(folder, "*.json")))
    if not names:
        sys.exit(f"no cell maps in {folder}")
    reports = [os.path.join(folder, n + ".xls") for n in names]
    work = tempfile.mkdtemp(prefix="velmora-lo-")
    failures = []
    try:
        profile = os.path.join(work, "profile")
        convert(reports, CSV_FILTER, os.path.join(work, "csv"), profile)
        convert(reports, "pdf", os.path.join(work, "pdf"), profile)
        for name in names:
            fail = lambda text, name=name: failures.append(f"{name}: {text}")
            csv_path = os.path.join(work, "csv", name + ".csv")
            pdf_path = os.path.join(work, "pdf", name + ".pdf")
            if not os.path.isfile(csv_path) or os.path.getsize(csv_path) == 0:
                fail("LibreOffice could not open the report (no csv written)")
                continue
            with open(pdf_path, "rb") if os.path.isfile(pdf_path) else open(os.devnull, "rb") as f:
                if f.read(5) != b"%PDF-":
                    fail("LibreOffice could not print the report (no PDF written)")
                    continue
            with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
                cells = json.load(f)["cells"]
            check_csv(csv_path, cells, fail)
            if shutil.which("pdftoppm"):
                subprocess.run(["pdftoppm", "-r", "70", "-f", "1", "-l", "1", "-png",
                                "-singlefile", pdf_path, os.path.join(folder, name + "-page1")],
                               check=True, timeout=60)
            print(f"{name}: opened, {len(cells)} cells checked in csv, PDF written")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for text in failures[:50]:
        print("FAIL", text)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
