// The recovery store: copies written beside the workbook's life, and which
// copies a starting editor may offer.
#include "workbook/ArmazemRecuperacao.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/PrintSettings.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <functional>

namespace {

class ArmazemTeste : public ::testing::Test {
protected:
    ArmazemTeste() { workbook.addSheet(QStringLiteral("Folha")).setText(0, 0, QStringLiteral("editado")); }

    QStringList pastas() const { return QDir(raiz.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot); }

    QTemporaryDir raiz;
    spreadsheet::Workbook workbook;
    spreadsheet::io::PrintSettings impressao;
};

TEST_F(ArmazemTeste, ACopyHoldsTheWorkbookAndItsSidecarWithoutTouchingTheHistory)
{
    ArmazemRecuperacao armazem(raiz.path());
    const std::uint64_t estado = workbook.history().stateId();
    const int desfazer = workbook.history().GetUndoActionCount();
    const QDateTime antes = QDateTime::currentDateTime().addSecs(-1);
    armazem.gravar(QStringLiteral("1"), workbook, impressao, QStringLiteral("Pasta1"), QString());
    armazem.aguardar();
    EXPECT_EQ(workbook.history().stateId(), estado);
    EXPECT_EQ(workbook.history().GetUndoActionCount(), desfazer);

    const std::vector<CopiaRecuperacao> copias = armazem.copias();
    ASSERT_EQ(copias.size(), 1u);
    EXPECT_EQ(copias[0].titulo, QStringLiteral("Pasta1"));
    EXPECT_TRUE(copias[0].caminho.isEmpty());
    EXPECT_GE(copias[0].hora, antes);
    EXPECT_EQ(spreadsheet::io::WorkbookFile::load(copias[0].arquivo).workbook->sheet(0).text(0, 0),
              QStringLiteral("editado"));

    armazem.remover(QStringLiteral("1"));
    armazem.aguardar();
    EXPECT_TRUE(armazem.copias().empty());
}

// The folder of an editor that is gone: its copies as it wrote them, and a
// lock naming a process that has ended.
QString editorMorto(const QString& raiz, const spreadsheet::Workbook& workbook, bool comTrava)
{
    QString pasta;
    {
        ArmazemRecuperacao vivo(raiz + QStringLiteral("/vivo"));
        vivo.gravar(QStringLiteral("7"), workbook, spreadsheet::io::PrintSettings{}, QStringLiteral("b.nxs"),
                    QStringLiteral("/x/b.nxs"));
        vivo.aguardar();
        pasta = raiz + QStringLiteral("/morto");
        QDir().mkpath(pasta);
        for (const QString& nome : {QStringLiteral("7.nxs"), QStringLiteral("7.json")})
            QFile::copy(QDir(vivo.pasta()).filePath(nome), QDir(pasta).filePath(nome));
    }
    if (comTrava) {
        QProcess fim;
        fim.start(QStringLiteral("true"), {});
        fim.waitForStarted();
        const qint64 pid = fim.processId();
        fim.waitForFinished();
        QFile trava(pasta + QStringLiteral(".lock"));
        trava.open(QIODevice::WriteOnly);
        trava.write(QStringLiteral("%1\nworkbook_tests\n%2\n").arg(pid).arg(QSysInfo::machineHostName()).toUtf8());
    }
    return pasta;
}

TEST_F(ArmazemTeste, OnlyTheCopiesOfEditorsThatAreGoneAreOffered)
{
    struct Caso {
        const char* nome;
        bool vivo;
        bool comTrava;
    };
    for (const Caso& caso : {Caso{"running", true, true}, Caso{"killed", false, true}, Caso{"never locked", false, false}}) {
        SCOPED_TRACE(caso.nome);
        QTemporaryDir pasta;
        std::unique_ptr<ArmazemRecuperacao> outro;
        if (caso.vivo) {
            outro = std::make_unique<ArmazemRecuperacao>(pasta.path());
            outro->gravar(QStringLiteral("1"), workbook, impressao, QStringLiteral("b.nxs"), QStringLiteral("/x/b.nxs"));
            outro->aguardar();
        } else {
            editorMorto(pasta.path(), workbook, caso.comTrava);
        }
        ArmazemRecuperacao armazem(pasta.path());
        const std::vector<CopiaRecuperacao> copias = armazem.abandonadas();
        ASSERT_EQ(copias.size(), caso.vivo ? 0u : 1u);
        if (!caso.vivo) {
            EXPECT_EQ(copias[0].caminho, QStringLiteral("/x/b.nxs"));
        }
    }
}

TEST_F(ArmazemTeste, AdoptedAndDiscardedCopiesLeaveTheDeadFolderAndUndecidedOnesStay)
{
    struct Caso {
        const char* nome;
        std::function<void(ArmazemRecuperacao&, const CopiaRecuperacao&)> decidir;
        int minhas;
        bool ficaPasta;
    };
    const std::vector<Caso> casos{
        {"adopted", [](ArmazemRecuperacao& a, const CopiaRecuperacao& c) { a.adotar(c, QStringLiteral("3")); }, 1, false},
        {"discarded", [](ArmazemRecuperacao& a, const CopiaRecuperacao& c) { a.descartar(c); }, 0, false},
        {"undecided", [](ArmazemRecuperacao&, const CopiaRecuperacao&) {}, 0, true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        QTemporaryDir pasta;
        const QString morto = editorMorto(pasta.path(), workbook, true);
        ArmazemRecuperacao armazem(pasta.path());
        const std::vector<CopiaRecuperacao> copias = armazem.abandonadas();
        ASSERT_EQ(copias.size(), 1u);
        // Claimed: a third editor starting now does not see it.
        EXPECT_TRUE(ArmazemRecuperacao(pasta.path()).abandonadas().empty());
        caso.decidir(armazem, copias[0]);
        armazem.concluir();
        EXPECT_EQ(static_cast<int>(armazem.copias().size()), caso.minhas);
        EXPECT_EQ(QDir(morto).exists(), caso.ficaPasta);
        EXPECT_EQ(ArmazemRecuperacao(pasta.path()).abandonadas().size(), caso.ficaPasta ? 1u : 0u);
    }
}

TEST_F(ArmazemTeste, AFailedWriteIsToldAndListsNoCopy)
{
    ArmazemRecuperacao armazem(raiz.path());
    QStringList falhas;
    QObject::connect(&armazem, &ArmazemRecuperacao::falhou, [&](const QString& m) { falhas << m; });
    // A folder where the copy should go: no file can replace it.
    QDir(armazem.pasta()).mkdir(QStringLiteral("1.nxs"));
    armazem.gravar(QStringLiteral("1"), workbook, impressao, QStringLiteral("Pasta1"), QString());
    armazem.aguardar();
    ASSERT_EQ(falhas.size(), 1);
    EXPECT_TRUE(falhas[0].startsWith(QStringLiteral("Não foi possível gravar a cópia de recuperação de \"Pasta1\"")))
        << falhas[0].toStdString();
    EXPECT_TRUE(armazem.copias().empty());
}

}  // namespace
