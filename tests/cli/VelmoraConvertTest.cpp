// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-convert run as a process on files in a private folder, plus its
// piecewise conversion and encoder driven directly.

#include "ConversionesTextoHTML.h"
#include "ConversorPorTrozos.h"
#include "ModeloLiteral.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

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
                    Caso{"cr_cr_keeps_the_blank_line", {}, "a\r\rb", "a\r\n\r\nb"},
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
        Caso{"utf8_shortest_forms_at_their_lower_edges", {}, "\xc2\x80\xe0\xa0\x80\xf0\x90\x80\x80",
             "\xc2\x80\xe0\xa0\x80\xf0\x90\x80\x80"},
        Caso{"utf8_to_text", {"--to-text"}, "&eacute;&#255;", "\xc3\xa9\xc3\xbf"},
        Caso{"windows1252", {"--encoding", "windows-1252"}, "\xe9\x80\x9f\xa0", "&eacute;\x80\x9f\xa0"},
        Caso{"windows1252_to_text", {"--encoding=windows-1252", "--to-text"}, "&eacute;\x80", "\xe9\x80"},
        Caso{"latin1_keeps_c1_controls", {"--encoding", "latin1"}, "\xe9\x80\x9d", "&eacute;\x80\x9d"},
        Caso{"latin1_to_text", {"--encoding", "latin1", "--to-text"}, "&yuml;", "\xff"},
        Caso{"utf16le_keeps_bom_and_lone_surrogate", {"--encoding", "utf-16le"}, "\xff\xfe\xe9\x00\x00\xd8"s,
             "\xff\xfe"s + EnBytes(u"&eacute;", "utf-16le") + "\x00\xd8"s},
        Caso{"utf16le_to_text", {"--encoding", "utf-16le", "--to-text"}, EnBytes(u"&eacute;", "utf-16le"), "\xe9\x00"s},
        Caso{"html5_to_text_in_one_pass", {"--to-text", "--html5"}, "&amp;lt;&rsquo;&#128;", "&lt;\xe2\x80\x99\xe2\x82\xac"},
        Caso{"html5_to_html_in_ascii", {"--html5", "--encoding", "utf-16le"}, "\xe9\0&\0\x19\x20"s,
             EnBytes(u"&eacute;&amp;&#8217;", "utf-16le")}),
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

    const Resultado entrada = Ejecuta({"--encoding", c.Juego, "ok.txt", "-"}, c.Bytes);
    EXPECT_EQ(entrada.Estado, 2);
    EXPECT_EQ(entrada.Salida.size(), 0u) << "invalid standard input reached standard output";
    EXPECT_EQ(entrada.Errores, "velmora-convert: (standard input): " + c.Mensaje + "\n");

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
        Invalida{"utf8_overlong_two_bytes_at_the_upper_edge", "utf-8", "\xc1\xbf", "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_overlong_three_bytes_at_the_upper_edge", "utf-8", "a\xe0\x9f\xbf",
                 "invalid UTF-8 at byte offset 1"},
        Invalida{"utf8_overlong_four_bytes_at_the_upper_edge", "utf-8", "\xf0\x8f\xbf\xbf",
                 "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_encoded_surrogate", "utf-8", "\xed\xa0\x80", "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_above_u10ffff", "utf-8", "\xf4\x90\x80\x80", "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_stray_continuation", "utf-8", "abc\x80", "invalid UTF-8 at byte offset 3"},
        Invalida{"utf8_missing_continuation", "utf-8", "\xc3\x41", "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_never_valid_byte", "utf-8", "\xff", "invalid UTF-8 at byte offset 0"},
        Invalida{"utf8_offset_past_first_read", "utf-8", std::string(300000, 'a') + "\xfe",
                 "invalid UTF-8 at byte offset 300000"},
        Invalida{"utf8_after_several_converted_pieces", "utf-8", std::string(1 << 20, 'x') + "\xc0\x80",
                 "invalid UTF-8 at byte offset 1048576"},
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
        Codificaciones::Codificador codificador(juego, Codificaciones::Politica::Estricta);
        char bytes[16];
        codificador.Codifica(u"ab", bytes);
        try {
            codificador.Codifica(std::u16string{u'c', caracter}, bytes);
            ADD_FAILURE() << mensaje;
        } catch (const Codificaciones::FalloDeCodificacion &fallo) {
            EXPECT_STREQ(Mensaje(fallo, juego).what(), ("character " + mensaje + ", output at byte offset 3").c_str());
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

enum class Quien { Cualquiera, SinPrivilegios, Root };

// A scene in a shell: the script runs in a folder of its own, with $VC the
// tool, and what it prints is compared. Rows about permissions run as an
// unprivileged user (nobody, when the suite runs as root); rows that need
// root are skipped without it. A script may print "SKIP reason".
struct Escena {
    const char *Nombre;
    Quien Usuario;
    const char *Guion;
    std::string Esperado;
};
class Escenas : public testing::TestWithParam<Escena> {};

void Representa(const Escena &e, const std::string &programa, const std::string &carpetaEscena)
{
    const bool root = ::geteuid() == 0;
    if (e.Usuario == Quien::Root && !root)
        GTEST_SKIP() << "needs root (mknod, chown)";
    const fs::path carpeta = Carpeta() / carpetaEscena, guion = Carpeta() / (carpetaEscena + ".sh");
    fs::create_directory(carpeta);
    Escribe(guion, e.Guion);
    std::string orden = "cd '" + carpeta.string() + "' && VC='" + programa + "' ";
    if (e.Usuario == Quien::SinPrivilegios && root) {
        fs::permissions(Carpeta(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        fs::permissions(guion, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        ASSERT_EQ(::chown(carpeta.c_str(), 65534, 65534), 0);
        orden += "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    orden += "bash '" + guion.string() + "' > '" + guion.string() + ".out' 2> '" + guion.string() + ".err'";
    ASSERT_EQ(std::system(orden.c_str()), 0) << e.Guion;
    const std::string salida = Lee(guion.string() + ".out");
    if (salida.starts_with("SKIP"))
        GTEST_SKIP() << salida;
    EXPECT_EQ(salida, e.Esperado) << e.Guion << '\n' << Lee(guion.string() + ".err");
}

TEST_P(Escenas, ShellSeesTheExpectedFilesAndStatus) { Representa(GetParam(), VELMORA_CONVERT, GetParam().Nombre); }

// Each input is read once, whatever it is.
INSTANTIATE_TEST_SUITE_P(
    Entradas, Escenas,
    testing::Values(
        Escena{"process_substitution_is_read_once", Quien::Cualquiera,
               R"sh("$VC" <(printf 'caf\xc3\xa9\n'); echo "rc=$?")sh", "caf&eacute;\r\nrc=0\n"},
        Escena{"dev_stdin_from_a_pipe_is_read_once", Quien::Cualquiera,
               R"sh(printf 'caf\xc3\xa9\n' | "$VC" /dev/stdin; echo "rc=$?")sh", "caf&eacute;\r\nrc=0\n"},
        Escena{"named_fifo_input_does_not_hang", Quien::Cualquiera,
               R"sh(mkfifo in; printf 'caf\xc3\xa9' > in & "$VC" in -o out.txt; echo "rc=$? $(cat out.txt)")sh",
               "rc=0 caf&eacute;\n"},
        Escena{"standard_input_named_twice_is_read_once", Quien::Cualquiera,
               R"sh(printf 'a<' | "$VC" --reserved - -; echo " rc=$?")sh", "a&lt; rc=0\n"},
        Escena{"invalid_input_after_a_large_valid_one_writes_nothing", Quien::Cualquiera,
               R"sh(head -c 3000000 /dev/zero | tr '\0' a > big.txt; printf '\xff' > bad.txt
cat big.txt bad.txt | "$VC" > out.txt 2> err; echo "rc=$? $(wc -c < out.txt)"; cat err)sh",
               "rc=2 0\nvelmora-convert: (standard input): invalid UTF-8 at byte offset 3000000\n"}),
    PorNombre);

// -o replaces only regular files, at their real location, and only when the
// user may write them; -o - is standard output.
const Escena Destinos[] = {
        Escena{"device_is_written_not_replaced", Quien::Root,
               R"sh(mknod nul c 1 3; printf x | "$VC" -o nul; echo "rc=$? $(stat -c %F nul)")sh",
               "rc=0 character special file\n"},
        Escena{"fifo_reader_gets_the_result_and_the_fifo_stays", Quien::Cualquiera,
               R"sh(mkfifo out; cat out > got & printf 'caf\xc3\xa9' | "$VC" -o out; echo "rc=$?"; wait
echo "$(stat -c %F out) $(cat got)")sh",
               "rc=0\nfifo caf&eacute;\n"},
        Escena{"socket_is_refused_and_kept", Quien::Cualquiera,
               R"sh(python3 -c "import socket; socket.socket(socket.AF_UNIX).bind('sock')" || { echo SKIP no python3; exit; }
printf x | "$VC" -o sock 2> err; echo "rc=$? $(stat -c %F sock)"; cat err)sh",
               "rc=1 socket\nvelmora-convert: sock: No such device or address\n"},
        Escena{"symlink_keeps_pointing_at_its_replaced_target", Quien::Cualquiera,
               R"sh(mkdir sub; echo old > sub/real.txt; chmod 640 sub/real.txt; ln -s real.txt sub/link
printf '\xc3\xa9' | "$VC" -o sub/link; echo "rc=$?"; [ -L sub/link ] && echo link
stat -c %a sub/real.txt; cat sub/real.txt; echo; ls -A . sub)sh",
               "rc=0\nlink\n640\n&eacute;\n.:\nsub\n\nsub:\nlink\nreal.txt\n"},
        Escena{"dangling_symlink_gets_its_target_made", Quien::Cualquiera,
               R"sh(ln -s made.txt link; printf '\xc3\xa9' | "$VC" -o link; echo "rc=$?"; [ -L link ] && cat made.txt)sh",
               "rc=0\n&eacute;"},
        Escena{"replaced_file_keeps_its_owner_and_mode", Quien::Root,
               R"sh(echo old > f.txt; chown 65534:65534 f.txt; chmod 604 f.txt; printf x | "$VC" -o f.txt
stat -c '%u:%g %a' f.txt)sh",
               "65534:65534 604\n"},
        Escena{"read_only_file_is_refused", Quien::SinPrivilegios,
               R"sh(echo old > ro.txt; chmod 444 ro.txt; printf x | "$VC" -o ro.txt 2> err; echo "rc=$? $(cat ro.txt)"; cat err)sh",
               "rc=1 old\nvelmora-convert: ro.txt: Permission denied\n"},
        Escena{"file_in_a_read_only_folder_is_rewritten_in_place", Quien::SinPrivilegios,
               R"sh(printf 'older and longer' > f.txt; chmod 640 f.txt; chmod 555 .
printf '\xc3\xa9' | "$VC" -o f.txt; echo "rc=$? $(cat f.txt) $(stat -c %a f.txt)"; ls -A; chmod 755 .)sh",
               "rc=0 &eacute; 640\nf.txt\n"},
        Escena{"new_file_in_a_read_only_folder_is_refused", Quien::SinPrivilegios,
               R"sh(chmod 555 .; printf x | "$VC" -o new.txt 2>&1; echo "rc=$?"; ls -A; chmod 755 .)sh",
               "velmora-convert: new.txt: Permission denied\nrc=1\n"},
        Escena{"folder_is_refused", Quien::Cualquiera,
               R"sh(mkdir d; printf x | "$VC" -o d 2> err; echo "rc=$?"; cat err)sh",
               "rc=1\nvelmora-convert: d: Is a directory\n"},
        Escena{"dash_is_standard_output", Quien::Cualquiera,
               R"sh(printf '\xc3\xa9' | "$VC" -o -; echo " rc=$?"; ls -A)sh", "&eacute; rc=0\n"},
        Escena{"temporary_file_is_made_beside_the_destination_not_in_tmpdir", Quien::Cualquiera,
               R"sh(printf x | TMPDIR="$PWD/missing" "$VC" -o out.txt; echo "rc=$? $(cat out.txt)"
printf y | TMPDIR="$PWD/missing" "$VC"; echo " rc=$?")sh",
               "rc=0 x\ny rc=0\n"},
        Escena{"destination_on_another_filesystem", Quien::Cualquiera,
               R"sh(d=$(mktemp -d /dev/shm/velmora-convert-XXXXXX) || { echo SKIP no /dev/shm; exit; }
[ "$(stat -c %d "$d")" != "$(stat -c %d .)" ] || { rm -r "$d"; echo SKIP same filesystem; exit; }
printf x | TMPDIR="$PWD" "$VC" -o "$d/out.txt"; echo "rc=$? $(cat "$d/out.txt")"; ls -A "$d"; rm -r "$d")sh",
               "rc=0 x\nout.txt\n"},
        Escena{"link_or_file_of_another_user_in_a_sticky_folder_is_refused", Quien::Root,
               R"sh(mkdir -m 1777 t; echo secret > mine.txt; echo theirs > t/file; ln -s "$PWD/mine.txt" t/planted
ln -s "$PWD/made.txt" t/dangling; chown -h 65534:65534 t/file t/planted t/dangling; ln -s "$PWD/own.txt" t/own
for o in t/planted t/dangling t/file t/own; do printf x | "$VC" -o $o 2>&1; echo " rc=$?"; done
echo "$(cat mine.txt t/file own.txt)"; ls)sh",
               "velmora-convert: t/planted: Permission denied\n rc=1\nvelmora-convert: t/dangling: Permission denied\n rc=1\n"
               "velmora-convert: t/file: Permission denied\n rc=1\n rc=0\nsecret\ntheirs\nx\nmine.txt\nown.txt\nt\n"},
        Escena{"descriptor_names_write_through_their_descriptor", Quien::Cualquiera,
               R"sh(echo old > log; printf a | "$VC" -o /dev/stdout >> log; printf b | "$VC" -o /dev/stderr 2>> log
printf c | "$VC" -o /dev/fd/3 3>> log; printf d | "$VC" -o /proc/self/fd/1 | cat >> log
printf e > e.txt; "$VC" e.txt -o >(cat >> log); wait $!; printf f | "$VC" -o /dev/fd/9 2>&1; echo " rc=$?"; cat log)sh",
               "velmora-convert: /dev/fd/9: Bad file descriptor\n rc=1\nold\nabcde"},
};
INSTANTIATE_TEST_SUITE_P(Destinos, Escenas, testing::ValuesIn(Destinos), PorNombre);

