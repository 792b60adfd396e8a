#include "payroll/TfpaOMascEvento.h"

#include "FormatoNumero.h"
#include "LinhasDoFuncionario.h"
#include "TnMapDadosContrato.h"
#include "TnMapSindicato.h"
#include "TnMapTabelaAnuidade.h"

#include "payroll/ConsultasFolha.h"
#include "payroll/RotinasEvento.h"

#include "host/HostError.h"
#include "host/QueryServices.h"
#include "host/SqlParameters.h"
#include "host/TnClientDataSet.h"
#include "host/TnConfig.h"
#include "host/VariantRoutines.h"

namespace payroll {

namespace {

constexpr int kBuscaExata = 2;
constexpr int kProcedAnuidade = 9;
constexpr int kProcedQuebraCaixa = 11;
constexpr int kAnuidadePercentual = 1;
constexpr int kDecimaisAnuidade = 2;
const QString kHora = QStringLiteral("1");
const QString kChaveFuncionario = QStringLiteral("CodigoEmpresa;CodigoFuncContr");

int inteiroOuZero(const host::TnField* campo, bool achado)
{
    return achado && !campo->IsNull() ? campo->AsInteger() : 0;
}

QString textoOuVazio(const host::TnField* campo, bool achado)
{
    return achado ? campo->AsString() : QString();
}

// Opens the company's rows on first use or when the company changed, and
// goes to the employee's row.
bool posicionar(std::unique_ptr<host::TnClientDataSet>& dataset, std::optional<int>& lidaPara,
                std::unique_ptr<LinhasDoFuncionario>& linhas,
                const std::function<TfpaOMascEvento::Consulta()>& consulta,
                const TfpaOMascEvento::Executor& executar, int empresa, int codFunc)
{
    if (!dataset || lidaPara != empresa) {
        // A failed query must leave nothing behind, so the next call retries.
        host::DestruirSQL(dataset);
        lidaPara.reset();
        linhas.reset();
        dataset = executar(consulta());
        dataset->SetIndexFieldNames(kChaveFuncionario);
        linhas = LinhasDoFuncionario::ler(*dataset, empresa);
        lidaPara = empresa;
    }
    return linhas ? linhas->posicionar(*dataset, codFunc) : dataset->FindKey({empresa, codFunc});
}

// The values of a formatter query, in the order its parameters appear.
TfpaOMascEvento::Consulta consultaDaEmpresa(const char* sql, int empresa, const QDate& data)
{
    TfpaOMascEvento::Consulta consulta{host::PegarSQL(QString::fromUtf8(sql)), {}};
    const host::SqlParameters parametros = host::SqlParameters::parse(consulta.texto);
    for (const QString& nome : parametros.names())
        consulta.valores.push_back(nome.compare(QLatin1String("pData"), Qt::CaseInsensitive) == 0 ? QVariant(data)
                                                                                                : QVariant(empresa));
    return consulta;
}

QString unidadeQuebraCaixa(int tipo)
{
    static const QString kUnidades[] = {QStringLiteral("%"), QStringLiteral("Dia"), QStringLiteral("hs")};
    return tipo >= 1 && tipo <= 3 ? kUnidades[tipo - 1] : QString();
}

// The box-break reference keeps its number and takes the unit of the union.
QString cortarQuebraCaixa(const QString& texto, int tipoQuebraCaixa)
{
    const qsizetype branco = texto.indexOf(QLatin1Char(' '));
    return branco < 0 ? texto : texto.left(branco + 1) + unidadeQuebraCaixa(tipoQuebraCaixa);
}

// Union contributions whose type gives the unit of a union event.
struct ClasseSindical {
    const char* estruturas[3];
    host::TnField* TnMapSindicato::*tipo;
};

constexpr ClasseSindical kClassesSindicais[] = {
    {{"97.01.01", "97.01.06", "06.04.02.02"}, &TnMapSindicato::TipoCSind},
    {{"97.01.02", "97.01.07", "06.04.02.03"}, &TnMapSindicato::TipoCusteioConf},
    {{"97.01.03", "97.01.08", "06.04.02.04"}, &TnMapSindicato::TipoTaxaASS},
    {{"97.01.04", "97.01.09", "06.04.02.05"}, &TnMapSindicato::TipoMSind},
};

const ClasseSindical* classeSindical(const QString& codigoEstrut)
{
    for (const ClasseSindical& classe : kClassesSindicais) {
        for (const char* estrutura : classe.estruturas) {
            if (codigoEstrut == QLatin1String(estrutura)) {
                return &classe;
            }
        }
    }
    return nullptr;
}

}  // namespace

TfpaOMascEvento::TfpaOMascEvento(Executor executar)
    : FExecutar(executar ? std::move(executar)
                         : [](const Consulta& c) { return host::ExecutarSQL(c.texto, c.valores); }),
      FCurEvento(host::ExecutarSQL(host::PegarSQL(QString::fromUtf8(SqlEventoMascara)))),
      FCompet(QDateTime::currentDateTime())
{
    FCurEvento->SetIndexFieldNames(QStringLiteral("CodigoEvento"));
}

TfpaOMascEvento::Consulta TfpaOMascEvento::ConsultaDadosContrato(int empresa, const QDate& data)
{
    return consultaDaEmpresa(SqlDadosContrato, empresa, data);
}

TfpaOMascEvento::Consulta TfpaOMascEvento::ConsultaSindicato(int empresa, const QDate& data)
{
    return consultaDaEmpresa(SqlSindicato, empresa, data);
}

TfpaOMascEvento::~TfpaOMascEvento()
{
    host::DestruirSQL(FCurDadosContrato);
    host::DestruirSQL(FCurSindicato);
    host::DestruirSQL(FCurEvento);
    host::DestruirSQL(FCurAnuidade);
}

int TfpaOMascEvento::CodigoEmpresa()
{
    if (FCodigoEmpresa == 0) {
        FCodigoEmpresa = host::VarToIntDef(host::PegarValorExternalVar(QStringLiteral("gCodigoEmpresa")), -1);
        if (FCodigoEmpresa == -1) {
            FCodigoEmpresa = 0;
            throw host::HostError(QStringLiteral("É necessário inicializar a ExternalVar(''gCodigoEmpresa'')"));
        }
    }
    return FCodigoEmpresa;
}

QString TfpaOMascEvento::GetBaseEventEx(int codFunc, int codEvento, double baseEvent)
{
    return Base(codFunc, codEvento, baseEvent, false);
}

QString TfpaOMascEvento::GetBaseEventExMask(int codFunc, int codEvento, double baseEvent)
{
    return Base(codFunc, codEvento, baseEvent, true);
}

QString TfpaOMascEvento::GetReferEventEx(int codFunc, int codEvento, double referEvent, bool complReferencia)
{
    return Refer(codFunc, codEvento, referEvent, complReferencia, false);
}

QString TfpaOMascEvento::GetReferEventEx(int codigoEmpresa, int codFunc, int codEvento, double referEvent,
                                         bool complReferencia)
{
    FCodigoEmpresa = codigoEmpresa;
    return Refer(codFunc, codEvento, referEvent, complReferencia, false);
}

QString TfpaOMascEvento::GetReferEventExMask(int codFunc, int codEvento, double referEvent, bool complReferencia)
{
    return Refer(codFunc, codEvento, referEvent, complReferencia, true);
}

QString TfpaOMascEvento::GetReferEvent(int codProced, int tipoQuebraCaixa, double ceReferEvent,
                                       const QString& codigoEstrut, const QString& evReferEvent, const QString& hora,
                                       const QString& horaCent, bool arredondarHoraCentesimal, bool complReferencia,
                                       const QString& proporcCalculo13Dia, const QString& proporcCalculoFeriasDia,
                                       bool mascara)
{
    const ClasseEvento evento{codProced, codigoEstrut, evReferEvent};
    const ProporcaoContrato proporcao{proporcCalculo13Dia, proporcCalculoFeriasDia};
    const AjustesHora ajustes{hora, horaCent, arredondarHoraCentesimal};
    return MascaraReferEvento(evento, ceReferEvent, mascara, complReferencia, proporcao, tipoQuebraCaixa, ajustes);
}

QString TfpaOMascEvento::Base(int codFunc, int codEvento, double valor, bool mascara)
{
    const ClasseEvento& evento = PosicionarEvento(codEvento);
    PosicionarFuncionario(codFunc);
    LerAjustesHora();
    const AjustesHora ajustes{kHora, FHoraCent, FArredondaHoraCent};
    return MascaraBaseEvento(evento, valor, mascara, TipoQuebraCaixa(), ajustes);
}

QString TfpaOMascEvento::Refer(int codFunc, int codEvento, double valor, bool complReferencia, bool mascara)
{
    const ClasseEvento& evento = PosicionarEvento(codEvento);
    PosicionarFuncionario(codFunc);
    LerAjustesHora();
    if (evento.codigoProced == kProcedAnuidade) {
        const bool percentual = TipoAnuidade(evento.codigoEstrut) == kAnuidadePercentual;
        return FormatoNumero::agrupado(valor, kDecimaisAnuidade) + (percentual ? QStringLiteral(" %") : QString());
    }
    const auto& contrato = FCurDadosContrato->Mapa<TnMapDadosContrato>();
    QString texto = GetReferEvent(evento.codigoProced, TipoQuebraCaixa(), valor, evento.codigoEstrut,
                                  evento.referEvento, kHora, FHoraCent, FArredondaHoraCent, complReferencia,
                                  textoOuVazio(contrato.ProporcCalculo13Dia, FContratoAchado),
                                  textoOuVazio(contrato.ProporcCalculoFeriasDia, FContratoAchado), mascara);
    if (complReferencia) {
        texto += SufixoClasse(evento.codigoEstrut, valor);
    }
    if (evento.codigoProced == kProcedQuebraCaixa) {
        texto = cortarQuebraCaixa(texto, TipoQuebraCaixa());
    }
    return texto;
}

// The event table does not change during a run: each event is looked up
// once, and a missing one raises at every call, as the lookup itself does.
const ClasseEvento& TfpaOMascEvento::PosicionarEvento(int codEvento)
{
    const auto lido = FEventosLidos.find(codEvento);
    if (lido != FEventosLidos.end())
        return lido->second;
    host::TnClientDataSet& eventos = *FCurEvento;
    EncontrarRegistro(eventos, kBuscaExata, {codEvento});
    ClasseEvento evento{eventos.FieldByName(QStringLiteral("CodigoProced")).AsInteger(),
                        eventos.FieldByName(QStringLiteral("CodigoEstrut")).AsString(),
                        eventos.FieldByName(QStringLiteral("ReferEvento")).AsString()};
    return FEventosLidos.emplace(codEvento, std::move(evento)).first->second;
}

// The cells of an employee's row come one after another: the contract and
// union rows found for the last employee serve until another one asks.
void TfpaOMascEvento::PosicionarFuncionario(int codFunc)
{
    const int empresa = CodigoEmpresa();
    if (FFuncionarioPosicionado == std::pair{empresa, codFunc} && FEmpresaContrato == empresa
        && FEmpresaSindicato == empresa)
        return;
    FFuncionarioPosicionado.reset();
    // The queries are built only when one is about to run, not at every cell.
    FContratoAchado = posicionar(
        FCurDadosContrato, FEmpresaContrato, FLinhasContrato,
        [&] { return ConsultaDadosContrato(empresa, FCompet.date()); }, FExecutar, empresa, codFunc);
    FSindicatoAchado = posicionar(
        FCurSindicato, FEmpresaSindicato, FLinhasSindicato, [&] { return ConsultaSindicato(empresa, FCompet.date()); },
        FExecutar, empresa, codFunc);
    FFuncionarioPosicionado = std::pair{empresa, codFunc};
}

// Every base and reference cell formats hours: the two variables are read
// again only when the configuration has changed since the last call.
void TfpaOMascEvento::LerAjustesHora()
{
    const std::uint64_t revisao = host::nConfig().revisao();
    if (FAjustesLidos == revisao)
        return;
    FAjustesLidos.reset();
    FHoraCent = host::PegarValorExternalVar(QStringLiteral("gHoraCent"));
    // Usually unset or "1"; any other text is read as the host reads a number.
    const QString arredonda = host::PegarValorExternalVar(QStringLiteral("gArrendCentHora"));
    FArredondaHoraCent = arredonda == u"1" || (!arredonda.isEmpty() && host::VarToIntDef(arredonda, 0) == 1);
    FAjustesLidos = revisao;
}

int TfpaOMascEvento::TipoAnuidade(const QString& codigoEstrut)
{
    const auto& contrato = FCurDadosContrato->Mapa<TnMapDadosContrato>();
    if (FContratoAchado && !contrato.TipoAnuidade->IsNull()) {
        return contrato.TipoAnuidade->AsInteger();
    }
    // Length-of-service events ("...06") take the company's service annuity.
    const bool tempoServico = codigoEstrut.endsWith(QLatin1String("06"));
    const auto& sindicato = FCurSindicato->Mapa<TnMapSindicato>();
    int codigo = inteiroOuZero(tempoServico ? contrato.AnuidadeTempoServico : contrato.CodigoAnuidade, FContratoAchado);
    if (codigo == 0) {
        codigo = inteiroOuZero(tempoServico ? sindicato.AnuidadeTempoServico : sindicato.CodigoAnuidade,
                               FSindicatoAchado);
    }
    return TipoNaTabelaAnuidade(codigo);
}

int TfpaOMascEvento::TipoNaTabelaAnuidade(int codigoAnuidade)
{
    if (!FCurAnuidade) {
        FCurAnuidade = host::ExecutarSQL(host::PegarSQL(QString::fromUtf8(SqlTabelaAnuidade)));
        FCurAnuidade->SetIndexFieldNames(QStringLiteral("CodigoAnuidade"));
    }
    const bool achou = FCurAnuidade->FindKey({codigoAnuidade});
    return inteiroOuZero(FCurAnuidade->Mapa<TnMapTabelaAnuidade>().TipoAnuidade, achou);
}

QString TfpaOMascEvento::SufixoClasse(const QString& codigoEstrut, double valor) const
{
    const ClasseSindical* classe = classeSindical(codigoEstrut);
    if (!classe) {
        return {};
    }
    const auto& sindicato = FCurSindicato->Mapa<TnMapSindicato>();
    switch (inteiroOuZero(sindicato.*(classe->tipo), FSindicatoAchado)) {
    case 1:
        return QStringLiteral(" %");
    case 2:
        return SufixoDias(valor);
    default:
        return {};
    }
}

int TfpaOMascEvento::TipoQuebraCaixa() const
{
    return inteiroOuZero(FCurSindicato->Mapa<TnMapSindicato>().TipoQuebraCaixa, FSindicatoAchado);
}

}  // namespace payroll
