#!/usr/bin/env python3
"""Process tests of "velmora-calc calc": check_calc.py EXE WORKDIR CASE [APP_DIR SOURCE_DIR].

Each case writes its project (and a small catalogue) into WORKDIR, runs the program and
compares the exit status, stdout (JSON) and stderr with what the case expects.
"""
import json
import os
import struct
import subprocess
import sys

TOP_KEYS = ["ok", "wire", "Ki", "Kd", "b", "warnings", "Kw", "Cx", "loads", "modes", "l1", "l2",
            "l3", "spans", "state", "results", "over_limit"]
LOAD_KEYS = ["P1", "P2", "P3", "P4", "P4a", "P4b", "P5", "P6", "P6a", "P6b", "P7",
             "g1", "g2", "g3", "g4", "g4a", "g4b", "g5", "g6", "g6a", "g6b", "g7", "gmax"]

# The worked example's wire, a second wire and one without a cross-section.
WIRES = [
    ("АПС35/6.2", 8.4, 43, 0.148, 8250, 1.9e-5, 7),
    ("АС 70/11", 11.4, 79.3, 0.276, 8250, 1.92e-5, 1),
    ("NOSECH", 8.4, 0, 0.148, 8250, 1.9e-5, 1),
]

DEFAULT_PROJECT = {
    "version": True, "Provod": "АПС35/6.2",
    "T": ["-5", "-5", "-5", "-50", "40", "0", "18", "36", "20"],
    "srg": "4;0", "max": "9;0", "spans": ["10", "100", "10"],
    "flags": "1" * 17, "koef": ["1"] * 7 + ["15", "1"],
}

failures = []


def check(condition, text):
    if not condition:
        failures.append(text)


def near(actual, expected, tolerance, what):
    check(isinstance(actual, (int, float)) and abs(actual - expected) <= tolerance,
          f"{what}: {actual} != {expected} +/- {tolerance}")


def write_catalogue(path):
    with open(path, "wb") as f:
        for name, diam, sech, pnag, modl, koef, group in WIRES:
            raw = name.encode("cp1251")
            f.write(struct.pack("<iB16s5d", group, len(raw), raw, diam, sech, pnag, modl, koef))


def write_project(path, **changes):
    p = dict(DEFAULT_PROJECT, **changes)
    lines = (["version 3.4"] if p["version"] else []) + [p["Provod"]] + p["T"] + \
        [p["srg"], p["max"]] + p["spans"] + [p["flags"]] + p["koef"] + ["0"]
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1251"))


def run(exe, args, env=None, stdout=subprocess.PIPE):
    """(status, stdout, stderr) of the program; stdout is "" when it goes elsewhere."""
    result = subprocess.run([exe] + args, stdout=stdout, stderr=subprocess.PIPE, env=env,
                            timeout=60)
    out = result.stdout.decode("utf-8") if result.stdout is not None else ""
    return result.returncode, out, result.stderr.decode("utf-8")


def run_cases(make_cases):
    """Runs the case named on the command line, EXE WORKDIR CASE [MORE...], in its own folder
    WORKDIR/CASE: make_cases(EXE, that folder, *MORE) has a method of that name. Returns the
    exit status."""
    exe, work, case = sys.argv[1:4]
    work = os.path.join(work, case)
    os.makedirs(work, exist_ok=True)
    getattr(make_cases(exe, work, *sys.argv[4:]), case)()
    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


def expect_json(status, out, err, expected_status=0):
    check(status == expected_status, f"exit status {status}, expected {expected_status}; stderr: {err}")
    try:
        return json.loads(out)
    except ValueError as e:
        failures.append(f"stdout is not JSON ({e}): {out[:300]}")
        return {}


def expect_input_error(status, out, err, message):
    check(status == 2, f"exit status {status}, expected 2")
    check(out == "", f"stdout not empty: {out[:200]}")
    check(err == f"velmora-calc: {message}\n", f"stderr {err!r}, expected the message {message!r}")