// Every write is checked; an interrupted -o leaves the old file and nothing else.
const Escena Fallos[] = {
        Escena{"help_into_a_full_device_fails", Quien::Cualquiera,
               R"sh("$VC" --help > /dev/full 2> err; echo "rc=$?"; cat err)sh",
               "rc=1\nvelmora-convert: (standard output): No space left on device\n"},
        Escena{"version_into_a_full_device_fails", Quien::Cualquiera,
               R"sh("$VC" --version > /dev/full 2> err; echo "rc=$?"; cat err)sh",
               "rc=1\nvelmora-convert: (standard output): No space left on device\n"},
        Escena{"html5_refuses_what_no_reference_gives_back", Quien::Cualquiera,
               R"sh(printf 'a\xc2\x85' | "$VC" --html5 -o out.txt 2>&1; echo "rc=$?"
printf 'a\0\0\xd8' | "$VC" --html5 --encoding utf-16le 2>&1; echo "rc=$?"; ls -A)sh",
               "velmora-convert: (standard input): character U+0085 has no HTML reference that gives it back, "
               "output at byte offset 1\nrc=2\nvelmora-convert: (standard input): character U+D800 has no HTML "
               "reference that gives it back, output at byte offset 2\nrc=2\n"},
        Escena{"closed_standard_output_fails", Quien::Cualquiera,
               R"sh(printf x | "$VC" >&- 2> err; echo "rc=$?"; cat err)sh",
               "rc=1\nvelmora-convert: (standard output): Bad file descriptor\n"},
        Escena{"sigterm_during_output_leaves_nothing", Quien::Cualquiera,
               R"sh(set -m; echo old > out.txt; mkfifo in; "$VC" -o out.txt < in & pid=$!; exec 3> in
head -c 1000000 /dev/zero | tr '\0' a >&3; kill -TERM $pid; wait $pid; echo "rc=$?"; ls -A; cat out.txt)sh",
               "rc=143\nin\nout.txt\nold\n"},
        Escena{"sighup_during_output_leaves_nothing", Quien::Cualquiera,
               R"sh(set -m; echo old > out.txt; mkfifo in; "$VC" -o out.txt < in & pid=$!; exec 3> in
head -c 1000000 /dev/zero | tr '\0' a >&3; kill -HUP $pid; wait $pid; echo "rc=$?"; ls -A; cat out.txt)sh",
               "rc=129\nin\nout.txt\nold\n"},
        Escena{"sigint_during_output_of_a_new_file_leaves_nothing", Quien::Cualquiera,
               R"sh(set -m; mkfifo in; "$VC" -o out.txt < in & pid=$!; exec 3> in
head -c 1000000 /dev/zero | tr '\0' a >&3; kill -INT $pid; wait $pid; echo "rc=$?"; ls -A)sh",
               "rc=130\nin\n"},
        Escena{"sigkill_during_output_leaves_nothing", Quien::Cualquiera,
               R"sh(set -m; echo old > out.txt; mkfifo in; "$VC" -o out.txt < in & pid=$!; exec 3> in
head -c 1000000 /dev/zero | tr '\0' a >&3; kill -KILL $pid; wait $pid; echo "rc=$?"; ls -A; cat out.txt)sh",
               "rc=137\nin\nout.txt\nold\n"},
        Escena{"full_disk_during_an_in_place_rewrite_keeps_the_old_file", Quien::Root,
               R"sh(d=$(mktemp -d); chmod 755 "$d"; mount -t tmpfs -o size=2m velmora "$d" || { rmdir "$d"; echo SKIP no tmpfs; exit; }
head -c 1500000 /dev/zero | tr '\0' a > "$d/f"; chown 65534 "$d/f"; chmod 555 "$d"
vc() { head -c $1 /dev/zero | tr '\0' '<' | setpriv --reuid=65534 --regid=65534 --clear-groups "$VC" --reserved -o "$d/f"; }
vc 1000000 2> err; echo "rc=$? $(wc -c < "$d/f") $(tr -d a < "$d/f" | wc -c)"; sed 's/.*: //' err
vc 100000; echo "rc=$? $(wc -c < "$d/f")"; vc 400000; echo "rc=$? $(wc -c < "$d/f") $(sed 's/&lt;//g' "$d/f" | wc -c)"
ls -A "$d"; umount "$d"; rmdir "$d")sh",
               "rc=1 1500000 0\nNo space left on device\nrc=0 400000\nrc=0 1600000 0\nf\n"},
};
INSTANTIATE_TEST_SUITE_P(Fallos, Escenas, testing::ValuesIn(Fallos), PorNombre);

