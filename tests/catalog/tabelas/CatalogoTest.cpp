// The catalogue tables as the menu builders walk them: order, groups,
// numbering, parameters and the texts that must survive byte for byte.

#include "catalog/Catalogo.h"

#include "host/HostError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace catalog;

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

struct Esperado {
    const char* funcao;
    int primeiro;
    int ultimo;
    std::vector<std::pair<const char*, int>> grupos;  // runs of items: group caption, item count
};

// In builder order.
const std::vector<Esperado> kEsperados = {
    {"gerEMP", 1, 62, {{"", 5}, {"Endereço", 19}, {"Inscrições e Atividades", 16}, {"Contabilidade", 2},
                       {"Contador Fiscal", 6}, {"Contador Resp. Federal", 6}, {"Sócio Resp. Federal", 5}, {"", 3}}},
    {"fpaFunc", 1, 28, {{"Dados Cadastrais", 16}, {"Endereço", 9}, {"Adicionais", 3}}},
    {"fpaGPS", 2, 23, {{"", 22}}},
    {"fpaFuncTotais", 1, 4, {{"", 4}}},
    {"fpaOutEmp", 1, 20, {{"", 4}, {"Endereço", 9}, {"Contato", 6}, {"", 1}}},
    {"fpaImpCalc", 1, 53, {{"", 4}, {"FGTS", 8}, {"INSS", 18}, {"INSS Outros", 12}, {"Outros", 11}}},
    {"fpaFuncHistCargo", 0, 2, {{"", 3}}},
    {"fpaFuncHistSalario", 0, 3, {{"", 4}}},
    {"fpaFuncHistEscala", 0, 3, {{"", 4}}},
    {"fpaFuncHistSindicato", 0, 9, {{"", 10}}},
    {"fpaProvFer", 1, 29,
     {{"", 5}, {"Ajuste", 5}, {"Mensal", 5}, {"Férias", 5}, {"Diferênça Pagamento", 4}, {"Saldo", 5}}},
    {"fpaProvFerRat", 1, 21, {{"", 2}, {"Ajuste", 5}, {"Mensal", 5}, {"Diferênça", 4}, {"Valor Pago", 5}}},
    {"fpaProv13Sal", 1, 30, {{"", 5}, {"Ajuste", 4}, {"Mensal", 4}, {"Valor Pago", 4}, {"Diferênça Pagamento", 4},
                             {"Saldo", 4}, {"Indenização", 3}, {"Adiantamento", 2}}},
    {"fpaProv13SalRat", 1, 18,
     {{"", 2}, {"Ajuste", 4}, {"Mensal", 4}, {"Valor Pago", 4}, {"Diferênça Pagamento   ", 4}}},
};

std::vector<std::pair<QString, int>> gruposDe(const Catalogo& catalogo)
{
    std::vector<std::pair<QString, int>> grupos;
    for (const ItemCatalogo& item : catalogo.itens) {
        if (grupos.empty() || grupos.back().first != item.grupo) {
            grupos.emplace_back(item.grupo, 0);
        }
        ++grupos.back().second;
    }
    return grupos;
}

const ItemCatalogo& item(const char* funcao, const char* legenda)
{
    const Catalogo& c = catalogo(QString::fromLatin1(funcao));
    const auto found = std::find_if(c.itens.begin(), c.itens.end(),
                                    [&](const ItemCatalogo& i) { return i.legenda == u(legenda); });
    if (found == c.itens.end()) {
        throw std::runtime_error(std::string("no item ") + legenda);
    }
    return *found;
}

}  // namespace

TEST(Catalogos, FollowTheBuilderOrder)
{
    ASSERT_EQ(catalogos().size(), kEsperados.size());
    for (std::size_t i = 0; i < kEsperados.size(); ++i) {
        EXPECT_EQ(catalogos()[i].funcao, QString::fromLatin1(kEsperados[i].funcao));
    }
}

TEST(Catalogos, GroupsHoldTheirItemCountsAndNeverSplit)
{
    for (const Esperado& esperado : kEsperados) {
        SCOPED_TRACE(esperado.funcao);
        const auto grupos = gruposDe(catalogo(QString::fromLatin1(esperado.funcao)));
        ASSERT_EQ(grupos.size(), esperado.grupos.size());
        for (std::size_t i = 0; i < grupos.size(); ++i) {
            EXPECT_EQ(grupos[i].first, u(esperado.grupos[i].first));
            EXPECT_EQ(grupos[i].second, esperado.grupos[i].second);
        }
    }
}

TEST(Catalogos, NumbersCoverTheirRangeOnce)
{
    for (const Esperado& esperado : kEsperados) {
        SCOPED_TRACE(esperado.funcao);
        std::vector<int> numeros;
        for (const ItemCatalogo& i : catalogo(QString::fromLatin1(esperado.funcao)).itens) {
            numeros.push_back(i.numero);
        }
        std::sort(numeros.begin(), numeros.end());
        std::vector<int> faixa(static_cast<std::size_t>(esperado.ultimo - esperado.primeiro + 1));
        std::iota(faixa.begin(), faixa.end(), esperado.primeiro);
        EXPECT_EQ(numeros, faixa);
    }
}

