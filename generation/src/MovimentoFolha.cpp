#include "generation/MovimentoFolha.h"

#include "payroll/ConsultasFolha.h"
#include "payroll/TnFpaDMPlanilha.h"

#include "host/HostError.h"
#include "host/InclusionList.h"
#include "host/QueryServices.h"
#include "host/TextRoutines.h"
#include "host/TnClientDataSet.h"

#include <spreadsheet/Sheet.h>

#include <array>
#include <span>

namespace generation {

using payroll::TnFpaDMPlanilha;

namespace {

const QStringList kPalavrasRateio{QStringLiteral("OUTEMP"), QStringLiteral("CENCUSTO")};

struct CampoPalavra {
    const char* palavra;
    int TnFpaDMPlanilha::*indice;
};

// In the order a keyword is tried.
constexpr std::array<CampoPalavra, 5> kCamposPalavra{{
    {"FUNC", &TnFpaDMPlanilha::ixMovimento_CodigoFuncContr},
    {"OUTEMP", &TnFpaDMPlanilha::ixMovimento_CodigoOutEmp},
    {"CENCUSTO", &TnFpaDMPlanilha::ixMovimento_CodigoCentroCusto},
    {"ESTAB", &TnFpaDMPlanilha::ixMovimento_CodigoEstab},
    {"ORGAN", &TnFpaDMPlanilha::ixMovimento_ClassifOrgan},
}};

int posicaoCampo(host::TnClientDataSet& dataset, const char* nome)
{
    host::TnField* campo = dataset.FindField(QString::fromLatin1(nome));
    return campo ? campo->Index() : -1;
}

}  // namespace

// Keywords are compared in upper case, as the replication walk reads them:
// a layout written "outemp" needs the apportionment columns just the same.
bool MovimentoFolha::VerificarTemRateio(const TnFpaDMPlanilha& dm, const QStringList& letras)
{
    const spreadsheet::Sheet& leiaute = dm.LayoutAsTable();
    for (const QString& letra : letras) {
        const int coluna = host::ColunaExcelParaIndice(letra.trimmed());
        if (coluna < 0)
            continue;
        for (int row = 0; row < leiaute.rowCount(); ++row) {
            if (host::InStrArray(leiaute.text(row, coluna).toUpper(), kPalavrasRateio))
                return true;
        }
    }
    return false;
}

QString MovimentoFolha::FiltroMovimento(const TnFpaDMPlanilha& dm)
{
    const auto condicao = [](const char* campo, const QString& lista) {
        return host::FilterInterval({QString::fromLatin1(campo)}, lista, {1}, 0, true, 0);
    };
    QString filtro = condicao("FL.CodigoEstab", dm.FFiliais) + condicao("FPC.CODIGOPERCALCULO", dm.FPeriodoCalculo.trimmed())
                     + condicao("FPC.CodigoFuncContr", dm.FFuncionarios.trimmed())
                     + host::FilterInterval({QStringLiteral("FLC.CodigoLocalCTB")}, dm.FLocalContabil.trimmed(), {1}, 0,
                                            true, 0, 0);
    if (dm.FTemRateio)
        filtro += condicao("CR.CODIGOCENTROCUSTO", dm.FCentroCustos.trimmed());
    return filtro;
}

QString MovimentoFolha::ConsultaMovimento(const TnFpaDMPlanilha& dm)
{
    const QString filtro = FiltroMovimento(dm);
    const std::span<const payroll::ParteConsulta> partes =
        dm.FTemRateio ? std::span<const payroll::ParteConsulta>(payroll::SqlMovimentoRateio)
                      : std::span<const payroll::ParteConsulta>(payroll::SqlMovimento);
    return host::PegarSQL(payroll::ComporConsulta(partes, filtro)).replace(QStringLiteral("%0:S"), filtro);
}

void MovimentoFolha::AbrirMovimento(TnFpaDMPlanilha& dm)
{
    if (dm.curMovimento) {
        // The surplus period value is ignored: the query keeps the first
        // company's filters and declares the company code only.
        host::RefreshSQL(*dm.curMovimento, {dm.FCodigoEmpresa, dm.FPeriodoCalculo}, true);
        return;
    }
    dm.curMovimento = host::ExecutarSQL(ConsultaMovimento(dm), QVariantList{dm.FCodigoEmpresa});
    host::TnClientDataSet& movimento = *dm.curMovimento;
    dm.ixMovimento_CodigoCentroCusto = dm.FTemRateio ? posicaoCampo(movimento, "CodigoCentroCusto") : -1;
    dm.ixMovimento_CodigoOutEmp = dm.FTemRateio ? posicaoCampo(movimento, "CodigoOutEmp") : -1;
    dm.ixMovimento_CodigoEstab = posicaoCampo(movimento, "CodigoEstab");
    dm.ixMovimento_CodigoFuncContr = posicaoCampo(movimento, "CodigoFuncContr");
    dm.ixMovimento_ClassifOrgan = posicaoCampo(movimento, "ClassifOrgan");
}

// A keyword whose field the movement query did not bring is as invalid as
// an unknown one: replicating by any other field would be silently wrong.
int MovimentoFolha::IndiceCampoQuebra(const TnFpaDMPlanilha& dm, const QString& palavra)
{
    const QString chave = palavra.toUpper();
    for (const CampoPalavra& campo : kCamposPalavra) {
        if (chave == QLatin1String(campo.palavra) && dm.*campo.indice >= 0)
            return dm.*campo.indice;
    }
    throw host::HostError(QStringLiteral("Coluna de Replicação ") + chave + QStringLiteral(" Inválida!"));
}

}  // namespace generation
