#!/usr/bin/env python3
"""Draws pelmar's program icon (a database drum with a plug) into res/pelmar.ico, 32x32 and 16x16, 32 bits per pixel."""
import struct, sys, os

def pixel(x, y, size):
    # Work in a 32-unit space so both sizes show the same picture.
    u = (x + 0.5) * 32.0 / size
    v = (y + 0.5) * 32.0 / size
    # Drum: body between the two ellipses, from v=6 to v=24, centred at u=13, half width 10.
    cx, rx, ry = 13.0, 10.0, 3.0
    top, bottom = 7.0, 23.0
    dx = (u - cx) / rx
    if abs(dx) <= 1.0:
        h = ry * (1.0 - dx * dx) ** 0.5
        if abs(v - top) <= h:
            return (120, 190, 250)            # the lid
        if top <= v <= bottom + h:
            shade = int(70 + 90 * (1.0 - abs(dx)))
            if abs(v - (top + 5.5 + h)) < 0.8 or abs(v - (top + 11 + h)) < 0.8:
                return (30, 60, 140)          # the drum's rings
            return (20, shade, 200)
    # Plug on the right: a cord from the drum and a yellow plug with two pins.
    if 23 <= u <= 27 and 14 <= v <= 16:
        return (60, 60, 60)
    if 26 <= u <= 30 and 11 <= v <= 19:
        return (240, 200, 40)
    if 30 <= u <= 32 and (12 <= v <= 13 or 17 <= v <= 18):
        return (90, 90, 90)
    return None

def image(size):
    rows = []
    mask_rows = []
    mask_stride = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):   # bottom-up
        row = b""
        bits = 0
        mask = bytearray(mask_stride)
        for x in range(size):
            p = pixel(x, y, size)
            if p is None:
                row += b"\0\0\0\0"
                mask[x // 8] |= 0x80 >> (x % 8)
            else:
                r, g, b = p
                row += bytes((b, g, r, 255))
        rows.append(row)
        mask_rows.append(bytes(mask))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + b"".join(mask_rows)

def main(path):
    sizes = [32, 16]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)

if __name__ == "__main__":
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "res", "pelmar.ico"))
