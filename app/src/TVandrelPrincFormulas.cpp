// The main window's formula insertion: the catalogue menus of the
// "Fórmulas" drop-down, their handlers and the parameter dialog.
#include "src/TVandrelPrincForm.h"

#include "src/Aplicacao.h"

#include "src/formulas/DialogoMaisFuncoes.h"
#include "src/formulas/FuncaoSuite.h"
#include "src/formulas/MenuFormulas.h"
#include "src/formulas/TVandrelParamFormula.h"
#include "workbook/TVandrelFilhaForm.h"

#include "catalog/AcaoFormula.h"
#include "catalog/Catalogo.h"
#include "catalog/ComandoQuebra.h"
#include "catalog/ComposicaoFormula.h"

#include "ajuda/GeradorAjuda.h"
#include "host/HostError.h"
#include "host/TnDialogos.h"

#include <spreadsheet/FormulaConvention.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QAction>
#include <QMenu>
#include <QStatusBar>

namespace {

using T = TVandrelPrincForm;
using Manipulador = void (T::*)(QObject*);

// The formula actions name their handler in the catalogue.
Manipulador manipuladorDe(const char* nome)
{
    static constexpr std::pair<const char*, Manipulador> kManipuladores[] = {
        {"actFormulaCtbExecute", &T::actFormulaCtbExecute}, {"actFormulaGerExecute", &T::actFormulaGerExecute},
        {"actFormCtbDTAExecute", &T::actFormCtbDTAExecute}, {"actFormFpaExecute", &T::actFormFpaExecute},
        {"actFormFpaOrganDescrExecute", &T::actFormFpaOrganDescrExecute},
    };
    for (const auto& [chave, manipulador] : kManipuladores) {
        if (QByteArrayView(chave) == nome)
            return manipulador;
    }
    throw host::HostError(QStringLiteral("Manipulador de fórmula desconhecido: %1.").arg(QLatin1String(nome)));
}

// The function an item of the drop-down inserts, for F1.
const char* const kFuncao = "funcao";

// The page-number item: its hint is the formula it writes.
const QString kNumeroPagina = QStringLiteral("Número Página");
const QString kFormulaNumeroPagina = QStringLiteral("=ctbPAG()");

}  // namespace

void TVandrelPrincForm::criarAcoesFormula()
{
    const auto catalogada = [this](const char* nome, const QString& legenda, const QString& dica,
                                   Manipulador manipulador) {
        auto* item = new QAction(legenda, this);
        item->setObjectName(QString::fromLatin1(nome));
        item->setToolTip(dica);
        item->setStatusTip(dica);
        connect(item, &QAction::triggered, this,
                Aplicacao::comando([this, item, manipulador] { (this->*manipulador)(item); }));
        if (manipulador != &T::actDefineQuebra)
            item->setProperty(kFuncao, catalog::acaoFormula(item->objectName()).funcao);
        FAcoes[item->objectName()] = item;
    };
    for (const catalog::AcaoFormula& formula : catalog::acoesFormula())
        catalogada(formula.nome, formula.legenda, formula.dica, manipuladorDe(formula.manipulador));
    for (const catalog::ComandoQuebra& quebra : catalog::comandosQuebra())
        catalogada(quebra.acao, quebra.legenda, quebra.dica, &T::actDefineQuebra);
}

// The window's creation: the catalogue builders, once, in their order.
void TVandrelPrincForm::FormCreate()
{
    statusBar();  // where the hints of the menu items show
    criarEsqueletoFormulas();
    for (const auto construtor :
         {&T::CriarMenuDarveloCtb, &T::CriarMenuDarveloFpaFuncionario, &T::CriarMenuDarveloFpaGPS,
          &T::CriarMenuDarveloFpaFuncTotais, &T::CriarMenuDarveloFpaOutraEmpresa, &T::CriarMenuDarveloFpaImpostoCalculo,
          &T::CriarMenuDarveloFpaHistoricos, &T::CriarMenuDarveloFpaProvisoes})
        (this->*construtor)();
    QMenu& raiz = FMenuFormulas->submenu({});
    raiz.installEventFilter(this);
    for (QMenu* menu : raiz.findChildren<QMenu*>())
        menu->installEventFilter(this);
}

