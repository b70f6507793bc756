#include "ConversionesTextoHTML.h"

#include <algorithm>
#include <bit>
#include <initializer_list>
#include <utility>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VELMORA_SSE2 1
#endif

// Why one pass gives the result of the whole sequence of replace-alls:
//
// Text to HTML: every replacement is made of '&', '#', ';', letters, digits,
// '<', 'B', 'R', '>', CR and LF, and '&' is handled first; no later operation
// looks for a character that an earlier one wrote (LF is removed before CR
// writes one, and "&nbsp;" has no blank). So each character is simply mapped.
//
// HTML to text: apart from "&amp;" and "&#38;", every reference decodes to a
// character that is not '&', ';', a letter, a digit or '#', so it can neither
// start, complete nor break another reference; those 194 operations act on
// disjoint '&'...';' runs and fuse into one lookup per run. "&amp;", "&#38;" and
// the four "<BR>" operations do cascade, so they run as exact streaming
// replace-alls chained behind each other; the fast paths below only skip work
// when every stage of that chain is idle and the text ahead cannot cascade.

namespace ConversionesTextoHTML {
namespace {

constexpr char16_t CR = 13;
constexpr char16_t LF = 10;

// "&#" code ";" for every entry of the table.
struct Numerico {
    char16_t Texto[6]{};
    std::size_t Largo = 0;
    constexpr std::u16string_view Vista() const { return {Texto, Largo}; }
};

constexpr Numerico FormaNumerica(int codigo)
{
    char16_t digitos[3]{};
    int cuantos = 0;
    do {
        digitos[cuantos++] = char16_t(u'0' + codigo % 10);
        codigo /= 10;
    } while (codigo != 0);
    Numerico n;
    n.Texto[n.Largo++] = u'&';
    n.Texto[n.Largo++] = u'#';
    while (cuantos > 0)
        n.Texto[n.Largo++] = digitos[--cuantos];
    n.Texto[n.Largo++] = u';';
    return n;
}

constexpr auto Numericos = [] {
    std::array<Numerico, Entidades.size()> formas{};
    for (std::size_t i = 0; i < Entidades.size(); ++i)
        formas[i] = FormaNumerica(Entidades[i].Codigo);
    return formas;
}();

// Room left after the end of every result, so that copies can always move
// eight characters (16 bytes) at a time.
constexpr std::size_t Holgura = 8;

// A small set of characters, all below 256: a range of codes plus a few
// single codes. Copies runs of characters outside the set eight at a time
// where SSE2 is available.
class Buscador {
public:
    Buscador(char16_t desde, char16_t cuantos, std::initializer_list<char16_t> sueltos)
    {
        for (int c = desde; c < desde + cuantos; ++c)
            marcado_[c] = true;
#ifdef VELMORA_SSE2
        // Unsigned (c - desde) < cuantos, as a signed comparison after flipping the top bit.
        sesgo_ = _mm_set1_epi16(short(0x8000 - desde));
        limite_ = _mm_set1_epi16(short(0x8000 ^ cuantos));
#endif
        for (char16_t c : sueltos) {
            if (marcado_[c])
                continue;
            marcado_[c] = true;
#ifdef VELMORA_SSE2
            sueltos_[cuantosSueltos_] = _mm_set1_epi16(short(c));
            codigosSueltos_[cuantosSueltos_++] = c;
#endif
        }
#ifdef VELMORA_SSE2
        desde_ = desde;
        cuantos_ = cuantos;
#endif
    }

    bool Marcado(char16_t c) const { return c < marcado_.size() && marcado_[c]; }

    // Copies the characters at p to w up to the first one of the set, and
    // returns where it stopped. May write up to Holgura characters past w.
    const char16_t *Copia(const char16_t *p, const char16_t *fin, char16_t *&w) const
    {
#ifdef VELMORA_SSE2
        for (; fin - p >= 8; p += 8, w += 8) {
            const __m128i v = Carga(p);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(w), v);
            if (const unsigned bits = Marcas(v)) {
                const int i = std::countr_zero(bits);
                w += i;
                return p + i;
            }
        }
#endif
        while (p != fin && !Marcado(*p))
            *w++ = *p++;
        return p;
    }

