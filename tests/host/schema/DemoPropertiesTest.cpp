// The demo database has the situations the payroll functions must handle,
// checked with plain SQL on each database.
#include "DemoDatabases.h"
#include "PostgresTestServer.h"
#include "SqlTestSupport.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>

namespace {

using host::SqlDialect;

// A query counting rows, and how many it must find.
struct Expectation {
    const char* what;
    const char* sql;
    qint64 least;
    qint64 most;
};

constexpr qint64 kAny = std::numeric_limits<qint64>::max();

class DemoProperties : public host::testing::DialectCase {
protected:
    QSqlDatabase db() const { return schema_test::demo(GetParam()); }
    qint64 count(const QString& sql) const { return schema_test::count(db(), sql); }
    std::set<qint64> integers(const char* sql) const { return schema_test::integers(db(), QLatin1String(sql)); }
    std::set<QString> texts(const char* sql) const { return schema_test::texts(db(), QLatin1String(sql)); }

    void expect(std::initializer_list<Expectation> expectations) const
    {
        for (const Expectation& e : expectations) {
            const qint64 found = count(QLatin1String(e.sql));
            EXPECT_GE(found, e.least) << e.what;
            EXPECT_LE(found, e.most) << e.what;
        }
    }
};

template <typename T>
void expectSubset(const std::set<T>& required, const std::set<T>& found)
{
    for (const T& item : required) {
        EXPECT_TRUE(found.count(item)) << ::testing::PrintToString(item);
    }
}

TEST_P(DemoProperties, EventsCoverEveryProcedureTheTextRoutinesTellApart)
{
    expectSubset<qint64>({1, 2, 3, 6, 7, 8, 9, 10, 11, 19, 20, 23, 24, 25, 26, 29, 40, 56, 65, 73, 74},
                         integers("SELECT DISTINCT CODIGOPROCED FROM EVENTO"));
    expectSubset<qint64>({1, 3, 4, 7}, integers("SELECT DISTINCT CAST(REFEREVENTO AS INTEGER) FROM EVENTO"));
    expect({
        {"codes 1 to 300", "SELECT COUNT(*) FROM EVENTO WHERE CODIGOEVENTO BETWEEN 1 AND 300", 300, 300},
        {"ordinary salary event 100 in hours",
         "SELECT COUNT(*) FROM EVENTO WHERE CODIGOEVENTO = 100 AND CODIGOPROCED = 1 "
         "AND REFEREVENTO = 1",
         1, 1},
        {"auxiliary events", "SELECT COUNT(*) FROM EVENTO WHERE CODIGOEVENTO IN (35, 37, 49)", 3, 3},
        {"annuity on length of service",
         "SELECT COUNT(*) FROM EVENTO WHERE CODIGOPROCED = 9 AND CODIGOESTRUT LIKE '%06'", 1, kAny},
        {"annuity by code", "SELECT COUNT(*) FROM EVENTO WHERE CODIGOPROCED = 9 AND CODIGOESTRUT NOT LIKE '%06'", 1,
         kAny},
        {"base of 6 to 10 in 05.18",
         "SELECT COUNT(*) FROM EVENTO WHERE CODIGOPROCED BETWEEN 6 AND 10 "
         "AND CODIGOESTRUT LIKE '05.18%'",
         1, kAny},
        {"23 and 24 in hours",
         "SELECT COUNT(*) FROM EVENTO WHERE CODIGOPROCED IN (23, 24) AND CODIGOESTRUT LIKE '01.04%'", 1, kAny},
    });
}

TEST_P(DemoProperties, EventsCoverEveryStructureClassTheTextRoutinesTellApart)
{
    const std::set<QString> estruturas = texts("SELECT CODIGOESTRUT FROM EVENTO");
    expectSubset<QString>({"04.01.07.01", "04.02.07.01", "04.06.01.01", "04.06.01.02", "05.12.07.01", "05.13.07.01",
                           "05.16.01.01", "05.16.01.02", "05.18.01.01", "05.18.07.01", "05.07.02.01", "05.13.01.01",
                           "05.20.01.01", "05.20.02.01", "04.05.07.01", "04.07.07.01", "04.07.11.07", "05.07.11.07",
                           "05.15.07.01", "05.21.07.01", "05.07.01.01", "05.07.03.01", "01.01.08.04", "01.01.09.04",
                           "97.01.01",    "97.01.02",    "97.01.03",    "97.01.04",    "97.01.06",    "97.01.07",
                           "97.01.08",    "97.01.09",    "06.04.02.02", "06.04.02.03", "06.04.02.04", "06.04.02.05"},
                          estruturas);
    for (const char* prefixo :
         {"04.01.01", "04.02.01", "04.08.01", "05.12.01", "05.13.01", "05.22.01", "05.18", "97.06", "97.05.03",
          "97.05.04", "05.12", "05.13", "05.14", "05.15", "05.16", "05.21"}) {
        const bool found = std::any_of(estruturas.begin(), estruturas.end(),
                                       [prefixo](const QString& e) { return e.startsWith(QLatin1String(prefixo)); });
        EXPECT_TRUE(found) << prefixo;
    }
}

TEST_P(DemoProperties, DismissalsFallOnAnyDayAndEndThePayroll)
{
    expect({
        {"dismissals in the span",
         "SELECT COUNT(*) FROM FUNCCONTRATO WHERE DATADEM BETWEEN '2023-11-01' AND '2024-12-31'", 2, kAny},
        {"dismissal on a month's last day",
         "SELECT COUNT(*) FROM FUNCCONTRATO F JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = F.CODIGOEMPRESA "
         "AND P.TIPOPERCALCULO = 1 AND P.DATAFINALFOLHA = F.DATADEM",
         1, kAny},
        {"dismissal within a month",
         "SELECT COUNT(*) FROM FUNCCONTRATO F JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = F.CODIGOEMPRESA "
         "AND P.TIPOPERCALCULO = 1 AND F.DATADEM > P.DATAINICIALFOLHA AND F.DATADEM < P.DATAFINALFOLHA",
         1, kAny},
        {"payroll after the dismissal",
         "SELECT COUNT(*) FROM FUNCPERCALCULO FPC JOIN FUNCCONTRATO F ON F.CODIGOEMPRESA = FPC.CODIGOEMPRESA "
         "AND F.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = FPC.CODIGOEMPRESA "
         "AND P.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO WHERE P.DATAINICIALFOLHA > F.DATADEM",
         0, 0},
        {"dismissal month without payroll",
         "SELECT COUNT(*) FROM FUNCCONTRATO F JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = F.CODIGOEMPRESA "
         "AND P.TIPOPERCALCULO = 1 AND F.DATADEM BETWEEN P.DATAINICIALFOLHA AND P.DATAFINALFOLHA WHERE NOT EXISTS "
         "(SELECT 1 FROM FUNCPERCALCULO FPC WHERE FPC.CODIGOEMPRESA = F.CODIGOEMPRESA "
         "AND FPC.CODIGOFUNCCONTR = F.CODIGOFUNCCONTR AND FPC.CODIGOPERCALCULO = P.CODIGOPERCALCULO)",
         0, 0},
        {"payroll before the admission",
         "SELECT COUNT(*) FROM FUNCPERCALCULO FPC JOIN FUNCCONTRATO F ON F.CODIGOEMPRESA = FPC.CODIGOEMPRESA "
         "AND F.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = FPC.CODIGOEMPRESA "
         "AND P.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO WHERE P.DATAFINALFOLHA < F.DATAADM",
         0, 0},
    });
}

TEST_P(DemoProperties, VacationsRunIntoTheNextPeriod)
{
    expect({
        {"vacation across a period end",
         "SELECT COUNT(*) FROM RECIBOFERIAS R JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = R.CODIGOEMPRESA "
         "AND P.TIPOPERCALCULO = 1 WHERE R.DATAINICIALFERIAS <= P.DATAFINALFOLHA AND R.DATAFINALFERIAS > "
         "P.DATAFINALFOLHA",
         2, kAny},
        {"employee 100's vacation",
         "SELECT COUNT(*) FROM RECIBOFERIAS WHERE CODIGOEMPRESA = 1 AND CODIGOFUNCCONTR = 100 "
         "AND DATAINICIALFERIAS = '2024-01-20' AND DATAFINALFERIAS = '2024-02-18'",
         1, 1},
        {"vacation after a dismissal",
         "SELECT COUNT(*) FROM RECIBOFERIAS R JOIN FUNCCONTRATO F ON F.CODIGOEMPRESA = R.CODIGOEMPRESA "
         "AND F.CODIGOFUNCCONTR = R.CODIGOFUNCCONTR WHERE R.DATAFINALFERIAS > F.DATADEM",
         0, 0},
    });
}

TEST_P(DemoProperties, TransfersTakeEffectInThePeriodTheyFallIn)
{
    expect({
        {"transfer within a month",
         "SELECT COUNT(*) FROM FUNCLOCAL FL JOIN FUNCCONTRATO F ON F.CODIGOEMPRESA = FL.CODIGOEMPRESA "
         "AND F.CODIGOFUNCCONTR = FL.CODIGOFUNCCONTR JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = FL.CODIGOEMPRESA "
         "AND P.TIPOPERCALCULO = 1 WHERE FL.DATATRANSF > F.DATAADM AND FL.DATATRANSF > P.DATAINICIALFOLHA "
         "AND FL.DATATRANSF < P.DATAFINALFOLHA",
         2, kAny},
        {"transfer on a month's last day",
         "SELECT COUNT(*) FROM FUNCLOCAL FL JOIN FUNCCONTRATO F ON F.CODIGOEMPRESA = FL.CODIGOEMPRESA "
         "AND F.CODIGOFUNCCONTR = FL.CODIGOFUNCCONTR JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = FL.CODIGOEMPRESA "
         "AND P.TIPOPERCALCULO = 1 WHERE FL.DATATRANSF > F.DATAADM AND FL.DATATRANSF = P.DATAFINALFOLHA",
         1, kAny},
        {"employee 100 in February 2024 at the transfer of its last day",
         "SELECT COUNT(*) FROM FUNCPERCALCULO FPC JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = FPC.CODIGOEMPRESA "
         "AND P.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO WHERE FPC.CODIGOEMPRESA = 1 AND FPC.CODIGOFUNCCONTR = 100 "
         "AND P.COMPET = '2024-02-01' AND P.TIPOPERCALCULO = 1 AND FPC.DATALOCAL = '2024-02-29'",
         1, 1},
        {"location date not the last transfer up to the period end",
         "SELECT COUNT(*) FROM FUNCPERCALCULO FPC JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = FPC.CODIGOEMPRESA "
         "AND P.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO WHERE FPC.DATALOCAL <> (SELECT MAX(FL.DATATRANSF) "
         "FROM FUNCLOCAL FL WHERE FL.CODIGOEMPRESA = FPC.CODIGOEMPRESA AND FL.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR "
         "AND FL.DATATRANSF <= P.DATAFINALFOLHA)",
         0, 0},
    });
}

TEST_P(DemoProperties, SomeCompaniesApportionToOtherCompaniesAndCostCentres)
{
    const host::DemoDataOptions& options = host::testing::DemoDatabases::options();
    const auto apportioning = static_cast<std::size_t>(std::lround(options.empresas * options.parcelaRateio));
    const std::set<qint64> companies = integers("SELECT DISTINCT CODIGOEMPRESA FROM CALCULORATEIO");
    EXPECT_EQ(companies.size(), apportioning);
    EXPECT_LT(companies.size(), static_cast<std::size_t>(options.empresas));
    for (const char* table :
         {"IMPOSTOCALCULO WHERE CODIGOOUTEMP <> 0", "PROVISAOFERRAT", "PROVISAOFERIASEMDIASRATEIO", "PROVISAO13RAT"}) {
        EXPECT_EQ(schema_test::integers(
                      db(), QStringLiteral("SELECT DISTINCT CODIGOEMPRESA FROM %1").arg(QLatin1String(table))),
                  companies)
            << table;
    }
    expect({
        {"other companies", "SELECT COUNT(DISTINCT CODIGOOUTEMP) FROM CALCULORATEIO", 2, kAny},
        {"cost centres", "SELECT COUNT(DISTINCT CODIGOCENTROCUSTO) FROM CALCULORATEIO", 2, kAny},
        {"employee in two cost centres",
         "SELECT COUNT(*) FROM (SELECT CODIGOEMPRESA, CODIGOFUNCCONTR FROM CALCULORATEIO GROUP BY CODIGOEMPRESA, "
         "CODIGOFUNCCONTR HAVING COUNT(DISTINCT CODIGOCENTROCUSTO) >= 2) X",
         1, kAny},
        {"apportioned to an unlinked company",
         "SELECT COUNT(*) FROM CALCULORATEIO CR WHERE NOT EXISTS (SELECT 1 FROM OUTRAEMPEMP O "
         "WHERE O.CODIGOEMPRESA = CR.CODIGOEMPRESA AND O.CODIGOOUTEMP = CR.CODIGOOUTEMP)",
         0, 0},
        {"shares not adding up to the event",
         "SELECT COUNT(*) FROM CALCULOEVENTO CE JOIN (SELECT CODIGOEMPRESA, CODIGOFUNCCONTR, CODIGOPERCALCULO, "
         "CODIGOEVENTO, SUM(VALOREVENTO) VALOR FROM CALCULORATEIO GROUP BY CODIGOEMPRESA, CODIGOFUNCCONTR, "
         "CODIGOPERCALCULO, CODIGOEVENTO) R ON R.CODIGOEMPRESA = CE.CODIGOEMPRESA AND R.CODIGOFUNCCONTR = "
         "CE.CODIGOFUNCCONTR AND R.CODIGOPERCALCULO = CE.CODIGOPERCALCULO AND R.CODIGOEVENTO = CE.CODIGOEVENTO "
         "WHERE ABS(R.VALOR - CE.VALOREVENTO) > 0.001",
         0, 0},
    });
}

TEST_P(DemoProperties, ProvisionsExistInTheOldAndTheDayBasedTables)
{
    const qint64 meses = host::testing::DemoDatabases::options().periodos;
    for (const char* table : {"PROVISAOFERIAS", "PROVISAOFERRAT", "PROVISAOFERIASEMDIAS", "PROVISAOFERIASEMDIASRATEIO",
                              "PROVISAO13", "PROVISAO13RAT"}) {
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(DISTINCT COMPET) FROM %1").arg(QLatin1String(table))), meses)
            << table;
    }
    expect({
        {"old and day-based rows differ",
         "SELECT COUNT(*) FROM PROVISAOFERIAS P WHERE NOT EXISTS (SELECT 1 FROM PROVISAOFERIASEMDIAS D "
         "WHERE D.CODIGOEMPRESA = P.CODIGOEMPRESA AND D.CODIGOFUNCCONTR = P.CODIGOFUNCCONTR AND D.COMPET = P.COMPET)",
         0, 0},
        {"day-based adjustment left null", "SELECT COUNT(*) FROM PROVISAOFERIASEMDIAS WHERE AJUSTEREMUNERACAO IS NULL",
         1, kAny},
        {"day-based adjustment booked", "SELECT COUNT(*) FROM PROVISAOFERIASEMDIAS WHERE AJUSTEREMUNERACAO IS NOT NULL",
         1, kAny},
        {"day-based payment", "SELECT COUNT(*) FROM PROVISAOFERIASEMDIAS WHERE PAGOREMUNERACAO > 0", 1, kAny},
        {"13th salary advanced", "SELECT COUNT(*) FROM PROVISAO13 WHERE ADIANT > 0", 1, kAny},
        {"day-based establishment not the one at the month's end",
         "SELECT COUNT(*) FROM PROVISAOFERIASEMDIAS P JOIN PERIODOCALCULO PC ON PC.CODIGOEMPRESA = P.CODIGOEMPRESA "
         "AND PC.COMPET = P.COMPET AND PC.TIPOPERCALCULO = 1 WHERE P.CODIGOESTAB <> (SELECT FL.CODIGOESTAB "
         "FROM FUNCLOCAL FL WHERE FL.CODIGOEMPRESA = P.CODIGOEMPRESA AND FL.CODIGOFUNCCONTR = P.CODIGOFUNCCONTR "
         "AND FL.DATATRANSF = (SELECT MAX(F2.DATATRANSF) FROM FUNCLOCAL F2 WHERE F2.CODIGOEMPRESA = P.CODIGOEMPRESA "
         "AND F2.CODIGOFUNCCONTR = P.CODIGOFUNCCONTR AND F2.DATATRANSF <= PC.DATAFINALFOLHA))",
         0, 0},
    });
}

TEST_P(DemoProperties, UnionsHaveEveryContributionKindAndEmployeesAHistory)
{
    EXPECT_EQ(integers("SELECT DISTINCT CONTRIBSIND FROM SINDCONTRIB"), (std::set<qint64>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(integers("SELECT DISTINCT TIPOCONTRIB FROM SINDCONTRIB"), (std::set<qint64>{1, 2, 3}));
    EXPECT_EQ(integers("SELECT DISTINCT TIPOQUEBRACAIXA FROM SINDCONVENCAO"), (std::set<qint64>{1, 2, 3}));
    expect({
        {"contribution changed over time",
         "SELECT COUNT(*) FROM (SELECT CODIGOSIND, CONTRIBSIND FROM SINDCONTRIB GROUP BY CODIGOSIND, CONTRIBSIND "
         "HAVING COUNT(*) >= 2) X",
         1, kAny},
        {"employee without union",
         "SELECT COUNT(*) FROM FUNCCONTRATO F WHERE NOT EXISTS (SELECT 1 FROM FUNCSINDICATO S "
         "WHERE S.CODIGOEMPRESA = F.CODIGOEMPRESA AND S.CODIGOFUNCCONTR = F.CODIGOFUNCCONTR)",
         0, 0},
        {"union without convention",
         "SELECT COUNT(*) FROM SINDICATO S WHERE NOT EXISTS (SELECT 1 FROM SINDCONVENCAO C "
         "WHERE C.CODIGOSIND = S.CODIGOSIND)",
         0, 0},
    });
}

TEST_P(DemoProperties, OrganogramClassesAreTwoLevelCodesOfEveryEstablishment)
{
    const QRegularExpression classe(QStringLiteral("^\\d\\d\\.\\d\\d$"));
    const std::set<QString> classes = texts("SELECT DISTINCT CLASSIFORGAN FROM FUNCLOCAL");
    EXPECT_GE(classes.size(), 2u);
    for (const QString& c : classes) {
        EXPECT_TRUE(classe.match(c).hasMatch()) << c.toStdString();
    }
    expect({
        {"employee class missing from the organogram",
         "SELECT COUNT(*) FROM FUNCLOCAL FL WHERE NOT EXISTS (SELECT 1 FROM ORGANOGRAMA O WHERE O.CODIGOEMPRESA = "
         "FL.CODIGOEMPRESA AND O.CODIGOESTAB = FL.CODIGOESTAB AND O.CLASSIFORGAN = FL.CLASSIFORGAN)",
         0, 0},
        {"establishment without organogram",
         "SELECT COUNT(*) FROM ESTAB E WHERE NOT EXISTS (SELECT 1 FROM ORGANOGRAMA O "
         "WHERE O.CODIGOEMPRESA = E.CODIGOEMPRESA AND O.CODIGOESTAB = E.CODIGOESTAB)",
         0, 0},
    });
}

TEST_P(DemoProperties, HistoriesChangeOverTime)
{
    EXPECT_EQ(integers("SELECT DISTINCT REGIMEJOR FROM FUNCESCALA"), (std::set<qint64>{1, 2, 3}));
    expect({
        {"GPS table with several versions",
         "SELECT COUNT(*) FROM (SELECT CODIGOEMPRESA, CODIGOTABGPS FROM GPS "
         "GROUP BY CODIGOEMPRESA, CODIGOTABGPS HAVING COUNT(*) >= 2) X",
         1, kAny},
        {"establishment table without GPS",
         "SELECT COUNT(*) FROM CFGESTABFPA C WHERE NOT EXISTS (SELECT 1 FROM GPS G "
         "WHERE G.CODIGOEMPRESA = C.CODIGOEMPRESA AND G.CODIGOTABGPS = C.CODIGOTABGPS)",
         0, 0},
        {"several accounting locations",
         "SELECT COUNT(*) FROM (SELECT CODIGOEMPRESA, CODIGOFUNCCONTR FROM FUNCLOCALCTB "
         "GROUP BY CODIGOEMPRESA, CODIGOFUNCCONTR HAVING COUNT(*) >= 2) X",
         1, kAny},
        {"several work cards",
         "SELECT COUNT(*) FROM (SELECT CODIGOEMPRESA, CODIGOFUNCCONTR FROM FUNCCTPS "
         "GROUP BY CODIGOEMPRESA, CODIGOFUNCCONTR HAVING COUNT(*) >= 2) X",
         1, kAny},
        {"two salaries on one day", "SELECT COUNT(*) FROM FUNCSALARIO WHERE SEQ = 2", 1, kAny},
        {"employee 100's salary correction",
         "SELECT COUNT(*) FROM FUNCSALARIO WHERE CODIGOEMPRESA = 1 "
         "AND CODIGOFUNCCONTR = 100 AND DATAINICIAL = '2024-05-01'",
         2, 2},
        {"employee 100's last schedule in regime 2",
         "SELECT COUNT(*) FROM FUNCESCALA E WHERE E.CODIGOEMPRESA = 1 AND E.CODIGOFUNCCONTR = 100 AND E.REGIMEJOR = 2 "
         "AND E.DATAINICIAL = (SELECT MAX(DATAINICIAL) FROM FUNCESCALA X WHERE X.CODIGOEMPRESA = 1 AND "
         "X.CODIGOFUNCCONTR = 100)",
         1, 1},
        {"history starting after the admission",
         "SELECT COUNT(*) FROM FUNCCONTRATO F WHERE NOT EXISTS (SELECT 1 FROM FUNCCARGO C WHERE C.CODIGOEMPRESA = "
         "F.CODIGOEMPRESA AND C.CODIGOFUNCCONTR = F.CODIGOFUNCCONTR AND C.DATAINICIAL = F.DATAADM)",
         0, 0},
    });
}

TEST_P(DemoProperties, Employee100OfCompany1HasEveryHistory)
{
    for (const char* table : {"FUNCLOCAL", "FUNCLOCALCTB", "FUNCCTPS", "FUNCCARGO", "FUNCESCALA", "FUNCSALARIO",
                              "FUNCSINDICATO", "FUNCHISTANUIDADE"}) {
        EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE CODIGOEMPRESA = 1 AND CODIGOFUNCCONTR = 100")
                            .arg(QLatin1String(table))),
                  2)
            << table;
    }
    expect({
        {"every period", "SELECT COUNT(*) FROM FUNCPERCALCULO WHERE CODIGOEMPRESA = 1 AND CODIGOFUNCCONTR = 100",
         14 + 4, 14 + 4},
        {"salary, overtime and night work every month",
         "SELECT COUNT(*) FROM CALCULOEVENTO CE JOIN PERIODOCALCULO P ON P.CODIGOEMPRESA = CE.CODIGOEMPRESA "
         "AND P.CODIGOPERCALCULO = CE.CODIGOPERCALCULO WHERE CE.CODIGOEMPRESA = 1 AND CE.CODIGOFUNCCONTR = 100 "
         "AND P.TIPOPERCALCULO = 1 AND CE.CODIGOEVENTO IN (35, 37, 49, 100)",
         14 * 4, 14 * 4},
    });
}

TEST_P(DemoProperties, TaxRowsAndSettingsCoverEachCase)
{
    EXPECT_EQ(texts("SELECT DISTINCT COMPROCESSO FROM IMPOSTOCALCULO"), (std::set<QString>{"0", "1"}));
    EXPECT_EQ(texts("SELECT DISTINCT PROPORCCALCULO13DIA FROM TIPOCONTRATO"), (std::set<QString>{"0", "1"}));
    EXPECT_EQ(texts("SELECT DISTINCT PROPORCCALCULOFERIASDIA FROM TIPOCONTRATO"), (std::set<QString>{"0", "1"}));
    const std::set<qint64> anuidades = integers("SELECT DISTINCT TIPOANUIDADE FROM ANUIDADE");
    EXPECT_TRUE(anuidades.count(1) && anuidades.size() >= 2);
    expect({
        {"tax row with its own class",
         "SELECT COUNT(*) FROM IMPOSTOCALCULO WHERE CLASSIFORGAN IS NOT NULL AND COMPROCESSO = '1'", 1, kAny},
        {"tax row taking the location's class",
         "SELECT COUNT(*) FROM IMPOSTOCALCULO WHERE CLASSIFORGAN IS NULL AND COMPROCESSO = '1'", 1, kAny},
        {"contract types in use", "SELECT COUNT(DISTINCT CODIGOTIPOCONTR) FROM FUNCCONTRATO", 3, kAny},
        {"annuity history", "SELECT COUNT(*) FROM FUNCHISTANUIDADE", 1, kAny},
        {"company without payroll settings",
         "SELECT COUNT(*) FROM EMPRESA E WHERE NOT EXISTS (SELECT 1 FROM CFGEMPRESAFPA C "
         "WHERE C.CODIGOEMPRESA = E.CODIGOEMPRESA)",
         0, 0},
        {"one system option", "SELECT COUNT(*) FROM OPCAOSISTEMA", 1, 1},
    });
}

TEST_P(DemoProperties, DatesIncludeMonthEndsAndTheLeapDay)
{
    expect({
        {"February 2024 ends on the 29th",
         "SELECT COUNT(*) FROM PERIODOCALCULO WHERE COMPET = '2024-02-01' "
         "AND TIPOPERCALCULO = 1 AND DATAFINALFOLHA = '2024-02-29'",
         1, kAny},
        {"admission on the leap day", "SELECT COUNT(*) FROM FUNCCONTRATO WHERE DATAADM = '2024-02-29'", 1, kAny},
        {"13th-salary periods",
         "SELECT COUNT(*) FROM PERIODOCALCULO WHERE CODIGOEMPRESA = 1 AND TIPOPERCALCULO IN (2, 3)", 4, 4},
        {"gap between monthly periods",
         "SELECT COUNT(*) FROM PERIODOCALCULO A JOIN PERIODOCALCULO B ON B.CODIGOEMPRESA = A.CODIGOEMPRESA "
         "AND B.CODIGOPERCALCULO = A.CODIGOPERCALCULO + 1 AND B.TIPOPERCALCULO = 1 WHERE A.TIPOPERCALCULO = 1 "
         "AND B.DATAINICIALFOLHA <= A.DATAFINALFOLHA",
         0, 0},
    });
}

// Every code a row refers to exists where the payroll queries join it.
TEST_P(DemoProperties, ReferencesPointToExistingRows)
{
    expect({
        {"unknown event",
         "SELECT COUNT(*) FROM CALCULOEVENTO C WHERE NOT EXISTS (SELECT 1 FROM EVENTO E "
         "WHERE E.CODIGOEVENTO = C.CODIGOEVENTO)",
         0, 0},
        {"unknown person",
         "SELECT COUNT(*) FROM FUNCCONTRATO F WHERE NOT EXISTS (SELECT 1 FROM FUNCPESSOA P "
         "WHERE P.CODIGOFUNCPESSOA = F.CODIGOFUNCPESSOA)",
         0, 0},
        {"unknown contract type",
         "SELECT COUNT(*) FROM FUNCCONTRATO F WHERE NOT EXISTS (SELECT 1 FROM TIPOCONTRATO T "
         "WHERE T.CODIGOTIPOCONTR = F.CODIGOTIPOCONTR)",
         0, 0},
        {"unknown position",
         "SELECT COUNT(*) FROM FUNCCARGO F WHERE NOT EXISTS (SELECT 1 FROM CARGO C "
         "WHERE C.CODIGOCARGO = F.CODIGOCARGO)",
         0, 0},
        {"unknown schedule",
         "SELECT COUNT(*) FROM FUNCESCALA F WHERE NOT EXISTS (SELECT 1 FROM ESCALA E "
         "WHERE E.CODIGOESCALA = F.CODIGOESCALA)",
         0, 0},
        {"unknown salary reason",
         "SELECT COUNT(*) FROM FUNCSALARIO F WHERE NOT EXISTS (SELECT 1 FROM MOTIVO M "
         "WHERE M.CODIGOMOTIVO = F.CODIGOMOTIVO)",
         0, 0},
        {"unknown municipality",
         "SELECT COUNT(*) FROM FUNCPESSOA F WHERE NOT EXISTS (SELECT 1 FROM MUNICIPIO M "
         "WHERE M.SIGLAESTADO = F.SIGLAESTADO AND M.CODIGOMUNIC = F.CODIGOMUNIC)",
         0, 0},
        {"unknown establishment",
         "SELECT COUNT(*) FROM FUNCLOCAL F WHERE NOT EXISTS (SELECT 1 FROM ESTAB E "
         "WHERE E.CODIGOEMPRESA = F.CODIGOEMPRESA AND E.CODIGOESTAB = F.CODIGOESTAB)",
         0, 0},
        {"unknown annuity",
         "SELECT COUNT(*) FROM SINDCONVENCAO S WHERE NOT EXISTS (SELECT 1 FROM ANUIDADE A "
         "WHERE A.CODIGOANUIDADE = S.CODIGOANUIDADE)",
         0, 0},
        {"period without location",
         "SELECT COUNT(*) FROM FUNCPERCALCULO FPC WHERE NOT EXISTS (SELECT 1 FROM FUNCLOCAL FL "
         "WHERE FL.CODIGOEMPRESA = FPC.CODIGOEMPRESA AND FL.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR "
         "AND FL.DATATRANSF = FPC.DATALOCAL)",
         0, 0},
    });
}

DARVELO_INSTANTIATE_DIALECTS(DemoProperties);

}  // namespace
