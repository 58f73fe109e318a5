#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""How far apart the nine payline colours stay under the three common colour-vision deficiencies.

Each colour is passed through Machado, Oliveira and Fernandes's (2009) full-severity matrices in
linear RGB, and the closest pair is reported in CIEDE2000 and CIE76 units. Under about 10 the
two lines are hard to tell apart by colour alone; the line patterns are there for them.
usage: payline_colours.py [src/ui/design_grid.h]
"""
import itertools
import math
import re
import sys

MACHADO = {
    "protanopia": ((0.152286, 1.052583, -0.204868), (0.114503, 0.786281, 0.099216),
                   (-0.003882, -0.048116, 1.051998)),
    "deuteranopia": ((0.367322, 0.860646, -0.227968), (0.280085, 0.672501, 0.047413),
                     (-0.011820, 0.042940, 0.968881)),
    "tritanopia": ((1.255528, -0.076749, -0.178779), (-0.078411, 0.930809, 0.147602),
                   (0.004733, 0.691367, 0.303900)),
}


def linear(c):
    c /= 255
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def lab(rgb):
    r, g, b = rgb
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883
    f = [t ** (1 / 3) if t > 216 / 24389 else (24389 / 27 * t + 16) / 116 for t in (x, y, z)]
    return 116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])


def de76(a, b):
    return math.dist(a, b)


def de2000(lab1, lab2):
    (l1, a1, b1), (l2, a2, b2) = lab1, lab2
    c_mean = (math.hypot(a1, b1) + math.hypot(a2, b2)) / 2
    g = 0.5 * (1 - math.sqrt(c_mean ** 7 / (c_mean ** 7 + 25 ** 7)))
    a1, a2 = a1 * (1 + g), a2 * (1 + g)
    c1, c2 = math.hypot(a1, b1), math.hypot(a2, b2)
    h1, h2 = math.degrees(math.atan2(b1, a1)) % 360, math.degrees(math.atan2(b2, a2)) % 360
    dl, dc = l2 - l1, c2 - c1
    dh = 0 if c1 * c2 == 0 else (h2 - h1 + 180) % 360 - 180
    dhh = 2 * math.sqrt(c1 * c2) * math.sin(math.radians(dh / 2))
    lm, cm = (l1 + l2) / 2, (c1 + c2) / 2
    hm = h1 + h2 if c1 * c2 == 0 else ((h1 + h2) / 2 + (180 if abs(h1 - h2) > 180 else 0)) % 360
    t = (1 - 0.17 * math.cos(math.radians(hm - 30)) + 0.24 * math.cos(math.radians(2 * hm)) +
         0.32 * math.cos(math.radians(3 * hm + 6)) - 0.20 * math.cos(math.radians(4 * hm - 63)))
    sl = 1 + 0.015 * (lm - 50) ** 2 / math.sqrt(20 + (lm - 50) ** 2)
    sc, sh = 1 + 0.045 * cm, 1 + 0.015 * cm * t
    rt = (-2 * math.sqrt(cm ** 7 / (cm ** 7 + 25 ** 7)) *
          math.sin(math.radians(60 * math.exp(-(((hm - 275) / 25) ** 2)))))
    return math.sqrt((dl / sl) ** 2 + (dc / sc) ** 2 + (dhh / sh) ** 2 +
                     rt * (dc / sc) * (dhh / sh))


def main():
    header = sys.argv[1] if len(sys.argv) > 1 else "src/ui/design_grid.h"
    text = open(header, encoding="utf-8").read()
    block = re.search(r"kLineColours = \{([^}]*)\}", text).group(1)
    colours = [int(h, 16) for h in re.findall(r"0x([0-9A-Fa-f]{6})", block)]
    rgb = [[linear((c >> s) & 0xFF) for s in (16, 8, 0)] for c in colours]
    views = {"normal": rgb}
    for name, m in MACHADO.items():
        views[name] = [[min(1, max(0, sum(m[i][j] * c[j] for j in range(3)))) for i in range(3)]
                       for c in rgb]
    for name, view in views.items():
        labs = [lab(c) for c in view]
        pairs = list(itertools.combinations(range(len(labs)), 2))
        d00 = min(pairs, key=lambda p: de2000(labs[p[0]], labs[p[1]]))
        d76 = min(pairs, key=lambda p: de76(labs[p[0]], labs[p[1]]))
        close = sum(1 for p in pairs if de2000(labs[p[0]], labs[p[1]]) < 10)
        print(f"{name:13} CIEDE2000 min {de2000(labs[d00[0]], labs[d00[1]]):5.1f} "
              f"(lines {d00[0] + 1} and {d00[1] + 1})  CIE76 min "
              f"{de76(labs[d76[0]], labs[d76[1]]):5.1f} (lines {d76[0] + 1} and {d76[1] + 1})  "
              f"pairs under 10: {close}")


if __name__ == "__main__":
    main()
