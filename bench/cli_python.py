#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Python comparison points for bench/cli_bench.sh.

usage: cli_python.py translate8|translate0|escape|unescape FILE ENCODING

translate8 and translate0 give exactly what velmora-convert gives for a text
with CR LF line breaks, text to HTML with option word 8 or 0 (a one-character
table: the Latin-1 characters 161-255 and, with 8, the four reserved ones).
escape is html.escape, which is not the same conversion; unescape is
html.unescape, which gives what velmora-convert --to-text --html5 gives on
the --html5 corpus.
"""
import html
import sys

NAMES = (
    "iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy reg macr "
    "deg plusmn sup2 sup3 acute micro para middot cedil sup1 ordm raquo frac14 frac12 "
    "frac34 iquest Agrave Aacute Acirc Atilde Auml Aring AElig Ccedil Egrave Eacute "
    "Ecirc Euml Igrave Iacute Icirc Iuml ETH Ntilde Ograve Oacute Ocirc Otilde Ouml "
    "times Oslash Ugrave Uacute Ucirc Uuml Yacute THORN szlig agrave aacute acirc "
    "atilde auml aring aelig ccedil egrave eacute ecirc euml igrave iacute icirc iuml "
    "eth ntilde ograve oacute ocirc otilde ouml divide oslash ugrave uacute ucirc uuml "
    "yacute thorn yuml"
).split()


def table(reserved):
    t = {161 + i: "&" + name + ";" for i, name in enumerate(NAMES)}
    if reserved:
        t.update({ord('"'): "&quot;", ord("<"): "&lt;", ord(">"): "&gt;", ord("&"): "&amp;"})
    return t


def main():
    mode, path, encoding = sys.argv[1:4]
    with open(path, encoding=encoding, newline="") as f:
        text = f.read()
    if mode == "escape":
        out = html.escape(text)
    elif mode == "unescape":
        out = html.unescape(text)
    else:
        out = text.translate(table(mode == "translate8"))
    sys.stdout.buffer.write(out.encode(encoding))


if __name__ == "__main__":
    main()
