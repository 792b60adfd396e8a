#include "MovimentoTeste.h"

#include "catalog/Catalogo.h"

#include "host/TnConfig.h"

#include <QStringList>

#include <cmath>
#include <map>

namespace {

// Amounts are stored with two decimals: half a cent tells a different sum
// from a rounding of the same one.
constexpr double kMeioCentavo = 0.005;

// How the cell reports a column over the rows of its break.
enum class Tipo {
    Soma,    // the sum of the column
    Codigo,  // the code when the rows share one, else the distinct codes ascending joined by ";"
    Texto,   // the text of one of the rows
};

struct Coluna {
    const char* expressao;  // over the rows read here by the test
    Tipo tipo = Tipo::Soma;
};

// What each caption of the menus names, read here straight from the tables.
using Colunas = std::map<QString, Coluna>;

// The month of the run's period of company 1.
#define MES_DO_PERIODO "(SELECT COMPET FROM PERIODOCALCULO WHERE CODIGOEMPRESA = 1 AND CODIGOPERCALCULO = {periodo})"

// An employee who never left establishment 1, so that the establishment of
// the break is the one of every row read here.
#define SEMPRE_NO_ESTAB_1                                                                                               \
    " AND NOT EXISTS (SELECT 1 FROM FUNCLOCAL FL WHERE FL.CODIGOEMPRESA = 1 AND FL.CODIGOFUNCCONTR = P.CODIGOFUNCCONTR" \
    " AND FL.CODIGOESTAB <> 1)"

// The class of a row without its own comes from the employee's location of the period.
const QString kLinhasImposto = QStringLiteral(
    " FROM IMPOSTOCALCULO I"
    " LEFT JOIN FUNCPERCALCULO FP ON FP.CODIGOEMPRESA = I.CODIGOEMPRESA AND FP.CODIGOFUNCCONTR = I.CODIGOFUNCCONTR"
    "  AND FP.CODIGOPERCALCULO = I.CODIGOPERCALCULO"
    " LEFT JOIN FUNCLOCAL FL ON FL.CODIGOEMPRESA = FP.CODIGOEMPRESA AND FL.CODIGOFUNCCONTR = FP.CODIGOFUNCCONTR"
    "  AND FL.DATATRANSF = FP.DATALOCAL"
    " WHERE I.CODIGOEMPRESA = 1 AND I.CODIGOPERCALCULO = {periodo} AND I.CODIGOESTAB = 1 AND I.COMPROCESSO = '1'");
const QString kEscolhaImposto = QStringLiteral("SELECT -1, -1, -1");

const Colunas kColunasImposto{
    {"Códgio Estabelecimento", {"I.CODIGOESTAB", Tipo::Codigo}},
    {"Classificação Organograma", {"COALESCE(I.CLASSIFORGAN, FL.CLASSIFORGAN)", Tipo::Texto}},
    {"Código Centro de Custo", {"I.CODIGOCENTROCUSTO", Tipo::Codigo}},
    {"Código Outra Empresa", {"I.CODIGOOUTEMP", Tipo::Codigo}},
    {"Valor do FGTS Normal", {"I.VALORFGTSNORM"}},
    {"Valor do FGTS 13º Sal.", {"I.VALORFGTS13"}},
    {"Valor Adic. FGTS Normal", {"I.VALORADICFGTSNORM"}},
    {"Valor Adic. FGTS 13º Sal.", {"I.VALORADICFGTS13"}},
    {"Base FGTS Normal", {"I.BASEFGTSNORM"}},
    {"Base FGTS 13º Sal.", {"I.BASEFGTS13"}},
    {"Base FGTS 13º Compl.", {"I.BASEFGTS13COMPL"}},
    {"Base FGTS 13º Adto.", {"I.BASEFGTS13ADTO"}},
    {"Salário INSS Adic.", {"I.SALINSSADIC"}},
    {"Salário INSS Comis.", {"I.SALINSSCOMIS"}},
    {"Salário INSS Hora Extra", {"I.SALINSSHORAEXTRA"}},
    {"Salário INSS 1/3 Férias", {"I.SALINSS1TERCFERIAS"}},
    {"Salário INSS Fixo", {"I.SALINSSFIXO"}},
    {"Salário INSS Contrib.", {"I.SALINSSCONTRIB"}},
    {"Base INSS Empresa", {"I.BASEINSSEMP"}},
    {"Base INSS 13º Empresa", {"I.BASEINSS13EMP"}},
    {"Base INSS Funcionário", {"I.BASEINSSFUNC"}},
    {"Base INSS 13º Funcionário", {"I.BASEINSS13FUNC"}},
    {"Valor INSS", {"I.VALORINSS"}},
    {"Valor INSS 13º", {"I.VALORINSS13"}},
    {"INSS Parte Empresa", {"I.INSSPARTEEMP"}},
    {"INSS Entidade Financ.", {"I.INSSENTFINANC"}},
    {"INSS Parte SAT", {"I.INSSPARTESAT"}},
    {"INSS Parte Terc.", {"I.INSSPARTETERC"}},
    {"INSS Diretor Auton.", {"I.INSSDIRAUTON"}},
    {"INSS Salário Educação", {"I.INSSSALEDUCACAO"}},
    {"INSS INCRA", {"I.INSSINCRA"}},
    {"INSS SENAI", {"I.INSSSENAI"}},
    {"INSS SESI", {"I.INSSSESI"}},
    {"INSS SENAC", {"I.INSSSENAC"}},
    {"INSS SEST", {"I.INSSSEST"}},
    {"INSS SENAT", {"I.INSSSENAT"}},
    {"INSS SESC", {"I.INSSSESC"}},
    {"INSS SEBRAE", {"I.INSSSEBRAE"}},
    {"INSS DPC", {"I.INSSDPC"}},
    {"INSS FAER", {"I.INSSFAER"}},
    {"INSS SESCOOP", {"I.INSSSESCOOP"}},
    {"INSS SENAR", {"I.INSSSENAR"}},
    {"Isenção Filantrópica", {"I.ISENCAOFILANTROPICA"}},
    {"Acréscimo FAP", {"I.ACRESFAP"}},
    {"Isenção Convênios", {"I.ISENCAOCONVENIOS"}},
    {"Salário Família", {"I.SALFAMILIA"}},
    {"Dedução", {"I.DEDUCAO"}},
    {"Acrés. SAT", {"I.ACRESSAT"}},
    {"Base PIS Normal", {"I.BASEPISNORM"}},
    {"Base PIS 13º", {"I.BASEPIS13"}},
    {"Valor PIS Normal", {"I.VALORPISNORM"}},
    {"Valor PIS 13º", {"I.VALORPIS13"}},
    {"Remuneração", {"I.REMUNERACAO"}},
};

// The run reads the day-based vacation tables unless both old-table switches are set.
const QString kLinhasFerias = QStringLiteral(" FROM PROVISAOFERIASEMDIAS P WHERE P.CODIGOEMPRESA = 1"
                                             " AND P.CODIGOESTAB = 1 AND P.COMPET = " MES_DO_PERIODO
                                             " AND P.CODIGOFUNCCONTR = {func}");
const QString kEscolhaFerias =
    QStringLiteral("SELECT P.CODIGOFUNCCONTR, -1, -1 FROM PROVISAOFERIASEMDIAS P WHERE P.CODIGOEMPRESA = 1"
                   " AND P.COMPET = " MES_DO_PERIODO SEMPRE_NO_ESTAB_1 " ORDER BY 1");

#define DIFERENCA_PAGAMENTO                                                                                        \
    "COALESCE(P.DIFERENCAPAGAMENTOREMUNERACAO, 0) + COALESCE(P.DIFERENCAPAGAMENTOTERCOFERIAS, 0)"

const Colunas kColunasFerias{
    {"Avos de Férias", {"P.AVOS"}},
    {"Salário Base", {"P.SALARIOBASE"}},
    {"Adicional", {"P.ADICIONAL"}},
    {"Média da Hora Extra", {"P.MEDIAHORAEXTRA"}},
    {"Média do Valor Variável", {"P.MEDIAVALORVARIAVEL"}},
    {"Ajuste", {"P.AJUSTEREMUNERACAO"}},
    {"Ajuste 1/3", {"P.AJUSTETERCOFERIAS"}},
    {"Ajuste INSS", {"P.AJUSTEINSS"}},
    {"Ajuste FGTS", {"P.AJUSTEFGTS"}},
    {"Ajuste PIS", {"P.AJUSTEPIS"}},
    {"Mês", {"P.PROVISAOMESREMUNERACAO"}},
    {"Mês 1/3", {"P.PROVISAOMESTERCOFERIAS"}},
    {"Mês INSS", {"P.PROVISAOMESINSS"}},
    {"Mês FGTS", {"P.PROVISAOMESFGTS"}},
    {"Mês PIS", {"P.PROVISAOMESPIS"}},
    {"Férias Pagas", {"P.PAGOREMUNERACAO"}},
    {"Férias Pagas 1/3", {"P.PAGOTERCOFERIAS"}},
    {"Férias Pagas INSS", {"P.PAGOINSS"}},
    {"Férias Pagas FGTS", {"P.PAGOFGTS"}},
    {"Férias Pagas PIS", {"P.PAGOPIS"}},
    {"Diferença Pagamento", {DIFERENCA_PAGAMENTO}},
    {"Diferença com Pagamento INSS", {"P.DIFERENCAPAGAMENTOINSS"}},
    {"Diferença com Pagamento FGTS", {"P.DIFERENCAPAGAMENTOFGTS"}},
    {"Diferença com Pagamento PIS", {"P.DIFERENCAPAGAMENTOPIS"}},
    {"Saldo", {"P.SALDOFINALREMUNERACAO"}},
    {"Saldo 1/3", {"P.SALDOFINALTERCOFERIAS"}},
    {"Saldo INSS", {"P.SALDOFINALINSS"}},
    {"Saldo FGTS", {"P.SALDOFINALFGTS"}},
    {"Saldo PIS", {"P.SALDOFINALPIS"}},
};

// The apportioned cells name one other company and one cost centre, so
// their rows share both codes.
const QString kLinhasFeriasRateio = QStringLiteral(
    " FROM PROVISAOFERIASEMDIASRATEIO P WHERE P.CODIGOEMPRESA = 1 AND P.CODIGOESTAB = 1 AND P.COMPET = " MES_DO_PERIODO
    " AND P.CODIGOFUNCCONTR = {func} AND P.CODIGOOUTEMPEMP = {outemp} AND P.CODIGOCENTROCUSTO = {centro}");
const QString kEscolhaFeriasRateio = QStringLiteral(
    "SELECT P.CODIGOFUNCCONTR, P.CODIGOOUTEMPEMP, P.CODIGOCENTROCUSTO FROM PROVISAOFERIASEMDIASRATEIO P"
    " WHERE P.CODIGOEMPRESA = 1 AND P.COMPET = " MES_DO_PERIODO SEMPRE_NO_ESTAB_1 " ORDER BY 1, 2, 3");

const Colunas kColunasFeriasRateio{
    {"Outra Empresa", {"P.CODIGOOUTEMPEMP", Tipo::Codigo}},
    {"Centro de Custo", {"P.CODIGOCENTROCUSTO", Tipo::Codigo}},
    {"Ajuste", {"P.AJUSTEREMUNERACAO"}},
    {"Ajuste 1/3", {"P.AJUSTETERCOFERIAS"}},
    {"Ajuste INSS", {"P.AJUSTEINSS"}},
    {"Ajuste FGTS", {"P.AJUSTEFGTS"}},
    {"Ajuste PIS", {"P.AJUSTEPIS"}},
    {"Mês", {"P.PROVISAOMESREMUNERACAO"}},
    {"Mês 1/3", {"P.PROVISAOMESTERCOFERIAS"}},
    {"Mês INSS", {"P.PROVISAOMESINSS"}},
    {"Mês FGTS", {"P.PROVISAOMESFGTS"}},
    {"Mês PIS", {"P.PROVISAOMESPIS"}},
    {"Diferença Pagamento", {DIFERENCA_PAGAMENTO}},
    {"Diferença com Pagamento INSS", {"P.DIFERENCAPAGAMENTOINSS"}},
    {"Diferença com Pagamento FGTS", {"P.DIFERENCAPAGAMENTOFGTS"}},
    {"Diferença com Pagamento PIS", {"P.DIFERENCAPAGAMENTOPIS"}},
    {"Pago", {"P.PAGOREMUNERACAO"}},
    {"Pago 1/3", {"P.PAGOTERCOFERIAS"}},
    {"Pago INSS", {"P.PAGOINSS"}},
    {"Pago FGTS", {"P.PAGOFGTS"}},
    {"Pago PIS", {"P.PAGOPIS"}},
};

const QString kLinhas13 = QStringLiteral(" FROM PROVISAO13 P WHERE P.CODIGOEMPRESA = 1 AND P.COMPET = " MES_DO_PERIODO
                                         " AND P.CODIGOFUNCCONTR = {func}");
const QString kEscolha13 = QStringLiteral("SELECT P.CODIGOFUNCCONTR, -1, -1 FROM PROVISAO13 P WHERE P.CODIGOEMPRESA = 1"
                                          " AND P.COMPET = " MES_DO_PERIODO SEMPRE_NO_ESTAB_1 " ORDER BY 1");

const Colunas kColunas13{
    {"Avos de 13º Salário", {"P.AVOS"}},
    {"Salário Base", {"P.SALBASE"}},
    {"Adicional", {"P.ADICIONAL"}},
    {"Média da Hora Extra", {"P.MEDIAHORAEXTRA"}},
    {"Média do Valor Variável", {"P.MEDIAVALORVAR"}},
    {"Ajuste", {"P.AJUSTE"}},
    {"Ajuste INSS", {"P.AJUSTEINSS"}},
    {"Ajuste FGTS", {"P.AJUSTEFGTS"}},
    {"Ajuste PIS", {"P.AJUSTEPIS"}},
    {"Mês", {"P.MES"}},
    {"Mês INSS", {"P.MESINSS"}},
    {"Mês FGTS", {"P.MESFGTS"}},
    {"Mês PIS", {"P.MESPIS"}},
    {"Pago", {"P.PAGO"}},
    {"Pago INSS", {"P.PAGOINSS"}},
    {"Pago FGTS", {"P.PAGOFGTS"}},
    {"Pago PIS", {"P.PAGOPIS"}},
    {"Diferença Pagamento", {"P.DIFERPGTO"}},
    {"Diferença com Pagamento INSS", {"P.DIFERPGTOINSS"}},
    {"Diferença com Pagamento FGTS", {"P.DIFERPGTOFGTS"}},
    {"Diferença com Pagamento PIS", {"P.DIFERPGTOPIS"}},
    {"Saldo", {"P.SALDO"}},
    {"Saldo INSS", {"P.SALDOINSS"}},
    {"Saldo FGTS", {"P.SALDOFGTS"}},
    {"Saldo PIS", {"P.SALDOPIS"}},
    {"Indenização", {"P.INDENIZ"}},
    {"Indenização FGTS", {"P.INDENIZFGTS"}},
    {"Indenização PIS", {"P.INDENIZPIS"}},
    {"Adiantamento", {"P.ADIANT"}},
    {"Adiantamento FGTS", {"P.ADIANTFGTS"}},
};

const QString kLinhas13Rateio =
    QStringLiteral(" FROM PROVISAO13RAT P WHERE P.CODIGOEMPRESA = 1 AND P.COMPET = " MES_DO_PERIODO
                   " AND P.CODIGOFUNCCONTR = {func} AND P.CODIGOOUTEMP = {outemp} AND P.CODIGOCENTROCUSTO = {centro}");
const QString kEscolha13Rateio =
    QStringLiteral("SELECT P.CODIGOFUNCCONTR, P.CODIGOOUTEMP, P.CODIGOCENTROCUSTO FROM PROVISAO13RAT P"
                   " WHERE P.CODIGOEMPRESA = 1 AND P.COMPET = " MES_DO_PERIODO SEMPRE_NO_ESTAB_1 " ORDER BY 1, 2, 3");

const Colunas kColunas13Rateio{
    {"Outra Empresa", {"P.CODIGOOUTEMP", Tipo::Codigo}},
    {"Centro de Custo", {"P.CODIGOCENTROCUSTO", Tipo::Codigo}},
    {"Ajuste", {"P.AJUSTE"}},
    {"Ajuste INSS", {"P.AJUSTEINSS"}},
    {"Ajuste FGTS", {"P.AJUSTEFGTS"}},
    {"Ajuste PIS", {"P.AJUSTEPIS"}},
    {"Mês", {"P.MES"}},
    {"Mês INSS", {"P.MESINSS"}},
    {"Mês FGTS", {"P.MESFGTS"}},
    {"Mês PIS", {"P.MESPIS"}},
    {"Pago", {"P.PAGO"}},
    {"Pago INSS", {"P.PAGOINSS"}},
    {"Pago FGTS", {"P.PAGOFGTS"}},
    {"Pago PIS", {"P.PAGOPIS"}},
    {"Diferença Pagamento", {"P.DIFERPGTO"}},
    {"Diferença com Pagamento INSS", {"P.DIFERPGTOINSS"}},
    {"Diferença com Pagamento FGTS", {"P.DIFERPGTOFGTS"}},
    {"Diferença com Pagamento PIS", {"P.DIFERPGTOPIS"}},
};

struct Familia {
    const char* funcao;
    int periodo;             // the run's one period: one whose month fills most of the columns
    const QString* escolha;  // the employee, other company and cost centre of the cell (-1: none)
    const QString* linhas;   // the rows of the cell's break
    const Colunas* colunas;
};

const Familia kFamilias[] = {
    {"fpaImpCalc", 3, &kEscolhaImposto, &kLinhasImposto, &kColunasImposto},
    {"fpaProvFer", 2, &kEscolhaFerias, &kLinhasFerias, &kColunasFerias},
    {"fpaProvFerRat", 2, &kEscolhaFeriasRateio, &kLinhasFeriasRateio, &kColunasFeriasRateio},
    {"fpaProv13Sal", 2, &kEscolha13, &kLinhas13, &kColunas13},
    {"fpaProv13SalRat", 2, &kEscolha13Rateio, &kLinhas13Rateio, &kColunas13Rateio},
};

QString codigo(const QVariant& valor) { return QString::number(valor.toLongLong()); }

// What the test reads for one column over the rows of the break.
struct Esperado {
    Tipo tipo = Tipo::Soma;
    double soma = 0.0;
    QStringList textos;  // distinct values ascending

