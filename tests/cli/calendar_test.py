#!/usr/bin/env python3
"""The calendar file of the real almanaxium-cli for a year with every kind of event, read by
python3-icalendar: one event for each event of the day reports that occurs, UIDs unique and the same
in a second run, and each sunrise and sunset at the --json report's clock time moved to UT by
Python's own zoneinfo.

    calendar_test.py CLI
"""
import datetime
import json
import subprocess
import sys
import zoneinfo

import icalendar

CLI = sys.argv[1]
LAT, LON, ZONE, YEAR = "52.52", "13.405", "Europe/Berlin", 2024
EVENTS = "sunrise,sunset,civil,nautical,astronomical,moonrise,moonset,phases"
# The report's events and the twilight spans, each with the kinds of UID they give.
OCCURRING = [("sunrise", ["sunrise"]), ("sunset", ["sunset"]), ("moonrise", ["moonrise"]),
             ("moonset", ["moonset"]), ("civilTwilight", ["civil-begin", "civil-end"]),
             ("nauticalTwilight", ["nautical-begin", "nautical-end"]),
             ("astronomicalTwilight", ["astronomical-begin", "astronomical-end"])]
failures = []


def cli(*arguments):
    done = subprocess.run([CLI, *arguments, "--lat", LAT, "--lon", LON, "--zone", ZONE, "--lang", "en"],
                          capture_output=True, timeout=300, env={"LANG": "C.UTF-8", "TZ": "UTC"})
    if done.returncode != 0:
        raise RuntimeError(f"{arguments}: {done.stderr.decode()}")
    return done.stdout.decode("utf-8")


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: {got!r}, expected {expected!r}")


def read_calendar():
    calendar = icalendar.Calendar.from_ical(cli("--year", str(YEAR), "--format", "ics", "--events", EVENTS))
    return [(str(e["UID"]), e.decoded("DTSTART"), str(e["SUMMARY"])) for e in calendar.walk("VEVENT")]


def universal(date, hours):
    """The report's clock time to UT as the program takes it: whole days out, then hours, minutes
    and seconds each truncated; the zone's clock read by zoneinfo, a skipped or repeated hour as
    daylight time."""
    days = int(hours // 24)
    hours -= days * 24
    whole = int(hours)
    fraction = hours - whole
    minute = min(int(fraction * 60), 59)
    second = min(int(fraction * 3600 - minute * 60), 59)
    day = date + datetime.timedelta(days=days)
    local = datetime.datetime(day.year, day.month, day.day, whole, minute, second,
                              tzinfo=zoneinfo.ZoneInfo(ZONE), fold=0)
    return local.astimezone(datetime.timezone.utc)


def main():
    first, second = read_calendar(), read_calendar()
    uids = [uid for uid, _, _ in first]
    check("UIDs unique", len(set(uids)), len(uids))
    check("UIDs of a second run", uids, [uid for uid, _, _ in second])
    starts = {uid: start for uid, start, _ in first}

    dates = [datetime.date(YEAR, 1, 1) + datetime.timedelta(days=n) for n in range(366)]
    # The year's reports as JSON lines, each the --json report of its day alone (span_test.py
    # holds them equal): one run rather than 366, which the sanitized build could not afford.
    reports = [json.loads(line)["report"] for line in
               cli("--year", str(YEAR), "--format", "jsonl").splitlines()]
    check("days of the year", len(reports), len(dates))
    expected = 0
    for date, report in zip(dates, reports):
        for key, kinds in OCCURRING:
            if report[key]["occurs"]:
                expected += len(kinds)
        uid = lambda kind: f"{date:%Y%m%d}-{kind}-52.5200-13.4050@almanaxium"
        for kind in ("sunrise", "sunset"):
            if report[kind]["occurs"]:
                check(f"{date} {kind}", starts.get(uid(kind)), universal(date, report[kind]["hours"]))
    phases = sum(1 for uid in uids if "-phase-" in uid)
    check("principal phases in a year", 48 <= phases <= 51, True)
    check("events", len(first), expected + phases)

    for failure in failures[:40]:
        print(failure)
    print(f"{len(first)} events, {len(failures)} failures")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
