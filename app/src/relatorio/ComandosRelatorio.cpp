#include "src/relatorio/ComandosRelatorio.h"

#include "src/Aplicacao.h"
#include "src/TVandrelPrincForm.h"
#include "src/relatorio/ConexaoLembrada.h"
#include "src/relatorio/DialogoFalhas.h"
#include "src/relatorio/DialogoGerarRelatorio.h"
#include "src/relatorio/PainelConexao.h"
#include "gui/CursorDeEspera.h"
#include "gui/ProgressoJanela.h"
#include "workbook/TVandrelFilhaForm.h"

#include <host/HostError.h>
#include <host/TnDMPlanilha.h>
#include <host/TnDialogos.h>
#include <relatorio/BancoExemplo.h>
#include <relatorio/ExecucaoRelatorio.h>
#include <relatorio/GravacaoRelatorio.h>
#include <relatorio/ModelosExemplo.h>
#include <relatorio/SaidaRelatorio.h>

#include <spreadsheet/History.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <QAction>
#include <QBuffer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// When a command of the menu can run.
enum class Quando { Sempre, ComPasta, ComRelatorio };

struct AcaoRelatorio {
    const char* nome;
    const char* rotulo;
    const char* atalho;
    Quando quando;
    void (ComandosRelatorio::*comando)();
};

constexpr AcaoRelatorio kAcoes[] = {
    {"actGerarRelatorio", "&Gerar Relatório...", "Ctrl+Shift+G", Quando::ComPasta, &ComandosRelatorio::gerar},
    {"actExportarRelatorio", "&Exportar Relatório...", "", Quando::ComRelatorio, &ComandosRelatorio::exportar},
    {"actConexaoRelatorio", "&Conexão...", "", Quando::Sempre, &ComandosRelatorio::conexao},
    {"actBancoDemonstracao", "&Banco de Demonstração", "", Quando::Sempre, &ComandosRelatorio::bancoDemonstracao},
};

// The run changes the workbook it works on: it gets its own, read back from
// the template's file form, exactly as the batch command reads a template.
std::unique_ptr<spreadsheet::Workbook> copiar(const spreadsheet::Workbook& modelo)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    spreadsheet::io::WorkbookFile::writeNative(modelo, buffer);
    buffer.seek(0);
    return spreadsheet::io::WorkbookFile::LoadFromStream(buffer).workbook;
}

}  // namespace

ComandosRelatorio::ComandosRelatorio(TVandrelPrincForm& principal, host::TnDMPlanilha& modulo)
    : QObject(&principal), FPrincipal(principal), FModulo(modulo)
{
    criarMenu();
    connect(&FPrincipal.area(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (auto* janela = sub ? qobject_cast<TVandrelFilhaForm*>(sub->widget()) : nullptr)
            connect(janela, &TVandrelFilhaForm::editorModeChanged, this, &ComandosRelatorio::atualizar,
                    Qt::UniqueConnection);
        atualizar();
    });
    atualizar();
}

ComandosRelatorio::~ComandosRelatorio() = default;

// Before "&Janela", which stays the window's last menu but Help.
void ComandosRelatorio::criarMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Relatório"), &FPrincipal);
    menu->setObjectName(QStringLiteral("mnuRelatorio"));
    for (const AcaoRelatorio& linha : kAcoes) {
        auto* acao = new QAction(QString::fromUtf8(linha.rotulo), &FPrincipal);
        acao->setObjectName(QString::fromLatin1(linha.nome));
        if (*linha.atalho)
            acao->setShortcut(QKeySequence(QString::fromLatin1(linha.atalho)));
        connect(acao, &QAction::triggered, this, Aplicacao::comando(this, linha.comando));
        FAcoes[acao->objectName()] = acao;
        menu->addAction(acao);
        if (linha.quando == Quando::ComRelatorio)
            menu->addSeparator();
    }
    connect(menu, &QMenu::aboutToShow, this, &ComandosRelatorio::atualizar);
    QMenuBar* barra = FPrincipal.menuBar();
    QAction* antes = nullptr;
    for (QAction* item : barra->actions()) {
        if (item->menu() && item->menu()->objectName() == QLatin1String("mnuWindow"))
            antes = item;
    }
    barra->insertMenu(antes, menu);
}

QAction* ComandosRelatorio::acao(const QString& nome) const
{
    const auto achada = FAcoes.find(nome);
    return achada == FAcoes.end() ? nullptr : achada->second;
}

