// Text to HTML.
//
// Why one pass gives the result of the whole sequence of replace-alls: every
// replacement is made of '&', '#', ';', letters, digits, '<', 'B', 'R', '>',
// CR and LF, and '&' is handled first; no later operation looks for a
// character that an earlier one wrote (LF is removed before CR writes one,
// and "&nbsp;" has no blank). So each character is simply mapped, and a
// character that maps to itself may be copied in bulk.

#include "Comun.h"
#include "Vectores.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace ConversionesTextoHTML {
namespace {

using V = Vectores::Juego;  // the vector helpers of this machine

constexpr std::size_t LargoMaximo = 8;  // the longest replacement, "&plusmn;"
constexpr std::size_t BloqueTexto = 4096;  // input characters per block
using SalidaHTML = Salida<LargoMaximo * BloqueTexto + Holgura>;

// The characters below 161 that change, in the order of their codes.
struct Sueltos {
    static constexpr std::size_t Maximo = 7;  // CR, LF, blank and the four reserved characters
    std::array<char16_t, Maximo> Codigos{};
    std::size_t Cuantos = 0;
    constexpr std::u16string_view Vista() const { return {Codigos.data(), Cuantos}; }
};

// What every character below 256 becomes under one option word.
class TablaCodificacion {
public:
    constexpr explicit TablaCodificacion(int opciones)
    {
        for (int c = 0; c < 256; ++c)
            Asigna(char16_t(c), std::u16string_view(&(reemplazo_[c].Texto[0] = char16_t(c)), 1));
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

    constexpr bool Cambia(char16_t c) const { return largo_[c] != 1 || reemplazo_[c].Texto[0] != c; }
    constexpr int Crece(char16_t c) const { return int(largo_[c]) - 1; }

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

    // Writes what c (below 256) becomes at w; always stores 8 characters.
    char16_t *Escribe(char16_t c, char16_t *w) const
    {
        Guarda(c, w);
        return w + largo_[c];
    }

    // The same for any character.
    char16_t *EscribeCualquiera(char16_t c, char16_t *w) const
    {
        if (c < 256)
            return Escribe(c, w);
        *w = c;
        return w + 1;
    }

    // Four characters below 256. Each store's place is summed from the
    // lengths alone, so it need not wait for the store before it.
    char16_t *EscribeCuatro(const char16_t *p, char16_t *w) const
    {
        std::uint64_t x;  // the four in one load
        std::memcpy(&x, p, sizeof x);
        const auto c = [x](int i) { return char16_t(x >> (16 * i)); };
        const std::uint32_t a = largo_[c(0)], ab = a + largo_[c(1)], abc = ab + largo_[c(2)];
        Guarda(c(0), w);
        Guarda(c(1), w + a);
        Guarda(c(2), w + ab);
        Guarda(c(3), w + abc);
        return w + (abc + largo_[c(3)]);
    }

private:
    // A replacement padded to 16 bytes, so it is stored in one move.
    struct alignas(16) Reemplazo {
        char16_t Texto[LargoMaximo]{};
    };

    void Guarda(char16_t c, char16_t *w) const { std::memcpy(w, reemplazo_[c].Texto, sizeof(Reemplazo)); }

    constexpr void Asigna(char16_t c, std::u16string_view texto)
    {
        assert(texto.size() <= LargoMaximo);
        std::copy(texto.begin(), texto.end(), reemplazo_[c].Texto);
        largo_[c] = std::uint8_t(texto.size());
    }

    std::array<Reemplazo, 256> reemplazo_{};
    std::array<std::uint8_t, 256> largo_{};
};

// How long the result can be, and how many characters change.
struct Recuento {
    std::size_t Cota = 0;     // at least the length of the result
    std::size_t Cambian = 0;  // about how many characters change
};

// The bound is counted with three classes, so that one pass needs few tests
// per step. Each character is counted at no less than its growth g and at no
// more than 3 + 3 g, so input plus reserve stays below three times input plus
// output (summed: n + n + 3 n + 3 (out - n) = 2 n + 3 out):
//   - the codes 161-255, at the largest growth among them;
//   - the single codes that grow by 4 or 5 (blank, '"', '&', CR followed by
//     something, numeric '<' and '>'), each tested exactly, at the largest
//     of their growths;
//   - those that grow by 3 (named '<' and '>', CR alone): every code from the
//     smallest of them to the largest, at 3; a code in between that does not
//     grow is counted at 3, one already counted above at 3 more.
// LF, which shrinks, is not counted.
class Medida {
public:
    static constexpr int MaximoGrandes = 6;  // blank, CR and the four reserved characters
    static_assert(MaximoGrandes == 6, "Mide has one case per even count up to it");

