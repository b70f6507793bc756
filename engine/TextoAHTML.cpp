// SPDX-License-Identifier: GPL-3.0-or-later
// Text to HTML.
//
// Why one pass gives the result of the whole sequence of replace-alls: every
// replacement is made of '&', '#', ';', letters, digits, '<', 'B', 'R', '>',
// CR and LF, and '&' is handled first; no later operation looks for a
// character that an earlier one wrote (LF is removed before CR writes one,
// and "&nbsp;" has no blank). So each character is simply mapped, and a
// character that maps to itself may be copied in bulk.
//
// The same code serves UTF-16 units and UTF-8 bytes. In UTF-8 a character
// from 128 to 255 is the two bytes 0xC2 or 0xC3 and a continuation byte; it
// is looked up as one code, and every other byte that is not ASCII is copied
// as it is. So the result is the UTF-8 of the UTF-16 result, with one care:
// removing LF can bring a lone high surrogate (three bytes) right before a
// lone low one, which in UTF-16 then form a pair, written in four bytes. The
// map notes any LF that is followed by a byte 0xED (which begins every
// encoded surrogate) and such a result is then mended in one more pass.

#include "Codificaciones.h"
#include "Comun.h"
#include "Vectores.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace ConversionesTextoHTML {
namespace {

template <typename Unidad>
using V = Vectores::Juego<Unidad>;  // the vector helpers of this machine

constexpr std::size_t LargoMaximo = 8;  // the longest replacement, "&plusmn;"
constexpr std::size_t BloqueTexto = 4096;  // input units per block
// A block writes at most LargoMaximo units per unit read (a UTF-8 character of
// two bytes writes at most eight), and may read one unit past its end.
template <typename Unidad>
using SalidaHTML = Salida<Unidad, LargoMaximo * (BloqueTexto + 1) + Holgura>;

constexpr unsigned PrimeroSustituto = 0xED;  // the first byte of every encoded surrogate

// The characters below 161 that change, in the order of their codes.
struct Sueltos {
    static constexpr std::size_t Maximo = 7;  // CR, LF, blank and the four reserved characters
    std::array<char16_t, Maximo> Codigos{};
    std::size_t Cuantos = 0;
    constexpr std::u16string_view Vista() const { return {Codigos.data(), Cuantos}; }
};

// What every character below 256 becomes under one option word, in units of
// the text. A character that does not change has its own form: one unit, or
// in UTF-8 the two bytes of a character from 128 up. In UTF-8 the codes from
// 256 on are those of Vectores::CodigosUtf8: a byte as it is, and nothing.
template <typename Unidad>
class TablaCodificacion {
public:
    static constexpr std::size_t Entradas = EsUtf8<Unidad> ? 513 : 256;

    constexpr explicit TablaCodificacion(int opciones) : quitaLF_(opciones & OpcionSaltos)
    {
        for (unsigned c = 0; c < 256; ++c) {
            largo_[c] = std::uint8_t(PonCaracter(c, reemplazo_[c].Texto) - reemplazo_[c].Texto);
            propio_[c] = largo_[c];
        }
        for (std::size_t c = 256; c < Entradas - 1; ++c) {
            reemplazo_[c].Texto[0] = Unidad(c - 256);
            largo_[c] = 1;
        }
        for (std::size_t i = 0; i < Entidades.size(); ++i) {
            if (!Entidades[i].Especial || (opciones & OpcionEntidadesHtml))
                Asigna(char16_t(Entidades[i].Codigo),
                       (opciones & OpcionUnicode) ? Numericos[i].Vista() : Entidades[i].Texto);
        }
        if (opciones & OpcionSaltos) {
            Asigna(LF, u"");
            Asigna(CR, !(opciones & OpcionCRtrasBR) ? u"<BR>"
                       : (opciones & OpcionSoloCR)  ? u"<BR>\r"
                                                    : u"<BR>\r\n");
        }
        if (opciones & OpcionEspacios)
            Asigna(u' ', u"&nbsp;");
    }

