// The defined-name commands and the layout tools of the hidden menu, with
// their questions answered by script.
#include "EditorTeste.h"

#include "src/Aplicacao.h"

#include <spreadsheet/Reference.h>

#include <QLabel>

namespace {

using spreadsheet::CellRange;

const CellRange kB2D5{1, 1, 3, 4};

class NomesTest : public JanelaTeste {
protected:
    void SetUp() override
    {
        JanelaTeste::SetUp();
        pasta = &janela->workbook();
    }
    // As the event loop runs a command: an error is shown, not thrown.
    void disparar(const char* nome)
    {
        Aplicacao::mostrandoErros([&] {
            principal->acao(QString::fromLatin1(nome))->trigger();
            return true;
        });
    }
    QStringList nomes() const
    {
        QStringList lista;
        for (const spreadsheet::DefinedName& nome : pasta->names())
            lista << nome.name + u'=' + nome.reference;
        return lista;
    }
    QStringList mensagens() const
    {
        QStringList textos;
        for (const auto& exibido : dialogos->exibidos())
            if (exibido.dialogo == host::DialogosRoteiro::Dialogo::Mensagem)
                textos << exibido.texto;
        return textos;
    }

    spreadsheet::Workbook* pasta = nullptr;
};

TEST_F(NomesTest, EachQuestionOffersItsTextAndCancelChangesNothing)
{
    const struct {
        const char* acao;
        const char* esperado;  // caption, prompt and the text offered
    } kPerguntas[] = {{"actDefineName", "Definir|Nome:|D5"},
                      {"actDeleteName", "Deletar|Nome:|B2 x D5"},
                      {"actCriarNomesValores", "Definir Selecionado|Nome: B2|"}};
    selecionar(kB2D5);
    for (const auto& caso : kPerguntas) {
        dialogos->responderCancelar();
        disparar(caso.acao);
        const auto& caixa = dialogos->exibidos().back();
        EXPECT_EQ(caixa.titulo + u'|' + caixa.texto + u'|' + caixa.botoes.join(u','), QString::fromUtf8(caso.esperado));
    }
    EXPECT_TRUE(nomes().isEmpty());
    EXPECT_FALSE(janela->changed());
}

TEST_F(NomesTest, DefineNamesTheBottomRightCellOnceAndDeleteTakesAnyNameQuietly)
{
    selecionar(kB2D5);
    for (const char* nome : {"Total", "total", "D5"}) {  // a repeated name and a cell address are refused
        dialogos->responderTexto(QString::fromLatin1(nome));
        disparar("actDefineName");
    }
    const QString folha = spreadsheet::sheetPrefix(pasta->activeSheet().name());
    EXPECT_EQ(nomes(), QStringList{QStringLiteral("Total=") + folha + QStringLiteral("$D$5")});
    // The name keeps its sheet when another one is active.
    spreadsheet::Sheet& primeira = pasta->activeSheet();
    pasta->addSheet(QStringLiteral("Outra"));
    pasta->setActiveSheet(pasta->sheetCount() - 1);
    const auto areas = pasta->findName(u"Total")->areas(*pasta);
    ASSERT_EQ(areas.size(), 1U);
    EXPECT_EQ(areas[0].sheet, &primeira);
    pasta->setActiveSheet(0);
    ASSERT_EQ(mensagens().size(), 2);
    EXPECT_EQ(mensagens()[0], QStringLiteral("Já existe um nome \"total\" na pasta."));
    const QString invalido = QStringLiteral("Nome inválido: \"D5\". Um nome começa");  // and says how
    EXPECT_EQ(mensagens()[1].left(invalido.size()), invalido);
    selecionar(CellRange::cell(4, 3));
    EXPECT_EQ(principal->caixaNome().text(), QStringLiteral("Total"));
    dialogos->responderTexto(QStringLiteral("TOTAL"));
    disparar("actDeleteName");
    EXPECT_TRUE(nomes().isEmpty());

    TVandrelFilhaForm& nova = principal->NewSheet(QString());
    dialogos->responderTexto(QStringLiteral("Nada"));
    disparar("actDeleteName");
    EXPECT_TRUE(nova.changed());
    EXPECT_EQ(mensagens().size(), 2);
}

TEST_F(NomesTest, NamesFromTheCellTextsGoAwayAllAtOnce)
{
    spreadsheet::Sheet& folha = pasta->activeSheet();
    folha.setText(0, 1, QStringLiteral("Empresas"));
    folha.setText(1, 1, QStringLiteral("Filiais"));
    selecionar({1, 0, 2, 1});  // B1:C2, the C cells empty
    dialogos->responderTexto(QStringLiteral("p"));
    disparar("actCriarNomesValores");
    const QString prefixo = spreadsheet::sheetPrefix(folha.name());
    EXPECT_EQ(nomes(), (QStringList{QStringLiteral("pEmpresas=") + prefixo + QStringLiteral("$B$1"),
                                    QStringLiteral("pFiliais=") + prefixo + QStringLiteral("$B$2")}));
    const auto perguntas = dialogos->exibidos().size();
    disparar("actDeletarTodosNomes");
    EXPECT_TRUE(nomes().isEmpty());
    EXPECT_EQ(dialogos->exibidos().size(), perguntas);
}

TEST_F(NomesTest, TheLayoutToolsNeedTheirSheetsAndNames)
{
    const struct {
        const char* planilhas;
        const char* mensagem;
    } kCasos[] = {{"", "Parametros esta nil."},  // "Parâmetros" of a new workbook is another sheet
                  {"Parametros", "Layout esta nil."},
                  {"Parametros;Layout", "Nome: Empresas não encontrado."}};
    for (const auto& caso : kCasos) {
        for (const QString& nome : QString::fromLatin1(caso.planilhas).split(u';', Qt::SkipEmptyParts))
            if (!pasta->findSheet(nome))
                pasta->addSheet(nome);
        for (const char* acao : {"actAux", "actGerar"}) {
            disparar(acao);
            EXPECT_EQ(mensagens().back(), QString::fromUtf8(caso.mensagem)) << acao;
        }
    }
}

TEST_F(NomesTest, PagesPerCompanyDropTheNoteRowsAndAreReusedOnTheNextRun)
{
    pasta->addSheet(QStringLiteral("Parametros")).pasteTabSeparatedText(0, 1, QStringLiteral("1;3\n1\n45292\n45322\n"));
    for (const char* nome : {"Empresas", "Filiais", "DataInicial", "DataFinal"})
        pasta->defineName(QString::fromLatin1(nome), QStringLiteral("Parametros!B%1").arg(pasta->names().size() + 1));
    pasta->addSheet(QStringLiteral("Layout"))
        .pasteTabSeparatedText(0, 0, QStringLiteral("x\tTítulo\t\n1\t=2+3\tv\n\trest\t\n"));
    const struct {
        const char* acao;
        const char* pagina;  // its first two rows, at most three columns
    } kCasos[] = {{"actAux", "1\t5\tv\n\trest\t\n"}, {"actGerar", "5\tv\nrest\t\n"}};
    for (const auto& caso : kCasos) {
        for (int vez = 0; vez < 2; ++vez) {
            disparar(caso.acao);
            ASSERT_EQ(pasta->sheetCount(), 7) << caso.acao;  // three of a new workbook, two made, Emp1 and Emp3
            for (const char* nome : {"Emp1", "Emp3"})
                EXPECT_EQ(pasta->findSheet(QString::fromLatin1(nome))->toTabSeparatedText({0, 0, 2, 1}),
                          QString::fromUtf8(caso.pagina))
                    << caso.acao << ' ' << nome << ' ' << vez;
        }
    }
    EXPECT_FALSE(pasta->findSheet(u"Emp1")->isFormula(0, 0));
    EXPECT_EQ(mensagens().mid(0, 2), (QStringList{QStringLiteral("01/01/2024"), QStringLiteral("31/01/2024")}));
    EXPECT_TRUE(principal->windowTitle().startsWith(QStringLiteral("Tempo: ")));
}

}  // namespace
