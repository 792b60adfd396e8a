// The toolbar's formatting commands, driven as the clerk does: a selection,
// a button, the workbook afterwards.
#include "EditorTeste.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QAction>
#include <QComboBox>

namespace {

using spreadsheet::CellRange;
using spreadsheet::HorizontalAlignment;

class ComandosTest : public EditorTeste {
protected:
    void SetUp() override
    {
        EditorTeste::SetUp();
        janela = &principal->NewSheet(QString());
        folha = &janela->workbook().activeSheet();
        janela->workbook().history().clear();
    }
    void selecionar(const CellRange& area) { janela->cxSpreadBook().setSelection(area, {area.top, area.left}); }
    void disparar(const char* nome) { principal->acao(QString::fromLatin1(nome))->trigger(); }
    bool marcada(const char* nome) { return principal->acao(QString::fromLatin1(nome))->isChecked(); }

    TVandrelFilhaForm* janela = nullptr;
    spreadsheet::Sheet* folha = nullptr;
};

const CellRange kB2C3{1, 1, 2, 2};

TEST_F(ComandosTest, BoldFollowsTheButtonOverAMixedSelectionAndTheToolbarFollowsTheCell)
{
    folha->formatCells(CellRange::cell(2, 2), [](spreadsheet::CellStyle& s) { s.font.bold = true; });
    janela->workbook().history().clear();
    selecionar(kB2C3);
    EXPECT_FALSE(marcada("actBold"));  // the top-left cell is not bold
    disparar("actBold");
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 2; ++column)
            EXPECT_TRUE(folha->style(row, column).font.bold) << row << ',' << column;
    disparar("actBold");
    EXPECT_FALSE(folha->style(2, 2).font.bold);

    disparar("actCellRightAlign");
    EXPECT_EQ(folha->style(1, 2).alignHorz, HorizontalAlignment::Right);
    EXPECT_TRUE(marcada("actCellRightAlign"));
    selecionar(CellRange::cell(5, 5));
    EXPECT_FALSE(marcada("actCellRightAlign"));
    EXPECT_EQ(janela->workbook().history().GetUndoActionCount(), 3);  // one action per command
}

TEST_F(ComandosTest, TheFontAndSizeBoxesFormatTheSelectionAndABadSizeIsIgnored)
{
    selecionar(kB2C3);
    QComboBox& tamanho = principal->caixaTamanho();
    tamanho.setEditText(QStringLiteral("14"));
    EXPECT_EQ(folha->style(2, 2).font.size, 14);
    const int acoes = janela->workbook().history().GetUndoActionCount();
    tamanho.setEditText(QString());
    EXPECT_EQ(folha->style(2, 2).font.size, 14);
    EXPECT_EQ(janela->workbook().history().GetUndoActionCount(), acoes);
    principal->findChild<QComboBox*>(QStringLiteral("cbxFont"))->setEditText(QStringLiteral("Arial"));
    EXPECT_EQ(folha->style(1, 1).font.name, QStringLiteral("Arial"));
    EXPECT_NE(folha->style(3, 1).font.name, QStringLiteral("Arial"));
}

}  // namespace
