#include "GerarCommand.h"

#include "Interrupcao.h"
#include "LinhaDeComando.h"
#include "ProgressoGeracao.h"

#include "relatorio/ExecucaoRelatorio.h"
#include "relatorio/GravacaoRelatorio.h"
#include "relatorio/ParametrosModelo.h"
#include "relatorio/SaidaRelatorio.h"

#include "host/HostError.h"
#include "host/ProgressoConsole.h"
#include "host/ProgressoSilencioso.h"
#include "host/TnActionRegistry.h"
#include "host/TnConfig.h"
#include "host/TnDMPlanilha.h"
#include "host/TnDMSQLDataSet.h"

#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include <array>
#include <cstdio>
#include <memory>
#include <optional>

using spreadsheet::Workbook;

namespace {

constexpr int kSucesso = 0;
constexpr int kFalhou = 1;
constexpr int kUso = 2;
constexpr int kFalhasEmCelulas = 3;
constexpr int kCancelado = 130;

const char* const kUsoTexto =
    "Uso: darvelo gerar MODELO --banco CONEXAO [-o SAIDA]... [--empresas LISTA] [--periodo LISTA] "
    "[--filiais LISTA] [--funcionarios LISTA] [--centros-custo LISTA] [--local-contabil LISTA] "
    "[--replicacao COLUNAS] [--coluna-exclusao COLUNA] [--linhas-por-pagina N] [--data-referencia AAAA-MM-DD] "
    "[--config ARQ] [--todas-folhas] [--silencioso]\n";

using relatorio::FormatoSaida;
using relatorio::ParametroRelatorio;
using relatorio::ParametrosModelo;
using relatorio::Saida;

struct Pedido {
    QString modelo;
    QString banco;
    std::vector<Saida> saidas;
    std::vector<std::pair<QString, QString>> parametros;
    QDate dataReferencia;
    QString config;
    bool todasFolhas = false;
    bool silencioso = false;
};

Saida saidaPara(const QString& caminho)
{
    if (const auto formato = relatorio::GravacaoRelatorio::formatoDe(caminho))
        return {caminho, *formato};
    throw UsoInvalido(QStringLiteral("Formato de saída desconhecido: \"%1\" (use .nxs, .xlsx, .csv ou .pdf)").arg(caminho));
}

QString nomeDoValor(relatorio::TipoParametro tipo)
{
    switch (tipo) {
    case relatorio::TipoParametro::Lista:
        return QStringLiteral("LISTA");
    case relatorio::TipoParametro::Colunas:
        return QStringLiteral("COLUNAS");
    case relatorio::TipoParametro::Coluna:
        return QStringLiteral("COLUNA");
    case relatorio::TipoParametro::Numero:
        break;
    }
    return QStringLiteral("N");
}

void declararOpcoes(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Gera o relatório de um modelo: uma página EmpN por empresa."));
    linhaDeComando::declararAjuda(parser);
    parser.addPositionalArgument(QStringLiteral("MODELO"), QStringLiteral("pasta de trabalho modelo"));
    parser.addOption({QStringLiteral("banco"), QStringLiteral("sqlite:CAMINHO ou postgresql://..."),
                      QStringLiteral("CONEXAO")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("saida")}, QStringLiteral("arquivo de saída"),
                      QStringLiteral("SAIDA")});
    for (const ParametroRelatorio& parametro : ParametrosModelo::parametros())
        parser.addOption({QString::fromLatin1(parametro.opcao), QString::fromUtf8(parametro.descricao),
                          nomeDoValor(parametro.tipo)});
    parser.addOption({QStringLiteral("data-referencia"), QStringLiteral("data dos históricos"),
                      QStringLiteral("AAAA-MM-DD")});
    parser.addOption({QStringLiteral("config"), QStringLiteral("arquivo de configuração"), QStringLiteral("ARQ")});
    parser.addOption({QStringLiteral("todas-folhas"), QStringLiteral("o xlsx e o pdf levam também as folhas do modelo")});
    parser.addOption({QStringLiteral("silencioso"), QStringLiteral("sem linhas de progresso")});
}

QString saidaPadrao(const QString& modelo)
{
    const QFileInfo info(modelo);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral("_relatorio.nxs"));
}

void lerSaidas(const QCommandLineParser& parser, Pedido& pedido)
{
    const QStringList caminhos = parser.values(QStringLiteral("o"));
    for (const QString& caminho : caminhos.isEmpty() ? QStringList{saidaPadrao(pedido.modelo)} : caminhos) {
        if (QFileInfo(caminho).absoluteFilePath() == QFileInfo(pedido.modelo).absoluteFilePath())
            throw UsoInvalido(QStringLiteral("A saída não pode ser o próprio modelo: %1").arg(caminho));
        pedido.saidas.push_back(saidaPara(caminho));
    }
}

