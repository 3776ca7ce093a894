#!/usr/bin/env python3
"""Draws the editor's icon: a green circuit board with a chip, and a placing
head above it, at 16, 32 and 48 pixels, written as a 32-bit .ico file.

    scripts/make-icon.py editor/zr780k.ico
"""
import struct
import sys


def draw(size):
    """Returns rows (top first) of (r, g, b, a) pixels for one icon size."""
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, color):
        for y in range(max(0, int(y0 * s)), min(size, int(round(y1 * s)))):
            for x in range(max(0, int(x0 * s)), min(size, int(round(x1 * s)))):
                px[y][x] = color

    board, edge = (34, 139, 34, 255), (0, 80, 0, 255)
    chip, pin = (30, 30, 30, 255), (200, 200, 200, 255)
    head, nozzle = (200, 40, 40, 255), (120, 120, 120, 255)
    rect(1, 12, 31, 31, edge)        # board with a dark edge
    rect(2, 13, 30, 30, board)
    for x in range(7, 25, 4):        # pins above and below the chip
        rect(x, 16, x + 2, 18, pin)
        rect(x, 25, x + 2, 27, pin)
    rect(6, 18, 26, 25, chip)        # the chip
    rect(12, 1, 20, 6, head)         # the placing head
    rect(15, 6, 17, 11, nozzle)      # its nozzle
    return px


def icon_image(size):
    rows = draw(size)
    xor = b"".join(struct.pack("BBBB", b, g, r, a) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + bytes(mask)


def main(path):
    sizes = [16, 32, 48]
    images = [icon_image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "editor/zr780k.ico")
