#!/usr/bin/python3
"""Process test of "velmora-calc stringing ... --report OUT.xls".

usage: check_cli_stringing_report.py EXE APP_DIR SOURCE_DIR WORKDIR

The example project's stringing table is written in English daN-based and in Russian
N/kN-based units: the JSON on stdout must not change with --report, the workbook must be the
form of the language and units, hold the tables of the JSON through the units factors, and
open in LibreOffice headless. A workbook that cannot be written, a missing form and a section
without a table end with an error and leave no file.
"""

import json
import os
import sys

import xlrd

from check_libreoffice import CSV_FILTER, convert
from check_stringing_libreoffice import check_csv
from check_stringing_xlrd import check_values
from cli_checks import (check, check_unwritable, fail, finish, fresh_work,
                        program_without_forms, result_with_report, run)


def sample_of(result, lang, units, wire):
    """The JSON result as the layout module reads a sample."""
    return {"language": lang, "wire": wire["Name"], "sech": wire["Sech"],
            "stress_factor": 10.0 if units else 1.0, "force_factor": 0.01 if units else 1.0,
            "sections": result["sections"]}


def check_workbook(path, sample, units, label):
    sheet = xlrd.open_workbook(path, formatting_info=True).sheet_by_index(0)
    caption = {("en", 0): "Stress σ, daN/mm²", ("en", 1): "Stress σ, N/mm²",
               ("ru", 0): "Напряжение σ, даН/мм²", ("ru", 1): "Напряжение σ, Н/мм²"}
    check(sheet.cell_value(6, 0) == caption[(sample["language"], units)],
          f"{label}: A7 is {sheet.cell_value(6, 0)!r}")
    check_values(sheet, sample, lambda text: fail(f"{label}: {text}"))


def check_libreoffice(paths, work, samples):
    """Every workbook opens in LibreOffice and shows the values of its sample."""
    out = os.path.join(work, "csv")
    convert(paths, CSV_FILTER, out, os.path.join(work, "lo-profile"))
    for path, sample in zip(paths, samples):
        name = os.path.splitext(os.path.basename(path))[0]
        csv_path = os.path.join(out, name + ".csv")
        if not os.path.isfile(csv_path):
            check(False, f"LibreOffice could not open {path}")
            continue
        check_csv(csv_path, sample, lambda text, name=name: fail(f"{name}: {text}"))


def main():
    exe, app_dir, source_dir, work = sys.argv[1:5]
    fresh_work(work)
    project = os.path.join(source_dir, "share", "examples", "example.vlp")
    catalogue = os.path.join(app_dir, "base_provod.dat")
    base = ["stringing", project, "--catalogue", catalogue]
    wire = json.loads(run(exe, ["calc", project, "--catalogue", catalogue])[1])["wire"]
    books, samples = [], []
    for lang, units in (("en", 0), ("ru", 1)):
        label = f"{lang}/{units}"
        out = os.path.join(work, f"tables_{lang}{units}.xls")
        result = result_with_report(exe, base + ["--lang", lang, "--units", str(units)], out,
                                    label, "workbook")
        if result is None:
            continue
        sample = sample_of(result, lang, units, wire)
        check_workbook(out, sample, units, label)
        books.append(out)
        samples.append(sample)
    if books:
        check_libreoffice(books, work, samples)

    check_unwritable(exe, base, work, "tables.xls", "workbook")

    # A program without its forms: the error names the form it looked for.
    lonely, lonely_exe = program_without_forms(exe, work)
    out = os.path.join(work, "lonely.xls")
    status, stdout, err = run(lonely_exe, base + ["--report", out, "--lang", "ru"])
    form = os.path.join(lonely, "Forms", "FormStringing_ru.xls")
    check(status == 2 and stdout == ""
          and err.startswith(f"velmora-calc: Не удаётся прочитать форму монтажных таблиц {form}: "),
          f"missing form: exit {status}, stderr {err!r}")
    check(not os.path.exists(out), "missing form: a file was written")

    # With T_Min equal to T_Gsw (line 6 of the project) the critical span l2 is 0 m and the
    # critical-span rule proposes nothing for spans of 50 and 60 m; one state still governs
    # them, so the table is written.
    with open(project, "rb") as f:
        lines = f.read().decode("cp1251").split("\r\n")
    lines[5] = "-5"
    changed = os.path.join(work, "l2_zero.vlp")
    with open(changed, "wb") as f:
        f.write("\r\n".join(lines).encode("cp1251"))
    out = os.path.join(work, "l2_zero.xls")
    status, stdout, err = run(exe, ["stringing", changed, "--catalogue", catalogue, "--spans",
                                    "50,60", "--report", out])
    section = (json.loads(stdout or "{}").get("sections") or [{}])[0]
    check(status == 0 and section.get("state") in (1, 2, 3) and min(section["stress"]) > 0,
          f"l2 = 0 section: exit {status}, stdout {stdout!r}, stderr {err!r}")
    check(os.path.exists(out), "l2 = 0 section: no table written")

    finish()


if __name__ == "__main__":
    main()
