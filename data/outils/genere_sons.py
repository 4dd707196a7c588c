#!/usr/bin/env python3
"""Makes the program's short sound effects (mono 16-bit PCM wave files, 22050 Hz).

Run from anywhere: python3 data/outils/genere_sons.py
The files are written beside this folder, in data/. Each sound is drawn from a fixed seed,
so running the script again gives the same bytes.
"""
import math
import os
import random
import struct
import wave

TAUX = 22050
DOSSIER = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def enveloppe(i, n, attaque, chute):
    """Linear attack, then an exponential fade so the sound never ends on a click."""
    t = i / TAUX
    duree = n / TAUX
    a = min(1.0, t / attaque) if attaque > 0 else 1.0
    fin = max(0.0, duree - t)
    return a * (1.0 - math.exp(-fin / chute))


def bruit_filtre(n, graine, coupure):
    """White noise through a one-pole low-pass: surf and wind."""
    r = random.Random(graine)
    k = 1.0 - math.exp(-2.0 * math.pi * coupure / TAUX)
    y = 0.0
    out = []
    for _ in range(n):
        y += k * (r.uniform(-1.0, 1.0) - y)
        out.append(y)
    crete = max(abs(v) for v in out) or 1.0
    return [v / crete for v in out]


def vague(duree, graine, coupure, houle):
    """A wave breaking: filtered noise swelling `houle` times."""
    n = int(duree * TAUX)
    b = bruit_filtre(n, graine, coupure)
    return [
        b[i] * (0.55 + 0.45 * math.sin(math.pi * houle * i / n) ** 2) * enveloppe(i, n, 0.08, 0.12)
        for i in range(n)
    ]


def ruisseau(duree, graine):
    """A brook: soft noise with short rising bubbles."""
    n = int(duree * TAUX)
    b = bruit_filtre(n, graine, 2500.0)
    r = random.Random(graine + 1)
    s = [0.35 * v for v in b]
    for _ in range(int(duree * 14)):
        debut = r.randrange(0, n - 900)
        f0 = r.uniform(600.0, 1400.0)
        for j in range(900):
            f = f0 * (1.0 + j / 900.0)
            s[debut + j] += 0.4 * math.sin(2 * math.pi * f * j / TAUX) * math.exp(-j / 250.0)
    return [v * enveloppe(i, n, 0.05, 0.08) for i, v in enumerate(s)]


def vent(duree, graine):
    """Desert wind: low noise whose colour sweeps slowly."""
    n = int(duree * TAUX)
    b1 = bruit_filtre(n, graine, 300.0)
    b2 = bruit_filtre(n, graine + 7, 1200.0)
    s = []
    for i in range(n):
        m = 0.5 + 0.5 * math.sin(2 * math.pi * 1.3 * i / TAUX)
        s.append((b1[i] * (1 - m) + b2[i] * m) * enveloppe(i, n, 0.15, 0.15))
    return s


def goutte(duree):
    """A drop on a lake: a sine falling in pitch."""
    n = int(duree * TAUX)
    s = []
    phase = 0.0
    for i in range(n):
        f = 1600.0 * math.exp(-i / (0.05 * TAUX)) + 500.0
        phase += 2 * math.pi * f / TAUX
        s.append(math.sin(phase) * math.exp(-i / (0.08 * TAUX)))
    return s


def notes(suite):
    """A few plain tones: (frequency Hz, duration s)."""
    s = []
    for f, d in suite:
        n = int(d * TAUX)
        for i in range(n):
            t = i / TAUX
            v = math.sin(2 * math.pi * f * t) + 0.3 * math.sin(4 * math.pi * f * t)
            s.append(0.7 * v * enveloppe(i, n, 0.01, 0.04))
    return s


def ecrit(nom, echantillons, volume=0.6):
    chemin = os.path.join(DOSSIER, nom)
    donnees = b"".join(
        struct.pack("<h", int(max(-1.0, min(1.0, v * volume)) * 32767)) for v in echantillons
    )
    with wave.open(chemin, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(TAUX)
        w.writeframes(donnees)
    print(nom, len(echantillons), "echantillons")


SONS = {
    "ocean1.wav": lambda: vague(0.8, 11, 900.0, 1),
    "ocean2.wav": lambda: vague(0.9, 12, 1400.0, 2),
    "ocean3.wav": lambda: vague(1.2, 13, 700.0, 1),
    "ocean4.wav": lambda: vague(0.7, 14, 1800.0, 1),
    "ocean5.wav": lambda: vague(1.0, 15, 1100.0, 3),
    "stream2.wav": lambda: ruisseau(1.0, 21),
    "desert3.wav": lambda: vent(1.0, 31),
    "Lake1.wav": lambda: goutte(0.35),
    "TAUNT025.wav": lambda: notes([(523.25, 0.12), (659.25, 0.12), (783.99, 0.3)]),
    "TAUNT011.wav": lambda: notes([(392.0, 0.2), (311.13, 0.35)]),
}

if __name__ == "__main__":
    for nom, fabrique in SONS.items():
        ecrit(nom, fabrique())
