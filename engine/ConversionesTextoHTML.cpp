#include "ConversionesTextoHTML.h"

#include <algorithm>
#include <bit>
#include <cstring>
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
// writes one, and "&nbsp;" has no blank). So each character is simply mapped,
// and a character that maps to itself may be copied in bulk.
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

// A few single characters, all below 256. Copies runs of characters outside
// the set sixteen at a time where SSE2 is available.
class Buscador {
public:
    explicit Buscador(std::initializer_list<char16_t> sueltos)
    {
        for (char16_t c : sueltos) {
            if (marcado_[c])
                continue;
            marcado_[c] = true;
#ifdef VELMORA_SSE2
            sueltos_[cuantosSueltos_++] = _mm_set1_epi16(short(c));
#endif
        }
    }

    bool Marcado(char16_t c) const { return c < marcado_.size() && marcado_[c]; }

    // Copies the characters at p to w up to the first one of the set, and
    // returns where it stopped. May write up to 16 characters past w.
    const char16_t *Copia(const char16_t *p, const char16_t *fin, char16_t *&w) const
    {
#ifdef VELMORA_SSE2
        for (; fin - p >= 16; p += 16, w += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 8));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(w), a);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(w + 8), b);
            if (const unsigned bits = unsigned(_mm_movemask_epi8(_mm_packs_epi16(Marcas(a), Marcas(b))))) {
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

private:
#ifdef VELMORA_SSE2
    // 0xFFFF in each character of v that belongs to the set.
    __m128i Marcas(__m128i v) const
    {
        __m128i m = _mm_setzero_si128();
        for (int i = 0; i < cuantosSueltos_; ++i)
            m = _mm_or_si128(m, _mm_cmpeq_epi16(v, sueltos_[i]));
        return m;
    }

    static constexpr int MaxSueltos = 2;
    __m128i sueltos_[MaxSueltos]{};
    int cuantosSueltos_ = 0;
#endif
    std::array<bool, 256> marcado_{};
};

#ifdef VELMORA_SSE2
// Sixteen characters from p to w, in two moves.
inline void Copia16(const char16_t *p, char16_t *w)
{
    _mm_storeu_si128(reinterpret_cast<__m128i *>(w), _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(w + 8), _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 8)));
}

// The sum of the sixteen unsigned bytes of v.
inline std::ptrdiff_t SumaBytes(__m128i v)
{
    const __m128i sumas = _mm_sad_epu8(v, _mm_setzero_si128());
    return _mm_cvtsi128_si32(sumas) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sumas, sumas));
}
#endif

// The result, built without zero-filling it first: reserved once to a bound,
// then appended block by block from a buffer small enough to stay in cache.
// Blocks of 8 KB or more are appended faster (as one string move, which need
// not read the destination first), hence the sizes of the input blocks.
class Salida {
public:
    static constexpr std::size_t Texto = 4096;  // input characters per block to HTML
    static constexpr std::size_t HTML = 16384;  // input characters per block to text

    explicit Salida(std::size_t cota) { texto_.reserve(cota); }

    char16_t *Bloque() { return bloque_.data(); }

    // Before appending the block that ends at fin: if it would not fit, moves
    // the result once to a new reserve of exactly what is written, this block
    // and resto() for what is left (a fresh string, so that it is not rounded
    // up to twice the old reserve).
    template <typename F>
    void Asegura(const char16_t *fin, F resto)
    {
        const std::size_t bloque = std::size_t(fin - bloque_.data());
        if (texto_.size() + bloque <= texto_.capacity())
            return;
        std::u16string mayor;
        mayor.reserve(texto_.size() + bloque + resto());
        mayor.append(texto_);
        texto_.swap(mayor);
    }

    void Anade(const char16_t *fin) { texto_.append(bloque_.data(), std::size_t(fin - bloque_.data())); }
    std::u16string Resultado() && { return std::move(texto_); }

private:
    std::u16string texto_;
    // 8: the longest replacement; 64: room for stores of sixteen characters
    // and for what decoding holds back or reads ahead.
    std::array<char16_t, std::max(8 * Texto, HTML) + 64> bloque_;
};

// ---- Text to HTML --------------------------------------------------------

// What every character below 256 becomes under one option word.
class TablaCodificacion {
public:
    explicit TablaCodificacion(int opciones)
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

