#include "FuncoesMovimento.h"

#include "CodigosDistintos.h"
#include "ProvisaoFolha.h"
#include "QuebraFolha.h"
#include "TextoEvento.h"

#include "payroll/ArgumentosFolha.h"
#include "payroll/ConsultasFolha.h"
#include "payroll/RotinasTexto.h"
#include "payroll/TnFpaDMPlanilha.h"

#include "host/Format.h"
#include "host/InclusionList.h"
#include "host/QueryServices.h"
#include "host/TnClientDataSet.h"

#include <spreadsheet/FormulaResult.h>

#include <algorithm>
#include <array>

namespace payroll {

namespace {

constexpr int kColunaEvento = 3;  // CODIGOEVENTO of the event query
constexpr int kRateioOutEmp = 2;
constexpr int kRateioCentroCusto = 3;

const QString kCampoNaoExiste = QStringLiteral("Campo não existe.");

// The tax query's columns that hold codes rather than amounts.
constexpr std::array<QLatin1StringView, 5> kCodigosImposto = {
    QLatin1StringView("CODIGOFUNCCONTR"), QLatin1StringView("CODIGOESTAB"), QLatin1StringView("CODIGOCENTROCUSTO"),
    QLatin1StringView("CODIGOOUTEMP"), QLatin1StringView("CODIGOPERCALCULO")};

QString filtro(const char* coluna, const QString& lista, bool conjuncao)
{
    return host::FilterInterval({QString::fromLatin1(coluna)}, lista, {host::InclusionTypeInteger}, 0, conjuncao, 0);
}

// The variant of the filter that takes one more integer.
QString filtroEx(const char* coluna, const QString& lista)
{
    return host::FilterInterval({QString::fromLatin1(coluna)}, lista, {host::InclusionTypeInteger}, 0, true, 0, 0);
}

TnFpaDMPlanilha::Consulta consultaCalculoEvento(const TnFpaDMPlanilha& dm)
{
    const QString condicao = filtro("CE.CodigoEmpresa", dm.FEmpresas.trimmed(), false)
                             + filtro("FL.CodigoEstab", dm.FFiliais.trimmed(), true)
                             + filtro("CE.CODIGOPERCALCULO", dm.FPeriodoCalculo.trimmed(), true)
                             + filtroEx("CE.CodigoFuncContr", dm.FFuncionarios.trimmed())
                             + filtroEx("FLC.CodigoLocalCTB", dm.FLocalContabil.trimmed());
    return {host::Format(host::PegarSQL(ComporConsulta(SqlCalculoEvento, condicao)), {condicao}), {}};
}

std::unique_ptr<host::TnClientDataSet> abrirCalculoEvento(const TnFpaDMPlanilha& dm)
{
    auto dataset = dm.ExecutarConsulta(consultaCalculoEvento(dm));
    QString indice = QStringLiteral("CODIGOEMPRESA;");
    if (!dm.FIndexFieldNames.isEmpty())
        indice += dm.FIndexFieldNames + QLatin1Char(';');
    dataset->SetIndexFieldNames(indice + QStringLiteral("CODIGOEVENTO"));
    return dataset;
}

TnFpaDMPlanilha::Consulta consultaCalculoRateio(const TnFpaDMPlanilha& dm)
{
    const QStringList condicoes = {filtro("CR.CodigoEmpresa", dm.FEmpresas, false),
                                   filtro("FL.CodigoEstab", dm.FFiliais, true),
                                   filtro("CR.CODIGOPERCALCULO", dm.FPeriodoCalculo, true)};
    return {host::Format(host::PegarSQL(QString::fromUtf8(SqlCalculoRateio)), condicoes), {}};
}

std::unique_ptr<host::TnClientDataSet> abrirCalculoRateio(const TnFpaDMPlanilha& dm)
{
    auto dataset = dm.ExecutarConsulta(consultaCalculoRateio(dm));
    dataset->SetIndexFieldNames(dm.FIndexFieldNames);
    return dataset;
}

TnFpaDMPlanilha::Consulta consultaImpostoCalculo(const TnFpaDMPlanilha& dm)
{
    const QString condicao = filtro("I.CodigoEmpresa", dm.FEmpresas, true) + filtro("I.CodigoEstab", dm.FFiliais, true)
                             + filtro("I.CodigoPerCalculo", dm.FPeriodoCalculo, true)
                             + filtroEx("I.CodigoFuncContr", dm.FFuncionarios.trimmed())
                             + filtroEx("I.CodigoCentroCusto", dm.FCentroCustos.trimmed())
                             + filtroEx("FLC.CodigoLocalCTB", dm.FLocalContabil.trimmed());
    // Both halves of the union take the same condition.
    return {host::Format(host::PegarSQL(ComporConsulta(SqlImpostoCalculo, condicao)), {condicao}), {}};
}

std::unique_ptr<host::TnClientDataSet> abrirImpostoCalculo(const TnFpaDMPlanilha& dm)
{
    return dm.ExecutarConsulta(consultaImpostoCalculo(dm));
}

// The dataset is kept only once it is complete, so that a failed build is
// tried again by the next cell.
template <class Abrir>
host::TnClientDataSet& cursor(std::unique_ptr<host::TnClientDataSet>& campo, const TnFpaDMPlanilha& dm, Abrir abrir)
{
    if (!campo)
        campo = abrir(dm);
    return *campo;
}

// Every cell of a column names the same auxiliary events: the list is read
// again only when its text changes.
const std::vector<int>& codigosSomados(const QString& lista)
{
    thread_local QString lida;
    thread_local std::vector<int> codigos;
    if (lista != lida) {
        codigos = CodigosDaLista(lista);
        lida = lista;
    }
    return codigos;
}

bool ehColunaDeCodigo(const QString& nome)
{
    // Every tax cell asks: the lengths rule out most names before a
    // comparison without case.
    return std::any_of(kCodigosImposto.begin(), kCodigosImposto.end(), [&](QLatin1StringView codigo) {
        return nome.size() == codigo.size() && nome.compare(codigo, Qt::CaseInsensitive) == 0;
    });
}

}  // namespace

std::vector<TnFpaDMPlanilha::Antecipavel> FuncoesMovimento::Antecipaveis()
{
    return {
        {"fpaEvValor", consultaCalculoEvento},   {"fpaEvBase", consultaCalculoEvento},
        {"fpaEvRefer", consultaCalculoEvento},   {"fpaRatValor", consultaCalculoRateio},
        {"fpaRatBase", consultaCalculoRateio},   {"fpaRatRefer", consultaCalculoRateio},
        {"fpaRatCentCusto", consultaCalculoRateio}, {"fpaRatOutEmp", consultaCalculoRateio},
        {"fpaImpCalc", consultaImpostoCalculo},
    };
}

void FuncoesMovimento::EventoFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments, int kind)
{
    if (dm.FCodigoEmpresa == -1) {
        result.AddValue(QString());
        return;
    }
    const ArgumentosFolha args(result, arguments);
    const int evento = args.numero(0);
    const int estab = args.numero(1);
    const QString organ = args.organograma(2);
    const int func = args.numero(3);
    const QString auxiliares = args.texto(4);

    host::TnClientDataSet& dataset = cursor(dm.curCalculoEvento, dm, abrirCalculoEvento);
    // The reference leaves the event out of the chain, so that the
    // auxiliary events of the list are in the range too.
    const int eventoQuebra = kind == kEventoRefer ? -1 : evento;
    QuebraFolha::AplicarQuebra(dataset, QuebraFolha::CriarQuebra(dm, estab, func, organ, -1, -1.0, eventoQuebra, false));

    const host::TnField& codigo = dataset.Fields(kColunaEvento);
    const host::TnField& coluna = dataset.Fields(kind);
    const std::vector<int>& somados = codigosSomados(auxiliares);
    // With the event in the chain every row of the range is that event's, and
    // its code need not be read: the rows lie scattered in memory, and each
    // column read is a cache miss.
    const bool soDoEvento = eventoQuebra != -1;
    const auto somar = [&] {
        if (soDoEvento)
            return true;
        const int codigoEvento = codigo.AsInteger();
        return codigoEvento == evento || std::find(somados.begin(), somados.end(), codigoEvento) != somados.end();
    };
    double soma = 0.0;
    for (dataset.First(); !dataset.Eof(); dataset.Next()) {
        if (somar())
            soma += coluna.AsFloat();
    }
    const TextoEvento texto(kEventoBase, kEventoRefer);
    result.AddValue(texto.Formatar(dm, func, kind, soma, evento));
}

