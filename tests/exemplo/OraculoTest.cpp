// The sample templates generated on the demo database, every payroll and
// company cell checked against the oracle's own SQL at the moment after
// the company's first recalculation, and every finished page checked for
// what a user must never see.
#include "BancoOraculo.h"
#include "ChamadaFolha.h"
#include "ContextoOraculo.h"
#include "ExecucaoModelo.h"
#include "FuncaoOraculo.h"
#include "Oraculo.h"
#include "PastaExemplo.h"

#include "catalog/RegistroFuncoes.h"
#include "catalog/TabelaFuncoes.h"
#include "generation/RegistroGeracao.h"

#include "host/TnDMSQLDataSet.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <QLocale>

#include <iostream>
#include <map>
#include <memory>
#include <vector>

using namespace exemplo::testes;

namespace {

const char* const kModelos[] = {"resumo-folha.nxs", "rateio.nxs", "provisoes.nxs", "cadastro.nxs"};

// How often a function was checked, and how often it had data to show.
struct Contagem {
    int celulas = 0;
    int comDados = 0;
};

bool temDados(const spreadsheet::Value& valor)
{
    if (valor.isNumber())
        return valor.number() != 0.0;
    bool numero = false;
    const double lido = QLocale().toDouble(valor.text(), &numero);
    return valor.isText() && !valor.text().isEmpty() && (!numero || lido != 0.0);
}

class OraculoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        catalog::RegistrarTodasFuncoes();
        generation::RegistrarTnFpaDMPlanilha();
        PastaExemplo& pasta = PastaExemplo::instance();
        host::TnDMSQLDataSet::Conectar(pasta.conexao());
        for (const char* modelo : kModelos)
            execucoes().push_back(std::make_unique<ExecucaoModelo>(pasta.caminho(QString::fromLatin1(modelo))));
        host::TnDMSQLDataSet::Desconectar();
        banco() = std::make_unique<BancoOraculo>(pasta.caminho(QStringLiteral("folha-demo.sqlite")));
    }

    static void TearDownTestSuite()
    {
        banco().reset();
        execucoes().clear();
    }

    static std::vector<std::unique_ptr<ExecucaoModelo>>& execucoes()
    {
        static std::vector<std::unique_ptr<ExecucaoModelo>> lista;
        return lista;
    }
    static std::unique_ptr<BancoOraculo>& banco()
    {
        static std::unique_ptr<BancoOraculo> oraculo;
        return oraculo;
    }

    // Checks every cell of the family on every page; a failure names the
    // function, the template, the sheet and cell, and both values.
    static std::map<QString, Contagem> conferir(const char* familia)
    {
        std::map<QString, Contagem> contagens;
        int divergencias = 0;
        for (const auto& execucao : execucoes()) {
            const ParametrosExecucao parametros = ParametrosExecucao::ler(*execucao);
            for (const FotoPagina& foto : execucao->fotos()) {
                for (const CelulaFormula& celula : foto.formulas) {
                    const std::optional<ChamadaFolha> chamada = ChamadaFolha::ler(celula.formula);
                    const std::optional<RegraOraculo> regra =
                        chamada ? acharRegra(chamada->funcao) : std::nullopt;
                    if (!regra || qstrcmp(regra->familia, familia) != 0)
                        continue;
                    const ContextoCelula contexto{parametros, *banco(), foto.empresa, celula.row};
                    const spreadsheet::Value esperado = valorEsperado(*chamada, foto, contexto);
                    Contagem& contagem = contagens[QLatin1String(regra->funcao->nome)];
                    ++contagem.celulas;
                    contagem.comDados += temDados(esperado) ? 1 : 0;
                    if (!mesmoValor(celula.valor, esperado) && ++divergencias <= 20) {
                        ADD_FAILURE() << QStringLiteral("%1 em %2 %3!%4 (%5): obtido %6, esperado %7")
                                             .arg(regra->funcao->nome, execucao->arquivo(), foto.nome,
                                                  spreadsheet::cellAddressText(celula.row, celula.column),
                                                  celula.formula, descrever(celula.valor), descrever(esperado))
                                             .toStdString();
                    }
                }
            }
        }
        EXPECT_EQ(divergencias, 0) << "células da família " << familia << " que divergem do oráculo";
        return contagens;
    }

    // Every function of the family is in some template and shows real
    // data somewhere on the demo database.
    static void exigirDados(const std::map<QString, Contagem>& contagens, std::initializer_list<const char*> funcoes)
    {
        for (const char* funcao : funcoes) {
            const auto found = contagens.find(QLatin1String(funcao));
            ASSERT_NE(found, contagens.end()) << funcao << " não está em nenhum bloco dos modelos";
            EXPECT_GT(found->second.comDados, 0) << funcao << " não traz dado real em nenhuma célula";
            std::cout << "  " << funcao << ": " << found->second.celulas << " células, " << found->second.comDados
                      << " com dados\n";
        }
    }
};

}  // namespace