    bool Cambia(char16_t c) const { return reemplazo_[c].Largo != 1 || reemplazo_[c].Texto[0] != c; }
    int Crece(char16_t c) const { return int(reemplazo_[c].Largo) - 1; }

    // The characters below 161 that change; every one from 161 to 255 does.
    std::u16string Sueltos() const
    {
        std::u16string sueltos;
        for (int c = 0; c < 161; ++c) {
            if (Cambia(char16_t(c)))
                sueltos += char16_t(c);
        }
        return sueltos;
    }

    // Writes what c (below 256) becomes at w; always stores 8 characters.
    char16_t *Escribe(char16_t c, char16_t *w) const
    {
        Guarda(c, w);
        return w + reemplazo_[c].Largo;
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
        const std::uint32_t a = Largo(c(0)), ab = a + Largo(c(1)), abc = ab + Largo(c(2));
        Guarda(c(0), w);
        Guarda(c(1), w + a);
        Guarda(c(2), w + ab);
        Guarda(c(3), w + abc);
        return w + (abc + Largo(c(3)));
    }

private:
    // A replacement padded to 16 bytes, so it is stored in one move.
    struct alignas(16) Reemplazo {
        char16_t Texto[8]{};
        std::uint32_t Largo = 0;
    };

    std::uint32_t Largo(char16_t c) const { return reemplazo_[c].Largo; }

    void Guarda(char16_t c, char16_t *w) const
    {
#ifdef VELMORA_SSE2
        _mm_storeu_si128(reinterpret_cast<__m128i *>(w),
                         _mm_load_si128(reinterpret_cast<const __m128i *>(reemplazo_[c].Texto)));
#else
        std::copy_n(reemplazo_[c].Texto, 8, w);
#endif
    }

    void Asigna(char16_t c, std::u16string_view texto)
    {
        std::copy(texto.begin(), texto.end(), reemplazo_[c].Texto);
        reemplazo_[c].Largo = std::uint32_t(texto.size());
    }

    std::array<Reemplazo, 256> reemplazo_{};
};

// The characters a conversion changes, tested sixteen at a time: the range
// 161-255 and N single codes between 2 and 160. Without SSE2 it holds nothing.
//
// The sixteen UTF-16 units are narrowed to the signed bytes c - 129 with
// saturation. That keeps every code from 2 to 255 apart; 0, 1 and 0x8081 up
// fold onto -128, and 256 to 0x8080 onto 127, values no class uses. So every
// mark is exact, and a character without one is copied as it is.
template <int N>
class Clases {
public:
    explicit Clases([[maybe_unused]] std::u16string_view sueltos)
    {
#ifdef VELMORA_SSE2
        for (int i = 0; i < N; ++i)
            sueltos_[i] = _mm_set1_epi8(char(sueltos[std::size_t(i)] - 129));
#endif
    }

#ifdef VELMORA_SSE2
    static __m128i Estrecha(const char16_t *p)
    {
        const __m128i sesgo = _mm_set1_epi16(129);
        return _mm_packs_epi16(_mm_sub_epi16(Carga(p), sesgo), _mm_sub_epi16(Carga(p + 8), sesgo));
    }

    // 0xFF in each byte of b that is a code from 161 to 255.
    static __m128i Latin1(__m128i b)
    {
        return _mm_andnot_si128(_mm_cmpeq_epi8(b, _mm_set1_epi8(127)), _mm_cmpgt_epi8(b, _mm_set1_epi8(31)));
    }

    // 0xFF in each byte of b that is the i-th single code.
    __m128i Suelto(__m128i b, int i) const { return _mm_cmpeq_epi8(b, sueltos_[i]); }

    // One bit per character in the set.
    unsigned Marcas(__m128i b) const
    {
        __m128i m = Latin1(b);
        for (int i = 0; i < N; ++i)
            m = _mm_or_si128(m, Suelto(b, i));
        return unsigned(_mm_movemask_epi8(m));
    }

