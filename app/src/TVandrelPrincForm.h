#pragma once

#include <host/TkvtParamItem.h>

#include <spreadsheet/FormulaConvention.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include <cstdint>
#include <map>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class QToolButton;
class QMenu;
class QMenuBar;
class TVandrelFilhaForm;
class DialogoLocalizar;
class BarraCelula;
class ComandosNomes;
class PaginasLeiaute;
class MenuFormulas;

namespace catalog {
struct Catalogo;
}

namespace spreadsheet {
enum class HorizontalAlignment : std::uint8_t;
class Sheet;
struct CellRange;
}

// The editor's main window: the workbook windows, the action list alMain,
// its menus and toolbars, and the cell bar.
class TVandrelPrincForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TVandrelPrincForm(QWidget* parent = nullptr);
    ~TVandrelPrincForm() override;

    QAction* acao(const QString& nome) const;  // raises for an unknown name
    TVandrelFilhaForm* ativa() const;          // the active workbook window
    QList<TVandrelFilhaForm*> janelas() const;
    QMdiArea& area() const { return *FArea; }
    QLineEdit& caixaFormula() const { return *FCaixaFormula; }
    QLabel& caixaNome() const { return *FCaixaNome; }
    QComboBox& caixaTamanho() const { return *FCaixaTamanho; }

    // A new workbook window titled with the path, or "Pasta" and the number
    // of windows when the path is empty.
    TVandrelFilhaForm& NewSheet(const QString& caminho);
    void cxSpreadBookLoadFromFile(const QString& caminho);
    void cxSpreadBookSaveToFile(const QString& caminho);
    // Open, Save and Save As; false when nothing was written.
    void abrir();
    void abrirArquivo(const QString& caminho);
    bool salvar();
    bool salvarComo();
    void MaximizarFormPrinc();
    // Buttons, boxes and check marks from the active workbook.
    void RefreshFormatState();

    // Formula insertion. The text goes into the bottom-right cell of the
    // selection, read in the user's convention; the parameter dialog asks
    // for the arguments and writes nothing when cancelled.
    void EscreverNaCelula(const QString& texto);
    void InserirFormulaParam(const host::TkvtParamList& parametros, const QString& funcao, const QString& descricao,
                             const QString& campo, bool ajusteFolha);
    // The menu handlers; each does nothing unless its sender is a menu item
    // (an action).
    void MenuItemFormulaClick(QObject* sender);
    void NmeroPgina1Click(QObject* sender);
    void ItemCatalogoClick(QObject* sender, const catalog::Catalogo& catalogo);
    void actFormulaCtbExecute(QObject* sender);
    void actFormulaGerExecute(QObject* sender);
    void actFormCtbDTAExecute(QObject* sender);
    void actFormFpaExecute(QObject* sender);
    void actFormFpaOrganDescrExecute(QObject* sender);
    void actDefineQuebra(QObject* sender);
    // The help page of a function (F1 in the parameter dialog or on a menu item).
    void abrirAjudaFuncao(const QString& funcao);

    const QString& arquivoAjuda() const { return FArquivoAjuda; }
    // How formulas are typed and shown: the setting "ConvencaoFormulas",
    // "pt-BR" unless it says "en".
    spreadsheet::FormulaConvention convencaoFormulas() const { return FConvencao; }
    // The right-click menu of a part of the grid: the commands that work
    // there. Null when none does.
    std::unique_ptr<QMenu> menuContexto(spreadsheet::widgets::SpreadsheetView::ContextZone zona);

    bool FIsUpdate = false;
    // The footer of the undo and redo lists is this much higher than a line.
    int FSummaryItemHeight = 10;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend std::span<const struct AcaoPrincipal> acoesPrincipais();

    // The commands of the action table, one per row that has one.
    void cmdNova();
    void cmdSalvar();
    void cmdSalvarComo();
    void cmdSair();
    void cmdCalculoAutomatico();
    void cmdRecalcular();
    void cmdRecortar();
    void cmdCopiar();
    void cmdColar();
    void cmdExibirGuias();
    void cmdExibirGrade();
    void cmdExibirCabecalhos();
    void cmdExibirFormulas();
    void cmdReferenciaR1C1();
    void cmdFecharJanela();
    void cmdCascata();
    void cmdLadoALadoHorizontal();
    void cmdLadoALadoVertical();
    void cmdMinimizarTodas();
    void cmdArrumarTudo();
    void cmdDesfazer();
    void cmdRefazer();
    void cmdAjuda();
    void cmdSobre();
    void cmdAlinharEsquerda();
    void cmdCentralizar();
    void cmdAlinharDireita();
    void cmdNegrito();
    void cmdItalico();
    void cmdSublinhado();
    void cmdRiscado();
    void cmdFonte();
    void cmdTamanhoFonte();
    void cmdMesclar();
    void cmdDividir();
    void cmdOrdenarAscendente();
    void cmdOrdenarDescendente();
    void cmdSoma();
    void cmdMedia();
    void cmdContar();
    void cmdMaximo();
    void cmdMinimo();
    void cmdInserirLinha();
    void cmdInserirColuna();
    void cmdInserirPlanilha();
    void cmdExcluirPlanilha();
    void cmdMudarLargura();
    void cmdMudarAltura();
    void cmdOcultarLinhas();
    void cmdReexibirLinhas();
    void cmdOcultarColunas();
    void cmdReexibirColunas();
    void cmdInserirCelulas();
    void cmdExcluirCelulas();
    void cmdFormatarCelulas();
    void cmdMaisFuncoes();
    void cmdVisualizar();
    void cmdImprimir();
    void cmdDefinirAreaImpressao();
    void cmdLimparAreaImpressao();
    void cmdConfigurarPagina();
    void cmdDefinirNome();
    void cmdExcluirNome();
    // The name and page tools on the active workbook, the name box following
    // what they changed.
    void comNomes(bool (ComandosNomes::*comando)());
    void comPaginas(void (PaginasLeiaute::*comando)());
    void criarMenuAuxilios(QMenuBar& barra);
    // Asks how the cells move, then inserts or deletes over the selection.
    void modificarCelulas(bool inserir);

    // Runs a change of the active sheet over its selection, then shows it.
    void naSelecao(const std::function<void(spreadsheet::Sheet&, const spreadsheet::CellRange&)>& mudanca);
    void aplicarBordas(int preset);
    // The formula of a summary kind under the selection's bottom-right cell.
    void InsertSummaryFormula(int tipo);
    // Asks for a width (height) in pixels and gives it to the selection's
    // columns (rows); 10 when the answer is not a whole number.
    void perguntarTamanho(bool colunas);
    void mostrarLinhas(bool colunas, bool ocultas);

    // One undoable formatting of the active selection, then the toolbar
    // follows the cell again.
    void aplicarFormato(unsigned flags, spreadsheet::HorizontalAlignment alinhamento, unsigned estilos,
                        const QString& fonte = {}, int tamanho = 0);
    void alternarEstilo(const char* nomeAcao, unsigned flag, unsigned estilo);

    void criarAcoes();
    void criarMenus();
    QWidget* comAcoes(QWidget* destino, std::initializer_list<const char*> nomes);
    void criarBarras();
    void criarBarraCelula();
    void ligarComandos();
    void atualizarAcoes();
    void cxSpreadBookSetSelection();
    void formulaEditada(const QString& texto);
    void sairDaFormula();
    void encerrarEdicaoFormula(bool manter);
    // True when the close was handled here.
    bool janelaPedeFechar(QMdiSubWindow* janela, QCloseEvent* event);
    void mostrarJanela(QMdiSubWindow* janela);
    bool perguntarSalvar(TVandrelFilhaForm& janela);
    void alternarVisao(const QString& nome);
    void criarListaHistorico(QToolBar& barra, bool desfazer);
    QToolButton* criarBotaoFormulas(QToolBar& barra);
    // The catalogue menus of the "Fórmulas" drop-down, built once, in order.
    void FormCreate();
    void criarAcoesFormula();
    void criarEsqueletoFormulas();
    void CriarMenuDarveloCtb();
    void CriarMenuDarveloFpaFuncionario();
    void CriarMenuDarveloFpaGPS();
    void CriarMenuDarveloFpaFuncTotais();
    void CriarMenuDarveloFpaOutraEmpresa();
    void CriarMenuDarveloFpaImpostoCalculo();
    void CriarMenuDarveloFpaHistoricos();
    void CriarMenuDarveloFpaProvisoes();
    void criarCatalogos(std::initializer_list<const char*> funcoes);
    void inserirDaAcao(QObject* sender);
    // F1 on an open item of the drop-down: the page of its function, or the
    // index for an item without one. True: the key was taken.
    bool ajudaDoItem(const QAction* item);
    void percorrerHistorico(bool desfazer, int quantidade);
    void marcarAlinhamento(spreadsheet::HorizontalAlignment alinhamento);
    void mostrarTextoCelula(const QString& texto);
    void avisarPerdas(const QString& caminho, const std::vector<QString>& avisos);

    QMdiArea* FArea = nullptr;
    BarraCelula* FBarraCelula = nullptr;
    QLabel* FCaixaNome = nullptr;
    QLineEdit* FCaixaFormula = nullptr;
    QComboBox* FCaixaFonte = nullptr;
    QComboBox* FCaixaTamanho = nullptr;
    std::map<QString, QAction*> FAcoes;
    std::unique_ptr<MenuFormulas> FMenuFormulas;
    // What the formula editors offer as a formula is typed.
    std::vector<spreadsheet::widgets::FormulaCompleter::Entry> FFuncoes;
    QString FArquivoAjuda;
    spreadsheet::FormulaConvention FConvencao = spreadsheet::FormulaConvention::Brazilian;
    DialogoLocalizar* FLocalizar = nullptr;  // made at the first Ctrl+F
    bool FFormulaEditada = false;
    bool FEncerrando = false;
};
