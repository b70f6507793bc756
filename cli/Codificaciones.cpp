#include "Codificaciones.h"

#include "Tramos.h"
#include "UnidadesUtf16.h"
#include "Windows1252.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace VelmoraConvert {
namespace {

struct Nombre {
    std::string_view Texto;
    Codificacion Cual;
};

// The first name of each encoding is the one messages use.
constexpr std::array<Nombre, 7> Nombres{{
    {"utf-8", Codificacion::Utf8},
    {"windows-1252", Codificacion::Windows1252},
    {"latin1", Codificacion::Latin1},
    {"utf-16le", Codificacion::Utf16le},
    {"utf8", Codificacion::Utf8},
    {"cp1252", Codificacion::Windows1252},
    {"iso-8859-1", Codificacion::Latin1},
}};

std::string_view NombreDe(Codificacion codificacion)
{
    return std::find_if(Nombres.begin(), Nombres.end(), [&](const Nombre &n) { return n.Cual == codificacion; })->Texto;
}

std::string EnPosicion(std::uint64_t posicion) { return " at byte offset " + std::to_string(posicion); }

std::string Hexadecimal(unsigned valor, const char *formato)
{
    char texto[16];
    std::snprintf(texto, sizeof texto, formato, valor);
    return texto;
}

// Length of the UTF-8 sequence at p, 0 when the n bytes there are a valid but
// unfinished start, -1 when it is invalid (overlong, surrogate, above U+10FFFF).
int Secuencia(const unsigned char *p, std::size_t n, char32_t &caracter)
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
        largo = 3, caracter = b & 0x0Fu, minimo = b == 0xE0 ? 0xA0 : 0x80, maximo = b == 0xED ? 0x9F : 0xBF;
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

[[noreturn]] void NoCabe(char32_t caracter, Codificacion codificacion, std::uint64_t posicion)
{
    throw EntradaInvalida("character " + Hexadecimal(unsigned(caracter), "U+%04X") + " cannot be written in " +
                          std::string(NombreDe(codificacion)) + ", output" + EnPosicion(posicion));
}

using Utf16::EsAlto;
using Utf16::EsBajo;

unsigned char *EscribeUtf8(std::u16string_view texto, unsigned char *w, std::uint64_t posicion)
{
    unsigned char *const inicio = w;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const std::size_t tramo = BuscaBits(texto.data() + i, texto.size() - i, 0xFF80);
        w = std::copy_n(texto.data() + i, tramo, w);
        if ((i += tramo) == texto.size())
            break;
        char32_t c = texto[i];
        if (EsAlto(char16_t(c)) && i + 1 < texto.size() && EsBajo(texto[i + 1]))
            c = Utf16::Combina(char16_t(c), texto[++i]);
        else if (EsAlto(char16_t(c)) || EsBajo(char16_t(c)))
            NoCabe(c, Codificacion::Utf8, posicion + std::uint64_t(w - inicio));
        const int largo = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        static constexpr unsigned char Primero[] = {0, 0, 0xC0, 0xE0, 0xF0};
        for (int k = largo - 1; k > 0; --k, c >>= 6)
            w[k] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        w[0] = static_cast<unsigned char>(Primero[largo] | c);
        w += largo;
    }
    return w;
}

// Latin-1 holds every unit up to 0xFF; Windows-1252 has other characters at 0x80-0x9F.
unsigned char *EscribeUnByte(std::u16string_view texto, unsigned char *w, Codificacion codificacion,
                             std::uint64_t posicion)
{
    unsigned char *const inicio = w;
    const bool latin1 = codificacion == Codificacion::Latin1;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const std::size_t tramo = BuscaBits(texto.data() + i, texto.size() - i, latin1 ? 0xFF00 : 0xFF80);
        w = std::copy_n(texto.data() + i, tramo, w);
        if ((i += tramo) == texto.size())
            break;
        if (texto[i] >= 0xA0 && texto[i] <= 0xFF) {
            *w++ = static_cast<unsigned char>(texto[i]);
            continue;
        }
        // Windows-1252 here: its five undefined bytes are refused, not written.
        const int byte = Windows1252::Byte(texto[i]);
        if (latin1 || byte < 0 || !Windows1252::Definido(static_cast<unsigned char>(byte)))
            NoCabe(texto[i], codificacion, posicion + std::uint64_t(w - inicio));
        *w++ = static_cast<unsigned char>(byte);
    }
    return w;
}

unsigned char *EscribeUtf16le(std::u16string_view texto, unsigned char *w)
{
    for (const char16_t c : texto) {
        *w++ = static_cast<unsigned char>(c & 0xFF);
        *w++ = static_cast<unsigned char>(c >> 8);
    }
    return w;
}

}  // namespace

