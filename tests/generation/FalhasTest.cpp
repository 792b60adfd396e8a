#include "GeracaoTeste.h"

#include "generation/MovimentoFolha.h"

#include "host/HostError.h"
#include "host/QueryServices.h"
#include "host/TnClientDataSet.h"

#include <functional>

namespace {

// Each case marks the workbook and the module before the run, so that it
// can tell whether the end steps ran: they reset the workbook's owner,
// activate the third sheet and release every dataset of the module.
class FalhasTest : public GeracaoTeste {
protected:
    void SetUp() override
    {
        GeracaoTeste::SetUp();
        modelo.porEstabelecimento(QStringLiteral("1"), 3);
        modelo.wb.setTag(&outroDono);
        modelo.wb.setActiveSheet(0);
        dm->curGPS = host::ExecutarSQL(host::PegarSQL(QStringLiteral("SELECT 1 AS X")));
    }

    void esperarPassosFinais(bool executados) const
    {
        EXPECT_EQ(modelo.wb.tag(), executados ? nullptr : &outroDono);
        EXPECT_EQ(modelo.wb.activeSheetIndex(), executados ? 2 : 0);
        EXPECT_EQ(dm->curGPS == nullptr, executados);
        EXPECT_EQ(dm->curMovimento, nullptr);
    }

    static QString erroDe(const std::function<void()>& acao)
    {
        try {
            acao();
        } catch (const host::HostError& erro) {
            return erro.message();
        }
        return {};
    }
};

TEST_F(FalhasTest, EmpresasSemNomeDefinidoParaComOErroDoHospedeiro)
{
    modelo.wb.deleteName(QStringLiteral("Empresas"));
    EXPECT_TRUE(executar(modelo).contains(QStringLiteral("Empresas")));
    esperarPassosFinais(false);
    EXPECT_EQ(progresso->linhas(), QStringList{QStringLiteral("TnFpaDMPlanilha inicio TnFpaDMPlanilha.Executar")});
}

TEST_F(FalhasTest, EmpresasVaziaParaAntesDeTocarNaExecucao)
{
    modelo.parametro(QStringLiteral("Empresas"), QString());
    EXPECT_EQ(executar(modelo), QStringLiteral("Empresas não informada"));
    esperarPassosFinais(false);
    EXPECT_EQ(modelo.nomesDasPlanilhas().size(), 3);
}

TEST_F(FalhasTest, PeriodoSemNomeDefinidoParaAntesDoProgresso)
{
    modelo.wb.deleteName(QStringLiteral("PeriodoCalculo"));
    EXPECT_TRUE(executar(modelo).contains(QStringLiteral("PeriodoCalculo")));
    EXPECT_TRUE(progresso->chamadas().empty());
    esperarPassosFinais(false);
}

TEST_F(FalhasTest, PeriodoVazioParaComOsPassosFinais)
{
    modelo.parametro(QStringLiteral("PeriodoCalculo"), QString());
    EXPECT_EQ(executar(modelo), QStringLiteral("Campo: PeriodoCalculo não encontrado ou não informado."));
    esperarPassosFinais(true);
    EXPECT_EQ(modelo.nomesDasPlanilhas().size(), 3);
}

TEST_F(FalhasTest, EmpresaSemCompetenciaParaMasGuardaAsPaginasAnteriores)
{
    // Company 9 has no calculation periods.
    modelo.parametro(QStringLiteral("Empresas"), QStringLiteral("1;9"));
    EXPECT_EQ(executar(modelo),
              QStringLiteral("Não foi possível localizar a competência do período de cálculo "
                             "informado, revise os parâmetros"));
    esperarPassosFinais(true);
    ASSERT_NE(modelo.pagina(1), nullptr);
    EXPECT_FALSE(ModeloTeste::temFormula(*modelo.pagina(1)));
    EXPECT_EQ(modelo.pagina(9), nullptr);

    modelo.parametro(QStringLiteral("Empresas"), QStringLiteral("1"))
        .parametro(QStringLiteral("PeriodoCalculo"), QStringLiteral("99"));
    EXPECT_EQ(executar(modelo),
              QStringLiteral("Não foi possível localizar a competência do período de cálculo "
                             "informado, revise os parâmetros"));
    // The check comes before the old page is deleted.
    EXPECT_NE(modelo.pagina(1), nullptr);
}

TEST_F(FalhasTest, PalavraQueNaoEhQuebraParaComOsPassosFinais)
{
    modelo.linha(0, {"xyz"});
    EXPECT_EQ(executar(modelo), QStringLiteral("Coluna de Replicação XYZ Inválida!"));
    esperarPassosFinais(true);
}

TEST_F(FalhasTest, PalavraCujoCampoNaoVeioNoMovimentoEhInvalida)
{
    dm->FCodigoEmpresa = 1;
    dm->FPeriodoCalculo = QStringLiteral("3");
    struct Caso {
        const char* palavra;
        const char* campo;  // null: the movement without apportionment lacks it
    };
    const auto verificar = [this](const Caso& caso) {
        const QString palavra = QString::fromLatin1(caso.palavra);
        if (!caso.campo) {
            EXPECT_EQ(erroDe([&] { generation::MovimentoFolha::IndiceCampoQuebra(*dm, palavra); }),
                      QStringLiteral("Coluna de Replicação %1 Inválida!").arg(palavra.toUpper()));
            return;
        }
        const host::TnField* campo = dm->curMovimento->FindField(QString::fromLatin1(caso.campo));
        ASSERT_NE(campo, nullptr) << caso.campo;
        EXPECT_EQ(generation::MovimentoFolha::IndiceCampoQuebra(*dm, palavra), campo->Index()) << caso.palavra;
    };

    dm->FTemRateio = false;
    generation::MovimentoFolha::AbrirMovimento(*dm);
    for (const Caso& caso :
         {Caso{"FUNC", "CodigoFuncContr"}, Caso{"estab", "CodigoEstab"}, Caso{"Organ", "ClassifOrgan"},
          Caso{"OUTEMP", nullptr}, Caso{"cencusto", nullptr}, Caso{"FILIAL", nullptr}}) {
        verificar(caso);
    }

    dm->DestruirCursores();
    dm->FTemRateio = true;
    generation::MovimentoFolha::AbrirMovimento(*dm);
    for (const Caso& caso :
         {Caso{"OUTEMP", "CodigoOutEmp"}, Caso{"CENCUSTO", "CodigoCentroCusto"}, Caso{"ESTAB", "CodigoEstab"}}) {
        verificar(caso);
    }
}

}  // namespace
