"""The program's resources: what the menu needs of its banner, and the committed files match
their generator."""

import struct
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
GENERATOR = [sys.executable, str(ROOT / "tools" / "make_resources.py")]


def test_stripe_is_a_20_by_154_bottom_up_8_bit_bitmap_whose_top_row_is_the_band_blue():
    # The menu paints a pure blue band above the bitmap and blits 20 x 154 pixels of it.
    data = (ROOT / "res" / "stripe.bmp").read_bytes()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bpp, compression, _, _, _, used = struct.unpack_from("<iiHHIIiiI", data, 18)
    assert (data[:2], width, height, bpp, compression) == (b"BM", 20, 154, 8, 0)
    palette = [tuple(data[54 + 4 * i:57 + 4 * i]) for i in range(used or 256)]
    top_row = data[offset + 153 * 20:offset + 154 * 20]  # rows are stored bottom up
    assert all(palette[i] == (255, 0, 0) for i in top_row[1:19])  # BGR blue inside the black edges


def test_committed_resources_match_their_generator():
    check = subprocess.run(GENERATOR + ["--check"], capture_output=True)
    assert check.returncode == 0, check.stderr