    // Whether any character may be 256 or above (0 and 1 share their byte).
    static bool Altos(__m128i b)
    {
        const __m128i m = _mm_or_si128(_mm_cmpeq_epi8(b, _mm_set1_epi8(127)), _mm_cmpeq_epi8(b, _mm_set1_epi8(-128)));
        return _mm_movemask_epi8(m) != 0;
    }

private:
    static __m128i Carga(const char16_t *p) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)); }

    __m128i sueltos_[N > 0 ? N : 1]{};  // a plain array: std::array would drop the vector type's attributes
#endif
};

// How long the result can be, and how many characters change.
struct Recuento {
    std::size_t Cota = 0;     // at least the length of the result
    std::size_t Cambian = 0;  // about how many characters change
};

// The bound is counted with three classes, so that one pass needs few tests
// per sixteen characters. Each character is counted at no less than its
// growth g and at no more than 3 + 3 g, so input plus reserve stays below
// three times input plus output (summed: n + n + 3 n + 3 (out - n) = 2 n + 3 out):
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
    explicit Medida(const TablaCodificacion &tabla)
    {
        for (int c = 161; c < 256; ++c)
            pesoLatin1_ = std::max(pesoLatin1_, tabla.Crece(char16_t(c)));
        int desde = 256, hasta = -1;
        for (int c = 2; c < 161; ++c) {
            const int crece = tabla.Crece(char16_t(c));
            if (crece >= 4) {
                grandes_[cuantosGrandes_++] = char16_t(c);
                pesoGrandes_ = std::max(pesoGrandes_, crece);
            } else if (crece > 0) {
                desde = std::min(desde, c);
                hasta = std::max(hasta, c);
                pesoRango_ = std::max(pesoRango_, crece);
            }
        }
        // Pad to an even count with repeats, which add nothing to an "or".
        for (int i = cuantosGrandes_; i < int(std::size(grandes_)); ++i)
            grandes_[i] = grandes_[cuantosGrandes_ ? cuantosGrandes_ - 1 : 0];
        desde_ = char16_t(pesoRango_ ? desde : 1);  // an empty range: from 1 to 0
        hasta_ = char16_t(pesoRango_ ? hasta : 0);
    }

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
        default: return Mide<6, true>(p, fin);
        }
    }

private:
    template <int Grandes, bool ConRango>
    Recuento Mide(const char16_t *p, const char16_t *const fin) const
    {
        const std::size_t largo = std::size_t(fin - p);
        std::size_t latin1 = 0, grandes = 0, rango = 0;
#ifdef VELMORA_SSE2
        __m128i g[Grandes > 0 ? Grandes : 1];
        for (int i = 0; i < Grandes; ++i)
            g[i] = Byte(grandes_[i]);
        const __m128i bajo = _mm_sub_epi8(Byte(desde_), _mm_set1_epi8(1));
        const __m128i alto = _mm_add_epi8(Byte(hasta_), _mm_set1_epi8(1));
        while (fin - p >= 16) {
            // Byte counters gain at most one per step: emptied every 255 steps.
            __m128i cl = _mm_setzero_si128(), cg = _mm_setzero_si128(), cr = _mm_setzero_si128();
            for (int pasos = 0; pasos < 255 && fin - p >= 16; ++pasos, p += 16) {
                const __m128i b = Clases<0>::Estrecha(p);
                cl = _mm_sub_epi8(cl, Clases<0>::Latin1(b));
                if (Grandes > 0) {
                    __m128i m = _mm_cmpeq_epi8(b, g[0]);
                    for (int i = 1; i < Grandes; ++i)
                        m = _mm_or_si128(m, _mm_cmpeq_epi8(b, g[i]));
                    cg = _mm_sub_epi8(cg, m);
                }
                if (ConRango)
                    cr = _mm_sub_epi8(cr, _mm_and_si128(_mm_cmpgt_epi8(b, bajo), _mm_cmpgt_epi8(alto, b)));
            }
            latin1 += std::size_t(SumaBytes(cl));
            grandes += std::size_t(SumaBytes(cg));
            rango += std::size_t(SumaBytes(cr));
        }
#endif
        for (; p != fin; ++p) {
            latin1 += *p >= 161 && *p < 256;
            grandes += std::find(grandes_, grandes_ + cuantosGrandes_, *p) != grandes_ + cuantosGrandes_;
            rango += *p >= desde_ && *p <= hasta_;
        }
        return {largo + latin1 * std::size_t(pesoLatin1_) + grandes * std::size_t(pesoGrandes_) +
                    rango * std::size_t(pesoRango_),
                latin1 + grandes + rango};
    }

