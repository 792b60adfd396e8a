#include "src/TVandrelPrincForm.h"

#include "src/AcoesPrincipais.h"
#include "src/ArranjoJanelas.h"
#include "src/BarraCelula.h"
#include "src/Aplicacao.h"
#include "src/IconesBarra.h"
#include "src/DialogoLocalizar.h"
#include "src/formatar/DialogoFormatarCelulas.h"
#include "src/formulas/FuncoesConhecidas.h"
#include "src/formulas/MenuFormulas.h"
#include "src/nomes/ComandosNomes.h"
#include "src/nomes/PaginasLeiaute.h"
#include "src/PainelHistorico.h"
#include "src/TVandrelModificarForm.h"
#include "workbook/TVandrelFilhaForm.h"

#include "catalog/TnUtilPlanilha.h"

#include "host/HostError.h"
#include "host/TnConfig.h"
#include "host/TnDialogos.h"

#include <spreadsheet/CellFormatting.h>
#include <spreadsheet/History.h>
#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

#include <sqlite3.h>

using spreadsheet::TriState;

namespace {

const QString kFiltro = QStringLiteral("Planilhas do Darvelo|*.nxs|Microsoft Excel 97 e anteriores|*.xls");
const QString kPerguntaSalvar = QStringLiteral("Deseja salvar a Planilha modificada?");
const QStringList kTamanhos{"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"};

// The view options: the check mark of each, read from the workbook and
// written back when it is toggled. A sheet's option is off or on once the
// user chose; "default" shows as on, except the formulas.
struct OpcaoVisao {
    const char* acao;
    bool (*ler)(const spreadsheet::Workbook&, const spreadsheet::Sheet&);
    void (*gravar)(spreadsheet::Workbook&, spreadsheet::Sheet&, bool marcada);
};

TriState estado(bool marcada)
{
    return marcada ? TriState::On : TriState::Off;
}

const OpcaoVisao kOpcoesVisao[] = {
    {"actShowcaptions", [](const spreadsheet::Workbook& w, const spreadsheet::Sheet&) { return w.sheetTabsVisible(); },
     [](spreadsheet::Workbook& w, spreadsheet::Sheet&, bool m) { w.setSheetTabsVisible(m); }},
    {"actShowgrid", [](const spreadsheet::Workbook&, const spreadsheet::Sheet& s) { return s.gridLines() != TriState::Off; },
     [](spreadsheet::Workbook&, spreadsheet::Sheet& s, bool m) { s.setGridLines(estado(m)); }},
    {"actShowheaders", [](const spreadsheet::Workbook&, const spreadsheet::Sheet& s) { return s.headers() != TriState::Off; },
     [](spreadsheet::Workbook&, spreadsheet::Sheet& s, bool m) { s.setHeaders(estado(m)); }},
    {"actShowformulas",
     [](const spreadsheet::Workbook&, const spreadsheet::Sheet& s) { return s.showFormulas() == TriState::On; },
     [](spreadsheet::Workbook&, spreadsheet::Sheet& s, bool m) { s.setShowFormulas(estado(m)); }},
    {"actR1C1Referencestyle", [](const spreadsheet::Workbook& w, const spreadsheet::Sheet&) { return w.r1c1References(); },
     [](spreadsheet::Workbook& w, spreadsheet::Sheet&, bool m) { w.setR1C1References(m); }},
};

using Zona = spreadsheet::widgets::SpreadsheetView::ContextZone;

// The right-click menus, by the part of the grid clicked; "-" is a
// separator. Commands not yet carried out are left out.
const std::map<Zona, std::vector<const char*>> kMenusContexto{
    {Zona::Cells,
     {"actCut", "actCopy", "actPaste", "-", "actInsertCells", "actDeleteCells", "-", "actFormatCells", "-",
      "actDefineName", "actDeleteName"}},
    {Zona::RowHeaders,
     {"actCut", "actCopy", "actPaste", "-", "actRowIns", "actDeleteCells", "-", "actHideRow", "actShowRow",
      "actMudarAlturaRow"}},
    {Zona::ColumnHeaders,
     {"actCut", "actCopy", "actPaste", "-", "actColumnIns", "actDeleteCells", "-", "actHideCol", "actShowCol",
      "actMudarLarguraCol"}},
    {Zona::SheetTabs, {"actSheetIns", "actSheetDel"}},
};

// A mistaken setting must not keep the editor from starting: the user is
// told, and the Brazilian convention stays.
spreadsheet::FormulaConvention convencaoConfigurada()
{
    const QString nome = host::nConfig().valor(QStringLiteral("ConvencaoFormulas"));
    try {
        return nome.isEmpty() ? spreadsheet::FormulaConvention::Brazilian : spreadsheet::formulaConventionFromName(nome);
    } catch (const spreadsheet::SpreadsheetError& erro) {
        host::nShowMessage(erro.message() + QStringLiteral(" O editor usa \"pt-BR\"."), host::TipoMensagem::Aviso);
        return spreadsheet::FormulaConvention::Brazilian;
    }
}

bool temComando(const QString& nome)
{
    for (const AcaoPrincipal& definicao : acoesPrincipais()) {
        if (nome == QLatin1String(definicao.nome))
            return definicao.comando != nullptr;
    }
    return false;
}

TVandrelFilhaForm* filhaDe(QMdiSubWindow* janela)
{
    return janela ? qobject_cast<TVandrelFilhaForm*>(janela->widget()) : nullptr;
}

}  // namespace

TVandrelPrincForm::TVandrelPrincForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Darvelo - Módulo Contabilidade - Editor de Planilhas"));
    FConvencao = convencaoConfigurada();
    FArea = new QMdiArea(this);
    FArea->setViewMode(QMdiArea::SubWindowView);
    setCentralWidget(FArea);
    criarAcoes();
    criarBarras();
    criarMenus();
    criarBarraCelula();
    ligarComandos();
    FormCreate();
    FArquivoAjuda = QApplication::applicationDirPath() + QStringLiteral("/Darvelo.chm");
    connect(FArea, &QMdiArea::subWindowActivated, this, [this] {
        cxSpreadBookSetSelection();
        if (const TVandrelFilhaForm* janela = ativa())
            acao(QStringLiteral("actAutomaticCalc"))->setChecked(janela->workbook().automaticCalculation());
        atualizarAcoes();
    });
    resize(939, 766);
    if (const QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    atualizarAcoes();
}

// The workbook windows go after this object's members; nothing they signal
// while closing may reach it.
TVandrelPrincForm::~TVandrelPrincForm()
{
    // Closing hides the workbook windows, and the area then tells of a new
    // active one; no listener may hear it with this window half destroyed.
    FArea->disconnect();
    // The formula box may hold the keyboard: losing it as it goes ends its edit.
    FBarraCelula->disconnect(this);
    for (QMdiSubWindow* sub : FArea->subWindowList()) {
        sub->removeEventFilter(this);
        if (TVandrelFilhaForm* filha = filhaDe(sub))
            filha->disconnect(this);
    }
}

QAction* TVandrelPrincForm::acao(const QString& nome) const
{
    const auto it = FAcoes.find(nome);
    if (it == FAcoes.end())
        throw host::HostError(QStringLiteral("Ação desconhecida: %1").arg(nome));
    return it->second;
}

