#!/usr/bin/env python3
"""Compares the results of one set of calls from several builds of the add-in.

  compare_results.py REFERENCE.csv OTHER.csv...

Each file is korva-host's --csv output (call,result). Every other build must
answer every call of the reference, in the same order, within a relative
deviation of 1e-12 (the Windows C run-time's pow and exp may differ from the
native ones in the last bits). A non-finite result must be matched exactly.
Prints, for each build, the largest deviation and the call that showed it.
"""
import csv
import math
import sys

TOLERANCE = 1e-12


def read(path):
    with open(path, newline="") as f:
        rows = list(csv.reader(f))
    if not rows or rows[0] != ["call", "result"]:
        sys.exit(f"{path}: not korva-host --csv output (first line {rows[:1]}); rerun korva-host with --csv")
    return [(call, float(result)) for call, result in rows[1:]]


def deviation(a, b):
    if math.isnan(a) or math.isnan(b) or math.isinf(a) or math.isinf(b):
        same = (math.isnan(a) and math.isnan(b)) or a == b
        return 0.0 if same else math.inf
    if a == b:
        return 0.0
    return abs(a - b) / max(abs(a), abs(b))


def main():
    reference_path, *others = sys.argv[1:]
    reference = read(reference_path)
    failed = False
    for path in others:
        rows = read(path)
        if [call for call, _ in rows] != [call for call, _ in reference]:
            print(f"FAIL {path}: answers other calls than {reference_path} ({len(rows)} against {len(reference)})")
            failed = True
            continue
        worst, worst_row, identical, bad = 0.0, None, 0, []
        for (call, a), (_, b) in zip(reference, rows):
            d = deviation(a, b)
            identical += a == b or (math.isnan(a) and math.isnan(b))
            if worst_row is None or d > worst:
                worst, worst_row = d, (call, a, b)
            if d > TOLERANCE:
                bad.append((call, a, b, d))
        for call, a, b, d in bad:
            print(f"FAIL {path}: {call}: {a:.17g} here {b:.17g}, relative deviation {d:.3g} > {TOLERANCE:g}")
        failed |= bool(bad)
        call, a, b = worst_row
        print(f"{'FAIL' if bad else 'ok  '} {path}: {len(rows)} calls, {identical} identical to the bit;"
              f" largest relative deviation {worst:.3g} at {call} ({a:.17g} against {b:.17g})")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
