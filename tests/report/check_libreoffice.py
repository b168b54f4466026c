#!/usr/bin/python3
"""Opens every report in a folder with LibreOffice headless: each must convert to csv and to
PDF, and the csv values must equal the cell map beside it (<case>.json, written by
report_samples). The PDF, printed with a font of Arial's metrics as the forms are made for,
must show no "###" (a number too wide for its column) and must end its pages only between
span blocks, every page after the first starting with the repeated headings. The first page
of each PDF is kept as <case>-page1.png for a person to look at.

usage: check_libreoffice.py SAMPLES_DIR
"""

import csv
import glob
import json
import math
import os
import re
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


def read_csv(path):
    """text_at(row, col) of a csv LibreOffice wrote: the text of a cell, "" beyond the rows."""
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f))

    def text_at(row, col):
        return rows[row][col] if row < len(rows) and col < len(rows[row]) else ""

    return text_at


def check_cell(where, got, want, fail):
    """The text LibreOffice shows in a cell against want: a str equal, a number within 1e-12."""
    if isinstance(want, str):
        if got != want:
            fail(f"{where}: expected {want!r}, LibreOffice shows {got!r}")
        return
    try:
        value = float(got)
    except ValueError:
        fail(f"{where}: expected {want!r}, LibreOffice shows {got!r}")
        return
    if not math.isclose(value, want, rel_tol=1e-12, abs_tol=1e-12):
        fail(f"{where}: expected {want!r}, LibreOffice shows {got!r}")


def check_csv(path, cells, fail):
    text_at = read_csv(path)
    for c in cells:
        row, col = cell_index(c["cell"])
        got = text_at(row, col)
        if c["kind"] == "blank":
            if got != "":
                fail(f'{c["cell"]}: expected an empty cell, LibreOffice shows {got!r}')
        else:
            want = c["value"] if c["kind"] == "text" else float(c["value"])
            check_cell(c["cell"], got, want, fail)


# Families that have Arial's metrics, so that a column prints as wide as in Excel on Windows.
ARIAL_METRIC_FAMILIES = ("Arial", "Liberation Sans", "Arimo", "Nimbus Sans")

# The labels of a span block's three rows (column C) and the heading of the span column,
# repeated on every page. A label going on with "at"/"при" ("Stress at average annual
# temperature") belongs to the input block.
BLOCK_ROWS = {
    "en": ("Tensile force", "Stress", "Sag"),
    "ru": ("Тяжение", "Напряжение", "Стрела провеса"),
}
SPAN_HEADING = {"en": "Span, m", "ru": "Пролёт, м"}


def arial_metric_problem():
    """What keeps the PDFs from showing the print of an Arial-metric font, or None."""
    if not shutil.which("fc-match") or not shutil.which("pdftotext"):
        return "fc-match and pdftotext are needed (fontconfig, poppler-utils)"
    family = subprocess.run(["fc-match", "-f", "%{family}", "Arial"], capture_output=True,
                            text=True, check=True).stdout.split(",")[0]
    if not family.startswith(ARIAL_METRIC_FAMILIES):
        return (f"LibreOffice would print Arial as {family!r}, not with Arial's metrics "
                "(install fonts-liberation)")
    return None


def count_rows(page, label):
    return len(re.findall(r"(?:^|\s)" + re.escape(label) + r"(?=[ \t]|$)(?![ \t]+(?:at|при) )",
                          page, re.MULTILINE))


def printed_pages(pdf_path, fail):
    """The text of each printed page (pdftotext -layout); a "###" anywhere fails."""
    text = subprocess.run(["pdftotext", "-layout", pdf_path, "-"], capture_output=True,
                          text=True, check=True, timeout=120).stdout
    if "###" in text:
        fail("a cell prints as ### (its number is too wide for the column)")
    return [p for p in text.split("\f") if p.strip()]


def check_pages(pdf_path, lang, blocks, fail):
    pages = printed_pages(pdf_path, fail)
    seen = 0
    for number, page in enumerate(pages, 1):
        counts = [count_rows(page, label) for label in BLOCK_ROWS[lang]]
        starts = len(re.findall(r"(?:^|\s)L ?=", page))
        if counts != [starts] * 3:
            fail(f"page {number} holds part of a span block: {starts} spans, rows "
                 f"{dict(zip(BLOCK_ROWS[lang], counts))}")
        if number > 1 and SPAN_HEADING[lang] not in page:
            fail(f"page {number} does not repeat the headings")
        seen += starts
    if seen != blocks:
        fail(f"the PDF shows {seen} span blocks, the report has {blocks}")
    return len(pages)


def check_books(folder, names, what, check_one):
    """Converts folder/<name>.xls of every name to csv and to PDF with LibreOffice and hands each
    that opened and printed to check_one(name, csv_path, pdf_path, fail), which returns what
    to print after "<name>: opened, ". The first page of each PDF is kept as
    <name>-page1.png in folder. Returns the failures, each "<name>: ..."; what names the kind
    of file in them ("report")."""
    problem = arial_metric_problem()
    if problem:
        sys.exit(f"FAIL {problem}")
    books = [os.path.join(folder, n + ".xls") for n in names]
    work = tempfile.mkdtemp(prefix="velmora-lo-")
    failures = []
    try:
        profile = os.path.join(work, "profile")
        convert(books, CSV_FILTER, os.path.join(work, "csv"), profile)
        convert(books, "pdf", os.path.join(work, "pdf"), profile)
        for name in names:
            fail = lambda text, name=name: failures.append(f"{name}: {text}")
            csv_path = os.path.join(work, "csv", name + ".csv")
            pdf_path = os.path.join(work, "pdf", name + ".pdf")
            if not os.path.isfile(csv_path) or os.path.getsize(csv_path) == 0:
                fail(f"LibreOffice could not open the {what} (no csv written)")
                continue
            # LibreOffice exits 0 without a PDF, or may leave an empty one: read its header.
            with open(pdf_path, "rb") if os.path.isfile(pdf_path) else open(os.devnull, "rb") as f:
                if f.read(5) != b"%PDF-":
                    fail(f"LibreOffice could not print the {what} (no PDF written)")
                    continue
            summary = check_one(name, csv_path, pdf_path, fail)
            if shutil.which("pdftoppm"):
                subprocess.run(["pdftoppm", "-r", "70", "-f", "1", "-l", "1", "-png",
                                "-singlefile", pdf_path, os.path.join(folder, name + "-page1")],
                               check=True, timeout=60)
            print(f"{name}: opened, {summary}")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return failures


def finish(failures):
    for text in failures[:50]:
        print("FAIL", text)
    sys.exit(1 if failures else 0)


def main():
    folder = sys.argv[1]
    names = sorted(os.path.splitext(os.path.basename(p))[0]
                   for p in glob.glob(os.path.join(folder, "*.json")))
    if not names:
        sys.exit(f"no cell maps in {folder}")

    def check_one(name, csv_path, pdf_path, fail):
        with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
            cell_map = json.load(f)
        cells = cell_map["cells"]
        check_csv(csv_path, cells, fail)
        lang = "ru" if cell_map["template"].endswith("_ru.xls") else "en"
        pages = check_pages(pdf_path, lang, cell_map["blocks"], fail)
        return f"{len(cells)} cells checked in csv, {pages} printed pages checked"

    finish(check_books(folder, names, "report", check_one))


if __name__ == "__main__":
    main()