void TVandrelPrincForm::criarAcoes()
{
    for (const AcaoPrincipal& definicao : acoesPrincipais()) {
        auto* acao = new QAction(QString::fromUtf8(definicao.rotulo), this);
        acao->setObjectName(QString::fromLatin1(definicao.nome));
        acao->setToolTip(QString::fromUtf8(definicao.dica));
        acao->setStatusTip(acao->toolTip());
        const char* tecla = *definicao.atalho ? definicao.atalho : definicao.teclaUsual;
        acao->setShortcut(QKeySequence(QString::fromLatin1(tecla)));
        acao->setCheckable(definicao.marcavel);
        acao->setVisible(!definicao.oculta);
        acao->setIcon(IconesBarra::icone(acao->objectName()));
        FAcoes[acao->objectName()] = acao;
    }
    for (const char* marcada : {"actShowcaptions", "actShowgrid", "actShowheaders"})
        FAcoes[QString::fromLatin1(marcada)]->setChecked(true);
    criarAcoesFormula();
}

// Menus and toolbars alike: "-" stands for a separator.
QWidget* TVandrelPrincForm::comAcoes(QWidget* destino, std::initializer_list<const char*> nomes)
{
    for (const char* nome : nomes) {
        if (QByteArrayView(nome) == "-") {
            auto* separador = new QAction(destino);
            separador->setSeparator(true);
            destino->addAction(separador);
        } else {
            destino->addAction(acao(QString::fromLatin1(nome)));
        }
    }
    return destino;
}

void TVandrelPrincForm::criarMenus()
{
    QMenuBar* barra = menuBar();
    QMenu* arquivo = barra->addMenu(QStringLiteral("&Arquivo"));
    arquivo->setObjectName(QStringLiteral("mnuFile"));
    comAcoes(arquivo, {"actNew", "actOpenSpreadSheet", "-", "actSave", "actSaveSpeadSheet", "-", "actPrintSetup"});
    QMenu* area = arquivo->addMenu(QStringLiteral("&Área de Impressão"));
    area->setObjectName(QStringLiteral("PrintArea1"));
    comAcoes(area, {"actSetPrintArea", "actClearPrintArea"});
    comAcoes(arquivo, {"actPreview", "actPrint", "-", "actExit"});

    QMenu* editar = barra->addMenu(QStringLiteral("&Editar"));
    editar->setObjectName(QStringLiteral("mnuEdit"));
    comAcoes(editar, {"actAutomaticCalc", "actRecalcFormulas", "-", "actCut", "actCopy", "actPaste", "-"});
    auto* localizar = editar->addAction(QStringLiteral("Localizar e Substituir"));
    localizar->setObjectName(QStringLiteral("LocalizareSubstituir"));
    localizar->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    connect(localizar, &QAction::triggered, this, Aplicacao::comando([this] {
        if (!FLocalizar)
            FLocalizar = new DialogoLocalizar(this, [this] { return ativa(); }, FConvencao);
        FLocalizar->show();
        FLocalizar->raise();
        FLocalizar->activateWindow();
    }));
    FAcoes[localizar->objectName()] = localizar;
    editar->addSeparator();
    comAcoes(editar->addMenu(QStringLiteral("&Planilha")), {"actSheetIns", "actSheetDel"})
        ->setObjectName(QStringLiteral("miSheet"));
    comAcoes(editar->addMenu(QStringLiteral("C&élulas")),
             {"actFormatCells", "-", "actHideCells", "actShowCells", "-", "actInsertCells", "actDeleteCells", "-",
              "actDefineName", "actDeleteName"})
        ->setObjectName(QStringLiteral("miCells"));
    comAcoes(editar->addMenu(QStringLiteral("C&olunas")),
             {"actColumnIns", "actDeleteCells", "-", "actHideCol", "actShowCol", "actMudarLarguraCol"})
        ->setObjectName(QStringLiteral("miColumns"));
    comAcoes(editar->addMenu(QStringLiteral("&Linhas")),
             {"actRowIns", "actDeleteCells", "-", "actHideRow", "actShowRow", "actMudarAlturaRow"})
        ->setObjectName(QStringLiteral("miRows"));

    QMenu* configuracao = barra->addMenu(QStringLiteral("&Configuração"));
    configuracao->setObjectName(QStringLiteral("mnuConfig"));
    comAcoes(configuracao, {"actBeveledLookandFeel", "actBufferedpaint", "-", "actShowcaptions", "actShowgrid",
                            "actShowheaders", "actShowformulas"});
    configuracao->addSeparator()->setVisible(false);
    comAcoes(configuracao, {"actR1C1Referencestyle"});

    QMenu* janela = barra->addMenu(QStringLiteral("&Janela"));
    janela->setObjectName(QStringLiteral("mnuWindow"));
    comAcoes(janela, {"actWindowCascade", "actWindowTileHorizontal", "actWindowTileVertical",
                      "actWindowMinimizeAll", "actWindowArrange", "actWindowClose"});
    // The list of open workbook windows follows the items.
    connect(janela, &QMenu::aboutToShow, this, [this, janela] {
        for (QAction* item : janela->actions()) {
            if (item->property("listaJanelas").toBool())
                janela->removeAction(item), item->deleteLater();
        }
        int numero = 1;
        for (QMdiSubWindow* sub : FArea->subWindowList()) {
            auto* item = janela->addAction(QStringLiteral("&%1 %2").arg(numero++).arg(sub->windowTitle()));
            item->setProperty("listaJanelas", true);
            item->setCheckable(true);
            item->setChecked(sub == FArea->activeSubWindow());
            connect(item, &QAction::triggered, this, Aplicacao::comando([this, sub] { mostrarJanela(sub); }));
        }
    });

    QMenu* ajuda = barra->addMenu(QStringLiteral("Ajuda"));
    ajuda->setObjectName(QStringLiteral("mnuAjuda"));
    comAcoes(ajuda, {"actAjuda", "actSobre"});
    criarMenuAuxilios(*barra);
}

// Tools for whoever prepares the report layouts: on the menu bar, never
// shown, so that only code reaches them.
void TVandrelPrincForm::criarMenuAuxilios(QMenuBar& barra)
{
    const struct {
        const char* nome;
        const char* legenda;
        std::function<void()> comando;
    } kAuxilios[] = {
        {"actDeletarTodosNomes", "Deletar todos os nome", [this] { comNomes(&ComandosNomes::excluirTodos); }},
        {"actCriarNomesValores", "criar nome com valores", [this] { comNomes(&ComandosNomes::criarComValores); }},
        {"actAux", "aux", [this] { comPaginas(&PaginasLeiaute::copiar); }},
        {"actGerar", "Gerar", [this] { comPaginas(&PaginasLeiaute::gerar); }},
        {"actVerFormulas", "Ver formulas", nullptr},
    };
    QMenu* auxilios = barra.addMenu(QStringLiteral("Auxilios differsos"));
    auxilios->setObjectName(QStringLiteral("mnuAuxilios"));
    auxilios->menuAction()->setVisible(false);
    for (const auto& item : kAuxilios) {
        QAction* acao = auxilios->addAction(QString::fromUtf8(item.legenda));
        acao->setObjectName(QString::fromLatin1(item.nome));
        if (item.comando)
            connect(acao, &QAction::triggered, this, Aplicacao::comando(item.comando));
        FAcoes[acao->objectName()] = acao;
    }
}

