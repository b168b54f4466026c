#!/usr/bin/env python3
"""Process tests of "velmora-calc calc --jsonl" and of output that cannot be written:
check_batch.py EXE WORKDIR CASE.

The projects are those of check_calc.py (the worked example and variants of it) with its small
catalogue, written into WORKDIR.
"""
import json
import os
import shutil
import subprocess
import sys

from check_calc import (check, expect_input_error, failures, run, run_cases, write_catalogue,
                        write_project)

FULL = "velmora-calc: cannot write to standard output: No space left on device\n"
CHECK_FAILED = ("Tension at average annual temperature equals maximum permissible tension,\r\n"
                "calculation is impossible!")


def lines_of(out):
    """The objects of JSON lines output; every line one object."""
    check(out.endswith("\n"), "the output does not end with a line break")
    objects = []
    for text in out.splitlines():
        try:
            objects.append(json.loads(text))
        except ValueError as e:
            failures.append(f"a line is not JSON ({e}): {text[:200]}")
    return objects


class Cases:
    def __init__(self, exe, work):
        self.exe, self.work = exe, work
        self.catalogue = os.path.join(work, "wires.dat")
        write_catalogue(self.catalogue)

    def project(self, name, **changes):
        path = os.path.join(self.work, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        write_project(path, **changes)
        return path

    def calc(self, args, stdout=subprocess.PIPE):
        return run(self.exe, ["calc", "--catalogue", self.catalogue] + args, stdout=stdout)

    def mixed(self):
        """Four projects: calculated, failed check, unreadable, calculated (with a low coefficient)."""
        return [self.project("a.vlp"), self.project("b.vlp", srg="9;0"),
                os.path.join(self.work, "missing.vlp"),
                self.project("d.vlp", koef=["0.9"] + ["1"] * 6 + ["15", "1"])]

    def output_refused(self):
        example = self.project("a.vlp")
        with open("/dev/full", "wb") as full:
            for args in (["calc", example], ["calc", "--jsonl", example, example],
                         ["stringing", example, "--spans", "100,120"], ["--help"]):
                if args[0] != "--help":
                    args = args[:1] + ["--catalogue", self.catalogue] + args[1:]
                status, _, err = run(self.exe, args, stdout=full)
                check(status == 2, f"{args[0]} to /dev/full: status {status}")
                check(err == FULL, f"{args[0]} to /dev/full: {err!r}")
            # a failed check prints its failure object: losing it is still exit 2, not 3
            status, _, err = self.calc([self.project("b.vlp", srg="9;0")], stdout=full)
            check(status == 2 and err == CHECK_FAILED + "\n" + FULL, f"failed check: {status} {err!r}")
        # a reader that has gone away: a closed pipe is reported too, not a silent death
        read_end, write_end = os.pipe()
        os.close(read_end)
        status, _, err = self.calc([example], stdout=write_end)
        os.close(write_end)
        check(status == 2 and err == "velmora-calc: cannot write to standard output: Broken pipe\n",
              f"closed pipe: {status} {err!r}")

    def input_order(self):
        projects = self.mixed()
        status, out, err = self.calc(["--jsonl"] + projects)
        check(status == 2, f"exit status {status}, expected 2 (the worst: an input error)")
        lines = lines_of(out)
        check([l.get("project") for l in lines] == projects, f"projects {[l.get('project') for l in lines]}")
        check([l.get("ok") for l in lines] == [True, False, False, True], "ok of each line")
        if len(lines) == 4:
            check(list(lines[0])[:2] == ["project", "ok"], f"first keys {list(lines[0])[:2]}")
            check(lines[1] == {"project": projects[1], "ok": False, "status": 3, "message": CHECK_FAILED},
                  f"failed check {lines[1]}")
            check(lines[2].get("status") == 2 and "No such file or directory" in lines[2].get("message", ""),
                  f"unreadable project {lines[2]}")
        # each line is the object "calc" prints for its project alone, with "project" first
        for path, line in zip(projects, lines):
            alone_status, alone, _ = self.calc([path])
            if alone_status == 0:
                check(json.loads(alone) == {k: v for k, v in line.items() if k != "project"},
                      f"{path}: the line differs from the project calculated alone")
        err_lines = err.splitlines()
        check(len(err_lines) == 3, f"stderr {err!r}")
        if len(err_lines) == 3:
            check(err_lines[0] == f"velmora-calc: {projects[1]}: " + CHECK_FAILED.replace("\r\n", " "),
                  f"stderr of the failed check {err_lines[0]!r}")
            check(err_lines[1].startswith(f"velmora-calc: {projects[2]}: Cannot open file"), err_lines[1])
            check(err_lines[2] == f"velmora-calc: {projects[3]}: note: The loads are lower than "
                                  "standard ones, contunue?", err_lines[2])
        # the worst status: a failed check is worse than success, an input error worse than both
        for chosen, expected in (([0, 3], 0), ([0, 1], 3), ([1, 0, 2], 2), ([2, 1], 2)):
            status, _, _ = self.calc(["--jsonl"] + [projects[i] for i in chosen])
            check(status == expected, f"projects {chosen}: exit status {status}, expected {expected}")

    def folders(self):
        folder = os.path.join(self.work, "line")
        for name in ("b.vlp", "a.VLP", "c.vlp"):
            self.project(os.path.join("line", name))
        self.project(os.path.join("line", "notes.txt"))
        os.makedirs(os.path.join(folder, "sub.vlp"), exist_ok=True)
        self.project(os.path.join("line", "sub.vlp", "deeper.vlp"))
        single = self.project("z.vlp")
        status, out, err = self.calc(["--jsonl", single, folder])
        check(status == 0, f"exit status {status}: {err}")
        expected = [single] + [os.path.join(folder, n) for n in ("a.VLP", "b.vlp", "c.vlp")]
        check([l.get("project") for l in lines_of(out)] == expected,
              f"projects {[l.get('project') for l in lines_of(out)]}")
        empty = os.path.join(self.work, "empty")
        os.makedirs(empty, exist_ok=True)
        expect_input_error(*self.calc(["--jsonl", single, empty]),
                           f"no project files (.vlp) in folder '{empty}'")
        # a link to nothing, last in the folder's order too, is its own line's error: the
        # folder's other projects are calculated
        linked = os.path.join(self.work, "linked")
        os.makedirs(linked, exist_ok=True)
        self.project(os.path.join("linked", "a.vlp"))
        dangling = os.path.join(linked, "z.vlp")
        if not os.path.lexists(dangling):
            os.symlink(os.path.join(linked, "nothing.vlp"), dangling)
        status, out, err = self.calc(["--jsonl", linked])
        lines = lines_of(out)
        check(status == 2 and [(l.get("project"), l.get("ok"), l.get("status")) for l in lines]
              == [(os.path.join(linked, "a.vlp"), True, None), (dangling, False, 2)],
              f"a link to nothing: exit {status}, lines {lines}, stderr {err!r}")
        check(err.startswith(f"velmora-calc: {dangling}: ") and err.count("\n") == 1,
              f"a link to nothing: stderr {err!r}")

    def report_dir(self):
        projects = self.mixed()
        reports = os.path.join(self.work, "reports", "new")
        shutil.rmtree(os.path.join(self.work, "reports"), ignore_errors=True)
        status, out, err = self.calc(["--jsonl", "--report-dir", reports, "--jobs", "2"] + projects)
        check(status == 2, f"exit status {status}")
        check(sorted(os.listdir(reports)) == ["a.xls", "d.xls"], f"reports {os.listdir(reports)}")
        # the same workbook as --report writes for the project alone
        alone = os.path.join(self.work, "alone.xls")
        self.calc([projects[0], "--report", alone])
        with open(alone, "rb") as f, open(os.path.join(reports, "a.xls"), "rb") as g:
            check(f.read() == g.read(), "the report differs from the one of --report")
        # one project without --jsonl: its report in the folder
        shutil.rmtree(reports)
        status, out, err = self.calc([projects[0], "--report-dir", reports])
        check(status == 0 and os.listdir(reports) == ["a.xls"], f"one project: {status} {err}")
        # two projects of one name would overwrite each other's report: refused before anything
        other = self.project(os.path.join("other", "a.vlp"))
        expect_input_error(*self.calc(["--jsonl", "--report-dir", reports, projects[0], other]),
                           f"'{projects[0]}' and '{other}' would both write the report "
                           f"'{os.path.join(reports, 'a.xls')}'")

    def jobs(self):
        projects = []
        for i in range(12):
            projects.append(self.project(f"jobs/p{i:02}.vlp", spans=["10", str(100 + 50 * i), "5"]))
        projects[3:3] = self.mixed()
        results = [self.calc(["--jsonl"] + projects + jobs) for jobs in
                   (["--jobs", "1"], ["--jobs", "2"], ["--jobs=5"], [])]
        check(results[0][0] == 2 and len(lines_of(results[0][1])) == len(projects),
              f"--jobs 1: status {results[0][0]}, {len(results[0][1].splitlines())} lines")
        for result, name in zip(results[1:], ["--jobs 2", "--jobs 5", "the default jobs"]):
            check(result == results[0], f"{name} differs from --jobs 1")

    def usage_errors(self):
        a, b = self.project("a.vlp"), self.project("b.vlp")
        expect_input_error(*self.calc([a, b]), f"more than one project file '{b}' (--jsonl calculates several)")
        expect_input_error(*self.calc(["--jsonl", a, "--jobs", "0"]),
                           "invalid value '0' for --jobs (expected a number of jobs from 1)")
        expect_input_error(*self.calc(["--jsonl", a, "--jobs", "two"]),
                           "invalid value 'two' for --jobs (expected a number of jobs from 1)")
        expect_input_error(*self.calc(["--jsonl", a, b, "--report", "r.xls"]),
                           "--report writes one file: give --report-dir DIR for several projects")
        expect_input_error(*self.calc([a, "--report", "r.xls", "--report-dir", "d"]),
                           "--report and --report-dir cannot be combined")
        expect_input_error(*self.calc(["--jsonl=yes", a]), "option '--jsonl' takes no value")


if __name__ == "__main__":
    sys.exit(run_cases(Cases))
