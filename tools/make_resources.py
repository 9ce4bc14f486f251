#!/usr/bin/python3
"""Draws the program's artwork: the menu side banner and the program icon.

    res/stripe.bmp   20 x 154, 256 colours: "Corvane 3.0" written upwards in white
                     on a blue gradient (pure blue at the top, black at the bottom)
    res/stripeN.bmp  the same drawn for N DPI (120, 144, 192): 25 x 193, 30 x 231, 40 x 308,
                     run-length encoded
    res/corvane.ico  16 to 64 pixels (the small and large icon sizes of 96 to 192 DPI),
                     32-bit with alpha, PNG-compressed
    res/buttons/     the buttons' pictures, 16 to 32 pixels (tools/button_pictures.py)

Standard library only; the output is the same byte for byte on every run (of one zlib).

    make_resources.py               write every file into res/
    make_resources.py --check       exit 1 when the files in res/ differ from a fresh drawing
    make_resources.py --plain DIR   write the same pictures uncompressed into DIR, to compare
                                    what Windows loads of both
"""

import argparse
import math
import struct
import sys
from pathlib import Path

from button_pictures import button_pictures
from ico_file import ico_file
from pixel_font import text_pixels

RES_DIR = Path(__file__).resolve().parent.parent / "res"

# ---------------------------------------------------------------------------
# The side banner of the pop-up menu.

STRIPE_WIDTH = 20
STRIPE_HEIGHT = 154
STRIPE_TEXT = "Corvane 3.0"
FLAT_TOP_ROWS = 4  # pure blue, so the blue band above the bitmap joins without a seam
BLACK_BOTTOM_ROWS = 3
TEXT_LEFT = 5  # column of the letters' top (the text reads bottom to top)
TEXT_START_ROW = STRIPE_HEIGHT - BLACK_BOTTOM_ROWS - 6  # row of the text's first column

BLACK = 0
WHITE = 1
BLUE_BASE = 2  # palette entries 2..255 hold blue from 0 to 255
BLUE_LEVELS = 256 - BLUE_BASE


