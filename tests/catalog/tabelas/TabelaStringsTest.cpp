// The string table and the function registration table.

#include "catalog/TabelaFuncoes.h"
#include "catalog/TabelaStrings.h"

#include <gtest/gtest.h>

#include <set>

using namespace catalog;

TEST(TabelaFuncoes, RegistrationOrderAndDeclarations)
{
    const std::vector<FuncaoRegistrada>& funcoes = funcoesRegistradas();
    ASSERT_EQ(funcoes.size(), 27u);
    for (std::size_t i = 0; i < 22; ++i) {
        EXPECT_EQ(QByteArray(funcoes[i].nome).left(3), QByteArray("fpa")) << funcoes[i].nome;
    }
    const char* const gerais[] = {"gerEMP", "gerPAG", "FORMATARDATAHORA", "FMTNUM", "REPT"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_STREQ(funcoes[22 + i].nome, gerais[i]);
    }
    std::set<QByteArray> nomes;
    std::set<int> identificadores;
    for (const FuncaoRegistrada& f : funcoes) {
        nomes.insert(f.nome);
        identificadores.insert(f.identificador);
        EXPECT_TRUE(std::set<int>({0, 1, 2, 4, 5, 6}).count(f.parametros)) << f.nome;
    }
    EXPECT_EQ(nomes.size(), funcoes.size());
    EXPECT_EQ(identificadores.size(), funcoes.size());
    EXPECT_STREQ(funcoes.front().nome, "fpaFunc");
    EXPECT_EQ(funcoes.front().idNome, 65434);
    EXPECT_EQ(funcoes.front().identificador, 2148);
    EXPECT_EQ(funcoes[2].parametros, 5);   // fpaEvRefer: four values and a list
    EXPECT_EQ(funcoes[20].parametros, 1);  // fpaFuncTotais
    EXPECT_EQ(funcoes[23].parametros, 0);  // gerPAG
}

TEST(TabelaStrings, NamesByTheirIds)
{
    for (const FuncaoRegistrada& f : funcoesRegistradas()) {
        EXPECT_TRUE(TabelaStrings::contem(f.idNome)) << f.nome;
        EXPECT_EQ(TabelaStrings::texto(f.idNome), QString::fromLatin1(f.nome));
    }
    EXPECT_EQ(TabelaStrings::texto(65434), QStringLiteral("fpaFunc"));
    EXPECT_EQ(TabelaStrings::texto(65392), QStringLiteral("gerEMP"));
}

TEST(TabelaStrings, UnknownIdsGiveEmptyText)
{
    for (int id : {0, -1, 65391, 65424, 65440, 66000, 66021, 66105}) {
        EXPECT_FALSE(TabelaStrings::contem(id)) << id;
        EXPECT_TRUE(TabelaStrings::texto(id).isNull()) << id;
    }
}

TEST(TabelaStrings, DescriptionsFillTheirRange)
{
    for (int id = TabelaStrings::kPrimeiraDescricao; id < TabelaStrings::kPrimeiraDescricao + 20; ++id) {
        EXPECT_FALSE(TabelaStrings::texto(id).isEmpty()) << id;
    }
}

TEST(TabelaStrings, ParameterHelpByName)
{
    for (const char* nome : {"nConta", "nMesRef", "nFilial", "nAno"}) {
        EXPECT_TRUE(TabelaStrings::ajudaParametro(QLatin1String(nome)).startsWith(QLatin1String(nome) + u':')) << nome;
    }
    EXPECT_EQ(TabelaStrings::ajudaParametro(QStringLiteral("nAno")),
              QString::fromUtf8("nAno: Indique o ano de referênciam dos valores, Ex. ctbSAN(2018)"));
    EXPECT_EQ(TabelaStrings::ajudaParametro(QStringLiteral("nFilial")),
              TabelaStrings::texto(TabelaStrings::kPrimeiraAjudaParametro + 2));
    EXPECT_TRUE(TabelaStrings::ajudaParametro(QStringLiteral("nCodigoFunc")).isEmpty());
    EXPECT_TRUE(TabelaStrings::ajudaParametro(QString()).isEmpty());
}