void ComandosRelatorio::atualizar()
{
    const TVandrelFilhaForm* ativa = FPrincipal.ativa();
    const bool comPasta = ativa && !ativa->isEditorMode();
    for (const AcaoRelatorio& linha : kAcoes) {
        const bool habilitada = linha.quando == Quando::Sempre
                                || (linha.quando == Quando::ComPasta && comPasta)
                                || (linha.quando == Quando::ComRelatorio && comPasta && ativa->ehRelatorio());
        FAcoes.at(QString::fromLatin1(linha.nome))->setEnabled(habilitada);
    }
}

// Until the user chooses one, reports run on the demo database.
host::ConnectionText ComandosRelatorio::conexaoAtual() const
{
    host::ConnectionText conexao = ConexaoLembrada::ler().value_or(ConexaoLembrada::demonstracao());
    conexao.password = FSenha;
    return conexao;
}

void ComandosRelatorio::lembrar(const host::ConnectionText& conexao)
{
    FSenha = conexao.password;
    ConexaoLembrada::gravar(conexao);
}

gui::ProgressoJanela* ComandosRelatorio::progresso() const
{
    return dynamic_cast<gui::ProgressoJanela*>(&FModulo.GetProgresso());
}

void ComandosRelatorio::gerar()
{
    TVandrelFilhaForm* modelo = FPrincipal.ativa();
    if (!modelo || modelo->isEditorMode())
        return;
    DialogoGerarRelatorio dialogo(&FPrincipal, modelo->workbook(), conexaoAtual());
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const relatorio::PedidoExecucao pedido = dialogo.pedido();
    lembrar(pedido.banco);
    executar(*modelo, pedido);
}

TVandrelFilhaForm* ComandosRelatorio::executar(TVandrelFilhaForm& modelo, const relatorio::PedidoExecucao& pedido)
{
    std::unique_ptr<spreadsheet::Workbook> copia = copiar(modelo.workbook());
    gui::ProgressoJanela* janela = progresso();
    if (janela)
        janela->MostrarSimples(&FPrincipal);
    const auto fecharProgresso = [janela] {
        if (janela)
            janela->Fechar();
    };
    std::vector<spreadsheet::CalculationFailure> falhas;
    {
        relatorio::ExecucaoRelatorio execucao(FModulo, *copia);
        try {
            const bool concluida = execucao.executar(pedido, [this, janela] {
                if (janela)
                    janela->manterVivo();
                return FModulo.Cancelado();
            });
            fecharProgresso();
            if (!concluida) {
                FPrincipal.statusBar()->showMessage(QStringLiteral("Geração cancelada: nenhum relatório foi aberto."));
                return nullptr;
            }
        } catch (const std::exception& erro) {
            fecharProgresso();
            host::nShowMessage(execucao.ondeFalhou() + Aplicacao::mensagemDe(erro), host::TipoMensagem::Erro);
            return nullptr;
        }
        if (execucao.paginas().paginas.empty()) {
            host::nShowMessage(relatorio::ExecucaoRelatorio::kSemPaginas, host::TipoMensagem::Aviso);
            return nullptr;
        }
        falhas = execucao.falhas();
        execucao.apenasPaginas();
    }
    copia->history().setEnabled(true);
    copia->history().clear();
    copia->setActiveSheet(0);
    TVandrelFilhaForm& relatorio = FPrincipal.NewSheet(modelo.windowTitle() + QStringLiteral(" - Relatório"));
    relatorio.mostrarRelatorio(std::move(copia), modelo.reportLink());
    const int paginas = relatorio.workbook().sheetCount();
    FPrincipal.statusBar()->showMessage(paginas == 1 ? QStringLiteral("Relatório gerado: 1 página.")
                                                     : QStringLiteral("Relatório gerado: %1 páginas.").arg(paginas));
    if (!falhas.empty())
        (new DialogoFalhas(&FPrincipal, relatorio, falhas))->show();
    atualizar();
    return &relatorio;
}