    constexpr bool Cambia(char16_t c) const { return cambia_[c]; }
    // How much longer c's replacement is than c's own form.
    constexpr int Crece(char16_t c) const { return int(largo_[c]) - int(propio_[c]); }
    // Whether LF is removed, and so may join two surrogates (UTF-8 only).
    constexpr bool QuitaLF() const { return EsUtf8<Unidad> && quitaLF_; }

    // Every one from 161 to 255 changes.
    constexpr Sueltos CambianBajo161() const
    {
        Sueltos s;
        for (int c = 0; c < 161; ++c) {
            if (Cambia(char16_t(c))) {
                assert(s.Cuantos < Sueltos::Maximo);
                s.Codigos[s.Cuantos++] = char16_t(c);
            }
        }
        return s;
    }

    // Writes what c (below 256) becomes at w; always stores LargoMaximo units.
    Unidad *Escribe(unsigned c, Unidad *w) const
    {
        Guarda(c, w);
        return w + largo_[c];
    }

    // Maps the character at p (p < fin) to w, and returns where the next one
    // begins. Notes at `une` a removed LF before a byte 0xED.
    const Unidad *MapeaUno(const Unidad *p, const Unidad *fin, Unidad *&w, bool &une) const
    {
        const unsigned c = Codigo(*p);
        if constexpr (EsUtf8<Unidad>) {
            if (c < 0x80) {
                w = Escribe(c, w);
                une |= c == LF && QuitaLF() && p + 1 != fin && Codigo(p[1]) == PrimeroSustituto;
                return p + 1;
            }
            // 0xC2 or 0xC3 and a continuation byte: a character from 128 to 255.
            if ((c & 0xFE) == 0xC2 && p + 1 != fin && (Codigo(p[1]) & 0xC0) == 0x80) {
                w = Escribe((c & 1) << 6 | 0x80 | (Codigo(p[1]) & 0x3F), w);
                return p + 2;
            }
            *w++ = *p;
            return p + 1;
        } else {
            if (c < 256)
                w = Escribe(c, w);
            else
                *w++ = *p;
            return p + 1;
        }
    }

    // Four units below 256 (UTF-8: ASCII), or four codes of CodigosUtf8. Each
    // store's place is summed from the lengths alone, so it need not wait for
    // the store before it.
    template <typename Codigo>
    Unidad *EscribeCuatro(const Codigo *p, Unidad *w) const
    {
        std::uint64_t x = 0;  // the four in one load
        std::memcpy(&x, p, 4 * sizeof(Codigo));
        constexpr int Ancho = 8 * int(sizeof(Codigo));
        const auto c = [x](int i) { return unsigned(x >> (Ancho * i)) & ((1u << Ancho) - 1); };
        const std::uint32_t a = largo_[c(0)], ab = a + largo_[c(1)], abc = ab + largo_[c(2)];
        Guarda(c(0), w);
        Guarda(c(1), w + a);
        Guarda(c(2), w + ab);
        Guarda(c(3), w + abc);
        return w + (abc + largo_[c(3)]);
    }

private:
    // A replacement padded to LargoMaximo units, so it is stored in one move.
    struct alignas(LargoMaximo * sizeof(Unidad)) Reemplazo {
        Unidad Texto[LargoMaximo]{};
    };

    void Guarda(unsigned c, Unidad *w) const { std::memcpy(w, reemplazo_[c].Texto, sizeof(Reemplazo)); }

    constexpr void Asigna(char16_t c, std::u16string_view texto)
    {
        assert(texto.size() <= LargoMaximo);
        for (std::size_t i = 0; i < texto.size(); ++i)
            reemplazo_[c].Texto[i] = Unidad(texto[i]);  // ASCII in every replacement
        largo_[c] = std::uint8_t(texto.size());
        cambia_[c] = true;
    }

