// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a text box shows lines too long for the editor's layout, which measures
// a whole line at every repaint and every key: 4 M characters on one line
// take seconds a key. A line of more than Limite characters is shown broken
// into rows of Fila characters, each row but the last ending in Marca. The
// exact text is kept apart; positions in what is shown map back to it.
//
// Example: with Fila = 3, a line "abcdefg" longer than Limite shows as
// "abc↵\ndef↵\ng"; position 5 of that ("e") is position 4 of the text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace LineasLargas {

// A line of 10,000 characters is laid out in a few milliseconds, so text of
// ordinary paragraphs stays whole and editable; rows of 1,000 keep a screen
// of them under the 100 ms a key may take, at any scale.
inline constexpr std::size_t Limite = 10'000;
inline constexpr std::size_t Fila = 1'000;
// "↵" and a line break.
inline constexpr std::string_view Marca = "\xE2\x86\xB5\n";

constexpr bool Empieza(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// Where the character `letras` characters after the one at p begins, or fin;
// eight bytes at a time, since a long line is walked whole.
inline const char *Avanza(const char *p, const char *fin, std::size_t letras)
{
    while (fin - p >= 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        // Continuation bytes, 10xxxxxx, begin no character; their top bits
        // are summed by one multiplication (no popcount instruction is assumed).
        const std::uint64_t siguen = (w & ~(w << 1) & 0x8080808080808080u) >> 7;
        const auto empiezan = std::size_t(8 - ((siguen * 0x0101010101010101u) >> 56));
        if (empiezan > letras)
            break;
        letras -= empiezan;
        p += 8;
    }
    for (; p < fin; ++p) {
        if (Empieza(*p) && letras-- == 0)
            return p;
    }
    return fin;
}

// Calls corta(p) for each place p of the UTF-8 text where a mark goes, in
// order. Each line counts from its start; CR, LF and CR LF end lines.
template <class F>
void Cortes(std::string_view texto, F corta)
{
    const char *inicio = texto.data();
    const char *fin = inicio + texto.size();
    for (const char *p = inicio; p < fin;) {
        const auto *lf = static_cast<const char *>(std::memchr(p, '\n', std::size_t(fin - p)));
        const char *finLinea = lf ? lf : fin;
        if (const auto *cr = static_cast<const char *>(std::memchr(p, '\r', std::size_t(finLinea - p))))
            finLinea = cr;
        // Never fewer bytes than characters: most lines need no count.
        if (std::size_t(finLinea - p) > Limite && Avanza(p, finLinea, Limite) != finLinea) {
            for (const char *corte = Avanza(p, finLinea, Fila); corte != finLinea; corte = Avanza(corte, finLinea, Fila))
                corta(std::size_t(corte - inicio));
        }
        p = finLinea + 1;
    }
}

// Where the marks sit in what is shown.
class Vista
{
public:
    void Borra() { marcas_.clear(); }
    void Anade(std::size_t posicionMostrada) { marcas_.push_back(posicionMostrada); }
    bool Vacia() const { return marcas_.empty(); }
    const std::vector<std::size_t> &Marcas() const { return marcas_; }

    // The place in the text of a position in what is shown; a position inside
    // a mark is the place where the mark was put.
    std::size_t Exacta(std::size_t mostrada) const
    {
        const auto k = std::size_t(std::upper_bound(marcas_.begin(), marcas_.end(), mostrada) - marcas_.begin());
        if (k == 0)
            return mostrada;
        const std::size_t inicio = marcas_[k - 1];
        if (mostrada < inicio + Marca.size())
            return inicio - (k - 1) * Marca.size();
        return mostrada - k * Marca.size();
    }

private:
    std::vector<std::size_t> marcas_;
};

}  // namespace LineasLargas
