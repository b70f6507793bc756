// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files, streams and command line of velmora-convert, one implementation
// per system (Archivos.cpp for POSIX, ArchivosWindows.cpp for Windows).
// Each input is read once, from start to end, whatever it is. The result goes
// first to a temporary file and reaches its destination only when Confirma is
// called, so that a failure or an interruption leaves the destination as it
// was. Names are UTF-8 everywhere, whatever the system uses.

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace VelmoraConvert {

// A file that could not be opened, read or written: "name: reason".
struct FalloDeArchivo : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "(standard input)" for "-", the name itself otherwise.
std::string NombreVisible(const std::string &nombre);

// Makes the standard streams safe for bytes: on POSIX a closed one is
// replaced by one that fails every use, so that no file the program opens
// can take its number, and a write past the file size limit fails rather
// than ending the program; on Windows they are put in binary mode.
void PreparaFlujosEstandar();

// The arguments after the program's name, in UTF-8. On Windows they are
// read from the wide command line, so any file name comes through whole.
std::vector<std::string> Argumentos(int argc, char **argv);

// A message for the user, UTF-8; on a Windows console it is written as
// wide text so that names show as they are.
void EscribeEnErrores(std::string_view mensaje);

// Writes all the bytes to standard output. Throws FalloDeArchivo.
void EscribeEnSalidaEstandar(std::string_view bytes);

// One input: a file, pipe, FIFO, device, or standard input for "-".
class Entrada {
public:
    explicit Entrada(const std::string &nombre);
    ~Entrada();
    Entrada(const Entrada &) = delete;
    Entrada &operator=(const Entrada &) = delete;

    // Up to `maximo` bytes at `destino`; 0 at the end of the input.
    std::size_t Lee(char *destino, std::size_t maximo);

private:
    std::string nombre_;
#ifdef _WIN32
    void *archivo_;
#else
    int fd_;
#endif
};

// Where the result goes. "-" is standard output; /dev/stdout, /dev/stderr,
// /dev/fd/N and /proc/self/fd/N are written through that descriptor, at the
// end, as standard output is. A regular file, or a symbolic link to one, is
// replaced at its real location by a file with its permission bits; when no
// file can be made in its folder but the file itself is writable, it is
// rewritten in place, its new size taken before its old content is touched.
// Anything else (a device, a FIFO) is opened and written to, never replaced.
// A destination the user could not open for writing is refused at once, and
// so is a link or a file of another user in a sticky folder such as /tmp.
class Salida {
public:
    explicit Salida(const std::string &destino);
    ~Salida();
    Salida(const Salida &) = delete;
    Salida &operator=(const Salida &) = delete;

    void Escribe(std::string_view bytes);
    // Puts the whole result in place. Throws FalloDeArchivo.
    void Confirma();

private:
#ifdef _WIN32
    void PreparaReemplazo();
    void Vuelca(void *destino);
    void Descarta();

    std::string destino_;      // as the user named it, for messages
    std::wstring real_;        // the file that is replaced, links followed
    std::wstring temporal_;    // the spool beside it while it exists
    std::string nombreSpool_;  // for messages
    void *spool_;
    void *directo_;            // the destination itself, written at the end
#else
    void PreparaReemplazo(const struct stat &datos);
    void Vacia();
    void Reescribe();
    void Vuelca(int hacia, off_t desde, off_t hasta);
    void Enlaza();
    void Descarta();

    std::string destino_;    // as the user named it, for messages
    std::string real_;       // the file that is replaced, symbolic links followed
    std::string temporal_;   // the spool's name while it has one, or empty
    std::string nombreSpool_;  // for messages
    int spool_ = -1;
    std::string pendiente_;  // bytes not yet written to the spool, under a megabyte
    int directo_ = -1;       // the destination itself, written at the end
    bool enSuSitio_ = false; // directo_ is a regular file rewritten in place
    bool anonimo_ = false;   // spool_ is an unnamed file in real_'s folder
    bool nuevo_ = false;     // real_ did not exist
#endif
};

}  // namespace VelmoraConvert
