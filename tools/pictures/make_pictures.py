#!/usr/bin/python3
"""Draws Almanaxium's pictures: the banner, the Sun, the Moon's phases and the
program icon.

Everything is drawn here from geometric shapes; nothing is read except the
DejaVu Sans Bold font for the product name on the banner.  Shapes are sampled
on a finer grid and averaged down, which gives smooth edges.  The output is
deterministic: the same packages give byte-identical files.

Usage: make_pictures.py [--out DIR] [--sheet FILE.png]
  --out DIR     folder that holds bitmaps/ and icons/ (default: resources/)
  --sheet FILE  also write a contact sheet of everything, enlarged
"""

import argparse
import math
import os
import struct
import sys
import zlib

try:
    import numpy as np
    from PIL import Image, ImageDraw, ImageFilter, ImageFont
except ImportError as error:
    sys.exit("make_pictures.py needs numpy and Pillow "
             "(Debian: apt-get install python3-numpy python3-pil): %s" % error)

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "..", "resources"))
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

WHITE = (255.0, 255.0, 255.0)


# ---------------------------------------------------------------- helpers

def sample_grid(width, height, ss):
    """Coordinates, in output pixels, of the centres of an ss x ss grid of
    samples in each pixel.  Returns (x, y), each of shape (height*ss, width*ss)."""
    xs = (np.arange(width * ss, dtype=np.float64) + 0.5) / ss
    ys = (np.arange(height * ss, dtype=np.float64) + 0.5) / ss
    return np.meshgrid(xs, ys)


