#!/usr/bin/python3
"""Process test of "velmora-calc calc ... --report OUT.xls".

usage: check_cli_report.py EXE APP_DIR SOURCE_DIR WORKDIR

The example project is calculated with and without --report in English daN-based and in
Russian N/kN-based units: the JSON on stdout must not change, the report must be the form of
the language and units, hold the results of the JSON, and open in LibreOffice headless. A
report that cannot be written and a missing form end with an error and leave no file.
"""

import math
import os
import sys

import xlrd

from check_libreoffice import CSV_FILTER, check_cell, convert, read_csv
from cli_checks import (check, check_unwritable, fail, finish, fresh_work,
                        program_without_forms, result_with_report, run)


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
    convert(paths, CSV_FILTER, out, os.path.join(work, "lo-profile"))
    for path in paths:
        name = os.path.splitext(os.path.basename(path))[0]
        csv_path = os.path.join(out, name + ".csv")
        if not os.path.isfile(csv_path):
            check(False, f"LibreOffice could not open {path}")
            continue
        text_at = read_csv(csv_path)
        for i, span in enumerate(result["spans"]):
            check_cell(f"{name}: B{42 + 3 * i}", text_at(41 + 3 * i, 1), float(span), fail)


def main():
    exe, app_dir, source_dir, work = sys.argv[1:5]
    fresh_work(work)
    project = os.path.join(source_dir, "share", "examples", "example.vlp")
    base = ["calc", project, "--catalogue", os.path.join(app_dir, "base_provod.dat")]
    reports, results = [], []
    for lang, units in (("en", 0), ("ru", 1)):
        out = os.path.join(work, f"report_{lang}{units}.xls")
        result = result_with_report(exe, base + ["--lang", lang, "--units", str(units)], out,
                                    f"{lang}/{units}", "report")
        if result is None:
            continue
        check_report(out, result, lang, units, "АС 70/11")
        reports.append(out)
        results.append(result)
    if reports:
        check_libreoffice(reports, work, results[-1])

    check_unwritable(exe, base, work, "report.xls", "report")

    # A program without its forms: the error names the form beside the program and says why.
    lonely, lonely_exe = program_without_forms(exe, work)
    out = os.path.join(work, "lonely.xls")
    status, stdout, err = run(lonely_exe, base + ["--report", out])
    form = os.path.join(lonely, "Forms", "FormMech_en.xls")
    check(status == 2 and stdout == "" and err.count("\n") == 1
          and err.startswith(f"velmora-calc: The report template {form} cannot be read: "),
          f"missing form: exit {status}, stderr {err!r}")
    check(not os.path.exists(out), "missing form: a file was written")
    finish()


if __name__ == "__main__":
    main()
