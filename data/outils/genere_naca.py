#!/usr/bin/env python3
"""Writes data/nacaa.ini, the table of the 40 symmetric foil profiles of keels, rudders and
bulbs, and prints the list that data/README.md carries.

Two closed-form families of symmetric sections are used:

* the NACA four-digit thickness law 00tt, thickest near 30 % of the chord;
* the NACA modified four-digit series 00tt-IM, where I sets the leading-edge radius and M the
  position of the maximum thickness in tenths of the chord, so the thickest point moves
  from 20 % to 60 %.

Each line of the file is one profile: 29 comma-separated numbers, the half-thickness in %
of chord at the 26 chord stations below, then the true maximum half-thickness (%), its
position from the leading edge (%) and the leading-edge radius (% of chord, informative).

Usage: python3 genere_naca.py [output]   (default: ../nacaa.ini beside this folder)
"""

import math
import os
import sys

STATIONS = [0, 0.5, 0.75, 1.25, 2.5, 5, 7.5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65,
            70, 75, 80, 85, 90, 95, 100]

# (thickness in % of chord, None) for the four-digit law; (thickness, I, M) for the modified
# series. Profile 0 is the plain 12 % section: older projects are upgraded to it and it has
# to do for a keel, a rudder and a bulb alike.
PROFILS = [
    (12, None),
    (6, None), (8, None), (9, None), (10, None), (15, None), (18, None), (20, None), (24, None),
    (30, None),
    (8, 3, 4), (10, 3, 4), (12, 3, 4), (15, 3, 4),
    (8, 3, 5), (10, 3, 5), (12, 3, 5), (15, 3, 5),
    (8, 6, 4), (10, 6, 4), (12, 6, 4), (15, 6, 4), (18, 6, 4),
    (10, 6, 3), (12, 6, 3),
    (10, 6, 5), (12, 6, 5), (15, 6, 5), (18, 6, 5),
    (10, 6, 6), (12, 6, 6), (15, 6, 6),
    (12, 6, 2), (15, 6, 2),
    (20, 6, 4), (20, 6, 5), (25, 6, 4), (25, 6, 5), (30, 6, 5),
    (18, 6, 6),
]

# Trailing-edge slope d1 of the modified series against the position of maximum thickness
# (tenths of chord), for a 20 % section.
D1 = {2: 0.200, 3: 0.234, 4: 0.315, 5: 0.465, 6: 0.700}


def quatre_chiffres(t):
    """Half-thickness (fraction of chord) of the four-digit section of thickness t."""
    def y(x):
        return 5 * t * (0.2969 * math.sqrt(x) - 0.1260 * x - 0.3516 * x ** 2 + 0.2843 * x ** 3
                        - 0.1015 * x ** 4)
    return y, 1.1019 * t * t


def resout(a, b):
    """Gaussian elimination for a small dense system a x = b."""
    n = len(b)
    m = [list(ligne) + [v] for ligne, v in zip(a, b)]
    for c in range(n):
        p = max(range(c, n), key=lambda r: abs(m[r][c]))
        m[c], m[p] = m[p], m[c]
        for r in range(n):
            if r != c:
                f = m[r][c] / m[c][c]
                m[r] = [x - f * y for x, y in zip(m[r], m[c])]
    return [m[r][n] / m[r][r] for r in range(n)]


def quatre_chiffres_modifie(t, indice, position):
    """Half-thickness of the modified four-digit section 00tt-IM (t fraction of chord).

    The coefficients are those of a 20 % section, scaled by t / 0.2: ahead of the maximum
    a0 sqrt(x) + a1 x + a2 x^2 + a3 x^3, behind it d0 + d1 u + d2 u^2 + d3 u^3 with u = 1 - x;
    half-thickness 0.1 and zero slope at the maximum, curvature continuous there."""
    m = position / 10.0
    u = 1 - m
    d0 = 0.002
    d1 = D1[position]
    d2 = (0.294 - 2 * u * d1) / u ** 2
    d3 = (-0.196 + u * d1) / u ** 3
    a0 = 0.296904 * indice / 6.0
    courbure_arriere = 2 * d2 + 6 * d3 * u
    a1, a2, a3 = resout(
        [[m, m ** 2, m ** 3], [1, 2 * m, 3 * m ** 2], [0, 2, 6 * m]],
        [0.1 - a0 * math.sqrt(m), -a0 / (2 * math.sqrt(m)),
         courbure_arriere + a0 / (4 * m ** 1.5)])
    k = t / 0.2

    def y(x):
        if x < m:
            return k * (a0 * math.sqrt(x) + a1 * x + a2 * x ** 2 + a3 * x ** 3)
        w = 1 - x
        return k * (d0 + d1 * w + d2 * w ** 2 + d3 * w ** 3)
    return y, 1.1019 * (t * indice / 6.0) ** 2


def maximum(y):
    """True maximum of y on [0, 1] and its position: fine sampling, then golden section."""
    n = 20000
    i = max(range(n + 1), key=lambda k: y(k / n))
    a, b = max(0.0, (i - 1) / n), min(1.0, (i + 1) / n)
    g = (math.sqrt(5) - 1) / 2
    for _ in range(80):
        c, d = b - g * (b - a), a + g * (b - a)
        if y(c) >= y(d):
            b = d
        else:
            a = c
    x = (a + b) / 2
    return y(x), x


def verifie(nom, y, xmax):
    """A foil section: positive inside, rising to its maximum, then falling."""
    n = 2000
    precedent = 0.0
    for k in range(1, n + 1):
        x = k / n
        v = y(x)
        if v <= 0:
            raise SystemExit(nom + ": negative half-thickness at %g" % x)
        if x <= xmax - 1e-3 and v < precedent - 1e-12:
            raise SystemExit(nom + ": not rising ahead of its maximum at %g" % x)
        if x >= xmax + 1e-3 and v > precedent + 1e-12:
            raise SystemExit(nom + ": not falling behind its maximum at %g" % x)
        precedent = v


def nombre(v):
    s = "%.4f" % v
    return "0" if s in ("0.0000", "-0.0000") else s.rstrip("0").rstrip(".")


def main():
    sortie = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "nacaa.ini")
    lignes, liste = [], []
    for numero, p in enumerate(PROFILS):
        if p[1] is None:
            nom = "NACA 00%02d" % p[0]
            y, rayon = quatre_chiffres(p[0] / 100.0)
        else:
            nom = "NACA 00%02d-%d%d" % p
            y, rayon = quatre_chiffres_modifie(p[0] / 100.0, p[1], p[2])
        ymax, xmax = maximum(y)
        verifie(nom, y, xmax)
        valeurs = [100 * y(s / 100.0) for s in STATIONS] + [100 * ymax, 100 * xmax, 100 * rayon]
        lignes.append(",".join(nombre(v) for v in valeurs))
        liste.append("| %d | %s | %.2f | %.1f |" % (numero, nom, 200 * ymax, 100 * xmax))
    assert len(lignes) == 40 and all(len(l.split(",")) == 29 for l in lignes)
    with open(sortie, "wb") as f:
        f.write("".join(l + "\r\n" for l in lignes).encode("ascii"))
    print("| No. | Profile | Thickness % | Max. at % |")
    print("|---|---|---|---|")
    print("\n".join(liste))


if __name__ == "__main__":
    main()
