// The "Fórmulas" drop-down: its tree against the catalogue tables, and the
// formula that each kind of item writes, with the parameter dialog answered
// by script.
#include "EditorTeste.h"

#include "src/formulas/DialogoMaisFuncoes.h"
#include "src/formulas/EditorParametro.h"
#include "src/formulas/FuncoesConhecidas.h"
#include "src/formulas/TVandrelParamFormula.h"

#include "catalog/Catalogo.h"
#include "catalog/ComandoQuebra.h"


#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <vector>

namespace {

using spreadsheet::CellRange;

class FormulasTest : public JanelaTeste {
protected:
    void SetUp() override
    {
        JanelaTeste::SetUp();
        raiz = principal->findChild<QToolButton*>(QStringLiteral("tbSummary"))->menu();
    }

    // Captions of a menu's entries, "-" for separators.
    static QStringList legendas(const QMenu& menu)
    {
        QStringList lista;
        for (const QAction* item : menu.actions())
            lista << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return lista;
    }

    QAction* item(const QStringList& caminho) const
    {
        const QMenu* menu = raiz;
        for (qsizetype i = 0; i < caminho.size(); ++i) {
            const QList<QAction*> itens = menu->actions();
            // "Outra Empresa" has an item and a group both called "Endereço".
            const bool ultimo = i == caminho.size() - 1;
            const auto achado = std::find_if(itens.begin(), itens.end(), [&](const QAction* a) {
                return a->text() == caminho[i] && (ultimo || a->menu());
            });
            if (achado == itens.end())
                return nullptr;
            if (ultimo)
                return *achado;
            menu = (*achado)->menu();
            if (!menu)
                return nullptr;
        }
        return nullptr;
    }

    QMenu* submenu(const QStringList& caminho) const
    {
        QAction* a = item(caminho);
        return a ? a->menu() : nullptr;
    }

    // Answers the next parameter dialog with these values (OK), or with
    // Cancel when `ok` is false; what it showed is kept.
    void responder(std::vector<QString> valores, bool ok = true)
    {
        aoAbrirModal([this, valores = std::move(valores), ok](QWidget* modal) {
            auto* dialogo = qobject_cast<TVandrelParamFormula*>(modal);
            ASSERT_NE(dialogo, nullptr);
            editoresVistos = int(dialogo->editores().size());
            for (std::size_t i = 0; i < valores.size() && i < dialogo->editores().size(); ++i)
                dialogo->editores()[i]->definirTexto(valores[i]);
            dialogo->findChild<QPushButton*>(QString::fromLatin1(ok ? "nBtnOk" : "nBtnCancel"))->click();
        });
    }

    QString escrito() const { return folha->text(0, 0); }

