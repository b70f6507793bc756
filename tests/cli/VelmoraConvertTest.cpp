// velmora-convert run as a process on files in a private folder, plus its
// piecewise conversion and encoder driven directly.

#include "ConversionesTextoHTML.h"
#include "ConversorPorTrozos.h"
#include "ModeloLiteral.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace VelmoraConvert;
using namespace std::string_literals;
using Args = std::vector<std::string>;

// The tests run inside a fresh folder, removed at the end.
const fs::path &Carpeta()
{
    static const fs::path carpeta = [] {
        std::string plantilla = (fs::temp_directory_path() / "velmora-convert-test-XXXXXX").string();
        if (::mkdtemp(plantilla.data()) == nullptr)
            throw std::runtime_error("no temporary folder");
        fs::current_path(plantilla);
        return fs::path(plantilla);
    }();
    return carpeta;
}

struct Limpieza : testing::Environment {
    void SetUp() override { Carpeta(); }
    void TearDown() override { fs::remove_all(Carpeta()); }
};
const auto *const limpieza = testing::AddGlobalTestEnvironment(new Limpieza);

std::string Lee(const fs::path &ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void Escribe(const fs::path &ruta, std::string_view bytes) { std::ofstream(ruta, std::ios::binary) << bytes; }

struct Resultado {
    int Estado;
    std::string Salida, Errores;
};

Resultado Ejecuta(const Args &args, std::string_view entrada = {}, const std::string &salida = "stdout")
{
    Escribe("stdin", entrada);
    std::string orden = "'" VELMORA_CONVERT "'";
    for (const std::string &a : args)
        orden += " '" + a + "'";
    const int estado = std::system((orden + " < stdin > " + salida + " 2> stderr").c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, salida == "stdout" ? Lee("stdout") : "", Lee("stderr")};
}

// Text whose units are all below 256, in an encoding.
std::string EnBytes(std::u16string_view texto, const std::string &juego = "latin1")
{
    std::string r;
    for (const char16_t c : texto) {
        if (juego == "utf-8" && c >= 0x80)
            r += {char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
        else
            r += juego == "utf-16le" ? std::string{char(c), '\0'} : std::string(1, char(c));
    }
    return r;
}

std::string Convertido(std::u16string_view texto, int modo, int opciones, const std::string &juego = "latin1")
{
    return EnBytes(ConversionesTextoHTML::ConvierteTextoHTML(texto, std::int16_t(modo), std::int16_t(opciones)), juego);
}

// Every table row has a name, which the test's name repeats.
template <typename Fila>
    requires requires(Fila f) { f.Nombre; }
void PrintTo(const Fila &fila, std::ostream *os) { *os << fila.Nombre; }
constexpr auto PorNombre = [](const auto &info) { return std::string(info.param.Nombre); };

struct Opciones {
    const char *Nombre;
    Args Argumentos;
    int Modo, Palabra;
};
class ConOpciones : public testing::TestWithParam<Opciones> {};

TEST_P(ConOpciones, GiveWhatTheEngineGivesForTheSameWord)
{
    std::u16string muestra = u"&amp;lt; &#38;eacute; &eacute;&#233; &nbsp;a  b<BR>\r\nx<BR>y&lt;BR&gt;<BR>\r\n";
    for (char16_t c = 1; c < 256; ++c)
        muestra += c == '\r' || c == '\n' ? u'-' : c;
    Escribe("in.txt", EnBytes(muestra));
    Args args = GetParam().Argumentos;
    args.insert(args.end(), {"--encoding", "latin1", "in.txt"});
    const Resultado r = Ejecuta(args);
    EXPECT_EQ(r.Estado, 0) << r.Errores;
    EXPECT_EQ(r.Salida, Convertido(muestra, GetParam().Modo, GetParam().Palabra));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ConOpciones,
    testing::Values(Opciones{"default_is_to_html_with_br_newline", {}, 0, 32},
                    Opciones{"numeric", {"--numeric"}, 0, 33}, Opciones{"line_breaks", {"--line-breaks"}, 0, 34},
                    Opciones{"cr_only", {"--line-breaks", "--cr-only"}, 0, 38},
                    Opciones{"reserved", {"--reserved"}, 0, 40}, Opciones{"spaces", {"--spaces"}, 0, 48},
                    Opciones{"no_br_newline", {"--line-breaks", "--no-br-newline"}, 0, 2},
                    Opciones{"option_word_replaces_the_default", {"--options", "11"}, 0, 11},
                    Opciones{"option_word_with_equals", {"--options=63"}, 0, 63},
                    Opciones{"named_option_after_the_word_adds_to_it", {"--options", "8", "--spaces"}, 0, 24},
                    Opciones{"last_direction_wins", {"--to-text", "--to-html", "--reserved"}, 0, 40},
                    Opciones{"to_text", {"--to-text"}, 1, 32},
                    Opciones{"to_text_line_breaks", {"--to-text", "--line-breaks"}, 1, 34},
                    Opciones{"to_text_cr_only", {"--to-text", "--options", "6"}, 1, 6},
                    Opciones{"to_text_spaces", {"--to-text", "--spaces"}, 1, 48}),
    PorNombre);

struct Caso {
    const char *Nombre;
    Args Argumentos;
    std::string Entrada, Esperado;
};
class Casos : public testing::TestWithParam<Caso> {};

TEST_P(Casos, StandardInputGivesTheExpectedBytes)
{
    const Resultado r = Ejecuta(GetParam().Argumentos, GetParam().Entrada);
    EXPECT_EQ(r.Estado, 0) << r.Errores;
    EXPECT_EQ(r.Salida, GetParam().Esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Saltos, Casos,
    testing::Values(Caso{"lf_reaches_the_engine_as_cr_lf", {}, "a\nb", "a\r\nb"},
                    Caso{"lone_cr_becomes_cr_lf", {}, "a\rb", "a\r\nb"},
                    Caso{"lf_cr_is_two_breaks", {}, "a\n\rb", "a\r\n\r\nb"},
                    Caso{"every_kind_of_break_gets_a_tag", {"--line-breaks"}, "a\nb\rc\r\nd", "a<BR>\r\nb<BR>\r\nc<BR>\r\nd"},
                    Caso{"exact_lone_lf_is_removed", {"--exact", "--line-breaks"}, "a\nb\r\n", "ab<BR>\r\n"},
                    Caso{"lf_output", {"--lf", "--line-breaks"}, "a\r\nb\n", "a<BR>\nb<BR>\n"},
                    Caso{"lf_output_keeps_lone_cr", {"--lf", "--line-breaks", "--cr-only"}, "a\nb", "a<BR>\rb"},
                    Caso{"lf_output_keeps_final_cr", {"--lf", "--exact"}, "a\r", "a\r"},
                    Caso{"to_text_lf_output", {"--to-text", "--line-breaks", "--lf"}, "x<BR>y<BR>\r\nz", "x\ny\nz"},
                    Caso{"to_text_exact_keeps_lf", {"--to-text", "--exact"}, "a\nb", "a\nb"}),
    PorNombre);

INSTANTIATE_TEST_SUITE_P(
    Codificaciones, Casos,
    testing::Values(
        Caso{"utf8_by_default", {}, "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80", "&eacute;\xe2\x82\xac\xf0\x9f\x98\x80"},
        Caso{"utf8_to_text", {"--to-text"}, "&eacute;&#255;", "\xc3\xa9\xc3\xbf"},
        Caso{"windows1252", {"--encoding", "windows-1252"}, "\xe9\x80\x9f\xa0", "&eacute;\x80\x9f\xa0"},
        Caso{"windows1252_to_text", {"--encoding=windows-1252", "--to-text"}, "&eacute;\x80", "\xe9\x80"},
        Caso{"latin1_keeps_c1_controls", {"--encoding", "latin1"}, "\xe9\x80\x9d", "&eacute;\x80\x9d"},
        Caso{"latin1_to_text", {"--encoding", "latin1", "--to-text"}, "&yuml;", "\xff"},
        Caso{"utf16le_keeps_bom_and_lone_surrogate", {"--encoding", "utf-16le"}, "\xff\xfe\xe9\x00\x00\xd8"s,
             "\xff\xfe"s + EnBytes(u"&eacute;", "utf-16le") + "\x00\xd8"s},
        Caso{"utf16le_to_text", {"--encoding", "utf-16le", "--to-text"}, EnBytes(u"&eacute;", "utf-16le"), "\xe9\x00"s}),
    PorNombre);

struct Invalida {
    const char *Nombre, *Juego;
    std::string Bytes, Mensaje;
};
class Invalidas : public testing::TestWithParam<Invalida> {};

TEST_P(Invalidas, FailWithStatus2NamingFileAndOffsetAndWriteNothing)
{
    const Invalida &c = GetParam();
    Escribe("ok.txt", "okok");  // even, for UTF-16LE too
    Escribe("bad.txt", c.Bytes);
    const Resultado r = Ejecuta({"--encoding", c.Juego, "ok.txt", "bad.txt"});
    EXPECT_EQ(r.Estado, 2);
    EXPECT_EQ(r.Salida, "");
    EXPECT_EQ(r.Errores, "velmora-convert: bad.txt: " + c.Mensaje + "\n");

    Escribe("out.txt", "before");
    EXPECT_EQ(Ejecuta({"--encoding", c.Juego, "ok.txt", "bad.txt", "-o", "out.txt"}).Estado, 2);
    EXPECT_EQ(Lee("out.txt"), "before");
    for (const auto &archivo : fs::directory_iterator("."))
        EXPECT_FALSE(archivo.path().filename().string().starts_with(".out.txt")) << "temporary file left";
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Invalidas,
    testing::Values(
        Invalida{"utf8_overlong_two_bytes", "utf-8", "ab\xc0\xaf", "invalid UTF-8 at byte offset 2"},
        Invalida{"utf8_overlong_three_bytes", "utf-8", "\xe0\x80\xaf", "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_overlong_four_bytes", "utf-8", "x\xf0\x80\x80\xaf", "invalid UTF-8 at byte offset 1"},
        Invalida{"utf8_encoded_surrogate", "utf-8", "\xed\xa0\x80", "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_above_u10ffff", "utf-8", "\xf4\x90\x80\x80", "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_stray_continuation", "utf-8", "abc\x80", "invalid UTF-8 at byte offset 3"},
        Invalida{"utf8_missing_continuation", "utf-8", "\xc3\x41", "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_never_valid_byte", "utf-8", "\xff", "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_offset_past_first_read", "utf-8", std::string(300000, 'a') + "\xfe",
                 "invalid UTF-8 at byte offset 300000"},
        Invalida{"utf8_cut_short_at_end", "utf-8", "ab\xe2\x82", "incomplete UTF-8 sequence at byte offset 2"},
        Invalida{"windows1252_0x81", "windows-1252", "a\x81", "byte 0x81 is undefined in windows-1252 at byte offset 1"},
        Invalida{"windows1252_0x8d", "windows-1252", "\x8d", "byte 0x8D is undefined in windows-1252 at byte offset 0"},
        Invalida{"windows1252_0x8f", "windows-1252", "\x8f", "byte 0x8F is undefined in windows-1252 at byte offset 0"},
        Invalida{"windows1252_0x90", "windows-1252", "\x90", "byte 0x90 is undefined in windows-1252 at byte offset 0"},
        Invalida{"windows1252_0x9d", "windows-1252", "\x9d", "byte 0x9D is undefined in windows-1252 at byte offset 0"},
        Invalida{"utf16le_odd_length", "utf-16le", "a\0b"s,
                 "odd number of bytes in UTF-16LE input, last byte at byte offset 2"}),
    PorNombre);

// The engine makes no such character from valid input, so only the encoder itself can show it.
TEST(Codificador, NamesACharacterTheEncodingCannotHoldAndItsOutputOffset)
{
    const std::tuple<Codificacion, char16_t, std::string> filas[] = {
        {Codificacion::Latin1, u'\u20ac', "U+20AC cannot be written in latin1"},
        {Codificacion::Windows1252, u'\u0081', "U+0081 cannot be written in windows-1252"},
        {Codificacion::Utf8, u'\xdc00', "U+DC00 cannot be written in utf-8"}};
    for (const auto &[juego, caracter, mensaje] : filas) {
        Codificador codificador(juego);
        char bytes[16];
        codificador.Codifica(u"ab", bytes);
        try {
            codificador.Codifica(std::u16string{u'c', caracter}, bytes);
            ADD_FAILURE() << mensaje;
        } catch (const EntradaInvalida &e) {
            EXPECT_EQ(e.what(), "character " + mensaje + ", output at byte offset 3");
        }
    }
}

TEST(Archivos, InputsAreConvertedInOrderStandardInputForDash)
{
    Escribe("a.txt", "\xc3\xa9");
    EXPECT_EQ(Ejecuta({"--reserved", "a.txt", "-", "a.txt"}, "<&").Salida, "&eacute;&lt;&amp;&eacute;");
    EXPECT_EQ(Ejecuta({"--reserved"}, "<").Salida, "&lt;");
}

TEST(Archivos, OutputReplacesTheFileKeepingItsPermissions)
{
    const auto permisos = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    Escribe("out.txt", "old content");
    fs::permissions("out.txt", permisos);
    const Resultado r = Ejecuta({"-o", "out.txt", "--spaces"}, "a b");
    EXPECT_EQ(r.Estado, 0) << r.Errores;
    EXPECT_EQ(r.Salida, "");
    EXPECT_EQ(Lee("out.txt"), "a&nbsp;b");
    EXPECT_EQ(fs::status("out.txt").permissions() & fs::perms::all, permisos);
}

TEST(Archivos, IoErrorsFailWithStatus1NamingTheFile)
{
    Escribe("out.txt", "before");
    Resultado r = Ejecuta({"missing.txt", "-o", "out.txt"});
    EXPECT_EQ(r.Estado, 1);
    EXPECT_TRUE(r.Errores.starts_with("velmora-convert: missing.txt: ")) << r.Errores;
    EXPECT_EQ(Lee("out.txt"), "before");
    r = Ejecuta({"-o", "no/such/folder/out.txt"}, "x");
    EXPECT_EQ(r.Estado, 1);
    EXPECT_TRUE(r.Errores.starts_with("velmora-convert: no/such/folder/out.txt: ")) << r.Errores;
    if (fs::exists("/dev/full")) {
        r = Ejecuta({}, "x", "/dev/full");
        EXPECT_EQ(r.Estado, 1);
        EXPECT_TRUE(r.Errores.starts_with("velmora-convert: (standard output): ")) << r.Errores;
    }
}

struct Uso {
    const char *Nombre;
    Args Argumentos;
    int Estado;
    std::string Primera;  // first line of the output (0) or of the error (2)
};
class Usos : public testing::TestWithParam<Uso> {};

TEST_P(Usos, ExitStatusAndMessages)
{
    const Resultado r = Ejecuta(GetParam().Argumentos);
    EXPECT_EQ(r.Estado, GetParam().Estado);
    const std::string &texto = r.Estado == 0 ? r.Salida : r.Errores;
    EXPECT_EQ(texto.substr(0, texto.find('\n')), GetParam().Primera);
    if (r.Estado != 0) {
        EXPECT_EQ(r.Salida, "");
        EXPECT_NE(r.Errores.find("\nUsage: velmora-convert"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Usos,
    testing::Values(Uso{"help", {"--help"}, 0, "Usage: velmora-convert [OPTION]... [FILE]..."},
                    Uso{"version", {"--version"}, 0, "velmora-convert " VELMORA_VERSION},
                    Uso{"unknown_option", {"--frobnicate"}, 2, "velmora-convert: unknown option '--frobnicate'"},
                    Uso{"option_word_too_big", {"--options", "64"}, 2,
                        "velmora-convert: --options takes a number from 0 to 63, not '64'"},
                    Uso{"unknown_encoding", {"--encoding", "ebcdic"}, 2, "velmora-convert: unknown encoding 'ebcdic'"},
                    Uso{"output_without_name", {"-o"}, 2, "velmora-convert: option '-o' needs a value"}),
    PorNombre);

// Latin-1 text in which '&' never starts anything a reference could grow from.
std::u16string TextoLatin1(std::size_t largo, unsigned semilla)
{
    std::mt19937 azar(semilla);
    std::u16string texto;
    while (texto.size() < largo) {
        const char16_t c = char16_t(1 + azar() % 255);
        if (texto.empty() || texto.back() != u'&' || !(c == u'#' || (c < 128 && std::isalnum(c))))
            texto += c;
    }
    return texto;
}

// Names the first differing byte instead of printing two large texts.
testing::AssertionResult Iguales(const std::string &a, const std::string &b)
{
    if (a == b)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "sizes " << a.size() << " and " << b.size() << ", first difference at "
                                       << (std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

struct Vuelta {
    const char *Nombre, *Juego, *Palabra;
};
class Vueltas : public testing::TestWithParam<Vuelta> {};

// Large enough to take several reads and several conversions.
TEST_P(Vueltas, ToHtmlThenBackGivesTheInput)
{
    const Vuelta &v = GetParam();
    const std::u16string texto = TextoLatin1(200000, 7);
    Escribe("in.txt", EnBytes(texto, v.Juego));
    ASSERT_EQ(Ejecuta({"--exact", "--encoding", v.Juego, "--options", v.Palabra, "in.txt", "-o", "h.txt"}).Estado, 0);
    EXPECT_TRUE(Iguales(Lee("h.txt"), Convertido(texto, 0, std::stoi(v.Palabra), v.Juego)));
    const Resultado vuelta = Ejecuta({"--exact", "--encoding", v.Juego, "--options", v.Palabra, "--to-text", "h.txt"});
    EXPECT_TRUE(Iguales(vuelta.Salida, EnBytes(texto, v.Juego)));
}

INSTANTIATE_TEST_SUITE_P(Cli, Vueltas,
                         testing::Values(Vuelta{"latin1_named", "latin1", "8"}, Vuelta{"latin1_numeric", "latin1", "9"},
                                         Vuelta{"utf8_named_spaces", "utf-8", "24"},
                                         Vuelta{"utf8_numeric_spaces", "utf-8", "25"},
                                         Vuelta{"utf16le_named", "utf-16le", "8"}),
                         PorNombre);

std::string Utf8(std::u16string_view texto)
{
    std::string bytes(3 * texto.size(), '\0');
    bytes.resize(std::size_t(Codificador(Codificacion::Utf8).Codifica(texto, bytes.data()) - bytes.data()));
    return bytes;
}

std::string PorTrozos(const std::u16string &texto, const Ajustes &ajustes, std::size_t trozo, std::size_t pedazo)
{
    const std::string bytes = Utf8(texto);
    std::string salida;
    ConversorPorTrozos conversor(ajustes, [&](std::string_view b) { salida += b; }, trozo);
    for (std::size_t i = 0; i < bytes.size(); i += pedazo)
        conversor.Anade(std::string_view(bytes).substr(i, pedazo));
    conversor.Termina();
    return salida;
}

// Pieces of the patterns, cascades, breaks, blanks, a surrogate pair.
std::u16string TextoEnganoso(std::mt19937 &azar)
{
    static const std::u16string_view Trozos[] = {u"&",   u"amp;", u"lt;", u"#38;", u"eacute;", u"nbsp;", u"<BR>",
                                                  u"<",   u"BR",   u">",   u"&gt;", u"\r",      u"\n",    u" ",
                                                  u"\xe9", u"\U0001F600", u"x", u"#233;", u";"};
    std::u16string texto;
    for (std::size_t n = azar() % 24; n > 0; --n)
        texto += Trozos[azar() % std::size(Trozos)];
    return texto;
}

class Trozos : public testing::TestWithParam<std::size_t> {};

// Pieces of one to three bytes, conversions every few units.
TEST_P(Trozos, TinyPiecesGiveTheWholeConversionAndTheLiteralModel)
{
    std::mt19937 azar(11);
    std::vector<std::u16string> textos{u"&amp;lt;", u"&amp;amp;lt;x", u"&#38;eacute; &amp;#233;", u"x<BR>\n\ry<BR>\rz",
                                       u"&lt;BR&gt;\r\n<BR><BR>\r\n", u"&amp;nbsp; &nbsp;a", u"a\r"};
    for (int i = 0; i < 250; ++i)
        textos.push_back(TextoEnganoso(azar));
    for (const std::u16string &texto : textos) {
        for (const std::int16_t modo : {0, 1}) {
            for (const std::int16_t opciones : {0, 2, 6, 16, 34, 63}) {
                for (const bool exacto : {true, false}) {
                    const Ajustes a{modo, opciones, Codificacion::Utf8, exacto, !exacto};
                    const std::string entero = PorTrozos(texto, a, std::size_t(-1), std::size_t(-1));
                    ASSERT_EQ(PorTrozos(texto, a, GetParam(), 1 + texto.size() % 3), entero);
                    if (exacto) {
                        ASSERT_EQ(entero, Utf8(ModeloLiteral::Convierte(texto, modo, opciones)));
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, Trozos, testing::Values(1, 2, 3, 7));

}  // namespace