    // Writes [p, fin) to w through escribe(c, w) -> w, which must copy the
    // characters outside the set as they are. Eight at a time where none of
    // the eight is in the set; a fixed stride keeps the loop free of
    // dependencies on where the last match was.
    template <typename F>
    char16_t *Mapea(const char16_t *p, const char16_t *fin, char16_t *w, F escribe) const
    {
#ifdef VELMORA_SSE2
        for (; fin - p >= 8; p += 8) {
            const __m128i v = Carga(p);
            if (Marcas(v) == 0) {
                _mm_storeu_si128(reinterpret_cast<__m128i *>(w), v);
                w += 8;
                continue;
            }
            for (int i = 0; i < 8; ++i)
                w = escribe(p[i], w);
        }
#endif
        for (; p != fin; ++p)
            w = escribe(*p, w);
        return w;
    }

    // At least the sum of valor(c) over [p, fin), where valor is 0 outside the
    // set: characters are counted per class (the range, each single code) with
    // no branches, and every character of the range weighs its class's maximum.
    template <typename F>
    std::ptrdiff_t Cota(const char16_t *p, const char16_t *fin, F valor) const
    {
        std::ptrdiff_t cota = 0;
#ifdef VELMORA_SSE2
        std::array<std::ptrdiff_t, 1 + MaxSueltos> cuenta{};
        while (fin - p >= 8) {
            // 16-bit counters gain at most one per step: empty them in time.
            const char16_t *tope = p + std::min<std::ptrdiff_t>((fin - p) / 8, 32767) * 8;
            __m128i rango = _mm_setzero_si128();
            __m128i sueltos[MaxSueltos]{};
            for (; p != tope; p += 8) {
                const __m128i v = Carga(p);
                rango = _mm_sub_epi16(rango, _mm_cmplt_epi16(_mm_add_epi16(v, sesgo_), limite_));
                for (int i = 0; i < cuantosSueltos_; ++i)
                    sueltos[i] = _mm_sub_epi16(sueltos[i], _mm_cmpeq_epi16(v, sueltos_[i]));
            }
            cuenta[0] += SumaCarriles(rango);
            for (int i = 0; i < cuantosSueltos_; ++i)
                cuenta[i + 1] += SumaCarriles(sueltos[i]);
        }
        std::ptrdiff_t maximo = 0;
        for (int c = desde_; c < desde_ + cuantos_; ++c)
            maximo = std::max<std::ptrdiff_t>(maximo, valor(char16_t(c)));
        cota = cuenta[0] * maximo;
        for (int i = 0; i < cuantosSueltos_; ++i)
            cota += cuenta[i + 1] * valor(codigosSueltos_[i]);
#endif
        for (; p != fin; ++p)
            cota += valor(*p);
        return cota;
    }

private:
#ifdef VELMORA_SSE2
    static __m128i Carga(const char16_t *p) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)); }

    // One bit per character of v that belongs to the set.
    unsigned Marcas(__m128i v) const
    {
        __m128i m = _mm_cmplt_epi16(_mm_add_epi16(v, sesgo_), limite_);
        for (int i = 0; i < cuantosSueltos_; ++i)
            m = _mm_or_si128(m, _mm_cmpeq_epi16(v, sueltos_[i]));
        return unsigned(_mm_movemask_epi8(_mm_packs_epi16(m, _mm_setzero_si128())));
    }

    __m128i sesgo_{};
    __m128i limite_{};
    static std::ptrdiff_t SumaCarriles(__m128i v)
    {
        const __m128i pares = _mm_madd_epi16(v, _mm_set1_epi16(1));
        const __m128i dos = _mm_add_epi32(pares, _mm_shuffle_epi32(pares, _MM_SHUFFLE(1, 0, 3, 2)));
        return _mm_cvtsi128_si32(_mm_add_epi32(dos, _mm_shuffle_epi32(dos, _MM_SHUFFLE(2, 3, 0, 1))));
    }

    static constexpr int MaxSueltos = 8;
    int desde_ = 0;
    int cuantos_ = 0;
    __m128i sueltos_[MaxSueltos]{};
    char16_t codigosSueltos_[MaxSueltos]{};
    int cuantosSueltos_ = 0;
#endif
    std::array<bool, 256> marcado_{};
};

// The result, built without zero-filling it first: reserved once to a bound,
// then appended block by block from a buffer small enough to stay in cache.
class Salida {
public:
    static constexpr std::size_t Entrada = 1024;  // input characters per block

    explicit Salida(std::size_t cota) { texto_.reserve(cota); }