def stripe_palette():
    colours = [(0, 0, 0), (255, 255, 255)]
    colours += [(0, 0, (i * 255 + (BLUE_LEVELS - 1) // 2) // (BLUE_LEVELS - 1)) for i in range(BLUE_LEVELS)]
    return colours


def blue_index(row):
    """Palette index of the gradient in a row: pure blue at the top, darkening to black."""
    last = STRIPE_HEIGHT - BLACK_BOTTOM_ROWS  # first black row
    if row < FLAT_TOP_ROWS:
        level = BLUE_LEVELS - 1
    elif row >= last:
        return BLACK
    else:
        span = last - FLAT_TOP_ROWS
        level = ((last - row) * (BLUE_LEVELS - 1) + span // 2) // span
    return BLUE_BASE + level


def stripe_indices():
    """The banner's pixels as palette indices, rows top to bottom."""
    pixels = [[blue_index(y)] * STRIPE_WIDTH for y in range(STRIPE_HEIGHT)]
    for y in range(STRIPE_HEIGHT):
        pixels[y][0] = BLACK
        pixels[y][STRIPE_WIDTH - 1] = BLACK
    # Turned a quarter to the left: along the text runs up the banner, the
    # letters' tops face the left edge.
    text = text_pixels(STRIPE_TEXT)
    for v, line in enumerate(text):
        for u, ink in enumerate(line):
            if ink:
                x, y = TEXT_LEFT + v, TEXT_START_ROW - u
                assert 0 < x < STRIPE_WIDTH - 1 and FLAT_TOP_ROWS <= y < STRIPE_HEIGHT - BLACK_BOTTOM_ROWS
                pixels[y][x] = WHITE
    return pixels


def rle8_rows(pixels):
    """Rows bottom-up as BI_RLE8 runs (count, index), each row ended, then the bitmap."""
    image = bytearray()
    for row in reversed(pixels):
        x = 0
        while x < len(row):
            run = 1
            while x + run < len(row) and run < 255 and row[x + run] == row[x]:
                run += 1
            image += bytes((run, row[x]))
            x += run
        image += b"\0\0"
    return image + b"\0\1"


def bmp8(width, height, palette, pixels, rle=False):
    """An 8-bit bottom-up BMP with a BITMAPINFOHEADER and 256 colours, uncompressed or BI_RLE8."""
    assert len(palette) == 256
    stride = (width + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):
        image += bytes(row) + bytes(stride - width)
    if rle:
        image = rle8_rows(pixels)
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    offset = 14 + 40 + len(palette_bytes)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, int(rle), len(image), 2835, 2835, 256, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info + palette_bytes + bytes(image)


def make_stripe(dpi=96, rle=False):
    """The banner at 96 DPI, or drawn for another DPI: each pixel takes the design pixel under
    its centre, the black edges stay one pixel wide. Sizes round as the program's do."""
    design = stripe_indices()
    scale = dpi / 96
    width, height = (STRIPE_WIDTH * dpi + 48) // 96, (STRIPE_HEIGHT * dpi + 48) // 96
    pixels = [[design[min(int((y + 0.5) / scale), STRIPE_HEIGHT - 1)][min(int((x + 0.5) / scale), STRIPE_WIDTH - 1)]
               for x in range(width)]
              for y in range(height)]
    for row in pixels:
        row[1] = row[2] if row[1] == BLACK else row[1]
        row[width - 2] = row[width - 3] if row[width - 2] == BLACK else row[width - 2]
        row[0] = row[width - 1] = BLACK
    return bmp8(width, height, stripe_palette(), pixels, rle)


# ---------------------------------------------------------------------------
# The program icon: a rounded blue tile with a white "C" whose opening holds
# an arrow pointing out to the right (a launcher).

SUPERSAMPLE = 4


def icon_coverage(size):
    """Per pixel: (tile coverage, white ink coverage, vertical position 0..1)."""
    s = size / 32.0  # the design is drawn on a 32-unit grid
    radius = 6.0 * s
    lo, hi = 1.0 * s, 31.0 * s
    cx, cy = 15.0 * s, 16.0 * s
    outer, inner = 11.0 * s, 6.0 * s
    gap = math.radians(42)
    # Arrow: a shaft from the ring's centre line to the right, with a head.
    shaft_y0, shaft_y1 = cy - 1.6 * s, cy + 1.6 * s
    shaft_x0, shaft_x1 = cx + 2.0 * s, cx + 9.0 * s
    head_x0, head_tip, head_half = cx + 8.0 * s, cx + 14.5 * s, 5.5 * s

    def in_tile(x, y):
        if not (lo <= x <= hi and lo <= y <= hi):
            return False
        dx = max(lo + radius - x, 0.0, x - (hi - radius))
        dy = max(lo + radius - y, 0.0, y - (hi - radius))
        return dx * dx + dy * dy <= radius * radius

    def in_ink(x, y):
        dx, dy = x - cx, y - cy
        d = math.hypot(dx, dy)
        if inner <= d <= outer and abs(math.atan2(dy, dx)) >= gap:
            return True
        if shaft_x0 <= x <= shaft_x1 and shaft_y0 <= y <= shaft_y1:
            return True
        if head_x0 <= x <= head_tip:
            half = head_half * (head_tip - x) / (head_tip - head_x0)
            return abs(y - cy) <= half
        return False

    n = SUPERSAMPLE
    result = []
    for py in range(size):
        row = []
        for px in range(size):
            tile = ink = 0
            for sy in range(n):
                for sx in range(n):
                    x = px + (sx + 0.5) / n
                    y = py + (sy + 0.5) / n
                    if in_tile(x, y):
                        tile += 1
                        if in_ink(x, y):
                            ink += 1
            row.append((tile / (n * n), ink / (n * n), py / (size - 1)))
        result.append(row)
    return result


# At 16 x 16 a smoothed drawing blurs; this one is set pixel by pixel.
# "." transparent, "b" tile, "W" white ink.
ICON16 = [
    ".bbbbbbbbbbbbbb.",
    "bbbbbbbbbbbbbbbb",
    "bbbbbWWWWWbbbbbb",
    "bbbWWWWWWWWbbbbb",
    "bbWWWbbbbbbbbbbb",
    "bbWWbbbbbbbWbbbb",
    "bWWWbbbbbbbWWbbb",
    "bWWbbbWWWWWWWWbb",
    "bWWbbbWWWWWWWWbb",
    "bWWWbbbbbbbWWbbb",
    "bbWWbbbbbbbWbbbb",
    "bbWWWbbbbbbbbbbb",
    "bbbWWWWWWWWbbbbb",
    "bbbbbWWWWWbbbbbb",
    "bbbbbbbbbbbbbbbb",
    ".bbbbbbbbbbbbbb.",
]


def icon16_coverage():
    cover = {".": (0.0, 0.0), "b": (1.0, 0.0), "W": (1.0, 1.0)}
    return [[cover[c] + (y / 15,) for c in line] for y, line in enumerate(ICON16)]


def icon_rgba(size):
    """Rows top to bottom of (r, g, b, a), straight (not premultiplied) alpha."""
    top, bottom = (40, 110, 255), (0, 0, 150)
    rows = []
    for line in icon16_coverage() if size == 16 else icon_coverage(size):
        row = []
        for tile, ink, t in line:
            if tile == 0.0:
                row.append((0, 0, 0, 0))
                continue
            base = [a + (b - a) * t for a, b in zip(top, bottom)]
            w = ink / tile
            colour = [round(c + (255 - c) * w) for c in base]
            row.append((colour[0], colour[1], colour[2], round(255 * tile)))
        rows.append(row)
    return rows


def make_icon(plain=False, sizes=(16, 20, 24, 32, 40, 48, 64)):
    return ico_file([icon_rgba(s) for s in sizes], plain)


# ---------------------------------------------------------------------------

def outputs(plain=False):
    """The files by their names under res/. The banner for 96 DPI stays uncompressed, as the
    menu's tests read it; plain, every picture is."""
    stripes = {f"stripe{dpi}.bmp": make_stripe(dpi, not plain) for dpi in (120, 144, 192)}
    return {"stripe.bmp": make_stripe(), **stripes, "corvane.ico": make_icon(plain), **button_pictures(plain)}


def main(argv):
    parser = argparse.ArgumentParser(description="Draw the program's bitmap and icon resources.")
    parser.add_argument("--check", action="store_true",
                        help="compare the files in res/ with a fresh drawing instead of writing them")
    parser.add_argument("--res-dir", type=Path, default=RES_DIR, help="folder of the resources")
    parser.add_argument("--plain", type=Path, help="write the pictures uncompressed into this folder")
    args = parser.parse_args(argv)

    stale = []
    for name, data in outputs(args.plain is not None).items():
        path = (args.plain or args.res_dir) / name
        if args.check:
            if not path.is_file() or path.read_bytes() != data:
                stale.append(name)
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
    if stale:
        print("out of date: " + ", ".join(stale) + " (run tools/make_resources.py)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
