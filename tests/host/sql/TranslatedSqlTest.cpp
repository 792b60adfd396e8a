// Translated date arithmetic, casts and HAVING queries are run on the
// databases and compared with the calendar as QDate knows it.
#include "DialectTest.h"
#include "TestPrinters.h"

#include "host/FieldType.h"
#include "host/SqlLiteral.h"
#include "host/SqlTranslator.h"

#include "payroll/ConsultasFolha.h"

#include <cmath>

namespace host {
namespace {

using namespace Qt::StringLiterals;

using testing::DialectTest;

class TranslatedSql : public DialectTest {
protected:
    QString tr(const QString& text) const { return SqlTranslator::translate(text, dialect()); }
    QString literal(const QDate& date) const { return ValorParaSQL(date, FieldType::Date, dialect()); }

    void createDates(const QList<QDate>& dates) const
    {
        db().exec(QStringLiteral("CREATE TEMP TABLE Datas (d DATE)"));
        for (const QDate& date : dates) {
            db().exec(QStringLiteral("INSERT INTO Datas (d) VALUES (%1)").arg(literal(date)));
        }
    }

    void createCounts(const QList<int>& counts) const
    {
        db().exec(QStringLiteral("CREATE TEMP TABLE Contagens (n INTEGER)"));
        for (int n : counts) {
            db().exec(QStringLiteral("INSERT INTO Contagens (n) VALUES (%1)").arg(n));
        }
    }

    // Month ends, February of leap and common years (2000 and 2100 included),
    // and the turn of a year.
    static QList<QDate> calendarEdges()
    {
        QList<QDate> dates;
        for (QDate d(2023, 12, 25); d <= QDate(2024, 3, 5); d = d.addDays(1)) {
            dates.append(d);
        }
        dates << QDate(2023, 1, 28) << QDate(2023, 1, 31) << QDate(2023, 3, 31) << QDate(2023, 5, 31)
              << QDate(2000, 2, 29) << QDate(2100, 1, 31) << QDate(2100, 3, 31);
        return dates;
    }

