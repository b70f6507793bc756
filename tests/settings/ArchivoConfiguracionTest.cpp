// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchivoConfiguracion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Configuracion;

namespace Configuracion {
void PrintTo(const Marcas &m, std::ostream *os)
{
    for (bool b : m.Idiomas) *os << b;
    *os << ' ';
    for (bool b : m.Modos) *os << b;
    *os << ' ';
    for (bool b : m.Opciones) *os << b;
    *os << ' ' << m.Ancho.value_or(-1) << 'x' << m.Alto.value_or(-1);
}

}  // namespace Configuracion

namespace {

// A new window: Castellano, text to HTML, only CRtrasBR, no size from the file.
Marcas Diseno()
{
    Marcas m;
    m.Idiomas = {true, false, false, false};
    m.Modos = {true, false};
    m.Opciones = {false, false, false, false, false, true};
    return m;
}

Marcas Con(void (*cambia)(Marcas &))
{
    Marcas m = Diseno();
    cambia(m);
    return m;
}

struct Lectura {
    Marcas marcas;
    std::vector<Aviso> avisos;
};

Lectura Lee(std::string_view archivo, std::size_t trozo)
{
    Lectura l;
    Lector lector(Diseno(), [&](Aviso a) { l.avisos.push_back(a); });
    for (std::size_t i = 0; i < archivo.size(); i += trozo)
        lector.Anade(archivo.substr(i, trozo));
    l.marcas = lector.Termina();
    return l;
}

struct Fila {
    const char *nombre;
    std::string archivo;
    Marcas esperado;
    std::vector<Aviso> avisos = {};
};

void PrintTo(const Fila &f, std::ostream *os) { *os << f.nombre; }

constexpr auto Idioma = Aviso::IdiomaNoReconocido;
constexpr auto Modo = Aviso::ModoNoReconocido;

class LeerArchivo : public testing::TestWithParam<Fila> {};

// Every row is read whole and also one byte at a time: where the pieces of a
// file fall must never matter.
TEST_P(LeerArchivo, FileSetsTheMarksAndSize)
{
    const Fila &f = GetParam();
    for (const std::size_t trozo : {f.archivo.size() + 1, std::size_t(1), std::size_t(3)}) {
        const Lectura l = Lee(f.archivo, trozo);
        EXPECT_EQ(l.marcas, f.esperado) << "pieces of " << trozo;
        EXPECT_EQ(l.avisos, f.avisos) << "pieces of " << trozo;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Configuracion, LeerArchivo,
    testing::Values(
        Fila{"empty_file_keeps_the_design_state", "", Diseno()},
        Fila{"example_file_sets_everything",
             "Idioma=English\r\nModo=HTML a Texto\r\nUnicode=No\r\nEntidadesHTML=No\r\nSaltos=Si\r\nSoloCR=No\r\n"
             "Espacios=No\r\nCRtrasBR=Si\r\nAncho=9000\r\nAlto=6000\r\n",
             Con([](Marcas &m) {
                 m.Idiomas = {false, false, false, true};
                 m.Modos = {false, true};
                 m.Opciones[2] = true;
                 m.Ancho = 9000;
                 m.Alto = 6000;
             })},
        Fila{"keys_and_values_in_any_case_with_blanks", "  IDIOMA = ENGLISH  \rmodo=html a texto",
             Con([](Marcas &m) {
                 m.Idiomas = {false, false, false, true};
                 m.Modos = {false, true};
             })},
        Fila{"catalan_with_a_capital_accent", "Idioma=CATAL\xC1N", Con([](Marcas &m) {
                 m.Idiomas = {false, true, false, false};
             })},
        Fila{"catalan_as_the_menu_shows_it_is_unknown", "Idioma=Catal\xE0", Diseno(), {Idioma}},
        Fila{"empty_language_is_unknown", "Idioma=\r\n", Diseno(), {Idioma}},
        Fila{"direction_with_a_second_equals_is_unknown", "Modo=html a texto=x", Diseno(), {Modo}},
        Fila{"tab_before_the_value_is_part_of_it", "Idioma=\tEnglish", Diseno(), {Idioma}},
        Fila{"one_message_per_kind_of_problem", "Idioma=x\rModo=y\rIdioma=z\rModo=w\r", Diseno(), {Idioma, Modo}},
        Fila{"two_languages_leave_both_marked", "Idioma=English\rIdioma=Galego\r", Con([](Marcas &m) {
                 m.Idiomas = {false, false, true, true};
             })},
        Fila{"two_directions_leave_both_marked", "Modo=html a texto\rModo=texto a html\r", Con([](Marcas &m) {
                 m.Modos = {true, true};
             })},
        Fila{"yes_words_set_and_others_clear",
             "Unicode=S\xCD\rEntidadesHTML=Yes\rSaltos=ON\rSoloCR=si\rEspacios=True\rCRtrasBR=1", Con([](Marcas &m) {
                 m.Opciones = {true, true, true, true, false, false};
             })},
        Fila{"later_lines_override_earlier_ones", "Saltos=Si\rAncho=1\rSaltos=No\rAncho=9000.9\r", Con([](Marcas &m) {
                 m.Ancho = 9000;
             })},
        Fila{"sizes_skip_blanks_and_read_zero_without_a_number", "Ancho=9 000\r\nAlto=abc\r\n", Con([](Marcas &m) {
                 m.Ancho = 9000;
                 m.Alto = 0;
             })},
        Fila{"other_lines_are_skipped", "; comment\r=\rIdioma\rColor=Rojo\r\r\nx=y=z\rAlto=10", Con([](Marcas &m) {
                 m.Alto = 10;
             })},
        Fila{"lf_only_file_is_read_line_by_line", "Idioma=English\nAlto=6000\nSaltos=Si\n", Con([](Marcas &m) {
                 m.Idiomas = {false, false, false, true};
                 m.Alto = 6000;
                 m.Opciones[2] = true;
             })},
        Fila{"lf_cr_is_two_line_ends", "Saltos=Si\n\rAlto=3\n\nAncho=4", Con([](Marcas &m) {
                 m.Opciones[2] = true;
                 m.Alto = 3;
                 m.Ancho = 4;
             })},
        Fila{"cr_lf_is_one_line_end_even_across_pieces", "Alto=1\r\nAncho=2\r\n\r\nSaltos=Si", Con([](Marcas &m) {
                 m.Alto = 1;
                 m.Ancho = 2;
                 m.Opciones[2] = true;
             })}),
    [](const testing::TestParamInfo<Fila> &info) { return std::string(info.param.nombre); });

TEST(LeerArchivoLargo, LineBeyondTheLimitKeepsItsFirstCharacters)
{
    // The blanks that follow "English" within the limit are trimmed; the "x"
    // beyond it is never seen. In pieces smaller than the line, and in the
    // window's, which hold it whole.
    const std::string linea = "Idioma=English" + std::string(LineaMaxima, ' ') + "x";
    for (const std::size_t trozo : {std::size_t(4096), TrozoLectura}) {
        const Lectura l = Lee(linea + "\r\nAlto=42", trozo);
        EXPECT_EQ(l.marcas.Idiomas, (std::array<bool, 4>{false, false, false, true})) << trozo;
        EXPECT_EQ(l.marcas.Alto, 42);
        EXPECT_TRUE(l.avisos.empty());
    }
}

TEST(LeerArchivoLargo, HugeLineWithoutBreaksIsPassedOver)
{
    Lector lector(Diseno(), [](Aviso) { ADD_FAILURE(); });
    const std::string trozo(1 << 20, 'x');
    for (int i = 0; i < 64; ++i)
        lector.Anade(trozo);
    lector.Anade("\rSaltos=Si");
    EXPECT_TRUE(lector.Termina().Opciones[2]);
}

TEST(EscribirArchivo, TenLinesInKeyOrder)
{
    Guardado g{u"Catal\u00E1n", u"HTML a Texto", {false, true, true, false, false, true}, 9000.75, 6000};
    EXPECT_EQ(Escribe(g), "Idioma=Catal\xE1n\r\nModo=HTML a Texto\r\nUnicode=No\r\nEntidadesHTML=Si\r\nSaltos=Si\r\n"
                          "SoloCR=No\r\nEspacios=No\r\nCRtrasBR=Si\r\nAncho=9000\r\nAlto=6000\r\n");
}

TEST(EscribirArchivo, WhatIsWrittenReadsBackTheSame)
{
    Guardado g{u"Galego", u"Texto a HTML", {true, false, true, true, false, false}, 7000, 5000};
    const Lectura l = Lee(Escribe(g), 7);
    EXPECT_EQ(l.marcas, Con([](Marcas &m) {
                  m.Idiomas = {false, false, true, false};
                  m.Opciones = {true, false, true, true, false, false};
                  m.Ancho = 7000;
                  m.Alto = 5000;
              }));
}

}  // namespace