    constexpr explicit Medida(const TablaCodificacion &tabla)
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

    Recuento Mide(const char16_t *p, const char16_t *const fin) const
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
    Recuento Mide(const char16_t *p, const char16_t *const fin) const
    {
        const std::size_t largo = std::size_t(fin - p);
        const std::u16string_view grandes(grandes_.data(), std::size_t(cuantosGrandes_));
        Vectores::Conteo n = V::Cuenta<Grandes, ConRango>(p, fin, grandes, desde_, hasta_);
        for (; p != fin; ++p) {
            n.Latin1 += *p >= 161 && *p < 256;
            n.Grandes += grandes.find(*p) != grandes.npos;
            n.Rango += *p >= desde_ && *p <= hasta_;
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
constexpr bool CabenLasOpciones(int desde)
{
    for (int opciones = desde; opciones < desde + 8; ++opciones) {
        const TablaCodificacion tabla(opciones);
        const Sueltos sueltos = tabla.CambianBajo161();
        for (char16_t c : sueltos.Vista()) {
            if (c < 2 || c >= Vectores::TopeSueltos)
                return false;
        }
        if (Medida(tabla).Hasta() >= Vectores::TopeSueltos)
            return false;
    }
    return true;
}
template <int Desde>
constexpr bool Caben = CabenLasOpciones(Desde);
static_assert(Caben<0> && Caben<8> && Caben<16> && Caben<24> && Caben<32> && Caben<40> && Caben<48> && Caben<56>);

// At most two bits set.
inline bool Pocas(V::Marcas marcas)
{
    marcas &= marcas - 1;
    return (marcas & (marcas - 1)) == 0;
}

// Maps [p, tope) to w and returns the end of what it wrote. The text goes on
// to fin, and the steps may read ahead up to there.
//
// Dense text (most steps with something to change) maps every character:
// testing each step for marks would cost more than it saves. Sparse text
// copies unmarked steps whole and handles one or two marks one by one.
template <int N>
char16_t *MapeaTramo(const char16_t *p, const char16_t *const tope, const char16_t *const fin, char16_t *w,
                     const V::Clases<N> &clases, const TablaCodificacion &tabla, bool denso)
{
    // A step may copy a whole step from any point of its own.
    const char16_t *const ultimo = std::size_t(fin - p) >= 2 * V::Paso ? std::min(tope, fin - (2 * V::Paso - 1)) : p;
    for (; p < ultimo; p += V::Paso) {
        const V::Bloque b = V::Carga(p);
        if (!denso) {
            V::Marcas marcas = clases.Marca(b);
            if (marcas == 0) {
                V::Copia(p, w);
                w += V::Paso;
                continue;
            }
            if (Pocas(marcas)) {
                // Each mark: the run before it unchanged, then its replacement.
                const char16_t *q = p;
                do {
                    const char16_t *h = p + V::Indice(marcas);
                    V::Copia(q, w);
                    w += h - q;
                    w = tabla.Escribe(*h, w);
                    q = h + 1;
                } while ((marcas &= marcas - 1) != 0);
                V::Copia(q, w);
                w += p + V::Paso - q;
                continue;
            }
        }
        if (V::HayAltos(b)) {
            for (std::size_t i = 0; i < V::Paso; ++i)
                w = tabla.EscribeCualquiera(p[i], w);
        } else {
            for (std::size_t i = 0; i < V::Paso; i += 4)
                w = tabla.EscribeCuatro(p + i, w);
        }
    }
    for (; p < tope; ++p)
        w = tabla.EscribeCualquiera(*p, w);
    return w;
}

// The first reserve, and whether the text is dense (on average two or more
// characters to change in every sixteen).
//
// With line breaks on, LF vanishes and the result may be shorter than the
// input, so the whole text is measured. Without them nothing shrinks, so the
// result is at least n long, and a reserve of up to 4 n keeps input plus
// reserve below three times input plus result. That leaves room to guess
// from the first characters and spare the long text a pass: if a block then
// does not fit, the rest of the text is measured and the result moved once
// to a reserve that holds it all (see Salida::Asegura).
struct Plan {
    std::size_t Reserva = 0;
    bool Denso = false;
    bool Exacto = false;  // Reserva is a bound, not a guess
};

Plan Planea(const char16_t *inicio, const char16_t *fin, const TablaCodificacion &tabla, bool encoge)
{
    constexpr std::size_t Muestra = 65536;
    const std::size_t n = std::size_t(fin - inicio);
    if (encoge || n <= 2 * Muestra) {
        const Recuento r = Medida(tabla).Mide(inicio, fin);
        return {r.Cota, r.Cambian * 8 >= n, true};
    }
    const Recuento r = Medida(tabla).Mide(inicio, inicio + Muestra);
    const std::size_t crece = (r.Cota - Muestra) * (n / Muestra + 1);  // the sample's growth, scaled up
    return {std::min(n + crece + crece / 16 + 1024, 4 * n), r.Cambian * 8 >= Muestra, false};
}

template <int N>
std::u16string CodificaCon(std::u16string_view origen, std::u16string_view sueltos, const TablaCodificacion &tabla,
                           bool encoge)
{
    const char16_t *const inicio = origen.data();
    const char16_t *const fin = inicio + origen.size();
    const Plan plan = Planea(inicio, fin, tabla, encoge);
    const V::Clases<N> clases(sueltos);

    SalidaHTML salida(plan.Reserva);
    for (const char16_t *p = inicio; p != fin;) {
        const char16_t *tope = p + std::min(std::size_t(fin - p), BloqueTexto);
        char16_t *hecho = MapeaTramo<N>(p, tope, fin, salida.Bloque(), clases, tabla, plan.Denso);
        if (!plan.Exacto)
            salida.Asegura(hecho, [&] { return Medida(tabla).Mide(tope, fin).Cota; });
        salida.Anade(hecho);
        p = tope;
    }
    return std::move(salida).Resultado();
}

}  // namespace

std::u16string CodificaTexto(std::u16string_view origen, int opciones)
{
    const TablaCodificacion tabla(opciones);
    const Sueltos sueltos = tabla.CambianBajo161();
    const std::u16string_view s = sueltos.Vista();
    const bool encoge = opciones & OpcionSaltos;  // LF vanishes
    // One instance per number of single codes keeps their tests in registers.
    static_assert(Sueltos::Maximo == 7, "one case per count");
    switch (sueltos.Cuantos) {
    case 0: return CodificaCon<0>(origen, s, tabla, encoge);
    case 1: return CodificaCon<1>(origen, s, tabla, encoge);
    case 2: return CodificaCon<2>(origen, s, tabla, encoge);
    case 3: return CodificaCon<3>(origen, s, tabla, encoge);
    case 4: return CodificaCon<4>(origen, s, tabla, encoge);
    case 5: return CodificaCon<5>(origen, s, tabla, encoge);
    case 6: return CodificaCon<6>(origen, s, tabla, encoge);
    default: return CodificaCon<Sueltos::Maximo>(origen, s, tabla, encoge);
    }
}

}  // namespace ConversionesTextoHTML