def downsample(image, ss):
    """Averages ss x ss blocks of an (H*ss, W*ss, C) array."""
    h, w, c = image.shape
    return image.reshape(h // ss, ss, w // ss, ss, c).mean(axis=(1, 3))


def smoothstep(edge0, edge1, x):
    t = np.clip((x - edge0) / (edge1 - edge0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def blend(base, colour, alpha):
    """Paints colour (an RGB triple or an (H, W, 3) array) over base with the
    coverage alpha (H, W)."""
    a = alpha[..., None]
    return base * (1.0 - a) + np.asarray(colour, dtype=np.float64) * a


def lerp_colour(c0, c1, t):
    c0 = np.asarray(c0, dtype=np.float64)
    c1 = np.asarray(c1, dtype=np.float64)
    return c0 + (c1 - c0) * t[..., None]


def gradient(stops, t):
    """Piecewise linear colour ramp; stops is [(position, (r, g, b)), ...]."""
    positions = [p for p, _ in stops]
    return np.stack([np.interp(t, positions, [c[i] for _, c in stops])
                     for i in range(3)], axis=-1)


def to_bytes(image):
    return np.clip(np.rint(image), 0, 255).astype(np.uint8)


def write_bmp(path, rgb):
    """Uncompressed 24-bit BMP, bottom-up rows, BITMAPINFOHEADER."""
    height, width, _ = rgb.shape
    row_size = (width * 3 + 3) & ~3
    padding = b"\0" * (row_size - width * 3)
    bgr = rgb[:, :, ::-1]
    rows = [bgr[y].tobytes() + padding for y in range(height - 1, -1, -1)]
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0,
                       len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels),
                         0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def write_png(path, rgba):
    """8-bit RGBA PNG without any ancillary chunks."""
    height, width, _ = rgba.shape

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + rgba[y].tobytes() for y in range(height))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------- the Moon

# Dark plains of the near side as soft ellipses on the unit disc, north up,
# east (the side that faces the evening Sun) to the right:
# (x, y, radius x, radius y, darkness).  Several ellipses make up one plain.
MARIA = [
    # Oceanus Procellarum, the wide western plain
    (-0.58, 0.08, 0.26, 0.42, 0.75),
    (-0.72, 0.30, 0.14, 0.24, 0.70),
    (-0.46, -0.22, 0.22, 0.22, 0.70),
    (-0.30, -0.08, 0.18, 0.16, 0.55),
    # Mare Imbrium
    (-0.25, 0.45, 0.30, 0.22, 0.95),
    # Mare Frigoris, a thin band in the north
    (-0.05, 0.74, 0.46, 0.08, 0.45),
    # Mare Serenitatis and Mare Vaporum
    (0.20, 0.42, 0.18, 0.16, 0.95),
    (0.00, 0.25, 0.12, 0.09, 0.65),
    # Mare Tranquillitatis
    (0.36, 0.12, 0.22, 0.17, 0.95),
    (0.27, -0.02, 0.14, 0.10, 0.80),
    # Mare Crisium, the oval by the eastern limb
    (0.72, 0.30, 0.12, 0.10, 1.00),
    # Mare Fecunditatis
    (0.58, -0.12, 0.14, 0.20, 0.85),
    # Mare Nectaris
    (0.36, -0.32, 0.10, 0.10, 0.80),
    # Mare Nubium
    (-0.15, -0.38, 0.22, 0.15, 0.75),
    # Mare Humorum
    (-0.46, -0.44, 0.10, 0.10, 0.85),
]


def maria_darkness(x, y):
    """0 on the highlands, up to 1 in the middle of a plain."""
    # Overlapping ellipses merge into one plain rather than darkening twice.
    light = np.ones_like(x)
    for cx, cy, rx, ry, depth in MARIA:
        d2 = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
        light *= 1.0 - depth * np.exp(-1.6 * d2 * d2)
    return np.clip(1.0 - light, 0.0, 1.0)


MOON_HIGHLAND = np.array([224.0, 223.0, 218.0])
MOON_MARE = np.array([146.0, 147.0, 150.0])
MOON_NIGHT = np.array([72.0, 74.0, 82.0])
MOON_NIGHT_MARE = np.array([65.0, 67.0, 75.0])


def moon_surface(x, y, z, sun):
    """Colour of the Moon at disc points (x, y) (unit disc, y up), z towards the
    viewer, lit from the unit vector sun.  Returns (colour, lit amount)."""
    dark = maria_darkness(x, y)
    day = lerp_colour(MOON_HIGHLAND, MOON_MARE, dark)
    # The limb is a little darker, and the ground a little dimmer where the
    # Sun stands low; the full Moon stays bright.
    cos_sun = x * sun[0] + y * sun[1] + z * sun[2]
    day = day * (0.86 + 0.14 * np.sqrt(z))[..., None]
    day = day * (0.88 + 0.12 * np.sqrt(np.clip(cos_sun, 0.0, 1.0)))[..., None]
    night = lerp_colour(MOON_NIGHT, MOON_NIGHT_MARE, dark)
    lit = smoothstep(-0.03, 0.03, cos_sun)
    return night + (day - night) * lit[..., None], lit


def sun_direction(elongation_deg):
    """Direction of the Sun seen from the Moon, in the viewer's frame (x right,
    y up, z towards the viewer), for the Moon's elongation from the Sun: 0 is
    new, 90 first quarter (lit on the right), 180 full, 270 last quarter."""
    e = math.radians(elongation_deg)
    return (math.sin(e), 0.0, -math.cos(e))


def draw_moon(elongation_deg, size=50, radius=23.5, ss=8):
    px, py = sample_grid(size, size, ss)
    c = size / 2.0
    x = (px - c) / radius
    y = (c - py) / radius
    r2 = x * x + y * y
    z = np.sqrt(np.clip(1.0 - r2, 0.0, 1.0))
    colour, _ = moon_surface(x, y, z, sun_direction(elongation_deg))
    image = np.empty(x.shape + (3,))
    image[:] = WHITE
    image = blend(image, colour, (r2 <= 1.0).astype(np.float64))
    return to_bytes(downsample(image, ss))


# ---------------------------------------------------------------- the Sun

SUN_CORE = (255.0, 244.0, 168.0)
SUN_MID = (255.0, 212.0, 70.0)
SUN_LIMB = (248.0, 160.0, 34.0)
SUN_GLOW = (255.0, 190.0, 80.0)


def sun_disc_colour(t):
    """Colour across the Sun's disc, t = 0 at the centre, 1 at the limb."""
    return gradient([(0.0, SUN_CORE), (0.55, SUN_MID), (1.0, SUN_LIMB)], t)


def draw_sun(size=60, ss=8):
    px, py = sample_grid(size, size, ss)
    c = size / 2.0
    dx, dy = px - c, py - c
    r = np.hypot(dx, dy)
    theta = np.arctan2(dy, dx)
    disc_r = 16.5
    image = np.empty(r.shape + (3,))
    image[:] = WHITE

    # A soft halo that has faded out well inside the picture.
    glow = 0.55 * np.exp(-(r - disc_r) / 3.2) * (1.0 - smoothstep(22.0, 28.0, r))
    image = blend(image, SUN_GLOW, np.clip(glow, 0.0, 1.0) * (r > disc_r))

    # Twelve short tapered rays.
    count, r0, r1, half_base = 12, 19.0, 27.5, 2.4
    step = 2.0 * math.pi / count
    delta = (theta + step / 2.0) % step - step / 2.0
    across = np.abs(r * np.sin(delta))
    along = (r - r0) / (r1 - r0)
    ray = (along >= 0.0) & (along <= 1.0) & (across <= half_base * (1.0 - along))
    ray_colour = lerp_colour((252.0, 196.0, 56.0), (250.0, 150.0, 30.0),
                             np.clip(along, 0.0, 1.0))
    image = blend(image, ray_colour, ray.astype(np.float64))

    image = blend(image, sun_disc_colour(np.clip(r / disc_r, 0.0, 1.0)),
                  (r <= disc_r).astype(np.float64))
    return to_bytes(downsample(image, ss))


# ---------------------------------------------------------------- the banner

BANNER_W, BANNER_H = 675, 80
BANNER_TOP = (9.0, 19.0, 48.0)
BANNER_BOTTOM = (24.0, 48.0, 100.0)
NAME = "Almanaxium"
NAME_TOP = (255.0, 226.0, 112.0)
NAME_BOTTOM = (250.0, 188.0, 44.0)

BANNER_SUN = (-6.0, 40.0, 36.0)     # centre x, centre y, radius
BANNER_MOON = (680.0, 40.0, 33.0)


def name_mask(font_px):
    """Coverage of the product name, centred on the banner, and its ink box."""
    font = ImageFont.truetype(FONT_BOLD, font_px,
                              layout_engine=ImageFont.Layout.BASIC)
    probe = Image.new("L", (BANNER_W * 2, BANNER_H * 2), 0)
    ImageDraw.Draw(probe).text((20, 20), NAME, font=font, fill=255)
    left, top, right, bottom = probe.getbbox()
    # Put the middle of the ink on the middle of the banner, to whole pixels
    # so that the hinted glyphs stay sharp.
    ox = int(round((BANNER_W - (right - left)) / 2.0)) - (left - 20)
    oy = int(round((BANNER_H - (bottom - top)) / 2.0)) - (top - 20)
    mask = Image.new("L", (BANNER_W, BANNER_H), 0)
    ImageDraw.Draw(mask).text((ox, oy), NAME, font=font, fill=255)
    return mask, mask.getbbox()


def draw_banner(ss=4):
    px, py = sample_grid(BANNER_W, BANNER_H, ss)
    t = py / BANNER_H
    image = lerp_colour(BANNER_TOP, BANNER_BOTTOM, t)

    # Sun cut by the left edge, with a warm haze around it.
    sx, sy, sr = BANNER_SUN
    r = np.hypot(px - sx, py - sy)
    haze = 0.50 * np.exp(-(r - sr) / 14.0) * (r > sr)
    image = blend(image, (240.0, 150.0, 60.0), np.clip(haze, 0.0, 1.0))
    image = blend(image, sun_disc_colour(np.clip(r / sr, 0.0, 1.0)),
                  (r <= sr).astype(np.float64))

    # Full Moon cut by the right edge, with a faint cool halo.
    mx, my, mr = BANNER_MOON
    x = (px - mx) / mr
    y = (my - py) / mr
    r2 = x * x + y * y
    halo = 0.16 * np.exp(-(np.sqrt(r2) - 1.0) * mr / 9.0) * (r2 > 1.0)
    image = blend(image, (170.0, 190.0, 230.0), np.clip(halo, 0.0, 1.0))
    z = np.sqrt(np.clip(1.0 - r2, 0.0, 1.0))
    colour, _ = moon_surface(x, y, z, sun_direction(180.0))
    image = blend(image, colour, (r2 <= 1.0).astype(np.float64))

    image = downsample(image, ss)
    ys, xs = np.mgrid[0:BANNER_H, 0:BANNER_W]

    mask, (left, top, right, bottom) = name_mask(56)

    # A few faint stars in the open sky, away from the Sun, Moon and name.
    rng = np.random.RandomState(129)
    placed = 0
    while placed < 34:
        x0 = rng.uniform(2.0, BANNER_W - 3.0)
        y0 = rng.uniform(2.0, BANNER_H - 3.0)
        strength = rng.uniform(0.18, 0.55)
        if math.hypot(x0 - sx, y0 - sy) < sr + 40.0:
            continue
        if math.hypot(x0 - mx, y0 - my) < mr + 22.0:
            continue
        if left - 8 < x0 < right + 8 and top - 6 < y0 < bottom + 6:
            continue
        # Stars fade towards the lighter bottom of the band.
        strength *= 1.0 - 0.5 * (y0 / BANNER_H)
        spread = 0.55 if rng.uniform() < 0.8 else 0.9
        d2 = (xs - x0) ** 2 + (ys - y0) ** 2
        star = strength * np.exp(-d2 / (2.0 * spread * spread))
        image = blend(image, (228.0, 234.0, 255.0), np.clip(star, 0.0, 1.0))
        placed += 1

    # The name, gold from top to bottom, over a soft shadow.
    alpha = np.asarray(mask, dtype=np.float64) / 255.0
    shadow_img = mask.filter(ImageFilter.GaussianBlur(2.0))
    shadow = np.asarray(shadow_img, dtype=np.float64) / 255.0
    shadow = np.roll(np.roll(shadow, 1, axis=0), 1, axis=1)
    image = blend(image, (4.0, 8.0, 24.0), 0.65 * shadow)
    tn = np.clip((ys - top) / float(max(1, bottom - top)), 0.0, 1.0)
    image = blend(image, lerp_colour(NAME_TOP, NAME_BOTTOM, tn), alpha)
    return to_bytes(image)


# ---------------------------------------------------------------- the icon
# One design, written out as SVG and sampled for the PNGs.  Units are those of
# a 256 x 256 view box, y down.

ICON_BOX = (8.0, 8.0, 240.0, 240.0, 48.0)          # x, y, width, height, corner
ICON_SKY = [(0.0, "#2a4c90"), (1.0, "#0c1a3e")]    # top to bottom of the box
ICON_SUN = (90.0, 90.0, 48.0)
ICON_SUN_FILL = [(0.0, "#fff4b8"), (0.55, "#ffd24a"), (1.0, "#ffa424")]
ICON_GLOW_R = 80.0
ICON_GLOW = [(0.55, "#ffc640", 0.50), (1.0, "#ffc640", 0.0)]
ICON_MOON = (168.0, 168.0, 58.0)                   # the Moon's whole disc
ICON_MOON_CUT = (194.0, 194.0, 52.0)               # the dark part cut from it
ICON_MOON_FILL = [(0.0, "#f4f6fa"), (1.0, "#c9d0dc")]
ICON_STARS = [(204.0, 58.0, 5.0), (228.0, 100.0, 3.5), (170.0, 32.0, 3.0),
              (50.0, 200.0, 4.0), (84.0, 226.0, 3.0)]
ICON_STAR_COLOUR = "#e8eeff"
ICON_STAR_OPACITY = 0.85
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def hex_rgb(text):
    return tuple(float(int(text[i:i + 2], 16)) for i in (1, 3, 5))


def crescent_path():
    """SVG path of the lit crescent: the disc ICON_MOON less ICON_MOON_CUT."""
    (x1, y1, r1), (x2, y2, r2) = ICON_MOON, ICON_MOON_CUT
    d = math.hypot(x2 - x1, y2 - y1)
    ux, uy = (x2 - x1) / d, (y2 - y1) / d
    a = (d * d + r1 * r1 - r2 * r2) / (2.0 * d)
    h = math.sqrt(r1 * r1 - a * a)
    mx, my = x1 + a * ux, y1 + a * uy
    p = (mx - h * uy, my + h * ux)
    q = (mx + h * uy, my - h * ux)

    def arc_flags(cx, cy, start, via, end):
        """Large-arc and sweep flags of the arc round (cx, cy) from start to
        end that passes through via."""
        def angle(point):
            return math.atan2(point[1] - cy, point[0] - cx)
        span = (angle(end) - angle(start)) % (2.0 * math.pi)
        to_via = (angle(via) - angle(start)) % (2.0 * math.pi)
        if to_via < span:
            return int(span > math.pi), 1
        return int(2.0 * math.pi - span > math.pi), 0

    far = (x1 - r1 * ux, y1 - r1 * uy)      # the lit limb, towards the Sun
    near = (x2 - r2 * ux, y2 - r2 * uy)     # the inner edge of the crescent
    la1, sw1 = arc_flags(x1, y1, p, far, q)
    la2, sw2 = arc_flags(x2, y2, q, near, p)
    f = lambda v: ("%.3f" % v).rstrip("0").rstrip(".")
    return ("M%s,%s A%s,%s 0 %d,%d %s,%s A%s,%s 0 %d,%d %s,%s Z"
            % (f(p[0]), f(p[1]), f(r1), f(r1), la1, sw1, f(q[0]), f(q[1]),
               f(r2), f(r2), la2, sw2, f(p[0]), f(p[1])))


def icon_svg():
    bx, by, bw, bh, br = ICON_BOX
    sx, sy, sr = ICON_SUN
    mx, my, mr = ICON_MOON
    moon_top = my - mr
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
        'viewBox="0 0 256 256">',
        '  <title>Almanaxium</title>',
        '  <defs>',
        '    <linearGradient id="sky" gradientUnits="userSpaceOnUse" '
        'x1="0" y1="%g" x2="0" y2="%g">' % (by, by + bh),
    ]
    lines += ['      <stop offset="%g" stop-color="%s"/>' % s for s in ICON_SKY]
    lines += [
        '    </linearGradient>',
        '    <radialGradient id="glow" gradientUnits="userSpaceOnUse" '
        'cx="%g" cy="%g" r="%g">' % (sx, sy, ICON_GLOW_R),
    ]
    lines += ['      <stop offset="%g" stop-color="%s" stop-opacity="%g"/>' % s
              for s in ICON_GLOW]
    lines += [
        '    </radialGradient>',
        '    <radialGradient id="sun" gradientUnits="userSpaceOnUse" '
        'cx="%g" cy="%g" r="%g">' % (sx, sy, sr),
    ]
    lines += ['      <stop offset="%g" stop-color="%s"/>' % s
              for s in ICON_SUN_FILL]
    lines += [
        '    </radialGradient>',
        '    <linearGradient id="moon" gradientUnits="userSpaceOnUse" '
        'x1="%g" y1="%g" x2="%g" y2="%g">' % (mx - mr, moon_top, mx + mr,
                                               my + mr),
    ]
    lines += ['      <stop offset="%g" stop-color="%s"/>' % s
              for s in ICON_MOON_FILL]
    lines += [
        '    </linearGradient>',
        '  </defs>',
        '  <rect x="%g" y="%g" width="%g" height="%g" rx="%g" ry="%g" '
        'fill="url(#sky)"/>' % (bx, by, bw, bh, br, br),
    ]
    for x, y, r in ICON_STARS:
        lines.append('  <circle cx="%g" cy="%g" r="%g" fill="%s" '
                     'fill-opacity="%g"/>' % (x, y, r, ICON_STAR_COLOUR,
                                              ICON_STAR_OPACITY))
    lines += [
        '  <circle cx="%g" cy="%g" r="%g" fill="url(#glow)"/>'
        % (sx, sy, ICON_GLOW_R),
        '  <circle cx="%g" cy="%g" r="%g" fill="url(#sun)"/>' % (sx, sy, sr),
        '  <path d="%s" fill="url(#moon)"/>' % crescent_path(),
        '</svg>',
    ]
    return "\n".join(lines) + "\n"


