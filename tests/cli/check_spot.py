#!/usr/bin/env python3
"""Process tests of "velmora-calc line --spot": check_spot.py EXE WORKDIR CASE APP_DIR SOURCE_DIR.

The shipped example's ground, tower types and road with its first and last tower: the spotted
line must keep both ends, pass every check of the line in the template state and carry the
spotting's figures; a forbidden stretch longer than any span leaves no feasible line.
"""
import os
import sys

from check_calc import check, expect_input_error, expect_json, run, run_cases
from check_line import Cases as LineCases


class Cases(LineCases):
    def spot(self, extra=()):
        return self.line(self.example, ["--spot"] + list(extra))

    def spotted_example(self):
        plain = expect_json(*self.line(self.example))
        dxf, report = os.path.join(self.work, "spot.dxf"), os.path.join(self.work, "spot.xls")
        status, out, err = self.spot(["--grid", "10", "--dxf", dxf, "--report", report])
        r = expect_json(status, out, err)
        check("left out" in err, f"the note on the towers between the ends: {err!r}")
        spot = r.get("spot", {})
        check(list(spot.keys()) == ["cost", "towers", "sites", "spans_examined", "seconds"],
              f"spot keys {list(spot.keys())}")
        towers = r["towers"]
        check(spot["towers"] == len(towers) and len(r["spans"]) == len(towers) - 1,
              "the spot's towers are the line's")
        ends = [(t["station"], t["type"]) for t in (plain["towers"][0], plain["towers"][-1])]
        check([(t["station"], t["type"]) for t in (towers[0], towers[-1])] == ends,
              "the ends stay where they were")
        # every inner tower on the 10 m grid from the first tower
        for t in towers[1:-1]:
            check(abs((t["station"] - towers[0]["station"]) / 10 % 1) < 1e-9,
                  f"tower at {t['station']} off the grid")
        # the template-state checks all hold: only the ruling span may add violations
        check(all(s["clearance"] >= r["template"]["clearance"] for s in r["spans"]),
              "every span clears the ground")
        check(all(c["ok"] for c in r["crossings"]), "the road is cleared")
        check(all(t["ok"] for t in towers), "every tower within its type's spans")
        check(spot["sites"] == int((towers[-1]["station"] - towers[0]["station"] - 1e-9) // 10),
              f"sites {spot['sites']}")
        check(spot["spans_examined"] > 0 and spot["seconds"] >= 0, "figures")
        check(spot["towers"] <= len(plain["towers"]), "no more towers than the hand-placed line")
        for path in (dxf, report):
            check(os.path.getsize(path) > 0, f"{path} written for the spotted line")
        # the default grid of 5 m includes every 10 m site: never dearer
        r5 = expect_json(*self.spot())
        check(r5["spot"]["cost"] <= spot["cost"], "the finer grid costs no more")

    def none_feasible(self):
        forbid = self.write("forbid.csv", "from;to\n100;1800\n")
        status, out, err = self.spot(["--forbid", forbid, "--lang", "ru"])
        r = expect_json(status, out, err, 3)
        check(r.get("ok") is False and r["spot"]["cost"] is None, f"{out[:300]}")
        # sites every 5 m: 95 is the last before the stretch, 1805 the first after it
        check(r["spot"]["blocked"] == {"from": 95, "to": 1805}, f"blocked {r['spot'].get('blocked')}")
        check(err.splitlines()[-1:] == ["Допустимой линии нет: ни один пролёт не проходит участок "
                                        "от 95 до 1805 м"], f"stderr {err!r}")

    def spot_errors(self):
        expect_input_error(*self.spot(["--grid", "0"]),
                           "invalid value '0' for --grid (expected a grid step in m above 0)")
        expect_input_error(*self.line(self.example, ["--grid", "5"]),
                           "--grid is the step of --spot: give --spot too")


if __name__ == "__main__":
    sys.exit(run_cases(Cases))
