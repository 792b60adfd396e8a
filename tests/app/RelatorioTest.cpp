// The report run from the editor: the template in its window runs on the
// demo database through the same path as the batch command, and the report
// opens beside it.
#include "EditorTeste.h"

#include "src/InicioEditor.h"
#include "src/relatorio/ComandosRelatorio.h"
#include "src/relatorio/DialogoFalhas.h"
#include "src/relatorio/DialogoGerarRelatorio.h"
#include "src/relatorio/PainelConexao.h"
#include "gui/ProgressoJanela.h"

#include "DemoDatabases.h"
#include "ExecutarDarvelo.h"

#include "payroll/TnFpaDMPlanilha.h"
#include "relatorio/BancoExemplo.h"
#include "relatorio/ExecucaoRelatorio.h"
#include "relatorio/ModelosExemplo.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

namespace {

using host::testing::DemoDatabases;

// The sample payroll summary, made for the demo database once per program.
struct Amostra {
    QTemporaryDir pasta;
    QString banco;
    QString modelo;

    static Amostra& instancia()
    {
        static Amostra amostra;
        return amostra;
    }

private:
    Amostra()
    {
        banco = DemoDatabases::instance().sqliteConnection();
        const auto parametros = exemplo::BancoExemplo(banco).parametros();
        exemplo::gravarModelos(parametros, QDir(pasta.path()));
        modelo = QDir(pasta.path()).filePath(QStringLiteral("resumo-folha.nxs"));
    }
};

QString textoDe(const spreadsheet::Sheet& folha, int row, int column)
{
    const spreadsheet::Value valor = folha.value(row, column);
    return QStringLiteral("%1:%2").arg(static_cast<int>(valor.type())).arg(host::TnDMPlanilha::TextoDoValor(valor));
}

// Sheet names, sizes and every cell's value, in one text a failure prints.
QStringList conteudo(const spreadsheet::Workbook& workbook, const QStringList& folhas)
{
    QStringList linhas;
    for (const QString& nome : folhas) {
        const spreadsheet::Sheet* folha = workbook.findSheet(nome);
        if (!folha) {
            linhas << nome + QStringLiteral(" ausente");
            continue;
        }
        linhas << QStringLiteral("%1 %2x%3").arg(nome).arg(folha->rowCount()).arg(folha->columnCount());
        for (int r = 0; r < folha->rowCount(); ++r)
            for (int c = 0; c < folha->columnCount(); ++c)
                if (!folha->value(r, c).isEmpty() || folha->isFormula(r, c))
                    linhas << QStringLiteral("%1!%2,%3=%4").arg(nome).arg(r).arg(c).arg(textoDe(*folha, r, c));
    }
    return linhas;
}

class RelatorioTeste : public EditorTeste {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, pasta.filePath(QStringLiteral("config")));
        qputenv("XDG_DATA_HOME", pasta.filePath(QStringLiteral("dados")).toLocal8Bit());
        auto roteiro = std::make_unique<host::DialogosRoteiro>();
        dialogos = roteiro.get();
        host::instalarDialogos(std::move(roteiro));
        inicio = std::make_unique<InicioEditor>(QStringList{QStringLiteral("darvelo-planilhas"), Amostra::instancia().modelo});
        inicio->principal().show();
        modelo = inicio->principal().ativa();
        estadoModelo = modelo->workbook().history().stateId();
    }

    void TearDown() override
    {
        inicio.reset();
        host::instalarDialogos(nullptr);
    }

    ComandosRelatorio& comandos() const { return inicio->relatorio(); }
    payroll::TnFpaDMPlanilha& modulo() const { return dynamic_cast<payroll::TnFpaDMPlanilha&>(inicio->modulo()); }
    gui::ProgressoJanela& progresso() const { return dynamic_cast<gui::ProgressoJanela&>(modulo().GetProgresso()); }

    relatorio::PedidoExecucao pedido(const QString& banco = QString()) const
    {
        return {host::ConnectionText::parse(banco.isEmpty() ? Amostra::instancia().banco : banco), {}, {}};
    }

    // The report window's pages against the batch command's pages.
    void esperarComoOLote(const spreadsheet::Workbook& relatorio, const QString& banco)
    {
        const QString saida = caminho(QStringLiteral("lote.nxs"));
        const Saida lote = darvelo({QStringLiteral("gerar"), Amostra::instancia().modelo, QStringLiteral("--banco"),
                                    banco, QStringLiteral("-o"), saida, QStringLiteral("--silencioso")});
        ASSERT_EQ(lote.codigo, 0) << lote.err.toStdString();
        const auto esperado = spreadsheet::io::WorkbookFile::load(saida);
        QStringList paginas;
        for (int i = 0; i < esperado.workbook->sheetCount(); ++i) {
            if (esperado.workbook->sheet(i).name().startsWith(QLatin1String("Emp")))
                paginas << esperado.workbook->sheet(i).name();
        }
        QStringList nomes;
        for (int i = 0; i < relatorio.sheetCount(); ++i)
            nomes << relatorio.sheet(i).name();
        ASSERT_FALSE(paginas.isEmpty());
        EXPECT_EQ(nomes, paginas);
        EXPECT_EQ(conteudo(relatorio, paginas), conteudo(*esperado.workbook, paginas));
    }

    void esperarModeloIntacto() const
    {
        EXPECT_EQ(inicio->principal().janelas().size(), 1);
        EXPECT_EQ(modelo->workbook().history().stateId(), estadoModelo);
        EXPECT_FALSE(modelo->changed());
        EXPECT_EQ(modulo().curMovimento, nullptr);
        EXPECT_EQ(modulo().curCalculoEvento, nullptr);
        EXPECT_EQ(modulo().curFuncionario, nullptr);
        EXPECT_EQ(modelo->workbook().tag(), nullptr);
        EXPECT_FALSE(progresso().isVisible());
    }

    std::unique_ptr<InicioEditor> inicio;
    TVandrelFilhaForm* modelo = nullptr;
    std::uint64_t estadoModelo = 0;
};