void TVandrelPrincForm::criarBarras()
{
    QToolBar* padrao = addToolBar(QStringLiteral("Standard"));
    padrao->setObjectName(QStringLiteral("tbsStandart"));
    comAcoes(padrao, {"actNew", "actOpenSpreadSheet"});
    // The Save button follows unsaved changes; the menu item is always there.
    auto* botaoSalvar = new QAction(QStringLiteral("Salvar"), this);
    botaoSalvar->setObjectName(QStringLiteral("tbsSave"));
    botaoSalvar->setToolTip(QStringLiteral("Salvar"));
    botaoSalvar->setIcon(IconesBarra::icone(botaoSalvar->objectName()));
    acao(QStringLiteral("actSave"))->setIcon(botaoSalvar->icon());
    connect(botaoSalvar, &QAction::triggered, acao(QStringLiteral("actSave")), &QAction::trigger);
    FAcoes[botaoSalvar->objectName()] = botaoSalvar;
    padrao->addAction(botaoSalvar);
    comAcoes(padrao, {"-", "actCut", "actCopy", "actPaste"});

    QToolBar* formatacao = addToolBar(QStringLiteral("Formatting"));
    formatacao->setObjectName(QStringLiteral("tbsFormatting"));
    FCaixaFonte = new QComboBox(formatacao);
    FCaixaFonte->setObjectName(QStringLiteral("cbxFont"));
    FCaixaFonte->setEditable(true);
    FCaixaFonte->addItems(QFontDatabase::families());
    FCaixaFonte->setEditText(QStringLiteral("Tahoma"));
    FCaixaFonte->setFixedWidth(132);
    FCaixaFonte->installEventFilter(this);
    formatacao->addWidget(FCaixaFonte);
    FCaixaTamanho = new QComboBox(formatacao);
    FCaixaTamanho->setObjectName(QStringLiteral("cbxSize"));
    FCaixaTamanho->setEditable(true);
    FCaixaTamanho->addItems(kTamanhos);
    FCaixaTamanho->setEditText(QStringLiteral("10"));
    FCaixaTamanho->setFixedWidth(44);
    FCaixaTamanho->lineEdit()->installEventFilter(this);
    formatacao->addWidget(FCaixaTamanho);
    connect(FCaixaFonte, &QComboBox::editTextChanged, acao(QStringLiteral("actFont")), &QAction::trigger);
    connect(FCaixaTamanho, &QComboBox::editTextChanged, acao(QStringLiteral("actFontSize")), &QAction::trigger);
    formatacao->addSeparator();
    auto* alinhamentos = new QActionGroup(this);
    alinhamentos->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const char* nome : {"actCellLeftAlign", "actCellCenterAlign", "actCellRightAlign"})
        formatacao->addAction(alinhamentos->addAction(acao(QString::fromLatin1(nome))));
    comAcoes(formatacao, {"-", "actBold", "actItalic", "actUnderline", "actStrikeOut"});

    // A second row, so that every button shows in a window of the usual size.
    addToolBarBreak();
    QToolBar* historico = addToolBar(QStringLiteral("History"));
    historico->setObjectName(QStringLiteral("tlbHistory"));
    comAcoes(historico, {"actUndo", "actRedo"});
    criarListaHistorico(*historico, true);
    criarListaHistorico(*historico, false);

    QToolBar* tabela = addToolBar(QStringLiteral("History"));
    tabela->setObjectName(QStringLiteral("tbsTable"));
    comAcoes(tabela, {"actMergeCells", "actSplitCells", "-"});
    tabela->addWidget(criarBotaoFormulas(*tabela));
    comAcoes(tabela, {"-", "actSortAscending", "actSortDescending", "-"});
    // The border list: twelve pictures in four columns of three.
    auto* bordas = new QToolButton(tabela);
    bordas->setObjectName(QStringLiteral("tbBorderStyle"));
    bordas->setText(QStringLiteral("Bordas"));
    bordas->setToolTip(QStringLiteral("Bordas"));
    bordas->setIcon(IconesBarra::icone(bordas->objectName()));
    auto* listaBordas = new QMenu(bordas);
    listaBordas->setObjectName(QStringLiteral("pmBorders"));
    auto* grade = new QWidget(listaBordas);
    auto* disposicao = new QGridLayout(grade);
    disposicao->setContentsMargins(2, 2, 2, 2);
    disposicao->setSpacing(1);
    for (int preset = 0; preset < spreadsheet::CellFormatting::kBorderPresets; ++preset) {
        auto* item = new QToolButton(grade);
        item->setObjectName(QStringLiteral("borda%1").arg(preset));
        item->setIcon(IconesBarra::borda(preset));
        item->setIconSize(QSize(14, 24));
        item->setAutoRaise(true);
        connect(item, &QToolButton::clicked, this, Aplicacao::comando([this, listaBordas, preset] {
            listaBordas->close();
            aplicarBordas(preset);
        }));
        disposicao->addWidget(item, preset / 4, preset % 4);
    }
    auto* itemGrade = new QWidgetAction(listaBordas);
    itemGrade->setDefaultWidget(grade);
    listaBordas->addAction(itemGrade);
    bordas->setMenu(listaBordas);
    bordas->setPopupMode(QToolButton::InstantPopup);
    tabela->addWidget(bordas);

    QToolBar* celulas = addToolBar(QStringLiteral("Cells"));
    celulas->setObjectName(QStringLiteral("tlbCells"));
    comAcoes(celulas, {"actFormatCells", "-", "actDefineName", "actDeleteName"});
}

void TVandrelPrincForm::criarBarraCelula()
{
    addToolBarBreak();
    FBarraCelula = new BarraCelula(this);
    addToolBar(Qt::TopToolBarArea, FBarraCelula);
    FCaixaNome = &FBarraCelula->caixaNome();
    FCaixaFormula = &FBarraCelula->caixaFormula();
    FFuncoes = funcoesConhecidas(FConvencao);
    (new spreadsheet::widgets::FormulaCompleter(*FCaixaFormula))->setEntries(FFuncoes);
    connect(FBarraCelula, &BarraCelula::textoEditado, this, &TVandrelPrincForm::formulaEditada);
    connect(FBarraCelula, &BarraCelula::edicaoTerminada, this, Aplicacao::comando([this](bool manter, bool voltarAGrade) {
        // Escape gives up this edit only; the grid takes the keyboard back
        // when there was one.
        const bool editada = FFormulaEditada;
        encerrarEdicaoFormula(manter);
        TVandrelFilhaForm* janela = ativa();
        if (janela && voltarAGrade && (manter || editada))
            janela->cxSpreadBook().setFocus();
    }));
}

void TVandrelPrincForm::ligarComandos()
{
    for (const AcaoPrincipal& definicao : acoesPrincipais()) {
        if (definicao.comando)
            connect(acao(QString::fromLatin1(definicao.nome)), &QAction::triggered, this,
                    Aplicacao::comando(this, definicao.comando));
    }
}

