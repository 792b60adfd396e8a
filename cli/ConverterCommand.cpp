#include "ConverterCommand.h"

#include "LinhaDeComando.h"

#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/JsonDump.h>
#include <spreadsheet/io/WorkbookExport.h>
#include <spreadsheet/print/PdfExport.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <array>

using spreadsheet::Workbook;
using namespace spreadsheet::io;

namespace {

constexpr int kOk = 0;
constexpr int kBadInput = 1;
constexpr int kUsage = 2;

const char* const kUsoTexto = "Uso: darvelo converter ENTRADA SAIDA [--recalcular] [--folha NOME]\n";

struct Options {
    QString input;
    QString output;
    bool recalculate = false;
    QString sheet;
};

void writeAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw spreadsheet::SpreadsheetError(QStringLiteral("Não foi possível gravar \"%1\": %2").arg(path, file.errorString()));
    }
}

const spreadsheet::Sheet& chosenSheet(const Workbook& wb, const QString& name)
{
    if (name.isEmpty()) {
        return wb.activeSheet();
    }
    const spreadsheet::Sheet* sheet = wb.findSheet(name);
    if (!sheet) {
        throw spreadsheet::SpreadsheetError(QStringLiteral("Planilha não encontrada: %1").arg(name));
    }
    return *sheet;
}

void writeNative(const Workbook& wb, const LoadedWorkbook& loaded, const Options& o)
{
    WorkbookFile::save(wb, loaded.printSettings.value_or(PrintSettings{}), o.output);
}

void writeJson(const Workbook& wb, const LoadedWorkbook&, const Options& o)
{
    writeAtomically(o.output, JsonDump::dump(wb));
}

void writeXlsx(const Workbook& wb, const LoadedWorkbook& loaded, const Options& o)
{
    WorkbookExport::xlsx(wb, o.output, loaded.printSettings.value_or(PrintSettings{}));
}

void writeCsv(const Workbook& wb, const LoadedWorkbook&, const Options& o)
{
    QByteArray bytes;
    WorkbookExport::csv(chosenSheet(wb, o.sheet), bytes);
    writeAtomically(o.output, bytes);
}

// The chosen sheet, or every sheet, each starting a new page.
void writePdf(const Workbook& wb, const LoadedWorkbook& loaded, const Options& o)
{
    std::vector<const spreadsheet::Sheet*> sheets;
    if (!o.sheet.isEmpty()) {
        sheets.push_back(&chosenSheet(wb, o.sheet));
    } else {
        for (int i = 0; i < wb.sheetCount(); ++i) {
            sheets.push_back(&wb.sheet(i));
        }
    }
    spreadsheet::print::PdfExport::write(o.output, sheets, loaded.printSettings.value_or(PrintSettings{}),
                                         QFileInfo(o.input).completeBaseName());
}

struct OutputFormat {
    const char* extension;
    void (*write)(const Workbook&, const LoadedWorkbook&, const Options&);
};

constexpr std::array<OutputFormat, 5> kOutputs{{
    {"nxs", writeNative},
    {"json", writeJson},
    {"xlsx", writeXlsx},
    {"csv", writeCsv},
    {"pdf", writePdf},
}};

const OutputFormat* outputFor(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const OutputFormat& f : kOutputs) {
        if (suffix == QLatin1String(f.extension)) {
            return &f;
        }
    }
    return nullptr;
}

int convert(const Options& o, QTextStream& out, QTextStream& err)
{
    const OutputFormat* format = outputFor(o.output);
    if (!format) {
        err << QStringLiteral("Formato de saída não suportado: %1 (use nxs, xlsx, csv, json ou pdf).\n").arg(o.output);
        return kUsage;
    }
    try {
        LoadedWorkbook loaded = WorkbookFile::load(o.input);
        for (const QString& warning : loaded.warnings) {
            err << QStringLiteral("Aviso: ") << warning << '\n';
        }
        if (o.recalculate) {
            // A file without stored results was calculated in full as it
            // was read; only one that brought its own results needs it.
            loaded.workbook->calculateIfChanged();
            for (const auto& f : loaded.workbook->calculationFailures()) {
                err << QStringLiteral("Aviso: %1!%2: %3\n")
                           .arg(f.sheetName, spreadsheet::cellAddressText(f.row, f.column), f.message);
            }
        }
        format->write(*loaded.workbook, loaded, o);
        out << QStringLiteral("%1 -> %2\n").arg(o.input, o.output);
        return kOk;
    } catch (const FileFormatError& e) {
        err << e.message() << (e.detail().isEmpty() ? QString() : QStringLiteral(" (%1)").arg(e.detail())) << '\n';
    } catch (const spreadsheet::SpreadsheetError& e) {
        err << e.message() << '\n';
    }
    return kBadInput;
}

}  // namespace

int runConverter(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Converte pastas de trabalho entre formatos, pela extensão: nxs, xls (somente leitura), "
                       "xlsx, csv e json."));
    linhaDeComando::declararAjuda(parser);
    const QCommandLineOption recalc("recalcular", QStringLiteral("Recalcula todas as fórmulas antes de gravar."));
    const QCommandLineOption sheet("folha", QStringLiteral("Planilha exportada em csv (padrão: a ativa)."),
                                   QStringLiteral("NOME"));
    parser.addOption(recalc);
    parser.addOption(sheet);
    parser.addPositionalArgument(QStringLiteral("ENTRADA"), QStringLiteral("Arquivo lido (nxs, xls ou xlsx)."));
    parser.addPositionalArgument(QStringLiteral("SAIDA"), QStringLiteral("Arquivo gravado (nxs, xlsx, csv ou json)."));
    try {
        if (!linhaDeComando::analisar(parser, arguments, QString::fromUtf8(kUsoTexto), out)) {
            return kOk;
        }
        if (parser.positionalArguments().size() != 2) {
            throw UsoInvalido(QStringLiteral("Informe ENTRADA e SAIDA."));
        }
    } catch (const UsoInvalido& erro) {
        err << erro.message() << '\n' << kUsoTexto;
        return kUsage;
    }
    const QStringList positional = parser.positionalArguments();
    return convert({positional[0], positional[1], parser.isSet(recalc), parser.value(sheet)}, out, err);
}