TEST_F(RelatorioTeste, TheDialogRunsTheTemplateAndTheReportOpensAsTheBatchCommandWritesIt)
{
    QAction* gerar = comandos().acao(QStringLiteral("actGerarRelatorio"));
    ASSERT_NE(gerar, nullptr);
    EXPECT_EQ(gerar->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+G")));
    bool respondido = false;
    aoAbrirModal([&](QWidget* modal) {
        auto* dialogo = qobject_cast<DialogoGerarRelatorio*>(modal);
        ASSERT_NE(dialogo, nullptr);
        // The template's own values, and the demo database offered first.
        EXPECT_FALSE(dialogo->campo(QStringLiteral("Empresas"))->text().isEmpty());
        EXPECT_TRUE(dialogo->conexao().arquivo().text().endsWith(QLatin1String("Darvelo/exemplo/folha-demo.sqlite")));
        dialogo->conexao().arquivo().setText(host::ConnectionText::parse(Amostra::instancia().banco).path);
        respondido = true;
        dialogo->botaoGerar().click();
    });
    gerar->trigger();
    ASSERT_TRUE(respondido);
    const QList<TVandrelFilhaForm*> janelas = inicio->principal().janelas();
    ASSERT_EQ(janelas.size(), 2) << dialogos->textos().join(u'\n').toStdString();
    TVandrelFilhaForm* relatorio = inicio->principal().ativa();
    EXPECT_EQ(relatorio->windowTitle(), modelo->windowTitle() + QStringLiteral(" - Relatório"));
    EXPECT_TRUE(relatorio->changed());
    EXPECT_TRUE(relatorio->caminho().isEmpty());
    EXPECT_TRUE(relatorio->ehRelatorio());
    EXPECT_EQ(relatorio->workbook().activeSheetIndex(), 0);
    EXPECT_EQ(relatorio->workbook().history().GetUndoActionCount(), 0);
    EXPECT_TRUE(comandos().acao(QStringLiteral("actExportarRelatorio"))->isEnabled());
    EXPECT_EQ(modelo->workbook().history().stateId(), estadoModelo);
    esperarComoOLote(relatorio->workbook(), Amostra::instancia().banco);

    // The connection is remembered, without a password.
    const QSettings lembrada(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Darvelo"),
                             QStringLiteral("Darvelo"));
    EXPECT_EQ(lembrada.value(QStringLiteral("Relatorio/Arquivo")).toString(),
              host::ConnectionText::parse(Amostra::instancia().banco).path);

    // Exported as csv: one file per page, beside the name chosen.
    dialogos->responderArquivo(caminho(QStringLiteral("resumo.csv")));
    comandos().exportar();
    for (int i = 0; i < relatorio->workbook().sheetCount(); ++i)
        EXPECT_TRUE(QFile::exists(caminho(QStringLiteral("resumo_%1.csv").arg(relatorio->workbook().sheet(i).name()))));
}

TEST_F(RelatorioTeste, AParameterThatCannotBeRunKeepsGerarDisabledWithItsReasonBeside)
{
    const host::ConnectionText banco = host::ConnectionText::parse(Amostra::instancia().banco);
    DialogoGerarRelatorio dialogo(&inicio->principal(), modelo->workbook(), banco);
    struct Caso {
        const char* nome;
        const char* texto;
        bool valido;
    } casos[] = {
        {"Empresas", "1..x", false}, {"Empresas", "", false}, {"Empresas", "1..3;7", true},
        {"PeriodoCalculo", "5..2..1", false}, {"Filiais", "", true}, {"Replicacao", "A;1", false},
        {"Replicacao", "a; C", true},
    };
    for (const Caso& caso : casos) {
        QLineEdit* campo = dialogo.campo(QString::fromLatin1(caso.nome));
        ASSERT_NE(campo, nullptr) << caso.nome;
        const QString antes = campo->text();
        campo->setText(QString::fromLatin1(caso.texto));
        EXPECT_EQ(dialogo.botaoGerar().isEnabled(), caso.valido) << caso.nome << " " << caso.texto;
        EXPECT_EQ(dialogo.erro(QString::fromLatin1(caso.nome))->text().isEmpty(), caso.valido) << caso.texto;
        campo->setText(antes);
        EXPECT_TRUE(dialogo.botaoGerar().isEnabled());
    }
    // The optional ones appear only in templates that name them.
    EXPECT_NE(dialogo.campo(QStringLiteral("LinhasPorPagina")), nullptr);
    const spreadsheet::Workbook vazia;
    const DialogoGerarRelatorio semNomes(&inicio->principal(), vazia, banco);
    EXPECT_EQ(semNomes.campo(QStringLiteral("LinhasPorPagina")), nullptr);
    EXPECT_NE(semNomes.campo(QStringLiteral("Filiais")), nullptr);
    for (const QString& arquivo : {QString(), caminho(QStringLiteral("nao-existe.sqlite"))}) {
        dialogo.conexao().arquivo().setText(arquivo);
        EXPECT_FALSE(dialogo.botaoGerar().isEnabled());
        EXPECT_FALSE(dialogo.conexao().resultado().text().isEmpty());
    }
}

TEST_F(RelatorioTeste, ACancelDuringTheRecalculationOpensNothingAndLeavesNothingBehind)
{
    // Every line lets events through, so the click comes at the line chosen.
    modulo().SetProgresso(std::make_unique<gui::ProgressoJanela>(std::chrono::milliseconds(0)));
    bool cancelou = false;
    QObject::connect(progresso().linhas()->model(), &QAbstractItemModel::dataChanged, &progresso(), [&] {
        const QListWidget* linhas = progresso().linhas();
        if (!cancelou && linhas->count() > 0
            && linhas->item(linhas->count() - 1)->text().startsWith(QLatin1String("Recalculando"))) {
            cancelou = true;
            QTimer::singleShot(0, progresso().botaoCancelar(), &QPushButton::click);
        }
    });
    EXPECT_EQ(comandos().executar(*modelo, pedido()), nullptr);
    EXPECT_TRUE(cancelou);
    EXPECT_TRUE(modulo().Cancelado());
    EXPECT_TRUE(inicio->principal().statusBar()->currentMessage().contains(QLatin1String("cancelada")));
    esperarModeloIntacto();
}

TEST_F(RelatorioTeste, AMissingDatabaseFileIsToldAndNothingOpens)
{
    const QString ausente = caminho(QStringLiteral("nao-existe.sqlite"));
    EXPECT_EQ(comandos().executar(*modelo, pedido(QStringLiteral("sqlite:") + ausente)), nullptr);
    ASSERT_EQ(dialogos->exibidos().size(), 1u);
    EXPECT_EQ(dialogos->exibidos().front().tipo, host::TipoMensagem::Erro);
    EXPECT_TRUE(dialogos->exibidos().front().texto.contains(ausente)) << dialogos->textos().join(u'\n').toStdString();
    esperarModeloIntacto();
}

TEST_F(RelatorioTeste, EachFailedCellIsListedAndAClickShowsItInTheReport)
{
    modelo->workbook().findSheet(u"Leiaute")->setText(0, 20, QStringLiteral("=fpaEvValor(\"abc\")"));
    TVandrelFilhaForm* relatorio = comandos().executar(*modelo, pedido());
    ASSERT_NE(relatorio, nullptr) << dialogos->textos().join(u'\n').toStdString();
    auto* falhas = inicio->principal().findChild<DialogoFalhas*>(QStringLiteral("DialogoFalhas"));
    ASSERT_NE(falhas, nullptr);
    EXPECT_TRUE(falhas->isVisible());
    const int paginas = relatorio->workbook().sheetCount();
    ASSERT_EQ(falhas->lista().count(), paginas);
    const QString ultima = relatorio->workbook().sheet(paginas - 1).name();
    EXPECT_EQ(falhas->lista().item(paginas - 1)->text(),
              ultima + QStringLiteral("!U1: fpaEvValor: 'abc' não é um valor numérico válido."));
    falhas->lista().setCurrentRow(paginas - 1);
    EXPECT_EQ(relatorio->workbook().activeSheet().name(), ultima);
    EXPECT_EQ(relatorio->cxSpreadBook().selection(), spreadsheet::CellRange::cell(0, 20));
}

TEST_F(RelatorioTeste, OnPostgreSqlTheReportIsTheBatchCommands)
{
    const QString banco = DemoDatabases::instance().postgresConnection(QStringLiteral("app_tests"));
    if (banco.isEmpty())
        GTEST_SKIP() << "PostgreSQL NOT TESTED: set DARVELO_PG_TEST to a test server's connection";
    TVandrelFilhaForm* relatorio = comandos().executar(*modelo, pedido(banco));
    ASSERT_NE(relatorio, nullptr) << dialogos->textos().join(u'\n').toStdString();
    esperarComoOLote(relatorio->workbook(), banco);
}

}  // namespace
