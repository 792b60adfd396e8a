#include "host/HostError.h"
#include "host/TextRoutines.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"

namespace host {
namespace {

using namespace Qt::StringLiterals;

TEST(ColunaExcelParaIndice, LettersToZeroBasedIndex)
{
    EXPECT_EQ(ColunaExcelParaIndice(u"A"_s), 0);
    EXPECT_EQ(ColunaExcelParaIndice(u"z"_s), 25);
    EXPECT_EQ(ColunaExcelParaIndice(u" AA "_s), 26);
    EXPECT_EQ(ColunaExcelParaIndice(u"Az"_s), 51);
    EXPECT_EQ(ColunaExcelParaIndice(u"XFD"_s), 16383);
    // Every index up to XFD reads back from its letters.
    for (int index = 0; index <= 16383; ++index) {
        QString letters;
        for (int n = index + 1; n > 0; n = (n - 1) / 26) {
            letters.prepend(QChar(u'A' + (n - 1) % 26));
        }
        ASSERT_EQ(ColunaExcelParaIndice(letters), index) << qPrintable(letters);
    }
}

TEST(ColunaExcelParaIndice, NoColumnGivesMinusOne)
{
    for (const QString& text : {u""_s, u"  "_s, u"1"_s, u"A1"_s, u"XFE"_s, u"AAAA"_s, u"A B"_s, u"$"_s, u"Á"_s, u"@"_s,
                                u"["_s, u"a\u0301"_s}) {
        EXPECT_EQ(ColunaExcelParaIndice(text), -1) << qPrintable(text);
    }
}

TEST(TextRoutines, StrToStrArrayKeepsItemsAsTheyAre)
{
    EXPECT_EQ(StrToStrArray(u"B; C;;D"_s, u";"_s), (QStringList{u"B"_s, u" C"_s, u""_s, u"D"_s}));
    EXPECT_EQ(StrToStrArray(u"A"_s, u";"_s), QStringList{u"A"_s});
    EXPECT_EQ(StrToStrArray(u"a::b"_s, u"::"_s), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_TRUE(StrToStrArray(QString(), u";"_s).isEmpty());
    EXPECT_THROW(StrToStrArray(u"a"_s, QString()), HostError);
}

TEST(TextRoutines, InStrArrayIsExact)
{
    const QStringList names{u"CODIGOESTAB"_s, u"CodigoFuncContr"_s};
    EXPECT_TRUE(InStrArray(u"CODIGOESTAB"_s, names));
    EXPECT_FALSE(InStrArray(u"codigoestab"_s, names));
    EXPECT_FALSE(InStrArray(u"CODIGOESTAB "_s, names));
    EXPECT_FALSE(InStrArray(u""_s, {}));
}

TEST(TextRoutines, DeleteCharRemovesEveryOccurrence)
{
    EXPECT_EQ(DeleteChar(u"'01.02'.'03'"_s, u'\''), u"01.02.03"_s);
    EXPECT_EQ(DeleteChar(u"aAa"_s, u'a'), u"A"_s);
    EXPECT_EQ(DeleteChar(QString(), u'x'), QString());
}

}  // namespace
}  // namespace host
