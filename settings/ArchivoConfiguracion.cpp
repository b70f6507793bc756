// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchivoConfiguracion.h"

#include "Catalogo.h"
#include "Codificaciones.h"
#include "Configuracion.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace Configuracion {

namespace {

// The catalogue keeps its names in UTF-8.
std::u16string DesdeUtf8(std::string_view texto)
{
    return Codificaciones::Decodifica(texto, Codificaciones::Codificacion::Utf8, Codificaciones::Politica::Tolerante);
}

// The keys, and the values the file may give a language or a direction, lower-cased.
struct Nombres {
    std::array<std::u16string, Catalogo::Idiomas.size()> Idiomas;
    std::array<std::u16string, 2> Modos;
    std::array<std::u16string, Claves.size()> ClavesLeidas;  // the keys of Claves, lower-cased
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
        for (std::size_t i = 0; i < n.ClavesLeidas.size(); ++i)
            n.ClavesLeidas[i] = Minusculas(std::u16string(Claves[i].Escrita));
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
    const char *p = bytes.data();
    const char *const fin = p + bytes.size();
    // The next CR and the next LF at or after p, each found once per piece.
    const char *cr = nullptr, *lf = nullptr;
    const auto busca = [&](char c) {
        const void *encontrado = std::memchr(p, c, std::size_t(fin - p));
        return encontrado ? static_cast<const char *>(encontrado) : fin;
    };
    while (p < fin) {
        if (std::exchange(trasCR_, false) && *p == '\n') {
            ++p;
            continue;
        }
        if (cr < p)
            cr = busca('\r');
        if (lf < p)
            lf = busca('\n');
        const char *const salto = std::min(cr, lf);
        const std::string_view linea(p, std::size_t(salto - p));
        if (salto == fin) {
            AnadeALinea(linea);
            return;
        }
        if (linea_.empty()) {
            AplicaLinea(linea.substr(0, LineaMaxima));
        } else {
            AnadeALinea(linea);
            AplicaLinea(linea_);
            linea_.clear();
        }
        trasCR_ = *salto == '\r';
        p = salto + 1;
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
        if (!std::exchange(avisado_[std::size_t(aviso)], true))
            avisa_(aviso);
        items[0] = true;
    };

    const auto fila = std::find(nombres.ClavesLeidas.begin(), nombres.ClavesLeidas.end(), clave);
    if (fila == nombres.ClavesLeidas.end())
        return;
    const Clave &leida = Claves[std::size_t(fila - nombres.ClavesLeidas.begin())];
    switch (leida.Que) {
    case Dato::Idioma: marca(marcas_.Idiomas, nombres.Idiomas, Aviso::IdiomaNoReconocido); break;
    case Dato::Modo: marca(marcas_.Modos, nombres.Modos, Aviso::ModoNoReconocido); break;
    case Dato::Opcion: marcas_.Opciones[leida.Opcion] = EsSi(valor); break;
    case Dato::Ancho: ancho_ = valor; break;
    case Dato::Alto: alto_ = valor; break;
    }
}

std::string Escribe(const Guardado &guardado)
{
    const auto numero = [](double twips) {
        const std::string ascii = std::to_string(static_cast<long long>(twips));
        return std::u16string(ascii.begin(), ascii.end());
    };
    std::string archivo;
    for (const Clave &clave : Claves) {
        switch (clave.Que) {
        case Dato::Idioma: archivo += EscribeLinea(clave.Escrita, guardado.Idioma); break;
        case Dato::Modo: archivo += EscribeLinea(clave.Escrita, guardado.Modo); break;
        case Dato::Opcion: archivo += EscribeLinea(clave.Escrita, EscribeSiNo(guardado.Opciones[clave.Opcion])); break;
        case Dato::Ancho: archivo += EscribeLinea(clave.Escrita, numero(guardado.Ancho)); break;
        case Dato::Alto: archivo += EscribeLinea(clave.Escrita, numero(guardado.Alto)); break;
        }
    }
    return archivo;
}

}  // namespace Configuracion
