"""Icon files (.ico) of 32-bit images with alpha: each image PNG-compressed (as Windows loads them
since Vista), or plain, a bitmap with an AND mask."""

import struct
import zlib


def png_image(rgba):
    """One square image given as rows top to bottom of (r, g, b, a), straight alpha, as a PNG of
    8-bit RGBA rows, unfiltered."""
    size = len(rgba)
    rows = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rgba)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


def plain_image(rgba):
    """The image (as for png_image) as BITMAPINFOHEADER (double height), BGRA rows and AND mask,
    bottom-up."""
    size = len(rgba)
    xor = bytearray()
    for row in reversed(rgba):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rgba):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def ico_file(images, plain=False):
    """An .ico file holding the images (each as for png_image), in the order given."""
    data = [(plain_image if plain else png_image)(rgba) for rgba in images]
    out = struct.pack("<HHH", 0, 1, len(data))
    offset = 6 + 16 * len(data)
    for rgba, image in zip(images, data):
        size = len(rgba)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(data)
