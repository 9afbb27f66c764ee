#!/usr/bin/env python3
"""Draws Tesvar's icon and button images and writes them under src/app/win32/res/.

    python3 tools/make-icons.py [output folder]

Only the standard library. The output is deterministic, so the committed files only change
when this script does.

  tesvar.ico    the program icon: 32x32 and 16x16, 32-bit with alpha plus the 1-bit mask
                (XP draws the mask where it cannot use the alpha channel)
  toolbar.bmp   five 16x16 toolbar images in one strip: save, add, change, batch open, delete
  delunchecked.bmp, delall.bmp
                the two picture buttons: delete unticked entries, delete all

The bitmaps are 24-bit with magenta (255,0,255) as the transparent key, the colour the image
lists are loaded with. They are drawn as pixel art with hard edges: an anti-aliased edge would
blend into magenta and leave a pink fringe once the key is removed.
"""

import math
import os
import struct
import sys

MAGENTA = (255, 0, 255)

# Pixel-art palette; '.' is the transparent key.
PALETTE = {
    ".": MAGENTA,
    "k": (32, 32, 32),  # outline
    "n": (34, 58, 140),  # disk body
    "g": (192, 192, 192),  # metal
    "G": (96, 96, 96),  # dark metal, slot
    "w": (255, 255, 255),
    "l": (128, 128, 128),  # text lines
    "o": (150, 100, 16),  # folder outline
    "Y": (230, 170, 40),  # folder back
    "y": (255, 214, 90),  # folder front
    "h": (255, 240, 170),  # highlight
    "e": (30, 160, 40),  # green
    "E": (16, 96, 24),  # dark green
    "r": (225, 30, 30),  # red
    "R": (140, 10, 10),  # dark red
    "p": (240, 130, 140),  # eraser
    "t": (232, 196, 140),  # wood
}

SAVE = [
    "................",
    ".kkkkkkkkkkkkk..",
    ".knnggggggggnnk.",
    ".knnggggGGggnnk.",
    ".knnggggGGggnnk.",
    ".knnggggggggnnk.",
    ".knnnnnnnnnnnnk.",
    ".knnnnnnnnnnnnk.",
    ".knwwwwwwwwwwnk.",
    ".knwllllllllwnk.",
    ".knwwwwwwwwwwnk.",
    ".knwllllllllwnk.",
    ".knwwwwwwwwwwnk.",
    ".knwwwwwwwwwwnk.",
    ".kkkkkkkkkkkkkk.",
    "................",
]

FOLDER = [
    "..oooo..........",
    ".oYYYYo.........",
    ".oYYYYYoooooooo.",
    ".oYYYYYYYYYYYYo.",
    ".ohhhhhhhhhhhho.",
    ".oyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyo.",
    ".oooooooooooooo.",
]

SMALL_FOLDER = [
    ".ooo.......",
    "oYYYooooooo",
    "oYYYYYYYYYo",
    "ohhhhhhhhho",
    "oyyyyyyyyyo",
    "oyyyyyyyyyo",
    "oyyyyyyyyyo",
    "ooooooooooo",
]

PLUS = [
    "..EEEE..",
    "..EeeE..",
    "EEEeeEEE",
    "EeeeeeeE",
    "EeeeeeeE",
    "EEEeeEEE",
    "..EeeE..",
    "..EEEE..",
]

PENCIL = [
    "................",
    "...........kk...",
    "..........kppk..",
    ".........kgppk..",
    "........khggk...",
    ".......khyYk....",
    "......khyYk.....",
    ".....khyYk......",
    "....khyYk.......",
    "...khyYk........",
    "..ktyYk.........",
    "..kttk..........",
    ".kkk............",
    ".k..............",
    "................",
    "................",
]

def blank():
    return [["."] * 16 for _ in range(16)]


def stamp(canvas, art, left, top):
    """Draws art onto canvas with its top-left at (left, top); '.' leaves the canvas alone."""
    for dy, row in enumerate(art):
        for dx, cell in enumerate(row):
            x, y = left + dx, top + dy
            if cell != "." and 0 <= x < 16 and 0 <= y < 16:
                canvas[y][x] = cell
    return canvas


def rows_of(canvas):
    return ["".join(row) for row in canvas]


