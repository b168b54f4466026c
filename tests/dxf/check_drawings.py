"""Reads every sample drawing with ezdxf and checks it against the manifest.

usage: check_drawings.py SAMPLES_DIR
"""
import json
import os
import sys

import ezdxf

FRAME_START = b"0\r\nSECTION\r\n2\r\nENTITIES\r\n"
FRAME_END = b"0\r\nENDSEC\r\n0\r\nEOF\r\n"


def runs_of(entities):
    runs = []
    for e in entities:
        key = [e.dxftype(), e.dxf.color]
        if runs and runs[-1][0] == key[0] and runs[-1][2] == key[1]:
            runs[-1][1] += 1
        else:
            runs.append([key[0], 1, key[1]])
    return runs


def check(path, expected):
    failures = []
    raw = open(path, "rb").read()
    if not raw.startswith(FRAME_START) or not raw.endswith(FRAME_END):
        failures.append("no section frame")
    if raw.replace(b"\r\n", b"").count(b"\n") or raw.replace(b"\r\n", b"").count(b"\r"):
        failures.append("a line not ended by CR LF")
    # Without a HEADER there is no code page in the file: the texts are Windows-1251.
    doc = ezdxf.readfile(path, encoding="cp1251")
    auditor = doc.audit()
    if auditor.has_errors:
        failures.append("audit errors: %s" % [str(e.message) for e in auditor.errors])
    entities = list(doc.modelspace())
    runs = runs_of(entities)
    if runs != expected["runs"]:
        failures.append("entities %s, expected %s" % (runs, expected["runs"]))
    texts = [e.dxf.text for e in entities if e.dxftype() == "TEXT"]
    if expected["texts"] and texts != expected["texts"]:
        failures.append("texts %s, expected %s" % (texts, expected["texts"]))
    return doc, failures


def check_proper_geometry(doc):
    """The k = 2.5 m template at 1 : 5000 / 1 : 500: the sag curve passes (20, 5), ends at (60, 45)."""
    lines = [e for e in doc.modelspace() if e.dxftype() == "LINE"]
    failures = []
    start = lines[400].dxf.start
    end = lines[599].dxf.end
    if (round(start.x, 4), round(start.y, 4)) != (20, 5):
        failures.append("segment 400 starts at %s" % (start,))
    if (round(end.x, 4), round(end.y, 4)) != (60, 45):
        failures.append("segment 599 ends at %s" % (end,))
    axis = lines[1800]
    if (axis.dxf.start.x, axis.dxf.start.y, axis.dxf.end.y) != (0, -31, 300):
        failures.append("vertical axis %s %s" % (axis.dxf.start, axis.dxf.end))
    return failures


def main():
    folder = sys.argv[1]
    manifest = json.load(open(os.path.join(folder, "manifest.json"), encoding="utf-8"))
    failed = False
    for sample in manifest:
        path = os.path.join(folder, sample["file"])
        doc, failures = check(path, sample)
        if sample["file"] == "proper_en.dxf":
            failures += check_proper_geometry(doc)
        for f in failures:
            print("%s: %s" % (sample["file"], f))
        failed = failed or bool(failures)
        print("%s: %d entities, %s" % (sample["file"], len(list(doc.modelspace())),
                                      "FAILED" if failures else "ok"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
