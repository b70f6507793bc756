// SPDX-License-Identifier: GPL-3.0-or-later
#include "Codificaciones.h"
#include "ConversionesTextoHTML.h"
#include "ModeloLiteral.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <random>
#include <set>
#include <string>
#include <vector>

using ConversionesTextoHTML::ConvierteTextoHTML;
using ConversionesTextoHTML::Entidades;

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"  // the replacements below pair malloc with free
#endif

// Heap blocks of 1 KiB or more asked for while Vigila is on: the result's
// storage, which must be sized once (twice at most) and not too generously.
namespace Vigilancia {
thread_local bool Vigila = false;
thread_local int Bloques = 0;
thread_local std::size_t Vivos = 0;  // bytes of those blocks not yet freed
thread_local std::size_t Pico = 0;   // the most Vivos has been
thread_local std::pair<void *, std::size_t> Lista[8]{};
}  // namespace Vigilancia

void *operator new(std::size_t n)
{
    void *p = std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    if (Vigilancia::Vigila && n >= 1024 && Vigilancia::Bloques < 8) {
        Vigilancia::Lista[Vigilancia::Bloques++] = {p, n};
        Vigilancia::Pico = std::max(Vigilancia::Pico, Vigilancia::Vivos += n);
    }
    return p;
}
void operator delete(void *p) noexcept
{
    for (auto &[bloque, n] : Vigilancia::Lista) {
        if (bloque == p) {
            Vigilancia::Vivos -= n;
            bloque = nullptr;
        }
    }
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept { operator delete(p); }

namespace {

TEST(Entidades, HoldsTheLatin1SetThenTheFourReservedCharacters)
{
    ASSERT_EQ(Entidades.size(), 99u);
    std::set<std::u16string_view> textos;
    for (std::size_t i = 0; i < Entidades.size(); ++i) {
        const auto &e = Entidades[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(e.Especial, i >= 95 ? 1 : 0);
        if (i < 95) {
            EXPECT_EQ(e.Codigo, 161 + int(i));
        }
        EXPECT_TRUE(e.Texto.starts_with(u"&") && e.Texto.ends_with(u";"));
        textos.insert(e.Texto);
    }
    EXPECT_EQ(textos.size(), 99u) << "every name is distinct";
    EXPECT_EQ(Entidades[0].Texto, u"&iexcl;");
    EXPECT_EQ(Entidades[47].Texto, u"&ETH;");
    EXPECT_EQ(Entidades[61].Texto, u"&THORN;");
    EXPECT_EQ(Entidades[94].Texto, u"&yuml;");
    EXPECT_EQ(Entidades[95].Texto, u"&quot;");
    EXPECT_EQ(Entidades[95].Codigo, 34);
    EXPECT_EQ(Entidades[96].Codigo, 60);
    EXPECT_EQ(Entidades[97].Codigo, 62);
    EXPECT_EQ(Entidades[98].Texto, u"&amp;");
    EXPECT_EQ(Entidades[98].Codigo, 38);
}

struct Caso {
    const char *nombre;
    int modo;
    int opciones;
    std::u16string entrada;
    std::u16string esperado;
};

void PrintTo(const Caso &c, std::ostream *os) { *os << c.nombre; }

class Ejemplos : public testing::TestWithParam<Caso> {};

// The generalised UTF-8 the text boxes hold: any UTF-16 text, lone surrogates too.
std::string Utf8(std::u16string_view texto)
{
    return Codificaciones::Codifica(texto, Codificaciones::Codificacion::Utf8, Codificaciones::Politica::Tolerante);
}

// The stream given the text in pieces that end at each of `cortes`, in order.
template <typename Unidad>
std::basic_string<Unidad> EnTrozos(const std::basic_string<Unidad> &texto, int modo, int opciones,
                                   const std::vector<std::size_t> &cortes)
{
    ConversionesTextoHTML::Flujo<Unidad> flujo{std::int16_t(modo), std::int16_t(opciones)};
    std::basic_string<Unidad> r;
    std::size_t desde = 0;
    for (std::size_t corte : cortes) {
        flujo.Anade(std::basic_string_view<Unidad>(texto).substr(desde, corte - desde), r);
        desde = corte;
    }
    flujo.Anade(std::basic_string_view<Unidad>(texto).substr(desde), r);
    flujo.Termina(r);
    return r;
}

TEST_P(Ejemplos, EngineAndLiteralModelGiveTheExpectedText)
{
    const Caso &c = GetParam();
    EXPECT_EQ(ConvierteTextoHTML(c.entrada, std::int16_t(c.modo), std::int16_t(c.opciones)), c.esperado);
    EXPECT_EQ(ModeloLiteral::Convierte(c.entrada, c.modo, c.opciones), c.esperado) << "the oracle itself";
    EXPECT_EQ(ConvierteTextoHTML(Utf8(c.entrada), std::int16_t(c.modo), std::int16_t(c.opciones)), Utf8(c.esperado));
    for (std::size_t k = 0; k <= Utf8(c.entrada).size(); ++k)
        EXPECT_EQ(EnTrozos(Utf8(c.entrada), c.modo, c.opciones, {k}), Utf8(c.esperado)) << "UTF-8 cut at " << k;
}

const std::u16string Mezcla = u"a<b & \u00e9 \"x\"";

INSTANTIATE_TEST_SUITE_P(
    TextoAHTML, Ejemplos,
    testing::Values(
        Caso{"named_references_leave_reserved_characters", 0, 0, Mezcla, u"a<b & &eacute; \"x\""},
        Caso{"option_8_escapes_the_reserved_characters", 0, 8, Mezcla, u"a&lt;b &amp; &eacute; &quot;x&quot;"},
        Caso{"options_9_give_numeric_references", 0, 9, Mezcla, u"a&#60;b &#38; &#233; &#34;x&#34;"},
        Caso{"option_1_alone_numeric_for_latin1_only", 0, 1, Mezcla, u"a<b & &#233; \"x\""},
        Caso{"existing_reference_kept_without_8", 0, 0, u"&eacute;", u"&eacute;"},
        Caso{"existing_reference_escaped_with_8", 0, 8, u"&eacute;", u"&amp;eacute;"},
        Caso{"line_break_tag_without_break", 0, 10, u"A\u00f1o <1>\r\nx", u"A&ntilde;o &lt;1&gt;<BR>x"},
        Caso{"line_break_kept_after_tag", 0, 42, u"A\u00f1o <1>\r\nx", u"A&ntilde;o &lt;1&gt;<BR>\r\nx"},
        Caso{"only_cr_after_tag", 0, 46, u"A\u00f1o <1>\r\nx", u"A&ntilde;o &lt;1&gt;<BR>\rx"},
        Caso{"lone_lf_is_removed", 0, 2, u"a\nb", u"ab"},
        Caso{"lone_cr_becomes_tag", 0, 2, u"a\rb", u"a<BR>b"},
        Caso{"two_breaks_two_tags", 0, 2, u"a\r\n\r\nb", u"a<BR><BR>b"},
        Caso{"options_4_and_32_need_2", 0, 36, u"a\r\nb", u"a\r\nb"},
        Caso{"every_blank_becomes_nbsp", 0, 16, u"a b  c", u"a&nbsp;b&nbsp;&nbsp;c"},
        Caso{"nbsp_euro_and_c1_pass_through", 0, 63, u"\u00a0\u20ac\u0080\u009f", u"\u00a0\u20ac\u0080\u009f"},
        Caso{"nul_and_lone_surrogates_pass_through", 0, 63, std::u16string(u"\0\xD800x\xDC00", 4),
             std::u16string(u"\0\xD800x\xDC00", 4)},
        Caso{"lone_surrogates_meet_where_lf_is_removed", 0, 2, u"\xD800\n\n\xDC00\xDBFF\n", u"\xD800\xDC00\xDBFF"},
        Caso{"times_and_divide_are_ordinary", 0, 0, u"\u00d7\u00f7", u"&times;&divide;"},
        Caso{"high_bits_ignored", 0, 0x7FC0 | 8, u"<&>", u"&lt;&amp;&gt;"},
        Caso{"all_bits_set_is_option_63", 0, -1, u"< \u00ff\r\n", u"&#60;&nbsp;&#255;<BR>\r"},
        Caso{"empty_text", 0, 63, u"", u""}),
    [](const testing::TestParamInfo<Caso> &info) { return std::string(info.param.nombre); });

INSTANTIATE_TEST_SUITE_P(
    HTMLATexto, Ejemplos,
    testing::Values(
        Caso{"tag_becomes_crlf_with_2", 1, 2, u"A&ntilde;o &lt;1&gt;<BR>x", u"A\u00f1o <1>\r\nx"},
        Caso{"tag_kept_without_2", 1, 0, u"A&ntilde;o &lt;1&gt;<BR>x", u"A\u00f1o <1><BR>x"},
        Caso{"decoded_ampersand_forms_a_new_reference", 1, 0, u"&amp;lt;", u"<"},
        Caso{"decoded_ampersand_then_numeric", 1, 0, u"&amp;#233;", u"\u00e9"},
        Caso{"numeric_ampersand_then_named", 1, 0, u"&#38;eacute;", u"\u00e9"},
        Caso{"decoded_ampersand_then_quot", 1, 0, u"&amp;quot;", u"\""},
        Caso{"amp_is_not_decoded_twice", 1, 0, u"&amp;amp;", u"&amp;"},
        Caso{"numeric_then_named_amp_stays", 1, 0, u"&#38;amp;", u"&amp;"},
        Caso{"named_then_numeric_amp_decodes", 1, 0, u"&amp;#38;", u"&"},
        Caso{"unknown_or_wrong_case_references_stay", 1, 0, u"&LT;&#060;&#x3C;&euro;&#339;",
             u"&LT;&#060;&#x3C;&euro;&#339;"},
        Caso{"nbsp_decoded_with_16", 1, 16, u"a&nbsp;b", u"a b"},
        Caso{"decoded_ampersand_then_nbsp", 1, 16, u"&amp;nbsp;", u" "},
        Caso{"nbsp_kept_without_16", 1, 0, u"a&nbsp;b", u"a&nbsp;b"},
        Caso{"escaped_tag_becomes_break", 1, 2, u"&lt;BR&gt;", u"\r\n"},
        Caso{"lower_case_tag_ignored", 1, 2, u"x<br>y<BR>z", u"x<br>y\r\nz"},
        Caso{"tag_then_crlf_is_one_break", 1, 2, u"x<BR>\r\ny", u"x\r\ny"},
        Caso{"tag_then_reversed_pair_is_one_break", 1, 2, u"x<BR>\n\ry", u"x\r\ny"},
        Caso{"tag_then_cr_is_one_break", 1, 2, u"x<BR>\ry", u"x\r\ny"},
        Caso{"tag_then_lf_keeps_the_lf", 1, 2, u"x<BR>\ny", u"x\r\n\ny"},
        Caso{"only_cr_with_4", 1, 6, u"x<BR>\r\ny", u"x\ry"},
        Caso{"option_4_needs_2", 1, 4, u"x<BR>y", u"x<BR>y"},
        Caso{"break_made_by_a_later_tag_completes_an_earlier_one", 1, 2, u"<BR><BR>\n\r", u"\r\n"},
        Caso{"same_cascade_with_cr_only", 1, 6, u"<BR><BR>\n\r", u"\r"},
        Caso{"escaped_escaped_tag", 1, 2, u"&amp;lt;BR&amp;gt;", u"\r\n"},
        Caso{"tag_closed_by_a_reference", 1, 2, u"<BR&gt;\r\n", u"\r\n"},
        Caso{"reference_without_semicolon_stays", 1, 16, u"&nbsp &amp", u"&nbsp &amp"},
        Caso{"empty_text", 1, 63, u"", u""},
        Caso{"other_modes_return_the_input", 2, 63, u"\u00e9", u"\u00e9"},
        Caso{"negative_mode_returns_the_input", -1, 63, u"&amp;\u00e9", u"&amp;\u00e9"}),
    [](const testing::TestParamInfo<Caso> &info) { return std::string(info.param.nombre); });

// ---- Memory of one call ----------------------------------------------------

struct Memoria {
    const char *nombre;
    int modo;
    int opciones;
    std::u16string pieza;  // repeated to `largo` characters
    std::size_t largo = 60000;
    std::u16string final{};  // if any, repeated from character 70,000 on
    int reservas = 1;        // result allocations allowed
};

void PrintTo(const Memoria &m, std::ostream *os) { *os << m.nombre; }

class UnaReserva : public testing::TestWithParam<Memoria> {};

// At most the allowed result allocations per call, and at any moment input
// plus live result storage below three times input plus output.
TEST_P(UnaReserva, ResultIsAllocatedOnceAndTightly)
{
    const Memoria &m = GetParam();
    // Text to HTML maps each character by itself, so the model of each piece
    // gives the expected text of long inputs quickly.
    const auto modelo = [&m](const std::u16string &t) { return ModeloLiteral::Convierte(t, m.modo, m.opciones); };
    const std::u16string piezaConvertida = modelo(m.pieza), finalConvertido = modelo(m.final);
    std::u16string entrada, esperado;
    while (entrada.size() < m.largo) {
        const bool final = !m.final.empty() && entrada.size() >= 70000;
        entrada += final ? m.final : m.pieza;
        esperado += final ? finalConvertido : piezaConvertida;
    }
    if (m.modo != 0)
        esperado = modelo(entrada);

    Vigilancia::Bloques = 0;
    Vigilancia::Vivos = Vigilancia::Pico = 0;
    Vigilancia::Vigila = true;
    const std::u16string salida = ConvierteTextoHTML(entrada, std::int16_t(m.modo), std::int16_t(m.opciones));
    Vigilancia::Vigila = false;

    EXPECT_TRUE(salida == esperado) << "the result differs from the literal model's";
    EXPECT_LE(Vigilancia::Bloques, m.reservas);
    const std::size_t unidades = Vigilancia::Pico / sizeof(char16_t);
    EXPECT_LT(entrada.size() + unidades, 3 * (entrada.size() + salida.size()));
}

const std::u16string Prosa = u"El ni\u00f1o dijo: \u00bfqu\u00e9 es <b> & \"x\"? Ma\u00f1ana  m\u00e1s.\r\n";

INSTANTIATE_TEST_SUITE_P(
    Conversiones, UnaReserva,
    testing::Values(Memoria{"prose_named", 0, 0, Prosa}, Memoria{"prose_every_option", 0, 58, Prosa},
                    Memoria{"prose_numeric", 0, 59, Prosa}, Memoria{"only_blanks_grow_sixfold", 0, 16, u" "},
                    Memoria{"only_latin1_grows_eightfold", 0, 0, u"\u00b1\u00bc"},
                    Memoria{"only_lf_vanishes", 0, 2, u"\n"}, Memoria{"nothing_to_change", 0, 63, u"abc\u20ac"},
                    Memoria{"unchanged_signs_beside_reserved_ones", 0, 10, u"0123456789=,.;:!()"},
                    Memoria{"unchanged_signs_with_numeric_references", 0, 59, u"0123456789=,.;:!()"},
                    Memoria{"back_to_text", 1, 18, u"El ni&ntilde;o&nbsp;&lt;b&gt;&amp;<BR>\r\n"},
                    Memoria{"back_to_text_unchanged", 1, 18, u"plain text"},
                    Memoria{"other_mode", 2, 63, Prosa},
                    // Long enough for the reserve to be guessed from the start of the text.
                    Memoria{"long_prose_guessed_once", 0, 0, Prosa, 300000},
                    Memoria{"long_prose_every_option", 0, 58, Prosa, 300000},
                    Memoria{"long_plain_then_dense_grows_once", 0, 0, u"abc", 300000, u"\u00b1\u00bc", 2},
                    Memoria{"long_dense_start_then_plain", 0, 0, u"\u00b1", 2000000, u"abc"},
                    Memoria{"long_plain_then_blanks", 0, 16, u"abc", 300000, u" ", 2}),
    [](const testing::TestParamInfo<Memoria> &info) { return std::string(info.param.nombre); });

// ---- Differential test against the literal model --------------------------

// Pieces chosen to provoke every interaction of the replace-alls.
const std::vector<std::u16string> Piezas = {
    u"&amp;", u"&#38;", u"&amp", u"&", u";", u"amp;", u"#38;", u"&#", u"#", u"3", u"8;",
    u"&lt;", u"&gt;", u"&quot;", u"&#60;", u"&#62;", u"&#34;", u"lt;", u"gt;",
    u"&eacute;", u"&#233;", u"&Eacute;", u"&frac14;", u"&plusmn;", u"&sup2;", u"&#255;", u"&#161;", u"&#160;",
    u"&yuml;", u"&iexcl;", u"&LT;", u"&#060;", u"&#x3C;", u"&euro;", u"&nbsp;", u"&nbsp", u"nbsp;",
    u"<BR>", u"<BR", u"BR>", u"BR", u"<", u">", u"B", u"R", u"<br>",
    u"&lt;BR>", u"&lt;BR&gt;", u"<BR&gt;", u"&#60;BR&#62;", u"&amp;lt;BR&amp;gt;", u"<BR>\n\r", u"<BR>\r\n",
    u"\r", u"\n", u"\r\n", u"\n\r", u" ", u"  ", u"a", u"x", u"\"",
    u"\u00e9", u"\u00c1", u"\u00ff", u"\u00a1", u"\u00a0", u"\u0080", u"\u20ac", u"\u00d7",
    std::u16string(1, u'\0'), u"\xD800", u"\xDC00",
    // Above 255 but with the low byte of a character that changes, and the
    // edges where a narrowing to bytes could confuse one code with another.
    u"\u2026", u"\u0120", u"\u010D", u"\u010A", u"\u013C", u"\u01E9", u"\u0100", u"\u7FFF",
    u"\u8000", u"\u8080", u"\u8081", u"\uFFFF", u"\u0001", u"\u00a0\u00a1",
};

std::u16string TextoAleatorio(std::mt19937 &azar)
{
    std::u16string texto;
    const int piezas = std::uniform_int_distribution<int>(0, 24)(azar);
    for (int i = 0; i < piezas; ++i) {
        if (azar() % 8 == 0)
            texto += char16_t(std::uniform_int_distribution<int>(0, 0x2FF)(azar));
        else
            texto += Piezas[azar() % Piezas.size()];
    }
    return texto;
}

// The engine through a buffer of exactly the text's size, so that a read past
// its end lands in a sanitizer's red zone rather than in a string's spare room.
template <typename Unidad>
std::basic_string<Unidad> ConvierteExacto(const std::basic_string<Unidad> &texto, int modo, int opciones)
{
    const std::vector<Unidad> exacto(texto.begin(), texto.end());
    return ConvierteTextoHTML(std::basic_string_view<Unidad>(exacto.data(), exacto.size()), std::int16_t(modo),
                              std::int16_t(opciones));
}

std::string Escapa(const std::u16string &s)
{
    std::string r;
    for (char16_t c : s) {
        if (c >= 0x20 && c < 0x7F)
            r += char(c);
        else
            r += "\\u{" + std::to_string(int(c)) + "}";
    }
    return r;
}

// Long texts: runs of plain letters between pieces, at one of several
// densities, so that fast paths for clean and busy stretches and the seams
// between the engine's blocks are all crossed.
std::u16string TextoLargo(std::mt19937 &azar)
{
    // Mostly a few thousand characters; one in five long enough to cross
    // the seams of the larger blocks too.
    const std::size_t largo = azar() % 5 == 0 ? std::uniform_int_distribution<std::size_t>(4000, 20000)(azar)
                                              : std::uniform_int_distribution<std::size_t>(900, 4200)(azar);
    const int densidad = int(azar() % 4);  // 0: pieces only ... 3: mostly plain runs
    std::u16string texto;
    while (texto.size() < largo) {
        const int corrida = densidad == 0 ? 0 : std::uniform_int_distribution<int>(0, 12 * densidad * densidad)(azar);
        texto.append(std::size_t(corrida), char16_t(u'a' + azar() % 26));
        texto += azar() % 8 == 0 ? std::u16string(1, char16_t(azar() % 0x10000)) : Piezas[azar() % Piezas.size()];
    }
    return texto;
}

// One to three places to cut a text of n units, in order.
std::vector<std::size_t> Cortes(std::mt19937 &azar, std::size_t n)
{
    std::vector<std::size_t> cortes(1 + azar() % 3);
    for (std::size_t &c : cortes)
        c = azar() % (n + 1);
    std::sort(cortes.begin(), cortes.end());
    return cortes;
}

// How many random texts: VELMORA_DIFFERENTIAL_CASES, if set (a slow
// emulator runs fewer), else 300,000. The long texts are a hundredth of that.
int CasosDiferenciales()
{
    const char *entorno = std::getenv("VELMORA_DIFFERENTIAL_CASES");
    return entorno ? std::max(100, std::atoi(entorno)) : 300000;
}

TEST(Diferencial, EngineMatchesTheLiteralModelOnRandomTexts)
{
    const char *semillaEntorno = std::getenv("VELMORA_SEED");
    const std::uint32_t semilla = semillaEntorno ? std::uint32_t(std::strtoul(semillaEntorno, nullptr, 10)) : 20261208u;
    const int casos = CasosDiferenciales();
    const int opcionesAltas[] = {64, 128, 0x4000, -32768, -1, 0x7FC0};

    std::mt19937 azar(semilla);
    for (int i = 0; i < casos; ++i) {
        const std::u16string texto = TextoAleatorio(azar);
        const int modo = int(azar() % 4) - 1;
        int opciones = int(azar() % 64);
        if (azar() % 8 == 0)
            opciones |= opcionesAltas[azar() % std::size(opcionesAltas)];
        const std::u16string esperado = ModeloLiteral::Convierte(texto, modo, opciones);
        const std::u16string obtenido = ConvierteExacto(texto, modo, opciones);
        ASSERT_EQ(Escapa(obtenido), Escapa(esperado))
            << "seed " << semilla << ", case " << i << ", mode " << modo << ", options " << opciones
            << ", input \"" << Escapa(texto) << "\" (rerun with VELMORA_SEED=" << semilla << ")";
        ASSERT_EQ(ConvierteExacto(Utf8(texto), modo, opciones), Utf8(esperado))
            << "UTF-8, seed " << semilla << ", case " << i << ", mode " << modo << ", options " << opciones
            << ", input \"" << Escapa(texto) << "\"";
        // And as a stream, cut in one to three random places of each form.
        const std::vector<std::size_t> cortes = Cortes(azar, texto.size()), cortes8 = Cortes(azar, Utf8(texto).size());
        ASSERT_EQ(Escapa(EnTrozos(texto, modo, opciones, cortes)), Escapa(esperado)) << "stream, case " << i;
        ASSERT_EQ(EnTrozos(Utf8(texto), modo, opciones, cortes8), Utf8(esperado)) << "UTF-8 stream, case " << i;
    }
}

TEST(Diferencial, EngineMatchesTheLiteralModelOnLongTexts)
{
    const char *semillaEntorno = std::getenv("VELMORA_SEED");
    const std::uint32_t semilla = semillaEntorno ? std::uint32_t(std::strtoul(semillaEntorno, nullptr, 10)) : 20261208u;
    std::mt19937 azar(semilla ^ 0x5EEDu);
    for (int i = 0; i < CasosDiferenciales() / 100; ++i) {
        const std::u16string texto = TextoLargo(azar);
        const int modo = int(azar() % 2);
        const int opciones = int(azar() % 64);
        const std::u16string esperado = ModeloLiteral::Convierte(texto, modo, opciones);
        const std::u16string obtenido = ConvierteExacto(texto, modo, opciones);
        ASSERT_EQ(Escapa(obtenido), Escapa(esperado))
            << "seed " << semilla << ", long case " << i << ", mode " << modo << ", options " << opciones;
        ASSERT_TRUE(ConvierteExacto(Utf8(texto), modo, opciones) == Utf8(esperado))
            << "UTF-8, seed " << semilla << ", long case " << i << ", mode " << modo << ", options " << opciones;
        ASSERT_TRUE(EnTrozos(Utf8(texto), modo, opciones, Cortes(azar, Utf8(texto).size())) == Utf8(esperado))
            << "UTF-8 stream, seed " << semilla << ", long case " << i;
    }
}

}  // namespace
