"""Icon files (.ico) of 32-bit images with alpha and an AND mask."""

import struct


def icon_image(rgba):
    """One square image given as rows top to bottom of (r, g, b, a), straight alpha:
    BITMAPINFOHEADER (double height), BGRA rows, AND mask, bottom-up."""
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


def ico_file(images):
    """An .ico file holding the images (each as for icon_image), in the order given."""
    data = [icon_image(rgba) for rgba in images]
    out = struct.pack("<HHH", 0, 1, len(data))
    offset = 6 + 16 * len(data)
    for rgba, image in zip(images, data):
        size = len(rgba)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(data)
