"""Checks of the program's resources: the menu side banner, the icon, the resource script."""

import re
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
RES = ROOT / "res"
GENERATOR = ROOT / "tools" / "make_resources.py"

BLUE = (0, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


def read_bmp8(path):
    """Header fields and pixels (rows top to bottom of RGB tuples) of an 8-bit BMP."""
    data = path.read_bytes()
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    (header_size, width, height, planes, bpp, compression, _, _, _, colours_used,
     _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    info = dict(magic=magic, file_size=file_size, length=len(data), header_size=header_size,
                width=width, height=height, planes=planes, bpp=bpp, compression=compression,
                colours_used=colours_used)
    entries = colours_used or 256
    palette = []
    for i in range(entries):
        b, g, r, _ = struct.unpack_from("<BBBB", data, 14 + header_size + 4 * i)
        palette.append((r, g, b))
    info["palette"] = palette
    info["offset_ok"] = offset == 14 + header_size + 4 * entries
    stride = (width + 3) & ~3
    rows = []
    for stored in range(abs(height)):
        start = offset + stored * stride
        rows.append([palette[i] for i in data[start:start + width]])
    if height > 0:  # bottom-up
        rows.reverse()
    return info, rows


@pytest.fixture(scope="module")
def stripe():
    return read_bmp8(RES / "stripe.bmp")


def test_stripe_is_a_20_by_154_bottom_up_256_colour_bitmap(stripe):
    info, rows = stripe
    assert info["magic"] == b"BM"
    assert info["file_size"] == info["length"]
    assert info["header_size"] == 40  # BITMAPINFOHEADER
    assert (info["width"], info["height"]) == (20, 154)  # positive height: bottom-up
    assert (info["planes"], info["bpp"], info["compression"]) == (1, 8, 0)
    assert info["colours_used"] in (0, 256) and len(info["palette"]) == 256
    assert info["offset_ok"]
    assert info["length"] == 14 + 40 + 256 * 4 + 20 * 154
    assert len(rows) == 154 and all(len(r) == 20 for r in rows)


def test_stripe_top_is_pure_blue_so_the_band_above_joins_without_a_seam(stripe):
    _, rows = stripe
    for y in range(2):
        assert rows[y][1:19] == [BLUE] * 18, y


def test_stripe_edges_and_bottom_are_black(stripe):
    _, rows = stripe
    assert all(row[0] == BLACK and row[19] == BLACK for row in rows)
    assert rows[153] == [BLACK] * 20
    assert rows[152] == [BLACK] * 20  # a few black rows, not just one


def test_stripe_background_is_a_blue_gradient_darkening_downwards(stripe):
    _, rows = stripe
    for y, row in enumerate(rows):
        for x, colour in enumerate(row):
            assert colour == WHITE or colour[:2] == (0, 0), (x, y, colour)
    for x in (1, 18):  # columns beside the text: background only
        column = [rows[y][x][2] for y in range(154)]
        assert all(a >= b for a, b in zip(column, column[1:])), x
        assert column[0] == 255 and column[75] < 200 and column[140] < 40


def test_stripe_text_runs_up_the_banner_in_white(stripe):
    _, rows = stripe
    white = [(x, y) for y, row in enumerate(rows) for x, c in enumerate(row) if c == WHITE]
    assert len(white) > 150
    xs = [x for x, _ in white]
    ys = [y for _, y in white]
    assert 1 < min(xs) and max(xs) < 18
    assert max(ys) - min(ys) > 50  # written along the banner, not across
    assert max(xs) - min(xs) < 16
    assert max(ys) < 151  # above the black foot
    # "Corvane 3.0": ten runs of inked rows (the blank is a wider gap between two).
    inked = [any(c == WHITE for c in row) for row in rows]
    runs = sum(1 for y in range(154) if inked[y] and (y == 0 or not inked[y - 1]))
    assert runs == 10


def read_ico(path):
    data = path.read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    images = []
    for i in range(count):
        w, h, colours, _, planes, bpp, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        images.append(dict(width=w or 256, height=h or 256, colours=colours, planes=planes,
                           bpp=bpp, size=size, offset=offset, data=data[offset:offset + size]))
    return reserved, kind, images, len(data)


def decode_icon_image(image):
    """BGRA rows and AND-mask rows, top to bottom, of a 32-bit icon image."""
    data = image["data"]
    header_size, width, height, planes, bpp, compression = struct.unpack_from("<IiiHHI", data, 0)
    assert header_size == 40 and planes == 1 and bpp == 32 and compression == 0
    assert width == image["width"] and height == 2 * image["height"]
    n = image["width"]
    xor_len = n * n * 4
    mask_stride = ((n + 31) // 32) * 4
    assert len(data) == 40 + xor_len + mask_stride * n
    pixels = [[tuple(data[40 + (r * n + x) * 4:40 + (r * n + x) * 4 + 4]) for x in range(n)]
              for r in range(n)]
    mask_start = 40 + xor_len
    mask = [[bool(data[mask_start + r * mask_stride + x // 8] & (0x80 >> (x % 8))) for x in range(n)]
            for r in range(n)]
    return pixels[::-1], mask[::-1]


def test_icon_holds_16_and_32_pixel_images():
    reserved, kind, images, length = read_ico(RES / "corvane.ico")
    assert (reserved, kind) == (0, 1)
    assert sorted((i["width"], i["height"]) for i in images) == [(16, 16), (32, 32)]
    for image in images:
        assert image["planes"] == 1 and image["bpp"] == 32
        assert image["offset"] + image["size"] <= length


def test_icon_images_show_white_on_blue_with_a_matching_mask():
    _, _, images, _ = read_ico(RES / "corvane.ico")
    for image in images:
        pixels, mask = decode_icon_image(image)
        n = image["width"]
        for y in range(n):
            for x in range(n):
                b, g, r, a = pixels[y][x]
                assert mask[y][x] == (a == 0), (n, x, y)
        opaque = [p for row in pixels for p in row if p[3] == 255]
        assert len(opaque) > n * n * 3 // 4
        whites = sum(1 for b, g, r, a in opaque if min(b, g, r) >= 250)
        blues = sum(1 for b, g, r, a in opaque if b >= 140 and r < 60)
        assert whites > n * n // 8 and blues > n * n // 4
        assert pixels[0][0][3] == 0  # rounded corners


def test_committed_resources_match_the_generator(tmp_path):
    check = subprocess.run([sys.executable, str(GENERATOR), "--check"], capture_output=True)
    assert check.returncode == 0, check.stderr
    subprocess.run([sys.executable, str(GENERATOR), "--res-dir", str(tmp_path)], check=True)
    for name in ("stripe.bmp", "corvane.ico"):
        assert (tmp_path / name).read_bytes() == (RES / name).read_bytes()


def test_check_fails_when_a_resource_differs(tmp_path):
    subprocess.run([sys.executable, str(GENERATOR), "--res-dir", str(tmp_path)], check=True)
    stripe = tmp_path / "stripe.bmp"
    data = bytearray(stripe.read_bytes())
    data[-1] ^= 1
    stripe.write_bytes(bytes(data))
    check = subprocess.run([sys.executable, str(GENERATOR), "--check", "--res-dir", str(tmp_path)],
                           capture_output=True, text=True)
    assert check.returncode != 0 and "stripe.bmp" in check.stderr


def test_resource_script_names_the_resources_and_the_manifest():
    rc = (RES / "corvane.rc").read_text()
    assert 'MAINICON ICON "corvane.ico"' in rc
    assert 'STRIPE BITMAP "stripe.bmp"' in rc
    assert 'CREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST "corvane.manifest"' in rc
    assert 'VERSION_FILE_NAME "corvane.exe"' in rc and '#include "version_block.rc"' in rc
    # The version block, shared with kestrel.rc, takes its numbers from the build.
    block = (RES / "version_block.rc").read_text()
    for value in ('"ProductName", "Corvane"', '"CompanyName", "Quennard"',
                  '"OriginalFilename", VERSION_FILE_NAME', '"FileVersion", CORVANE_VERSION_FULL'):
        assert value in block

    ns = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3"}
    manifest = ET.parse(RES / "corvane.manifest").getroot()
    level = manifest.find(".//v3:requestedExecutionLevel", ns)
    assert level is not None and level.get("level") == "asInvoker"
    deps = [d.attrib for d in manifest.findall(".//v1:dependentAssembly/v1:assemblyIdentity", ns)]
    assert any(d.get("name") == "Microsoft.Windows.Common-Controls" and d.get("version") == "6.0.0.0"
               and d.get("processorArchitecture") in ("x86", "*") for d in deps)


@pytest.mark.skipif(shutil.which("i686-w64-mingw32-windres") is None, reason="no MinGW windres")
def test_resource_script_compiles(tmp_path):
    # corvane_version.h as CMake writes it from res/version.h.in.
    header = re.sub(r"@\w+@", "1", (RES / "version.h.in").read_text())
    (tmp_path / "corvane_version.h").write_text(header)
    out = tmp_path / "corvane.res"
    run = subprocess.run(["i686-w64-mingw32-windres", "-I", str(tmp_path), str(RES / "corvane.rc"),
                          "-O", "res", "-o", str(out)],
                         capture_output=True, text=True)
    assert run.returncode == 0, run.stderr
    assert out.stat().st_size > (RES / "stripe.bmp").stat().st_size
