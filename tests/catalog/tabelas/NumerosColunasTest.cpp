// Every catalogue item must write the field number of the column its caption
// names. The oracle is each function's own column list (column number,
// column name), with the words a caption naming that column contains.

#include "catalog/Catalogo.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>

using namespace catalog;

namespace {

struct Coluna {
    int numero;
    const char* nome;
    const char* palavras;
};

struct ColunasFuncao {
    const char* funcao;
    std::vector<Coluna> colunas;
};

// Provisions: the argument numbers that the functions shift onto their query columns.
const std::vector<ColunasFuncao> kColunas = {
    {"fpaFunc",
     {{1, "CodigoFuncContr", "codigo funcionario"}, {2, "NomeFunc", "nome"}, {3, "ApelidoFunc", "apelido"},
      {4, "CPFFunc", "cpf"}, {5, "DataNasc", "nascimento"}, {6, "DataAdm", "admissao"}, {7, "DataDem", "demissao"},
      {8, "CodigoEstab", "estabelecimento"}, {9, "NUMEROCTPS", "numero ctps"}, {10, "SERIECTPS", "serie ctps"},
      {11, "PISFUNC", "pis"}, {12, "NUMERORG", "rg"}, {13, "TITELEIT", "eleitor"}, {14, "CNHFUNC", "numero cnh"},
      {15, "CATEGCNH", "categoria cnh"}, {16, "VALIDCNH", "validade cnh"}, {17, "DDDFone", "ddd telefone"},
      {18, "NumeroFone", "telefone"}, {19, "EnderEletr", "mail"}, {20, "LogradFunc", "logrador endereco"},
      {21, "EnderFunc", "endereco"}, {22, "NumeroEnder", "numero endereco"},
      {23, "ComplEnder", "complemento endereco"}, {24, "BairroFunc", "bairro"}, {25, "SiglaEstado", "estado"},
      {26, "CodigoMunic", "codigo municipio"}, {27, "NomeMunic", "nome municipio"}, {28, "CEPFunc", "cep"}}},
    {"fpaGPS",
     {{2, "CODIGOTABGPS", "tabela"}, {3, "DATAINICIAL", "data inicial"}, {4, "CODIGOIMPOSTO", "imposto gps"},
      {5, "VARIACAOIMPOSTO", "variacao imposto gps"}, {6, "CODIGOIMPOSTO13", "imposto gps 13"},
      {7, "VARIACAOIMPOSTO13", "variacao imposto gps 13"},
      {8, "CODIGOIMPOSTOTERC", "imposto gps exclusivo terceiros"},
      {9, "VARIACAOIMPOSTOTERC", "variacao imposto gps exclusivo terceiros"},
      {10, "CODIGOIMPOSTOTERC13", "imposto gps 13 exclusivo terceiros"},
      {11, "VARIACAOIMPOSTOTERC13", "variacao imposto gps 13 exclusivo terceiros"}, {12, "CODIGOFPAS", "fpas"},
      {13, "CODIGOACIDTRAB", "acidente"}, {14, "TERCEIROS", "terceiros"},
      {15, "PERCPARTEEMP", "percentual empresa"}, {16, "PERCENTFINANC", "percentual financeira"},
      {17, "PERCPRODRURAIS", "percentual rurais"}, {18, "PERCPARTESAT", "percentual rat"},
      {19, "PERCPARTETERC", "percentual terceiros"}, {20, "PERCDIRAUTON", "percentual diretor"},
      {21, "PERCISENCAOFILANT", "percentual filantropia"}, {22, "PERCACRESCFAP", "fap"},
      {23, "PERCCOOPTRAB", "percentual cooperativa"}}},
    {"fpaFuncTotais",
     {{1, "Ativos", "ativos"}, {2, "Admitidos", "admitidos"}, {3, "Demitidos", "demitidos"}, {4, "Ferias", "ferias"}}},
    {"fpaOutEmp",
     {{1, "NOMEOUTEMP", "nome outra empresa"}, {2, "FANTOUTEMP", "fantasia"}, {3, "DESCRTIPOLOGRAD", "logradouro"},
      {4, "ENDEROUTEMP", "endereco"}, {5, "NUMEROENDER", "numero endereco"},
      {6, "COMPLENDER", "complemento endereco"}, {7, "BAIRROOUTEMP", "bairro"}, {8, "SIGLAESTADO", "estado"},
      {9, "CODIGOMUNIC", "codigo municipio"}, {10, "NOMEMUNIC", "nome municipio"}, {11, "CEP", "cep"},
      {12, "DDDFONE", "ddd telefone"}, {13, "NUMEROFONE", "telefone"}, {14, "DDDFAX", "ddd fax"},
      {15, "NUMEROFAX", "fax"}, {16, "ENDERELETR", "endereco eletronico"}, {17, "PAGINAINTER", "site"},
      {18, "TIPOINSCR", "tipo inscricao"}, {19, "INSCRFEDERAL", "inscricao federal"}, {20, "PORTEEMP", "porte"}}},
    {"fpaImpCalc",
     {{1, "CODIGOESTAB", "estabelecimento"}, {2, "CLASSIFORGAN", "organograma"},
      {3, "CODIGOCENTROCUSTO", "centro custo"}, {4, "CODIGOOUTEMP", "outra empresa"},
      {5, "VALORFGTSNORM", "valor fgts normal"}, {6, "VALORFGTS13", "valor fgts 13"},
      {7, "VALORADICFGTSNORM", "valor adic fgts normal"}, {8, "VALORADICFGTS13", "valor adic fgts 13"},
      {9, "BASEFGTSNORM", "base fgts normal"}, {10, "BASEFGTS13", "base fgts 13"},
      {11, "BASEFGTS13COMPL", "base fgts 13 compl"}, {12, "BASEFGTS13ADTO", "base fgts 13 adto"},
      {13, "SALINSSADIC", "salario inss adic"}, {14, "SALINSSCOMIS", "salario inss comis"},
      {15, "SALINSSHORAEXTRA", "salario inss hora extra"}, {16, "SALINSS1TERCFERIAS", "salario inss ferias"},
      {17, "SALINSSFIXO", "salario inss fixo"}, {18, "SALINSSCONTRIB", "salario inss contrib"},
      {19, "BASEINSSEMP", "base inss empresa"}, {20, "BASEINSS13EMP", "base inss 13 empresa"},
      {21, "BASEINSSFUNC", "base inss funcionario"}, {22, "BASEINSS13FUNC", "base inss 13 funcionario"},
      {23, "VALORINSS", "valor inss"}, {24, "VALORINSS13", "valor inss 13"},
      {25, "INSSPARTEEMP", "inss parte empresa"}, {26, "INSSENTFINANC", "inss entidade financ"},
      {27, "INSSPARTESAT", "inss parte sat"}, {28, "INSSPARTETERC", "inss parte terc"},
      {29, "INSSDIRAUTON", "inss diretor auton"}, {30, "INSSSALEDUCACAO", "inss salario educacao"},
      {31, "INSSINCRA", "incra"}, {32, "INSSSENAI", "senai"}, {33, "INSSSESI", "sesi"}, {34, "INSSSENAC", "senac"},
      {35, "INSSSEST", "sest"}, {36, "INSSSENAT", "senat"}, {37, "INSSSESC", "sesc"},
      {38, "INSSSEBRAE", "sebrae"}, {39, "INSSDPC", "dpc"}, {40, "INSSFAER", "faer"},
      {41, "INSSSESCOOP", "inss sescoop"}, {42, "INSSSENAR", "senar"},
      {43, "ISENCAOFILANTROPICA", "isencao filantropica"}, {44, "ACRESFAP", "fap"},
      {45, "ISENCAOCONVENIOS", "isencao convenios"}, {46, "SALFAMILIA", "familia"}, {47, "DEDUCAO", "deducao"},
      {48, "ACRESSAT", "acres sat"}, {49, "BASEPISNORM", "base pis normal"}, {50, "BASEPIS13", "base pis 13"},
      {51, "VALORPISNORM", "valor pis normal"}, {52, "VALORPIS13", "valor pis 13"},
      {53, "REMUNERACAO", "remuneracao"}}},
    {"fpaFuncHistCargo", {{0, "CodigoCargo", "codigo"}, {1, "DescrCargo", "descricao"}, {2, "CBO", "cbo"}}},
    {"fpaFuncHistSalario",
     {{0, "TIPOSALARIO", "tipo"}, {1, "VALORSAL", "valor"}, {2, "DescrMotivo", "motivo"},
      {3, "DataInicial", "data"}}},
    {"fpaFuncHistEscala",
     {{0, "CodigoEscala", "codigo"}, {1, "DESCRESCALA", "descricao"}, {2, "DataInicial", "data inicial"},
      {3, "REGIMEJOR", "regime"}}},
    {"fpaFuncHistSindicato",
     {{0, "CodigoSind", "codigo"}, {1, "NOMESIND", "nome"}, {2, "DATAINICIAL", "data inicial"},
      {3, "SINDICALIZADO", "sindicalizado"}, {4, "DESCMENSSIND", "desconta mensalidade"},
      {5, "DESCCUSTCONFED", "custeio"}, {6, "DESCTAXAASSIST", "assistencial"}, {7, "DESCONTAREVSAL", "reversao"},
      {8, "DESCCONTRIBSIND", "desconta contribuicao"}, {9, "MESCONTRIBSIND", "mes contribuicao"}}},
    {"fpaProvFer",
     {{1, "AVOS", "avos"}, {2, "SALBASE", "salario base"}, {3, "ADICIONAL", "adicional"},
      {4, "MEDIAHORAEXTRA", "hora extra"}, {5, "MEDIAVALORVAR", "variavel"}, {6, "AJUSTE", "ajuste"},
      {7, "AJUSTE1TERC", "ajuste 1/3"}, {8, "AJUSTEINSS", "ajuste inss"}, {9, "AJUSTEFGTS", "ajuste fgts"},
      {10, "AJUSTEPIS", "ajuste pis"}, {11, "MES", "mes"}, {12, "MES1TERC", "mes 1/3"}, {13, "MESINSS", "mes inss"},
      {14, "MESFGTS", "mes fgts"}, {15, "MESPIS", "mes pis"}, {16, "FERIASPAGAS", "ferias pagas"},
      {17, "FERIASPAGAS1TERC", "ferias pagas 1/3"}, {18, "FERIASPAGASINSS", "ferias pagas inss"},
      {19, "FERIASPAGASFGTS", "ferias pagas fgts"}, {20, "FERIASPAGASPIS", "ferias pagas pis"},
      {21, "DIFERPGTO", "diferenca pagamento"}, {22, "DIFERPGTOINSS", "diferenca pagamento inss"},
      {23, "DIFERPGTOFGTS", "diferenca pagamento fgts"}, {24, "DIFERPGTOPIS", "diferenca pagamento pis"},
      {25, "SALDO", "saldo"}, {26, "SALDO1TERC", "saldo 1/3"}, {27, "SALDOINSS", "saldo inss"},
      {28, "SALDOFGTS", "saldo fgts"}, {29, "SALDOPIS", "saldo pis"}}},
    {"fpaProvFerRat",
     {{1, "CODIGOOUTEMP", "outra empresa"}, {2, "CODIGOCENTROCUSTO", "centro custo"}, {3, "AJUSTE", "ajuste"},
      {4, "AJUSTE1TERC", "ajuste 1/3"}, {5, "AJUSTEINSS", "ajuste inss"}, {6, "AJUSTEFGTS", "ajuste fgts"},
      {7, "AJUSTEPIS", "ajuste pis"}, {8, "MES", "mes"}, {9, "MES1TERC", "mes 1/3"}, {10, "MESINSS", "mes inss"},
      {11, "MESFGTS", "mes fgts"}, {12, "MESPIS", "mes pis"}, {13, "DIFERPGTO", "diferenca pagamento"},
      {14, "DIFERPGTOINSS", "diferenca pagamento inss"}, {15, "DIFERPGTOFGTS", "diferenca pagamento fgts"},
      {16, "DIFERPGTOPIS", "diferenca pagamento pis"}, {17, "PAGO", "pago"}, {18, "PAGO1TERC", "pago 1/3"},
      {19, "PAGOINSS", "pago inss"}, {20, "PAGOFGTS", "pago fgts"}, {21, "PAGOPIS", "pago pis"}}},
    {"fpaProv13Sal",
     {{1, "AVOS", "avos"}, {2, "SALBASE", "salario base"}, {3, "ADICIONAL", "adicional"},
      {4, "MEDIAHORAEXTRA", "hora extra"}, {5, "MEDIAVALORVAR", "variavel"}, {6, "AJUSTE", "ajuste"},
      {7, "AJUSTEINSS", "ajuste inss"}, {8, "AJUSTEFGTS", "ajuste fgts"}, {9, "AJUSTEPIS", "ajuste pis"},
      {10, "MES", "mes"}, {11, "MESINSS", "mes inss"}, {12, "MESFGTS", "mes fgts"}, {13, "MESPIS", "mes pis"},
      {14, "PAGO", "pago"}, {15, "PAGOINSS", "pago inss"}, {16, "PAGOFGTS", "pago fgts"}, {17, "PAGOPIS", "pago pis"},
      {18, "DIFERPGTO", "diferenca pagamento"}, {19, "DIFERPGTOINSS", "diferenca pagamento inss"},
      {20, "DIFERPGTOFGTS", "diferenca pagamento fgts"}, {21, "DIFERPGTOPIS", "diferenca pagamento pis"},
      {22, "SALDO", "saldo"}, {23, "SALDOINSS", "saldo inss"}, {24, "SALDOFGTS", "saldo fgts"},
      {25, "SALDOPIS", "saldo pis"}, {26, "INDENIZ", "indenizacao"}, {27, "INDENIZFGTS", "indenizacao fgts"},
      {28, "INDENIZPIS", "indenizacao pis"}, {29, "ADIANT", "adiantamento"},
      {30, "ADIANTFGTS", "adiantamento fgts"}}},
    {"fpaProv13SalRat",
     {{1, "CODIGOOUTEMP", "outra empresa"}, {2, "CODIGOCENTROCUSTO", "centro custo"}, {3, "AJUSTE", "ajuste"},
      {4, "AJUSTEINSS", "ajuste inss"}, {5, "AJUSTEFGTS", "ajuste fgts"}, {6, "AJUSTEPIS", "ajuste pis"},
      {7, "MES", "mes"}, {8, "MESINSS", "mes inss"}, {9, "MESFGTS", "mes fgts"}, {10, "MESPIS", "mes pis"},
      {11, "PAGO", "pago"}, {12, "PAGOINSS", "pago inss"}, {13, "PAGOFGTS", "pago fgts"}, {14, "PAGOPIS", "pago pis"},
      {15, "DIFERPGTO", "diferenca pagamento"}, {16, "DIFERPGTOINSS", "diferenca pagamento inss"},
      {17, "DIFERPGTOFGTS", "diferenca pagamento fgts"}, {18, "DIFERPGTOPIS", "diferenca pagamento pis"}}},
};

// Lower case, accents dropped, split into words ("13º" gives "13o", "1/3" gives "1" and "3").
QStringList palavras(const QString& texto)
{
    QString simples;
    for (const QChar c : texto.normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            simples.append(c.toLower());
        }
    }
    static const QRegularExpression separador(QStringLiteral("[^a-z0-9]+"));
    return simples.split(separador, Qt::SkipEmptyParts);
}

