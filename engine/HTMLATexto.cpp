// SPDX-License-Identifier: GPL-3.0-or-later
// HTML to text.
//
// Why one pass gives the result of the whole sequence of replace-alls: apart
// from "&amp;" and "&#38;", every reference decodes to a character that is
// not '&', ';', a letter, a digit or '#', so it can neither start, complete
// nor break another reference; those 194 operations act on disjoint '&'...';'
// runs and fuse into one lookup per run. "&amp;", "&#38;" and the four "<BR>"
// operations do cascade, so they run as exact streaming replace-alls chained
// behind each other; the fast paths below only skip work when every stage of
// that chain is idle and the text ahead cannot cascade.
//
// Why any cut into pieces gives the whole text's result (Flujo): a stage
// passes a unit on as soon as it cannot be part of a match, and holds back
// only its partial match; since the first unit of each pattern occurs once in
// it, a failed match can restart only at the unit that broke it, so no unit
// it passed on could have begun a match. The reference stage holds '&' and
// at most six body units. So after any prefix of the text the chain has
// written a prefix of the whole result, and what it holds (at most Retenidos
// units) is all that the rest of the text can still change; at the end each
// stage lets go of its partial match in turn (Termina). The fast paths decide
// as the chain would from the units they read: Ventanas reads only within its
// piece, and Atajo at most Vista units ahead, so near the end of a piece that
// is not the last the chain decides instead.
//
// The same code serves UTF-16 units and UTF-8 bytes: every pattern is ASCII,
// and no byte of a UTF-8 character beyond ASCII is ASCII, so such bytes pass
// every stage untouched. A decoded character from 128 up is written as its
// two bytes.

#include "Comun.h"
#include "Vectores.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace ConversionesTextoHTML {
namespace {

template <typename Unidad>
using V = Vectores::Juego<Unidad>;  // the vector helpers of this machine

// Every body between '&' and ';' in the table is made of these, at most six long.
constexpr bool EsCuerpo(unsigned c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'#';
}
constexpr std::size_t CuerpoMaximo = 6;

// One byte per character (all below 128), the length in the top byte.
template <typename Unidad>
constexpr std::uint64_t Clave(const Unidad *cuerpo, std::size_t largo)
{
    std::uint64_t clave = std::uint64_t(largo) << 56;
    for (std::size_t i = 0; i < largo; ++i)
        clave |= std::uint64_t(Codigo(cuerpo[i])) << (8 * i);
    return clave;
}

// A perfect hash from a reference's body to its character: a multiplier,
// found while compiling, under which every body of the table has a slot of
// its own, so a lookup is one load and one comparison. "nbsp" maps to the
// blank; "amp" and "#38" map to '&', which tells the caller that they are not
// fused: they run as their own stages.
class Referencias {
public:
    constexpr Referencias()
    {
        while (!Prueba(multiplicador_))
            multiplicador_ = (multiplicador_ + 0x4A8AE9229ED9BA3Au) | 1;
        for (const auto &[cuerpo, caracter] : Cuerpos()) {
            const std::uint64_t clave = Clave(cuerpo.data(), cuerpo.size());
            ranuras_[Ranura(clave)] = clave | std::uint64_t(caracter) << 48;
        }
    }

    // The character for a key from Clave or ClaveEn (bits 48-55 clear), or 0
    // when the table has none.
    constexpr char16_t Busca(std::uint64_t clave) const
    {
        const std::uint64_t ranura = ranuras_[Ranura(clave)];
        return (ranura & ~CampoCaracter) == clave ? char16_t(ranura >> 48 & 0xFF) : 0;
    }

private:
    static constexpr std::uint64_t CampoCaracter = std::uint64_t(0xFF) << 48;
    static constexpr int Bits = 12;

    struct Cuerpo {
        std::u16string_view Texto;
        char16_t Caracter;
    };

    // Every body: each entry's name and number, and "nbsp".
    static constexpr std::array<Cuerpo, 2 * Entidades.size() + 1> Cuerpos()
    {
        std::array<Cuerpo, 2 * Entidades.size() + 1> cuerpos{};
        for (std::size_t i = 0; i < Entidades.size(); ++i) {
            const auto &e = Entidades[i];
            const auto n = Numericos[i].Vista();
            cuerpos[2 * i] = {e.Texto.substr(1, e.Texto.size() - 2), char16_t(e.Codigo)};
            cuerpos[2 * i + 1] = {n.substr(1, n.size() - 2), char16_t(e.Codigo)};
        }
        cuerpos.back() = {u"nbsp", u' '};
        return cuerpos;
    }