    char16_t *Bloque() { return bloque_.data(); }
    void Anade(const char16_t *fin) { texto_.append(bloque_.data(), std::size_t(fin - bloque_.data())); }
    std::u16string Texto() && { return std::move(texto_); }

private:
    std::u16string texto_;
    std::array<char16_t, 8 * Entrada + 64> bloque_;  // 8: the longest replacement
};

// ---- Text to HTML --------------------------------------------------------

// A replacement padded to 16 bytes, so it can be stored in one move.
struct alignas(16) Reemplazo {
    char16_t Texto[8]{};
    std::size_t Largo = 0;

    constexpr void Asigna(std::u16string_view texto)
    {
        std::copy(texto.begin(), texto.end(), Texto);
        Largo = texto.size();
    }

    char16_t *Escribe(char16_t *w) const
    {
#ifdef VELMORA_SSE2
        _mm_storeu_si128(reinterpret_cast<__m128i *>(w), _mm_load_si128(reinterpret_cast<const __m128i *>(Texto)));
        return w + Largo;
#else
        return std::copy_n(Texto, Largo, w);
#endif
    }
};

std::u16string Codifica(std::u16string_view origen, int opciones)
{
    const bool numerico = opciones & OpcionUnicode;
    const bool especiales = opciones & OpcionEntidadesHtml;
    const bool saltos = opciones & OpcionSaltos;
    const bool espacios = opciones & OpcionEspacios;

    std::array<Reemplazo, 256> reemplazo{};
    for (int c = 0; c < 256; ++c)
        reemplazo[c].Asigna(std::u16string_view(&(reemplazo[c].Texto[0] = char16_t(c)), 1));
    for (std::size_t i = 0; i < Entidades.size(); ++i) {
        if (!Entidades[i].Especial || especiales)
            reemplazo[Entidades[i].Codigo].Asigna(numerico ? Numericos[i].Vista() : Entidades[i].Texto);
    }
    if (saltos) {
        reemplazo[LF].Asigna(u"");
        reemplazo[CR].Asigna(!(opciones & OpcionCRtrasBR) ? u"<BR>"
                             : (opciones & OpcionSoloCR)  ? u"<BR>\r"
                                                          : u"<BR>\r\n");
    }
    if (espacios)
        reemplazo[u' '].Asigna(u"&nbsp;");

    const Buscador cambia(161, 95,
                          {especiales ? u'"' : u'\xA1', especiales ? u'<' : u'\xA1', especiales ? u'>' : u'\xA1',
                           especiales ? u'&' : u'\xA1', saltos ? CR : u'\xA1', saltos ? LF : u'\xA1',
                           espacios ? u' ' : u'\xA1'});

    const char16_t *const inicio = origen.data();
    const char16_t *const fin = inicio + origen.size();

    // Exact size first, so the result is allocated once and never moved.
    std::array<std::int8_t, 256> crece{};
    for (int c = 0; c < 256; ++c)
        crece[c] = std::int8_t(reemplazo[c].Largo - 1);
    // Sized once, to a tight bound, before it is filled.
    const std::size_t largo = origen.size() + std::size_t(cambia.Cota(inicio, fin, [&crece](char16_t c) {
        return c < crece.size() ? crece[c] : 0;
    }));

    const auto escribe = [&reemplazo](char16_t c, char16_t *w) {
        if (c < reemplazo.size())
            return reemplazo[c].Escribe(w);
        *w = c;
        return w + 1;
    };
    Salida salida(largo);
    for (const char16_t *p = inicio; p != fin;) {
        const char16_t *tope = p + std::min<std::size_t>(std::size_t(fin - p), Salida::Entrada);
        salida.Anade(cambia.Mapea(p, tope, salida.Bloque(), escribe));
        p = tope;
    }
    return std::move(salida).Texto();
}

// ---- HTML to text --------------------------------------------------------

// Every body between '&' and ';' in the table is made of these, at most six long.
constexpr bool EsCuerpo(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'#';
}
constexpr std::size_t CuerpoMaximo = 6;

constexpr std::uint64_t Clave(std::u16string_view cuerpo)
{
    std::uint64_t clave = std::uint64_t(1) << 63;
    for (char16_t c : cuerpo)
        clave = clave << 8 | c;
    return clave;
}

// Open-addressing table from a reference's body to its character. "amp" and
// "#38" are left out: they run as their own stages. "nbsp" maps to the blank.
class Referencias {
public:
    constexpr Referencias()
    {
        for (std::size_t i = 0; i + 1 < Entidades.size(); ++i) {
            const auto &e = Entidades[i];
            Anade(e.Texto.substr(1, e.Texto.size() - 2), char16_t(e.Codigo));
            const auto n = Numericos[i].Vista();
            Anade(n.substr(1, n.size() - 2), char16_t(e.Codigo));
        }
        Anade(u"nbsp", u' ');
    }