// A word of the column matches a caption word that begins with it, so that
// abbreviations ("Adic.", "Acrés.") and ordinals ("13º") match.
bool nomeia(const QStringList& legenda, const Coluna& coluna)
{
    const QStringList exigidas = palavras(QString::fromUtf8(coluna.palavras));
    return std::all_of(exigidas.begin(), exigidas.end(), [&](const QString& palavra) {
        return std::any_of(legenda.begin(), legenda.end(), [&](const QString& w) { return w.startsWith(palavra); });
    });
}

// The column whose words the caption contains, the most specific one when
// several match ("Mês INSS" names MESINSS, not MES). -1 when none or when two
// equally specific columns match.
int colunaNomeada(const QString& legenda, const std::vector<Coluna>& colunas)
{
    const QStringList palavrasLegenda = palavras(legenda);
    int melhor = -1;
    qsizetype melhorTamanho = 0;
    bool empate = false;
    for (const Coluna& coluna : colunas) {
        if (!nomeia(palavrasLegenda, coluna)) {
            continue;
        }
        const qsizetype tamanho = palavras(QString::fromUtf8(coluna.palavras)).size();
        if (tamanho > melhorTamanho) {
            melhor = coluna.numero;
            melhorTamanho = tamanho;
            empate = false;
        } else if (tamanho == melhorTamanho) {
            empate = true;
        }
    }
    return empate ? -1 : melhor;
}

