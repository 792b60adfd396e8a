// The spreadsheet data module's template access and page steps, on real
// workbooks and the demo database.

#include "DemoDatabases.h"

#include "host/HostError.h"
#include "host/TnDMPlanilha.h"
#include "host/TnDMSQLDataSet.h"

#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Sheet.h>

#include <spreadsheet/ClipboardBlock.h>

#include <gtest/gtest.h>

#include <QLocale>

#include <functional>

using namespace host;
using spreadsheet::CellRange;
using spreadsheet::Sheet;
using spreadsheet::TextMode;
using spreadsheet::Workbook;

namespace {

class TestModule : public TnDMPlanilha {
public:
    QString ClassName() const override { return QStringLiteral("TestModule"); }
    std::function<void()> body;
    QString periodos;
    int estabDaLinha = -1;

protected:
    void ExecutarInterno() override
    {
        if (body)
            body();
    }
    QString PeriodosDaExecucao() const override { return periodos; }
    int EstabelecimentoDaLinha(int) const override { return estabDaLinha; }
};

TnDMPlanilha* moduleOf(spreadsheet::FormulaResult& result)
{
    return dynamic_cast<TnDMPlanilha*>(result.workbook().tag());
}

void paramsOptional(int& count, std::vector<spreadsheet::ParamKind>& kinds)
{
    count = 2;
    kinds.assign(2, spreadsheet::ParamKind::OptionalValue);
}

// Test-only names: the real gerEMP and gerPAG are registered by the program.
void registerFunctions()
{
    auto& repository = spreadsheet::FunctionRepository::instance();
    if (repository.find(u"testeEMP"))
        return;
    repository.Add(
        QStringLiteral("testeEMP"),
        [](spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments) {
            moduleOf(result)->EmpresaFuncao(result, arguments);
        },
        paramsOptional, spreadsheet::ResultKind::Value, 1, spreadsheet::FunctionCategory::UserDefined);
    repository.Add(
        QStringLiteral("testePAG"),
        [](spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments) {
            moduleOf(result)->PaginaFuncao(result, arguments);
        },
        paramsOptional, spreadsheet::ResultKind::Value, 2, spreadsheet::FunctionCategory::UserDefined);
}

class TnDMPlanilhaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        registerFunctions();
        wb.addSheet(QStringLiteral("Sheet1"));
        params = &wb.addSheet(QStringLiteral("Parâmetros"));
        layout = &wb.addSheet(QStringLiteral("Leiaute"));
        page = &wb.addSheet(QStringLiteral("Emp1"));
        dm.SetcxSpreadSheetBook(&wb);
        dm.FDestino = page;
        wb.setTag(&dm);
    }
    void TearDown() override { wb.setTag(nullptr); }

    void parameter(int row, const QString& name, const QString& value)
    {
        params->setText(row, 0, name, TextMode::Plain);
        params->setText(row, 1, value);
        wb.defineName(name, QStringLiteral("'Parâmetros'!$B$%1").arg(row + 1));
    }

    Workbook wb;
    Sheet* params = nullptr;
    Sheet* layout = nullptr;
    Sheet* page = nullptr;
    TestModule dm;
};

}  // namespace

TEST_F(TnDMPlanilhaTest, DefinedNamesGiveTheirCellsText)
{
    parameter(0, QStringLiteral("Empresas"), QStringLiteral("1..3"));
    parameter(1, QStringLiteral("PeriodoCalculo"), QStringLiteral("5"));
    EXPECT_EQ(dm.GetStringValue(dm.GetDefinedNames(QStringLiteral("empresas"))), QStringLiteral("1..3"));
    EXPECT_EQ(dm.GetStringValue(dm.FindDefinedNames(QStringLiteral("PeriodoCalculo"))), QStringLiteral("5"));
    EXPECT_EQ(dm.GetStringValue(dm.FindDefinedNames(QStringLiteral("Filiais"))), QString());
    EXPECT_THROW(dm.GetDefinedNames(QStringLiteral("Filiais")), HostError);
    EXPECT_EQ(&dm.LayoutAsTable(), layout);
    EXPECT_EQ(dm.FindPage(QStringLiteral("EMP1")), page);
    EXPECT_EQ(dm.FindPage(QStringLiteral("Emp2")), nullptr);
}

