// The workbook windows: titles, files, the modified flag and closing.
#include "EditorTeste.h"

#include <spreadsheet/History.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>


TEST_F(EditorTeste, NewWindowsAreCountedNotNumbered)
{
    for (int i = 0; i < 3; ++i)
        principal->acao(QStringLiteral("actNew"))->trigger();
    EXPECT_EQ(titulos(), (QStringList{"Pasta1", "Pasta2", "Pasta3"}));
    TVandrelFilhaForm& nova = *principal->janelas().at(0);
    EXPECT_EQ(nova.workbook().sheetCount(), 3);
    EXPECT_EQ(nova.workbook().sheet(1).name(), QStringLiteral("Parâmetros"));
    EXPECT_EQ(nova.workbook().sheet(0).style(5, 5).font.name, QStringLiteral("Calibri"));
    EXPECT_EQ(nova.workbook().sheet(2).style(5, 5).font.name, QStringLiteral("Tahoma"));
    EXPECT_FALSE(nova.changed());

    // Pasta2 closes (nothing to save), and New repeats Pasta3.
    principal->area().setActiveSubWindow(principal->area().subWindowList().at(1));
    principal->acao(QStringLiteral("actWindowClose"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(titulos(), (QStringList{"Pasta1", "Pasta3"}));
    principal->acao(QStringLiteral("actNew"))->trigger();
    EXPECT_EQ(titulos(), (QStringList{"Pasta1", "Pasta3", "Pasta3"}));
}

TEST_F(EditorTeste, TheLastWindowIsMinimisedNotClosed)
{
    principal->NewSheet(QString());
    principal->acao(QStringLiteral("actWindowClose"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(principal->janelas().size(), 1);
    QMdiSubWindow* sub = principal->area().subWindowList().at(0);
    EXPECT_TRUE(sub->isMinimized());
    EXPECT_TRUE(sub->isVisible());

    // The window list brings it back as it was, maximised.
    auto* menu = principal->findChild<QMenu*>(QStringLiteral("mnuWindow"));
    emit menu->aboutToShow();
    menu->actions().last()->trigger();
    EXPECT_FALSE(sub->isMinimized());
    EXPECT_TRUE(sub->isMaximized());
    EXPECT_EQ(principal->windowTitle(), QStringLiteral("Darvelo - Módulo Contabilidade - Editor de Planilhas - [Pasta1]"));
}

TEST_F(EditorTeste, TilingStacksOrSetsSideBySideAndArrangeLinesUpTheIcons)
{
    for (int i = 0; i < 3; ++i)
        principal->NewSheet(QString());
    QList<QMdiSubWindow*> subs = principal->area().subWindowList();
    const QRect espaco = principal->area().viewport()->rect();
    principal->acao(QStringLiteral("actWindowTileHorizontal"))->trigger();
    for (QMdiSubWindow* sub : subs)
        EXPECT_EQ(std::pair(sub->x(), sub->width()), std::pair(0, espaco.width()));
    EXPECT_EQ(subs.at(2)->geometry().bottom(), espaco.bottom());
    EXPECT_LT(subs.at(0)->y(), subs.at(1)->y());
    principal->acao(QStringLiteral("actWindowTileVertical"))->trigger();
    for (QMdiSubWindow* sub : subs)
        EXPECT_EQ(std::pair(sub->y(), sub->height()), std::pair(0, espaco.height()));
    EXPECT_EQ(subs.at(2)->geometry().right(), espaco.right());

    subs.at(0)->showMinimized();
    subs.at(1)->showMinimized();
    subs.at(0)->move(200, 10);
    principal->acao(QStringLiteral("actWindowArrange"))->trigger();
    EXPECT_EQ(subs.at(0)->geometry().bottomLeft(), QPoint(0, espaco.bottom()));
    EXPECT_EQ(subs.at(1)->geometry().left(), subs.at(0)->geometry().right() + 1);
}

TEST_F(EditorTeste, TheAutomaticCalculationMarkFollowsTheActiveWorkbook)
{
    TVandrelFilhaForm& primeira = principal->NewSheet(QString());
    QAction* calcular = principal->acao(QStringLiteral("actAutomaticCalc"));
    EXPECT_TRUE(calcular->isChecked());
    calcular->trigger();
    EXPECT_FALSE(primeira.workbook().automaticCalculation());
    principal->NewSheet(QString());
    EXPECT_TRUE(calcular->isChecked());
    principal->area().setActiveSubWindow(principal->area().subWindowList().at(0));
    EXPECT_FALSE(calcular->isChecked());
}

TEST_F(JanelaTeste, EveryHistoryChangeMarksTheWindowAndUndoToTheSaveClearsIt)
{
    EXPECT_FALSE(principal->acao(QStringLiteral("tbsSave"))->isEnabled());
    folha->setText(0, 0, QStringLiteral("12"));
    EXPECT_TRUE(janela->changed());
    EXPECT_TRUE(principal->acao(QStringLiteral("tbsSave"))->isEnabled());
    EXPECT_TRUE(principal->acao(QStringLiteral("actUndo"))->isEnabled());
    principal->acao(QStringLiteral("actUndo"))->trigger();
    EXPECT_FALSE(janela->changed());
    EXPECT_FALSE(principal->acao(QStringLiteral("tbsSave"))->isEnabled());
    principal->acao(QStringLiteral("actRedo"))->trigger();
    EXPECT_TRUE(janela->changed());
}

TEST_F(JanelaTeste, SaveOfANewWindowAsksForAFileNeverUsesItsTitle)
{
    // A file named like the window's title must stay untouched.
    const QString isca = QDir::current().filePath(QStringLiteral("Pasta1"));
    const bool iscaExistia = QFile::exists(isca);
    folha->setText(0, 0, QStringLiteral("7"));
    dialogos->responderArquivo(caminho(QStringLiteral("nova.nxs")));
    principal->acao(QStringLiteral("actSave"))->trigger();
    EXPECT_EQ(dialogos->exibidos().back().dialogo, host::DialogosRoteiro::Dialogo::Arquivo);
    EXPECT_TRUE(dialogos->exibidos().back().salvar);
    EXPECT_EQ(janela->windowTitle(), caminho(QStringLiteral("nova.nxs")));
    EXPECT_FALSE(janela->changed());
    EXPECT_EQ(QFile::exists(isca), iscaExistia);
    auto lido = spreadsheet::io::WorkbookFile::load(caminho(QStringLiteral("nova.nxs")));
    EXPECT_EQ(lido.workbook->sheet(0).text(0, 0), QStringLiteral("7"));
}

TEST_F(JanelaTeste, SaveKeepsABackupOrAsksWhenItCannot)
{
    folha->setText(0, 0, QStringLiteral("1"));
    dialogos->responderArquivo(caminho(QStringLiteral("p.nxs")));
    principal->salvarComo();
    const QByteArray primeira = ler(caminho(QStringLiteral("p.nxs")));
    folha->setText(0, 0, QStringLiteral("2"));
    principal->acao(QStringLiteral("actSave"))->trigger();
    EXPECT_EQ(ler(caminho(QStringLiteral("p.nxs.bak"))), primeira);
    EXPECT_NE(ler(caminho(QStringLiteral("p.nxs"))), primeira);

    // A directory where the backup should go: the copy fails, "Não" stops.
    QFile::remove(caminho(QStringLiteral("p.nxs.bak")));
    ASSERT_TRUE(QDir(pasta.path()).mkdir(QStringLiteral("p.nxs.bak")));
    const QByteArray antes = ler(caminho(QStringLiteral("p.nxs")));
    folha->setText(0, 0, QStringLiteral("3"));
    dialogos->responderBotao(QStringLiteral("Não"));
    principal->acao(QStringLiteral("actSave"))->trigger();
    EXPECT_TRUE(dialogos->textos().last().startsWith(QStringLiteral("Não foi possível criar o arquivo de backup: \"")));
    EXPECT_TRUE(dialogos->textos().last().endsWith(QStringLiteral(".bak\". Continuar assim mesmo?")));
    EXPECT_EQ(ler(caminho(QStringLiteral("p.nxs"))), antes);
    EXPECT_TRUE(janela->changed());
}

TEST_F(EditorTeste, OpeningATextFileFailsAndLeavesThePreviousWindowActive)
{
    principal->NewSheet(QString());
    escrever(caminho(QStringLiteral("texto.nxs")), "isto não é uma planilha\n");
    dialogos->responderArquivo(caminho(QStringLiteral("texto.nxs")));
    try {
        principal->abrir();
        FAIL() << "abrir não falhou";
    } catch (const spreadsheet::SpreadsheetError& erro) {
        EXPECT_EQ(erro.message(),
                  QStringLiteral("Arquivo não é um formato válido: %1").arg(caminho(QStringLiteral("texto.nxs"))));
    }
    EXPECT_EQ(titulos(), QStringList{"Pasta1"});
}

TEST_F(EditorTeste, WhatTheReaderCouldNotTakeIsToldAfterOpening)
{
    const QString arquivo = QStringLiteral(DARVELO_DADOS_APP "/avisos.xlsx");
    principal->abrirArquivo(arquivo);
    ASSERT_EQ(dialogos->exibidos().size(), 1u);
    const auto& aviso = dialogos->exibidos().front();
    EXPECT_EQ(aviso.tipo, host::TipoMensagem::Aviso);
    EXPECT_TRUE(aviso.texto.startsWith(QStringLiteral("O arquivo %1 foi aberto, mas:\n- ").arg(arquivo)));
    EXPECT_TRUE(aviso.texto.contains(QStringLiteral("\"dados\""))) << aviso.texto.toStdString();
}

TEST_F(EditorTeste, CloseAsksForEveryModifiedWindowAndStaysWhenASaveIsGivenUp)
{
    TVandrelFilhaForm& primeira = principal->NewSheet(QString());
    TVandrelFilhaForm& segunda = principal->NewSheet(QString());
    primeira.workbook().activeSheet().setText(0, 0, QStringLiteral("a"));
    segunda.workbook().activeSheet().setText(0, 0, QStringLiteral("b"));
    dialogos->responderBotao(QStringLiteral("Nao"));
    dialogos->responderBotao(QStringLiteral("Nao"));
    EXPECT_TRUE(principal->close());
    EXPECT_EQ(dialogos->textos(), (QStringList{"Deseja salvar a Planilha modificada?",
                                               "Deseja salvar a Planilha modificada?"}));
    EXPECT_EQ(dialogos->exibidos().at(0).botoes, (QStringList{"Sim", "Nao"}));
    // Each question names its workbook.
    EXPECT_EQ(dialogos->exibidos().at(0).titulo, QStringLiteral("Pasta1"));
    EXPECT_EQ(dialogos->exibidos().at(1).titulo, QStringLiteral("Pasta2"));

    // "Sim" with the Save As dialog cancelled: the editor stays open.
    principal = std::make_unique<TVandrelPrincForm>();
    principal->show();
    TVandrelFilhaForm& outra = principal->NewSheet(QString());
    outra.workbook().activeSheet().setText(0, 0, QStringLiteral("c"));
    dialogos->responderBotao(QStringLiteral("Sim"));
    dialogos->responderCancelar();
    EXPECT_FALSE(principal->close());
    EXPECT_TRUE(principal->isVisible());
}

TEST_F(EditorTeste, ClosingAModifiedWindowThatIsNotTheLastAsksFirst)
{
    TVandrelFilhaForm& primeira = principal->NewSheet(QString());
    principal->NewSheet(QString());
    principal->area().setActiveSubWindow(principal->area().subWindowList().at(0));
    primeira.workbook().activeSheet().setText(0, 0, QStringLiteral("x"));
    dialogos->responderBotao(QStringLiteral("Sim"));
    dialogos->responderCancelar();
    principal->acao(QStringLiteral("actWindowClose"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(principal->janelas().size(), 2);
    EXPECT_EQ(dialogos->textos().first(), QStringLiteral("Deseja salvar a Planilha modificada?"));
}

TEST_F(EditorTeste, TheSizeBoxTakesDigitsOnly)
{
    QLineEdit* caixa = principal->caixaTamanho().lineEdit();
    caixa->setFocus();
    caixa->selectAll();
    QTest::keyClicks(caixa, QStringLiteral("1a2"));
    EXPECT_EQ(caixa->text(), QStringLiteral("12"));
    QTest::keyClick(caixa, Qt::Key_Backspace);
    EXPECT_EQ(caixa->text(), QStringLiteral("12"));
}

TEST_F(JanelaTeste, TheFormulaBoxWritesOneActionPerEditAndEscapeRevertsIt)
{
    QLineEdit& caixa = principal->caixaFormula();
    caixa.setFocus();
    QTest::keyClicks(&caixa, QStringLiteral("=1+1"));
    EXPECT_EQ(folha->text(0, 0), QStringLiteral("=1+1"));  // written through as the user types
    QTest::keyClick(&caixa, Qt::Key_Return);
    EXPECT_TRUE(folha->isFormula(0, 0));
    EXPECT_EQ(folha->value(0, 0).number(), 2.0);
    EXPECT_EQ(janela->workbook().history().GetUndoActionCount(), 1);

    caixa.setFocus();
    QTest::keyClicks(&caixa, QStringLiteral("99"));
    QTest::keyClick(&caixa, Qt::Key_Escape);
    EXPECT_EQ(folha->text(0, 0), QStringLiteral("=1+1"));
    EXPECT_EQ(janela->workbook().history().GetUndoActionCount(), 1);
}

TEST_F(JanelaTeste, LeavingTheFormulaBoxUneditedLeavesTheCellAlone)
{
    folha->setText(0, 0, QStringLiteral("=x"), spreadsheet::TextMode::Plain);
    folha->setValue(1, 0, spreadsheet::Value(1.0 / 3.0));
    const auto estado = janela->workbook().history().stateId();
    for (int row : {0, 1}) {
        selecionar(spreadsheet::CellRange::cell(row, 0));
        principal->caixaFormula().setFocus();
        janela->cxSpreadBook().setFocus();
    }
    EXPECT_FALSE(folha->isFormula(0, 0));
    EXPECT_EQ(folha->value(1, 0).number(), 1.0 / 3.0);
    EXPECT_EQ(janela->workbook().history().stateId(), estado);
}

TEST_F(EditorTeste, CommandsWithoutBehaviourAreDisabled)
{
    principal->NewSheet(QString());
    for (const char* nome : {"actBeveledLookandFeel", "actBufferedpaint"})
        EXPECT_FALSE(principal->acao(QString::fromLatin1(nome))->isEnabled()) << nome;
    for (const char* nome : {"actNew", "actOpenSpreadSheet", "actSave", "actSaveSpeadSheet", "actExit", "actAjuda",
                             "actInsertCells", "actBold", "actSheetDel", "actFormatCells",
                             "actFormFpaEvValor", "actFormFpaQbEstab", "actPrint"})
        EXPECT_TRUE(principal->acao(QString::fromLatin1(nome))->isEnabled()) << nome;
    EXPECT_EQ(principal->acao(QStringLiteral("actNew"))->toolTip(), QStringLiteral("Nova Planilha"));
}

TEST_F(JanelaTeste, AFailedSaveAsKeepsTheTitleAndTheModifiedFlag)
{
    folha->setText(0, 0, QStringLiteral("5"));
    const QString semPasta = caminho(QStringLiteral("nao-existe/p.nxs"));
    dialogos->responderArquivo(semPasta);
    EXPECT_THROW(principal->salvarComo(), spreadsheet::SpreadsheetError);
    EXPECT_EQ(janela->windowTitle(), QStringLiteral("Pasta1"));
    EXPECT_TRUE(janela->caminho().isEmpty());
    EXPECT_TRUE(janela->changed());
    EXPECT_FALSE(QFile::exists(semPasta));
}
