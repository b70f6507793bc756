#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a deterministic corpus of HTML text for the --html5 rows of
bench/cli_bench.sh: Spanish- and English-like prose in UTF-8 where about a
fifth of the words hold a character reference, mostly the ones real pages
use (typographic quotes and dashes, accented letters, &amp;, &nbsp;, the euro
sign), then numeric ones, decimal and hexadecimal, a few legacy names without
';', a few rare names and some ampersands that start no reference.

usage: cli_corpus_html5.py OUT [MEGABYTES]
"""
import html.entities
import sys

from cli_corpus import WORDS, Lcg

COMUNES = (
    "&amp; &lt; &gt; &quot; &nbsp; &rsquo; &lsquo; &ldquo; &rdquo; &mdash; &ndash; &hellip; "
    "&eacute; &aacute; &oacute; &iacute; &uacute; &ntilde; &ccedil; &agrave; &egrave; &uuml; "
    "&euro; &copy; &reg; &trade; &middot; &laquo; &raquo; &bull; &deg; &times; &iquest; &iexcl;"
).split()
NUMERICAS = "&#8217; &#8220; &#8221; &#8212; &#233; &#39; &#160; &#x2019; &#xE9; &#x1F600; &#128512; &#38;".split()
LEGADAS = "&amp &copy &nbsp &eacute &lt &gt".split()
RARAS = sorted(n for n in html.entities.html5 if n.endswith(";"))
SUELTAS = ["AT&T", "&", "a&b", "R&D", "&c", "&#", "&x;"]


def referencia(rng):
    clase = rng.next(100)
    if clase < 60:
        return COMUNES[rng.next(len(COMUNES))]
    if clase < 80:
        return NUMERICAS[rng.next(len(NUMERICAS))]
    if clase < 88:
        return LEGADAS[rng.next(len(LEGADAS))] + " "
    if clase < 95:
        return "&" + RARAS[rng.next(len(RARAS))]
    return SUELTAS[rng.next(len(SUELTAS))]


def palabra(rng):
    w = WORDS[rng.next(len(WORDS))]
    if rng.next(5) != 0:
        return w
    r = referencia(rng)
    corte = rng.next(len(w) + 1)
    return w[:corte] + r + w[corte:]


def main():
    rng = Lcg(20250101)
    limite = (float(sys.argv[2]) if len(sys.argv) > 2 else 100) * 1_000_000
    with open(sys.argv[1], "w", encoding="utf-8", newline="") as f:
        escritos, linea = 0, []
        while escritos < limite:
            linea.append(palabra(rng))
            if len(linea) >= 12 + rng.next(6):
                texto = " ".join(linea) + ("<BR>\r\n" if rng.next(4) == 0 else "\r\n")
                f.write(texto)
                escritos += len(texto.encode("utf-8"))
                linea = []


if __name__ == "__main__":
    main()
