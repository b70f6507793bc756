#pragma once

// What both directions of the engine share: the numeric form of every entry
// and the block-by-block result.

#include "ConversionesTextoHTML.h"
#include "UnidadesUtf16.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace ConversionesTextoHTML {

using Utf16::CR;
using Utf16::LF;

// "&#" code ";" for every entry of the table. Built while compiling, so a
// code that did not fit would stop the build.
struct Numerico {
    char16_t Texto[6]{};
    std::size_t Largo = 0;
    constexpr std::u16string_view Vista() const { return {Texto, Largo}; }
};

constexpr Numerico FormaNumerica(int codigo)
{
    char16_t digitos[3]{};
    int cuantos = 0;
    do {
        digitos[cuantos++] = char16_t(u'0' + codigo % 10);
        codigo /= 10;
    } while (codigo != 0);
    Numerico n;
    n.Texto[n.Largo++] = u'&';
    n.Texto[n.Largo++] = u'#';
    while (cuantos > 0)
        n.Texto[n.Largo++] = digitos[--cuantos];
    n.Texto[n.Largo++] = u';';
    return n;
}

inline constexpr auto Numericos = [] {
    std::array<Numerico, Entidades.size()> formas{};
    for (std::size_t i = 0; i < Entidades.size(); ++i)
        formas[i] = FormaNumerica(Entidades[i].Codigo);
    return formas;
}();

// Room past what a block writes: the widest store is sixteen units, and the
// decoder may run a little past its block (see HTMLATexto.cpp).
inline constexpr std::size_t Holgura = 16;

// The result, built without zero-filling it first: reserved once to a bound,
// then appended block by block from a buffer small enough to stay in cache.
// Blocks of 8 KB or more are appended faster (as one string move, which need
// not read the destination first), hence the sizes of the input blocks.
// Capacidad units live on the caller's stack.
template <std::size_t Capacidad>
class Salida {
public:
    explicit Salida(std::size_t cota) { texto_.reserve(cota); }

    char16_t *Bloque() { return bloque_.data(); }

    // Before appending the block that ends at fin: if it would not fit, moves
    // the result once to a new reserve of exactly what is written, this block
    // and resto() for what is left (a fresh string, so that it is not rounded
    // up to twice the old reserve).
    template <typename F>
    void Asegura(const char16_t *fin, F resto)
    {
        const std::size_t bloque = Escrito(fin);
        if (texto_.size() + bloque <= texto_.capacity())
            return;
        std::u16string mayor;
        mayor.reserve(texto_.size() + bloque + resto());
        mayor.append(texto_);
        texto_.swap(mayor);
    }

    void Anade(const char16_t *fin) { texto_.append(bloque_.data(), Escrito(fin)); }
    std::u16string Resultado() && { return std::move(texto_); }

private:
    std::size_t Escrito(const char16_t *fin) const
    {
        const std::size_t escrito = std::size_t(fin - bloque_.data());
        assert(escrito + Holgura <= Capacidad && "a block overran its buffer");
        return escrito;
    }

    std::u16string texto_;
    std::array<char16_t, Capacidad> bloque_;
};

std::u16string CodificaTexto(std::u16string_view origen, int opciones);
std::u16string DecodificaHTML(std::u16string_view origen, int opciones);

}  // namespace ConversionesTextoHTML
