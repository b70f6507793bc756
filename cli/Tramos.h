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
