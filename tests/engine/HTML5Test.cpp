// SPDX-License-Identifier: GPL-3.0-or-later
// The --html5 conversions: cases the differential test against Python would
// hide in its noise, any cut of the input, both unit types, and the round trip.

#include "ConversionesHTML5.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using namespace ConversionesTextoHTML;

// UTF-8 as the text boxes write it: a lone surrogate takes three bytes too.
std::string Utf8(std::u16string_view t)
{
    std::string r;
    for (std::size_t i = 0; i < t.size(); ++i) {
        char32_t c = t[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < t.size() && t[i + 1] >= 0xDC00 && t[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (t[++i] - 0xDC00);
        const int n = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        const unsigned primero[] = {0, 0, 0xC0, 0xE0, 0xF0};
        r += char(n == 1 ? c : primero[n] | (c >> (6 * (n - 1))));
        for (int k = n - 2; k >= 0; --k)
            r += char(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return r;
}

struct Caso {
    const char *Nombre;
    int Opciones;
    std::u16string Entrada, Esperado;
    char32_t Imposible = 0;
};
void PrintTo(const Caso &c, std::ostream *os) { *os << c.Nombre; }
constexpr auto PorNombre = [](const auto &info) { return std::string(info.param.Nombre); };

class ATexto : public testing::TestWithParam<Caso> {};

TEST_P(ATexto, BothUnitTypesGiveTheStandardsText)
{
    const Caso &c = GetParam();
    EXPECT_EQ(DecodificaHTML5<char16_t>(c.Entrada, c.Opciones), c.Esperado);
    EXPECT_TRUE(DecodificaHTML5<char>(Utf8(c.Entrada), c.Opciones) == Utf8(c.Esperado));
}

INSTANTIATE_TEST_SUITE_P(
    HTML5, ATexto,
    testing::Values(Caso{"legacy_prefix_of_a_longer_run", 0, u"&notit; &ampx &lt3", u"\u00acit; &x <3"},
                    Caso{"longest_name_and_two_code_points", 0, u"&CounterClockwiseContourIntegral;&nGt;",
                         u"\u2233\u226B\u20D2"},
                    Caso{"run_longer_than_any_name", 0, u"&ampxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx;",
                         u"&xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx;"},
                    Caso{"nbsp_is_u00a0_without_spaces", 0, u"&nbsp;&nbsp", u"\u00a0\u00a0"},
                    Caso{"spaces_take_only_the_written_nbsp", 16, u"&nbsp;&nbsp&amp;nbsp;&#160;",
                         u" \u00a0&nbsp;\u00a0"},
                    Caso{"tag_takes_the_break_after_it", 2, u"a<BR>\r\nb<BR>\n\rc<BR>\rd<BR>\ne",
                         u"a\r\nb\r\nc\r\nd\r\n\ne"},
                    Caso{"each_tag_one_break", 2, u"<BR><BR>\n\r", u"\r\n\r\n"},
                    Caso{"decoded_tag_stays_text", 2, u"&lt;BR&gt;<br>", u"<BR><br>"},
                    Caso{"cr_only", 6, u"x<BR>\r\ny<BR>", u"x\ry\r"},
                    Caso{"lone_surrogates_pass", 0, u"\xD800&amp;\xDC00", u"\xD800&\xDC00"}),
    PorNombre);

class AHTML : public testing::TestWithParam<Caso> {};

TEST_P(AHTML, BothUnitTypesGiveTheAsciiTextOrStopAtTheImpossibleCharacter)
{
    const Caso &c = GetParam();
    char32_t imposible = 1;
    EXPECT_EQ(CodificaASCII<char16_t>(c.Entrada, c.Opciones, &imposible), c.Esperado);
    EXPECT_EQ(imposible, c.Imposible);
    EXPECT_TRUE(CodificaASCII<char>(Utf8(c.Entrada), c.Opciones, &imposible) == Utf8(c.Esperado));
    EXPECT_EQ(imposible, c.Imposible);
}

INSTANTIATE_TEST_SUITE_P(
    HTML5, AHTML,
    testing::Values(Caso{"reserved_always", 0, u"a<b & \"c\">", u"a&lt;b &amp; &quot;c&quot;&gt;"},
                    Caso{"latin1_follows_the_options", 17, u"\u00e9 \u00a0\u20ac\U0001F600",
                         u"&#233;&nbsp;&#160;&#8364;&#128512;"},
                    Caso{"line_breaks_follow_the_options", 38, u"\u00ff\r\n", u"&yuml;<BR>\r"},
                    Caso{"c1_control_refused", 0, u"ab\u0085c", u"ab", 0x85},
                    Caso{"lone_surrogate_refused", 0, u"\u00e9\xDBFFx", u"&eacute;", 0xDBFF},
                    Caso{"surrogate_cut_by_the_end_refused", 0, u"x\xD800", u"x", 0xD800}),
    PorNombre);

// Pieces of references, tags and characters that a cut can split.
std::u16string TextoAlAzar(std::mt19937 &azar)
{
    static const std::u16string_view Piezas[] = {
        u"&", u"#", u"x", u";", u"amp", u"lt", u"not", u"in", u"&nbsp;", u"&#128", u"&#x1F600", u"0000000000",
        u"<BR>", u"<", u"B", u"R>", u"\r", u"\n", u" ", u"\u00e9", u"\u20ac", u"\U0001F600", u"\u0085",
        u"&CounterClockwiseContourIntegral"};
    std::u16string t;
    for (std::size_t n = azar() % 60; n > 0; --n)
        t += Piezas[azar() % std::size(Piezas)];
    return t;
}

// Converts in random pieces, 0 to 40 units each, with a fresh converter.
template <typename Conversor, typename Unidad>
std::basic_string<Unidad> PorPiezas(std::basic_string_view<Unidad> t, int opciones, std::mt19937 &azar)
{
    Conversor conversor(opciones);
    std::basic_string<Unidad> r(Conversor::Cota(t.size()), Unidad());
    Unidad *w = r.data();
    for (std::size_t i = 0, n = 0; i <= t.size(); i += n) {
        n = std::min<std::size_t>(azar() % 41, t.size() - i);
        const auto escrito = conversor.Convierte(t.substr(i, n), w, i + n == t.size());
        if constexpr (requires { escrito.Fin; })
            w = escrito.Fin;
        else
            w = escrito;
        if (i + n == t.size())
            break;
    }
    r.resize(std::size_t(w - r.data()));
    return r;
}

TEST(HTML5, AnyCutGivesTheWholeTextsResult)
{
    std::mt19937 azar(20);
    for (int i = 0; i < 3000; ++i) {
        const std::u16string t = TextoAlAzar(azar);
        const int opciones = int(azar() % 64);
        const std::u16string entero = DecodificaHTML5<char16_t>(t, opciones);
        ASSERT_EQ((PorPiezas<DecodificadorHTML5<char16_t>, char16_t>(t, opciones, azar)), entero) << i;
        ASSERT_TRUE((PorPiezas<DecodificadorHTML5<char>, char>(Utf8(t), opciones, azar)) == Utf8(entero)) << i;
    }
}

// Random Unicode text to HTML in random pieces, then back: pure ASCII, and the text again.
TEST(HTML5, RoundTripOfRandomTextThroughPureAscii)
{
    std::mt19937 azar(5);
    for (int i = 0; i < 3000; ++i) {
        const int opciones = std::array{0, 1, 2, 6, 9, 16, 17, 34, 38, 63}[std::size_t(i % 10)];
        const bool soloCR = (opciones & 6) == 6;
        std::u16string t;
        for (std::size_t n = azar() % 50; n > 0; --n) {
            const auto entre = [&](std::uint32_t desde, std::uint32_t n) { return char32_t(desde + azar() % n); };
            const char32_t c = std::array{entre(0, 0x80), entre(0xA0, 0x60), entre(0, 0xD800), entre(0xE000, 0x2000),
                                          entre(0x10000, 0x100000), char32_t(u'&')}[azar() % 6];
            if (c == u'\r' || c == u'\n' || (c >= 0x80 && c < 0xA0))
                t += soloCR ? u"\r" : u"\r\n";
            else if (c >= 0x10000)
                t += {char16_t(0xD800 + ((c - 0x10000) >> 10)), char16_t(0xDC00 + (c & 0x3FF))};
            else
                t += char16_t(c);
        }
        char32_t imposible = 0;
        const std::u16string html = PorPiezas<CodificadorASCII<char16_t>, char16_t>(t, opciones, azar);
        ASSERT_EQ(CodificaASCII<char16_t>(t, opciones, &imposible), html);
        ASSERT_EQ(imposible, 0u);
        ASSERT_TRUE((PorPiezas<CodificadorASCII<char>, char>(Utf8(t), opciones, azar)) == Utf8(html));
        ASSERT_TRUE(std::all_of(html.begin(), html.end(), [](char16_t c) { return c < 0x80; })) << i;
        ASSERT_EQ(DecodificaHTML5<char16_t>(html, opciones), t) << i;
    }
}

}  // namespace