    // Every row of (d, n, result) must satisfy expected(d, n) == result.
    template <typename Expected>
    void expectDateRows(const QString& sql, Expected expected) const
    {
        const auto rows = db().rows(tr(sql));
        ASSERT_FALSE(rows.isEmpty());
        for (const QVariantList& row : rows) {
            const QDate date = asDate(row[0]);
            const int n = row[1].toInt();
            EXPECT_EQ(asDate(row[2]), expected(date, n)) << qPrintable(date.toString(Qt::ISODate)) << " n=" << n;
        }
    }
};

TEST_P(TranslatedSql, MonthArithmeticEndsAtTheLastDayOfShortMonths)
{
    createDates(calendarEdges());
    createCounts({-25, -13, -12, -1, 0, 1, 2, 11, 12, 13});
    expectDateRows(QStringLiteral("SELECT d, n, {TIMESTAMPADD(MONTH, n, d)} FROM Datas, Contagens"),
                   [](const QDate& d, int n) { return d.addMonths(n); });
}

TEST_P(TranslatedSql, YearArithmeticKeepsTheTwentyNinthOfFebruaryInTheMonth)
{
    createDates({QDate(2024, 2, 29), QDate(2023, 2, 28), QDate(2023, 12, 31)});
    createCounts({-4, -1, 1, 4});
    expectDateRows(QStringLiteral("SELECT d, n, {TIMESTAMPADD(YEAR, n, d)} FROM Datas, Contagens"),
                   [](const QDate& d, int n) { return d.addYears(n); });
}

TEST_P(TranslatedSql, DayArithmeticCrossesMonthAndYearEnds)
{
    createDates(calendarEdges());
    createCounts({-400, -31, -1, 0, 1, 30, 366});
    expectDateRows(QStringLiteral("SELECT d, n, {TIMESTAMPADD(DAY, n, d)} FROM Datas, Contagens"),
                   [](const QDate& d, int n) { return d.addDays(n); });
}

TEST_P(TranslatedSql, ExtractGivesIntegerParts)
{
    createDates(calendarEdges());
    const auto rows = db().rows(tr(QStringLiteral(
        "SELECT d, {EXTRACT(DAY, d)}, {EXTRACT(MONTH, d)}, {EXTRACT(YEAR, CAST(d AS DATE))} FROM Datas")));
    ASSERT_FALSE(rows.isEmpty());
    for (const QVariantList& row : rows) {
        const QDate date = asDate(row[0]);
        const std::array expected{date.day(), date.month(), date.year()};
        for (int part = 0; part < 3; ++part) {
            const QVariant value = row[part + 1];
            EXPECT_TRUE(value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) << value.typeName();
            EXPECT_EQ(value.toInt(), expected[part]) << qPrintable(date.toString(Qt::ISODate));
        }
    }
}

// The escape nested three deep in the payroll queries: one month on, minus
// that date's day, is the last day of the competence's month.
QString nestedEscapeOf(const QString& query)
{
    const qsizetype start = query.indexOf(QStringLiteral("{TIMESTAMPADD(DAY"));
    int depth = 0;
    for (qsizetype i = start; i < query.size(); ++i) {
        depth += query[i] == u'{' ? 1 : query[i] == u'}' ? -1 : 0;
        if (depth == 0) {
            return query.mid(start, i - start + 1);
        }
    }
    return {};
}

TEST_P(TranslatedSql, NestedPayrollEscapeGivesTheLastDayOfTheMonth)
{
    createDates(calendarEdges());
    // One spelling with CAST(... AS DATE) and one on the bare column.
    const QStringList escapes{
        nestedEscapeOf(payroll::ConsultaCompleta(payroll::SqlCalculoEvento)).replace(QStringLiteral("PC.COMPET"), u"d"_s),
        nestedEscapeOf(payroll::ConsultaCompleta(payroll::SqlProvisao13Sal)).replace(QStringLiteral("P.COMPET"), u"d"_s),
    };
    for (const QString& escape : escapes) {
        ASSERT_TRUE(escape.startsWith(u'{') && escape.endsWith(u'}')) << qPrintable(escape);
        expectDateRows(QStringLiteral("SELECT d, 0, %1 FROM Datas").arg(escape),
                       [](const QDate& d, int) { return QDate(d.year(), d.month(), d.daysInMonth()); });
    }
}

TEST_P(TranslatedSql, EscapesReadTheSameInAnySpacingOrCase)
{
    createDates(calendarEdges());
    createCounts({-1, 1, 13});
    const QStringList spellings{
        QStringLiteral("{ timestampadd ( month , n , d ) }"),
        QStringLiteral("{fn TIMESTAMPADD(SQL_TSI_MONTH,n,d)}"),
        QStringLiteral("{TimestampAdd(Month,\n   n,\t(d))}"),
    };
    for (const QString& spelling : spellings) {
        expectDateRows(QStringLiteral("SELECT d, n, %1 FROM Datas, Contagens").arg(spelling),
                       [](const QDate& d, int n) { return d.addMonths(n); });
    }
}

TEST_P(TranslatedSql, CastAsDateJoinsOnTheWholeDate)
{
    db().exec(QStringLiteral("CREATE TEMP TABLE Texto (d VARCHAR(20))"));
    db().exec(QStringLiteral("INSERT INTO Texto (d) VALUES ('2023-05-01')"));
    createDates({QDate(2023, 5, 1), QDate(2023, 7, 15), QDate(2024, 5, 1)});
    const auto rows =
        db().rows(tr(QStringLiteral("SELECT b.d FROM Texto a JOIN Datas b ON CAST(a.d AS DATE) = CAST(b.d AS DATE)")));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(asDate(rows[0][0]), QDate(2023, 5, 1));
    EXPECT_EQ(asDate(db().scalar(tr(QStringLiteral("SELECT CAST('2023-05-01 10:30:00' AS date)")))), QDate(2023, 5, 1));
}

TEST_P(TranslatedSql, NumericCastRoundsToItsScale)
{
    db().exec(QStringLiteral("CREATE TEMP TABLE Valores (g INTEGER, v NUMERIC(18, 3))"));
    const QList<std::pair<int, double>> values{{1, 1.114}, {1, 2.002}, {2, -1.126}, {3, 0.004}, {4, 7.0}};
    for (const auto& [group, value] : values) {
        db().exec(QStringLiteral("INSERT INTO Valores (g, v) VALUES (%1, %2)").arg(group).arg(value));
    }
    const auto rows = db().rows(
        tr(QStringLiteral("SELECT g, CAST(SUM(v) AS NUMERIC(18, 2)) total FROM Valores GROUP BY g ORDER BY g")));
    ASSERT_EQ(rows.size(), 4);
    for (const QVariantList& row : rows) {
        double sum = 0;
        for (const auto& [group, value] : values) {
            sum += group == row[0].toInt() ? value : 0.0;
        }
        // The sums have three decimals, far from a half cent: no tie to break.
        EXPECT_NEAR(row[1].toDouble(), std::round(sum * 100) / 100, 1e-9) << "group " << row[0].toInt();
    }
}

// The accounting-location join of the payroll queries: the option in force
// at a date is the one whose date is the greatest not after it.
TEST_P(TranslatedSql, HavingWithoutGroupByKeepsTheOptionInForce)
{
    struct Option {
        int employee;
        QDate date;
        int location;
    };
    const QList<Option> options{{1, QDate(2023, 1, 1), 10},
                                {1, QDate(2023, 3, 15), 11},
                                {1, QDate(2023, 6, 1), 12},
                                {2, QDate(2023, 5, 1), 20},
                                {3, QDate(2023, 9, 1), 30}};
    db().exec(QStringLiteral("CREATE TEMP TABLE Opcoes (emp INTEGER, dataopcao DATE, local INTEGER)"));
    for (const Option& o : options) {
        db().exec(QStringLiteral("INSERT INTO Opcoes VALUES (%1, %2, %3)")
                      .arg(o.employee)
                      .arg(literal(o.date))
                      .arg(o.location));
    }
    for (const QDate& reference : {QDate(2022, 12, 31), QDate(2023, 4, 30), QDate(2023, 12, 31)}) {
        const auto rows = db().rows(
            tr(QStringLiteral(
                   "SELECT FLC.emp, FLC.local FROM Opcoes FLC WHERE EXISTS(SELECT 1              FROM Opcoes FLCS"
                   "   WHERE FLCS.emp = FLC.emp AND FLCS.dataopcao <= %1"
                   "   HAVING MAX(FLCS.dataopcao) = FLC.dataopcao) ORDER BY FLC.emp")
                   .arg(literal(reference))));
        QList<std::pair<int, int>> expected;
        for (int employee = 1; employee <= 3; ++employee) {
            const Option* inForce = nullptr;
            for (const Option& o : options) {
                if (o.employee == employee && o.date <= reference && (!inForce || o.date > inForce->date)) {
                    inForce = &o;
                }
            }
            if (inForce) {
                expected.append({employee, inForce->location});
            }
        }
        QList<std::pair<int, int>> found;
        for (const QVariantList& row : rows) {
            found.append({row[0].toInt(), row[1].toInt()});
        }
        EXPECT_EQ(found, expected) << qPrintable(reference.toString(Qt::ISODate));
    }
}

TEST_P(TranslatedSql, HavingInOneBranchOfAUnionRuns)
{
    db().exec(QStringLiteral("CREATE TEMP TABLE Numeros (a INTEGER)"));
    db().exec(QStringLiteral("INSERT INTO Numeros VALUES (1)"));
    db().exec(QStringLiteral("INSERT INTO Numeros VALUES (2)"));
    const auto rows = db().rows(tr(QStringLiteral("SELECT 5 FROM Numeros HAVING MAX(a) = 2 UNION SELECT a FROM Numeros "
                                                  "GROUP BY a HAVING MAX(a) = 1 ORDER BY 1")));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0][0].toInt(), 1);
    // The constant branch gives its constant, one row since its condition holds.
    EXPECT_EQ(rows[1][0].toInt(), 5);
}

