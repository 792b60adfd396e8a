#include "XlsReader.h"

#include "BiffFormulaDecoder.h"
#include "BiffRecordStream.h"
#include "OleContainer.h"
#include "XlsGlobals.h"
#include "XlsSheetReader.h"

#include <spreadsheet/io/ImportSink.h>

#include <QSet>

#include <span>
#include <vector>

namespace spreadsheet::io {

namespace {

using xls::BiffFormulaDecoder;
using xls::XlsGlobals;

// Names the workbook model can take: its own names, not built-in ones (print
// areas, filters) nor the hidden names that stand for newer functions. A
// name of a sheet's own scope is kept unless a workbook-wide one, or an
// earlier sheet's, already has that name.
void defineNames(const XlsGlobals& globals, ImportSink& sink)
{
    const BiffFormulaDecoder decoder(globals.links(), globals.text());
    QSet<QString> taken;
    for (const int pass : {0, 1}) {
        for (const XlsGlobals::NameEntry& name : globals.names()) {
            const bool wanted = pass == 0 ? name.localSheet == 0 : name.localSheet != 0;
            const QString key = name.label.toUpper();
            if (!wanted || name.builtIn || name.function || key.startsWith(QStringLiteral("_XLNM."))
                || key.startsWith(QStringLiteral("_XLFN.")) || taken.contains(key)) {
                continue;
            }
            if (const auto reference = decoder.decode(name.tokens, {0, 0}, BiffFormulaDecoder::Context::Name)) {
                sink.defineName(name.label, *reference);
                taken.insert(key);
            }
        }
    }
}

}  // namespace

bool XlsReader::looksLikeXls(const QByteArray& head)
{
    return xls::OleContainer::hasSignature(head);
}

void XlsReader::read(const QByteArray& bytes, ImportSink& sink)
{
    readStream(xls::OleContainer::workbookStream(bytes), sink);
}

void XlsReader::readStream(const QByteArray& stream, ImportSink& sink)
{
    xls::BiffRecordStream records(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(stream.constData()),
                                      static_cast<std::size_t>(stream.size())));
    XlsGlobals globals;
    globals.read(records);

    const auto& sheets = globals.sheets();
    std::vector<int> sinkIndex(sheets.size(), -1);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (sheets[i].isWorksheet) {
            sinkIndex[i] = sink.addSheet(sheets[i].name);
        }
    }
    defineNames(globals, sink);
    for (const QString& warning : globals.warnings()) {
        sink.warn(warning);
    }
    bool cut = false;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (sinkIndex[i] < 0) {
            continue;
        }
        // Once the stream has been cut, the sheets after the cut are lost;
        // an offset past the end of a whole stream is damage.
        cut = cut || records.truncated();
        if (cut && sheets[i].offset >= records.size()) {
            sink.warn(QStringLiteral("Planilha \"%1\": perdida, o arquivo termina antes dela.").arg(sheets[i].name));
            continue;
        }
        cut = !xls::XlsSheetReader(globals, sink, sinkIndex[i], sheets[i].name).read(records, sheets[i].offset) || cut;
    }
    const auto active = static_cast<std::size_t>(globals.activeTab());
    if (active < sinkIndex.size() && sinkIndex[active] >= 0) {
        sink.setActiveSheet(sinkIndex[active]);
    }
}

}  // namespace spreadsheet::io