    constexpr std::size_t Ranura(std::uint64_t clave) const
    {
        return std::size_t((clave * multiplicador_) >> (64 - Bits));
    }

    // Whether every body gets a slot of its own under the multiplier m.
    static constexpr bool Prueba(std::uint64_t m)
    {
        std::array<std::uint64_t, (1 << Bits) / 64> usadas{};
        for (const auto &cuerpo : Cuerpos()) {
            const std::size_t r = std::size_t((Clave(cuerpo.Texto.data(), cuerpo.Texto.size()) * m) >> (64 - Bits));
            if (usadas[r / 64] >> (r % 64) & 1)
                return false;
            usadas[r / 64] |= std::uint64_t(1) << (r % 64);
        }
        return true;
    }

    std::uint64_t multiplicador_ = 0x9E3779B97F4A7C15u;
    std::array<std::uint64_t, 1 << Bits> ranuras_{};
};

constexpr Referencias TablaReferencias;

// Copies runs of units that are neither of two triggers (ASCII codes from 2
// on), a step at a time.
template <typename Unidad>
class Buscador {
public:
    Buscador(char16_t a, char16_t b) : a_(a), b_(b) {}

    // Copies the units at p to w up to the first trigger, and returns where
    // it stopped. May write up to a step past w.
    const Unidad *Copia(const Unidad *p, const Unidad *fin, Unidad *&w) const
    {
        using J = V<Unidad>;
        for (; std::size_t(fin - p) >= J::Paso; p += J::Paso, w += J::Paso) {
            const typename J::Bloque b = J::Carga(p);
            J::Copia(p, w);
            if (const typename J::Marcas m = J::Iguales(b, a_) | J::Iguales(b, b_)) {
                const std::size_t i = J::Indice(m);
                w += i;
                return p + i;
            }
        }
        while (p != fin && Codigo(*p) != a_ && Codigo(*p) != b_)
            *w++ = *p++;
        return p;
    }

private:
    const char16_t a_;
    const char16_t b_;
};

// The key of the reference that may start at p ('&'), and its body's length:
// the units before the first ';' among the next seven, if one to six.
// Returns 0 when there is none.
template <typename Unidad>
std::uint64_t ClaveEn(const Unidad *p, const Unidad *fin, std::size_t &largo)
{
    const Unidad *const tope = p + std::min<std::ptrdiff_t>(fin - p, CuerpoMaximo + 2);
    const Unidad *const q = std::find(p + 1, tope, Unidad(';'));
    largo = std::size_t(q - p - 1);
    if (q == tope || largo == 0)
        return 0;
    if (fin - p >= 9)
        return V<Unidad>::Clave(p + 1, largo);
    for (const Unidad *c = p + 1; c != q; ++c) {
        if (!EsCuerpo(Codigo(*c)))
            return 0;
    }
    return Clave(p + 1, largo);
}

// Whether the units [p, fin) begin with the ASCII text t.
template <typename Unidad>
bool Empieza(const Unidad *p, const Unidad *fin, std::string_view t)
{
    if (std::size_t(fin - p) < t.size())
        return false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (Codigo(p[i]) != unsigned(t[i]))
            return false;
    }
    return true;
}

// The decoding chain: "&amp;" -> "&", "&#38;" -> "&", the fused references,
// then (with line breaks) the four "<BR>" operations. Each stage is an exact
// streaming replace-all that hands its output to the next one.
constexpr int EtapaReferencias = 2;
constexpr int EtapaBR = 3;
constexpr std::array<std::string_view, EtapaBR + 4> Patrones = {
    "&amp;", "&#38;", "", "<BR>\n\r", "<BR>\r\n", "<BR>\r", "<BR>",
};

// What the chain can hold back at once: every partial match and a reference
// body. Each stage's output is no longer than its input, so a block writes at
// most what it consumed and that.
constexpr std::size_t Retenidos = [] {
    std::size_t n = 1 + CuerpoMaximo;
    for (std::string_view patron : Patrones)
        n += patron.empty() ? 0 : patron.size() - 1;
    return n;
}();

constexpr std::size_t BloqueHTML = 16384;  // input units per block
template <typename Unidad>
using SalidaTexto = Salida<Unidad, BloqueHTML + 64 + Retenidos + Holgura>;  // 64: a block may end up to a map late