void TVandrelPrincForm::cmdNova()
{
    NewSheet(QString());
}

void TVandrelPrincForm::cmdSalvar()
{
    salvar();
}

void TVandrelPrincForm::cmdSalvarComo()
{
    salvarComo();
}

void TVandrelPrincForm::cmdSair()
{
    close();
}

void TVandrelPrincForm::cmdFecharJanela()
{
    FArea->closeActiveSubWindow();
}

void TVandrelPrincForm::cmdCascata()
{
    FArea->cascadeSubWindows();
}

void TVandrelPrincForm::cmdLadoALadoHorizontal()
{
    ArranjoJanelas::ladoALado(*FArea, Qt::Horizontal);
}

void TVandrelPrincForm::cmdLadoALadoVertical()
{
    ArranjoJanelas::ladoALado(*FArea, Qt::Vertical);
}

void TVandrelPrincForm::cmdArrumarTudo()
{
    ArranjoJanelas::arrumarIcones(*FArea);
}

void TVandrelPrincForm::cmdMinimizarTodas()
{
    for (QMdiSubWindow* sub : FArea->subWindowList())
        sub->showMinimized();
}

void TVandrelPrincForm::cmdAjuda()
{
    host::MostrarAjuda(FArquivoAjuda, QStringLiteral("Vandrel.htm"));
}

void TVandrelPrincForm::cmdSobre()
{
    QMessageBox::about(this, QStringLiteral("Sobre o Darvelo Planilhas"),
                       QStringLiteral("<p><b>Darvelo Planilhas</b> %1</p>"
                                      "<p>Editor de planilhas e gerador de relatórios da folha de pagamento.</p>"
                                      "<p>Feito com Qt %2, liborcus, libxlsxwriter, libgsf e SQLite %3.</p>")
                           .arg(QStringLiteral(DARVELO_VERSAO), QString::fromLatin1(qVersion()),
                                QString::fromLatin1(sqlite3_libversion())));
}

void TVandrelPrincForm::cmdDesfazer()
{
    percorrerHistorico(true, 1);
}

void TVandrelPrincForm::cmdRefazer()
{
    percorrerHistorico(false, 1);
}

// The clipboard commands act on the formula box while it has the focus.
void TVandrelPrincForm::cmdRecortar()
{
    if (FCaixaFormula->hasFocus())
        FCaixaFormula->cut();
    else if (TVandrelFilhaForm* janela = ativa())
        janela->cxSpreadBook().cutToClipboard();
}

void TVandrelPrincForm::cmdCopiar()
{
    if (FCaixaFormula->hasFocus())
        FCaixaFormula->copy();
    else if (TVandrelFilhaForm* janela = ativa())
        janela->cxSpreadBook().copyToClipboard();
}

void TVandrelPrincForm::cmdColar()
{
    if (FCaixaFormula->hasFocus())
        FCaixaFormula->paste();
    else if (TVandrelFilhaForm* janela = ativa())
        janela->cxSpreadBook().pasteFromClipboard();
}

void TVandrelPrincForm::cmdCalculoAutomatico()
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela)
        return;
    const bool ligado = acao(QStringLiteral("actAutomaticCalc"))->isChecked();
    janela->workbook().setAutomaticCalculation(ligado);
    if (ligado)
        janela->workbook().calculate();
    janela->cxSpreadBook().refresh();
}

void TVandrelPrincForm::cmdRecalcular()
{
    if (TVandrelFilhaForm* janela = ativa())
        janela->workbook().calculate(), janela->cxSpreadBook().refresh();
}

void TVandrelPrincForm::aplicarFormato(unsigned flags, spreadsheet::HorizontalAlignment alinhamento, unsigned estilos,
                                       const QString& fonte, int tamanho)
{
    TVandrelFilhaForm* janela = ativa();
    if (FIsUpdate || !janela)
        return;
    spreadsheet::widgets::SpreadsheetView& grade = janela->cxSpreadBook();
    spreadsheet::CellFormatting::ApplyCellFormat(janela->workbook().activeSheet(), grade.selection(), flags,
                                                 alinhamento, estilos, fonte, tamanho);
    grade.refresh();
    // The boxes already show what was typed; rewriting them would move the
    // cursor under the user's fingers.
    if ((flags & (spreadsheet::kSetFontName | spreadsheet::kSetFontSize)) == 0)
        RefreshFormatState();
    atualizarAcoes();
}

void TVandrelPrincForm::cmdAlinharEsquerda()
{
    aplicarFormato(spreadsheet::kSetAlignment, spreadsheet::HorizontalAlignment::Left, 0);
}

void TVandrelPrincForm::cmdCentralizar()
{
    aplicarFormato(spreadsheet::kSetAlignment, spreadsheet::HorizontalAlignment::Center, 0);
}

void TVandrelPrincForm::cmdAlinharDireita()
{
    aplicarFormato(spreadsheet::kSetAlignment, spreadsheet::HorizontalAlignment::Right, 0);
}

// The button's state after the click says whether the style goes on.
void TVandrelPrincForm::alternarEstilo(const char* nomeAcao, unsigned flag, unsigned estilo)
{
    const bool ligado = acao(QString::fromLatin1(nomeAcao))->isChecked();
    aplicarFormato(flag, {}, ligado ? estilo : 0u);
}

void TVandrelPrincForm::cmdNegrito()
{
    alternarEstilo("actBold", spreadsheet::kSetBold, spreadsheet::kBold);
}

void TVandrelPrincForm::cmdItalico()
{
    alternarEstilo("actItalic", spreadsheet::kSetItalic, spreadsheet::kItalic);
}

void TVandrelPrincForm::cmdSublinhado()
{
    alternarEstilo("actUnderline", spreadsheet::kSetUnderline, spreadsheet::kUnderline);
}

void TVandrelPrincForm::cmdRiscado()
{
    alternarEstilo("actStrikeOut", spreadsheet::kSetStrikeOut, spreadsheet::kStrikeOut);
}

// Each text typed in the font box is applied as it stands.
void TVandrelPrincForm::cmdFonte()
{
    const QString nome = FCaixaFonte->currentText().trimmed();
    if (!nome.isEmpty())
        aplicarFormato(spreadsheet::kSetFontName, {}, 0, nome);
}

// A size that is not a whole number is no size: nothing happens.
void TVandrelPrincForm::cmdTamanhoFonte()
{
    bool inteiro = false;
    const int tamanho = FCaixaTamanho->currentText().toInt(&inteiro);
    if (inteiro && tamanho > 0)
        aplicarFormato(spreadsheet::kSetFontSize, {}, 0, {}, tamanho);
}

void TVandrelPrincForm::naSelecao(
    const std::function<void(spreadsheet::Sheet&, const spreadsheet::CellRange&)>& mudanca)
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela)
        return;
    spreadsheet::widgets::SpreadsheetView& grade = janela->cxSpreadBook();
    mudanca(janela->workbook().activeSheet(), grade.selection());
    grade.refresh();
    cxSpreadBookSetSelection();
    atualizarAcoes();
}

void TVandrelPrincForm::aplicarBordas(int preset)
{
    naSelecao([preset](spreadsheet::Sheet& folha, const spreadsheet::CellRange& area) {
        spreadsheet::CellFormatting::applyBorderPreset(folha, area, preset);
    });
}

