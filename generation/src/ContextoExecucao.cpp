#include "generation/ContextoExecucao.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/TextRoutines.h"

namespace generation {

namespace {

QString opcional(const host::TnDMPlanilha& dm, const char* nome)
{
    return dm.GetStringValue(dm.FindDefinedNames(QString::fromLatin1(nome)));
}

QString obrigatorio(const host::TnDMPlanilha& dm, const char* nome)
{
    return dm.GetStringValue(dm.GetDefinedNames(QString::fromLatin1(nome)));
}

}  // namespace

ContextoExecucao ContextoExecucao::Ler(const host::TnDMPlanilha& dm)
{
    ContextoExecucao contexto;
    contexto.empresas = obrigatorio(dm, "Empresas");
    contexto.periodoCalculo = obrigatorio(dm, "PeriodoCalculo");
    contexto.filiais = opcional(dm, "Filiais");
    contexto.funcionarios = opcional(dm, "Funcionarios");
    contexto.centroCustos = opcional(dm, "CentroCustos");
    contexto.localContabil = opcional(dm, "LocalContabil");
    contexto.colunas = host::StrToStrArray(opcional(dm, "Replicacao").toUpper(), QStringLiteral(";"));
    for (QString& coluna : contexto.colunas)
        coluna = coluna.trimmed();
    contexto.colunas.removeAll(QString());
    return contexto;
}

bool ContextoExecucao::MultiplosPeriodos(const QString& periodo)
{
    return periodo.contains(QLatin1Char('.')) || periodo.contains(QLatin1Char(';'));
}

void ContextoExecucao::Aplicar(payroll::TnFpaDMPlanilha& dm, bool temRateio) const
{
    dm.FEmpresas = empresas;
    dm.FPeriodoCalculo = periodoCalculo;
    dm.FFiliais = filiais;
    dm.FFuncionarios = funcionarios;
    dm.FCentroCustos = centroCustos;
    dm.FLocalContabil = localContabil;
    dm.FTemRateio = temRateio;
}

}  // namespace generation