    bool preenchido() const { return tipo == Tipo::Soma ? std::abs(soma) > kMeioCentavo : !textos.isEmpty(); }

    bool confere(const spreadsheet::Value& valor) const
    {
        switch (tipo) {
        case Tipo::Soma:
            return valor.isNumber() && std::abs(valor.number() - soma) < kMeioCentavo;
        case Tipo::Codigo:
            return (valor.isNumber() ? QString::number(valor.number(), 'g', 15) : valor.text())
                   == textos.join(QLatin1Char(';'));
        case Tipo::Texto:
            return valor.isText() && textos.contains(valor.text());
        }
        return false;
    }

    std::string descricao() const
    {
        return (tipo == Tipo::Soma ? QString::number(soma, 'f', 2) : textos.join(QLatin1Char(';'))).toStdString();
    }
};

class CatalogoMovimentoTest : public MovimentoTeste, public ::testing::WithParamInterface<Familia> {
protected:
    void SetUp() override
    {
        MovimentoTeste::SetUp();
        host::nConfig().definir(QStringLiteral("UsarProvisaoFeriasAntiga"), QStringLiteral("0"));
        host::nConfig().definir(QStringLiteral("ContabilizaProvisaoFeriasAntiga"), QStringLiteral("0"));
    }

    void TearDown() override
    {
        host::nConfig().redefinir();
        MovimentoTeste::TearDown();
    }

