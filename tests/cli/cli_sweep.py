#!/usr/bin/env python3
"""The command-line report over a fixed sweep of dates, places, zones and languages, compared with a
file of digests made by an earlier build, so that a reshaping of the code that should change
nothing is seen to change nothing.

    cli_sweep.py CLI DIGESTS           compares; prints the first differing cases and fails
    cli_sweep.py CLI DIGESTS --write   makes the file anew (only after a change of behaviour)
    cli_sweep.py CLI DIGESTS --every N compares every N-th case only (the slow sanitized build)

Each case is run as text and as JSON; its digest covers standard output, standard error and the
exit status. The cases come from a seeded generator, so the file names them by number only.
"""
import concurrent.futures
import hashlib
import os
import random
import subprocess
import sys

CASE_COUNT = 2000
ZONES = [
    "UTC", "Europe/Berlin", "Europe/London", "Europe/Dublin", "Europe/Moscow", "Europe/Athens",
    "America/New_York", "America/Los_Angeles", "America/Sao_Paulo", "America/Santiago",
    "America/St_Johns", "America/Nuuk", "Asia/Kolkata", "Asia/Kathmandu", "Asia/Tokyo",
    "Asia/Jerusalem", "Asia/Gaza", "Africa/Cairo", "Africa/Casablanca", "Australia/Sydney",
    "Australia/Adelaide", "Australia/Lord_Howe", "Pacific/Auckland", "Pacific/Chatham",
    "Pacific/Kiritimati", "Pacific/Pago_Pago", "Antarctica/Troll", "Atlantic/Azores",
]
OFFSETS = ["0", "+2", "-5", "5.5", "5.75", "-3.5", "14", "-12", "+8.75", "-0.5"]
LANGUAGES = ["en", "de", "es", "fr", "el"]
CLOCKS = ["C.UTF-8", "en_US.UTF-8"]  # the 24- and the 12-hour clock


def reference_cases():
    """The documented reference days first, each in every language."""
    berlin = ["--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4"]
    cases = []
    for language in LANGUAGES:
        cases.append((berlin + ["--offset", "2", "--lang", language], "C.UTF-8"))
        cases.append((berlin + ["--zone", "Europe/Berlin", "--lang", language], "en_US.UTF-8"))
    cases.append((["--date", "2100-01-01", "--lat", "52.5", "--lon", "13.4", "--offset", "1"], "C.UTF-8"))
    cases.append((["--date", "1900-12-31", "--lat", "-33.9", "--lon", "151.2", "--zone",
                   "Australia/Sydney"], "C.UTF-8"))
    return cases


def generated_cases(count):
    rng = random.Random(20261209)
    cases = []
    while len(cases) < count:
        year = rng.choice([rng.randint(1901, 2099)] * 9 + [rng.choice([1900, 2100, 1899, 2101])])
        month = rng.randint(1, 12)
        day = rng.randint(1, 31 if month != 2 else 29)
        latitude = rng.choice([round(rng.uniform(-89.9, 89.9), 4)] * 7 + [
            rng.choice(["0", "90", "-90", "66.56", "-66.56", "78.2", "-77.8"])])
        longitude = rng.choice([round(rng.uniform(-180, 180), 4)] * 8 + [
            rng.choice(["0", "180", "-180", "179.99", "-179.99"])])
        zone = (["--zone", rng.choice(ZONES)] if rng.random() < 0.7
                else ["--offset", rng.choice(OFFSETS)])
        arguments = ["--date", f"{year:04d}-{month:02d}-{day:02d}", "--lat", str(latitude),
                     "--lon", str(longitude)] + zone + ["--lang", rng.choice(LANGUAGES)]
        cases.append((arguments, rng.choice(CLOCKS)))
    return cases


def run(cli, case, json):
    arguments, clock = case
    environment = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "TZ": "UTC", "LANG": "C.UTF-8",
                   "LC_TIME": clock}
    command = [cli] + arguments + (["--json"] if json else [])
    result = subprocess.run(command, env=environment, capture_output=True, timeout=60)
    digest = hashlib.sha256(result.stdout + b"\0" + result.stderr + b"\0" +
                            str(result.returncode).encode()).hexdigest()
    return digest, command, result


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    cli, digests_path = sys.argv[1], sys.argv[2]
    write = "--write" in sys.argv[3:]
    every = int(sys.argv[sys.argv.index("--every") + 1]) if "--every" in sys.argv else 1
    cases = reference_cases() + generated_cases(CASE_COUNT)
    jobs = [(case, json) for case in cases for json in (False, True)]
    chosen = [i for i in range(len(jobs)) if write or (i // 2) % every == 0]
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        results = dict(zip(chosen, pool.map(lambda i: run(cli, *jobs[i]), chosen)))
    lines = {i: f"{i} {'json' if jobs[i][1] else 'text'} {results[i][0]}" for i in chosen}
    if write:
        with open(digests_path, "w", encoding="ascii") as out:
            out.write("\n".join(lines[i] for i in chosen) + "\n")
        print(f"wrote {len(lines)} digests")
        return
    with open(digests_path, encoding="ascii") as stored:
        expected = stored.read().split("\n")[:-1]
    if len(expected) != len(jobs):
        sys.exit(f"{digests_path} holds {len(expected)} digests, the sweep makes {len(jobs)}")
    differing = [i for i in chosen if expected[i] != lines[i]]
    for i in differing[:5]:
        _, command, result = results[i]
        print(f"case {lines[i].split()[0]} differs: LC_TIME={jobs[i][0][1]} {' '.join(command)}")
        print(result.stdout.decode(errors="replace")[:3000] + result.stderr.decode(errors="replace"))
    print(f"{len(chosen) - len(differing)} passed, {len(differing)} failed")
    sys.exit(1 if differing else 0)


if __name__ == "__main__":
    main()
