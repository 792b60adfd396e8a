#include "GerarCommand.h"

#include "Interrupcao.h"
#include "LinhaDeComando.h"
#include "ParametrosModelo.h"
#include "ProgressoGeracao.h"
#include "SaidaRelatorio.h"

#include "host/HostError.h"
#include "host/ProgressoConsole.h"
#include "host/ProgressoSilencioso.h"
#include "host/TnActionRegistry.h"
#include "host/TnConfig.h"
#include "host/TnDMPlanilha.h"
#include "host/TnDMSQLDataSet.h"

#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/WorkbookExport.h>
#include <spreadsheet/print/PdfExport.h>
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
    "[--replicacao COLUNAS] [--data-referencia AAAA-MM-DD] [--config ARQ] [--todas-folhas] [--silencioso]\n";

// Each run parameter the command line can give, with the template's name
// for it.
struct Parametro {
    const char* opcao;
    const char* nome;
    const char* descricao;
};

constexpr std::array<Parametro, 7> kParametros{{
    {"empresas", "Empresas", "empresas a gerar (ex.: 1..4;7)"},
    {"periodo", "PeriodoCalculo", "períodos de cálculo"},
    {"filiais", "Filiais", "estabelecimentos"},
    {"funcionarios", "Funcionarios", "funcionários"},
    {"centros-custo", "CentroCustos", "centros de custo"},
    {"local-contabil", "LocalContabil", "locais contábeis"},
    {"replicacao", "Replicacao", "colunas de replicação (ex.: A;B)"},
}};

enum class Formato { Nxs, Csv, Xlsx, Pdf };

struct Saida {
    QString caminho;
    Formato formato;
};

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

struct Extensao {
    const char* sufixo;
    Formato formato;
};

constexpr std::array<Extensao, 4> kExtensoes{
    {{"nxs", Formato::Nxs}, {"csv", Formato::Csv}, {"xlsx", Formato::Xlsx}, {"pdf", Formato::Pdf}}};

Saida saidaPara(const QString& caminho)
{
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    for (const Extensao& extensao : kExtensoes) {
        if (sufixo == QLatin1String(extensao.sufixo))
            return {caminho, extensao.formato};
    }
    throw UsoInvalido(QStringLiteral("Formato de saída desconhecido: \"%1\" (use .nxs, .xlsx, .csv ou .pdf)").arg(caminho));
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
    for (const Parametro& parametro : kParametros)
        parser.addOption({QString::fromLatin1(parametro.opcao), QString::fromUtf8(parametro.descricao),
                          QStringLiteral("LISTA")});
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
    // The pages-only workbook is made by dropping the template's sheets, so
    // it is written after everything that needs the whole workbook.
    std::stable_sort(pedido.saidas.begin(), pedido.saidas.end(),
                     [](const Saida& a, const Saida& b) { return a.formato < b.formato; });
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
    for (const Parametro& parametro : kParametros) {
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

// What the run left behind for the summary and the output.
struct Resultado {
    std::vector<spreadsheet::Sheet*> paginas;
    qint64 linhas = 0;
    qint64 celulas = 0;
};

Resultado medir(const Workbook& workbook, const QSet<int>& anteriores)
{
    Resultado resultado;
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        spreadsheet::Sheet& folha = workbook.sheet(i);
        if (anteriores.contains(folha.id()))
            continue;
        resultado.paginas.push_back(&folha);
        resultado.linhas += folha.rowCount();
        if (folha.rowCount() > 0 && folha.columnCount() > 0)
            folha.forEachCell({0, 0, folha.columnCount() - 1, folha.rowCount() - 1},
                              [&resultado](int, int) { ++resultado.celulas; });
    }
    return resultado;
}

void apenasPaginas(Workbook& workbook, const Resultado& resultado)
{
    QSet<int> paginas;
    for (const spreadsheet::Sheet* pagina : resultado.paginas)
        paginas.insert(pagina->id());
    while (!workbook.names().empty())
        workbook.deleteName(workbook.names().front().name);
    for (int i = workbook.sheetCount() - 1; i >= 0; --i) {
        if (!paginas.contains(workbook.sheet(i).id()))
            workbook.deleteSheet(i);
    }
}

// Each company page starts a new page of the PDF; with --todas-folhas the
// template's sheets come too, in the workbook's order.
std::vector<const spreadsheet::Sheet*> folhasDoPdf(const Pedido& pedido, const Workbook& workbook,
                                                   const Resultado& resultado)
{
    std::vector<const spreadsheet::Sheet*> folhas;
    if (pedido.todasFolhas) {
        for (int i = 0; i < workbook.sheetCount(); ++i)
            folhas.push_back(&workbook.sheet(i));
    } else {
        folhas.assign(resultado.paginas.begin(), resultado.paginas.end());
    }
    return folhas;
}

QString caminhoCsv(const QString& saida, const spreadsheet::Sheet& pagina)
{
    const QFileInfo info(saida);
    return info.absoluteDir().filePath(info.completeBaseName() + QLatin1Char('_') + pagina.name()
                                       + QStringLiteral(".csv"));
}

void gravarBytes(const QString& caminho, const QByteArray& bytes)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(bytes) != bytes.size())
        throw spreadsheet::SpreadsheetError(
            QStringLiteral("Não foi possível gravar \"%1\": %2").arg(caminho, arquivo.errorString()));
}

