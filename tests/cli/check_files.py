#!/usr/bin/env python3
"""Process tests of the files velmora-calc writes and reads: check_files.py EXE WORKDIR CASE
APP_DIR SOURCE_DIR.

Failures are made with strace's fault injection (a system call answers with an error, or a
signal arrives at it), so each case shows what a full disk, a refused rename or a stop at
logout leaves behind: the old file whole, and no temporary file.
"""
import json
import os
import shutil
import signal
import subprocess
import sys

from check_calc import (DEFAULT_PROJECT, check, failures, run, run_cases, write_catalogue,
                        write_project)

OLD = b"the old report, which a failed run must leave as it is"


def listing(folder):
    return sorted(os.listdir(folder))


def as_nobody():
    """For a child that must meet the permissions root would pass over."""
    if os.geteuid() == 0:
        os.setgid(65534)
        os.setgroups([])
        os.setuid(65534)


class Cases:
    def __init__(self, exe, work, app_dir, source_dir):
        self.exe, self.app_dir, self.source_dir = exe, app_dir, source_dir
        self.work = work
        shutil.rmtree(work)
        os.makedirs(work)
        os.chmod(work, 0o755)
        self.catalogue = os.path.join(work, "wires.dat")
        write_catalogue(self.catalogue)
        self.project = os.path.join(work, "a.vlp")
        write_project(self.project)

    def old_file(self, name):
        path = os.path.join(self.work, name)
        with open(path, "wb") as f:
            f.write(OLD)
        return path

    def calc(self, args, **kwargs):
        return run(self.exe, ["calc", "--catalogue", self.catalogue] + args, **kwargs)

    def strace(self, injection, args):
        """The run of velmora-calc under strace -e inject=<injection>: (status, out, err)."""
        command = ["strace", "-f", "-qq", "-o", "/dev/null", "-e", "inject=" + injection,
                   self.exe] + args
        # The leak checker of a sanitized build cannot run under a tracer.
        env = dict(os.environ, ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0")
        result = subprocess.run(command, capture_output=True, timeout=120, env=env)
        return (result.returncode, result.stdout.decode("utf-8", "replace"),
                result.stderr.decode("utf-8", "replace"))

    def faults_keep_the_old_report(self):
        """Each step of writing the report fails in turn: the old report stays, nothing is
        left beside it, and the message names the system's reason."""
        report = self.old_file("report.xls")
        before = listing(self.work)
        renames = "rename,renameat,renameat2"
        for injection, reason in (
                ("fsync:error=EIO", "Input/output error"),
                ("fsync:error=ENOSPC", "No space left on device"),
                (renames + ":error=EXDEV", "Invalid cross-device link")):
            status, out, err = self.strace(injection, ["calc", self.project, "--catalogue",
                                                       self.catalogue, "--report", report])
            what = f"with {injection}"
            check(status == 2, f"{what}: exit {status}; stderr {err!r}")
            check(reason in err and "report.xls" in err, f"{what}: stderr {err!r}")
            check(open(report, "rb").read() == OLD, f"{what}: the old report was changed")
            check(listing(self.work) == before, f"{what}: left {listing(self.work)}")
        # A batch puts its reports in place after the output; the refusal is in the run's
        # language.
        folder = os.path.join(self.work, "batch")
        os.makedirs(folder)
        report = os.path.join(folder, "a.xls")
        with open(report, "wb") as f:
            f.write(OLD)
        status, out, err = self.strace(renames + ":error=EXDEV",
                                       ["calc", "--jsonl", self.project, "--report-dir", folder,
                                        "--catalogue", self.catalogue, "--lang", "ru"])
        check(status == 2, f"batch: exit {status}; stderr {err!r}")
        check("Не удалось" in err and "a.xls" in err, f"batch: stderr {err!r}")
        check(open(report, "rb").read() == OLD, "batch: the old report was changed")
        check(listing(folder) == ["a.xls"], f"batch: left {listing(folder)}")

    def stopped_runs_leave_no_temporary_file(self):
        """SIGTERM or SIGINT while a report is written (at its fsync): the run ends by the
        signal, the old report is whole and no temporary file stays, in a batch as alone."""
        folder = os.path.join(self.work, "reports")
        os.makedirs(folder)
        report = os.path.join(folder, "a.xls")
        with open(report, "wb") as f:
            f.write(OLD)
        for name in ("TERM", "INT", "HUP"):
            for args in (["calc", self.project, "--report", report],
                         ["calc", "--jsonl", self.project, "--report-dir", folder, "--jobs", "2"]):
                status, _, err = self.strace(f"fsync:signal=SIG{name}",
                                             args + ["--catalogue", self.catalogue])
                what = f"SIG{name} in {' '.join(args[:2])}"
                number = getattr(signal, "SIG" + name)
                check(status in (-number, 128 + number),
                      f"{what}: exit {status}; stderr {err!r}")
                check(listing(folder) == ["a.xls"], f"{what}: left {listing(folder)}")
                check(open(report, "rb").read() == OLD, f"{what}: the old report was changed")

    def report_follows_links_and_keeps_permissions(self):
        real = os.path.join(self.work, "kept", "report.xls")
        os.makedirs(os.path.dirname(real))
        with open(real, "wb") as f:
            f.write(OLD)
        os.chmod(real, 0o600)
        link = os.path.join(self.work, "link.xls")
        os.symlink(os.path.join("kept", "report.xls"), link)
        status, _, err = self.calc([self.project, "--report", link])
        check(status == 0, f"exit {status}: {err}")
        check(os.path.islink(link), "the link was replaced by a file")
        data = open(real, "rb").read()
        check(data.startswith(b"\xd0\xcf\x11\xe0"), "the link's target is not the new workbook")
        check(os.stat(real).st_mode & 0o777 == 0o600,
              f"permissions {oct(os.stat(real).st_mode & 0o777)}, expected 0o600")

    def report_error_names_the_cause(self):
        """A report in a folder the user may not write: "Permission denied", not the text of
        an unrelated error number."""
        folder = os.path.join(self.work, "locked")
        os.makedirs(folder)
        os.chmod(folder, 0o555)
        for args in (["calc", self.project, "--catalogue", self.catalogue],
                     ["stringing", self.project, "--spans", "100,120", "--catalogue",
                      self.catalogue]):
            result = subprocess.run([self.exe] + args + ["--report",
                                                         os.path.join(folder, "r.xls")],
                                    capture_output=True, preexec_fn=as_nobody, timeout=60)
            err = result.stderr.decode()
            check(result.returncode == 2, f"{args[0]}: exit {result.returncode}")
            check("Permission denied" in err, f"{args[0]}: stderr {err!r}")
            check(listing(folder) == [], f"{args[0]}: left {listing(folder)}")

    def lost_output_keeps_the_old_report(self):
        """Standard output refused (a full disk): the JSON is lost, so the report is not
        replaced either."""
        report = self.old_file("report.xls")
        for args in (["calc", self.project], ["stringing", self.project, "--spans", "100,120"]):
            with open("/dev/full", "wb") as full:
                status, _, err = run(self.exe, args + ["--catalogue", self.catalogue, "--report",
                                                       report], stdout=full)
            check(status == 2 and "No space left on device" in err,
                  f"{args[0]}: exit {status}, stderr {err!r}")
            check(open(report, "rb").read() == OLD, f"{args[0]}: the report was replaced")
        # A batch alike: its reports are put in place only once its lines are out.
        folder = os.path.join(self.work, "reports")
        os.makedirs(folder)
        batch_report = os.path.join(folder, "a.xls")
        with open(batch_report, "wb") as f:
            f.write(OLD)
        for jobs in ("1", "2"):
            with open("/dev/full", "wb") as full:
                status, _, err = run(self.exe, ["calc", "--jsonl", self.project,
                                                "--report-dir", folder, "--jobs", jobs,
                                                "--catalogue", self.catalogue], stdout=full)
            what = f"--jsonl --jobs {jobs}"
            check(status == 2 and "No space left on device" in err, f"{what}: exit {status}")
            check(open(batch_report, "rb").read() == OLD, f"{what}: the report was replaced")
            check(listing(folder) == ["a.xls"], f"{what}: left {listing(folder)}")
        # And with the output working, the report is written.
        status, _, err = self.calc([self.project, "--report", report])
        check(status == 0 and open(report, "rb").read() != OLD, f"exit {status}: {err}")

    def output_is_an_input(self):
        """An output naming an input, by its name, a hard link or a symbolic link: refused
        with exit 2, the input unchanged."""
        template_project = os.path.join(self.work, "templates.vlp")
        write_project(template_project)
        with open(template_project, "rb") as f:
            text = f.read()
        # The empty template list replaced by one template of all curves.
        template = ["1", "Gabarit", "1", "-1", "5000", "500", "300", "15", "7", "0.5", "0"]
        with open(template_project, "wb") as f:
            f.write(text[:-len(b"0\r\n")] + "".join(t + "\r\n" for t in template).encode())
        template_catalogue = self.catalogue
        hard = os.path.join(self.work, "hard.xls")
        os.link(self.project, hard)
        soft = os.path.join(self.work, "soft.xls")
        os.symlink("wires.dat", soft)
        spans = ["--spans", "100,120"]
        cases = [
            (["calc", self.project, "--report", self.project], self.project),
            (["calc", self.project, "--report", hard], self.project),
            (["calc", self.project, "--report", soft], self.catalogue),
            (["calc", "--jsonl", self.project, "--report", self.project], self.project),
            (["stringing", self.project] + spans + ["--report", self.catalogue], self.catalogue),
            (["template", template_project, "--index", "0", "--dxf", template_project],
             template_project),
            (["template", template_project, "--index", "0", "--dxf", template_catalogue],
             template_catalogue),
        ]
        for args, victim in cases:
            before = open(victim, "rb").read()
            catalogue = template_catalogue if args[0] == "template" else self.catalogue
            status, out, err = run(self.exe, args + ["--catalogue", catalogue])
            what = " ".join(os.path.basename(a) for a in args)
            check(status == 2, f"{what}: exit {status}")
            check("is the input" in err and err.count("\n") == 1, f"{what}: stderr {err!r}")
            check(open(victim, "rb").read() == before, f"{what}: the input was changed")

    def json_for_any_file_name(self):
        """A project whose name is not UTF-8: the output is valid UTF-8, the name shows the
        replacement character, and "path_bytes" holds the exact name."""
        name = os.path.join(os.fsencode(self.work), b"caf\xe9-\xff.vlp")
        shutil.copy(self.project, name)
        missing = os.path.join(os.fsencode(self.work), b"\xc0\xaf-missing.vlp")
        result = subprocess.run([self.exe, "calc", "--jsonl", name, missing, self.project,
                                 "--catalogue", self.catalogue], capture_output=True, timeout=60)
        try:
            lines = [json.loads(line) for line in result.stdout.decode("utf-8").splitlines()]
        except ValueError as e:
            failures.append(f"the output is not UTF-8 JSON: {e}: {result.stdout[:300]!r}")
            return
        check(len(lines) == 3, f"{len(lines)} lines")
        first, second, third = lines
        check(first.get("ok") is True, f"the odd name was not calculated: {first}")
        check(first.get("project", "").endswith("caf\ufffd-\ufffd.vlp"), f"project {first}")
        check(bytes(first.get("path_bytes", [])) == name, f"path_bytes {first.get('path_bytes')}")
        check(bytes(second.get("path_bytes", [])) == missing, f"path_bytes {second}")
        check("\ufffd\ufffd-missing.vlp" in second.get("message", ""), f"message {second}")
        check("path_bytes" not in third, f"path_bytes for a UTF-8 name: {third}")

    def first_start_in_parallel(self):
        """Many runs at once on a fresh data folder: each finds the catalogue whole."""
        example = os.path.join(self.source_dir, "share", "examples", "example.vlp")
        for attempt in range(6):
            data = os.path.join(self.work, f"xdg{attempt}")
            env = dict(os.environ, XDG_DATA_HOME=data)
            runs = [subprocess.Popen([self.exe, "calc", example], env=env,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE)
                    for _ in range(8)]
            for p in runs:
                out, err = p.communicate(timeout=120)
                check(p.returncode == 0 and json.loads(out).get("ok") is True,
                      f"attempt {attempt}: exit {p.returncode}, stderr {err.decode()!r}")
            folder = os.path.join(data, "Orbelan", "Tarnvik")
            shipped = open(os.path.join(self.app_dir, "base_provod.dat"), "rb").read()
            check(listing(folder) == ["base_provod.dat"], f"the data folder holds {listing(folder)}")
            check(open(os.path.join(folder, "base_provod.dat"), "rb").read() == shipped,
                  "the copied catalogue differs from the shipped one")

    def read_only_home(self):
        """A data folder that cannot be made: the shipped catalogue serves, with one note."""
        example = os.path.join(self.source_dir, "share", "examples", "example.vlp")
        home = os.path.join(self.work, "home")
        os.makedirs(home)
        os.chmod(home, 0o555)
        result = subprocess.run([self.exe, "calc", example],
                                env=dict(os.environ, HOME=home, XDG_DATA_HOME=""),
                                capture_output=True, preexec_fn=as_nobody, timeout=60)
        err = result.stderr.decode()
        check(result.returncode == 0, f"exit {result.returncode}: {err!r}")
        check(err.startswith("velmora-calc: note: ") and err.count("\n") == 1
              and "Permission denied" in err, f"stderr {err!r}")
        check(json.loads(result.stdout or b"{}").get("ok") is True, "no results")
        check(listing(home) == [], f"the home folder holds {listing(home)}")
        # The note is in the run's language.
        result = subprocess.run([self.exe, "calc", example, "--lang", "ru"],
                                env=dict(os.environ, HOME=home, XDG_DATA_HOME=""),
                                capture_output=True, preexec_fn=as_nobody, timeout=60)
        err = result.stderr.decode()
        check(result.returncode == 0, f"--lang ru: exit {result.returncode}: {err!r}")
        check(err.startswith("velmora-calc: note: взят поставляемый справочник")
              and err.count("\n") == 1, f"--lang ru: stderr {err!r}")

    def one_line_refusal(self, args, what, timeout=20):
        """The run of args, which must be refused at once: (stderr, the JSON lines)."""
        result = subprocess.run([self.exe] + args, capture_output=True, timeout=timeout)
        err = result.stderr.decode("utf-8")
        check(result.returncode == 2, f"{what}: exit {result.returncode}; stderr {err!r}")
        check(err.startswith("velmora-calc: ") and err.count("\n") == 1,
              f"{what}: not one line: {err[:300]!r}")
        return err, result.stdout.decode("utf-8")

    def inputs_that_are_not_files(self):
        """A pipe, a device or a folder where a file is read: refused at once, naming it, and
        never waited on (a pipe with no writer would hang the run); a batch goes on past it."""
        pipe = os.path.join(self.work, "pipe.vlp")
        os.mkfifo(pipe)
        example = os.path.join(self.source_dir, "share", "examples", "example.vlp")
        cases = [
            (["calc", pipe, "--catalogue", self.catalogue], pipe),
            (["calc", "/dev/zero", "--catalogue", self.catalogue], "/dev/zero"),
            (["calc", self.project, "--catalogue", pipe], pipe),
            (["stringing", pipe, "--spans", "100,120", "--catalogue", self.catalogue], pipe),
            (["template", pipe, "--index", "0", "--dxf", os.path.join(self.work, "t.dxf"),
              "--catalogue", self.catalogue], pipe),
            (["line", example, "--template", "0", "--ground", pipe], pipe),
        ]
        for args, named in cases:
            what = " ".join(args[:3])
            err, _ = self.one_line_refusal(args, what)
            check(f'"{named}"' in err and "not a regular file" in err, f"{what}: stderr {err!r}")
        err, _ = self.one_line_refusal(["calc", self.work, "--catalogue", self.catalogue],
                                       "a folder")
        check("Is a directory" in err, f"a folder: stderr {err!r}")
        result = subprocess.run([self.exe, "calc", "--jsonl", pipe, self.project, "--catalogue",
                                 self.catalogue], capture_output=True, timeout=20)
        lines = [json.loads(line) for line in result.stdout.decode().splitlines()]
        check(result.returncode == 2 and [line.get("ok") for line in lines] == [False, True],
              f"batch: exit {result.returncode}, lines {lines}")
        check(not os.path.exists(os.path.join(self.work, "t.dxf")), "a drawing was written")

    def oversized_inputs(self):
        """A project or catalogue above 64 MB is refused before it is read (it takes no memory
        of its size); a large project below the limit is read without holding many times its
        size, and its later sections are kept."""
        big = os.path.join(self.work, "big.vlp")
        with open(big, "wb") as f:
            f.truncate(65 * 1024 * 1024)  # sparse: no disk taken
        for args, what in ((["calc", big, "--catalogue", self.catalogue], "project"),
                           (["calc", self.project, "--catalogue", big], "catalogue")):
            err, _ = self.one_line_refusal(args, what)
            check("larger than 64 MB" in err and f'"{big}"' in err, f"{what}: stderr {err!r}")
        # 24 MB of a later version's lines: before, every line cost a string and the reading
        # copied them all once per line, so the run never ended.
        large = os.path.join(self.work, "large.vlp")
        shutil.copy(self.project, large)
        later = b"".join(b"later section line %07d with some text after it\r\n" % i
                         for i in range(480000))
        with open(large, "ab") as f:
            f.write(b"a later section\r\n" + later)
        size = os.path.getsize(large)
        pid = os.fork()
        if pid == 0:
            os.dup2(os.open(os.devnull, os.O_WRONLY), 1)
            os.execv(self.exe, [self.exe, "calc", large, "--catalogue", self.catalogue])
        _, status, usage = os.wait4(pid, 0)
        check(os.waitstatus_to_exitcode(status) == 0, f"large project: status {status}")
        peak = usage.ru_maxrss * 1024
        with open(self.exe, "rb") as f:
            sanitized = b"__asan_init" in f.read()  # its shadow memory is no reader's
        check(sanitized or peak < 6 * size, f"large project of {size} bytes: peak memory {peak} bytes")

    def messages_in_the_users_language(self):
        """With --lang ru (wherever it stands) the tool's own refusals are in Russian: options,
        files, templates, sections, a damaged line; without it they stay English."""
        pipe = os.path.join(self.work, "pipe.vlp")
        os.mkfifo(pipe)
        damaged = os.path.join(self.work, "damaged.vlp")
        write_project(damaged, T=["x"] + DEFAULT_PROJECT["T"][1:])
        missing = os.path.join(self.work, "missing.vlp")
        dxf = os.path.join(self.work, "t.dxf")
        cat = ["--catalogue", self.catalogue]
        cases = [
            (["calc", self.project, "--bogus", "--lang", "ru"], "неизвестный параметр «--bogus»"),
            (["calc", self.project, "--units", "7", "--lang=ru"],
             "недопустимое значение «7» параметра --units (нужно: 0 или 1)"),
            (["calc", "--lang", "ru"], "не указан файл проекта"),
            (["calc", missing, "--lang", "ru"] + cat,
             f"Не удалось открыть файл «{missing}». Нет такого файла или папки"),
            (["calc", pipe, "--lang", "ru"] + cat, "Это не обычный файл, а канал или устройство"),
            (["calc", damaged, "--lang", "ru"] + cat,
             "Файл проекта, строка 3, температура при гололёде с ветром: «x» не является числом"),
            (["calc", self.project, "--report", self.project, "--lang", "ru"] + cat,
             "это входной файл"),
            (["calc", self.project, "--lang", "ru", "--catalogue", missing],
             f"файла справочника «{missing}» нет"),
            (["template", self.project, "--index", "2", "--dxf", dxf, "--lang", "ru"] + cat,
             f"в «{self.project}» нет шаблона 2: шаблонов в нём 0"),
            (["template", self.project, "--index", "0", "--lang", "ru"], "не указан --dxf"),
            (["stringing", self.project, "--lang", "ru"] + cat, "нет анкерных участков"),
            (["stringing", self.project, "--section", "1", "--lang", "ru"] + cat,
             "нет анкерного участка 1"),
            (["stringing", self.project, "--spans", "1,x", "--lang", "ru"] + cat,
             "длины пролётов в м через запятую"),
            (["line", self.project, "--lang", "ru"] + cat, "не указан --template N"),
            (["zzz", "--lang", "ru"], "неизвестная команда «zzz»"),
        ]
        for args, expected in cases:
            what = " ".join(os.path.basename(a) for a in args)
            result = subprocess.run([self.exe] + args, capture_output=True, timeout=20)
            err = result.stderr.decode("utf-8")
            first = err.split("\n")[0]
            check(result.returncode == 2 and first.startswith("velmora-calc: ")
                  and expected in first, f"{what}: exit {result.returncode}, stderr {err!r}")
        for args in (["calc", damaged] + cat, ["calc", missing] + cat,
                     ["calc", self.project, "--bogus"]):
            err = subprocess.run([self.exe] + args, capture_output=True,
                                 timeout=20).stderr.decode("utf-8")
            check(err and not any("а" <= c <= "я" for c in err.lower()),
                  f"{' '.join(args[:2])}: not English: {err!r}")

    def damaged_text_is_escaped_and_cut(self):
        """Control bytes of a damaged file show escaped, and a 100 000-character name is not
        echoed whole: the message stays one short line."""
        control = os.path.join(self.work, "control.vlp")
        write_project(control, T=["1\x1b[2J\x07"] + DEFAULT_PROJECT["T"][1:])
        err, _ = self.one_line_refusal(["calc", control, "--catalogue", self.catalogue],
                                       "control bytes")
        check("\\x1B[2J\\x07" in err and "\x1b" not in err and "\x07" not in err,
              f"control bytes: stderr {err!r}")
        wire = os.path.join(self.work, "wire.vlp")
        write_project(wire, Provod="W" * 100000)
        err, _ = self.one_line_refusal(["calc", wire, "--catalogue", self.catalogue], "a long name")
        check(len(err) < 1100 and "…" in err, f"a long name: {len(err)} characters")


if __name__ == "__main__":
    sys.exit(run_cases(Cases))
