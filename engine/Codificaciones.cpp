// SPDX-License-Identifier: GPL-3.0-or-later
#include "Codificaciones.h"

#include "UnidadesUtf16.h"
#include "Vectores.h"
#include "Windows1252.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace Codificaciones {
namespace {

template <typename Unidad>
using V = ConversionesTextoHTML::Vectores::Juego<Unidad>;

using Tipo = FalloDeCodificacion::Tipo;
using Utf16::EsAlto;
using Utf16::EsBajo;

constexpr char16_t Sustituto = 0xFFFD;

// Length of the UTF-8 sequence at p, 0 when the n bytes there are a valid but
// unfinished start, -1 when it is invalid (overlong, above U+10FFFF, or an
// encoded surrogate unless `sustitutos`).
int Secuencia(const unsigned char *p, std::size_t n, char32_t &caracter, bool sustitutos)
{
    const unsigned char b = p[0];
    unsigned char minimo = 0x80, maximo = 0xBF;
    std::size_t largo;
    if (b < 0x80) {
        caracter = b;
        return 1;
    }
    if (b >= 0xC2 && b <= 0xDF)
        largo = 2, caracter = b & 0x1Fu;
    else if (b >= 0xE0 && b <= 0xEF)
        largo = 3, caracter = b & 0x0Fu, minimo = b == 0xE0 ? 0xA0 : 0x80,
        maximo = b == 0xED && !sustitutos ? 0x9F : 0xBF;
    else if (b >= 0xF0 && b <= 0xF4)
        largo = 4, caracter = b & 0x07u, minimo = b == 0xF0 ? 0x90 : 0x80, maximo = b == 0xF4 ? 0x8F : 0xBF;
    else
        return -1;
    for (std::size_t i = 1; i < largo; ++i, minimo = 0x80, maximo = 0xBF) {
        if (i >= n)
            return 0;
        if (p[i] < minimo || p[i] > maximo)
            return -1;
        caracter = caracter << 6 | (p[i] & 0x3Fu);
    }
    return int(largo);
}

char16_t *PonCaracter(char32_t caracter, char16_t *w)
{
    if (caracter < 0x10000) {
        *w++ = char16_t(caracter);
        return w;
    }
    caracter -= 0x10000;
    *w++ = char16_t(0xD800 + (caracter >> 10));
    *w++ = char16_t(0xDC00 + (caracter & 0x3FF));
    return w;
}

// The ASCII bytes at the start of [p, fin), widened to w.
std::size_t CopiaAscii(const unsigned char *p, const unsigned char *fin, char16_t *w)
{
    const std::size_t n = V<char>::Menores(reinterpret_cast<const char *>(p), std::size_t(fin - p), 0x80);
    std::copy_n(p, n, w);
    return n;
}

unsigned char *PonUtf8(char32_t c, unsigned char *w)
{
    if (c < 0x80) {
        *w++ = static_cast<unsigned char>(c);
        return w;
    }
    const int largo = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    static constexpr unsigned char Primero[] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (int k = largo - 1; k > 0; --k, c >>= 6)
        w[k] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    w[0] = static_cast<unsigned char>(Primero[largo] | c);
    return w + largo;
}

}  // namespace

FalloDeCodificacion::FalloDeCodificacion(Tipo cual, std::uint64_t posicion, char32_t valor)
    : std::runtime_error("encoding failure at byte offset " + std::to_string(posicion)), Cual(cual),
      Posicion(posicion), Valor(valor)
{
}

// ---- Bytes to units -----------------------------------------------------------

char16_t *Decodificador::Decodifica(std::string_view bytes, char16_t *w)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *fin = p + bytes.size();
    switch (codificacion_) {
    case Codificacion::Utf8: w = DeUtf8<true>(p, fin, w); break;
    case Codificacion::Windows1252: w = DeWindows1252(p, fin, w); break;
    case Codificacion::Latin1: w = std::copy(p, fin, w); break;
    case Codificacion::Utf16le: w = DeUtf16le(p, fin, w); break;
    }
    posicion_ += bytes.size();
    return w;
}

void Decodificador::Valida(std::string_view bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    DeUtf8<false>(p, p + bytes.size(), nullptr);
    posicion_ += bytes.size();
}

char16_t *Decodificador::Termina(char16_t *w)
{
    const std::size_t n = std::exchange(cuantos_, 0);
    if (n == 0)
        return w;
    if (politica_ == Politica::Estricta)
        throw FalloDeCodificacion(codificacion_ == Codificacion::Utf16le ? Tipo::Impar : Tipo::Incompleta,
                                  posicion_ - n, resto_[0]);
    return std::fill_n(w, n, Sustituto);
}