    Esperado esperado(const Coluna& coluna, const QString& linhas) const
    {
        Esperado lido;
        lido.tipo = coluna.tipo;
        const QString expressao = QString::fromUtf8(coluna.expressao);
        if (coluna.tipo == Tipo::Soma) {
            lido.soma = somaSql(QStringLiteral("SELECT SUM(%1)").arg(expressao) + linhas);
            return lido;
        }
        const QVariantList valores =
            colunaSql(QStringLiteral("SELECT DISTINCT %1").arg(expressao) + linhas + QStringLiteral(" ORDER BY 1"));
        for (const QVariant& valor : valores) {
            if (!valor.isNull())
                lido.textos << (coluna.tipo == Tipo::Codigo ? codigo(valor) : valor.toString());
        }
        return lido;
    }
};

TEST_P(CatalogoMovimentoTest, EveryMenuItemGivesTheColumnItsCaptionNames)
{
    const Familia& familia = GetParam();
    const catalog::Catalogo& catalogo = catalog::catalogo(QString::fromUtf8(familia.funcao));
    ASSERT_EQ(catalogo.itens.size(), familia.colunas->size());
    for (const catalog::ItemCatalogo& item : catalogo.itens)
        ASSERT_TRUE(familia.colunas->contains(item.legenda)) << item.legenda.toStdString();

    dm.FPeriodoCalculo = QString::number(familia.periodo);
    const auto noPeriodo = [&familia](const QString& sql) {
        return QString(sql).replace(QStringLiteral("{periodo}"), QString::number(familia.periodo));
    };
    const QVariantList chave = linhaSql(noPeriodo(*familia.escolha));
    ASSERT_EQ(chave.size(), 3) << "the demo data has no rows for " << familia.funcao;
    const QString linhas = noPeriodo(*familia.linhas)
                               .replace(QStringLiteral("{func}"), codigo(chave[0]))
                               .replace(QStringLiteral("{outemp}"), codigo(chave[1]))
                               .replace(QStringLiteral("{centro}"), codigo(chave[2]));
    // The arguments as the menu's parameter dialog writes them, in its order.
    const std::map<QString, QString> valores{
        {"nCodigoEstab", "1"},           {"nCodigoOutEmp", codigo(chave[1])}, {"nCodigoCentroCusto", codigo(chave[2])},
        {"nOrganograma", "\"\""},        {"nCodigoFunc", codigo(chave[0])},
    };
    QString argumentos;
    for (const catalog::ParametroCatalogo& parametro : catalogo.parametros)
        argumentos += QLatin1Char(';') + valores.at(QString::fromLatin1(parametro.nome));

    std::map<QString, Esperado> esperados;
    for (const auto& [legenda, coluna] : *familia.colunas)
        esperados[legenda] = esperado(coluna, linhas);

    int preenchidas = 0;
    for (const catalog::ItemCatalogo& item : catalogo.itens) {
        const Esperado& certo = esperados.at(item.legenda);
        preenchidas += certo.preenchido() ? 1 : 0;
        const QString formula = QStringLiteral("%1(%2%3)").arg(catalogo.funcao).arg(item.numero).arg(argumentos);
        const spreadsheet::Value valor = avaliar(formula);
        if (certo.confere(valor))
            continue;
        // Name the columns the cell gave instead, to tell a wrong column from a wrong sum.
        QStringList outras;
        for (const auto& [legenda, outro] : esperados) {
            if (outro.preenchido() && outro.confere(valor))
                outras << QString::fromUtf8(familia.colunas->at(legenda).expressao);
        }
        ADD_FAILURE() << formula.toStdString() << " \"" << item.legenda.toStdString() << "\" should give "
                      << familia.colunas->at(item.legenda).expressao << " = " << certo.descricao() << ", gave \""
                      << (valor.isNumber() ? QString::number(valor.number(), 'f', 2) : valor.text()).toStdString()
                      << "\"" << (outras.isEmpty() ? "" : ", the value of ") << outras.join(QStringLiteral(", ")).toStdString()
                      << " " << falha().toStdString();
    }
    // Empty columns would agree with anything.
    EXPECT_GT(preenchidas, static_cast<int>(catalogo.itens.size()) / 2);
}

INSTANTIATE_TEST_SUITE_P(Catalogos, CatalogoMovimentoTest, ::testing::ValuesIn(kFamilias),
                         [](const ::testing::TestParamInfo<Familia>& info) { return std::string(info.param.funcao); });

}  // namespace
