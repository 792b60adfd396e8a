// Recovery copies: the copies the editor keeps of unsaved workbooks, the
// question at the next start, and the whole road through the executable
// killed in the middle of its work.
#include "EditorTeste.h"

#include "src/recuperacao/AutoSalvamento.h"
#include "src/recuperacao/DialogoRecuperacao.h"
#include "src/recuperacao/ModeloRecuperacao.h"
#include "src/recuperacao/Recuperacao.h"
#include "workbook/ArmazemRecuperacao.h"

#include "host/HostError.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/io/PrintSettings.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTableWidget>

#include <functional>
#include <iostream>

namespace {

class RecuperacaoTeste : public EditorTeste {
protected:
    QString arquivoGravado(const QString& nome, const QString& texto)
    {
        spreadsheet::Workbook workbook;
        workbook.addSheet(QStringLiteral("Folha")).setText(0, 0, texto);
        const QString arquivo = caminho(nome);
        spreadsheet::io::WorkbookFile::save(workbook, spreadsheet::io::PrintSettings{}, arquivo);
        return arquivo;
    }

    // A copy as an editor that was killed left it: no lock at all.
    void copiaAbandonada(const QString& raiz, const QString& id, const QString& titulo, const QString& original,
                         const QString& texto)
    {
        const QString pasta = raiz + QStringLiteral("/morto");
        QDir().mkpath(pasta);
        QFile::rename(arquivoGravado(id + QStringLiteral(".nxs"), texto), pasta + u'/' + id + QStringLiteral(".nxs"));
        escrever(pasta + u'/' + id + QStringLiteral(".json"),
                 QJsonDocument(QJsonObject{{QStringLiteral("titulo"), titulo},
                                           {QStringLiteral("caminho"), original},
                                           {QStringLiteral("hora"), QStringLiteral("2026-12-01T10:00:00.000Z")}})
                     .toJson());
    }
};

TEST_F(RecuperacaoTeste, OnlyUnsavedWorkbooksHaveACopyAndTheWindowStaysAsItWas)
{
    struct Caso {
        const char* nome;
        std::function<void(TVandrelPrincForm&, TVandrelFilhaForm&)> depoisDaCopia;
        std::size_t copias;
    };
    const QString salvo = caminho(QStringLiteral("salvo.nxs"));
    const std::vector<Caso> casos{
        {"untouched", nullptr, 0},
        {"edited", [](TVandrelPrincForm&, TVandrelFilhaForm&) {}, 1},
        {"edited and saved", [&](TVandrelPrincForm& p, TVandrelFilhaForm&) { p.cxSpreadBookSaveToFile(salvo); }, 0},
        {"edited and undone", [](TVandrelPrincForm& p, TVandrelFilhaForm&) { p.acao(QStringLiteral("actUndo"))->trigger(); }, 0},
        {"edited and closed", [](TVandrelPrincForm&, TVandrelFilhaForm& j) { delete j.parentWidget(); }, 0},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        principal = std::make_unique<TVandrelPrincForm>();
        QTemporaryDir raiz;
        ArmazemRecuperacao armazem(raiz.path());
        AutoSalvamento autoSalvamento(*principal, armazem);
        const QString arquivo = arquivoGravado(QStringLiteral("a.nxs"), QStringLiteral("antes"));
        const QByteArray conteudo = ler(arquivo);
        principal->abrirArquivo(arquivo);
        TVandrelFilhaForm& janela = *principal->ativa();
        if (caso.depoisDaCopia)
            janela.cxSpreadBook().writeUserText(0, 0, QStringLiteral("depois"));
        const int desfazer = janela.workbook().history().GetUndoActionCount();
        const bool mudou = janela.changed();
        autoSalvamento.salvarAgora();
        armazem.aguardar();
        EXPECT_EQ(janela.changed(), mudou);
        EXPECT_EQ(janela.workbook().history().GetUndoActionCount(), desfazer);
        EXPECT_EQ(janela.caminho(), arquivo);
        EXPECT_EQ(ler(arquivo), conteudo);
        if (caso.depoisDaCopia)
            caso.depoisDaCopia(*principal, janela);
        autoSalvamento.salvarAgora();
        armazem.aguardar();
        EXPECT_EQ(armazem.copias().size(), caso.copias);
    }
}

TEST_F(RecuperacaoTeste, TheIntervalIsInMinutesFromTheSettings)
{
    struct Caso {
        const char* valor;
        long long milissegundos;  // -1: refused
    };
    for (const Caso& caso : {Caso{"", 300000}, Caso{"0", 0}, Caso{"0.05", 3000}, Caso{"10", 600000}, Caso{"cinco", -1},
                             Caso{"-1", -1}}) {
        SCOPED_TRACE(caso.valor);
        qputenv("DARVELO_INTERVALORECUPERACAO", caso.valor);
        if (caso.milissegundos < 0)
            EXPECT_THROW(AutoSalvamento::intervaloConfigurado(), host::HostError);
        else
            EXPECT_EQ(AutoSalvamento::intervaloConfigurado().count(), caso.milissegundos);
    }
    qunsetenv("DARVELO_INTERVALORECUPERACAO");
}

TEST_F(RecuperacaoTeste, TheModelListsTheLatestFirstAndSplitsTheChoicesTheDialogMakes)
{
    const QDateTime agora = QDateTime::currentDateTime();
    ModeloRecuperacao modelo({{QStringLiteral("1.nxs"), QString(), QStringLiteral("Pasta2"), agora.addSecs(-60)},
                              {QStringLiteral("2.nxs"), QStringLiteral("/x/b.nxs"), QStringLiteral("/x/b.nxs"), agora}});
    EXPECT_EQ(modelo.titulo(0), QStringLiteral("b.nxs"));
    EXPECT_EQ(modelo.arquivoOriginal(0), QStringLiteral("/x/b.nxs"));
    EXPECT_EQ(modelo.titulo(1), QStringLiteral("Pasta2"));
    EXPECT_EQ(modelo.arquivoOriginal(1), QStringLiteral("(nunca salva)"));
    DialogoRecuperacao dialogo(modelo);
    qobject_cast<QComboBox*>(dialogo.tabela().cellWidget(1, 3))->setCurrentIndex(1);
    ASSERT_EQ(modelo.escolhidas(ModeloRecuperacao::Escolha::Recuperar).size(), 1u);
    EXPECT_EQ(modelo.escolhidas(ModeloRecuperacao::Escolha::Recuperar)[0].arquivo, QStringLiteral("2.nxs"));
    EXPECT_EQ(modelo.escolhidas(ModeloRecuperacao::Escolha::Descartar)[0].arquivo, QStringLiteral("1.nxs"));
}

TEST_F(RecuperacaoTeste, RecoveredWorkbooksOpenModifiedUnderTheirOldTitleAndDiscardedOnesGo)
{
    QTemporaryDir estado;
    qputenv("XDG_STATE_HOME", estado.path().toUtf8());
    const QString raiz = ArmazemRecuperacao::raizPadrao();
    const QString original = arquivoGravado(QStringLiteral("b.nxs"), QStringLiteral("no arquivo"));
    copiaAbandonada(raiz, QStringLiteral("1"), original, original, QStringLiteral("na cópia"));
    copiaAbandonada(raiz, QStringLiteral("2"), QStringLiteral("Pasta2"), QString(), QStringLiteral("nova"));
    copiaAbandonada(raiz, QStringLiteral("3"), QStringLiteral("Pasta3"), QString(), QStringLiteral("descartada"));
    principal->NewSheet(QString());
    QElapsedTimer relogio;
    relogio.start();
    {
        Recuperacao recuperacao(*principal, relogio);
        aoAbrirModal([](QWidget* modal) {
            auto* dialogo = qobject_cast<DialogoRecuperacao*>(modal);
            ASSERT_NE(dialogo, nullptr);
            for (int linha = 0; linha < dialogo->tabela().rowCount(); ++linha)
                if (dialogo->tabela().item(linha, 0)->text() == QStringLiteral("Pasta3"))
                    qobject_cast<QComboBox*>(dialogo->tabela().cellWidget(linha, 3))->setCurrentIndex(1);
            dialogo->accept();
        });
        recuperacao.iniciar();
        EXPECT_EQ(titulos(), (QStringList{QStringLiteral("Pasta1"), original, QStringLiteral("Pasta2")}));
        for (TVandrelFilhaForm* janela : principal->janelas().mid(1))
            EXPECT_TRUE(janela->changed());
        EXPECT_EQ(principal->janelas()[1]->caminho(), original);
        EXPECT_EQ(principal->janelas()[1]->cxSpreadBook().userText(0, 0), QStringLiteral("na cópia"));
        EXPECT_TRUE(principal->janelas()[2]->caminho().isEmpty());
        EXPECT_EQ(principal->janelas()[2]->cxSpreadBook().userText(0, 0), QStringLiteral("nova"));
        // The dead editor's folder is gone; its recovered copies are ours now.
        const QStringList pastas = QDir(raiz).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        ASSERT_EQ(pastas.size(), 1);
        EXPECT_EQ(QDir(raiz + u'/' + pastas[0]).entryList({QStringLiteral("*.nxs")}).size(), 2);
    }
    EXPECT_TRUE(QDir(raiz).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    qunsetenv("XDG_STATE_HOME");
}

// The executable under a state folder of its own, driven by its test hook.
struct Execucao {
    QByteArray saida;
    qint64 milissegundos = 0;  // from the start to the line awaited
};

Execucao executar(const QString& estado, const QString& comando, const QStringList& argumentos, const QByteArray& ate)
{
    QProcess processo;
    QProcessEnvironment ambiente = ambienteExecutavel();
    ambiente.insert(QStringLiteral("XDG_STATE_HOME"), estado);
    ambiente.insert(QStringLiteral("DARVELO_TESTE_RECUPERACAO"), comando);
    processo.setProcessEnvironment(ambiente);
    QElapsedTimer relogio;
    relogio.start();
    processo.start(QStringLiteral(DARVELO_PLANILHAS), argumentos);
    Execucao execucao;
    while (!execucao.saida.contains(ate) && processo.waitForReadyRead(30000))
        execucao.saida += processo.readAllStandardOutput();
    execucao.milissegundos = relogio.elapsed();
    if (ate == "autosalvo") {
        processo.kill();  // SIGKILL: the editor gets no chance to clean up
        processo.waitForFinished();
    } else {
        processo.waitForFinished(30000);
        execucao.saida += processo.readAllStandardOutput();
    }
    return execucao;
}

TEST_F(RecuperacaoTeste, AnEditorKilledAfterItsCopyOffersItAtTheNextStart)
{
    struct Caso {
        const char* resposta;
        bool recuperada;
    };
    for (const Caso& caso : {Caso{"recuperar", true}, Caso{"descartar", false}}) {
        SCOPED_TRACE(caso.resposta);
        QTemporaryDir estado;
        const QString arquivo = arquivoGravado(QStringLiteral("morto.nxs"), QStringLiteral("salvo"));
        const Execucao primeira = executar(estado.path(), QStringLiteral("editar:editado"), {arquivo}, "autosalvo");
        ASSERT_TRUE(primeira.saida.contains("autosalvo")) << primeira.saida.toStdString();
        EXPECT_EQ(spreadsheet::io::WorkbookFile::load(arquivo).workbook->sheet(0).text(0, 0), QStringLiteral("salvo"));

        const Execucao segunda = executar(estado.path(), QString::fromLatin1(caso.resposta), {}, "janela");
        ASSERT_TRUE(segunda.saida.contains("oferta 1 ")) << segunda.saida.toStdString();
        const QByteArray recuperada = QStringLiteral("janela\t%1\t%1\t1\teditado").arg(arquivo).toUtf8();
        EXPECT_EQ(segunda.saida.contains(recuperada), caso.recuperada) << segunda.saida.toStdString();
        EXPECT_TRUE(QDir(estado.path() + QStringLiteral("/Darvelo/recuperacao"))
                        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                        .isEmpty());
        std::cout << "[ timing   ] " << caso.resposta << ": autosaved " << primeira.milissegundos
                  << " ms after the start; recovery offered " << segunda.saida.mid(segunda.saida.indexOf("oferta")).split('\n')[0].toStdString()
                  << " (copies, ms since main), " << segunda.milissegundos << " ms to exit\n";
    }
}

}  // namespace
