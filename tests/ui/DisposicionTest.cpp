// SPDX-License-Identifier: GPL-3.0-or-later
// The layout arithmetic without a window: each row an outer size in twips
// and where every control lands, in pixels worked out by hand.

#include "Disposicion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

// Readable failures: Qt gives no printer of its own to GoogleTest.
void PrintTo(const QPoint &p, std::ostream *os) { *os << '(' << p.x() << ", " << p.y() << ')'; }
void PrintTo(const QSize &s, std::ostream *os) { *os << s.width() << " x " << s.height(); }

namespace {

struct Sitio {
    QPoint esquina;
    std::optional<QSize> tamano;
};

struct Caso {
    const char *nombre;
    QSizeF exterior;
    int anchoLineas;
    std::map<std::string, Sitio> sitios;
};

void PrintTo(const Caso &c, std::ostream *os) { *os << c.nombre; }

// The buttons keep their place on the right and move down in steps of dH / 2;
// Close stays at the bottom.
const Caso Casos[] = {
    {"design", {5865, 4020}, 391,
     {{"sOriginal", {{8, 24}, QSize(321, 73)}},
      {"sConvertido", {{8, 144}, QSize(321, 73)}},
      {"lblConvertido", {{8, 128}, {}}},
      {"cmdConvertir", {{256, 104}, {}}},
      {"picSemaforo", {{312, 100}, {}}},
      {"cmdPegar", {{336, 24}, {}}},
      {"cmdBorrar", {{336, 64}, {}}},
      {"cmdPegayCopia", {{336, 104}, {}}},
      {"cmdCopiar", {{336, 144}, {}}},
      {"cmdCerrar", {{336, 184}, {}}}}},
    {"minimum", {4740, 3780}, 316,
     {{"sOriginal", {{8, 24}, QSize(246, 65)}},
      {"sConvertido", {{8, 136}, QSize(246, 65)}},
      {"lblConvertido", {{8, 120}, {}}},
      {"cmdConvertir", {{181, 96}, {}}},
      {"picSemaforo", {{237, 92}, {}}},
      {"cmdPegar", {{261, 24}, {}}},
      {"cmdBorrar", {{261, 56}, {}}},
      {"cmdPegayCopia", {{261, 96}, {}}},
      {"cmdCopiar", {{261, 136}, {}}},
      {"cmdCerrar", {{261, 168}, {}}}}},
    // dH / 2 is half a pixel: the lower box starts half a pixel lower and
    // is a pixel shorter, so its bottom still meets Close's.
    {"one pixel larger each way", {5880, 4035}, 392,
     {{"sOriginal", {{8, 24}, QSize(322, 74)}},
      {"sConvertido", {{8, 145}, QSize(322, 73)}},
      {"lblConvertido", {{8, 129}, {}}},
      {"cmdConvertir", {{257, 105}, {}}},
      {"picSemaforo", {{313, 101}, {}}},
      {"cmdPegar", {{337, 24}, {}}},
      {"cmdBorrar", {{337, 65}, {}}},
      {"cmdPegayCopia", {{337, 105}, {}}},
      {"cmdCopiar", {{337, 145}, {}}},
      {"cmdCerrar", {{337, 185}, {}}}}},
    {"large", {30000, 20000}, 2000,
     {{"sOriginal", {{8, 24}, QSize(1930, 606)}},
      {"sConvertido", {{8, 677}, QSize(1930, 605)}},
      {"lblConvertido", {{8, 661}, {}}},
      {"cmdConvertir", {{1865, 637}, {}}},
      {"picSemaforo", {{1921, 633}, {}}},
      {"cmdPegar", {{1945, 24}, {}}},
      {"cmdBorrar", {{1945, 597}, {}}},
      {"cmdPegayCopia", {{1945, 637}, {}}},
      {"cmdCopiar", {{1945, 677}, {}}},
      {"cmdCerrar", {{1945, 1249}, {}}}}},
    // Growth is taken in whole twips: 7.4 x 14.8 twips more is 7 x 15, so
    // the lower box starts at 2167.5 twips, not 2167.4, and rounds down no more.
    {"fractional twips", {5872.4, 4034.8}, 391,
     {{"sOriginal", {{8, 24}, QSize(321, 74)}},
      {"sConvertido", {{8, 145}, QSize(321, 73)}},
      {"lblConvertido", {{8, 129}, {}}},
      {"cmdConvertir", {{256, 105}, {}}},
      {"picSemaforo", {{312, 101}, {}}},
      {"cmdPegar", {{336, 24}, {}}},
      {"cmdBorrar", {{336, 65}, {}}},
      {"cmdPegayCopia", {{336, 105}, {}}},
      {"cmdCopiar", {{336, 145}, {}}},
      {"cmdCerrar", {{336, 185}, {}}}}},
};

class Reparto : public testing::TestWithParam<Caso> {};

TEST_P(Reparto, PutsEveryControlInItsPlace)
{
    const Caso &caso = GetParam();
    const Disposicion::Reparto reparto = Disposicion::Reparte(caso.exterior);
    EXPECT_EQ(reparto.AnchoLineas, caso.anchoLineas);
    ASSERT_EQ(reparto.Lugares.size(), caso.sitios.size());
    for (const Disposicion::Lugar &lugar : reparto.Lugares) {
        SCOPED_TRACE(lugar.Control);
        const auto sitio = caso.sitios.find(lugar.Control);
        ASSERT_NE(sitio, caso.sitios.end());
        EXPECT_EQ(lugar.Esquina, sitio->second.esquina);
        EXPECT_EQ(lugar.Tamano, sitio->second.tamano);
    }
}

INSTANTIATE_TEST_SUITE_P(Disposicion, Reparto, testing::ValuesIn(Casos),
                         [](const auto &info) {
                             std::string nombre = info.param.nombre;
                             std::replace(nombre.begin(), nombre.end(), ' ', '_');
                             return nombre;
                         });

const Disposicion::Lugar &De(const Disposicion::Reparto &reparto, std::string_view control)
{
    return *std::find_if(reparto.Lugares.begin(), reparto.Lugares.end(),
                         [&](const Disposicion::Lugar &l) { return l.Control == control; });
}

// Close is 33 pixels high and the upper buttons 41 wide, as created. At every
// height, odd ones included, the lower box ends where Close ends, and the
// boxes end 7 pixels before the buttons' column.
TEST(Disposicion, EdgesThatMeetInTwipsMeetInPixelsAtEverySize)
{
    for (double alto = 3780; alto <= 4500; ++alto) {
        for (double ancho : {4740.0, 5865.0, 5866.0, 5879.0}) {
            SCOPED_TRACE(testing::Message() << ancho << " x " << alto);
            const auto reparto = Disposicion::Reparte({ancho, alto});
            const auto &abajo = De(reparto, "sConvertido");
            const auto &arriba = De(reparto, "sOriginal");
            EXPECT_EQ(abajo.Esquina.y() + abajo.Tamano->height(), De(reparto, "cmdCerrar").Esquina.y() + 33);
            EXPECT_EQ(arriba.Esquina.y(), De(reparto, "cmdPegar").Esquina.y());
            for (const auto *caja : {&arriba, &abajo})
                EXPECT_EQ(caja->Esquina.x() + caja->Tamano->width() + 7, De(reparto, "cmdPegar").Esquina.x());
        }
    }
}

}  // namespace
