// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window is designed in twips, 15 to the device-independent pixel. The
// outer size kept in the settings is the client (central widget) size plus
// the design difference between outer and client size, so it is the same
// number on every platform whatever its window frames measure.

#include <QRect>
#include <QSize>
#include <QSizeF>

#include <algorithm>
#include <cmath>

namespace Twips {

inline constexpr double PorPixel = 15;
inline constexpr QSizeF Marco{120, 675};  // outer minus client, as designed

inline int APixeles(double twips)
{
    if (std::isnan(twips))
        return 0;
    return int(std::lround(std::clamp(twips / PorPixel, -1e9, 1e9)));
}

inline QRect Rectangulo(int left, int top, int width, int height)
{
    return {APixeles(left), APixeles(top), APixeles(width), APixeles(height)};
}

inline QSizeF Exterior(QSize cliente)
{
    return {cliente.width() * PorPixel + Marco.width(), cliente.height() * PorPixel + Marco.height()};
}

inline QSize Cliente(QSizeF exterior)
{
    return {APixeles(exterior.width() - Marco.width()), APixeles(exterior.height() - Marco.height())};
}

}  // namespace Twips
