// SPDX-License-Identifier: GPL-3.0-or-later
#include "Archivos.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <memory>
#include <utility>

namespace VelmoraConvert {
namespace {

constexpr std::size_t Bloque = std::size_t(1) << 17;  // bytes copied at a time
constexpr DWORD MaximoPorLlamada = 1u << 30;          // ReadFile and WriteFile take a DWORD

std::wstring Ancho(std::string_view texto)
{
    if (texto.empty())
        return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, texto.data(), int(texto.size()), nullptr, 0);
    std::wstring ancho(std::size_t(std::max(n, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, texto.data(), int(texto.size()), ancho.data(), n);
    return ancho;
}

std::string Utf8(std::wstring_view texto)
{
    if (texto.empty())
        return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, texto.data(), int(texto.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(std::max(n, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, texto.data(), int(texto.size()), utf8.data(), n, nullptr, nullptr);
    return utf8;
}

// The system's words for an error code, without the final period and line break.
std::string Razon(DWORD error)
{
    wchar_t *texto = nullptr;
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                         FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, error, 0, reinterpret_cast<wchar_t *>(&texto), 0, nullptr);
    const std::unique_ptr<wchar_t, decltype(&::LocalFree)> libera(texto, &::LocalFree);
    std::wstring_view razon(texto, n);
    while (!razon.empty() && (razon.back() == L'\n' || razon.back() == L'\r' || razon.back() == L'.'))
        razon.remove_suffix(1);
    return razon.empty() ? "error " + std::to_string(error) : Utf8(razon);
}

[[noreturn]] void Falla(const std::string &nombre, DWORD error = ::GetLastError())
{
    throw FalloDeArchivo(nombre + ": " + Razon(error));
}

void EscribeTodo(HANDLE destino, std::string_view bytes, const std::string &nombre)
{
    while (!bytes.empty()) {
        DWORD escritos = 0;
        const DWORD pedidos = DWORD(std::min<std::size_t>(bytes.size(), MaximoPorLlamada));
        if (!::WriteFile(destino, bytes.data(), pedidos, &escritos, nullptr))
            Falla(nombre);
        bytes.remove_prefix(escritos);
    }
}

// Up to `maximo` bytes; 0 at the end. A pipe whose writer has gone is an end, not an error.
std::size_t LeeDe(HANDLE origen, char *destino, std::size_t maximo, const std::string &nombre)
{
    DWORD leidos = 0;
    if (!::ReadFile(origen, destino, DWORD(std::min<std::size_t>(maximo, MaximoPorLlamada)), &leidos, nullptr)) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_BROKEN_PIPE && error != ERROR_HANDLE_EOF)
            Falla(nombre, error);
    }
    return leidos;
}

void Cierra(HANDLE &archivo)
{
    if (archivo != INVALID_HANDLE_VALUE)
        ::CloseHandle(std::exchange(archivo, INVALID_HANDLE_VALUE));
}

// The one named file an interrupted run must not leave behind. The console
// handler runs on a thread of its own, so the name is published atomically.
wchar_t nombreTemporal[32768];
std::atomic<bool> hayTemporal{false};

BOOL WINAPI BorraTemporal(DWORD)
{
    if (hayTemporal.exchange(false))
        ::DeleteFileW(nombreTemporal);  // the spool is shared for deletion: it goes when closed
    return FALSE;                       // and the default action ends the program
}

void RegistraTemporal(const std::wstring &nombre)
{
    static const bool instalado = ::SetConsoleCtrlHandler(BorraTemporal, TRUE);
    (void)instalado;
    const std::size_t n = std::min(nombre.size(), std::size(nombreTemporal) - 1);
    std::copy_n(nombre.data(), n, nombreTemporal);
    nombreTemporal[n] = L'\0';
    hayTemporal = true;
}

// The folder of a path, "." for a bare name.
std::wstring CarpetaDe(const std::wstring &ruta)
{
    const std::size_t barra = ruta.find_last_of(L"\\/");
    if (barra == std::wstring::npos)
        return L".";
    return ruta.substr(0, barra == 0 || (barra == 2 && ruta[1] == L':') ? barra + 1 : barra);
}

std::wstring Completa(const std::wstring &ruta, const std::string &nombre)
{
    const DWORD n = ::GetFullPathNameW(ruta.c_str(), 0, nullptr, nullptr);
    std::wstring completa(n, L'\0');
    const DWORD escrita = ::GetFullPathNameW(ruta.c_str(), n, completa.data(), nullptr);
    if (n == 0 || escrita == 0 || escrita >= n)
        Falla(nombre);
    completa.resize(escrita);
    return completa;
}

// The path the system reaches through an open file, links followed.
std::wstring RutaFinal(HANDLE archivo, const std::string &nombre)
{
    std::wstring ruta(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetFinalPathNameByHandleW(archivo, ruta.data(), DWORD(ruta.size()), FILE_NAME_NORMALIZED);
        if (n == 0)
            Falla(nombre);
        if (n < ruta.size()) {
            ruta.resize(n);
            return ruta;
        }
        ruta.resize(n);
    }
}

// The spool for a destination written at the end: in the user's temporary
// folder, removed by the system when it is closed, whatever ends the program.
HANDLE CreaSpool(std::string &nombre)
{
    wchar_t carpeta[MAX_PATH + 1];
    wchar_t archivo[MAX_PATH + 1];
    const DWORD largo = ::GetTempPathW(MAX_PATH + 1, carpeta);
    if (largo == 0 || largo > MAX_PATH || ::GetTempFileNameW(carpeta, L"vc", 0, archivo) == 0)
        Falla("temporary file");
    const HANDLE spool = ::CreateFileW(archivo, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (spool == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(archivo);
        Falla("temporary file", error);
    }
    nombre = "temporary file in " + Utf8(carpeta);
    return spool;
}

}  // namespace

std::string NombreVisible(const std::string &nombre) { return nombre == "-" ? "(standard input)" : nombre; }

// Every write goes through the handles; the C runtime's streams are made
// binary too, so that nothing linked in can turn LF into CR LF.
void PreparaFlujosEstandar()
{
    for (const int fd : {0, 1, 2})
        ::_setmode(fd, _O_BINARY);
}

std::vector<std::string> Argumentos(int, char **)
{
    int n = 0;
    const std::unique_ptr<wchar_t *, decltype(&::LocalFree)> anchos(
        ::CommandLineToArgvW(::GetCommandLineW(), &n), &::LocalFree);
    std::vector<std::string> argumentos;
    for (int i = 1; anchos && i < n; ++i)
        argumentos.push_back(Utf8(anchos.get()[i]));
    return argumentos;
}

void EscribeEnSalidaEstandar(std::string_view bytes)
{
    EscribeTodo(::GetStdHandle(STD_OUTPUT_HANDLE), bytes, "(standard output)");
}

void EscribeEnErrores(std::string_view mensaje)
{
    const HANDLE errores = ::GetStdHandle(STD_ERROR_HANDLE);
    DWORD modo = 0;
    if (::GetConsoleMode(errores, &modo)) {
        const std::wstring ancho = Ancho(mensaje);
        DWORD escritos = 0;
        ::WriteConsoleW(errores, ancho.data(), DWORD(ancho.size()), &escritos, nullptr);
        return;
    }
    try {
        EscribeTodo(errores, mensaje, "(standard error)");
    } catch (const FalloDeArchivo &) {
        // Nowhere left to say it; the exit status still tells.
    }
}

Entrada::Entrada(const std::string &nombre)
    : nombre_(NombreVisible(nombre)),
      archivo_(nombre == "-" ? ::GetStdHandle(STD_INPUT_HANDLE)
                             : ::CreateFileW(Ancho(nombre).c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                             OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr))
{
    if (archivo_ == INVALID_HANDLE_VALUE || archivo_ == nullptr)
        Falla(nombre_, archivo_ == nullptr ? ERROR_INVALID_HANDLE : ::GetLastError());
}

Entrada::~Entrada()
{
    if (archivo_ != ::GetStdHandle(STD_INPUT_HANDLE))
        ::CloseHandle(archivo_);
}

std::size_t Entrada::Lee(char *destino, std::size_t maximo) { return LeeDe(archivo_, destino, maximo, nombre_); }

Salida::Salida(const std::string &destino)
    : destino_(destino), spool_(INVALID_HANDLE_VALUE), directo_(INVALID_HANDLE_VALUE)
{
    try {
        if (destino == "-") {
            destino_ = "(standard output)";
            spool_ = CreaSpool(nombreSpool_);
            return;
        }
        const std::wstring ancho = Ancho(destino);
        // Opening it for writing follows links and checks the rights, as the shell would.
        HANDLE existente = ::CreateFileW(ancho.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (existente == INVALID_HANDLE_VALUE) {
            const DWORD error = ::GetLastError();
            if (error != ERROR_FILE_NOT_FOUND)
                Falla(destino_, error);
            real_ = Completa(ancho, destino_);
        } else if (::GetFileType(existente) != FILE_TYPE_DISK) {
            directo_ = existente;  // a device or a pipe: written to, never replaced
            spool_ = CreaSpool(nombreSpool_);
            return;
        } else {
            const std::unique_ptr<void, decltype(&::CloseHandle)> cierra(existente, &::CloseHandle);
            BY_HANDLE_FILE_INFORMATION datos{};
            if (!::GetFileInformationByHandle(existente, &datos))
                Falla(destino_);
            if (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                Falla(destino_, ERROR_DIRECTORY);
            // The attribute refuses writes to everyone, even where the open succeeded.
            if (datos.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                Falla(destino_, ERROR_ACCESS_DENIED);
            real_ = RutaFinal(existente, destino_);
        }
        PreparaReemplazo();
    } catch (...) {
        Descarta();
        throw;
    }
}

Salida::~Salida() { Descarta(); }

void Salida::Descarta()
{
    Cierra(spool_);
    if (!temporal_.empty()) {
        hayTemporal = false;
        ::DeleteFileW(temporal_.c_str());
        temporal_.clear();
    }
    Cierra(directo_);
}

// The spool is made beside the file it replaces, so that it can take the
// file's place in one step and never crosses a volume.
void Salida::PreparaReemplazo()
{
    nombreSpool_ = destino_;
    const std::wstring carpeta = CarpetaDe(real_);
    const std::wstring base = real_.substr(carpeta.size() + (carpeta.back() == L'\\' ? 0 : 1));
    for (unsigned intento = 0;; ++intento) {
        std::wstring nombre = carpeta + (carpeta.back() == L'\\' ? L"" : L"\\") + L"." + base + L"." +
                              std::to_wstring(::GetCurrentProcessId()) + L"." + std::to_wstring(intento) + L".tmp";
        spool_ = ::CreateFileW(nombre.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, nullptr,
                               CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (spool_ != INVALID_HANDLE_VALUE) {
            temporal_ = std::move(nombre);
            RegistraTemporal(temporal_);
            return;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS || intento == 100)
            Falla(destino_);
    }
}

void Salida::Escribe(std::string_view bytes) { EscribeTodo(spool_, bytes, nombreSpool_); }

void Salida::Confirma()
{
    if (temporal_.empty()) {
        Vuelca(directo_ != INVALID_HANDLE_VALUE ? directo_ : ::GetStdHandle(STD_OUTPUT_HANDLE));
        Cierra(spool_);
        if (directo_ != INVALID_HANDLE_VALUE && !::CloseHandle(std::exchange(directo_, INVALID_HANDLE_VALUE)))
            Falla(destino_);
        return;
    }
    if (!::FlushFileBuffers(spool_))
        Falla(destino_);
    if (!::CloseHandle(std::exchange(spool_, INVALID_HANDLE_VALUE)))
        Falla(destino_);
    // ReplaceFileW keeps the replaced file's attributes and security; a new
    // file, or a volume that cannot replace, is moved into place.
    if (!::ReplaceFileW(real_.c_str(), temporal_.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) &&
        !::MoveFileExW(temporal_.c_str(), real_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Falla(destino_);
    hayTemporal = false;
    temporal_.clear();
}

void Salida::Vuelca(void *destino)
{
    if (::SetFilePointer(spool_, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        Falla(nombreSpool_);
    std::string bloque(Bloque, '\0');
    while (const std::size_t n = LeeDe(spool_, bloque.data(), bloque.size(), nombreSpool_))
        EscribeTodo(destino, {bloque.data(), n}, destino_);
}

}  // namespace VelmoraConvert
