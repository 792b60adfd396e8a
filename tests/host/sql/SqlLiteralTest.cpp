// Literals are checked by reading them back through the databases.
#include "DialectTest.h"
#include "TestPrinters.h"

#include "host/HostError.h"
#include "host/SqlLiteral.h"

#include <limits>

namespace host {
namespace {

using namespace Qt::StringLiterals;

using testing::DialectTest;

class SqlLiteral : public DialectTest {
protected:
    QString literal(const QVariant& value, FieldType type) const { return ValorParaSQL(value, type, dialect()); }
    QVariant readBack(const QVariant& value, FieldType type) const
    {
        return db().scalar(QStringLiteral("SELECT %1").arg(literal(value, type)));
    }
};

TEST_P(SqlLiteral, TextsRoundTrip)
{
    const QStringList texts{u"simples"_s,
                            u"it's ''quoted''"_s,
                            u"Funções específicadas; -- /* x */"_s,
                            u"back\\slash"_s,
                            u"{TIMESTAMPADD(DAY, 1, x)} :p %0:s ?"_s,
                            u""_s};
    for (const QString& text : texts) {
        EXPECT_EQ(readBack(text, FieldType::Text).toString(), text) << qPrintable(literal(text, FieldType::Text));
    }
    EXPECT_THROW(literal(QString(QChar(0)), FieldType::Text), HostError);
}

TEST_P(SqlLiteral, IntegersRoundTrip)
{
    const QVariantList values{0, -5, std::numeric_limits<int>::max(), qlonglong(1) << 40, 12.0, u" 77 "_s};
    for (const QVariant& value : values) {
        EXPECT_EQ(readBack(value, FieldType::Integer).toLongLong(), value.toString().trimmed().toDouble());
    }
    for (const QVariant& bad : QVariantList{1.5, u"abc"_s, u"1,0"_s, qQNaN(), QDate(2023, 1, 1)}) {
        EXPECT_THROW(literal(bad, FieldType::Integer), HostError) << qPrintable(bad.toString());
    }
}

TEST_P(SqlLiteral, FloatsRoundTripExactlyAndStayFloats)
{
    const QVariantList values{0.1, 1.0 / 3, -2.5e-7, 1e20, 3.0, 123456.789, u"4.35"_s};
    for (const QVariant& value : values) {
        const QString text = literal(value, FieldType::Float);
        EXPECT_FALSE(text.contains(u',')) << qPrintable(text);
        EXPECT_EQ(readBack(value, FieldType::Float).toDouble(), value.toDouble()) << qPrintable(text);
    }
    // A whole float divided by an integer column must not divide as integers.
    EXPECT_DOUBLE_EQ(db().scalar(QStringLiteral("SELECT %1 / 2").arg(literal(3.0, FieldType::Float))).toDouble(), 1.5);
    for (const QVariant& bad : QVariantList{u"1,5"_s, u"x"_s, qInf(), qQNaN(), true}) {
        EXPECT_THROW(literal(bad, FieldType::Float), HostError) << qPrintable(bad.toString());
    }
}

TEST_P(SqlLiteral, DatesRoundTripAsDates)
{
    const QDate date(2023, 5, 1);
    const QVariantList values{date, QDateTime(date, QTime(23, 59), Qt::UTC), u"2023-05-01"_s, u"2023-05-01 10:00:00"_s};
    for (const QVariant& value : values) {
        EXPECT_EQ(asDate(readBack(value, FieldType::Date)), date) << qPrintable(literal(value, FieldType::Date));
    }
    // Comparable with a date column, as the period conditions need.
    db().exec(QStringLiteral("CREATE TEMP TABLE Periodo (compet DATE)"));
    db().exec(QStringLiteral("INSERT INTO Periodo VALUES (%1)").arg(literal(date, FieldType::Date)));
    EXPECT_EQ(
        db().rows(QStringLiteral("SELECT * FROM Periodo WHERE compet = %1").arg(literal(date, FieldType::Date))).size(),
        1);
    for (const QVariant& bad : QVariantList{u"2023-02-30"_s, u"ontem"_s, QDate()}) {
        EXPECT_THROW(literal(bad, FieldType::Date), HostError) << qPrintable(bad.toString());
    }
}

TEST_P(SqlLiteral, NullForEveryType)
{
    for (FieldType type : {FieldType::Integer, FieldType::Float, FieldType::Text, FieldType::Date}) {
        EXPECT_EQ(literal(QVariant(), type), u"NULL"_s);
        EXPECT_TRUE(readBack(QVariant(QMetaType(QMetaType::Int)), type).isNull());
    }
}

DARVELO_INSTANTIATE_DIALECTS(SqlLiteral);

}  // namespace
}  // namespace host
