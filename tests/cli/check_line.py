#!/usr/bin/env python3
"""Process tests of "velmora-calc line": check_line.py EXE WORKDIR CASE APP_DIR SOURCE_DIR.

The project is the shipped example (АС 70/11, template 0 at maximum temperature, a 2 km line)
and variants of it written into WORKDIR; the catalogue is the shipped one. The clearances and
the wind and weight spans are checked against the parabola worked out here from the σ and γ
the JSON prints.
"""
import math
import os
import sys

from check_calc import check, expect_input_error, expect_json, near, run, run_cases

TOP_KEYS = ["ok", "template", "cold", "ruling_span", "spans", "towers", "crossings", "violations"]
SPAN_KEYS = ["from", "to", "length", "dh", "clearance", "at", "clearance_ruling", "at_ruling", "ok"]
TOWER_KEYS = ["station", "type", "ground", "attachment", "wind_span", "weight_span",
              "weight_span_cold", "ok"]


def ground_at(ground, x):
    for (x0, z0), (x1, z1) in zip(ground, ground[1:]):
        if x0 <= x <= x1:
            return z0 + (z1 - z0) * (x - x0) / (x1 - x0)
    raise ValueError(x)


class Cases:
    def __init__(self, exe, work, app_dir, source_dir):
        self.exe, self.work = exe, work
        self.catalogue = os.path.join(app_dir, "base_provod.dat")
        self.example = os.path.join(source_dir, "share", "examples", "example.vlp")
        with open(self.example, "rb") as f:
            self.lines = f.read().decode("cp1251").split("\r\n")[:-1]
        start = self.lines.index("line profile")
        n = int(self.lines[start + 1])
        self.ground = [tuple(float(v) for v in l.split(";"))
                       for l in self.lines[start + 2:start + 2 + n]]

    def line(self, path, extra=()):
        return run(self.exe, ["line", path, "--template", "0", "--catalogue", self.catalogue]
                   + list(extra))

    def write(self, name, text, encoding="utf-8"):
        path = os.path.join(self.work, name)
        with open(path, "wb") as f:
            f.write(text.encode(encoding))
        return path

    def example_project(self):
        r = expect_json(*self.line(self.example))
        check(list(r.keys()) == TOP_KEYS, f"keys {list(r.keys())}")
        check(r["ok"] is True and r["violations"] == [], f"the example fails: {r.get('violations')}")
        t = r["template"]
        check(t["mode"] == 7 and t["span"] == 250 and t["clearance"] == 7, f"template {t}")
        check(r["cold"]["sigma"] > t["sigma"], "the cold stress is above the hot one")
        spans, towers = r["spans"], r["towers"]
        check(len(towers) == 11 and len(spans) == 10, "11 towers, 10 spans")
        check(list(spans[0].keys()) == SPAN_KEYS, f"span keys {list(spans[0].keys())}")
        check(list(towers[0].keys()) == TOWER_KEYS, f"tower keys {list(towers[0].keys())}")
        lengths = [s["length"] for s in spans]
        near(r["ruling_span"]["length"], math.sqrt(sum(l ** 3 for l in lengths) / sum(lengths)),
             1e-9, "ruling span")
        k = t["gamma"] / (2 * t["sigma"])
        kc = r["cold"]["gamma"] / (2 * r["cold"]["sigma"])
        low_points, cold_low_points = [], []
        for s in spans:
            a, b = towers[s["from"]], towers[s["to"]]
            xa, xb, ya, yb = a["station"], b["station"], a["attachment"], b["attachment"]
            near(s["dh"], yb - ya, 1e-9, "dh")
            wire = lambda x: ya + (yb - ya) * (x - xa) / (xb - xa) - k * (x - xa) * (xb - x)
            # sampled every 0.05 m the clearance can only be at or above the exact minimum
            samples = [xa + (xb - xa) * i / 4000 for i in range(4001)]
            sampled = min(wire(x) - ground_at(self.ground, x) for x in samples)
            check(s["clearance"] <= sampled + 1e-9 and sampled - s["clearance"] < 1e-3,
                  f"span {s['from']}: clearance {s['clearance']} against sampled {sampled}")
            near(wire(s["at"]) - ground_at(self.ground, s["at"]), s["clearance"], 1e-6, "at")
            low_points.append((xa + xb) / 2 - (yb - ya) / (2 * k * (xb - xa)))
            cold_low_points.append((xa + xb) / 2 - (yb - ya) / (2 * kc * (xb - xa)))
        for i in range(1, len(towers) - 1):
            near(towers[i]["wind_span"], (lengths[i - 1] + lengths[i]) / 2, 1e-9, "wind span")
            near(towers[i]["weight_span"], low_points[i] - low_points[i - 1], 1e-6, "weight span")
            near(towers[i]["weight_span_cold"], cold_low_points[i] - cold_low_points[i - 1], 1e-6,
                 "cold weight span")
        check(towers[0]["wind_span"] is None and towers[-1]["weight_span"] is None,
              "the end towers have no wind or weight span")
        road = r["crossings"]
        check(len(road) == 1 and road[0]["name"] == "Автодорога" and road[0]["ok"], f"{road}")

    def failed_checks(self):
        # Two towers 1.5 km apart on the example's ground: the wire lies on the ground.
        towers = self.write("towers.csv", "station;type\n0;У110-1\n1500;У110-1\n")
        r = expect_json(*self.line(self.example, ["--towers", towers, "--lang", "ru"]), 3)
        check(r.get("ok") is False and len(r.get("spans", [])) == 1, "one failing span")
        check(any(v.startswith("Пролёт 1–2: габарит") for v in r.get("violations", [])),
              f"violations {r.get('violations')}")
        # A lower crossing clearance passes, a higher one fails with its own line.
        crossings = self.write("crossings.txt", "1050\t147,4\t30\tДорога\n")
        r = expect_json(*self.line(self.example, ["--crossings", crossings]), 3)
        check(r["violations"] == [r["violations"][0]] and "Crossing \"Дорога\" at 1050 m"
              in r["violations"][0], f"{r['violations']}")

        # A tower standing in a forbidden stretch (the second, at 230 m).
        forbid = self.write("forbid.txt", "Stretch\n200 240\n")
        r = expect_json(*self.line(self.example, ["--forbid", forbid]), 3)
        check(r["violations"] == ["Tower 2 stands in the forbidden stretch 200 … 240 m"]
              and r["towers"][1]["ok"] is False, f"{r['violations']}")

    def input_files(self):
        ground = self.write("ground.xml", "<?xml version=\"1.0\"?>\n<LandXML><Profile>"
                            "<ProfSurf><PntList2D>0 100 1000 100 2000 100</PntList2D></ProfSurf>"
                            "</Profile></LandXML>\n")
        types = self.write("types.csv", "T;25;1;400;600;-100\n", "cp1251")
        towers = self.write("towers.csv", "0,T\n250,T\n500,T\n")
        r = expect_json(*self.line(self.example, ["--ground", ground, "--types", types,
                                                  "--towers", towers]))
        check([t["ground"] for t in r["towers"]] == [100, 100, 100], "the LandXML ground")
        check(r["crossings"] == [], "the road is not under the line")

    def input_errors(self):
        towers = self.write("towers.csv", "0;У110-1\n900;Нет\n")
        expect_input_error(*self.line(self.example, ["--towers", towers]),
                           f"{towers}, line 2, type: \"Нет\" is not a known tower type")
        towers = self.write("towers.csv", "0;У110-1\n2500;У110-1\n")
        expect_input_error(*self.line(self.example, ["--towers", towers]),
                           f"{towers}, line 2, station: lies outside the ground profile")
        ground = self.write("ground.csv", "0;1\n100;x\n")
        expect_input_error(*self.line(self.example, ["--ground", ground]),
                           f"{ground}, line 2, elevation: \"x\" is not a number")
        # the project's towers stand outside a shorter ground given on the command line
        ground = self.write("ground.csv", "0;1\n1000;2\n")
        expect_input_error(*self.line(self.example, ["--ground", ground]),
                           f"{self.example}: Tower 6, station: lies outside the ground profile")
        # a template without a type
        lines = list(self.lines)
        lines[lines.index("Линия 110 кВ") + 1] = "-1"
        path = self.write("notype.vlp", "\r\n".join(lines) + "\r\n", "cp1251")
        expect_input_error(*self.line(path), 'Template 0 "Линия 110 кВ" has no type (maximum '
                           'temperature or ice): the line cannot be checked with it')
        expect_input_error(*run(self.exe, ["line", self.example]),
                           "missing --template N (the sag template the line is checked with)")
        expect_input_error(*run(self.exe, ["line", self.example, "--template", "1",
                                           "--catalogue", self.catalogue]),
                           f'no template 1 in "{self.example}": it has 1 template (0 to 0)')


if __name__ == "__main__":
    sys.exit(run_cases(Cases))
