// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-convert.exe started as a Windows process, with Unicode file names,
// its standard streams redirected to files, in a private folder.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Archivos = std::map<std::wstring, std::string>;  // name in the folder -> bytes

const fs::path &Carpeta()
{
    static const fs::path carpeta = [] {
        const fs::path ruta = fs::temp_directory_path() / ("velmora-convert-win-" + std::to_string(::GetCurrentProcessId()));
        fs::create_directories(ruta);
        return ruta;
    }();
    return carpeta;
}

std::string Lee(const fs::path &ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void Escribe(const fs::path &ruta, const std::string &bytes) { std::ofstream(ruta, std::ios::binary) << bytes; }

Archivos Contenido(const fs::path &carpeta)
{
    Archivos archivos;
    for (const fs::directory_entry &e : fs::directory_iterator(carpeta))
        archivos[e.path().filename().wstring()] = Lee(e.path());
    return archivos;
}

HANDLE Heredable(const fs::path &ruta, DWORD acceso, DWORD creacion)
{
    SECURITY_ATTRIBUTES heredar{sizeof heredar, nullptr, TRUE};
    return ::CreateFileW(ruta.c_str(), acceso, FILE_SHARE_READ | FILE_SHARE_WRITE, &heredar, creacion,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A cross build names the program by its Unix path, which Wine reaches as Z:.
std::wstring Programa()
{
    const std::wstring ruta = fs::path(VELMORA_CONVERT).wstring();
    return ruta.starts_with(L'/') ? L"Z:" + ruta : ruta;
}

struct Resultado {
    DWORD Estado;
    std::string Salida, Errores;
};

// Runs the program in `carpeta` with `entrada` as its standard input.
Resultado Ejecuta(const fs::path &carpeta, const std::wstring &argumentos, const std::string &entrada)
{
    const fs::path es = Carpeta() / L"es", ss = Carpeta() / L"ss", se = Carpeta() / L"se";
    Escribe(es, entrada);
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    inicio.dwFlags = STARTF_USESTDHANDLES;
    inicio.hStdInput = Heredable(es, GENERIC_READ, OPEN_EXISTING);
    inicio.hStdOutput = Heredable(ss, GENERIC_WRITE, CREATE_ALWAYS);
    inicio.hStdError = Heredable(se, GENERIC_WRITE, CREATE_ALWAYS);
    std::wstring linea = L"\"" + Programa() + L"\" " + argumentos;
    PROCESS_INFORMATION proceso{};
    const BOOL creado = ::CreateProcessW(nullptr, linea.data(), nullptr, nullptr, TRUE, 0, nullptr, carpeta.c_str(),
                                         &inicio, &proceso);
    DWORD estado = DWORD(-1);
    if (creado) {
        ::WaitForSingleObject(proceso.hProcess, INFINITE);
        ::GetExitCodeProcess(proceso.hProcess, &estado);
        ::CloseHandle(proceso.hThread);
        ::CloseHandle(proceso.hProcess);
    }
    for (const HANDLE h : {inicio.hStdInput, inicio.hStdOutput, inicio.hStdError})
        ::CloseHandle(h);
    return {estado, Lee(ss), Lee(se)};
}

struct Escena {
    const char *Nombre;
    std::wstring Argumentos;
    std::string Entrada;         // standard input
    Archivos Antes, Despues;     // the whole folder, before and after
    DWORD Estado;
    std::string Salida;          // standard output
    std::string EnErrores;       // a part of standard error
};

void PrintTo(const Escena &e, std::ostream *os) { *os << e.Nombre; }

class Escenas : public testing::TestWithParam<Escena> {};

TEST_P(Escenas, FolderStreamsAndStatusAreAsExpected)
{
    const Escena &e = GetParam();
    const fs::path carpeta = Carpeta() / e.Nombre;
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    for (const auto &[nombre, bytes] : e.Antes)
        Escribe(carpeta / nombre, bytes);
    if (e.Antes.count(L"solo-lectura.html"))
        fs::permissions(carpeta / L"solo-lectura.html", fs::perms::owner_write | fs::perms::group_write |
                                                            fs::perms::others_write, fs::perm_options::remove);

    const Resultado r = Ejecuta(carpeta, e.Argumentos, e.Entrada);

    EXPECT_EQ(r.Estado, e.Estado) << r.Errores;
    EXPECT_EQ(r.Salida, e.Salida);
    EXPECT_NE(r.Errores.find(e.EnErrores), std::string::npos) << r.Errores;
    EXPECT_EQ(Contenido(carpeta), e.Despues) << "nothing else is made, replaced or left behind";
    fs::permissions(carpeta, fs::perms::all, fs::perm_options::add);
    for (const fs::directory_entry &a : fs::directory_iterator(carpeta))
        fs::permissions(a.path(), fs::perms::owner_write, fs::perm_options::add);
}

const std::string Viejo = "old contents that must go";

INSTANTIATE_TEST_SUITE_P(
    VelmoraConvertExe, Escenas,
    testing::Values(
        Escena{"unicode_names_in_and_out", L"--reserved \"a\u00F1o.txt\" -o \"sa\u00F1o.html\"", "",
               {{L"a\u00F1o.txt", "\xC3\xB1 & <"}},
               {{L"a\u00F1o.txt", "\xC3\xB1 & <"}, {L"sa\u00F1o.html", "&ntilde; &amp; &lt;"}}, 0, "", ""},
        Escena{"output_file_is_replaced_whole", L"--spaces in.txt -o out.html", "",
               {{L"in.txt", "a b"}, {L"out.html", Viejo}},
               {{L"in.txt", "a b"}, {L"out.html", "a&nbsp;b"}}, 0, "", ""},
        Escena{"missing_input_is_named_in_utf8_and_the_target_kept", L"\"fa\u00F1ta.txt\" -o out.html", "",
               {{L"out.html", Viejo}}, {{L"out.html", Viejo}}, 1, "", "fa\xC3\xB1ta.txt: "},
        Escena{"invalid_input_keeps_the_target_and_leaves_nothing", L"in.txt -o out.html", "",
               {{L"in.txt", "ok \xFF"}, {L"out.html", Viejo}},
               {{L"in.txt", "ok \xFF"}, {L"out.html", Viejo}}, 2, "", "in.txt: invalid UTF-8 at byte offset 3"},
        Escena{"read_only_target_is_refused", L"-o solo-lectura.html", "x",
               {{L"solo-lectura.html", Viejo}}, {{L"solo-lectura.html", Viejo}}, 1, "", "solo-lectura.html: "},
        Escena{"device_is_written_to_not_replaced", L"-o NUL", "x", {}, {}, 0, "", ""},
        Escena{"folder_as_target_is_refused", L"-o .", "x", {}, {}, 1, "", ".: "},
        Escena{"standard_streams_carry_bytes_untranslated", L"--exact --line-breaks -", "a\r\nb\nc\x1A" "d",
               {}, {}, 0, "a<BR>\r\nbc\x1A" "d", ""},
        Escena{"utf16_input_and_output_keep_every_byte", L"--encoding utf-16le --numeric",
               std::string("\xF1\0\n\0", 4), {}, {}, 0, std::string("&\0#\0" "2\0" "4\0" "1\0;\0\r\0\n\0", 16), ""},
        Escena{"unknown_option_is_bad_usage", L"--to-nowhere", "", {}, {}, 2, "",
               "unknown option '--to-nowhere'"}),
    [](const testing::TestParamInfo<Escena> &i) { return std::string(i.param.Nombre); });

struct Limpieza : testing::Environment {
    void TearDown() override { fs::remove_all(Carpeta()); }
};
const auto *const limpieza = testing::AddGlobalTestEnvironment(new Limpieza);

}  // namespace