def thick_x(lo, hi):
    """An X from (lo,lo) to (hi,hi): a two-pixel red stroke with a dark red rim on both sides."""
    centre = lo + hi  # the second diagonal is x + y == centre
    canvas = blank()
    for y in range(lo, hi + 1):
        for x in range(lo, hi + 1):
            # Two pixels wide: each diagonal and its neighbour, mirrored between the two
            # strokes so that the X stays symmetric.
            if x - y in (0, 1) or x + y - centre in (0, -1):
                canvas[y][x] = "r"
    for y in range(lo, hi + 1):
        for x in range(lo, hi + 1):
            if canvas[y][x] == "r":
                continue
            near = any(
                0 <= x + dx < 16 and 0 <= y + dy < 16 and canvas[y + dy][x + dx] == "r"
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
            )
            if near:
                canvas[y][x] = "R"
    return rows_of(canvas)


def toolbar_images():
    add = stamp(stamp(blank(), FOLDER, 0, 1), PLUS, 8, 8)
    batch = blank()
    for left, top in ((0, 0), (2, 4), (4, 8)):
        stamp(batch, SMALL_FOLDER, left, top)
    return [SAVE, rows_of(add), PENCIL, rows_of(batch), thick_x(2, 13)]


LIST_ROWS = [
    "................",
    "kkkkkk..........",
    "kwwwEk..........",
    "kEwEEk.lllllllll",
    "kEEEwk..........",
    "kwEwwk..........",
    "kkkkkk..........",
    "................",
    "kkkkkk..........",
    "kwwwwk..........",
    "kwwwwk.lllllllll",
    "kwwwwk..........",
    "kwwwwk..........",
    "kkkkkk..........",
    "................",
    "................",
]

SMALL_X = [
    "rr...rr",
    "rrr.rrr",
    ".rrrrr.",
    "..rrr..",
    ".rrrrr.",
    "rrr.rrr",
    "rr...rr",
]


def delete_unticked_image():
    return rows_of(stamp(stamp(blank(), LIST_ROWS, 0, 0), SMALL_X, 9, 9))


def delete_all_image():
    canvas = blank()
    for y in (2, 5, 8, 11, 14):
        for x in range(1, 15):
            canvas[y][x] = "l"
    return rows_of(stamp(canvas, thick_x(2, 13), 0, 0))


def check_art(images):
    for art in images:
        assert len(art) == 16 and all(len(row) == 16 for row in art), art
        assert all(cell in PALETTE for row in art for cell in row), art