std::optional<Codificacion> CodificacionPorNombre(std::string_view nombre)
{
    const auto igual = [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; };
    for (const Nombre &n : Nombres) {
        if (std::equal(nombre.begin(), nombre.end(), n.Texto.begin(), n.Texto.end(), igual))
            return n.Cual;
    }
    return std::nullopt;
}

char16_t *DecodificadorDeBytes::AUnidades(std::string_view bytes, char16_t *w)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *fin = p + bytes.size();
    switch (codificacion_) {
    case Codificacion::Utf8: w = DeUtf8(p, fin, w); break;
    case Codificacion::Windows1252: w = DeWindows1252(p, fin, w); break;
    case Codificacion::Latin1: w = std::copy(p, fin, w); break;
    case Codificacion::Utf16le: w = DeUtf16le(p, fin, w); break;
    }
    posicion_ += bytes.size();
    return w;
}

void DecodificadorDeBytes::Termina() const
{
    if (resto_.empty())
        return;
    const std::uint64_t posicion = posicion_ - resto_.size();
    if (codificacion_ == Codificacion::Utf16le)
        throw EntradaInvalida("odd number of bytes in UTF-16LE input, last byte" + EnPosicion(posicion));
    throw EntradaInvalida("incomplete UTF-8 sequence" + EnPosicion(posicion));
}

char16_t *DecodificadorDeBytes::DeUtf8(const unsigned char *p, const unsigned char *fin, char16_t *w)
{
    const unsigned char *const inicio = p;
    char32_t caracter = 0;
    if (!resto_.empty()) {
        // Finish the sequence the previous piece ended in; four bytes always settle it.
        const std::size_t tenia = resto_.size();
        resto_.append(reinterpret_cast<const char *>(p), std::min(std::size_t(fin - p), 4 - tenia));
        const int largo = Secuencia(reinterpret_cast<const unsigned char *>(resto_.data()), resto_.size(), caracter);
        if (largo < 0)
            throw EntradaInvalida("invalid UTF-8" + EnPosicion(posicion_ - tenia));
        if (largo == 0)
            return w;
        w = PonCaracter(caracter, w);
        p += std::size_t(largo) - tenia;
        resto_.clear();
    }
    while (p != fin) {
        if (fin - p >= 16) {
            const std::size_t ascii = CopiaAscii16(p, w);
            p += ascii;
            w += ascii;
            if (ascii == 16)
                continue;
        }
        if (*p < 0x80) {
            *w++ = *p++;
            continue;
        }
        const int largo = Secuencia(p, std::size_t(fin - p), caracter);
        if (largo < 0)
            throw EntradaInvalida("invalid UTF-8" + EnPosicion(posicion_ + std::uint64_t(p - inicio)));
        if (largo == 0) {
            resto_.assign(reinterpret_cast<const char *>(p), std::size_t(fin - p));
            break;
        }
        w = PonCaracter(caracter, w);
        p += largo;
    }
    return w;
}

char16_t *DecodificadorDeBytes::DeUtf16le(const unsigned char *p, const unsigned char *fin, char16_t *w)
{
    if (!resto_.empty() && p != fin) {
        *w++ = char16_t(static_cast<unsigned char>(resto_[0]) | *p++ << 8);
        resto_.clear();
    }
    for (; fin - p >= 2; p += 2)
        *w++ = char16_t(p[0] | p[1] << 8);
    if (p != fin)
        resto_.assign(1, static_cast<char>(*p));
    return w;
}

char16_t *DecodificadorDeBytes::DeWindows1252(const unsigned char *p, const unsigned char *fin, char16_t *w) const
{
    for (const unsigned char *q = p; q != fin;) {
        if (fin - q >= 16) {
            const std::size_t ascii = CopiaAscii16(q, w);
            q += ascii;
            w += ascii;
            if (ascii == 16)
                continue;
        }
        const unsigned char b = *q++;
        if (b < 0x80 || b >= 0xA0) {
            *w++ = b;
            continue;
        }
        if (!Windows1252::Definido(b))
            throw EntradaInvalida("byte " + Hexadecimal(b, "0x%02X") + " is undefined in windows-1252" +
                                  EnPosicion(posicion_ + std::uint64_t(q - 1 - p)));
        *w++ = Windows1252::Caracter(b);
    }
    return w;
}

char *CodificadorDeBytes::ABytes(std::u16string_view texto, char *destino)
{
    auto *const inicio = reinterpret_cast<unsigned char *>(destino);
    unsigned char *w = inicio;
    switch (codificacion_) {
    case Codificacion::Utf8: w = EscribeUtf8(texto, w, posicion_); break;
    case Codificacion::Utf16le: w = EscribeUtf16le(texto, w); break;
    default: w = EscribeUnByte(texto, w, codificacion_, posicion_); break;
    }
    posicion_ += std::uint64_t(w - inicio);
    return destino + (w - inicio);
}

}  // namespace VelmoraConvert