template <bool Escribe>
char16_t *Decodificador::DeUtf8(const unsigned char *p, const unsigned char *fin, char16_t *w)
{
    const unsigned char *const inicio = p;
    const bool tolerante = politica_ == Politica::Tolerante;
    char32_t caracter = 0;
    if (cuantos_ != 0 && p != fin) {
        // Finish the sequence the previous piece ended in; four bytes always settle it.
        unsigned char juntos[4];
        const std::size_t tenia = cuantos_, toma = std::min(std::size_t(fin - p), 4 - tenia);
        std::copy_n(resto_, tenia, juntos);
        std::copy_n(p, toma, juntos + tenia);
        const int largo = Secuencia(juntos, tenia + toma, caracter, tolerante);
        if (largo == 0) {
            std::copy_n(p, toma, resto_ + tenia);
            cuantos_ += toma;
            return w;
        }
        cuantos_ = 0;
        if (largo > 0) {
            if constexpr (Escribe)
                w = PonCaracter(caracter, w);
            p += std::size_t(largo) - tenia;
        } else if (tolerante) {
            if constexpr (Escribe)
                w = std::fill_n(w, tenia, Sustituto);  // the first byte, then continuation bytes
        } else {
            throw FalloDeCodificacion(Tipo::Invalida, posicion_ - tenia, juntos[0]);
        }
    }
    while (p != fin) {
        if constexpr (Escribe) {
            const std::size_t ascii = CopiaAscii(p, fin, w);
            p += ascii;
            w += ascii;
        } else {
            // A step of ASCII and characters of two bytes, as most of Latin text, in one test.
            if (std::size_t(fin - p) > V<char>::Paso) {
                if (const std::size_t pares = V<char>::Pares(reinterpret_cast<const char *>(p))) {
                    p += pares;
                    continue;
                }
            }
            p += V<char>::Menores(reinterpret_cast<const char *>(p), std::size_t(fin - p), 0x80);
        }
        if (p == fin)
            break;
        // Two bytes, the most frequent beyond ASCII in Latin text, without the general reading.
        while (fin - p >= 2 && p[0] >= 0xC2 && p[0] <= 0xDF && (p[1] & 0xC0) == 0x80) {
            if constexpr (Escribe)
                *w++ = char16_t((p[0] & 0x1F) << 6 | (p[1] & 0x3F));
            p += 2;
        }
        if (p == fin || *p < 0x80)
            continue;
        const int largo = Secuencia(p, std::size_t(fin - p), caracter, tolerante);
        if (largo > 0) {
            if constexpr (Escribe)
                w = PonCaracter(caracter, w);
            p += largo;
        } else if (largo == 0) {
            cuantos_ = std::size_t(fin - p);
            std::copy(p, fin, resto_);
            break;
        } else if (tolerante) {
            if constexpr (Escribe)
                *w++ = Sustituto;
            ++p;
        } else {
            throw FalloDeCodificacion(Tipo::Invalida, posicion_ + std::uint64_t(p - inicio), *p);
        }
    }
    return w;
}

char16_t *Decodificador::DeUtf16le(const unsigned char *p, const unsigned char *fin, char16_t *w)
{
    if (cuantos_ != 0 && p != fin) {
        *w++ = char16_t(resto_[0] | *p++ << 8);
        cuantos_ = 0;
    }
    const std::size_t pares = std::size_t(fin - p) / 2;
    std::memcpy(w, p, 2 * pares);  // little-endian, as Vectores.h requires
    static_assert(std::endian::native == std::endian::little);
    w += pares;
    p += 2 * pares;
    if (p != fin) {
        resto_[0] = *p;
        cuantos_ = 1;
    }
    return w;
}

char16_t *Decodificador::DeWindows1252(const unsigned char *p, const unsigned char *fin, char16_t *w) const
{
    for (const unsigned char *q = p; q != fin;) {
        const std::size_t ascii = CopiaAscii(q, fin, w);
        q += ascii;
        w += ascii;
        if (q == fin)
            break;
        const unsigned char b = *q++;
        if (!Windows1252::Definido(b) && politica_ == Politica::Estricta)
            throw FalloDeCodificacion(Tipo::ByteIndefinido, posicion_ + std::uint64_t(q - 1 - p), b);
        *w++ = Windows1252::Caracter(b);
    }
    return w;
}

// ---- Units to bytes -----------------------------------------------------------

char *Codificador::Codifica(std::u16string_view texto, char *destino)
{
    const char16_t *p = texto.data(), *const fin = p + texto.size();
    inicio_ = reinterpret_cast<unsigned char *>(destino);
    unsigned char *w = inicio_;
    if (alto_ != 0 && p != fin) {
        // The high surrogate the previous piece ended in, and this piece's first unit.
        const char16_t alto = std::exchange(alto_, 0);
        if (EsBajo(*p))
            w = Caracter(Utf16::Combina(alto, *p++), w);
        else
            w = Caracter(alto, w);
    }
    switch (codificacion_) {
    case Codificacion::Utf8: w = AUtf8(p, fin, w); break;
    case Codificacion::Utf16le:
        std::memcpy(w, p, 2 * std::size_t(fin - p));
        w += 2 * (fin - p);
        break;
    default: w = AUnByte(p, fin, w); break;
    }
    posicion_ += std::uint64_t(w - inicio_);
    return destino + (w - inicio_);
}