#ifdef VELMORA_SSE2
    static __m128i Byte(char16_t c) { return _mm_set1_epi8(char(c - 129)); }
#endif

    int pesoLatin1_ = 0;
    int pesoGrandes_ = 0;
    int pesoRango_ = 0;
    char16_t grandes_[6]{};
    int cuantosGrandes_ = 0;
    char16_t desde_ = 0;
    char16_t hasta_ = 0;
};

// At most two bits set.
inline bool Pocas(unsigned marcas)
{
    marcas &= marcas - 1;
    return (marcas & (marcas - 1)) == 0;
}

// Maps [p, tope) to w and returns the end of what it wrote. The text goes on
// to fin, and the steps of sixteen may read ahead up to there.
//
// Dense text (most steps with something to change) maps every character:
// testing each step for marks would cost more than it saves. Sparse text
// copies unmarked steps whole and handles one or two marks one by one.
template <int N>
char16_t *MapeaTramo(const char16_t *p, const char16_t *const tope, [[maybe_unused]] const char16_t *const fin,
                     char16_t *w, [[maybe_unused]] const Clases<N> &clases, const TablaCodificacion &tabla,
                     [[maybe_unused]] bool denso)
{
#ifdef VELMORA_SSE2
    // A step may copy sixteen characters from any point of its own sixteen.
    const char16_t *const ultimo = fin - p >= 32 ? std::min(tope, fin - 31) : p;
    for (; p < ultimo; p += 16) {
        const __m128i b = Clases<N>::Estrecha(p);
        if (!denso) {
            unsigned marcas = clases.Marcas(b);
            if (marcas == 0) {
                Copia16(p, w);
                w += 16;
                continue;
            }
            if (Pocas(marcas)) {
                // Each mark: the run before it unchanged, then its replacement.
                const char16_t *q = p;
                do {
                    const char16_t *h = p + std::countr_zero(marcas);
                    Copia16(q, w);
                    w += h - q;
                    w = tabla.Escribe(*h, w);
                    q = h + 1;
                } while ((marcas &= marcas - 1) != 0);
                Copia16(q, w);
                w += p + 16 - q;
                continue;
            }
        }
        if (Clases<N>::Altos(b)) {
            for (int i = 0; i < 16; ++i)
                w = tabla.EscribeCualquiera(p[i], w);
        } else {
            for (int i = 0; i < 16; i += 4)
                w = tabla.EscribeCuatro(p + i, w);
        }
    }
#endif
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
    const Clases<N> clases(sueltos);

    Salida salida(plan.Reserva);
    for (const char16_t *p = inicio; p != fin;) {
        const char16_t *tope = p + std::min<std::size_t>(std::size_t(fin - p), Salida::Texto);
        char16_t *hecho = MapeaTramo<N>(p, tope, fin, salida.Bloque(), clases, tabla, plan.Denso);
        if (!plan.Exacto)
            salida.Asegura(hecho, [&] { return Medida(tabla).Mide(tope, fin).Cota; });
        salida.Anade(hecho);
        p = tope;
    }
    return std::move(salida).Resultado();
}

std::u16string Codifica(std::u16string_view origen, int opciones)
{
    const TablaCodificacion tabla(opciones);
    const std::u16string sueltos = tabla.Sueltos();
    const bool encoge = opciones & OpcionSaltos;  // LF vanishes
    // One instance per number of single codes keeps their tests in registers.
    switch (sueltos.size()) {
    case 0: return CodificaCon<0>(origen, sueltos, tabla, encoge);
    case 1: return CodificaCon<1>(origen, sueltos, tabla, encoge);
    case 2: return CodificaCon<2>(origen, sueltos, tabla, encoge);
    case 3: return CodificaCon<3>(origen, sueltos, tabla, encoge);
    case 4: return CodificaCon<4>(origen, sueltos, tabla, encoge);
    case 5: return CodificaCon<5>(origen, sueltos, tabla, encoge);
    case 6: return CodificaCon<6>(origen, sueltos, tabla, encoge);
    default: return CodificaCon<7>(origen, sueltos, tabla, encoge);
    }
}

