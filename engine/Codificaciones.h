// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The byte encodings of Velmora's texts, between bytes and UTF-16 code units:
// UTF-8, UTF-16LE, Latin-1 and Windows-1252, each strict or tolerant.
// Standard library only.
//
// Both directions take a stream a piece at a time: a sequence cut by the end
// of one piece is completed by the next one (at most Retenidos bytes, or one
// high surrogate, wait in between), and Termina ends the stream. Byte offsets
// in failures count from the start of the stream, of the input (decoding) or
// of the output (encoding).
//
// Politica::Estricta, for velmora-convert: anything the encoding cannot hold
// is a FalloDeCodificacion. UTF-8 has no overlong forms, no encoded surrogates,
// nothing above U+10FFFF and no stray bytes, and a lone surrogate cannot be
// written; Windows-1252's five undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// are invalid, and so is writing U+0080-U+009F; Latin-1 cannot write above
// U+00FF; UTF-16LE input of an odd length is invalid. UTF-16LE lone surrogates
// and a leading BOM are ordinary units.
//
// Politica::Tolerante never fails, and every text makes the round trip.
// UTF-8 is the generalised form the text boxes hold: a lone surrogate is
// written in three bytes (ED A0 80 to ED BF BF) and read back, and each byte
// that begins no character reads as U+FFFD. Windows-1252 reads its undefined
// bytes as the code points of the same value and writes them back. A character
// that Windows-1252 or Latin-1 has no byte for is written as one '?' (a
// surrogate pair as one). An odd last byte of UTF-16LE reads as U+FFFD.
//
// Example: Decodifica("\xed\xa0\x80" "a", Codificacion::Utf8, Politica::Tolerante)
// == u"\xd800a"; with Politica::Estricta it throws, at byte offset 0.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace Codificaciones {

enum class Codificacion { Utf8, Windows1252, Latin1, Utf16le };
enum class Politica { Estricta, Tolerante };

// What a strict reader or writer found, where, and the byte or character.
struct FalloDeCodificacion : std::runtime_error {
    enum class Tipo {
        Invalida,        // bytes that are no UTF-8
        Incompleta,      // the input ends inside a UTF-8 sequence
        Impar,           // UTF-16LE input of an odd length; Posicion is its last byte
        ByteIndefinido,  // one of Windows-1252's five undefined bytes
        SinLugar,        // a character the encoding cannot write; Posicion is in the output
    };
    FalloDeCodificacion(Tipo cual, std::uint64_t posicion, char32_t valor);

    Tipo Cual;
    std::uint64_t Posicion;
    char32_t Valor;
};

class Decodificador {
public:
    static constexpr std::size_t Retenidos = 3;  // bytes of an unfinished sequence kept between pieces

    Decodificador(Codificacion codificacion, Politica politica) : codificacion_(codificacion), politica_(politica) {}

    // Writes the units of `bytes` at w, which has room for bytes.size() +
    // Retenidos of them; returns the end of what it wrote.
    char16_t *Decodifica(std::string_view bytes, char16_t *w);
    // The end of the input: an unfinished sequence fails, or reads as U+FFFD
    // per byte. Writes at most Retenidos units.
    char16_t *Termina(char16_t *w);

    // UTF-8 only: reads the bytes as Decodifica does, and fails as it does,
    // but writes nothing; for text that stays UTF-8. Termina(nullptr) ends it.
    void Valida(std::string_view bytes);

private:
    template <bool Escribe>
    char16_t *DeUtf8(const unsigned char *p, const unsigned char *fin, char16_t *w);
    char16_t *DeUtf16le(const unsigned char *p, const unsigned char *fin, char16_t *w);
    char16_t *DeWindows1252(const unsigned char *p, const unsigned char *fin, char16_t *w) const;

    Codificacion codificacion_;
    Politica politica_;
    unsigned char resto_[Retenidos]{};  // an unfinished sequence from the previous piece
    std::size_t cuantos_ = 0;
    std::uint64_t posicion_ = 0;  // offset of the current piece in the input
};

class Codificador {
public:
    static constexpr std::size_t Retenidos = 3;  // bytes beyond three per unit a call may write

    Codificador(Codificacion codificacion, Politica politica) : codificacion_(codificacion), politica_(politica) {}

    // Writes the bytes of `texto` at w, which has room for 3 * texto.size() +
    // Retenidos of them; returns the end of what it wrote. A high surrogate
    // at the end waits for the unit after it.
    char *Codifica(std::u16string_view texto, char *w);
    // The end of the text: writes a waiting high surrogate, at most Retenidos bytes.
    char *Termina(char *w);

private:
    unsigned char *AUtf8(const char16_t *p, const char16_t *fin, unsigned char *w);
    unsigned char *AUnByte(const char16_t *p, const char16_t *fin, unsigned char *w);
    unsigned char *Caracter(char32_t c, unsigned char *w);

    Codificacion codificacion_;
    Politica politica_;
    char16_t alto_ = 0;           // a high surrogate waiting for the next piece, or 0
    std::uint64_t posicion_ = 0;  // bytes written before the current piece
    unsigned char *inicio_ = nullptr;  // where the current piece's bytes begin
};

// A whole text at once.
std::u16string Decodifica(std::string_view bytes, Codificacion codificacion, Politica politica);
std::string Codifica(std::u16string_view texto, Codificacion codificacion, Politica politica);

// Generalised UTF-8 in which an encoded high surrogate may stand right before
// an encoded low one (which reading and writing again would give as the four
// bytes of their pair): writes each such six bytes as those four, in place.
// Returns the new length.
std::size_t UneSustitutos(char *texto, std::size_t largo);

}  // namespace Codificaciones
