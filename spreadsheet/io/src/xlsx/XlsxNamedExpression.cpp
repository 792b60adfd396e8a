#include "XlsxNamedExpression.h"

#include <spreadsheet/io/ImportSink.h>

#include <QSet>

namespace spreadsheet::io {

namespace {

bool isReserved(const XlsxDefinedName& name)
{
    return name.name.isEmpty() || name.name.startsWith(QLatin1String("_xlnm."), Qt::CaseInsensitive);
}

QString sheetName(const std::vector<QString>& sheetNames, int sheet)
{
    return sheet >= 0 && static_cast<std::size_t>(sheet) < sheetNames.size() ? sheetNames[static_cast<std::size_t>(sheet)]
                                                                              : QString::number(sheet + 1);
}

}  // namespace

void defineNames(const std::vector<XlsxDefinedName>& names, const std::vector<QString>& sheetNames, ImportSink& sink)
{
    // Workbook names first: they win a clash with a name of one sheet.
    QSet<QString> taken;
    for (const XlsxDefinedName& name : names) {
        if (name.sheet < 0 && !isReserved(name)) {
            sink.defineName(name.name, name.reference);
            taken.insert(name.name.toCaseFolded());
        }
    }
    for (const XlsxDefinedName& name : names) {
        if (name.sheet < 0 || isReserved(name)) {
            continue;
        }
        if (taken.contains(name.name.toCaseFolded())) {
            sink.warn(QStringLiteral("O nome \"%1\" da planilha \"%2\" foi ignorado: a pasta já tem um nome igual.")
                          .arg(name.name, sheetName(sheetNames, name.sheet)));
            continue;
        }
        sink.defineName(name.name, name.reference);
        taken.insert(name.name.toCaseFolded());
    }
}

}  // namespace spreadsheet::io