    std::array<Reemplazo, Entradas> reemplazo_{};
    std::array<std::uint8_t, Entradas> largo_{};
    std::array<std::uint8_t, 256> propio_{};  // the length of each character's own form
    std::array<bool, 256> cambia_{};
    bool quitaLF_;
};

// How long the result can be, and how many characters change.
struct Recuento {
    std::size_t Cota = 0;     // at least the length of the result
    std::size_t Cambian = 0;  // about how many characters change
};

// Whether Latin1 marks the unit c (see Vectores.h): the codes 161-255, or in
// UTF-8 the first bytes of the codes 128-255.
template <typename Unidad>
constexpr bool EsLatin1(Unidad c)
{
    return EsUtf8<Unidad> ? (Codigo(c) & 0xFE) == 0xC2 : Codigo(c) >= 161 && Codigo(c) < 256;
}

// The bound is counted with three classes, so that one pass needs few tests
// per step. Each unit is counted at no less than its growth g and at no more
// than 3 + 3 g, so input plus reserve stays below three times input plus
// output (summed: n + n + 3 n + 3 (out - n) = 2 n + 3 out):
//   - the codes 161-255, at the largest growth among them; in UTF-8 each
//     first byte 0xC2 or 0xC3 at that growth (at most 6, which counts the
//     two bytes of a character from 128 to 160, which does not grow, at no
//     more than three each);
//   - the single codes that grow by 4 or 5 (blank, '"', '&', CR followed by
//     something, numeric '<' and '>'), each tested exactly, at the largest
//     of their growths;
//   - those that grow by 3 (named '<' and '>', CR alone): every code from the
//     smallest of them to the largest, at 3; a code in between that does not
//     grow is counted at 3, one already counted above at 3 more.
// LF, which shrinks, is not counted.
template <typename Unidad>
class Medida {
public:
    static constexpr int MaximoGrandes = 6;  // blank, CR and the four reserved characters
    static_assert(MaximoGrandes == 6, "Mide has one case per even count up to it");

    constexpr explicit Medida(const TablaCodificacion<Unidad> &tabla)
    {
        for (int c = 161; c < 256; ++c)
            pesoLatin1_ = std::max(pesoLatin1_, tabla.Crece(char16_t(c)));
        int desde = 256, hasta = -1;
        for (int c = 2; c < 161; ++c) {
            const int crece = tabla.Crece(char16_t(c));
            if (crece >= 4) {
                assert(cuantosGrandes_ < MaximoGrandes);
                grandes_[cuantosGrandes_++] = char16_t(c);
                pesoGrandes_ = std::max(pesoGrandes_, crece);
            } else if (crece > 0) {
                desde = std::min(desde, c);
                hasta = std::max(hasta, c);
                pesoRango_ = std::max(pesoRango_, crece);
            }
        }
        desde_ = char16_t(pesoRango_ ? desde : 1);  // an empty range: from 1 to 0
        hasta_ = char16_t(pesoRango_ ? hasta : 0);
    }

    constexpr int Grandes() const { return cuantosGrandes_; }
    constexpr char16_t Hasta() const { return hasta_; }

