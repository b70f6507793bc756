#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turn an RGBA PNG rendered by rsvg-convert into a single-frame palette GIF.

usage: togif.py IN.png OUT.gif COLORS (--transparent | --background '#rrggbb')

Needs Pillow (Debian: python3-pil, for /usr/bin/python3).

Half-transparent edge pixels are blended over a neutral light grey and kept
if at least half covered, so outlines look right on a light window and never
show a dark halo.  Everything else below that becomes the GIF's transparent
index.  The result depends only on the input, so reruns give identical bytes.
"""
import argparse

from PIL import Image

EDGE_GREY = (240, 240, 240)  # the usual light window / button face


def parse_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def distance(a, b):
    # Weighted RGB: the eye is most sensitive to green, least to blue.
    return 2 * (a[0] - b[0]) ** 2 + 4 * (a[1] - b[1]) ** 2 + 3 * (a[2] - b[2]) ** 2


def reduce_colours(counts, k, rounds=24):
    """Pick k colours for an icon, deterministically.

    Seeds are chosen farthest-first, so thin outlines, highlights and small
    accents keep a colour of their own instead of being averaged into the big
    flat areas; then weighted k-means settles them.  Weights grow only with
    the square root of the pixel count for the same reason.
    """
    colours = sorted(counts)
    weight = {c: counts[c] ** 0.5 for c in colours}
    centres = [max(colours, key=lambda c: (counts[c], c))]
    gap = {c: distance(c, centres[0]) for c in colours}
    while len(centres) < k:
        pick = max(colours, key=lambda c: (gap[c] * weight[c], c))
        centres.append(pick)
        for c in colours:
            gap[c] = min(gap[c], distance(c, pick))
    for _ in range(rounds):
        sums = [[0.0, 0.0, 0.0, 0.0] for _ in centres]
        for c in colours:
            i = min(range(len(centres)), key=lambda j: distance(c, centres[j]))
            w = weight[c]
            acc = sums[i]
            acc[0] += c[0] * w
            acc[1] += c[1] * w
            acc[2] += c[2] * w
            acc[3] += w
        moved = [tuple(int(round(v / acc[3])) for v in acc[:3]) if acc[3] else centres[i]
                 for i, acc in enumerate(sums)]
        if moved == centres:
            break
        centres = moved
    return sorted(set(centres))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("src")
    ap.add_argument("dst")
    ap.add_argument("colors", type=int)
    mode = ap.add_mutually_exclusive_group(required=True)
    mode.add_argument("--transparent", action="store_true")
    mode.add_argument("--background")
    args = ap.parse_args()

    rgba = Image.open(args.src).convert("RGBA")
    backdrop = EDGE_GREY if args.transparent else parse_colour(args.background)
    flat = Image.new("RGBA", rgba.size, backdrop + (255,))
    flat.alpha_composite(rgba)
    flat = flat.convert("RGB")

    width, height = rgba.size
    alpha = list(rgba.getchannel("A").getdata())
    pixels = list(flat.getdata())
    if args.transparent:
        opaque = [a >= 128 for a in alpha]
        slots = args.colors - 1  # one entry is kept for the transparent index
    else:
        opaque = [True] * len(pixels)
        slots = args.colors

    counts = {}
    for p, o in zip(pixels, opaque):
        if o:
            counts[p] = counts.get(p, 0) + 1
    if len(counts) <= slots:
        palette = sorted(counts)
    else:
        palette = reduce_colours(counts, slots)

    cache = {}

    def nearest(p):
        if p not in cache:
            cache[p] = min(range(len(palette)), key=lambda i: distance(p, palette[i]))
        return cache[p]

    index_of_clear = len(palette)
    indices = [nearest(p) if o else index_of_clear for p, o in zip(pixels, opaque)]

    entries = list(palette)
    if args.transparent:
        # Viewers that ignore transparency then show the light window grey.
        entries.append(EDGE_GREY)
    size = 2
    while size < len(entries):
        size *= 2
    assert len(entries) <= args.colors, "palette overflow"
    entries += [(0, 0, 0)] * (size - len(entries))

    out = Image.new("P", (width, height))
    out.putpalette([c for e in entries for c in e])
    out.putdata(indices)
    extra = {"transparency": index_of_clear} if args.transparent else {}
    out.save(args.dst, format="GIF", optimize=False, **extra)


if __name__ == "__main__":
    main()
