"""Runs "velmora-calc line --report" on the shipped example and reads the tower schedules back:
xlrd finds every tower's numbers equal to those of the JSON printed with it and the totals,
in English daN-based and Russian N-based; LibreOffice opens the workbook and converts it.

usage: check_cli_tower_schedule.py VELMORA_CALC APP_DIR SOURCE_DIR WORK_DIR
"""
import csv
import json
import os
import shutil
import subprocess
import sys

import xlrd

failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)


def near(a, b, what):
    expect(isinstance(a, float) and abs(a - b) <= 1e-9 * max(1, abs(b)), f"{what}: {a!r} != {b!r}")


def main():
    tool, app_dir, source, work = sys.argv[1:5]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    example = os.path.join(source, "share", "examples", "example.vlp")
    catalogue = os.path.join(app_dir, "base_provod.dat")
    with open(example, "rb") as f:
        lines = f.read().decode("cp1251").split("\r\n")
    types = lines[lines.index("line profile"):]
    costs = {"П110-3": 1, "У110-1": 3}
    expect("20;1;300;450;40" in types and "20;3;300;600;-150" in types, "the example's types")
    for lang, units, check_ok in [("en", "0", "OK"), ("ru", "1", "норма")]:
        report = os.path.join(work, f"towers_{lang}{units}.xls")
        done = subprocess.run([tool, "line", example, "--template", "0", "--catalogue", catalogue,
                               "--report", report, "--lang", lang, "--units", units],
                              capture_output=True, timeout=60)
        expect(done.returncode == 0, f"{lang}: status {done.returncode} {done.stderr!r}")
        if done.returncode != 0:
            continue
        r = json.loads(done.stdout)
        sheet = xlrd.open_workbook(report).sheet_by_index(0)
        expect(sheet.cell_value(1, 2) == "Линия 110 кВ", "template name")
        factor = 10 if units == "1" else 1
        near(sheet.cell_value(1, 7), r["template"]["sigma"] * factor, "stress")
        near(sheet.cell_value(1, 10), r["template"]["clearance"], "clearance")
        towers, spans = r["towers"], r["spans"]
        for i, t in enumerate(towers):
            row = 3 + i
            value = lambda col: sheet.cell_value(row, col)  # noqa: E731
            near(value(0), i + 1.0, f"number {i}")
            for col, key in [(1, "station"), (3, "ground"), (4, "attachment")]:
                near(value(col), t[key], f"tower {i} {key}")
            expect(value(2) == t["type"], f"tower {i} type {value(2)!r}")
            if i < len(spans):
                near(value(5), spans[i]["length"], f"tower {i} span ahead")
                near(value(9), spans[i]["clearance"], f"tower {i} clearance ahead")
            else:
                expect(value(5) == "", "the last tower has no span ahead")
            for col, key in [(6, "wind_span"), (7, "weight_span"), (8, "weight_span_cold")]:
                if t[key] is None:
                    expect(value(col) == "", f"tower {i} {key} empty")
                else:
                    near(value(col), t[key], f"tower {i} {key}")
            expect(value(10) == check_ok, f"tower {i} check {value(10)!r}")
        totals = 3 + len(towers)
        near(sheet.cell_value(totals, 2), float(len(towers)), "tower count")
        near(sheet.cell_value(totals, 5), float(sum(costs[t["type"]] for t in towers)), "cost")
        near(sheet.cell_value(totals, 8), towers[-1]["station"] - towers[0]["station"], "length")

    # LibreOffice opens the workbook: its csv holds the same station of the last tower.
    profile = os.path.join(work, "lo-profile")
    report = os.path.join(work, "towers_en0.xls")
    subprocess.run(["soffice", "--headless", f"-env:UserInstallation=file://{profile}",
                    "--infilter=MS Excel 97", "--convert-to",
                    "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false",
                    "--outdir", work, report], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=240)
    converted = os.path.join(work, "towers_en0.csv")
    expect(os.path.exists(converted), "LibreOffice did not open the schedule")
    if os.path.exists(converted):
        with open(converted, encoding="utf-8", newline="") as f:
            rows = list(csv.reader(f))
        expect(rows[13][1] == "2000" and rows[14][0] == "Towers", f"csv rows {rows[13:15]}")

    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
