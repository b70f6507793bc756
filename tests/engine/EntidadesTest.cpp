// SPDX-License-Identifier: GPL-3.0-or-later
// The entity table written out entry by entry, independent of the engine's
// own table, so that a wrong name, code or flag in any entry fails here.

#include "ConversionesTextoHTML.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ConversionesTextoHTML::Entidades;

struct Entrada {
    int indice;
    std::u16string_view texto;
    int codigo;
    int especial;
};

void PrintTo(const Entrada &e, std::ostream *os) { *os << "entry " << e.indice; }

class TablaEscrita : public testing::TestWithParam<Entrada> {};

TEST_P(TablaEscrita, EntryHoldsItsNameCodeAndFlag)
{
    const Entrada &e = GetParam();
    ASSERT_EQ(Entidades.size(), 99u);
    EXPECT_TRUE(Entidades[std::size_t(e.indice)].Texto == e.texto) << "name";
    EXPECT_EQ(Entidades[std::size_t(e.indice)].Codigo, e.codigo) << "code";
    EXPECT_EQ(Entidades[std::size_t(e.indice)].Especial, e.especial) << "special";
}

// Latin-1 from 161 to 255 in order, then '"', '<', '>' and '&'.
const Entrada Escrita[] = {
    {0, u"&iexcl;", 161, 0}, {1, u"&cent;", 162, 0}, {2, u"&pound;", 163, 0}, {3, u"&curren;", 164, 0},
    {4, u"&yen;", 165, 0}, {5, u"&brvbar;", 166, 0}, {6, u"&sect;", 167, 0}, {7, u"&uml;", 168, 0},
    {8, u"&copy;", 169, 0}, {9, u"&ordf;", 170, 0}, {10, u"&laquo;", 171, 0}, {11, u"&not;", 172, 0},
    {12, u"&shy;", 173, 0}, {13, u"&reg;", 174, 0}, {14, u"&macr;", 175, 0}, {15, u"&deg;", 176, 0},
    {16, u"&plusmn;", 177, 0}, {17, u"&sup2;", 178, 0}, {18, u"&sup3;", 179, 0}, {19, u"&acute;", 180, 0},
    {20, u"&micro;", 181, 0}, {21, u"&para;", 182, 0}, {22, u"&middot;", 183, 0}, {23, u"&cedil;", 184, 0},
    {24, u"&sup1;", 185, 0}, {25, u"&ordm;", 186, 0}, {26, u"&raquo;", 187, 0}, {27, u"&frac14;", 188, 0},
    {28, u"&frac12;", 189, 0}, {29, u"&frac34;", 190, 0}, {30, u"&iquest;", 191, 0}, {31, u"&Agrave;", 192, 0},
    {32, u"&Aacute;", 193, 0}, {33, u"&Acirc;", 194, 0}, {34, u"&Atilde;", 195, 0}, {35, u"&Auml;", 196, 0},
    {36, u"&Aring;", 197, 0}, {37, u"&AElig;", 198, 0}, {38, u"&Ccedil;", 199, 0}, {39, u"&Egrave;", 200, 0},
    {40, u"&Eacute;", 201, 0}, {41, u"&Ecirc;", 202, 0}, {42, u"&Euml;", 203, 0}, {43, u"&Igrave;", 204, 0},
    {44, u"&Iacute;", 205, 0}, {45, u"&Icirc;", 206, 0}, {46, u"&Iuml;", 207, 0}, {47, u"&ETH;", 208, 0},
    {48, u"&Ntilde;", 209, 0}, {49, u"&Ograve;", 210, 0}, {50, u"&Oacute;", 211, 0}, {51, u"&Ocirc;", 212, 0},
    {52, u"&Otilde;", 213, 0}, {53, u"&Ouml;", 214, 0}, {54, u"&times;", 215, 0}, {55, u"&Oslash;", 216, 0},
    {56, u"&Ugrave;", 217, 0}, {57, u"&Uacute;", 218, 0}, {58, u"&Ucirc;", 219, 0}, {59, u"&Uuml;", 220, 0},
    {60, u"&Yacute;", 221, 0}, {61, u"&THORN;", 222, 0}, {62, u"&szlig;", 223, 0}, {63, u"&agrave;", 224, 0},
    {64, u"&aacute;", 225, 0}, {65, u"&acirc;", 226, 0}, {66, u"&atilde;", 227, 0}, {67, u"&auml;", 228, 0},
    {68, u"&aring;", 229, 0}, {69, u"&aelig;", 230, 0}, {70, u"&ccedil;", 231, 0}, {71, u"&egrave;", 232, 0},
    {72, u"&eacute;", 233, 0}, {73, u"&ecirc;", 234, 0}, {74, u"&euml;", 235, 0}, {75, u"&igrave;", 236, 0},
    {76, u"&iacute;", 237, 0}, {77, u"&icirc;", 238, 0}, {78, u"&iuml;", 239, 0}, {79, u"&eth;", 240, 0},
    {80, u"&ntilde;", 241, 0}, {81, u"&ograve;", 242, 0}, {82, u"&oacute;", 243, 0}, {83, u"&ocirc;", 244, 0},
    {84, u"&otilde;", 245, 0}, {85, u"&ouml;", 246, 0}, {86, u"&divide;", 247, 0}, {87, u"&oslash;", 248, 0},
    {88, u"&ugrave;", 249, 0}, {89, u"&uacute;", 250, 0}, {90, u"&ucirc;", 251, 0}, {91, u"&uuml;", 252, 0},
    {92, u"&yacute;", 253, 0}, {93, u"&thorn;", 254, 0}, {94, u"&yuml;", 255, 0}, {95, u"&quot;", 34, 1},
    {96, u"&lt;", 60, 1}, {97, u"&gt;", 62, 1}, {98, u"&amp;", 38, 1},
};

std::string Nombre(const testing::TestParamInfo<Entrada> &info)
{
    std::string nombre = std::to_string(info.param.indice) + "_";
    for (char16_t c : info.param.texto.substr(1, info.param.texto.size() - 2))
        nombre += char(c);
    return nombre;
}

INSTANTIATE_TEST_SUITE_P(Entidades, TablaEscrita, testing::ValuesIn(Escrita), Nombre);

}  // namespace
