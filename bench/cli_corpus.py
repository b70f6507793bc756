#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a deterministic Spanish-like prose corpus for bench/cli_bench.sh.

usage: cli_corpus.py OUT_LATIN1 OUT_UTF8 [MEGABYTES]

Accented letters, inverted marks, guillemets, a few markup characters,
CR LF line breaks and some double blanks; the same text in Latin-1 and UTF-8.
"""
import sys

WORDS = (
    "el la los las un una de del en y que por para con sin sobre entre hasta "
    "año niño señor mañana corazón canción información también después así "
    "está él según pequeño camión árbol lápiz fácil difícil rápido música "
    "público último teléfono económico política educación situación acción "
    "España Cataluña Galicia Córdoba Málaga León Cádiz Ávila Ourense Lleida "
    "pingüino cigüeña vergüenza señal muñeca otoño piñata caña baño sueño "
    "casa calle ciudad tiempo mundo vida día noche agua tierra fuego aire"
).split()
MARKS = ["", "", "", "", "", ",", ",", ".", ";", ":"]
OPEN = ["", "", "", "", "", "", "", "", "¿", "¡", "«", '"']
CLOSE = {"¿": "?", "¡": "!", "«": "»", '"': '"', "": ""}
EXTRAS = [" <b>", " a & b", " x < y", " 5 > 3", " 20 %", " 3 €"]


class Lcg:
    """The same numbers on every machine and every Python."""

    def __init__(self, seed):
        self.state = seed

    def next(self, n):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % 2**64
        return (self.state >> 33) % n


def sentence(rng):
    opening = OPEN[rng.next(len(OPEN))]
    words = [WORDS[rng.next(len(WORDS))] for _ in range(4 + rng.next(12))]
    words[0] = words[0].capitalize()
    text = opening + " ".join(w + MARKS[rng.next(len(MARKS))] for w in words).rstrip(",;:.")
    if rng.next(8) == 0:
        text += EXTRAS[rng.next(len(EXTRAS) - 1)]  # the euro sign has no Latin-1 form
    return text + CLOSE[opening] + ("." if not opening else "")


def prose(megabytes):
    rng = Lcg(20240611)
    lines, size, line = [], 0, []
    while size < megabytes * 1_000_000:
        line.append(sentence(rng))
        if len(" ".join(line)) > 70 or rng.next(5) == 0:
            text = ("  " if rng.next(6) == 0 else " ").join(line)
            lines.append(text)
            size += len(text) + 2
            line = []
            if rng.next(9) == 0:
                lines.append("")
    return "\r\n".join(lines) + "\r\n"


def main():
    text = prose(float(sys.argv[3]) if len(sys.argv) > 3 else 10)
    with open(sys.argv[1], "wb") as f:
        f.write(text.encode("latin-1"))
    with open(sys.argv[2], "wb") as f:
        f.write(text.encode("utf-8"))


if __name__ == "__main__":
    main()