// Empty when help was asked for (and printed).
std::optional<Pedido> lerPedido(const QStringList& argumentos, QTextStream& out)
{
    QCommandLineParser parser;
    declararOpcoes(parser);
    if (!linhaDeComando::analisar(parser, argumentos, QString::fromUtf8(kUsoTexto), out))
        return std::nullopt;
    const QStringList posicionais = parser.positionalArguments();
    if (posicionais.size() != 1)
        throw UsoInvalido(QStringLiteral("Informe um único MODELO."));
    if (!parser.isSet(QStringLiteral("banco")))
        throw UsoInvalido(QStringLiteral("Informe --banco CONEXAO."));
    Pedido pedido;
    pedido.modelo = posicionais.front();
    pedido.banco = parser.value(QStringLiteral("banco"));
    lerSaidas(parser, pedido);
    for (const ParametroRelatorio& parametro : ParametrosModelo::parametros()) {
        if (parser.isSet(QString::fromLatin1(parametro.opcao)))
            pedido.parametros.emplace_back(QString::fromLatin1(parametro.nome),
                                           parser.value(QString::fromLatin1(parametro.opcao)));
    }
    if (parser.isSet(QStringLiteral("data-referencia"))) {
        pedido.dataReferencia = QDate::fromString(parser.value(QStringLiteral("data-referencia")), Qt::ISODate);
        if (!pedido.dataReferencia.isValid())
            throw UsoInvalido(QStringLiteral("Data de referência inválida: %1 (use AAAA-MM-DD)")
                                  .arg(parser.value(QStringLiteral("data-referencia"))));
    }
    pedido.config = parser.value(QStringLiteral("config"));
    pedido.todasFolhas = parser.isSet(QStringLiteral("todas-folhas"));
    pedido.silencioso = parser.isSet(QStringLiteral("silencioso"));
    return pedido;
}

// False when the user cancelled before the outputs were put in place.
bool gravar(const Pedido& pedido, const spreadsheet::io::LoadedWorkbook& carregado,
            const relatorio::PaginasGeradas& geradas, relatorio::SaidaRelatorio& saida)
{
    relatorio::RelatorioGerado relatorio{*carregado.workbook,
                                         carregado.printSettings.value_or(spreadsheet::io::PrintSettings{}),
                                         {geradas.paginas.begin(), geradas.paginas.end()},
                                         pedido.todasFolhas,
                                         QFileInfo(pedido.modelo).completeBaseName()};
    return relatorio::GravacaoRelatorio::gravar(relatorio, pedido.saidas, saida);
}

QString celula(const spreadsheet::CalculationFailure& falha)
{
    return falha.sheetName + QLatin1Char('!') + spreadsheet::cellAddressText(falha.row, falha.column);
}

void resumirPaginas(QTextStream& out, const relatorio::PaginasGeradas& resultado)
{
    const QLocale local(QLocale::Portuguese, QLocale::Brazil);
    QStringList nomes;
    for (const spreadsheet::Sheet* pagina : resultado.paginas)
        nomes << pagina->name();
    out << "Páginas: " << resultado.paginas.size() << " (" << nomes.join(QStringLiteral(", ")) << ")\n"
        << "Linhas: " << local.toString(resultado.linhas) << "  Células: " << local.toString(resultado.celulas)
        << '\n';
}

void resumirTempos(QTextStream& out, const std::vector<std::pair<QString, qint64>>& fases)
{
    const QLocale local(QLocale::Portuguese, QLocale::Brazil);
    QStringList tempos;
    for (const auto& [fase, ms] : fases)
        tempos << QStringLiteral("%1 %2 ms").arg(fase, local.toString(ms));
    out << "Tempos: " << tempos.join(QStringLiteral("; ")) << '\n';
}

bool temFormula(const spreadsheet::Sheet& folha)
{
    bool tem = false;
    if (folha.rowCount() > 0 && folha.columnCount() > 0)
        folha.forEachCell({0, 0, folha.columnCount() - 1, folha.rowCount() - 1},
                          [&](int row, int column) { tem = tem || folha.isFormula(row, column); });
    return tem;
}

