#pragma once

// The byte encodings of velmora-convert. Input is decoded piece by piece into
// UTF-16 code units (what the engine works on) and the result encoded back in
// the same encoding. Byte offsets in error messages count from the start of
// the input (decoding) or of the output (encoding).

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace VelmoraConvert {

enum class Codificacion { Utf8, Windows1252, Latin1, Utf16le };

std::optional<Codificacion> CodificacionPorNombre(std::string_view nombre);

// Bytes that do not decode, or a character the encoding cannot hold.
struct EntradaInvalida : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Bytes to UTF-16 units. A sequence cut by the end of one piece is completed
// by the next one. UTF-8 is strict: no overlong forms, no encoded surrogates.
// UTF-16LE lone surrogates and a leading BOM pass through as ordinary units.
// Windows-1252's five undefined bytes are invalid.
class DecodificadorDeBytes {
public:
    explicit DecodificadorDeBytes(Codificacion codificacion) : codificacion_(codificacion) {}
    // Writes the units of `bytes` at w, which has room for bytes.size() + 2
    // of them; returns the end of what it wrote.
    char16_t *AUnidades(std::string_view bytes, char16_t *w);
    // Throws when the input ended inside a sequence.
    void Termina() const;

private:
    char16_t *DeUtf8(const unsigned char *p, const unsigned char *fin, char16_t *w);
    char16_t *DeUtf16le(const unsigned char *p, const unsigned char *fin, char16_t *w);
    char16_t *DeWindows1252(const unsigned char *p, const unsigned char *fin, char16_t *w) const;

    Codificacion codificacion_;
    std::string resto_;           // an unfinished sequence from the previous piece
    std::uint64_t posicion_ = 0;  // offset of the current piece in the input
};

// UTF-16 units to bytes. A character the encoding cannot hold is invalid; in
// Windows-1252 that includes U+0080-U+009F that the code page does not map.
class CodificadorDeBytes {
public:
    explicit CodificadorDeBytes(Codificacion codificacion) : codificacion_(codificacion) {}
    // Writes the bytes of `texto` at w, which has room for 3 * texto.size();
    // returns the end of what it wrote.
    char *ABytes(std::u16string_view texto, char *w);

private:
    Codificacion codificacion_;
    std::uint64_t posicion_ = 0;  // bytes written before the current piece
};

}  // namespace VelmoraConvert