TEST_F(TnDMPlanilhaTest, BlocksEndAtTheLastContinuationMarkAndCopiesRepeat)
{
    page->setText(2, 0, QStringLiteral("FUNC"), TextMode::Plain);
    page->setText(3, 0, QStringLiteral("..."), TextMode::Plain);
    page->setText(4, 0, QStringLiteral("..."), TextMode::Plain);
    page->setText(6, 0, QStringLiteral("..."), TextMode::Plain);
    page->setText(2, 1, QStringLiteral("=B1*2"));
    page->setText(0, 1, QStringLiteral("21"));
    dm.FColunaReplicacao = 0;
    EXPECT_EQ(dm.InicioProximaReplicacao(2), 4);
    EXPECT_EQ(dm.InicioProximaReplicacao(6), 6);

    dm.SpreadSheetDataToClipboardData(*page, CellRange{0, 2, 1, 4});
    page->setText(2, 0, QStringLiteral("7"), TextMode::Plain);  // the key, written after the capture
    dm.ColarClipboard(*page, 10, 0);
    dm.ColarClipboard(*page, 13, 0);
    EXPECT_EQ(page->text(10, 0), QStringLiteral("FUNC"));
    EXPECT_EQ(page->text(14, 0), QStringLiteral("..."));
    EXPECT_EQ(page->text(13, 1), QStringLiteral("=B12*2"));  // relative references follow the copy

    // What is pasted is what the stream holds, also when someone else wrote it.
    QBuffer& stream = dm.cxSSClipboard();
    stream.close();
    stream.setData(spreadsheet::ClipboardBlock::copy(*page, CellRange{1, 0, 1, 0}).toBytes());
    stream.open(QIODevice::ReadOnly);
    dm.ColarClipboard(*page, 20, 0);
    EXPECT_EQ(page->text(20, 0), QStringLiteral("21"));
    EXPECT_TRUE(page->text(21, 0).isEmpty());
}

TEST_F(TnDMPlanilhaTest, ExclusionRemovesComputedEmptyOrZeroRowsOnly)
{
    parameter(0, QStringLiteral("ColunaExclusao"), QStringLiteral("c"));
    page->setText(0, 2, QStringLiteral("Total"), TextMode::Plain);  // a heading stays
    const QStringList values{QStringLiteral("=0"), QStringLiteral("=\"0\""), QStringLiteral("=5"),
                             QStringLiteral("=\"\""), QStringLiteral("=\"0,00\""), QStringLiteral("=\"x\""),
                             QStringLiteral("=1-1")};
    for (int i = 0; i < values.size(); ++i) {
        page->setText(1 + i, 0, QStringLiteral("linha %1").arg(1 + i), TextMode::Plain);
        page->setText(1 + i, 2, values[i]);
    }
    dm.IniciarQuebra();
    ASSERT_EQ(dm.FExclusao, 2);
    dm.ExclusaoEtapa01();
    dm.ExclusaoEtapa02();
    dm.Recalcular();
    dm.ExclusaoEtapa03();
    dm.ExclusaoEtapa04();
    EXPECT_EQ(page->text(0, 2), QStringLiteral("Total"));
    EXPECT_EQ(page->text(1, 0), QStringLiteral("linha 3"));
    EXPECT_EQ(page->text(2, 0), QStringLiteral("linha 6"));
    EXPECT_EQ(page->rowCount(), 3);
}

TEST_F(TnDMPlanilhaTest, WithoutExclusionNameNothingIsRemoved)
{
    page->setText(0, 0, QStringLiteral("=0"));
    dm.IniciarQuebra();
    EXPECT_EQ(dm.FExclusao, -1);
    EXPECT_EQ(dm.FPagina, -1);
    dm.SemExclusao();
    EXPECT_EQ(page->rowCount(), 1);
    parameter(0, QStringLiteral("ColunaExclusao"), QStringLiteral("1A"));
    EXPECT_THROW(dm.IniciarQuebra(), HostError);
}