    Recuento Mide(const Unidad *p, const Unidad *const fin) const
    {
        // Classes that do not occur are left out of the loop altogether.
        switch ((cuantosGrandes_ + 1) / 2 * 2 + (pesoRango_ ? 1 : 0)) {
        case 0: return Mide<0, false>(p, fin);
        case 1: return Mide<0, true>(p, fin);
        case 2: return Mide<2, false>(p, fin);
        case 3: return Mide<2, true>(p, fin);
        case 4: return Mide<4, false>(p, fin);
        case 5: return Mide<4, true>(p, fin);
        case 6: return Mide<6, false>(p, fin);
        default: return Mide<MaximoGrandes, true>(p, fin);
        }
    }

private:
    template <int Grandes, bool ConRango>
    Recuento Mide(const Unidad *p, const Unidad *const fin) const
    {
        const std::size_t largo = std::size_t(fin - p);
        const std::u16string_view grandes(grandes_.data(), std::size_t(cuantosGrandes_));
        Vectores::Conteo n = V<Unidad>::template Cuenta<Grandes, ConRango>(p, fin, grandes, desde_, hasta_);
        for (; p != fin; ++p) {
            n.Latin1 += EsLatin1(*p);
            n.Grandes += grandes.find(char16_t(Codigo(*p))) != grandes.npos;
            n.Rango += Codigo(*p) >= desde_ && Codigo(*p) <= hasta_;
        }
        return {largo + n.Latin1 * std::size_t(pesoLatin1_) + n.Grandes * std::size_t(pesoGrandes_) +
                    n.Rango * std::size_t(pesoRango_),
                n.Latin1 + n.Grandes + n.Rango};
    }