TEST_F(OraculoTest, CadastroDoFuncionarioETotais)
{
    exigirDados(conferir("cadastro"), {"fpaFunc", "fpaFuncTotais", "fpaGPS", "fpaOutEmp", "fpaOrganDescr",
                                       "fpaFuncHistCargo", "fpaFuncHistSalario", "fpaFuncHistSindicato",
                                       "fpaFuncHistEscala", "gerEMP", "gerPAG"});
}

TEST_F(OraculoTest, EventosRateiosEImpostos)
{
    exigirDados(conferir("movimento"), {"fpaEvValor", "fpaEvBase", "fpaEvRefer", "fpaRatValor", "fpaRatBase",
                                        "fpaRatRefer", "fpaRatCentCusto", "fpaRatOutEmp", "fpaImpCalc"});
}

TEST_F(OraculoTest, Provisoes)
{
    exigirDados(conferir("provisão"), {"fpaProvFer", "fpaProv13Sal", "fpaProvFerRat", "fpaProv13SalRat"});
}

// The oracle's families together must cover the whole function table.
TEST_F(OraculoTest, OOraculoConheceTodasAsFuncoesDaFolhaEDaEmpresa)
{
    for (const catalog::FuncaoRegistrada& funcao : catalog::funcoesRegistradas()) {
        const QString nome = QString::fromLatin1(funcao.nome);
        if (nome.startsWith(QLatin1String("fpa")) || nome == QLatin1String("gerEMP")
            || nome == QLatin1String("gerPAG")) {
            EXPECT_TRUE(acharRegra(nome).has_value()) << funcao.nome;
        }
    }
}

// Each company of the run's list got its page, and the run reported no
// function that raised while its page was frozen.
TEST_F(OraculoTest, CadaEmpresaGanhaSuaPagina)
{
    for (const auto& execucao : execucoes()) {
        EXPECT_TRUE(execucao->falhas().empty()) << execucao->arquivo().toStdString() << ": "
                                                << execucao->falhas().front().message.toStdString();
        const QString empresas = execucao->parametro(QStringLiteral("Empresas"));
        const auto codigos = banco()->linhas(QStringLiteral("SELECT CODIGOEMPRESA FROM EMPRESA WHERE 1 = 1")
                                             + BancoOraculo::condicaoLista(QStringLiteral("CODIGOEMPRESA"), empresas));
        ASSERT_FALSE(codigos.empty());
        for (const auto& codigo : codigos) {
            const QString pagina = QStringLiteral("Emp") + codigo.value(0).toString();
            EXPECT_NE(execucao->pasta().findSheet(pagina), nullptr)
                << execucao->arquivo().toStdString() << " sem a página " << pagina.toStdString();
        }
    }
}

// What a finished page must never hold: formulas, error values, the
// functions' messages for missing data, or the placeholders they show
// outside a run.
TEST_F(OraculoTest, AsPaginasProntasNaoTemFormulasErrosNemMensagens)
{
    const QStringList proibidos = {QStringLiteral("não encontrad"), QStringLiteral("Campo não existe.")};
    const QStringList marcadores =
        QStringLiteral("Func( OutraEmp( OrganDescr( Cargo( Salario( Sindicato( Escala( FuncTotais( GPS( Emp( Pag()")
            .split(u' ');
    int paginas = 0;
    for (const auto& execucao : execucoes()) {
        const spreadsheet::Workbook& pasta = execucao->pasta();
        for (int i = 0; i < pasta.sheetCount(); ++i) {
            const spreadsheet::Sheet& pagina = pasta.sheet(i);
            if (!pagina.name().startsWith(QLatin1String("Emp")))
                continue;
            ++paginas;
            const spreadsheet::CellRange tudo{0, 0, pagina.columnCount() - 1, pagina.rowCount() - 1};
            pagina.forEachCell(tudo, [&](int row, int column) {
                const QString onde = QStringLiteral("%1 %2!%3").arg(execucao->arquivo(), pagina.name(),
                                                                     spreadsheet::cellAddressText(row, column));
                const spreadsheet::Value valor = pagina.value(row, column);
                EXPECT_FALSE(pagina.isFormula(row, column)) << onde.toStdString();
                EXPECT_FALSE(valor.isError()) << onde.toStdString();
                for (const QString& texto : proibidos + marcadores) {
                    const bool achou = texto.endsWith(u'(') || texto.endsWith(u')') ? valor.text().startsWith(texto)
                                                                                    : valor.text().contains(texto);
                    EXPECT_FALSE(valor.isText() && achou) << onde.toStdString() << ": " << valor.text().toStdString();
                }
            });
        }
    }
    EXPECT_GT(paginas, 0);
}
