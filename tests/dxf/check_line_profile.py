"""Runs "velmora-calc line --dxf" on the shipped example and on a failing line, and reads the
profile drawings back with ezdxf: no audit error, the ground, towers and curves where the JSON
puts them at the template's scales, violations in red.

usage: check_line_profile.py VELMORA_CALC CATALOGUE EXAMPLE WORK_DIR
"""
import json
import os
import shutil
import subprocess
import sys

import ezdxf

failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)


def line(tool, *args):
    done = subprocess.run([tool, "line", *args], capture_output=True, timeout=60)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def read(path):
    doc = ezdxf.readfile(path, encoding="cp1251")
    auditor = doc.audit()
    expect(not auditor.has_errors, "%s: audit errors %s" % (path, auditor.errors))
    return list(doc.modelspace())


def main():
    tool, catalogue, example, work = sys.argv[1:5]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    drawing = os.path.join(work, "profile.dxf")
    status, out, err = line(tool, example, "--template", "0", "--catalogue", catalogue,
                            "--dxf", drawing)
    expect(status == 0, "example: status %d, %s" % (status, err))
    if status == 0:
        r = json.loads(out)
        entities = read(drawing)
        lines = [e for e in entities if e.dxftype() == "LINE"]
        texts = [e.dxf.text for e in entities if e.dxftype() == "TEXT"]
        # MG 5000, MV 500: a metre along is 0.2 units, a metre up 2 units above the datum.
        rx, ry = 5.0, 0.5
        towers = r["towers"]
        numbers = [str(i + 1) for i in range(len(towers))]
        expect(all(n in texts for n in numbers), "tower numbers %s" % texts[:20])
        datum_texts = [t for t in texts if t.startswith("Datum ")]
        expect(len(datum_texts) == 1, "one datum caption")
        datum = float(datum_texts[0].split()[1]) if datum_texts else 0
        for t in towers:
            x = t["station"] / rx
            foot, top = (t["ground"] - datum) / ry, (t["attachment"] - datum) / ry
            expect(any(abs(e.dxf.start.x - x) < 1e-2 and abs(e.dxf.start.y - foot) < 1e-2
                       and abs(e.dxf.end.y - top) < 1e-2 for e in lines),
                   "tower at %s: no vertical line" % t["station"])
        expect(all(e.dxf.color != 1 for e in entities), "a passing line has nothing red")

    # Two towers far apart: the span fails and its wire is drawn in red, in Russian.
    towers = os.path.join(work, "towers.csv")
    with open(towers, "w", encoding="utf-8") as f:
        f.write("0;У110-1\n1500;У110-1\n")
    failing = os.path.join(work, "failing.dxf")
    status, out, err = line(tool, example, "--template", "0", "--catalogue", catalogue,
                            "--towers", towers, "--dxf", failing, "--lang", "ru")
    expect(status == 3, "failing: status %d, %s" % (status, err))
    if os.path.exists(failing):
        entities = read(failing)
        red = [e for e in entities if e.dxf.color == 1]
        # the wire and its clearance line, each of many chords, and the lowest point
        expect(len(red) > 40, "failing: %d red entities" % len(red))
        texts = [e.dxf.text for e in entities if e.dxftype() == "TEXT"]
        expect(any(t.startswith("Условный горизонт") for t in texts), "Russian captions")
    else:
        expect(False, "failing: no drawing")

    # A drawing that cannot be written: exit 2, nothing printed.
    status, out, err = line(tool, example, "--template", "0", "--catalogue", catalogue,
                            "--dxf", os.path.join(work, "missing", "p.dxf"))
    expect(status == 2 and out == "" and "Cannot create file" in err, "unwritable: %d %r" %
           (status, err))

    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
