#!/usr/bin/env python3
"""Makes the example images for zubCmd_boxesFromImage.

Only the red channel makes cubes (red 0: no cube; red 255: a cube one unit
tall); green, blue and alpha are there to show that they play no part.
Written with the standard library alone, so the PNGs can be made again
anywhere:  python3 examples/makeExamples.py [output folder]
"""

import math
import os
import struct
import sys
import zlib


def write_png(path, width, height, pixel):
    """Writes an 8-bit RGBA PNG; pixel(x, y) gives (r, g, b, a), y = 0 on top."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # filter type: none
        for x in range(width):
            rows.extend(bytes(pixel(x, y)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        out.write(chunk(b"IEND", b""))


def gradient(x, y):
    """32 x 16: red climbs from left to right, a ramp of cubes; green from top to bottom."""
    return (round(255 * (x + 1) / 32), round(255 * y / 15), 96, 255)


def logo(x, y):
    """24 x 24: a tall "Z" inside a low square frame, on black."""
    size = 24
    if x in (0, size - 1) or y in (0, size - 1):
        return (64, 64, 64, 255)  # the frame: cubes a quarter unit tall
    inner = 3 <= x <= size - 4 and 3 <= y <= size - 4
    bar = inner and (y <= 5 or y >= size - 6)  # top and bottom strokes
    # The diagonal from the top right to the bottom left, three pixels thick.
    diagonal = inner and abs((x - 3) - (size - 4 - y)) <= 1
    if bar or diagonal:
        return (255, 200, 0, 255)
    return (0, 0, 255, 255)  # blue ground: no cubes, whatever its blue


def every_red(x, y):
    """16 x 16: every red value once, 0 at the top left to 255 at the bottom right."""
    red = y * 16 + x
    return (red, (x * 37) % 256, (y * 53) % 256, 255 - red)


def waves(x, y):
    """48 x 48: rings spreading from the centre."""
    r = math.hypot(x - 23.5, y - 23.5)
    return (round(40 + 215 * (0.5 + 0.5 * math.cos(r / 2.2))), 0, 0, 255)


IMAGES = {
    "gradient.png": (32, 16, gradient),
    "logo.png": (24, 24, logo),
    "everyRed.png": (16, 16, every_red),
    "waves.png": (48, 48, waves),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, (width, height, pixel) in IMAGES.items():
        write_png(os.path.join(folder, name), width, height, pixel)
        print(f"{name}: {width} x {height}")


if __name__ == "__main__":
    main()