// The fixed part of the drop-down: the page number, then the submenus in
// the order they show, the commands that live in them, and the browser.
// The builders fill and extend the submenus afterwards.
void TVandrelPrincForm::criarEsqueletoFormulas()
{
    QMenu& raiz = FMenuFormulas->submenu({});
    QAction* pagina = raiz.addAction(kNumeroPagina);
    pagina->setObjectName(QStringLiteral("NmeroPgina1"));
    pagina->setStatusTip(kFormulaNumeroPagina);
    pagina->setProperty(kFuncao, kFormulaNumeroPagina.mid(1, kFormulaNumeroPagina.indexOf(u'(') - 1));
    connect(pagina, &QAction::triggered, this, Aplicacao::comando([this, pagina] { NmeroPgina1Click(pagina); }));
    FMenuFormulas->submenu(catalog::catalogo(QStringLiteral("gerEMP")).caminho);
    const QStringList& quebras = catalog::comandosQuebra().front().caminho;
    FMenuFormulas->submenu(quebras);
    FMenuFormulas->submenu(catalog::catalogo(QStringLiteral("fpaFunc")).caminho);
    for (const char* primeira : {"actFormFpaOrganDescr", "actFormFpaEvValor", "actFormFpaRatValor", "actFormCtbDTA"})
        FMenuFormulas->submenu(catalog::acaoFormula(QString::fromLatin1(primeira)).caminho);
    for (const catalog::ComandoQuebra& quebra : catalog::comandosQuebra())
        FMenuFormulas->submenu(quebra.caminho).addAction(acao(QString::fromLatin1(quebra.acao)));
    for (const catalog::AcaoFormula& formula : catalog::acoesFormula()) {
        QMenu& menu = FMenuFormulas->submenu(formula.caminho);
        if (formula.separadorAntes)
            menu.addSeparator();
        menu.addAction(acao(QString::fromLatin1(formula.nome)));
    }
    raiz.addSeparator();
    raiz.addAction(acao(QStringLiteral("actMaisFuncoes")));
}

void TVandrelPrincForm::criarCatalogos(std::initializer_list<const char*> funcoes)
{
    for (const char* funcao : funcoes) {
        const catalog::Catalogo& catalogo = catalog::catalogo(QString::fromLatin1(funcao));
        FMenuFormulas->criarCatalogo(catalogo, [this, &catalogo](QAction* item) {
            item->setProperty(kFuncao, catalogo.funcao);
            connect(item, &QAction::triggered, this,
                    Aplicacao::comando([this, item, &catalogo] { ItemCatalogoClick(item, catalogo); }));
        });
    }
}

void TVandrelPrincForm::CriarMenuDarveloCtb()
{
    criarCatalogos({"gerEMP"});
}

void TVandrelPrincForm::CriarMenuDarveloFpaFuncionario()
{
    criarCatalogos({"fpaFunc"});
}

void TVandrelPrincForm::CriarMenuDarveloFpaGPS()
{
    criarCatalogos({"fpaGPS"});
}

void TVandrelPrincForm::CriarMenuDarveloFpaFuncTotais()
{
    criarCatalogos({"fpaFuncTotais"});
}

void TVandrelPrincForm::CriarMenuDarveloFpaOutraEmpresa()
{
    criarCatalogos({"fpaOutEmp"});
}

void TVandrelPrincForm::CriarMenuDarveloFpaImpostoCalculo()
{
    criarCatalogos({"fpaImpCalc"});
}

void TVandrelPrincForm::CriarMenuDarveloFpaHistoricos()
{
    criarCatalogos({"fpaFuncHistCargo", "fpaFuncHistSalario", "fpaFuncHistEscala", "fpaFuncHistSindicato"});
}

void TVandrelPrincForm::CriarMenuDarveloFpaProvisoes()
{
    criarCatalogos({"fpaProvFer", "fpaProvFerRat", "fpaProv13Sal", "fpaProv13SalRat"});
}

// The bottom-right cell of the selection, with formula recognition. The
// text is in the user's convention; one that the convention cannot read
// (branches 1..5 in pt-BR) goes into the cell as it was composed.
void TVandrelPrincForm::EscreverNaCelula(const QString& texto)
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela)
        return;
    spreadsheet::widgets::SpreadsheetView& grade = janela->cxSpreadBook();
    const spreadsheet::CellRange area = grade.selection();
    QString canonico = texto;
    if (texto.startsWith(u'=')) {
        try {
            canonico = spreadsheet::formulaFromUser(texto, FConvencao);
        } catch (const spreadsheet::SpreadsheetError&) {
            canonico = texto;
        }
    }
    janela->workbook().activeSheet().setText(area.bottom, area.right, canonico, spreadsheet::TextMode::Recognize);
    grade.refresh();
    cxSpreadBookSetSelection();
    atualizarAcoes();
}