// A layout without formulas (an importer that could not read them, a
// template saved as values) would give pages that say nothing: better
// refused than written as an empty report.
spreadsheet::io::LoadedWorkbook carregarModelo(const QString& modelo, QTextStream& err)
{
    spreadsheet::io::LoadedWorkbook carregado = spreadsheet::io::WorkbookFile::load(modelo);
    for (const QString& aviso : carregado.warnings)
        err << "Aviso: " << aviso << '\n';
    err.flush();  // before the progress lines, which bypass the stream
    const spreadsheet::Sheet* leiaute = carregado.workbook->findSheet(u"Leiaute");
    if (leiaute && !temFormula(*leiaute))
        throw spreadsheet::SpreadsheetError(
            QStringLiteral("O modelo \"%1\" não tem fórmulas na planilha \"Leiaute\" depois de carregado: "
                           "o relatório sairia vazio.")
                .arg(modelo));
    return carregado;
}

int cancelado(QTextStream& err)
{
    err << "Geração cancelada. Nada foi gravado.\n";
    return kCancelado;
}

int executar(const Pedido& pedido, QTextStream& out, QTextStream& err)
{
    QElapsedTimer relogio;
    relogio.start();
    // Ctrl+C is a cancel from the start until the outputs are in place.
    const Interrupcao interrupcao;
    std::unique_ptr<host::TnFraProgresso> exibicao;
    if (pedido.silencioso)
        exibicao = std::make_unique<host::ProgressoSilencioso>();
    else
        exibicao = std::make_unique<host::ProgressoConsole>(stderr);
    auto progresso = std::make_unique<ProgressoGeracao>(std::move(exibicao));
    ProgressoGeracao& fases = *progresso;
    spreadsheet::io::LoadedWorkbook carregado = carregarModelo(pedido.modelo, err);
    if (!pedido.config.isEmpty())
        host::nConfig().carregarArquivo(pedido.config);
    const qint64 carga = relogio.restart();

    std::unique_ptr<host::TnDM> modulo = host::TnActionRegistry::instance().criar(QStringLiteral("TnFpaDMPlanilha"));
    auto* dm = dynamic_cast<host::TnDMPlanilha*>(modulo.get());
    if (!dm)
        throw host::HostError(QStringLiteral("A classe TnFpaDMPlanilha não é um módulo de planilha."));
    dm->SetProgresso(std::move(progresso));
    relatorio::ExecucaoRelatorio execucao(*dm, *carregado.workbook);
    relatorio::PedidoExecucao pedidoExecucao{host::ConnectionText::parse(pedido.banco), pedido.parametros,
                                             pedido.dataReferencia};
    try {
        if (!execucao.executar(pedidoExecucao, &Interrupcao::pedida))
            return cancelado(err);
    } catch (const std::exception&) {
        std::fflush(stderr);
        err << execucao.ondeFalhou();
        throw;
    }
    const qint64 geracao = relogio.restart();
    const relatorio::PaginasGeradas& resultado = execucao.paginas();
    if (resultado.paginas.empty()) {
        err << relatorio::ExecucaoRelatorio::kSemPaginas << " Nada foi gravado.\n";
        return kFalhou;
    }
    auto tempos = fases.fases();
    tempos.insert(tempos.begin(), {QStringLiteral("carga"), carga});
    relatorio::SaidaRelatorio saida(Interrupcao::vigilancia());
    if (!gravar(pedido, carregado, resultado, saida))
        return cancelado(err);
    resumirPaginas(out, resultado);
    tempos.emplace_back(QStringLiteral("gravação"), relogio.elapsed());
    tempos.emplace_back(QStringLiteral("total"), carga + geracao + tempos.back().second);
    resumirTempos(out, tempos);
    for (const QString& destino : saida.destinos())
        out << "Gravado: " << destino << '\n';
    const auto& falhas = execucao.falhas();
    if (falhas.empty())
        return kSucesso;
    err << "Funções que falharam (" << falhas.size() << " células; o relatório mostra #VALUE! nelas):\n";
    for (const auto& falha : falhas)
        err << "  " << celula(falha) << ": " << falha.message << '\n';
    return kFalhasEmCelulas;
}

}  // namespace

int runGerar(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    std::optional<Pedido> pedido;
    try {
        pedido = lerPedido(arguments, out);
    } catch (const UsoInvalido& uso) {
        err << uso.message() << '\n' << kUsoTexto;
        return kUso;
    }
    if (!pedido)
        return linhaDeComando::kAjuda;
    try {
        return executar(*pedido, out, err);
    } catch (const host::HostError& erro) {
        err << erro.message() << '\n';
    } catch (const spreadsheet::SpreadsheetError& erro) {
        err << erro.message() << '\n';
    } catch (const std::exception& erro) {
        err << QString::fromUtf8(erro.what()) << '\n';
    }
    err << "Nada foi gravado.\n";
    return kFalhou;
}