template <typename Unidad>
class Decodificador {
public:
    explicit Decodificador(int opciones)
        : espacios_(opciones & OpcionEspacios), saltos_(opciones & OpcionSaltos),
          salto_((opciones & OpcionSoloCR) ? "\r" : "\r\n")
    {
        for (int etapa = 0; etapa < int(etapas_.size()); ++etapa) {
            if (etapa != EtapaReferencias)
                etapas_[std::size_t(etapa)] = {Patrones[std::size_t(etapa)], etapa < EtapaBR ? "&" : salto_};
        }
        ultima_ = saltos_ ? EtapaBR + 4 : EtapaBR;
    }

    // Converts [p, fin), the text's last piece when `final`: only then is
    // what the chain holds back let go at the end.
    void Convierte(const Unidad *p, const Unidad *const fin, SalidaTexto<Unidad> &salida, bool final)
    {
        final_ = final;
        const Buscador<Unidad> disparador(u'&', saltos_ ? u'<' : u'&');
        while (p != fin) {
            // A block may end up to a map late (see Ventanas): shortcuts look ahead.
            const Unidad *tope = p + std::min(std::size_t(fin - p), BloqueHTML);
            w_ = salida.Bloque();
            while (p < tope && !Ocioso())
                Pasa(0, *p++);
            while (p < tope) {
                if ((p = Ventanas(p, tope, fin)) >= tope)
                    break;
                if ((p = disparador.Copia(p, tope, w_)) == tope)
                    break;
                if (const std::size_t hechos = Atajo(p, fin)) {
                    p += hechos;
                    continue;
                }
                // The chain, one unit at a time, until every stage is idle.
                do
                    Pasa(0, *p++);
                while (p < tope && !Ocioso());
            }
            salida.Anade(w_);
        }
        if (final) {
            w_ = salida.Bloque();
            Termina();
            salida.Anade(w_);
        }
    }

    // Units held back: a partial match in every stage, and a reference body.
    std::size_t Retenidas() const
    {
        std::size_t n = pendiente_;
        for (const Sustitucion &s : etapas_)
            n += s.Hechos;
        return n;
    }

private:
    struct Sustitucion {
        std::string_view Buscado;
        std::string_view Reemplazo;
        std::size_t Hechos = 0;  // length of the partial match held back
    };

    bool Ocioso() const
    {
        return pendiente_ == 0 &&
               std::all_of(etapas_.begin(), etapas_.end(), [](const Sustitucion &s) { return s.Hechos == 0; });
    }

    // Where the units '&', '<' (with line breaks on) and ';' are among
    // sixty-four, one bit each.
    struct Mapa {
        std::uint64_t Disparos = 0;
        std::uint64_t Fines = 0;
    };

    Mapa Cartografia(const Unidad *p) const
    {
        using J = V<Unidad>;
        Mapa m;
        for (std::size_t k = 0; k < 64; k += J::Paso) {
            const typename J::Bloque b = J::Carga(p + k);
            typename J::Marcas disparo = J::Iguales(b, u'&');
            if (saltos_)
                disparo |= J::Iguales(b, u'<');
            m.Disparos |= J::Bits(disparo) << k;
            m.Fines |= J::Bits(J::Iguales(b, u';')) << k;
        }
        return m;
    }

    // The fast path for text full of references, while every stage is idle:
    // one map per sixty-four units says where every '&' and ';' is, so
    // finding the next reference and its end needs no scan that waits for the
    // previous one. Handles plain references as Atajo does and stops, at the
    // trigger, at anything else (a '<', "&amp;", "&#38;", a reference to '<'),
    // or where fewer than Margen units are left: a map reads p[0, 64), a
    // trigger's key up to p[i + 9) for i up to 56, and copying a run from
    // within the map up to p[63 + Paso).
    static constexpr std::size_t Margen = 80;
    static_assert(Margen >= 63 + V<Unidad>::Paso && Margen >= 56 + 9);

