#!/usr/bin/env python3
"""Draws the program's two 32 x 32, 16-colour icons (a piece of rail track) as .ico files.

Run from the repository root: python3 scripts/make_icons.py. The output is committed, so a build
never needs Python; run this again only to change the drawing.
"""
import struct

# The standard 16-colour palette, as (blue, green, red, reserved).
PALETTE = [
    (0, 0, 0, 0), (0, 0, 128, 0), (0, 128, 0, 0), (0, 128, 128, 0),
    (128, 0, 0, 0), (128, 0, 128, 0), (128, 128, 0, 0), (192, 192, 192, 0),
    (128, 128, 128, 0), (0, 0, 255, 0), (0, 255, 0, 0), (0, 255, 255, 0),
    (255, 0, 0, 0), (255, 0, 255, 0), (255, 255, 0, 0), (255, 255, 255, 0),
]
TRANSPARENT, BLACK, DARK_RED, DARK_GREY, LIGHT_GREY, WHITE, DARK_YELLOW = -1, 0, 1, 8, 7, 15, 3


def track(sleeper_colour, rail_colour):
    """Rows top to bottom: sleepers across, two rails along, in a slight perspective."""
    image = [[TRANSPARENT] * 32 for _ in range(32)]
    for y in range(32):
        spread = 5 + y // 4  # the rails draw apart towards the viewer
        left, right = 16 - spread, 15 + spread
        if y % 5 in (1, 2):
            for x in range(max(0, left - 3), min(32, right + 4)):
                image[y][x] = sleeper_colour
        for rail in (left, right):
            image[y][rail] = rail_colour
            image[y][rail + (1 if rail == left else -1)] = LIGHT_GREY
    return image


def ico_bytes(image):
    xor = bytearray()
    mask = bytearray()
    for row in reversed(image):  # bitmaps are stored bottom-up
        for x in range(0, 32, 2):
            a, b = (max(0, c) for c in row[x:x + 2])
            xor.append((a << 4) | b)
        bits = 0
        for x, colour in enumerate(row):
            if colour == TRANSPARENT:
                bits |= 1 << (31 - x)
        mask += bits.to_bytes(4, "big")
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(bytes(entry) for entry in PALETTE)
    body = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(body), 22)
    return directory + body


if __name__ == "__main__":
    with open("res/polver.ico", "wb") as out:
        out.write(ico_bytes(track(DARK_RED, BLACK)))
    with open("res/polver_spare.ico", "wb") as out:
        out.write(ico_bytes(track(DARK_YELLOW, DARK_GREY)))
