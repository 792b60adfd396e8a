// The "darvelo gerar" command, run as users and scripts run it, on a small
// demo database.
#include "ExecutarDarvelo.h"

#include "catalog/RegistroFuncoes.h"

#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <csignal>
#include <sys/types.h>

using namespace spreadsheet;

namespace {

// A small database for the whole program: 2 companies, 2 establishments,
// 6 employees each.
class Banco {
public:
    static Banco& instance()
    {
        static Banco banco;
        return banco;
    }
    QString conexao() const { return QStringLiteral("sqlite:") + dir_.filePath(QStringLiteral("folha.sqlite")); }

private:
    Banco()
    {
        const Saida r = darvelo({"banco-demo", "--banco", conexao(), "--empresas", "2", "--estabelecimentos", "2",
                                 "--funcionarios", "6", "--periodos", "4"});
        EXPECT_EQ(r.codigo, 0) << r.err.toStdString();
    }
    QTemporaryDir dir_;
};

class GerarTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        catalog::RegistrarTodasFuncoes();
    }

    // Parameters on "Parâmetros" (no "Funcionarios" name: the command must
    // add it), the layout replicated by establishment in A and by employee
    // in B.
    void SetUp() override
    {
        Workbook wb;
        wb.addSheet(QStringLiteral("Sheet1"));
        Sheet& parametros = wb.addSheet(QStringLiteral("Parâmetros"));
        const char* nomes[] = {"Empresas", "PeriodoCalculo", "Filiais", "Replicacao"};
        const char* valores[] = {"1..2", "2", "", "A;B"};
        for (int i = 0; i < 4; ++i) {
            parametros.setText(i, 0, QString::fromLatin1(nomes[i]), TextMode::Plain);
            parametros.setText(i, 1, QString::fromLatin1(valores[i]), TextMode::Plain);
            wb.defineName(QString::fromLatin1(nomes[i]), QStringLiteral("'Parâmetros'!$B$%1").arg(i + 1));
        }
        Sheet& leiaute = wb.addSheet(QStringLiteral("Leiaute"));
        leiaute.setText(0, 2, QStringLiteral("Resumo da folha"));
        leiaute.setText(1, 0, QStringLiteral("ESTAB"), TextMode::Plain);
        leiaute.setText(1, 2, QStringLiteral("=fpaEvValor(1;$A2)"));
        leiaute.setText(2, 0, QStringLiteral("..."), TextMode::Plain);
        leiaute.setText(2, 1, QStringLiteral("FUNC"), TextMode::Plain);
        leiaute.setText(2, 2, QStringLiteral("=fpaFunc(2;$B3)"));
        leiaute.setText(2, 3, QStringLiteral("=fpaEvValor(1;$A3;\"\";$B3)"));
        io::WorkbookFile::save(wb, io::PrintSettings{}, caminho(QStringLiteral("modelo.nxs")));
        modeloOriginal = ler(caminho(QStringLiteral("modelo.nxs")));
    }

    QString caminho(const QString& nome) const { return dir.filePath(nome); }
    static QByteArray ler(const QString& caminho)
    {
        QFile f(caminho);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    Saida gerar(QStringList extra, const QString& modelo = QStringLiteral("modelo.nxs"))
    {
        return darvelo(QStringList{"gerar", caminho(modelo), "--banco", Banco::instance().conexao(), "--silencioso"}
                       + extra);
    }
    std::unique_ptr<Workbook> carregar(const QString& nome)
    {
        return io::WorkbookFile::load(caminho(nome)).workbook;
    }
    // The template changed and saved as `nome`.
    void alterarModelo(const std::function<void(Workbook&)>& mudar, const QString& nome = QStringLiteral("modelo.nxs"))
    {
        auto modelo = carregar(QStringLiteral("modelo.nxs"));
        mudar(*modelo);
        io::WorkbookFile::save(*modelo, io::PrintSettings{}, caminho(nome));
    }
    // Only the outputs asked for: no temporary file may stay behind.
    QStringList arquivos() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    const bool manter_ = qEnvironmentVariableIsSet("DARVELO_MANTER_TESTE") && (dir.setAutoRemove(false), true);
    QByteArray modeloOriginal;
};

}  // namespace