void FuncoesMovimento::RateioFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments, int kind)
{
    if (dm.FCodigoEmpresa == -1) {
        result.AddValue(QString());
        return;
    }
    const ArgumentosFolha args(result, arguments);
    const int evento = args.numero(0);
    const int estab = args.numero(1);
    const int outEmp = args.numero(2);
    const double cenCusto = args.numeroReal(3);
    const QString organ = args.organograma(4);
    const int func = args.numero(5);

    host::TnClientDataSet& dataset = cursor(dm.curCalculoRateio, dm, abrirCalculoRateio);
    QuebraFolha::AplicarQuebra(dataset, QuebraFolha::CriarQuebra(dm, estab, func, organ, outEmp, cenCusto, evento, false));

    const host::TnField& coluna = dataset.Fields(kind);
    if (kind == kRateioOutEmp || kind == kRateioCentroCusto) {
        CodigosDistintos codigos;
        for (dataset.First(); !dataset.Eof(); dataset.Next())
            codigos.adicionar(coluna);
        result.AddValue(codigos.vazio() ? TextoReal(0.0) : codigos.texto());
        return;
    }
    double soma = 0.0;
    for (dataset.First(); !dataset.Eof(); dataset.Next())
        soma += coluna.AsFloat();
    const TextoEvento texto(kRateioBase, kRateioRefer);
    result.AddValue(texto.Formatar(dm, func, kind, soma, evento));
}

