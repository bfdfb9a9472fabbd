#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw the turning yellow star and assemble it into p7_star.gif.

The star turns about its vertical axis: frame i is the star squeezed
horizontally by cos(i * 2*pi / FRAMES) (mirrored when the cosine is
negative, never thinner than MIN_WIDTH pixels), centred in a SIZE x SIZE
picture with a transparent background.  Frame 0 is the star seen face on.

The frames are written as SVG files into a temporary folder and joined
with ImageMagick's `convert` into an animated GIF next to this script.

Usage:  python3 assets/make_star.py
"""

import math
import os
import shutil
import subprocess
import sys
import tempfile

SIZE = 47              # picture width and height in pixels
FRAMES = 11            # number of frames in the animation
DELAY = 2              # GIF delay per frame, in 1/100 s (20 ms)
LOOPS = 1000           # GIF loop count
MIN_WIDTH = 1.0        # the squeezed star is never thinner than this (px)

CX = SIZE / 2.0        # horizontal centre
R_OUT = 21.5           # radius of the five points
R_IN = R_OUT * 0.40    # radius of the inner corners
# A five-pointed star is taller at the top than at the bottom; move the
# centre down a little so the star sits in the middle of the picture.
CY = SIZE / 2.0 + R_OUT * (1.0 - math.cos(math.pi / 5)) / 2.0

FILL_LIGHT = "#ffe45c"  # lit half of each arm
FILL_DARK = "#ffc61a"   # shaded half of each arm
OUTLINE = "#e07800"     # darker orange-yellow outline
STROKE_W = 1.8

OUT_GIF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "p7_star.gif")


def star_points(sx):
    """The 10 corners of the star (point, inner, point, ...), starting at
    the top point, with x squeezed about the centre by the factor sx."""
    pts = []
    for k in range(10):
        r = R_OUT if k % 2 == 0 else R_IN
        a = -math.pi / 2 + k * math.pi / 5
        pts.append((CX + sx * r * math.cos(a), CY + r * math.sin(a)))
    return pts


def fmt(p):
    return "%.2f,%.2f" % p


def frame_svg(i):
    c = math.cos(i * 2.0 * math.pi / FRAMES)
    # keep the star at least MIN_WIDTH pixels wide
    full_width = 2.0 * R_OUT * math.sin(2.0 * math.pi / 5)
    smallest = MIN_WIDTH / full_width
    if abs(c) < smallest:
        c = smallest if c >= 0 else -smallest
    pts = star_points(c)
    centre = (CX, CY)

    facets = []
    for k in range(10):
        a, b = pts[k], pts[(k + 1) % 10]
        colour = FILL_LIGHT if k % 2 == 0 else FILL_DARK
        facets.append('    <polygon points="%s %s %s" fill="%s"/>'
                      % (fmt(centre), fmt(a), fmt(b), colour))

    outline = " ".join(fmt(p) for p in pts)
    return "\n".join([
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
        'width="%d" height="%d" viewBox="0 0 %d %d">' % (SIZE, SIZE, SIZE, SIZE),
        '  <g stroke="none">',
        "\n".join(facets),
        '  </g>',
        '  <polygon points="%s" fill="none" stroke="%s" stroke-width="%.1f" '
        'stroke-linejoin="round"/>' % (outline, OUTLINE, STROKE_W),
        '</svg>',
        '',
    ])


def main():
    if shutil.which("convert") is None:
        sys.exit("ImageMagick 'convert' is needed to build the GIF")
    with tempfile.TemporaryDirectory(prefix="star_frames_") as tmp:
        files = []
        for i in range(FRAMES):
            path = os.path.join(tmp, "star_%02d.svg" % i)
            with open(path, "w", encoding="utf-8") as f:
                f.write(frame_svg(i))
            files.append(path)
        cmd = (["convert", "-background", "none",
                "-dispose", "Background", "-delay", str(DELAY),
                "-loop", str(LOOPS)]
               + files
               + ["-set", "dispose", "Background", OUT_GIF])
        subprocess.run(cmd, check=True)
    print("wrote", OUT_GIF)


if __name__ == "__main__":
    main()