TEST_F(GerarTest, WritesThePagesFrozenBesideTheTemplateByDefault)
{
    const Saida r = gerar({});
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Páginas: 2 (Emp1, Emp2)"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("replicação"))) << r.out.toStdString();
    auto wb = carregar(QStringLiteral("modelo_relatorio.nxs"));
    ASSERT_TRUE(wb);
    const Sheet* pagina = wb->findSheet(QStringLiteral("Emp1"));
    ASSERT_NE(pagina, nullptr);
    // One establishment block per establishment, each with its employees.
    int estabelecimentos = 0;
    int funcionarios = 0;
    for (int row = 0; row < pagina->rowCount(); ++row) {
        for (int column = 0; column < pagina->columnCount(); ++column)
            EXPECT_FALSE(pagina->isFormula(row, column)) << row << "," << column;
        estabelecimentos += !pagina->text(row, 0).isEmpty() && pagina->text(row, 1).isEmpty() ? 1 : 0;
        funcionarios += pagina->text(row, 1).isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(estabelecimentos, 2);
    EXPECT_GE(funcionarios, 2);
    EXPECT_TRUE(pagina->isColumnHidden(0));
    EXPECT_EQ(ler(caminho(QStringLiteral("modelo.nxs"))), modeloOriginal);
    EXPECT_EQ(arquivos(), (QStringList{"modelo.nxs", "modelo_relatorio.nxs"}));
}

TEST_F(GerarTest, OptionsGoIntoTheirNamesOrANewParameterRow)
{
    const Saida r = gerar({"-o", caminho("r.nxs"), "--empresas", "2", "--funcionarios", "102"});
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    auto wb = carregar(QStringLiteral("r.nxs"));
    EXPECT_EQ(wb->findSheet(QStringLiteral("Emp1")), nullptr);
    const Sheet* pagina = wb->findSheet(QStringLiteral("Emp2"));
    ASSERT_NE(pagina, nullptr);
    const Sheet* parametros = wb->findSheet(QStringLiteral("Parâmetros"));
    EXPECT_EQ(parametros->text(0, 1), QStringLiteral("2"));
    EXPECT_EQ(parametros->text(4, 0), QStringLiteral("Funcionarios"));
    EXPECT_EQ(parametros->text(4, 1), QStringLiteral("102"));
    ASSERT_NE(wb->findName(QStringLiteral("Funcionarios")), nullptr);
    QStringList chaves;
    for (int row = 0; row < pagina->rowCount(); ++row) {
        if (!pagina->text(row, 1).isEmpty())
            chaves << pagina->text(row, 1);
    }
    EXPECT_EQ(chaves, QStringList{"102"});
}

TEST_F(GerarTest, XlsxHoldsThePagesOnlyUnlessAllSheetsAreAskedForAndCsvGivesOneFilePerPage)
{
    ASSERT_EQ(gerar({"-o", caminho("r.xlsx"), "-o", caminho("r.nxs"), "-o", caminho("rel.csv")}).codigo, 0);
    EXPECT_TRUE(ler(caminho("rel_Emp1.csv")).contains("Resumo da folha"));
    EXPECT_FALSE(ler(caminho("rel_Emp2.csv")).isEmpty());
    EXPECT_FALSE(QFile::exists(caminho("rel.csv")));
    auto paginas = carregar(QStringLiteral("r.xlsx"));
    ASSERT_EQ(paginas->sheetCount(), 2);
    EXPECT_EQ(paginas->sheet(0).name(), QStringLiteral("Emp1"));
    EXPECT_EQ(carregar(QStringLiteral("r.nxs"))->sheetCount(), 5);
    ASSERT_EQ(gerar({"-o", caminho("t.xlsx"), "--todas-folhas"}).codigo, 0);
    EXPECT_EQ(carregar(QStringLiteral("t.xlsx"))->sheetCount(), 5);
}

// poppler's text of a PDF, one string per page; empty when poppler is missing.
QStringList paginasPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QStringList paginas = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    paginas.removeLast();  // after the last page's form feed
    return paginas;
}

// Each company page starts a page of its own, with its text as text; the
// template's sheets come only when asked for.
TEST_F(GerarTest, PdfHoldsOnePageAtLeastPerCompanyWithItsText)
{
    ASSERT_EQ(gerar({"-o", caminho("r.pdf")}).codigo, 0);
    const QStringList paginas = paginasPdf(caminho("r.pdf"));
    if (paginas.isEmpty())
        GTEST_SKIP() << "poppler-utils não instalado";
    ASSERT_EQ(paginas.size(), 2);
    for (const QString& pagina : paginas)
        EXPECT_TRUE(pagina.contains(QStringLiteral("Resumo da folha"))) << pagina.toStdString();
    ASSERT_EQ(gerar({"-o", caminho("t.pdf"), "--todas-folhas"}).codigo, 0);
    EXPECT_GT(paginasPdf(caminho("t.pdf")).size(), 2);
    EXPECT_EQ(arquivos(), (QStringList{"modelo.nxs", "r.pdf", "t.pdf"}));
    const Saida convertido = darvelo({"converter", caminho("modelo.nxs"), caminho("c.pdf"), "--folha", "Leiaute"});
    ASSERT_EQ(convertido.codigo, 0) << convertido.err.toStdString();
    EXPECT_TRUE(paginasPdf(caminho("c.pdf")).join(u' ').contains(QStringLiteral("ESTAB")));
}

TEST_F(GerarTest, FailuresWriteNothingAndSayWhere)
{
    // No competence for period 99: the run fails at the first company.
    Saida r = gerar({"-o", caminho("r.nxs"), "--periodo", "99"});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Empresa 1: Não foi possível localizar a competência"))) << r.err.toStdString();
    // An unknown keyword fails while the page is being built.
    r = gerar({"-o", caminho("r.nxs"), "--replicacao", "C"});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("planilha Emp1: Coluna de Replicação RESUMO DA FOLHA Inválida!")))
        << r.err.toStdString();
    r = darvelo({"gerar", caminho("nada.nxs"), "--banco", Banco::instance().conexao()});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("nada.nxs"))) << r.err.toStdString();
    EXPECT_EQ(arquivos(), QStringList{"modelo.nxs"});
    EXPECT_EQ(ler(caminho(QStringLiteral("modelo.nxs"))), modeloOriginal);
}

