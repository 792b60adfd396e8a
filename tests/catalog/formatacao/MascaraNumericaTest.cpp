// Numeric masks: the run-time library's documented sample table, then the
// cases the spreadsheet's users write in pt-BR.

#include "TestPrinters.h"

#include "catalog/ErroFormatacao.h"
#include "catalog/MascaraNumerica.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using catalog::ErroFormatacao;
using catalog::MascaraNumerica;

namespace {

const QLocale kIngles(QLocale::English, QLocale::UnitedStates);
const QLocale kBrasil(QLocale::Portuguese, QLocale::Brazil);

QString br(double numero, const char* mascara)
{
    return MascaraNumerica::formatar(numero, QString::fromUtf8(mascara), kBrasil);
}

struct LinhaTabela {
    const char* mascara;
    const char* resultados[4];  // for 1234, -1234, 0.5 and 0
};

// The sample formats of the library's documentation, with its separators.
const LinhaTabela kTabelaDocumentada[] = {
    {"", {"1234", "-1234", "0.5", "0"}},
    {"0", {"1234", "-1234", "1", "0"}},
    {"0.00", {"1234.00", "-1234.00", "0.50", "0.00"}},
    {"#.##", {"1234", "-1234", ".5", ""}},
    {"#,##0.00", {"1,234.00", "-1,234.00", "0.50", "0.00"}},
    {"#,##0.00;(#,##0.00)", {"1,234.00", "(1,234.00)", "0.50", "0.00"}},
    {"#,##0.00;;Zero", {"1,234.00", "-1,234.00", "0.50", "Zero"}},
    {"0.000E+00", {"1.234E+03", "-1.234E+03", "5.000E-01", "0.000E+00"}},
    {"#.###E-0", {"1.234E3", "-1.234E3", "5E-1", "0E0"}},
};

}  // namespace

TEST(MascaraNumerica, FollowsTheDocumentedSampleTable)
{
    const double valores[] = {1234, -1234, 0.5, 0};
    for (const LinhaTabela& linha : kTabelaDocumentada) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(MascaraNumerica::formatar(valores[i], QString::fromLatin1(linha.mascara), kIngles),
                      QString::fromLatin1(linha.resultados[i]))
                << "mask " << linha.mascara << " value " << valores[i];
        }
    }
}

struct Caso {
    const char* regra;
    double numero;
    const char* mascara;
    QString esperado;
};