void TVandrelPrincForm::cmdMesclar()
{
    naSelecao([](spreadsheet::Sheet& folha, const spreadsheet::CellRange& area) { folha.mergeCells(area); });
}

void TVandrelPrincForm::cmdFormatarCelulas()
{
    naSelecao([this](spreadsheet::Sheet& folha, const spreadsheet::CellRange& area) {
        DialogoFormatarCelulas::ShowFormatCellsDialog(folha, area, DialogoFormatarCelulas::Numero, this);
    });
    RefreshFormatState();
}

void TVandrelPrincForm::cmdDividir()
{
    naSelecao([](spreadsheet::Sheet& folha, const spreadsheet::CellRange& area) { folha.splitCells(area); });
}

void TVandrelPrincForm::cmdOrdenarAscendente()
{
    naSelecao([](spreadsheet::Sheet& folha, const spreadsheet::CellRange& area) {
        folha.SortByColumnValues(area, {spreadsheet::SortOrder::Ascending}, {});
    });
}

void TVandrelPrincForm::cmdOrdenarDescendente()
{
    naSelecao([](spreadsheet::Sheet& folha, const spreadsheet::CellRange& area) {
        folha.SortByColumnValues(area, {spreadsheet::SortOrder::Descending}, {});
    });
}

// By the action's tag: sum, average, count, maximum, minimum.
void TVandrelPrincForm::InsertSummaryFormula(int tipo)
{
    static constexpr const char* kFuncoes[] = {"SUM", "AVERAGE", "COUNT", "MAX", "MIN"};
    naSelecao([tipo](spreadsheet::Sheet& folha, const spreadsheet::CellRange& area) {
        const QString formula = QStringLiteral("=%1(%2)").arg(QLatin1String(kFuncoes[tipo]), spreadsheet::rangeText(area));
        folha.setText(area.bottom + 1, area.right, formula, spreadsheet::TextMode::Recognize);
    });
}

void TVandrelPrincForm::cmdSoma()
{
    InsertSummaryFormula(0);
}

void TVandrelPrincForm::cmdMedia()
{
    InsertSummaryFormula(1);
}

void TVandrelPrincForm::cmdContar()
{
    InsertSummaryFormula(2);
}

void TVandrelPrincForm::cmdMaximo()
{
    InsertSummaryFormula(3);
}

void TVandrelPrincForm::cmdMinimo()
{
    InsertSummaryFormula(4);
}

void TVandrelPrincForm::cmdInserirLinha()
{
    naSelecao([](spreadsheet::Sheet& folha, const spreadsheet::CellRange& area) { folha.InsertRows(area.bottom, 1); });
}

void TVandrelPrincForm::cmdInserirColuna()
{
    naSelecao([](spreadsheet::Sheet& folha, const spreadsheet::CellRange& area) { folha.InsertColumns(area.right, 1); });
}

void TVandrelPrincForm::cmdInserirPlanilha()
{
    naSelecao([](spreadsheet::Sheet& folha, const spreadsheet::CellRange&) { folha.workbook().addSheet(); });
}

// A workbook keeps at least one sheet: the last one is refused.
void TVandrelPrincForm::cmdExcluirPlanilha()
{
    naSelecao([](spreadsheet::Sheet& folha, const spreadsheet::CellRange&) {
        spreadsheet::Workbook& pasta = folha.workbook();
        if (pasta.sheetCount() == 1) {
            host::nShowMessage(QStringLiteral("A planilha \"%1\" é a única da pasta de trabalho e não pode ser excluída.")
                                   .arg(folha.name()),
                               host::TipoMensagem::Aviso);
            return;
        }
        pasta.deleteSheet(pasta.activeSheetIndex());
    });
}

void TVandrelPrincForm::perguntarTamanho(bool colunas)
{
    TVandrelFilhaForm* janela = ativa();
    if (FIsUpdate || !janela)
        return;
    const spreadsheet::CellRange area = janela->cxSpreadBook().selection();
    spreadsheet::Sheet& folha = janela->workbook().activeSheet();
    QString valor = QString::number(colunas ? folha.columnWidth(area.right) : folha.rowHeight(area.bottom));
    if (!host::nInputQuery(QString::fromUtf8(colunas ? "Coluna" : "Linha"),
                           QString::fromUtf8(colunas ? "Largura em pixel:" : "Altura em pixel:"), valor))
        return;
    bool inteiro = false;
    int tamanho = valor.trimmed().toInt(&inteiro);
    if (!inteiro)
        tamanho = 10;
    naSelecao([colunas, tamanho](spreadsheet::Sheet& f, const spreadsheet::CellRange& a) {
        const spreadsheet::HistoryScope acao(f.workbook().history(),
                                             QString::fromUtf8(colunas ? "Largura da coluna" : "Altura da linha"));
        for (int i = colunas ? a.left : a.top; i <= (colunas ? a.right : a.bottom); ++i)
            colunas ? f.setColumnWidth(i, tamanho) : f.setRowHeight(i, tamanho);
    });
    janela->MarkChanged();
}

void TVandrelPrincForm::cmdMudarLargura()
{
    perguntarTamanho(true);
}

void TVandrelPrincForm::cmdMudarAltura()
{
    perguntarTamanho(false);
}

// The selection's own rows (columns), each once, as one action.
void TVandrelPrincForm::mostrarLinhas(bool colunas, bool ocultas)
{
    naSelecao([colunas, ocultas](spreadsheet::Sheet& f, const spreadsheet::CellRange& a) {
        const spreadsheet::HistoryScope acao(
            f.workbook().history(),
            QString::fromUtf8(ocultas ? (colunas ? "Ocultar colunas" : "Ocultar linhas")
                                      : (colunas ? "Reexibir colunas" : "Reexibir linhas")));
        for (int i = colunas ? a.left : a.top; i <= (colunas ? a.right : a.bottom); ++i)
            colunas ? f.setColumnHidden(i, ocultas) : f.setRowHidden(i, ocultas);
    });
}

void TVandrelPrincForm::cmdOcultarLinhas()
{
    mostrarLinhas(false, true);
}

void TVandrelPrincForm::cmdReexibirLinhas()
{
    mostrarLinhas(false, false);
}

void TVandrelPrincForm::cmdOcultarColunas()
{
    mostrarLinhas(true, true);
}

void TVandrelPrincForm::cmdReexibirColunas()
{
    mostrarLinhas(true, false);
}

void TVandrelPrincForm::modificarCelulas(bool inserir)
{
    if (FIsUpdate || !ativa())
        return;
    TVandrelModificarForm dialogo(this);
    // Placed at the integer halves of the window's edges, as it always was.
    dialogo.move((x() + width()) / 2, (y() + height()) / 2);
    if (!dialogo.Execute(inserir))
        return;
    const int codigo = dialogo.FModifySheet;
    naSelecao([inserir, codigo](spreadsheet::Sheet& folha, const spreadsheet::CellRange& area) {
        if (inserir)
            folha.insertCells(area, static_cast<spreadsheet::InsertMove>(codigo));
        else
            folha.deleteCells(area, static_cast<spreadsheet::DeleteMove>(codigo));
    });
}

