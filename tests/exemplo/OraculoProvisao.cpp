#include "BancoOraculo.h"
#include "ContextoOraculo.h"
#include "FuncaoOraculo.h"

#include "host/TnConfig.h"

#include <array>

namespace exemplo::testes {

namespace {

constexpr Tipo R = Tipo::Real;

// The columns of the day-based vacation table under the numbers of the
// function; the old table names them as the numbers' captions do.
constexpr ColunaOraculo kFeriasEmDias[] = {
    {1, "P.AVOS", R}, {2, "P.SALARIOBASE", R}, {3, "P.ADICIONAL", R}, {4, "P.MEDIAHORAEXTRA", R},
    {5, "P.MEDIAVALORVARIAVEL", R}, {6, "P.AJUSTEREMUNERACAO", R}, {7, "P.AJUSTETERCOFERIAS", R},
    {8, "P.AJUSTEINSS", R}, {9, "P.AJUSTEFGTS", R}, {10, "P.AJUSTEPIS", R}, {11, "P.PROVISAOMESREMUNERACAO", R},
    {12, "P.PROVISAOMESTERCOFERIAS", R}, {13, "P.PROVISAOMESINSS", R}, {14, "P.PROVISAOMESFGTS", R},
    {15, "P.PROVISAOMESPIS", R}, {16, "P.PAGOREMUNERACAO", R}, {17, "P.PAGOTERCOFERIAS", R}, {18, "P.PAGOINSS", R},
    {19, "P.PAGOFGTS", R}, {20, "P.PAGOPIS", R},
    {21, "COALESCE(P.DIFERENCAPAGAMENTOREMUNERACAO, 0) + COALESCE(P.DIFERENCAPAGAMENTOTERCOFERIAS, 0)", R},
    {22, "P.DIFERENCAPAGAMENTOINSS", R}, {23, "P.DIFERENCAPAGAMENTOFGTS", R}, {24, "P.DIFERENCAPAGAMENTOPIS", R},
    {25, "P.SALDOFINALREMUNERACAO", R}, {26, "P.SALDOFINALTERCOFERIAS", R}, {27, "P.SALDOFINALINSS", R},
    {28, "P.SALDOFINALFGTS", R}, {29, "P.SALDOFINALPIS", R},
};

constexpr ColunaOraculo kFeriasAntiga[] = {
    {1, "P.AVOS", R},         {2, "P.SALBASE", R},         {3, "P.ADICIONAL", R},       {4, "P.MEDIAHORAEXTRA", R},
    {5, "P.MEDIAVALORVAR", R}, {6, "P.AJUSTE", R},          {7, "P.AJUSTE1TERC", R},     {8, "P.AJUSTEINSS", R},
    {9, "P.AJUSTEFGTS", R},   {10, "P.AJUSTEPIS", R},      {11, "P.MES", R},            {12, "P.MES1TERC", R},
    {13, "P.MESINSS", R},     {14, "P.MESFGTS", R},        {15, "P.MESPIS", R},         {16, "P.FERIASPAGAS", R},
    {17, "P.FERIASPAGAS1TERC", R}, {18, "P.FERIASPAGASINSS", R}, {19, "P.FERIASPAGASFGTS", R},
    {20, "P.FERIASPAGASPIS", R}, {21, "P.DIFERPGTO", R},   {22, "P.DIFERPGTOINSS", R},  {23, "P.DIFERPGTOFGTS", R},
    {24, "P.DIFERPGTOPIS", R}, {25, "P.SALDO", R},         {26, "P.SALDO1TERC", R},     {27, "P.SALDOINSS", R},
    {28, "P.SALDOFGTS", R},   {29, "P.SALDOPIS", R},
};

constexpr ColunaOraculo kDecimo[] = {
    {1, "P.AVOS", R},          {2, "P.SALBASE", R},        {3, "P.ADICIONAL", R},     {4, "P.MEDIAHORAEXTRA", R},
    {5, "P.MEDIAVALORVAR", R}, {6, "P.AJUSTE", R},         {7, "P.AJUSTEINSS", R},    {8, "P.AJUSTEFGTS", R},
    {9, "P.AJUSTEPIS", R},     {10, "P.MES", R},           {11, "P.MESINSS", R},      {12, "P.MESFGTS", R},
    {13, "P.MESPIS", R},       {14, "P.PAGO", R},          {15, "P.PAGOINSS", R},     {16, "P.PAGOFGTS", R},
    {17, "P.PAGOPIS", R},      {18, "P.DIFERPGTO", R},     {19, "P.DIFERPGTOINSS", R}, {20, "P.DIFERPGTOFGTS", R},
    {21, "P.DIFERPGTOPIS", R}, {22, "P.SALDO", R},         {23, "P.SALDOINSS", R},    {24, "P.SALDOFGTS", R},
    {25, "P.SALDOPIS", R},     {26, "P.INDENIZ", R},       {27, "P.INDENIZFGTS", R},  {28, "P.INDENIZPIS", R},
    {29, "P.ADIANT", R},       {30, "P.ADIANTFGTS", R},
};

constexpr ColunaOraculo kFeriasRateioEmDias[] = {
    {3, "P.AJUSTEREMUNERACAO", R}, {4, "P.AJUSTETERCOFERIAS", R}, {5, "P.AJUSTEINSS", R}, {6, "P.AJUSTEFGTS", R},
    {7, "P.AJUSTEPIS", R}, {8, "P.PROVISAOMESREMUNERACAO", R}, {9, "P.PROVISAOMESTERCOFERIAS", R},
    {10, "P.PROVISAOMESINSS", R}, {11, "P.PROVISAOMESFGTS", R}, {12, "P.PROVISAOMESPIS", R},
    {13, "COALESCE(P.DIFERENCAPAGAMENTOREMUNERACAO, 0) + COALESCE(P.DIFERENCAPAGAMENTOTERCOFERIAS, 0)", R},
    {14, "P.DIFERENCAPAGAMENTOINSS", R}, {15, "P.DIFERENCAPAGAMENTOFGTS", R}, {16, "P.DIFERENCAPAGAMENTOPIS", R},
    {17, "P.PAGOREMUNERACAO", R}, {18, "P.PAGOTERCOFERIAS", R}, {19, "P.PAGOINSS", R}, {20, "P.PAGOFGTS", R},
    {21, "P.PAGOPIS", R},
};

constexpr ColunaOraculo kFeriasRateioAntiga[] = {
    {3, "P.AJUSTE", R},     {4, "P.AJUSTE1TERC", R},  {5, "P.AJUSTEINSS", R},  {6, "P.AJUSTEFGTS", R},
    {7, "P.AJUSTEPIS", R},  {8, "P.MES", R},          {9, "P.MES1TERC", R},    {10, "P.MESINSS", R},
    {11, "P.MESFGTS", R},   {12, "P.MESPIS", R},      {13, "P.DIFERPGTO", R},  {14, "P.DIFERPGTOINSS", R},
    {15, "P.DIFERPGTOFGTS", R}, {16, "P.DIFERPGTOPIS", R}, {17, "P.PAGO", R}, {18, "P.PAGO1TERC", R},
    {19, "P.PAGOINSS", R},  {20, "P.PAGOFGTS", R},    {21, "P.PAGOPIS", R},
};

constexpr ColunaOraculo kDecimoRateio[] = {
    {3, "P.AJUSTE", R},  {4, "P.AJUSTEINSS", R},  {5, "P.AJUSTEFGTS", R},  {6, "P.AJUSTEPIS", R},
    {7, "P.MES", R},     {8, "P.MESINSS", R},     {9, "P.MESFGTS", R},     {10, "P.MESPIS", R},
    {11, "P.PAGO", R},   {12, "P.PAGOINSS", R},   {13, "P.PAGOFGTS", R},   {14, "P.PAGOPIS", R},
    {15, "P.DIFERPGTO", R}, {16, "P.DIFERPGTOINSS", R}, {17, "P.DIFERPGTOFGTS", R}, {18, "P.DIFERPGTOPIS", R},
};

// Where a provision table's rows are and how they meet the employee's
// location: the day-based tables keep their own establishment.
struct TabelaProvisao {
    std::span<const ColunaOraculo> colunas;
    const char* tabela;
    const char* estab;
    const char* outraEmpresa;  // null for the plain provisions
    bool localDoEstab;         // the location must be in the row's establishment
    bool ultimoNoEstab;        // the latest transfer is sought within it
};

const TabelaProvisao kFerias{kFeriasEmDias, "PROVISAOFERIASEMDIAS", "P.CODIGOESTAB", nullptr, true, false};
const TabelaProvisao kFeriasVelha{kFeriasAntiga, "PROVISAOFERIAS", "FL.CODIGOESTAB", nullptr, false, false};
const TabelaProvisao kTreze{kDecimo, "PROVISAO13", "FL.CODIGOESTAB", nullptr, false, false};
const TabelaProvisao kFeriasRat{kFeriasRateioEmDias, "PROVISAOFERIASEMDIASRATEIO", "P.CODIGOESTAB",
                                "P.CODIGOOUTEMPEMP", true, true};
const TabelaProvisao kFeriasRatVelha{kFeriasRateioAntiga, "PROVISAOFERRAT", "FL.CODIGOESTAB", "P.CODIGOOUTEMP",
                                     false, false};
const TabelaProvisao kTrezeRat{kDecimoRateio, "PROVISAO13RAT", "FL.CODIGOESTAB", "P.CODIGOOUTEMP", false, false};

bool tabelasAntigas()
{
    const host::TnConfig& config = host::nConfig();
    return config.GetUsarProvisaoFeriasAntiga() && config.GetContabilizaProvisaoFeriasAntiga();
}

QString origem(const TabelaProvisao& t)
{
    return QStringLiteral("FROM %1 P JOIN FUNCLOCAL FL ON FL.CODIGOEMPRESA = P.CODIGOEMPRESA"
                          " AND FL.CODIGOFUNCCONTR = P.CODIGOFUNCCONTR%2"
                          " AND FL.DATATRANSF = (SELECT MAX(X.DATATRANSF) FROM FUNCLOCAL X"
                          " WHERE X.CODIGOEMPRESA = FL.CODIGOEMPRESA AND X.CODIGOFUNCCONTR = FL.CODIGOFUNCCONTR%3"
                          " AND X.DATATRANSF <= %4)")
        .arg(QLatin1String(t.tabela),
             t.localDoEstab ? QStringLiteral(" AND FL.CODIGOESTAB = P.CODIGOESTAB") : QString(),
             t.ultimoNoEstab ? QStringLiteral(" AND X.CODIGOESTAB = FL.CODIGOESTAB") : QString(),
             BancoOraculo::fimDoMes(QStringLiteral("P.COMPET")));
}

// The months of the company's periods; a single period narrows the rows
// to its own month.
QString competencias(const ContextoCelula& c)
{
    const QString periodos = BancoOraculo::condicaoLista(QStringLiteral("CODIGOPERCALCULO"), c.parametros.periodos);
    return QStringLiteral(" AND P.COMPET BETWEEN (SELECT MIN(COMPET) FROM PERIODOCALCULO WHERE CODIGOEMPRESA = %1%2)"
                          " AND (SELECT %3 FROM PERIODOCALCULO WHERE CODIGOEMPRESA = %1%2)")
        .arg(QString::number(c.empresa), periodos, BancoOraculo::fimDoMes(QStringLiteral("MAX(COMPET)")));
}

QVariant provisao(const TabelaProvisao& t, const char* nome, const ArgumentosOraculo& a, const ContextoCelula& c)
{
    const bool rateio = t.outraEmpresa != nullptr;
    const int numero = a.numero(0);
    const int ultima = t.colunas.back().numero;
    if (a.quantidade() == 0 || numero + 4 < 1 || numero > ultima)
        return QStringLiteral("Campo não existe.");
    const ColunaOraculo* coluna = acharColuna(t.colunas, numero);
    if (!coluna)
        throw NaoCoberto(std::string(nome) + " coluna " + std::to_string(numero));
    const auto& p = c.parametros;
    const int organ = rateio ? 4 : 2;
    const int func = rateio ? 5 : 3;
    std::vector<CampoQuebra> campos{
        {"CODIGOESTAB", QString::fromLatin1(t.estab), a.numero(1), a.numero(1) != -1},
        {"CLASSIFORGAN", QStringLiteral("FL.CLASSIFORGAN"), a.organograma(organ), !a.organograma(organ).isEmpty()},
        {"CODIGOFUNCCONTR", QStringLiteral("P.CODIGOFUNCCONTR"), a.numero(func), a.numero(func) != -1}};
    if (rateio) {
        campos.push_back({"CODIGOOUTEMP", QString::fromLatin1(t.outraEmpresa), a.numero(2), a.numero(2) != -1});
        campos.push_back(
            {"CODIGOCENTROCUSTO", QStringLiteral("P.CODIGOCENTROCUSTO"), a.real(3), a.real(3) != -1.0});
    }
    QString sql = QStringLiteral("SELECT SUM(COALESCE(%1, 0)) ").arg(QString::fromUtf8(coluna->expressao)) + origem(t)
                  + QStringLiteral(" WHERE P.CODIGOEMPRESA = %1").arg(c.empresa) + competencias(c)
                  + BancoOraculo::condicaoLista(QStringLiteral("P.CODIGOEMPRESA"), p.empresas)
                  + BancoOraculo::condicaoLista(QStringLiteral("FL.CODIGOESTAB"), p.filiais)
                  + BancoOraculo::condicaoLista(QStringLiteral("P.CODIGOFUNCCONTR"), p.funcionarios)
                  + BancoOraculo::condicaoLista(BancoOraculo::localContabil(QStringLiteral("P.CODIGOEMPRESA"),
                                                                            QStringLiteral("P.CODIGOFUNCCONTR"),
                                                                            QStringLiteral("P.COMPET")),
                                                p.localContabil)
                  + c.quebra(campos);
    if (rateio)
        sql += BancoOraculo::condicaoLista(QStringLiteral("P.CODIGOCENTROCUSTO"), p.centroCustos);
    return c.banco.valor(sql).toDouble();
}

constexpr std::array<FuncaoOraculo, 4> kFuncoes{{
    {"fpaProvFer",
     [](const ArgumentosOraculo& a, const ContextoCelula& c) {
         return provisao(tabelasAntigas() ? kFeriasVelha : kFerias, "fpaProvFer", a, c);
     }},
    {"fpaProv13Sal",
     [](const ArgumentosOraculo& a, const ContextoCelula& c) { return provisao(kTreze, "fpaProv13Sal", a, c); }},
    {"fpaProvFerRat",
     [](const ArgumentosOraculo& a, const ContextoCelula& c) {
         return provisao(tabelasAntigas() ? kFeriasRatVelha : kFeriasRat, "fpaProvFerRat", a, c);
     }},
    {"fpaProv13SalRat",
     [](const ArgumentosOraculo& a, const ContextoCelula& c) {
         return provisao(kTrezeRat, "fpaProv13SalRat", a, c);
     }},
}};

}  // namespace

std::span<const FuncaoOraculo> funcoesProvisao()
{
    return kFuncoes;
}

}  // namespace exemplo::testes
