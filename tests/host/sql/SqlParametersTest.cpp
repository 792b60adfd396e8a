#include "host/HostError.h"
#include "host/SqlParameters.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"

namespace host {
namespace {

using namespace Qt::StringLiterals;

TEST(SqlParameters, EveryOccurrenceBecomesAPlaceholder)
{
    const SqlParameters p = SqlParameters::parse(
        QStringLiteral("where DataInicial <= :pData and x = :pCodigo or y <= :PDATA and z = :pData,:pData"));
    EXPECT_EQ(p.positionalText(), QStringLiteral("where DataInicial <= ? and x = ? or y <= ? and z = ?,?"));
    EXPECT_EQ(p.occurrences(), (QStringList{u"pData"_s, u"pCodigo"_s, u"pData"_s, u"pData"_s, u"pData"_s}));
    EXPECT_EQ(p.names(), (QStringList{u"pData"_s, u"pCodigo"_s}));
}

TEST(SqlParameters, ColonsThatAreNoParameters)
{
    const QStringList texts{
        QStringLiteral("select '10:30', ':x' from t"),
        QStringLiteral("select \"a:b\" from t -- :comment\n"),
        QStringLiteral("select /* :c */ x::date, y ::int from t"),
        QStringLiteral("select a[1:2], b : c from t"),
        QStringLiteral("select 1 from t where %0:s %12:S"),
    };
    for (const QString& text : texts) {
        const SqlParameters p = SqlParameters::parse(text);
        EXPECT_TRUE(p.names().isEmpty()) << qPrintable(text);
        EXPECT_EQ(p.positionalText(), text);
    }
}

TEST(SqlParameters, NameEndsAtTheFirstCharacterOutsideAName)
{
    const SqlParameters p = SqlParameters::parse(QStringLiteral("a=:p_1)and b=:Código.x"));
    EXPECT_EQ(p.positionalText(), QStringLiteral("a=?)and b=?.x"));
    EXPECT_EQ(p.names(), (QStringList{u"p_1"_s, u"Código"_s}));
}

TEST(SqlParameters, FormatDirectiveNextToAParameter)
{
    const SqlParameters p = SqlParameters::parse(QStringLiteral("where x = :a %0:s and y = 10 :b"));
    EXPECT_EQ(p.positionalText(), QStringLiteral("where x = ? %0:s and y = 10 ?"));
    EXPECT_EQ(p.names(), (QStringList{u"a"_s, u"b"_s}));
}

TEST(SqlParameters, TextWithoutParametersIsKept)
{
    const QString text = QStringLiteral("select 1");
    EXPECT_EQ(SqlParameters::parse(text).positionalText(), text);
    EXPECT_TRUE(SqlParameters::parse(QString()).occurrences().isEmpty());
}

TEST(SqlParameters, UnclosedLiteralIsAnError)
{
    EXPECT_THROW(SqlParameters::parse(QStringLiteral("select ':x")), HostError);
}

}  // namespace
}  // namespace host