void TVandrelPrincForm::cmdInserirCelulas()
{
    modificarCelulas(true);
}

void TVandrelPrincForm::cmdExcluirCelulas()
{
    modificarCelulas(false);
}

void TVandrelPrincForm::comNomes(bool (ComandosNomes::*comando)())
{
    TVandrelFilhaForm* janela = ativa();
    if (FIsUpdate || !janela)
        return;
    ComandosNomes nomes(*janela);
    if ((nomes.*comando)())
        cxSpreadBookSetSelection();
}

void TVandrelPrincForm::cmdDefinirNome()
{
    comNomes(&ComandosNomes::definirNome);
}

void TVandrelPrincForm::cmdExcluirNome()
{
    comNomes(&ComandosNomes::excluirNome);
}

// The grid follows the workbook whether the tool finished or an error
// stopped it.
void TVandrelPrincForm::comPaginas(void (PaginasLeiaute::*comando)())
{
    TVandrelFilhaForm* janela = ativa();
    if (FIsUpdate || !janela)
        return;
    const auto mostrar = qScopeGuard([this, janela] {
        janela->cxSpreadBook().refresh();
        cxSpreadBookSetSelection();
        atualizarAcoes();
    });
    PaginasLeiaute paginas(janela->workbook(), *this);
    (paginas.*comando)();
}

void TVandrelPrincForm::cmdExibirGuias()
{
    alternarVisao(QStringLiteral("actShowcaptions"));
}

void TVandrelPrincForm::cmdExibirGrade()
{
    alternarVisao(QStringLiteral("actShowgrid"));
}

void TVandrelPrincForm::cmdExibirCabecalhos()
{
    alternarVisao(QStringLiteral("actShowheaders"));
}

void TVandrelPrincForm::cmdExibirFormulas()
{
    alternarVisao(QStringLiteral("actShowformulas"));
}

void TVandrelPrincForm::cmdReferenciaR1C1()
{
    alternarVisao(QStringLiteral("actR1C1Referencestyle"));
}

// The sum button with its list of formulas. It has a hint of its own, so it
// follows the sum command without taking the command's texts.
QToolButton* TVandrelPrincForm::criarBotaoFormulas(QToolBar& barra)
{
    QAction* soma = acao(QStringLiteral("actSum"));
    auto* botao = new QToolButton(&barra);
    botao->setObjectName(QStringLiteral("tbSummary"));
    botao->setText(soma->text());
    botao->setIcon(soma->icon());
    botao->setToolTip(QStringLiteral("Fórmulas"));
    auto* formulas = new QMenu(botao);
    formulas->setObjectName(QStringLiteral("pmSummary"));
    comAcoes(formulas, {"actSum", "actAverage", "actCount", "actMax", "actMin", "-"});
    FMenuFormulas = std::make_unique<MenuFormulas>(*formulas);
    botao->setMenu(formulas);
    botao->setPopupMode(QToolButton::MenuButtonPopup);
    botao->setEnabled(soma->isEnabled());
    connect(botao, &QToolButton::clicked, soma, &QAction::trigger);
    connect(soma, &QAction::enabledChanged, botao, &QWidget::setEnabled);
    return botao;
}

// The drop-down list of the undo (redo) button, filled each time it opens.
void TVandrelPrincForm::criarListaHistorico(QToolBar& barra, bool desfazer)
{
    QAction* comando = acao(QString::fromLatin1(desfazer ? "actUndo" : "actRedo"));
    auto* botao = qobject_cast<QToolButton*>(barra.widgetForAction(comando));
    auto* lista = new QMenu(botao);
    lista->setObjectName(QString::fromLatin1(desfazer ? "pmUndo" : "pmRedo"));
    auto* painel = new PainelHistorico(QString::fromLatin1(desfazer ? "Undo %1 Actions" : "Redo %1 Actions"),
                                       FSummaryItemHeight, lista);
    auto* item = new QWidgetAction(lista);
    item->setDefaultWidget(painel);
    lista->addAction(item);
    connect(lista, &QMenu::aboutToShow, this, [this, painel, desfazer] {
        QStringList descricoes;
        if (const TVandrelFilhaForm* janela = ativa()) {
            const spreadsheet::History& historico = janela->workbook().history();
            const int total = desfazer ? historico.GetUndoActionCount() : historico.GetRedoActionCount();
            for (int i = 0; i < total; ++i)
                descricoes << (desfazer ? historico.GetUndoAction(i) : historico.GetRedoAction(i));
        }
        painel->preencher(descricoes);
    });
    connect(painel, &PainelHistorico::escolhido, this, Aplicacao::comando([this, lista, desfazer](int quantidade) {
        lista->close();
        percorrerHistorico(desfazer, quantidade);
    }));
    botao->setMenu(lista);
    botao->setPopupMode(QToolButton::MenuButtonPopup);
}

void TVandrelPrincForm::percorrerHistorico(bool desfazer, int quantidade)
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela || janela->isEditorMode())
        return;
    spreadsheet::History& historico = janela->workbook().history();
    if (desfazer)
        historico.Undo(quantidade);
    else
        historico.Redo(quantidade);
    janela->cxSpreadBook().refresh();
    cxSpreadBookSetSelection();
    atualizarAcoes();
}

// The view options follow their own check marks.
void TVandrelPrincForm::alternarVisao(const QString& nome)
{
    TVandrelFilhaForm* janela = ativa();
    if (FIsUpdate || !janela)
        return;
    for (const OpcaoVisao& opcao : kOpcoesVisao) {
        if (nome == QLatin1String(opcao.acao))
            opcao.gravar(janela->workbook(), janela->workbook().activeSheet(), acao(nome)->isChecked());
    }
    janela->cxSpreadBook().refresh();
    cxSpreadBookSetSelection();  // the name box in the reference style now in use
}

void TVandrelPrincForm::atualizarAcoes()
{
    TVandrelFilhaForm* janela = ativa();
    const bool editando = janela && janela->isEditorMode();
    const spreadsheet::History* historico = janela ? &janela->workbook().history() : nullptr;
    for (const AcaoPrincipal& definicao : acoesPrincipais()) {
        QAction* item = acao(QString::fromLatin1(definicao.nome));
        bool ativo = definicao.comando != nullptr;
        switch (definicao.habilitacao) {
        case Habilitacao::ForaDaEdicao:
            ativo = ativo && !editando;
            break;
        case Habilitacao::Desfazer:
            ativo = ativo && !editando && historico && historico->GetUndoActionCount() > 0;
            break;
        case Habilitacao::Refazer:
            ativo = ativo && !editando && historico && historico->GetRedoActionCount() > 0;
            break;
        case Habilitacao::Janela:
            ativo = ativo && janela;
            break;
        default:
            break;
        }
        item->setEnabled(ativo);
    }
    acao(QStringLiteral("tbsSave"))->setEnabled(janela && janela->changed());
}

TVandrelFilhaForm* TVandrelPrincForm::ativa() const
{
    return filhaDe(FArea->activeSubWindow() ? FArea->activeSubWindow() : FArea->currentSubWindow());
}