int numeroDe(const char* funcao, const char* legenda)
{
    for (const ItemCatalogo& item : catalogo(QString::fromLatin1(funcao)).itens) {
        if (item.legenda == QString::fromUtf8(legenda)) {
            return item.numero;
        }
    }
    return -100;
}

}  // namespace

TEST(NumerosColunas, EveryItemWritesTheColumnItsCaptionNames)
{
    for (const ColunasFuncao& funcao : kColunas) {
        for (const ItemCatalogo& item : catalogo(QString::fromLatin1(funcao.funcao)).itens) {
            SCOPED_TRACE(std::string(funcao.funcao) + " " + item.legenda.toStdString());
            EXPECT_EQ(item.numero, colunaNomeada(item.legenda, funcao.colunas));
        }
    }
}

TEST(NumerosColunas, EveryPayrollCatalogueIsChecked)
{
    for (const Catalogo& c : catalogos()) {
        const bool verificado = std::any_of(kColunas.begin(), kColunas.end(), [&](const ColunasFuncao& f) {
            return c.funcao == QLatin1String(f.funcao);
        });
        // The company fields are the host's, numbered by the menu itself.
        EXPECT_EQ(verificado, !c.escreveDica) << c.funcao.toStdString();
    }
}

TEST(NumerosColunas, EmployeeAddressAndContactFollowTheEmployeeQuery)
{
    EXPECT_EQ(numeroDe("fpaFunc", "DDD Telefone"), 17);
    EXPECT_EQ(numeroDe("fpaFunc", "Telefone"), 18);
    EXPECT_EQ(numeroDe("fpaFunc", "E-mail"), 19);
    EXPECT_EQ(numeroDe("fpaFunc", "Logrador Endereço"), 20);
    EXPECT_EQ(numeroDe("fpaFunc", "CEP"), 28);
    // The menu keeps its place: address under "Endereço", contact under "Adicionais".
    const Catalogo& funcionario = catalogo(QStringLiteral("fpaFunc"));
    EXPECT_EQ(funcionario.itens[16].legenda, QString::fromUtf8("Logrador Endereço"));
    EXPECT_EQ(funcionario.itens[16].grupo, QString::fromUtf8("Endereço"));
    EXPECT_EQ(funcionario.itens[27].legenda, QStringLiteral("E-mail"));
    EXPECT_EQ(funcionario.itens[27].grupo, QStringLiteral("Adicionais"));
}

