#!/usr/bin/env python3
"""The almanac over a span of days, from the real almanaxium-cli: every row of its table, CSV and
JSON lines is the single-day report of that date (every day of 2024 in three places, and the days
around each clock change of Berlin 2020-2030); the CSV is read back by Python's csv module.

    span_test.py CLI [--every N]

With --every N only every N-th day of the years is compared with its single-day run (the slow
sanitized build); the days around the clock changes are compared all.
"""
import concurrent.futures
import csv
import datetime
import io
import json
import re
import subprocess
import sys

CLI = sys.argv[1]
EVERY = int(sys.argv[sys.argv.index("--every") + 1]) if "--every" in sys.argv else 1
PLACES = [("52.52", "13.405", "Europe/Berlin"), ("-33.87", "151.21", "Australia/Sydney"),
          ("64.15", "-21.94", "Atlantic/Reykjavik")]
failures = []


def cli(*arguments):
    done = subprocess.run([CLI, *arguments, "--lang", "en"], capture_output=True, timeout=120,
                          env={"LANG": "C.UTF-8", "TZ": "UTC"})
    if done.returncode != 0:
        raise RuntimeError(f"{arguments}: {done.stderr.decode()}")
    return done.stdout.decode("utf-8")


def singles(place, dates):
    lat, lon, zone = place
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        return list(pool.map(lambda d: json.loads(cli("--date", d.isoformat(), "--lat", lat, "--lon", lon,
                                                        "--zone", zone, "--json")), dates))


def clock(hours):
    """The clock time the report's texts show, as ISO 8601 "07:55": rounded to the minute, whole
    days taken out."""
    time = hours % 24.0
    whole = int(time)
    minutes = (time - whole) * 60
    if minutes >= 59.5:
        whole, minutes = whole + 1, minutes - 60
    return f"{whole % 24:02d}:{int(minutes + 0.5):02d}"


def expected_csv(day):
    r = day["report"]
    event = lambda name: clock(r[name]["hours"]) if r[name]["occurs"] else ""
    span = lambda name, edge: clock(r[name][edge]) if r[name]["occurs"] else ""
    value = lambda name, decimals: "" if r.get(name) is None else f"{r[name]:.{decimals}f}"
    offset = round(r["utcOffsetHours"] * 60)
    seconds = int(r["dayLengthHours"] * 3600 + 0.5)
    percent = int(r["illuminatedFraction"] * 100 + 0.5)
    moment = lambda t: (f"{t['year']:04d}-{t['month']:02d}-{t['day']:02d}T"
                        f"{t['hour']:02d}:{t['minute']:02d}:{t['second']:02d}")
    return {
        "date": f"{r['year']:04d}-{r['month']:02d}-{r['day']:02d}",
        "weekday": str(r["weekday"] or 7),
        "utcOffset": f"{'-' if offset < 0 else '+'}{abs(offset) // 60:02d}:{abs(offset) % 60:02d}",
        "sunrise": event("sunrise"), "sunriseAzimuth": value("sunriseAzimuth", 0),
        "sunset": event("sunset"), "sunsetAzimuth": value("sunsetAzimuth", 0),
        "sunCulmination": event("sunCulmination"), "sunCulminationAltitude": value("sunCulminationAltitude", 1),
        "sunDeclination": value("sunDeclination", 1), "equationOfTime": value("equationOfTimeMinutes", 2),
        "dayLength": f"{seconds // 3600:02d}:{seconds // 60 % 60:02d}:{seconds % 60:02d}",
        **{f"{kind}Twilight{edge.title()}": span(f"{kind}Twilight", edge)
           for kind in ("astronomical", "nautical", "civil") for edge in ("begin", "end")},
        "moonrise": event("moonrise"), "moonriseAzimuth": value("moonriseAzimuth", 0),
        "moonset": event("moonset"), "moonsetAzimuth": value("moonsetAzimuth", 0),
        "moonCulmination": event("moonCulmination"), "moonCulminationAltitude": value("moonCulminationAltitude", 1),
        "moonDeclination": value("moonDeclination", 1),
        "visibleFraction": f"{percent // 100}.{percent % 100:02d}",
        "phase": day["texts"]["phase"],
        "nextNewMoon": moment(r["nextNewMoon"]), "nextFullMoon": moment(r["nextFullMoon"]),
    }


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: got {got!r}, expected {expected!r}")


