// Start-up: the first workbook from the command line, in process and
// through the executable.
#include "EditorTeste.h"

#include "src/InicioEditor.h"

#include "host/HostError.h"
#include "host/TnDM.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/io/PrintSettings.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>

namespace {

using spreadsheet::TriState;

class InicioTeste : public EditorTeste {
protected:
    void SetUp() override
    {
        auto roteiro = std::make_unique<host::DialogosRoteiro>();
        dialogos = roteiro.get();
        host::instalarDialogos(std::move(roteiro));
    }

    // A workbook without grid lines whose A1 is bold, centred Arial 14.
    QString pastaGravada()
    {
        spreadsheet::Workbook workbook;
        spreadsheet::Sheet& folha = workbook.addSheet(QStringLiteral("Resumo"));
        folha.setText(0, 0, QStringLiteral("=2*21"));
        spreadsheet::CellStyle estilo;
        estilo.font = {QStringLiteral("Arial"), 14, true};
        estilo.alignHorz = spreadsheet::HorizontalAlignment::Center;
        folha.setStyle(0, 0, estilo);
        folha.setGridLines(TriState::Off);
        const QString arquivo = caminho(QStringLiteral("resumo.nxs"));
        spreadsheet::io::WorkbookFile::save(workbook, spreadsheet::io::PrintSettings{}, arquivo);
        return arquivo;
    }

    static QStringList argumentos(const QString& arquivo) { return {QStringLiteral("darvelo-planilhas"), arquivo}; }
};

TEST_F(InicioTeste, WithoutAFileOrWithAMissingOneAnEmptyPasta1Opens)
{
    for (const QStringList& linha : {QStringList{QStringLiteral("darvelo-planilhas")},
                                     argumentos(caminho(QStringLiteral("nao-existe.nxs"))),
                                     argumentos(pasta.path())}) {
        InicioEditor inicio(linha);
        TVandrelPrincForm& janela = inicio.principal();
        ASSERT_EQ(janela.janelas().size(), 1) << linha.join(u' ').toStdString();
        EXPECT_EQ(janela.janelas().front()->windowTitle(), QStringLiteral("Pasta1"));
        EXPECT_TRUE(janela.janelas().front()->caminho().isEmpty());
        EXPECT_TRUE(janela.windowState() & Qt::WindowMaximized);
        // A maximised workbook window adds its own title, as MDI windows do.
        EXPECT_TRUE(janela.windowTitle().startsWith(QStringLiteral("Darvelo - Módulo Contabilidade - Editor de Planilhas")))
            << janela.windowTitle().toStdString();
        EXPECT_NE(dynamic_cast<host::TnDM*>(&inicio.modulo()), nullptr);
    }
    EXPECT_TRUE(dialogos->textos().isEmpty());
}

TEST_F(InicioTeste, AFileOpensUnderItsPathWithTheToolbarsFromItsFirstCell)
{
    const QString arquivo = pastaGravada();
    InicioEditor inicio(argumentos(arquivo));
    TVandrelPrincForm& janela = inicio.principal();
    ASSERT_EQ(janela.janelas().size(), 1);
    TVandrelFilhaForm& filha = *janela.janelas().front();
    EXPECT_EQ(filha.windowTitle(), arquivo);
    EXPECT_EQ(filha.caminho(), arquivo);
    EXPECT_FALSE(filha.changed());
    EXPECT_EQ(filha.workbook().activeSheet().name(), QStringLiteral("Resumo"));
    EXPECT_FALSE(janela.acao(QStringLiteral("actShowgrid"))->isChecked());
    EXPECT_TRUE(janela.acao(QStringLiteral("actShowheaders"))->isChecked());
    EXPECT_TRUE(janela.acao(QStringLiteral("actBold"))->isChecked());
    EXPECT_FALSE(janela.acao(QStringLiteral("actItalic"))->isChecked());
    EXPECT_TRUE(janela.acao(QStringLiteral("actCellCenterAlign"))->isChecked());
    EXPECT_FALSE(janela.acao(QStringLiteral("actCellLeftAlign"))->isChecked());
    EXPECT_EQ(janela.findChild<QComboBox*>(QStringLiteral("cbxFont"))->currentText(), QStringLiteral("Arial"));
    EXPECT_EQ(janela.caixaTamanho().currentText(), QStringLiteral("14"));
    EXPECT_EQ(janela.caixaFormula().text(), QStringLiteral("=2*21"));
}

TEST_F(InicioTeste, AFileThatIsNoWorkbookEndsStartUpWithItsPath)
{
    const QString texto = caminho(QStringLiteral("notas.txt"));
    escrever(texto, "isto não é uma planilha\n");
    try {
        InicioEditor inicio(argumentos(texto));
        FAIL() << "a text file opened";
    } catch (const host::HostError& erro) {
        EXPECT_EQ(erro.message(), QStringLiteral("Arquivo não é um formato válido: ") + texto);
    }
    for (QWidget* janela : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TVandrelPrincForm*>(janela), nullptr) << "the main window outlived a failed start";
}

// The executable itself, up to its main window and out again.
int iniciarExecutavel(const QStringList& argumentos)
{
    QProcess processo;
    QProcessEnvironment ambiente = ambienteExecutavel();
    ambiente.insert(QStringLiteral("DARVELO_SAIR_AO_MOSTRAR"), QStringLiteral("1"));
    processo.setProcessEnvironment(ambiente);
    processo.start(QStringLiteral(DARVELO_PLANILHAS), argumentos);
    if (!processo.waitForFinished(60000)) {
        processo.kill();
        return -1;
    }
    return processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -2;
}

TEST_F(InicioTeste, TheExecutableStartsWithAFileWithoutOneAndWithAMissingOne)
{
    EXPECT_EQ(iniciarExecutavel({}), 0);
    EXPECT_EQ(iniciarExecutavel({pastaGravada()}), 0);
    EXPECT_EQ(iniciarExecutavel({caminho(QStringLiteral("nao-existe.nxs"))}), 0);
}

}  // namespace