    int pesoLatin1_ = 0;
    int pesoGrandes_ = 0;
    int pesoRango_ = 0;
    std::array<char16_t, MaximoGrandes> grandes_{};
    int cuantosGrandes_ = 0;
    char16_t desde_ = 0;
    char16_t hasta_ = 0;
};

// The fixed sizes above, and the vector code's need for single codes below
// TopeSueltos, hold for every option word (the bits above 32 play no part):
// building each table and its measure while compiling fails on any overrun.
// Eight words per evaluation keep within clang's constexpr step limit.
template <typename Unidad>
constexpr bool CabenLasOpciones(int desde)
{
    for (int opciones = desde; opciones < desde + 8; ++opciones) {
        const TablaCodificacion<Unidad> tabla(opciones);
        const Sueltos sueltos = tabla.CambianBajo161();
        for (char16_t c : sueltos.Vista()) {
            if (c < 2 || c >= Vectores::TopeSueltos)
                return false;
        }
        if (Medida<Unidad>(tabla).Hasta() >= Vectores::TopeSueltos)
            return false;
    }
    return true;
}
template <typename Unidad, int Desde>
constexpr bool Caben = CabenLasOpciones<Unidad>(Desde);
template <typename Unidad>
constexpr bool CabenTodas = Caben<Unidad, 0> && Caben<Unidad, 8> && Caben<Unidad, 16> && Caben<Unidad, 24> &&
                            Caben<Unidad, 32> && Caben<Unidad, 40> && Caben<Unidad, 48> && Caben<Unidad, 56>;
static_assert(CabenTodas<char16_t> && CabenTodas<char>);

// At most two bits set.
template <typename Marcas>
inline bool Pocas(Marcas marcas)
{
    marcas &= marcas - 1;
    return (marcas & (marcas - 1)) == 0;
}

// Maps [p, tope) to w, advances p past what it read (in UTF-8 one byte past
// tope when a character straddles it) and returns the end of what it wrote.
// The text goes on to fin, and the steps may read ahead up to there.
//
// Dense text (most steps with something to change) maps every character:
// testing each step for marks would cost more than it saves. Sparse text
// copies unmarked steps whole and handles one or two marks one by one.
template <typename Unidad, int N>
Unidad *MapeaTramo(const Unidad *&p, const Unidad *const tope, const Unidad *const fin, Unidad *w,
                   const typename V<Unidad>::template Clases<N> &clases, const TablaCodificacion<Unidad> &tabla,
                   bool denso, bool &une)
{
    using J = V<Unidad>;
    constexpr std::size_t Paso = J::Paso;
    // A step may copy a whole step from any point of its own.
    const Unidad *const ultimo = std::size_t(fin - p) >= 2 * Paso ? std::min(tope, fin - (2 * Paso - 1)) : p;
    while (p < ultimo) {
        const typename J::Bloque b = J::Carga(p);
        if (!denso) {
            typename J::Marcas marcas = clases.Marca(b);
            if (marcas == 0) {
                J::Copia(p, w);
                w += Paso;
                p += Paso;
                continue;
            }
            if (Pocas(marcas)) {
                // Each mark: the run before it unchanged, then its replacement.
                // A UTF-8 character may take the first unit of the next step.
                const Unidad *q = p;
                do {
                    const Unidad *h = p + J::Indice(marcas);
                    J::Copia(q, w);
                    w += h - q;
                    q = tabla.MapeaUno(h, fin, w, une);
                } while ((marcas &= marcas - 1) != 0);
                if (q < p + Paso) {
                    J::Copia(q, w);
                    w += p + Paso - q;
                    q = p + Paso;
                }
                p = q;
                continue;
            }
        }
        if constexpr (EsUtf8<Unidad>) {
            // Each byte's code, a character from 128 to 255 as one, looked up
            // as UTF-16 units are; the step may take one byte more.
            std::uint16_t codigos[Paso];
            bool lf = false;
            const std::size_t leidos = J::Codigos(p, codigos, lf);
            for (std::size_t i = 0; i < Paso; i += 4)
                w = tabla.EscribeCuatro(codigos + i, w);
            une |= lf && tabla.QuitaLF();
            p += leidos;
        } else if (J::HayAltos(b)) {
            for (const Unidad *const paso = p + Paso; p < paso;)
                p = tabla.MapeaUno(p, fin, w, une);
        } else {
            for (std::size_t i = 0; i < Paso; i += 4)
                w = tabla.EscribeCuatro(p + i, w);
            p += Paso;
        }
    }
    while (p < tope)
        p = tabla.MapeaUno(p, fin, w, une);
    return w;
}

// The first reserve, and whether the text is dense (on average two or more
// characters to change in every sixteen).
//
// A destination with room for the longest possible result needs no reserve:
// only a sample is looked at, for the density. Otherwise a text of up to two
// samples is measured. A longer one has every unit but LF write at least one
// unit, so the result is at least `piso` long (n less its LFs), and a reserve
// of up to 4 piso keeps input plus reserve below three times input plus
// result. That leaves room to guess from the first characters and spare the
// long text a pass: if a block then does not fit, the rest of the text is
// measured and the result moved once to a reserve that holds it all (see
// Salida::Asegura).
struct Plan {
    std::size_t Reserva = 0;
    bool Denso = false;
    bool Exacto = false;  // Reserva is a bound, not a guess
};

template <typename Unidad>
Plan Planea(const Unidad *inicio, const Unidad *fin, const TablaCodificacion<Unidad> &tabla, std::size_t sitio)
{
    constexpr std::size_t Muestra = 65536, MuestraDensidad = 4096;
    const std::size_t n = std::size_t(fin - inicio);
    const Medida<Unidad> medida(tabla);
    if (sitio >= LargoMaximo * (n + 3) + Holgura) {
        const std::size_t m = std::min(n, MuestraDensidad);
        return {0, medida.Mide(inicio, inicio + m).Cambian * 8 >= m, true};
    }
    if (n <= 2 * Muestra) {
        const Recuento r = medida.Mide(inicio, fin);
        return {r.Cota, r.Cambian * 8 >= n, true};
    }
    std::size_t piso = n;
    if (tabla.Crece(LF) < 0) {
        const Unidad *p = inicio;
        const Vectores::Conteo lf = V<Unidad>::template Cuenta<2, false>(p, fin, u"\n", 1, 0);
        piso -= lf.Grandes + std::size_t(std::count(p, fin, Unidad(LF)));
    }
    const Recuento r = medida.Mide(inicio, inicio + Muestra);
    const std::size_t crece = (r.Cota - Muestra) * (n / Muestra + 1);  // the sample's growth, scaled up
    return {std::min(n + crece + crece / 16 + 1024, 4 * piso), r.Cambian * 8 >= Muestra, false};
}

template <typename Unidad, int N>
void CodificaCon(std::basic_string_view<Unidad> origen, std::u16string_view sueltos,
                 const TablaCodificacion<Unidad> &tabla, std::basic_string<Unidad> &destino)
{
    const Unidad *const inicio = origen.data();
    const Unidad *const fin = inicio + origen.size();
    const Plan plan = Planea(inicio, fin, tabla, destino.capacity() - destino.size());
    const typename V<Unidad>::template Clases<N> clases(sueltos);

    const std::size_t antes = destino.size();
    bool une = false;
    SalidaHTML<Unidad> salida(destino, plan.Reserva);
    for (const Unidad *p = inicio; p != fin;) {
        const Unidad *tope = p + std::min(std::size_t(fin - p), BloqueTexto);
        Unidad *hecho = MapeaTramo<Unidad, N>(p, tope, fin, salida.Bloque(), clases, tabla, plan.Denso, une);
        if (!plan.Exacto)
            salida.Asegura(hecho, [&] { return Medida<Unidad>(tabla).Mide(p, fin).Cota; });
        salida.Anade(hecho);
    }
    if constexpr (EsUtf8<Unidad>) {
        if (une)
            destino.resize(antes + Codificaciones::UneSustitutos(destino.data() + antes, destino.size() - antes));
    }
}

// Whether the three bytes at p are an encoded surrogate of the half whose
// second byte is 0xA0-0xAF (high) or 0xB0-0xBF (low).
bool EsSustituto(const char *p, unsigned mitad)
{
    return Codigo(p[0]) == PrimeroSustituto && (Codigo(p[1]) & 0xF0) == mitad && (Codigo(p[2]) & 0xC0) == 0x80;
}

// UTF-16 maps each unit alone, so any cut will do and nothing waits. In UTF-8
// a character cut by the end of a piece waits for the rest of its bytes (at
// most three), and, with LF removal, an encoded high surrogate that ends the
// result waits for what follows (three bytes): only LFs, which vanish, may
// come before an encoded low surrogate that would join it into a pair.
template <typename Unidad>
class EtapaCodificacion final : public Etapa<Unidad> {
public:
    explicit EtapaCodificacion(int opciones) : opciones_(opciones) {}