def rounded_rect_inside(x, y, box):
    bx, by, bw, bh, br = box
    cx = np.clip(x, bx + br, bx + bw - br)
    cy = np.clip(y, by + br, by + bh - br)
    inside_box = (x >= bx) & (x <= bx + bw) & (y >= by) & (y <= by + bh)
    return inside_box & ((x - cx) ** 2 + (y - cy) ** 2 <= br * br)


def draw_icon(size):
    ss = max(4, 1024 // size)
    px, py = sample_grid(size, size, ss)
    x = px * 256.0 / size
    y = py * 256.0 / size
    # Premultiplied colour and coverage.
    rgb = np.zeros(x.shape + (3,))
    alpha = np.zeros(x.shape)

    def paint(colour, cover):
        nonlocal rgb, alpha
        cover = cover.astype(np.float64)
        rgb = rgb * (1.0 - cover)[..., None] + colour * cover[..., None]
        alpha = alpha * (1.0 - cover) + cover

    bx, by, bw, bh, _ = ICON_BOX
    sky = gradient([(p, hex_rgb(c)) for p, c in ICON_SKY],
                   np.clip((y - by) / bh, 0.0, 1.0))
    paint(sky, rounded_rect_inside(x, y, ICON_BOX))

    star = np.asarray(hex_rgb(ICON_STAR_COLOUR))
    for cx, cy, r in ICON_STARS:
        paint(star, ((x - cx) ** 2 + (y - cy) ** 2 <= r * r) * ICON_STAR_OPACITY)

    sx, sy, sr = ICON_SUN
    rs = np.hypot(x - sx, y - sy)
    positions = [0.0] + [p for p, _, _ in ICON_GLOW]
    glow_alpha = np.interp(rs / ICON_GLOW_R, positions,
                           [ICON_GLOW[0][2]] + [o for _, _, o in ICON_GLOW])
    glow_rgb = np.asarray(hex_rgb(ICON_GLOW[0][1]))
    paint(glow_rgb, glow_alpha * (rs <= ICON_GLOW_R))
    sun = gradient([(p, hex_rgb(c)) for p, c in ICON_SUN_FILL],
                   np.clip(rs / sr, 0.0, 1.0))
    paint(sun, rs <= sr)

    (mx, my, mr), (cx, cy, cr) = ICON_MOON, ICON_MOON_CUT
    lit = (((x - mx) ** 2 + (y - my) ** 2 <= mr * mr)
           & ((x - cx) ** 2 + (y - cy) ** 2 > cr * cr))
    t = np.clip(((x - (mx - mr)) + (y - (my - mr))) / (4.0 * mr), 0.0, 1.0)
    moon = gradient([(p, hex_rgb(c)) for p, c in ICON_MOON_FILL], t)
    paint(moon, lit)

    rgb = downsample(rgb, ss)
    alpha = downsample(alpha[..., None], ss)[..., 0]
    safe = np.where(alpha > 0.0, alpha, 1.0)
    colour = np.where(alpha[..., None] > 0.0, rgb / safe[..., None], 0.0)
    return np.dstack([to_bytes(colour), to_bytes(alpha * 255.0)])


# ---------------------------------------------------------------- output

# Picture number -> elongation of the Moon, northern-hemisphere view.
NORTH_MOONS = {172 + i: 45.0 * i for i in range(8)}
# Southern-hemisphere view of phases 1..7: the northern picture turned over.
SOUTH_MOONS = {289 + i: 173 + i for i in range(7)}


def make_all(out_dir):
    bitmaps = os.path.join(out_dir, "bitmaps")
    icons = os.path.join(out_dir, "icons")
    os.makedirs(bitmaps, exist_ok=True)
    os.makedirs(icons, exist_ok=True)
    made = []

    def bmp(name, pixels):
        path = os.path.join(bitmaps, name)
        write_bmp(path, pixels)
        made.append(path)

    bmp("banner_129.bmp", draw_banner())
    bmp("sun_288.bmp", draw_sun())
    moons = {}
    for number, elongation in sorted(NORTH_MOONS.items()):
        moons[number] = draw_moon(elongation)
        bmp("moon_%d.bmp" % number, moons[number])
    for number, north in sorted(SOUTH_MOONS.items()):
        bmp("moon_%d.bmp" % number, np.ascontiguousarray(moons[north][::-1, ::-1]))

    path = os.path.join(icons, "almanaxium.svg")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(icon_svg())
    made.append(path)
    for size in ICON_SIZES:
        path = os.path.join(icons, "almanaxium-%d.png" % size)
        write_png(path, draw_icon(size))
        made.append(path)
    return made


def make_sheet(out_dir, sheet_path, scale=3):
    """All pictures enlarged on light grey, for looking them over."""
    bitmaps = os.path.join(out_dir, "bitmaps")
    icons = os.path.join(out_dir, "icons")
    font = ImageFont.truetype(FONT_BOLD.replace("-Bold", ""), 13)
    grey = (214, 214, 214)

    def enlarged(name):
        im = Image.open(os.path.join(bitmaps, name)).convert("RGB")
        return im.resize((im.width * scale, im.height * scale), Image.NEAREST)

    rows = [[("banner_129", enlarged("banner_129.bmp"))],
            [("sun_288", enlarged("sun_288.bmp"))]
            + [("moon_%d" % n, enlarged("moon_%d.bmp" % n)) for n in range(172, 180)],
            [("", Image.new("RGB", (50 * scale, 50 * scale), grey))]
            + [("", Image.new("RGB", (50 * scale, 50 * scale), grey))]
            + [("moon_%d" % n, enlarged("moon_%d.bmp" % n)) for n in range(289, 296)]]
    icon_row = []
    for size in ICON_SIZES:
        im = Image.open(os.path.join(icons, "almanaxium-%d.png" % size))
        k = max(1, min(scale, 256 // size))
        big = im.resize((size * k, size * k), Image.NEAREST)
        tile = Image.new("RGB", big.size, grey)
        tile.paste(big, (0, 0), big)
        icon_row.append(("%dpx x%d" % (size, k), tile))
    rows.append(icon_row)
    plain_row = []
    for size in ICON_SIZES:
        im = Image.open(os.path.join(icons, "almanaxium-%d.png" % size))
        for background in (grey, (255, 255, 255), (40, 40, 40)):
            tile = Image.new("RGB", im.size, background)
            tile.paste(im, (0, 0), im)
            plain_row.append(("%d" % size if background == grey else "", tile))
    rows.append(plain_row)

    gap, label_h = 14, 18
    width = max(sum(im.width + gap for _, im in row) for row in rows) + gap
    height = sum(max(im.height for _, im in row) + label_h + gap
                 for row in rows) + gap
    sheet = Image.new("RGB", (width, height), grey)
    draw = ImageDraw.Draw(sheet)
    y = gap
    for row in rows:
        x = gap
        for label, im in row:
            draw.text((x, y), label, fill=(40, 40, 40), font=font)
            sheet.paste(im, (x, y + label_h))
            x += im.width + gap
        y += max(im.height for _, im in row) + label_h + gap
    sheet.save(sheet_path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=DEFAULT_OUT,
                        help="folder for bitmaps/ and icons/ (default: %(default)s)")
    parser.add_argument("--sheet", help="also write a contact sheet PNG here")
    args = parser.parse_args()
    for path in make_all(args.out):
        print(os.path.relpath(path))
    if args.sheet:
        make_sheet(args.out, args.sheet)
        print(args.sheet)


if __name__ == "__main__":
    main()