    // The character for a body, or 0 when the table has none.
    constexpr char16_t Busca(std::u16string_view cuerpo) const
    {
        if (cuerpo.empty() || cuerpo.size() > CuerpoMaximo)
            return 0;
        const std::uint64_t clave = Clave(cuerpo);
        for (std::size_t i = Ranura(clave);; i = (i + 1) % ranuras_.size()) {
            if (ranuras_[i].Clave == clave)
                return ranuras_[i].Caracter;
            if (ranuras_[i].Clave == 0)
                return 0;
        }
    }

private:
    struct Ranura_ {
        std::uint64_t Clave = 0;
        char16_t Caracter = 0;
    };

    static constexpr std::size_t Ranura(std::uint64_t clave)
    {
        return std::size_t((clave * 0x9E3779B97F4A7C15u) >> 55);
    }

    constexpr void Anade(std::u16string_view cuerpo, char16_t caracter)
    {
        const std::uint64_t clave = Clave(cuerpo);
        std::size_t i = Ranura(clave);
        while (ranuras_[i].Clave != 0)
            i = (i + 1) % ranuras_.size();
        ranuras_[i] = {clave, caracter};
    }

    std::array<Ranura_, 512> ranuras_{};
};

constexpr Referencias TablaReferencias;

// The decoding chain: "&amp;" -> "&", "&#38;" -> "&", the fused references,
// then (with line breaks) the four "<BR>" operations. Each stage is an exact
// streaming replace-all that hands its output to the next one.
class Decodificador {
public:
    explicit Decodificador(int opciones)
        : espacios_(opciones & OpcionEspacios), saltos_(opciones & OpcionSaltos),
          salto_((opciones & OpcionSoloCR) ? u"\r" : u"\r\n")
    {
        etapas_[0] = {u"&amp;", u"&"};
        etapas_[1] = {u"&#38;", u"&"};
        etapas_[EtapaBR + 0] = {u"<BR>\n\r", salto_};
        etapas_[EtapaBR + 1] = {u"<BR>\r\n", salto_};
        etapas_[EtapaBR + 2] = {u"<BR>\r", salto_};
        etapas_[EtapaBR + 3] = {u"<BR>", salto_};
        ultima_ = saltos_ ? EtapaBR + 4 : EtapaBR;
    }

    void Convierte(const char16_t *p, const char16_t *const fin, Salida &salida)
    {
        const Buscador disparador(0, 0, {u'&', saltos_ ? u'<' : u'&'});
        while (p != fin) {
            // A block may end a few characters late: shortcuts look ahead.
            const char16_t *tope = p + std::min<std::size_t>(std::size_t(fin - p), Salida::Entrada);
            w_ = salida.Bloque();
            while (p < tope) {
                if (Ocioso()) {
                    if ((p = disparador.Copia(p, tope, w_)) == tope)
                        break;
                    if (const std::size_t hechos = Atajo(p, fin)) {
                        p += hechos;
                        continue;
                    }
                }
                Pasa(0, *p++);
            }
            salida.Anade(w_);
        }
        w_ = salida.Bloque();
        Termina();
        salida.Anade(w_);
    }

private:
    static constexpr int EtapaReferencias = 2;
    static constexpr int EtapaBR = 3;

    struct Sustitucion {
        std::u16string_view Buscado;
        std::u16string_view Reemplazo;
        std::size_t Hechos = 0;  // length of the partial match held back
    };

    bool Ocioso() const
    {
        return pendiente_ == 0 &&
               std::all_of(etapas_.begin(), etapas_.end(), [](const Sustitucion &s) { return s.Hechos == 0; });
    }

    char16_t Decodifica(std::u16string_view cuerpo) const
    {
        const char16_t c = TablaReferencias.Busca(cuerpo);
        return c == u' ' && !espacios_ ? 0 : c;
    }

