#!/usr/bin/env python3
"""Draws Nestrel's icons and toolbar pictures.

Standard library only. Every picture is a list of filled shapes in a unit square,
rendered with 4x4 supersampling:
  resources/icons/<NAME>.png   icon resources compiled into the program (RGBA)
  resources/res/<name>.bmp     pictures the program reads at run time (24-bit BMP on a
                               plain background whose colour the program makes transparent)
  resources/desktop/nestrel-<size>.png   the application icon for desktop menus
Run it again after changing a drawing: python3 resources/art/make_art.py
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

# ---------------------------------------------------------------- shapes
# A shape is a function (x, y) -> bool in the unit square, y pointing down.


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def rrect(x0, y0, x1, y1, r=0.0):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        dx = max(x0 + r - x, 0.0, x - (x1 - r))
        dy = max(y0 + r - y, 0.0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r
    return inside


def poly(points):
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            xa, ya = points[i]
            xb, yb = points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < (xb - xa) * (y - ya) / (yb - ya) + xa:
                result = not result
        return result
    return inside


def capsule(ax, ay, bx, by, r):
    vx, vy = bx - ax, by - ay
    length2 = vx * vx + vy * vy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / length2))
        px, py = ax + t * vx - x, ay + t * vy - y
        return px * px + py * py <= r * r
    return inside


def arc(cx, cy, r_in, r_out, a0, a1):
    """Ring sector between angles a0..a1 (degrees, counter-clockwise, 0 = right)."""
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if d2 < r_in * r_in or d2 > r_out * r_out:
            return False
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360.0
        lo, hi = a0 % 360.0, a1 % 360.0
        return lo <= a <= hi if lo <= hi else (a >= lo or a <= hi)
    return inside


def heart(cx, cy, s):
    def inside(x, y):
        u = (x - cx) / s
        v = -(y - cy) / s + 0.15
        return (u * u + v * v - 1) ** 3 - u * u * v ** 3 <= 0
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


# ---------------------------------------------------------------- colours
INK = (40, 44, 52)
BLUE, BLUE_D = (66, 133, 214), (30, 78, 150)
GREEN, GREEN_D = (76, 175, 80), (36, 110, 44)
RED, RED_D = (220, 50, 47), (140, 20, 20)
PINK, PINK_D = (244, 143, 177), (194, 72, 120)
YELLOW, YELLOW_D = (255, 202, 40), (190, 130, 0)
ORANGE, ORANGE_D = (245, 124, 0), (170, 70, 0)
BROWN, BROWN_D = (141, 94, 60), (90, 56, 30)
TEAL, TEAL_D = (0, 137, 123), (0, 90, 80)
WHITE = (255, 255, 255)
CREAM = (255, 243, 214)
GREY = (120, 124, 130)


# ---------------------------------------------------------------- motifs
# Each motif returns a list of (shape, colour) layers, outline first.

def person(cx, cy, s, fill, dark):
    o = 0.03
    return [
        (union(circle(cx, cy - 0.17 * s, 0.14 * s + o), rrect(cx - 0.26 * s - o, cy + 0.0 * s - o, cx + 0.26 * s + o, cy + 0.34 * s + o, 0.14 * s + o)), dark),
        (union(circle(cx, cy - 0.17 * s, 0.14 * s), rrect(cx - 0.26 * s, cy, cx + 0.26 * s, cy + 0.34 * s, 0.14 * s)), fill),
    ]


def two_people(dx=0.0, dy=0.0, s=0.95):
    return person(0.34 + dx, 0.42 + dy, s, GREEN, GREEN_D) + person(0.64 + dx, 0.47 + dy, s, BLUE, BLUE_D)


def heart_layers(cx, cy, s, fill, dark, shine=True):
    layers = [(heart(cx, cy, s * 1.12), dark), (heart(cx, cy, s), fill)]
    if shine:
        layers.append((ellipse(cx - 0.45 * s, cy - 0.35 * s, 0.16 * s, 0.1 * s), (255, 255, 255, 150)))
    return layers


def pencil(x0, y0, x1, y1, w=0.08):
    """A pencil from its eraser end (x0, y0) to its tip (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy * w, ux * w
    tip_len = 0.22 * length
    bx, by = x1 - ux * tip_len, y1 - uy * tip_len
    ex, ey = x0 + ux * 0.12 * length, y0 + uy * 0.12 * length
    o = 0.025
    body = [(x0 + nx, y0 + ny), (bx + nx, by + ny), (bx - nx, by - ny), (x0 - nx, y0 - ny)]
    outline = poly([(x0 + nx * 1.5 - ux * o, y0 + ny * 1.5 - uy * o), (bx + nx * 1.5, by + ny * 1.5),
                    (x1 + ux * o * 2, y1 + uy * o * 2), (bx - nx * 1.5, by - ny * 1.5),
                    (x0 - nx * 1.5 - ux * o, y0 - ny * 1.5 - uy * o)])
    return [
        (outline, INK),
        (poly(body), YELLOW),
        (poly([(x0 + nx, y0 + ny), (ex + nx, ey + ny), (ex - nx, ey - ny), (x0 - nx, y0 - ny)]), PINK),
        (poly([(bx + nx, by + ny), (x1, y1), (bx - nx, by - ny)]), CREAM),
        (poly([(x1 - ux * tip_len * 0.35 + nx * 0.35, y1 - uy * tip_len * 0.35 + ny * 0.35), (x1, y1),
               (x1 - ux * tip_len * 0.35 - nx * 0.35, y1 - uy * tip_len * 0.35 - ny * 0.35)]), INK),
    ]


def sparkle(cx, cy, r, fill, dark):
    def star(rr):
        pts = []
        for k in range(8):
            a = math.pi / 4 * k
            d = rr if k % 2 == 0 else rr * 0.32
            pts.append((cx + d * math.cos(a), cy - d * math.sin(a)))
        return poly(pts)
    return [(star(r * 1.18), dark), (star(r), fill)]


def question(cx, cy, s, colour):
    return [
        (arc(cx, cy - 0.12 * s, 0.12 * s, 0.25 * s, -60, 200), colour),
        (capsule(cx + 0.12 * s, cy - 0.02 * s, cx, cy + 0.12 * s, 0.065 * s), colour),
        (capsule(cx, cy + 0.12 * s, cx, cy + 0.2 * s, 0.065 * s), colour),
        (circle(cx, cy + 0.36 * s, 0.08 * s), colour),
    ]


def badge(colour, dark):
    return [(circle(0.5, 0.5, 0.47), dark), (circle(0.5, 0.5, 0.43), colour)]


def cross(colour, w=0.09):
    return [(capsule(0.3, 0.3, 0.7, 0.7, w), colour), (capsule(0.7, 0.3, 0.3, 0.7, w), colour)]


def briefcase(y_shift=0.0):
    t = y_shift
    return [
        (minus(rrect(0.34, 0.16 + t, 0.66, 0.4 + t, 0.08), rrect(0.41, 0.23 + t, 0.59, 0.4 + t, 0.03)), BROWN_D),
        (rrect(0.08, 0.3 + t, 0.92, 0.86 + t, 0.09), BROWN_D),
        (rrect(0.12, 0.34 + t, 0.88, 0.82 + t, 0.06), BROWN),
        (rrect(0.12, 0.5 + t, 0.88, 0.55 + t), BROWN_D),
        (rrect(0.44, 0.46 + t, 0.56, 0.6 + t, 0.02), YELLOW),
    ]


def house(x0, y0, x1, y1, wall, roof, roof_d):
    w = x1 - x0
    h = y1 - y0
    top = y0 + h * 0.45
    return [
        (poly([(x0 - 0.04, top + 0.03), (x0 + w / 2, y0 - 0.02), (x1 + 0.04, top + 0.03)]), roof_d),
        (rrect(x0 + 0.05 * w, top - 0.02, x1 - 0.05 * w, y1 + 0.02, 0.02), roof_d),
        (rrect(x0 + 0.05 * w + 0.03, top, x1 - 0.05 * w - 0.03, y1 - 0.01), wall),
        (poly([(x0 + 0.02, top), (x0 + w / 2, y0 + 0.03), (x1 - 0.02, top)]), roof),
    ]


def magnifier(mark):
    """A magnifying glass with a mark inside: '+', '-' or a frame."""
    layers = [(capsule(0.62, 0.62, 0.9, 0.9, 0.09), BROWN_D), (circle(0.42, 0.42, 0.36), INK),
              (circle(0.42, 0.42, 0.29), WHITE)]
    if mark in ("+", "-"):
        layers.append((rrect(0.26, 0.38, 0.58, 0.46, 0.02), BLUE_D))
    if mark == "+":
        layers.append((rrect(0.38, 0.26, 0.46, 0.58, 0.02), BLUE_D))
    if mark == "fit":
        layers += [(rrect(0.27, 0.27, 0.57, 0.57, 0.02), BLUE_D), (rrect(0.32, 0.32, 0.52, 0.52), WHITE)]
    return layers


def shape_at(shape, dx, dy, scale):
    """The shape shrunk by `scale` and moved by (dx, dy)."""
    return lambda x, y: shape((x - dx) / scale, (y - dy) / scale)


def chart(boxes, links):
    """Name boxes joined by lines: boxes as (x0, y0, x1, y1), links as point pairs."""
    layers = [(capsule(ax, ay, bx, by, 0.035), INK) for (ax, ay), (bx, by) in links]
    for x0, y0, x1, y1 in boxes:
        layers += [(rrect(x0, y0, x1, y1, 0.03), BLUE_D), (rrect(x0 + 0.04, y0 + 0.04, x1 - 0.04, y1 - 0.04), WHITE)]
    return layers


def printer():
    return [(rrect(0.24, 0.08, 0.76, 0.4), GREY), (rrect(0.28, 0.12, 0.72, 0.4), WHITE),
            (rrect(0.06, 0.34, 0.94, 0.74, 0.06), INK), (rrect(0.1, 0.38, 0.9, 0.7, 0.04), GREY),
            (circle(0.8, 0.46, 0.04), GREEN), (rrect(0.24, 0.6, 0.76, 0.94), GREY), (rrect(0.28, 0.6, 0.72, 0.9), WHITE),
            (rrect(0.34, 0.7, 0.66, 0.73), GREY), (rrect(0.34, 0.78, 0.6, 0.81), GREY)]


# ---------------------------------------------------------------- pictures

def nestrel_icon():
    layers = [(rrect(0.04, 0.04, 0.96, 0.96, 0.2), TEAL_D), (rrect(0.08, 0.08, 0.92, 0.92, 0.17), TEAL)]
    layers += house(0.2, 0.16, 0.8, 0.82, CREAM, ORANGE, ORANGE_D)
    layers += heart_layers(0.5, 0.62, 0.13, RED, RED_D, shine=False)
    return layers


PICTURES = {
    "NESTREL": nestrel_icon,
    "ADD": lambda: badge(GREEN, GREEN_D) + [(rrect(0.24, 0.43, 0.76, 0.57, 0.03), WHITE), (rrect(0.43, 0.24, 0.57, 0.76, 0.03), WHITE)],
    "BASICEDIT": lambda: [(rrect(0.06, 0.16, 0.8, 0.78, 0.06), BLUE_D), (rrect(0.1, 0.2, 0.76, 0.74, 0.04), WHITE)]
        + person(0.27, 0.45, 0.55, BLUE, BLUE_D)
        + [(rrect(0.44, 0.34, 0.7, 0.39), GREY), (rrect(0.44, 0.46, 0.66, 0.51), GREY), (rrect(0.44, 0.58, 0.6, 0.63), GREY)]
        + pencil(0.92, 0.36, 0.52, 0.94, 0.07),
    "DELETE": lambda: badge(RED, RED_D) + cross(WHITE, 0.075),
    "FRIENDS": lambda: two_people(),
    "POSSFRIENDS": lambda: two_people(dx=-0.1, dy=0.05, s=0.85) + [(circle(0.78, 0.26, 0.2), ORANGE_D), (circle(0.78, 0.26, 0.17), ORANGE)] + question(0.78, 0.26, 0.48, WHITE),
    "CHEMFRIENDS": lambda: two_people(dy=0.06, s=0.85) + sparkle(0.5, 0.2, 0.17, YELLOW, ORANGE_D),
    "FRIENDEDIT": lambda: two_people(dx=-0.08, s=0.85) + pencil(0.95, 0.4, 0.6, 0.93, 0.07),
    "CHEMEDIT": lambda: sparkle(0.4, 0.42, 0.33, YELLOW, ORANGE_D) + pencil(0.95, 0.4, 0.6, 0.93, 0.07),
    "CAREER": lambda: briefcase(),
    "FRIENDFACE": lambda: [(circle(0.5, 0.5, 0.45), YELLOW_D), (circle(0.5, 0.5, 0.41), YELLOW),
                           (ellipse(0.36, 0.4, 0.06, 0.09), INK), (ellipse(0.64, 0.4, 0.06, 0.09), INK),
                           (arc(0.5, 0.5, 0.2, 0.27, 200, 340), INK)],
    "HEARTRED": lambda: heart_layers(0.5, 0.48, 0.36, RED, RED_D),
    "HEARTREDSMALL": lambda: heart_layers(0.5, 0.48, 0.36, RED, RED_D),
    "HEARTPINK": lambda: heart_layers(0.5, 0.48, 0.36, PINK, PINK_D),
}

TREE_TOOL_ICONS = {"TREEZOOMIN": "zoomin", "TREEZOOMOUT": "zoomout", "TREEZOOMFIT": "zoomfit",
                   "TREESIDEWAYS": "sideways", "TREEDESCENDANTS": "descendants", "TREEPRINT": "print",
                   "TREEPREVIEW": "printpreview"}

ICON_SIZES = {"NESTREL": 64, "HEARTREDSMALL": 16, "HEARTPINK": 16}  # others: 32

BMPS = {
    "help.bmp": (24, lambda: badge(BLUE, BLUE_D) + question(0.5, 0.47, 0.9, WHITE)),
    "refresh.bmp": (24, lambda: [(arc(0.5, 0.5, 0.22, 0.36, 110, 400), GREEN_D),
                                 (poly([(0.5, 0.02), (0.5, 0.42), (0.22, 0.22)]), GREEN_D)]),
    "homeless.bmp": (24, lambda: house(0.12, 0.14, 0.88, 0.86, CREAM, BROWN, BROWN_D)
                     + [(rrect(0.42, 0.58, 0.58, 0.86), BROWN_D), (capsule(0.16, 0.86, 0.84, 0.2, 0.06), RED)]),
    "matchmaker.bmp": (24, lambda: heart_layers(0.36, 0.4, 0.26, PINK, PINK_D, False) + heart_layers(0.63, 0.6, 0.26, RED, RED_D, False)),
    "careerinfo1.bmp": (24, lambda: briefcase(y_shift=0.02)),
    "newtree.bmp": (24, lambda: [(rrect(0.43, 0.55, 0.57, 0.95, 0.03), BROWN_D),
                                 (circle(0.5, 0.34, 0.3), GREEN_D), (circle(0.32, 0.5, 0.2), GREEN_D), (circle(0.68, 0.5, 0.2), GREEN_D),
                                 (circle(0.5, 0.34, 0.26), GREEN), (circle(0.32, 0.5, 0.16), GREEN), (circle(0.68, 0.5, 0.16), GREEN)]),
    "close.bmp": (24, lambda: cross(RED, 0.1)),
    "heart_red.bmp": (32, lambda: heart_layers(0.5, 0.48, 0.36, RED, RED_D)),
    **{name + ".bmp": (24, draw) for name, draw in (
        ("zoomin", lambda: magnifier("+")),
        ("zoomout", lambda: magnifier("-")),
        ("zoomfit", lambda: magnifier("fit")),
        ("sideways", lambda: chart([(0.02, 0.38, 0.36, 0.62), (0.62, 0.08, 0.98, 0.32), (0.62, 0.68, 0.98, 0.92)],
                                   [((0.36, 0.5), (0.62, 0.2)), ((0.36, 0.5), (0.62, 0.8))])),
        ("descendants", lambda: chart([(0.3, 0.04, 0.7, 0.3), (0.02, 0.7, 0.42, 0.96), (0.58, 0.7, 0.98, 0.96)],
                                      [((0.5, 0.3), (0.22, 0.7)), ((0.5, 0.3), (0.78, 0.7))])),
        ("print", printer),
        ("printpreview", lambda: [(rrect(0.08, 0.04, 0.7, 0.86, 0.03), GREY), (rrect(0.12, 0.08, 0.66, 0.82), WHITE),
                                  (rrect(0.2, 0.18, 0.58, 0.22), GREY), (rrect(0.2, 0.3, 0.52, 0.34), GREY)]
                                 + [(shape_at(sh, 0.32, 0.32, 0.66), colour) for sh, colour in magnifier("")]),
    )},
}

# The colour the program turns transparent (the top-left pixel): the usual light theme's
# window colour, so soft edges blend in.
BMP_BACKGROUND = (246, 245, 244)


# ---------------------------------------------------------------- rendering

def render(layers, size, samples=4):
    """Returns rows of RGBA float tuples (0..1)."""
    step = 1.0 / (size * samples)
    offsets = [(i + 0.5) * step for i in range(samples)]
    pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]
    total = samples * samples
    for shape, colour in layers:
        cr, cg, cb = (c / 255.0 for c in colour[:3])
        ca = colour[3] / 255.0 if len(colour) > 3 else 1.0
        for py in range(size):
            row = pixels[py]
            for px in range(size):
                hits = 0
                for oy in offsets:
                    y = py / size + oy
                    for ox in offsets:
                        if shape(px / size + ox, y):
                            hits += 1
                if hits == 0:
                    continue
                a = ca * hits / total
                r0, g0, b0, a0 = row[px]
                out_a = a + a0 * (1 - a)
                row[px] = ((cr * a + r0 * a0 * (1 - a)) / out_a,
                           (cg * a + g0 * a0 * (1 - a)) / out_a,
                           (cb * a + b0 * a0 * (1 - a)) / out_a, out_a)
    return pixels


