#!/usr/bin/env python3
"""Process tests of "velmora-calc stringing": check_stringing.py EXE WORKDIR CASE APP_DIR SOURCE_DIR.

The projects are the shipped example (АС 70/11, one anchor section) and variants of it written
into WORKDIR; the catalogue is the shipped one. The worked example is checked against an
independent solution of the change-of-state equation from the loads "calc" prints.
"""
import math
import os
import sys

from check_calc import check, expect_input_error, expect_json, near, run, run_cases

SECTION_KEYS = ["name", "spans", "reduced_span", "state", "temperatures", "stress", "tension",
                "sag_reduced", "sags"]
EXAMPLE_SPANS = [120, 150, 180, 160, 135]


def section_lines(name, spans, t_from=-40, t_to=40, step=10):
    return [name, str(t_from), str(t_to), str(step), str(len(spans))] + [str(s) for s in spans]


class Cases:
    def __init__(self, exe, work, app_dir, source_dir):
        self.exe, self.work = exe, work
        self.catalogue = os.path.join(app_dir, "base_provod.dat")
        self.example = os.path.join(source_dir, "share", "examples", "example.vlp")
        with open(self.example, "rb") as f:
            text = f.read().decode("cp1251")
        # the example up to its templates, one value a line
        self.base = text[:text.index("anchor sections\r\n")].split("\r\n")[:-1]

    def project(self, sections, changes=None):
        """The example with other sections; changes maps a 0-based line to its new text."""
        lines = list(self.base)
        for index, text in (changes or {}).items():
            lines[index] = text
        if sections:
            lines += ["anchor sections", str(len(sections))]
            for s in sections:
                lines += s
        path = os.path.join(self.work, "project.vlp")
        with open(path, "wb") as f:
            f.write(("\r\n".join(lines) + "\r\n").encode("cp1251"))
        return path

    def stringing(self, path, extra=()):
        return run(self.exe, ["stringing", path, "--catalogue", self.catalogue] + list(extra))

    def independent_tables(self, spans, temperatures):
        """σ, T and sags by Newton's method on σ²(σ − A) = B, from the loads of "calc"."""
        r = expect_json(*run(self.exe, ["calc", self.example, "--catalogue", self.catalogue,
                                        "--regime", "all"]))
        wire, loads = r["wire"], r["loads"]
        E, alpha, F, g1 = wire["Modl"], wire["Koef"], wire["Sech"], loads["g1"]
        lr = math.sqrt(sum(l ** 3 for l in spans) / sum(spans))
        # l_r is above l2 with l1 > l2 > l3: the maximum load at T_Gsw governs (σmax 13 daN/mm²
        # at −5 °C under γmax in the example project)
        check(r["l1"] > r["l2"] > r["l3"] and lr > r["l2"], "the example is not governed by state 3")
        s0, t0, gamma0 = 13, -5, loads["gmax"]

        def sigma(t):
            A = s0 - gamma0 ** 2 * lr ** 2 * E / (24 * s0 ** 2) - alpha * E * (t - t0)
            B = E * lr ** 2 * g1 ** 2 / 24
            x = max(A, 0) + 1
            for _ in range(100):
                x -= (x ** 3 - A * x ** 2 - B) / (3 * x ** 2 - 2 * A * x)
            return x

        def sag(s, l):
            return g1 * l * l / (8 * s) + g1 ** 3 * l ** 4 / (384 * s ** 3)

        stress = [sigma(t) for t in temperatures]
        return lr, stress, [s * F for s in stress], [[sag(s, l) for s in stress] for l in spans]

    def worked_example(self):
        status, out, err = self.stringing(self.example)
        r = expect_json(status, out, err)
        check(list(r) == ["ok", "sections"] and r.get("ok") is True, f"keys {list(r)}")
        sections = r.get("sections", [])
        check(len(sections) == 1, f"{len(sections)} sections")
        if not sections:
            return
        s = sections[0]
        check(list(s) == SECTION_KEYS, f"section keys {list(s)}")
        check(s["name"] == "Анкерный участок 1" and s["spans"] == EXAMPLE_SPANS, "name and spans")
        check(s["state"] == 3, f"state {s['state']}")
        check(s["temperatures"] == list(range(-40, 41, 10)), f"temperatures {s['temperatures']}")
        near(s["reduced_span"], 153.2265, 5e-5, "reduced span")
        # the table of the shipped example at −40, 0 and +40 °C, to the digits shown
        table = {0: (3.6018, 285.62, 2.8372, [1.7399, 2.7189, 3.9160, 3.0937, 2.2022]),
                 4: (2.7411, 217.37, 3.7293, [2.2866, 3.5738, 5.1479, 4.0666, 2.8943]),
                 8: (2.2755, 180.44, 4.4941, [2.7551, 4.3066, 6.2045, 4.9007, 3.4876])}
        for k, (stress, tension, sag_reduced, sags) in table.items():
            near(s["stress"][k], stress, 5e-5, f"stress {k}")
            near(s["tension"][k], tension, 5e-3, f"tension {k}")
            near(s["sag_reduced"][k], sag_reduced, 5e-5, f"sag at l_r {k}")
            for i, sag in enumerate(sags):
                near(s["sags"][i][k], sag, 5e-5, f"sag of span {i + 1} at {k}")
        check(len(s["sags"]) == 5 and all(len(row) == 9 for row in s["sags"]), "sags[i][k] shape")

        # the same from the loads alone, within the solver's bracket of 5E-5 daN/mm²
        lr, stress, tension, sags = self.independent_tables(EXAMPLE_SPANS, s["temperatures"])
        near(s["reduced_span"], lr, 1e-9, "reduced span, independent")
        for k in range(9):
            near(s["stress"][k], stress[k], 5e-5, f"stress {k}, independent")
            near(s["tension"][k], tension[k], 5e-5 * 79.3, f"tension {k}, independent")
            for i in range(5):
                near(s["sags"][i][k], sags[i][k], 1e-4, f"sag {i + 1} at {k}, independent")

    def spans_option(self):
        stored = expect_json(*self.stringing(self.example))["sections"][0]
        r = expect_json(*self.stringing(self.example, ["--spans", "120,150,180,160,135",
                                                       "--from", "-40", "--to=40", "--step", "40"]))
        s = r["sections"][0]
        check(s["name"] == "" and s["spans"] == EXAMPLE_SPANS, f"unstored section {s['name']!r}")
        check(s["temperatures"] == [-40, 0, 40], f"temperatures {s['temperatures']}")
        check(s["stress"] == [stored["stress"][k] for k in (0, 4, 8)], "not the stored section's stress")
        check(s["sags"][2] == [stored["sags"][2][k] for k in (0, 4, 8)], "not the stored section's sags")
        r = expect_json(*self.stringing(self.example, ["--spans", "150", "--step", "15"]))
        check(r["sections"][0]["temperatures"] == [-40, -25, -10, 5, 20, 35, 40], "step 15")

    def choose_sections(self):
        path = self.project([section_lines("Первый", [60, 70]), section_lines("Второй", [300]),
                             section_lines("Третий", [200, 210, 220], 0, 30, 15)])
        names = lambda r: [s["name"] for s in r.get("sections", [])]
        check(names(expect_json(*self.stringing(path))) == ["Первый", "Второй", "Третий"], "default")
        check(names(expect_json(*self.stringing(path, ["--all"]))) == ["Первый", "Второй", "Третий"], "--all")
        r = expect_json(*self.stringing(path, ["--section", "2"]))
        check(names(r) == ["Третий"] and r["sections"][0]["temperatures"] == [0, 15, 30], "--section 2")
        check(expect_json(*self.stringing(path, ["--section=1"]))["sections"][0]["state"] == 3, "state")
        r = expect_json(*self.stringing(path, ["--section", "0"]))
        check(r["sections"][0]["state"] == 2, "60 and 70 m are below l2: minimum temperature")
        expect_input_error(*self.stringing(path, ["--section", "3"]),
                           f'no anchor section 3 in "{path}": it has 3 anchor sections (0 to 2)')
        path = self.project([])
        expect_input_error(*self.stringing(path), f'no anchor sections in "{path}" (give --spans, '
                           'or add sections in the program)')
        expect_input_error(*self.stringing(path, ["--section", "0"]),
                           f'no anchor section 0 in "{path}": it has 0 anchor sections')
        check(expect_json(*self.stringing(path, ["--spans", "150"]))["sections"][0]["spans"] == [150],
              "--spans without stored sections")

    def refused(self):
        # T_Min equal to T_Gsw: l1 imaginary, l2 0, l3 68.67 m; the order of the critical
        # spans proposes no state below l3, yet every section has its table.
        path = self.project([section_lines("Длинный", [100, 120]), section_lines("Короткий", [50, 60])],
                            {5: "-5"})
        r = expect_json(*self.stringing(path, ["--all"]))
        sections = r.get("sections", [])
        check(len(sections) == 2 and all(s.get("state") in (1, 2, 3) for s in sections),
              f"states {[s.get('state') for s in sections]}")
        # the critical-span check of the calculation
        status, out, err = self.stringing(self.project([section_lines("А", [100])], {11: "13;0"}))
        check(expect_json(status, out, err, 3) == {
            "ok": False, "message": "Tension at average annual temperature equals maximum "
                                    "permissible tension,\r\ncalculation is impossible!"}, f"check {out}")

    def input_errors(self):
        ex = self.example
        expect_input_error(*self.stringing(ex, ["--report"]), "option '--report' needs a value")
        expect_input_error(*self.stringing(ex, ["--spans", "120", "--section", "0"]),
                           "--spans cannot be combined with --section or --all")
        expect_input_error(*self.stringing(ex, ["--all", "--spans", "120"]),
                           "--spans cannot be combined with --section or --all")
        expect_input_error(*self.stringing(ex, ["--section", "0", "--all"]),
                           "--section and --all cannot be combined")
        expect_input_error(*self.stringing(ex, ["--from", "-30"]), "--from, --to and --step go with --spans")
        expect_input_error(*self.stringing(ex, ["--all=yes"]), "option '--all' takes no value")
        for value in ("-1", "first", "1.5"):
            expect_input_error(*self.stringing(ex, ["--section", value]),
                               f"invalid value '{value}' for --section (expected a section number from 0)")
        for value in ("120,,150", "120;150", "", "120,abc"):
            expect_input_error(*self.stringing(ex, ["--spans", value]), f"invalid value '{value}' for "
                               "--spans (expected span lengths in m separated by commas)")
        expect_input_error(*self.stringing(ex, ["--spans", "120", "--step", "ten"]),
                           "invalid value 'ten' for --step (expected a temperature in °C)")
        expect_input_error(*self.stringing(ex, ["--spans", "120,150,-5"]),
                           "Span 3 of the anchor section is -5 m; a span must be above 0 and at most 2000 m")
        expect_input_error(*self.stringing(ex, ["--spans", "120", "--from", "40", "--to", "-40"]),
                           "The first stringing temperature of the anchor section (40 °C) must be below "
                           "the last (-40 °C)")
        expect_input_error(*self.stringing(ex, ["--spans", "120", "--step", "1"]),
                           "The stringing temperatures of the anchor section are more than 41 (from -40 °C "
                           "to 40 °C in steps of 1 °C)")
        expect_input_error(*self.stringing(ex, ["--spans", ",".join(["100"] * 201)]),
                           "There are 201 spans in the anchor section; at most 200 are allowed")
        expect_input_error(*self.stringing(ex, ["--spans", "2001", "--lang", "ru"]),
                           "Пролёт 1 анкерного участка равен 2001 м; пролёт должен быть больше 0 и не "
                           "более 2000 м")
        # a stored section is checked before anything is calculated
        path = self.project([section_lines("Хороший", [100]), section_lines("Плохой", [100, 0])])
        expect_input_error(*self.stringing(path), 'Span 2 of anchor section "Плохой" is 0 m; a span must '
                           'be above 0 and at most 2000 m')
        path = self.project([section_lines("А", [100])], {1: "НЕТ ТАКОГО"})
        expect_input_error(*self.stringing(path), 'The wire "НЕТ ТАКОГО" is not in the reference catalog. Enter it into the reference catalog first.')
        path = self.project([["А", "-40", "40", "10", "1", "сто"]])
        expect_input_error(*self.stringing(path),
                           "Project file line 45: 'сто' is not a valid floating point value")
        expect_input_error(*run(self.exe, ["stringing"]), "missing project file")


if __name__ == "__main__":
    sys.exit(run_cases(Cases))