    // Handles what needs no chain at all while every stage is idle: a reference
    // that cannot cascade, or a "<BR>" whose neighbours cannot. Returns the
    // number of characters consumed, or 0 to take the chain.
    std::size_t Atajo(const char16_t *p, const char16_t *fin)
    {
        if (*p == u'&') {
            const char16_t *q = p + 1;
            while (q != fin && std::size_t(q - p) <= CuerpoMaximo && EsCuerpo(*q))
                ++q;
            if (q == fin || *q != u';') {
                *w_++ = u'&';  // starts no reference, nor can anything decoded from it
                return 1;
            }
            const std::u16string_view cuerpo(p + 1, std::size_t(q - p - 1));
            if (cuerpo == u"amp" || cuerpo == u"#38")
                return 0;
            if (const char16_t c = Decodifica(cuerpo); c == u'<' && saltos_)
                Pasa(EtapaBR, c);  // may begin a "<BR>"
            else if (c)
                *w_++ = c;
            else
                w_ = std::copy(p, q + 1, w_);
            return std::size_t(q + 1 - p);
        }

        // '<', only a trigger with line breaks on. 'B' and 'R' cannot come out of
        // a reference, but '>' can ("&gt;").
        const std::u16string_view resto(p, std::size_t(fin - p));
        if (!resto.starts_with(u"<BR>")) {
            if (resto.starts_with(u"<BR&"))
                return 0;
            *w_++ = u'<';
            return 1;
        }
        const char16_t a = resto.size() > 4 ? resto[4] : 0;
        const char16_t b = resto.size() > 5 ? resto[5] : 0;
        if (a == u'<' || a == u'&')
            return 0;  // a later "<BR>" may still put a break behind this one
        w_ = std::copy(salto_.begin(), salto_.end(), w_);
        if ((a == LF && b == CR) || (a == CR && b == LF))
            return 6;
        return a == CR ? 5 : 4;
    }

    void Pasa(int etapa, char16_t c)
    {
        if (etapa == EtapaReferencias)
            return Referencia(c);
        if (etapa >= ultima_) {
            *w_++ = c;
            return;
        }
        Sustitucion &s = etapas_[etapa];
        if (c == s.Buscado[s.Hechos]) {
            if (++s.Hechos == s.Buscado.size()) {
                s.Hechos = 0;
                for (char16_t r : s.Reemplazo)
                    Pasa(etapa + 1, r);
            }
            return;
        }
        // The first character of every pattern occurs only once in it, so a
        // failed partial match can only start again at c itself.
        const std::size_t hechos = std::exchange(s.Hechos, 0);
        for (std::size_t i = 0; i < hechos; ++i)
            Pasa(etapa + 1, s.Buscado[i]);
        if (c == s.Buscado[0])
            s.Hechos = 1;
        else
            Pasa(etapa + 1, c);
    }

    void Referencia(char16_t c)
    {
        if (pendiente_ == 0) {
            if (c == u'&')
                retenido_[pendiente_++] = c;
            else
                Pasa(EtapaBR, c);
            return;
        }
        if (c == u';') {
            if (const char16_t d = Decodifica({retenido_.data() + 1, pendiente_ - 1})) {
                pendiente_ = 0;
                Pasa(EtapaBR, d);
            } else {
                SueltaReferencia();
                Pasa(EtapaBR, c);
            }
            return;
        }
        if (EsCuerpo(c) && pendiente_ <= CuerpoMaximo) {
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
            Sustitucion &s = etapas_[etapa];
            const std::size_t hechos = std::exchange(s.Hechos, 0);
            for (std::size_t i = 0; i < hechos; ++i)
                Pasa(etapa + 1, s.Buscado[i]);
        }
    }

    const bool espacios_;
    const bool saltos_;
    const std::u16string_view salto_;
    char16_t *w_ = nullptr;
    int ultima_;
    std::array<Sustitucion, EtapaBR + 4> etapas_{};  // slot EtapaReferencias unused
    std::array<char16_t, 1 + CuerpoMaximo> retenido_{};
    std::size_t pendiente_ = 0;
};

std::u16string Decodifica(std::u16string_view origen, int opciones)
{
    // Every operation of this direction shortens or keeps the text.
    Salida salida(origen.size());
    Decodificador(opciones).Convierte(origen.data(), origen.data() + origen.size(), salida);
    return std::move(salida).Texto();
}

}  // namespace

std::u16string ConvierteTextoHTML(std::u16string_view Origen, std::int16_t Modo, std::int16_t Opciones)
{
    switch (Modo) {
    case TextoAHTML:
        return Codifica(Origen, Opciones);
    case HTMLATexto:
        return Decodifica(Origen, Opciones);
    default:
        return std::u16string(Origen);
    }
}

}  // namespace ConversionesTextoHTML