TEST_P(TranslatedSql, HavingOverNoRowsStillGivesTheConstant)
{
    db().exec(QStringLiteral("CREATE TEMP TABLE Vazia (a INTEGER)"));
    const auto rows = db().rows(tr(QStringLiteral("SELECT 'x' FROM Vazia HAVING COUNT(*) = 0")));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][0].toString(), QStringLiteral("x"));
    EXPECT_TRUE(db().rows(tr(QStringLiteral("SELECT 1 FROM Vazia HAVING COUNT(*) > 0"))).isEmpty());
}

TEST_P(TranslatedSql, TrailingSemicolonIsDropped)
{
    EXPECT_EQ(db().scalar(tr(QStringLiteral("SELECT 7 ;  \n"))).toInt(), 7);
    EXPECT_EQ(db().scalar(tr(QStringLiteral("SELECT ';';"))).toString(), QStringLiteral(";"));
}

TEST_P(TranslatedSql, BracesInsideLiteralsAndNamesAreData)
{
    const QString text = QStringLiteral("SELECT '{TIMESTAMPADD(DAY, 1, x)} it''s' AS \"{col}\"");
    EXPECT_EQ(tr(text), text);
    EXPECT_EQ(db().scalar(tr(text)).toString(), QStringLiteral("{TIMESTAMPADD(DAY, 1, x)} it's"));
}