    const Unidad *Ventanas(const Unidad *p, const Unidad *const tope, const Unidad *const fin)
    {
        using J = V<Unidad>;
        Unidad *w = w_;
        while (p < tope && std::size_t(fin - p) >= Margen) {
            const Mapa m = Cartografia(p);
            std::uint64_t disparos = m.Disparos;
            std::size_t hecho = 0;  // p[0, hecho) is written
            for (;;) {
                // A trigger past 56 may have its ';' beyond the map: the next map starts there.
                const std::size_t i = disparos ? std::size_t(std::countr_zero(disparos)) : 64;
                for (std::size_t k = hecho; k < std::min<std::size_t>(i, 64); k += J::Paso)
                    J::Copia(p + k, w + (k - hecho));
                w += std::min<std::size_t>(i, 64) - hecho;
                if (i > 56) {
                    p += std::min<std::size_t>(i, 64);
                    break;
                }
                if (Codigo(p[i]) != u'&') {
                    w_ = w;
                    return p + i;
                }
                const std::size_t largo = std::size_t(std::countr_zero((m.Fines >> (i + 1)) | 0x80u));
                const char16_t c = largo - 1 < CuerpoMaximo ? TablaReferencias.Busca(J::Clave(p + i + 1, largo)) : 0;
                if (c == u'&' || (c == u'<' && saltos_)) {
                    w_ = w;
                    return p + i;  // the chain's business, as in Atajo
                }
                if (c == 0 || (c == u' ' && !espacios_)) {
                    *w++ = Unidad('&');
                    hecho = i + 1;
                } else {
                    w = PonCaracter(c, w);
                    hecho = i + largo + 2;
                }
                disparos &= disparos - 1;  // a reference's body holds no trigger
            }
        }
        w_ = w;
        return p;
    }

    // Within the chain, where "&amp;" and "&#38;" have had their own stages.
    char16_t BuscaCuerpo(const Unidad *cuerpo, std::size_t largo) const
    {
        const char16_t c = largo == 0 || largo > CuerpoMaximo ? 0 : TablaReferencias.Busca(Clave(cuerpo, largo));
        return c == u'&' || (c == u' ' && !espacios_) ? 0 : c;
    }

    // Handles what needs no chain at all while every stage is idle, and
    // leaves every stage idle: a reference that cannot cascade, or a "<BR>"
    // whose neighbours cannot. Returns the number of units consumed, or 0 to
    // take the chain. It looks at most Vista units ahead, so near the end of
    // a piece that is not the last the chain decides instead.
    static constexpr std::ptrdiff_t Vista = 8;  // '&', a body of six, ';'; or "<BR>" and two
    std::size_t Atajo(const Unidad *p, const Unidad *fin)
    {
        if (!final_ && fin - p < Vista)
            return 0;
        if (Codigo(*p) == u'&') {
            std::size_t largo = 0;
            const std::uint64_t clave = ClaveEn(p, fin, largo);
            const char16_t c = clave ? TablaReferencias.Busca(clave) : 0;
            if (c == u'&' || (c == u'<' && saltos_))
                return 0;  // "&amp;" or "&#38;" may make a new reference, '<' may begin a "<BR>"
            if (c == 0 || (c == u' ' && !espacios_)) {
                *w_++ = Unidad('&');  // starts no reference, nor can anything decoded from it
                return 1;
            }
            w_ = PonCaracter(c, w_);
            return largo + 2;
        }

        // '<', only a trigger with line breaks on. 'B' and 'R' cannot come out of
        // a reference, but '>' can ("&gt;").
        if (!Empieza(p, fin, "<BR>")) {
            if (Empieza(p, fin, "<BR&"))
                return 0;
            *w_++ = Unidad('<');
            return 1;
        }
        const unsigned a = fin - p > 4 ? Codigo(p[4]) : 0;
        const unsigned b = fin - p > 5 ? Codigo(p[5]) : 0;
        if (a == u'<' || a == u'&')
            return 0;  // a later "<BR>" may still put a break behind this one
        w_ = std::copy(salto_.begin(), salto_.end(), w_);
        if ((a == LF && b == CR) || (a == CR && b == LF))
            return 6;
        return a == CR ? 5 : 4;
    }

    void Pasa(int etapa, Unidad c)
    {
        if (etapa == EtapaReferencias)
            return Referencia(c);
        if (etapa >= ultima_) {
            *w_++ = c;
            return;
        }
        Sustitucion &s = etapas_[std::size_t(etapa)];
        if (Codigo(c) == unsigned(s.Buscado[s.Hechos])) {
            if (++s.Hechos == s.Buscado.size()) {
                s.Hechos = 0;
                for (char r : s.Reemplazo)
                    Pasa(etapa + 1, Unidad(r));
            }
            return;
        }
        // The first unit of every pattern occurs only once in it, so a failed
        // partial match can only start again at c itself.
        const std::size_t hechos = std::exchange(s.Hechos, 0);
        for (std::size_t i = 0; i < hechos; ++i)
            Pasa(etapa + 1, Unidad(s.Buscado[i]));
        if (Codigo(c) == unsigned(s.Buscado[0]))
            s.Hechos = 1;
        else
            Pasa(etapa + 1, c);
    }

