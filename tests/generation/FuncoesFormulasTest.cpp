// The functions a layout's formulas call: the queries a run reads ahead.

#include "generation/GeracaoFolha.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

namespace {

TEST(FuncoesFormulasTest, NomesDasChamadasEmTodasAsFormulas)
{
    spreadsheet::Workbook wb;
    spreadsheet::Sheet& folha = wb.addSheet(QStringLiteral("Leiaute"));
    folha.setText(0, 0, QStringLiteral("FUNC"), spreadsheet::TextMode::Plain);
    folha.setText(0, 1, QStringLiteral("fpaEvValor(1)"), spreadsheet::TextMode::Plain);  // a text, no call
    folha.setText(0, 2, QStringLiteral("=fpaFunc(2;$A1)"));
    folha.setText(3, 5, QStringLiteral("=SUM(fpaEvBase(35;-1;\"\";$A1);FPAIMPCALC(23))"));
    folha.setText(6, 1, QStringLiteral("=fpaGPS(3)+fpaFunc(1;$A7)"));
    // In the order the calculation meets them, column by column, each once.
    EXPECT_EQ(generation::GeracaoFolha::FuncoesDasFormulas(folha),
              (QStringList{QStringLiteral("FPAGPS"), QStringLiteral("FPAFUNC"), QStringLiteral("SUM"),
                           QStringLiteral("FPAEVBASE"), QStringLiteral("FPAIMPCALC")}));
}

}  // namespace