void ComandosRelatorio::exportar()
{
    TVandrelFilhaForm* janela = FPrincipal.ativa();
    if (!janela || !janela->ehRelatorio())
        return;
    const QString caminho = host::SelecionarArquivo(
        QStringLiteral("Exportar Relatório"),
        QStringLiteral("Pasta do Excel|*.xlsx|Texto CSV, um arquivo por página|*.csv|Documento PDF|*.pdf"), true);
    if (caminho.isEmpty())
        return;
    const std::optional<relatorio::FormatoSaida> formato = relatorio::GravacaoRelatorio::formatoDe(caminho);
    if (!formato || *formato == relatorio::FormatoSaida::Nxs) {
        host::nShowMessage(QStringLiteral("Escolha um arquivo .xlsx, .csv ou .pdf para exportar o relatório."),
                           host::TipoMensagem::Aviso);
        return;
    }
    spreadsheet::Workbook& workbook = janela->workbook();
    relatorio::RelatorioGerado gerado{workbook, janela->reportLink(), {}, true, QFileInfo(caminho).completeBaseName()};
    for (int i = 0; i < workbook.sheetCount(); ++i)
        gerado.paginas.push_back(&workbook.sheet(i));
    relatorio::SaidaRelatorio saida;
    try {
        const gui::CursorDeEspera espera;
        relatorio::GravacaoRelatorio::gravar(gerado, {{caminho, *formato}}, saida);
    } catch (const std::exception& erro) {
        host::nShowMessage(Aplicacao::mensagemDe(erro), host::TipoMensagem::Erro);
        return;
    }
    const QStringList gravados(saida.destinos().begin(), saida.destinos().end());
    host::nShowMessage(QStringLiteral("Relatório exportado:\n") + gravados.join(QLatin1Char('\n')));
}

void ComandosRelatorio::conexao()
{
    QDialog dialogo(&FPrincipal);
    dialogo.setObjectName(QStringLiteral("DialogoConexao"));
    dialogo.setWindowTitle(QStringLiteral("Conexão dos Relatórios"));
    auto* painel = new PainelConexao(&dialogo);
    painel->definir(conexaoAtual());
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    botoes->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(botoes, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    const auto validar = [painel, botoes] {
        botoes->button(QDialogButtonBox::Ok)->setEnabled(painel->incompleta().isEmpty());
    };
    connect(painel, &PainelConexao::alterada, &dialogo, validar);
    validar();
    auto* layout = new QVBoxLayout(&dialogo);
    layout->addWidget(painel);
    layout->addWidget(botoes);
    if (dialogo.exec() == QDialog::Accepted)
        lembrar(painel->conexao());
}

// Made once, in the user's data folder, with the sample templates beside it.
void ComandosRelatorio::bancoDemonstracao()
{
    const host::ConnectionText demo = ConexaoLembrada::demonstracao();
    const QDir pasta(ConexaoLembrada::pastaDemonstracao());
    if (QFileInfo(demo.path).isFile()) {
        lembrar(demo);
        host::nShowMessage(QStringLiteral("O banco de demonstração já existe: %1\n\nOs relatórios passam a usá-lo.")
                               .arg(QDir::toNativeSeparators(demo.path)));
        return;
    }
    gui::ProgressoJanela* janela = progresso();
    const auto linha = [janela](const QString& texto) {
        if (janela)
            janela->IncProgressoTotal(texto, 0);
    };
    if (janela) {
        janela->MostrarSimples(&FPrincipal);
        janela->SetEhCircular(true);
        janela->botaoCancelar()->setEnabled(false);
    }
    linha(QStringLiteral("Criando o banco de demonstração em ") + pasta.absolutePath());
    try {
        if (!pasta.mkpath(QStringLiteral(".")))
            throw host::HostError(QStringLiteral("Não foi possível criar a pasta %1.").arg(pasta.absolutePath()));
        const exemplo::BancoExemplo banco(QStringLiteral("sqlite:") + demo.path);
        banco.criar(host::DemoDataOptions{});
        linha(QStringLiteral("Banco criado: ") + demo.path);
        for (const QString& modelo : exemplo::gravarModelos(banco.parametros(), pasta))
            linha(QStringLiteral("Modelo gravado: ") + modelo);
    } catch (const std::exception& erro) {
        if (janela)
            janela->Fechar();
        host::nShowMessage(Aplicacao::mensagemDe(erro), host::TipoMensagem::Erro);
        return;
    }
    if (janela)
        janela->Fechar();
    lembrar(demo);
    const QString resumo = pasta.filePath(QStringLiteral("resumo-folha.nxs"));
    const int resposta = host::nMessageDlg(
        QStringLiteral("Banco de demonstração criado em %1, com os modelos de exemplo.\n\n"
                       "Os relatórios passam a usá-lo. Abrir o modelo do resumo da folha?")
            .arg(QDir::toNativeSeparators(pasta.absolutePath())),
        host::TipoMensagem::Confirmacao, {QStringLiteral("Sim"), QStringLiteral("Não")});
    if (resposta == 0)
        FPrincipal.abrirArquivo(resumo);
}