// False when the user cancelled before the outputs were put in place.
bool gravar(const Pedido& pedido, const spreadsheet::io::LoadedWorkbook& carregado, const Resultado& resultado,
            SaidaRelatorio& saida)
{
    Workbook& workbook = *carregado.workbook;
    bool soPaginas = false;
    for (const Saida& alvo : pedido.saidas) {
        switch (alvo.formato) {
        case Formato::Nxs:
            saida.escrever(alvo.caminho, [&](const QString& temporario) {
                spreadsheet::io::WorkbookFile::save(
                    workbook, carregado.printSettings.value_or(spreadsheet::io::PrintSettings{}), temporario);
            });
            break;
        case Formato::Csv:
            for (const spreadsheet::Sheet* pagina : resultado.paginas) {
                saida.escrever(caminhoCsv(alvo.caminho, *pagina), [&](const QString& temporario) {
                    QByteArray bytes;
                    spreadsheet::io::WorkbookExport::csv(*pagina, bytes);
                    gravarBytes(temporario, bytes);
                });
            }
            break;
        case Formato::Pdf:
            saida.escrever(alvo.caminho, [&](const QString& temporario) {
                spreadsheet::print::PdfExport::write(temporario, folhasDoPdf(pedido, workbook, resultado),
                                                     carregado.printSettings.value_or(spreadsheet::io::PrintSettings{}),
                                                     QFileInfo(pedido.modelo).completeBaseName());
            });
            break;
        case Formato::Xlsx:
            if (!pedido.todasFolhas && !soPaginas) {
                apenasPaginas(workbook, resultado);
                soPaginas = true;
            }
            saida.escrever(alvo.caminho, [&](const QString& temporario) {
                spreadsheet::io::WorkbookExport::xlsx(
                    workbook, temporario, carregado.printSettings.value_or(spreadsheet::io::PrintSettings{}));
            });
            break;
        }
    }
    return saida.confirmar();
}

QString celula(const spreadsheet::CalculationFailure& falha)
{
    return falha.sheetName + QLatin1Char('!') + spreadsheet::cellAddressText(falha.row, falha.column);
}

void resumirPaginas(QTextStream& out, const Resultado& resultado)
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

QString ondeFalhou(const host::TnDMPlanilha& dm)
{
    if (dm.FCodigoEmpresaBase == -1)
        return {};
    QString onde = QStringLiteral("Empresa %1").arg(dm.FCodigoEmpresaBase);
    if (dm.FDestino)
        onde += QStringLiteral(", planilha %1").arg(dm.FDestino->name());
    return onde + QStringLiteral(": ");
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
    Workbook& workbook = *carregado.workbook;
    workbook.history().setEnabled(false);
    for (const auto& [nome, valor] : pedido.parametros)
        ParametrosModelo::gravar(workbook, nome, valor);
    if (!pedido.config.isEmpty())
        host::nConfig().carregarArquivo(pedido.config);
    const qint64 carga = relogio.restart();

    // A long query hears Ctrl+C too, not only the steps between queries.
    host::TnDMSQLDataSet::DefinirInterrupcao(&Interrupcao::pedida);
    host::TnDMSQLDataSet::Conectar(pedido.banco);
    std::unique_ptr<host::TnDM> modulo = host::TnActionRegistry::instance().criar(QStringLiteral("TnFpaDMPlanilha"));
    auto* dm = dynamic_cast<host::TnDMPlanilha*>(modulo.get());
    if (!dm)
        throw host::HostError(QStringLiteral("A classe TnFpaDMPlanilha não é um módulo de planilha."));
    dm->SetcxSpreadSheetBook(&workbook);
    if (pedido.dataReferencia.isValid())
        dm->SetDataReferenciaFixa(QDateTime(pedido.dataReferencia, QTime(0, 0)));
    dm->SetProgresso(std::move(progresso));

    QSet<int> anteriores;
    for (int i = 0; i < workbook.sheetCount(); ++i)
        anteriores.insert(workbook.sheet(i).id());
    try {
        dm->Executar();
    } catch (const std::exception&) {
        if (Interrupcao::pedida())
            return cancelado(err);
        std::fflush(stderr);
        err << ondeFalhou(*dm);
        throw;
    }
    const qint64 geracao = relogio.restart();
    if (dm->Cancelado() || Interrupcao::pedida())
        return cancelado(err);
    const Resultado resultado = medir(workbook, anteriores);
    if (resultado.paginas.empty()) {
        err << "Nenhuma página foi gerada: nenhuma empresa da lista tem movimento no período. Nada foi gravado.\n";
        return kFalhou;
    }
    auto tempos = fases.fases();
    tempos.insert(tempos.begin(), {QStringLiteral("carga"), carga});
    SaidaRelatorio saida;
    if (!gravar(pedido, carregado, resultado, saida))
        return cancelado(err);
    resumirPaginas(out, resultado);
    tempos.emplace_back(QStringLiteral("gravação"), relogio.elapsed());
    tempos.emplace_back(QStringLiteral("total"), carga + geracao + tempos.back().second);
    resumirTempos(out, tempos);
    for (const QString& destino : saida.destinos())
        out << "Gravado: " << destino << '\n';
    const auto& falhas = dm->FalhasDaExecucao();
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