    void Anade(std::basic_string_view<Unidad> trozo, std::basic_string<Unidad> &destino) override
    {
        if constexpr (!EsUtf8<Unidad>) {
            CodificaTexto(trozo, opciones_, destino);
        } else {
            const std::size_t desde = destino.size();
            if (std::exchange(hayAlto_, false))
                destino.append(alto_, 3);
            if (cuantos_ != 0) {
                // The rest of the waiting character: the continuation bytes it lacks.
                const std::size_t largo = LargoDe(Codigo(pendiente_[0]));
                while (cuantos_ < largo && !trozo.empty() && (Codigo(trozo.front()) & 0xC0) == 0x80) {
                    pendiente_[cuantos_++] = trozo.front();
                    trozo.remove_prefix(1);
                }
                if (cuantos_ < largo && trozo.empty()) {
                    Retiene(destino, desde);
                    return;
                }
                Convierte({pendiente_, std::exchange(cuantos_, 0)}, destino, desde);
            }
            const std::size_t corte = InicioSinAcabar(trozo);
            Convierte(trozo.substr(0, corte), destino, desde);
            cuantos_ = trozo.size() - corte;
            std::copy(trozo.begin() + std::ptrdiff_t(corte), trozo.end(), pendiente_);
            Retiene(destino, desde);
        }
    }

    void Termina(std::basic_string<Unidad> &destino) override
    {
        if constexpr (EsUtf8<Unidad>) {
            const std::size_t desde = destino.size();
            if (std::exchange(hayAlto_, false))
                destino.append(alto_, 3);
            Convierte({pendiente_, std::exchange(cuantos_, 0)}, destino, desde);
        }
    }

    std::size_t Retenidas() const override { return cuantos_ + (hayAlto_ ? 3 : 0); }

private:
    // The bytes of the character a first byte begins; 1 for any other byte.
    static std::size_t LargoDe(unsigned b) { return b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1; }

