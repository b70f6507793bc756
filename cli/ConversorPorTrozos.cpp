// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConversorPorTrozos.h"

#include "Saltos.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <utility>

namespace VelmoraConvert {
namespace {

using Tipo = Codificaciones::FalloDeCodificacion::Tipo;
using Codificaciones::Politica;

struct Nombre {
    std::string_view Texto;
    Codificacion Cual;
};

// The first name of each encoding is the one messages use.
constexpr std::array<Nombre, 7> Nombres{{
    {"utf-8", Codificacion::Utf8},
    {"windows-1252", Codificacion::Windows1252},
    {"latin1", Codificacion::Latin1},
    {"utf-16le", Codificacion::Utf16le},
    {"utf8", Codificacion::Utf8},
    {"cp1252", Codificacion::Windows1252},
    {"iso-8859-1", Codificacion::Latin1},
}};

std::string NombreDe(Codificacion codificacion)
{
    return std::string(
        std::find_if(Nombres.begin(), Nombres.end(), [&](const Nombre &n) { return n.Cual == codificacion; })->Texto);
}

std::string Hexadecimal(unsigned valor, const char *formato)
{
    char texto[16];
    std::snprintf(texto, sizeof texto, formato, valor);
    return texto;
}


// Room for `extra` more elements after the first `usado` of a buffer that
// only grows, so that it is not cleared again on every use. Spare capacity
// is reserved, not filled, so memory is only touched where text goes.
template <typename Cadena>
auto *Espacio(Cadena &buffer, std::size_t usado, std::size_t extra)
{
    if (buffer.size() < usado + extra) {
        if (buffer.capacity() < usado + extra)
            buffer.reserve(std::max(usado + extra, buffer.capacity() + buffer.capacity() / 2));
        buffer.resize(usado + extra);
    }
    return buffer.data() + usado;
}

// What every input goes through, in units of the text: line breaks to CR LF,
// the conversion, CR LF to LF. Each holds back what it must on its own.
template <typename Unidad>
class Pasos {
public:
    using Vista = std::basic_string_view<Unidad>;

    explicit Pasos(const Ajustes &ajustes) : ajustes_(ajustes), flujo_(ajustes.Modo, ajustes.Opciones)
    {
        if (ajustes.HTML5 && ajustes.Modo == ConversionesTextoHTML::HTMLATexto)
            aTexto_.emplace(ajustes.Opciones);
        else if (ajustes.HTML5)
            aHTML_.emplace(ajustes.Opciones);
    }

    // The final result of a piece, valid until the next call.
    Vista Convierte(Vista texto, bool ultimo)
    {
        if (!ajustes_.Exacto && !crlf_.Intacto(texto)) {
            Unidad *const inicio = Espacio(crlf_buffer_, 0, 2 * texto.size());
            texto = {inicio, std::size_t(crlf_.Normaliza(texto, inicio) - inicio)};
        }
        Vista resultado = ConvierteTexto(texto, ultimo);
        if (ajustes_.SaltosLF) {
            Unidad *const inicio = Espacio(lf_buffer_, 0, resultado.size() + 1);
            resultado = {inicio, std::size_t(lf_.Convierte(resultado, inicio, ultimo) - inicio)};
        }
        return resultado;
    }

    // With --html5, to HTML: the character the result could not write, which
    // would stand right after it, or 0.
    char32_t Imposible() const { return imposible_; }

private:
    Vista ConvierteTexto(Vista texto, bool ultimo)
    {
        if (aTexto_) {
            Unidad *const inicio = Espacio(resultado_, 0, aTexto_->Cota(texto.size()));
            return {inicio, std::size_t(aTexto_->Convierte(texto, inicio, ultimo) - inicio)};
        }
        if (aHTML_) {
            Unidad *const inicio = Espacio(resultado_, 0, aHTML_->Cota(texto.size()));
            const auto escrito = aHTML_->Convierte(texto, inicio, ultimo);
            imposible_ = escrito.Imposible;
            return {inicio, std::size_t(escrito.Fin - inicio)};
        }
        resultado_.clear();
        resultado_.reserve(ConversionesTextoHTML::Flujo<Unidad>::Cota(texto.size()));
        flujo_.Anade(texto, resultado_);
        if (ultimo)
            flujo_.Termina(resultado_);
        return resultado_;
    }

