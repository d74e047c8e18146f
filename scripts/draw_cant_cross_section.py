#!/usr/bin/env python3
"""Draws the README's sketch of a canted track's cross-section as docs/cant-cross-section.png.

A left-hand curve seen looking towards growing chainage, its cant turned about the inner (lower)
rail, with the cant exaggerated: the profile's height H at the pivot, each rail's height, the
plane of the rail heads b apart and a point on it at offset d. The drawing goes to ImageMagick as
drawing primitives. Run from the repository root: python3 scripts/draw_cant_cross_section.py. The
picture is committed, so a build never needs Python or ImageMagick.
"""
import math
import subprocess

WIDTH, HEIGHT = 900, 440
SCALE = 220.0  # pixels per metre
B = 1.5  # the rail heads' distance at standard gauge
D = -0.25  # the cant in metres, exaggerated: the right rail lies higher
PSI = math.asin(D / B)
X0, Y0 = 450.0, 250.0  # the alignment (d = 0) and the profile's height H on the picture
POINT_D = 0.35  # the offset of the point shown on the track surface

# The rail as drawn across, from the top of its head (u along the rail heads' plane, v into the
# track), in pixels.
RAIL = [(-10, 0), (10, 0), (10, 12), (3, 12), (3, 35), (14, 35), (14, 42), (-14, 42), (-14, 35),
        (-3, 35), (-3, 12), (-10, 12)]


def z_centre():
    """zc - H for a pivot at the inner rail."""
    return abs(D) / 2


def surface(d):
    """The screen point of the rail heads' plane at offset d."""
    z = z_centre() - d * math.tan(PSI)
    return X0 + d * SCALE, Y0 - z * SCALE


def along(point, u, v):
    """A point u along the plane and v into the track from point, on the screen."""
    t = (math.cos(PSI), math.sin(PSI))
    n = (-math.sin(PSI), math.cos(PSI))
    return point[0] + u * t[0] + v * n[0], point[1] + u * t[1] + v * n[1]


def polygon(points):
    return "polygon " + " ".join("%.1f,%.1f" % p for p in points)


def line(a, b):
    return "line %.1f,%.1f %.1f,%.1f" % (a[0], a[1], b[0], b[1])


def text(at, words):
    return "text %.1f,%.1f '%s'" % (at[0], at[1], words)


def arrow_line(a, b):
    """A dimension line with a head at each end."""
    parts = [line(a, b)]
    length = math.hypot(b[0] - a[0], b[1] - a[1])
    ux, uy = (b[0] - a[0]) / length, (b[1] - a[1]) / length
    for tip, sign in ((a, 1), (b, -1)):
        base = (tip[0] + sign * 9 * ux, tip[1] + sign * 9 * uy)
        parts.append(polygon([tip, (base[0] - 4 * uy, base[1] + 4 * ux),
                              (base[0] + 4 * uy, base[1] - 4 * ux)]))
    return parts


def drawing():
    heads = [surface(-B / 2 * math.cos(PSI)), surface(B / 2 * math.cos(PSI))]
    centre = surface(0)
    start, end = surface(-B), surface(B)
    p = surface(POINT_D)
    out = ["font DejaVu-Sans", "font-size 14", "stroke-antialias 1"]

    # Ballast and sleeper under the rails.
    sleeper = [along(centre, u * SCALE, v) for u, v in ((-1.3, 42), (1.3, 42), (1.3, 62),
                                                         (-1.3, 62))]
    out += ["fill #d9d2c5 stroke none",
            polygon([along(centre, -1.9 * SCALE, 62), along(centre, 1.9 * SCALE, 62),
                     (X0 + 2.6 * SCALE, 395), (X0 - 2.6 * SCALE, 395)]),
            "fill #8c6d4f", polygon(sleeper)]
    # The rails, perpendicular to the plane of their heads.
    out.append("fill #505050 stroke #202020 stroke-width 1")
    for head in heads:
        out.append(polygon([along(head, u, v) for u, v in RAIL]))

    # The profile's height and the alignment, dashed.
    out += ["push graphic-context", "fill none stroke #1f5fa8 stroke-width 1.5",
            "stroke-dasharray 8 5", line((30, Y0), (870, Y0)), "stroke #606060 stroke-width 1",
            line((X0, 40), (X0, 400)), "pop graphic-context"]
    # The track surface from -b to +b.
    out += ["stroke #c03020 stroke-width 2.5", line(start, end),
            "stroke-width 1.5", line(along(start, 0, -8), along(start, 0, 8)),
            line(along(end, 0, -8), along(end, 0, 8))]
    # The cant at the higher rail, and b between the heads' centres.
    out += ["stroke #000000 stroke-width 1 fill #000000"]
    x = heads[1][0] + 70
    out += [line((heads[1][0] + 12, heads[1][1]), (x + 8, heads[1][1]))]
    out += arrow_line((x, Y0), (x, heads[1][1]))
    out += arrow_line(along(heads[0], 0, -45), along(heads[1], 0, -45))
    out += [line(along(heads[0], 0, -5), along(heads[0], 0, -52)),
            line(along(heads[1], 0, -5), along(heads[1], 0, -52))]
    # The point at offset d and its height.
    out += ["fill #c03020 stroke none", "circle %.1f,%.1f %.1f,%.1f" % (p[0], p[1], p[0] + 5, p[1]),
            "fill #000000 stroke #000000", line((p[0], p[1]), (p[0], 360))]
    out += arrow_line((X0, 350), (p[0], 350))
    out += ["fill #c03020 stroke #c03020", "circle %.1f,%.1f %.1f,%.1f" % (centre[0], centre[1],
                                                                          centre[0] + 4,
                                                                          centre[1])]

    # The words.
    mid_b = along(((heads[0][0] + heads[1][0]) / 2, (heads[0][1] + heads[1][1]) / 2), -110, -72)
    out += ["stroke none fill #000000",
            text((20, 28), "Looking towards growing chainage: a curve to the left, "
                           "pivot inner (cant exaggerated)"),
            text((X0 + 6, 56), "alignment, d = 0"),
            "fill #1f5fa8", text((32, Y0 - 8), "H: the profile, at the pivot"),
            "fill #000000",
            text((heads[0][0] - 110, heads[0][1] - 30), "H left = H"),
            text((heads[1][0] - 40, heads[1][1] - 60), "H right = H + |C| / 1000"),
            text((x + 10, (Y0 + heads[1][1]) / 2 + 5), "|C| / 1000"),
            text(mid_b, "b = gauge + 0.065"),
            text((centre[0] - 40, centre[1] - 12), "zc"),
            text(((X0 + p[0]) / 2 - 4, 343), "d"),
            "fill #c03020",
            text((p[0] + 10, p[1] + 22), "z(d)"),
            text((end[0] - 10, end[1] - 14), "+b"),
            text((start[0] - 20, start[1] - 14), "-b"),
            text((40, 425), "The track surface: the plane of the rail heads, "
                            "sin(psi) = (C / 1000) / b; no value beyond b")]
    return "\n".join(out) + "\n"


def main():
    subprocess.run(["convert", "-size", "%dx%d" % (WIDTH, HEIGHT), "xc:white", "-draw", drawing(),
                    "-strip", "docs/cant-cross-section.png"], check=True)


if __name__ == "__main__":
    main()
