// The formula actions and the break commands.

#include "catalog/AcaoFormula.h"
#include "catalog/ComandoQuebra.h"
#include "catalog/TabelaStrings.h"

#include "host/HostError.h"

#include <gtest/gtest.h>

using namespace catalog;

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList nomes(const AcaoFormula& acao)
{
    QStringList result;
    for (const ParametroCatalogo& p : acao.parametros) {
        result.append(QString::fromLatin1(p.nome));
    }
    return result;
}

// What each handler asks for: the accounting balances add month, branches
// and year; an apportioned event adds other company and cost centre after the
// establishment; an event reference adds the auxiliary event list.
QStringList parametrosDoManipulador(const AcaoFormula& acao)
{
    const QString manipulador = QString::fromLatin1(acao.manipulador);
    if (manipulador == QLatin1String("actFormCtbDTAExecute")) {
        return {QStringLiteral("nMesRef")};
    }
    if (manipulador == QLatin1String("actFormulaGerExecute")) {
        return {QStringLiteral("nCentro")};
    }
    if (manipulador == QLatin1String("actFormFpaOrganDescrExecute")) {
        return {QStringLiteral("nCodigoEstab"), QStringLiteral("nOrganograma")};
    }
    if (manipulador == QLatin1String("actFormulaCtbExecute")) {
        static const QStringList saldos = {"ctbSAN", "ctbSAT", "ctbMOV", "ctbDEB", "ctbCRE"};
        QStringList result{QStringLiteral("nConta")};
        if (saldos.contains(acao.funcao, Qt::CaseInsensitive)) {
            result << QStringLiteral("nMesRef") << QStringLiteral("nFilial") << QStringLiteral("nAno");
        }
        return result;
    }
    QStringList result{QStringLiteral("nCodigoEvento"), QStringLiteral("nCodigoEstab")};
    if (acao.tag == 1) {
        result << QStringLiteral("nCodigoOutEmp") << QStringLiteral("nCodigoCentroCusto");
    }
    result << QStringLiteral("nOrganograma") << QStringLiteral("nCodigoFunc");
    if (acao.tag == 2) {
        result << QStringLiteral("nListaCodigoEvento");
    }
    return result;
}

}  // namespace

TEST(AcoesFormula, ParameterListsAreTheHandlersExpanded)
{
    ASSERT_EQ(acoesFormula().size(), 22u);
    for (const AcaoFormula& acao : acoesFormula()) {
        SCOPED_TRACE(acao.nome);
        EXPECT_EQ(nomes(acao), parametrosDoManipulador(acao));
        const bool organograma = acao.funcao == QLatin1String("fpaOrganDescr");
        for (std::size_t i = 0; i < acao.parametros.size(); ++i) {
            EXPECT_EQ(acao.parametros[i].obrigatorio, i == 0 || organograma);
        }
        EXPECT_EQ(acao.ajusteFolha, acao.funcao.startsWith(QLatin1String("fpa")));
    }
    EXPECT_EQ(acaoFormula(QStringLiteral("actFormFpaEvRefer")).tag, 2);
    EXPECT_EQ(acaoFormula(QStringLiteral("actFormFpaRatOutEmp")).tag, 1);
    EXPECT_EQ(u(acaoFormula(QStringLiteral("actFormFpaOrganDescr")).parametros[0].legenda), u("Código da Filial"));
    EXPECT_EQ(u(acaoFormula(QStringLiteral("actFormFpaRatValor")).parametros[1].legenda),
              u("Código do Estabelecimento"));
    EXPECT_EQ(u(acaoFormula(QStringLiteral("actFormFpaEvRefer")).parametros.back().legenda),
              QStringLiteral("Lista de Evento auxiliar a compor a Ref."));
}

