#!/usr/bin/env python3
"""Draws the curvature of the five transition curves along their length: docs/transition-laws.png.

Run from the repository root: python3 scripts/plot_transition_laws.py (it needs ImageMagick's
convert). The output is committed; run this again only to change the picture. The laws are those
of calc/alignment/transition_laws.cpp: the curvature runs from k1 to k2 as k1 + (k2 - k1) f(t), t
the fraction of the length.
"""
import math
import subprocess

LAWS = [  # word, f(t), colour
    ("spiral", lambda t: t, "#808080"),
    ("bloss", lambda t: 3 * t * t - 2 * t ** 3, "#c00000"),
    ("cosine", lambda t: (1 - math.cos(math.pi * t)) / 2, "#0060c0"),
    ("sine", lambda t: t - math.sin(2 * math.pi * t) / (2 * math.pi), "#008000"),
    ("helmert", lambda t: 2 * t * t if t <= 0.5 else 1 - 2 * (1 - t) ** 2, "#a000a0"),
]
WIDTH, HEIGHT = 400, 250
LEFT, TOP, SIZE_X, SIZE_Y = 40, 20, 240, 180


def point(t, f):
    return "%.1f,%.1f" % (LEFT + SIZE_X * t, TOP + SIZE_Y * (1 - f))


def text(x, y, words):
    return ["-stroke", "none", "-fill", "black", "-draw", "text %d,%d '%s'" % (x, y, words)]


def main():
    draw = ["convert", "-size", "%dx%d" % (WIDTH, HEIGHT), "xc:white", "-pointsize", "13",
            "-fill", "none", "-stroke", "black", "-strokewidth", "1",
            "-draw", "polyline %s %s %s" % (point(0, 1), point(0, 0), point(1, 0))]
    draw += text(LEFT - 24, TOP + 5, "k2") + text(LEFT - 24, TOP + SIZE_Y + 5, "k1")
    draw += text(LEFT - 12, TOP + SIZE_Y + 20, "start") + text(LEFT + SIZE_X - 14, TOP + SIZE_Y + 20,
                                                              "end")
    draw += text(LEFT + 30, TOP + SIZE_Y + 42, "curvature along the transition")
    for i, (word, f, colour) in enumerate(LAWS):
        points = " ".join(point(n / 200, f(n / 200)) for n in range(201))
        draw += ["-fill", "none", "-stroke", colour, "-strokewidth", "2",
                 "-draw", "polyline " + points]
        y = TOP + 30 + 24 * i
        draw += ["-draw", "line %d,%d %d,%d" % (LEFT + SIZE_X + 20, y - 4, LEFT + SIZE_X + 45, y - 4)]
        draw += text(LEFT + SIZE_X + 52, y, word)
    subprocess.run(draw + ["docs/transition-laws.png"], check=True)


if __name__ == "__main__":
    main()