// ---- HTML to text --------------------------------------------------------

// Every body between '&' and ';' in the table is made of these, at most six long.
constexpr bool EsCuerpo(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'#';
}
constexpr std::size_t CuerpoMaximo = 6;

// One byte per character (all below 128), the length in the top byte.
constexpr std::uint64_t Clave(std::u16string_view cuerpo)
{
    std::uint64_t clave = std::uint64_t(cuerpo.size()) << 56;
    for (std::size_t i = 0; i < cuerpo.size(); ++i)
        clave |= std::uint64_t(cuerpo[i]) << (8 * i);
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
        for (const auto &[cuerpo, caracter] : Cuerpos())
            ranuras_[Ranura(Clave(cuerpo))] = Clave(cuerpo) | std::uint64_t(caracter) << 48;
    }

    // The character for a body, or 0 when the table has none.
    constexpr char16_t Busca(std::u16string_view cuerpo) const
    {
        if (cuerpo.empty() || cuerpo.size() > CuerpoMaximo)
            return 0;
        return Busca(Clave(cuerpo));
    }

    // The same for a key from Clave or ClaveEn (bits 48-55 clear).
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
            const std::size_t r = std::size_t((Clave(cuerpo.Texto) * m) >> (64 - Bits));
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

#ifdef VELMORA_SSE2
// The key of the body of `largo` characters (1 to 6) at p, read in one load
// of eight. Characters above 255 saturate to the bytes 0 or 255, which no body
// holds, and the length in the key keeps a body with a NUL from matching a
// shorter one.
inline std::uint64_t ClaveSIMD(const char16_t *p, std::size_t largo)
{
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    std::uint64_t clave;
    _mm_storel_epi64(reinterpret_cast<__m128i *>(&clave), _mm_packus_epi16(v, v));
    return (clave & ((std::uint64_t(1) << (8 * largo)) - 1)) | std::uint64_t(largo) << 56;
}
#endif