DARVELO_INSTANTIATE_DIALECTS(TranslatedSql);

// "A date minus its own day of the month" is folded into a month-start
// form on SQLite; it must keep meaning the last day of the month before,
// for a bare date, for a month addition, and not fire for another date.
TEST_P(TranslatedSql, MinusOwnDayIsTheLastDayOfThePreviousMonth)
{
    createDates(calendarEdges());
    createCounts({-13, -1, 0, 1, 2, 14});
    expectDateRows(QStringLiteral("SELECT d, 0, {TIMESTAMPADD(DAY, -{EXTRACT(DAY, d)}, d)} FROM Datas"),
                   [](const QDate& d, int) { return d.addDays(-d.day()); });
    expectDateRows(
        QStringLiteral("SELECT d, n, {TIMESTAMPADD(DAY, - {EXTRACT(DAY, {TIMESTAMPADD(MONTH, n, d)})}, "
                       "{TIMESTAMPADD(MONTH,  n, d)})} FROM Datas, Contagens"),
        [](const QDate& d, int n) {
            const QDate moved = d.addMonths(n);
            return moved.addDays(-moved.day());
        });
    // The day of another date is an ordinary subtraction.
    expectDateRows(QStringLiteral("SELECT d, n, {TIMESTAMPADD(DAY, -{EXTRACT(DAY, {TIMESTAMPADD(MONTH, n, d)})}, d)} "
                                  "FROM Datas, Contagens"),
                   [](const QDate& d, int n) { return d.addDays(-d.addMonths(n).day()); });
}

}  // namespace
}  // namespace host

namespace host {
namespace {

// A positional order is applied to the materialised query on SQLite: the
// same rows, in the same order, with the same column names.
TEST_P(TranslatedSql, PositionalOrderGivesTheSameRowsInOrder)
{
    createCounts({7, 3, 9, 3, 12, 5, 1});
    const auto rows = db().rows(tr(u"SELECT n AS valor, (n % 3) AS resto FROM Contagens "
                                   u"WHERE n > (SELECT MIN(n) FROM Contagens) ORDER BY 2 DESC, 1"_s));
    QList<QPair<int, int>> obtidas;
    for (const QVariantList& row : rows)
        obtidas.append({row[0].toInt(), row[1].toInt()});
    // Remainder 2 first, then 1, then 0; ties by value.
    const QList<QPair<int, int>> ordenadas{{5, 2}, {7, 1}, {3, 0}, {3, 0}, {9, 0}, {12, 0}};
    EXPECT_EQ(obtidas, ordenadas);
    EXPECT_EQ(db().columnNames(tr(u"SELECT n AS valor FROM Contagens ORDER BY 1"_s)), QStringList{u"valor"_s});
}

}  // namespace
}  // namespace host
