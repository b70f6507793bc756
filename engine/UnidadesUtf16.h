// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// UTF-16 code units that every part of Velmora tests for: line breaks and
// surrogates. Constants and tests only; no part of the conversion.

namespace Utf16 {

inline constexpr char16_t CR = 13;
inline constexpr char16_t LF = 10;

// The first unit of a surrogate pair (U+D800-U+DBFF).
constexpr bool EsAlto(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
// The second unit of a surrogate pair (U+DC00-U+DFFF).
constexpr bool EsBajo(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The code point of the pair alto, bajo (EsAlto(alto) and EsBajo(bajo)).
constexpr char32_t Combina(char16_t alto, char16_t bajo)
{
    return 0x10000 + (char32_t(alto - 0xD800) << 10) + char32_t(bajo - 0xDC00);
}

}  // namespace Utf16