    // A decoded character goes on as its units.
    void PasaCaracter(char16_t c)
    {
        Unidad unidades[2];
        for (Unidad *u = unidades, *fin = PonCaracter(c, unidades); u != fin; ++u)
            Pasa(EtapaBR, *u);
    }

    void Referencia(Unidad c)
    {
        if (pendiente_ == 0) {
            if (Codigo(c) == u'&')
                retenido_[pendiente_++] = c;
            else
                Pasa(EtapaBR, c);
            return;
        }
        if (Codigo(c) == u';') {
            if (const char16_t d = BuscaCuerpo(retenido_.data() + 1, pendiente_ - 1)) {
                pendiente_ = 0;
                PasaCaracter(d);
            } else {
                SueltaReferencia();
                Pasa(EtapaBR, c);
            }
            return;
        }
        if (EsCuerpo(Codigo(c)) && pendiente_ <= CuerpoMaximo) {
            retenido_[pendiente_++] = c;
            return;
        }
        SueltaReferencia();
        Referencia(c);
    }

    void SueltaReferencia()
    {
        const std::size_t n = std::exchange(pendiente_, 0);
        for (std::size_t i = 0; i < n; ++i)
            Pasa(EtapaBR, retenido_[i]);
    }

    // At the end of the text every partial match is plain text; each stage is
    // flushed after the ones before it have handed it everything.
    void Termina()
    {
        for (int etapa = 0; etapa < ultima_; ++etapa) {
            if (etapa == EtapaReferencias) {
                SueltaReferencia();
                continue;
            }
            Sustitucion &s = etapas_[std::size_t(etapa)];
            const std::size_t hechos = std::exchange(s.Hechos, 0);
            for (std::size_t i = 0; i < hechos; ++i)
                Pasa(etapa + 1, Unidad(s.Buscado[i]));
        }
    }

    const bool espacios_;
    const bool saltos_;
    const std::string_view salto_;
    bool final_ = true;  // the piece being converted ends the text
    Unidad *w_ = nullptr;
    int ultima_;
    std::array<Sustitucion, Patrones.size()> etapas_{};  // slot EtapaReferencias unused
    std::array<Unidad, 1 + CuerpoMaximo> retenido_{};
    std::size_t pendiente_ = 0;
};

// The chain kept from one piece to the next. Each piece's result, and what
// is let go at the end, is no longer than what it was made from.
template <typename Unidad>
class EtapaDecodificacion final : public Etapa<Unidad> {
public:
    explicit EtapaDecodificacion(int opciones) : decodificador_(opciones) {}

    void Anade(std::basic_string_view<Unidad> trozo, std::basic_string<Unidad> &destino) override
    {
        SalidaTexto<Unidad> salida(destino, trozo.size() + Retenidas());
        decodificador_.Convierte(trozo.data(), trozo.data() + trozo.size(), salida, false);
    }

    void Termina(std::basic_string<Unidad> &destino) override
    {
        SalidaTexto<Unidad> salida(destino, Retenidas());
        decodificador_.Convierte(nullptr, nullptr, salida, true);
    }

    std::size_t Retenidas() const override { return decodificador_.Retenidas(); }

private:
    Decodificador<Unidad> decodificador_;
};

}  // namespace

template <typename Unidad>
void DecodificaHTML(std::basic_string_view<Unidad> origen, int opciones, std::basic_string<Unidad> &destino)
{
    // Every operation of this direction shortens or keeps the text.
    SalidaTexto<Unidad> salida(destino, origen.size());
    Decodificador<Unidad>(opciones).Convierte(origen.data(), origen.data() + origen.size(), salida, true);
}

template <typename Unidad>
std::unique_ptr<Etapa<Unidad>> EtapaHTMLATexto(int opciones)
{
    static_assert(Retenidos <= Flujo<Unidad>::MaximoRetenidas);
    return std::make_unique<EtapaDecodificacion<Unidad>>(opciones);
}

template void DecodificaHTML(std::u16string_view, int, std::u16string &);
template void DecodificaHTML(std::string_view, int, std::string &);
template std::unique_ptr<Etapa<char16_t>> EtapaHTMLATexto(int);
template std::unique_ptr<Etapa<char>> EtapaHTMLATexto(int);

}  // namespace ConversionesTextoHTML
