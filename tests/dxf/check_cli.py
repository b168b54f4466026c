"""Runs "velmora-calc template" as a process: exit statuses, messages and the files it leaves.

usage: check_cli.py VELMORA_CALC SAMPLES_DIR WORK_DIR
"""
import os
import shutil
import subprocess
import sys

import ezdxf

EMPTY_DRAWING = b"0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n"

failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)


def run(tool, *args):
    done = subprocess.run([tool, "template", *args], capture_output=True, timeout=60)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def entities(path):
    doc = ezdxf.readfile(path, encoding="cp1251")
    expect(not doc.audit().has_errors, "%s: audit errors" % path)
    return list(doc.modelspace())


def main():
    tool, samples, work = sys.argv[1:4]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    project = os.path.join(samples, "project.vlp")
    catalogue = os.path.join(samples, "catalogue.dat")
    out = lambda name: os.path.join(work, name)  # noqa: E731

    # A template proper, in English.
    status, stdout, stderr = run(tool, project, "--index", "0", "--dxf", out("t0.dxf"),
                                 "--catalogue", catalogue)
    expect(status == 0, "template 0: status %d, %s" % (status, stderr))
    expect(stderr == "", "template 0: stderr %r" % stderr)
    if status == 0:
        drawn = entities(out("t0.dxf"))
        expect(len(drawn) == 1811, "template 0: %d entities" % len(drawn))
        texts = [e.dxf.text for e in drawn if e.dxftype() == "TEXT"]
        expect(texts[0] == "Name: Габарит 300", "template 0: caption %r" % texts[0])

    # A curve, in Russian with N/kN-based units; options written with "=".
    status, _, stderr = run(tool, project, "--index=1", "--dxf=" + out("t1.dxf"),
                            "--catalogue=" + catalogue, "--lang", "ru", "--units", "1")
    expect(status == 0, "template 1: status %d, %s" % (status, stderr))
    if status == 0:
        drawn = entities(out("t1.dxf"))
        expect(len(drawn) == 611, "template 1: %d entities" % len(drawn))
        texts = [e.dxf.text for e in drawn if e.dxftype() == "TEXT"]
        expect(texts[3].startswith("Макс. напряжение (при среднегодовой температуре): ")
               and texts[3].endswith(" Н/мм2"), "template 1: caption %r" % texts[3])
        expect(texts[4] == "Температура 0", "template 1: caption %r" % texts[4])

    # Nothing could be drawn: status 3, the file holds only the section start and end.
    for name, args, word in [
        ("engine refused", [os.path.join(samples, "refused.vlp"), "--index", "0"], ""),
    ]:
        target = out(name.replace(" ", "_") + ".dxf")
        status, _, stderr = run(tool, *args, "--dxf", target, "--catalogue", catalogue)
        expect(status == 3, "%s: status %d, %s" % (name, status, stderr))
        expect(os.path.exists(target) and open(target, "rb").read() == EMPTY_DRAWING,
               "%s: file is not the empty drawing" % name)
        expect(stderr.startswith("velmora-calc: ") and word in stderr and len(stderr) > 30,
               "%s: stderr %r" % (name, stderr))
        if os.path.exists(target):
            expect(entities(target) == [], "%s: entities in the file" % name)

    # Input errors: status 2, one line on stderr, nothing at the target.
    old = out("old.dxf")
    with open(old, "wb") as f:
        f.write(b"old")
    cases = [
        ("zero scale", [project, "--index", "3", "--dxf", old, "--catalogue", catalogue],
         "The vertical scale (MV): 0 — must be greater than 0"),
        ("no mode", [project, "--index", "2", "--dxf", old, "--catalogue", catalogue],
         "The type of the pattern (curve) is not indicated."),
        ("no such template", [project, "--index", "4", "--dxf", old, "--catalogue", catalogue],
         "no template 4 in"),
        ("wire missing", [os.path.join(samples, "missing_wire.vlp"), "--index", "0", "--dxf", old,
                          "--catalogue", catalogue],
         'The wire "NO SUCH WIRE" is not in the reference catalog. Enter it into the reference catalog first.'),
        ("wire missing, Russian", [os.path.join(samples, "missing_wire.vlp"), "--index", "0",
                                   "--dxf", old, "--catalogue", catalogue, "--lang", "ru"],
         'Провода «NO SUCH WIRE» нет в справочнике. Сначала введите его в справочник.'),
        ("no project", [out("none.vlp"), "--index", "0", "--dxf", old, "--catalogue", catalogue],
         "none.vlp"),
        ("no catalogue", [project, "--index", "0", "--dxf", old, "--catalogue", out("none.dat")],
         "none.dat"),
        ("no folder", [project, "--index", "0", "--dxf", out("none/t.dxf"), "--catalogue",
                       catalogue], "Cannot create file"),
        ("bad index", [project, "--index", "x", "--dxf", old], "invalid value 'x' for --index"),
        ("negative index", [project, "--index", "-1", "--dxf", old],
         "invalid value '-1' for --index"),
        ("no index", [project, "--dxf", old], "missing --index"),
        ("no dxf", [project, "--index", "0"], "missing --dxf"),
        ("unknown option", [project, "--index", "0", "--dxf", old, "--scale", "2"],
         "unknown option '--scale'"),
        ("bad language", [project, "--index", "0", "--dxf", old, "--lang", "de"],
         "invalid value 'de' for --lang"),
    ]
    for name, args, text in cases:
        status, _, stderr = run(tool, *args)
        expect(status == 2, "%s: status %d, %s" % (name, status, stderr))
        expect(stderr.startswith("velmora-calc: ") and stderr.count("\n") == 1 and text in stderr,
               "%s: stderr %r" % (name, stderr))
    expect(open(old, "rb").read() == b"old", "an input error changed the existing file")
    expect(sorted(os.listdir(work)) == sorted(["t0.dxf", "t1.dxf", "engine_refused.dxf",
                                               "old.dxf"]),
           "stray files: %s" % sorted(os.listdir(work)))

    for f in failures:
        print("FAILED:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
