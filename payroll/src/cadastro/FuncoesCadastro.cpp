#include "FuncoesCadastro.h"

#include "BuscaCadastro.h"
#include "HistoricoFuncionario.h"

#include "payroll/ArgumentosFolha.h"
#include "payroll/ConsultasFolha.h"
#include "payroll/TnFpaDMPlanilha.h"

#include "host/Format.h"
#include "host/QueryServices.h"
#include "host/TnClientDataSet.h"

#include <spreadsheet/FormulaResult.h>

namespace payroll {

namespace {

using host::TnClientDataSet;
using Dataset = std::unique_ptr<TnClientDataSet>;

QString consulta(const char* texto, const QStringList& condicoes)
{
    return host::Format(host::PegarSQL(QString::fromUtf8(texto)), condicoes);
}

TnFpaDMPlanilha::Consulta consultaFuncionario(const TnFpaDMPlanilha& dm)
{
    const QString condicao =
        BuscaCadastro::Filtro(QStringLiteral("F.CodigoEmpresa"), dm.FEmpresas.trimmed(), false) +
        BuscaCadastro::Filtro(QStringLiteral("FL.CodigoEstab"), dm.FFiliais.trimmed(), true) +
        BuscaCadastro::Filtro(QStringLiteral("FPC.CodigoPerCalculo"), dm.FPeriodoCalculo.trimmed(), true) +
        BuscaCadastro::Filtro(QStringLiteral("F.CodigoFuncContr"), dm.FFuncionarios.trimmed(), true, true) +
        BuscaCadastro::Filtro(QStringLiteral("FLC.CodigoLocalCTB"), dm.FLocalContabil.trimmed(), true, true);
    return {host::Format(host::PegarSQL(ComporConsulta(SqlFuncionario, condicao)), {condicao}), {}};
}

Dataset abrirFuncionario(const TnFpaDMPlanilha& dm)
{
    return dm.ExecutarConsulta(consultaFuncionario(dm));
}

TnFpaDMPlanilha::Consulta consultaTotais(const TnFpaDMPlanilha& dm)
{
    return {consulta(
        SqlFuncTotais, {BuscaCadastro::Filtro(QStringLiteral("P.CodigoEmpresa"), dm.FEmpresas, false),
                        BuscaCadastro::Filtro(QStringLiteral("P.CodigoPerCalculo"), dm.FPeriodoCalculo, true)}), {}};
}

Dataset abrirTotais(const TnFpaDMPlanilha& dm)
{
    return dm.ExecutarConsulta(consultaTotais(dm));
}

Dataset consultaGPS(TnFpaDMPlanilha& dm)
{
    const QString texto =
        consulta(SqlGps, {BuscaCadastro::Filtro(QStringLiteral("gps1.CodigoEmpresa"), dm.FEmpresas, false)});
    return host::ExecutarSQL(texto, QVariantList{dm.DataReferencia()});
}

TnFpaDMPlanilha::Consulta consultaOutraEmpresa(const TnFpaDMPlanilha& dm)
{
    return {
        consulta(SqlOutraEmpresa, {BuscaCadastro::Filtro(QStringLiteral("OEE.CodigoEmpresa"), dm.FEmpresas, true)}), {}};
}

Dataset abrirOutraEmpresa(const TnFpaDMPlanilha& dm)
{
    Dataset dataset = dm.ExecutarConsulta(consultaOutraEmpresa(dm));
    dataset->SetIndexFieldNames(QStringLiteral("CODIGOEMPRESA;CODIGOOUTEMP"));
    return dataset;
}

TnFpaDMPlanilha::Consulta consultaOrganograma(const TnFpaDMPlanilha& dm)
{
    return {
        consulta(SqlOrganograma, {BuscaCadastro::Filtro(QStringLiteral("CodigoEmpresa"), dm.FEmpresas, false),
                                  BuscaCadastro::Filtro(QStringLiteral("CodigoEstab"), dm.FFiliais, true)}), {}};
}

Dataset abrirOrganograma(TnFpaDMPlanilha& dm)
{
    Dataset dataset = dm.ExecutarConsulta(consultaOrganograma(dm));
    dataset->SetIndexFieldNames(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB;CLASSIFORGAN"));
    dm.ixOrganograma_DescrOrgan = dataset->FieldByName(QStringLiteral("DescrOrgan")).Index();
    return dataset;
}

// The column numbers of fpaOutEmp start at the other company's code, one
// past the company column; an absent number stays out of range.
int colunaDeslocada(const ArgumentosFolha& argumentos)
{
    const int numero = argumentos.numero(0);
    return argumentos.count() > 0 ? numero + 1 : numero;
}

}  // namespace

std::vector<TnFpaDMPlanilha::Antecipavel> FuncoesCadastro::Antecipaveis()
{
    return {
        {"fpaFunc", consultaFuncionario},
        {"fpaFuncTotais", consultaTotais},
        {"fpaOutEmp", consultaOutraEmpresa},
        {"fpaOrganDescr", consultaOrganograma},
    };
}

void FuncoesCadastro::FuncFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    if (BuscaCadastro::SemEmpresa(dm, result)) {
        return;
    }
    const ArgumentosFolha argumentos(result, arguments);
    const int funcionario = argumentos.numero(1);
    const int numero = argumentos.numero(0);
    TnClientDataSet& dataset = BuscaCadastro::Consulta(dm.curFuncionario, [&] { return abrirFuncionario(dm); });
    if (!BuscaCadastro::ColunaValida(dataset, numero, 1)) {
        result.AddValue(BuscaCadastro::CampoNaoExiste);
        return;
    }
    result.AddValue(BuscaCadastro::TextoDaChave(dataset, {dm.FCodigoEmpresa, funcionario}, numero,
                                                QStringLiteral("Funcionário não encontrado.")));
}

void FuncoesCadastro::FuncTotais(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    if (BuscaCadastro::SemEmpresa(dm, result)) {
        return;
    }
    const int numero = ArgumentosFolha(result, arguments).numero(0);
    TnClientDataSet& dataset = BuscaCadastro::Consulta(dm.curFuncTotais, [&] { return abrirTotais(dm); });
    if (!BuscaCadastro::ColunaValida(dataset, numero, 1)) {
        result.AddValue(BuscaCadastro::CampoNaoExiste);
        return;
    }
    result.AddValue(
        BuscaCadastro::TextoDaChave(dataset, {dm.FCodigoEmpresa}, numero, QStringLiteral("Empresa não encontrada.")));
}

void FuncoesCadastro::GPSFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    if (BuscaCadastro::SemEmpresa(dm, result)) {
        return;
    }
    const ArgumentosFolha argumentos(result, arguments);
    const int estabelecimento = argumentos.numero(1);
    const int numero = argumentos.numero(0);
    TnClientDataSet& dataset = BuscaCadastro::Consulta(dm.curGPS, [&] { return consultaGPS(dm); });
    if (!BuscaCadastro::ColunaValida(dataset, numero, 2)) {
        result.AddValue(BuscaCadastro::CampoNaoExiste);
        return;
    }
    result.AddValue(BuscaCadastro::TextoDaChave(dataset, {dm.FCodigoEmpresa, estabelecimento}, numero,
                                                QStringLiteral("Configuração GPS não encontrada.")));
}

