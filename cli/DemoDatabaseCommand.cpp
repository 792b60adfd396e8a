#include "DemoDatabaseCommand.h"

#include "LinhaDeComando.h"

#include "host/ConnectionText.h"
#include "host/DemoDataGenerator.h"
#include "host/HostError.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>

namespace {

const char* const kUsoTexto =
    "Uso: darvelo banco-demo --banco CONEXAO [--semente N] [--empresas N] [--estabelecimentos N] "
    "[--funcionarios N] [--periodos N] [--eventos N] [--historicos N] [--se-ausente]\n";

struct SizeOption {
    const char* name;
    const char* description;
    int host::DemoDataOptions::*field;
};

// The knobs of the generator, each with its own option.
const SizeOption kSizes[] = {
    {"empresas", "número de empresas", &host::DemoDataOptions::empresas},
    {"estabelecimentos", "estabelecimentos por empresa", &host::DemoDataOptions::estabelecimentos},
    {"funcionarios", "funcionários por empresa", &host::DemoDataOptions::funcionarios},
    {"periodos", "meses de folha", &host::DemoDataOptions::periodos},
    {"eventos", "eventos por funcionário e período", &host::DemoDataOptions::eventosPorFuncionario},
    {"historicos", "registros por funcionário em cada histórico", &host::DemoDataOptions::historicos},
};

int positive(const QCommandLineParser& parser, const QString& name, int fallback)
{
    if (!parser.isSet(name))
        return fallback;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value <= 0 || value > 1'000'000)
        throw host::HostError(QStringLiteral("Valor inválido para --%1: %2").arg(name, parser.value(name)));
    return value;
}

void writePostgres(const host::ConnectionText& text, const host::DemoDataOptions& options)
{
    const QString name = QStringLiteral("darvelo-demo");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        text.applyTo(db);
        if (!db.open())
            throw host::HostError(QStringLiteral("Não foi possível conectar ao banco de dados (%1): %2")
                                      .arg(text.describe(), db.lastError().text()));
        host::DemoDataGenerator::gerar(db, host::SqlDialect::PostgreSQL, options);
    }
    QSqlDatabase::removeDatabase(name);
}

}  // namespace

int runDemoDatabase(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Cria o banco de dados de demonstração da folha."));
    linhaDeComando::declararAjuda(parser);
    parser.addOption({QStringLiteral("banco"), QStringLiteral("sqlite:CAMINHO ou postgresql://..."),
                      QStringLiteral("CONEXAO")});
    parser.addOption({QStringLiteral("semente"), QStringLiteral("semente dos dados"), QStringLiteral("N")});
    parser.addOption({QStringLiteral("se-ausente"), QStringLiteral("só cria o arquivo SQLite quando ele não existe")});
    for (const SizeOption& size : kSizes)
        parser.addOption({QString::fromLatin1(size.name), QString::fromUtf8(size.description), QStringLiteral("N")});
    try {
        if (!linhaDeComando::analisar(parser, arguments, QString::fromUtf8(kUsoTexto), out)) {
            return linhaDeComando::kAjuda;
        }
        if (!parser.isSet(QStringLiteral("banco"))) {
            throw UsoInvalido(QStringLiteral("Informe --banco CONEXAO."));
        }
    } catch (const UsoInvalido& erro) {
        err << erro.message() << '\n' << kUsoTexto;
        return linhaDeComando::kUso;
    }
    try {
        host::DemoDataOptions options;
        options.seed = static_cast<quint32>(positive(parser, QStringLiteral("semente"), int(options.seed)));
        for (const SizeOption& size : kSizes)
            options.*size.field = positive(parser, QString::fromLatin1(size.name), options.*size.field);
        const host::ConnectionText text = host::ConnectionText::parse(parser.value(QStringLiteral("banco")));
        if (text.dialect == host::SqlDialect::SQLite && parser.isSet(QStringLiteral("se-ausente"))
            && QFileInfo::exists(text.path)) {
            out << "Banco de demonstração já existe: " << text.path << '\n';
            return 0;
        }
        QElapsedTimer timer;
        timer.start();
        if (text.dialect == host::SqlDialect::SQLite)
            host::DemoDataGenerator::criarSqlite(text.path, options);
        else
            writePostgres(text, options);
        out << "Banco de demonstração criado: " << text.describe() << " (" << timer.elapsed() << " ms)\n";
        return 0;
    } catch (const host::HostError& error) {
        err << error.message() << '\n';
        return 1;
    }
}
