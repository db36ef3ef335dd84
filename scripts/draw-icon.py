#!/usr/bin/env python3
"""Draws the application icon: a red finger striking a grey keyboard key,
with blue motion lines, 32 x 32 in 16 colours with transparency.

Writes data/icons/klopfomat.xpm, the source of every other size
(scripts/make-icons.sh scales it up without smoothing)."""
import math
import pathlib

SIZE = 32
PALETTE = {  # the 16-colour VGA set, as far as the picture needs it
    " ": "None",
    "k": "#000000",
    "g": "#808080",
    "l": "#C0C0C0",
    "w": "#FFFFFF",
    "r": "#FF0000",
    "m": "#800000",
    "b": "#0000FF",
    "n": "#000080",
}

grid = [[" "] * SIZE for _ in range(SIZE)]


def put(x, y, c):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        grid[y][x] = c


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    cx, cy = ax + t * dx, ay + t * dy
    side = (px - ax) * dy - (py - ay) * dx  # > 0: lower-right of the finger
    return math.hypot(px - cx, py - cy), side


# The key: black outline with rounded corners, grey sides, light top face.
for y in range(17, 31):
    for x in range(3, 29):
        corner = (x in (3, 28)) and (y in (17, 30))
        if corner:
            continue
        edge = x in (3, 28) or y in (17, 30)
        put(x, y, "k" if edge else "g")
for y in range(18, 26):
    for x in range(6, 26):
        put(x, y, "l")
for x in range(6, 26):
    put(x, 18, "w")
for y in range(18, 26):
    put(6, y, "w")
for x in range(6, 26):
    put(x, 26, "k")
for y in range(27, 30):
    put(5, y, "k")
    put(26, y, "k")

# The finger, from the top right corner down onto the middle of the key.
tip = (15.5, 17.0)
base = (34.0, -6.0)
for y in range(SIZE):
    for x in range(SIZE):
        d, side = segment_distance(x, y, tip[0], tip[1], base[0], base[1])
        if d <= 3.0:
            put(x, y, "m" if side < -40 else "r")
        elif d <= 4.0:
            put(x, y, "k")
# Its nail, on the upper side near the tip.
for y in range(SIZE):
    for x in range(SIZE):
        d, side = segment_distance(x, y, 17.2, 14.2, 19.2, 11.8)
        if d <= 1.0 and grid[y][x] == "r":
            put(x, y, "w")

# Motion lines beside the finger, and two strokes of the impact.
for (sx, sy), length in (((8, 9), 6), ((11, 5), 7), ((15, 2), 6)):
    for i in range(length):
        put(sx + round(i * 0.62), sy - round(i * 0.79), "b")
for x, y in ((9, 15), (8, 14), (24, 15), (25, 14), (10, 16), (23, 16)):
    put(x, y, "n")

rows = ["".join(r) for r in grid]
lines = ["/* XPM */", "static const char *klopfomat[] = {",
         f'"{SIZE} {SIZE} {len(PALETTE)} 1",']
lines += [f'"{c} c {v}",' for c, v in PALETTE.items()]
lines += [f'"{r}",' for r in rows[:-1]] + [f'"{rows[-1]}"', "};"]
out = pathlib.Path(__file__).resolve().parent.parent / "data/icons/klopfomat.xpm"
out.write_text("\n".join(lines) + "\n")
print("\n".join(rows))