void FuncoesMovimento::ImpCalcFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    if (dm.FCodigoEmpresa == -1) {
        result.AddValue(QString());
        return;
    }
    const ArgumentosFolha args(result, arguments);
    // Column 0 of the query is the company, which a cell cannot ask for.
    const int numero = args.count() > 0 ? args.numero(0) + 1 : -1;
    const int estab = args.numero(1);
    const int outEmp = args.numero(2);
    const double cenCusto = args.numeroReal(3);
    const QString organ = args.organograma(4);
    const int func = args.numero(5);

    host::TnClientDataSet& dataset = cursor(dm.curImpostoCalculo, dm, abrirImpostoCalculo);
    if (numero < 1 || numero > dataset.FieldCount() - 1) {
        result.AddValue(kCampoNaoExiste);
        return;
    }
    QuebraFolha::AplicarQuebra(dataset, QuebraFolha::CriarQuebra(dm, estab, func, organ, outEmp, cenCusto, -1, false));

    const host::TnField& coluna = dataset.Fields(numero);
    if (ehColunaDeCodigo(coluna.FieldName())) {
        CodigosDistintos codigos;
        for (dataset.First(); !dataset.Eof(); dataset.Next())
            codigos.adicionar(coluna);
        result.AddValue(codigos.vazio() ? QVariant(0.0) : codigos.valor());
        return;
    }
    QVariant valor = 0.0;
    const bool texto = coluna.DataType() == host::FieldType::Text;
    for (dataset.First(); !dataset.Eof(); dataset.Next())
        valor = texto ? QVariant(coluna.AsString()) : QVariant(valor.toDouble() + coluna.AsFloat());
    result.AddValue(valor);
}

void FuncoesMovimento::ProvisaoFeriasFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    ProvisaoFolha::Ferias().Avaliar(dm, result, arguments);
}

void FuncoesMovimento::Provisao13SalFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    ProvisaoFolha::DecimoTerceiro().Avaliar(dm, result, arguments);
}

void FuncoesMovimento::ProvisaoFeriasRatFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    ProvisaoFolha::FeriasRateio().Avaliar(dm, result, arguments);
}

void FuncoesMovimento::Provisao13SalRatFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments)
{
    ProvisaoFolha::DecimoTerceiroRateio().Avaliar(dm, result, arguments);
}

}  // namespace payroll
