// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the engine must give exactly what the literal model gives,
// and on the generalised UTF-8 of the same units the UTF-8 of that result;
// the stream must give both too, with the text cut into pieces whose sizes
// the input's first two bytes choose. The raw bytes of the input go through
// the UTF-8 engine as well, valid or not, for the sanitizers' sake: no result
// is defined for stray bytes to compare.
//
// Input: byte 0 bits 0-1 choose the mode (-1 to 2) and bits 2-7 the six
// option flags; byte 1 fills the option word's bits 8-15 (the sign bit too)
// and its two low bits also go to bits 6 and 7, so the ignored bits are
// exercised. The rest are UTF-16 code units, little-endian; an odd last byte
// is dropped.

#include "Codificaciones.h"
#include "ConversionesTextoHTML.h"
#include "ModeloLiteral.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Escribe(const char *nombre, const std::u16string &texto)
{
    std::fprintf(stderr, "%s (%zu units): \"", nombre, texto.size());
    for (char16_t c : texto) {
        if (c >= 0x20 && c < 0x7F && c != u'\\' && c != u'"')
            std::fputc(int(c), stderr);
        else
            std::fprintf(stderr, "\\u{%X}", unsigned(c));
    }
    std::fprintf(stderr, "\"\n");
}

std::string Utf8(std::u16string_view texto)
{
    return Codificaciones::Codifica(texto, Codificaciones::Codificacion::Utf8, Codificaciones::Politica::Tolerante);
}

// The UTF-8 engine on a buffer of exactly the text's size.
std::string ConvierteUtf8(std::string_view bytes, int modo, std::int16_t opciones)
{
    const std::vector<char> exacto(bytes.begin(), bytes.end());
    return ConversionesTextoHTML::ConvierteTextoHTML(std::string_view(exacto.data(), exacto.size()),
                                                     std::int16_t(modo), opciones);
}

// The stream on pieces of the sizes 1 + (paso + 5 i) % 61 for i = 0, 1, 2 ...
template <typename Unidad>
std::basic_string<Unidad> EnTrozos(std::basic_string_view<Unidad> texto, int modo, std::int16_t opciones, unsigned paso)
{
    ConversionesTextoHTML::Flujo<Unidad> flujo{std::int16_t(modo), opciones};
    std::basic_string<Unidad> r;
    for (std::size_t i = 0, n; !texto.empty(); texto.remove_prefix(n), ++i) {
        n = std::min<std::size_t>(texto.size(), 1 + (paso + 5 * i) % 61);
        const std::vector<Unidad> exacto(texto.begin(), texto.begin() + std::ptrdiff_t(n));
        flujo.Anade(std::basic_string_view<Unidad>(exacto.data(), n), r);
    }
    flujo.Termina(r);
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t largo)
{
    if (largo < 2)
        return 0;
    const int modo = int(datos[0] & 3) - 1;
    const auto opciones =
        std::int16_t(std::uint16_t((datos[0] >> 2) | ((datos[1] & 3) << 6) | (unsigned(datos[1]) << 8)));

    // Exactly as many units as the input holds, so AddressSanitizer sees any
    // read past the end.
    std::vector<char16_t> unidades((largo - 2) / 2);
    for (std::size_t i = 0; i < unidades.size(); ++i)
        unidades[i] = char16_t(datos[2 + 2 * i] | (datos[3 + 2 * i] << 8));
    const std::u16string texto(unidades.begin(), unidades.end());

    const std::u16string obtenido = ConversionesTextoHTML::ConvierteTextoHTML(
        std::u16string_view(unidades.data(), unidades.size()), std::int16_t(modo), opciones);
    const std::u16string esperado = ModeloLiteral::Convierte(texto, modo, opciones);
    if (obtenido != esperado) {
        std::fprintf(stderr, "\nEngine and literal model differ: mode %d, options %d\n", modo, int(opciones));
        Escribe("input", texto);
        Escribe("model", esperado);
        Escribe("engine", obtenido);
        std::abort();
    }
    if (ConvierteUtf8(Utf8(texto), modo, opciones) != Utf8(esperado)) {
        std::fprintf(stderr, "\nThe UTF-8 engine differs from the UTF-8 of the result: mode %d, options %d\n", modo,
                     int(opciones));
        Escribe("input", texto);
        Escribe("model", esperado);
        std::abort();
    }
    const unsigned paso = datos[0] ^ datos[1];
    if (EnTrozos<char16_t>(texto, modo, opciones, paso) != esperado ||
        EnTrozos<char>(Utf8(texto), modo, opciones, paso) != Utf8(esperado)) {
        std::fprintf(stderr, "\nThe stream differs from the whole: mode %d, options %d, pieces from %u\n", modo,
                     int(opciones), paso);
        Escribe("input", texto);
        std::abort();
    }
    ConvierteUtf8(std::string_view(reinterpret_cast<const char *>(datos) + 2, largo - 2), modo, opciones);
    return 0;
}
