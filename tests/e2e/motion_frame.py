#!/usr/bin/env python3
"""Which frame of a motion image a screenshot shows.

Usage: motion_frame.py SHOT.png ID WIDTH HEIGHT RATE

The shot is the whole drawing area (WIDTH x HEIGHT) of image ID (motion or
frame-sequence) moving at RATE Hz. Prints the smallest frame number n whose
moving parts lie where the shot has them, by the images' definition: for
motion the left edge of each lane's square, (n * p_k) mod (W + S) - S with
p_k = max(1, round(480 * 2^k / R)); for frame-sequence the lit box n mod 16
and the strip's colour by n's parity. Exits 1 with a message when no frame
fits (a shot of two frames at once, or of something else)."""
import subprocess
import sys


def row(shot, y, width):
    """The pixels of row y as (r, g, b) tuples, read through ImageMagick."""
    raw = subprocess.run(["convert", shot, "-crop", f"{width}x1+0+{y}", "+repage", "-depth", "8", "rgb:-"],
                         check=True, capture_output=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def lanes(w, h):
    for k in range(3):
        top = 30 + k * (h - 30) // 3
        height = 30 + (k + 1) * (h - 30) // 3 - top
        side = min(height // 2, 128)
        yield k, top + (height - side) // 2, side


def motion_frame(shot, w, h, rate):
    wanted = []
    for k, square_top, side in lanes(w, h):
        colour = (0, 0, 0) if k == 2 else (255, 255, 255)
        pixels = row(shot, square_top + side // 2, w)
        columns = [x for x, p in enumerate(pixels) if p == colour]
        if not columns:
            left = -side
        elif columns[-1] - columns[0] + 1 != len(columns) or len(columns) > side:
            sys.exit(f"lane {k}: no single square in row {square_top + side // 2}")
        elif columns[0] == 0 and len(columns) < side:
            left = columns[-1] - side + 1
        else:
            left = columns[0]
        step = max(1, int(480 * 2 ** k / rate + 0.5))
        wanted.append((step, w + side, left + side))
    for n in range(200_000):
        if all((n * step) % span == travelled % span for step, span, travelled in wanted):
            return n
    sys.exit(f"no frame has the squares at {wanted}")


def sequence_frame(shot, w, h):
    box_row = 30 + (h - 30) // 4 + ((h - 30) // 2 - (h - 30) // 4) // 2
    pixels = row(shot, box_row, w)
    lit = [i for i in range(16) if pixels[(i * w // 16 + 4 + (i + 1) * w // 16 - 5) // 2] == (255, 255, 255)]
    if len(lit) != 1:
        sys.exit(f"boxes lit: {lit}")
    strip = row(shot, h - 1, w)[0]
    if strip != ((255, 0, 0) if lit[0] % 2 == 0 else (0, 255, 255)):
        sys.exit(f"box {lit[0]} lit with the strip {strip}")
    return lit[0]


def main():
    shot, image, w, h, rate = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), float(sys.argv[5])
    print(motion_frame(shot, w, h, rate) if image == "motion" else sequence_frame(shot, w, h))


main()