    const Ajustes ajustes_;
    Saltos::ACRLF<Unidad> crlf_;
    ConversionesTextoHTML::Flujo<Unidad> flujo_;
    Saltos::ALF<Unidad> lf_;
    std::basic_string<Unidad> crlf_buffer_, resultado_, lf_buffer_;
    // With --html5, the conversion that streams on its own.
    std::optional<ConversionesTextoHTML::DecodificadorHTML5<Unidad>> aTexto_;
    std::optional<ConversionesTextoHTML::CodificadorASCII<Unidad>> aHTML_;
    char32_t imposible_ = 0;
};

}  // namespace

std::optional<Codificacion> CodificacionPorNombre(std::string_view nombre)
{
    const auto igual = [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; };
    for (const Nombre &n : Nombres) {
        if (std::equal(nombre.begin(), nombre.end(), n.Texto.begin(), n.Texto.end(), igual))
            return n.Cual;
    }
    return std::nullopt;
}

EntradaInvalida Mensaje(const Codificaciones::FalloDeCodificacion &fallo, Codificacion codificacion)
{
    const std::string donde = " at byte offset " + std::to_string(fallo.Posicion);
    switch (fallo.Cual) {
    case Tipo::Invalida: return EntradaInvalida("invalid UTF-8" + donde);
    case Tipo::Incompleta: return EntradaInvalida("incomplete UTF-8 sequence" + donde);
    case Tipo::Impar: return EntradaInvalida("odd number of bytes in UTF-16LE input, last byte" + donde);
    case Tipo::ByteIndefinido:
        return EntradaInvalida("byte " + Hexadecimal(unsigned(fallo.Valor), "0x%02X") + " is undefined in " +
                               NombreDe(codificacion) + donde);
    case Tipo::SinLugar: break;
    }
    return EntradaInvalida("character " + Hexadecimal(unsigned(fallo.Valor), "U+%04X") + " cannot be written in " +
                           NombreDe(codificacion) + ", output" + donde);
}

// Runs a step of the codec, its failure said as invalid input in codificacion.
template <typename F>
void EnCodificacion(Codificacion codificacion, F paso)
{
    try {
        paso();
    } catch (const Codificaciones::FalloDeCodificacion &fallo) {
        throw Mensaje(fallo, codificacion);
    }
}

class ConversorPorTrozos::Tuberia {
public:
    virtual ~Tuberia() = default;
    virtual void Anade(std::string_view bytes) = 0;
    virtual void Termina() = 0;

protected:
    // Writes the bytes of a piece's result; then stops at a character that
    // --html5 could not write, which would have come next.
    void Escribe(const ConversorPorTrozos::Escritor &escribe, std::string_view bytes, char32_t imposible)
    {
        escribe(bytes);
        escritos_ += bytes.size();
        if (imposible)
            throw EntradaInvalida("character " + Hexadecimal(unsigned(imposible), "U+%04X") +
                                  " has no HTML reference that gives it back, output at byte offset " +
                                  std::to_string(escritos_));
    }

private:
    std::uint64_t escritos_ = 0;  // bytes of output so far
};

namespace {

// UTF-8 in and out, the default: checked as it comes and converted as it is.
class PorUtf8 final : public ConversorPorTrozos::Tuberia {
public:
    PorUtf8(const Ajustes &ajustes, ConversorPorTrozos::Escritor escribe)
        : pasos_(ajustes), escribe_(std::move(escribe))
    {
    }

    void Anade(std::string_view bytes) override
    {
        EnCodificacion(Codificacion::Utf8, [&] { lector_.Valida(bytes); });
        Escribe(escribe_, pasos_.Convierte(bytes, false), pasos_.Imposible());
    }

    void Termina() override
    {
        EnCodificacion(Codificacion::Utf8, [&] { lector_.Termina(nullptr); });
        Escribe(escribe_, pasos_.Convierte({}, true), pasos_.Imposible());
    }

private:
    Codificaciones::Decodificador lector_{Codificacion::Utf8, Politica::Estricta};
    Pasos<char> pasos_;
    ConversorPorTrozos::Escritor escribe_;
};

// Any other encoding: read into UTF-16 units and written back.
class PorUnidades final : public ConversorPorTrozos::Tuberia {
public:
    PorUnidades(const Ajustes &ajustes, ConversorPorTrozos::Escritor escribe)
        : juego_(ajustes.Juego), pasos_(ajustes), escribe_(std::move(escribe))
    {
    }

    void Anade(std::string_view bytes) override
    {
        char16_t *const inicio = Espacio(unidades_, 0, bytes.size() + Codificaciones::Decodificador::Retenidos);
        char16_t *fin = nullptr;
        EnCodificacion(juego_, [&] { fin = decodificador_.Decodifica(bytes, inicio); });
        Escribe(pasos_.Convierte({inicio, std::size_t(fin - inicio)}, false), false);
    }

    void Termina() override
    {
        EnCodificacion(juego_, [&] { decodificador_.Termina(nullptr); });  // strict: writes nothing, or throws
        Escribe(pasos_.Convierte({}, true), true);
    }

private:
    void Escribe(std::u16string_view texto, bool ultimo)
    {
        char *const inicio = Espacio(bytes_, 0, 3 * texto.size() + 2 * Codificaciones::Codificador::Retenidos);
        char *fin = nullptr;
        EnCodificacion(juego_, [&] {
            fin = codificador_.Codifica(texto, inicio);
            if (ultimo)
                fin = codificador_.Termina(fin);
        });
        Tuberia::Escribe(escribe_, {inicio, std::size_t(fin - inicio)}, pasos_.Imposible());
    }

    const Codificacion juego_;
    Codificaciones::Decodificador decodificador_{juego_, Politica::Estricta};
    Pasos<char16_t> pasos_;
    Codificaciones::Codificador codificador_{juego_, Politica::Estricta};
    ConversorPorTrozos::Escritor escribe_;
    std::u16string unidades_;
    std::string bytes_;
};

}  // namespace

ConversorPorTrozos::ConversorPorTrozos(const Ajustes &ajustes, Escritor escribe)
{
    if (ajustes.Juego == Codificacion::Utf8)
        tuberia_ = std::make_unique<PorUtf8>(ajustes, std::move(escribe));
    else
        tuberia_ = std::make_unique<PorUnidades>(ajustes, std::move(escribe));
}

ConversorPorTrozos::~ConversorPorTrozos() = default;

void ConversorPorTrozos::Anade(std::string_view bytes) { tuberia_->Anade(bytes); }

void ConversorPorTrozos::Termina() { tuberia_->Termina(); }

}  // namespace VelmoraConvert
