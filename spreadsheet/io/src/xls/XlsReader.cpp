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
    const BiffFormulaDecoder decoder(globals.links());
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
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (sinkIndex[i] >= 0) {
            xls::XlsSheetReader(globals, sink, sinkIndex[i]).read(records, sheets[i].offset);
        }
    }
    const auto active = static_cast<std::size_t>(globals.activeTab());
    if (active < sinkIndex.size() && sinkIndex[active] >= 0) {
        sink.setActiveSheet(sinkIndex[active]);
    }
}

}  // namespace spreadsheet::io
