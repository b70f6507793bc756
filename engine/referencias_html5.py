#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes ReferenciasHTML5.h, every named character reference of HTML, from
Python's own copy of the standard's table (html.entities.html5).

usage: python3 engine/referencias_html5.py > engine/ReferenciasHTML5.h
       python3 engine/referencias_html5.py --check engine/ReferenciasHTML5.h

Run by hand when the table changes; a test compares the committed header with
this script's output. The header is data: the names in alphabetical order and
a perfect hash over them, which DecodificaHTML5.cpp computes the same way.
"""
import html.entities
import sys

MASCARA = 2**64 - 1
MULTIPLICADOR = 0x9E3779B97F4A7C15
BITS_CUBOS = 10
BITS_RANURAS = 12
VACIA = 0xFFFF


def palabras(nombre):
    """The name's bytes in little-endian 64-bit words, the last one padded with zeros."""
    datos = nombre.encode("ascii")
    return [int.from_bytes(datos[i:i + 8], "little") for i in range(0, len(datos), 8)]


def dispersion(nombre, semilla):
    h = semilla ^ len(nombre)
    for palabra in palabras(nombre):
        h = ((h ^ palabra) * MULTIPLICADOR) & MASCARA
    h ^= h >> 32
    return (h * MULTIPLICADOR) & MASCARA


def hash_perfecto(nombres):
    """A seed and one displacement per bucket under which every name has a slot of its own."""
    for semilla in range(1, 1000):
        cubos = [[] for _ in range(1 << BITS_CUBOS)]
        for i, nombre in enumerate(nombres):
            h = dispersion(nombre, semilla)
            cubos[h >> (64 - BITS_CUBOS)].append((h >> 16) & ((1 << BITS_RANURAS) - 1))
        ranuras = [VACIA] * (1 << BITS_RANURAS)
        desplazamientos = [0] * (1 << BITS_CUBOS)
        orden = sorted(range(len(cubos)), key=lambda c: -len(cubos[c]))
        for c in orden:
            for d in range(1 << BITS_RANURAS):
                sitios = [b ^ d for b in cubos[c]]
                if len(set(sitios)) == len(sitios) and all(ranuras[s] == VACIA for s in sitios):
                    break
            else:
                break  # no displacement fits this bucket: try another seed
            desplazamientos[c] = d
            for s in sitios:
                ranuras[s] = 0
        else:
            for i, nombre in enumerate(nombres):
                h = dispersion(nombre, semilla)
                ranuras[((h >> 16) ^ desplazamientos[h >> (64 - BITS_CUBOS)]) & ((1 << BITS_RANURAS) - 1)] = i
            return semilla, desplazamientos, ranuras
    sys.exit("referencias_html5.py: no perfect hash found")


def filas(valores, por_fila, ancho):
    for i in range(0, len(valores), por_fila):
        yield "    " + " ".join(f"{v:>{ancho}}," for v in valores[i:i + por_fila])


def main():
    tabla = html.entities.html5
    nombres = sorted(n[:-1] for n in tabla if n.endswith(";"))
    segundos = sorted({v[1] for v in tabla.values() if len(v) == 2})
    assert all(len(tabla[n + ";"]) in (1, 2) for n in nombres)
    assert all(n + ";" in tabla and tabla[n] == tabla[n + ";"] for n in tabla if not n.endswith(";"))
    semilla, desplazamientos, ranuras = hash_perfecto(nombres)
    c1 = [bytes([b]).decode("cp1252", errors="ignore") or chr(b) for b in range(0x80, 0xA0)]

    salida = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        "#pragma once",
        "",
        "// Every named character reference of HTML, written by referencias_html5.py from",
        "// Python's html.entities.html5: run the script again rather than editing this file.",
        "",
        "#include <array>",
        "#include <cstddef>",
        "#include <cstdint>",
        "",
        "namespace ConversionesTextoHTML::ReferenciasHTML5 {",
        "",
        "struct Referencia {",
        "    std::uint16_t Inicio;    // of the name in Nombres",
        "    std::uint8_t Largo;      // of the name, without '&' and ';'",
        "    std::uint8_t Forma;      // 1: also without ';'; above that, 2 * (1 + i) for Segundos[i]",
        "    std::uint32_t Caracter;  // the (first) code point",
        "};",
        "",
        f"inline constexpr std::size_t Nombrados = {len(tabla)};  // names, with and without ';'",
        f"inline constexpr std::size_t LargoMaximo = {max(map(len, nombres))};",
        f"inline constexpr std::size_t LargoSinPuntoYComa = {max(len(n) for n in tabla if not n.endswith(';'))};",
        "",
        "// The second code point of the references that have two.",
        f"inline constexpr std::array<char16_t, {len(segundos)}> Segundos{{",
        "    " + " ".join(f"0x{ord(c):04X}," for c in segundos),
        "};",
        "",
        "// What the numeric references &#128; to &#159; give: Windows-1252's characters,",
        "// and the code point itself where that code page has none.",
        "inline constexpr std::array<char16_t, 32> DeC1{",
        *filas([f"0x{ord(c):04X}" for c in c1], 8, 6),
        "};",
        "",
        "// The names one after another, alphabetically, and eight zeros to read past the last.",
        "inline constexpr char Nombres[] =",
    ]
    texto = "".join(nombres)
    salida += [f'    "{texto[i:i + 96]}"' for i in range(0, len(texto), 96)]
    salida[-1] += ' "\\0\\0\\0\\0\\0\\0\\0";'
    salida += ["", f"inline constexpr std::array<Referencia, {len(nombres)}> Tabla{{{{"]
    inicio = 0
    for nombre in nombres:
        valor = tabla[nombre + ";"]
        forma = (nombre in tabla) + (2 * (1 + segundos.index(valor[1])) if len(valor) == 2 else 0)
        salida.append(f"    {{{inicio}, {len(nombre)}, {forma}, 0x{ord(valor[0]):04X}}},  // {nombre}")
        inicio += len(nombre)
    salida += [
        "}};",
        "",
        "// The perfect hash: Dispersion(name) picks a bucket by its top bits, the",
        "// bucket's displacement moves the name to a slot of its own, and the slot",
        "// holds the name's index in Tabla (0xFFFF: none).",
        f"inline constexpr std::uint64_t Semilla = {semilla};",
        f"inline constexpr std::uint64_t Multiplicador = 0x{MULTIPLICADOR:X};",
        f"inline constexpr int BitsCubos = {BITS_CUBOS};",
        f"inline constexpr int BitsRanuras = {BITS_RANURAS};",
        "",
        f"inline constexpr std::array<std::uint16_t, {len(desplazamientos)}> Desplazamientos{{",
        *filas(desplazamientos, 16, 4),
        "};",
        "",
        f"inline constexpr std::array<std::uint16_t, {len(ranuras)}> Ranuras{{",
        *filas(ranuras, 16, 5),
        "};",
        "",
        "}  // namespace ConversionesTextoHTML::ReferenciasHTML5",
    ]
    texto = "\n".join(salida) + "\n"
    if sys.argv[1:2] == ["--check"]:
        with open(sys.argv[2], encoding="utf-8", newline="") as f:
            if f.read() != texto:
                sys.exit(f"{sys.argv[2]} is not what referencias_html5.py writes: run the script again")
        return
    sys.stdout.write(texto)


if __name__ == "__main__":
    main()
