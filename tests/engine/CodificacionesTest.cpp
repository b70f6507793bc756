// SPDX-License-Identifier: GPL-3.0-or-later
// The byte encodings, whole and as streams cut anywhere. The strict failures
// and their offsets are pinned by velmora-convert's tests.

#include "Codificaciones.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Codificaciones;
using namespace std::string_literals;

struct Fila {
    const char *Nombre;
    Codificacion Juego;
    Politica Regla;
    std::string Bytes;
    std::u16string Texto;
    bool IdaYVuelta;  // the text is also written back as exactly these bytes
};
void PrintTo(const Fila &f, std::ostream *os) { *os << f.Nombre; }
class Filas : public testing::TestWithParam<Fila> {};

std::u16string DecodificaATrozos(const Fila &f, std::size_t trozo)
{
    std::u16string texto(f.Bytes.size() + Decodificador::Retenidos, u'\0');
    Decodificador d(f.Juego, f.Regla);
    char16_t *w = texto.data();
    for (std::size_t i = 0; i < f.Bytes.size(); i += trozo)
        w = d.Decodifica(std::string_view(f.Bytes).substr(i, trozo), w);
    texto.resize(std::size_t(d.Termina(w) - texto.data()));
    return texto;
}

std::string CodificaATrozos(const Fila &f, std::size_t trozo)
{
    std::string bytes(3 * f.Texto.size() + 3 * Codificador::Retenidos, '\0');
    Codificador c(f.Juego, f.Regla);
    char *w = bytes.data();
    for (std::size_t i = 0; i < f.Texto.size(); i += trozo)
        w = c.Codifica(std::u16string_view(f.Texto).substr(i, trozo), w);
    bytes.resize(std::size_t(c.Termina(w) - bytes.data()));
    return bytes;
}

// Pieces of one to three: each sequence cut in every place, and a UTF-16LE
// unit whose two bytes come in two pieces.
TEST_P(Filas, WholeAndInPiecesOfOneToThree)
{
    const Fila &f = GetParam();
    EXPECT_EQ(Decodifica(f.Bytes, f.Juego, f.Regla), f.Texto);
    for (std::size_t trozo = 1; trozo <= 3; ++trozo)
        EXPECT_EQ(DecodificaATrozos(f, trozo), f.Texto) << "pieces of " << trozo;
    if (!f.IdaYVuelta)
        return;
    EXPECT_EQ(Codifica(f.Texto, f.Juego, f.Regla), f.Bytes);
    for (std::size_t trozo = 1; trozo <= 3; ++trozo)
        EXPECT_EQ(CodificaATrozos(f, trozo), f.Bytes) << "pieces of " << trozo;
}

INSTANTIATE_TEST_SUITE_P(
    Codificaciones, Filas,
    testing::Values(
        Fila{"utf8_strict_every_length", Codificacion::Utf8, Politica::Estricta, "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80",
             u"a\u00e9\u20ac\U0001F600", true},
        Fila{"utf8_generalised_lone_surrogates_in_three_bytes", Codificacion::Utf8, Politica::Tolerante,
             "\xed\xa0\x80" "a\xed\xbf\xbf\xf0\x9f\x98\x80\xed\xb0\x80", u"\xd800" "a\xdfff\U0001F600\xdc00", true},
        Fila{"utf8_generalised_stray_bytes_each_read_as_a_replacement", Codificacion::Utf8, Politica::Tolerante,
             "\x80\xe0\x80\xc3" "a\xf4\x90\xff", u"\ufffd\ufffd\ufffd\ufffd" "a\ufffd\ufffd\ufffd", false},
        Fila{"utf8_generalised_sequence_cut_short_at_the_end", Codificacion::Utf8, Politica::Tolerante, "a\xf0\x9f\x98",
             u"a\ufffd\ufffd\ufffd", false},
        Fila{"windows1252_tolerant_keeps_its_undefined_bytes", Codificacion::Windows1252, Politica::Tolerante,
             "\x80\x81\x9d\x9f\xa0\xe9", u"\u20ac\u0081\u009d\u0178\u00a0\u00e9", true},
        Fila{"windows1252_strict", Codificacion::Windows1252, Politica::Estricta, "a\x80\x8a\xff",
             u"a\u20ac\u0160\u00ff", true},
        Fila{"latin1_every_byte_is_its_code", Codificacion::Latin1, Politica::Estricta, "\x80\x9f\xe9",
             u"\u0080\u009f\u00e9", true},
        Fila{"utf16le_lone_surrogate_and_bom", Codificacion::Utf16le, Politica::Estricta,
             "\xff\xfe\x3d\xd8\xe9\x00\x00\xdc"s, u"\ufeff\xd83d\u00e9\xdc00", true},
        Fila{"utf16le_odd_last_byte_tolerant", Codificacion::Utf16le, Politica::Tolerante, "a\0b"s, u"a\ufffd",
             false}),
    [](const auto &info) { return std::string(info.param.Nombre); });

}  // namespace