    // Where the character that the piece ends inside begins, or its end.
    static std::size_t InicioSinAcabar(std::basic_string_view<Unidad> trozo)
    {
        for (std::size_t atras = 1; atras <= std::min<std::size_t>(3, trozo.size()); ++atras) {
            const unsigned b = Codigo(trozo[trozo.size() - atras]);
            if ((b & 0xC0) != 0x80)
                return LargoDe(b) > atras ? trozo.size() - atras : trozo.size();
        }
        return trozo.size();
    }

    // Converts a piece after the result so far, and joins two surrogates met
    // at the seam (within the piece the conversion joins them itself).
    void Convierte(std::basic_string_view<Unidad> trozo, std::basic_string<Unidad> &destino, std::size_t desde)
    {
        const std::size_t costura = destino.size();
        CodificaTexto(trozo, opciones_, destino);
        if (QuitaLF() && costura >= desde + 3 && destino.size() >= costura + 3 &&
            EsSustituto(&destino[costura - 3], 0xA0) && EsSustituto(&destino[costura], 0xB0)) {
            Unidad par[6];
            std::copy_n(&destino[costura - 3], 6, par);
            destino.replace(costura - 3, 6, par, Codificaciones::UneSustitutos(par, 6));
        }
    }

    // Keeps an encoded high surrogate that ends this piece's result.
    void Retiene(std::basic_string<Unidad> &destino, std::size_t desde)
    {
        if (QuitaLF() && destino.size() >= desde + 3 && EsSustituto(&destino[destino.size() - 3], 0xA0)) {
            std::copy_n(&destino[destino.size() - 3], 3, alto_);
            destino.resize(destino.size() - 3);
            hayAlto_ = true;
        }
    }

    bool QuitaLF() const { return opciones_ & OpcionSaltos; }

    const int opciones_;
    Unidad pendiente_[4]{};  // a character the last piece ended inside (three bytes at most), completed
    std::size_t cuantos_ = 0;
    Unidad alto_[3]{};       // an encoded high surrogate
    bool hayAlto_ = false;
};

}  // namespace

template <typename Unidad>
std::unique_ptr<Etapa<Unidad>> EtapaTextoAHTML(int opciones)
{
    return std::make_unique<EtapaCodificacion<Unidad>>(opciones);
}

template std::unique_ptr<Etapa<char16_t>> EtapaTextoAHTML(int);
template std::unique_ptr<Etapa<char>> EtapaTextoAHTML(int);

template <typename Unidad>
void CodificaTexto(std::basic_string_view<Unidad> origen, int opciones, std::basic_string<Unidad> &destino)
{
    const TablaCodificacion<Unidad> tabla(opciones);
    const Sueltos sueltos = tabla.CambianBajo161();
    const std::u16string_view s = sueltos.Vista();
    // One instance per number of single codes keeps their tests in registers.
    static_assert(Sueltos::Maximo == 7, "one case per count");
    switch (sueltos.Cuantos) {
    case 0: return CodificaCon<Unidad, 0>(origen, s, tabla, destino);
    case 1: return CodificaCon<Unidad, 1>(origen, s, tabla, destino);
    case 2: return CodificaCon<Unidad, 2>(origen, s, tabla, destino);
    case 3: return CodificaCon<Unidad, 3>(origen, s, tabla, destino);
    case 4: return CodificaCon<Unidad, 4>(origen, s, tabla, destino);
    case 5: return CodificaCon<Unidad, 5>(origen, s, tabla, destino);
    case 6: return CodificaCon<Unidad, 6>(origen, s, tabla, destino);
    default: return CodificaCon<Unidad, Sueltos::Maximo>(origen, s, tabla, destino);
    }
}

template void CodificaTexto(std::u16string_view, int, std::u16string &);
template void CodificaTexto(std::string_view, int, std::string &);

}  // namespace ConversionesTextoHTML
