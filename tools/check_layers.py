#!/usr/bin/env python3
"""Checks the layers of the source tree: each folder includes only from the folders below it, and
the toolkit, libcurl, ICU and libical headers only where they belong.

    check_layers.py SOURCE_FOLDER     prints every include that breaks a rule; fails if there is one
"""
import pathlib
import re
import sys

# Each folder and the folders it may include from (besides itself), from the bottom up.
CORE = {
    "common": set(),
    "resources": {"common"},
    "astro": set(),
    "zones": {"astro", "common"},
    "places": {"zones", "astro", "common", "resources"},
    "settings": {"common"},
    "program": {"common", "resources", "settings"},
    "report": {"places", "astro", "zones", "resources", "common"},
    "almanac": {"report", "zones", "places", "astro", "resources", "common"},
    "calendar": {"almanac", "report", "places", "zones", "astro", "resources", "common"},
    "chart": {"almanac", "report", "places", "zones", "astro", "resources", "common"},
    "update": {"program", "resources", "common"},
    "cli": {"calendar", "chart", "almanac", "report", "places", "zones", "astro", "program", "resources", "common"},
}
TOOLKIT = {
    "framework": {"program", "resources", "astro", "common"},
    "window": set(CORE) | {"framework"},
}
LAYERS = CORE | TOOLKIT
# Headers from outside the standard library and who may include them.
OUTSIDE = {
    "wx": set(TOOLKIT), "gtk": set(TOOLKIT), "gdk": set(TOOLKIT), "glib": set(TOOLKIT),
    "curl": {"update/http_get.cpp"},
    "unicode": {"zones/zone_names_icu.cpp"},
    "libical": {"calendar"},
    "cairo.h": {"chart"}, "cairo-svg.h": {"chart"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    faults = []
    for folder, allowed in LAYERS.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp", ".inc"):
                continue
            name = path.relative_to(root).as_posix()
            for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
                top = included.split("/")[0] if "/" in included else included
                if top in OUTSIDE:
                    if folder not in OUTSIDE[top] and name not in OUTSIDE[top]:
                        faults.append(f"{name}: includes <{included}>, which only {sorted(OUTSIDE[top])} may")
                elif top in LAYERS and top != folder and top not in allowed:
                    faults.append(f"{name}: includes {included}, but {folder}/ lies below {top}/")
    for fault in faults:
        print(fault)
    print(f"{len(LAYERS)} folders checked, {len(faults)} includes across the layers")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
