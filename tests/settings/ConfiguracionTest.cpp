// SPDX-License-Identifier: GPL-3.0-or-later
#include "Configuracion.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

using namespace Configuracion;

namespace {

template <typename T>
struct Fila {
    const char *nombre;
    std::u16string entrada;
    T esperado;
};

template <typename T>
void PrintTo(const Fila<T> &f, std::ostream *os) { *os << f.nombre; }

template <typename T>
std::string NombreFila(const testing::TestParamInfo<Fila<T>> &info) { return info.param.nombre; }

std::u16string Cifras(std::size_t n, char16_t c) { return std::u16string(n, c); }

// --- Keys and values ------------------------------------------------------

struct Partes {
    std::u16string etiqueta, contenido;
};

class Partir : public testing::TestWithParam<Fila<Partes>> {};

TEST_P(Partir, LineGivesItsKeyAndItsValue)
{
    const auto &f = GetParam();
    EXPECT_EQ(LeeEtiqueta(f.entrada), f.esperado.etiqueta);
    EXPECT_EQ(LeeContenido(f.entrada), f.esperado.contenido);
}

INSTANTIATE_TEST_SUITE_P(
    Configuracion, Partir,
    testing::Values(
        Fila<Partes>{"upper_case_line_keeps_its_case", u"IDIOMA=ENGLISH", {u"IDIOMA", u"ENGLISH"}},
        Fila<Partes>{"blanks_around_key_and_value_are_trimmed", u"  Idioma = English  ", {u"Idioma", u"English"}},
        Fila<Partes>{"value_keeps_later_equals_signs", u"Modo=html a texto=x", {u"Modo", u"html a texto=x"}},
        Fila<Partes>{"tab_after_equals_stays_in_the_value", u"Idioma=\tEnglish", {u"Idioma", u"\tEnglish"}},
        Fila<Partes>{"tab_before_the_key_stays_in_the_key", u"\tIdioma=English", {u"\tIdioma", u"English"}},
        Fila<Partes>{"lone_lf_stays_in_the_value", u"Idioma=English\nModo=x", {u"Idioma", u"English\nModo=x"}},
        Fila<Partes>{"nothing_after_equals_is_an_empty_value", u"Idioma=", {u"Idioma", u""}},
        Fila<Partes>{"one_character_line_is_empty", u"=", {u"", u""}},
        Fila<Partes>{"one_character_after_trimming_is_empty", u"   =   ", {u"", u""}},
        Fila<Partes>{"line_without_equals_is_empty", u"Idioma English", {u"", u""}},
        Fila<Partes>{"blank_line_is_empty", u"    ", {u"", u""}}),
    NombreFila<Partes>);

// --- Yes words and lower-casing -------------------------------------------

class SiNo : public testing::TestWithParam<Fila<bool>> {};

TEST_P(SiNo, ValueSetsTheOptionOnlyWhenItIsAYesWord)
{
    EXPECT_EQ(LeeSiNo(GetParam().entrada), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Configuracion, SiNo,
    testing::Values(
        Fila<bool>{"Si_sets", u"Si", true},
        Fila<bool>{"SI_with_accent_from_the_file_sets", DesdeWindows1252("S\xCD"), true},
        Fila<bool>{"si_with_accent_sets", u"s\u00ED", true},
        Fila<bool>{"Yes_sets", u"Yes", true},
        Fila<bool>{"ON_sets", u"ON", true},
        Fila<bool>{"No_clears", u"No", false},
        Fila<bool>{"True_clears", u"True", false},
        Fila<bool>{"one_clears", u"1", false},
        Fila<bool>{"empty_clears", u"", false},
        Fila<bool>{"untrimmed_si_clears", u" si", false}),
    NombreFila<bool>);

class Minuscula : public testing::TestWithParam<Fila<std::u16string>> {};

TEST_P(Minuscula, TextIsLowerCased) { EXPECT_EQ(Minusculas(GetParam().entrada), GetParam().esperado); }

INSTANTIATE_TEST_SUITE_P(
    Configuracion, Minuscula,
    testing::Values(
        Fila<std::u16string>{"catalan_read_from_the_file", DesdeWindows1252("CATAL\xC1N"), u"catal\u00E1n"},
        Fila<std::u16string>{"latin1_capitals_but_not_the_times_sign", u"\u00C0\u00D6\u00D7\u00D8\u00DE\u00DF",
                             u"\u00E0\u00F6\u00D7\u00F8\u00FE\u00DF"},
        Fila<std::u16string>{"windows_1252_capitals", u"\u0160\u0152\u017D\u0178", u"\u0161\u0153\u017E\u00FF"}),
    NombreFila<std::u16string>);

// --- Sizes ------------------------------------------------------------------

constexpr double Infinito = std::numeric_limits<double>::infinity();

class Medida : public testing::TestWithParam<Fila<double>> {};

TEST_P(Medida, SizeValueReadsAsItsFlooredNumber) { EXPECT_EQ(LeeMedida(GetParam().entrada), GetParam().esperado); }

INSTANTIATE_TEST_SUITE_P(
    Configuracion, Medida,
    testing::Values(
        Fila<double>{"whole_number", u"9000", 9000},
        Fila<double>{"fraction_is_floored", u"9000.9", 9000},
        Fila<double>{"negative_fraction_floors_down", u"-0.5", -1},
        Fila<double>{"negative_whole_number", u"-5", -5},
        Fila<double>{"space_inside_the_number", u"9 000", 9000},
        Fila<double>{"spaces_everywhere", u" 1 2 . 5 e 1 ", 125},
        Fila<double>{"tabs_and_lfs_are_skipped", u"\t- 1\n0", -10},
        Fila<double>{"letters_read_zero", u"abc", 0},
        Fila<double>{"empty_reads_zero", u"", 0},
        Fila<double>{"lone_sign_and_point_read_zero", u"-.e5", 0},
        Fila<double>{"trailing_letters_stop_reading", u"300px", 300},
        Fila<double>{"comma_is_no_decimal_point", u"1,9", 1},
        Fila<double>{"exponent", u"1e30", 1e30},
        Fila<double>{"signed_capital_exponent", u"2.5E+3", 2500},
        Fila<double>{"exponent_without_digits_is_ignored", u"6e-", 6},
        Fila<double>{"small_negative_floors_to_minus_one", u"-1e-5", -1},
        Fila<double>{"huge_exponent_is_infinity", u"1e999999999999", Infinito},
        Fila<double>{"huge_negative_is_minus_infinity", u"-1e999999999999", -Infinito},
        Fila<double>{"huge_negative_exponent_is_zero", u"1e-999999999999", 0},
        Fila<double>{"vanishing_negative_floors_to_minus_one", u"-1e-999999999999", -1},
        Fila<double>{"four_hundred_digits_are_infinity", Cifras(400, u'9'), Infinito},
        Fila<double>{"three_hundred_digits_are_exact", u"1" + Cifras(299, u'0'), 1e299},
        Fila<double>{"digits_round_to_nearest_before_flooring", u"2.99999999999999999999", 3},
        Fila<double>{"leading_zeros_offset_a_large_exponent", u"0." + Cifras(20000, u'0') + u"3e20001", 3},
        Fila<double>{"dropped_digits_still_count", u"1" + Cifras(900, u'0') + u"e-900", 1},
        Fila<double>{"dropped_nonzero_digit_breaks_a_tie",
                     u"9007199254740993." + Cifras(800, u'0') + u"1", 9007199254740994.0}),
    NombreFila<double>);

TEST(ConfiguracionMedida, FiftyMillionDigitsReadInOnePass)
{
    EXPECT_EQ(LeeMedida(Cifras(50'000'000, u'7')), Infinito);
    EXPECT_EQ(LeeMedida(Cifras(50'000'000, u'0') + u"12.5"), 12);
}

// --- Code page ----------------------------------------------------------------

TEST(ConfiguracionCodigo, HighBytesAreTheWindows1252Characters)
{
    EXPECT_EQ(DesdeWindows1252("\x80\x81\x8A\x9D\x9F\xA0\xE1"), u"\u20AC\u0081\u0160\u009D\u0178\u00A0\u00E1");
    EXPECT_EQ(AWindows1252(u"\u20AC\u0081\u0160\u009D\u0178\u00A0\u00E1"), "\x80\x81\x8A\x9D\x9F\xA0\xE1");
}

// Spelled out from the code page's own chart, not from the table it checks.
TEST(ConfiguracionCodigo, HighBytesMatchTheCodePageChartAndOnlyFiveAreUndefined)
{
    const std::u16string chart = u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039"
                                 u"\u0152\u008D\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                                 u"\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178";
    const std::set<int> undefined{0x81, 0x8D, 0x8F, 0x90, 0x9D};
    for (int b = 0; b < 256; ++b) {
        const char16_t esperado = b >= 0x80 && b <= 0x9F ? chart[std::size_t(b - 0x80)] : char16_t(b);
        EXPECT_EQ(Windows1252::Caracter(static_cast<unsigned char>(b)), esperado) << "byte " << b;
        EXPECT_EQ(Windows1252::Byte(esperado), b) << "byte " << b;
        EXPECT_EQ(Windows1252::Definido(static_cast<unsigned char>(b)), !undefined.count(b)) << "byte " << b;
    }
}

TEST(ConfiguracionCodigo, EveryByteIsADistinctCharacterAndComesBack)
{
    std::string todos;
    for (int b = 0; b < 256; ++b) {
        todos.push_back(char(b));
    }
    const auto texto = DesdeWindows1252(todos);
    EXPECT_EQ(std::set<char16_t>(texto.begin(), texto.end()).size(), 256u);
    EXPECT_EQ(AWindows1252(texto), todos);
}

TEST(ConfiguracionCodigo, CharacterOutsideTheCodePageIsWrittenAsOneQuestionMark)
{
    EXPECT_EQ(AWindows1252(u"a\u0100b\u0080c"), "a?b?c") << "U+0080 has no byte: 0x80 is the euro";
    EXPECT_EQ(AWindows1252(u"\U0001F600|\xD800|\xDC00"), "?|?|?");
}

TEST(ConfiguracionCodigo, WrittenLineIsKeyEqualsValueCrLf)
{
    EXPECT_EQ(EscribeLinea(u"Idioma", u"Catal\u00E1n"), "Idioma=Catal\xE1n\r\n");
    EXPECT_EQ(EscribeLinea(u"Saltos", EscribeSiNo(true)) + EscribeLinea(u"SoloCR", EscribeSiNo(false)),
              "Saltos=Si\r\nSoloCR=No\r\n");
}

}  // namespace