#ifdef VELMORA_CONVERT_SIN_TMPFILE
// The same scenes where the system makes no unnamed files: the spool has a
// name beside the destination until it is renamed, and a signal removes it.
class EscenasSinTmpfile : public Escenas {};
TEST_P(EscenasSinTmpfile, NamedTemporaryFilesLeaveTheSame)
{
    if (GetParam().Nombre == std::string_view("sigkill_during_output_leaves_nothing"))
        GTEST_SKIP() << "a named file outlives SIGKILL: only an unnamed one does not";
    Representa(GetParam(), VELMORA_CONVERT_SIN_TMPFILE, "sin_tmpfile_" + std::string(GetParam().Nombre));
}
INSTANTIATE_TEST_SUITE_P(Destinos, EscenasSinTmpfile, testing::ValuesIn(Destinos), PorNombre);
INSTANTIATE_TEST_SUITE_P(Fallos, EscenasSinTmpfile, testing::ValuesIn(Fallos), PorNombre);
#endif

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
                    Uso{"output_without_name", {"-o"}, 2, "velmora-convert: option '-o' needs a value"},
                    Uso{"no_form_only_for_an_option_on_by_default", {"--no-numeric"}, 2,
                        "velmora-convert: unknown option '--no-numeric'"},
                    Uso{"no_form_needs_the_whole_name", {"--no-br"}, 2, "velmora-convert: unknown option '--no-br'"}),
    PorNombre);