def check_span(place, first, last, arguments, every=1):
    lat, lon, zone = place
    dates = [first + datetime.timedelta(days=n) for n in range((last - first).days + 1)]
    compared = range(0, len(dates), every)
    alone = dict(zip(compared, singles(place, [dates[i] for i in compared])))
    common = ["--lat", lat, "--lon", lon, "--zone", zone, *arguments]
    lines = cli(*common, "--format", "jsonl").splitlines()
    check(f"{zone} {first}: JSON lines", len(lines), len(dates))
    for i, day in alone.items():
        check(f"{zone} {dates[i]} JSON line", json.loads(lines[i]) if i < len(lines) else None, day)

    rows = list(csv.DictReader(io.StringIO(cli(*common, "--format", "csv"), newline="")))
    check(f"{zone} {first}: CSV rows", len(rows), len(dates))
    phases = 0
    # A new or full Moon on the zone's clock is the next one some day's own report names.
    named = {"newMoon": {row["nextNewMoon"] for row in rows}, "fullMoon": {row["nextFullMoon"] for row in rows}}
    for i, (date, row) in enumerate(zip(dates, rows)):
        phase, when = row.pop("principalPhase"), row.pop("principalPhaseTime")
        if i in alone:
            check(f"{zone} {date} CSV", row, expected_csv(alone[i]))
        if phase:
            phases += 1
            check(f"{zone} {date} phase day", when[:10], date.isoformat())
            if phase in named and date != dates[0]:
                check(f"{zone} {date} {phase} as the reports name it", when in named[phase], True)

    table = cli(*common).splitlines()
    check(f"{zone} {first}: table rows", len(table), len(dates) + 1)
    for i, day in alone.items():
        date, line = dates[i], table[1 + i] if 1 + i < len(table) else ""
        cells = [cell.strip() for cell in re.split(r"\s{2,}", line.strip())]
        t = day["texts"]
        expected = [t["sunrise"], t["sunset"], t["dayLength"].strip(), t["civilTwilightBegin"],
                    t["civilTwilightEnd"], t["moonrise"], t["moonset"], t["visibility"]]
        check(f"{zone} {date} table", cells[1:9], expected)
        check(f"{zone} {date} table date", cells[0].endswith(t["date"]), True)
    return phases


for place in PLACES:
    phases = check_span(place, datetime.date(2024, 1, 1), datetime.date(2024, 12, 31), ["--year", "2024"], EVERY)
    # About 12.4 lunations a year, four principal phases each.
    check(f"{place[2]} principal phases in 2024", 48 <= phases <= 51, True)

# Each change of Berlin's clock 2020-2030 (the last Sundays of March and October), two days on
# either side: each day in its own offset.
berlin = PLACES[0]
for year in range(2020, 2031):
    for month in (3, 10):
        last = datetime.date(year, month, 31)
        change = last - datetime.timedelta(days=(last.weekday() + 1) % 7)
        first, end = change - datetime.timedelta(days=2), change + datetime.timedelta(days=2)
        check_span(berlin, first, end, ["--from", first.isoformat(), "--to", end.isoformat()])
        offsets = [row["utcOffset"] for row in csv.DictReader(io.StringIO(cli(
            "--lat", berlin[0], "--lon", berlin[1], "--zone", berlin[2], "--from", first.isoformat(),
            "--to", end.isoformat(), "--format", "csv"), newline=""))]
        before, after = ("+01:00", "+02:00") if month == 3 else ("+02:00", "+01:00")
        check(f"Berlin offsets around {change}", offsets, [before, before, after, after, after])

# A reversed span is refused with one line and status 2.
refused = subprocess.run([CLI, "--lat", "0", "--lon", "0", "--offset", "0", "--from", "2024-02-02", "--to",
                          "2024-02-01"], capture_output=True, timeout=60)
check("a reversed span", (refused.returncode, refused.stdout, refused.stderr),
      (2, b"", b"almanaxium-cli: the span ends before it begins\n"))

for failure in failures[:40]:
    print(failure)
print(f"{len(failures)} differences")
sys.exit(1 if failures else 0)
