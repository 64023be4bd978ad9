#!/usr/bin/python3
"""Reference times of the twilights and the culminations of the Sun and the Moon, from a precise
ephemeris (PyEphem, Debian's python3-ephem: the VSOP87 and ELP theories of libastro), for the
sweep of tests/astro/sun_moon_sweep.py.

    make_sun_moon_reference.py OUT.csv

For each case (a seeded draw of dates from 1901 to 2099, latitudes within 65 degrees, every
longitude, each on the clock of the whole hour nearest its local mean time, as a zone's clock is,
followed by a few fixed cases) it writes the events of the selected date on that clock, in decimal hours of the date, as
the program reports them: the morning and evening crossings of -6, -12 and -18 degrees by the
Sun's centre without refraction, and the upper transits of the Sun and of the Moon (seen from the
place). An event that does not fall on the date is an empty cell.
"""
import csv
import math
import random
import sys

import ephem

CASE_COUNT = 1200
# Places and dates where the twilights used to be those of the neighbouring date: east of
# Greenwich after the September equinox, west of it in the evenings before it.
FIXED = [
    ("2018-10-15", 50.0, 30.0, 0), ("2018-10-15", 50.0, 30.0, 2), ("2021-11-20", 40.0, 30.0, 2),
    ("2018-08-15", 35.0, -120.0, -8), ("2018-09-15", 35.0, -120.0, -8), ("2022-06-21", 45.0, -120.0, -8),
]
TWILIGHTS = [("civil", "-6"), ("nautical", "-12"), ("astronomical", "-18")]
COLUMNS = ["date", "lat", "lon", "offset"] + [f"{name}{edge}" for name, _ in TWILIGHTS
                                              for edge in ("Begin", "End")] + ["sunTransit", "moonTransit"]


def cases():
    rng = random.Random(14)
    drawn = []
    for _ in range(CASE_COUNT):
        year, month, day = rng.randint(1901, 2099), rng.randint(1, 12), rng.randint(1, 28)
        lat, lon = round(rng.uniform(-64.9, 64.9), 3), round(rng.uniform(-180, 180), 3)
        offset = max(-12, min(12, round(lon / 15)))
        drawn.append((f"{year:04d}-{month:02d}-{day:02d}", lat, lon, offset))
    return drawn + FIXED


def hours_of_date(event, midnight):
    """Decimal hours after the date's local midnight; None beyond the date."""
    if event is None:
        return None
    hours = (float(event) - float(midnight)) * 24
    return hours if 0 <= hours < 24 else None


def next_event(function, body, midnight):
    try:
        return function(body, start=midnight, use_center=True)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None


def events(date, lat, lon, offset):
    observer = ephem.Observer()
    observer.lat, observer.lon = str(lat), str(lon)
    observer.elevation = 0
    observer.pressure = 0  # no refraction: the program applies none at twilight altitudes
    midnight = ephem.Date(ephem.Date(date.replace("-", "/")) - offset * ephem.hour)
    sun, moon = ephem.Sun(), ephem.Moon()
    row = []
    for _, altitude in TWILIGHTS:
        observer.horizon = altitude
        row.append(hours_of_date(next_event(observer.next_rising, sun, midnight), midnight))
        row.append(hours_of_date(next_event(observer.next_setting, sun, midnight), midnight))
    observer.horizon = "0"
    row.append(hours_of_date(observer.next_transit(sun, start=midnight), midnight))
    row.append(hours_of_date(observer.next_transit(moon, start=midnight), midnight))
    return row


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "w", newline="", encoding="ascii") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(COLUMNS)
        for case in cases():
            values = events(*case)
            writer.writerow(list(case) + ["" if v is None else f"{v:.6f}" for v in values])


if __name__ == "__main__":
    main()
