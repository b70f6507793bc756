#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""velmora-convert --to-text --html5 against Python's html.unescape, on random
texts made of the table's names, numeric forms, cut and semicolon-less forms
and noise, and on a few page extracts.

usage: html5_unescape.py VELMORA_CONVERT [SEED]
"""
import html
import html.entities
import random
import subprocess
import sys

# html.unescape drops the numeric references to these code points, where the
# standard keeps the character (a parse error, no more). First the list must
# be exactly the standard's rule, controls that are not ASCII whitespace and
# noncharacters; then the oracle is html.unescape without it.
EXCEPCION = frozenset(html._invalid_codepoints)


def regla_del_estandar(n):
    control = (n < 0x20 and n not in (0x09, 0x0A, 0x0C, 0x0D)) or 0x7F <= n <= 0x9F
    return n != 0 and (control or 0xFDD0 <= n <= 0xFDEF or (n & 0xFFFE) == 0xFFFE)


PAGINAS = [
    "Caf&eacute; &amp; cr&egrave;me br&ucirc;l&eacute;e &mdash; 5&nbsp;&euro; &copy 2024 AT&T",
    "It&#8217;s &ldquo;fine&rdquo;&hellip; isn&rsquo;t it? &#x1F600;&#128512; &larr;&rarr;",
    '<a href="/search?q=caf%C3%A9&amp;lang=es&copy=1&reg=2">caf&eacute;</a> &lt;p&gt;&amp;lt;',
    "x &lt; y &amp;&amp; y &gt; z; 2&sup2; &frac12;&frac34 &times &divide; &notin; &notit;",
    "&#128;&#x80;&#150;&#151;&#x9F; &#0; &#xD800; &#x110000; &#99999999999999999999; &#; &#x; &",
]


def texto_al_azar(azar, nombres):
    piezas = []
    for _ in range(azar.randrange(1, 40)):
        n, tipo = azar.choice(nombres), azar.randrange(7)
        if tipo == 0:
            piezas.append(n)
        elif tipo == 1:
            piezas.append(n[: azar.randrange(1, len(n) + 1)])
        elif tipo == 2:
            piezas.append(n.rstrip(";") + azar.choice(["x", "1", ";", "", "Z;", "&"]))
        elif tipo == 3:
            numero = azar.choice([azar.randrange(256), azar.randrange(0x80, 0xA0), azar.randrange(0x110000),
                                  azar.randrange(0xD800, 0xE000), azar.randrange(2**40), azar.choice(list(EXCEPCION))])
            forma = azar.choice(["%d", "%x", "%X", "000%d"])
            prefijo = "#" if forma in ("%d", "000%d") else azar.choice(["#x", "#X"])
            piezas.append("&" + prefijo + forma % numero + azar.choice([";", "", " ", "g", ";;"]))
        else:
            piezas.append(azar.choice("&#;xX aZ09<\r\n\u00e9\u20ac\U0001F600\ufffd") * azar.randrange(1, 3))
    return "".join(piezas)


def main():
    programa, semilla = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 2024
    todos = range(1, 0x110000)
    falta = [n for n in todos if regla_del_estandar(n) != (n in EXCEPCION) and not 0xD800 <= n <= 0xDFFF]
    if falta:
        sys.exit(f"html._invalid_codepoints is not the standard's rule at {[hex(n) for n in falta[:8]]}")
    html._invalid_codepoints = frozenset()

    azar = random.Random(semilla)
    nombres = ["&" + n for n in html.entities.html5]
    # The exception checked directly: each number gives its own character, or the standard's one for 0x80-0x9F.
    directos = "".join(f"&#{n};" for n in sorted(EXCEPCION))
    esperado_directo = "".join(html._invalid_charrefs.get(n, chr(n)) for n in sorted(EXCEPCION))
    textos = PAGINAS + [texto_al_azar(azar, nombres) for _ in range(20000)]
    entrada = directos + "".join(textos)
    esperado = esperado_directo + html.unescape("".join(textos))
    salida = subprocess.run([programa, "--to-text", "--html5", "--exact", "--options", "0"],
                            input=entrada.encode(), capture_output=True, check=True).stdout.decode()
    if salida != esperado:
        i = next((i for i, (a, b) in enumerate(zip(salida, esperado)) if a != b), min(len(salida), len(esperado)))
        sys.exit(f"seed {semilla}: first difference at {i}: got {salida[i - 20:i + 20]!r}, "
                 f"expected {esperado[i - 20:i + 20]!r}")
    print(f"{len(entrada)} characters, {entrada.count('&')} ampersands: same as html.unescape")


if __name__ == "__main__":
    main()