TEST_F(GerarTest, CellsWhoseFunctionsRaiseAreListedAndTheReportIsKept)
{
    alterarModelo(
        [](Workbook& m) { m.findSheet(QStringLiteral("Leiaute"))->setText(2, 4, QStringLiteral("=fpaFunc(\"x\";$B3)")); });
    const Saida r = gerar({"-o", caminho("r.nxs"), "--empresas", "1"});
    EXPECT_EQ(r.codigo, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Emp1!E"))) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(caminho("r.nxs")));
}

TEST_F(GerarTest, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(darvelo({"gerar"}).codigo, 2);
    EXPECT_EQ(darvelo({"gerar", caminho("modelo.nxs")}).codigo, 2);
    EXPECT_EQ(gerar({"-o", caminho("r.odt")}).codigo, 2);
    EXPECT_EQ(gerar({"-o", caminho("modelo.nxs")}).codigo, 2);
    EXPECT_EQ(gerar({"--data-referencia", "31/12/2024"}).codigo, 2);
    EXPECT_EQ(ler(caminho(QStringLiteral("modelo.nxs"))), modeloOriginal);
}

// Ctrl+C during the run: the run stops at its next progress line, nothing is
// written and the exit code says so.
TEST_F(GerarTest, InterruptCancelsAndWritesNothing)
{
    const QString banco = QStringLiteral("sqlite:") + caminho(QStringLiteral("grande.sqlite"));
    ASSERT_EQ(darvelo({"banco-demo", "--banco", banco, "--empresas", "1", "--estabelecimentos", "1",
                       "--funcionarios", "1000", "--periodos", "1", "--eventos", "5", "--historicos", "1"})
                  .codigo,
              0);
    QProcess p;
    p.setReadChannel(QProcess::StandardError);
    p.start(QStringLiteral(DARVELO_BINARY), {"gerar", caminho(QStringLiteral("modelo.nxs")), "--banco", banco, "-o",
                                             caminho("r.nxs"), "--empresas", "1", "--periodo", "1"});
    QString progresso;
    // The first progress line comes once Ctrl+C is a cancel, and well before
    // anything is written.
    const QString inicio = QStringLiteral("inicio TnFpaDMPlanilha.Executar");
    while (!progresso.contains(inicio) && p.waitForReadyRead(60000))
        progresso += QString::fromUtf8(p.readAllStandardError());
    ASSERT_TRUE(progresso.contains(inicio)) << progresso.toStdString();
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 130) << (progresso + QString::fromUtf8(p.readAllStandardError())).toStdString();
    EXPECT_FALSE(QFile::exists(caminho("r.nxs")));
    EXPECT_EQ(ler(caminho(QStringLiteral("modelo.nxs"))), modeloOriginal);
}

// A layout left without formulas would make an empty report: refused.
TEST_F(GerarTest, ALayoutWithoutFormulasIsRefused)
{
    alterarModelo(
        [](Workbook& m) {
            Sheet& leiaute = *m.findSheet(QStringLiteral("Leiaute"));
            leiaute.freezeFormulas({0, 0, leiaute.columnCount() - 1, leiaute.rowCount() - 1});
        },
        QStringLiteral("valores.nxs"));
    const Saida r = gerar({"-o", caminho("r.nxs")}, QStringLiteral("valores.nxs"));
    EXPECT_EQ(r.codigo, 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("não tem fórmulas na planilha \"Leiaute\""))) << r.err.toStdString();
    EXPECT_EQ(arquivos(), (QStringList{"modelo.nxs", "valores.nxs"}));
}

// What the loader had to change in the template is said before the run.
TEST_F(GerarTest, TheTemplatesLoadWarningsGoToStandardError)
{
    alterarModelo([](Workbook& m) {
        m.addSheet(QStringLiteral("Leiautx"));
        m.setFileVersion(1);  // the uncompressed block, so that its bytes can be patched
    });
    // A second sheet of the same name, which the loader renames.
    QByteArray bytes = ler(caminho(QStringLiteral("modelo.nxs")));
    ASSERT_EQ(bytes.count("Leiautx"), 1);
    bytes.replace("Leiautx", "LEIAUTE");
    QFile arquivo(caminho(QStringLiteral("modelo.nxs")));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(bytes);
    arquivo.close();
    const Saida r = gerar({"-o", caminho("r.nxs"), "--empresas", "1"});
    EXPECT_EQ(r.codigo, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Aviso: "))) << r.err.toStdString();
}

// A company that fails before its page exists is not blamed on the page of
// the company before it.
TEST_F(GerarTest, AFailureNamesTheCompanysOwnPage)
{
    const Saida r = gerar({"-o", caminho("r.nxs"), "--empresas", "1;3"});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Empresa 3: "))) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("planilha Emp1"))) << r.err.toStdString();
    EXPECT_EQ(arquivos(), QStringList{"modelo.nxs"});
}