QList<TVandrelFilhaForm*> TVandrelPrincForm::janelas() const
{
    QList<TVandrelFilhaForm*> lista;
    for (QMdiSubWindow* sub : FArea->subWindowList())
        if (TVandrelFilhaForm* filha = filhaDe(sub))
            lista << filha;
    return lista;
}

TVandrelFilhaForm& TVandrelPrincForm::NewSheet(const QString& caminho)
{
    auto* filha = new TVandrelFilhaForm;
    QMdiSubWindow* sub = FArea->addSubWindow(filha);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->installEventFilter(this);
    // Qt brings a minimised window back as a normal one; the window list
    // brings it back as it was.
    connect(sub, &QMdiSubWindow::windowStateChanged, sub, [sub](Qt::WindowStates antes, Qt::WindowStates agora) {
        if (agora.testFlag(Qt::WindowMinimized) && !antes.testFlag(Qt::WindowMinimized))
            sub->setProperty("voltarMaximizada", antes.testFlag(Qt::WindowMaximized));
    });
    filha->setWindowTitle(caminho.isEmpty() ? QStringLiteral("Pasta%1").arg(FArea->subWindowList().size()) : caminho);
    connect(filha, &TVandrelFilhaForm::selectionChanged, this, [this] {
        cxSpreadBookSetSelection();
        RefreshFormatState();
    });
    connect(filha, &TVandrelFilhaForm::changedStateChanged, this, &TVandrelPrincForm::atualizarAcoes);
    connect(filha, &TVandrelFilhaForm::editorModeChanged, this, &TVandrelPrincForm::atualizarAcoes);
    using View = spreadsheet::widgets::SpreadsheetView;
    View& grade = filha->cxSpreadBook();
    grade.setFormulaConvention(FConvencao);
    grade.setFunctionEntries(FFuncoes);
    connect(&grade, &View::editorTextChanged, this, &TVandrelPrincForm::mostrarTextoCelula);
    connect(&grade, &View::operationFailed, this,
            [](const QString& mensagem) { host::nShowMessage(mensagem, host::TipoMensagem::Erro); });
    connect(&grade, &View::contextMenuRequested, this, Aplicacao::comando([this](Zona zona, QPoint onde) {
        if (const std::unique_ptr<QMenu> menu = menuContexto(zona))
            menu->exec(onde);
    }));
    sub->showMaximized();
    FArea->setActiveSubWindow(sub);
    atualizarAcoes();
    return *filha;
}

void TVandrelPrincForm::cxSpreadBookLoadFromFile(const QString& caminho)
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela)
        return;
    const std::vector<QString> avisos = janela->carregar(caminho);
    cxSpreadBookSetSelection();
    RefreshFormatState();
    atualizarAcoes();
    avisarPerdas(caminho, avisos);
}

// What the reader could not take is said once the workbook shows, never
// passed over in silence.
void TVandrelPrincForm::avisarPerdas(const QString& caminho, const std::vector<QString>& avisos)
{
    if (avisos.empty())
        return;
    QStringList linhas{QStringLiteral("O arquivo %1 foi aberto, mas:").arg(caminho)};
    for (const QString& aviso : avisos)
        linhas << QStringLiteral("- ") + aviso;
    host::nShowMessage(linhas.join(u'\n'), host::TipoMensagem::Aviso);
}

void TVandrelPrincForm::cxSpreadBookSaveToFile(const QString& caminho)
{
    if (TVandrelFilhaForm* janela = ativa()) {
        janela->salvar(caminho);
        RefreshFormatState();
        atualizarAcoes();
    }
}

// The toolbar and menu state follow the top-left cell of the selection and
// the workbook's options; only loading and saving refresh them, so selecting
// other cells leaves the buttons as the commands set them.
void TVandrelPrincForm::RefreshFormatState()
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela)
        return;
    FIsUpdate = true;
    const spreadsheet::Workbook& workbook = janela->workbook();
    const spreadsheet::Sheet& folha = workbook.activeSheet();
    const spreadsheet::CellRange area = janela->cxSpreadBook().selection();
    const spreadsheet::CellStyle& estilo = folha.style(area.top, area.left);
    marcarAlinhamento(estilo.alignHorz);
    const std::pair<const char*, bool> marcas[] = {
        {"actBold", estilo.font.bold},
        {"actItalic", estilo.font.italic},
        {"actUnderline", estilo.font.underline},
        {"actStrikeOut", estilo.font.strikeOut},
        {"actAutomaticCalc", workbook.automaticCalculation()},
    };
    for (const auto& [nome, marcada] : marcas)
        acao(QString::fromLatin1(nome))->setChecked(marcada);
    for (const OpcaoVisao& opcao : kOpcoesVisao)
        acao(QString::fromLatin1(opcao.acao))->setChecked(opcao.ler(workbook, folha));
    FCaixaFormula->setText(janela->cxSpreadBook().userText(area.top, area.left));
    FCaixaFonte->setEditText(estilo.font.name);
    FCaixaTamanho->setEditText(QString::number(estilo.font.size));
    FIsUpdate = false;
}

// Fill and justify count as left: the three buttons are all the toolbar has.
void TVandrelPrincForm::marcarAlinhamento(spreadsheet::HorizontalAlignment alinhamento)
{
    using spreadsheet::HorizontalAlignment;
    static const std::map<HorizontalAlignment, const char*> botoes{
        {HorizontalAlignment::Left, "actCellLeftAlign"},     {HorizontalAlignment::Fill, "actCellLeftAlign"},
        {HorizontalAlignment::Justify, "actCellLeftAlign"},  {HorizontalAlignment::Center, "actCellCenterAlign"},
        {HorizontalAlignment::Right, "actCellRightAlign"},
    };
    for (const char* nome : {"actCellLeftAlign", "actCellCenterAlign", "actCellRightAlign"})
        acao(QString::fromLatin1(nome))->setChecked(false);
    if (const auto it = botoes.find(alinhamento); it != botoes.end())
        acao(QString::fromLatin1(it->second))->setChecked(true);
}

void TVandrelPrincForm::abrir()
{
    const QString caminho = host::SelecionarArquivo(QString(), kFiltro, false);
    if (caminho.isEmpty())
        return;
    abrirArquivo(caminho);
}

// A window for the file. When the file cannot be read the window goes again
// and "Arquivo não é um formato válido" is raised.
void TVandrelPrincForm::abrirArquivo(const QString& caminho)
{
    TVandrelFilhaForm& janela = NewSheet(caminho);
    try {
        cxSpreadBookLoadFromFile(caminho);
    } catch (...) {
        QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(janela.parentWidget());
        FArea->removeSubWindow(sub);
        delete sub;
        RefreshFormatState();
        throw spreadsheet::SpreadsheetError(QStringLiteral("Arquivo não é um formato válido: %1").arg(caminho));
    }
}

// Save goes to the window's file, never to a path made from its title.
bool TVandrelPrincForm::salvar()
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela)
        return false;
    const QString caminho = janela->caminho();
    if (caminho.isEmpty() || !QFileInfo::exists(caminho))
        return salvarComo();
    if (!host::CopyFile(caminho, caminho + QStringLiteral(".bak"), false)) {
        const QString pergunta = QStringLiteral("Não foi possível criar o arquivo de backup: \"") + caminho
                                 + QStringLiteral(".bak\". Continuar assim mesmo?");
        if (host::nMessageDlg(pergunta, host::TipoMensagem::Aviso, {QStringLiteral("Sim"), QStringLiteral("Não")}) != 0)
            return false;
    }
    cxSpreadBookSaveToFile(caminho);
    return true;
}