void TVandrelPrincForm::InserirFormulaParam(const host::TkvtParamList& parametros, const QString& funcao,
                                            const QString& descricao, const QString& campo, bool ajusteFolha)
{
    TVandrelParamFormula dialogo(this);
    dialogo.setFuncao(funcao);
    dialogo.setDescricao(descricao);
    dialogo.setCampo(campo);
    for (const host::TkvtParamItem& item : parametros)
        dialogo.AddParam(item);
    dialogo.ConfigurarParam();
    connect(&dialogo, &TVandrelParamFormula::ajudaPedida, this,
            Aplicacao::comando([this](const QString& funcao) { abrirAjudaFuncao(funcao); }));
    if (dialogo.exec() != QDialog::Accepted)
        return;
    if (ajusteFolha) {
        std::vector<catalog::ValorParametro> valores = dialogo.valores();
        catalog::AjustarParamFpa(valores);
        dialogo.definirValores(valores);
        dialogo.GerarFormula();
    }
    EscreverNaCelula(dialogo.formula());
}

void TVandrelPrincForm::MenuItemFormulaClick(QObject* sender)
{
    if (const auto* item = qobject_cast<QAction*>(sender))
        EscreverNaCelula(item->statusTip());
}

void TVandrelPrincForm::NmeroPgina1Click(QObject* sender)
{
    MenuItemFormulaClick(sender);
}

void TVandrelPrincForm::ItemCatalogoClick(QObject* sender, const catalog::Catalogo& catalogo)
{
    const auto* item = qobject_cast<QAction*>(sender);
    if (!item)
        return;
    if (catalogo.escreveDica) {
        MenuItemFormulaClick(sender);
        return;
    }
    InserirFormulaParam(itensDe(catalogo.parametros), catalogo.funcao, item->statusTip(),
                        QString::number(item->data().toInt()), catalogo.ajusteFolha);
}

// The actions carry their complete parameter lists in the catalogue: the
// balance functions' month, branches and year, the apportioned events'
// other company and cost centre, the reference's extra event list.
void TVandrelPrincForm::inserirDaAcao(QObject* sender)
{
    const auto* item = qobject_cast<QAction*>(sender);
    if (!item)
        return;
    const catalog::AcaoFormula& formula = catalog::acaoFormula(item->objectName());
    InserirFormulaParam(itensDe(formula.parametros), formula.funcao, formula.dica, QString(), formula.ajusteFolha);
}

void TVandrelPrincForm::actFormulaCtbExecute(QObject* sender)
{
    inserirDaAcao(sender);
}

void TVandrelPrincForm::actFormulaGerExecute(QObject* sender)
{
    inserirDaAcao(sender);
}

void TVandrelPrincForm::actFormCtbDTAExecute(QObject* sender)
{
    inserirDaAcao(sender);
}

void TVandrelPrincForm::actFormFpaExecute(QObject* sender)
{
    inserirDaAcao(sender);
}

void TVandrelPrincForm::actFormFpaOrganDescrExecute(QObject* sender)
{
    inserirDaAcao(sender);
}

bool TVandrelPrincForm::ajudaDoItem(const QAction* item)
{
    const QString funcao = item ? item->property(kFuncao).toString() : QString();
    if (funcao.isEmpty())
        cmdAjuda();
    else
        abrirAjudaFuncao(funcao);
    return true;
}

void TVandrelPrincForm::cmdMaisFuncoes()
{
    if (!ativa())
        return;
    if (const std::optional<FuncaoEscolhida> e = DialogoMaisFuncoes::escolher(FConvencao, this))
        InserirFormulaParam(e->parametros, e->funcao, e->descricao, QString(), e->ajusteFolha);
}

void TVandrelPrincForm::abrirAjudaFuncao(const QString& funcao)
{
    host::MostrarAjuda(FArquivoAjuda, ajuda::GeradorAjuda::arquivoDaFuncao(funcao));
}

void TVandrelPrincForm::actDefineQuebra(QObject* sender)
{
    const auto* item = qobject_cast<QAction*>(sender);
    if (!item)
        return;
    for (const catalog::ComandoQuebra& quebra : catalog::comandosQuebra()) {
        if (item->objectName() == QLatin1String(quebra.acao))
            EscreverNaCelula(quebra.palavra);
    }
}
