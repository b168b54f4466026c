"""What the process tests of "velmora-calc calc|stringing ... --report OUT.xls" share: the
failures they collect, the run of the program, and the checks every command that writes a
workbook must pass.
"""

import json
import os
import shutil
import subprocess
import sys

failures = []


def check(condition, text):
    if not condition:
        failures.append(text)


def fail(text):
    failures.append(text)


def run(exe, args):
    p = subprocess.run([exe] + args, capture_output=True, timeout=120)
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8")


def fresh_work(work):
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)


def result_with_report(exe, args, out, label, what):
    """Runs args without and with --report out: both succeed, the JSON stays the same. The JSON
    read, or None when no workbook was written."""
    status, plain, err = run(exe, args)
    check(status == 0, f"{label} without report: exit {status}: {err}")
    status, with_report, err = run(exe, args + ["--report", out])
    check(status == 0 and err == "", f"{label} with report: exit {status}: {err}")
    check(with_report == plain, f"{label}: the JSON changes with --report")
    if status != 0 or not os.path.isfile(out):
        check(False, f"{label}: no {what} written")
        return None
    return json.loads(with_report)


def check_unwritable(exe, args, work, name, what):
    """A workbook that cannot be written: the error names the file; no JSON, no file."""
    out = os.path.join(work, "no such folder", name)
    status, stdout, err = run(exe, args + ["--report", out])
    check(status == 2 and stdout == "" and name in err,
          f"unwritable {what}: exit {status}, stdout {stdout[:80]!r}, stderr {err!r}")
    check(not os.path.exists(out), f"unwritable {what}: a file was written")


def program_without_forms(exe, work):
    """A copy of the program in WORK/bin, with no Forms/ beside it: (its folder, its path)."""
    lonely = os.path.join(work, "bin")
    os.makedirs(lonely)
    lonely_exe = os.path.join(lonely, os.path.basename(exe))
    shutil.copy2(exe, lonely_exe)
    return lonely, lonely_exe


def finish():
    for text in failures[:50]:
        print("FAIL", text)
    print(f"{len(failures)} failure(s)")
    sys.exit(1 if failures else 0)