bool TVandrelPrincForm::salvarComo()
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela)
        return false;
    const QString caminho = host::SelecionarArquivo(QString(), kFiltro, true);
    if (caminho.isEmpty())
        return false;
    cxSpreadBookSaveToFile(caminho);
    janela->setWindowTitle(caminho);
    return true;
}

void TVandrelPrincForm::MaximizarFormPrinc()
{
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TVandrelPrincForm::cxSpreadBookSetSelection()
{
    TVandrelFilhaForm* janela = ativa();
    FIsUpdate = true;
    if (janela) {
        const spreadsheet::Sheet& folha = janela->workbook().activeSheet();
        const spreadsheet::CellRange area = janela->cxSpreadBook().selection();
        FCaixaFormula->setText(janela->cxSpreadBook().userText(area.top, area.left));
        FCaixaNome->setText(catalog::TnUtilPlanilha::CellsNameByRef(folha, area, true));
    } else {
        FCaixaFormula->clear();
        FCaixaNome->clear();
    }
    FFormulaEditada = false;
    FIsUpdate = false;
}

// Typing writes through to the cell as plain text; the whole edit is one
// undoable action, closed when the box is left.
void TVandrelPrincForm::formulaEditada(const QString& texto)
{
    TVandrelFilhaForm* janela = ativa();
    if (FIsUpdate || !janela)
        return;
    spreadsheet::Workbook& workbook = janela->workbook();
    if (!FFormulaEditada) {
        FFormulaEditada = true;
        workbook.history().open(QStringLiteral("Editar célula"));
    }
    const spreadsheet::CellRange area = janela->cxSpreadBook().selection();
    workbook.activeSheet().setText(area.top, area.left, texto, spreadsheet::TextMode::Plain);
    janela->cxSpreadBook().refresh();
}

void TVandrelPrincForm::sairDaFormula()
{
    encerrarEdicaoFormula(true);
}

// Ends the formula box's edit. Kept, the box's text is written again with
// formula recognition; given up, the cell goes back to what it held when the
// edit began.
void TVandrelPrincForm::encerrarEdicaoFormula(bool manter)
{
    TVandrelFilhaForm* janela = ativa();
    if (!FFormulaEditada || !janela)
        return;
    FFormulaEditada = false;
    spreadsheet::Workbook& workbook = janela->workbook();
    try {
        if (manter) {
            const spreadsheet::CellRange area = janela->cxSpreadBook().selection();
            janela->cxSpreadBook().writeUserText(area.top, area.left, FCaixaFormula->text());
        } else {
            workbook.history().rollBack();
        }
    } catch (...) {
        // A formula that cannot be read stays in the cell as the text typed.
        workbook.history().close();
        janela->cxSpreadBook().refresh();
        throw;
    }
    workbook.history().close();
    janela->cxSpreadBook().refresh();
    cxSpreadBookSetSelection();
    atualizarAcoes();
}

// Asks about one modified window, with that window in front. False when the
// window must stay: its save failed or was given up.
bool TVandrelPrincForm::perguntarSalvar(TVandrelFilhaForm& janela)
{
    if (!janela.changed())
        return true;
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(janela.parentWidget());
    FArea->setActiveSubWindow(sub);
    sub->showMaximized();
    if (host::nMessageDlg(kPerguntaSalvar, host::TipoMensagem::Confirmacao,
                          {QStringLiteral("Sim"), QStringLiteral("Nao")}, janela.windowTitle()) != 0)
        return true;
    return Aplicacao::mostrandoErros([this] { return salvar(); });
}

void TVandrelPrincForm::closeEvent(QCloseEvent* event)
{
    sairDaFormula();
    for (TVandrelFilhaForm* janela : janelas()) {
        if (!perguntarSalvar(*janela)) {
            event->ignore();
            return;
        }
    }
    FEncerrando = true;
    event->accept();
}

// A workbook window asked to close: after the question, the last one is
// only minimised, so that the editor always has a workbook.
bool TVandrelPrincForm::janelaPedeFechar(QMdiSubWindow* sub, QCloseEvent* event)
{
    TVandrelFilhaForm* janela = filhaDe(sub);
    if (FEncerrando || !janela)
        return false;
    event->ignore();
    if (janela == ativa())
        sairDaFormula();
    if (FArea->subWindowList().size() <= 1) {
        sub->showMinimized();
        return true;
    }
    if (!perguntarSalvar(*janela))
        return true;
    FArea->activateNextSubWindow();
    FArea->removeSubWindow(sub);
    sub->deleteLater();
    atualizarAcoes();
    return true;
}

// From the window list: a minimised window comes back as it was before.
void TVandrelPrincForm::mostrarJanela(QMdiSubWindow* sub)
{
    if (sub->isMinimized() && sub->property("voltarMaximizada").toBool())
        sub->showMaximized();
    else if (sub->isMinimized())
        sub->showNormal();
    FArea->setActiveSubWindow(sub);
}

bool TVandrelPrincForm::eventFilter(QObject* watched, QEvent* event)
{
    // A workbook window closes only through janelaPedeFechar: left to
    // itself the window would hide even when the close was refused.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(watched); sub && event->type() == QEvent::Close)
        return janelaPedeFechar(sub, static_cast<QCloseEvent*>(event));
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* tecla = static_cast<QKeyEvent*>(event);
    if (auto* menu = qobject_cast<QMenu*>(watched); menu && tecla->key() == Qt::Key_F1)
        return ajudaDoItem(menu->activeAction());
    const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    if (watched == FCaixaFonte || watched == FCaixaTamanho->lineEdit()) {
        if (enter) {
            if (TVandrelFilhaForm* janela = ativa())
                janela->cxSpreadBook().setFocus();
            return true;
        }
        // The size box takes digits only: every other key is dropped,
        // editing keys included.
        if (watched == FCaixaTamanho->lineEdit())
            return tecla->text().isEmpty() || tecla->text().at(0) < u'0' || tecla->text().at(0) > u'9';
    }
    return false;
}

// The cell bar follows what is typed in the cell.
void TVandrelPrincForm::mostrarTextoCelula(const QString& texto)
{
    FIsUpdate = true;
    FCaixaFormula->setText(texto);
    FIsUpdate = false;
}

std::unique_ptr<QMenu> TVandrelPrincForm::menuContexto(Zona zona)
{
    auto menu = std::make_unique<QMenu>(this);
    bool separar = false;
    for (const char* nome : kMenusContexto.at(zona)) {
        QAction* item = QByteArrayView(nome) == "-" ? nullptr : acao(QString::fromLatin1(nome));
        if (!item) {
            separar = !menu->isEmpty();
        } else if (item->isVisible() && temComando(item->objectName())) {
            if (separar)
                menu->addSeparator();
            menu->addAction(item);
            separar = false;
        }
    }
    return menu->isEmpty() ? nullptr : std::move(menu);
}
