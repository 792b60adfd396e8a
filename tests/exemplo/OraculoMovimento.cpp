#include "BancoOraculo.h"
#include "ContextoOraculo.h"
#include "FuncaoOraculo.h"

#include <QLocale>
#include <QSqlRecord>

#include <array>
#include <cmath>

namespace exemplo::testes {

namespace {

enum class Forma { Valor, Base, Referencia };

// The procedures whose reference is always a count of minutes.
constexpr std::array<int, 9> kProcedimentosHoras = {2, 3, 19, 20, 29, 56, 65, 73, 74};

// The tax amounts by the number a cell gives (5 to 53, in table order).
constexpr std::array<const char*, 49> kImpostos = {
    "VALORFGTSNORM",    "VALORFGTS13",     "VALORADICFGTSNORM",  "VALORADICFGTS13",  "BASEFGTSNORM",
    "BASEFGTS13",       "BASEFGTS13COMPL", "BASEFGTS13ADTO",     "SALINSSADIC",      "SALINSSCOMIS",
    "SALINSSHORAEXTRA", "SALINSS1TERCFERIAS", "SALINSSFIXO",     "SALINSSCONTRIB",   "BASEINSSEMP",
    "BASEINSS13EMP",    "BASEINSSFUNC",    "BASEINSS13FUNC",     "VALORINSS",        "VALORINSS13",
    "INSSPARTEEMP",     "INSSENTFINANC",   "INSSPARTESAT",       "INSSPARTETERC",    "INSSDIRAUTON",
    "INSSSALEDUCACAO",  "INSSINCRA",       "INSSSENAI",          "INSSSESI",         "INSSSENAC",
    "INSSSEST",         "INSSSENAT",       "INSSSESC",           "INSSSEBRAE",       "INSSDPC",
    "INSSFAER",         "INSSSESCOOP",     "INSSSENAR",          "ISENCAOFILANTROPICA", "ACRESFAP",
    "ISENCAOCONVENIOS", "SALFAMILIA",      "DEDUCAO",            "ACRESSAT",         "BASEPISNORM",
    "BASEPIS13",        "VALORPISNORM",    "VALORPIS13",         "REMUNERACAO",
};
constexpr int kPrimeiroImposto = 5;

QString lista(const char* coluna, const QString& texto)
{
    return BancoOraculo::condicaoLista(QString::fromLatin1(coluna), texto);
}

// A base is a plain amount unless the procedure keeps hours or units; a
// reference is hours for the hour procedures and for the plain earnings
// measured in hours. The oracle knows these two shapes only.
QString textoEvento(Forma forma, double soma, int evento, const ContextoCelula& c)
{
    if (soma < 0.0)
        return {};
    if (forma == Forma::Valor)
        return textoReal(soma);
    const auto linhas = c.banco.linhas(
        QStringLiteral("SELECT CODIGOPROCED, CODIGOESTRUT, REFEREVENTO FROM EVENTO WHERE CODIGOEVENTO = %1")
            .arg(evento));
    if (linhas.empty())
        throw NaoCoberto("evento inexistente " + std::to_string(evento));
    const int procedimento = linhas.front().value(0).toInt();
    const QString estrutura = linhas.front().value(1).toString();
    const bool unidadeHoras = linhas.front().value(2).toDouble() == 1.0;
    if (forma == Forma::Base) {
        if (procedimento == 11 || procedimento == 23 || procedimento == 24)
            throw NaoCoberto("base do evento " + std::to_string(evento));
        return QLocale().toString(soma, 'f', 9);
    }
    const bool horas = std::find(kProcedimentosHoras.begin(), kProcedimentosHoras.end(), procedimento)
                           != kProcedimentosHoras.end()
                       || (procedimento == 1 && estrutura.startsWith(QLatin1String("01.")) && unidadeHoras);
    if (!horas)
        throw NaoCoberto("referência do evento " + std::to_string(evento));
    const auto minutos = static_cast<qint64>(std::trunc(soma));
    return QStringLiteral("%1,%2")
        .arg(minutos / 60, 3, 10, QLatin1Char('0'))
        .arg(minutos % 60, 2, 10, QLatin1Char('0'));
}

bool naLista(const QString& lista, int codigo)
{
    return (QLatin1Char(';') + lista + QLatin1Char(';')).contains(QStringLiteral(";%1;").arg(codigo));
}

QVariant evento(Forma forma, const ArgumentosOraculo& a, const ContextoCelula& c)
{
    const int codigo = a.numero(0);
    const QString auxiliares = a.texto(4).remove(u' ');
    const auto& p = c.parametros;
    QString sql = QStringLiteral(
                      "SELECT CE.CODIGOEVENTO, CE.BASEEVENTO, CE.REFEREVENTO, CE.VALOREVENTO FROM CALCULOEVENTO CE"
                      " JOIN FUNCPERCALCULO FP ON FP.CODIGOEMPRESA = CE.CODIGOEMPRESA"
                      " AND FP.CODIGOFUNCCONTR = CE.CODIGOFUNCCONTR AND FP.CODIGOPERCALCULO = CE.CODIGOPERCALCULO"
                      " JOIN PERIODOCALCULO PC ON PC.CODIGOEMPRESA = FP.CODIGOEMPRESA"
                      " AND PC.CODIGOPERCALCULO = FP.CODIGOPERCALCULO"
                      " JOIN FUNCLOCAL FL ON FL.CODIGOEMPRESA = FP.CODIGOEMPRESA"
                      " AND FL.CODIGOFUNCCONTR = FP.CODIGOFUNCCONTR AND FL.DATATRANSF = FP.DATALOCAL"
                      " WHERE CE.CODIGOEMPRESA = %1")
                      .arg(c.empresa)
                  + lista("CE.CODIGOEMPRESA", p.empresas) + lista("FL.CODIGOESTAB", p.filiais)
                  + lista("CE.CODIGOPERCALCULO", p.periodos) + lista("CE.CODIGOFUNCCONTR", p.funcionarios)
                  + BancoOraculo::condicaoLista(BancoOraculo::localContabil(QStringLiteral("CE.CODIGOEMPRESA"),
                                                                            QStringLiteral("CE.CODIGOFUNCCONTR"),
                                                                            QStringLiteral("PC.COMPET")),
                                                p.localContabil)
                  + c.quebra({{"CODIGOESTAB", QStringLiteral("FL.CODIGOESTAB"), a.numero(1), a.numero(1) != -1},
                              {"CLASSIFORGAN", QStringLiteral("FL.CLASSIFORGAN"), a.organograma(2),
                               !a.organograma(2).isEmpty()},
                              {"CODIGOFUNCCONTR", QStringLiteral("CE.CODIGOFUNCCONTR"), a.numero(3),
                               a.numero(3) != -1}});
    // The reference sums the auxiliary events too, so its chain leaves the
    // event out.
    if (forma != Forma::Referencia && codigo != -1)
        sql += QStringLiteral(" AND CE.CODIGOEVENTO = %1").arg(codigo);
    const int coluna = forma == Forma::Base ? 1 : forma == Forma::Referencia ? 2 : 3;
    double soma = 0.0;
    for (const QSqlRecord& linha : c.banco.linhas(sql)) {
        const int evento = linha.value(0).toInt();
        if (evento == codigo || (!auxiliares.isEmpty() && naLista(auxiliares, evento)))
            soma += linha.value(coluna).toDouble();
    }
    return textoEvento(forma, soma, codigo, c);
}

enum class ColunaRateio { OutraEmpresa, CentroCusto, Base, Referencia, Valor };

QVariant rateio(ColunaRateio qual, const ArgumentosOraculo& a, const ContextoCelula& c)
{
    const int codigo = a.numero(0);
    const auto& p = c.parametros;
    QString sql = QStringLiteral(
                      "SELECT CR.CODIGOOUTEMP, CR.CODIGOCENTROCUSTO, CR.BASEEVENTO, CR.REFEREVENTO, CR.VALOREVENTO"
                      " FROM CALCULORATEIO CR JOIN FUNCPERCALCULO FP ON FP.CODIGOEMPRESA = CR.CODIGOEMPRESA"
                      " AND FP.CODIGOFUNCCONTR = CR.CODIGOFUNCCONTR AND FP.CODIGOPERCALCULO = CR.CODIGOPERCALCULO"
                      " JOIN FUNCLOCAL FL ON FL.CODIGOEMPRESA = FP.CODIGOEMPRESA"
                      " AND FL.CODIGOFUNCCONTR = FP.CODIGOFUNCCONTR AND FL.DATATRANSF = FP.DATALOCAL"
                      " WHERE CR.CODIGOEMPRESA = %1")
                      .arg(c.empresa)
                  + lista("CR.CODIGOEMPRESA", p.empresas) + lista("FL.CODIGOESTAB", p.filiais)
                  + lista("CR.CODIGOPERCALCULO", p.periodos)
                  + c.quebra({{"CODIGOESTAB", QStringLiteral("FL.CODIGOESTAB"), a.numero(1), a.numero(1) != -1},
                              {"CODIGOOUTEMP", QStringLiteral("CR.CODIGOOUTEMP"), a.numero(2), a.numero(2) != -1},
                              {"CODIGOCENTROCUSTO", QStringLiteral("CR.CODIGOCENTROCUSTO"), a.real(3),
                               a.real(3) != -1.0},
                              {"CLASSIFORGAN", QStringLiteral("FL.CLASSIFORGAN"), a.organograma(4),
                               !a.organograma(4).isEmpty()},
                              {"CODIGOFUNCCONTR", QStringLiteral("CR.CODIGOFUNCCONTR"), a.numero(5),
                               a.numero(5) != -1}});
    if (codigo != -1)
        sql += QStringLiteral(" AND CR.CODIGOEVENTO = %1").arg(codigo);
    double soma = 0.0;
    for (const QSqlRecord& linha : c.banco.linhas(sql))
        soma += linha.value(static_cast<int>(qual)).toDouble();
    // The code columns are summed like the amounts: one matching share
    // gives its own code.
    switch (qual) {
    case ColunaRateio::Base:
        return textoEvento(Forma::Base, soma, codigo, c);
    case ColunaRateio::Referencia:
        return textoEvento(Forma::Referencia, soma, codigo, c);
    default:
        return textoEvento(Forma::Valor, soma, codigo, c);
    }
}

QVariant imposto(const ArgumentosOraculo& a, const ContextoCelula& c)
{
    const int numero = a.numero(0);
    if (a.quantidade() == 0 || numero < 0 || numero > 54)
        return QStringLiteral("Campo não existe.");
    if (numero < kPrimeiroImposto || numero >= kPrimeiroImposto + static_cast<int>(kImpostos.size()))
        throw NaoCoberto("fpaImpCalc coluna " + std::to_string(numero));
    const auto& p = c.parametros;
    // A row without its own organogram class takes the class of the
    // employee's location in the period.
    const QString classe = QStringLiteral("COALESCE(I.CLASSIFORGAN, FL.CLASSIFORGAN)");
    const QString sql =
        QStringLiteral("SELECT SUM(I.%1) FROM IMPOSTOCALCULO I JOIN PERIODOCALCULO PC"
                       " ON PC.CODIGOEMPRESA = I.CODIGOEMPRESA AND PC.CODIGOPERCALCULO = I.CODIGOPERCALCULO"
                       " LEFT JOIN FUNCPERCALCULO FP ON FP.CODIGOEMPRESA = I.CODIGOEMPRESA"
                       " AND FP.CODIGOFUNCCONTR = I.CODIGOFUNCCONTR AND FP.CODIGOPERCALCULO = I.CODIGOPERCALCULO"
                       " LEFT JOIN FUNCLOCAL FL ON FL.CODIGOEMPRESA = FP.CODIGOEMPRESA"
                       " AND FL.CODIGOFUNCCONTR = FP.CODIGOFUNCCONTR AND FL.DATATRANSF = FP.DATALOCAL"
                       " WHERE I.COMPROCESSO = '1' AND (I.CLASSIFORGAN IS NOT NULL OR FL.CODIGOFUNCCONTR IS NOT NULL)"
                       " AND I.CODIGOEMPRESA = %2")
            .arg(QLatin1String(kImpostos[static_cast<std::size_t>(numero - kPrimeiroImposto)]))
            .arg(c.empresa)
        + lista("I.CODIGOEMPRESA", p.empresas) + lista("I.CODIGOESTAB", p.filiais)
        + lista("I.CODIGOPERCALCULO", p.periodos) + lista("I.CODIGOFUNCCONTR", p.funcionarios)
        + lista("I.CODIGOCENTROCUSTO", p.centroCustos)
        + BancoOraculo::condicaoLista(BancoOraculo::localContabil(QStringLiteral("I.CODIGOEMPRESA"),
                                                                  QStringLiteral("I.CODIGOFUNCCONTR"),
                                                                  QStringLiteral("PC.COMPET")),
                                      p.localContabil)
        + c.quebra({{"CODIGOESTAB", QStringLiteral("I.CODIGOESTAB"), a.numero(1), a.numero(1) != -1},
                    {"CODIGOOUTEMP", QStringLiteral("I.CODIGOOUTEMP"), a.numero(2), a.numero(2) != -1},
                    {"CODIGOCENTROCUSTO", QStringLiteral("I.CODIGOCENTROCUSTO"), a.real(3), a.real(3) != -1.0},
                    {"CLASSIFORGAN", classe, a.organograma(4), !a.organograma(4).isEmpty()},
                    {"CODIGOFUNCCONTR", QStringLiteral("I.CODIGOFUNCCONTR"), a.numero(5), a.numero(5) != -1}});
    return c.banco.valor(sql).toDouble();
}

constexpr std::array<FuncaoOraculo, 9> kFuncoes{{
    {"fpaEvValor", [](const ArgumentosOraculo& a, const ContextoCelula& c) { return evento(Forma::Valor, a, c); }},
    {"fpaEvBase", [](const ArgumentosOraculo& a, const ContextoCelula& c) { return evento(Forma::Base, a, c); }},
    {"fpaEvRefer",
     [](const ArgumentosOraculo& a, const ContextoCelula& c) { return evento(Forma::Referencia, a, c); }},
    {"fpaRatValor",
     [](const ArgumentosOraculo& a, const ContextoCelula& c) { return rateio(ColunaRateio::Valor, a, c); }},
    {"fpaRatBase",
     [](const ArgumentosOraculo& a, const ContextoCelula& c) { return rateio(ColunaRateio::Base, a, c); }},
    {"fpaRatRefer",
     [](const ArgumentosOraculo& a, const ContextoCelula& c) { return rateio(ColunaRateio::Referencia, a, c); }},
    {"fpaRatCentCusto",
     [](const ArgumentosOraculo& a, const ContextoCelula& c) { return rateio(ColunaRateio::CentroCusto, a, c); }},
    {"fpaRatOutEmp",
     [](const ArgumentosOraculo& a, const ContextoCelula& c) { return rateio(ColunaRateio::OutraEmpresa, a, c); }},
    {"fpaImpCalc", imposto},
}};

}  // namespace

std::span<const FuncaoOraculo> funcoesMovimento()
{
    return kFuncoes;
}

}  // namespace exemplo::testes
