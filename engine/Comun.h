// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What both directions of the engine share: the numeric form of every entry
// and the block-by-block result.

#include "ConversionesTextoHTML.h"
#include "UnidadesUtf16.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <memory>
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

// Both instances of the engine: UTF-16 code units, and UTF-8 bytes as char.
template <typename Unidad>
inline constexpr bool EsUtf8 = sizeof(Unidad) == 1;

constexpr unsigned Codigo(char16_t u) { return u; }
constexpr unsigned Codigo(char u) { return static_cast<unsigned char>(u); }

// Writes a character up to 255 at w: one unit, or in UTF-8 two bytes from 128 on.
template <typename Unidad>
constexpr Unidad *PonCaracter(unsigned c, Unidad *w)
{
    assert(c < 256);
    if (EsUtf8<Unidad> && c >= 0x80) {
        *w++ = Unidad(0xC0 | c >> 6);
        *w++ = Unidad(0x80 | (c & 0x3F));
        return w;
    }
    *w++ = Unidad(c);
    return w;
}

// The result, built without zero-filling it first: reserved once to a bound,
// then appended block by block from a buffer small enough to stay in cache.
// Blocks of 8 KB or more are appended faster (as one string move, which need
// not read the destination first), hence the sizes of the input blocks.
// Capacidad units live on the caller's stack.
//
// It appends to the caller's string. When that string starts empty, its
// storage is kept if large enough, or else replaced by fresh storage of exactly
// the bound (libstdc++ would round a growing string up to twice its old size);
// one that already holds text grows geometrically, as pieces of a stream are
// appended to it.
template <typename Unidad, std::size_t Capacidad>
class Salida {
public:
    using Cadena = std::basic_string<Unidad>;

    Salida(Cadena &destino, std::size_t cota) : texto_(destino), exacta_(destino.empty()) { Reserva(cota); }

    Unidad *Bloque() { return bloque_.data(); }

    // Before appending the block that ends at fin: if it would not fit, makes
    // room for this block and resto() for what is left.
    template <typename F>
    void Asegura(const Unidad *fin, F resto)
    {
        const std::size_t bloque = Escrito(fin);
        if (texto_.size() + bloque > texto_.capacity())
            Reserva(bloque + resto());
    }

    void Anade(const Unidad *fin) { texto_.append(bloque_.data(), Escrito(fin)); }

private:
    void Reserva(std::size_t mas)
    {
        const std::size_t total = texto_.size() + mas;
        if (total <= texto_.capacity())
            return;
        Cadena mayor;
        mayor.reserve(exacta_ ? total : std::max(total, texto_.capacity() + texto_.capacity() / 2));
        mayor.append(texto_);
        texto_.swap(mayor);
    }

    std::size_t Escrito(const Unidad *fin) const
    {
        const std::size_t escrito = std::size_t(fin - bloque_.data());
        assert(escrito + Holgura <= Capacidad && "a block overran its buffer");
        return escrito;
    }

    Cadena &texto_;
    const bool exacta_;
    std::array<Unidad, Capacidad> bloque_;
};

// Each appends the conversion of a whole text to destino.
template <typename Unidad>
void CodificaTexto(std::basic_string_view<Unidad> origen, int opciones, std::basic_string<Unidad> &destino);
template <typename Unidad>
void DecodificaHTML(std::basic_string_view<Unidad> origen, int opciones, std::basic_string<Unidad> &destino);

// One direction of Flujo (see ConversionesTextoHTML.h), behind the public class.
template <typename Unidad>
class Etapa {
public:
    virtual ~Etapa() = default;
    virtual void Anade(std::basic_string_view<Unidad> trozo, std::basic_string<Unidad> &destino) = 0;
    virtual void Termina(std::basic_string<Unidad> &destino) = 0;
    virtual std::size_t Retenidas() const = 0;
};

template <typename Unidad>
std::unique_ptr<Etapa<Unidad>> EtapaTextoAHTML(int opciones);
template <typename Unidad>
std::unique_ptr<Etapa<Unidad>> EtapaHTMLATexto(int opciones);

}  // namespace ConversionesTextoHTML
