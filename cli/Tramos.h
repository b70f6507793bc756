#pragma once

// The hot loops of velmora-convert: most units need no work, so the next one
// that does is found eight or sixteen at a time where SSE2 is available, and
// the run before it is copied in one piece.

#include "UnidadesUtf16.h"

#include <algorithm>
#include <bit>
#include <cstddef>

#if defined(__SSE2__) || (defined(_M_X64) && !defined(__GNUC__))
#include <emmintrin.h>
#define VELMORA_CLI_SSE2 1
#endif

namespace VelmoraConvert {

// Index of the first CR or LF among the n units at p, or n.
inline std::size_t BuscaSalto(const char16_t *p, std::size_t n)
{
    std::size_t i = 0;
#ifdef VELMORA_CLI_SSE2
    const __m128i cr = _mm_set1_epi16(short(Utf16::CR)), lf = _mm_set1_epi16(short(Utf16::LF));
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
        if (const int m = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(v, cr), _mm_cmpeq_epi16(v, lf))))
            return i + unsigned(std::countr_zero(unsigned(m))) / 2;
    }
#endif
    while (i < n && p[i] != Utf16::CR && p[i] != Utf16::LF)
        ++i;
    return i;
}

// Whether every CR among the n units at p is followed by LF, and every LF
// preceded by CR, all within those n units.
inline bool SoloParesCRLF(const char16_t *p, std::size_t n)
{
    std::size_t i = 0;
    bool trasCR = false;
#ifdef VELMORA_CLI_SSE2
    const __m128i cr = _mm_set1_epi16(short(Utf16::CR)), lf = _mm_set1_epi16(short(Utf16::LF));
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
        const unsigned crs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(v, cr)));
        const unsigned lfs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(v, lf)));
        // Each LF lane must sit one lane after a CR lane.
        if (((crs << 2 | (trasCR ? 3u : 0u)) & 0xFFFF) != lfs)
            return false;
        trasCR = crs >> 14 != 0;
    }
#endif
    for (; i < n; ++i) {
        if ((p[i] == Utf16::LF) != trasCR)
            return false;
        trasCR = p[i] == Utf16::CR;
    }
    return !trasCR;
}

// Index of the first unit that has a bit of `bits` set (0xFF80: not ASCII,
// 0xFF00: not Latin-1), or n.
inline std::size_t BuscaBits(const char16_t *p, std::size_t n, char16_t bits)
{
    std::size_t i = 0;
#ifdef VELMORA_CLI_SSE2
    const __m128i b = _mm_set1_epi16(short(bits)), cero = _mm_setzero_si128();
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i)), b);
        if (const int m = _mm_movemask_epi8(_mm_cmpeq_epi16(v, cero)); m != 0xFFFF)
            return i + unsigned(std::countr_one(unsigned(m))) / 2;
    }
#endif
    while (i < n && (p[i] & bits) == 0)
        ++i;
    return i;
}

// Index of the first byte above 0x7F among the n at p, or n.
inline std::size_t BuscaNoAscii(const unsigned char *p, std::size_t n)
{
    std::size_t i = 0;
#ifdef VELMORA_CLI_SSE2
    for (; i + 16 <= n; i += 16) {
        if (const int m = _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i))))
            return i + unsigned(std::countr_zero(unsigned(m)));
    }
#endif
    while (i < n && p[i] < 0x80)
        ++i;
    return i;
}

// Widens the 16 bytes at p to w and returns how many of them, from the
// first, are ASCII: those are the ones the caller keeps.
inline std::size_t CopiaAscii16(const unsigned char *p, char16_t *w)
{
    std::copy_n(p, 16, w);
    return BuscaNoAscii(p, 16);
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

}  // namespace VelmoraConvert
