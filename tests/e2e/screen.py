"""Reading the private X screen: the tests look at the pixels of Wine's task
bar and of open pop-up menus, which no window list describes.

Captures go through ImageMagick's `import` as raw RGB; the virtual desktop
fills the screen at 0,0, so screen and desktop coordinates are the same.
"""

import subprocess
from collections import Counter


class Image:
    """A captured rectangle: `left`, `top` are its screen position."""

    def __init__(self, left, top, width, height, data):
        self.left, self.top, self.width, self.height = left, top, width, height
        self.data = data

    def pixel(self, x, y):
        """The colour at screen point x, y as (r, g, b)."""
        at = ((y - self.top) * self.width + (x - self.left)) * 3
        return tuple(self.data[at:at + 3])

    def row(self, y):
        """The pixels of screen row y, as (r, g, b) tuples from left to right."""
        start = (y - self.top) * self.width * 3
        raw = self.data[start:start + self.width * 3]
        return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]

    def background(self):
        """The commonest colour."""
        counts = Counter(self.data[i:i + 3] for i in range(0, len(self.data), 3))
        return tuple(counts.most_common(1)[0][0])


def capture(left, top, right, bottom):
    width, height = right - left, bottom - top
    data = subprocess.run(
        ["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "-depth", "8",
         "rgb:-"], capture_output=True, check=True, timeout=20).stdout
    if len(data) != width * height * 3:
        raise AssertionError(f"a capture of {width}x{height} gave {len(data)} bytes")
    return Image(left, top, width, height, data)


def ink_clusters(image, gap=3):
    """Groups of columns that hold anything other than the background,
    separated by at least `gap` background columns: the icons of a strip.
    Answers (first, last) screen columns, left to right."""
    background = bytes(image.background())
    rows = [image.data[r * image.width * 3:(r + 1) * image.width * 3]
            for r in range(image.height)]
    inked = [c for c in range(image.width)
             if any(row[c * 3:c * 3 + 3] != background for row in rows)]
    clusters = []
    for c in inked:
        if clusters and c - clusters[-1][1] <= gap:
            clusters[-1][1] = c
        else:
            clusters.append([c, c])
    return [(image.left + first, image.left + last) for first, last in clusters]


def near(colour, target, tolerance=10):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, target))


def highlighted_band(image, colours, y, min_share=0.25):
    """The rows around screen row y in which at least `min_share` of the
    pixels have one of `colours`: the selected row of a menu, as
    (top, bottom) inclusive, or None when row y is not part of one."""
    def lit(row_y):
        row = image.row(row_y)
        count = sum(1 for p in row if any(near(p, c) for c in colours))
        return count >= max(4, min_share * len(row))

    if not lit(y):
        return None
    top = y
    while top > image.top and lit(top - 1):
        top -= 1
    bottom = y
    while bottom < image.top + image.height - 1 and lit(bottom + 1):
        bottom += 1
    return top, bottom
