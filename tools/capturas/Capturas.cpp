// Screenshots of the editor for the documentation: the main window with a
// generated report, an open menu, the cell bar, the sample template's
// sheets with the menus that fill them, and a run. Run under a real X
// server (tools/capturas.sh starts xvfb-run).
#include "src/Aplicacao.h"
#include "src/TVandrelPrincForm.h"
#include "src/formatar/DialogoFormatarCelulas.h"
#include "src/formulas/DialogoMaisFuncoes.h"
#include "src/impressao/DialogoConfigurarPagina.h"
#include "src/impressao/Impressao.h"
#include "src/relatorio/ComandosRelatorio.h"
#include "src/relatorio/DialogoGerarRelatorio.h"
#include "gui/ProgressoJanela.h"
#include "workbook/TVandrelFilhaForm.h"

#include "catalog/RegistroFuncoes.h"
#include "generation/RegistroGeracao.h"

#include <host/TnActionRegistry.h>
#include <host/TnDMPlanilha.h>
#include <relatorio/ExecucaoRelatorio.h>

#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <cstdio>
#include <utility>

namespace {

void esperar(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void gravar(const QPixmap& imagem, const QString& caminho)
{
    if (!imagem.save(caminho))
        std::fprintf(stderr, "Não foi possível gravar %s\n", qPrintable(caminho));
    else
        std::printf("%s\n", qPrintable(caminho));
}

// A menu open under the window's own menu bar or a toolbar button, with a
// chain of its submenus open, grabbed from the screen with the window.
void capturarMenu(TVandrelPrincForm& principal, QMenu& menu, const QPoint& onde, const QStringList& submenus,
                  const QSize& tamanho, const QString& caminho)
{
    menu.popup(onde);
    esperar(300);
    QMenu* aberto = &menu;
    for (const QString& legenda : submenus) {
        QAction* item = nullptr;
        for (QAction* candidato : aberto->actions()) {
            if (candidato->menu() && candidato->text() == legenda)
                item = candidato;
        }
        if (!item) {
            std::fprintf(stderr, "Submenu ausente: %s\n", qPrintable(legenda));
            break;
        }
        aberto->setActiveAction(item);
        esperar(400);
        aberto = item->menu();
    }
    const QPoint canto = principal.frameGeometry().topLeft();
    gravar(principal.screen()->grabWindow(0, canto.x(), canto.y(), tamanho.width(), tamanho.height()), caminho);
    menu.hide();
    esperar(400);
}

// The sample template as its author sees it: the parameter sheet with a
// named cell selected, the layout with a payroll formula selected, the
// functions' drop-down open on the break commands, the parameter dialog of
// an event function, the connection dialog and the report menu.
void capturarModelo(TVandrelPrincForm& principal, const QDir& saida)
{
    TVandrelFilhaForm* janela = principal.ativa();
    spreadsheet::widgets::SpreadsheetView& grade = janela->cxSpreadBook();
    grade.setActiveSheet(1);
    grade.setSelection(spreadsheet::CellRange::cell(1, 1), {1, 1});
    esperar(300);
    gravar(principal.grab(), saida.filePath(QStringLiteral("modelo-parametros.png")));
    grade.setActiveSheet(2);
    grade.setSelection(spreadsheet::CellRange::cell(6, 5), {6, 5});
    esperar(300);
    gravar(principal.grab(), saida.filePath(QStringLiteral("modelo-leiaute.png")));

    auto* botao = principal.findChild<QToolButton*>(QStringLiteral("tbSummary"));
    auto* formulas = principal.findChild<QMenu*>(QStringLiteral("pmSummary"));
    capturarMenu(principal, *formulas, botao->mapToGlobal(botao->rect().bottomLeft()),
                 {QStringLiteral("Folha de Pagamento   "), QStringLiteral("Quebras")}, {900, 560},
                 saida.filePath(QStringLiteral("menu-formulas.png")));
    capturarMenu(principal, *formulas, botao->mapToGlobal(botao->rect().bottomLeft()),
                 {QStringLiteral("Folha de Pagamento   "), QStringLiteral("Funcionário")}, {900, 560},
                 saida.filePath(QStringLiteral("menu-funcionario.png")));

    // The dialog is modal: it is photographed and closed from the event
    // loop that its own exec runs.
    grade.setSelection(spreadsheet::CellRange::cell(6, 7), {6, 7});
    QTimer::singleShot(500, &principal, [&saida] {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialogo) {
            std::fprintf(stderr, "O diálogo de argumentos não abriu.\n");
            return;
        }
        for (const auto& [campo, valor] : {std::pair{"nCodigoEventoCampo", "35"}, std::pair{"nCodigoEstabCampo", "$A7"},
                                           std::pair{"nCodigoFuncCampo", "$B7"}}) {
            if (auto* editor = dialogo->findChild<QLineEdit*>(QString::fromLatin1(campo)))
                editor->setText(QString::fromLatin1(valor));
        }
        if (auto* editor = dialogo->findChild<QLineEdit*>(QStringLiteral("nCodigoFuncCampo")))
            editor->setFocus();
        esperar(300);
        gravar(dialogo->grab(), saida.filePath(QStringLiteral("argumentos-funcao.png")));
        dialogo->reject();
    });
    principal.acao(QStringLiteral("actFormFpaEvValor"))->trigger();
    esperar(200);

    // The connection dialog on a PostgreSQL server, closed without being
    // kept, so that the user's remembered connection stays as it was.
    QTimer::singleShot(500, &principal, [&saida] {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialogo) {
            std::fprintf(stderr, "A janela de conexão não abriu.\n");
            return;
        }
        if (auto* arquivo = dialogo->findChild<QLineEdit*>(QStringLiteral("arquivo")))
            arquivo->clear();  // the demo's path is this machine's, not the reader's
        for (auto* opcao : dialogo->findChildren<QRadioButton*>()) {
            if (opcao->text() == QStringLiteral("Servidor &PostgreSQL"))
                opcao->click();
        }
        for (const auto& [rotulo, valor] : {std::pair{"Ser&vidor:", "servidor-folha"}, std::pair{"&Banco:", "folha"},
                                            std::pair{"&Usuário:", "ana"}}) {
            for (auto* legenda : dialogo->findChildren<QLabel*>()) {
                if (legenda->text() == QString::fromUtf8(rotulo)) {
                    if (auto* campo = qobject_cast<QLineEdit*>(legenda->buddy()))
                        campo->setText(QString::fromLatin1(valor));
                }
            }
        }
        esperar(300);
        gravar(dialogo->grab(), saida.filePath(QStringLiteral("conexao-postgresql.png")));
        dialogo->reject();
    });
    principal.findChild<QAction*>(QStringLiteral("actConexaoRelatorio"))->trigger();
    esperar(200);