def write_png(path, pixels):
    size = len(pixels)
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((round(r * 255), round(g * 255), round(b * 255), round(a * 255)))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def write_bmp(path, pixels, background):
    size = len(pixels)
    stride = (size * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b, a in row:
            mix = [round((c * a + bg / 255.0 * (1 - a)) * 255) for c, bg in zip((r, g, b), background)]
            line += bytes((mix[2], mix[1], mix[0]))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def main():
    icons = os.path.join(ROOT, "icons")
    res = os.path.join(ROOT, "res")
    desktop = os.path.join(ROOT, "desktop")
    for folder in (icons, res, desktop):
        os.makedirs(folder, exist_ok=True)
    for name, draw in PICTURES.items():
        write_png(os.path.join(icons, name + ".png"), render(draw(), ICON_SIZES.get(name, 32)))
    for name, bmp in TREE_TOOL_ICONS.items():
        write_png(os.path.join(icons, name + ".png"), render(BMPS[bmp + ".bmp"][1](), 24))
    for name, (size, draw) in BMPS.items():
        write_bmp(os.path.join(res, name), render(draw(), size), BMP_BACKGROUND)
    for size in (48, 128, 256):
        samples = 4 if size <= 128 else 2
        write_png(os.path.join(desktop, "nestrel-%d.png" % size), render(nestrel_icon(), size, samples))


if __name__ == "__main__":
    main()
