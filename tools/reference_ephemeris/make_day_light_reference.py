#!/usr/bin/python3
"""Reference edges of the golden and the blue hour, and the first sunrise after a polar night,
from a precise ephemeris (PyEphem, Debian's python3-ephem: the VSOP87 and ELP theories of
libastro), for the day-light tests of tests/almanac.

    make_day_light_reference.py edges OUT.csv
    make_day_light_reference.py polar OUT.csv

edges: every day of 2025 at four places below 60 degrees of latitude, each on a clock of fixed
offset, the morning and evening crossings of -6, -4 and +6 degrees by the Sun's centre without
refraction, in decimal hours of the date on that clock, as the program gives its twilights. An
event that does not fall on the date is an empty cell.

polar: for the years 2020 to 2030, the date on the place's clock of the first sunrise after a day
deep in the polar night (1 January in the north, 21 June in the south), a sunrise being the upper
limb at the horizon under 35 minutes of refraction, as the program's sunrise takes it. (The more
common 34 minutes move two of these sunrises a day later, Utqiagvik 2027 and McMurdo 2024: on the
day before, the Sun's upper limb culminates within a minute of arc of the horizon.)
"""
import csv
import sys

import ephem

EDGE_PLACES = [
    ("Berlin", 52.52, 13.405, 1),
    ("New York", 40.713, -74.006, -5),
    ("Nairobi", -1.286, 36.817, 3),
    ("Sydney", -33.868, 151.209, 10),
]
EDGE_ALTITUDES = [("blueLow", "-6"), ("goldenLow", "-4"), ("goldenHigh", "6")]
EDGE_COLUMNS = ["place", "date", "lat", "lon", "offset"] + [
    f"{name}{edge}" for name, _ in EDGE_ALTITUDES for edge in ("Morning", "Evening")]

POLAR_PLACES = [
    ("Tromso", 69.6496, 18.956, 1, "01-01"),
    ("Longyearbyen", 78.2232, 15.6267, 1, "01-01"),
    ("Utqiagvik", 71.2906, -156.7886, -9, "01-01"),
    ("McMurdo", -77.846, 166.676, 12, "06-21"),
]
POLAR_YEARS = range(2020, 2031)
POLAR_COLUMNS = ["place", "lat", "lon", "offset", "from", "sunrise"]


def observer_at(lat, lon):
    observer = ephem.Observer()
    observer.lat, observer.lon = str(lat), str(lon)
    observer.elevation = 0
    return observer


def hours_of_date(event, midnight):
    """Decimal hours after the date's local midnight; None beyond the date."""
    if event is None:
        return None
    hours = (float(event) - float(midnight)) * 24
    return hours if 0 <= hours < 24 else None


def crossing(function, midnight):
    try:
        return function(ephem.Sun(), start=midnight, use_center=True)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None


def edge_rows():
    for place, lat, lon, offset in EDGE_PLACES:
        observer = observer_at(lat, lon)
        observer.pressure = 0  # no refraction: the program applies none away from the horizon
        day = ephem.Date("2025/1/1")
        while ephem.Date(day).tuple()[0] == 2025:
            year, month, date = ephem.Date(day).tuple()[:3]
            midnight = ephem.Date(day - offset * ephem.hour)
            row = []
            for _, altitude in EDGE_ALTITUDES:
                observer.horizon = altitude
                row.append(hours_of_date(crossing(observer.next_rising, midnight), midnight))
                row.append(hours_of_date(crossing(observer.next_setting, midnight), midnight))
            yield [place, f"{year:04d}-{month:02d}-{date:02d}", lat, lon, offset] + [
                "" if v is None else f"{v:.6f}" for v in row]
            day = ephem.Date(day + 1)


def polar_rows():
    for place, lat, lon, offset, start in POLAR_PLACES:
        observer = observer_at(lat, lon)
        observer.pressure = 0
        observer.horizon = "-0:35"  # refraction at the horizon; the upper limb by use_center=False
        for year in POLAR_YEARS:
            # Day by day: the search of one rising gives up on a day the Sun stays below.
            midnight = ephem.Date(ephem.Date(f"{year}/{start.replace('-', '/')}") - offset * ephem.hour)
            rising = None
            while rising is None:
                midnight = ephem.Date(midnight + 1)
                try:
                    rising = observer.next_rising(ephem.Sun(), start=midnight)
                except ephem.NeverUpError:
                    continue
            local = ephem.Date(rising + offset * ephem.hour).tuple()
            yield [place, lat, lon, offset, f"{year}-{start}", f"{local[0]:04d}-{local[1]:02d}-{local[2]:02d}"]


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("edges", "polar"):
        sys.exit(__doc__)
    columns, rows = (EDGE_COLUMNS, edge_rows) if sys.argv[1] == "edges" else (POLAR_COLUMNS, polar_rows)
    with open(sys.argv[2], "w", newline="", encoding="ascii") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(columns)
        for row in rows():
            writer.writerow(row)


if __name__ == "__main__":
    main()
