#include "host/TnQuebra.h"

#include <QDate>

#include <gtest/gtest.h>

namespace host {
namespace {

using namespace Qt::StringLiterals;

TEST(TnQuebra, ChildHasItsParentsPairsFollowedByItsOwn)
{
    const TnQuebra raiz;
    const TnQuebra estab = raiz.NewQuebra(u"CODIGOEMPRESA"_s, 12).NewQuebra(u"CODIGOESTAB"_s, 3);

    EXPECT_TRUE(raiz.GetValores().empty());
    EXPECT_TRUE(raiz.GetIndexFieldNames().isEmpty());
    ASSERT_EQ(estab.GetValores().size(), 2u);
    EXPECT_EQ(estab.GetValores()[0].valor, QVariant(12));
    EXPECT_EQ(estab.GetValores()[1].valor, QVariant(3));
    EXPECT_EQ(estab.GetIndexFieldNames(), u"CODIGOEMPRESA;CODIGOESTAB"_s);
}

TEST(TnQuebra, ExtendingLeavesTheParentUnchanged)
{
    const TnQuebra pai = TnQuebra().NewQuebra(u"CodigoEstab"_s, 1);
    const TnQuebra primeiro = pai.NewQuebra(u"CodigoFuncContr"_s, 10);
    const TnQuebra segundo = pai.NewQuebra(u"CodigoFuncContr"_s, 20);

    EXPECT_EQ(pai.GetIndexFieldNames(), u"CodigoEstab"_s);
    EXPECT_EQ(primeiro.GetValores().back().valor, QVariant(10));
    EXPECT_EQ(segundo.GetValores().back().valor, QVariant(20));
}

TEST(TnQuebra, KeepsRepeatedFieldsAndValueTypes)
{
    // A per-competence chain repeats COMPET once per month.
    const QDate janeiro(2024, 1, 1);
    const TnQuebra quebra = TnQuebra()
                                .NewQuebra(u"COMPET"_s, janeiro)
                                .NewQuebra(u"COMPET"_s, janeiro.addMonths(1))
                                .NewQuebra(u"CLASSIFORGAN"_s, u"01.02"_s)
                                .NewQuebra(u"CODIGOCENTROCUSTO"_s, -1.0);

    EXPECT_EQ(quebra.GetIndexFieldNames(), u"COMPET;COMPET;CLASSIFORGAN;CODIGOCENTROCUSTO"_s);
    EXPECT_EQ(quebra.GetValores()[1].valor.toDate(), janeiro.addMonths(1));
    EXPECT_EQ(quebra.GetValores()[2].valor.typeId(), QMetaType::QString);
    EXPECT_EQ(quebra.GetValores()[3].valor.typeId(), QMetaType::Double);
}

}  // namespace
}  // namespace host
