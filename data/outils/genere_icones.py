#!/usr/bin/env python3
"""Draws the main toolbar's icons and the please-wait window's three pictures as PNG files.

Standard library only: shapes are filled on a 4x supersampled grid and averaged down, so the
edges come out smooth. Run it from anywhere; it writes beside itself.
"""
import math
import os
import struct
import zlib

SUR = 4  # supersampling factor


class Image:
    def __init__(self, taille):
        self.t = taille
        self.n = taille * SUR
        self.pix = [[(0, 0, 0, 0)] * self.n for _ in range(self.n)]

    def polygone(self, points, couleur):
        """Fills a polygon given in picture pixels (even-odd rule)."""
        pts = [(x * SUR, y * SUR) for x, y in points]
        for j in range(self.n):
            y = j + 0.5
            xs = []
            for k in range(len(pts)):
                x1, y1 = pts[k]
                x2, y2 = pts[(k + 1) % len(pts)]
                if (y1 <= y < y2) or (y2 <= y < y1):
                    xs.append(x1 + (y - y1) * (x2 - x1) / (y2 - y1))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                for i in range(max(0, math.ceil(a - 0.5)), min(self.n, math.floor(b - 0.5) + 1)):
                    self.pix[j][i] = couleur

    def rectangle(self, x, y, l, h, couleur):
        self.polygone([(x, y), (x + l, y), (x + l, y + h), (x, y + h)], couleur)

    def trait(self, x1, y1, x2, y2, epaisseur, couleur):
        dx, dy = x2 - x1, y2 - y1
        d = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / d * epaisseur / 2, dx / d * epaisseur / 2
        self.polygone([(x1 + nx, y1 + ny), (x2 + nx, y2 + ny), (x2 - nx, y2 - ny),
                       (x1 - nx, y1 - ny)], couleur)

    def ligne(self, points, epaisseur, couleur):
        for a, b in zip(points, points[1:]):
            self.trait(a[0], a[1], b[0], b[1], epaisseur, couleur)

    def disque(self, cx, cy, r, couleur, cotes=32):
        self.polygone([(cx + r * math.cos(2 * math.pi * k / cotes),
                        cy + r * math.sin(2 * math.pi * k / cotes)) for k in range(cotes)],
                      couleur)

    def png(self, chemin):
        lignes = []
        for j in range(self.t):
            ligne = bytearray([0])
            for i in range(self.t):
                r = g = b = a = 0
                for jj in range(SUR):
                    for ii in range(SUR):
                        pr, pg, pb, pa = self.pix[j * SUR + jj][i * SUR + ii]
                        r += pr * pa
                        g += pg * pa
                        b += pb * pa
                        a += pa
                if a:
                    ligne += bytes([r // a, g // a, b // a, a // (SUR * SUR)])
                else:
                    ligne += bytes(4)
            lignes.append(bytes(ligne))

        def bloc(genre, donnees):
            return (struct.pack(">I", len(donnees)) + genre + donnees +
                    struct.pack(">I", zlib.crc32(genre + donnees) & 0xFFFFFFFF))

        entete = struct.pack(">IIBBBBB", self.t, self.t, 8, 6, 0, 0, 0)
        with open(chemin, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + bloc(b"IHDR", entete) +
                    bloc(b"IDAT", zlib.compress(b"".join(lignes), 9)) + bloc(b"IEND", b""))


NOIR = (30, 30, 30, 255)
BLEU = (40, 90, 170, 255)
CIEL = (150, 200, 240, 255)
BOIS = (170, 110, 50, 255)
JAUNE = (240, 200, 60, 255)
BLANC = (250, 250, 250, 255)
ROUGE = (200, 40, 40, 255)
VERT = (40, 160, 60, 255)
GRIS = (130, 130, 130, 255)


def coque(im, x, y, l, h, couleur):
    """A yacht hull seen from the side: flat sheer, rounded bottom."""
    pts = [(x, y)]
    for k in range(13):
        t = k / 12
        pts.append((x + l * t, y + h * math.sin(math.pi * t) ** 0.7 + 0.001))
    pts.append((x + l, y))
    im.polygone(pts, couleur)


def ouvrir():
    im = Image(24)
    im.polygone([(2, 6), (9, 6), (11, 8), (21, 8), (21, 20), (2, 20)], BOIS)
    im.polygone([(5, 11), (23, 11), (20, 20), (2, 20)], JAUNE)
    return im


def disquette(im, x, y, couleur):
    im.rectangle(x, y, 16, 16, couleur)
    im.rectangle(x + 3, y, 10, 6, BLANC)
    im.rectangle(x + 9, y + 1, 3, 4, couleur)
    im.rectangle(x + 3, y + 9, 10, 7, BLANC)


def sauver():
    im = Image(24)
    disquette(im, 4, 4, BLEU)
    return im


def copier():
    im = Image(24)
    im.rectangle(3, 2, 12, 15, GRIS)
    im.rectangle(4, 3, 10, 13, BLANC)
    im.rectangle(9, 7, 12, 15, NOIR)
    im.rectangle(10, 8, 10, 13, BLANC)
    for k in range(4):
        im.trait(11.5, 11 + 2.5 * k, 18.5, 11 + 2.5 * k, 1, GRIS)
    return im


def profile():
    im = Image(24)
    im.trait(1, 12, 23, 12, 1, CIEL)
    coque(im, 2, 8, 20, 8, BLEU)
    im.polygone([(11, 14), (14, 14), (13, 22), (11.5, 22)], NOIR)
    return im


def voile():
    im = Image(24)
    im.trait(11, 2, 11, 19, 1.5, NOIR)
    im.polygone([(11.8, 2), (20, 18), (11.8, 18)], BLANC)
    im.ligne([(11.8, 2), (20, 18), (11.8, 18)], 1, NOIR)
    im.polygone([(10.2, 5), (10.2, 18), (3, 18)], CIEL)
    coque(im, 2, 19, 20, 4, BLEU)
    return im


def deplacement():
    im = Image(24)
    im.trait(12, 3, 12, 19, 1.5, NOIR)
    im.trait(3, 7, 21, 7, 1.5, NOIR)
    im.polygone([(2, 14), (8, 14), (5, 8)], JAUNE)
    im.polygone([(16, 14), (22, 14), (19, 8)], JAUNE)
    im.rectangle(7, 19, 10, 2.5, BOIS)
    return im


def stabilite():
    im = Image(24)
    im.trait(1, 14, 23, 14, 1, CIEL)
    c, s = math.cos(math.radians(20)), math.sin(math.radians(20))
    forme = [(-9, -3), (9, -3), (7, 2), (2, 5), (-2, 5), (-7, 2)]
    im.polygone([(12 + x * c - y * s, 13 + x * s + y * c) for x, y in forme], BLEU)
    im.trait(12 - 14 * s, 13 - 14 * c + 4, 12, 13, 1.2, NOIR)
    arc = [(12 + 10 * math.sin(math.radians(a)), 13 - 10 * math.cos(math.radians(a)))
           for a in range(-5, 30, 5)]
    im.ligne(arc, 1.2, ROUGE)
    return im


def compar():
    im = Image(24)
    coque(im, 1, 4, 14, 6, BLEU)
    coque(im, 8, 13, 15, 8, VERT)
    im.trait(3, 2, 21, 2, 1, GRIS)
    return im


def aff_valeur():
    im = Image(24)
    im.rectangle(3, 2, 18, 20, NOIR)
    im.rectangle(4, 3, 16, 18, BLANC)
    for k in range(5):
        y = 5.5 + 3.3 * k
        im.trait(6, y, 9, y, 1.2, BLEU)
        im.trait(11, y, 18, y, 1.2, GRIS)
    return im


def vue_generale():
    im = Image(24)
    im.rectangle(2, 2, 20, 20, NOIR)
    im.rectangle(3, 3, 8.5, 8.5, CIEL)
    im.rectangle(12.5, 3, 8.5, 8.5, BLANC)
    im.rectangle(3, 12.5, 13, 8.5, BLANC)
    im.rectangle(17, 12.5, 4, 8.5, CIEL)
    coque(im, 4, 6, 6.5, 3, BLEU)
    im.polygone([(18.5, 13.5), (20.5, 20), (18.5, 20)], GRIS)
    return im


def calcul_gite():
    im = Image(24)
    im.trait(2, 21, 22, 21, 1, NOIR)
    im.trait(2, 21, 2, 3, 1, NOIR)
    courbe = [(2 + 20 * t / 6, 21 - 16 * math.sin(math.pi * t / 7.5)) for t in range(7)]
    im.ligne(courbe, 1.5, ROUGE)
    for x, y in courbe:
        im.disque(x, y, 1.3, VERT)
    return im


def demi_couple(im, cx, haut, l, h, cote, couleur, epaisseur=1.1):
    """Half a hull section seen along the hull: from the sheer (half-breadth l) down to the
    keel h lower, on the left (cote -1) or right (cote 1) of the centre line cx."""
    pts = [(cx + cote * l * (1 - (k / 8) ** 2) ** 0.5 * (1 - 0.35 * k / 8), haut + h * k / 8)
           for k in range(9)]
    im.ligne(pts, epaisseur, couleur)


def couples_tb_et():
    """The whole body plan: aft sections on the left, forward ones on the right."""
    im = Image(24)
    im.trait(12, 3, 12, 21, 1, GRIS)
    im.trait(1, 8, 23, 8, 1, CIEL)
    for l, h in ((10, 14), (7, 11)):
        demi_couple(im, 12, 5, l, h, -1, BLEU)
    for l, h in ((10, 14), (5, 12)):
        demi_couple(im, 12, 5, l, h, 1, ROUGE)
    return im


def couples_tb_mc():
    """Transom to master section: the aft half of the body plan."""
    im = Image(24)
    im.trait(12, 3, 12, 21, 1, GRIS)
    im.trait(1, 8, 23, 8, 1, CIEL)
    for l, h in ((10, 14), (7, 10)):
        demi_couple(im, 12, 5, l, h, -1, BLEU)
        demi_couple(im, 12, 5, l, h, 1, BLEU)
    return im


def couples_mc_et():
    """Master section to stem: the forward half of the body plan."""
    im = Image(24)
    im.trait(12, 3, 12, 21, 1, GRIS)
    im.trait(1, 8, 23, 8, 1, CIEL)
    for l, h in ((10, 14), (4.5, 12)):
        demi_couple(im, 12, 5, l, h, -1, ROUGE)
        demi_couple(im, 12, 5, l, h, 1, ROUGE)
    return im


def couples_3d():
    """Sections standing one behind the other, seen obliquely, joined at keel and sheer."""
    im = Image(24)
    formes = ((3, 5), (6, 8), (7, 9), (4, 8))
    centres = [(6 + 4 * k, 4 + 2 * k) for k in range(len(formes))]
    im.ligne([(cx, haut + h) for (cx, haut), (l, h) in zip(centres, formes)], 1, GRIS)
    for (cx, haut), (l, h) in zip(centres, formes):
        demi_couple(im, cx, haut, l, h, -1, BLEU, 1)
        demi_couple(im, cx, haut, l, h, 1, BLEU, 1)
    return im


def loupe(signe_plus):
    im = Image(24)
    im.disque(10, 10, 7.5, NOIR)
    im.disque(10, 10, 6, BLANC)
    im.trait(15.5, 15.5, 21.5, 21.5, 3, BOIS)
    im.trait(6.5, 10, 13.5, 10, 1.8, BLEU)
    if signe_plus:
        im.trait(10, 6.5, 10, 13.5, 1.8, BLEU)
    return im


def attente(gite):
    """One picture of the please-wait animation: the yacht rolling in the swell."""
    im = Image(33)
    houle = [(0, 24)] + [(x, 24 + 2 * math.sin((x + gite / 3) / 4)) for x in range(34)] + [
        (33, 33), (0, 33)]
    im.polygone(houle, CIEL)
    c, s = math.cos(math.radians(gite)), math.sin(math.radians(gite))

    def tourne(pts):
        return [(16.5 + x * c - y * s, 22 + x * s + y * c) for x, y in pts]

    im.polygone(tourne([(-11, -1), (11, -1), (8, 4), (-8, 4)]), BLEU)
    im.polygone(tourne([(0.8, -20), (9, -2), (0.8, -2)]), BLANC)
    im.polygone(tourne([(-0.8, -17), (-0.8, -2), (-7, -2)]), JAUNE)
    im.ligne(tourne([(0, -21), (0, -1)]), 1.2, NOIR)
    return im


if __name__ == "__main__":
    # The icons go into data/icones beside this folder.
    ici = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "icones")
    icones = {
        "ouvrir": ouvrir, "sauver": sauver, "copier": copier, "Profile": profile,
        "Voile": voile, "Deplacement": deplacement, "Stabilite": stabilite, "Compar": compar,
        "Aff_Valeur": aff_valeur, "Vue_Generale": vue_generale, "Calcul_Gite": calcul_gite,
        # The sections window's own toolbar.
        "Couples_TB_ET": couples_tb_et, "Couples_TB_MC": couples_tb_mc,
        "Couples_MC_ET": couples_mc_et, "Couples_3D": couples_3d,
        "EchM": lambda: loupe(False), "EchP": lambda: loupe(True),
    }
    for nom, dessin in icones.items():
        dessin().png(os.path.join(ici, nom + ".png"))
    for k, gite in enumerate((-15, 0, 15)):
        attente(gite).png(os.path.join(ici, "attente%d.png" % k))