class Cases:
    def __init__(self, exe, work, app_dir="", source_dir=""):
        self.exe, self.work, self.app_dir, self.source_dir = exe, work, app_dir, source_dir
        self.catalogue = os.path.join(work, "wires.dat")
        write_catalogue(self.catalogue)

    def calc(self, extra=(), **project):
        path = os.path.join(self.work, "project.vlp")
        write_project(path, **project)
        return run(self.exe, ["calc", path, "--catalogue", self.catalogue] + list(extra))

    def worked_example(self):
        r = expect_json(*self.calc())
        check(list(r) == TOP_KEYS, f"keys {list(r)}")
        check(r.get("ok") is True, "ok is not true")
        check(r.get("wire") == {"Name": "АПС35/6.2", "Group": 7, "Diam": 8.4, "Sech": 43,
                                "PNag": 0.148, "Modl": 8250, "Koef": 1.9e-05}, f"wire {r.get('wire')}")
        check([r.get(k) for k in ("Ki", "Kd", "b", "Kw", "Cx")] == [1, 1, 20, 1, 1.2], "coefficients")
        loads = r.get("loads", {})
        check(list(loads) == LOAD_KEYS, f"load keys {list(loads)}")
        near(loads.get("P2"), 1.60598, 5e-6, "P2")
        near(loads.get("P4"), 0.571536, 5e-7, "P4")
        near(loads.get("P4a"), 0.063, 1e-12, "P4a")
        near(loads.get("P5"), 1.17612, 5e-6, "P5")
        near(loads.get("P7"), 2.11180, 5e-6, "P7")
        near(loads.get("gmax"), 0.0491117, 5e-8, "gmax")
        modes = r.get("modes", [])
        check([m.get("mode") for m in modes] == list(range(1, 18)), "modes not 1..17")
        if len(modes) == 17:
            check(list(modes[0]) == ["mode", "temperature", "load", "ice", "wind"], "mode keys")
            check(modes[0] == {"mode": 1, "temperature": -5, "load": loads.get("g7"), "ice": 20,
                               "wind": 18}, f"mode 1 {modes[0]}")
            check(modes[2]["wind"] == 36, "shown wind of mode 3")
            near(modes[8]["wind"], 10.8, 1e-12, "shown wind of mode 9")
        near(r.get("l1"), 117.869, 5e-4, "l1")
        near(r.get("l2"), 26.3157, 5e-5, "l2")
        near(r.get("l3"), 20.5526, 5e-5, "l3")
        check(r.get("spans", [None])[1:] == [10, 20, 30, 40, 50, 60, 70, 80, 90, 100], "spans")
        check(r.get("spans", [None])[0] == r.get("l2"), "first span is l2")
        check(r.get("state") == [2, 2, 2] + [3] * 8, f"state {r.get('state')}")
        results = r.get("results", [])
        check([x.get("mode") for x in results] == list(range(1, 18)), "results of all 17 modes")
        if len(results) == 17:
            near(results[0]["stress"][0], 9.00002, 5e-6, "mode 1 stress at l2")
            near(results[0]["sag"][0], 0.4726, 5e-5, "mode 1 sag at l2")
            near(results[6]["stress"][0], 0.69506, 5e-6, "mode 7 stress at l2")
            near(results[0]["stress"][10], 9.0000, 5e-5, "mode 1 stress at 100 m")
            near(results[0]["sag"][10], 6.8634, 5e-5, "mode 1 sag at 100 m")
            near(results[6]["stress"][10], 0.63483, 5e-6, "mode 7 stress at 100 m")
            near(results[6]["sag"][10], 6.8186, 5e-5, "mode 7 sag at 100 m")
            check(all(len(x["stress"]) == 11 and len(x["sag"]) == 11 for x in results), "11 rows")

    def numbers_read_back(self):
        status, out, err = self.calc()
        r = expect_json(status, out, err)
        check('"Koef": 1.9e-05' in out, "Koef is not written in its shortest form")
        # the text of every number parses to the value the JSON reader got
        check(json.loads(out, parse_float=lambda t: float(t)) == r, "numbers do not read back")
        g1 = r.get("loads", {}).get("g1")
        check(g1 == 0.148 / 43, f"g1 {g1!r} is not 0.148 / 43 exactly")

    def regimes(self):
        r = expect_json(*self.calc(["--regime", "clearance"]))
        check([x["mode"] for x in r.get("results", [])] == [2, 7], "clearance regime")
        r = expect_json(*self.calc(flags="10001000000000001"))
        check([x["mode"] for x in r.get("results", [])] == [1, 5, 17], "regime of the file")
        r = expect_json(*self.calc(["--regime=all"], flags="0" * 17))
        check(len(r.get("results", [])) == 17, "all regime")
        r = expect_json(*self.calc(flags="0" * 17))
        check(r.get("results") == [] and len(r.get("spans", [])) == 11, "no modes taken")

    def one_span(self):
        for spans in (["50", "50", "10"], ["50", "59", "10"]):
            r = expect_json(*self.calc(spans=spans))
            check(list(r) == ["ok", "wire", "Ki", "Kd", "b", "warnings", "spans", "results",
                              "over_limit"], f"keys {list(r)}")
            check(r.get("spans") == [] and r.get("results") == [] and r.get("b") == 20, "one span")

    def imaginary_and_ungoverned(self):
        r = expect_json(*self.calc(T=["-5", "-5", "-5", "-5", "40", "0", "18", "36", "20"]))
        check(r.get("l1", 0) is None and "l1" in r, "l1 is not null")
        check(r.get("l2") == 0, "l2 is not 0")
        # One state governs every span, even where the critical spans' order proposes none.
        check(0 not in r.get("state", [0]) and r.get("state", [])[3:] == [3] * 8,
              f"state {r.get('state')}")
        results = r.get("results", [])
        check(bool(results) and all(s > 0 for x in results for s in x["stress"][1:]),
              "a span without stress")

    def failed_check(self):
        status, out, err = self.calc(srg="9;0")
        english = ("Tension at average annual temperature equals maximum permissible tension,\r\n"
                   "calculation is impossible!")
        r = expect_json(status, out, err, 3)
        check(r == {"ok": False, "message": english}, f"failure object {r}")
        check(err == english + "\n", f"stderr {err!r}")
        status, out, err = self.calc(["--lang", "ru"], T=["-5", "-5", "-5", "-4", "40", "0", "18", "36", "20"])
        r = expect_json(status, out, err, 3)
        check(r.get("message") == "Минимальная температура выше чем при гололёде, расчёт невозможен!",
              f"Russian warning {r}")

    def tensile_forces(self):
        # page 1: 387 daN and 172 daN over 43 mm² are the example's 9 and 4 daN/mm²
        r = expect_json(*self.calc(srg="0;172", max="0;387"))
        near(r.get("l2"), 26.3157, 5e-5, "l2 from tensile forces")

    def low_coefficients(self):
        low = ["0.9"] + ["1"] * 6 + ["15", "1"]
        status, out, err = self.calc(koef=low)
        expect_json(status, out, err)
        check(err == "velmora-calc: note: The loads are lower than standard ones, contunue?\n",
              f"note {err!r}")
        status, out, err = self.calc(["--lang", "ru"], koef=low)
        expect_json(status, out, err)
        check(err == "velmora-calc: note: Расчётные нагрузки ниже нормативных, продолжать расчёт?\n",
              f"Russian note {err!r}")

    def input_errors(self):
        ex = ["10", "100", "10"]
        expect_input_error(*self.calc(spans=["10", "100", "0"]),
                           "The change step of the spans must be greater than 0.")
        expect_input_error(*self.calc(spans=["100", "40", "10"]),
                           "The minimum span must not be greater than the maximum span.")
        expect_input_error(*self.calc(spans=["10", "6020", "10"]),
                           "One calculation should not be performed for more than 600 researched spans.")
        expect_input_error(*self.calc(Provod="АПС35/6.2 "),
                           'The wire "АПС35/6.2 " is not in the reference catalog. Did you mean '
                           '"АПС35/6.2"?')
        # The same refusals in Russian, the texts the Russian window shows.
        ru = ["--lang", "ru"]
        expect_input_error(*self.calc(ru, spans=["10", "100", "0"]),
                           "Шаг изменения пролётов должен быть больше 0.")
        expect_input_error(*self.calc(ru, spans=["100", "40", "10"]),
                           "Минимальный пролёт не должен быть больше максимального.")
        expect_input_error(*self.calc(ru, spans=["10", "6020", "10"]),
                           "Один расчёт - не более 600 исследуемых пролётов.")
        expect_input_error(*self.calc(ru, Provod="АПС35/6.2 "),
                           'Провода «АПС35/6.2 » нет в справочнике. Возможно, имелся в виду '
                           '«АПС35/6.2»?')
        nosech = 'The wire "NOSECH": cross-section 0 — must be greater than 0'
        expect_input_error(*self.calc(Provod="NOSECH", srg="0;172", max="0;387", spans=ex), nosech)
        expect_input_error(*self.calc(Provod="NOSECH"), nosech)
        expect_input_error(*self.calc(["--regime", "some"]),
                           "invalid value 'some' for --regime (expected file, all or clearance)")
        expect_input_error(*self.calc(["--lang", "de"]), "invalid value 'de' for --lang (expected en or ru)")
        expect_input_error(*self.calc(["--units", "2"]), "invalid value '2' for --units (expected 0 or 1)")
        expect_input_error(*self.calc(["--colour", "red"]), "unknown option '--colour'")
        expect_input_error(*self.calc(["--report"]), "option '--report' needs a value")
        expect_input_error(*run(self.exe, ["calc"]), "missing project file")
        missing = os.path.join(self.work, "missing.vlp")
        status, out, err = run(self.exe, ["calc", missing, "--catalogue", self.catalogue])
        check(status == 2 and out == "" and err.startswith("velmora-calc: ") and err.count("\n") == 1,
              f"unreadable project: {status} {err!r}")
        path = os.path.join(self.work, "project.vlp")
        write_project(path)
        expect_input_error(*run(self.exe, ["calc", path, "--catalogue", missing + ".dat"]),
                           f'the catalogue file "{missing}.dat" does not exist')
        with open(path, "wb") as f:
            f.write(b"version 3.4\r\nX\r\nnot a number\r\n")
        expect_input_error(*run(self.exe, ["calc", path, "--catalogue", self.catalogue]),
                           "Project file line 3, the temperature with ice and wind: "
                           "'not a number' is not a valid floating point value")

    def input_checks(self):
        # Impossible input is refused naming the field; implausible input is calculated with
        # its warnings in the JSON.
        T = DEFAULT_PROJECT["T"]
        expect_input_error(*self.calc(T=T[:8] + ["-15"]),
                           "Ice wall thickness (Tols): -15 mm must not be negative")
        expect_input_error(*self.calc(["--lang", "ru"], T=T[:8] + ["-15"]),
                           "Толщина стенки гололёда (Tols): -15 мм — значение не может быть "
                           "отрицательным")
        expect_input_error(*self.calc(spans=["-300", "-50", "10"]),
                           "Smallest span (Min_Prol): a span must not be negative")
        expect_input_error(*self.calc(T=T[:3] + ["50", "40"] + T[5:]),
                           "Minimum air temperature (T_Min): 50 °C is above the maximum air temperature, 40 °C")
        status, out, err = self.calc(T=T[:5] + ["45"] + T[6:7] + ["70"] + T[8:])
        r = expect_json(status, out, err)
        warnings = r.get("warnings", [])
        check(any("(T_Srg)" in w for w in warnings), f"average temperature warning {warnings}")
        check(any("(VMax)" in w and "60 m/s" in w for w in warnings), f"wind warning {warnings}")
        check(err.count("velmora-calc: warning: ") == len(warnings) == 2, f"stderr {err!r}")
        # A damaged coefficient: the defaults are used and the line is named.
        damaged = ["1,3x"] + ["1"] * 6 + ["15", "1"]
        r = expect_json(*self.calc(koef=damaged))
        check(any("Line 18" in w for w in r.get("warnings", [])), f"koef warning {r.get('warnings')}")
        r = expect_json(*self.calc())
        check(r.get("warnings") == [], f"warnings of the worked example {r.get('warnings')}")

    def over_limit(self):
        r = expect_json(*self.calc())
        over = r.get("over_limit")
        check(isinstance(over, list), "over_limit missing")
        results = {x["mode"]: x["stress"] for x in r.get("results", [])}
        spans = r.get("spans", [])
        expected = [{"mode": m, "span": spans[i], "stress": results[m][i],
                     "limit": 4 if m == 8 else 9}
                    for m in range(1, 10) for i in range(1, len(spans))
                    if results[m][i] > (4 if m == 8 else 9) + 1e-4]
        check(over == expected, f"over_limit {over} != {expected}")
        # Light ice with a low stress at the average temperature: nothing exceeds it at mode 8.
        r = expect_json(*self.calc(Provod="АС 70/11", srg="3;0", max="12;0",
                                   T=DEFAULT_PROJECT["T"][:8] + ["5"], spans=["100", "400", "50"]))
        check(not any(o["mode"] == 8 for o in r.get("over_limit", [])),
              f"mode 8 above the average stress {r.get('over_limit')}")

    def example_project(self):
        example = os.path.join(self.source_dir, "share", "examples", "example.vlp")
        shipped = os.path.join(self.app_dir, "base_provod.dat")
        r = expect_json(*run(self.exe, ["calc", example, "--catalogue", shipped]))
        check(r.get("wire", {}).get("Name") == "АС 70/11", f"wire {r.get('wire')}")
        check(len(r.get("results", [])) == 17, "example results")
        # the default catalogue: copied from the program folder into the data folder
        env = dict(os.environ, XDG_DATA_HOME=os.path.join(self.work, "xdg"))
        r2 = expect_json(*run(self.exe, ["calc", example], env))
        check(r2 == r, "the default catalogue gives another result")
        check(os.path.exists(os.path.join(self.work, "xdg", "Orbelan", "Tarnvik", "base_provod.dat")),
              "the catalogue was not copied into the data folder")

    def version(self):
        # The one version number of the build (the project's VERSION in CMake).
        expected = os.environ["VELMORA_VERSION"]
        status, out, err = run(self.exe, ["--version"])
        check(status == 0 and out == f"velmora-calc {expected}\n" and err == "",
              f"--version: exit {status}, stdout {out!r}, stderr {err!r}")
        status, out, _ = run(self.exe, ["--help"])
        check(status == 0 and "velmora-calc --version" in out, f"--help: {out!r}")

    def help(self):
        # --help names every command and every option each command takes.
        status, out, err = run(self.exe, ["--help"])
        check(status == 0 and err == "", f"--help: exit {status}, stderr {err!r}")
        options = {
            "calc": ["--catalogue", "--regime", "--lang", "--units", "--report", "--jsonl",
                     "--report-dir", "--jobs"],
            "template": ["--index", "--dxf", "--catalogue", "--lang", "--units"],
            "stringing": ["--section", "--all", "--spans", "--from", "--to", "--step",
                          "--catalogue", "--lang", "--units", "--report"],
            "line": ["--template", "--ground", "--towers", "--types", "--crossings", "--forbid",
                     "--dxf", "--report", "--spot", "--grid", "--catalogue", "--lang", "--units"],
        }
        for command, names in options.items():
            check(f"velmora-calc {command} " in out, f"--help lacks {command}: {out!r}")
            # The command's own usage: on stdout with status 0, every option of it.
            status, own, err = run(self.exe, [command, "--help"])
            check(status == 0 and err == "" and own.startswith("usage: velmora-calc " + command),
                  f"{command} --help: exit {status}, stdout {own!r}, stderr {err!r}")
            for name in names:
                check(name in own, f"{command} --help lacks {name}: {own!r}")
                check(name in out, f"--help lacks {name}: {out!r}")


if __name__ == "__main__":
    sys.exit(run_cases(Cases))
