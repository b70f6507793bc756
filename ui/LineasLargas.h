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

// Calls corta(p) for each place p of the UTF-8 text where a mark goes, in
// order. Each line counts from its start; CR, LF and CR LF end lines.
template <class F>
void Cortes(std::string_view texto, F corta)
{
    std::size_t i = 0;
    const std::size_t n = texto.size();
    while (i < n) {
        // One line: find its end and whether it has more than Limite characters.
        std::size_t fin = i, letras = 0;
        while (fin < n && texto[fin] != '\r' && texto[fin] != '\n')
            letras += Empieza(texto[fin++]);
        if (letras > Limite) {
            std::size_t cuenta = 0;
            for (std::size_t p = i; p < fin; ++p) {
                if (!Empieza(texto[p]))
                    continue;
                if (cuenta && cuenta % Fila == 0)
                    corta(p);
                ++cuenta;
            }
        }
        i = fin + 1;
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