TEST(Catalogos, CompanyItemsWriteTheirFormulaDirectly)
{
    const Catalogo& empresa = catalogo(QStringLiteral("Empresa"));
    EXPECT_EQ(empresa.funcao, QStringLiteral("gerEMP"));
    EXPECT_EQ(empresa.caminho, QStringList{QStringLiteral("Empresa")});
    EXPECT_TRUE(empresa.escreveDica);
    EXPECT_TRUE(empresa.parametros.empty());
    for (const ItemCatalogo& i : empresa.itens) {
        EXPECT_EQ(i.dica, QStringLiteral("=gerEMP(%1)").arg(i.numero));
    }
    EXPECT_EQ(empresa.itens.front().legenda, u("Código Empresa"));
    EXPECT_EQ(empresa.itens.front().dica, QStringLiteral("=gerEMP(1)"));
    EXPECT_EQ(empresa.itens.back().legenda, QStringLiteral("Valor Nominal das Cotas"));
    EXPECT_EQ(empresa.itens.back().numero, 62);
    EXPECT_EQ(empresa.itens[54].legenda, u("Código Sócio"));
    EXPECT_EQ(empresa.itens[54].numero, 55);
    EXPECT_EQ(empresa.itens[54].grupo, u("Sócio Resp. Federal"));
    for (const Catalogo& c : catalogos()) {
        EXPECT_EQ(c.escreveDica, &c == &empresa);
    }
}

TEST(Catalogos, PayrollItemsCarryTheFieldTheirFormulaStartsWith)
{
    EXPECT_EQ(item("fpaFunc", "CPF").numero, 4);
    EXPECT_EQ(item("fpaFunc", "CPF").grupo, QStringLiteral("Dados Cadastrais"));
    EXPECT_EQ(item("fpaFuncHistCargo", "Código do Cargo").numero, 0);
    EXPECT_EQ(item("fpaFuncTotais", "Total de Empregados Ativos").numero, 1);
    EXPECT_TRUE(catalogo(QStringLiteral("fpaFuncTotais")).parametros.empty());
}

TEST(Catalogos, PathsAndCaptionsKeepTheirTrailingBlanks)
{
    const QString folha = QStringLiteral("Folha de Pagamento   ");
    for (const Catalogo& c : catalogos()) {
        EXPECT_EQ(c.nome, c.caminho.constLast());
        EXPECT_EQ(c.caminho.constFirst() == folha, c.funcao != QStringLiteral("gerEMP")) << c.funcao.toStdString();
    }
    EXPECT_EQ(catalogo(QStringLiteral("fpaProvFerRat")).nome, u("Provisão de Férias Rateado   "));
    EXPECT_EQ(catalogo(QStringLiteral("fpaProv13SalRat")).nome, u("Provisão de 13º Salário Rateado   "));
    EXPECT_EQ(catalogo(QStringLiteral("fpaProv13SalRat")).itens.back().grupo, u("Diferênça Pagamento   "));
    EXPECT_EQ(catalogo(QStringLiteral("fpaFuncHistSindicato")).caminho,
              (QStringList{folha, u("Funcionário"), u("Históricos"), QStringLiteral("Sindicato")}));
    EXPECT_EQ(catalogo(QStringLiteral("fpaFuncTotais")).caminho,
              (QStringList{folha, u("Funcionário"), QStringLiteral("Totalizadores")}));
}

TEST(Catalogos, SeparatorsPrecedeGpsAndEachProvisionPair)
{
    QStringList separados;
    for (const Catalogo& c : catalogos()) {
        if (c.separadorAntes) {
            separados.append(c.funcao);
        }
    }
    EXPECT_EQ(separados, (QStringList{QStringLiteral("fpaGPS"), QStringLiteral("fpaProvFer"),
                                      QStringLiteral("fpaProv13Sal")}));
}

TEST(Catalogos, ParametersAfterTheFieldNumber)
{
    const auto nomes = [](const Catalogo& c) {
        QStringList result;
        for (const ParametroCatalogo& p : c.parametros) {
            result.append(QString::fromLatin1(p.nome) + (p.obrigatorio ? QStringLiteral("*") : QString()));
        }
        return result;
    };
    EXPECT_EQ(nomes(catalogo(QStringLiteral("fpaFunc"))), QStringList{QStringLiteral("nCodigoFunc*")});
    EXPECT_EQ(nomes(catalogo(QStringLiteral("fpaProvFer"))),
              (QStringList{"nCodigoEstab", "nOrganograma", "nCodigoFunc"}));
    EXPECT_EQ(nomes(catalogo(QStringLiteral("fpaImpCalc"))),
              (QStringList{"nCodigoEstab", "nCodigoOutEmp", "nCodigoCentroCusto", "nOrganograma", "nCodigoFunc"}));
    EXPECT_EQ(u(catalogo(QStringLiteral("fpaGPS")).parametros.front().legenda), u("Código da Filial"));
    EXPECT_EQ(u(catalogo(QStringLiteral("fpaOutEmp")).parametros.front().legenda), u("Código Outra Empresa"));
    EXPECT_EQ(u(catalogo(QStringLiteral("fpaImpCalc")).parametros[0].legenda), u("Código do Estabelecimento"));
    EXPECT_EQ(u(catalogo(QStringLiteral("fpaImpCalc")).parametros[1].legenda), u("Código da Outra Empresa"));
    // Only the lists with positional gaps are adjusted.
    for (const Catalogo& c : catalogos()) {
        EXPECT_EQ(c.ajusteFolha, c.parametros.size() > 1) << c.funcao.toStdString();
    }
}

TEST(Catalogos, LookupByFunctionOrCaption)
{
    EXPECT_EQ(&catalogo(QStringLiteral("GPS")), &catalogo(QStringLiteral("fpaGPS")));
    EXPECT_EQ(catalogo(QStringLiteral("Cargos")).funcao, QStringLiteral("fpaFuncHistCargo"));
    EXPECT_THROW(catalogo(QStringLiteral("fpaEvValor")), host::HostError);
    EXPECT_THROW(catalogo(QString()), host::HostError);
}
