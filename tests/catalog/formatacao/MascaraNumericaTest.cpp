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

TEST(MascaraNumerica, PlacesOptionalAndRequiredDigits)
{
    EXPECT_EQ(br(1.123, "00.0"), "01,1");
    EXPECT_EQ(br(12.3456, "###.###"), "12,346");
    EXPECT_EQ(br(12.3456, "000.000"), "012,346");
    EXPECT_EQ(br(12.3, "#.###"), "12,3");
    EXPECT_EQ(br(12.3, "0.000"), "12,300");
    EXPECT_EQ(br(42, "00000"), "00042");
    // More integer digits than positions: the rest go in front.
    EXPECT_EQ(br(123456, "0"), "123456");
    EXPECT_EQ(br(0, "#"), "");
    // No integer positions: the integer digits still come before the point.
    EXPECT_EQ(br(0.5, ".00"), ",50");
    EXPECT_EQ(br(12.345, ".00"), "12,35");
    // Only the first point counts.
    EXPECT_EQ(br(1.25, "0.0.0"), "1,25");
}

TEST(MascaraNumerica, GroupsThousandsWithTheLocaleSeparator)
{
    EXPECT_EQ(br(1234.5, "###,##0.00"), "1.234,50");
    EXPECT_EQ(br(1234567890.12, "#,##0.00"), "1.234.567.890,12");
    EXPECT_EQ(br(-9876543210, "#,##0"), "-9.876.543.210");
    EXPECT_EQ(br(999.5, "#,##0"), "1.000");
    EXPECT_EQ(br(123, "#,##0"), "123");
    // Where the comma stands does not matter.
    EXPECT_EQ(br(1234567, "#,#.#"), "1.234.567");
    EXPECT_EQ(br(1234567, "0,0.0"), "1.234.567,0");
    EXPECT_EQ(br(1234567, "0.0,"), "1.234.567,0");
}

TEST(MascaraNumerica, RoundsHalvesAwayFromZeroOnTheDecimalDigits)
{
    EXPECT_EQ(br(2.5, "0"), "3");
    EXPECT_EQ(br(-2.5, "0"), "-3");
    EXPECT_EQ(br(0.125, "0.00"), "0,13");
    // 1.005 and 2.675 are stored a hair below the half; as typed they are halves.
    EXPECT_EQ(br(1.005, "0.00"), "1,01");
    EXPECT_EQ(br(2.675, "0.00"), "2,68");
    EXPECT_EQ(br(9.995, "0.00"), "10,00");
    EXPECT_EQ(br(0.1 + 0.2, "0.0000000000000000"), "0,3000000000000000");
    EXPECT_EQ(br(1.0049, "0.00"), "1,00");
}

TEST(MascaraNumerica, ChoosesTheSectionBySign)
{
    const char* mascara = "#,##0.00;(#,##0.00);\"nada\"";
    EXPECT_EQ(br(1234.5, mascara), "1.234,50");
    EXPECT_EQ(br(-1234.5, mascara), "(1.234,50)");
    EXPECT_EQ(br(0, mascara), "nada");
    EXPECT_EQ(br(-0.0, mascara), "nada");
    // A value that rounds to zero is zero: no sign, zero section.
    EXPECT_EQ(br(-0.004, mascara), "nada");
    EXPECT_EQ(br(-0.004, "0.00"), "0,00");
    EXPECT_EQ(br(0.004, "0.00;-0.00;zero"), "zero");
    // Empty sections fall back to the first, which brings its own minus.
    EXPECT_EQ(br(-5, "0.0;;\"z\""), "-5,0");
    EXPECT_EQ(br(0, "0.0;(0.0);"), "0,0");
    // A fourth section is never used.
    EXPECT_EQ(br(-5, "0;[0];z;w"), "[5]");
}

TEST(MascaraNumerica, CopiesLiteralText)
{
    EXPECT_EQ(br(1234.5, "\"R$ \"#,##0.00"), "R$ 1.234,50");
    EXPECT_EQ(br(-1234.5, "\"R$ \"#,##0.00"), "-R$ 1.234,50");
    EXPECT_EQ(br(5, "'nº '0"), "nº 5");
    EXPECT_EQ(br(5, "\"a;b\"0"), "a;b5");
    EXPECT_EQ(br(5, "0\"9#0,.\""), "59#0,.");
    EXPECT_EQ(br(75, "0%"), "75%");
    EXPECT_EQ(br(1133334444, "(##) ####-####"), "(11) 3333-4444");
    EXPECT_EQ(br(5, "0 \"sem fim"), "5 sem fim");
}

TEST(MascaraNumerica, WritesScientificNotation)
{
    EXPECT_EQ(br(1234567, "0.00E+0"), "1,23E+6");
    EXPECT_EQ(br(1234567, "0.00E+00"), "1,23E+06");
    EXPECT_EQ(br(12345, "0.0e+00"), "1,2e+04");
    EXPECT_EQ(br(0.00012, "0.0E-00"), "1,2E-04");
    EXPECT_EQ(br(1234, "00.00E+0"), "12,34E+2");
    EXPECT_EQ(br(9.9996, "0.000E+00"), "1,000E+01");
    EXPECT_EQ(br(1e300, "0.0E+0000"), "1,0E+0300");
    EXPECT_EQ(br(-4.5e-300, "0.0E+0"), "-4,5E-300");
}

TEST(MascaraNumerica, FallsBackToTheGeneralRendering)
{
    EXPECT_EQ(br(1234.5, ""), "1234,5");
    EXPECT_EQ(br(0.1 + 0.2, ""), "0,3");
    EXPECT_EQ(br(-2.5, ""), "-2,5");
    EXPECT_EQ(br(123456789012345678, ""), "1,23456789012346E17");
    EXPECT_EQ(br(1e15, ""), "1E15");
    EXPECT_EQ(br(999999999999999, ""), "999999999999999");
    EXPECT_EQ(br(0.00001, ""), "0,00001");
    EXPECT_EQ(br(1.5e-7, ""), "1,5E-7");
    EXPECT_EQ(br(5, ";0"), "5");
    // A plain mask has no room for more than 18 integer digits.
    EXPECT_EQ(br(1e20, "#,##0.00"), "1E20");
    // Digits past the 15th significant one are not kept.
    EXPECT_EQ(br(123456789012345678, "0"), "123456789012346000");
}

TEST(MascaraNumerica, RejectsNumbersThatAreNotFinite)
{
    for (double valor : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(br(valor, "0.00"), ErroFormatacao);
        EXPECT_THROW(br(valor, ""), ErroFormatacao);
    }
}