    QMenu* raiz = nullptr;
    int editoresVistos = -1;
};

const QString kFolha = QStringLiteral("Folha de Pagamento   ");

TEST_F(FormulasTest, TheTreeFollowsTheLayoutWithItsTrailingBlanks)
{
    EXPECT_EQ(legendas(*raiz), (QStringList{"Soma", "Média", "Contar", "Máximo", "Mínimo", "-", "Número Página",
                                            "Empresa", kFolha, "Contábeis", "-", "Mais Funções..."}));
    EXPECT_EQ(legendas(*submenu({kFolha})),
              (QStringList{"Quebras", "Funcionário", "Organograma", "Evento", "Evento Rateado   ", "-", "GPS",
                           "Outra Empresa", "Imposto Cálculo", "-", "Provisão de Férias",
                           "Provisão de Férias Rateado   ", "-", "Provisão de 13º Salário",
                           "Provisão de 13º Salário Rateado   "}));
    EXPECT_EQ(legendas(*submenu({kFolha, "Funcionário"})),
              (QStringList{"Dados Cadastrais", "Endereço", "Adicionais", "Totalizadores", "Históricos"}));
    EXPECT_EQ(legendas(*submenu({kFolha, "Quebras"})),
              (QStringList{"Estabelecimento", "Outra Empresa", "Centro de Custo", "Organograma", "Funcionário"}));
    EXPECT_EQ(legendas(*submenu({"Contábeis"})),
              (QStringList{"Data Referência", "Descrição Conta", "Classificação Conta", "Tipo Conta", "Apelido Conta",
                           "-", "Descrição Centro", "Classificação Centro", "Tipo Centro", "-", "Saldo Anterior",
                           "Saldo Atual", "Movimento", "Débitos", "Créditos"}));
}

// Every row of every catalogue is an item of its submenu or of its group,
// in the table's order, with the field number as its tag.
TEST_F(FormulasTest, EachCatalogueHasItsItemsInTheirGroups)
{
    for (const catalog::Catalogo& catalogo : catalog::catalogos()) {
        for (const catalog::ItemCatalogo& linha : catalogo.itens) {
            QStringList caminho = catalogo.caminho;
            if (!linha.grupo.isEmpty())
                caminho << linha.grupo;
            const QAction* achado = item(caminho << linha.legenda);
            ASSERT_NE(achado, nullptr) << caminho.join(u'/').toStdString();
            EXPECT_EQ(achado->statusTip(), linha.dica);
        }
    }
    EXPECT_EQ(submenu({"Empresa"})->actions().size(), 5 + 6 + 3);  // items 1-5, six groups, items 60-62
    EXPECT_EQ(legendas(*submenu({"Empresa", "Sócio Resp. Federal"})).front(), QStringLiteral("Código Sócio"));
}

struct Escolha {
    QStringList caminho;       // in the drop-down, or the name of an action
    std::vector<QString> valores;  // typed into the editors; none means no dialog
    QString formula;
};

class EscolhaTest : public FormulasTest, public ::testing::WithParamInterface<Escolha> {};

TEST_P(EscolhaTest, WritesTheComposedFormula)
{
    const Escolha& e = GetParam();
    selecionar(CellRange::cell(0, 0));
    QAction* comando = e.caminho.size() == 1 && e.caminho.front().startsWith(u'a')
                           ? principal->acao(e.caminho.front())
                           : item(e.caminho);
    ASSERT_NE(comando, nullptr);
    if (!e.valores.empty())
        responder(e.valores);
    comando->trigger();
    EXPECT_EQ(escrito(), e.formula);
}

const QString kDados = QStringLiteral("Dados Cadastrais");

INSTANTIATE_TEST_SUITE_P(
    Itens, EscolhaTest,
    ::testing::Values(Escolha{{kFolha, "Funcionário", kDados, "CPF"}, {"15"}, "=fpaFunc(4;15)"},
                      Escolha{{kFolha, "Funcionário", kDados, "CPF"}, {"  "}, "=fpaFunc(4)"},
                      Escolha{{kFolha, "Funcionário", "Históricos", "Cargos", "Código do Cargo"}, {"7"},
                              "=fpaFuncHistCargo(0;7)"},
                      Escolha{{kFolha, "Funcionário", "Totalizadores", "Total de Empregados Demitidos"}, {""},
                              "=fpaFuncTotais(3)"},
                      Escolha{{"Empresa", "Código Empresa"}, {}, "=gerEMP(1)"},
                      Escolha{{"Empresa", "Valor Nominal das Cotas"}, {}, "=gerEMP(62)"},
                      Escolha{{"Número Página"}, {}, "=ctbPAG()"},
                      Escolha{{"actFormCtbSAN"}, {"5", "", "1..5", ""}, "=ctbSAN(5;1..5)"},
                      Escolha{{"actFormFpaEvValor"}, {"100", "", "1.01", "7"}, "=fpaEvValor(100;-1;\"1.01\";7)"},
                      Escolha{{"actFormFpaEvValor"}, {"100"}, "=fpaEvValor(100)"},
                      Escolha{{"actFormFpaEvValor"}, {"100", "", "", "7"}, "=fpaEvValor(100;-1;\"\";7)"},
                      Escolha{{"actFormFpaOrganDescr"}, {"1", "B5"}, "=fpaOrganDescr(1;B5)"},
                      Escolha{{"actFormFpaRatValor"}, {"9", "", "", "", "", "3"}, "=fpaRatValor(9;-1;-1;-1;\"\";3)"},
                      Escolha{{kFolha, "Imposto Cálculo", "FGTS", "Valor do FGTS Normal"}, {"1"},
                              "=fpaImpCalc(5;1)"}));

TEST_F(FormulasTest, CancelWritesNothingAndTheBottomRightCellIsTheTarget)
{
    folha->setValue(0, 0, 3.0);
    responder({"15"}, false);
    item({kFolha, "Funcionário", kDados, "CPF"})->trigger();
    EXPECT_EQ(folha->value(0, 0).number(), 3.0);

    selecionar({1, 1, 3, 4});  // B2:D5
    for (const catalog::ComandoQuebra& quebra : catalog::comandosQuebra()) {
        principal->acao(QString::fromLatin1(quebra.acao))->trigger();
        EXPECT_EQ(folha->text(4, 3), quebra.palavra);
    }
    // A sender that is no menu item does nothing.
    principal->actDefineQuebra(principal.get());
    principal->ItemCatalogoClick(nullptr, catalog::catalogo(QStringLiteral("fpaFunc")));
    EXPECT_EQ(folha->text(4, 3), catalog::comandosQuebra().back().palavra);
}

// F1 on an item of the open menu, and in the dialog, opens its function's page.
TEST_F(FormulasTest, F1OpensThePageOfTheFunction)
{
    const auto f1 = [](QWidget* alvo) {
        QKeyEvent tecla(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(alvo, &tecla);
    };
    QMenu* dados = submenu({kFolha, "Funcionário", kDados});
    dados->popup({0, 0});
    dados->setActiveAction(item({kFolha, "Funcionário", kDados, "CPF"}));
    f1(dados);
    dados->hide();
    aoAbrirModal([&f1](QWidget* dialogo) {
        f1(dialogo);
        static_cast<QDialog*>(dialogo)->reject();
    });
    principal->acao(QStringLiteral("actFormCtbSAN"))->trigger();
    QStringList paginas;
    for (const auto& exibido : dialogos->exibidos())
        if (exibido.dialogo == host::DialogosRoteiro::Dialogo::Ajuda)
            paginas << exibido.texto;
    EXPECT_EQ(paginas, (QStringList{"fpaFunc.htm", "ctbSAN.htm"}));
}

// What the formula editors propose: the built-in functions by the
// convention's names, the suite's with their menus' parameters.
TEST_F(FormulasTest, ProposalsFollowTheConvention)
{
    const auto argumentos = [](spreadsheet::FormulaConvention convencao, const QString& nome) {
        for (const auto& entrada : funcoesConhecidas(convencao))
            if (entrada.name == nome)
                return entrada.arguments;
        return QStringLiteral("(ausente)");
    };
    using C = spreadsheet::FormulaConvention;
    EXPECT_EQ(argumentos(C::Brazilian, "SOMA"), QStringLiteral("núm1; [núm2]; ..."));
    EXPECT_EQ(argumentos(C::English, "SUM"), QStringLiteral("núm1, [núm2], ..."));
    EXPECT_EQ(argumentos(C::Brazilian, "SUM"), QStringLiteral("(ausente)"));
    EXPECT_EQ(argumentos(C::Brazilian, "fpaFunc"), QStringLiteral("nCampo; nCodigoFunc"));
    EXPECT_EQ(argumentos(C::Brazilian, "ctbSAN"), QStringLiteral("nConta; [nMesRef]; [nFilial]; [nAno]"));
}

// "Mais Funções...": the search narrows as typed, whatever the accents, and
// a choice gives the function as typed with the arguments to ask for.
TEST_F(FormulasTest, TheFunctionBrowserFindsAndGivesTheArguments)
{
    DialogoMaisFuncoes navegador(spreadsheet::FormulaConvention::Brazilian, principal.get());
    const int todas = navegador.filtrar(QString());
    EXPECT_GT(todas, 61);  // the built-in ones and the suite's
    EXPECT_EQ(navegador.filtrar(QStringLiteral("cont.num")), 1);  // CONT.NÚM
    EXPECT_GE(navegador.filtrar(QStringLiteral("vlookup")), 1);
    const auto escolher = [&](const QString& procurado) {
        navegador.filtrar(procurado);
        for (QTreeWidgetItemIterator it(&navegador.arvore(), QTreeWidgetItemIterator::NotHidden); *it; ++it)
            if ((*it)->childCount() == 0) {
                navegador.arvore().setCurrentItem(*it);
                break;
            }
        return navegador.escolhida();
    };
    const std::optional<FuncaoEscolhida> procv = escolher(QStringLiteral("PROCV"));
    ASSERT_TRUE(procv);
    EXPECT_EQ(procv->funcao, QStringLiteral("PROCV"));
    ASSERT_EQ(procv->parametros.size(), 4u);
    EXPECT_EQ(procv->parametros[3].nome, QStringLiteral("procurar_intervalo"));
    EXPECT_FALSE(procv->parametros[3].obrigatorio);
    const std::optional<FuncaoEscolhida> func = escolher(QStringLiteral("fpaFuncTotais"));
    ASSERT_TRUE(func);
    ASSERT_EQ(func->parametros.size(), 1u);
    EXPECT_EQ(func->parametros[0].nome, QStringLiteral("nCampo"));
}

TEST_F(FormulasTest, EnteringAnEditorShowsItsHelpBeforeTheDescription)
{
    TVandrelParamFormula dialogo(principal.get());
    dialogo.setFuncao(QStringLiteral("ctbSAN"));
    dialogo.setDescricao(QStringLiteral("Saldo."));
    dialogo.AddParam(host::NovoParam(QStringLiteral("nConta"), QStringLiteral("Conta Contábil"), true));
    dialogo.AddParam(host::NovoParam(QStringLiteral("nMesRef"), QStringLiteral("Mês Referência"), false));
    dialogo.AddParam(host::NovoParam(QStringLiteral("nCentro"), QStringLiteral("Centro Custo"), false));
    dialogo.ConfigurarParam();
    dialogo.show();
    auto* descricao = dialogo.findChild<QLabel*>(QStringLiteral("nLbDescricao"));
    dialogo.editores()[1]->campo().setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(descricao->text().startsWith(QStringLiteral("nMesRef: Indique o mês de referência")));
    EXPECT_TRUE(descricao->text().endsWith(QStringLiteral("\r\n\r\nSaldo.")));
    dialogo.editores()[2]->campo().setFocus();
    QApplication::processEvents();
    EXPECT_EQ(descricao->text(), QStringLiteral("\r\n\r\nSaldo."));
    // Labels line up at the widest one.
    EXPECT_EQ(dialogo.editores()[0]->larguraRotulo(), dialogo.editores()[1]->larguraRotulo());
    EXPECT_EQ(dialogo.size(), QSize(426, 299));
}

}  // namespace
