// SPDX-License-Identifier: GPL-3.0-or-later
// The text in pieces: wherever a text is cut, the stream must give the whole
// text's result, in UTF-16 and in UTF-8, and it must write out as it reads
// whatever the shape of the text.

#include "Codificaciones.h"
#include "ConversionesTextoHTML.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

using ConversionesTextoHTML::ConvierteTextoHTML;
using ConversionesTextoHTML::Flujo;

std::string Utf8(std::u16string_view texto)
{
    return Codificaciones::Codifica(texto, Codificaciones::Codificacion::Utf8, Codificaciones::Politica::Tolerante);
}

// The stream's result for the text cut at k.
template <typename Unidad>
std::basic_string<Unidad> Cortado(std::basic_string_view<Unidad> texto, std::size_t k, std::int16_t modo,
                                  std::int16_t opciones)
{
    Flujo<Unidad> flujo(modo, opciones);
    std::basic_string<Unidad> r;
    flujo.Anade(texto.substr(0, k), r);
    flujo.Anade(texto.substr(k), r);
    flujo.Termina(r);
    return r;
}

// Units and pieces that the reference and line-break steps can combine.
const std::u16string_view Hostiles[] = {
    u"&",     u"a",     u"m",     u"p",      u";",      u"#",          u"3",         u"8",      u"6",
    u"0",     u"2",     u"l",     u"t",      u"g",      u"n",          u"b",         u"s",      u"<",
    u"B",     u"R",     u">",     u"\r",     u"\n",     u"\u00e9",     u"&amp;",     u"&lt;",   u"&gt;",
    u"&#62;", u"&#60;", u"&#38;", u"<BR>",   u"&nbsp;", u"<BR>\r\n",   u"<BR>\n\r",  u"BR",     u"&amp;#38;",
    u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", u"\U0001F600", u"\xD800", u"\xDC00", u"\u20ac"};

// Fewer pieces, so that tags, spelled signs and breaks meet often.
const std::u16string_view Etiquetas[] = {u"<",    u"&lt;", u"&amp;lt;", u"BR",  u">",     u"&gt;",  u"&#62;",
                                         u"&amp;#38;#62;", u"<BR>", u"\r", u"\n", u"&", u"x", u"&amp;", u"&#38;",
                                         u"<BR><BR>", u"\n\r", u"\r\n"};

template <std::size_t N>
std::u16string TextoDe(std::mt19937 &azar, const std::u16string_view (&piezas)[N])
{
    std::u16string texto;
    for (std::size_t n = azar() % 40; n > 0; --n)
        texto += piezas[azar() % N];
    return texto;
}

std::size_t Repeticiones()
{
    const char *valor = std::getenv("VELMORA_CORTES");
    return valor ? std::strtoul(valor, nullptr, 10) : 400;
}

// Set VELMORA_CORTES to try more texts by hand (about 2,000,000 cuts for each 1,000).
TEST(Flujo, EveryCutGivesTheWholeResult)
{
    const unsigned semilla = 20240611;
    std::mt19937 azar(semilla);
    std::size_t cortes = 0;
    for (std::size_t n = Repeticiones(), i = 0; i < n; ++i) {
        const std::u16string texto = i % 2 ? TextoDe(azar, Hostiles) : TextoDe(azar, Etiquetas);
        const std::string bytes = Utf8(texto);
        for (const std::int16_t modo : {ConversionesTextoHTML::TextoAHTML, ConversionesTextoHTML::HTMLATexto}) {
            // Text to HTML maps each character alone: a few words stand for all.
            const std::int16_t paso = modo == ConversionesTextoHTML::TextoAHTML ? 7 : 1;
            for (std::int16_t opciones = 0; opciones < 64; opciones = std::int16_t(opciones + paso)) {
                const std::u16string entero = ConvierteTextoHTML(texto, modo, opciones);
                const std::string entero8 = Utf8(entero);
                for (std::size_t k = 1; k < bytes.size(); ++k, ++cortes) {
                    if (k < texto.size()) {
                        ASSERT_EQ(Cortado<char16_t>(texto, k, modo, opciones), entero)
                            << "seed " << semilla << ", text " << i << ", mode " << modo << ", options " << opciones
                            << ", cut at " << k;
                    }
                    ASSERT_EQ(Cortado<char>(bytes, k, modo, opciones), entero8)
                        << "UTF-8, seed " << semilla << ", text " << i << ", mode " << modo << ", options " << opciones
                        << ", cut at " << k;
                }
            }
        }
    }
    std::cout << cortes << " cuts checked\n";
}

struct Peligro {
    const char *Nombre;
    std::u16string Izquierda, Derecha;
    std::int16_t Opciones;
};
void PrintTo(const Peligro &p, std::ostream *os) { *os << p.Nombre; }
class Peligros : public testing::TestWithParam<Peligro> {};

// Each row is a real straddle: the test first shows that the two halves
// convert differently apart.
TEST_P(Peligros, StreamCutThereGivesTheWholeResult)
{
    const Peligro &p = GetParam();
    const std::u16string texto = p.Izquierda + p.Derecha;
    const std::int16_t modo = ConversionesTextoHTML::HTMLATexto;
    const std::u16string entero = ConvierteTextoHTML(texto, modo, p.Opciones);
    ASSERT_NE(ConvierteTextoHTML(p.Izquierda, modo, p.Opciones) + ConvierteTextoHTML(p.Derecha, modo, p.Opciones),
              entero);
    EXPECT_EQ(Cortado<char16_t>(texto, p.Izquierda.size(), modo, p.Opciones), entero);
    EXPECT_EQ(Cortado<char>(Utf8(texto), Utf8(p.Izquierda).size(), modo, p.Opciones), Utf8(entero));
}

INSTANTIATE_TEST_SUITE_P(
    Flujo, Peligros,
    testing::Values(
        Peligro{"tag_closed_by_a_decoded_sign", u"x<BR", u"&gt;", 2},
        Peligro{"tag_opened_and_closed_by_spelled_signs", u"&amp;#38;lt;BR", u"&amp;#38;#62;y", 2},
        Peligro{"tag_opened_by_the_longest_spelling_of_a_sign", u"x&amp;#38;#60;BR", u"&gt;", 2},
        Peligro{"tag_swallowing_the_break_of_the_next_one", u"<BR>", u"<BR>\n\r", 2},
        Peligro{"spelled_tag_swallowing_the_break_made_by_the_next", u"&lt;BR&gt;", u"<BR>\r\nz", 2},
        Peligro{"second_next_tag_makes_the_break", u"<BR>", u"<BR><BR>\n\r", 2},
        Peligro{"second_next_tag_makes_a_lone_cr", u"<BR>", u"<BR><BR>\n\r\n", 6},
        Peligro{"break_made_after_two_long_spellings",
                u"<BR>", u"&amp;lt;BR&amp;gt;&amp;lt;BR&amp;gt;\n\r", 2},
        Peligro{"plain_text_inside_a_reference", u"&eac", u"ute;", 0},
        Peligro{"ampersand_decoded_into_a_new_reference", u"&amp;", u"lt;", 0},
        Peligro{"cut_inside_the_longest_spelling", u"&amp;#38;#6", u"0;", 0}),
    [](const auto &info) { return std::string(info.param.Nombre); });

struct Forma {
    const char *Nombre;
    std::string Trozo;
    std::int16_t Modo, Opciones;
};
void PrintTo(const Forma &f, std::ostream *os) { *os << f.Nombre; }
class Formas : public testing::TestWithParam<Forma> {};

// 8 MB in 4 KB pieces: every piece's result must be written out at once,
// nothing held back beyond the stated bound.
template <typename Unidad>
void EscribeMientrasLee(const Forma &f)
{
    Flujo<Unidad> flujo(f.Modo, f.Opciones);
    std::basic_string<Unidad> pedazo, salida;
    while (pedazo.size() < 4096)
        pedazo.append(f.Trozo.begin(), f.Trozo.end());
    std::size_t sinEscribir = 0, maximo = 0;
    for (std::size_t leidos = 0; leidos < (std::size_t(8) << 20); leidos += pedazo.size()) {
        salida.clear();
        flujo.Anade(pedazo, salida);
        sinEscribir = salida.empty() ? sinEscribir + pedazo.size() : 0;
        maximo = std::max(maximo, sinEscribir);
        ASSERT_LE(flujo.Retenidas(), Flujo<Unidad>::MaximoRetenidas);
    }
    flujo.Termina(salida);
    EXPECT_EQ(maximo, 0u) << "a piece was read and nothing written";
}

TEST_P(Formas, StreamWritesAsItReadsOnALongRun)
{
    EscribeMientrasLee<char16_t>(GetParam());
    EscribeMientrasLee<char>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Flujo, Formas,
    testing::Values(Forma{"ampersand_and_letter_to_text", "&a", 1, 0},
                    Forma{"escaped_ampersands_to_text", "&amp;", 1, 32},
                    Forma{"escaped_ampersands_to_text_with_line_breaks", "&amp;", 1, 2},
                    Forma{"half_spelled_tags_with_line_breaks", "<BR&gt;", 1, 2},
                    Forma{"spelled_tags_with_line_breaks", "&lt;BR&gt;", 1, 6},
                    Forma{"tag_pairs_and_a_cr_with_line_breaks", "<BR><BR>\r", 1, 2},
                    Forma{"tags_and_breaks_with_line_breaks", "<BR>\r\n<BR>\n\r", 1, 2},
                    Forma{"closing_signs_without_an_opening_one", "BR&gt;", 1, 2},
                    Forma{"letters_and_digits_to_text", "abc123", 1, 63},
                    Forma{"ampersands_to_html", "&", 0, 8},
                    Forma{"lone_high_surrogates_and_lf_to_html", "\xed\xa0\x80\n", 0, 2}),
    [](const auto &info) { return std::string(info.param.Nombre); });

}  // namespace
