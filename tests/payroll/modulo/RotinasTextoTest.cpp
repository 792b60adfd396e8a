// The small text routines the payroll functions share.

#include "payroll/RotinasTexto.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace payroll;

TEST(RotinasTexto, EventListsIgnoreBlanksAroundCodes)
{
    EXPECT_TRUE(ListaContemCodigo(QStringLiteral("35;37;49"), 37));
    EXPECT_TRUE(ListaContemCodigo(QStringLiteral("35; 37 ;49"), 37));
    EXPECT_TRUE(ListaContemCodigo(QStringLiteral(" 35"), 35));
    EXPECT_FALSE(ListaContemCodigo(QStringLiteral("35;370"), 37));
    EXPECT_FALSE(ListaContemCodigo(QString(), 0));
    EXPECT_FALSE(ListaContemCodigo(QStringLiteral("035;+37"), 35)) << "codes are compared as written";
    EXPECT_EQ(CodigosDaLista(QStringLiteral("35; 37 ;;x;-4;037;49")), (std::vector<int>{35, 37, -4, 49}));
}

TEST(RotinasTexto, UnitsAreRemovedIgnoringCaseAndNumbersKeptAsTheyAre)
{
    EXPECT_EQ(RemoverUnidades(QStringLiteral("30 Dias")), QStringLiteral("30"));
    EXPECT_EQ(RemoverUnidades(QStringLiteral("1 dia")), QStringLiteral("1"));
    EXPECT_EQ(RemoverUnidades(QStringLiteral("12,50 %")), QStringLiteral("12,50"));
    EXPECT_EQ(RemoverUnidades(QStringLiteral("220:00 HS")), QStringLiteral("220:00"));
    EXPECT_EQ(RemoverUnidades(QStringLiteral("Divs")), QString());
    // "Dias" goes before "Dia", so nothing of the longer word is left.
    EXPECT_EQ(RemoverUnidades(QStringLiteral("2 DIAS")), QStringLiteral("2"));
    EXPECT_EQ(RemoverUnidades(QStringLiteral(" 1.234,56 ")), QStringLiteral("1.234,56"));
    EXPECT_EQ(SubstituirTexto(QStringLiteral("aXbxc"), QStringLiteral("x"), QStringLiteral("-")), QStringLiteral("a-b-c"));
}

TEST(RotinasTexto, QuotesAndTheDefaultNumberText)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    EXPECT_EQ(RemoverAspas(QStringLiteral("'01.02'")), QStringLiteral("01.02"));
    EXPECT_EQ(EntreAspas(QStringLiteral("01.02")), QStringLiteral("'01.02'"));
    EXPECT_EQ(TextoReal(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(TextoReal(1234.5), QStringLiteral("1234,5"));
    EXPECT_EQ(TextoReal(-2), QStringLiteral("-2"));
}