    QMenu* relatorio = principal.findChild<QMenu*>(QStringLiteral("mnuRelatorio"));
    capturarMenu(principal, *relatorio,
                 principal.mapToGlobal(principal.menuBar()->actionGeometry(relatorio->menuAction()).bottomLeft()), {},
                 {640, 260}, saida.filePath(QStringLiteral("menu-relatorio.png")));
    grade.setActiveSheet(0);
}

// The report run from the editor: its dialog, the progress window midway
// and the report's window, on the sample template and the demo database.
void capturarRelatorio(const QString& modelo, const QString& banco, const QDir& saida)
{
    generation::RegistrarTnFpaDMPlanilha();
    TVandrelPrincForm principal;
    std::unique_ptr<host::TnDM> modulo = host::TnActionRegistry::instance().criar(QStringLiteral("TnFpaDMPlanilha"));
    auto progresso = std::make_unique<gui::ProgressoJanela>(std::chrono::milliseconds(0));
    gui::ProgressoJanela& janelaProgresso = *progresso;
    modulo->SetProgresso(std::move(progresso));
    auto* comandos = new ComandosRelatorio(principal, dynamic_cast<host::TnDMPlanilha&>(*modulo));
    principal.resize(1280, 800);
    principal.show();
    principal.MaximizarFormPrinc();
    principal.abrirArquivo(modelo);
    esperar(500);
    capturarModelo(principal, saida);
    const relatorio::PedidoExecucao pedido{host::ConnectionText::parse(banco), {}, {}};
    {
        DialogoGerarRelatorio dialogo(&principal, principal.ativa()->workbook(), pedido.banco);
        dialogo.show();
        esperar(400);
        gravar(dialogo.grab(), saida.filePath(QStringLiteral("gerar-relatorio.png")));
    }
    bool capturada = false;
    QObject::connect(janelaProgresso.linhas()->model(), &QAbstractItemModel::dataChanged, &janelaProgresso, [&] {
        const QListWidget* linhas = janelaProgresso.linhas();
        if (!capturada && linhas->item(linhas->count() - 1)->text().startsWith(QStringLiteral("Recalculando"))) {
            capturada = true;
            gravar(janelaProgresso.grab(), saida.filePath(QStringLiteral("progresso-geracao.png")));
        }
    });
    comandos->executar(*principal.ativa(), pedido);
    esperar(600);
    gravar(principal.grab(), saida.filePath(QStringLiteral("relatorio-janela.png")));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    Aplicacao::instalarTraducoes();
    Aplicacao::instalarIcone();
    catalog::RegistrarTodasFuncoes();
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "Uso: darvelo-capturas PLANILHA PASTA_DE_SAIDA [MODELO BANCO]\n");
        return 2;
    }
    const QDir saida(args.at(2));
    TVandrelPrincForm principal;
    principal.NewSheet(args.at(1));
    principal.cxSpreadBookLoadFromFile(args.at(1));
    TVandrelFilhaForm* janela = principal.ativa();
    // The first generated page, with a cell of values selected.
    for (int i = janela->workbook().sheetCount() - 1; i >= 0; --i) {
        if (janela->workbook().sheet(i).name().startsWith(QStringLiteral("Emp"))) {
            janela->cxSpreadBook().setActiveSheet(i);
            break;
        }
    }
    principal.resize(1280, 800);
    principal.show();
    principal.MaximizarFormPrinc();
    esperar(500);
    janela->cxSpreadBook().setSelection(spreadsheet::CellRange::cell(6, 5), {6, 5});
    esperar(200);
    gravar(principal.grab(), saida.filePath(QStringLiteral("janela-principal.png")));
    gravar(principal.caixaFormula().parentWidget()->grab(), saida.filePath(QStringLiteral("barra-de-formula.png")));
    gravar(janela->cxSpreadBook().grab(), saida.filePath(QStringLiteral("planilha.png")));

    QMenu* editar = principal.menuBar()->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    editar->popup(principal.mapToGlobal(principal.menuBar()->actionGeometry(editar->menuAction()).bottomLeft()));
    esperar(400);
    gravar(principal.screen()->grabWindow(0), saida.filePath(QStringLiteral("menu-editar.png")));
    editar->hide();

    // The border list open under its button, over a selection.
    janela->cxSpreadBook().setSelection({1, 6, 4, 9}, {6, 1});
    auto* botao = principal.findChild<QToolButton*>(QStringLiteral("tbBorderStyle"));
    auto* bordas = principal.findChild<QMenu*>(QStringLiteral("pmBorders"));
    botao->setDown(true);
    bordas->popup(botao->mapToGlobal(botao->rect().bottomLeft()));
    esperar(400);
    const QPoint canto = principal.frameGeometry().topLeft();
    gravar(principal.screen()->grabWindow(0, canto.x(), canto.y(), 640, 420),
           saida.filePath(QStringLiteral("lista-de-bordas.png")));
    bordas->hide();
    botao->setDown(false);

    // The format-cells dialog on its number page, and on its border page
    // with an outline already chosen.
    spreadsheet::Sheet& folha = janela->workbook().activeSheet();
    const spreadsheet::CellRange area = janela->cxSpreadBook().selection();
    for (const auto& [pagina, arquivo] : {std::pair{DialogoFormatarCelulas::Numero, "formatar-celulas.png"},
                                          std::pair{DialogoFormatarCelulas::Borda, "formatar-celulas-borda.png"}}) {
        DialogoFormatarCelulas dialogo(folha, area, pagina, &principal);
        dialogo.show();
        if (auto* contorno = dialogo.findChild<QPushButton*>(QStringLiteral("btnContorno"))) {
            contorno->click();
        }
        esperar(400);
        gravar(dialogo.grab(), saida.filePath(QString::fromLatin1(arquivo)));
    }

    // The print preview of the company page, and the page setup.
    const Impressao impressao(folha, janela->reportLink(), janela->caminho());
    const std::unique_ptr<QDialog> visualizacao = impressao.criarVisualizacao(&principal);
    visualizacao->show();
    esperar(1000);
    gravar(visualizacao->grab(), saida.filePath(QStringLiteral("visualizar-impressao.png")));
    visualizacao->hide();
    DialogoConfigurarPagina configurar(janela->reportLink(), &principal);
    configurar.show();
    esperar(300);
    gravar(configurar.grab(), saida.filePath(QStringLiteral("configurar-pagina.png")));
    configurar.hide();

    // "Mais Funções..." with a search typed.
    DialogoMaisFuncoes navegador(principal.convencaoFormulas(), &principal);
    navegador.show();
    navegador.findChild<QLineEdit*>(QStringLiteral("edtProcurar"))->setText(QStringLiteral("proc"));
    esperar(300);
    gravar(navegador.grab(), saida.filePath(QStringLiteral("mais-funcoes.png")));
    navegador.hide();
    if (args.size() >= 5)
        capturarRelatorio(args.at(3), args.at(4), saida);
    return 0;
}
