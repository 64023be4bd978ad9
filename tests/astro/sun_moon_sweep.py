#!/usr/bin/env python3
"""The twilights and the culminations of the command-line report against a precise ephemeris.

    sun_moon_sweep.py CLI REFERENCE.csv

REFERENCE.csv comes from tools/reference_ephemeris/make_sun_moon_reference.py. For each case the
report's event is compared with the reference event of the same date on the same clock, the
difference taken round the clock (an event of the neighbouring date shows as the day-to-day
change). Fails when a twilight or the Sun's culmination misses by more than half a minute at the
95th percentile, when one of the fixed cases (the last rows) misses by more than that, or when the
Moon's culmination gets worse than it was (1.19 minutes at the 95th percentile when the twilights
were mended; the Moon's model and its hourly search reach no closer).
"""
import concurrent.futures
import csv
import json
import os
import subprocess
import sys

SUN_LIMIT_MINUTES = 0.5        # the low-precision solar model's reach at the 95th percentile
MOON_LIMIT_MINUTES = 1.2       # the Moon's culmination at the 95th percentile before the mend
FIXED_CASES = 6                 # the last rows of the reference
EVENTS = {
    "civilBegin": ("civilTwilight", "begin"), "civilEnd": ("civilTwilight", "end"),
    "nauticalBegin": ("nauticalTwilight", "begin"), "nauticalEnd": ("nauticalTwilight", "end"),
    "astronomicalBegin": ("astronomicalTwilight", "begin"),
    "astronomicalEnd": ("astronomicalTwilight", "end"),
    "sunTransit": ("sunCulmination", "hours"), "moonTransit": ("moonCulmination", "hours"),
}


def report_of(cli, row):
    command = [cli, "--date", row["date"], "--lat", row["lat"], "--lon", row["lon"],
               "--offset", row["offset"], "--json"]
    result = subprocess.run(command, capture_output=True, timeout=60, check=True,
                            env={"PATH": os.environ.get("PATH", ""), "LANG": "C.UTF-8", "TZ": "UTC"})
    return json.loads(result.stdout)["report"]


def minutes_apart(a, b):
    difference = (a - b) % 24
    return min(difference, 24 - difference) * 60


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))] if ordered else 0.0


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    cli, reference = sys.argv[1], sys.argv[2]
    with open(reference, encoding="ascii") as stored:
        rows = list(csv.DictReader(stored))
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        reports = list(pool.map(lambda row: report_of(cli, row), rows))
    errors = {name: [] for name in EVENTS}
    faults = []
    for index, (row, report) in enumerate(zip(rows, reports)):
        for name, (record, member) in EVENTS.items():
            value = report[record]
            if row[name] == "" or not value["occurs"]:
                continue  # no event on the date, or the model finds none near a limit
            missed = minutes_apart(value[member], float(row[name]))
            errors[name].append(missed)
            fixed = index >= len(rows) - FIXED_CASES
            if fixed and name != "moonTransit" and missed > SUN_LIMIT_MINUTES:
                faults.append(f"{row['date']} {row['lat']} {row['lon']} offset {row['offset']}: "
                              f"{name} {value[member]:.4f} h, reference {row[name]} h, {missed:.2f} min")
    for name, values in errors.items():
        p95 = percentile(values, 0.95)
        limit = MOON_LIMIT_MINUTES if name == "moonTransit" else SUN_LIMIT_MINUTES
        print(f"{name:18} {len(values):5} cases  median {percentile(values, 0.5):6.2f} min  "
              f"95th percentile {p95:6.2f} min  largest {max(values, default=0):7.2f} min")
        if p95 > limit:
            faults.append(f"{name}: 95th percentile {p95:.2f} min, more than {limit} min")
    for fault in faults:
        print(fault)
    passed = len(EVENTS) + FIXED_CASES - len(faults)
    print(f"{max(passed, 0)} passed, {len(faults)} failed")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
