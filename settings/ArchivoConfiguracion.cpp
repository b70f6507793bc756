#include "ArchivoConfiguracion.h"

#include "Catalogo.h"
#include "Codificaciones.h"
#include "Configuracion.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace Configuracion {

using namespace std::string_view_literals;

namespace {

// The longest key of the table, "entidadeshtml".
constexpr std::size_t ClaveMaxima = 13;

// The catalogue keeps its names in UTF-8.
std::u16string DesdeUtf8(std::string_view texto)
{
    return Codificaciones::Decodifica(texto, Codificaciones::Codificacion::Utf8, Codificaciones::Politica::Tolerante);
}

// The values the file may give a language or a direction, lower-cased.
struct Nombres {
    std::array<std::u16string, Catalogo::Idiomas.size()> Idiomas;
    std::array<std::u16string, 2> Modos;
    std::array<std::u16string, Opciones::Tabla.size()> Opciones;  // the keys
    std::array<char16_t, 256> Minusculas;  // of each byte, for the keys
};

const Nombres &NombresLeidos()
{
    static const Nombres nombres = [] {
        Nombres n;
        for (std::size_t i = 0; i < n.Idiomas.size(); ++i)
            n.Idiomas[i] = Minusculas(DesdeUtf8(Catalogo::Idiomas[i].Nombre));
        for (std::size_t i = 0; i < n.Modos.size(); ++i)
            n.Modos[i] = Minusculas(std::u16string(Modos[i]));
        for (std::size_t i = 0; i < n.Opciones.size(); ++i)
            n.Opciones[i] = Minusculas(std::u16string(Opciones::Tabla[i].Clave));
        for (std::size_t b = 0; b < n.Minusculas.size(); ++b)
            n.Minusculas[b] = Minuscula(CaracterWindows1252(char(b)));
        return n;
    }();
    return nombres;
}

}  // namespace

std::u16string_view TextoAviso(Aviso aviso)
{
    return aviso == Aviso::IdiomaNoReconocido ? u"Idioma no reconocido en Velmora.cfg"
                                              : u"Modo no reconocido en Velmora.cfg";
}

Lector::Lector(Marcas inicial, std::function<void(Aviso)> avisa)
    : marcas_(std::move(inicial)), avisa_(std::move(avisa))
{
}

void Lector::Anade(std::string_view bytes)
{
    while (!bytes.empty()) {
        if (std::exchange(trasCR_, false) && bytes.front() == '\n') {
            bytes.remove_prefix(1);
            continue;
        }
        const void *cr = std::memchr(bytes.data(), '\r', bytes.size());
        if (!cr) {
            AnadeALinea(bytes);
            return;
        }
        const auto largo = std::size_t(static_cast<const char *>(cr) - bytes.data());
        if (linea_.empty()) {
            AplicaLinea(bytes.substr(0, std::min(largo, LineaMaxima)));
        } else {
            AnadeALinea(bytes.substr(0, largo));
            AplicaLinea(linea_);
            linea_.clear();
        }
        bytes.remove_prefix(largo + 1);
        trasCR_ = true;
    }
}

void Lector::AnadeALinea(std::string_view bytes)
{
    linea_.append(bytes.substr(0, LineaMaxima - std::min(LineaMaxima, linea_.size())));
}

Marcas Lector::Termina()
{
    AplicaLinea(linea_);
    linea_.clear();
    // Only the last size line of each kind counts, so its number is read once, here.
    if (ancho_)
        marcas_.Ancho = LeeMedida(DesdeWindows1252(*ancho_));
    if (alto_)
        marcas_.Alto = LeeMedida(DesdeWindows1252(*alto_));
    return marcas_;
}

void Lector::AplicaLinea(std::string_view linea)
{
    const std::string_view bytesClave = ParteDeLinea(linea, 0);
    if (bytesClave.empty() || bytesClave.size() > ClaveMaxima)
        return;
    const Nombres &nombres = NombresLeidos();
    std::array<char16_t, ClaveMaxima> minusculas;
    std::transform(bytesClave.begin(), bytesClave.end(), minusculas.begin(),
                   [&](char b) { return nombres.Minusculas[static_cast<unsigned char>(b)]; });
    const std::u16string_view clave(minusculas.data(), bytesClave.size());
    const std::string_view valor = ParteDeLinea(linea, 1);

    // Only the default item's mark (the first) is removed first, so two
    // marked items can remain.
    const auto marca = [&](auto &items, const auto &leidos, Aviso aviso) {
        items[0] = false;
        const auto item = std::find_if(leidos.begin(), leidos.end(),
                                       [&](const std::u16string &nombre) { return IgualEnMinusculas(valor, nombre); });
        if (item != leidos.end()) {
            items[std::size_t(item - leidos.begin())] = true;
            return;
        }
        avisa_(aviso);
        items[0] = true;
    };

    if (clave == u"idioma"sv) {
        marca(marcas_.Idiomas, nombres.Idiomas, Aviso::IdiomaNoReconocido);
    } else if (clave == u"modo"sv) {
        marca(marcas_.Modos, nombres.Modos, Aviso::ModoNoReconocido);
    } else if (clave == u"ancho"sv) {
        ancho_ = valor;
    } else if (clave == u"alto"sv) {
        alto_ = valor;
    } else {
        for (std::size_t i = 0; i < Opciones::Tabla.size(); ++i) {
            if (clave == nombres.Opciones[i])
                marcas_.Opciones[i] = EsSi(valor);
        }
    }
}

std::string Escribe(const Guardado &guardado)
{
    const auto numero = [](double twips) { return std::to_string(static_cast<long long>(twips)); };
    const auto u16 = [](const std::string &ascii) { return std::u16string(ascii.begin(), ascii.end()); };
    std::string archivo = EscribeLinea(u"Idioma", guardado.Idioma) + EscribeLinea(u"Modo", guardado.Modo);
    for (std::size_t i = 0; i < Opciones::Tabla.size(); ++i)
        archivo += EscribeLinea(Opciones::Tabla[i].Clave, EscribeSiNo(guardado.Opciones[i]));
    return archivo + EscribeLinea(u"Ancho", u16(numero(guardado.Ancho))) +
           EscribeLinea(u"Alto", u16(numero(guardado.Alto)));
}

}  // namespace Configuracion
