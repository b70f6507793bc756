// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Windows-1252, the code page of Velmora.cfg and one of velmora-convert's
// encodings, in one table. Bytes below 0x80 and from 0xA0 up are the Unicode
// characters of the same value; the table holds the 32 bytes between.
//
// The code page leaves five bytes undefined: 0x81, 0x8D, 0x8F, 0x90, 0x9D.
// The table gives each its own value (U+0081 and so on); what a reader does
// with them is a policy of Codificaciones.h:
//   - tolerant (the settings file) reads them as those code points and writes
//     those code points back as the same bytes, so any file makes the round trip;
//   - strict (velmora-convert) refuses them: an undefined byte in its input,
//     or one of U+0080-U+009F in its output, is invalid.

#include <array>
#include <cstddef>

namespace Windows1252 {

// Bytes 0x80-0x9F.
inline constexpr std::array<char16_t, 32> Alto{
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',  // 80-87
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',  // 88-8F
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',  // 90-97
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',  // 98-9F
};

constexpr bool EnAlto(unsigned byte) { return byte >= 0x80 && byte <= 0x9F; }

// False for the five undefined bytes.
constexpr bool Definido(unsigned char byte) { return !EnAlto(byte) || Alto[byte - 0x80] != byte; }

// The character of a byte; an undefined byte gives the code point of its value.
constexpr char16_t Caracter(unsigned char byte) { return EnAlto(byte) ? Alto[byte - 0x80] : char16_t(byte); }

// The byte of a character, the inverse of Caracter; -1 when the code page has
// no place for it.
constexpr int Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < Alto.size(); ++i) {
        if (Alto[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

}  // namespace Windows1252