char *Codificador::Termina(char *destino)
{
    inicio_ = reinterpret_cast<unsigned char *>(destino);
    unsigned char *w = inicio_;
    if (alto_ != 0)
        w = Caracter(std::exchange(alto_, 0), w);
    posicion_ += std::uint64_t(w - inicio_);
    return destino + (w - inicio_);
}

// One character (a lone surrogate too) in the encoding, by the policy.
unsigned char *Codificador::Caracter(char32_t c, unsigned char *w)
{
    const bool sustituto = c >= 0xD800 && c <= 0xDFFF;
    int byte = -1;
    switch (codificacion_) {
    case Codificacion::Utf8:
        if (!sustituto || politica_ == Politica::Tolerante)
            return PonUtf8(c, w);
        break;
    case Codificacion::Utf16le:
        return w;  // never waits: see Codifica
    case Codificacion::Latin1: byte = c <= 0xFF ? int(c) : -1; break;
    case Codificacion::Windows1252:
        byte = c <= 0xFFFF ? Windows1252::Byte(char16_t(c)) : -1;
        if (byte >= 0 && politica_ == Politica::Estricta && !Windows1252::Definido(static_cast<unsigned char>(byte)))
            byte = -1;  // its five undefined bytes are refused, not written
        break;
    }
    if (byte >= 0) {
        *w++ = static_cast<unsigned char>(byte);
        return w;
    }
    if (politica_ == Politica::Estricta)
        throw FalloDeCodificacion(Tipo::SinLugar, posicion_ + std::uint64_t(w - inicio_), c);
    *w++ = '?';
    return w;
}

unsigned char *Codificador::AUtf8(const char16_t *p, const char16_t *fin, unsigned char *w)
{
    while (p != fin) {
        const std::size_t ascii = V<char16_t>::Menores(p, std::size_t(fin - p), 0x80);
        w = std::copy_n(p, ascii, w);
        if ((p += ascii) == fin)
            break;
        const char16_t c = *p++;
        if (c < 0x800) {
            *w++ = static_cast<unsigned char>(0xC0 | c >> 6);
            *w++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
        } else if (!EsAlto(c)) {
            w = Caracter(c, w);
        } else if (p == fin) {
            alto_ = c;
        } else {
            w = EsBajo(*p) ? Caracter(Utf16::Combina(c, *p++), w) : Caracter(c, w);
        }
    }
    return w;
}

// Latin-1 holds every unit up to 0xFF; Windows-1252 has other characters at 0x80-0x9F.
unsigned char *Codificador::AUnByte(const char16_t *p, const char16_t *fin, unsigned char *w)
{
    const unsigned tope = codificacion_ == Codificacion::Latin1 ? 0x100 : 0x80;
    while (p != fin) {
        const std::size_t directos = V<char16_t>::Menores(p, std::size_t(fin - p), tope);
        w = std::copy_n(p, directos, w);
        if ((p += directos) == fin)
            break;
        const char16_t c = *p++;
        if (c >= 0xA0 && c <= 0xFF) {
            *w++ = static_cast<unsigned char>(c);
        } else if (!EsAlto(c)) {
            w = Caracter(c, w);
        } else if (p == fin) {
            alto_ = c;
        } else {
            w = EsBajo(*p) ? Caracter(Utf16::Combina(c, *p++), w) : Caracter(c, w);
        }
    }
    return w;
}

// ---- Whole texts and the joining of surrogates -------------------------------

std::u16string Decodifica(std::string_view bytes, Codificacion codificacion, Politica politica)
{
    std::u16string texto(bytes.size() + Decodificador::Retenidos, u'\0');
    Decodificador d(codificacion, politica);
    char16_t *w = d.Termina(d.Decodifica(bytes, texto.data()));
    texto.resize(std::size_t(w - texto.data()));
    return texto;
}

std::string Codifica(std::u16string_view texto, Codificacion codificacion, Politica politica)
{
    std::string bytes(3 * texto.size() + Codificador::Retenidos, '\0');
    Codificador c(codificacion, politica);
    char *w = c.Termina(c.Codifica(texto, bytes.data()));
    bytes.resize(std::size_t(w - bytes.data()));
    return bytes;
}

std::size_t UneSustitutos(char *texto, std::size_t largo)
{
    const auto b = [texto](std::size_t i) { return static_cast<unsigned char>(texto[i]); };
    const auto esSustituto = [&](std::size_t i, unsigned mitad) {
        return b(i) == 0xED && (b(i + 1) & 0xF0) == mitad && (b(i + 2) & 0xC0) == 0x80;
    };
    std::size_t w = 0;
    for (std::size_t r = 0; r < largo;) {
        if (r + 6 <= largo && esSustituto(r, 0xA0) && esSustituto(r + 3, 0xB0)) {
            const auto unidad = [&](std::size_t i) { return char16_t(0xD000 | (b(i + 1) & 0x3F) << 6 | (b(i + 2) & 0x3F)); };
            unsigned char par[4];
            PonUtf8(Utf16::Combina(unidad(r), unidad(r + 3)), par);
            std::memcpy(texto + w, par, 4);
            w += 4;
            r += 6;
        } else {
            texto[w++] = texto[r++];
        }
    }
    return w;
}

}  // namespace Codificaciones