// Each option's line in --help names the bit that --options adds up.
TEST(Ayuda, EachOptionLineEndsWithItsBit)
{
    const std::pair<std::string, std::string> filas[] = {{"--numeric", "(1)"},  {"--line-breaks", "(2)"},
                                                         {"--cr-only", "(4)"},   {"--reserved", "(8)"},
                                                         {"--spaces", "(16)"},   {"--br-newline", "(32)"},
                                                         {"--no-br-newline", ""}};
    const std::string ayuda = Ejecuta({"--help"}).Salida;
    for (const auto &[marca, bit] : filas) {
        const std::size_t inicio = ayuda.find("\n  " + marca + " ");
        ASSERT_NE(inicio, std::string::npos) << marca;
        const std::string linea = ayuda.substr(inicio + 1, ayuda.find('\n', inicio + 1) - inicio - 1);
        EXPECT_LE(linea.size(), 79u) << linea;
        EXPECT_TRUE(bit.empty() ? linea.back() != ')' : linea.ends_with(" " + bit)) << linea;
    }
}

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

std::string PorTrozos(const std::string &bytes, const Ajustes &ajustes, std::size_t pedazo)
{
    std::string salida;
    ConversorPorTrozos conversor(ajustes, [&](std::string_view b) { salida += b; });
    for (std::size_t i = 0; i < bytes.size(); i += pedazo)
        conversor.Anade(std::string_view(bytes).substr(i, pedazo));
    conversor.Termina();
    return salida;
}

