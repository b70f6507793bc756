// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Line breaks of text that enters from outside (a file, the clipboard, a drop)
// and of text written out for systems that end lines with LF alone, as
// streams: a CR that ends one piece is paired with an LF that begins the next.
// Standard library only; UTF-16 units or UTF-8 bytes.
//
// Example: ACRLF turns "a\nb\rc\r\nd" into "a\r\nb\r\nc\r\nd"; ALF turns that
// back into "a\nb\nc\nd".

#include "Vectores.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>

namespace Saltos {

// Each LF, CR and CR LF becomes CR LF, as in the window's text boxes.
template <typename Unidad>
class ACRLF {
public:
    // Whether the piece comes out as it is: every break in it already a CR LF
    // of its own (so it ends with no CR) and none to pair with the last piece.
    bool Intacto(std::basic_string_view<Unidad> trozo) const
    {
        return !trasCR_ && ConversionesTextoHTML::Vectores::SoloParesCRLF(trozo.data(), trozo.size());
    }

    // Writes the piece at w, which has room for twice its units; returns the end.
    Unidad *Normaliza(std::basic_string_view<Unidad> trozo, Unidad *w)
    {
        for (std::size_t i = 0; i < trozo.size(); ++i) {
            const std::size_t tramo = ConversionesTextoHTML::Vectores::BuscaSalto(trozo.data() + i, trozo.size() - i);
            w = std::copy_n(trozo.data() + i, tramo, w);
            trasCR_ = trasCR_ && tramo == 0;
            if ((i += tramo) == trozo.size())
                break;
            if (trozo[i] == Unidad(13) || !trasCR_) {
                *w++ = Unidad(13);
                *w++ = Unidad(10);
            }
            trasCR_ = trozo[i] == Unidad(13);
        }
        return w;
    }

private:
    bool trasCR_ = false;  // the last piece ended with CR
};

// Each CR LF becomes LF; other CRs and LFs stay.
template <typename Unidad>
class ALF {
public:
    // Writes the piece at w, which has room for its units and one more;
    // returns the end. A CR that ends a piece waits, unless it is the last.
    Unidad *Convierte(std::basic_string_view<Unidad> trozo, Unidad *w, bool ultimo)
    {
        for (std::size_t i = 0; i < trozo.size(); ++i) {
            const std::size_t tramo = ConversionesTextoHTML::Vectores::BuscaSalto(trozo.data() + i, trozo.size() - i);
            if (tramo != 0 && std::exchange(crPendiente_, false))
                *w++ = Unidad(13);
            w = std::copy_n(trozo.data() + i, tramo, w);
            if ((i += tramo) == trozo.size())
                break;
            const bool cr = trozo[i] == Unidad(13);
            if (std::exchange(crPendiente_, cr) && cr)
                *w++ = Unidad(13);  // CR CR: the first one stays
            if (!cr)
                *w++ = trozo[i];  // LF, whether or not a CR went before
        }
        if (ultimo && std::exchange(crPendiente_, false))
            *w++ = Unidad(13);
        return w;
    }

private:
    bool crPendiente_ = false;  // the last piece ended with a CR not written yet
};

}  // namespace Saltos
