#!/usr/bin/python3
"""Process test of "velmora-calc calc ... --report OUT.xls".

usage: check_cli_report.py EXE APP_DIR SOURCE_DIR WORKDIR

The example project is calculated with and without --report in English daN-based and in
Russian N/kN-based units: the JSON on stdout must not change, the report must be the form of
the language and units, hold the results of the JSON, and open in LibreOffice headless. A
report that cannot be written and a missing form end with an error and leave no file.
"""

import csv
import math
import os
import json
import shutil
import subprocess
import sys

import xlrd

failures = []


def check(condition, text):
    if not condition:
        failures.append(text)


def run(exe, args):
    p = subprocess.run([exe] + args, capture_output=True, timeout=120)
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8")


def close(a, b):
    return math.isclose(a, b, rel_tol=1e-12, abs_tol=1e-12)


def check_report(path, result, lang, units, wire):
    sf, ff = (10.0, 0.01) if units == 1 else (1.0, 1.0)
    book = xlrd.open_workbook(path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    v = lambda a1_row, col: sheet.cell_value(a1_row - 1, col)
    caption = {"en": "Tensile force", "ru": "Тяжение"}[lang]
    unit = {("en", 0): "daN/mm²", ("en", 1): "N/mm²", ("ru", 0): "даН/мм²", ("ru", 1): "Н/мм²"}
    check(v(42, 2) == caption, f"{lang}/{units}: C42 is {v(42, 2)!r}")
    check(v(43, 20) == unit[(lang, units)], f"{lang}/{units}: U43 is {v(43, 20)!r}")
    check(v(12, 6) == wire, f"{lang}/{units}: G12 is {v(12, 6)!r}")
    check(close(v(18, 6), sf * 13), f"{lang}/{units}: G18 is {v(18, 6)!r}")
    spans = result["spans"]
    check(sheet.nrows == 41 + 3 * len(spans), f"{lang}/{units}: {sheet.nrows} rows")
    sech = result["wire"]["Sech"]
    for c, mode in enumerate(result["results"]):
        col = 3 + c
        check(v(41, col) == mode["mode"], f"{lang}/{units}: mode number in column {col}")
        for i, span in enumerate(spans):
            r = 42 + 3 * i
            check(v(r, 1) == span, f"{lang}/{units}: B{r} is {v(r, 1)!r}, not {span}")
            stress = mode["stress"][i]
            check(close(v(r, col), ff * stress * sech), f"{lang}/{units}: force at row {r}")
            check(close(v(r + 1, col), sf * stress), f"{lang}/{units}: stress at row {r + 1}")
            check(close(v(r + 2, col), mode["sag"][i]), f"{lang}/{units}: sag at row {r + 2}")


def check_libreoffice(paths, work, result):
    """Every report opens in LibreOffice and shows the spans of the JSON."""
    out = os.path.join(work, "csv")
    subprocess.run(["soffice", "--headless", f"-env:UserInstallation=file://{work}/lo-profile",
                    "--infilter=MS Excel 97", "--convert-to",
                    "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false",
                    "--outdir", out] + paths, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=240, check=True)
    for path in paths:
        name = os.path.splitext(os.path.basename(path))[0]
        csv_path = os.path.join(out, name + ".csv")
        if not os.path.isfile(csv_path):
            check(False, f"LibreOffice could not open {path}")
            continue
        with open(csv_path, encoding="utf-8", newline="") as f:
            rows = list(csv.reader(f))
        for i, span in enumerate(result["spans"]):
            got = rows[41 + 3 * i][1]
            check(close(float(got), span), f"{name}: LibreOffice shows span {got} in row {42 + 3 * i}")


def main():
    exe, app_dir, source_dir, work = sys.argv[1:5]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    project = os.path.join(source_dir, "share", "examples", "example.vlp")
    base = ["calc", project, "--catalogue", os.path.join(app_dir, "base_provod.dat")]
    reports = []
    for lang, units in (("en", 0), ("ru", 1)):
        options = ["--lang", lang, "--units", str(units)]
        status, plain, err = run(exe, base + options)
        check(status == 0, f"{lang}/{units} without report: exit {status}: {err}")
        out = os.path.join(work, f"report_{lang}{units}.xls")
        status, with_report, err = run(exe, base + options + ["--report", out])
        check(status == 0 and err == "", f"{lang}/{units} with report: exit {status}: {err}")
        check(with_report == plain, f"{lang}/{units}: the JSON changes with --report")
        if status != 0 or not os.path.isfile(out):
            check(False, f"{lang}/{units}: no report written")
            continue
        result = json.loads(with_report)
        check_report(out, result, lang, units, "АС 70/11")
        reports.append(out)
    if reports:
        check_libreoffice(reports, work, result)

    # A report that cannot be written: the error names the file; no JSON, no file.
    out = os.path.join(work, "no such folder", "report.xls")
    status, stdout, err = run(exe, base + ["--report", out])
    check(status != 0 and stdout == "" and "report.xls" in err,
          f"unwritable report: exit {status}, stdout {stdout[:80]!r}, stderr {err!r}")
    check(not os.path.exists(out), "unwritable report: a file was written")

    # A program without its forms: the error names the form beside the program and says why.
    lonely = os.path.join(work, "bin")
    os.makedirs(lonely)
    lonely_exe = os.path.join(lonely, os.path.basename(exe))
    shutil.copy2(exe, lonely_exe)
    out = os.path.join(work, "lonely.xls")
    status, stdout, err = run(lonely_exe, base + ["--report", out])
    form = os.path.join(lonely, "Forms", "FormMech_en.xls")
    check(status == 2 and stdout == "" and err.count("\n") == 1
          and err.startswith(f"velmora-calc: The report template {form} cannot be read: "),
          f"missing form: exit {status}, stderr {err!r}")
    check(not os.path.exists(out), "missing form: a file was written")

    for text in failures:
        print("FAIL", text)
    print(f"{len(failures)} failure(s)")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