TEST_F(TnDMPlanilhaTest, PagesBreakEveryNRowsAndNumberTheirRows)
{
    parameter(0, QStringLiteral("LinhasPorPagina"), QStringLiteral("4"));
    for (int row = 0; row < 10; ++row)
        page->setText(row, 0, QStringLiteral("=testePAG()"));
    page->setPageBreak(1, true);  // an old break goes
    dm.IniciarQuebra();
    dm.MontarPagina();
    EXPECT_EQ(page->pageBreaks(), (std::vector<int>{4, 8}));
    dm.Recalcular();
    EXPECT_EQ(page->value(3, 0).number(), 1.0);
    EXPECT_EQ(page->value(4, 0).number(), 2.0);
    EXPECT_EQ(page->value(9, 0).number(), 3.0);

    Sheet& plain = wb.addSheet(QStringLiteral("Emp2"));
    plain.setText(7, 0, QStringLiteral("=testePAG()"));
    dm.FPagina = -1;
    wb.calculate();
    EXPECT_EQ(plain.value(7, 0).number(), 1.0);
}

TEST_F(TnDMPlanilhaTest, FreezingHidingAndSizesFollowTheLayout)
{
    layout->setRowHeight(1, 40);
    layout->setRowHidden(2, true);
    layout->setColumnWidth(3, 150);
    layout->setText(2, 3, QStringLiteral("x"), TextMode::Plain);
    page->setText(0, 0, QStringLiteral("=2+3"));
    dm.CopiarLinhasOrigemParaDestino();
    dm.SincronizarColunasOrigemDestino();
    EXPECT_EQ(page->rowHeight(1), 40);
    EXPECT_TRUE(page->isRowHidden(2));
    EXPECT_EQ(page->columnWidth(3), 150);
    dm.TirarFormulas();
    EXPECT_FALSE(page->isFormula(0, 0));
    EXPECT_EQ(page->value(0, 0).number(), 5.0);
    dm.FColunaReplicacao = 0;
    dm.FinalizarExclusao();
    EXPECT_TRUE(page->isColumnHidden(0));
    dm.FColunaReplicacao = -1;
    dm.FinalizarExclusao();
    EXPECT_FALSE(page->isColumnHidden(1));
}

TEST_F(TnDMPlanilhaTest, ExecutarRunsTheDerivedRunAndKeepsItsErrors)
{
    int calls = 0;
    dm.DoCancel();
    dm.body = [&] {
        ++calls;
        EXPECT_FALSE(dm.Cancelado());  // every run starts uncancelled
        dm.DoCancel();
    };
    dm.Executar();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(dm.Cancelado());
    dm.body = [] { throw HostError(QStringLiteral("falhou")); };
    EXPECT_THROW(dm.Executar(), HostError);
}

TEST_F(TnDMPlanilhaTest, CompanyFieldsAndReferenceDateComeFromTheDatabase)
{
    TnDMSQLDataSet::Conectar(host::testing::DemoDatabases::instance().sqliteConnection());
    dm.FEmpresas = QStringLiteral("1..2");
    dm.periodos = QStringLiteral("1..3");
    const QDateTime reference = dm.DataReferencia();
    ASSERT_TRUE(reference.isValid());
    EXPECT_EQ(reference.date(), reference.date().addDays(1 - reference.date().day()).addMonths(1).addDays(-1));
    EXPECT_EQ(reference.time(), QTime(23, 59, 59, 999));
    dm.SetDataReferenciaFixa(QDateTime(QDate(2020, 6, 30), QTime(0, 0)));
    EXPECT_EQ(dm.DataReferencia().date(), QDate(2020, 6, 30));

    dm.FCodigoEmpresaBase = 1;
    page->setText(0, 0, QStringLiteral("=testeEMP(1)"));
    page->setText(1, 0, QStringLiteral("=testeEMP(2; 2)"));
    page->setText(2, 0, QStringLiteral("=testeEMP(63)"));
    page->setText(3, 0, QStringLiteral("=testeEMP(2; 99)"));
    page->setText(4, 0, QStringLiteral("=testeEMP(2)"));
    dm.estabDaLinha = 3;
    wb.calculate();
    EXPECT_EQ(page->value(0, 0).text(), QStringLiteral("1"));
    EXPECT_EQ(page->value(1, 0).text(), QStringLiteral("2"));
    EXPECT_EQ(page->value(2, 0).text(), QStringLiteral("Campo não existe."));
    EXPECT_EQ(page->value(3, 0).text(), QStringLiteral("Empresa não encontrada."));
    EXPECT_EQ(page->value(4, 0).text(), QStringLiteral("3"));  // the row's break establishment
    dm.DataModuleDestroy();
    TnDMSQLDataSet::Desconectar();
}
