#include "ProvisaoFolha.h"

#include "QuebraFolha.h"

#include "payroll/ArgumentosFolha.h"
#include "payroll/ConsultasFolha.h"
#include "payroll/TnFpaDMPlanilha.h"

#include "host/Format.h"
#include "host/InclusionList.h"
#include "host/QueryServices.h"
#include "host/TnClientDataSet.h"
#include "host/TnConfig.h"

namespace payroll {

namespace {

// The first four query columns are keys (company, competence, establishment,
// class); a cell's number counts from the employee column.
constexpr int kDeslocamento = 4;

QString filtro(const char* coluna, const QString& lista, bool extra)
{
    const QStringList colunas = {QString::fromLatin1(coluna)};
    return extra ? host::FilterInterval(colunas, lista, {host::InclusionTypeInteger}, 0, true, 0, 0)
                 : host::FilterInterval(colunas, lista, {host::InclusionTypeInteger}, 0, true, 0);
}

// The cell's break: the apportioned functions also name the other company
// and the cost centre.
struct ArgumentosProvisao {
    int estab = -1;
    int outEmp = -1;
    double cenCusto = -1.0;
    QString organ;
    int func = -1;
};

ArgumentosProvisao lerArgumentos(const ArgumentosFolha& args, bool rateio)
{
    ArgumentosProvisao lidos;
    lidos.estab = args.numero(1);
    if (rateio) {
        lidos.outEmp = args.numero(2);
        lidos.cenCusto = args.numeroReal(3);
    }
    lidos.organ = args.organograma(rateio ? 4 : 2);
    lidos.func = args.numero(rateio ? 5 : 3);
    return lidos;
}

}  // namespace

const ProvisaoFolha& ProvisaoFolha::Ferias()
{
    static const ProvisaoFolha provisao(&TnFpaDMPlanilha::curProvisaoFerias, SqlProvisaoFeriasAntiga,
                                        SqlProvisaoFeriasEmDias, false);
    return provisao;
}

const ProvisaoFolha& ProvisaoFolha::DecimoTerceiro()
{
    static const ProvisaoFolha provisao(&TnFpaDMPlanilha::curProvisao13Sal, SqlProvisao13Sal, {}, false);
    return provisao;
}

const ProvisaoFolha& ProvisaoFolha::FeriasRateio()
{
    static const ProvisaoFolha provisao(&TnFpaDMPlanilha::curProvisaoFeriasRat, SqlProvisaoFeriasRatAntiga,
                                        SqlProvisaoFeriasRatEmDias, true);
    return provisao;
}

const ProvisaoFolha& ProvisaoFolha::DecimoTerceiroRateio()
{
    static const ProvisaoFolha provisao(&TnFpaDMPlanilha::curProvisao13SalRat, SqlProvisao13SalRat, {}, true);
    return provisao;
}

// The old vacation tables are read only while the host both uses and
// accounts them.
std::span<const ParteConsulta> ProvisaoFolha::Consulta() const
{
    const host::TnConfig& config = host::nConfig();
    const bool antiga = FConsultaEmDias.empty()
                        || (config.GetUsarProvisaoFeriasAntiga() && config.GetContabilizaProvisaoFeriasAntiga());
    return antiga ? FConsulta : FConsultaEmDias;
}

std::unique_ptr<host::TnClientDataSet> ProvisaoFolha::Abrir(const TnFpaDMPlanilha& dm) const
{
    QString condicao = filtro("P.CodigoEmpresa", dm.FEmpresas, false) + filtro("FL.CodigoEstab", dm.FFiliais, false)
                       + filtro("P.CodigoFuncContr", dm.FFuncionarios.trimmed(), true);
    if (FRateio)
        condicao += filtro("P.CodigoCentroCusto", dm.FCentroCustos.trimmed(), true);
    condicao += filtro("FLC.CodigoLocalCTB", dm.FLocalContabil.trimmed(), true);
    const QString texto = host::Format(host::PegarSQL(ComporConsulta(Consulta(), condicao)), {condicao});
    return host::ExecutarSQL(texto, QVariantList{dm.FCompetencia[0], dm.FCompetencia[1]});
}

void ProvisaoFolha::Avaliar(TnFpaDMPlanilha& dm, spreadsheet::FormulaResult& result,
                            const spreadsheet::ArgumentTokens& arguments) const
{
    dm.CarregarCompetencia();
    if (dm.FCodigoEmpresa == -1) {
        result.AddValue(QString());
        return;
    }
    const ArgumentosFolha args(result, arguments);
    const int numero = args.count() > 0 ? args.numero(0) + kDeslocamento : -1;
    const ArgumentosProvisao lidos = lerArgumentos(args, FRateio);

    std::unique_ptr<host::TnClientDataSet>& cursor = dm.*FCursor;
    if (!cursor)
        cursor = Abrir(dm);
    host::TnClientDataSet& dataset = *cursor;
    if (numero < 1 || numero > dataset.FieldCount() - 1) {
        result.AddValue(QStringLiteral("Campo não existe."));
        return;
    }
    QuebraFolha::AplicarQuebra(dataset, QuebraFolha::CriarQuebra(dm, lidos.estab, lidos.func, lidos.organ, lidos.outEmp,
                                                                 lidos.cenCusto, -1, true));
    const host::TnField& coluna = dataset.Fields(numero);
    double soma = 0.0;
    for (dataset.First(); !dataset.Eof(); dataset.Next())
        soma += coluna.AsFloat();
    result.AddValue(soma);
}

}  // namespace payroll
