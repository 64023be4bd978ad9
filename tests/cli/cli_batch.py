#!/usr/bin/env python3
"""almanaxium-cli --batch over 10,000 lines, good ones and bad ones mixed, against the program run
once with --json for each distinct good request.

    cli_batch.py CLI

Every input line must get exactly one output line, in order: a good line the object that --json
prints for that request alone, a bad line {"line": N, "error": ...} naming what is wrong. The run
exits with status 1, since some lines were refused.
"""
import concurrent.futures
import json
import os
import random
import subprocess
import sys

LINE_COUNT = 10_000
DISTINCT_GOOD = 150
ZONES = ["UTC", "Europe/Berlin", "America/St_Johns", "Asia/Kathmandu", "Australia/Lord_Howe",
         "Pacific/Chatham", "America/Santiago", "Antarctica/Troll", "Africa/Casablanca"]
OFFSETS = [0, 2, -5, 5.5, 5.75, -3.5, 14, -12]
LANGUAGES = [None, "en", "de", "es", "fr", "el"]  # None: the environment's language
# German from the environment, so that a line without "lang" is seen to take it; the 12-hour clock.
ENVIRONMENT = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "TZ": "UTC", "LANGUAGE": "de",
               "LANG": "C.UTF-8", "LC_TIME": "en_US.UTF-8"}
PLACE = '"date": "2018-06-21", "lat": 52.5, "lon": 13.4'
# A bad line and a word its error must contain.
BAD_LINES = [
    (b"", "empty"),
    (b"not json", "JSON"),
    (b'["date", "lat"]', "object"),
    (b'{"lat": 52.5, "lon": 13.4, "zone": "UTC"}', "date"),
    (b'{"date": "2018-06-21", "lon": 13.4, "zone": "UTC"}', "lat"),
    (("{%s}" % PLACE).encode(), "zone"),
    (('{%s, "zone": "Mars/Olympus_Mons"}' % PLACE).encode(), "Mars/Olympus_Mons"),
    (('{%s, "zone": "UTC", "offset": 1}' % PLACE).encode(), "offset"),
    (b'{"date": "2018-06-21", "lat": NaN, "lon": 13.4, "zone": "UTC"}', "lat"),
    (b'{"date": "2018-06-21", "lat": 1, "lon": Infinity, "zone": "UTC"}', "lon"),
    (b'{"date": "2018-06-21", "lat": "52.5", "lon": 13.4, "zone": "UTC"}', "lat"),
    (('{%s, "offset": "2"}' % PLACE).encode(), "offset"),
    (b'{"date": "2018-06-21", "lat": 91, "lon": 13.4, "zone": "UTC"}', "lat"),
    (b'{"date": "2019-02-29", "lat": 1, "lon": 2, "zone": "UTC"}', "date"),
    (b'{"date": "2100-01-01", "lat": 1, "lon": 2, "zone": "UTC"}', "date"),
    (('{%s, "zone": "UTC", "lang": "pt"}' % PLACE).encode(), "lang"),
    (('{%s, "zone": "Europe/Berl\xff"}' % PLACE).encode("latin-1"), "UTF-8"),
    (('{%s, "zone": "UTC", "x": {"y": [1]}}' % PLACE).encode(), "flat"),
    (('{%s, "zone": "UTC", "pad": "%s"}' % (PLACE, "x" * (1 << 20))).encode(), "too long"),
]


def good_requests():
    rng = random.Random(20261210)
    requests = []
    for _ in range(DISTINCT_GOOD):
        request = {"date": f"{rng.randint(1901, 2099):04d}-{rng.randint(1, 12):02d}-{rng.randint(1, 28):02d}",
                   "lat": rng.choice([round(rng.uniform(-89.9, 89.9), 4), 0, 90, -90, 78.2]),
                   "lon": rng.choice([round(rng.uniform(-180, 180), 4), 180, -180])}
        if rng.random() < 0.6:
            request["zone"] = rng.choice(ZONES)
        else:
            request["offset"] = rng.choice(OFFSETS)
        language = rng.choice(LANGUAGES)
        if language:
            request["lang"] = language
        requests.append(request)
    return requests


def arguments_of(request):
    arguments = ["--date", request["date"], "--lat", str(request["lat"]), "--lon", str(request["lon"])]
    arguments += ["--zone", request["zone"]] if "zone" in request else ["--offset", str(request["offset"])]
    return arguments + (["--lang", request["lang"]] if "lang" in request else []) + ["--json"]


def line_of(request, rng):
    """The request as a line, in one of several spellings that must all read alike."""
    members = list(request.items())
    rng.shuffle(members)
    if rng.random() < 0.3:
        members.append(("comment", rng.choice(["B\u00e4r \U0001F319", None, True, 17])))
    text = json.dumps(dict(members), ensure_ascii=rng.random() < 0.5)
    return (" " + text + " \r" if rng.random() < 0.1 else text).encode()


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    cli = sys.argv[1]
    requests = good_requests()

    def expected_of(request):
        result = subprocess.run([cli] + arguments_of(request), env=ENVIRONMENT, capture_output=True,
                                timeout=60)
        if result.returncode != 0:
            sys.exit(f"--json refused {arguments_of(request)}: {result.stderr.decode()}")
        return json.loads(result.stdout)

    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        expected = list(pool.map(expected_of, requests))

    rng = random.Random(7)
    bad_at = set(rng.sample(range(LINE_COUNT - 1), 3 * len(BAD_LINES)))
    lines, plan = [], []  # plan: the index of a good request, or the word of a bad line's error
    bad_count = 0
    for number in range(LINE_COUNT):
        if number in bad_at:
            line, word = BAD_LINES[bad_count % len(BAD_LINES)]  # every kind three times
            bad_count += 1
            lines.append(line)
            plan.append(word)
        else:
            index = rng.randrange(len(requests))
            lines.append(line_of(requests[index], rng))
            plan.append(index)
    stdin = b"\n".join(lines)  # the last line without a line feed

    result = subprocess.run([cli, "--batch"], input=stdin, env=ENVIRONMENT, capture_output=True,
                            timeout=300)
    answers = result.stdout.split(b"\n")
    if answers[-1] != b"":
        sys.exit("the output does not end with a line feed")
    answers.pop()
    faults = []
    if result.returncode != 1:
        faults.append(f"exit status {result.returncode}, expected 1 (stderr: {result.stderr[:300]!r})")
    if len(answers) != LINE_COUNT:
        faults.append(f"{len(answers)} answers to {LINE_COUNT} lines")
    for number, (answer, wanted) in enumerate(zip(answers, plan), start=1):
        got = json.loads(answer)
        if isinstance(wanted, int):
            if got != expected[wanted]:
                faults.append(f"line {number}: {lines[number - 1][:200]!r} answered {answer[:300]!r}")
        elif (set(got) != {"line", "error"} or got["line"] != number or wanted not in got["error"]
              or "\n" in got["error"]):
            faults.append(f"line {number}: {lines[number - 1][:100]!r} answered {answer[:300]!r}, "
                          f"expected an error naming {wanted!r}")
    for fault in faults[:10]:
        print(fault)
    good = sum(isinstance(wanted, int) for wanted in plan)
    print(f"{LINE_COUNT} lines, {good} good from {len(requests)} requests, {LINE_COUNT - good} bad: "
          f"{'fail' if faults else 'pass'} ({len(faults)} faults)")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
