#pragma once

// The files of velmora-convert, on POSIX systems. Each input is read once,
// from start to end, whatever it is. The result goes first to an unnamed
// temporary file and reaches its destination only when Confirma is called,
// so that a failure or an interruption leaves the destination as it was.

#include <sys/stat.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace VelmoraConvert {

// A file that could not be opened, read or written: "name: reason".
struct FalloDeArchivo : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "(standard input)" for "-", the name itself otherwise.
std::string NombreVisible(const std::string &nombre);

// Puts a descriptor that fails every use in place of a closed standard
// one, so that no file the program opens can take its number.
void ReservaDescriptoresEstandar();

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
    int fd_;
};

// Where the result goes. "-" is standard output. A regular file, or a
// symbolic link to one, is replaced at its real location by a file with its
// permission bits; when no file can be made in its folder but the file
// itself is writable, it is rewritten in place. Anything else (a device, a
// FIFO) is opened and written to, never replaced. A destination the user
// could not open for writing is refused at once.
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
    void PreparaReemplazo(const struct stat &datos);
    void Vuelca(int destino);
    void Enlaza();
    void Descarta();

    std::string destino_;    // as the user named it, for messages
    std::string real_;       // the file that is replaced, symbolic links followed
    std::string temporal_;   // the spool's name while it has one, or empty
    std::string nombreSpool_;  // for messages
    int spool_ = -1;
    int directo_ = -1;       // the destination itself, written at the end
    bool truncar_ = false;   // directo_ is a regular file rewritten in place
    bool anonimo_ = false;   // spool_ is an unnamed file in real_'s folder
    bool nuevo_ = false;     // real_ did not exist
};

}  // namespace VelmoraConvert