// Pieces of the patterns, cascades, breaks, blanks, and a character beyond
// ASCII that the encoding holds.
std::u16string TextoEnganoso(std::mt19937 &azar, std::u16string_view ajeno)
{
    static const std::u16string_view Trozos[] = {u"&",   u"amp;", u"lt;", u"#38;", u"eacute;", u"nbsp;", u"<BR>",
                                                  u"<",   u"BR",   u">",   u"&gt;", u"\r",      u"\n",    u" ",
                                                  u"\xe9", u"x",   u"#233;", u";"};
    std::u16string texto;
    for (std::size_t n = azar() % 24; n > 0; --n)
        texto += azar() % 20 == 0 ? ajeno : Trozos[azar() % std::size(Trozos)];
    return texto;
}

class Trozos : public testing::TestWithParam<Codificacion> {};

// Pieces of one to three bytes in every encoding, so that reads cut
// characters, UTF-16LE units, references and breaks.
TEST_P(Trozos, TinyPiecesGiveTheWholeConversionAndTheLiteralModel)
{
    using Codificaciones::Politica;
    const Codificacion juego = GetParam();
    const std::u16string_view ajeno = juego == Codificacion::Latin1        ? u"\u00ff"
                                      : juego == Codificacion::Windows1252 ? u"\u20ac"
                                                                           : u"\U0001F600";
    std::mt19937 azar(11);
    std::vector<std::u16string> textos{u"&amp;lt;", u"&amp;amp;lt;x", u"&#38;eacute; &amp;#233;", u"x<BR>\n\ry<BR>\rz",
                                       u"&lt;BR&gt;\r\n<BR><BR>\r\n", u"&amp;nbsp; &nbsp;a", u"a\r"};
    for (int i = 0; i < 250; ++i)
        textos.push_back(TextoEnganoso(azar, ajeno));
    for (const std::u16string &texto : textos) {
        const std::string bytes = Codificaciones::Codifica(texto, juego, Politica::Estricta);
        for (const std::int16_t modo : {0, 1}) {
            for (const std::int16_t opciones : {0, 2, 6, 16, 34, 63}) {
                for (const bool exacto : {true, false}) {
                    const Ajustes a{modo, opciones, juego, exacto, !exacto};
                    const std::string entero = PorTrozos(bytes, a, std::size_t(-1));
                    for (std::size_t pedazo = 1; pedazo <= 3; ++pedazo)
                        ASSERT_EQ(PorTrozos(bytes, a, pedazo), entero) << "pieces of " << pedazo;
                    if (exacto) {
                        const std::u16string modelo = ModeloLiteral::Convierte(texto, modo, opciones);
                        ASSERT_EQ(entero, Codificaciones::Codifica(modelo, juego, Politica::Estricta));
                    }
                }
            }
        }
    }
}

std::string NombreDe(const testing::TestParamInfo<Codificacion> &info)
{
    const char *const nombres[] = {"utf8", "windows1252", "latin1", "utf16le"};
    return nombres[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Cli, Trozos,
                         testing::Values(Codificacion::Utf8, Codificacion::Windows1252, Codificacion::Latin1,
                                         Codificacion::Utf16le),
                         NombreDe);

}  // namespace
