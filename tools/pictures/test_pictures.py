#!/usr/bin/python3
"""Checks the pictures in resources/ against what the program expects of them,
and that make_pictures.py still makes exactly those files.

Run: /usr/bin/python3 tools/pictures/test_pictures.py
"""

import math
import os
import struct
import sys
import tempfile
import unittest
import zlib

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
import make_pictures  # noqa: E402

RESOURCES = make_pictures.DEFAULT_OUT
BITMAPS = os.path.join(RESOURCES, "bitmaps")
ICONS = os.path.join(RESOURCES, "icons")

BMP_SIZES = {"banner_129.bmp": (675, 80), "sun_288.bmp": (60, 60)}
BMP_SIZES.update({"moon_%d.bmp" % n: (50, 50) for n in range(172, 180)})
BMP_SIZES.update({"moon_%d.bmp" % n: (50, 50) for n in range(289, 296)})


def read_bmp(name):
    """Returns (width, height, rgb rows top first) after checking the header."""
    with open(os.path.join(BITMAPS, name), "rb") as f:
        data = f.read()
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    (header_size, width, height, planes, bits, compression,
     image_size) = struct.unpack_from("<IiiHHII", data, 14)
    assert magic == b"BM" and file_size == len(data), name
    assert header_size == 40 and planes == 1, name
    assert bits == 24 and compression == 0, name
    assert height > 0, "%s is not bottom-up" % name
    row = (width * 3 + 3) & ~3
    assert offset == 54 and image_size == row * height == len(data) - 54, name
    rows = [np.frombuffer(data, np.uint8, width * 3, offset + y * row)
            .reshape(width, 3)[:, ::-1] for y in range(height)]
    return width, height, np.array(rows[::-1])


def read_png(path):
    """Returns (width, height, colour type) and the decoded RGBA rows of our
    own unfiltered PNGs."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, idat, ihdr = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack_from(">I4s", data, pos)
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour = ihdr[:4]
    raw = np.frombuffer(zlib.decompress(idat), np.uint8)
    rows = raw.reshape(height, 1 + width * 4)
    assert depth == 8 and not rows[:, 0].any()
    return width, height, colour, rows[:, 1:].reshape(height, width, 4)


class Bitmaps(unittest.TestCase):
    def test_headers_and_sizes(self):
        for name, size in BMP_SIZES.items():
            width, height, _ = read_bmp(name)
            self.assertEqual((width, height), size, name)

    def test_southern_moons_are_northern_ones_turned_over(self):
        for south in range(289, 296):
            _, _, turned = read_bmp("moon_%d.bmp" % south)
            _, _, north = read_bmp("moon_%d.bmp" % (south - 116))
            self.assertTrue(np.array_equal(turned, north[::-1, ::-1]), south)

    def test_corners_are_white(self):
        for name in BMP_SIZES:
            if name.startswith("banner"):
                continue
            _, _, rgb = read_bmp(name)
            for y, x in ((0, 0), (0, -1), (-1, 0), (-1, -1)):
                self.assertEqual(tuple(rgb[y, x]), (255, 255, 255), name)

    def test_moon_phases_light_the_right_side_and_amount(self):
        for index in range(8):
            _, _, rgb = read_bmp("moon_%d.bmp" % (172 + index))
            grey = rgb.astype(float).mean(axis=2)
            ys, xs = np.mgrid[0:50, 0:50]
            disc = (xs - 24.5) ** 2 + (ys - 24.5) ** 2 <= 23.0 ** 2
            lit = (grey > 100) & disc
            # The unlit part must stand out from the white window as well.
            self.assertLess(grey[disc & ~lit].mean() if (disc & ~lit).any()
                            else 0, 120, index)
            expected = (1.0 - math.cos(math.radians(45.0 * index))) / 2.0
            self.assertAlmostEqual(lit.sum() / disc.sum(), expected, delta=0.04,
                                   msg="phase %d" % index)
            right = lit[:, 25:].sum()
            left = lit[:, :25].sum()
            if 1 <= index <= 3:
                self.assertGreater(right, left, "phase %d lit on the right" % index)
            elif 5 <= index <= 7:
                self.assertGreater(left, right, "phase %d lit on the left" % index)

    def test_banner_name_is_centred(self):
        _, _, rgb = read_bmp("banner_129.bmp")
        r, g, b = (rgb[:, 100:575, i].astype(int) for i in range(3))
        ys, xs = np.nonzero((r > 200) & (g > 150) & (b < 130))
        self.assertGreater(len(xs), 1000)
        self.assertLessEqual(abs((xs.min() + xs.max()) / 2.0 + 100 - 337), 1.5)
        self.assertLessEqual(abs((ys.min() + ys.max()) / 2.0 - 39.5), 1.5)
        self.assertGreaterEqual(ys.max() - ys.min() + 1, 36)


class Icons(unittest.TestCase):
    def test_pngs_are_rgba_with_transparent_corners(self):
        for size in make_pictures.ICON_SIZES:
            path = os.path.join(ICONS, "almanaxium-%d.png" % size)
            width, height, colour, rgba = read_png(path)
            self.assertEqual((width, height, colour), (size, size, 6))
            self.assertEqual(rgba[0, 0, 3], 0, size)
            self.assertEqual(rgba[size // 2, size // 2, 3], 255, size)

    def test_svg_is_well_formed(self):
        import xml.etree.ElementTree as ET
        root = ET.parse(os.path.join(ICONS, "almanaxium.svg")).getroot()
        self.assertEqual(root.get("viewBox"), "0 0 256 256")


class Remake(unittest.TestCase):
    def test_remaking_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as out:
            for path in make_pictures.make_all(out):
                relative = os.path.relpath(path, out)
                with open(path, "rb") as made, \
                        open(os.path.join(RESOURCES, relative), "rb") as kept:
                    self.assertEqual(made.read(), kept.read(), relative)


if __name__ == "__main__":
    unittest.main()