void FuncoesCadastro::HistCargoFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    HistoricoFuncionario::Avaliar(dm, result, arguments, dm.curFuncHistCargo, SqlHistCargo);
}

void FuncoesCadastro::HistSalarioFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    HistoricoFuncionario::Avaliar(dm, result, arguments, dm.curFuncSalario, SqlHistSalario);
}

void FuncoesCadastro::HistSindicatoFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    HistoricoFuncionario::Avaliar(dm, result, arguments, dm.curFuncSindicato, SqlHistSindicato);
}

void FuncoesCadastro::HistEscalaFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    HistoricoFuncionario::Avaliar(dm, result, arguments, dm.curFuncEscala, SqlHistEscala);
}

void FuncoesCadastro::OutraEmpFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    if (BuscaCadastro::SemEmpresa(dm, result)) {
        return;
    }
    const ArgumentosFolha argumentos(result, arguments);
    const int outraEmpresa = argumentos.numero(1);
    const int coluna = colunaDeslocada(argumentos);
    TnClientDataSet& dataset = BuscaCadastro::Consulta(dm.curOutraEmpresa, [&] { return abrirOutraEmpresa(dm); });
    if (!BuscaCadastro::ColunaValida(dataset, coluna, 1)) {
        result.AddValue(BuscaCadastro::CampoNaoExiste);
        return;
    }
    result.AddValue(BuscaCadastro::TextoDaChave(dataset, {dm.FCodigoEmpresa, outraEmpresa}, coluna,
                                                QStringLiteral("Outra Empresa não encontrada.")));
}

void FuncoesCadastro::OrganogramaFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    if (BuscaCadastro::SemEmpresa(dm, result)) {
        return;
    }
    const ArgumentosFolha argumentos(result, arguments);
    const QString classe = argumentos.organograma(1);
    const int estabelecimento = argumentos.numero(0);
    TnClientDataSet& dataset = BuscaCadastro::Consulta(dm.curOrganograma, [&] { return abrirOrganograma(dm); });
    result.AddValue(BuscaCadastro::TextoDaChave(dataset, {dm.FCodigoEmpresa, estabelecimento, classe},
                                                dm.ixOrganograma_DescrOrgan,
                                                QStringLiteral("Organograma não encontrado.")));
}

}  // namespace payroll
