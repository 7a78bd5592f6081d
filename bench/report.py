#!/usr/bin/env python3
"""Pairs each benchmark of kubrel-bench with its baseline and prints the ratios.

    report.py RESULTS.json

RESULTS.json is what kubrel-bench writes with --benchmark_out=RESULTS.json
--benchmark_out_format=json (or prints with --benchmark_format=json). Times are
the median wall-clock time of the repetitions. The goals are checked and
printed; the exit status is 0 either way, as timings are not a test.
"""

import json
import statistics
import sys

NANOSECONDS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
DRAG_MOVES = 1000


def load(path):
    """Median real time in nanoseconds of every benchmark, by name."""
    with open(path) as results:
        document = json.load(results)
    times, medians = {}, {}
    for run in document["benchmarks"]:
        if run.get("error_occurred"):
            continue
        name = run.get("run_name", run["name"])
        value = run["real_time"] * NANOSECONDS[run.get("time_unit", "ns")]
        if run.get("run_type") == "aggregate":
            if run.get("aggregate_name") == "median":
                medians[name] = value
        else:
            times.setdefault(name, []).append(value)
    found = {name: statistics.median(values) for name, values in times.items()}
    found.update(medians)
    return found, document.get("context", {})


def show(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("us", 1e3)):
        if ns >= scale:
            return "%.3g %s" % (ns / scale, unit)
    return "%.3g ns" % ns


class Report:
    def __init__(self, times):
        self.times = times
        self.missed = []
        self.rows = []

    def time(self, names):
        """The sum of the named benchmarks, or None when one of them is missing."""
        total = 0.0
        for name in names.split("+"):
            if name not in self.times:
                return None
            total += self.times[name]
        return total

    def row(self, name, value, baseline, base_value, ratio, goal="", met=None):
        verdict = "" if met is None else ("met" if met else "MISSED")
        if met is False:
            self.missed.append("%s: %s" % (name, goal))
        self.rows.append((name, show(value), baseline, base_value, ratio, goal, verdict))

    def against(self, name, baseline, goal_ratio=None, note=""):
        """name / baseline; the goal, if any, is name <= goal_ratio * baseline."""
        value, base = self.time(name), self.time(baseline)
        if value is None or base is None:
            return
        ratio = value / base
        if goal_ratio is None:
            self.row(name, value, baseline, show(base), "%.2fx" % ratio, note)
        else:
            self.row(name, value, baseline, show(base), "%.2fx" % ratio,
                     "at most %gx" % goal_ratio, ratio <= goal_ratio)

    def cheaper(self, name, baseline, goal_ratio=None, note=""):
        """baseline / name; the goal, if any, is name at least goal_ratio times cheaper."""
        value, base = self.time(name), self.time(baseline)
        if value is None or base is None:
            return
        ratio = base / value
        if goal_ratio is None:
            self.row(name, value, baseline, show(base), "%.2fx cheaper" % ratio, note)
        else:
            self.row(name, value, baseline, show(base), "%.2fx cheaper" % ratio,
                     "at least %gx cheaper" % goal_ratio, ratio >= goal_ratio)

    def under(self, name, value, limit_ns, baseline="", base_value=None):
        if value is None:
            return
        base = self.time(baseline) if baseline else None
        self.row(name, value, baseline, show(base) if base else "",
                 "%.2fx" % (value / base) if base else "", "under %s" % show(limit_ns),
                 value < limit_ns)

    def share(self, name, part):
        value, base = self.time(name), self.time(part)
        if value is None or base is None:
            return
        self.row(name, value, part, show(base), "%.2f%%" % (100 * base / value),
                 "of it in memory, the rest is the file system")

    def print(self):
        header = ("benchmark", "time", "baseline", "time", "ratio", "goal", "")
        rows = [header] + self.rows
        widths = [max(len(row[i]) for row in rows) for i in range(len(header))]
        for row in rows:
            print("  " + "  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().split("\n\n")[1])
    times, context = load(sys.argv[1])
    report = Report(times)

    report.against("FullRedraw", "FillFloor", goal_ratio=3)
    for mode, parts in (("PaintTiles", "FillBoxTile"), ("PlaceStart", "FillBoxTile+DrawStart"),
                        ("PlaceEnd", "FillBoxTile+DrawEnd")):
        report.under("PointerMove/" + mode, report.time("PointerMove/" + mode), 1000, parts)
    drag = report.time("Drag1000")
    report.under("Drag1000, one move", drag / DRAG_MOVES if drag else None, 1000,
                 "PointerMove/PaintTiles")
    report.cheaper("RepaintTile", "RepaintCanvas", goal_ratio=10)
    report.cheaper("RepaintTile", "RepaintCanvasNoRedraw",
                   note="the whole canvas shown without the redraw")
    report.against("RepaintTile", "RepaintFloor", note="Qt's own least repaint of a tile")
    report.share("ReadMapFile", "DecodeRecord")
    report.share("WriteMapFile", "EncodeRecord")

    cpus = context.get("num_cpus")
    print("Benchmarks against their baselines, median wall-clock time%s:"
          % (" on %s CPUs" % cpus if cpus else ""))
    report.print()
    if report.missed:
        print("Goals missed: " + "; ".join(report.missed))
    else:
        print("All goals met.")


if __name__ == "__main__":
    main()
