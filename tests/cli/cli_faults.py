#!/usr/bin/env python3
"""almanaxium-cli on input that must fail cleanly or be read past, and files it must not harm.

    cli_faults.py CLI

One table of cases, each run as the real program: standard input closed or a folder under --batch,
a byte-order mark before the first batch line, an option given twice, a chart of a year the almanac
does not compute, a chart over a read-only file and over one of another mode, a chart into a
missing folder, the results into a file whole or not at all, and the size of an SVG chart in pixels.
"""
import os
import stat
import subprocess
import sys
import tempfile

ENVIRONMENT = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "TZ": "UTC", "LANG": "C.UTF-8"}
ASAN = {k: v for k, v in os.environ.items() if k.startswith(("ASAN_", "UBSAN_", "LSAN_"))}
PLACE = ["--date", "2024-06-21", "--lat", "52.5", "--lon", "13.4", "--zone", "UTC"]
LINE = b'{"date": "2024-06-21", "lat": 52.5, "lon": 13.4, "zone": "UTC"}\n'


def run(cli, arguments, stdin=subprocess.DEVNULL, close_stdin=False):
    return subprocess.run([cli] + arguments, stdin=stdin, capture_output=True, timeout=60,
                          env={**ENVIRONMENT, **ASAN},
                          preexec_fn=(lambda: os.close(0)) if close_stdin else None)


def main():
    cli = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        def path(name):
            return os.path.join(folder, name)

        read_only = path("read_only.png")
        with open(read_only, "wb") as f:
            f.write(b"kept")
        os.chmod(read_only, 0o444)
        private = path("private.png")
        with open(private, "wb") as f:
            f.write(b"old")
        os.chmod(private, 0o600)
        with open(path("kept.png"), "wb") as f:
            f.write(b"report")
        directory = os.open(folder, os.O_RDONLY)

        # (what, arguments, run options, status, a text standard error holds, a check of the result)
        cases = [
            ("batch, standard input closed", ["--batch"], {"close_stdin": True}, 1,
             "standard input could not be read", None),
            ("batch, standard input a folder", ["--batch"], {"stdin": directory}, 1,
             "standard input could not be read: Is a directory", None),
            ("batch, byte-order mark", ["--batch"], {"stdin": None, "input": b"\xef\xbb\xbf" + LINE}, 0, "",
             lambda out: out.count(b'"report"') == 1),
            ("option twice", PLACE + ["--lat", "10"], {}, 2, "option '--lat' is given twice", None),
            ("format twice", ["--year", "2024", "--format", "csv", "--format", "ics"] + PLACE[2:], {}, 2,
             "option '--format' is given twice", None),
            ("chart of 1900", ["--date", "1900-06-21"] + PLACE[2:] + ["--chart", path("old.png")], {}, 2,
             "--chart draws a day of the years 1901 to 2099", lambda out: not os.path.exists(path("old.png"))),
            ("chart over a read-only file", PLACE + ["--chart", read_only], {}, 1, "Permission denied",
             lambda out: open(read_only, "rb").read() == b"kept" and stat.S_IMODE(os.stat(read_only).st_mode) == 0o444),
            ("chart keeps the mode it replaces", PLACE + ["--chart", private], {}, 0, "",
             lambda out: open(private, "rb").read(4) == b"\x89PNG" and stat.S_IMODE(os.stat(private).st_mode) == 0o600),
            ("chart into a missing folder", PLACE + ["--chart", path("none/x.png")], {}, 1,
             "No such file or directory", None),
            ("output kept when the run fails", ["--date", "2024-06-21", "--lat", "52.5", "--lon", "13.4",
             "--zone", "Mars/Base", "--output", read_only.replace("read_only", "kept")], {}, 2, "unknown time zone",
             lambda out: open(path("kept.png"), "rb").read() == b"report"),
            ("output of a span", ["--month", "2024-02", "--format", "csv", "--output", path("feb.csv")] + PLACE[2:],
             {}, 0, "", lambda out: out == b"" and open(path("feb.csv"), "rb").read().count(b"\n") == 30),
            ("chart in pixels", PLACE + ["--chart", path("c.svg"), "--size", "800x400"], {}, 0, "",
             lambda out: b'width="800px" height="400px"' in open(path("c.svg"), "rb").read(600)),
        ]
        for what, arguments, options, status, error, check in cases:
            options = dict(options)
            data = options.pop("input", None)
            if data is not None:
                options.pop("stdin")
                result = subprocess.run([cli] + arguments, input=data, capture_output=True, timeout=60,
                                        env={**ENVIRONMENT, **ASAN})
            else:
                result = run(cli, arguments, **options)
            stderr = result.stderr.decode(errors="replace")
            if result.returncode != status or error not in stderr or stderr.count("\n") > 1:
                failures.append(f"{what}: status {result.returncode}, expected {status}; stderr {stderr!r}")
            elif check is not None and not check(result.stdout):
                failures.append(f"{what}: the result is not as it should be")
        os.close(directory)
    for failure in failures:
        print(failure)
    print(f"{len(cases) - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
