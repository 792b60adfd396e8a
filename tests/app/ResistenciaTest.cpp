// The editor under load: ten workbooks of 100,000 cells each, edited,
// undone, pasted into and saved round after round through the editor's own
// commands. Memory must stay flat once the first round has warmed the
// caches, and every saved file must read back as the window holds it.
// DARVELO_RESISTENCIA_SEGUNDOS runs it longer (default 4 s of rounds); the
// memory of each round is printed, for the curve, which is flat once the
// undo lists are full (after 100 rounds).
#include "EditorTeste.h"

#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <unistd.h>

namespace {

constexpr int kPastas = 10;
constexpr int kLinhas = 10000;
constexpr int kColunas = 10;  // 100,000 cells a workbook, a tenth of them formulas

qint64 memoriaResidente()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> campos = statm.readAll().split(' ');
    return campos.size() > 1 ? campos[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

void criarPasta(const QString& caminho, int semente)
{
    spreadsheet::Workbook wb;
    spreadsheet::Sheet& folha = wb.addSheet(QStringLiteral("Dados"));
    wb.history().setEnabled(false);
    wb.beginUpdate();
    for (int linha = 0; linha < kLinhas; ++linha) {
        for (int coluna = 0; coluna < kColunas - 1; ++coluna)
            folha.setValue(linha, coluna, double((linha * 31 + coluna * 7 + semente) % 1000));
        folha.setText(linha, kColunas - 1, QStringLiteral("=SUM(A%1:I%1)").arg(linha + 1));
    }
    wb.endUpdate();
    spreadsheet::io::WorkbookFile::save(wb, {}, caminho);
}

// The first cell where the two differ in text or value, or "" when none does.
QString diferenca(const spreadsheet::Sheet& a, const spreadsheet::Sheet& b)
{
    const int linhas = std::max(a.rowCount(), b.rowCount());
    const int colunas = std::max(a.columnCount(), b.columnCount());
    for (int linha = 0; linha < linhas; ++linha)
        for (int coluna = 0; coluna < colunas; ++coluna)
            if (a.text(linha, coluna) != b.text(linha, coluna) || !(a.value(linha, coluna) == b.value(linha, coluna)))
                return QStringLiteral("L%1C%2").arg(linha + 1).arg(coluna + 1);
    return {};
}

class ResistenciaTeste : public EditorTeste {
protected:
    void acionar(const char* acao) { principal->acao(QString::fromLatin1(acao))->trigger(); }

    // One round on one window: type into a cell, undo it, copy a block and
    // paste it elsewhere, save.
    void rodada(TVandrelFilhaForm& janela, int n)
    {
        principal->area().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(janela.parentWidget()));
        spreadsheet::Sheet& folha = janela.workbook().activeSheet();
        auto& grade = janela.cxSpreadBook();
        folha.setText(n % kLinhas, 0, QString::number(n));
        acionar("actUndo");
        grade.setSelection({0, n % 100, 3, n % 100 + 20}, {n % 100, 0});
        acionar("actCopy");
        grade.setSelection(spreadsheet::CellRange::cell(n % 100 + 200, 2), {n % 100 + 200, 2});
        acionar("actPaste");
        acionar("actSave");
    }
};

TEST_F(ResistenciaTeste, TenLargeWorkbooksStayFlatInMemoryAndReloadAsSaved)
{
    for (int i = 0; i < kPastas; ++i) {
        criarPasta(caminho(QStringLiteral("p%1.nxs").arg(i)), i);
        principal->abrirArquivo(caminho(QStringLiteral("p%1.nxs").arg(i)));
    }
    const QList<TVandrelFilhaForm*> janelas = principal->janelas();
    ASSERT_EQ(janelas.size(), kPastas);

    const qint64 limite = qEnvironmentVariableIntValue("DARVELO_RESISTENCIA_SEGUNDOS") * 1000;
    QElapsedTimer relogio;
    relogio.start();
    std::vector<qint64> curva;
    for (int volta = 0; volta < 3 || relogio.elapsed() < (limite > 0 ? limite : 4000); ++volta) {
        for (TVandrelFilhaForm* janela : janelas)
            rodada(*janela, volta);
        QCoreApplication::processEvents();
        curva.push_back(memoriaResidente());
        std::printf("volta %d: %lld MiB\n", volta, static_cast<long long>(curva.back() >> 20));
    }
    ASSERT_GT(curva.front(), 0);
    // The first round warms the clipboard and the caches. From then on only
    // the undo lists grow, by one paste of 84 cells a window and round, until
    // each holds its 100 actions; a saved or reloaded workbook left behind
    // would cost megabytes a round.
    // AddressSanitizer holds freed memory back in quarantine, so the
    // resident size says nothing there; the leak checker does that job.
#ifndef __SANITIZE_ADDRESS__
    const auto voltas = static_cast<qint64>(curva.size() - 1);
    EXPECT_LT((curva.back() - curva.front()) / voltas, kPastas * (qint64{128} << 10));
#endif

    for (int i = 0; i < kPastas; ++i) {
        EXPECT_FALSE(janelas[i]->changed()) << i;
        const auto lido = spreadsheet::io::WorkbookFile::load(janelas[i]->windowTitle());
        ASSERT_EQ(lido.workbook->sheetCount(), 1);
        EXPECT_EQ(diferenca(lido.workbook->sheet(0), janelas[i]->workbook().sheet(0)), QString())
            << janelas[i]->windowTitle().toStdString();
    }
}

}  // namespace