// The key of the reference that may start at p ('&'), and its body's length:
// the characters before the first ';' among the next seven, if one to six.
// Returns 0 when there is none.
inline std::uint64_t ClaveEn(const char16_t *p, const char16_t *fin, std::size_t &largo)
{
    const char16_t *const tope = p + std::min<std::ptrdiff_t>(fin - p, CuerpoMaximo + 2);
    const char16_t *const q = std::find(p + 1, tope, u';');
    largo = std::size_t(q - p - 1);
    if (q == tope || largo == 0)
        return 0;
#ifdef VELMORA_SSE2
    if (fin - p >= 9)
        return ClaveSIMD(p + 1, largo);
#endif
    for (const char16_t *c = p + 1; c != q; ++c) {
        if (!EsCuerpo(*c))
            return 0;
    }
    return Clave({p + 1, largo});
}

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
        const Buscador disparador({u'&', saltos_ ? u'<' : u'&'});
        while (p != fin) {
            // A block may end a few characters late: shortcuts look ahead.
            const char16_t *tope = p + std::min<std::size_t>(std::size_t(fin - p), Salida::HTML);
            w_ = salida.Bloque();
            while (p < tope && !Ocioso())
                Pasa(0, *p++);
            while (p < tope) {
#ifdef VELMORA_SSE2
                if ((p = Ventanas(p, tope, fin)) >= tope)
                    break;
#endif
                if ((p = disparador.Copia(p, tope, w_)) == tope)
                    break;
                if (const std::size_t hechos = Atajo(p, fin)) {
                    p += hechos;
                    continue;
                }
                // The chain, one character at a time, until every stage is idle.
                do
                    Pasa(0, *p++);
                while (p < tope && !Ocioso());
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

#ifdef VELMORA_SSE2
    // Where the characters '&', '<' (with line breaks on) and ';' are among
    // sixty-four, one bit each.
    struct Mapa {
        std::uint64_t Disparos = 0;
        std::uint64_t Fines = 0;
    };

    Mapa Cartografia(const char16_t *p) const
    {
        // Narrowed with signed saturation: every code above 127 becomes 127 or
        // -128, so the three ASCII characters are matched exactly.
        Mapa m;
        for (int k = 0; k < 64; k += 16) {
            const __m128i b = _mm_packs_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p + k)),
                                              _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + k + 8)));
            __m128i disparo = _mm_cmpeq_epi8(b, _mm_set1_epi8('&'));
            if (saltos_)
                disparo = _mm_or_si128(disparo, _mm_cmpeq_epi8(b, _mm_set1_epi8('<')));
            m.Disparos |= std::uint64_t(unsigned(_mm_movemask_epi8(disparo))) << k;
            m.Fines |= std::uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(b, _mm_set1_epi8(';'))))) << k;
        }
        return m;
    }

    // The fast path for text full of references, while every stage is idle:
    // one map per sixty-four characters says where every '&' and ';' is, so
    // finding the next reference and its end needs no scan that waits for the
    // previous one. Handles plain references as Atajo does and stops, at the
    // trigger, at anything else (a '<', "&amp;", "&#38;", a reference to '<'),
    // or where fewer than 80 characters are left: a map reads 64, a key up to
    // p[65), and copying a run from within the map up to p[79).
    const char16_t *Ventanas(const char16_t *p, const char16_t *const tope, const char16_t *const fin)
    {
        char16_t *w = w_;
        while (p < tope && fin - p >= 80) {
            const Mapa m = Cartografia(p);
            std::uint64_t disparos = m.Disparos;
            std::size_t hecho = 0;  // p[0, hecho) is written
            for (;;) {
                // A trigger past 56 may have its ';' beyond the map: the next map starts there.
                const std::size_t i = disparos ? std::size_t(std::countr_zero(disparos)) : 64;
                for (std::size_t k = hecho; k < std::min<std::size_t>(i, 64); k += 16)
                    Copia16(p + k, w + (k - hecho));
                w += std::min<std::size_t>(i, 64) - hecho;
                if (i > 56) {
                    p += std::min<std::size_t>(i, 64);
                    break;
                }
                if (p[i] != u'&') {
                    w_ = w;
                    return p + i;
                }
                const std::size_t largo = std::size_t(std::countr_zero((m.Fines >> (i + 1)) | 0x80u));
                const char16_t c = largo - 1 < CuerpoMaximo ? TablaReferencias.Busca(ClaveSIMD(p + i + 1, largo)) : 0;
                if (c == u'&' || (c == u'<' && saltos_)) {
                    w_ = w;
                    return p + i;  // the chain's business, as in Atajo
                }
                if (c == 0 || (c == u' ' && !espacios_)) {
                    *w++ = u'&';
                    hecho = i + 1;
                } else {
                    *w++ = c;
                    hecho = i + largo + 2;
                }
                disparos &= disparos - 1;  // a reference's body holds no trigger
            }
        }
        w_ = w;
        return p;
    }
#endif

    // Within the chain, where "&amp;" and "&#38;" have had their own stages.
    char16_t Decodifica(std::u16string_view cuerpo) const
    {
        const char16_t c = TablaReferencias.Busca(cuerpo);
        return c == u'&' || (c == u' ' && !espacios_) ? 0 : c;
    }

    // Handles what needs no chain at all while every stage is idle, and
    // leaves every stage idle: a reference that cannot cascade, or a "<BR>"
    // whose neighbours cannot. Returns the number of characters consumed, or
    // 0 to take the chain.
    std::size_t Atajo(const char16_t *p, const char16_t *fin)
    {
        if (*p == u'&') {
            std::size_t largo = 0;
            const std::uint64_t clave = ClaveEn(p, fin, largo);
            const char16_t c = clave ? TablaReferencias.Busca(clave) : 0;
            if (c == u'&' || (c == u'<' && saltos_))
                return 0;  // "&amp;" or "&#38;" may make a new reference, '<' may begin a "<BR>"
            if (c == 0 || (c == u' ' && !espacios_)) {
                *w_++ = u'&';  // starts no reference, nor can anything decoded from it
                return 1;
            }
            *w_++ = c;
            return largo + 2;
        }

        // '<', only a trigger with line breaks on. 'B' and 'R' cannot come out of
        // a reference, but '>' can ("&gt;").
        const std::u16string_view resto(p, std::size_t(fin - p));
        if (!resto.starts_with(std::u16string_view(u"<BR>", 4))) {
            if (resto.starts_with(std::u16string_view(u"<BR&", 4)))
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
    return std::move(salida).Resultado();
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
