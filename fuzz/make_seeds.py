#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora into fuzz/corpus/.

The seeds are small hand-made inputs that reach the interesting paths at once:
map files (valid, out of range, short, wrong magic) and pointer and drawing
scripts in the formats described at the top of pointer_fuzzer.cpp and
draw_surface_fuzzer.cpp. Run it again after changing a script format.
"""

import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent
MAGIC = b"KuBmAp10"
NOT_PLACED = 255


def record(tiles=None, faces=(7,) * 6, start=(0, 0), end=(15, 15)):
    """The 266 bytes after the magic."""
    tiles = bytes(256) if tiles is None else bytes(tiles)
    assert len(tiles) == 256 and len(faces) == 6
    return bytes(faces) + bytes(start) + bytes(end) + tiles


def map_files():
    pattern = [(x + y) % 8 for y in range(16) for x in range(16)]
    odd = [200 if i % 3 == 0 else 255 if i % 3 == 1 else 8 for i in range(256)]
    valid = MAGIC + record()
    return {
        "valid.map": valid,
        "pattern.map": MAGIC + record(pattern, (0, 1, 2, 3, 4, 5), (3, 4), (12, 7)),
        "out_of_range.map": MAGIC + record(odd, (200, 8, 255, 7, 0, 1), (4, 255), (16, 254)),
        "not_placed.map": MAGIC + record(start=(255, 3), end=(255, 255)),
        "same_tile.map": MAGIC + record(pattern, start=(15, 0), end=(15, 0)),
        "long.map": valid + bytes(range(26)),
        "short.map": valid[:100],
        "magic_only.map": MAGIC,
        "seven_bytes.map": MAGIC[:7],
        "wrong_digit.map": b"KuBmAp11" + record(),
        "lower_case.map": b"kuBmAp10" + record(),
    }


# ---- Scripts ----

def whole(v):
    """A coordinate in quarter pixels."""
    return bytes([0]) + struct.pack("<h", round(v * 4))


def raw(v):
    """A coordinate as float bits (NaN, infinities, huge)."""
    return bytes([1]) + struct.pack("<f", v)


def coord(v):
    return whole(v) if abs(v) < 8192 and v * 4 == int(v * 4) else raw(v)


NAN = float("nan")
INF = float("inf")

# Pointer events, numbered as in pointer_fuzzer.cpp.
MOVE, RELEASE, PLOT, PLACE_START, PLACE_END, COLOR, LOAD, REDRAW = range(8)


def move(x, y, button=1):
    return bytes([MOVE, button & 0xFF]) + coord(x) + coord(y)


def release(x, y, button=1):
    return bytes([RELEASE, button & 0xFF]) + coord(x) + coord(y)


def plot(x, y):
    return bytes([PLOT]) + coord(x) + coord(y)


def color(i):
    return bytes([COLOR, i])


def load(rec):
    return bytes([LOAD]) + rec


def pointer_scripts():
    return {
        "drag.bin": color(3) + move(8, 8) + move(100, 8) + release(100, 8) + bytes([REDRAW]),
        "place.bin": bytes([PLACE_START]) + move(37, 70) + release(37, 70)
        + bytes([PLACE_END]) + move(200, 30) + release(255, 255)
        + color(1) + move(40, 72) + move(250, 250) + bytes([REDRAW]),
        "edges.bin": move(0, 100) + move(100, 0) + move(1, 1) + move(255, 255)
        + move(256, 10) + move(-3, 10) + move(5, 5, button=0) + move(5, 5, button=3)
        + move(37.5, 47.5) + move(255.5, 255.75) + move(0.5, 0.75)
        + move(NAN, 5) + move(5, INF) + move(-INF, 3.4e38)
        + bytes([PLACE_START]) + release(50, 50, button=2) + move(50, 50),
        "fractional_place.bin": bytes([PLACE_START]) + move(255.75, 255.99998)
        + move(15.5, 7.5) + bytes([PLACE_END]) + plot(255.5, 0.5) + release(NAN, NAN),
        "loaded_out_of_range.bin": load(record([200] * 256, (200,) * 6, (4, 255), (16, 16)))
        + bytes([REDRAW, PLACE_START]) + move(20, 20) + bytes([PLACE_END])
        + plot(255.9, 255.9) + move(100, 100) + bytes([REDRAW]),
        "loaded_not_placed.bin": load(record(start=(255, 3), end=(3, 255)))
        + move(49, 49) + bytes([PLACE_START]) + release(49, 49) + bytes([REDRAW]),
    }


# Surface calls, numbered as in draw_surface_fuzzer.cpp.
FILL, LINE, CIRCLE = range(3)
RED, WHITE, BLUE = b"\xff\x00\x00", b"\xff\xff\xff", b"\x00\x00\xff"


def fill(x1, y1, x2, y2, rgb=RED):
    return bytes([FILL]) + coord(x1) + coord(y1) + coord(x2) + coord(y2) + rgb


def line(x1, y1, x2, y2, rgb=WHITE):
    return bytes([LINE]) + coord(x1) + coord(y1) + coord(x2) + coord(y2) + rgb


def circle(cx, cy, r, rgb=WHITE):
    return bytes([CIRCLE]) + coord(cx) + coord(cy) + coord(r) + rgb


def surface_scripts():
    return {
        "tiles.bin": fill(0, 0, 255, 255, BLUE) + fill(16, 16, 31, 31) + fill(255, 255, 240, 240),
        "end_marker.bin": line(241, 240, 255, 254) + line(240, 241, 254, 255)
        + line(254, 240, 240, 254) + line(255, 241, 241, 255)
        + line(240, 240, 255, 255) + line(255, 240, 240, 255),
        "start_marker.bin": b"".join(circle(7, 7, r) for r in (6, 5, 4, 3, 2))
        + circle(250, 3, 10) + circle(-3, 128, 10) + circle(128, 128, 0),
        "far.bin": line(-1000, -1000, 1000, 1000) + line(-3.4e38, 5, 3.4e38, 7)
        + fill(-INF, -INF, INF, INF) + fill(NAN, 0, 10, 10) + circle(128, 128, 1e6)
        + circle(INF, 0, 3) + circle(1, 1, NAN),
        "fractional.bin": fill(0.5, 0.5, 15.5, 15.5) + line(-0.25, -0.25, 14.75, 14.75)
        + circle(7.5, 7.5, 2.5) + line(255.99998, 0, 0, 255.99998),
        # Found by the fuzzer: lines from far out that the cut to the square
        # about the canvas got wrong. The first left an end outside the square,
        # whose conversion to an integer overflowed; the second, wholly below
        # the canvas, drew its row 128.
        "far_cut_overflow.bin": line(2.9775027567653853e38, 6002.25, 1.4062263776873703e20, -6144),
        "far_cut_below.bin": line(1.9288173293564944e31, 1.9288173293564944e31,
                                  -473781701181440.0, 256),
    }


def write(folder, files):
    target = HERE / "corpus" / folder
    target.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (target / name).write_bytes(data)


if __name__ == "__main__":
    write("map", map_files())
    write("pointer", pointer_scripts())
    write("surface", surface_scripts())
