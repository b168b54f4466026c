"""Opens every sample workbook in LibreOffice headless (converted to csv, one file per
sheet) and compares the values with our reader's cell map.

usage: check_libreoffice.py SAMPLES_DIR WORK_DIR
LibreOffice exits 0 even when it cannot load a file, so the csv must exist.
"""
import csv
import glob
import json
import math
import os
import shutil
import subprocess
import sys

# Comma, double quote, UTF-8, first line 1, raw values (not as shown), every sheet.
CSV_FILTER = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1"


def convert(path, work):
    profile = "file://%s/profile" % work
    subprocess.run(["soffice", "--headless", "-env:UserInstallation=" + profile,
                    "--infilter=MS Excel 97", "--convert-to", CSV_FILTER, "--outdir", work, path],
                   check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=240)


def matches(kind, value, text):
    if kind == "blank":
        return text == ""
    if kind == "text":
        return text == value
    if kind == "number":
        try:
            got = float(text)
        except ValueError:
            return False
        return math.isclose(got, value, rel_tol=1e-12, abs_tol=1e-300)
    if kind == "boolean":
        return text.upper() in (("TRUE", "1") if value else ("FALSE", "0"))
    if kind == "error":
        return text.startswith("#") or text.startswith("Err:")
    return False


def main():
    samples, work = sys.argv[1], sys.argv[2]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    problems = []
    paths = sorted(glob.glob(os.path.join(samples, "*.xls")))
    for path in paths:
        name = os.path.basename(path)[:-4]
        convert(path, work)
        with open(path[:-4] + ".json", encoding="utf-8") as f:
            expected = json.load(f)
        for sheet in expected["sheets"]:
            out = os.path.join(work, "%s-%s.csv" % (name, sheet["name"]))
            if not os.path.exists(out):
                problems.append("%s: LibreOffice did not open it (no %s)" % (name, os.path.basename(out)))
                continue
            with open(out, encoding="utf-8", newline="") as f:
                rows = list(csv.reader(f))
            for row, col, kind, value, _xf, formula in sheet["cells"]:
                if formula:  # LibreOffice calculates formulas anew
                    continue
                text = rows[row][col] if row < len(rows) and col < len(rows[row]) else ""
                if not matches(kind, value, text):
                    problems.append("%s!%s R%dC%d: %r, expected %s %r"
                                    % (name, sheet["name"], row + 1, col + 1, text, kind, value))
    for p in problems[:50]:
        print(p)
    print("%d workbooks opened, %d problems" % (len(paths), len(problems)))
    return 1 if problems or not paths else 0


if __name__ == "__main__":
    sys.exit(main())