TEST(MascaraNumerica, WritesEachMaskInPtBr)
{
    const Caso casos[] = {
        {"places optional and required digits", 1.123, "00.0", "01,1"},
        {"places optional and required digits", 12.3456, "###.###", "12,346"},
        {"places optional and required digits", 12.3456, "000.000", "012,346"},
        {"places optional and required digits", 12.3, "#.###", "12,3"},
        {"places optional and required digits", 12.3, "0.000", "12,300"},
        {"places optional and required digits", 42, "00000", "00042"},
        // More integer digits than positions: the rest go in front.
        {"places optional and required digits", 123456, "0", "123456"},
        {"places optional and required digits", 0, "#", ""},
        // No integer positions: the integer digits still come before the point.
        {"places optional and required digits", 0.5, ".00", ",50"},
        {"places optional and required digits", 12.345, ".00", "12,35"},
        // Only the first point counts.
        {"places optional and required digits", 1.25, "0.0.0", "1,25"},
        {"groups thousands with the locale separator", 1234.5, "###,##0.00", "1.234,50"},
        {"groups thousands with the locale separator", 1234567890.12, "#,##0.00", "1.234.567.890,12"},
        {"groups thousands with the locale separator", -9876543210, "#,##0", "-9.876.543.210"},
        {"groups thousands with the locale separator", 999.5, "#,##0", "1.000"},
        {"groups thousands with the locale separator", 123, "#,##0", "123"},
        // Where the comma stands does not matter.
        {"groups thousands with the locale separator", 1234567, "#,#.#", "1.234.567"},
        {"groups thousands with the locale separator", 1234567, "0,0.0", "1.234.567,0"},
        {"groups thousands with the locale separator", 1234567, "0.0,", "1.234.567,0"},
        {"rounds halves away from zero on the decimal digits", 2.5, "0", "3"},
        {"rounds halves away from zero on the decimal digits", -2.5, "0", "-3"},
        {"rounds halves away from zero on the decimal digits", 0.125, "0.00", "0,13"},
        // 1.005 and 2.675 are stored a hair below the half; as typed they are halves.
        {"rounds halves away from zero on the decimal digits", 1.005, "0.00", "1,01"},
        {"rounds halves away from zero on the decimal digits", 2.675, "0.00", "2,68"},
        {"rounds halves away from zero on the decimal digits", 9.995, "0.00", "10,00"},
        {"rounds halves away from zero on the decimal digits", 0.1 + 0.2, "0.0000000000000000", "0,3000000000000000"},
        {"rounds halves away from zero on the decimal digits", 1.0049, "0.00", "1,00"},
        {"chooses the section by sign", 1234.5, "#,##0.00;(#,##0.00);\"nada\"", "1.234,50"},
        {"chooses the section by sign", -1234.5, "#,##0.00;(#,##0.00);\"nada\"", "(1.234,50)"},
        {"chooses the section by sign", 0, "#,##0.00;(#,##0.00);\"nada\"", "nada"},
        {"chooses the section by sign", -0.0, "#,##0.00;(#,##0.00);\"nada\"", "nada"},
        // A value that rounds to zero is zero: no sign, zero section.
        {"chooses the section by sign", -0.004, "#,##0.00;(#,##0.00);\"nada\"", "nada"},
        {"chooses the section by sign", -0.004, "0.00", "0,00"},
        {"chooses the section by sign", 0.004, "0.00;-0.00;zero", "zero"},
        // Empty sections fall back to the first, which brings its own minus.
        {"chooses the section by sign", -5, "0.0;;\"z\"", "-5,0"},
        {"chooses the section by sign", 0, "0.0;(0.0);", "0,0"},
        // A fourth section is never used.
        {"chooses the section by sign", -5, "0;[0];z;w", "[5]"},
        {"copies literal text", 1234.5, "\"R$ \"#,##0.00", "R$ 1.234,50"},
        {"copies literal text", -1234.5, "\"R$ \"#,##0.00", "-R$ 1.234,50"},
        {"copies literal text", 5, "'nº '0", "nº 5"},
        {"copies literal text", 5, "\"a;b\"0", "a;b5"},
        {"copies literal text", 5, "0\"9#0,.\"", "59#0,."},
        {"copies literal text", 75, "0%", "75%"},
        {"copies literal text", 1133334444, "(##) ####-####", "(11) 3333-4444"},
        {"copies literal text", 5, "0 \"sem fim", "5 sem fim"},
        {"writes scientific notation", 1234567, "0.00E+0", "1,23E+6"},
        {"writes scientific notation", 1234567, "0.00E+00", "1,23E+06"},
        {"writes scientific notation", 12345, "0.0e+00", "1,2e+04"},
        {"writes scientific notation", 0.00012, "0.0E-00", "1,2E-04"},
        {"writes scientific notation", 1234, "00.00E+0", "12,34E+2"},
        {"writes scientific notation", 9.9996, "0.000E+00", "1,000E+01"},
        {"writes scientific notation", 1e300, "0.0E+0000", "1,0E+0300"},
        {"writes scientific notation", -4.5e-300, "0.0E+0", "-4,5E-300"},
        {"falls back to the general rendering", 1234.5, "", "1234,5"},
        {"falls back to the general rendering", 0.1 + 0.2, "", "0,3"},
        {"falls back to the general rendering", -2.5, "", "-2,5"},
        {"falls back to the general rendering", 123456789012345678.0, "", "1,23456789012346E17"},
        {"falls back to the general rendering", 1e15, "", "1E15"},
        {"falls back to the general rendering", 999999999999999, "", "999999999999999"},
        {"falls back to the general rendering", 0.00001, "", "0,00001"},
        {"falls back to the general rendering", 1.5e-7, "", "1,5E-7"},
        {"falls back to the general rendering", 5, ";0", "5"},
        // A plain mask has no room for more than 18 integer digits.
        {"falls back to the general rendering", 1e20, "#,##0.00", "1E20"},
        // Digits past the 15th significant one are not kept.
        {"falls back to the general rendering", 123456789012345678.0, "0", "123456789012346000"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.regra) + ": " + caso.mascara);
        EXPECT_EQ(br(caso.numero, caso.mascara), caso.esperado);
    }
}

TEST(MascaraNumerica, RejectsNumbersThatAreNotFinite)
{
    for (double valor : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(br(valor, "0.00"), ErroFormatacao);
        EXPECT_THROW(br(valor, ""), ErroFormatacao);
    }
}