def bmp_24(images):
    """A bottom-up 24-bit BMP of the images side by side."""
    width, height = 16 * len(images), 16
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for art in images:
            for cell in art[y]:
                r, g, b = PALETTE[cell]
                row += bytes((b, g, r))
        pixels += row + bytes(stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    return file_header + header + pixels


# --- The program icon: drawn with shapes at 8x8 samples per pixel, then averaged down. ---

SAMPLES = 8


def fill_polygon(canvas, size, points, colour):
    """Fills a polygon (pixel coordinates, even-odd rule) on a size*SAMPLES square canvas."""
    n = size * SAMPLES
    scaled = [(x * SAMPLES, y * SAMPLES) for x, y in points]
    for row in range(n):
        cy = row + 0.5
        crossings = []
        for i, (x0, y0) in enumerate(scaled):
            x1, y1 = scaled[(i + 1) % len(scaled)]
            if (y0 <= cy < y1) or (y1 <= cy < y0):
                crossings.append(x0 + (cy - y0) * (x1 - x0) / (y1 - y0))
        crossings.sort()
        for start, end in zip(crossings[::2], crossings[1::2]):
            first = max(0, math.ceil(start - 0.5))
            last = min(n - 1, math.floor(end - 0.5))
            for column in range(first, last + 1):
                canvas[row * n + column] = colour


def rect(left, top, right, bottom):
    return [(left, top), (right, top), (right, bottom), (left, bottom)]


def stroke(points, width, round_points=12):
    """The outline of a polyline drawn with a round pen: one quad per segment, one disc per joint."""
    shapes = []
    half = width / 2
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        length = math.hypot(x1 - x0, y1 - y0)
        nx, ny = -(y1 - y0) / length * half, (x1 - x0) / length * half
        shapes.append([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])
    for x, y in points:
        shapes.append(
            [
                (x + half * math.cos(2 * math.pi * k / round_points), y + half * math.sin(2 * math.pi * k / round_points))
                for k in range(round_points)
            ]
        )
    return shapes


def icon_shapes(size):
    """The folder with a blue check mark, in pixel coordinates for a size x size icon."""
    u = size / 16.0
    line = 1.0  # outlines stay one device pixel wide at every size
    outline, back, front, light = (150, 100, 16), (230, 170, 40), (255, 214, 90), (255, 240, 170)
    blue, white = (30, 90, 200), (255, 255, 255)
    shapes = []
    # Folder back with its tab: the tab's fill reaches into the body so no seam shows.
    tab = (1.0 * u, 2.0 * u, 7.0 * u, 5.0 * u)
    body = (1.0 * u, 4.0 * u, 15.0 * u, 14.0 * u)
    shapes.append((rect(*tab), outline))
    shapes.append((rect(*body), outline))
    shapes.append((rect(tab[0] + line, tab[1] + line, tab[2] - line, tab[3] + line), back))
    shapes.append((rect(body[0] + line, body[1] + line, body[2] - line, body[3] - line), back))
    # Front flap, leaning right as an open folder does.
    top, bottom = 7.0 * u, 14.0 * u
    flap = [(3.0 * u, top), (16.0 * u, top), (15.0 * u, bottom), (1.0 * u, bottom)]
    shapes.append((flap, outline))
    inner = [(3.0 * u + line, top + line), (16.0 * u - line * 1.4, top + line), (15.0 * u - line * 1.1, bottom - line),
             (1.0 * u + line * 1.1, bottom - line)]
    shapes.append((inner, front))
    shapes.append(([(3.0 * u + line, top + line), (16.0 * u - line * 1.4, top + line),
                    (15.8 * u - line * 1.4, top + line + 1.0 * u), (2.8 * u + line, top + line + 1.0 * u)], light))
    # Check mark over the lower right corner, with a white rim to lift it off the folder.
    check = [(7.0 * u, 10.0 * u), (9.5 * u, 12.5 * u), (14.0 * u, 7.0 * u)]
    # At 16 pixels a full pixel of rim on each side would swallow the mark.
    pen = 2.2 * u if size >= 32 else 2.0
    rim = 2.0 * line if size >= 32 else 1.0 * line
    for shape in stroke(check, pen + rim):
        shapes.append((shape, white))
    for shape in stroke(check, pen):
        shapes.append((shape, blue))
    return shapes


def render_icon(size):
    """Returns size*size (r, g, b, a) pixels, top row first."""
    n = size * SAMPLES
    canvas = [None] * (n * n)
    for points, colour in icon_shapes(size):
        fill_polygon(canvas, size, points, colour)
    pixels = []
    for y in range(size):
        for x in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                base = (y * SAMPLES + sy) * n + x * SAMPLES
                for sample in canvas[base : base + SAMPLES]:
                    if sample is not None:
                        covered += 1
                        total[0] += sample[0]
                        total[1] += sample[1]
                        total[2] += sample[2]
            if covered == 0:
                pixels.append((0, 0, 0, 0))
            else:
                alpha = round(255 * covered / (SAMPLES * SAMPLES))
                pixels.append(tuple(round(c / covered) for c in total) + (alpha,))
    return pixels


def ico(sizes):
    images = []
    for size in sizes:
        pixels = render_icon(size)
        xor = bytearray()
        for y in reversed(range(size)):
            for r, g, b, a in pixels[y * size : (y + 1) * size]:
                xor += bytes((b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for y in reversed(range(size)):
            bits = bytearray(mask_stride)
            for x in range(size):
                if pixels[y * size + x][3] < 128:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((size, header + xor + mask))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for size, blob in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset + len(data))
        data += blob
    return directory + entries + data


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src", "app", "win32", "res")
    os.makedirs(out, exist_ok=True)
    toolbar = toolbar_images()
    buttons = [delete_unticked_image(), delete_all_image()]
    check_art(toolbar + buttons)
    outputs = {
        "tesvar.ico": ico([32, 16]),
        "toolbar.bmp": bmp_24(toolbar),
        "delunchecked.bmp": bmp_24(buttons[:1]),
        "delall.bmp": bmp_24(buttons[1:]),
    }
    for name, content in outputs.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(content)


if __name__ == "__main__":
    main()