TEST(AcoesFormula, HintsComeFromTheStringTable)
{
    EXPECT_TRUE(acaoFormula(QStringLiteral("actFormCtbApel")).dica.isEmpty());
    EXPECT_EQ(acaoFormula(QStringLiteral("actFormFpaOrganDescr")).dica, u("Descrição do Organograma"));
    const QString saldo = acaoFormula(QStringLiteral("actFormCtbSAN")).dica;
    EXPECT_TRUE(saldo.startsWith(QStringLiteral("Retorna saldo anterior da Conta ")));
    EXPECT_EQ(saldo, TabelaStrings::texto(TabelaStrings::kPrimeiraDescricao));
    const QString referencia = acaoFormula(QStringLiteral("actFormFpaEvRefer")).dica;
    EXPECT_TRUE(referencia.contains(u("Referência do Evento do Funcionário\n\nCaso queria Somar")));
    EXPECT_TRUE(referencia.endsWith(QStringLiteral("fpaEvRef(1;A4;B5;C6;\"35;37;49\")")));
    EXPECT_TRUE(acaoFormula(QStringLiteral("actFormCtbTipo")).dica.endsWith(QStringLiteral("=\"1\";\"T\";\"\")")));
    for (const AcaoFormula& acao : acoesFormula()) {
        EXPECT_EQ(acao.dica.isEmpty(), qstrcmp(acao.nome, "actFormCtbApel") == 0) << acao.nome;
    }
}

TEST(AcoesFormula, SitInTheirSubmenus)
{
    const QString folha = QStringLiteral("Folha de Pagamento   ");
    EXPECT_EQ(acaoFormula(QStringLiteral("actFormFpaRatCentCusto")).caminho,
              (QStringList{folha, QStringLiteral("Evento Rateado   ")}));
    EXPECT_EQ(acaoFormula(QStringLiteral("actFormFpaEvBase")).caminho, (QStringList{folha, QStringLiteral("Evento")}));
    EXPECT_EQ(acaoFormula(QStringLiteral("actFormFpaOrganDescr")).caminho,
              (QStringList{folha, QStringLiteral("Organograma")}));
    EXPECT_EQ(acaoFormula(QStringLiteral("actFormCtbDTA")).caminho, QStringList{u("Contábeis")});
    QStringList separadas;
    for (const AcaoFormula& acao : acoesFormula()) {
        if (acao.separadorAntes) {
            separadas.append(QString::fromLatin1(acao.nome));
        }
    }
    EXPECT_EQ(separadas, (QStringList{"actFormCtbGerDesc", "actFormCtbSAN"}));
    EXPECT_THROW(acaoFormula(QStringLiteral("actFormFpaQbEstab")), host::HostError);
}

TEST(ComandosQuebra, OnePerBreakKindInMenuOrder)
{
    const std::vector<ComandoQuebra>& comandos = comandosQuebra();
    ASSERT_EQ(comandos.size(), 5u);
    const char* const acoes[] = {"actFormFpaQbEstab", "actFormFpaQbOutEmp", "actFormFpaQbCenCusto",
                                 "actFormFpaQbOrgan", "actFormFpaQbFunc"};
    const QStringList palavras = {"ESTAB", "OUTEMP", "CENCUSTO", "ORGAN", "FUNC"};
    const QStringList quebras = {QStringLiteral("Folha de Pagamento   "), QStringLiteral("Quebras")};
    for (std::size_t i = 0; i < comandos.size(); ++i) {
        EXPECT_STREQ(comandos[i].acao, acoes[i]);
        EXPECT_EQ(comandos[i].palavra, palavras[static_cast<qsizetype>(i)]);
        EXPECT_EQ(comandos[i].caminho, quebras);
    }
    EXPECT_EQ(comandos[0].legenda, QStringLiteral("Estabelecimento"));
    EXPECT_EQ(comandos[0].dica, QStringLiteral("Efetua a quebra pela Filial"));
    EXPECT_EQ(comandos[1].dica, QStringLiteral("Efetuar a quebra por Outra Empresa"));
    EXPECT_EQ(comandos[4].legenda, u("Funcionário"));
    EXPECT_EQ(comandos[4].dica, u("Define a quebra por Funcionário"));
}