TEST(NumerosColunas, GpsPercentagesFollowTheGpsQuery)
{
    EXPECT_EQ(numeroDe("fpaGPS", "Acréscimo FAP"), 22);
    EXPECT_EQ(numeroDe("fpaGPS", "Percentual Terceiros/Convênio"), 19);
    EXPECT_EQ(numeroDe("fpaGPS", "Percentual Diretor/Autônomo"), 20);
    EXPECT_EQ(numeroDe("fpaGPS", "Percentual Insenção Filantropia"), 21);
    EXPECT_EQ(catalogo(QStringLiteral("fpaGPS")).itens[17].legenda, QString::fromUtf8("Acréscimo FAP"));
}

TEST(NumerosColunas, TheOracleTellsColumnsApart)
{
    const std::vector<Coluna> colunas = {{11, "MES", "mes"}, {13, "MESINSS", "mes inss"}, {12, "MES1TERC", "mes 1/3"}};
    EXPECT_EQ(colunaNomeada(QString::fromUtf8("Mês"), colunas), 11);
    EXPECT_EQ(colunaNomeada(QString::fromUtf8("Mês INSS"), colunas), 13);
    EXPECT_EQ(colunaNomeada(QString::fromUtf8("Mês 1/3"), colunas), 12);
    EXPECT_EQ(colunaNomeada(QStringLiteral("Saldo"), colunas), -1);
    EXPECT_EQ(colunaNomeada(QStringLiteral("INSS 1/3"), {{1, "A", "inss"}, {2, "B", "3"}}), -1);
}
