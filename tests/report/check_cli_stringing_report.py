#!/usr/bin/python3
"""Process test of "velmora-calc stringing ... --report OUT.xls".

usage: check_cli_stringing_report.py EXE APP_DIR SOURCE_DIR WORKDIR

The example project's stringing table is written in English daN-based and in Russian
N/kN-based units: the JSON on stdout must not change with --report, the workbook must be the
form of the language and units, hold the tables of the JSON through the units factors, and
open in LibreOffice headless. A workbook that cannot be written, a missing form and a section
without a table end with an error and leave no file.
"""

import csv
import math
import os
import json
import shutil
import subprocess
import sys

import xlrd

from stringing_layout import blocks, expected_cells

failures = []


def check(condition, text):
    if not condition:
        failures.append(text)


def run(exe, args):
    p = subprocess.run([exe] + args, capture_output=True, timeout=120)
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8")


def sample_of(result, lang, units, wire):
    """The JSON result as the layout module reads a sample."""
    return {"language": lang, "wire": wire["Name"], "sech": wire["Sech"],
            "stress_factor": 10.0 if units else 1.0, "force_factor": 0.01 if units else 1.0,
            "sections": result["sections"]}


def check_workbook(path, sample, label):
    book = xlrd.open_workbook(path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    caption = {("en", 0): "Stress σ, daN/mm²", ("en", 1): "Stress σ, N/mm²",
               ("ru", 0): "Напряжение σ, даН/мм²", ("ru", 1): "Напряжение σ, Н/мм²"}
    units = 1 if sample["stress_factor"] != 1 else 0
    check(sheet.cell_value(6, 0) == caption[(sample["language"], units)],
          f"{label}: A7 is {sheet.cell_value(6, 0)!r}")
    for (row, col), want in expected_cells(sample).items():
        got = sheet.cell_value(row, col) if row < sheet.nrows and col < sheet.row_len(row) else None
        check(got == want, f"{label}: row {row + 1} column {col + 1} is {got!r}, not {want!r}")


def check_libreoffice(paths, work, samples):
    out = os.path.join(work, "csv")
    subprocess.run(["soffice", "--headless", f"-env:UserInstallation=file://{work}/lo-profile",
                    "--infilter=MS Excel 97", "--convert-to",
                    "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false",
                    "--outdir", out] + paths, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=240, check=True)
    for path, sample in zip(paths, samples):
        name = os.path.splitext(os.path.basename(path))[0]
        csv_path = os.path.join(out, name + ".csv")
        if not os.path.isfile(csv_path):
            check(False, f"LibreOffice could not open {path}")
            continue
        with open(csv_path, encoding="utf-8", newline="") as f:
            rows = list(csv.reader(f))
        for b in blocks(sample):
            for n, i in enumerate(b["spans"]):
                got = rows[b["top"] + 7 + n][1]
                check(math.isclose(float(got), b["section"]["spans"][i]),
                      f"{name}: LibreOffice shows span {got} in row {b['top'] + 8 + n}")


def main():
    exe, app_dir, source_dir, work = sys.argv[1:5]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    project = os.path.join(source_dir, "share", "examples", "example.vlp")
    catalogue = os.path.join(app_dir, "base_provod.dat")
    base = ["stringing", project, "--catalogue", catalogue]
    wire = json.loads(run(exe, ["calc", project, "--catalogue", catalogue])[1])["wire"]
    books, samples = [], []
    for lang, units in (("en", 0), ("ru", 1)):
        label = f"{lang}/{units}"
        options = ["--lang", lang, "--units", str(units)]
        status, plain, err = run(exe, base + options)
        check(status == 0, f"{label} without report: exit {status}: {err}")
        out = os.path.join(work, f"tables_{lang}{units}.xls")
        status, with_report, err = run(exe, base + options + ["--report", out])
        check(status == 0 and err == "", f"{label} with report: exit {status}: {err}")
        check(with_report == plain, f"{label}: the JSON changes with --report")
        if status != 0 or not os.path.isfile(out):
            check(False, f"{label}: no workbook written")
            continue
        sample = sample_of(json.loads(with_report), lang, units, wire)
        check_workbook(out, sample, label)
        books.append(out)
        samples.append(sample)
    if books:
        check_libreoffice(books, work, samples)

    # A workbook that cannot be written: the error names the file; no JSON, no file.
    out = os.path.join(work, "no such folder", "tables.xls")
    status, stdout, err = run(exe, base + ["--report", out])
    check(status == 2 and stdout == "" and "tables.xls" in err,
          f"unwritable workbook: exit {status}, stdout {stdout[:80]!r}, stderr {err!r}")
    check(not os.path.exists(out), "unwritable workbook: a file was written")

    # A program without its forms: the error names the form it looked for.
    lonely = os.path.join(work, "bin")
    os.makedirs(lonely)
    lonely_exe = os.path.join(lonely, os.path.basename(exe))
    shutil.copy2(exe, lonely_exe)
    out = os.path.join(work, "lonely.xls")
    status, stdout, err = run(lonely_exe, base + ["--report", out, "--lang", "ru"])
    form = os.path.join(lonely, "Forms", "FormStringing_ru.xls")
    check(status == 2 and stdout == ""
          and err.startswith(f"velmora-calc: Не удаётся прочитать форму монтажных таблиц {form}: "),
          f"missing form: exit {status}, stderr {err!r}")
    check(not os.path.exists(out), "missing form: a file was written")

    # A section that no initial state governs is refused before anything is written: with
    # T_Min equal to T_Gsw (line 6 of the project) no state governs spans of 50 and 60 m.
    with open(project, "rb") as f:
        lines = f.read().decode("cp1251").split("\r\n")
    lines[5] = "-5"
    changed = os.path.join(work, "ungoverned.vlp")
    with open(changed, "wb") as f:
        f.write("\r\n".join(lines).encode("cp1251"))
    out = os.path.join(work, "ungoverned.xls")
    status, stdout, err = run(exe, ["stringing", changed, "--catalogue", catalogue, "--spans",
                                    "50,60", "--report", out])
    check(status == 3 and json.loads(stdout or "{}").get("ok") is False,
          f"ungoverned section: exit {status}, stdout {stdout!r}")
    check(not os.path.exists(out), "ungoverned section: a file was written")

    for text in failures[:50]:
        print("FAIL", text)
    print(f"{len(failures)} failure(s)")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
